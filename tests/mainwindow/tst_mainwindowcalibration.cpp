#include "authorizationcontroller.h"
#include "boardcontrolinterpreter.h"
#include "boardstate.h"
#include "calibrationreadingwait.h"
#include "decimaldisplaycontroller.h"
#include "mainwindowfixture.h"
#include "messagerecorder.h"
#include "padkeys.h"
#include "recalcyclecontroller.h"
#include "tamarindsettings.h"
#include "testsupport.h"

#include <QBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <cmath>

namespace
{
const QString SAVED = QStringLiteral("Calibration data saved.");

// The keys of a number, as a finger types it on the numeric pad, then OK.
QStringList numberKeys(const QString& pNumber)
{
    QStringList keys;
    for (const QChar character : pNumber)
        keys << (character == QLatin1Char('.') ? QStringLiteral("BtnDecSep") : QStringLiteral("Btn") + character);
    return keys << QStringLiteral("BtnAccept");
}

// The pad that opens next gets the number.
void typeOnNextPad(const QString& pNumber)
{
    TModalAnswer::onNextModal([pNumber](QWidget* pPad) { pressKeys(pPad, numberKeys(pNumber)); });
}

QString scientific(double pValue)
{
    return TDecimalDisplayController::instance().Double2ScientificStr(pValue, 10);
}

double number(const QString& pText)
{
    bool ok = false;
    const double value = TDecimalDisplayController::instance().Str2Double(pText, ok);
    return ok ? value : std::nan("");
}

QString dayFirst(const QDate& pDate)
{
    return pDate.toString(QStringLiteral("dd/MM/yyyy"));
}

// The board's text of a stored offset, slope and date, as the program sends them.
QByteArray storedText(double pOffset, double pSlope, const QDate& pDate)
{
    return QByteArray::number(pOffset, 'e', 12) + ',' + QByteArray::number(pSlope, 'e', 12) + ',' +
           QByteArray::number(pDate.year()) + ',' + QByteArray::number(pDate.month()) + ',' +
           QByteArray::number(pDate.day());
}
} // namespace

// The instrument calibration of the real main window, against the simulated board with its external references,
// hidden raw errors and cold-junction adaptor; the pauses between readings are 0.
class tst_MainWindowCalibration : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void itemList_data();
    void itemList();
    void scanModeKeptLeavesTheList();
    void selectedItemPresets_data();
    void selectedItemPresets();
    void nominalValueEntry_data();
    void nominalValueEntry();
    void measuredAndSavedAgainstTheReferences();
    void equalRawValuesAreNotSaved();
    void leavingTheTwoPointScreen_data();
    void leavingTheTwoPointScreen();
    void coldJunctionOffset_data();
    void coldJunctionOffset();
    void dueDates_data();
    void dueDates();
    void operatingTime_data();
    void operatingTime();
    void factoryResetReloadsTheItems();

private:
    void faultOnBoard(const QString& pControl);
    // Opens the window, once for all rows of a test function that shares it.
    void openShared();
    void openServiceList();
    void openCalibrationList();
    // Clicks the button; the prompts it shows are answered with OK.
    void clickPastPrompts(const char* pName);
    void chooseItem(const QString& pTitle);
    QStringList listedTitles() const;
    QList<QByteArray> commandsStartingWith(const QByteArray& pHeader);

    TMainWindowFixture mMain;
    QByteArray mSharedBy;
};

void tst_MainWindowCalibration::initTestCase()
{
    TCalibrationReadingWait::setPause(std::chrono::milliseconds(0));
    QVERIFY(mMain.startBoard());
}

void tst_MainWindowCalibration::init()
{
    if (mSharedBy != QTest::currentTestFunction()) {
        mMain.close();
        mSharedBy.clear();
    }
    TRecalCycleController::instance().setRecalibrationCycle(12);
    mMain.board().withState([](TBoardState& pState) {
        pState.mCalibration = TSimulatedCalibration();
        pState.mCalibration.mUser.mItems[ci100R - 1] = {0.02, 0.998, {2024, 1, 2}};
        pState.mExternalReferences.clear();
        pState.mRawErrors.fill(TBoardState::TRawError());
        pState.mAdaptorConnected = false;
    });
}

