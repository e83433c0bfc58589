#include "childprocess.h"
#include "deviceroot.h"
#include "loggerfixture.h"
#include "tamarindsettings.h"
#include "testsupport.h"

#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <unistd.h>
#include <vector>

// A test program whose rows do what a careless row would, started by the
// program start test to show that the shared set-up stops them before they
// touch anything outside the test root. Started with --without-root first, it
// runs as a test program not built on the shared set-up.
class tst_CarelessTest : public QObject
{
    Q_OBJECT

private slots:
    // Clears TAMARIND_CARELESS_PATH; the root holds a link "/out" to the
    // folder the root lies in, as a row may make one.
    void clearsWhatItIsTold();
    // Writes a file into a scratch folder named TAMARIND_CARELESS_SCRATCH.
    void writesInAScratchFolder();
    // Writes the device file TAMARIND_CARELESS_PATH.
    void writesADeviceFile();
    // Puts the log file TAMARIND_CARELESS_PATH names; a row that goes on after the put failed ends the process.
    void putsALogfile();
    // Starts the program and its board as the acceptance tests do, says the process numbers ("started <this>
    // <board> <program>") and waits for the signal that ends this process.
    void startsTheProgramAndItsBoard();
    // Leaves a copy of this process as Qt's start of a child does until its go-ahead: forked, waiting on a
    // descriptor only the copy holds, with no death signal. Says "started <this> <copy> <copy>" and waits for the
    // signal that ends this process.
    void leavesACopyWaitingForItsGoAhead();
};

void tst_CarelessTest::clearsWhatItIsTold()
{
    if (!TTestEnvironment::root().isEmpty())
        QVERIFY(QFile::link(QFileInfo(TTestEnvironment::root()).path(), TDeviceRoot::path(QStringLiteral("/out"))));
    QVERIFY(TTestEnvironment::removeUnderRoot(qEnvironmentVariable("TAMARIND_CARELESS_PATH")));
}

void tst_CarelessTest::writesInAScratchFolder()
{
    TAMARIND_SCRATCH_FOLDER(scratch, qEnvironmentVariable("TAMARIND_CARELESS_SCRATCH"));
    QFile written(scratch.filePath(QStringLiteral("written")));
    QVERIFY(written.open(QIODevice::WriteOnly));
}

void tst_CarelessTest::writesADeviceFile()
{
    TAMARIND_WRITE_DEVICE_FILE(qEnvironmentVariable("TAMARIND_CARELESS_PATH"), "written");
}

void tst_CarelessTest::putsALogfile()
{
    const TLoggerFixture fixture;
    TAMARIND_PUT_LOGFILE(fixture, qEnvironmentVariable("TAMARIND_CARELESS_PATH"), "written", 0);
    if (QTest::currentTestFailed())
        qFatal("The row went on after its log file could not be put");
}

void tst_CarelessTest::startsTheProgramAndItsBoard()
{
    TChildProcess board;
    board.setStandardOutputFile(QProcess::nullDevice());
    board.start(buildDirectory() + QStringLiteral("/simulator/boardsim"),
                {QStringLiteral("--control"), TDeviceRoot::path(QStringLiteral("/var/run/boardsim.sock"))});
    QVERIFY(board.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(TDeviceRoot::path(QStringLiteral("/dev/ttyO2"))), 20000);
    quint16 port = 0;
    TAMARIND_STORE_FREE_REMOTE_PORT(port);
    TChildProcess program;
    program.setStandardOutputFile(QProcess::nullDevice());
    program.start(buildDirectory() + QStringLiteral("/application/ZTM8800UI"), QStringList());
    QVERIFY(program.waitForStarted());
    std::printf("started %lld %lld %lld\n", qint64(::getpid()), board.processId(), program.processId());
    std::fflush(stdout);
    QTest::qWait(60000);
    QFAIL("no signal came");
}

void tst_CarelessTest::leavesACopyWaitingForItsGoAhead()
{
    int goAhead[2] = {-1, -1};
    QVERIFY(::pipe(goAhead) == 0);
    const pid_t copy = ::fork();
    if (copy == 0) {
        char byte = 0;
        while (::read(goAhead[0], &byte, 1) != 0) {
        }
        ::_exit(EXIT_FAILURE);
    }
    ::close(goAhead[0]);
    ::close(goAhead[1]);
    QVERIFY(copy > 0);
    std::printf("started %lld %lld %lld\n", qint64(::getpid()), qint64(copy), qint64(copy));
    std::fflush(stdout);
    QTest::qWait(60000);
    QFAIL("no signal came");
}

int main(int argc, char** argv)
{
    std::vector<char*> arguments(argv, argv + argc + 1);
    std::unique_ptr<TTestEnvironment> environment;
    if (argc > 1 && std::strcmp(argv[1], "--without-root") == 0) {
        arguments.erase(arguments.begin() + 1);
        qunsetenv(TDeviceRoot::ROOT_VARIABLE);
    } else {
        environment = std::make_unique<TTestEnvironment>();
    }
    int count = int(arguments.size()) - 1;
    QApplication app(count, arguments.data());
    tst_CarelessTest test;
    return QTest::qExec(&test, count, arguments.data());
}

#include "carelesstest.moc"
