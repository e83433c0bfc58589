#include "channel.h"
#include "channelcontroller.h"
#include "decimaldisplaycontroller.h"
#include "loggerfixture.h"
#include "messagerecorder.h"
#include "probe.h"
#include "scanmodecontroller.h"
#include "simulatedsmartprobe.h"
#include "tamarindsettings.h"
#include "testidentity.h"
#include "testsupport.h"
#include "warninggate.h"

#include <QDir>
#include <QFileInfo>
#include <QSignalSpy>

#include <cmath>
#include <memory>

#include <signal.h>
#include <sys/resource.h>

using namespace Probe_enums;

namespace
{
const QString SECTION = QStringLiteral("logger");

QString setting(const char* pKey)
{
    return TTamarindSettings::instance().value(SECTION, QLatin1String(pKey), QStringLiteral("<none>"));
}

std::unique_ptr<TPRTProbe> prtProbe(bool pReference)
{
    return std::make_unique<TPRTProbe>(1, "Pt100", prttPT100, pReference, 0, -200.0, 850.0, QDate(), false, w4wire,
                                       false, false, OneMilliAmp, rprtAuto, cprtEN60751, 100.0, 3.9083e-3, -5.775e-7,
                                       -4.183e-12, 0, 0, 0, 0, 0, 0, 0);
}

// Writes beyond pBytes more fail for this process while it lives; SIGXFSZ
// would end the process, so it is ignored as on a device that sets a limit.
class TFileSizeLimit
{
public:
    explicit TFileSizeLimit(qint64 pBytes)
    {
        getrlimit(RLIMIT_FSIZE, &mSaved);
        mPreviousHandler = signal(SIGXFSZ, SIG_IGN);
        rlimit limit = mSaved;
        limit.rlim_cur = rlim_t(pBytes);
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~TFileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &mSaved);
        signal(SIGXFSZ, mPreviousHandler);
    }

private:
    rlimit mSaved{};
    sighandler_t mPreviousHandler = SIG_DFL;
};
} // namespace

// The logger's engine and its files: when a line is written, what the file
// holds, and that a file is never left with part of a line or a header.
class tst_LogfileController : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void cadence_data();
    void cadence();
    void plannedStartWaitsAndCountsDown();
    void durationEndsAtTheFirstReadAfterIt();
    void headerStartTime_data();
    void headerStartTime();
    void headerProbeBlocks_data();
    void headerProbeBlocks();
    void dataLine_data();
    void dataLine();
    void restartEndsTheRunningLogFirst();
    void refusedStart_data();
    void refusedStart();
    void lineBeyondTheFileSizeLimitIsTakenBack_data();
    void lineBeyondTheFileSizeLimitIsTakenBack();
    void logfileStaysOpenForTheRun();
    void headerBeyondTheFileSizeLimitLeavesNoFile();
    void vanishedLogfileIsReportedAfterThePoll_data();
    void vanishedLogfileIsReportedAfterThePoll();
    void manualModeWritesOnlyOnRequest();
    void factoryResetStoresTheDefaults();
    void logfileNames_data();
    void logfileNames();

private:
    TLogfileController& build(bool pLoadProbes = false) { return mFixture->buildLogger(pLoadProbes); }
    TAbstractChannel* channel(int pNumber) const { return mFixture->controller().channel(pNumber); }
    QString onlyLogfile() const;

    void useSeparator(QChar pSeparator);

    std::unique_ptr<TLoggerFixture> mFixture;
    QWidget mPointWidget;
    QWidget mCommaWidget;
};

void tst_LogfileController::initTestCase()
{
    TDecimalDisplayController::instance().registerWidget(&mPointWidget, '.');
    TDecimalDisplayController::instance().registerWidget(&mCommaWidget, ',');
}

void tst_LogfileController::useSeparator(QChar pSeparator)
{
    TDecimalDisplayController::instance().decimalSeparatorSelected(pSeparator == ',' ? &mCommaWidget : &mPointWidget);
}

