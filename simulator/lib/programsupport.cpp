#include "programsupport.h"

#include "pseudoterminal.h"
#include "terminationsignals.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QTextStream>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <memory>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

void PeerProgram::quitOnTerminationSignals(QCoreApplication& pApplication)
{
    TTerminationSignals::quitEventLoopOnTermination(pApplication);
}

void PeerProgram::serveControlOnStandardInput(QObject* pOwner, TBoardControlServer::TInterpreter pInterpreter)
{
    auto* input = new QSocketNotifier(STDIN_FILENO, QSocketNotifier::Read, pOwner);
    auto pending = std::make_shared<QByteArray>();
    QObject::connect(input, &QSocketNotifier::activated, pOwner, [input, pending, pInterpreter]() {
        char chunk[1024];
        const ssize_t count = ::read(STDIN_FILENO, chunk, sizeof chunk);
        if (count <= 0) {
            input->setEnabled(false);
            return;
        }
        pending->append(chunk, int(count));
        QTextStream out(stdout);
        for (int end = pending->indexOf('\n'); end >= 0; end = pending->indexOf('\n')) {
            const QString line = QString::fromUtf8(pending->left(end)).trimmed();
            pending->remove(0, end + 1);
            if (line.isEmpty())
                continue;
            for (const QString& reply : pInterpreter(line))
                out << reply << "\n";
        }
        out.flush();
    });
}

bool PeerProgram::makeFolder(const QString& pFolder, QString& oError)
{
    std::error_code problem;
    std::filesystem::create_directories(QFile::encodeName(pFolder).toStdString(), problem);
    if (!problem)
        return true;
    oError = QStringLiteral("cannot make the folder %1 (%2)")
                 .arg(pFolder, QString::fromLocal8Bit(problem.message().c_str()));
    return false;
}

QString PeerProgram::commandLine(qint64 pProcess)
{
    QFile file(QStringLiteral("/proc/%1/cmdline").arg(pProcess));
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("?");
    QByteArray arguments = file.readAll();
    if (arguments.endsWith('\0'))
        arguments.chop(1);
    return QString::fromLocal8Bit(arguments.replace('\0', ' '));
}

namespace
{
// Whether pProcess is the number of a process of this same program that runs. The holder of a line's lock writes
// its number only once it holds the lock: until then the file names the one before it, which may have ended (and
// its number gone to another program since), or nothing.
bool isRunningPeer(const QString& pProcess)
{
    bool ok = false;
    const qint64 number = pProcess.toLongLong(&ok);
    if (!ok || number <= 0)
        return false;
    const auto name = [](const QString& pProcessDirectory) {
        QFile file(pProcessDirectory + QStringLiteral("/comm"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    const QByteArray own = name(QStringLiteral("/proc/self"));
    return !own.isEmpty() && name(QStringLiteral("/proc/%1").arg(number)) == own;
}

// Takes the lock "<pLinkPath>.lock" for the rest of the process, which the system releases when the process ends
// however it ends. False, with the reason, when another process holds it or the lock file cannot be opened.
bool holdLineLock(const QString& pLinkPath, QString& oError)
{
    const QString lockPath = pLinkPath + QStringLiteral(".lock");
    const QByteArray encodedLockPath = QFile::encodeName(lockPath);
    if (!PeerProgram::makeFolder(QFileInfo(lockPath).absolutePath(), oError))
        return false;
    // The lock is truncated and written below: through a link, or a second name of a file, that would be another
    // file's text. A device, pipe or directory there is not opened at all.
    const auto foreignFile = [&oError, &lockPath]() {
        oError = QStringLiteral("%1 exists and is no lock file of a line (it is a symbolic link, a second name of "
                                "another file, or no regular file): a line's lock is taken in a regular file only, "
                                "and this is left as it is")
                     .arg(lockPath);
        return false;
    };
    const auto isLockFile = [](const struct stat& pStatus) {
        return S_ISREG(pStatus.st_mode) && pStatus.st_nlink <= 1;
    };
    struct stat status
    {
    };
    const bool existed = ::lstat(encodedLockPath.constData(), &status) == 0;
    if (existed && !isLockFile(status))
        return foreignFile();
    // Left open, and not handed to programs this one starts: the lock lasts as long as this process.
    const int lock =
        ::open(encodedLockPath.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NOCTTY | O_NONBLOCK, 0644);
    if (lock < 0) {
        if (errno == ELOOP)
            return foreignFile();
        // Removing the file helps only where one stands there; one that could not be made (a full disk) is not.
        oError = QStringLiteral("cannot open %1 (%2)").arg(lockPath, QString::fromLocal8Bit(std::strerror(errno)));
        if (existed)
            oError += QStringLiteral("; remove it if no %1 runs").arg(QCoreApplication::applicationName());
        return false;
    }
    // What stands there may have changed since it was looked at.
    if (::fstat(lock, &status) != 0 || !isLockFile(status)) {
        ::close(lock);
        return foreignFile();
    }
    if (::flock(lock, LOCK_EX | LOCK_NB) != 0) {
        char holder[32] = {};
        const ssize_t length = ::pread(lock, holder, sizeof holder - 1, 0);
        ::close(lock);
        const QString process = QString::fromLatin1(holder, int(std::max<ssize_t>(length, 0))).trimmed();
        if (isRunningPeer(process))
            oError = QStringLiteral("%1 is the line of a %2 that runs (process %3 holds %4): stop that process (%5) "
                                    "first")
                         .arg(pLinkPath, QCoreApplication::applicationName(), process, lockPath,
                              PeerProgram::commandLine(process.toLongLong()));
        else
            oError = QStringLiteral("%1 is the line of another %2 that is starting (it holds %3); stop that %2 "
                                    "first")
                         .arg(pLinkPath, QCoreApplication::applicationName(), lockPath);
        return false;
    }
    // The process number names the holder in another's refusal; the lock holds without it.
    const QByteArray process = QByteArray::number(qint64(::getpid())) + '\n';
    const bool named = ::ftruncate(lock, 0) == 0 &&
                       ::pwrite(lock, process.constData(), size_t(process.size()), 0) == ssize_t(process.size());
    Q_UNUSED(named)
    return true;
}
} // namespace

bool PeerProgram::takeLine(const QString& pLinkPath, QString& oError)
{
    return TPseudoTerminal::mayLinkAt(pLinkPath, oError) && holdLineLock(pLinkPath, oError);
}
