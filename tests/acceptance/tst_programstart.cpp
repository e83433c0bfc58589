#include "allocatorreplaced.h"
#include "childprocess.h"
#include "commandrunner.h"
#include "deviceroot.h"
#include "ethernetconfigurationcontroller.h"
#include "fileversionreader.h"
#include "intcommcontroller.h"
#include "linkrecord.h"
#include "localsocketaddress.h"
#include "tamarindsettings.h"
#include "testsupport.h"

#include <QDir>
#include <QDomDocument>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSet>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <malloc.h>
#include <map>
#include <memory>
#include <optional>
#include <sched.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <unistd.h>
#include <utility>
#include <vector>

// The instrument program as it is shipped, started offscreen under a fresh device root against the simulated board
// as a program of its own (and the simulated calibrator, as ./run.sh starts it), and watched from the outside only:
// what the board received (the simulator's command log), what the program wrote under the root and which system
// commands it asked for.
class tst_ProgramStart : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void identifiesTheBoard();
    void buildsTheChannelTableBeforeReading();
    void keepsTheBoardsPauseBetweenCommands();
    void pollsTheMeasuredChannelEveryReadInterval();
    void writesItsSettingsUnderTheRoot();
    void clearsWhatACutRestoreLeft();
    void survivesTheBoardGoingSilent();
    void resumesPollingWhenTheBoardRestarts();
    void asksForNoSystemCommandButTheStickCheck();
    void carriesItsVersionInItsFile();
    void setsTheAllocatorsThreshold();
    void locksNoFileOutsideItsRoot();
    void refusesARootThatIsNoRoot_data();
    void refusesARootThatIsNoRoot();
    void testsRunInAnyTemporaryDirectory_data();
    void testsRunInAnyTemporaryDirectory();
    void starvedRowsFailOnceWithTheCause_data();
    void starvedRowsFailOnceWithTheCause();
    void testProgramsChangeNothingOutsideTheirRoot_data();
    void testProgramsChangeNothingOutsideTheirRoot();
    void crashedTestProgramLeavesNoProcess_data();
    void crashedTestProgramLeavesNoProcess();
    void launcherReportsTheTestsOwnStatus_data();
    void launcherReportsTheTestsOwnStatus();
    void scriptEndsWithItsCommand_data();
    void scriptEndsWithItsCommand();
    void ciFailsOnWhatCTestRecorded_data();
    void ciFailsOnWhatCTestRecorded();
    void buildsOfACheckoutWaitForEachOther_data();
    void buildsOfACheckoutWaitForEachOther();
    void endsInOrderOnTerminate();
    void startsWhileAMessageWaits_data();
    void startsWhileAMessageWaits();
    void peerTakesALineNoRunningPeerHolds_data();
    void peerTakesALineNoRunningPeerHolds();

private:
    struct TLoggedCommand
    {
        double mArrivalMs;
        QByteArray mText;
    };
    static QList<TLoggedCommand> boardLog();
    static QList<double> pollTimes(const QList<TLoggedCommand>& pLog);
    static QString boardControl(const QByteArray& pCommand);
    void startProcess(QProcess& pProcess, const QString& pProgram, const QStringList& pArguments,
                      const QProcessEnvironment& pEnvironment);
    void startBoard();
    // What a test function needs of the program the functions share. Whatever ran before it, the function finds the
    // program running against its board; one that reads what the program did from its start on finds a start that
    // nothing disturbed since, on a board log of its own.
    enum EnSharedProgramUse {
        // Reads the board's log from the program's start on.
        spReadsItsStart,
        spRuns,
        // Silences or restarts the board: the log from the program's start on then shows the disturbance.
        spDisturbsItsBoard,
    };
    void useSharedProgram(EnSharedProgramUse pUse);
    // Ends the shared program and its board where they run, and starts both afresh, the board on an empty log.
    void startSharedProgram();
    // Processor time the program has used so far, in ms.
    qint64 programProcessorTime() const;
    void keepsTheReadIntervalAfter(double pSinceMs);

    QProcessEnvironment mEnvironment;
    TChildProcess mBoard;
    TChildProcess mProgram;
    // Whether a function silenced or restarted the board since the shared program started.
    bool mStartDisturbed = false;
};

namespace
{
// The program's read interval, in ms.
constexpr double READ_INTERVAL = 500;
// How far the interval the program keeps between its polls may stray from the read interval, in ms.
constexpr double POLL_JITTER = 60;
// The intervals between polls the kept interval is taken over, six seconds' worth.
constexpr int POLL_WINDOW = 12;

// Now on the clock the board stamps the arrivals of commands with, in ms as in its log.
double monotonicMs()
{
    return double(TLinkRecord::monotonicNs()) / 1e6;
}

// Where the recorder preloaded into the program writes the allocator settings it makes.
QString allocatorSettingsPath()
{
    return TTestEnvironment::root() + QStringLiteral("/mallopt-calls");
}

#ifndef TAMARIND_ALLOCATOR_REPLACED
// pEnvironment with the recorder of allocator settings from the build tree pBuild preloaded into a program started in
// the root (as startProcess starts it), recording to pRecord; empty when the recorder cannot be named. The loader
// splits LD_PRELOAD at spaces and colons and knows no escape, and a checkout's path may hold either, the root's as
// well: a link in the root stands for the recorder, named from the program's working directory.
QProcessEnvironment recordingAllocatorSettings(QProcessEnvironment pEnvironment, const QString& pBuild,
                                               const QString& pRecord)
{
    const QString inBuild = QStringLiteral(TAMARIND_MALLOPT_RECORDER).mid(int(qstrlen(TAMARIND_BUILD_DIR)));
    const QString link = QStringLiteral("preloaded-") + QFileInfo(inBuild).fileName();
    QFile::remove(TTestEnvironment::root() + QLatin1Char('/') + link);
    if (!QFile::link(pBuild + inBuild, TTestEnvironment::root() + QLatin1Char('/') + link))
        return QProcessEnvironment();
    const QString preloaded = pEnvironment.value(QStringLiteral("LD_PRELOAD"));
    pEnvironment.insert(QStringLiteral("LD_PRELOAD"),
                        QStringLiteral("./") + link + (preloaded.isEmpty() ? QString() : QLatin1Char(':') + preloaded));
    pEnvironment.insert(QStringLiteral("TAMARIND_MALLOPT_RECORD"), pRecord);
    return pEnvironment;
}
#endif

// The last allocator threshold a program recorded in pRecord set, with the C library's answer (1: taken).
QByteArray thresholdSet(const QString& pRecord)
{
    QFile record(pRecord);
    if (!record.open(QIODevice::ReadOnly))
        return "(the program set nothing)";
    QByteArray threshold;
    for (const QByteArray& call : record.readAll().split('\n')) {
        if (call.startsWith(QByteArray::number(M_MMAP_THRESHOLD) + ' '))
            threshold = call;
    }
    return threshold;
}

// The threshold the program sets, taken.
const QByteArray THRESHOLD_TAKEN = QByteArray::number(M_MMAP_THRESHOLD) + " 16384 1";

QString boardLogPath()
{
    return TDeviceRoot::path(QStringLiteral("/var/log/boardsim-commands.log"));
}

QString controlSocketPath()
{
    return TDeviceRoot::path(QStringLiteral("/var/run/boardsim.sock"));
}

// Started as under "ulimit -f": no file may grow past the limit, and a write
// that would sends the signal whose default ends the process, or fails, as on
// a full file system, when pWritesFail. Nor does it leave a core file: that
// would lie in the working directory, outside the root.
class TFileSizeLimitedProcess : public TChildProcess
{
public:
    explicit TFileSizeLimitedProcess(rlim_t pLimit, bool pWritesFail = false) : mLimit(pLimit), mWritesFail(pWritesFail)
    {
    }

protected:
    void setupChildProcess() override
    {
        TChildProcess::setupChildProcess();
        std::signal(SIGXFSZ, mWritesFail ? SIG_IGN : SIG_DFL);
        const struct rlimit limit = {mLimit, mLimit};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const struct rlimit noCore = {0, 0};
        ::setrlimit(RLIMIT_CORE, &noCore);
    }

private:
    rlim_t mLimit;
    bool mWritesFail;
};

// Started so, in a network of its own, whose one interface, the loopback, is down: what it listens on takes no port of
// this machine. Where the system gives the user no such network, it ends at once with NO_OWN_NETWORK.
class TOwnNetworkProcess : public TFileSizeLimitedProcess
{
public:
    static constexpr int NO_OWN_NETWORK = 77;

    explicit TOwnNetworkProcess(rlim_t pLimit)
        : TFileSizeLimitedProcess(pLimit), mUserMap(sameIdMap(::geteuid())), mGroupMap(sameIdMap(::getegid()))
    {
    }

protected:
    void setupChildProcess() override
    {
        // Root may leave the machine's network at once; any other user does in a user namespace of its own, in
        // which it stays itself.
        if (::unshare(CLONE_NEWNET) != 0 &&
            (::unshare(CLONE_NEWUSER | CLONE_NEWNET) != 0 || !writeOwnFile("/proc/self/setgroups", "deny") ||
             !writeOwnFile("/proc/self/uid_map", mUserMap) || !writeOwnFile("/proc/self/gid_map", mGroupMap)))
            ::_exit(NO_OWN_NETWORK);
        TFileSizeLimitedProcess::setupChildProcess();
    }

private:
    static QByteArray sameIdMap(unsigned pId)
    {
        const QByteArray id = QByteArray::number(pId);
        return id + ' ' + id + " 1";
    }
    // In the started process, a copy of one with threads: nothing that allocates.
    static bool writeOwnFile(const char* pPath, const QByteArray& pText)
    {
        const int file = ::open(pPath, O_WRONLY | O_CLOEXEC);
        if (file < 0)
            return false;
        const bool written = ::write(file, pText.constData(), size_t(pText.size())) == ssize_t(pText.size());
        ::close(file);
        return written;
    }

