#include "channel.h"
#include "channelcontroller.h"
#include "channelcontrollerfixture.h"
#include "clickablewidgetcontroller.h"
#include "standardprobesettingcontroller.h"
#include "tamarindsettings.h"
#include "testprobes.h"
#include "testsupport.h"
#include "zelkcontainercheckbutton.h"
#include "zelkdialogbutton.h"

#include <QMouseEvent>

using namespace Probe_enums;

namespace
{
const QString SECTION = QStringLiteral("std_probe_settings");

using Settings = std::initializer_list<std::pair<QString, QString>>;

QString stored(const QString& pKey)
{
    return TTamarindSettings::instance().value(SECTION, pKey, QStringLiteral("<none>"));
}

void store(const Settings& pSettings)
{
    for (const auto& setting : pSettings)
        TTamarindSettings::instance().setValue(SECTION, setting.first, setting.second);
}

// What a fresh read of the settings file gives.
QString inFile(const QString& pKey)
{
    return TTamarindSettings(QStringLiteral("/home/Settings/ZELK/settings.xml")).value(SECTION, pKey);
}

void release(QWidget* pWidget)
{
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(5, 5), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(pWidget, &release);
}
} // namespace

class tst_StandardProbeSettingController : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void emptySettingsGiveTheDefaults();
    void storedReferenceChannel_data();
    void storedReferenceChannel();
    void buttonsWriteTheirSetting_data();
    void buttonsWriteTheirSetting();
    void referenceChannelDialog_data();
    void referenceChannelDialog();
    void factoryResetKeepsTheReferenceChannel();

private:
    TStandardProbeSettingController& build();
    // Answers the channel dialog with the resistance input pChannel, or with
    // Cancel for 0.
    void answerChannelDialog(int pChannel);
    bool isActive(QWidget* pButton) const { return mRegistry->isWidgetActive(pButton); }
    Ui_TTamarindMainForm& ui() { return mFixture->ui(); }

    std::unique_ptr<TChannelControllerFixture> mFixture;
    std::unique_ptr<TStandardProbeSettingController> mController;
    TClickableWidgetController* mRegistry = nullptr;
    std::vector<std::unique_ptr<TAbstractProbe>> mProbes;
};

void tst_StandardProbeSettingController::init()
{
    TTamarindSettings::instance().removeSection(SECTION);
    TAMARIND_MAKE_FIXTURE(mFixture);
    TChannelController& channels = mFixture->build();
    // The dialog offers resistance inputs with a probe.
    for (int channel : {1, 2}) {
        mProbes.push_back(TestProbes::prt());
        channels.physical_channel(channel)->assignProbe(mProbes.back().get());
    }
}

void tst_StandardProbeSettingController::cleanup()
{
    mController.reset();
    mFixture.reset();
    mProbes.clear();
}

// The page's buttons in the groups the main window gives them.
TStandardProbeSettingController& tst_StandardProbeSettingController::build()
{
    Ui_TTamarindMainForm& form = ui();
    auto registry = std::make_unique<TClickableWidgetController>();
    const std::initializer_list<std::pair<short, QWidget*>> rows{
        {0, form.BtnStdPrb_EN60751}, {0, form.BtnStdPrb_CVD},      {0, form.BtnStdPrb_ITS90},
        {1, form.BtnStdPrb_4wire},   {1, form.BtnStdPrb_3wire},    {3, form.BtnStdPrb_ConvNone},
        {3, form.BtnStdPrb_ConvSH},  {3, form.BtnStdPrb_ConvPoly}, {5, form.BtnStdPrb_IEC584},
        {5, form.BtnStdPrb_Custom},  {6, form.BtnStdPrb_Internal}, {6, form.BtnStdPrb_External},
        {6, form.BtnStdPrb_Channel}};
    for (const auto& row : rows)
        registry->addWidget(row.first, row.second, nullptr, false);
    mRegistry = registry.get();
    mController = std::make_unique<TStandardProbeSettingController>(
        std::move(registry), &mFixture->controller(), form.BtnStdPrb_EN60751, form.BtnStdPrb_CVD, form.BtnStdPrb_ITS90,
        form.BtnStdPrb_4wire, form.BtnStdPrb_3wire, form.BtnStdPrb_ConvNone, form.BtnStdPrb_ConvSH,
        form.BtnStdPrb_ConvPoly, form.BtnStdPrb_IEC584, form.BtnStdPrb_Custom, form.BtnStdPrb_Internal,
        form.BtnStdPrb_External, form.BtnStdPrb_Channel, form.BtnStdRefJunc_Channel);
    return *mController;
}