void tst_LogfileController::init()
{
    TTamarindSettings::instance().removeSection(SECTION);
    useSeparator('.');
    TTestEnvironment::removeUnderRoot(QStringLiteral("/home/Logfiles"));
    TAMARIND_MAKE_FIXTURE(mFixture);
}

void tst_LogfileController::cleanup()
{
    mFixture.reset();
}

QString tst_LogfileController::onlyLogfile() const
{
    const QStringList names = mFixture->logfileNames();
    return names.size() == 1 ? names.first() : QString();
}

void tst_LogfileController::cadence_data()
{
    QTest::addColumn<int>("interval");
    QTest::addColumn<QList<int>>("writingReads");
    QTest::newRow("1000 ms: the first read and every second") << 1000 << QList<int>{1, 3, 5, 7, 9};
    QTest::newRow("1700 ms: every third read") << 1700 << QList<int>{1, 4, 7};
    QTest::newRow("500 ms: every read") << 500 << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9};
    QTest::newRow("below the read period: every read") << 200 << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9};
}

// With the 500 ms read period of the main window.
void tst_LogfileController::cadence()
{
    QFETCH(int, interval);
    QFETCH(QList<int>, writingReads);

    TLogfileController& logger = build();
    logger.setInterval(interval, false);
    QCOMPARE(logger.startLogger(), TLogfileController::lsrSuccess);
    const QString name = onlyLogfile();
    QList<int> written;
    for (int read = 1; read <= 9; ++read) {
        const int before = mFixture->dataLines(name).size();
        mFixture->read(channel(1));
        if (mFixture->dataLines(name).size() > before)
            written << read;
    }
    QCOMPARE(written, writingReads);
}

void tst_LogfileController::plannedStartWaitsAndCountsDown()
{
    TLogfileController& logger = build();
    const QDateTime planned = mFixture->now().addSecs(600);
    logger.setStartTime(planned, false);
    QCOMPARE(logger.startLogger(), TLogfileController::lsrSuccess);
    const QString name = onlyLogfile();
    auto* row = mFixture->ui().scrollAreaLoggerContents->findChildren<QWidget*>().value(0);
    QVERIFY(row);
    QLabel* countdown = row->findChildren<QLabel*>().value(1);
    QVERIFY(countdown);

    mFixture->read(channel(1));
    QCOMPARE(countdown->text(), QStringLiteral("Starts in 00:10:00"));
    mFixture->read(channel(1), 1198);
    QCOMPARE(countdown->text(), QStringLiteral("Starts in 00:00:01"));
    QVERIFY(mFixture->dataLines(name).isEmpty());
    mFixture->read(channel(1));
    QVERIFY(mFixture->dataLines(name).isEmpty());

    QCOMPARE(mFixture->now(), planned);
    mFixture->read(channel(1));
    QCOMPARE(mFixture->dataLines(name).size(), 1);
    QVERIFY(countdown->text().isEmpty());
    QVERIFY(mFixture->content(name).contains("Start time: 06/12/2026 13:22:53\r\n"));
}

void tst_LogfileController::durationEndsAtTheFirstReadAfterIt()
{
    TLogfileController& logger = build();
    logger.setDuration(60, false);
    QCOMPARE(logger.startLogger(), TLogfileController::lsrSuccess);
    const QString name = onlyLogfile();
    QSignalSpy status(&logger, &TLogfileController::loggerStatusActiveChanged);

    // The first line at 0 s, then one each second up to 59 s.
    mFixture->read(channel(1), 120);
    QVERIFY(logger.isLoggerStarted());
    QCOMPARE(mFixture->dataLines(name).size(), 60);
    QVERIFY(status.isEmpty());

    // 60 s after the first line.
    mFixture->read(channel(1));
    QVERIFY(!logger.isLoggerStarted());
    QCOMPARE(mFixture->dataLines(name).size(), 60);
    QCOMPARE(status.size(), 1);
    QCOMPARE(status.first().first().toBool(), false);
}