    const QByteArray mUserMap;
    const QByteArray mGroupMap;
};

// Puts the device files it was given back as they were when it was made, once it goes: their content, or none where
// there was none. A failure to is a warning, which fails the test.
class TDeviceFilesKept
{
public:
    explicit TDeviceFilesKept(const QStringList& pDevicePaths)
    {
        for (const QString& path : pDevicePaths) {
            QFile file(TDeviceRoot::path(path));
            mFound.push_back(
                {path, file.open(QIODevice::ReadOnly) ? std::optional<QByteArray>(file.readAll()) : std::nullopt});
        }
    }
    ~TDeviceFilesKept()
    {
        for (const auto& [path, content] : mFound) {
            if (!(content ? TTestEnvironment::writeDeviceFile(path, *content)
                          : TTestEnvironment::removeUnderRoot(path)))
                qWarning("The device file %s cannot be put back as it was.", qPrintable(path));
        }
    }

private:
    std::vector<std::pair<QString, std::optional<QByteArray>>> mFound;
};

// Whether the file at pPath, under a row's own folder, now holds pContent alone.
bool written(const QString& pPath, const QByteArray& pContent)
{
    QFile file(pPath);
    return file.open(QIODevice::WriteOnly) && file.write(pContent) == pContent.size();
}

// A folder in the root whose path is 4078 bytes long: the system takes the path of a folder "tmp.XXXXXXXXXX" in it
// (4095 bytes at most), not that of a file "ready" in that one.
QString deepFolder()
{
    QString path = TTestEnvironment::root() + QStringLiteral("/deep");
    // Room is kept for a last name of a letter at least: under a root of some
    // lengths the path would end in "/", which the system drops.
    while (QFile::encodeName(path).size() + 1 + 200 + 2 <= 4078)
        path += QLatin1Char('/') + QString(200, QLatin1Char('x'));
    return path + QLatin1Char('/') + QString(4078 - QFile::encodeName(path).size() - 1, QLatin1Char('x'));
}

// The arguments for "unshare" that run pCommand with a tmpfs mounted with pOptions over pFolder, in a mount
// namespace of its own: a user who may not mount on the host may do so there.
QStringList inTmpfsOfItsOwn(const QString& pOptions, const QString& pFolder, const QStringList& pCommand)
{
    return QStringList{QStringLiteral("--map-root-user"),
                       QStringLiteral("--mount"),
                       QStringLiteral("sh"),
                       QStringLiteral("-c"),
                       QStringLiteral("mount -t tmpfs -o %1 tmpfs \"$0\" && exec \"$@\"").arg(pOptions),
                       pFolder} +
           pCommand;
}

// Whether pSaid is the refusal of "unshare" or "mount" to a user who may not mount a file system of its own.
bool mayNotMount(const QString& pSaid)
{
    return pSaid.startsWith(QLatin1String("unshare:")) || pSaid.startsWith(QLatin1String("mount:"));
}

// pCommand with a stand-in Xvfb first on PATH, made in the working directory (a row's folder): the real Xvfb, next on
// PATH, serves the display, and the stand-in hands its display number on in two writes, the newline 1.5 s after the
// digits: a reader that waits a second at a time meets the pause.
QStringList withTheDisplayNumberInTwoWrites(const QStringList& pCommand)
{
    // Started as "Xvfb -displayfd FD ...".
    const QString standIn = QStringLiteral("#!/bin/bash\n"
                                           "PATH=${PATH#*:}\n"
                                           "fd=$2\n"
                                           "shift 2\n"
                                           "exec Xvfb -displayfd 4 \"$@\" 4> >(IFS= read -r number; "
                                           "printf %s \"$number\" >&\"$fd\"; sleep 1.5; echo >&\"$fd\")\n");
    return QStringList{QStringLiteral("sh"), QStringLiteral("-c"),
                       QStringLiteral("mkdir stand-ins && printf %s \"$0\" >stand-ins/Xvfb && chmod +x stand-ins/Xvfb "
                                      "&& PATH=\"$PWD/stand-ins:$PATH\" exec \"$@\""),
                       standIn} +
           pCommand;
}

// Starts a program that is to end by itself soon, with what it says on both
// channels in one; whether it ended within a generous bound (or was killed).
bool endsByItself(QProcess& pProcess, const QString& pProgram, const QStringList& pArguments,
                  const QProcessEnvironment& pEnvironment, int pWithinMs = 10000)
{
    pProcess.setProcessEnvironment(pEnvironment);
    pProcess.setProcessChannelMode(QProcess::MergedChannels);
    pProcess.start(pProgram, pArguments);
    if (pProcess.waitForFinished(pWithinMs))
        return true;
    pProcess.kill();
    pProcess.waitForFinished();
    return false;
}

// The TCP ports process pProcess listens on in this process's network: a process in a network of its own listens on
// none here.
QList<int> listeningPorts(qint64 pProcess)
{
    QSet<QByteArray> sockets;
    const QString descriptors = QStringLiteral("/proc/%1/fd").arg(pProcess);
    for (const QString& descriptor : QDir(descriptors).entryList(QDir::System)) {
        char target[64] = {};
        const QByteArray path = QFile::encodeName(descriptors + QLatin1Char('/') + descriptor);
        if (::readlink(path.constData(), target, sizeof target - 1) > 0 && qstrncmp(target, "socket:[", 8) == 0)
            sockets << QByteArray(target + 8).chopped(1);
    }
    QList<int> ports;
    QFile table(QStringLiteral("/proc/self/net/tcp"));
    if (!table.open(QIODevice::ReadOnly))
        return ports;
    // "sl local_address rem_address st ... inode", the state 0A a listening socket's.
    for (const QByteArray& line : table.readAll().split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() > 9 && fields.at(3) == "0A" && sockets.contains(fields.at(9)))
            ports << fields.at(1).split(':').value(1).toInt(nullptr, 16);
    }
    return ports;
}
} // namespace

void tst_ProgramStart::startProcess(QProcess& pProcess, const QString& pProgram, const QStringList& pArguments,
                                    const QProcessEnvironment& pEnvironment)
{
    pProcess.setProcessEnvironment(pEnvironment);
    // What it makes in its working directory stays in the root, and a preloaded library is named from there.
    pProcess.setWorkingDirectory(TTestEnvironment::root());
    pProcess.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    pProcess.setStandardOutputFile(QProcess::nullDevice());
    pProcess.start(pProgram, pArguments);
    QVERIFY2(pProcess.waitForStarted(), qPrintable(pProgram));
}

void tst_ProgramStart::startBoard()
{
    startProcess(mBoard, QStringLiteral(TAMARIND_BUILD_DIR "/simulator/boardsim"),
                 {QStringLiteral("--log"), boardLogPath(), QStringLiteral("--control"), controlSocketPath()},
                 mEnvironment);
    QTRY_VERIFY(QFileInfo::exists(TDeviceRoot::path(QStringLiteral("/dev/ttyO2"))));
    QTRY_VERIFY(QFileInfo::exists(controlSocketPath()));
}

qint64 tst_ProgramStart::programProcessorTime() const
{
    QFile file(QStringLiteral("/proc/%1/stat").arg(mProgram.processId()));
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    // The fields after the program's name, which is in parentheses: utime and stime are the 12th and 13th.
    const QByteArray stat = file.readAll();
    const QList<QByteArray> fields = stat.mid(stat.lastIndexOf(')') + 2).split(' ');
    const qint64 ticks = fields.value(11).toLongLong() + fields.value(12).toLongLong();
    return ticks * 1000 / ::sysconf(_SC_CLK_TCK);
}

// Waits for the window of polls that arrived after pSinceMs (on the board's clock) and checks the interval the
// program keeps over it: the window's length over its intervals. A loaded machine delays single polls, and the
// board's reading of them, by hundreds of ms, and a poll read late shortens the interval after it as much as it
// stretched the one before: inside the window each delay cancels out, and only those of its two ends count, shared
// out over all its intervals. A wrong interval moves every poll further, and the window's length with them.
void tst_ProgramStart::keepsTheReadIntervalAfter(double pSinceMs)
{
    const auto firstAfter = [pSinceMs](const QList<double>& pPolls) {
        return int(std::upper_bound(pPolls.begin(), pPolls.end(), pSinceMs) - pPolls.begin());
    };
    QTRY_VERIFY_WITH_TIMEOUT(pollTimes(boardLog()).size() > firstAfter(pollTimes(boardLog())) + POLL_WINDOW, 30000);
    QCOMPARE(mProgram.state(), QProcess::Running);
    const QList<double> polls = pollTimes(boardLog());
    const int first = firstAfter(polls);
    const double interval = (polls.at(first + POLL_WINDOW) - polls.at(first)) / POLL_WINDOW;
    QString intervals;
    for (int index = first + 1; index <= first + POLL_WINDOW; ++index)
        intervals += QStringLiteral(" %1").arg(polls.at(index) - polls.at(index - 1), 0, 'f', 1);
    QVERIFY2(qAbs(interval - READ_INTERVAL) < POLL_JITTER,
             qPrintable(QStringLiteral("%1 ms kept over the intervals%2").arg(interval).arg(intervals)));
}

void tst_ProgramStart::initTestCase()
{
    // The harness has put XDG_RUNTIME_DIR into the root as well.
    mEnvironment = QProcessEnvironment::systemEnvironment();
    mEnvironment.insert(TDeviceRoot::ROOT_VARIABLE, TTestEnvironment::root());
    mEnvironment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    QVERIFY(QDir().mkpath(QFileInfo(controlSocketPath()).absolutePath()));

    // As a restore leaves them when the power fails half-way, beside the user's data.
    TAMARIND_WRITE_DEVICE_FILE(QStringLiteral("/home/.userdata-restore/Logfiles/cut.log"), "cut");
    TAMARIND_WRITE_DEVICE_FILE(QStringLiteral("/home/ZT-1234_backup.tar.gz"), "copied");
    TAMARIND_WRITE_DEVICE_FILE(QStringLiteral("/home/Logfiles/kept.log"), "kept");
    // The shared program is started by the first function that needs it: functions that start programs of their own
    // run without it, and after one that ended it or its board the next that needs it finds it running again.
}

void tst_ProgramStart::useSharedProgram(EnSharedProgramUse pUse)
{
    if (mProgram.state() != QProcess::Running || mBoard.state() != QProcess::Running ||
        (pUse == spReadsItsStart && mStartDisturbed))
        startSharedProgram();
    if (pUse == spDisturbsItsBoard)
        mStartDisturbed = true;
}

void tst_ProgramStart::startSharedProgram()
{
    for (QProcess* process : {&mProgram, &mBoard})
        TStartedProgram::end(*process);
    // What the board received and the system commands asked for are this program's alone, not those of the programs
    // other functions started in the root before.
    QVERIFY(TTestEnvironment::removeUnderRoot(boardLogPath()));
    TTestEnvironment::clearRecordedCommands();
    startBoard();
    TAMARIND_END_FAILED_ROW();
    // The program's allocator settings go through a recorder on their way to the C library.
    QProcessEnvironment programEnvironment = mEnvironment;
#ifndef TAMARIND_ALLOCATOR_REPLACED
    programEnvironment =
        recordingAllocatorSettings(mEnvironment, QStringLiteral(TAMARIND_BUILD_DIR), allocatorSettingsPath());
    QVERIFY(!programEnvironment.isEmpty());
#endif
    quint16 port = 0;
    TAMARIND_STORE_FREE_REMOTE_PORT(port);
    startProcess(mProgram, QStringLiteral(TAMARIND_BUILD_DIR "/application/ZTM8800UI"), {}, programEnvironment);
    TAMARIND_END_FAILED_ROW();
    QTRY_VERIFY_WITH_TIMEOUT(!pollTimes(boardLog()).isEmpty(), 20000);
    mStartDisturbed = false;
}

void tst_ProgramStart::cleanupTestCase()
{
    for (QProcess* process : {&mProgram, &mBoard})
        TStartedProgram::end(*process);
}