// A shared window goes back to the menu, through the way out that puts the board's data back; after a failure the
// next row opens its own.
void tst_MainWindowCalibration::cleanup()
{
    if (mSharedBy.isEmpty() || QTest::currentTestFailed()) {
        mMain.close();
        mSharedBy.clear();
    } else if (mMain.shown("BtnReturnToMainMenu")) {
        mMain.click("BtnReturnToMainMenu");
    }
    faultOnBoard(QStringLiteral("fault clear"));
    TAuthorizationController::instance().resetLevel();
}

void tst_MainWindowCalibration::faultOnBoard(const QString& pControl)
{
    QCOMPARE(TBoardControlInterpreter(mMain.board()).execute(pControl).last(), QStringLiteral("OK"));
}

void tst_MainWindowCalibration::openShared()
{
    if (!mMain.window())
        mMain.open(true);
    mSharedBy = QTest::currentTestFunction();
}

void tst_MainWindowCalibration::openServiceList()
{
    mMain.click("BtnService");
    TAuthorizationController::instance().enterLevel(QStringLiteral("service4711"));
}

void tst_MainWindowCalibration::openCalibrationList()
{
    openServiceList();
    mMain.click("BtnService_InstrumentCalibration");
}

void tst_MainWindowCalibration::clickPastPrompts(const char* pName)
{
    TMessageRecorder prompts;
    mMain.click(pName);
}

// The rows are made by the window; their caption label carries the title.
void tst_MainWindowCalibration::chooseItem(const QString& pTitle)
{
    auto* page = mMain.child("PageInstrumentCalibration");
    for (QLabel* label : page->findChildren<QLabel*>()) {
        if (label->text() == pTitle && label->parentWidget() != page) {
            QTest::mouseClick(label->parentWidget(), Qt::LeftButton);
            return;
        }
    }
    qWarning("no calibration item %s", qPrintable(pTitle));
}

// The rows in layout order after the heading at position 0.
QStringList tst_MainWindowCalibration::listedTitles() const
{
    QStringList titles;
    auto* layout = qobject_cast<QBoxLayout*>(mMain.child("PageInstrumentCalibration")->layout());
    for (int position = 1; position < layout->count(); ++position) {
        QWidget* row = layout->itemAt(position)->widget();
        if (!row)
            continue;
        const auto labels = row->findChildren<QLabel*>();
        titles << (labels.isEmpty() ? QString() : labels.first()->text());
    }
    return titles;
}

QList<QByteArray> tst_MainWindowCalibration::commandsStartingWith(const QByteArray& pHeader)
{
    QList<QByteArray> found;
    for (const QByteArray& command : mMain.board().receivedCommands()) {
        if (command.startsWith(pHeader))
            found << command;
    }
    return found;
}

void tst_MainWindowCalibration::itemList_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QStringList>("titles");
    const QStringList all{"25 \u2126 internal resistor",
                          "100 \u2126 internal resistor",
                          "10 k\u2126 internal resistor",
                          "100 k\u2126 internal resistor",
                          "TC channel 3",
                          "TC channel 4",
                          "TC ext. chan.",
                          "CJC chan. 3",
                          "CJC chan. 4"};
    QTest::newRow("every item answered") << QString() << all;
    QStringList withoutExternal = all;
    withoutExternal.removeAt(6);
    QTest::newRow("external thermocouple input unanswered") << "fault on \"cal:data? 7\" error 5 3" << withoutExternal;
    QTest::newRow("no calibration data on the board") << "fault on cal: error 14 50" << QStringList();
}

void tst_MainWindowCalibration::itemList()
{
    QFETCH(QString, fault);
    QFETCH(QStringList, titles);
    if (!fault.isEmpty())
        faultOnBoard(fault);
    mMain.open(true);
    openCalibrationList();
    QCOMPARE(mMain.menuPage(), mMain.child("PageInstrumentCalibration"));
    QCOMPARE(listedTitles(), titles);
    mMain.snapshot(QStringLiteral("calibration_list_%1").arg(titles.size()));
}

