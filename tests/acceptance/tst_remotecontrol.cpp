#include "childprocess.h"
#include "deviceroot.h"
#include "localsocketaddress.h"
#include "tamarindsettings.h"
#include "testsupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QTcpSocket>

#include <memory>

// The shipped program driven over its remote port by the standard clients a
// user would take (a PyVISA session with the pyvisa-py backend, lxi), and over
// the USB device port by the simulated serial host; the simulated board and
// serial hosts run as programs of their own under a fresh device root.
class tst_RemoteControl : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void pyvisaSessionIdentifiesAndControls();
    void pyvisaSessionMeasuresScansAndSwitchesTheUnit();
    void lxiQueriesTheIdentity();
    void readmeSessionRunsAsPrinted();
    void usbHostIsAnsweredOnceTheNetworkClientLetGo();
    void pyvisaSessionLogsListsDownloadsAndErases();
    void readingsStayWithTheirChannelWhenTheBoardRestarts();
    // Leaves its warnings open: the tests after it run with messages at the screen.
    void warningsDuringAScanWaitUntilTheScanEnds();
    void scanEndsWhenItsClientHangsUp();
    // Ends the program: the last test.
    void terminateEndsTheProgramInTheMiddleOfAScan();

private:
    void startProcess(QProcess& pProcess, const QString& pProgram, const QStringList& pArguments);
    void startBoard();
    // A client in remote mode whose scan of ten minutes a channel has begun.
    std::unique_ptr<QTcpSocket> startLongScan();
    static QString serialControl(const QByteArray& pCommand);
    static QString boardControl(const QByteArray& pCommand);
    static QString control(const char* pSocketName, const QByteArray& pCommand);
    static QString controlSocketPath(const char* pName);

    QProcessEnvironment mEnvironment;
    TChildProcess mBoard;
    TChildProcess mSerialHosts;
    TChildProcess mProgram;
    quint16 mPort = 0;
};

namespace
{
// The identity the simulated board gives; the program adds its own fields in between.
const QString IDENTITY_START = QStringLiteral("ZELK,ZTM9900,");
const QString IDENTITY_END = QStringLiteral(",MB19040017,1.32,15/03/2021");
const QString PYTHON = QStringLiteral("/usr/bin/python3");

// A board that was in use: one custom Pt100 in slot 1, as "<slot>,<probe record>".
const QByteArray PROBE_MEMORY = "1,1,Bath A,450.0,-200.0,1,100,3.90830e-03,-5.77500e-07,-4.18300e-12,"
                                "0,0,0,0,0,0,0,0,0,0,0,0,0,0,3,0,0,0,0,2,1,0,2\n";

// A client session as a user writes it: VISA resource, queries, a set command
// with acknowledgement, CR LF as read termination.
const char* PYVISA_SESSION = R"(
import sys, pyvisa
rm = pyvisa.ResourceManager('@py')
inst = rm.open_resource('TCPIP::127.0.0.1::%1::SOCKET', read_termination='\r\n', write_termination='\n', timeout=5000)
print(inst.query('*IDN?'))
print(inst.query('SYST:ACKN 1'))
print(inst.query('SYST:REMO'))
print(inst.query('SYST:CALI?'))
print(inst.query('MEAS:NOTHING'))
print(inst.query('PROB:LIST?'))
print(inst.query('PROB:IDEN 1,Bath B'))
print(inst.query('PROB:IDEN? 1'))
print(inst.query('SYST:LOCA'))
inst.close()
)";