QList<tst_ProgramStart::TLoggedCommand> tst_ProgramStart::boardLog()
{
    QList<TLoggedCommand> log;
    QFile file(boardLogPath());
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return log;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine().trimmed();
        const int blank = line.indexOf(' ');
        if (blank > 0)
            log.append({line.left(blank).toDouble(), line.mid(blank + 1)});
    }
    return log;
}

QList<double> tst_ProgramStart::pollTimes(const QList<TLoggedCommand>& pLog)
{
    QList<double> times;
    for (const TLoggedCommand& command : pLog) {
        if (command.mText == "meas:curr?")
            times.append(command.mArrivalMs);
    }
    return times;
}

// Sends one control line to the running simulator and returns its answer.
QString tst_ProgramStart::boardControl(const QByteArray& pCommand)
{
    QLocalSocket socket;
    QString problem;
    if (!TLocalSocketAddress::connect(socket, controlSocketPath(), 2000, &problem))
        return QStringLiteral("no connection: ") + problem;
    socket.write(pCommand + '\n');
    socket.waitForBytesWritten(2000);
    QByteArray answer;
    while (!answer.contains("OK") && !answer.contains("ERR") && socket.waitForReadyRead(2000))
        answer += socket.readAll();
    return QString::fromUtf8(answer).trimmed();
}

void tst_ProgramStart::identifiesTheBoard()
{
    useSharedProgram(spReadsItsStart);
    TAMARIND_END_FAILED_ROW();
    const QList<TLoggedCommand> log = boardLog();
    QVERIFY(!log.isEmpty());
    QCOMPARE(log.first().mText, QByteArray("*idn?"));
}

void tst_ProgramStart::buildsTheChannelTableBeforeReading()
{
    useSharedProgram(spReadsItsStart);
    TAMARIND_END_FAILED_ROW();
    QList<QByteArray> beforeReading;
    for (const TLoggedCommand& command : boardLog()) {
        if (command.mText == "meas:curr?")
            break;
        beforeReading.append(command.mText);
    }
    // The simulated board has no switch box on its first port, which ends the
    // scan of the ports; then the probe memory is read, custom and default probes,
    // and the calibration items: cold-junction offsets, then two-point items.
    QList<QByteArray> expected{"*idn?", "syst:swit:type? 1", "conf:chan?"};
    for (int number = 1; number <= 85; ++number)
        expected << "prob:read? " + QByteArray::number(number);
    expected << "cal:cjc? 3"
             << "cal:cjc? 4";
    for (int item = 1; item <= 7; ++item)
        expected << "cal:data? " + QByteArray::number(item);
    QCOMPARE(beforeReading, expected);
}

// The shipped program keeps the board's quiet line between commands, however fast the board answers; a load on
// this machine only widens the gaps.
void tst_ProgramStart::keepsTheBoardsPauseBetweenCommands()
{
    useSharedProgram(spReadsItsStart);
    TAMARIND_END_FAILED_ROW();
    const QList<TLoggedCommand> log = boardLog();
    QVERIFY(log.size() > 90);
    for (int index = 1; index < log.size(); ++index) {
        const double gap = log.at(index).mArrivalMs - log.at(index - 1).mArrivalMs;
        QVERIFY2(gap >= TIntCommController::PAUSE_BETWEEN_COMMANDS,
                 qPrintable(QStringLiteral("%1 after %2 ms").arg(QString::fromLatin1(log.at(index).mText)).arg(gap)));
    }
}

void tst_ProgramStart::pollsTheMeasuredChannelEveryReadInterval()
{
    useSharedProgram(spReadsItsStart);
    TAMARIND_END_FAILED_ROW();
    // From the first poll on: the read timer starts right after the reading the constructor takes.
    keepsTheReadIntervalAfter(0);
}

void tst_ProgramStart::writesItsSettingsUnderTheRoot()
{
    useSharedProgram(spRuns);
    TAMARIND_END_FAILED_ROW();
    QFile file(TDeviceRoot::path(QLatin1String(TTamarindSettings::SETTINGS_FILE_PATH)));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QDomDocument document;
    QVERIFY(document.setContent(&file));
    // The backlight stores the level it starts with.
    QVERIFY(!document.documentElement().firstChildElement(QStringLiteral("brightness")).isNull());
}

void tst_ProgramStart::clearsWhatACutRestoreLeft()
{
    useSharedProgram(spRuns);
    TAMARIND_END_FAILED_ROW();
    QVERIFY(!QFileInfo::exists(TDeviceRoot::path(QStringLiteral("/home/.userdata-restore"))));
    QVERIFY(!QFileInfo::exists(TDeviceRoot::path(QStringLiteral("/home/ZT-1234_backup.tar.gz"))));
    QFile kept(TDeviceRoot::path(QStringLiteral("/home/Logfiles/kept.log")));
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), QByteArray("kept"));
}

// A board that stops answering blocks each command for the link's time-outs; when it answers again the program
// goes on polling at its interval.
void tst_ProgramStart::survivesTheBoardGoingSilent()
{
    useSharedProgram(spDisturbsItsBoard);
    TAMARIND_END_FAILED_ROW();
    QCOMPARE(boardControl("fault silence always"), QStringLiteral("OK"));
    const int commandsAtSilence = boardLog().size();
    // The program keeps trying: the board hears at least two commands it does not answer.
    QTRY_VERIFY_WITH_TIMEOUT(boardLog().size() >= commandsAtSilence + 2, 15000);
    QCOMPARE(boardControl("fault clear"), QStringLiteral("OK"));
    // The polls after the clear by their arrival: the board writes its log a little behind, and a poll the silence
    // left unanswered may not be in it yet. The first of them selects the channel again and comes a little late,
    // which the window's length hardly feels.
    keepsTheReadIntervalAfter(monotonicMs());
}

// The board's line hangs up when the board goes away. The program neither
// spins on the dead line nor keeps it: once the board is back at its device
// path, the program polls it again at its interval.
void tst_ProgramStart::resumesPollingWhenTheBoardRestarts()
{
    useSharedProgram(spDisturbsItsBoard);
    TAMARIND_END_FAILED_ROW();
    mBoard.terminate();
    QVERIFY(mBoard.waitForFinished(TStartedProgram::EXIT_GRACE_MS));
    const double boardGoneAt = monotonicMs();

    // The time the program spends without its board, a few of its read intervals.
    const qint64 processorBefore = programProcessorTime();
    QElapsedTimer clock;
    clock.start();
    QTest::qWait(int(6 * READ_INTERVAL));
    const double processorShare = double(programProcessorTime() - processorBefore) / double(clock.elapsed());
    QVERIFY2(processorShare < 0.2, qPrintable(QString("processor share %1 without the board").arg(processorShare)));

    startBoard();
    TAMARIND_END_FAILED_ROW();
    keepsTheReadIntervalAfter(boardGoneAt);
}

// Every system command the program asks for is recorded under the root instead of acting on this machine; at
// start-up and while it measures, the only one is the probe for a USB stick.
void tst_ProgramStart::asksForNoSystemCommandButTheStickCheck()
{
    useSharedProgram(spRuns);
    TAMARIND_END_FAILED_ROW();
    QStringList commands = TTestEnvironment::recordedCommands();
    QVERIFY(!commands.isEmpty());
    commands.removeDuplicates();
    QCOMPARE(commands, QStringList{QStringLiteral("/bin/sh -c \"blkid /dev/sd?\"")});
}

void tst_ProgramStart::carriesItsVersionInItsFile()
{
    // The information and firmware pages read the program's version from the
    // trailer the build appends; without it they would show the last bytes of
    // the machine code as a version. The tag in front of it makes the built
    // program an update file that the firmware update accepts.
    const QString program = QStringLiteral(TAMARIND_BUILD_DIR) + QStringLiteral("/application/ZTM8800UI");
    bool tagFound = false;
    const TFileVersion tagged =
        TFileVersionReader::determineFileVersion(program, QStringLiteral("ZTM8800UI"), tagFound);
    QVERIFY(tagFound);
    QCOMPARE(tagged.toString().section('.', 0, 2), QStringLiteral("1.0.0"));
    const TFileVersion own = TFileVersionReader::determineFileVersion(program, QString(), tagFound);
    QCOMPARE(own.toString(), tagged.toString());
}

// The allocator's threshold holds for the whole process: only the program itself shows whether it makes the setting,
// as a test program that makes it for itself passes without the program's call. The last threshold the program set,
// and the C library's answer (1: taken).
void tst_ProgramStart::setsTheAllocatorsThreshold()
{
#ifdef TAMARIND_ALLOCATOR_REPLACED
    QSKIP("The C library's allocator is not in use.");
#endif
    useSharedProgram(spRuns);
    TAMARIND_END_FAILED_ROW();
    QCOMPARE(thresholdSet(allocatorSettingsPath()), THRESHOLD_TAKEN);
}

// Serial port libraries keep lock files named after the port in the host's lock
// directories; the program's port lies in the root, so its lock may not lie elsewhere.
void tst_ProgramStart::locksNoFileOutsideItsRoot()
{
    useSharedProgram(spRuns);
    TAMARIND_END_FAILED_ROW();
    const QString portName =
        TDeviceRoot::path(QStringLiteral("/dev/ttyO2")).replace(QLatin1Char('/'), QLatin1Char('_'));
    for (const char* directory : {"/var/lock", "/run/lock", "/tmp", "/var/tmp"}) {
        const QStringList locks = QDir(directory).entryList({QStringLiteral("LCK..*")}, QDir::Files | QDir::System);
        for (const QString& lock : locks)
            QVERIFY2(!lock.contains(portName), qPrintable(QLatin1String(directory) + QLatin1Char('/') + lock));
    }
}