void tst_MainWindowCalibration::scanModeKeptLeavesTheList()
{
    TTamarindSettings::instance().setValue(QStringLiteral("scan"), QStringLiteral("channels"), QStringLiteral("1,2"));
    mMain.open(true);
    mMain.click("BtnScan");
    mMain.click("BtnScan_Start");
    QCOMPARE(mMain.text("LblTitleRight"), QStringLiteral("SCAN"));
    TModalAnswer::clickInNextModal(QStringLiteral("BtnNo"));
    openCalibrationList();
    QCOMPARE(mMain.menuPage(), mMain.child("PageMenu"));
    QCOMPARE(mMain.text("LblTitleRight"), QStringLiteral("SCAN"));

    TModalAnswer::clickInNextModal(QStringLiteral("BtnYes"));
    mMain.click("BtnService_InstrumentCalibration");
    QCOMPARE(mMain.menuPage(), mMain.child("PageInstrumentCalibration"));
    QCOMPARE(mMain.text("LblTitleRight"), QString());
    TTamarindSettings::instance().removeSection(QStringLiteral("scan"));
}

void tst_MainWindowCalibration::selectedItemPresets_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("lowerPoint");
    QTest::addColumn<QString>("upperPoint");
    QTest::addColumn<QString>("lowerNominal");
    QTest::addColumn<QString>("upperNominal");
    const QString zero = QStringLiteral("0.0000000000");
    QTest::newRow("25 ohm") << "25 \u2126 internal resistor"
                            << "0\u2126"
                            << "100\u2126" << zero << QString();
    QTest::newRow("100 ohm") << "100 \u2126 internal resistor"
                             << "0\u2126"
                             << "450\u2126" << zero << QString();
    QTest::newRow("10 kilo-ohm") << "10 k\u2126 internal resistor"
                                 << "450\u2126"
                                 << "45000\u2126" << QString() << QString();
    QTest::newRow("100 kilo-ohm") << "100 k\u2126 internal resistor"
                                  << "45000\u2126"
                                  << "500000\u2126" << QString() << QString();
    QTest::newRow("thermocouple 3") << "TC channel 3"
                                    << "0mV"
                                    << "100mV" << zero << "100.0000000000";
    QTest::newRow("thermocouple 4") << "TC channel 4"
                                    << "0mV"
                                    << "100mV" << zero << "100.0000000000";
    QTest::newRow("external thermocouple input") << "TC ext. chan."
                                                 << "0mV"
                                                 << "100mV" << zero << QString();
}

void tst_MainWindowCalibration::selectedItemPresets()
{
    QFETCH(QString, title);
    QFETCH(QString, lowerPoint);
    QFETCH(QString, upperPoint);
    QFETCH(QString, lowerNominal);
    QFETCH(QString, upperNominal);
    openShared();
    openCalibrationList();
    chooseItem(title);
    QCOMPARE(mMain.menuPage(), mMain.child("PageTwoPointCal"));
    QCOMPARE(mMain.text("Lbl2Cal_NomLower"), lowerPoint);
    QCOMPARE(mMain.text("Lbl2Cal_MeasUpper"), upperPoint);
    QCOMPARE(mMain.child<QPushButton>("Btn2Cal_NomLower")->text(), lowerNominal);
    QCOMPARE(mMain.child<QPushButton>("Btn2Cal_NomUpper")->text(), upperNominal);
    QCOMPARE(mMain.child<QPushButton>("Btn2Cal_MeasLower")->text(), QString());
    QCOMPARE(mMain.text("Lbl2Cal_NewSlope"), QString());
}

void tst_MainWindowCalibration::nominalValueEntry_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("inside 450 \u00b1100") << "450.05"
                                          << "450.0500000000" << QStringList();
    QTest::newRow("outside 450 \u00b1100")
        << "560" << QString() << QStringList{QStringLiteral("Nominal value must be 450.000000\u2126 \u00b1100\u2126")};
}

void tst_MainWindowCalibration::nominalValueEntry()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(QStringList, messages);
    openShared();
    openCalibrationList();
    chooseItem(QStringLiteral("100 \u2126 internal resistor"));
    typeOnNextPad(typed);
    TMessageRecorder recorder;
    mMain.click("Btn2Cal_NomUpper");
    QTRY_COMPARE(recorder.texts(), messages);
    QCOMPARE(mMain.child<QPushButton>("Btn2Cal_NomUpper")->text(), shown);
}