// A log of a second and a half on the instrument, fetched and erased by the client.
const char* PYVISA_LOGGER_SESSION = R"(
import time, pyvisa
rm = pyvisa.ResourceManager('@py')
inst = rm.open_resource('TCPIP::127.0.0.1::%1::SOCKET', read_termination='\r\n', write_termination='\n', timeout=10000)
inst.encoding = 'latin-1'
print(inst.query('SYST:ACKN 1'))
print(inst.query('SYST:REMO'))
print(inst.query('LOGG:RUNN 1'))
time.sleep(1.5)
print(inst.query('LOGG:RUNN 0'))
name = inst.query('LOGG:FILE?')
print(name)
records = inst.query('LOGG:DOWN ' + name).split('\x1e')
print(records[0])
print(records[records.index('') + 1])
print(records[-1].split(';')[2])
print(inst.query('LOGG:ERAS ' + name))
print(inst.query('LOGG:FILE?'))
print(inst.query('SYST:LOCA'))
inst.close()
)";

// Measured values carry the degree sign as a Latin-1 byte: the session reads
// Latin-1 and prints what it got with escapes, so that the byte shows. The
// scan waits its 3 s settle time per channel.
const char* PYVISA_MEASUREMENT_SESSION = R"(
import pyvisa
rm = pyvisa.ResourceManager('@py')
inst = rm.open_resource('TCPIP::127.0.0.1::%1::SOCKET', read_termination='\r\n', write_termination='\n', timeout=20000, encoding='latin-1')
def show(text):
    print(text.encode('unicode_escape').decode('ascii'))
show(inst.query('SYST:ACKN 1'))
show(inst.query('SYST:REMO'))
show(inst.query('CONF:CHAN 1'))
show(inst.query('MEAS:CURR?'))
show(inst.query('CONF:CHAN:UNIT 3'))
show(inst.query('CONF:CHAN:UNIT?'))
show(inst.query('MEASURE:CURRENT?'))
show(inst.query('MEAS:SCAN? 3,(@1,2)'))
show(inst.read())
show(inst.query('CONF:CHAN?'))
show(inst.query('CONF:CHAN 1'))
show(inst.query('CONF:CHAN:UNIT 1'))
show(inst.query('SYST:LOCA'))
inst.close()
)";
// A command of remote mode sent in local mode, then the same client in remote mode.
const char* PYVISA_LOCAL_MODE_SESSION = R"(
import pyvisa
inst = pyvisa.ResourceManager('@py').open_resource('TCPIP::127.0.0.1::%1::SOCKET', read_termination='\r\n',
    write_termination='\n', timeout=10000)
inst.write('CONF:CHAN 1')
print(inst.query('SYST:REMO'))
print(inst.query('CONF:CHAN?'))
print(inst.query('CONF:CHAN 1'))
print(inst.query('SYST:LOCA'))
inst.close()
)";

// The PyVISA session the README prints for remote control: the lines between its here-document's markers, without
// the indentation of the README's code block; empty when the README has no such session.
QString readmeSession()
{
    QFile readme(QStringLiteral(TAMARIND_SOURCE_DIR "/README.md"));
    if (!readme.open(QIODevice::ReadOnly | QIODevice::Text))
        return QString();
    const QStringList lines = QString::fromUtf8(readme.readAll()).split(QLatin1Char('\n'));
    const int start = int(lines.indexOf(QStringLiteral("    /usr/bin/python3 - <<'EOF'")));
    const int end = int(lines.indexOf(QStringLiteral("    EOF"), start));
    if (start < 0 || end < 0)
        return QString();
    QString session;
    for (const QString& line : lines.mid(start + 1, end - start - 1))
        session += line.mid(4) + QLatin1Char('\n');
    return session;
}
} // namespace

QString tst_RemoteControl::controlSocketPath(const char* pName)
{
    return TDeviceRoot::path(QStringLiteral("/var/run/") + QLatin1String(pName));
}

void tst_RemoteControl::startProcess(QProcess& pProcess, const QString& pProgram, const QStringList& pArguments)
{
    pProcess.setProcessEnvironment(mEnvironment);
    pProcess.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    pProcess.setStandardOutputFile(QProcess::nullDevice());
    pProcess.start(pProgram, pArguments);
    QVERIFY2(pProcess.waitForStarted(), qPrintable(pProgram));
}

