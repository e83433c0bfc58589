#include "commandrunner.h"

#include "deviceroot.h"
#include "networkinterfaces.h"
#include "simulatedusbstick.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

namespace
{
QString programName(const QString& pProgram)
{
    return QFileInfo(pProgram).fileName();
}

TCommandResult runProcess(const QString& pProgram, const QStringList& pArguments, const QString& pWorkingDirectory)
{
    TCommandResult result;
    QProcess process;
    if (!pWorkingDirectory.isEmpty())
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
    static const QStringList fileCommands = {
        QStringLiteral("find"), QStringLiteral("tar"), QStringLiteral("mkdir"), QStringLiteral("ln"),
        QStringLiteral("rm"),   QStringLiteral("chmod"), QStringLiteral("df")};
    return fileCommands.contains(programName(pProgram));
}

QString TCommandRunner::commandLogPath()
{
    return TDeviceRoot::isSimulated() ? TDeviceRoot::path(QStringLiteral("/var/log/commands.log")) : QString();
}

QString TCommandRunner::commandLine(const QString& pProgram, const QStringList& pArguments)
{
    QStringList words{pProgram};
    for (const QString& argument : pArguments) {
        const bool quote = argument.isEmpty() || argument.contains(QLatin1Char(' ')) || argument.contains(QLatin1Char('"'));
        QString word = argument;
        if (quote)
            word = QLatin1Char('"') + word.replace(QLatin1Char('"'), QStringLiteral("\\\"")) + QLatin1Char('"');
        words << word;
    }
    return words.join(QLatin1Char(' '));
}

void TCommandRunner::record(const QString& pProgram, const QStringList& pArguments) const
{
    const QString logPath = commandLogPath();
    QDir().mkpath(QFileInfo(logPath).absolutePath());
    QFile log(logPath);
    if (log.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text))
        log.write(commandLine(pProgram, pArguments).toUtf8() + '\n');
}

TCommandResult TCommandRunner::run(const QString& pProgram, const QStringList& pArguments,
                                   const QString& pWorkingDirectory)
{
    if (!TDeviceRoot::isSimulated())
        return runProcess(pProgram, pArguments, pWorkingDirectory);
    record(pProgram, pArguments);
    return isFileCommand(pProgram) ? runFileCommand(pProgram, pArguments, pWorkingDirectory)
                                   : simulate(pProgram, pArguments);
}

bool TCommandRunner::startDetached(const QString& pProgram, const QStringList& pArguments)
{
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
    QStringList arguments;
    for (const QString& argument : pArguments)
        arguments << TDeviceRoot::path(argument);
    const QString workingDirectory = pWorkingDirectory.isEmpty() ? QString() : TDeviceRoot::path(pWorkingDirectory);
    TCommandResult result = runProcess(programName(pProgram), arguments, workingDirectory);
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
