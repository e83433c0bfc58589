#include "boardcontrolinterpreter.h"
#include "boardstate.h"
#include "calibrationprogressdialog.h"
#include "channelcontroller.h"
#include "mainwindowfixture.h"
#include "messagerecorder.h"
#include "padkeys.h"
#include "simulatedsmartprobe.h"
#include "tamarindmainform.h"
#include "testsupport.h"

#include <QLabel>
#include <QProgressBar>
#include <QRadioButton>

namespace
{
// The values the progress bar of the store dialog shows, from the moment it appears.
class TProgressRecorder : public QObject
{
public:
    TProgressRecorder() { qApp->installEventFilter(this); }
    ~TProgressRecorder() override { qApp->removeEventFilter(this); }

    QList<int> mValues;

    bool eventFilter(QObject* pWatched, QEvent* pEvent) override
    {
        auto* dialog = qobject_cast<TCalibrationProgressDialog*>(pWatched);
        if (dialog && pEvent->type() == QEvent::Show) {
            auto* bar = dialog->findChild<QProgressBar*>(QStringLiteral("progressBar"));
            mValues << bar->value();
            connect(bar, &QProgressBar::valueChanged, this, [this](int pValue) { mValues << pValue; });
        }
        return false;
    }
};

// The pad opens on the current text: it is erased first, as a user does.
void retype(QWidget* pPad, const QString& pText)
{
    for (int key = 0; key < 20; ++key)
        pressKeys(pPad, {QStringLiteral("BtnUp_Back")});
    typeOnPad(pPad, pText);
}

// A Pt100 whose next calibration lies ahead, so that no due warning comes between the steps.
TSimulatedSmartProbe cvdProbe()
{
    TSimulatedSmartProbe probe = TSimulatedSmartProbe::callendarVanDusenPt100();
    probe.mCalNext = QDate(2031, 1, 15);
    return probe;
}
} // namespace

Q_DECLARE_METATYPE(TSimulatedSmartProbe)

// The SMART probe programming of the service list on the real main window,
// against the simulated board with a SMART probe on the measured channel 1.
class tst_MainWindowSmartProbe : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void storeWritesThePageInTheBoardsOrder_data();
    void storeWritesThePageInTheBoardsOrder();
    void refusedWriteEndsTheSequence_data();
    void refusedWriteEndsTheSequence();
    void missingFieldsAreNamedAndNothingIsWritten_data();
    void missingFieldsAreNamedAndNothingIsWritten();
    void editedFieldsAreWrittenAsEntered();
    void noSmartProbeOnTheMeasuredChannel();

private:
    // Opens the window with the probe on channel 1 and the programming page.
    void openWith(const TSimulatedSmartProbe* pProbe);
    // The SMART probe writes the board received, in order.
    QStringList writes();
    // Save of the menu column; the messages it showed.
    QStringList save();
    bool readingActive() const { return mMain.window()->mChannelController->isReadingActive(); }
    const TSimulatedSmartProbe& boardProbe();

    TMainWindowFixture mMain;
    TSimulatedSmartProbe mBoardProbe;
};

void tst_MainWindowSmartProbe::initTestCase()
{
    QVERIFY(mMain.startBoard());
}

void tst_MainWindowSmartProbe::cleanup()
{
    mMain.close();
    TBoardControlInterpreter control(mMain.board());
    control.execute(QStringLiteral("fault clear"));
    control.execute(QStringLiteral("smart 1 none"));
}

void tst_MainWindowSmartProbe::openWith(const TSimulatedSmartProbe* pProbe)
{
    if (pProbe)
        QVERIFY(mMain.board().plugSmartProbe(1, *pProbe));
    mMain.open(true);
    mMain.click("BtnService");
    mMain.click("BtnService_SmartProbe");
    if (pProbe)
        QCOMPARE(mMain.menuPage(), mMain.child("PageSmartProbeProg"));
    mMain.board().clearRecord();
}

QStringList tst_MainWindowSmartProbe::writes()
{
    QStringList sent;
    for (const QByteArray& command : mMain.board().receivedCommands()) {
        if (command.startsWith("sens:frtd:") && !command.contains('?'))
            sent << QString::fromLatin1(command);
    }
    return sent;
}

