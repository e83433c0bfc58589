// The far ends of the instrument's remote serial lines as a program of its own,
// for ./run.sh and for tests against the real instrument program: a host on
// the USB device port and, on "/dev/ttyO1", a host on the RS-232 board or the
// IEEE-488 board's converter. See simulator/README.md.

#include "boardcontrolserver.h"
#include "deviceroot.h"
#include "programsupport.h"
#include "serialhostpeer.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

#include <map>
#include <memory>

namespace
{
constexpr const char* USB_DEVICE_PORT = "/dev/ttyGS0";
constexpr const char* OPTION_BOARD_PORT = "/dev/ttyO1";

// What the board's GPIO lines say about the option board: gpio20 "1" when one
// is fitted, gpio82 "1" for RS-232, "0" for IEEE-488.
// False, with the system's reason in oError, when a file cannot be written.
bool writeOptionBoardLines(const QString& pBoard, QString& oError)
{
    const QString fitted = pBoard == QLatin1String("none") ? QStringLiteral("0") : QStringLiteral("1");
    const QString kind = pBoard == QLatin1String("ieee488") ? QStringLiteral("0") : QStringLiteral("1");
    for (const auto& line : {std::make_pair("/sys/class/gpio/gpio20/value", fitted),
                             std::make_pair("/sys/class/gpio/gpio82/value", kind)}) {
        const QString path = TDeviceRoot::path(QLatin1String(line.first));
        if (!PeerProgram::makeFolder(QFileInfo(path).absolutePath(), oError))
            return false;
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(line.second.toLatin1() + '\n') < 0 ||
            !file.flush()) {
            oError = QStringLiteral("cannot write %1 (%2)").arg(path, file.errorString());
            return false;
        }
    }
    return true;
}

// Received bytes as readable text: CR LF as line breaks, other control and
// 8-bit bytes as \xHH.
QString readable(const QByteArray& pBytes)
{
    QString text;
    for (char c : pBytes) {
        const auto byte = quint8(c);
        if (byte == '\n')
            text += QLatin1Char('\n');
        else if (byte >= 0x20 && byte < 0x7F)
            text += QLatin1Char(c);
        else if (byte != '\r')
            text += QStringLiteral("\\x%1").arg(byte, 2, 16, QLatin1Char('0'));
    }
    return text;
}

class TSerialHosts
{
public:
    TSerialHosts(bool pConverter)
    {
        mPeers[QStringLiteral("usb")] = {std::make_unique<TSerialHostPeer>(), QLatin1String(USB_DEVICE_PORT)};
        mPeers[QStringLiteral("option")] = {
            std::make_unique<TSerialHostPeer>(pConverter ? TSerialHostPeer::rIEEEConverter : TSerialHostPeer::rHost),
            QLatin1String(OPTION_BOARD_PORT)};
    }

    // Both lines, before anything of the running peer's (its GPIO lines among them) is touched.
    static bool takeLines(QString& oError)
    {
        for (const char* port : {USB_DEVICE_PORT, OPTION_BOARD_PORT})
            if (!PeerProgram::takeLine(TDeviceRoot::path(QLatin1String(port)), oError))
                return false;
        return true;
    }

    bool start(QString& oError)
    {
        for (auto& peer : mPeers)
            if (!peer.second.first->start(TDeviceRoot::path(peer.second.second), oError))
                return false;
        return true;
    }