// A script whose variable is unset or mistyped would otherwise run the program
// or a peer as on the device: its files in the host's /home, /dev and /var,
// its commands on the host. So would a test process whose own root could not
// be made in the temporary directory: it stops before a row runs.
void tst_ProgramStart::refusesARootThatIsNoRoot_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("variable");
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("exitCode");
    // What it says first; "\u2026" stands for the name of the root it made.
    QTest::addColumn<QString>("message");
    const QString instrument = QStringLiteral(TAMARIND_BUILD_DIR "/application/ZTM8800UI");
    const QString emptyRoot = QStringLiteral("TAMARIND_ROOT is set but empty; not starting.");
    QTest::newRow("the program, set but empty") << instrument << QStringList() << "TAMARIND_ROOT"
                                                << "" << 2 << "ZTM8800UI: " + emptyRoot;
    QTest::newRow("the program, a way back up to the machine's root")
        << instrument << QStringList() << "TAMARIND_ROOT"
        << "/tmp/.." << 2 << "ZTM8800UI: TAMARIND_ROOT=\"/tmp/..\" is this machine's own root directory";
    QTest::newRow("the simulated calibrator, set but empty")
        << QStringLiteral(TAMARIND_BUILD_DIR "/simulator/calsim") << QStringList() << "TAMARIND_ROOT"
        << "" << 2 << "calsim: " + emptyRoot;
    QTest::newRow("the simulated stick, set but empty")
        << QStringLiteral(TAMARIND_BUILD_DIR "/simulator/usbstick") << QStringList{"status"} << "TAMARIND_ROOT"
        << "" << 2 << "usbstick: " + emptyRoot;
    // A peer that cannot set up its files under the root says why; it advises removing a lock file only where one
    // stands (this one could not be made).
    const QString noSys = TTestEnvironment::root() + "/no-sys";
    QTest::newRow("the simulated serial hosts, a file where the root's /sys would be")
        << QStringLiteral(TAMARIND_BUILD_DIR "/simulator/serialhost") << QStringList() << "TAMARIND_ROOT" << noSys << 1
        << "serialhost: cannot write the GPIO files under the root: cannot make the folder " + noSys +
               "/sys/class/gpio/gpio20 (Not a directory)";
    const QString longLine = TTestEnvironment::root() + "/dev/" + QString(251, QLatin1Char('x'));
    QTest::newRow("the simulated calibrator, a line whose lock file's name is too long")
        << QStringLiteral(TAMARIND_BUILD_DIR "/simulator/calsim") << QStringList{"--link", longLine} << "TAMARIND_ROOT"
        << TTestEnvironment::root() << 1 << "calsim: cannot open " + longLine + ".lock (File name too long)\n";
    // Only the list of its functions, should the test run after all; of every test program, since one not built on
    // the shared set-up lists them where its rows would run on this machine's own files.
    const QString test = QCoreApplication::applicationFilePath();
    const QString missing = TTestEnvironment::root() + "/missing";
    for (const QString& name : QStringLiteral(TAMARIND_TEST_PROGRAMS).split(QLatin1Char(','))) {
        QTest::newRow(qPrintable(name + ", its temporary directory missing"))
            << QCoreApplication::applicationDirPath() + QLatin1Char('/') + name << QStringList{"-functions"} << "TMPDIR"
            << missing << 1
            << name + ": the device root cannot be made in the temporary directory \"" + missing +
                   "\": No such file or directory; nothing ran.";
    }
    const QString file = TTestEnvironment::root() + "/a-file";
    QTest::newRow("a test, a file for its temporary directory")
        << test << QStringList{"-functions"} << "TMPDIR" << file << 1
        << "tst_programstart: the device root cannot be made in the temporary directory \"" + file +
               "\": Not a directory; nothing ran.";
    // A name longer than any the system takes for a folder: no room would help.
    const QString tooLong = TTestEnvironment::root() + QLatin1Char('/') + QString(300, QLatin1Char('x'));
    QTest::newRow("a test, its temporary directory's name too long")
        << test << QStringList{"-functions"} << "TMPDIR" << tooLong << 1
        << "tst_programstart: the device root cannot be made in the temporary directory \"" + tooLong +
               "\": File name too long; nothing ran. Set TMPDIR to a directory with a shorter path.";
    // The window manager's start makes its pipe in a scratch folder of its own, which can be made there.
    const QString deep = deepFolder();
    QTest::newRow("the window manager's start, its temporary directory's path too long")
        << QStringLiteral(TAMARIND_SOURCE_DIR "/tests/support/with-window-manager.sh") << QStringList{"true"}
        << "TMPDIR" << deep << 1
        << "with-window-manager.sh: the pipe \"" + deep +
               "/\u2026/ready\" cannot be made: File name too long; nothing ran. Set TMPDIR to a directory with a "
               "shorter path.";
    // As /tmp is often hardened: the stand-in tools under the root could not run.
    const QString noexec = TTestEnvironment::root() + "/noexec";
    QTest::newRow("a test, its temporary directory mounted noexec")
        << "unshare" << inTmpfsOfItsOwn("noexec", noexec, {test, "-functions"}) << "TMPDIR" << noexec << 1
        << "tst_programstart: the temporary directory \"" + noexec +
               "\" does not let programs run; nothing ran. Set TMPDIR to a directory on a file system mounted "
               "without noexec.";
    // Room for the root's folder and no more: what the root cannot hold is told as it is.
    QTest::newRow("a test, its temporary directory out of inodes")
        << "unshare" << inTmpfsOfItsOwn("nr_inodes=2", noexec, {test, "-functions"}) << "TMPDIR" << noexec << 1
        << "tst_programstart: the device root \"" + noexec +
               "/tst_programstart-\u2026\" cannot be written: the folder \"" + noexec +
               "/tst_programstart-\u2026/test-disk\" cannot be made: No space left on device; nothing ran.";
}

void tst_ProgramStart::refusesARootThatIsNoRoot()
{
    QFETCH(QString, program);
    QFETCH(QStringList, arguments);
    QFETCH(QString, variable);
    QFETCH(QString, value);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    TAMARIND_WRITE_DEVICE_FILE("/a-file", "not a directory");
    TAMARIND_WRITE_DEVICE_FILE("/no-sys/sys", "not a directory");
    QVERIFY(QDir().mkpath(TTestEnvironment::root() + "/noexec"));
    QVERIFY(QDir().mkpath(deepFolder()));
    QProcessEnvironment environment = mEnvironment;
    environment.insert(variable, value);
    TChildProcess started;
    QVERIFY(endsByItself(started, program, arguments, environment));
    if (started.exitCode() == 77)
        QSKIP(qPrintable(QString::fromLocal8Bit(started.readAll()).trimmed()));
    QCOMPARE(started.exitStatus(), QProcess::NormalExit);
    QCOMPARE(started.exitCode(), exitCode);
    // Said first, and nothing else done: no test function listed, no line of a peer's work.
    const QString said = QString::fromLocal8Bit(started.readAll());
    if (mayNotMount(said))
        QSKIP(qPrintable("this user may not mount a file system of its own: " + said.trimmed()));
    QString expected = QRegularExpression::escape(message);
    expected.replace(QRegularExpression::escape(QStringLiteral("\u2026")), QStringLiteral("[^/]+"));
    QVERIFY2(QRegularExpression(QLatin1Char('^') + expected).match(said).hasMatch() &&
                 said.count(QLatin1Char('\n')) == 1,
             qPrintable(said));
}

// Where TMPDIR holds a space, leads through a link or is relative, the tests
// that met such a path pass: each started with TMPDIR so, inside a folder of
// the row's own, so that what one leaves behind fails only that row. So does
// the window manager's start where the X server's display number comes in
// pieces.
void tst_ProgramStart::testsRunInAnyTemporaryDirectory_data()
{
    QTest::addColumn<QStringList>("command");
    // In the row's folder, from its start ("/..."), or relative to it, the started test's working directory.
    QTest::addColumn<QString>("temporaryDirectory");
    const QString tests = QStringLiteral(TAMARIND_BUILD_DIR "/tests/");
    const QStringList windowManager{QStringLiteral(TAMARIND_SOURCE_DIR "/tests/support/with-window-manager.sh"),
                                    QStringLiteral("true")};
    QTest::newRow("a space: the command log")
        << QStringList{tests + "tst_commandrunner", "unknownCommandsNeverRunUnderARoot"} << "/with space";
    QTest::newRow("a space: the window manager's start") << windowManager << "/with space";
    QTest::newRow("relative: the window manager's start") << windowManager << "relative";
    QTest::newRow("the display number's newline 1.5 s after its digits: the window manager's start")
        << withTheDisplayNumberInTwoWrites(windowManager) << "/with space";
    QTest::newRow("a link: a socket's path")
        << QStringList{tests + "tst_boardcontrolserver", "servesAtAnyPath"} << "/link";
}

void tst_ProgramStart::testsRunInAnyTemporaryDirectory()
{
    QFETCH(QStringList, command);
    QFETCH(QString, temporaryDirectory);
    TAMARIND_SCRATCH_FOLDER(row, QStringLiteral("r"));
    QVERIFY(QDir().mkpath(row.filePath(QStringLiteral("with space"))));
    QVERIFY(QDir().mkpath(row.filePath(QStringLiteral("relative"))));
    QVERIFY(QFile::link(row.path(), row.filePath(QStringLiteral("link"))));
    QProcessEnvironment environment = mEnvironment;
    environment.insert(QStringLiteral("TMPDIR"), temporaryDirectory.startsWith(QLatin1Char('/'))
                                                     ? row.path() + temporaryDirectory
                                                     : temporaryDirectory);
    TChildProcess started;
    started.setWorkingDirectory(row.path());
    const bool ended = endsByItself(started, command.first(), command.mid(1), environment, 120000);
    const QString said = QString::fromLocal8Bit(started.readAll());
    if (started.exitCode() == 77)
        QSKIP(qPrintable(said.trimmed()));
    QVERIFY2(ended && started.exitStatus() == QProcess::NormalExit && started.exitCode() == 0, qPrintable(said));
    // Nothing beside the directory whose name holds the space.
    QCOMPARE(QDir(row.path()).entryList({"with*"}, QDir::AllEntries | QDir::System), QStringList{"with space"});
}

// On a temporary directory that runs out of inodes half-way, the rows that meet it fail once, with the cause: a
// fixture step, or a message the program brings up about it, ends the row instead of leaving what follows to fail
// again, and no row waits out a bound for what could not be written.
void tst_ProgramStart::starvedRowsFailOnceWithTheCause_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("inodes");
    // The settings file stored, and the message that it could not be.
    QTest::newRow("settings, 8 inodes") << "tst_tamarindsettings" << 8;
    // A board that cannot be linked, under a helper that loads probes.
    QTest::newRow("probe import, 8 inodes") << "tst_probecoefficientimport" << 8;
    // Taps on the window that store settings and start a log file.
    QTest::newRow("the logger's window, 16 inodes") << "tst_mainwindowlogger" << 16;
}

void tst_ProgramStart::starvedRowsFailOnceWithTheCause()
{
    QFETCH(QString, name);
    QFETCH(int, inodes);
    TAMARIND_SCRATCH_FOLDER(row, QStringLiteral("starved"));
    QProcessEnvironment environment = mEnvironment;
    environment.insert(QStringLiteral("TMPDIR"), row.path());
    TChildProcess started;
    const bool ended = endsByItself(started, QStringLiteral("unshare"),
                                    inTmpfsOfItsOwn(QStringLiteral("nr_inodes=%1").arg(inodes), row.path(),
                                                    {QCoreApplication::applicationDirPath() + QLatin1Char('/') + name}),
                                    environment, 120000);
    const QString said = QString::fromLocal8Bit(started.readAll());
    if (mayNotMount(said))
        QSKIP(qPrintable("this user may not mount a file system of its own: " + said.trimmed()));
    QVERIFY2(ended, qPrintable(said.right(2000)));
    std::map<QString, int> failures;
    const QRegularExpression failure(QStringLiteral("^FAIL!  : (\\S+\\((?:[^)]|\\)(?! ))*\\)) "),
                                     QRegularExpression::MultilineOption);
    for (auto match = failure.globalMatch(said); match.hasNext();)
        ++failures[match.next().captured(1)];
    // Else the directory was roomy enough after all, and the row proves nothing.
    QVERIFY2(!failures.empty(), qPrintable(said.right(2000)));
    for (const auto& entry : failures)
        QVERIFY2(
            entry.second == 1,
            qPrintable(
                QStringLiteral("%1 failed %2 times:\n%3").arg(entry.first).arg(entry.second).arg(said.right(3000))));
}