QStringList tst_MainWindowSmartProbe::save()
{
    TMessageRecorder messages;
    mMain.click("BtnSave");
    return messages.texts();
}

const TSimulatedSmartProbe& tst_MainWindowSmartProbe::boardProbe()
{
    mMain.board().withState([this](TBoardState& pState) { mBoardProbe = *pState.mSmartProbes.probe(1); });
    return mBoardProbe;
}

void tst_MainWindowSmartProbe::storeWritesThePageInTheBoardsOrder_data()
{
    QTest::addColumn<TSimulatedSmartProbe>("probe");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QList<int>>("progress");

    // Unlocked first, the name as typed, the range as maximum and minimum, dates as year, month and day, each
    // coefficient by its index with six significant digits, the page's lock last.
    QTest::newRow("Callendar-van-Dusen probe") << cvdProbe()
                                               << QStringList{"sens:frtd:lock 0",
                                                              "sens:frtd:iden bath0815",
                                                              "sens:frtd:cal:sour ZELK calibration lab",
                                                              "sens:frtd:stat:refe 0",
                                                              "sens:frtd:refe:res 2",
                                                              "sens:frtd:rang 390.48,18.52",
                                                              "sens:frtd:cal:date 2024,01,15",
                                                              "sens:frtd:cal:next 2031,01,15",
                                                              "sens:frtd:stan 2",
                                                              "sens:frtd:coef 1,100.012",
                                                              "sens:frtd:coef 2,0.00390802",
                                                              "sens:frtd:coef 3,-5.80195e-07",
                                                              "sens:frtd:coef 4,-4.2735e-12",
                                                              "sens:frtd:lock 1"}
                                               << QList<int>{0, 7, 14, 21, 28, 35, 42, 50, 57, 64, 71, 78, 85, 92};
    QTest::newRow("ITS-90 reference probe without next date")
        << TSimulatedSmartProbe::its90Pt25()
        << QStringList{"sens:frtd:lock 0",
                       "sens:frtd:iden bath0815",
                       "sens:frtd:cal:sour National lab",
                       "sens:frtd:stat:refe 1",
                       "sens:frtd:refe:res 1",
                       "sens:frtd:rang 84,4.5",
                       "sens:frtd:cal:date 2023,06,01",
                       "sens:frtd:cal:next 0,0,0",
                       "sens:frtd:stan 3",
                       "sens:frtd:coef 1,25.5468",
                       "sens:frtd:coef 2,-0.00012345",
                       "sens:frtd:coef 3,2.3456e-05",
                       "sens:frtd:coef 4,-3.4567e-05",
                       "sens:frtd:coef 5,4.5678e-06",
                       "sens:frtd:coef 6,-5.6789e-07",
                       "sens:frtd:coef 7,6.789e-08",
                       "sens:frtd:lock 1"}
        << QList<int>{0, 5, 11, 17, 23, 29, 35, 41, 47, 52, 58, 64, 70, 76, 82, 88, 94};
}

void tst_MainWindowSmartProbe::storeWritesThePageInTheBoardsOrder()
{
    QFETCH(TSimulatedSmartProbe, probe);
    QFETCH(QStringList, expected);
    QFETCH(QList<int>, progress);

    openWith(&probe);
    TModalAnswer::onNextModal([](QWidget* pPad) { retype(pPad, QStringLiteral("bath0815")); });
    mMain.click("BtnProbeName_SPRT");
    // Eight characters are shown whole.
    QCOMPARE(mMain.text("LblProbeName_SPRT"), QStringLiteral("bath0815"));
    mMain.snapshot(QStringLiteral("mainwindow_smartprobe_%1").arg(QTest::currentDataTag()).replace(' ', '_'));

    TProgressRecorder recorder;
    QCOMPARE(save(), QStringList{"SMART probe programming successful."});
    QCOMPARE(writes(), expected);
    QCOMPARE(recorder.mValues, progress);
    QCOMPARE(mMain.menuPage(), mMain.child("PageMenu"));
    QVERIFY(readingActive());
    QCOMPARE(boardProbe().mName, QStringLiteral("bath0815"));
    QVERIFY(boardProbe().mLocked);
}