void tst_LogfileController::headerStartTime_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("plannedSecondsAgo");
    QTest::addColumn<QByteArray>("startTime");
    QTest::newRow("automatic, planned start in the past: the planned one")
        << int(TLogfileController::lmAutomatic) << 3600 << QByteArray("Start time: 06/12/2026 12:12:53\r\n\r\n");
    QTest::newRow("manual, planned start: the actual one")
        << int(TLogfileController::lmManual) << 3600 << QByteArray("Start time: 06/12/2026 13:12:53\r\n\r\n");
    QTest::newRow("automatic, no planned start: the actual one")
        << int(TLogfileController::lmAutomatic) << 0 << QByteArray("Start time: 06/12/2026 13:12:53\r\n\r\n");
}

void tst_LogfileController::headerStartTime()
{
    QFETCH(int, mode);
    QFETCH(int, plannedSecondsAgo);
    QFETCH(QByteArray, startTime);

    TLogfileController& logger = build();
    logger.setLogMode(TLogfileController::EnLogMode(mode), false);
    if (plannedSecondsAgo)
        logger.setStartTime(mFixture->now().addSecs(-plannedSecondsAgo), false);
    QCOMPARE(logger.startLogger(), TLogfileController::lsrSuccess);
    QCOMPARE(onlyLogfile(), QStringLiteral("06122026_131253123"));
    QVERIFY2(mFixture->content(onlyLogfile()).contains(startTime), mFixture->content(onlyLogfile()).constData());
}

void tst_LogfileController::headerProbeBlocks_data()
{
    QTest::addColumn<bool>("probes");
    // Each line of the file starts so; the file holds these lines and no more.
    QTest::addColumn<QList<QByteArray>>("lines");

    const QByteArray prtColumns = "Probe name;Channel;Is reference;T min.;T max.;Last calibration;Wiring;";
    const QByteArray tcColumns = "Probe name;Channel;Is reference;T min.;T max.;Last calibration;Thermocouple type;";
    const QByteArray thermistorColumns =
        "Probe name;Channel;Is reference;T min.;T max.;Last calibration;Conversion;"
        "SH coefficient A;SH coefficient B;SH coefficient C;"
        "Polynomial coefficient C0;Polynomial coefficient C1;Polynomial coefficient C2;Polynomial coefficient C3\r";
    const QByteArray dataColumns = "Date;Time;Channel;Temperature value;Unit;Raw value;Unit;"
                                   "Temperature difference;Unit;Raw value difference;Unit\r";
    // No SMART probe on the board: no block of its own.
    QTest::newRow("no probe assigned") << false
                                       << QList<QByteArray>{"ZTM8800\r",
                                                            "Serial number: SN-4711\r",
                                                            "PRT probes:\r",
                                                            prtColumns,
                                                            "Thermocouple probes:\r",
                                                            tcColumns,
                                                            "Thermistor probes:\r",
                                                            thermistorColumns,
                                                            "Start time: 06/12/2026 13:12:53\r",
                                                            "\r",
                                                            dataColumns,
                                                            ""};
    QTest::newRow("a custom probe assigned and a SMART probe on the board")
        << true
        << QList<QByteArray>{"ZTM8800\r",
                             "Serial number: ",
                             "PRT probes:\r",
                             prtColumns,
                             "Pt100;1;yes;-200;850;;4-wire;",
                             "Thermocouple probes:\r",
                             tcColumns,
                             "Thermistor probes:\r",
                             thermistorColumns,
                             "SMART probes:\r",
                             "Probe name;Channel;",
                             "SPRT100-4711;2;no;;;15/01/2024;",
                             "Start time: 06/12/2026 13:12:53\r",
                             "\r",
                             dataColumns,
                             ""};
}