// A test program that cannot write in its root refuses to run, and what a
// careless row asks for ends its row, or its test program where the row would
// touch what lies outside the root: the file in the folder above the root
// stays, and nothing else is left there.
void tst_ProgramStart::testProgramsChangeNothingOutsideTheirRoot_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("variable");
    QTest::addColumn<QString>("value");
    // Whether the program ends at once (a fatal error), or only the row fails or it refuses to run.
    QTest::addColumn<bool>("fatal");
    QTest::addColumn<QString>("message");
    QTest::addColumn<qulonglong>("fileSizeLimit");
    const QString planted = TTestEnvironment::root() + "/temporary/planted";
    QTest::newRow("clearing the folder above the root")
        << QStringList{"clearsWhatItIsTold"} << "TAMARIND_CARELESS_PATH"
        << "/.." << true << "Not removing \"/..\"" << qulonglong(RLIM_INFINITY);
    QTest::newRow("clearing through a link leading out")
        << QStringList{"clearsWhatItIsTold"} << "TAMARIND_CARELESS_PATH"
        << "/out/planted" << true << "Not removing \"/out/planted\"" << qulonglong(RLIM_INFINITY);
    QTest::newRow("clearing without a root")
        << QStringList{"--without-root", "clearsWhatItIsTold"} << "TAMARIND_CARELESS_PATH" << planted << true
        << "Not removing \"" + planted + "\"" << qulonglong(RLIM_INFINITY);
    QTest::newRow("a scratch folder that cannot be made")
        << QStringList{"writesInAScratchFolder"} << "TAMARIND_CARELESS_SCRATCH" << QString(300, QLatin1Char('x'))
        << false << "cannot be made in the test root" << qulonglong(RLIM_INFINITY);
    // A device file a row needs that cannot be written ends the row with the system's reason.
    QTest::newRow("a device file that cannot be written")
        << QStringList{"writesADeviceFile"} << "TAMARIND_CARELESS_PATH"
        << "/" + QString(300, QLatin1Char('x')) << false
        << "/" + QString(300, QLatin1Char('x')) + "\" cannot be written: File name too long"
        << qulonglong(RLIM_INFINITY);
    // So does a log file a row puts.
    QTest::newRow("a log file that cannot be put")
        << QStringList{"putsALogfile"} << "TAMARIND_CARELESS_PATH" << QString(300, QLatin1Char('x')) << false
        << QString(300, QLatin1Char('x')) + "\" cannot be written: File name too long" << qulonglong(RLIM_INFINITY);
    // Its root is a folder, which a full file system still takes: the first file in it is what fails.
    QTest::newRow("no room for the first file in the root")
        << QStringList{"-functions"} << "TMPDIR" << TTestEnvironment::root() + "/temporary" << false
        << "carelesstest: the device root \"" + TTestEnvironment::root() + "/temporary/carelesstest-" << qulonglong(0);
}

void tst_ProgramStart::testProgramsChangeNothingOutsideTheirRoot()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, variable);
    QFETCH(QString, value);
    QFETCH(bool, fatal);
    QFETCH(QString, message);
    QFETCH(qulonglong, fileSizeLimit);
    const QString temporary = TTestEnvironment::root() + "/temporary";
    QVERIFY(TTestEnvironment::removeUnderRoot(temporary));
    TAMARIND_WRITE_DEVICE_FILE("/temporary/planted", "planted");
    QProcessEnvironment environment = mEnvironment;
    environment.insert(QStringLiteral("TMPDIR"), temporary);
    environment.insert(variable, value);
    TFileSizeLimitedProcess started{rlim_t(fileSizeLimit), true};
    QVERIFY(endsByItself(started, QStringLiteral(TAMARIND_CARELESS_TEST), arguments, environment));
    const QString said = QString::fromLocal8Bit(started.readAll());
    QVERIFY2(said.contains(message), qPrintable(said));
    if (fatal) {
        QCOMPARE(started.exitStatus(), QProcess::CrashExit);
    } else {
        QCOMPARE(started.exitStatus(), QProcess::NormalExit);
        QCOMPARE(started.exitCode(), 1);
    }
    QCOMPARE(TTestEnvironment::readDeviceFile("/temporary/planted"), QByteArray("planted"));
    // Besides the file, only the root of a program that ended at once, and that in the folder it was made in.
    QStringList left = QDir(temporary).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    left.removeOne(QStringLiteral("planted"));
    if (fatal && arguments.first() != QLatin1String("--without-root"))
        QVERIFY2(left.size() == 1 && left.first().startsWith(QLatin1String("carelesstest-")),
                 qPrintable(left.join(QLatin1Char(' '))));
    else
        QCOMPARE(left, QStringList());
}

namespace
{
// Whether process pProcess runs: false once it has ended, also while it waits for its parent to take its end.
bool runs(qint64 pProcess)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pProcess));
    if (!stat.open(QIODevice::ReadOnly))
        return false;
    // The state follows the name in parentheses.
    const QByteArray fields = stat.readAll();
    return fields.mid(fields.lastIndexOf(')') + 2, 1) != "Z";
}

// Whether CI's script and the tools/setup.sh it takes its build lock and its process group from are copied into the
// checkout pCheckout.
bool ciCopiedInto(const QString& pCheckout)
{
    return QDir().mkpath(pCheckout + QStringLiteral("/.ci")) && QDir().mkpath(pCheckout + QStringLiteral("/tools")) &&
           QFile::copy(QStringLiteral(TAMARIND_SOURCE_DIR "/.ci/run"), pCheckout + QStringLiteral("/.ci/run")) &&
           QFile::copy(QStringLiteral(TAMARIND_SOURCE_DIR "/tools/setup.sh"),
                       pCheckout + QStringLiteral("/tools/setup.sh"));
}
} // namespace

// A test program that crashes or is killed, where it can end nothing itself, leaves none of the programs it started
// running: neither the program nor its board polls on in a root nobody watches. Nor, started as CTest starts it, a
// copy of itself that Qt's start of a child has forked and not yet let go on, which holds CTest's output.
void tst_ProgramStart::crashedTestProgramLeavesNoProcess_data()
{
    QTest::addColumn<QString>("function");
    QTest::addColumn<bool>("launched");
    QTest::addColumn<int>("signal");
    QTest::newRow("a crash (SIGSEGV)") << "startsTheProgramAndItsBoard" << false << int(SIGSEGV);
    QTest::newRow("a kill -9") << "startsTheProgramAndItsBoard" << false << int(SIGKILL);
    QTest::newRow("a kill -9 under CTest's launcher while a copy waits for its go-ahead")
        << "leavesACopyWaitingForItsGoAhead" << true << int(SIGKILL);
}

void tst_ProgramStart::crashedTestProgramLeavesNoProcess()
{
    QFETCH(QString, function);
    QFETCH(bool, launched);
    QFETCH(int, signal);
    // The root the crashed test leaves lies in this one.
    QVERIFY(QDir().mkpath(TTestEnvironment::root() + "/crashed"));
    QProcessEnvironment environment = mEnvironment;
    environment.insert(QStringLiteral("TMPDIR"), TTestEnvironment::root() + "/crashed");
    // Its stack needs no dump.
    environment.insert(QStringLiteral("QTEST_DISABLE_STACK_DUMP"), QStringLiteral("1"));
    TChildProcess test;
    test.setProcessEnvironment(environment);
    test.setProcessChannelMode(QProcess::MergedChannels);
    const QStringList command{QStringLiteral(TAMARIND_CARELESS_TEST), function};
    if (launched)
        test.start(QStringLiteral(TAMARIND_TEST_LAUNCHER), command);
    else
        test.start(command.first(), command.mid(1));
    QByteArray said;
    const QRegularExpression startedLine(QStringLiteral("started (\\d+) (\\d+) (\\d+)\n"));
    QRegularExpressionMatch started;
    const bool answered = QTest::qWaitFor(
        [&] {
            said += test.readAll();
            started = startedLine.match(QString::fromLocal8Bit(said));
            return started.hasMatch() || test.state() == QProcess::NotRunning;
        },
        60000);
    QVERIFY2(answered && started.hasMatch(), said.constData());
    const QList<qint64> children{started.captured(2).toLongLong(), started.captured(3).toLongLong()};
    const auto endLeftOvers = qScopeGuard([&] {
        for (const qint64 child : children)
            if (runs(child))
                ::kill(pid_t(child), SIGKILL);
    });
    QVERIFY(runs(children.first()) && runs(children.last()));

    QCOMPARE(::kill(pid_t(started.captured(1).toLongLong()), signal), 0);
    QVERIFY(test.waitForFinished(TStartedProgram::EXIT_GRACE_MS));
    QCOMPARE(test.exitStatus(), QProcess::CrashExit);
    for (const qint64 child : children)
        QTRY_VERIFY2_WITH_TIMEOUT(!runs(child), qPrintable(QStringLiteral("process %1 runs on").arg(child)),
                                  TStartedProgram::EXIT_GRACE_MS);
}

// The launcher reports the test's own status, 1 for a failed row as 0 for none. (A failed row's "FAIL!" fails it in
// CTest too, which is how CTest learns of this one's failure should the launcher it runs under pass on another.)
void tst_ProgramStart::launcherReportsTheTestsOwnStatus_data()
{
    QTest::addColumn<QString>("devicePath");
    QTest::addColumn<int>("status");
    QTest::newRow("a failing row") << "/" + QString(300, QLatin1Char('x')) << 1;
    QTest::newRow("a passing row") << QStringLiteral("/written") << 0;
}

void tst_ProgramStart::launcherReportsTheTestsOwnStatus()
{
    QFETCH(QString, devicePath);
    QFETCH(int, status);
    // The launched test's root lies in this one.
    QVERIFY(QDir().mkpath(TTestEnvironment::root() + "/launched"));
    QProcessEnvironment environment = mEnvironment;
    environment.insert(QStringLiteral("TMPDIR"), TTestEnvironment::root() + "/launched");
    environment.insert(QStringLiteral("TAMARIND_CARELESS_PATH"), devicePath);
    TChildProcess launched;
    QVERIFY(endsByItself(launched, QStringLiteral(TAMARIND_TEST_LAUNCHER),
                         {QStringLiteral(TAMARIND_CARELESS_TEST), QStringLiteral("writesADeviceFile")}, environment));
    const QString said = QString::fromLocal8Bit(launched.readAll());
    QCOMPARE(launched.exitStatus(), QProcess::NormalExit);
    QVERIFY2(launched.exitCode() == status,
             qPrintable(QStringLiteral("status %1, the test said:\n%2").arg(launched.exitCode()).arg(said)));
}

