#pragma once

#include <QApplication>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>
#include <type_traits>

class QProcess;
class QWidget;
class TTamarindSettings;

// Prepares a test process before QApplication exists: a fresh device root that
// the program may write into, the C locale and UTC, so dates, numbers and log
// lines read the same on every machine. The root is removed at exit. A root
// that cannot be made or written in the temporary directory ends the process
// at once, before anything is set or written: without it every device path
// would name this machine's own ("/home", "/dev/ttyO2").
// The disk the program checks before it writes is a stand-in of the root's
// own, at STAND_IN_DISK_USAGE whatever the build host's disk holds ("df" under
// the root first on the PATH). Once QApplication exists, a modal dialog that
// stays on top longer than MODAL_BOUND_MS, which no row lets one stand, fails
// the row it stands in, named, and is closed: a dialog nothing answers would
// hold the test until ctest's time-out; while the temporary directory has no
// room left, at once. A row that has failed already is not failed again.
class TTestEnvironment
{
public:
    static constexpr int STAND_IN_DISK_USAGE = 42;
    static constexpr int MODAL_BOUND_MS = 60000;

    TTestEnvironment();
    ~TTestEnvironment();

    static QString root();
    // The search path the process was started with, without the stand-in
    // disk: for a row that runs the host's own "df".
    static QByteArray hostSearchPath();
    // The command lines the program asked the command runner for, in order.
    static QStringList recordedCommands();
    static void clearRecordedCommands();
    // Writes a file under the root, creating its directories ("/etc/x" lands
    // in <root>/etc/x). False, with the reason in oProblem when one is given,
    // when it cannot: TAMARIND_WRITE_DEVICE_FILE ends the row with it.
    static bool writeDeviceFile(const QString& pDevicePath, const QByteArray& pContent, QString* oProblem = nullptr);
    static QByteArray readDeviceFile(const QString& pDevicePath);
    // Removes what lies at a device path ("/home") or a path inside the root:
    // a file, a link (not what it points to) or a folder with all it holds.
    // True when nothing is left there. A path that is not strictly inside the
    // root, also through a link on the way, ends the test process instead.
    static bool removeUnderRoot(const QString& pPath);
    // A TCP port of the loopback that nothing listens on now; 0, with the
    // reason in oProblem when one is given, when none could be had.
    static quint16 freePort(QString* oProblem = nullptr);
    // Makes a free port the remote port in pSettings, for the windows and
    // programs built on them from here on: on the default port they would
    // take the one of the user's own program, and a client of that program
    // would reach them. The port, or 0 as freePort() gives it. Only in
    // pSettings: a program of its own reads them once they are stored.
    // TAMARIND_USE_FREE_REMOTE_PORT ends the row when there is none.
    static quint16 useFreeRemotePort(TTamarindSettings& pSettings, QString* oProblem = nullptr);
    // SIGTERM to this process, taken as the program takes it: the event loop
    // is told to quit and terminationRequested() holds.
    static void terminate();
    // After terminate(): the quit it asked for is taken, and the tests after
    // it run as if no signal had come.
    static void forgetTermination();

private:
    std::unique_ptr<QTemporaryDir> mRoot;
};

// A fresh folder inside the root for what one row makes, named after pPrefix
// and removed with the object. One that cannot be made (a temporary directory
// out of room or of inodes) has no path at all: made through
// TAMARIND_SCRATCH_FOLDER, the row ends failed, with the reason, before it
// uses one; a path asked of it all the same ends the test process, since
// what a row would build on an empty one names the machine's own "/".
class TScratchFolder
{
public:
    explicit TScratchFolder(const QString& pPrefix);
    bool isMade() const;
    // Why the folder could not be made; empty when it was.
    QString problem() const { return mProblem; }
    QString path() const;
    QString filePath(const QString& pName) const;

private:
    std::unique_ptr<QTemporaryDir> mFolder;
    QString mProblem;
};

// Fails the row that runs now as QVERIFY2(false, pReason) would, naming
// pStatement as what did not hold, from a helper or fixture that cannot end it
// itself (a QEXPECT_FAIL before it counts); outside any row (a test object's
// member) it warns instead, which fails the test program. A row that has
// failed already is left as it is: it would have ended there, and what a
// helper meets after that follows from it.
void failCurrentRow(const char* pStatement, const QString& pReason);

// Ends the row that runs now when it has failed already: a fixture step that
// fails it where it cannot end it (a constructor, as TSimulatedBoardLink's
// when the board's line cannot be linked) is followed by this, since what the
// row would do next only fails again on what follows from it.
#define TAMARIND_END_FAILED_ROW()                                                                                      \
    do {                                                                                                               \
        if (QTest::currentTestFailed())                                                                                \
            return;                                                                                                    \
    } while (false)