void tst_RemoteControl::startBoard()
{
    startProcess(mBoard, QStringLiteral(TAMARIND_BUILD_DIR "/simulator/boardsim"),
                 {QStringLiteral("--control"), controlSocketPath("boardsim.sock"), QStringLiteral("--probes"),
                  TTestEnvironment::root() + QStringLiteral("/probes.txt"), QStringLiteral("--keep-probes")});
}

QString tst_RemoteControl::boardControl(const QByteArray& pCommand)
{
    return control("boardsim.sock", pCommand);
}

QString tst_RemoteControl::serialControl(const QByteArray& pCommand)
{
    return control("serialhost.sock", pCommand);
}

QString tst_RemoteControl::control(const char* pSocketName, const QByteArray& pCommand)
{
    QLocalSocket socket;
    QString problem;
    if (!TLocalSocketAddress::connect(socket, controlSocketPath(pSocketName), 2000, &problem))
        return QStringLiteral("no connection: ") + problem;
    socket.write(pCommand + '\n');
    socket.waitForBytesWritten(2000);
    QByteArray answer;
    while (socket.waitForReadyRead(300))
        answer += socket.readAll();
    return QString::fromUtf8(answer).trimmed();
}

void tst_RemoteControl::initTestCase()
{
    mEnvironment = QProcessEnvironment::systemEnvironment();
    mEnvironment.insert(TDeviceRoot::ROOT_VARIABLE, TTestEnvironment::root());
    mEnvironment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    QVERIFY(QDir().mkpath(QFileInfo(controlSocketPath("boardsim.sock")).absolutePath()));

    // A free port of this machine in the settings the program starts with.
    TAMARIND_STORE_FREE_REMOTE_PORT(mPort);

    const QString build = QStringLiteral(TAMARIND_BUILD_DIR);
    TAMARIND_WRITE_DEVICE_FILE(QStringLiteral("/probes.txt"), PROBE_MEMORY);
    startBoard();
    startProcess(mSerialHosts, build + QStringLiteral("/simulator/serialhost"),
                 {QStringLiteral("--option-board"), QStringLiteral("rs232"), QStringLiteral("--control"),
                  controlSocketPath("serialhost.sock")});
    QTRY_VERIFY(QFileInfo::exists(TDeviceRoot::path(QStringLiteral("/dev/ttyO2"))));
    QTRY_VERIFY(QFileInfo::exists(TDeviceRoot::path(QStringLiteral("/dev/ttyGS0"))));
    QTRY_VERIFY(QFileInfo::exists(controlSocketPath("serialhost.sock")));

    startProcess(mProgram, build + QStringLiteral("/application/ZTM8800UI"), {});
    QTRY_VERIFY_WITH_TIMEOUT(
        [this] {
            QTcpSocket client;
            client.connectToHost(QHostAddress::LocalHost, mPort);
            return client.waitForConnected(200);
        }(),
        20000);
}

void tst_RemoteControl::cleanupTestCase()
{
    for (QProcess* process : {&mProgram, &mSerialHosts, &mBoard})
        TStartedProgram::end(*process);
}

void tst_RemoteControl::pyvisaSessionIdentifiesAndControls()
{
    TChildProcess client;
    client.start(PYTHON, {QStringLiteral("-c"), QString::fromLatin1(PYVISA_SESSION).arg(mPort)});
    QVERIFY(client.waitForFinished(30000));
    const QString errors = QString::fromUtf8(client.readAllStandardError());
    QCOMPARE(client.exitCode(), 0);
    const QStringList lines = QString::fromUtf8(client.readAllStandardOutput()).split(QLatin1Char('\n'));
    QVERIFY2(lines.size() >= 9, qPrintable(errors));
    QVERIFY2(lines.at(0).startsWith(IDENTITY_START) && lines.at(0).endsWith(IDENTITY_END), qPrintable(lines.at(0)));
    QCOMPARE(lines.at(0).count(QLatin1Char(',')), 8);
    QCOMPARE(lines.mid(1, 8),
             (QStringList{"ACK", "ACK", "1", "E4", "1:Bath A,81:PT100 3-wire,82:PT100 4-wire,83:PT25 4-wire", "ACK",
                          "Bath B", "ACK"}));
    // The board keeps the new name for its next start, as ./run.sh runs it.
    QTRY_VERIFY2(TTestEnvironment::readDeviceFile(QStringLiteral("/probes.txt")).contains("\n1,1,Bath B,"),
                 TTestEnvironment::readDeviceFile(QStringLiteral("/probes.txt")).constData());
}

