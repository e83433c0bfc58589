#include "commandrunner.h"

#include "deviceroot.h"
#include "networkinterfaces.h"
#include "simulatedusbstick.h"
#include "terminationsignals.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QVector>

#include <algorithm>

namespace
{
// How soon a command notices a terminate.
constexpr int COMMAND_POLL_MS = 100;

QString programName(const QString& pProgram)
{
    return QFileInfo(pProgram).fileName();
}

TCommandResult runProcess(const QString& pProgram, const QStringList& pArguments,
                          const QString& pWorkingDirectory = QString())
{
    TCommandResult result;
    QProcess process;
    process.setWorkingDirectory(pWorkingDirectory);
    process.start(pProgram, pArguments);
    result.mStarted = process.waitForStarted(-1);
    if (!result.mStarted)
        return result;
    // A terminate ends the command and the caller takes back what it began,
    // as after any failure: a backup's tar of the whole user data would hold
    // the program's end for as long as it takes.
    while (!process.waitForFinished(COMMAND_POLL_MS) && process.state() != QProcess::NotRunning) {
        if (TTerminationSignals::terminationRequested()) {
            process.kill();
            process.waitForFinished(-1);
        }
    }
    result.mStandardOutput = process.readAllStandardOutput();
    result.mStandardError = process.readAllStandardError();
    result.mExitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return result;
}

TCommandResult refused(const QString& pReason)
{
    TCommandResult result;
    result.mStandardError = pReason.toUtf8();
    return result;
}

bool leavesItsDirectory(const QString& pPath)
{
    return pPath.split(QLatin1Char('/')).contains(QLatin1String(".."));
}

bool isShortOption(const QString& pArgument)
{
    return pArgument.startsWith(QLatin1Char('-')) && !pArgument.startsWith(QLatin1String("--"));
}

// A value glued to a short option ("-C/home", "-t..") cannot be told from a
// bundle of option letters in general; but letters hold neither a slash nor
// a dot, so such a value is refused rather than guessed at.
bool gluesAPathToAShortOption(const QString& pArgument)
{
    return isShortOption(pArgument) &&
           (pArgument.contains(QLatin1Char('/')) || pArgument.contains(QLatin1String("..")));
}

// Where a file's name begins in each argument of a file command: 0 for an
// argument that is a path, the start of the value for an option that carries
// one ("--directory=/home", tar's "-Chome"), -1 for options, modes and find's
// expressions. Every long option's value counts as a path. Only the forms the
// program uses need to be known: a relative argument missed here still cannot
// leave the root, since the command runs inside it.
QVector<int> pathStarts(const QString& pCommand, const QStringList& pArguments)
{
    constexpr int NO_PATH = -1;
    QVector<int> starts(pArguments.size(), NO_PATH);
    const bool tar = pCommand == QLatin1String("tar");
    bool optionsEnded = false;
    bool valueFollows = false;
    bool valueIsPath = false;
    bool firstOperand = true;
    for (int index = 0; index < pArguments.size(); ++index) {
        const QString& argument = pArguments.at(index);
        if (valueFollows) {
            starts[index] = valueIsPath ? 0 : NO_PATH;
            valueFollows = false;
            continue;
        }
        const bool isOption = !optionsEnded && argument.startsWith(QLatin1Char('-')) && argument.size() > 1;
        // tar's old form: the first argument bundles the options without a dash ("xzf").
        const bool isTarBundle = tar && index == 0 && !isOption;
        const int equals = argument.indexOf(QLatin1Char('='));
        if (argument == QLatin1String("--") && !optionsEnded) {
            optionsEnded = true;
        } else if (pCommand == QLatin1String("find") &&
                   (isOption || argument.startsWith(QLatin1Char('(')) || argument.startsWith(QLatin1Char('!')))) {
            break; // the expression begins; its words are patterns
        } else if (isOption && argument.startsWith(QLatin1String("--"))) {
            if (equals > 2)
                starts[index] = equals + 1;
        } else if (tar && isTarBundle) {
            valueFollows = argument.endsWith(QLatin1Char('f')) || argument.endsWith(QLatin1Char('C'));
            valueIsPath = true;
        } else if (tar && isOption) {
            // The first letter that takes a value takes the rest of the bundle, or the next argument.
            int letter = 1;
            while (letter < argument.size() && argument.at(letter) != QLatin1Char('f') &&
                   argument.at(letter) != QLatin1Char('C'))
                ++letter;
            if (letter + 1 < argument.size())
                starts[index] = letter + 1;
            valueFollows = letter + 1 == argument.size();
            valueIsPath = true;
        } else if (isOption) {
            if (pCommand == QLatin1String("mkdir") && argument == QLatin1String("-m")) {
                valueFollows = true;
                valueIsPath = false;
            }
        } else {
            // chmod's first operand is the mode.
            const bool mode = pCommand == QLatin1String("chmod") && firstOperand;
            starts[index] = mode ? NO_PATH : 0;
            firstOperand = false;
        }
    }
    return starts;
}
} // namespace

TCommandRunner& TCommandRunner::instance()
{
    static TCommandRunner runner;
    return runner;
}

// Simulations are only ever consulted under a root, so the peers that answer
// host commands can be given their part from the start.
TCommandRunner::TCommandRunner()
{
    TSimulatedUSBStick::install(*this);
    TNetworkInterfaces::install(*this);
}