// A 100 ohm range that reads 1.002 times the reference plus 0.05 ohm is corrected by slope 1/1.002 and offset
// -0.05/1.002; once saved, the board reads the reference true.
void tst_MainWindowCalibration::measuredAndSavedAgainstTheReferences()
{
    mMain.board().withState([](TBoardState& pState) {
        pState.mRawErrors[ci100R - 1] = {1.002, 0.05};
        pState.mExternalReferences[1] = 0.0;
    });
    mMain.open(true);
    openCalibrationList();
    chooseItem(QStringLiteral("100 \u2126 internal resistor"));
    QCOMPARE(mMain.text("Lbl2Cal_Offset"), scientific(0.02));
    QCOMPARE(mMain.text("Lbl2Cal_LastCalDate"), QStringLiteral("02/01/2024"));
    QCOMPARE(mMain.text("Lbl2Cal_NextCalDate"), QStringLiteral("02/01/2025"));

    clickPastPrompts("Btn2Cal_MeasLower");
    QCOMPARE(mMain.child<QPushButton>("Btn2Cal_MeasLower")->text(), QStringLiteral("0.0500000000"));
    QCOMPARE(mMain.text("Lbl2Cal_NewOffset"), QString());
    // The neutral data the measurement left on the board, read back through the stored signal.
    QCOMPARE(mMain.text("Lbl2Cal_Offset"), scientific(0.0));
    QCOMPARE(mMain.text("Lbl2Cal_Slope"), scientific(1.0));
    QCOMPARE(mMain.text("Lbl2Cal_LastCalDate"), dayFirst(QDate::currentDate()));

    typeOnNextPad(QStringLiteral("400"));
    mMain.click("Btn2Cal_NomUpper");
    mMain.board().withState([](TBoardState& pState) { pState.mExternalReferences[1] = 400.0; });
    clickPastPrompts("Btn2Cal_MeasUpper");
    const double slope = 1.0 / 1.002;
    const double offset = -0.05 / 1.002;
    QCOMPARE(mMain.child<QPushButton>("Btn2Cal_MeasUpper")->text(), QStringLiteral("400.8500000000"));
    QCOMPARE(mMain.text("Lbl2Cal_NewOffset"), scientific(offset));
    QCOMPARE(mMain.text("Lbl2Cal_NewSlope"), scientific(slope));
    mMain.snapshot(QStringLiteral("calibration_two_point_measured"));

    mMain.board().clearRecord();
    TMessageRecorder recorder;
    mMain.click("BtnSave");
    // Polling reads the 400 ohm reference far above the Pt100's range, which the probe alarm may say meanwhile.
    QCOMPARE(recorder.texts().filter(QStringLiteral("Calibration")), QStringList{SAVED});
    QCOMPARE(mMain.menuPage(), mMain.child("PageMenu"));
    const QList<QByteArray> stores = commandsStartingWith("cal:data ");
    QCOMPARE(stores.size(), 1);
    const QList<QByteArray> fields = stores.first().mid(int(qstrlen("cal:data "))).split(',');
    QCOMPARE(fields.size(), 6);
    QCOMPARE(fields.at(0), QByteArray("2"));
    QVERIFY2(std::fabs(fields.at(1).toDouble() - offset) < 1e-9, fields.at(1).constData());
    QVERIFY2(std::fabs(fields.at(2).toDouble() - slope) < 1e-9, fields.at(2).constData());
    const QDate today = QDate::currentDate();
    QCOMPARE(fields.mid(3), (QList<QByteArray>{QByteArray::number(today.year()), QByteArray::number(today.month()),
                                               QByteArray::number(today.day())}));

    // The list shows what the board now holds, and the board reads the reference true.
    openCalibrationList();
    chooseItem(QStringLiteral("100 \u2126 internal resistor"));
    QCOMPARE(mMain.text("Lbl2Cal_Offset"), scientific(offset));
    QCOMPARE(mMain.text("Lbl2Cal_Slope"), scientific(slope));
    QByteArray reading;
    mMain.board().withState([&](TBoardState& pState) { reading = pState.execute("meas:raw? 2", 0.0).mReply; });
    QVERIFY2(std::fabs(reading.split(',').first().toDouble() - 400.0) < 1e-9, reading.constData());
    mMain.click("BtnReturnToMainMenu");
}