// An assigned custom probe has its line in its block; a SMART probe on the board adds a block of its own.
void tst_LogfileController::headerProbeBlocks()
{
    QFETCH(bool, probes);
    QFETCH(QList<QByteArray>, lines);

    if (probes) {
        QVERIFY(identifyBoardAs(mFixture->board(), ZTM8800));
        QVERIFY(mFixture->board().board().plugSmartProbe(2, TSimulatedSmartProbe::callendarVanDusenPt100()));
    }
    TLogfileController& logger = build(probes);
    if (probes) {
        QString error;
        QVERIFY2(mFixture->probes().newProbeCreated(nullptr, prtProbe(true), error), qPrintable(error));
        TAbstractProbe* stored = nullptr;
        for (const auto& probe : mFixture->probes().customProbes())
            stored = probe.second.get();
        QVERIFY(stored);
        QVERIFY(
            mFixture->probes().assignProbeToChannel(stored, mFixture->controller().physical_channel(1), false, false));
    }

    QCOMPARE(logger.startLogger(), TLogfileController::lsrSuccess);
    const QList<QByteArray> written = mFixture->content(onlyLogfile()).split('\n');
    for (int i = 0; i < lines.size(); ++i)
        QVERIFY2(written.value(i).startsWith(lines.at(i)),
                 qPrintable(QStringLiteral("line %1: %2").arg(i).arg(QString::fromUtf8(written.value(i)))));
    QCOMPARE(written.size(), lines.size());
    mFixture->controller().physical_channel(1)->assignProbe(nullptr);
}

void tst_LogfileController::dataLine_data()
{
    QTest::addColumn<QString>("separator");
    QTest::addColumn<int>("scan");
    QTest::addColumn<int>("logged");
    // The channel whose values the board withdraws after its reading (0: none).
    QTest::addColumn<int>("withdrawn");
    // The logged channel frozen before the withdrawal (1) or after it (2), then read again at 20 degrees; 0: not
    // frozen.
    QTest::addColumn<int>("frozen");
    QTest::addColumn<QString>("line");
    // Channel 1: 100 ohm at 0 degrees (the reference when scanning), channel 2: 103.9 ohm at 10 degrees, channel 3
    // (thermocouple): 0.5 mV at 12.5 degrees, channel 4 without a value.
    QTest::newRow("no scan: four empty difference fields")
        << "." << 0 << 2 << 0 << 0 << QStringLiteral("06/12/2026;13:12:53;Channel 2;10.0000;°C;103.90000;\u2126;;;;");
    QTest::newRow("comma separator") << "," << 0 << 2 << 0 << 0
                                     << QStringLiteral("06/12/2026;13:12:53;Channel 2;10,0000;°C;103,90000;\u2126;;;;");
    QTest::newRow("no value: OL") << "." << 0 << 4 << 0 << 0
                                  << QStringLiteral("06/12/2026;13:12:53;Channel 4;OL;°C;OL;mV;;;;");
    QTest::newRow("scan, reference of the same electrical unit")
        << "." << 1 << 2 << 0 << 0
        << QStringLiteral("06/12/2026;13:12:53;Channel 2;10.0000;°C;103.90000;\u2126;-10.000;°C;-3.900;\u2126");
    QTest::newRow("scan, reference of another electrical unit")
        << "." << 1 << 3 << 0 << 0
        << QStringLiteral("06/12/2026;13:12:53;Channel 3;12.5000;°C;0.50000;mV;-12.500;°C;;");
    QTest::newRow("scan, the reference against itself")
        << "," << 1 << 1 << 0 << 0
        << QStringLiteral("06/12/2026;13:12:53;Channel 1;0,0000;°C;100,00000;\u2126;0,000;°C;0,000;\u2126");
    QTest::newRow("scan, the reference without value")
        << "." << 1 << 2 << 1 << 0
        << QStringLiteral("06/12/2026;13:12:53;Channel 2;10.0000;°C;103.90000;\u2126;OL;°C;OL;\u2126");
    QTest::newRow("a line by hand while the channel has no value")
        << "." << 0 << 2 << 2 << 0 << QStringLiteral("06/12/2026;13:12:53;Channel 2;OL;°C;OL;\u2126;;;;");
    // The difference too is formed from the present values only.
    QTest::newRow("scan, a line by hand while the channel has no value")
        << "." << 1 << 2 << 2 << 0 << QStringLiteral("06/12/2026;13:12:53;Channel 2;OL;°C;OL;\u2126;OL;°C;OL;\u2126");
    // Frozen, the line holds the copy; the difference stays the live one.
    QTest::newRow("frozen, the value lost and back")
        << "." << 1 << 2 << 2 << 1
        << QStringLiteral("06/12/2026;13:12:53;Channel 2;10.0000;°C;103.90000;\u2126;-20.000;°C;-7.790;\u2126");
    QTest::newRow("frozen while the channel has no value")
        << "." << 1 << 2 << 2 << 2
        << QStringLiteral("06/12/2026;13:12:53;Channel 2;OL;°C;OL;\u2126;-20.000;°C;-7.790;\u2126");
    QTest::newRow("scan without a reference probe")
        << "." << 2 << 2 << 0 << 0 << QStringLiteral("06/12/2026;13:12:53;Channel 2;10.0000;°C;103.90000;\u2126;;;;");
}