// ./run.sh and ./test.sh run their build and their tests so (tools/setup.sh), and CI learns from the script's status
// alone whether they failed: it is the command's own. A terminate or hang-up to the script, which reaches it alone,
// ends every process of the command, as Ctrl+C from the terminal does, before the script ends with the signal's
// status; run in its foreground instead, they would run on with nobody left to end them. Nor may a print on the way
// out stop the script before its kill: its terminal may be gone, its output a full disk or a pipe nobody reads.
void tst_ProgramStart::scriptEndsWithItsCommand_data()
{
    // None (0): the command ends by itself.
    QTest::addColumn<int>("signal");
    // Run by sh with the file to name its processes in as $1.
    QTest::addColumn<QString>("command");
    // Where the script's output goes, other than to this test: a bash redirection's target.
    QTest::addColumn<QString>("output");
    QTest::addColumn<int>("status");
    // A command whose child runs on once the command itself has ended.
    const QString runsOn = QStringLiteral("sleep 60 & echo \"$$ $!\" > \"$1\"; sleep 60");
    QTest::newRow("a terminate") << int(SIGTERM) << runsOn << QString() << 143;
    QTest::newRow("a hang-up") << int(SIGHUP) << runsOn << QString() << 129;
    QTest::newRow("an interrupt (Ctrl+C)") << int(SIGINT) << runsOn << QString() << 130;
    QTest::newRow("a hang-up, a terminate ignored, the output on a full disk")
        << int(SIGHUP) << "trap '' TERM; " + runsOn << "/dev/full" << 129;
    QTest::newRow("a hang-up, a terminate ignored, the output on a pipe nobody reads")
        << int(SIGHUP) << "trap '' TERM; " + runsOn << ">(true)" << 129;
    QTest::newRow("a command that fails with 3") << 0 << QStringLiteral("exit 3") << QString() << 3;
    QTest::newRow("a command that succeeds") << 0 << QStringLiteral("exit 0") << QString() << 0;
}

void tst_ProgramStart::scriptEndsWithItsCommand()
{
    QFETCH(int, signal);
    QFETCH(QString, command);
    QFETCH(QString, output);
    QFETCH(int, status);
    const QString named = TTestEnvironment::root() + QStringLiteral("/started");
    // Made empty here: where the root has no room left, the row says so at once instead of waiting out a command
    // that could not name its processes.
    TAMARIND_WRITE_DEVICE_FILE(QStringLiteral("/started"), QByteArray());
    TChildProcess script;
    script.setProcessEnvironment(mEnvironment);
    script.setProcessChannelMode(QProcess::MergedChannels);
    script.start(
        QStringLiteral("bash"),
        {QStringLiteral("-c"),
         QStringLiteral(
             "[ -z \"$3\" ] || eval \"exec > $3 2>&1\"; source \"$0\" && run_in_group 5 sh -c \"$1\" sh \"$2\""),
         QStringLiteral(TAMARIND_SOURCE_DIR "/tools/setup.sh"), command, named, output});
    QList<qint64> commands;
    const auto endLeftOvers = qScopeGuard([&] {
        for (const qint64 started : commands)
            if (runs(started))
                ::kill(pid_t(started), SIGKILL);
    });
    if (signal != 0) {
        const QRegularExpression startedLine(QStringLiteral("^(\\d+) (\\d+)\n"));
        QRegularExpressionMatch started;
        QFile file(named);
        const bool answered = QTest::qWaitFor(
            [&] {
                file.close();
                started = startedLine.match(
                    QString::fromLocal8Bit(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray()));
                return started.hasMatch() || script.state() == QProcess::NotRunning;
            },
            20000);
        QVERIFY2(answered && started.hasMatch(), script.readAll().constData());
        commands = {started.captured(1).toLongLong(), started.captured(2).toLongLong()};
        QCOMPARE(::kill(pid_t(script.processId()), signal), 0);
    }
    QVERIFY(script.waitForFinished(TStartedProgram::EXIT_GRACE_MS));
    QCOMPARE(script.exitStatus(), QProcess::NormalExit);
    QCOMPARE(script.exitCode(), status);
    // Killed, a process may take a moment to go on a busy machine.
    for (const qint64 started : commands)
        QTRY_VERIFY2_WITH_TIMEOUT(!runs(started), qPrintable(QStringLiteral("process %1 runs on").arg(started)),
                                  TStartedProgram::EXIT_GRACE_MS);
}

// CI's verdict is not ./test.sh's status alone, which a fault in the scripts between CI and the build or CTest could
// lose: the build's and CTest's own record of the run count. Here ./test.sh stands in as one that lost them: it runs
// CTest on the row's tests, as an earlier build left them, and returns 0 whatever the build or CTest returned, unless
// the row says otherwise. A terminate to CI ends its ./test.sh before CI ends.
void tst_ProgramStart::ciFailsOnWhatCTestRecorded_data()
{
    // The row's CMakeLists.txt.
    QTest::addColumn<QByteArray>("project");
    // The row's CTestTestfile.cmake.
    QTest::addColumn<QByteArray>("tests");
    // The stand-in's lines after its CTest run.
    QTest::addColumn<QByteArray>("afterCTest");
    QTest::addColumn<int>("status");
    // The names CI gives: of the tests that did not pass, or why the run counts as failed.
    QTest::addColumn<QStringList>("named");
    // A terminate sent to CI once the stand-in has run CTest.
    QTest::addColumn<bool>("terminated");
    const QByteArray builds = "cmake_minimum_required(VERSION 3.16)\nproject(ci NONE)\n";
    const QByteArray passes = "add_test(passes true)\n";
    const QByteArray skipped = "add_test(skipped sh -c \"exit 77\")\n"
                               "set_tests_properties(skipped PROPERTIES SKIP_RETURN_CODE 77)\n";
    QTest::newRow("a failed test") << builds << passes + "add_test(fails false)\n"
                                   << QByteArray("exit 0") << 1 << QStringList{"fails"} << false;
    QTest::newRow("a test whose program is missing") << builds << passes + "add_test(missing no-such-program)\n"
                                                     << QByteArray("exit 0") << 1 << QStringList{"missing"} << false;
    QTest::newRow("a run that ended before CTest had finished")
        << builds << passes << QByteArray("rm -f \"$record\"; exit 0") << 1 << QStringList{"no record"} << false;
    QTest::newRow("no test") << builds << QByteArray() << QByteArray("exit 0") << 1 << QStringList{"no test"} << false;
    QTest::newRow("passed and skipped tests")
        << builds << passes + skipped << QByteArray("exit 0") << 0 << QStringList() << false;
    QTest::newRow("./test.sh failed, every test passed")
        << builds << passes << QByteArray("exit 2") << 2 << QStringList() << false;
    QTest::newRow("a build that failed") << builds + "add_custom_target(fails ALL COMMAND false)\n"
                                         << passes << QByteArray("exit 0") << 1 << QStringList{"the build failed"}
                                         << false;
    QTest::newRow("a configure that failed")
        << builds + "message(FATAL_ERROR \"no configure\")\n"
        << passes << QByteArray("exit 0") << 1 << QStringList{"the build failed"} << false;
    // The stand-in goes on until a terminate ends it, as ./test.sh ends its build or tests and then itself.
    QTest::newRow("a terminate while ./test.sh runs: it ends with CI")
        << builds << passes
        << QByteArray("trap 'exit 143' TERM; echo $$ > ../test.sh.running; while :; do sleep 0.1; done") << 143
        << QStringList() << true;
}

void tst_ProgramStart::ciFailsOnWhatCTestRecorded()
{
    QFETCH(QByteArray, project);
    QFETCH(QByteArray, tests);
    QFETCH(QByteArray, afterCTest);
    QFETCH(int, status);
    QFETCH(QStringList, named);
    QFETCH(bool, terminated);
    TAMARIND_SCRATCH_FOLDER(row, QStringLiteral("ci"));
    const QString checkout = row.filePath(QStringLiteral("a checkout"));
    QVERIFY(ciCopiedInto(checkout) && QDir().mkpath(checkout + QStringLiteral("/build")));
    // The record is the one CTest was told to write (--output-junit FILE).
    const QByteArray testScript = "#!/bin/sh\n"
                                  "for record; do :; done\n"
                                  "cd \"$(dirname \"$0\")/build\" && ctest \"$@\" >/dev/null 2>&1\n" +
                                  afterCTest + '\n';
    const QString script = checkout + QStringLiteral("/test.sh");
    QVERIFY(written(script, testScript));
    QVERIFY(QFile::setPermissions(script, QFile::permissions(script) | QFile::ExeOwner));
    QVERIFY(written(checkout + QStringLiteral("/CMakeLists.txt"), project));
    QVERIFY(written(checkout + QStringLiteral("/build/CTestTestfile.cmake"), tests));
    TChildProcess ci;
    qint64 testScriptPid = 0;
    const auto endBoth = qScopeGuard([&] {
        TStartedProgram::end(ci);
        if (testScriptPid > 0 && runs(testScriptPid))
            ::kill(pid_t(testScriptPid), SIGKILL);
    });
    if (terminated) {
        ci.setProcessEnvironment(mEnvironment);
        ci.setProcessChannelMode(QProcess::MergedChannels);
        ci.start(checkout + QStringLiteral("/.ci/run"), QStringList());
        QFile running(script + QStringLiteral(".running"));
        QVERIFY2(QTest::qWaitFor(
                     [&] {
                         running.close();
                         testScriptPid =
                             running.open(QIODevice::ReadOnly) ? running.readAll().trimmed().toLongLong() : 0;
                         return testScriptPid > 0 || ci.state() == QProcess::NotRunning;
                     },
                     60000) &&
                     testScriptPid > 0,
                 ci.readAll().constData());
        QCOMPARE(::kill(pid_t(ci.processId()), SIGTERM), 0);
        QVERIFY(ci.waitForFinished(TStartedProgram::EXIT_GRACE_MS));
        QVERIFY2(!runs(testScriptPid), "./test.sh runs on after CI has ended");
    } else {
        QVERIFY(endsByItself(ci, checkout + QStringLiteral("/.ci/run"), {}, mEnvironment, 60000));
    }
    const QString said = QString::fromLocal8Bit(ci.readAll());
    QVERIFY2(ci.exitStatus() == QProcess::NormalExit && ci.exitCode() == status,
             qPrintable(QStringLiteral("status %1, CI said:\n%2").arg(ci.exitCode()).arg(said)));
    for (const QString& name : named)
        QVERIFY2(said.contains(name), qPrintable(said));
}