void tst_MainWindowSmartProbe::refusedWriteEndsTheSequence_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<bool>("probeGone");
    QTest::addColumn<QString>("lastWrite");
    QTest::addColumn<QString>("message");

    const QString retry =
        "An error occurred while programming the SMART probe. Please check the displayed probe data and try again.";
    QTest::newRow("range refused") << "fault on \"sens:frtd:rang\" error 5" << false << "sens:frtd:rang 390.48,18.52"
                                   << retry;
    QTest::newRow("first write refused") << "fault on \"sens:frtd:lock\" error 5" << false << "sens:frtd:lock 0"
                                         << retry;
    QTest::newRow("probe gone after the refusal")
        << "fault on \"sens:frtd:coef 2\" error 5" << true << "sens:frtd:coef 2,0.00390802"
        << "An error occurred while programming the SMART probe. The SMART probe is no longer connected.";
}

void tst_MainWindowSmartProbe::refusedWriteEndsTheSequence()
{
    QFETCH(QString, fault);
    QFETCH(bool, probeGone);
    QFETCH(QString, lastWrite);
    QFETCH(QString, message);

    const TSimulatedSmartProbe probe = cvdProbe();
    openWith(&probe);
    TModalAnswer::onNextModal([](QWidget* pPad) { retype(pPad, QStringLiteral("renamed")); });
    mMain.click("BtnProbeName_SPRT");
    TBoardControlInterpreter control(mMain.board());
    QCOMPARE(control.execute(fault).last(), QStringLiteral("OK"));
    if (probeGone)
        QCOMPARE(control.execute(QStringLiteral("fault on \"sens:frtd:iden?\" error 222")).last(),
                 QStringLiteral("OK"));

    QCOMPARE(save(), QStringList{message});
    QCOMPARE(writes().last(), lastWrite);
    QVERIFY(readingActive());
    if (probeGone) {
        QCOMPARE(mMain.menuPage(), mMain.child("PageMenu"));
        return;
    }
    // The page shows what the memory holds now: the writes before the refusal took, the rest did not.
    QCOMPARE(mMain.menuPage(), mMain.child("PageSmartProbeProg"));
    const bool nameWritten = lastWrite != QLatin1String("sens:frtd:lock 0");
    QCOMPARE(mMain.child<QLabel>("LblProbeName_SPRT")->toolTip(),
             nameWritten ? QStringLiteral("renamed") : QStringLiteral("SPRT100-4711"));
    QCOMPARE(boardProbe().mLocked, !nameWritten);
}

void tst_MainWindowSmartProbe::missingFieldsAreNamedAndNothingIsWritten_data()
{
    QTest::addColumn<bool>("everythingMissing");
    QTest::addColumn<QStringList>("messages");
    const QString retry = "An error occurred while programming the SMART probe. Please check the displayed probe data "
                          "and try again.";
    QTest::newRow("name, resistor and standard missing")
        << true
        << QStringList{"Please enter a probe name!", "Please select an internal resistor!",
                       "Please select a temperature conversion standard!", retry};
    QTest::newRow("resistor code the page has no row for")
        << false << QStringList{"Please select an internal resistor!", retry};
}

// Once the missing field is filled in, the same page stores.
void tst_MainWindowSmartProbe::missingFieldsAreNamedAndNothingIsWritten()
{
    QFETCH(bool, everythingMissing);
    QFETCH(QStringList, messages);
    TSimulatedSmartProbe probe = cvdProbe();
    // A resistor code the page has no row for.
    probe.mReferenceResistor = 0;
    if (everythingMissing)
        probe.mName.clear();
    openWith(&probe);
    if (everythingMissing) {
        QCOMPARE(mMain.text("LblProbeName_SPRT"), QString());
        // No conversion chosen: a page no display leaves, but one storing must read right.
        for (const char* name : {"Rb_CvD_SPRT", "Rb_ITS90_SPRT"}) {
            auto* set = mMain.child<QRadioButton>(name);
            set->setAutoExclusive(false);
            set->setChecked(false);
            set->setAutoExclusive(true);
        }
    }

    TProgressRecorder recorder;
    QCOMPARE(save(), messages);
    QCOMPARE(writes(), QStringList());
    // The progress dialog opens and closes also then.
    QCOMPARE(recorder.mValues, QList<int>{0});
    QVERIFY(readingActive());
    QCOMPARE(mMain.menuPage(), mMain.child("PageSmartProbeProg"));
    QVERIFY(mMain.child<QRadioButton>("Rb_CvD_SPRT")->isChecked());
    if (everythingMissing)
        return;

    mMain.click("Btn_Reference_25ohm_SPRT");
    QCOMPARE(save(), QStringList{"SMART probe programming successful."});
    QVERIFY(writes().contains(QStringLiteral("sens:frtd:refe:res 1")));
}