bool TCommandRunner::isFileCommand(const QString& pProgram)
{
    static const QStringList fileCommands = {QStringLiteral("find"), QStringLiteral("tar"), QStringLiteral("mkdir"),
                                             QStringLiteral("ln"),   QStringLiteral("rm"),  QStringLiteral("chmod"),
                                             QStringLiteral("df")};
    return fileCommands.contains(programName(pProgram));
}

QString TCommandRunner::commandLogPath()
{
    return TDeviceRoot::isSimulated() ? TDeviceRoot::path(QStringLiteral("/var/log/commands.log")) : QString();
}

QString TCommandRunner::commandLine(const QString& pProgram, const QStringList& pArguments,
                                    const QString& pWorkingDirectory)
{
    QStringList words;
    if (!pWorkingDirectory.isEmpty())
        words << QStringLiteral("cd") << pWorkingDirectory << QStringLiteral("&&");
    words << pProgram;
    for (const QString& argument : pArguments) {
        const bool quote =
            argument.isEmpty() || argument.contains(QLatin1Char(' ')) || argument.contains(QLatin1Char('"'));
        QString word = argument;
        if (quote)
            word = QLatin1Char('"') + word.replace(QLatin1Char('"'), QStringLiteral("\\\"")) + QLatin1Char('"');
        words << word;
    }
    return words.join(QLatin1Char(' '));
}

void TCommandRunner::record(const QString& pProgram, const QStringList& pArguments,
                            const QString& pWorkingDirectory) const
{
    const QString logPath = commandLogPath();
    QDir().mkpath(QFileInfo(logPath).absolutePath());
    QFile log(logPath);
    if (log.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text))
        log.write(commandLine(pProgram, pArguments, pWorkingDirectory).toUtf8() + '\n');
}

TCommandResult TCommandRunner::run(const QString& pProgram, const QStringList& pArguments,
                                   const QString& pWorkingDirectory)
{
    const QString problem = TDeviceRoot::rootVariableProblem();
    if (!problem.isEmpty())
        return refused(problem);
    if (!TDeviceRoot::isSimulated())
        return runProcess(pProgram, pArguments, pWorkingDirectory);
    record(pProgram, pArguments, pWorkingDirectory);
    return isFileCommand(pProgram) ? runFileCommand(pProgram, pArguments, pWorkingDirectory)
                                   : simulate(pProgram, pArguments);
}

bool TCommandRunner::startDetached(const QString& pProgram, const QStringList& pArguments)
{
    if (!TDeviceRoot::rootVariableProblem().isEmpty())
        return false;
    if (!TDeviceRoot::isSimulated())
        return QProcess::startDetached(pProgram, pArguments);
    return run(pProgram, pArguments).mStarted;
}

void TCommandRunner::setSimulation(const QString& pProgram, TSimulation pSimulation)
{
    if (pSimulation)
        mSimulations.insert(programName(pProgram), std::move(pSimulation));
    else
        mSimulations.remove(programName(pProgram));
}

TCommandResult TCommandRunner::runFileCommand(const QString& pProgram, const QStringList& pArguments,
                                              const QString& pWorkingDirectory) const
{
    // Without a working directory of its own the command runs in the root, so
    // nothing relative can reach the host's working directory.
    QString workingDirectory = TDeviceRoot::rootDirectory();
    if (!pWorkingDirectory.isEmpty()) {
        if (!pWorkingDirectory.startsWith(QLatin1Char('/')) || leavesItsDirectory(pWorkingDirectory))
            return refused(QStringLiteral("working directory outside the device: ") + pWorkingDirectory);
        workingDirectory = TDeviceRoot::path(pWorkingDirectory);
    }
    const QString program = programName(pProgram);
    const QVector<int> starts = pathStarts(program, pArguments);
    QStringList arguments;
    for (int index = 0; index < pArguments.size(); ++index) {
        const QString& argument = pArguments.at(index);
        const int start = starts.at(index);
        const QString path = start < 0 ? QString() : argument.mid(start);
        if (leavesItsDirectory(argument) || leavesItsDirectory(path))
            return refused(QStringLiteral("path leaves its directory: ") + argument);
        if (start >= 0 && !path.startsWith(QLatin1Char('/')) && pWorkingDirectory.isEmpty())
            return refused(QStringLiteral("relative path without a working directory: ") + argument);
        if (gluesAPathToAShortOption(argument))
            return refused(QStringLiteral("path attached to an option: ") + argument);
        arguments << argument.left(std::max(start, 0)) + TDeviceRoot::path(argument.mid(std::max(start, 0)));
    }
    TCommandResult result = runProcess(program, arguments, workingDirectory);
    // What the command prints names host paths; the caller expects device paths.
    const QByteArray root = TDeviceRoot::rootDirectory().toLocal8Bit();
    result.mStandardOutput.replace(root + '/', "/");
    result.mStandardOutput.replace(root, "/");
    return result;
}

TCommandResult TCommandRunner::simulate(const QString& pProgram, const QStringList& pArguments) const
{
    const auto simulation = mSimulations.constFind(programName(pProgram));
    if (simulation != mSimulations.constEnd())
        return (*simulation)(pProgram, pArguments);
    TCommandResult result;
    result.mStarted = true;
    result.mExitCode = 0;
    return result;
}
