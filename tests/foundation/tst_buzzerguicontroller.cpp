#include "buzzercontroller.h"
#include "buzzerguicontroller.h"
#include "clickablewidgetcontroller.h"
#include "tamarindsettings.h"
#include "testsupport.h"

#include <QLabel>
#include <QVBoxLayout>

namespace
{
// The sound page as the main window builds it: two choices of an "On" and
// an "Off" row, each choice in a clickable widget controller of its own, and
// the summary line.
struct TSoundPage
{
    struct TChoice
    {
        TClickableWidgetController mController;
        QWidget* mOn = nullptr;
        QLabel* mOnLabel = nullptr;
        QWidget* mOff = nullptr;
        QLabel* mOffLabel = nullptr;
    };

    QWidget mPage;
    QLabel* mSummary = new QLabel(&mPage);
    TChoice mKeystrokes;
    TChoice mAlarms;
    std::unique_ptr<TBuzzerGUIController> mController;

    TSoundPage()
    {
        auto* column = new QVBoxLayout(&mPage);
        column->addWidget(mSummary);
        for (TChoice* choice : {&mKeystrokes, &mAlarms}) {
            const auto on = TClickableWidgetController::createClickableWidget(&mPage, "On");
            const auto off = TClickableWidgetController::createClickableWidget(&mPage, "Off");
            choice->mOn = on.first;
            choice->mOnLabel = on.second;
            choice->mOff = off.first;
            choice->mOffLabel = off.second;
            choice->mController.addWidget(choice->mOn, choice->mOnLabel);
            choice->mController.addWidget(choice->mOff, choice->mOffLabel);
            column->addWidget(choice->mOn);
            column->addWidget(choice->mOff);
        }
        mController = std::make_unique<TBuzzerGUIController>(
            &mKeystrokes.mController, mKeystrokes.mOn, mKeystrokes.mOnLabel, mKeystrokes.mOff, mKeystrokes.mOffLabel,
            &mAlarms.mController, mAlarms.mOn, mAlarms.mOnLabel, mAlarms.mOff, mAlarms.mOffLabel, mSummary);
        QObject::connect(&mKeystrokes.mController, &TClickableWidgetController::widgetMouseBtnReleased,
                         mController.get(), &TBuzzerGUIController::keystrokeSettingBtnClick);
        QObject::connect(&mAlarms.mController, &TClickableWidgetController::widgetMouseBtnReleased, mController.get(),
                         &TBuzzerGUIController::alarmSettingBtnClick);
    }

    // "on" or "off" as the page marks the choice.
    static QString marked(TChoice& pChoice)
    {
        QWidget* active = pChoice.mController.activeWidget();
        return active == pChoice.mOn ? "on" : active == pChoice.mOff ? "off" : "none";
    }
};

QString stored(const QString& pKey)
{
    return TTamarindSettings::instance().value("sound", pKey, "<missing>");
}
} // namespace

class tst_BuzzerGUIController : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void storedChoices_data();
    void storedChoices();
    void tappingAChoiceSwitchesAndStoresAtOnce();
    void factoryReset();
};

void tst_BuzzerGUIController::init()
{
    TTamarindSettings::instance().removeSection("sound");
}

void tst_BuzzerGUIController::storedChoices_data()
{
    QTest::addColumn<QString>("keystrokes");
    QTest::addColumn<QString>("alarms");
    QTest::addColumn<bool>("keystrokesOn");
    QTest::addColumn<bool>("alarmsOn");
    QTest::addColumn<QString>("summary");
    QTest::newRow("nothing stored") << QString() << QString() << false << true << "Keystroke sound Off, Alarm On";
    QTest::newRow("both switched") << "1"
                                   << "0" << true << false << "Keystroke sound On, Alarm Off";
    QTest::newRow("only 1 means on") << "true"
                                     << "yes" << false << false << "Keystroke sound Off, Alarm Off";
}

void tst_BuzzerGUIController::storedChoices()
{
    QFETCH(QString, keystrokes);
    QFETCH(QString, alarms);
    QFETCH(bool, keystrokesOn);
    QFETCH(bool, alarmsOn);
    QFETCH(QString, summary);

    if (!keystrokes.isNull())
        TTamarindSettings::instance().setValue("sound", "keystrokes", keystrokes);
    if (!alarms.isNull())
        TTamarindSettings::instance().setValue("sound", "alarms", alarms);
    TSoundPage page;
    QCOMPARE(TBuzzerController::instance().keystrokesActive(), keystrokesOn);
    QCOMPARE(TBuzzerController::instance().alarmsActive(), alarmsOn);
    QCOMPARE(TSoundPage::marked(page.mKeystrokes), QString(keystrokesOn ? "on" : "off"));
    QCOMPARE(TSoundPage::marked(page.mAlarms), QString(alarmsOn ? "on" : "off"));
    QCOMPARE(page.mSummary->text(), summary);
}

void tst_BuzzerGUIController::tappingAChoiceSwitchesAndStoresAtOnce()
{
    TSoundPage page;
    QTest::mouseClick(page.mKeystrokes.mOn, Qt::LeftButton);
    TAMARIND_END_FAILED_ROW();
    QVERIFY(TBuzzerController::instance().keystrokesActive());
    QCOMPARE(stored("keystrokes"), QString("1"));
    QCOMPARE(page.mSummary->text(), QString("Keystroke sound On, Alarm On"));

    QTest::mouseClick(page.mKeystrokes.mOff, Qt::LeftButton);
    TAMARIND_END_FAILED_ROW();
    QVERIFY(!TBuzzerController::instance().keystrokesActive());
    QCOMPARE(stored("keystrokes"), QString("0"));

    QTest::mouseClick(page.mAlarms.mOff, Qt::LeftButton);
    TAMARIND_END_FAILED_ROW();
    QVERIFY(!TBuzzerController::instance().alarmsActive());
    QCOMPARE(stored("alarms"), QString("0"));
    QCOMPARE(page.mSummary->text(), QString("Keystroke sound Off, Alarm Off"));

    // What was stored is what the next start reads.
    TTamarindSettings reread("/home/Settings/ZELK/settings.xml");
    QCOMPARE(reread.value("sound", "keystrokes"), QString("0"));
    QCOMPARE(reread.value("sound", "alarms"), QString("0"));
}

void tst_BuzzerGUIController::factoryReset()
{
    TTamarindSettings::instance().setValue("sound", "keystrokes", "1");
    TTamarindSettings::instance().setValue("sound", "alarms", "0");
    TSoundPage page;
    page.mController->factoryReset();
    QVERIFY(!TBuzzerController::instance().keystrokesActive());
    QVERIFY(TBuzzerController::instance().alarmsActive());
    QCOMPARE(stored("keystrokes"), QString("0"));
    QCOMPARE(stored("alarms"), QString("1"));
    QCOMPARE(TSoundPage::marked(page.mKeystrokes), QString("off"));
    QCOMPARE(TSoundPage::marked(page.mAlarms), QString("on"));
    QCOMPARE(page.mSummary->text(), QString("Keystroke sound Off, Alarm On"));
}

TAMARIND_TEST_MAIN(tst_BuzzerGUIController)
#include "tst_buzzerguicontroller.moc"