// Two measurements that read alike give no correction: nothing undefined reaches the board.
void tst_MainWindowCalibration::equalRawValuesAreNotSaved()
{
    mMain.board().withState([](TBoardState& pState) { pState.mExternalReferences[3] = 50.0; });
    mMain.open(true);
    openCalibrationList();
    chooseItem(QStringLiteral("TC ext. chan."));
    typeOnNextPad(QStringLiteral("100"));
    mMain.click("Btn2Cal_NomUpper");
    mMain.board().withState([](TBoardState& pState) { pState.mExternalReferences[6] = 20.0; });
    clickPastPrompts("Btn2Cal_MeasLower");
    clickPastPrompts("Btn2Cal_MeasUpper");
    QCOMPARE(mMain.child<QPushButton>("Btn2Cal_MeasUpper")->text(), QStringLiteral("20.0000000000"));
    QCOMPARE(mMain.text("Lbl2Cal_NewOffset"), QString());
    mMain.board().clearRecord();
    TMessageRecorder recorder;
    mMain.click("BtnSave");
    QCOMPARE(recorder.texts(), QStringList{QStringLiteral("Calibration data are incomplete. Please make sure that "
                                                          "both calibration points have been measured!")});
    QCOMPARE(commandsStartingWith("cal:data "), QList<QByteArray>());
    QCOMPARE(mMain.menuPage(), mMain.child("PageTwoPointCal"));
}

void tst_MainWindowCalibration::leavingTheTwoPointScreen_data()
{
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<QString>("leaveBy");
    QTest::addColumn<bool>("restored");
    QTest::newRow("Cancel without a measurement") << QString() << "BtnCancel" << false;
    QTest::newRow("Cancel after a declined prompt") << "BtnCancel"
                                                    << "BtnCancel" << false;
    QTest::newRow("Cancel after a measurement") << "BtnOK"
                                                << "BtnCancel" << true;
    QTest::newRow("Return after a measurement") << "BtnOK"
                                                << "BtnReturnToMainMenu" << true;
    QTest::newRow("remote mode after a measurement") << "BtnOK"
                                                     << "remote" << true;
}

// The board holds neutral data from a measurement on: every way out but Save puts the correction back that the item
// had when it was selected, with its date; without a measurement nothing is written.
void tst_MainWindowCalibration::leavingTheTwoPointScreen()
{
    QFETCH(QString, prompt);
    QFETCH(QString, leaveBy);
    QFETCH(bool, restored);
    mMain.board().withState([](TBoardState& pState) { pState.mExternalReferences[1] = 0.0; });
    openShared();
    openCalibrationList();
    chooseItem(QStringLiteral("100 \u2126 internal resistor"));
    if (!prompt.isEmpty()) {
        TModalAnswer::clickInNextModal(prompt);
        mMain.click("Btn2Cal_MeasLower");
    }
    mMain.board().clearRecord();
    if (leaveBy == QLatin1String("remote"))
        mMain.window()->onRemoteModeChanged(true);
    else
        mMain.click(leaveBy.toLatin1().constData());
    if (leaveBy == QLatin1String("remote"))
        mMain.window()->onRemoteModeChanged(false);

    const QList<QByteArray> expected{"cal:data 2," + storedText(0.02, 0.998, QDate(2024, 1, 2))};
    QCOMPARE(commandsStartingWith("cal:data "), restored ? expected : QList<QByteArray>());
    QByteArray onBoard;
    mMain.board().withState([&](TBoardState& pState) { onBoard = pState.execute("cal:data? 2", 0.0).mReply; });
    QCOMPARE(onBoard, storedText(0.02, 0.998, QDate(2024, 1, 2)));
    const bool cancelled = leaveBy == QLatin1String("BtnCancel");
    QCOMPARE(mMain.menuPage(), mMain.child(cancelled ? "PageTwoPointCal" : "PageMenu"));
    if (cancelled)
        QCOMPARE(mMain.child<QPushButton>("Btn2Cal_MeasLower")->text(), QString());
}

