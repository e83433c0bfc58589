#include "commandrunner.h"

#include "deviceroot.h"
#include "networkinterfaces.h"
#include "simulatedusbstick.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QVector>

namespace
{
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
    process.waitForFinished(-1);
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

bool leavesItsDirectory(const QString& pArgument)
{
    return pArgument.split(QLatin1Char('/')).contains(QLatin1String(".."));
}

// Where the absolute path of an option's value begins ("--directory=/home"),
// so that it can be moved under the root like any other path; 0 for an
// argument that is no such option. A path glued to a short option ("-C/home")
// cannot be told from a bundle of option letters, so it gives -1: refused.
int absoluteOptionValue(const QString& pArgument)
{
    if (!pArgument.startsWith(QLatin1Char('-')))
        return 0;
    const int equals = pArgument.indexOf(QLatin1Char('='));
    if (pArgument.startsWith(QLatin1String("--")) && equals > 2)
        return pArgument.midRef(equals + 1).startsWith(QLatin1Char('/')) ? equals + 1 : 0;
    return pArgument.contains(QLatin1Char('/')) ? -1 : 0;
}

// Which arguments of a file command name files, as opposed to options, modes
// and find's expressions. Only the forms the program uses need to be known:
// a relative argument missed here still cannot leave the root, since the
// command runs inside it.
QVector<bool> pathOperands(const QString& pCommand, const QStringList& pArguments)
{
    QVector<bool> paths(pArguments.size(), false);
    bool optionsEnded = false;
    bool valueFollows = false;
    bool valueIsPath = false;
    bool firstOperand = true;
    for (int index = 0; index < pArguments.size(); ++index) {
        const QString& argument = pArguments.at(index);
        if (valueFollows) {
            paths[index] = valueIsPath;
            valueFollows = false;
            continue;
        }
        const bool isOption = !optionsEnded && argument.startsWith(QLatin1Char('-')) && argument.size() > 1;
        // tar's old form: the first argument bundles the options without a dash ("xzf").
        const bool isTarBundle = pCommand == QLatin1String("tar") && index == 0 && !isOption;
        if (argument == QLatin1String("--") && !optionsEnded) {
            optionsEnded = true;
        } else if (isOption || isTarBundle) {
            if (pCommand == QLatin1String("find"))
                break; // the expression begins; its words are patterns
            if (pCommand == QLatin1String("tar") && !argument.startsWith(QLatin1String("--"))) {
                valueFollows = argument.endsWith(QLatin1Char('f')) || argument.endsWith(QLatin1Char('C'));
                valueIsPath = true;
            } else if (pCommand == QLatin1String("mkdir") && argument == QLatin1String("-m")) {
                valueFollows = true;
                valueIsPath = false;
            }
        } else if (pCommand == QLatin1String("find") &&
                   (argument.startsWith(QLatin1Char('(')) || argument.startsWith(QLatin1Char('!')))) {
            break;
        } else {
            // chmod's first operand is the mode.
            paths[index] = !(pCommand == QLatin1String("chmod") && firstOperand);
            firstOperand = false;
        }
    }
    return paths;
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
    const QVector<bool> paths = pathOperands(program, pArguments);
    QStringList arguments;
    for (int index = 0; index < pArguments.size(); ++index) {
        const QString& argument = pArguments.at(index);
        if (leavesItsDirectory(argument))
            return refused(QStringLiteral("path leaves its directory: ") + argument);
        if (paths.at(index) && !argument.startsWith(QLatin1Char('/')) && pWorkingDirectory.isEmpty())
            return refused(QStringLiteral("relative path without a working directory: ") + argument);
        const int valueStart = absoluteOptionValue(argument);
        if (valueStart > 0) {
            arguments << argument.left(valueStart) + TDeviceRoot::path(argument.mid(valueStart));
            continue;
        }
        if (valueStart < 0)
            return refused(QStringLiteral("path attached to an option: ") + argument);
        arguments << TDeviceRoot::path(argument);
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