// ./test.sh, ./run.sh and CI of one checkout build into the same tree: a build that finds another one of its checkout
// running says so, naming the script whose build it is, and waits for it. A terminate while it waits ends its script,
// with the status it gives; one to the script whose build runs ends that build with it, and the waiting one builds.
// The checkout's one target notes in a file when it begins and ends, and ends once the row lets it.
void tst_ProgramStart::buildsOfACheckoutWaitForEachOther_data()
{
    // The first build is CI's own, once its ./test.sh has passed, rather than one as ./test.sh builds.
    QTest::addColumn<bool>("ciFirst");
    // None (0): the row lets the first build end, and the second goes on.
    QTest::addColumn<int>("signal");
    // The signal goes to the first script while it builds, rather than to the second while it waits.
    QTest::addColumn<bool>("toTheFirst");
    // The signalled script's; a script not signalled ends with 0.
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("builds");
    const QByteArray oneAfterTheOther("begins\nends\nbegins\nends\n");
    QTest::newRow("the second build waits, then builds") << false << 0 << false << 0 << oneAfterTheOther;
    QTest::newRow("a terminate while it waits")
        << false << int(SIGTERM) << false << 143 << QByteArray("begins\nends\n");
    QTest::newRow("CI's own build first: the second waits, then builds") << true << 0 << false << 0 << oneAfterTheOther;
    QTest::newRow("a terminate to CI during its own build: its build ends, the second builds")
        << true << int(SIGTERM) << true << 143 << QByteArray("begins\nbegins\nends\n");
}