void tst_MainWindowCalibration::coldJunctionOffset_data()
{
    QTest::addColumn<QString>("finish");
    QTest::newRow("saved") << "BtnSave";
    QTest::newRow("cancelled") << "BtnCancel";
}

// The adaptor at 25 degrees Celsius with input 3 reading 0.10 K high over a stored offset of 0.05 K: the button
// shows 0.15 K, the board is sent the deviation, and what the screen then shows is the board's.
void tst_MainWindowCalibration::coldJunctionOffset()
{
    QFETCH(QString, finish);
    mMain.board().withState([](TBoardState& pState) {
        pState.mCalibration.mUser.mColdJunctions[3] = {0.05, {2023, 5, 6}};
        pState.mAdaptorConnected = true;
        pState.mAdaptorChannel = 3;
        pState.mAdaptorTemperature = 25.0;
        pState.mAdaptorError = 0.15;
    });
    mMain.open(true);
    openCalibrationList();
    chooseItem(QStringLiteral("CJC chan. 3"));
    QCOMPARE(mMain.menuPage(), mMain.child("PageCJCOffset"));
    QCOMPARE(mMain.text("LblCJCCal_Offset"), scientific(0.05));
    QCOMPARE(mMain.text("LblCJCCal_LastCalDate"), QStringLiteral("06/05/2023"));
    QCOMPARE(mMain.text("LblCJCCal_NextCalDate"), QStringLiteral("06/05/2024"));
    QCOMPARE(mMain.child<QPushButton>("BtnCJCCal_MeasOffset")->text(), QString());
    clickPastPrompts("BtnCJCCal_MeasOffset");
    const QString newOffset = mMain.child<QPushButton>("BtnCJCCal_MeasOffset")->text();
    QVERIFY2(std::fabs(number(newOffset) - 0.15) < 1e-9, qPrintable(newOffset));
    mMain.snapshot(QStringLiteral("calibration_cold_junction_measured"));

    mMain.board().clearRecord();
    TMessageRecorder recorder;
    mMain.click(finish.toLatin1().constData());
    const QList<QByteArray> stores = commandsStartingWith("cal:cjc ");
    if (finish == QLatin1String("BtnCancel")) {
        QCOMPARE(recorder.count(), 0);
        QCOMPARE(stores, QList<QByteArray>());
        QCOMPARE(mMain.child<QPushButton>("BtnCJCCal_MeasOffset")->text(), QString());
        return;
    }
    QCOMPARE(recorder.texts(), QStringList{SAVED});
    QCOMPARE(stores.size(), 1);
    const QList<QByteArray> fields = stores.first().mid(int(qstrlen("cal:cjc "))).split(',');
    QCOMPARE(fields.at(0), QByteArray("3"));
    QVERIFY2(std::fabs(fields.at(1).toDouble() - 0.10) < 1e-9, fields.at(1).constData());
    openCalibrationList();
    chooseItem(QStringLiteral("CJC chan. 3"));
    QCOMPARE(number(mMain.text("LblCJCCal_Offset")), number(newOffset));
    QCOMPARE(mMain.text("LblCJCCal_LastCalDate"), dayFirst(QDate::currentDate()));
    mMain.click("BtnReturnToMainMenu");
}

void tst_MainWindowCalibration::dueDates_data()
{
    QTest::addColumn<int>("months");
    QTest::addColumn<QDate>("calibrated");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("due");
    QTest::newRow("cycle of 0 months") << 0 << QDate(2024, 3, 15) << QString() << "15/03/2024";
    QTest::newRow("31 January and a month") << 1 << QDate(2023, 1, 31) << QString() << "28/02/2023";
    QTest::newRow("a year") << 12 << QDate(2024, 2, 29) << QString() << "28/02/2025";
    QTest::newRow("never calibrated") << 12 << QDate() << QString() << QString();
    QTest::newRow("cycle of 6 months typed") << 12 << QDate(2024, 1, 10) << "6"
                                             << "10/07/2024";
}