void tst_RemoteControl::pyvisaSessionMeasuresScansAndSwitchesTheUnit()
{
    TChildProcess client;
    client.start(PYTHON, {QStringLiteral("-c"), QString::fromLatin1(PYVISA_MEASUREMENT_SESSION).arg(mPort)});
    QVERIFY(client.waitForFinished(60000));
    const QString errors = QString::fromUtf8(client.readAllStandardError());
    QVERIFY2(client.exitCode() == 0, qPrintable(errors));
    const QStringList lines = QString::fromUtf8(client.readAllStandardOutput()).split(QLatin1Char('\n'));
    QVERIFY2(lines.size() >= 13, qPrintable(errors));
    // The simulated board holds input 1 at 23 degrees Celsius; input 2 ramps.
    const QRegularExpression celsius1(QStringLiteral("^1\\d\\d\\.\\d{5}R,23\\.0000\\\\xb0C$"));
    const QRegularExpression kelvin1(QStringLiteral("^1\\d\\d\\.\\d{5}R,296\\.1500K$"));
    const QRegularExpression celsius2(QStringLiteral("^1\\d\\d\\.\\d{5}R,\\d+\\.\\d{4}\\\\xb0C$"));
    QCOMPARE(lines.mid(0, 3), (QStringList{"ACK", "ACK", "ACK"}));
    QVERIFY2(celsius1.match(lines.at(3)).hasMatch(), qPrintable(lines.at(3)));
    QCOMPARE(lines.mid(4, 2), (QStringList{"ACK", "3"}));
    QVERIFY2(kelvin1.match(lines.at(6)).hasMatch(), qPrintable(lines.at(6)));
    QVERIFY2(kelvin1.match(lines.at(7)).hasMatch(), qPrintable(lines.at(7)));
    QVERIFY2(celsius2.match(lines.at(8)).hasMatch(), qPrintable(lines.at(8)));
    QCOMPARE(lines.mid(9, 4), (QStringList{"2", "ACK", "ACK", "ACK"}));
}

void tst_RemoteControl::lxiQueriesTheIdentity()
{
    TChildProcess client;
    client.start(QStringLiteral("lxi"),
                 {QStringLiteral("scpi"), QStringLiteral("-a"), QStringLiteral("127.0.0.1"), QStringLiteral("-p"),
                  QString::number(mPort), QStringLiteral("-r"), QStringLiteral("*IDN?")});
    QVERIFY2(client.waitForFinished(30000), "lxi did not finish");
    QCOMPARE(client.exitCode(), 0);
    const QString reply = QString::fromUtf8(client.readAllStandardOutput()).trimmed();
    QVERIFY2(reply.startsWith(IDENTITY_START) && reply.endsWith(IDENTITY_END), qPrintable(reply));
}