// A long name is shown short and written whole; a cancelled coefficient pad still chooses its set, whose empty
// coefficients go out as 0; an emptied date goes out as none.
void tst_MainWindowSmartProbe::editedFieldsAreWrittenAsEntered()
{
    const TSimulatedSmartProbe probe = cvdProbe();
    openWith(&probe);
    TModalAnswer::onNextModal([](QWidget* pPad) { retype(pPad, QStringLiteral("bath08150")); });
    mMain.click("BtnProbeName_SPRT");
    QCOMPARE(mMain.text("LblProbeName_SPRT"), QStringLiteral("bath081..."));

    TModalAnswer::onNextModal([](QWidget* pPad) { pressKeys(pPad, {"Btn7", "BtnCancel"}); });
    mMain.click("Btn_ITS90_Bp_SPRT");
    QVERIFY(mMain.child<QRadioButton>("Rb_ITS90_SPRT")->isChecked());
    QCOMPARE(mMain.text("LblMenuCaption"), mMain.text("LblService_SmartProbe"));
    TModalAnswer::onNextModal([](QWidget* pPad) { pressKeys(pPad, {"Btn2", "Btn5", "BtnAccept"}); });
    mMain.click("Btn_ITS90_R001_SPRT");
    TModalAnswer::onNextModal([](QWidget* pPad) { pressKeys(pPad, {"Btn4", "Btn0", "Btn0", "BtnAccept"}); });
    mMain.click("Btn_Rmax_SPRT");
    mMain.child<QLabel>("Lbl_CalDate_SPRT")->setToolTip(QString());
    QTest::mouseClick(mMain.child("Btn_Locked_No_SPRT"), Qt::LeftButton);
    mMain.snapshot(QStringLiteral("mainwindow_smartprobe_edited"));

    QCOMPARE(save(), QStringList{"SMART probe programming successful."});
    QCOMPARE(writes(),
             (QStringList{"sens:frtd:lock 0", "sens:frtd:iden bath08150", "sens:frtd:cal:sour ZELK calibration lab",
                          "sens:frtd:stat:refe 0", "sens:frtd:refe:res 2", "sens:frtd:rang 400,18.52",
                          "sens:frtd:cal:date 0,0,0", "sens:frtd:cal:next 2031,01,15", "sens:frtd:stan 3",
                          "sens:frtd:coef 1,25", "sens:frtd:coef 2,0", "sens:frtd:coef 3,0", "sens:frtd:coef 4,0",
                          "sens:frtd:coef 5,0", "sens:frtd:coef 6,0", "sens:frtd:coef 7,0", "sens:frtd:lock 0"}));
    QCOMPARE(boardProbe().mName, QStringLiteral("bath08150"));
    QVERIFY(!boardProbe().mLocked);
}

void tst_MainWindowSmartProbe::noSmartProbeOnTheMeasuredChannel()
{
    TMessageRecorder messages;
    openWith(nullptr);
    QCOMPARE(messages.texts(), QStringList{"There is no SMART probe connected to the selected channel. Please select "
                                           "the channel in the home screen where the SMART probe to be programmed is "
                                           "connected."});
    QCOMPARE(mMain.menuPage(), mMain.child("PageMenu"));
    QVERIFY(!mMain.shown("BtnSave"));
}

TAMARIND_TEST_MAIN(tst_MainWindowSmartProbe)
#include "tst_mainwindowsmartprobe.moc"