void tst_LogfileController::dataLine()
{
    QFETCH(QString, separator);
    QFETCH(int, scan);
    QFETCH(int, logged);
    QFETCH(int, withdrawn);
    QFETCH(int, frozen);
    QFETCH(QString, line);

    TLogfileController& logger = build();
    auto reference = prtProbe(scan == 1);
    auto other = prtProbe(false);
    auto* first = mFixture->controller().physical_channel(1);
    first->assignProbe(reference.get());
    mFixture->controller().physical_channel(2)->assignProbe(other.get());
    if (scan) {
        mFixture->scanMode().setChannelConfiguration({channel(1), channel(2), channel(3)});
        QVERIFY(mFixture->scanMode().startScanMode());
    }
    useSeparator(separator.at(0));

    logger.setLogMode(TLogfileController::lmManual, false);
    QCOMPARE(logger.startLogger(), TLogfileController::lsrSuccess);
    // After the starts, which read the board.
    channel(1)->setNewValue(100.0, 0.0);
    channel(2)->setNewValue(103.9, 10.0);
    channel(3)->setNewValue(0.5, 12.5);
    channel(4)->setNewValue(std::nan(""), std::nan(""));
    if (frozen == 1)
        channel(logged)->setChannelFrozen(true);
    if (withdrawn)
        channel(withdrawn)->raiseNoValuesAvailable();
    if (frozen) {
        if (frozen == 2)
            channel(logged)->setChannelFrozen(true);
        channel(logged)->setNewValue(107.79, 20.0);
    }
    QVERIFY(logger.writeChannelValueToLogfile(channel(logged)));
    channel(logged)->setChannelFrozen(false);
    QCOMPARE(mFixture->dataLines(onlyLogfile()), QStringList{line});
    QVERIFY(mFixture->content(onlyLogfile()).endsWith(line.toUtf8() + "\r\n"));

    mFixture->scanMode().stopScanMode(nullptr);
    first->assignProbe(nullptr);
    mFixture->controller().physical_channel(2)->assignProbe(nullptr);
}