// A newcomer copies the README's session as it stands: it must run against the shipped program (on the port of this
// test) and show the measured channel, degree sign and all, then the channel it selected.
void tst_RemoteControl::readmeSessionRunsAsPrinted()
{
    QString session = readmeSession();
    QVERIFY2(session.contains(QLatin1String("::3000::")), qPrintable(session));
    session.replace(QLatin1String("::3000::"), QStringLiteral("::%1::").arg(mPort));
    TChildProcess client;
    client.start(PYTHON, {QStringLiteral("-")});
    client.write(session.toUtf8());
    client.closeWriteChannel();
    QVERIFY(client.waitForFinished(60000));
    const QString errors = QString::fromUtf8(client.readAllStandardError());
    QVERIFY2(client.exitCode() == 0, qPrintable(errors));
    const QStringList lines = QString::fromUtf8(client.readAllStandardOutput()).split(QLatin1Char('\n'));
    QVERIFY2(lines.size() >= 6, qPrintable(errors));
    const QRegularExpression celsius1(QStringLiteral("^1\\d\\d\\.\\d{5}R,23\\.0000\u00B0C$"));
    QCOMPARE(lines.mid(0, 2), (QStringList{"ACK", "ACK"}));
    QVERIFY2(celsius1.match(lines.at(2)).hasMatch(), qPrintable(lines.at(2)));
    QCOMPARE(lines.mid(3, 3), (QStringList{"ACK", "2", "ACK"}));
    // The session ends in local mode, where the instrument ignores a command it takes only in remote mode, without
    // a reply, as the README says; the acknowledgements stay on.
    TChildProcess check;
    check.start(PYTHON, {QStringLiteral("-c"), QString::fromLatin1(PYVISA_LOCAL_MODE_SESSION).arg(mPort)});
    QVERIFY(check.waitForFinished(30000));
    QVERIFY2(check.exitCode() == 0, check.readAllStandardError().constData());
    QCOMPARE(QString::fromUtf8(check.readAllStandardOutput()).trimmed().split(QLatin1Char('\n')),
             (QStringList{"ACK", "2", "ACK", "ACK"}));
}

void tst_RemoteControl::usbHostIsAnsweredOnceTheNetworkClientLetGo()
{
    QCOMPARE(serialControl("send usb *IDN?"), QStringLiteral("ok"));
    QString reply;
    QTRY_VERIFY_WITH_TIMEOUT((reply += serialControl("read usb")).contains(IDENTITY_END), 10000);
    QVERIFY2(reply.trimmed().startsWith(IDENTITY_START), qPrintable(reply));
}

void tst_RemoteControl::pyvisaSessionLogsListsDownloadsAndErases()
{
    TChildProcess client;
    client.start(PYTHON, {QStringLiteral("-c"), QString::fromLatin1(PYVISA_LOGGER_SESSION).arg(mPort)});
    QVERIFY(client.waitForFinished(30000));
    const QString errors = QString::fromUtf8(client.readAllStandardError());
    QVERIFY2(client.exitCode() == 0, qPrintable(errors));
    const QStringList lines = QString::fromLatin1(client.readAllStandardOutput()).split(QLatin1Char('\n'));
    QVERIFY2(lines.size() >= 11, qPrintable(errors));
    QCOMPARE(lines.mid(0, 4), (QStringList{"ACK", "ACK", "ACK", "ACK"}));
    QVERIFY2(QRegularExpression(QStringLiteral("^\\d{8}_\\d{9}$")).match(lines.at(4)).hasMatch(),
             qPrintable(lines.at(4)));
    QCOMPARE(lines.at(5), QStringLiteral("ZTM9900"));
    QCOMPARE(lines.at(6), QStringLiteral("Date;Time;Channel;Temperature value;Unit;Raw value;Unit;"
                                         "Temperature difference;Unit;Raw value difference;Unit"));
    QCOMPARE(lines.at(7), QStringLiteral("Channel 1"));
    QCOMPARE(lines.mid(8, 3), (QStringList{"ACK", "E12", "ACK"}));
    QVERIFY(QDir(TDeviceRoot::path(QStringLiteral("/home/Logfiles"))).entryList(QDir::Files).isEmpty());
}

