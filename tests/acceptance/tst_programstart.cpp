#include "commandrunner.h"
#include "deviceroot.h"
#include "fileversionreader.h"
#include "tamarindsettings.h"
#include "testsupport.h"

#include <QDomDocument>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QProcess>
#include <QProcessEnvironment>

#include <algorithm>

// The instrument program as it is shipped, started offscreen under a fresh device root against the simulated board
// as a program of its own, and watched from the outside only: what the board received (the simulator's command log),
// what the program wrote under the root and which system commands it asked for.
class tst_ProgramStart : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void identifiesTheBoard();
    void buildsTheChannelTableBeforeReading();
    void pollsTheMeasuredChannelEveryReadInterval();
    void writesItsSettingsUnderTheRoot();
    void survivesTheBoardGoingSilent();
    void asksForNoSystemCommandButTheStickCheck();
    void carriesItsVersionInItsFile();

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

    QProcess mBoard;
    QProcess mProgram;
};

namespace
{
// The program's read interval, in ms.
constexpr double READ_INTERVAL = 500;
// How far a poll may stray from its time on a loaded machine, in ms.
constexpr double POLL_JITTER = 120;

QString boardLogPath()
{
    return TDeviceRoot::path(QStringLiteral("/var/log/boardsim-commands.log"));
}

QString controlSocketPath()
{
    return TDeviceRoot::path(QStringLiteral("/var/run/boardsim.sock"));
}
} // namespace

void tst_ProgramStart::startProcess(QProcess& pProcess, const QString& pProgram, const QStringList& pArguments,
                                    const QProcessEnvironment& pEnvironment)
{
    pProcess.setProcessEnvironment(pEnvironment);
    pProcess.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    pProcess.setStandardOutputFile(QProcess::nullDevice());
    pProcess.start(pProgram, pArguments);
    QVERIFY2(pProcess.waitForStarted(), qPrintable(pProgram));
}

void tst_ProgramStart::initTestCase()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(TDeviceRoot::ROOT_VARIABLE, TTestEnvironment::root());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    QVERIFY(QDir().mkpath(QFileInfo(controlSocketPath()).absolutePath()));

    const QString build = QStringLiteral(TAMARIND_BUILD_DIR);
    startProcess(mBoard, build + QStringLiteral("/simulator/boardsim"),
                 {QStringLiteral("--log"), boardLogPath(), QStringLiteral("--control"), controlSocketPath()},
                 environment);
    QTRY_VERIFY(QFileInfo::exists(TDeviceRoot::path(QStringLiteral("/dev/ttyO2"))));
    QTRY_VERIFY(QFileInfo::exists(controlSocketPath()));

    startProcess(mProgram, build + QStringLiteral("/application/ZTM8800UI"), {}, environment);
    QTRY_VERIFY_WITH_TIMEOUT(!pollTimes(boardLog()).isEmpty(), 20000);
}

void tst_ProgramStart::cleanupTestCase()
{
    for (QProcess* process : {&mProgram, &mBoard}) {
        if (process->state() == QProcess::NotRunning)
            continue;
        process->terminate();
        if (!process->waitForFinished(5000)) {
            process->kill();
            process->waitForFinished();
        }
    }
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
    socket.connectToServer(controlSocketPath());
    if (!socket.waitForConnected(2000))
        return QStringLiteral("no connection");
    socket.write(pCommand + '\n');
    socket.waitForBytesWritten(2000);
    QByteArray answer;
    while (!answer.contains("OK") && !answer.contains("ERR") && socket.waitForReadyRead(2000))
        answer += socket.readAll();
    return QString::fromUtf8(answer).trimmed();
}

void tst_ProgramStart::identifiesTheBoard()
{
    const QList<TLoggedCommand> log = boardLog();
    QVERIFY(!log.isEmpty());
    QCOMPARE(log.first().mText, QByteArray("*idn?"));
}

void tst_ProgramStart::buildsTheChannelTableBeforeReading()
{
    QList<QByteArray> beforeReading;
    for (const TLoggedCommand& command : boardLog()) {
        if (command.mText == "meas:curr?")
            break;
        beforeReading.append(command.mText);
    }
    // The simulated board has no switch box on its first port, which ends the
    // scan of the ports; then the probe memory is read, custom and default probes.
    QList<QByteArray> expected{"*idn?", "syst:swit:type? 1", "conf:chan?"};
    for (int number = 1; number <= 85; ++number)
        expected << "prob:read? " + QByteArray::number(number);
    QCOMPARE(beforeReading, expected);
}

void tst_ProgramStart::pollsTheMeasuredChannelEveryReadInterval()
{
    QTRY_VERIFY_WITH_TIMEOUT(pollTimes(boardLog()).size() >= 10, 15000);
    const QList<double> polls = pollTimes(boardLog());
    QList<double> intervals;
    for (int index = 1; index < polls.size(); ++index)
        intervals.append(polls.at(index) - polls.at(index - 1));
    // The first interval as well: the read timer starts right after the reading the constructor takes.
    for (const double interval : intervals)
        QVERIFY2(qAbs(interval - READ_INTERVAL) < POLL_JITTER, qPrintable(QString::number(interval)));
    const double mean = (polls.last() - polls.first()) / intervals.size();
    QVERIFY2(qAbs(mean - READ_INTERVAL) < POLL_JITTER / 4, qPrintable(QString::number(mean)));
}

void tst_ProgramStart::writesItsSettingsUnderTheRoot()
{
    QFile file(TDeviceRoot::path(QLatin1String(TTamarindSettings::SETTINGS_FILE_PATH)));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QDomDocument document;
    QVERIFY(document.setContent(&file));
    // The backlight stores the level it starts with.
    QVERIFY(!document.documentElement().firstChildElement(QStringLiteral("brightness")).isNull());
}

// A board that stops answering blocks each command for the link's time-outs; when it answers again the program
// goes on polling at its interval.
void tst_ProgramStart::survivesTheBoardGoingSilent()
{
    QCOMPARE(boardControl("fault silence always"), QStringLiteral("OK"));
    const int commandsAtSilence = boardLog().size();
    // The program keeps trying: the board hears at least two commands it does not answer.
    QTRY_VERIFY_WITH_TIMEOUT(boardLog().size() >= commandsAtSilence + 2, 15000);
    QCOMPARE(boardControl("fault clear"), QStringLiteral("OK"));
    const int pollsAtClear = pollTimes(boardLog()).size();

    QTRY_VERIFY_WITH_TIMEOUT(pollTimes(boardLog()).size() >= pollsAtClear + 4, 30000);
    QCOMPARE(mProgram.state(), QProcess::Running);
    const QList<double> polls = pollTimes(boardLog());
    const double lastInterval = polls.at(polls.size() - 1) - polls.at(polls.size() - 2);
    QVERIFY2(qAbs(lastInterval - READ_INTERVAL) < POLL_JITTER, qPrintable(QString::number(lastInterval)));
}

// Every system command the program asks for is recorded under the root instead of acting on this machine; at
// start-up and while it measures, the only one is the probe for a USB stick.
void tst_ProgramStart::asksForNoSystemCommandButTheStickCheck()
{
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

TAMARIND_TEST_MAIN(tst_ProgramStart)
#include "tst_programstart.moc"