void tst_StandardProbeSettingController::answerChannelDialog(int pChannel)
{
    const QString caption = pChannel ? mFixture->controller().channel(pChannel)->channelCaption() : QString();
    TModalAnswer::onNextModal([caption](QWidget* pDialog) {
        if (caption.isEmpty()) {
            QTest::mouseClick(pDialog->findChild<QWidget*>(QStringLiteral("BtnCancel")), Qt::LeftButton);
            return;
        }
        for (QZELKContainerCheckButton* button : pDialog->findChildren<QZELKContainerCheckButton*>()) {
            if (button->findChild<QLabel*>()->text() == caption) {
                button->setChecked(true);
                return;
            }
        }
        qWarning("the dialog offers no channel %s", qPrintable(caption));
    });
}

void tst_StandardProbeSettingController::emptySettingsGiveTheDefaults()
{
    TStandardProbeSettingController& settings = build();
    QCOMPARE(settings.standardConversionPRT(), cprtEN60751);
    QCOMPARE(settings.standardConversionThermistor(), cthNone);
    QCOMPARE(settings.standardConversionTC(), ctcIEC584);
    QCOMPARE(settings.standardWiring(), w4wire);
    QCOMPARE(settings.standardReferenceJunction(), rjInternal);
    QCOMPARE(settings.standardReferenceJunctionChannel(), 0);
    for (const char* key : {"conv_prt", "conv_therm", "conv_tc", "wiring", "ref_junc", "ref_junc_channel"})
        QVERIFY2(!TTamarindSettings::instance().containsSetting(SECTION, QLatin1String(key)), key);
    for (QWidget* button : {ui().BtnStdPrb_EN60751, ui().BtnStdPrb_4wire, ui().BtnStdPrb_ConvNone,
                            ui().BtnStdPrb_IEC584, ui().BtnStdPrb_Internal})
        QVERIFY2(isActive(button), qPrintable(button->objectName()));
    QVERIFY(ui().BtnStdRefJunc_Channel->isHidden());
}

void tst_StandardProbeSettingController::storedReferenceChannel_data()
{
    QTest::addColumn<QString>("channel");
    QTest::addColumn<int>("junction");
    QTest::addColumn<int>("junctionChannel");
    QTest::newRow("thermocouple input 3 becomes internal") << "3" << int(rjInternal) << 0;
    QTest::newRow("a channel that does not exist becomes internal") << "7" << int(rjInternal) << 0;
    QTest::newRow("no number becomes internal") << "x" << int(rjInternal) << 0;
    QTest::newRow("resistance input 2 is kept") << "2" << int(rjChannel) << 2;
}

void tst_StandardProbeSettingController::storedReferenceChannel()
{
    QFETCH(QString, channel);
    store({{"ref_junc", "2"}, {"ref_junc_channel", channel}});
    TStandardProbeSettingController& controller = build();
    QTEST(int(controller.standardReferenceJunction()), "junction");
    QTEST(controller.standardReferenceJunctionChannel(), "junctionChannel");
    QCOMPARE(stored("ref_junc"), QString::number(controller.standardReferenceJunction()));
    // The channel number is reset in memory only.
    QCOMPARE(stored("ref_junc_channel"), channel);
    const bool onChannel = controller.standardReferenceJunction() == rjChannel;
    QCOMPARE(ui().BtnStdRefJunc_Channel->isHidden(), !onChannel);
    if (onChannel)
        QCOMPARE(ui().BtnStdRefJunc_Channel->text(), mFixture->controller().channel(2)->channelCaption());
}

void tst_StandardProbeSettingController::buttonsWriteTheirSetting_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    const auto row = [](const char* pName, const char* pButton, const char* pKey, const char* pValue) {
        QTest::newRow(pName) << QString(pButton) << QString(pKey) << QString(pValue);
    };
    row("Callendar-Van Dusen", "BtnStdPrb_CVD", "conv_prt", "2");
    row("ITS-90", "BtnStdPrb_ITS90", "conv_prt", "3");
    row("EN 60751", "BtnStdPrb_EN60751", "conv_prt", "1");
    row("three wires", "BtnStdPrb_3wire", "wiring", "1");
    row("four wires", "BtnStdPrb_4wire", "wiring", "2");
    row("thermistor without conversion", "BtnStdPrb_ConvNone", "conv_therm", "1");
    row("Steinhart-Hart", "BtnStdPrb_ConvSH", "conv_therm", "2");
    row("thermistor polynomial", "BtnStdPrb_ConvPoly", "conv_therm", "3");
    row("IEC 584", "BtnStdPrb_IEC584", "conv_tc", "1");
    row("thermocouple polynomial", "BtnStdPrb_Custom", "conv_tc", "2");
    row("external junction", "BtnStdPrb_External", "ref_junc", "1");
    row("internal junction", "BtnStdPrb_Internal", "ref_junc", "0");
}