// The board restarts while the client measures input 2: the restarted board
// measures its input 1 until it is told otherwise, and the program must tell it
// before it reads again, or input 1's value goes out as input 2's.
void tst_RemoteControl::readingsStayWithTheirChannelWhenTheBoardRestarts()
{
    const QRegularExpression temperature(QStringLiteral("^[0-9.]+R,([0-9.]+)\u00B0C$"));
    QTcpSocket client;
    client.connectToHost(QHostAddress::LocalHost, mPort);
    QVERIFY(client.waitForConnected(5000));
    const auto query = [&client](const QByteArray& pCommand) {
        client.write(pCommand + '\n');
        QByteArray reply;
        while (!reply.endsWith("\r\n") && client.waitForReadyRead(30000))
            reply += client.readAll();
        return QString::fromLatin1(reply).trimmed();
    };
    const auto input2Read = [&](const QString& pReply) {
        const QRegularExpressionMatch match = temperature.match(pReply);
        return match.hasMatch() && qAbs(match.captured(1).toDouble() - 42.59) < 0.005;
    };
    const auto setInputs = [] {
        return boardControl("temp 1 22.59") == QLatin1String("OK") &&
               boardControl("temp 2 42.59") == QLatin1String("OK");
    };
    QVERIFY(setInputs());
    QCOMPARE(query("SYST:ACKN 1"), QStringLiteral("ACK"));
    QCOMPARE(query("SYST:REMO"), QStringLiteral("ACK"));
    QCOMPARE(query("CONF:CHAN 2"), QStringLiteral("ACK"));
    const QString before = query("MEAS:CURR?");
    QVERIFY2(input2Read(before), qPrintable(before));

    mBoard.terminate();
    QVERIFY(mBoard.waitForFinished(TStartedProgram::EXIT_GRACE_MS));
    startBoard();
    QTRY_VERIFY_WITH_TIMEOUT(setInputs(), 10000);
    // The first reading after the restart may find the line that hung up.
    QString reply;
    QTRY_VERIFY_WITH_TIMEOUT((reply = query("MEAS:CURR?")) != QLatin1String("E14"), 20000);
    for (int reading = 0; reading < 5; ++reading) {
        QVERIFY2(input2Read(reply), qPrintable(QStringLiteral("reading %1: %2").arg(reading).arg(reply)));
        reply = query("MEAS:CURR?");
    }
    QCOMPARE(query("CONF:CHAN?"), QStringLiteral("2"));
    QCOMPARE(query("CONF:CHAN 1"), QStringLiteral("ACK"));
    QCOMPARE(query("SYST:LOCA"), QStringLiteral("ACK"));
}