// The remote start does not ask: the log that runs ends as with Stop, complete, before the next begins.
void tst_LogfileController::restartEndsTheRunningLogFirst()
{
    TLogfileController& logger = build();
    logger.setInterval(500, false);
    QCOMPARE(logger.startLogger(), TLogfileController::lsrSuccess);
    const QString first = onlyLogfile();
    mFixture->read(channel(1), 3);
    QSignalSpy status(&logger, &TLogfileController::loggerStatusActiveChanged);
    mFixture->now() = mFixture->now().addSecs(1);
    // A read that arrives while the start shows "Loading SMART probes..." finds no log to write to.
    bool readDuringStart = false;
    QMetaObject::invokeMethod(
        this,
        [this, &readDuringStart]() {
            readDuringStart = true;
            mFixture->read(channel(1));
        },
        Qt::QueuedConnection);

    QCOMPARE(logger.startLogger(), TLogfileController::lsrSuccess);
    QVERIFY(readDuringStart);
    QCOMPARE(status.size(), 2);
    QCOMPARE(status.at(0).first().toBool(), false);
    QCOMPARE(status.at(1).first().toBool(), true);
    const QString second = QFileInfo(logger.currentLogfile()).fileName();
    QVERIFY(second != first);
    QCOMPARE(mFixture->dataLines(first).size(), 3);
    QVERIFY(mFixture->content(first).endsWith("\r\n"));
    // The new file begins with its header, and its first line comes after it.
    QVERIFY(mFixture->content(second).startsWith("ZTM8800\r\n"));
    QVERIFY(mFixture->content(second).endsWith("Raw value difference;Unit\r\n"));
    mFixture->read(channel(1));
    QCOMPARE(mFixture->dataLines(second).size(), 1);
    QCOMPARE(mFixture->dataLines(first).size(), 3);
}

void tst_LogfileController::refusedStart_data()
{
    QTest::addColumn<int>("interval");
    QTest::addColumn<bool>("fileExists");
    QTest::addColumn<int>("result");
    QTest::newRow("interval 0") << 0 << false << int(TLogfileController::lsrInvalidInterval);
    QTest::newRow("a file of the same name") << 1000 << true << int(TLogfileController::lsrLogfileAlreadyExists);
}

// A refused start while a log runs leaves no run behind: the old log is ended and the logger is stopped.
void tst_LogfileController::refusedStart()
{
    QFETCH(int, interval);
    QFETCH(bool, fileExists);
    QFETCH(int, result);

    TLogfileController& logger = build();
    QCOMPARE(logger.startLogger(), TLogfileController::lsrSuccess);
    const QString running = onlyLogfile();
    mFixture->now() = mFixture->now().addSecs(1);
    if (fileExists)
        TAMARIND_PUT_LOGFILE(*mFixture, QStringLiteral("06122026_131254123"), "foreign\r\n", 10);
    logger.setInterval(interval, false);

    QCOMPARE(int(logger.startLogger()), result);
    QVERIFY(!logger.isLoggerStarted() || result == TLogfileController::lsrInvalidInterval);
    QCOMPARE(mFixture->content(QStringLiteral("06122026_131254123")), fileExists ? QByteArray("foreign\r\n") : "");
    if (result != TLogfileController::lsrInvalidInterval)
        QVERIFY(logger.currentLogfile().fileName().isEmpty());
    QVERIFY(mFixture->content(running).endsWith("Unit\r\n"));
}

void tst_LogfileController::lineBeyondTheFileSizeLimitIsTakenBack_data()
{
    QTest::addColumn<bool>("diskFull");
    QTest::addColumn<bool>("duringARun");
    QTest::newRow("disk with room") << false << false;
    // Two messages, each from an entry of its own in the warning gate: the
    // second comes up on top of the first at once, not once the first has
    // returned, which remote commands run in its event loop would put off.
    // The full disk is the cause, read first.
    QTest::newRow("full disk") << true << false;
    // A calibration run opens messages without an event loop of their own.
    QTest::newRow("full disk during a calibration run") << true << true;
}