// Each press is written to the file at once.
void tst_StandardProbeSettingController::buttonsWriteTheirSetting()
{
    QFETCH(QString, button);
    QFETCH(QString, key);
    QFETCH(QString, value);
    TTamarindSettings::instance().setValue(SECTION, key, QStringLiteral("9"));
    build();
    release(mFixture->form().findChild<QWidget*>(button));
    QCOMPARE(inFile(key), value);

    // The getters follow: a controller built on the stored file reads the same.
    mController.reset();
    TStandardProbeSettingController& again = build();
    const QMap<QString, int> read{{"conv_prt", again.standardConversionPRT()},
                                  {"wiring", again.standardWiring()},
                                  {"conv_therm", again.standardConversionThermistor()},
                                  {"conv_tc", again.standardConversionTC()},
                                  {"ref_junc", again.standardReferenceJunction()}};
    QCOMPARE(QString::number(read.value(key)), value);
    QVERIFY(isActive(mFixture->form().findChild<QWidget*>(button)));
}

// The channel dialog opens from the junction button and from the selection
// button beside it; Cancel answers 0.
void tst_StandardProbeSettingController::referenceChannelDialog_data()
{
    QTest::addColumn<QString>("junctionBefore");
    QTest::addColumn<bool>("fromSelection");
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("junction");
    QTest::addColumn<int>("channel");
    QTest::newRow("junction button, channel chosen") << "0" << false << 2 << int(rjChannel) << 2;
    QTest::newRow("junction button, cancelled means internal") << "1" << false << 0 << int(rjInternal) << 0;
    QTest::newRow("selection button changes only the channel") << "2" << true << 2 << int(rjChannel) << 2;
    QTest::newRow("selection button cancelled keeps the channel") << "2" << true << 0 << int(rjChannel) << 1;
}

void tst_StandardProbeSettingController::referenceChannelDialog()
{
    QFETCH(QString, junctionBefore);
    QFETCH(bool, fromSelection);
    QFETCH(int, answer);
    QFETCH(int, junction);
    QFETCH(int, channel);
    store({{"ref_junc", junctionBefore}, {"ref_junc_channel", "1"}});
    TStandardProbeSettingController& controller = build();
    answerChannelDialog(answer);
    if (fromSelection)
        ui().BtnStdRefJunc_Channel->click();
    else
        release(ui().BtnStdPrb_Channel);

    QCOMPARE(int(controller.standardReferenceJunction()), junction);
    QCOMPARE(stored("ref_junc"), QString::number(junction));
    QCOMPARE(isActive(ui().BtnStdPrb_Internal), junction == rjInternal);
    QCOMPARE(isActive(ui().BtnStdPrb_Channel), junction == rjChannel);
    QCOMPARE(ui().BtnStdRefJunc_Channel->isHidden(), junction != rjChannel);
    if (junction == rjChannel) {
        QCOMPARE(controller.standardReferenceJunctionChannel(), channel);
        QCOMPARE(stored("ref_junc_channel"), QString::number(channel));
        QCOMPARE(ui().BtnStdRefJunc_Channel->text(), mFixture->controller().channel(channel)->channelCaption());
        // Another junction hides the selection button again.
        release(ui().BtnStdPrb_External);
        QVERIFY(ui().BtnStdRefJunc_Channel->isHidden());
    }
}

void tst_StandardProbeSettingController::factoryResetKeepsTheReferenceChannel()
{
    const Settings changed{{"conv_prt", "3"}, {"conv_therm", "2"}, {"conv_tc", "2"},
                           {"wiring", "1"},   {"ref_junc", "2"},   {"ref_junc_channel", "1"}};
    store(changed);
    TStandardProbeSettingController& controller = build();
    controller.factoryReset();
    const Settings expected{{"conv_prt", "1"}, {"conv_therm", "1"}, {"conv_tc", "1"},
                            {"wiring", "2"},   {"ref_junc", "0"},   {"ref_junc_channel", "1"}};
    for (const auto& setting : expected)
        QCOMPARE(inFile(setting.first), setting.second);
    QCOMPARE(controller.standardReferenceJunctionChannel(), 1);
    QVERIFY(isActive(ui().BtnStdPrb_4wire));
    QVERIFY(isActive(ui().BtnStdPrb_Internal));
    QVERIFY(ui().BtnStdRefJunc_Channel->isHidden());
}

TAMARIND_TEST_MAIN(tst_StandardProbeSettingController)
#include "tst_standardprobesettingcontroller.moc"