// A SMART probe whose calibration is due turns up while a scan measures its
// input, and later a probe leaves its range in the same way. Nobody is at the
// instrument: each warning must wait until the remote command is over, or the
// scan and every client after it wait for somebody to close it, but no longer,
// or a client that keeps a command queued keeps it away for good. Only the
// probe alarm shows from the outside: its buzzer sounds at once, and its
// message sounds it again as it opens.
void tst_RemoteControl::warningsDuringAScanWaitUntilTheScanEnds()
{
    const QString buzzer = QStringLiteral("/sys/class/gpio/gpio7/value");
    TAMARIND_WRITE_DEVICE_FILE(buzzer, "0");
    QTcpSocket client;
    client.connectToHost(QHostAddress::LocalHost, mPort);
    QVERIFY(client.waitForConnected(5000));
    QByteArray received;
    const auto exchange = [&](const QByteArray& pLines, int pReplies) {
        received.clear();
        client.write(pLines);
        QElapsedTimer waited;
        waited.start();
        while (received.count("\r\n") < pReplies && waited.elapsed() < 60000)
            if (client.waitForReadyRead(100))
                received += client.readAll();
        return QString::fromLatin1(received).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    };
    const QRegularExpression entry(QStringLiteral("^\\d+\\.\\d{5}R,(\\d+)\\.\\d{4}\u00B0C$"));
    const auto temperature = [&entry](const QString& pReply) {
        const QRegularExpressionMatch match = entry.match(pReply);
        return match.hasMatch() ? match.captured(1) : pReply;
    };
    QCOMPARE(exchange("syst:ackn 1\rsyst:remo\r", 2), (QStringList{"ACK", "ACK"}));
    QCOMPARE(boardControl("smart 2 cvd"), QStringLiteral("OK"));

    QStringList replies = exchange("meas:scan? 3,(@1,2,1)\r*idn?\r", 4);
    QVERIFY2(replies.size() == 4, received.constData());
    for (const QString& reply : replies.mid(0, 3))
        QVERIFY2(entry.match(reply).hasMatch(), qPrintable(reply));
    QVERIFY2(replies.at(3).startsWith(IDENTITY_START), qPrintable(replies.at(3)));

    // The calibration warning is open now. Input 1 is not polled until the
    // scan measures it; its probe is good up to 450 degrees Celsius. The
    // client keeps two more scans queued behind the first; they measure
    // input 2 only, where nothing sounds the buzzer.
    QCOMPARE(exchange("conf:chan 3\r", 1), QStringList{"ACK"});
    QCOMPARE(boardControl("temp 1 500"), QStringLiteral("OK"));
    replies = exchange("meas:scan? 3,(@1,2)\rmeas:scan? 3,(@2)\rmeas:scan? 3,(@2)\r", 1);
    QVERIFY2(replies.size() == 1, received.constData());
    QCOMPARE(temperature(replies.at(0)), QStringLiteral("500"));
    QCOMPARE(TTestEnvironment::readDeviceFile(buzzer), QByteArray("1"));
    // Input 2 takes the first scan three seconds more, and the second scan
    // answers three seconds after it began: the message has opened by then.
    TAMARIND_WRITE_DEVICE_FILE(buzzer, "0");
    replies = exchange(QByteArray(), 2);
    QVERIFY2(replies.size() == 2, received.constData());
    QCOMPARE(TTestEnvironment::readDeviceFile(buzzer), QByteArray("1"));
    QCOMPARE(exchange(QByteArray(), 1).size(), 1);

    // Clients are still served with the messages open.
    QVERIFY2(exchange("*idn?\r", 1).value(0).endsWith(IDENTITY_END), received.constData());
    QCOMPARE(TTestEnvironment::readDeviceFile(buzzer), QByteArray("1"));
    QCOMPARE(boardControl("temp 1 23"), QStringLiteral("OK"));
}

std::unique_ptr<QTcpSocket> tst_RemoteControl::startLongScan()
{
    auto client = std::make_unique<QTcpSocket>();
    client->connectToHost(QHostAddress::LocalHost, mPort);
    if (!client->waitForConnected(5000))
        return nullptr;
    // The scan answers the missing channel 99 at once: then it waits on channel 1.
    client->write("syst:remo\rmeas:scan? 600,(@99,1,2)\r");
    QByteArray received;
    QElapsedTimer waited;
    waited.start();
    while (!received.contains("E14\r\n") && waited.elapsed() < 20000)
        if (client->waitForReadyRead(100))
            received += client->readAll();
    if (!received.contains("E14\r\n"))
        return nullptr;
    return client;
}

void tst_RemoteControl::scanEndsWhenItsClientHangsUp()
{
    auto scanning = startLongScan();
    QVERIFY(scanning);
    scanning->disconnectFromHost();
    QTcpSocket next;
    next.connectToHost(QHostAddress::LocalHost, mPort);
    QVERIFY(next.waitForConnected(5000));
    next.write("*idn?\r");
    QByteArray reply;
    QTRY_VERIFY_WITH_TIMEOUT((reply += next.readAll()).endsWith(IDENTITY_END.toLatin1() + "\r\n"), 10000);
}

void tst_RemoteControl::terminateEndsTheProgramInTheMiddleOfAScan()
{
    auto scanning = startLongScan();
    QVERIFY(scanning);
    mProgram.terminate();
    QTRY_COMPARE_WITH_TIMEOUT(mProgram.state(), QProcess::NotRunning, TStartedProgram::EXIT_GRACE_MS);
    QCOMPARE(mProgram.exitStatus(), QProcess::NormalExit);
    QCOMPARE(mProgram.exitCode(), 0);
}

TAMARIND_TEST_MAIN(tst_RemoteControl)
#include "tst_remotecontrol.moc"
