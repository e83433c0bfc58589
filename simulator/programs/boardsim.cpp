// The simulated measurement board as a program of its own, for ./run.sh and for
// tests against the real instrument program. See simulator/README.md.

#include "boardcontrolinterpreter.h"
#include "boardcontrolserver.h"
#include "boardsimulator.h"
#include "deviceroot.h"
#include "programsupport.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTextStream>
#include <QTimer>

#include <functional>
#include <memory>

namespace
{
// Appends every command the board received to the log, one line each: the arrival time in milliseconds
// on the monotonic clock, a blank and the command text ("?" for a frame whose CRC failed). Frames are
// collected from the board's record, which keeps its newest frames, often enough that none is missed.
class TReceivedCommandLog
{
public:
    static constexpr int COLLECT_INTERVAL = 100;

    TReceivedCommandLog(const TBoardSimulator& pSimulator, const QString& pPath) : mSimulator(pSimulator), mFile(pPath)
    {
        QObject::connect(&mTimer, &QTimer::timeout, [this]() { collect(); });
    }

    // False, with the system's reason in oError, when the log cannot be opened.
    bool open(QString& oError)
    {
        if (!PeerProgram::makeFolder(QFileInfo(mFile.fileName()).absolutePath(), oError))
            return false;
        if (!mFile.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text)) {
            oError = mFile.errorString();
            return false;
        }
        mTimer.start(COLLECT_INTERVAL);
        return true;
    }

    void collect()
    {
        for (const TReceivedFrame& frame : mSimulator.receivedFrames()) {
            if (frame.mArrivalNs <= mLastLoggedNs)
                continue;
            mLastLoggedNs = frame.mArrivalNs;
            const QByteArray text = frame.mChecksumValid ? frame.mText : QByteArray("?");
            mFile.write(QByteArray::number(double(frame.mArrivalNs) / 1e6, 'f', 3) + ' ' + text + '\n');
        }
        mFile.flush();
    }

private:
    const TBoardSimulator& mSimulator;
    QFile mFile;
    QTimer mTimer;
    qint64 mLastLoggedNs = 0;
};

// Writes the probe memory back to its file whenever the program has changed it, as the board keeps it over a
// restart, and once more at the end. Each write replaces the file whole, so a run stopped in between leaves the
// last memory or the one before, never a part of one.
class TProbeMemoryKeeper
{
public:
    static constexpr int CHECK_INTERVAL = 200;

    TProbeMemoryKeeper(TBoardSimulator& pSimulator, const QString& pPath) : mSimulator(pSimulator), mPath(pPath)
    {
        // What the file gave is there already; its comments stay until the first change.
        mWritten = current();
        QObject::connect(&mTimer, &QTimer::timeout, [this]() { save(); });
        mTimer.start(CHECK_INTERVAL);
    }

    void save()
    {
        const QString lines = current();
        if (lines == mWritten)
            return;
        QSaveFile file(mPath);
        const QByteArray header = "# The probe slots of the simulated board that differ from a new board's, as "
                                  "\"<slot>,<probe record>\" lines;\n# boardsim --keep-probes writes them back here "
                                  "whenever the program changes one.\n";
        if (!file.open(QIODevice::WriteOnly) || file.write(header + lines.toUtf8()) < 0 || !file.commit()) {
            if (!mFailed)
                QTextStream(stderr) << "boardsim: cannot write the probe memory to " << mPath << ": "
                                    << file.errorString() << "\n";
            mFailed = true;
            return;
        }
        mFailed = false;
        mWritten = lines;
    }

private:
    QString current()
    {
        QString lines;
        mSimulator.withState([&lines](TBoardState& pState) { lines = pState.mProbeMemory.changedSlots(); });
        return lines;
    }

    TBoardSimulator& mSimulator;
    const QString mPath;
    QTimer mTimer;
    QString mWritten;
    bool mFailed = false;
};
} // namespace

// Calls pApply with each line of the file that is neither empty nor a comment
// line ("#" first); stops at the first line it refuses, with the reason.
bool forEachLine(const QString& pPath, const std::function<bool(const QString& pLine, QString& oReason)>& pApply,
                 QString& oError)
{
    QFile file(pPath);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        oError = QStringLiteral("cannot read %1").arg(pPath);
        return false;
    }
    int lineNumber = 0;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        ++lineNumber;
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        QString reason;
        if (!pApply(line, reason)) {
            oError = QStringLiteral("%1:%2: %3").arg(pPath).arg(lineNumber).arg(reason);
            return false;
        }
    }
    return true;
}

// A board that was in use holds custom probes: each line numbers a slot and gives its record.
bool fillProbeMemory(TBoardSimulator& pSimulator, const QString& pPath, QString& oError)
{
    return forEachLine(
        pPath,
        [&pSimulator](const QString& pLine, QString& oReason) {
            const int comma = pLine.indexOf(QLatin1Char(','));
            bool ok = false;
            const int number = pLine.left(comma).toInt(&ok);
            bool filled = false;
            pSimulator.withState([&](TBoardState& pState) {
                filled = ok && comma > 0 && pState.mProbeMemory.fillSlot(number, pLine.mid(comma + 1));
            });
            oReason = QStringLiteral("not a slot number and probe record");
            return filled;
        },
        oError);
}