// A full disk or a size limit may take part of a line: the file keeps its last complete line.
void tst_LogfileController::lineBeyondTheFileSizeLimitIsTakenBack()
{
    QFETCH(bool, diskFull);
    QFETCH(bool, duringARun);
    TLogfileController& logger = build();
    logger.setInterval(500, false);
    QCOMPARE(logger.startLogger(), TLogfileController::lsrSuccess);
    const QString name = onlyLogfile();
    mFixture->read(channel(1), 2);
    const QByteArray complete = mFixture->content(name);
    std::unique_ptr<TFullDisk> fullDisk;
    if (diskFull) {
        fullDisk = std::make_unique<TFullDisk>();
        QVERIFY(fullDisk->isReady());
    }
    std::unique_ptr<TWarningGate::TRun> run;
    if (duringARun)
        run = std::make_unique<TWarningGate::TRun>();
    QList<int> openWhenSeen;
    TMessageRecorder messages([&openWhenSeen] { openWhenSeen << TMessageRecorder::openMessages(); });
    {
        TFileSizeLimit limit(complete.size() + 10);
        mFixture->read(channel(1));
    }
    QVERIFY(!logger.isLoggerStarted());
    QCOMPARE(mFixture->content(name), complete);
    // The disk check looks at "/" alone; the logger says itself that it stopped.
    const QString stopped = QStringLiteral("Unable to write to logfile. Logger has been stopped.");
    QTRY_VERIFY(messages.texts().contains(stopped));
    if (diskFull) {
        QTRY_COMPARE(messages.count(), 2);
        // The recorder answers the message on top first.
        QCOMPARE(messages.texts(), (QStringList{QStringLiteral("100 % storage used"), stopped}));
        QCOMPARE(openWhenSeen.first(), 2);
    }
    QTRY_COMPARE(TMessageRecorder::openMessages(), 0);
}

namespace
{
// Whether this process holds the file open.
bool heldOpen(const QString& pPath)
{
    const QString file = QFileInfo(pPath).canonicalFilePath();
    const QDir descriptors(QStringLiteral("/proc/self/fd"));
    for (const QFileInfo& descriptor : descriptors.entryInfoList(QDir::AllEntries | QDir::System)) {
        if (descriptor.symLinkTarget() == file)
            return true;
    }
    return false;
}
} // namespace

// One open file for the run, not one open per line.
void tst_LogfileController::logfileStaysOpenForTheRun()
{
    TLogfileController& logger = build();
    logger.setInterval(500, false);
    QCOMPARE(logger.startLogger(), TLogfileController::lsrSuccess);
    const QString path = mFixture->logfileDir() + QLatin1Char('/') + onlyLogfile();
    QVERIFY(heldOpen(path));
    mFixture->read(channel(1), 3);
    QCOMPARE(mFixture->dataLines(onlyLogfile()).size(), 3);
    QVERIFY(heldOpen(path));
    logger.stopLogger();
    QVERIFY(!heldOpen(path));
}

void tst_LogfileController::headerBeyondTheFileSizeLimitLeavesNoFile()
{
    TLogfileController& logger = build();
    QDir().mkpath(mFixture->logfileDir());
    TLogfileController::EnLogStartResult result;
    {
        TFileSizeLimit limit(100);
        result = logger.startLogger();
    }
    QCOMPARE(int(result), int(TLogfileController::lsrUnableToCreateLogfile));
    QVERIFY(!logger.isLoggerStarted());
    QVERIFY(mFixture->logfileNames().isEmpty());
}

void tst_LogfileController::vanishedLogfileIsReportedAfterThePoll_data()
{
    QTest::addColumn<bool>("remoteCommandsRunning");
    QTest::newRow("at the instrument") << false;
    QTest::newRow("while a remote scan polls") << true;
}