// The due date is the calibration date moved on by the cycle, as set or as typed on the page (which keeps it).
void tst_MainWindowCalibration::dueDates()
{
    QFETCH(int, months);
    QFETCH(QDate, calibrated);
    QFETCH(QString, typed);
    QFETCH(QString, due);
    mMain.board().withState([calibrated](TBoardState& pState) {
        const TSimulatedCalibration::TDateNumbers date{calibrated.year(), calibrated.month(), calibrated.day()};
        pState.mCalibration.mUser.mItems[ciTCchan4 - 1].mDate =
            calibrated.isValid() ? date : TSimulatedCalibration::TDateNumbers();
        pState.mCalibration.mUser.mColdJunctions[4].mDate = pState.mCalibration.mUser.mItems[ciTCchan4 - 1].mDate;
    });
    TRecalCycleController::instance().setRecalibrationCycle(short(months));
    mMain.open(true);
    openServiceList();
    mMain.click("BtnService_RecalCycle");
    QCOMPARE(mMain.menuPage(), mMain.child("PageRecalCycle"));
    QCOMPARE(mMain.child<QPushButton>("BtnRecalCycle")->text(), QString::number(months));
    if (!typed.isEmpty()) {
        typeOnNextPad(typed);
        mMain.click("BtnRecalCycle");
        QCOMPARE(mMain.child<QPushButton>("BtnRecalCycle")->text(), typed);
        QCOMPARE(TTamarindSettings::instance().value(QStringLiteral("recalibration_cycle"), QStringLiteral("months")),
                 typed);
    }
    QCOMPARE(mMain.text("LblLastCal_TC4"), due);
    QCOMPARE(mMain.text("LblLastCal_CJC_Chan4"), due);
    // The user set of the other items is undated.
    QCOMPARE(mMain.text("LblLastCal_TC3"), QString());
    mMain.snapshot(QStringLiteral("calibration_recal_cycle_%1").arg(months));
}

void tst_MainWindowCalibration::operatingTime_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("a day, an hour, a minute and a second")
        << "fault on syst:time:run? reply 90061" << QStringList{"1", "1", "1", "1"};
    QTest::newRow("59 seconds") << "fault on syst:time:run? reply 59" << QStringList{"0", "0", "0", "59"};
    QTest::newRow("no answer") << "fault on syst:time:run? silence 3" << QStringList{"", "", "", ""};
}

// Refreshed every second while shown; every way off the page stops the refresh.
void tst_MainWindowCalibration::operatingTime()
{
    QFETCH(QString, fault);
    QFETCH(QStringList, shown);
    openShared();
    openServiceList();
    faultOnBoard(fault);
    mMain.click("BtnService_OperatingTime");
    QCOMPARE(mMain.menuPage(), mMain.child("PageOperatingTime"));
    QCOMPARE((QStringList{mMain.text("LblOpTime_Days"), mMain.text("LblOpTime_Hours"), mMain.text("LblOpTime_Minutes"),
                          mMain.text("LblOpTime_Seconds")}),
             shown);
    auto* timer = mMain.window()->findChild<QTimer*>(QStringLiteral("mOperatingTimeTimer"));
    QVERIFY(timer->isActive());
    // The next timeout asks the board again, which now counts on.
    faultOnBoard(QStringLiteral("fault clear"));
    faultOnBoard(QStringLiteral("runtime 172800"));
    QTRY_COMPARE_WITH_TIMEOUT(mMain.text("LblOpTime_Days"), QStringLiteral("2"), 3000);
    mMain.snapshot(QStringLiteral("calibration_operating_time"));
    mMain.click("BtnReturnToMainMenu");
    QVERIFY(!timer->isActive());
}

// After the board took its factory calibration back, the items show the factory data.
void tst_MainWindowCalibration::factoryResetReloadsTheItems()
{
    mMain.open(true);
    TModalAnswer::clickInNextModal(QStringLiteral("BtnYes"));
    mMain.window()->factoryReset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    openCalibrationList();
    chooseItem(QStringLiteral("100 \u2126 internal resistor"));
    TSimulatedCalibration factory;
    QCOMPARE(mMain.text("Lbl2Cal_Offset"), scientific(factory.mFactory.mItems[ci100R - 1].mOffset));
    QCOMPARE(mMain.text("Lbl2Cal_LastCalDate"), QStringLiteral("10/03/2021"));
    mMain.click("BtnReturnToMainMenu");
}

TAMARIND_TEST_MAIN(tst_MainWindowCalibration)
#include "tst_mainwindowcalibration.moc"
