#include "boardcontrolinterpreter.h"
#include "boardstate.h"
#include "mainwindowfixture.h"
#include "messagerecorder.h"
#include "padkeys.h"
#include "simulatedsmartprobe.h"
#include "tamarindmainform.h"
#include "tamarindsettings.h"
#include "testsupport.h"

#include <QFile>
#include <QLabel>
#include <QVBoxLayout>

// The probe page and the standard probe settings of the real main window,
// driven offscreen against the simulated board with custom probes in its memory.
class tst_MainWindowProbes : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void probePageListsDefaultAndCustomProbes();
    void searchFiltersTheListAndClearShowsAll();
    void customProbeDeletedAfterTheQuestion();
    void standardProbeSettingsSurviveARestartAndFollowTheFactoryReset();
    void demoProbesOfTheRunScriptLoadWithoutWarning();
    void probeMenuOpensTheEditPages_data();
    void probeMenuOpensTheEditPages();
    void aPadOutlastingItsEditorLeavesTheMainMenuCaption();

private:
    QStringList probeRows() const;
    QWidget* probeRow(const QString& pName) const;
    bool isActiveRow(const char* pName) const
    {
        return mMain.child(pName)->styleSheet().contains(QLatin1String("#FF6600"));
    }

    TMainWindowFixture mMain;
};

void tst_MainWindowProbes::initTestCase()
{
    QVERIFY(mMain.startBoard());
}

void tst_MainWindowProbes::init()
{
    // A board that was in use: a custom PRT probe on channel 1 and a spare one.
    mMain.board().withState([](TBoardState& pState) {
        const QString common = QStringLiteral("450.0,-200.0,1,100,3.9083e-03,-5.775e-07,-4.183e-12,0,0,0,0,0,0,0,0,0,0,"
                                              "0,0,0,0,3,0,0,0,0,2,1,%1,2");
        pState.mProbeMemory.fillSlot(1, QStringLiteral("1,bath1,") + common.arg(1));
        pState.mProbeMemory.fillSlot(2, QStringLiteral("1,Spare,") + common.arg(0));
    });
    mMain.open(true);
    mMain.click("BtnProbes");
}

void tst_MainWindowProbes::cleanup()
{
    mMain.close();
    TTamarindSettings::instance().removeSection(QStringLiteral("std_probe_settings"));
}

QStringList tst_MainWindowProbes::probeRows() const
{
    QStringList names;
    auto* layout = qobject_cast<QVBoxLayout*>(mMain.child("scrollAreaProbeMenuWidget")->layout());
    for (int i = 0; i < layout->count(); ++i) {
        QWidget* row = layout->itemAt(i)->widget();
        if (row && row->objectName().isEmpty())
            names << row->findChild<QLabel*>()->text();
    }
    return names;
}

QWidget* tst_MainWindowProbes::probeRow(const QString& pName) const
{
    for (QLabel* label : mMain.child("scrollAreaProbeMenuWidget")->findChildren<QLabel*>()) {
        if (label->text() == pName && label->parentWidget()->objectName().isEmpty())
            return label->parentWidget();
    }
    return nullptr;
}

void tst_MainWindowProbes::probePageListsDefaultAndCustomProbes()
{
    QCOMPARE(mMain.mainPage(), mMain.child("PageProbes"));
    QCOMPARE(probeRows(), (QStringList{"PT100 3-wire", "PT100 4-wire", "PT25 4-wire", "Thermistor 10k",
                                       "Thermocouple K", "bath1", "Spare"}));
    QVERIFY(!mMain.child("BtnDeleteProbe")->isEnabled());
    QVERIFY(!mMain.shown("WgtFilter"));
    mMain.snapshot(QStringLiteral("mainwindow_probes"));
}