    QStringList execute(const QString& pLine)
    {
        const QString command = pLine.section(QLatin1Char(' '), 0, 0);
        const QString line = pLine.section(QLatin1Char(' '), 1, 1);
        const QString text = pLine.section(QLatin1Char(' '), 2);
        if (command == QLatin1String("help"))
            return {QStringLiteral("send usb|option <text>   the host sends the text and CR LF"),
                    QStringLiteral("read usb|option          what the instrument sent since the last read"),
                    QStringLiteral("frames                   the set-address frames the converter received"),
                    QStringLiteral("hangup usb|option        the line goes away"),
                    QStringLiteral("reconnect usb|option     the line comes back"),
                    QStringLiteral(
                        "pace usb|option <bytes>  the host reads at most this every 20 ms (0: nothing, -1: all)"),
                    QStringLiteral("board none|rs232|ieee488 the option board the next program start finds")};
        if (command == QLatin1String("frames")) {
            QStringList frames;
            for (const auto& frame : mPeers.at(QStringLiteral("option")).first->addressFrames())
                frames << QStringLiteral("%1 %2 %3")
                              .arg(frame.mValid ? QStringLiteral("address %1").arg(frame.mAddress)
                                                : QStringLiteral("invalid"),
                                   QString::fromLatin1(frame.mBytes.toHex(' ')))
                              .arg(frame.mArrivalMs);
            return frames.isEmpty() ? QStringList{QStringLiteral("no frames")} : frames;
        }
        if (command == QLatin1String("board")) {
            QString error;
            return {writeOptionBoardLines(line, error) ? QStringLiteral("ok") : QStringLiteral("error: ") + error};
        }
        const auto peer = mPeers.find(line);
        if (peer == mPeers.end())
            return {QStringLiteral("error: unknown line, try help")};
        TSerialHostPeer& host = *peer->second.first;
        if (command == QLatin1String("send"))
            return {host.send(text.toLatin1() + "\r\n") ? QStringLiteral("ok") : QStringLiteral("error: line down")};
        if (command == QLatin1String("read"))
            return {readable(host.takeReceived())};
        if (command == QLatin1String("hangup")) {
            host.hangUp();
            return {QStringLiteral("ok")};
        }
        if (command == QLatin1String("pace")) {
            bool number = false;
            const int bytes = text.toInt(&number);
            if (!number)
                return {QStringLiteral("error: pace takes a number of bytes")};
            host.setReadPace(bytes);
            return {QStringLiteral("ok")};
        }
        if (command == QLatin1String("reconnect")) {
            QString error;
            return {host.start(TDeviceRoot::path(peer->second.second), error) ? QStringLiteral("ok")
                                                                              : QStringLiteral("error: ") + error};
        }
        return {QStringLiteral("error: unknown command, try help")};
    }

private:
    std::map<QString, std::pair<std::unique_ptr<TSerialHostPeer>, QString>> mPeers;
};
} // namespace

int main(int argc, char* argv[])
{
    if (!TDeviceRoot::checkRootVariable("serialhost"))
        return 2;
    TDeviceRoot::prepareRuntimeDirectory();
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("serialhost"));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Simulated hosts on the instrument's remote serial lines, on pseudo-terminals."));
    parser.addHelpOption();
    const QCommandLineOption board(QStringLiteral("option-board"),
                                   QStringLiteral("The option board the GPIO lines report: none, rs232 (default) or "
                                                  "ieee488 (the line then ends at the converter)."),
                                   QStringLiteral("kind"), QStringLiteral("rs232"));
    const QCommandLineOption control(QStringLiteral("control"),
                                     QStringLiteral("Serve the control commands on this local socket."),
                                     QStringLiteral("path"));
    const QCommandLineOption standardInput(QStringLiteral("stdin"),
                                           QStringLiteral("Read control commands from standard input."));
    parser.addOptions({board, control, standardInput});
    parser.process(application);

    QTextStream out(stdout);
    QTextStream err(stderr);
    // Its links would replace the machine's own serial devices.
    if (!TDeviceRoot::isSimulated()) {
        err << "serialhost: set TAMARIND_ROOT; it links no device of this machine.\n";
        return 2;
    }
    const QString kind = parser.value(board);
    if (kind != QLatin1String("none") && kind != QLatin1String("rs232") && kind != QLatin1String("ieee488")) {
        err << "serialhost: --option-board takes none, rs232 or ieee488.\n";
        return 2;
    }
    QString error;
    if (!TSerialHosts::takeLines(error)) {
        err << "serialhost: " << error << "\n";
        return 1;
    }
    if (!writeOptionBoardLines(kind, error)) {
        err << "serialhost: cannot write the GPIO files under the root: " << error << "\n";
        return 1;
    }
    TSerialHosts hosts(kind == QLatin1String("ieee488"));
    if (!hosts.start(error)) {
        err << "serialhost: " << error << "\n";
        return 1;
    }
    out << "serialhost: hosts on " << TDeviceRoot::path(QLatin1String(USB_DEVICE_PORT)) << " and "
        << TDeviceRoot::path(QLatin1String(OPTION_BOARD_PORT)) << " (option board: " << kind << ")" << Qt::endl;

    const auto interpreter = [&hosts](const QString& pLine) { return hosts.execute(pLine); };
    TBoardControlServer server(interpreter);
    if (parser.isSet(control)) {
        if (!server.listen(parser.value(control), error)) {
            err << "serialhost: cannot serve control commands on " << parser.value(control) << ": " << error << "\n";
            return 1;
        }
        out << "serialhost: control commands on " << server.socketPath() << " (try: help)" << Qt::endl;
    }
    if (parser.isSet(standardInput))
        PeerProgram::serveControlOnStandardInput(&application, interpreter);
    PeerProgram::quitOnTerminationSignals(application);
    return application.exec();
}