// The message must not open inside the read callback, where it would hold up
// the measuring cycle, nor inside a remote command, where it would hold every
// client until somebody at the instrument closed it.
void tst_LogfileController::vanishedLogfileIsReportedAfterThePoll()
{
    QFETCH(bool, remoteCommandsRunning);
    TLogfileController& logger = build();
    QCOMPARE(logger.startLogger(), TLogfileController::lsrSuccess);
    QVERIFY(TTestEnvironment::removeUnderRoot(mFixture->logfileDir() + QLatin1Char('/') + onlyLogfile()));
    TMessageRecorder messages;
    if (remoteCommandsRunning)
        TWarningGate::instance().hold();
    mFixture->read(channel(1));
    QVERIFY(!logger.isLoggerStarted());
    QCOMPARE(messages.count(), 0);
    if (remoteCommandsRunning) {
        // The scan's own event processing between its polls.
        QCoreApplication::processEvents();
        QCOMPARE(messages.count(), 0);
        TWarningGate::instance().release();
    }
    QTRY_COMPARE(messages.count(), 1);
    QCOMPARE(messages.texts().first(), QStringLiteral("Unable to write to logfile. Logger has been stopped."));
    // Not made anew.
    QVERIFY(mFixture->logfileNames().isEmpty());
}

void tst_LogfileController::manualModeWritesOnlyOnRequest()
{
    TLogfileController& logger = build();
    logger.setLogMode(TLogfileController::lmManual, false);
    QVERIFY(!logger.writeChannelValueToLogfile(channel(1)));
    QCOMPARE(logger.startLogger(), TLogfileController::lsrSuccess);
    mFixture->read(channel(1), 10);
    QVERIFY(mFixture->dataLines(onlyLogfile()).isEmpty());
    QVERIFY(logger.writeChannelValueToLogfile(channel(1)));
    QCOMPARE(mFixture->dataLines(onlyLogfile()).size(), 1);
    logger.stopLogger();
    QVERIFY(!logger.writeChannelValueToLogfile(channel(1)));
}

void tst_LogfileController::factoryResetStoresTheDefaults()
{
    TLogfileController& logger = build();
    logger.setInterval(2500, true);
    logger.setDuration(600, true);
    logger.setLogMode(TLogfileController::lmManual, true);
    logger.setStartTime(mFixture->now().addDays(1), true);
    TAMARIND_END_FAILED_ROW();
    QCOMPARE(setting("start_time"), QStringLiteral("07.12.2026 13:12"));
    QCOMPARE(logger.startLogger(), TLogfileController::lsrSuccess);

    logger.factoryReset();
    QVERIFY(!logger.isLoggerStarted());
    QCOMPARE(setting("interval"), QStringLiteral("1000"));
    QCOMPARE(setting("start_time"), QString());
    QCOMPARE(setting("duration"), QStringLiteral("0"));
    QCOMPARE(setting("mode"), QStringLiteral("1"));
}

void tst_LogfileController::logfileNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("found");
    QTest::newRow("a log file") << "01012026_080000000" << true;
    QTest::newRow("no such file") << "01012026_090000000" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("the directory itself") << "." << false;
    QTest::newRow("the parent directory") << ".." << false;
    QTest::newRow("up and sideways") << "../serialnumber" << false;
    QTest::newRow("absolute path") << (TTestEnvironment::root() + "/home/serialnumber") << false;
    QTest::newRow("backslash") << "..\\serialnumber" << false;
}

// Only plain names of the log directory are found; the list ignores names without "_" and puts the newest first.
void tst_LogfileController::logfileNames()
{
    QFETCH(QString, name);
    QFETCH(bool, found);

    TAMARIND_WRITE_DEVICE_FILE(QStringLiteral("/home/serialnumber"), "4711");
    TAMARIND_PUT_LOGFILE(*mFixture, QStringLiteral("01012026_080000000"), "a\r\n", 60);
    TAMARIND_PUT_LOGFILE(*mFixture, QStringLiteral("02012026_080000000"), "b\r\n", 30);
    TAMARIND_PUT_LOGFILE(*mFixture, QStringLiteral("notes.txt"), "c\r\n", 0);
    TLogfileController& logger = build();

    QCOMPARE(logger.getLogfileList(), QStringList({"02012026_080000000", "01012026_080000000"}));
    QCOMPARE(logger.logfilePath(name), found ? mFixture->logfileDir() + QLatin1Char('/') + name : QString());
}

TAMARIND_TEST_MAIN(tst_LogfileController)
#include "tst_logfilecontroller.moc"