void tst_ProgramStart::buildsOfACheckoutWaitForEachOther()
{
    QFETCH(bool, ciFirst);
    QFETCH(int, signal);
    QFETCH(bool, toTheFirst);
    QFETCH(int, status);
    QFETCH(QByteArray, builds);
    TAMARIND_SCRATCH_FOLDER(row, QStringLiteral("builds"));
    const QString checkout = row.filePath(QStringLiteral("a checkout"));
    QVERIFY(ciCopiedInto(checkout));
    // The target also ends once the row's folder has gone: a build left running by a fault of the scripts ends then.
    const QList<std::pair<QString, QByteArray>> files{
        {QStringLiteral("/CMakeLists.txt"),
         "cmake_minimum_required(VERSION 3.16)\nproject(waits NONE)\n"
         "add_custom_target(waits ALL COMMAND sh waits.sh WORKING_DIRECTORY \"${CMAKE_SOURCE_DIR}\")\n"},
        {QStringLiteral("/waits.sh"), "echo begins >> builds\n"
                                      "until [ -e go ] || [ ! -e waits.sh ]; do sleep 0.1; done\n"
                                      "rm -f go\necho ends >> builds\n"},
        // CI's ./test.sh, passed: CTest's record of one test that ran.
        {QStringLiteral("/test.sh"), "#!/bin/sh\nmkdir -p \"${2%/*}\" && "
                                     "echo '<testsuite><testcase name=\"t\" status=\"run\"/></testsuite>' >\"$2\"\n"}};
    for (const auto& [name, content] : files)
        QVERIFY(written(checkout + name, content));
    QVERIFY(QFile::setPermissions(checkout + QStringLiteral("/test.sh"),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    // As ./test.sh builds.
    const QStringList build{QStringLiteral("-c"),
                            QStringLiteral("trap 'exit 130' INT; trap 'exit 143' TERM; trap 'exit 129' HUP; "
                                           "source \"$0\" && build_tree \"$1\""),
                            QStringLiteral(TAMARIND_SOURCE_DIR "/tools/setup.sh"), checkout};
    const auto begun = [&] {
        QFile log(checkout + QStringLiteral("/builds"));
        return log.open(QIODevice::ReadOnly) ? log.readAll().count("begins") : 0;
    };
    const auto letBuildEnd = [&] { return written(checkout + QStringLiteral("/go"), QByteArray()); };
    TChildProcess first;
    TChildProcess second;
    const auto endBoth = qScopeGuard([&] {
        for (QProcess* process : {&second, &first})
            TStartedProgram::end(*process);
    });
    for (QProcess* process : {&first, &second}) {
        process->setProcessEnvironment(mEnvironment);
        process->setProcessChannelMode(QProcess::MergedChannels);
    }
    if (ciFirst)
        first.start(checkout + QStringLiteral("/.ci/run"), QStringList());
    else
        first.start(QStringLiteral("bash"), build);
    QVERIFY2(QTest::qWaitFor([&] { return begun() == 1 || first.state() == QProcess::NotRunning; }, 60000) &&
                 begun() == 1,
             first.readAll().constData());
    second.start(QStringLiteral("bash"), build);
    QByteArray said;
    const QByteArray waiting =
        "Another build of this checkout runs (pid " + QByteArray::number(first.processId()) + "); waiting.\n";
    QVERIFY2(QTest::qWaitFor(
                 [&] {
                     said += second.readAll();
                     return said.contains(waiting) || second.state() == QProcess::NotRunning;
                 },
                 60000) &&
                 said.contains(waiting),
             said.constData());
    QProcess& signalled = toTheFirst ? first : second;
    if (signal != 0) {
        QCOMPARE(::kill(pid_t(signalled.processId()), signal), 0);
        QVERIFY(signalled.waitForFinished(TStartedProgram::EXIT_GRACE_MS));
        QCOMPARE(signalled.exitStatus(), QProcess::NormalExit);
        QVERIFY2(signalled.exitCode() == status, signalled.readAll().constData());
    }
    const auto buildsToItsEnd = [&](QProcess& pScript, int pBegun) {
        return QTest::qWaitFor([&] { return begun() == pBegun || pScript.state() == QProcess::NotRunning; }, 60000) &&
               letBuildEnd() && pScript.waitForFinished(60000) && pScript.exitStatus() == QProcess::NormalExit &&
               pScript.exitCode() == 0;
    };
    if (signal == 0 || !toTheFirst)
        QVERIFY2(buildsToItsEnd(first, 1), first.readAll().constData());
    if (signal == 0 || toTheFirst)
        QVERIFY2(buildsToItsEnd(second, 2), (said + second.readAll()).constData());
    QFile log(checkout + QStringLiteral("/builds"));
    QVERIFY(log.open(QIODevice::ReadOnly));
    QCOMPARE(log.readAll(), builds);
}

// Ctrl+C or a terminate from a script ends the event loop: the program closes
// its port and takes its objects down in order instead of dying where it stands.
void tst_ProgramStart::endsInOrderOnTerminate()
{
    useSharedProgram(spRuns);
    TAMARIND_END_FAILED_ROW();
    mProgram.terminate();
    QVERIFY(mProgram.waitForFinished(TStartedProgram::EXIT_GRACE_MS));
    QCOMPARE(mProgram.exitStatus(), QProcess::NormalExit);
    QCOMPARE(mProgram.exitCode(), 0);
}

void tst_ProgramStart::startsWhileAMessageWaits_data()
{
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<qulonglong>("fileSizeLimit");
    // The build tree the program is started from: a checkout's path may hold any of these.
    QTest::addColumn<QString>("build");
    QTest::newRow("a settings file nested thousands deep is kept aside")
        << "<settings>" + QByteArray("<x>").repeated(6000) + QByteArray("</x>").repeated(6000) + "</settings>"
        << qulonglong(RLIM_INFINITY) << QStringLiteral(TAMARIND_BUILD_DIR);
    // The settings file alone takes more than a hundred bytes.
    QTest::newRow("files may not grow past 64 bytes: the settings are not saved")
        << QByteArray() << qulonglong(64) << QStringLiteral(TAMARIND_BUILD_DIR);
    QTest::newRow("a build path with a space, a tab, a backslash and a colon")
        << QByteArray() << qulonglong(RLIM_INFINITY)
        << TTestEnvironment::root() + QStringLiteral("/build with\ta tab, a back\\slash and a: colon");
}

// What the settings store has to say at start-up waits for the window: the
// program polls the board while nobody taps the message.
void tst_ProgramStart::startsWhileAMessageWaits()
{
    QFETCH(QByteArray, settings);
    QFETCH(qulonglong, fileSizeLimit);
    QFETCH(QString, build);
    const QString settingsFile = QLatin1String(TTamarindSettings::SETTINGS_FILE_PATH);
    // The rows after this one start the program on the settings it leaves: passed, failed or skipped, it leaves them
    // as it found them, and the damaged file the program keeps aside too.
    const TDeviceFilesKept settingsKept({settingsFile, settingsFile + TTamarindSettings::DAMAGED_FILE_SUFFIX});
    // A settings file the program cannot read names no remote port: it would listen on the default one, the port of
    // the user's own program. The recorder preloaded into it binds another in its place; where none can be preloaded,
    // the program runs in a network of its own.
    const bool readable = settings.isEmpty();
    quint16 port = 0;
    if (readable)
        TAMARIND_STORE_FREE_REMOTE_PORT(port);
    else
        TAMARIND_WRITE_DEVICE_FILE(settingsFile, settings);
    const QByteArray settingsBefore = TTestEnvironment::readDeviceFile(settingsFile);
    if (build != QLatin1String(TAMARIND_BUILD_DIR) && !QFileInfo(build).isSymLink())
        QVERIFY(QFile::link(QStringLiteral(TAMARIND_BUILD_DIR), build));
    QProcessEnvironment environment = mEnvironment;
#ifndef TAMARIND_ALLOCATOR_REPLACED
    const QString record = TTestEnvironment::root() + QStringLiteral("/mallopt-calls-of-a-row");
    QFile::remove(record);
    environment = recordingAllocatorSettings(mEnvironment, build, record);
    QVERIFY(!environment.isEmpty());
    if (!readable)
        environment.insert(QStringLiteral("TAMARIND_PORT_STANDIN"),
                           QStringLiteral("%1:0").arg(TAbstractEthernetConfigurationController::DEFAULT_PORT));
    const auto program = std::make_unique<TFileSizeLimitedProcess>(rlim_t(fileSizeLimit));
#else
    const auto program = readable ? std::make_unique<TFileSizeLimitedProcess>(rlim_t(fileSizeLimit))
                                  : std::make_unique<TOwnNetworkProcess>(rlim_t(fileSizeLimit));
#endif
    // The shared program, where it runs, polls the same board, and the row would count its polls: it ends here, and
    // the next function that needs it starts it again. A poll it sent before it ended may reach the board's log
    // later: the row's polls are those that arrived once its program was started.
    TStartedProgram::end(mProgram);
    if (mBoard.state() != QProcess::Running) {
        startBoard();
        TAMARIND_END_FAILED_ROW();
    }
    const double startedAt = monotonicMs();
    const auto rowPolls = [startedAt] {
        const QList<double> polls = pollTimes(boardLog());
        return int(polls.end() - std::upper_bound(polls.begin(), polls.end(), startedAt));
    };
    const auto endProgram = qScopeGuard([&program] { TStartedProgram::end(*program); });
    startProcess(*program, build + QStringLiteral("/application/ZTM8800UI"), {}, environment);
    TAMARIND_END_FAILED_ROW();
    QTRY_VERIFY_WITH_TIMEOUT(rowPolls() >= 4 || program->state() != QProcess::Running, 30000);
    if (!readable && program->state() == QProcess::NotRunning &&
        program->exitCode() == TOwnNetworkProcess::NO_OWN_NETWORK)
        QSKIP("this user may not start a program in a network of its own");
    QCOMPARE(program->state(), QProcess::Running);
    QVERIFY(rowPolls() >= 4);
    const QList<int> listening = listeningPorts(program->processId());
    QVERIFY2(!listening.contains(TAbstractEthernetConfigurationController::DEFAULT_PORT),
             "the program took the default remote port, the user's own program's");
    // A save that the size limit cuts short is taken back. Without a limit the program may store what it starts
    // with, the backlight's level where no program before it stored one in this root.
    if (!settings.isEmpty())
        QCOMPARE(TTestEnvironment::readDeviceFile(settingsFile + TTamarindSettings::DAMAGED_FILE_SUFFIX), settings);
    else if (fileSizeLimit != RLIM_INFINITY)
        QCOMPARE(TTestEnvironment::readDeviceFile(settingsFile), settingsBefore);
#ifndef TAMARIND_ALLOCATOR_REPLACED
    QCOMPARE(thresholdSet(record), THRESHOLD_TAKEN);
#endif

    program->terminate();
    QVERIFY(program->waitForFinished(TStartedProgram::EXIT_GRACE_MS));
}

namespace
{
// What stands at the line's path when a peer is started for it.
enum EnAtTheLine {
    // A kill -9 or a closed terminal leaves the link, and the next program that opens a pseudo-terminal gets its
    // number.
    alLinkLeftBehind,
    alPeerThatRuns,
    // Its lock taken, its number not yet written: the lock file still names the calsim before it, which has ended.
    alCalsimThatIsStarting,
    // A file, as a device would be: no line of a simulator.
    alFile,
    // Files that are no simulator's, where a calsim keeps its lock, makes its next link and serves its control.
    alLinkedLockFile,
    alHardLinkedLockFile,
    alNextFile,
    alControlFile,
    // The control path of a calsim that runs on another line, and one that a kill -9 left.
    alControlOfAPeerThatRuns,
    alControlLeftBehind,
    // A file where the line's folder would be made (as a full disk refuses the folder).
    alFolderIsAFile,
};
} // namespace

void tst_ProgramStart::peerTakesALineNoRunningPeerHolds_data()
{
    QTest::addColumn<QString>("peer");
    QTest::addColumn<int>("atTheLine");
    QTest::addColumn<bool>("serves");
    // What a refusal of a file that is no simulator's says.
    QTest::addColumn<QString>("refusal");
    QTest::newRow("link left behind, to a terminal another program holds now")
        << "calsim" << int(alLinkLeftBehind) << true << QString();
    QTest::newRow("line of a calsim that runs") << "calsim" << int(alPeerThatRuns) << false << QString();
    QTest::newRow("line of a boardsim that runs") << "boardsim" << int(alPeerThatRuns) << false << QString();
    QTest::newRow("lines of a serialhost that runs") << "serialhost" << int(alPeerThatRuns) << false << QString();
    QTest::newRow("line of a calsim that is starting, after one that ended")
        << "calsim" << int(alCalsimThatIsStarting) << false << QString();
    QTest::newRow("a file that is no link") << "calsim" << int(alFile) << false << QString("is not a symbolic link");
    QTest::newRow("the lock a link to another file")
        << "calsim" << int(alLinkedLockFile) << false << QString("is no lock file of a line");
    QTest::newRow("the lock a second name of another file")
        << "calsim" << int(alHardLinkedLockFile) << false << QString("is no lock file of a line");
    QTest::newRow("a file where the next link is made")
        << "calsim" << int(alNextFile) << false << QString("is not a symbolic link");
    QTest::newRow("a file at the control path")
        << "calsim" << int(alControlFile) << false << QString("other than a socket");
    QTest::newRow("control path of a calsim that runs on another line")
        << "calsim" << int(alControlOfAPeerThatRuns) << false << QString();
    QTest::newRow("control socket a calsim killed left behind")
        << "calsim" << int(alControlLeftBehind) << true << QString();
    QTest::newRow("a file where the line's folder would be")
        << "calsim" << int(alFolderIsAFile) << false << QString("cannot make the folder");
}

void tst_ProgramStart::peerTakesALineNoRunningPeerHolds()
{
    QFETCH(QString, peer);
    QFETCH(int, atTheLine);
    QFETCH(bool, serves);
    QFETCH(QString, refusal);
    // serialhost's lines are the instrument's, the first of them taken first.
    const bool ownLine = peer != QLatin1String("serialhost");
    const QString otherFile = QStringLiteral("/home/not-the-simulators.txt");
    const QString lineInRoot = atTheLine == alFolderIsAFile ? otherFile + QStringLiteral("/ttyUSB-calsim-test")
                               : ownLine                    ? QStringLiteral("/dev/ttyUSB-%1-test").arg(peer)
                                                            : QStringLiteral("/dev/ttyGS0");
    const QString controlInRoot = QStringLiteral("/var/run/%1-test.sock").arg(peer);
    const QString line = TDeviceRoot::path(lineInRoot);
    const QString otherLine = TDeviceRoot::path(QStringLiteral("/dev/ttyUSB-other-test"));
    const QString controlPath = TDeviceRoot::path(controlInRoot);
    const QString lockPath = line + QStringLiteral(".lock");
    for (const QString& path : {lineInRoot, lineInRoot + ".lock", lineInRoot + ".next", controlInRoot, otherFile})
        TTestEnvironment::removeUnderRoot(path);
    const QString program = QStringLiteral(TAMARIND_BUILD_DIR "/simulator/") + peer;
    const auto start = [&](QProcess& pPeer, const QString& pLine) {
        pPeer.setProcessEnvironment(mEnvironment);
        pPeer.start(program, (ownLine ? QStringList{QStringLiteral("--link"), pLine} : QStringList()) +
                                 QStringList{QStringLiteral("--control"), controlPath});
    };
    // Whether the peer serves the line: it says so, its control socket last, and ends at once when it refuses.
    const auto servesLine = [](QProcess& pPeer) {
        QByteArray said;
        const bool ended = !QTest::qWaitFor(
            [&] {
                said += pPeer.readAllStandardOutput();
                return said.contains("control commands on") || pPeer.state() == QProcess::NotRunning;
            },
            20000);
        return !ended && pPeer.state() == QProcess::Running;
    };
    TChildProcess first;
    TChildProcess second;
    const auto endBoth = qScopeGuard([&] {
        for (QProcess* process : {&second, &first})
            TStartedProgram::end(*process);
    });
    const int terminal = ::posix_openpt(O_RDWR | O_NOCTTY);
    int lock = -1;
    const auto closeDescriptors = qScopeGuard([&] {
        for (const int descriptor : {terminal, lock})
            if (descriptor >= 0)
                ::close(descriptor);
    });
    const QByteArray fileContent = "not a line\n";
    qint64 endedCalsim = 0;
    if (atTheLine == alPeerThatRuns || atTheLine == alCalsimThatIsStarting || atTheLine == alControlOfAPeerThatRuns) {
        start(first, atTheLine == alControlOfAPeerThatRuns ? otherLine : line);
        QVERIFY(servesLine(first));
        endedCalsim = first.processId();
    }
    // The file that is no simulator's, and stays as it is.
    const std::map<int, QString> keptByCase = {{alFile, lineInRoot},
                                               {alLinkedLockFile, otherFile},
                                               {alHardLinkedLockFile, otherFile},
                                               {alNextFile, lineInRoot + ".next"},
                                               {alFolderIsAFile, otherFile},
                                               {alControlFile, controlInRoot}};
    const QString kept = keptByCase.count(atTheLine) != 0 ? keptByCase.at(atTheLine) : QString();
    if (!kept.isEmpty())
        TAMARIND_WRITE_DEVICE_FILE(kept, fileContent);
    if (atTheLine == alCalsimThatIsStarting) {
        TStartedProgram::end(first);
        lock = ::open(QFile::encodeName(lockPath).constData(), O_RDWR);
        QVERIFY(lock >= 0 && ::flock(lock, LOCK_EX | LOCK_NB) == 0);
    } else if (atTheLine == alLinkLeftBehind) {
        QVERIFY(terminal >= 0 && ::grantpt(terminal) == 0 && ::unlockpt(terminal) == 0);
        QVERIFY(QDir().mkpath(QFileInfo(line).absolutePath()));
        QVERIFY(QFile::link(QString::fromLocal8Bit(::ptsname(terminal)), line));
    } else if (atTheLine == alLinkedLockFile) {
        QVERIFY(QFile::link(TDeviceRoot::path(otherFile), lockPath));
    } else if (atTheLine == alHardLinkedLockFile) {
        QVERIFY(::link(QFile::encodeName(TDeviceRoot::path(otherFile)).constData(),
                       QFile::encodeName(lockPath).constData()) == 0);
    } else if (atTheLine == alControlLeftBehind) {
        // Bound and closed without a listen: the socket stays, and nobody answers there.
        const TLocalSocketAddress address(controlPath);
        QVERIFY2(address.problem().isEmpty(), qPrintable(address.problem()));
        const int socket = ::socket(AF_UNIX, SOCK_STREAM, 0);
        QVERIFY(::bind(socket, address.address(), address.length()) == 0);
        ::close(socket);
    }

    start(second, line);
    QCOMPARE(servesLine(second), serves);
    if (serves)
        return;
    QCOMPARE(second.exitCode(), 1);
    const QString said = QString::fromLocal8Bit(second.readAllStandardError());
    // The refusal names who holds the line and by what, and never a calsim that has ended; what to stop is
    // named as it was started.
    if (atTheLine == alPeerThatRuns) {
        QVERIFY2(said.contains(QStringLiteral("process %1 holds %2").arg(first.processId()).arg(lockPath)),
                 qPrintable(said));
        QVERIFY2(said.contains(QStringLiteral("(%1 --").arg(program)), qPrintable(said));
    }
    if (atTheLine == alControlOfAPeerThatRuns)
        QVERIFY2(
            said.contains(QStringLiteral("process %1 (%2 --link %3").arg(first.processId()).arg(program, otherLine)),
            qPrintable(said));
    // The peer that runs keeps its line and its control socket after the refused one has ended.
    if (first.state() == QProcess::Running) {
        QVERIFY(QFileInfo::exists(atTheLine == alControlOfAPeerThatRuns ? otherLine : line));
        QLocalSocket client;
        QString problem;
        QVERIFY2(TLocalSocketAddress::connect(client, controlPath, 10000, &problem), qPrintable(problem));
    }
    if (atTheLine == alCalsimThatIsStarting) {
        QVERIFY2(said.contains(QStringLiteral("another calsim that is starting (it holds %1)").arg(lockPath)),
                 qPrintable(said));
        QVERIFY2(!said.contains(QString::number(endedCalsim)), qPrintable(said));
    }
    if (!kept.isEmpty()) {
        QVERIFY2(said.contains(refusal), qPrintable(said));
        QCOMPARE(TTestEnvironment::readDeviceFile(kept), fileContent);
    }
    // What is no link gets no lock file beside it.
    if (atTheLine == alFile || atTheLine == alNextFile)
        QVERIFY(!QFileInfo::exists(lockPath));
    if (atTheLine == alLinkedLockFile)
        QVERIFY(QFileInfo(lockPath).isSymLink());
}

TAMARIND_TEST_MAIN(tst_ProgramStart)
#include "tst_programstart.moc"
