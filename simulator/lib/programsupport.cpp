#include "programsupport.h"

#include "terminationsignals.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QTextStream>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <sys/file.h>
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
} // namespace

bool PeerProgram::holdLineLock(const QString& pLinkPath, QString& oError)
{
    const QString lockPath = pLinkPath + QStringLiteral(".lock");
    QDir().mkpath(QFileInfo(lockPath).absolutePath());
    // Left open, and not handed to programs this one starts: the lock lasts as long as this process.
    const int lock = ::open(QFile::encodeName(lockPath).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (lock < 0) {
        oError = QStringLiteral("cannot open %1 (%2); remove it if no calibrator runs")
                     .arg(lockPath, QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    if (::flock(lock, LOCK_EX | LOCK_NB) != 0) {
        char holder[32] = {};
        const ssize_t length = ::pread(lock, holder, sizeof holder - 1, 0);
        ::close(lock);
        const QString process = QString::fromLatin1(holder, int(std::max<ssize_t>(length, 0))).trimmed();
        if (isRunningPeer(process))
            oError = QStringLiteral("%1 is the line of a calibrator that runs (process %2 holds %3); stop it "
                                    "(./run.sh) first")
                         .arg(pLinkPath, process, lockPath);
        else
            oError = QStringLiteral("%1 is the line of another %2 that is starting (it holds %3); stop it (./run.sh) "
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