// Control commands run before the link appears, so that the program finds
// the switch boxes and sensors at its start.
bool runSetup(TBoardSimulator& pSimulator, const QString& pPath, QString& oError)
{
    TBoardControlInterpreter interpreter(pSimulator);
    return forEachLine(
        pPath,
        [&interpreter](const QString& pLine, QString& oReason) {
            const QStringList replies = interpreter.execute(pLine);
            oReason = replies.isEmpty() ? QString() : replies.last();
            return !oReason.startsWith(QLatin1String("ERR"));
        },
        oError);
}

int main(int argc, char* argv[])
{
    if (!TDeviceRoot::checkRootVariable("boardsim"))
        return 2;
    TDeviceRoot::prepareRuntimeDirectory();
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("boardsim"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Simulated measurement board on a pseudo-terminal."));
    parser.addHelpOption();
    const QCommandLineOption link(QStringLiteral("link"),
                                  QStringLiteral("Where to link the pseudo-terminal (default: the board's device path "
                                                 "under $TAMARIND_ROOT)."),
                                  QStringLiteral("path"));
    const QCommandLineOption control(QStringLiteral("control"),
                                     QStringLiteral("Serve the control commands on this local socket."),
                                     QStringLiteral("path"));
    const QCommandLineOption standardInput(QStringLiteral("stdin"),
                                           QStringLiteral("Read control commands from standard input."));
    const QCommandLineOption log(
        QStringLiteral("log"),
        QStringLiteral("Append every command received, with its arrival time in ms, to this file."),
        QStringLiteral("path"));
    const QCommandLineOption probes(
        QStringLiteral("probes"),
        QStringLiteral("Fill the probe memory before start from this file: one \"<number>,<probe record>\" a line "
                       "(\"#\" starts a comment line)."),
        QStringLiteral("path"));
    const QCommandLineOption setup(
        QStringLiteral("setup"),
        QStringLiteral("Run the control commands of this file (one a line, \"#\" starts a comment line) before "
                       "start: switch boxes, sensors and temperatures the program finds at its start."),
        QStringLiteral("path"));
    const QCommandLineOption keepProbes(
        QStringLiteral("keep-probes"),
        QStringLiteral("Write the probe memory back to the --probes file whenever it changes, so that the next start "
                       "finds it as this run left it."));
    parser.addOptions({link, control, standardInput, log, probes, keepProbes, setup});
    parser.process(application);

    QTextStream out(stdout);
    QTextStream err(stderr);
    // Without a root the default link would be the device's own /dev/ttyO2.
    if (!parser.isSet(link) && !TDeviceRoot::isSimulated()) {
        err << "boardsim: set TAMARIND_ROOT or give --link; it does not link /dev/ttyO2 on this machine.\n";
        return 2;
    }

    if (parser.isSet(keepProbes) && !parser.isSet(probes)) {
        err << "boardsim: --keep-probes needs the file of --probes.\n";
        return 2;
    }
    // The memory is saved as a new file put in the old one's place: a device there would be replaced.
    if (parser.isSet(keepProbes) && !QFileInfo(parser.value(probes)).isFile()) {
        err << "boardsim: --keep-probes writes the probe memory back to a regular file only; " << parser.value(probes)
            << " is none.\n";
        return 2;
    }

    TBoardSimulator simulator;
    QString error;
    if (parser.isSet(probes) && !fillProbeMemory(simulator, parser.value(probes), error)) {
        err << "boardsim: " << error << "\n";
        return 2;
    }
    if (parser.isSet(setup) && !runSetup(simulator, parser.value(setup), error)) {
        err << "boardsim: " << error << "\n";
        return 2;
    }
    const QString linkPath = parser.isSet(link) ? parser.value(link) : TBoardSimulator::defaultLinkPath();
    if (!PeerProgram::takeLine(linkPath, error) || !simulator.start(linkPath, error)) {
        err << "boardsim: " << error << "\n";
        return 1;
    }
    out << "boardsim: simulated measurement board on " << simulator.slavePath() << ", linked at "
        << simulator.linkPath() << Qt::endl;

    TBoardControlServer server(simulator);
    if (parser.isSet(control)) {
        if (!server.listen(parser.value(control), error)) {
            err << "boardsim: cannot serve control commands on " << parser.value(control) << ": " << error << "\n";
            return 1;
        }
        out << "boardsim: control commands on " << server.socketPath() << " (try: help)" << Qt::endl;
    }

    std::unique_ptr<TReceivedCommandLog> commandLog;
    if (parser.isSet(log)) {
        commandLog = std::make_unique<TReceivedCommandLog>(simulator, parser.value(log));
        if (!commandLog->open(error)) {
            err << "boardsim: cannot write the command log " << parser.value(log) << ": " << error << "\n";
            return 1;
        }
    }

    std::unique_ptr<TProbeMemoryKeeper> probeMemory;
    if (parser.isSet(keepProbes))
        probeMemory = std::make_unique<TProbeMemoryKeeper>(simulator, parser.value(probes));

    TBoardControlInterpreter interpreter(simulator);
    if (parser.isSet(standardInput))
        PeerProgram::serveControlOnStandardInput(
            &application, [&interpreter](const QString& pLine) { return interpreter.execute(pLine); });

    PeerProgram::quitOnTerminationSignals(application);
    const int result = application.exec();
    if (commandLog)
        commandLog->collect();
    if (probeMemory)
        probeMemory->save();
    simulator.stop();
    return result;
}
