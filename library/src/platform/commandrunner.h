#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

#include <functional>

struct TCommandResult
{
    bool mStarted = false;
    int mExitCode = -1;
    QByteArray mStandardOutput;
    QByteArray mStandardError;
};

// The one way the program runs external commands ("date", "mount", "find",
// "reboot" ...). On the device every command runs as given. Under a device root
// (a development machine, the tests, CI, all running as root on a real host)
// nothing may act on the host: file commands run for real with their path
// arguments moved under the root, and every other command is not run at all
// but answered by a simulation (success with no output unless one is
// registered). Every command line is appended to <root>/var/log/commands.log so
// that tests can see what the program asked for. An option's path
// ("--directory=/home") is moved under the root too. A file command whose path,
// given alone or as an option's value, could leave the root (a relative path
// without a working directory, a ".." component, a path glued to a short
// option) is refused, and so is every command while TAMARIND_ROOT is set to
// something that is no root.
class TCommandRunner
{
public:
    using TSimulation = std::function<TCommandResult(const QString& pProgram, const QStringList& pArguments)>;

    static TCommandRunner& instance();

    // Runs the command and waits for it without a time limit, in
    // pWorkingDirectory (a device path, placed under the root) when one is
    // given. A refused command has mStarted false and the reason in mStandardError.
    TCommandResult run(const QString& pProgram, const QStringList& pArguments = QStringList(),
                       const QString& pWorkingDirectory = QString());

    // Starts the command without waiting (the device's "reboot"); under a root
    // it is recorded and simulated like run(). Returns whether it started.
    bool startDetached(const QString& pProgram, const QStringList& pArguments = QStringList());

    // Replaces the simulated outcome of a command that does not run under a
    // root; an empty function restores the default.
    void setSimulation(const QString& pProgram, TSimulation pSimulation);

    // The commands that run for real under a root, with their paths moved.
    static bool isFileCommand(const QString& pProgram);

    // The log of command lines under the root; empty on the device.
    static QString commandLogPath();
    // The line as the log shows it; "cd <directory> && " goes before a command
    // that runs in a working directory.
    static QString commandLine(const QString& pProgram, const QStringList& pArguments,
                               const QString& pWorkingDirectory = QString());

private:
    TCommandRunner();
    void record(const QString& pProgram, const QStringList& pArguments, const QString& pWorkingDirectory) const;
    TCommandResult runFileCommand(const QString& pProgram, const QStringList& pArguments,
                                  const QString& pWorkingDirectory) const;
    TCommandResult simulate(const QString& pProgram, const QStringList& pArguments) const;

    QHash<QString, TSimulation> mSimulations;
};