void tst_MainWindowProbes::searchFiltersTheListAndClearShowsAll()
{
    TModalAnswer::onNextModal([](QWidget* pPad) { typeOnPad(pPad, QStringLiteral("bath1")); });
    mMain.click("BtnProbe_Search");
    QCOMPARE(probeRows(), QStringList{"bath1"});
    QVERIFY(mMain.shown("WgtFilter"));
    QCOMPARE(mMain.text("LblProbeFilterValue"), QStringLiteral("bath1"));
    mMain.snapshot(QStringLiteral("mainwindow_probes_filtered"));

    // An empty text leaves the filter as it is.
    TModalAnswer::onNextModal([](QWidget* pPad) { typeOnPad(pPad, QString()); });
    mMain.click("BtnProbe_Search");
    QCOMPARE(probeRows(), QStringList{"bath1"});

    mMain.click("BtnProbeFilterClear");
    QCOMPARE(probeRows().size(), 7);
    QVERIFY(!mMain.shown("WgtFilter"));
}

void tst_MainWindowProbes::customProbeDeletedAfterTheQuestion()
{
    QWidget* row = probeRow(QStringLiteral("bath1"));
    QVERIFY2(row, "the probe list shows no bath1");
    QTest::mouseClick(row, Qt::LeftButton);
    QVERIFY(mMain.child("BtnDeleteProbe")->isEnabled());
    mMain.board().clearRecord();
    TModalAnswer::clickInNextModal(QStringLiteral("BtnYes"));
    mMain.click("BtnDeleteProbe");
    QVERIFY(!probeRows().contains(QStringLiteral("bath1")));
    QVERIFY(!mMain.child("BtnDeleteProbe")->isEnabled());
    bool cleared = false;
    for (const QByteArray& command : mMain.board().receivedCommands())
        cleared = cleared || command.startsWith("prob:save 1,0,,0,");
    QVERIFY(cleared);
    QCOMPARE(mMain.menuPage(), mMain.child("PageMenu"));
}

void tst_MainWindowProbes::standardProbeSettingsSurviveARestartAndFollowTheFactoryReset()
{
    mMain.click("BtnSettings");
    mMain.click("BtnSettings_StandardProbeSettings");
    QCOMPARE(mMain.menuPage(), mMain.child("PageStdProbeSettings"));
    QVERIFY(isActiveRow("BtnStdPrb_4wire"));
    mMain.click("BtnStdPrb_3wire");
    mMain.click("BtnStdPrb_ITS90");
    mMain.snapshot(QStringLiteral("mainwindow_standard_probe_settings"));

    mMain.close();
    mMain.open(true);
    QVERIFY(isActiveRow("BtnStdPrb_3wire"));
    QVERIFY(isActiveRow("BtnStdPrb_ITS90"));
    QVERIFY(!isActiveRow("BtnStdPrb_4wire"));

    TTamarindSettings::instance().setValue(QStringLiteral("std_probe_settings"), QStringLiteral("ref_junc_channel"),
                                           QStringLiteral("1"));
    TModalAnswer::clickInNextModal(QStringLiteral("BtnYes"));
    mMain.window()->factoryReset();
    QVERIFY(isActiveRow("BtnStdPrb_4wire"));
    QVERIFY(isActiveRow("BtnStdPrb_EN60751"));
    QCOMPARE(TTamarindSettings::instance().value(QStringLiteral("std_probe_settings"), QStringLiteral("wiring")),
             QStringLiteral("2"));
    QCOMPARE(
        TTamarindSettings::instance().value(QStringLiteral("std_probe_settings"), QStringLiteral("ref_junc_channel")),
        QStringLiteral("1"));
}