// QVERIFY(pStep) for a step that may fail the row on its way: a message it
// brings up in a root without room is closed with the cause said, and the
// row ends there instead of failing again on the step's result.
#define TAMARIND_VERIFY_STEP(pStep)                                                                                    \
    do {                                                                                                               \
        const bool stepHeld = static_cast<bool>(pStep);                                                                \
        TAMARIND_END_FAILED_ROW();                                                                                     \
        if (!QTest::qVerify(stepHeld, #pStep, "", __FILE__, __LINE__))                                                 \
            return;                                                                                                    \
    } while (false)

// Builds the fixture that pFixture, a std::unique_ptr, holds from the
// arguments that follow, once the one it held is gone; when building it fails
// the row, it is released and the row ends. Qt Test runs no cleanup() after an
// init() that failed: the next init() would find that row's fixture still
// there, and a form's worth of widgets built beside another, row after row,
// takes the heap fresh pages each time.
#define TAMARIND_MAKE_FIXTURE(pFixture, ...)                                                                           \
    do {                                                                                                               \
        pFixture.reset();                                                                                              \
        pFixture = std::make_unique<std::remove_reference_t<decltype(*pFixture)>>(__VA_ARGS__);                        \
        if (QTest::currentTestFailed()) {                                                                              \
            pFixture.reset();                                                                                          \
            return;                                                                                                    \
        }                                                                                                              \
    } while (false)

// Declares pFolder, a TScratchFolder, and ends the row when it cannot be made.
#define TAMARIND_SCRATCH_FOLDER(pFolder, pPrefix)                                                                      \
    const TScratchFolder pFolder(pPrefix);                                                                             \
    QVERIFY2(pFolder.isMade(), qPrintable(pFolder.problem()))

// Writes a device file as TTestEnvironment::writeDeviceFile does, and ends
// the row with the reason when it cannot be written.
#define TAMARIND_WRITE_DEVICE_FILE(pDevicePath, pContent)                                                              \
    do {                                                                                                               \
        QString deviceFileProblem;                                                                                     \
        QVERIFY2(TTestEnvironment::writeDeviceFile(pDevicePath, pContent, &deviceFileProblem),                         \
                 qPrintable(deviceFileProblem));                                                                       \
    } while (false)

// Makes a free port the remote port in pSettings as
// TTestEnvironment::useFreeRemotePort does, into oPort, and ends the row with
// the reason when there is none.
#define TAMARIND_USE_FREE_REMOTE_PORT(oPort, pSettings)                                                                \
    do {                                                                                                               \
        QString remotePortProblem;                                                                                     \
        oPort = TTestEnvironment::useFreeRemotePort(pSettings, &remotePortProblem);                                    \
        QVERIFY2(oPort != 0, qPrintable(remotePortProblem));                                                           \
    } while (false)

// The same for a program started under the root, which reads the settings
// file (tamarindsettings.h): the port is stored there.
#define TAMARIND_STORE_FREE_REMOTE_PORT(oPort)                                                                         \
    do {                                                                                                               \
        TTamarindSettings remoteSettings(QLatin1String(TTamarindSettings::SETTINGS_FILE_PATH));                        \
        TAMARIND_USE_FREE_REMOTE_PORT(oPort, remoteSettings);                                                          \
        QVERIFY2(remoteSettings.store(), "the remote port cannot be stored in the settings file");                     \
    } while (false)

// While it lives, "df" reports the root file system as full: a stand-in under
// the root comes first on the PATH, before the environment's.
class TFullDisk
{
public:
    TFullDisk();
    ~TFullDisk();
    bool isReady() const { return mReady; }

private:
    QByteArray mPath;
    bool mReady = false;
};

// The pause the board link keeps between commands, for the whole test
// process. The program keeps the board's own always; a test process starts
// with a short one, since every window or probe controller a test builds sends
// some ninety commands, and a test of the link's pacing restores the board's.
class TBoardLinkPacing
{
public:
    static constexpr int SHORT_PAUSE = 1;
    static void setPause(int pMilliseconds);
    static void restoreBoardPause();
};

// Answers the modal dialog that the code under test is about to open: pads and
// message dialogs run nested event loops, so the answer has to come from a
// timer inside that loop. A dialog that does not appear in time is reported as
// a warning, which fails the test.
class TModalAnswer
{
public:
    static void onNextModal(std::function<void(QWidget*)> pAction, int pTimeoutMs = 5000);
    // Presses and releases the child widget with the object name in the next modal dialog.
    static void clickInNextModal(const QString& pButtonObjectName, int pTimeoutMs = 5000);
    // Presses the button in the modal dialog once that dialog shows it (the
    // copy progress dialog is modal already while it copies, with its button
    // hidden); the dialog's message text goes to oText when one is given.
    static void clickWhenShown(const QString& pButtonObjectName, std::shared_ptr<QString> oText = {},
                               int pTimeoutMs = 5000);
};

// The end of a program a test started (the instrument program, a simulated
// peer), as a script ends it: a terminate, and a kill only when the program
// has not ended within EXIT_GRACE_MS.
class TStartedProgram
{
public:
    // Longer when built with AddressSanitizer or UndefinedBehaviorSanitizer:
    // such a program looks for leaks and writes its report as it exits, and a
    // kill half-way would cut the report the build is run for.
    static const int EXIT_GRACE_MS;
    // Nothing when the program does not run.
    static void end(QProcess& pProcess);
};

#define TAMARIND_TEST_MAIN(TestObject)                                                                                 \
    int main(int argc, char** argv)                                                                                    \
    {                                                                                                                  \
        TTestEnvironment environment;                                                                                  \
        QApplication app(argc, argv);                                                                                  \
        TestObject test;                                                                                               \
        return QTest::qExec(&test, argc, argv);                                                                        \
    }

// A fresh directory for a process's device root, in TMPDIR or else /tmp. One
// that cannot be made ends the process at once, with the directory and the
// reason on standard error. For programs that set up a root of their own.
std::unique_ptr<QTemporaryDir> makeTemporaryRoot();

// Where the build tree lies, for tests that load what the build made
// (the converter library stand-ins, the simulator programs).
QString buildDirectory();