// ./run.sh starts the board with these probes, dated this month.
void tst_MainWindowProbes::demoProbesOfTheRunScriptLoadWithoutWarning()
{
    mMain.close();
    QFile file(QStringLiteral(TAMARIND_SOURCE_DIR "/simulator/demo-probes.txt"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QDate today = QDate::currentDate();
    const QString lines = QString::fromUtf8(file.readAll())
                              .replace(QLatin1String("@YEAR@"), QString::number(today.year()))
                              .replace(QLatin1String("@MONTH@"), QString::number(today.month()));
    QString error;
    bool filled = false;
    mMain.board().withState([&](TBoardState& pState) {
        pState.mProbeMemory.clearSlot(2);
        filled = pState.mProbeMemory.fillSlots(lines, error);
    });
    QVERIFY2(filled, qPrintable(error));

    TMessageRecorder messages;
    mMain.open(true);
    mMain.click("BtnProbes");
    QCOMPARE(probeRows().mid(5),
             (QStringList{"Pt100 Bath", "SPRT 25 Ref", "Pt100 3-wire", "TC K Oven", "TC N Furnace", "Thermistor 5k"}));
    QCoreApplication::processEvents();
    QCOMPARE(messages.texts(), QStringList());
    mMain.snapshot(QStringLiteral("mainwindow_probes_demo"));
}

void tst_MainWindowProbes::probeMenuOpensTheEditPages_data()
{
    QTest::addColumn<QString>("row");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("shownName");

    QTest::newRow("custom PRT probe") << "bath1"
                                      << "PagePRTEdit"
                                      << "bath1";
    QTest::newRow("new thermocouple probe") << "BtnProbe_NewTC"
                                            << "PageTCEdit"
                                            << "";
    QTest::newRow("default thermistor probe") << "Thermistor 10k"
                                              << "PageThermEdit"
                                              << "";
    QTest::newRow("SMART probe list") << "BtnProbe_ListSmartProbes"
                                      << "PageSmartProbeList"
                                      << "SPRT25-0815";
}

// Every page of the probe menu opens in the menu column with the probe's data.
void tst_MainWindowProbes::probeMenuOpensTheEditPages()
{
    QFETCH(QString, row);
    QFETCH(QString, page);
    QFETCH(QString, shownName);

    QVERIFY(mMain.board().plugSmartProbe(2, TSimulatedSmartProbe::its90Pt25()));
    QWidget* pressed = row.startsWith(QLatin1String("Btn")) ? mMain.child(qPrintable(row)) : probeRow(row);
    QVERIFY(pressed);
    QTest::mouseClick(pressed, Qt::LeftButton);
    QCOMPARE(mMain.menuPage()->objectName(), page);
    // The page's caption is read whole, however long.
    auto* caption = mMain.child<QLabel>("LblMenuCaption");
    QVERIFY2(caption->fontMetrics().horizontalAdvance(caption->text()) <= caption->contentsRect().width(),
             qPrintable(caption->text()));
    mMain.snapshot(QStringLiteral("mainwindow_probe_page_%1").arg(QTest::currentDataTag()).replace(' ', '_'));
    if (!shownName.isEmpty()) {
        QStringList texts;
        for (const QLabel* label : mMain.menuPage()->findChildren<QLabel*>())
            texts << label->text();
        QVERIFY2(texts.contains(shownName), qPrintable(texts.join(QLatin1Char('|'))));
    }
    mMain.click("BtnReturnToMainMenu");
    TBoardControlInterpreter(mMain.board()).execute(QStringLiteral("smart 2 none"));
}

// A client taking control closes the editor beneath an open pad; the pad then
// goes as usual, and the main menu shown keeps its own caption.
void tst_MainWindowProbes::aPadOutlastingItsEditorLeavesTheMainMenuCaption()
{
    mMain.click("BtnProbe_NewTC");
    QCOMPARE(mMain.menuPage(), mMain.child("PageTCEdit"));
    TModalAnswer::onNextModal([this](QWidget* pPad) {
        mMain.window()->onRemoteModeChanged(true);
        pressKeys(pPad, {QStringLiteral("BtnCancel")});
    });
    mMain.click("Btn_Tmin_TC");
    QCOMPARE(mMain.menuPage(), mMain.child("PageMenu"));
    QCOMPARE(mMain.text("LblMenuCaption"), QStringLiteral("Menu"));
    QVERIFY(mMain.shown("LblMenuIcon"));
    mMain.window()->onRemoteModeChanged(false);
}

TAMARIND_TEST_MAIN(tst_MainWindowProbes)
#include "tst_mainwindowprobes.moc"
