#include "testsupport.h"

#include "commandrunner.h"
#include "deviceroot.h"
#include "intcommcontroller.h"
#include "tamarindsettings.h"
#include "terminationsignals.h"

#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLocale>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QTcpServer>
#include <QTimer>
#include <QWidget>

#include <cerrno> // program_invocation_short_name
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <memory>
#include <sys/statvfs.h>
#include <unistd.h>

namespace
{
QString& rootPath()
{
    static QString path;
    return path;
}

QByteArray& startSearchPath()
{
    static QByteArray path;
    return path;
}

// Makes pFolder and the folders above it; the reason when it cannot, empty when it could.
QString makeFolder(const QString& pFolder)
{
    std::error_code problem;
    std::filesystem::create_directories(QFile::encodeName(pFolder).toStdString(), problem);
    if (problem)
        return QStringLiteral("the folder \"%1\" cannot be made: %2")
            .arg(pFolder, QString::fromLocal8Bit(problem.message().c_str()));
    return QString();
}

// A "df" in pDirectory that tells the root file system pUsage % full; the
// reason when it cannot be written, empty when it is.
QString writeStandInDf(const QString& pDirectory, int pUsage)
{
    const QString path = pDirectory + "/df";
    // An earlier one's script is not writable: a user other than root could
    // not write it again.
    QFile::remove(path);
    // A folder that cannot be made would otherwise be told as a script missing its folder.
    const QString unmade = makeFolder(pDirectory);
    if (!unmade.isEmpty())
        return unmade;
    QFile script(path);
    const QByteArray usage = QByteArray::number(pUsage);
    const QByteArray text = "#!/bin/sh\n"
                            "echo 'Filesystem 1K-blocks Used Available Use% Mounted on'\n"
                            "echo '/dev/root 100 " +
                            usage + ' ' + QByteArray::number(100 - pUsage) + ' ' + usage + "% /'\n";
    if (!script.open(QIODevice::WriteOnly | QIODevice::Truncate) || script.write(text) != text.size() ||
        !script.flush() || !script.setPermissions(QFile::ReadOwner | QFile::ExeOwner))
        return script.errorString();
    return QString();
}

// What a user does about a temporary directory the roots cannot be made or written in, told by pProblem, which ends
// with the system's reason: a path the system refuses as too long wants a shorter one, not more room.
const char* temporaryDirectoryAdvice(const QString& pProblem)
{
    if (pProblem.endsWith(qt_error_string(ENAMETOOLONG)))
        return "Set TMPDIR to a directory with a shorter path.";
    return "Set TMPDIR to a directory this user may write to, with room left.";
}

// Ends the test process before a row runs, with the reason and what to do about it on standard error.
[[noreturn]] void refuseToRun(const QString& pProblem, const char* pAdvice = nullptr)
{
    std::fprintf(stderr, "%s: %s; nothing ran. %s\n", program_invocation_short_name, qPrintable(pProblem),
                 pAdvice ? pAdvice : temporaryDirectoryAdvice(pProblem));
    std::exit(EXIT_FAILURE);
}

// Where the roots of test processes are made: TMPDIR, else /tmp, as mktemp
// reads it. Not QDir::tempPath(), which is empty for a TMPDIR that does not
// exist, and a root made from it would land in the machine's own "/".
QString temporaryDirectory()
{
    const QString named = qEnvironmentVariable("TMPDIR");
    return named.isEmpty() ? QStringLiteral("/tmp") : named;
}

bool liesStrictlyInside(const QString& pPath, const QString& pDirectory)
{
    return !pDirectory.isEmpty() && pPath.startsWith(pDirectory + QLatin1Char('/'));
}

// No block or no file entry left where the root lies.
bool isRootFull()
{
    struct statvfs disk = {};
    return ::statvfs(QFile::encodeName(TTestEnvironment::root()).constData(), &disk) == 0 &&
           (disk.f_bavail == 0 || (disk.f_files > 0 && disk.f_favail == 0));
}

QString noRoomReason()
{
    return QString::fromLocal8Bit(std::strerror(ENOSPC));
}

// Standard output as Qt Test writes its report there, passed on unchanged, with a line after each failed row's
// report while the temporary directory has no room left: a row fails there on a file the program or the test could
// not write, and most of them tell only what followed from it ("Unable to open file.", an empty field).
class TFailureNotes
{
public:
    static void start()
    {
        original() = stdout;
        const cookie_io_functions_t functions = {nullptr, &TFailureNotes::write, nullptr, nullptr};
        if (FILE* notes = ::fopencookie(nullptr, "w", functions)) {
            std::fflush(stdout);
            ::setvbuf(notes, nullptr, _IOLBF, BUFSIZ);
            stdout = notes;
        }
    }

    static void stop()
    {
        if (!original() || stdout == original())
            return;
        FILE* notes = stdout;
        stdout = original();
        std::fclose(notes);
    }

private:
    static FILE*& original()
    {
        static FILE* stream = nullptr;
        return stream;
    }

    static ssize_t write(void*, const char* pBuffer, size_t pSize)
    {
        // A report's "FAIL!" line and its location come in one write, as Qt Test flushes each report whole.
        static bool inFailure = false;
        static bool causeNamed = false;
        const QByteArray text = QByteArray::fromRawData(pBuffer, int(pSize));
        if (!writeOut(pBuffer, pSize))
            return -1;
        if (text.startsWith("FAIL!") || text.contains("\nFAIL!")) {
            inFailure = true;
            causeNamed = false;
        }
        if (!inFailure)
            return ssize_t(pSize);
        causeNamed = causeNamed || text.contains(noRoomReason().toLocal8Bit());
        if (text.endsWith('\n')) {
            inFailure = false;
            if (!causeNamed && isRootFull()) {
                const QByteArray note = QStringLiteral("   The row failed while the temporary directory \"%1\" has no "
                                                       "room left (%2).\n")
                                            .arg(temporaryDirectory(), noRoomReason())
                                            .toLocal8Bit();
                writeOut(note.constData(), size_t(note.size()));
            }
        }
        return ssize_t(pSize);
    }

    static bool writeOut(const char* pBytes, size_t pSize)
    {
        while (pSize > 0) {
            const ssize_t written = ::write(STDOUT_FILENO, pBytes, pSize);
            if (written < 0 && errno == EINTR)
                continue;
            if (written <= 0)
                return false;
            pBytes += written;
            pSize -= size_t(written);
        }
        return true;
    }
};

// Watches the modal dialog on top for TTestEnvironment: polled, since a
// dialog's own event loop runs every timer of the process.
class TModalWatch : public QObject
{
public:
    static void start() { new TModalWatch(QCoreApplication::instance()); }

private:
    static constexpr int POLL_MS = 500;

    explicit TModalWatch(QObject* pParent) : QObject(pParent)
    {
        connect(&mPoll, &QTimer::timeout, this, &TModalWatch::check);
        mPoll.start(POLL_MS);
    }

    void check()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && !modal->isVisible())
            modal = nullptr;
        if (modal != mModal) {
            mModal = modal;
            mOpen.start();
            return;
        }
        if (!modal)
            return;
        // On a full temporary directory every row meets the program's own message about it; waiting out the
        // bound for each would hold the test until ctest's time-out, with the cause unsaid.
        const bool full = isRootFull();
        if (mOpen.elapsed() <= (full ? POLL_MS : TTestEnvironment::MODAL_BOUND_MS))
            return;
        mModal = nullptr;
        const auto* text = modal->findChild<QLabel*>(QStringLiteral("LblText"));
        const QString name =
            QStringLiteral("%1 \"%2\"")
                .arg(QString::fromLatin1(modal->metaObject()->className()), text ? text->text() : modal->windowTitle());
        const QString said =
            full ? QStringLiteral("%1 came up while the temporary directory \"%2\" has no room left (%3); closed")
                       .arg(name, temporaryDirectory(), noRoomReason())
                 : QStringLiteral("%1 stood open for over %2 s with nothing to answer it; closed")
                       .arg(name)
                       .arg(TTestEnvironment::MODAL_BOUND_MS / 1000);
        const QByteArray message = said.toLocal8Bit();
        // A row fails once: one that has failed already would have ended there.
        if (QTest::currentTestFailed())
            qInfo("%s", message.constData());
        else
            QTest::qFail(message.constData(), __FILE__, __LINE__);
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
        if (modal->isVisible())
            modal->close();
    }

    QTimer mPoll;
    QPointer<QWidget> mModal;
    QElapsedTimer mOpen;
};
} // namespace

// GCC names AddressSanitizer by a macro and UndefinedBehaviorSanitizer by none:
// the build says so for both (TAMARIND_SANITIZED); clang answers for itself.
#if defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(undefined_behavior_sanitizer)
#define TAMARIND_SANITIZED 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__) && !defined(TAMARIND_SANITIZED)
#define TAMARIND_SANITIZED 1
#endif

#ifdef TAMARIND_SANITIZED
const int TStartedProgram::EXIT_GRACE_MS = 60000;
#else
const int TStartedProgram::EXIT_GRACE_MS = 10000;
#endif

void TStartedProgram::end(QProcess& pProcess)
{
    if (pProcess.state() == QProcess::NotRunning)
        return;
    pProcess.terminate();
    if (!pProcess.waitForFinished(EXIT_GRACE_MS)) {
        pProcess.kill();
        pProcess.waitForFinished();
    }
}

std::unique_ptr<QTemporaryDir> makeTemporaryRoot()
{
    const QString named = temporaryDirectory();
    // The paths that programs report (a working directory, a socket's) are
    // spelled from "/" with every link followed; a root spelled as TMPDIR is,
    // through a link or relative, would not compare equal with them.
    const QString real = QFileInfo(named).canonicalFilePath();
    const QString directory = real.isEmpty() ? named : real;
    auto root = std::make_unique<QTemporaryDir>(directory + QLatin1Char('/') +
                                                QString::fromLocal8Bit(program_invocation_short_name) +
                                                QStringLiteral("-XXXXXX"));
    if (!root->isValid())
        refuseToRun(QStringLiteral("the device root cannot be made in the temporary directory \"%1\": %2")
                        .arg(named, root->errorString()));
    // The stand-in tools under the root are programs: where none may run, the
    // tests would quietly run this machine's own instead.
    struct statvfs disk = {};
    if (::statvfs(QFile::encodeName(root->path()).constData(), &disk) == 0 && (disk.f_flag & ST_NOEXEC)) {
        root->remove();
        refuseToRun(QStringLiteral("the temporary directory \"%1\" does not let programs run").arg(named),
                    "Set TMPDIR to a directory on a file system mounted without noexec.");
    }
    // What the process and the programs it starts make in the temporary
    // directory lands beside the root, whatever their working directory.
    qputenv("TMPDIR", QFile::encodeName(directory));
    // Qt Test's report of a crash runs a debugger, whose Python would
    // otherwise write its compiled modules into the system's folders.
    qputenv("PYTHONDONTWRITEBYTECODE", "1");
    return root;
}

TTestEnvironment::TTestEnvironment() : mRoot(makeTemporaryRoot())
{
    rootPath() = QDir::cleanPath(QDir(mRoot->path()).absolutePath());
    qputenv(TDeviceRoot::ROOT_VARIABLE, rootPath().toLocal8Bit());
    // Qt's runtime files, and those of the programs the acceptance tests start, stay in the root.
    TDeviceRoot::prepareRuntimeDirectory();
    qputenv("LC_ALL", "C");
    qputenv("TZ", "UTC");
    qunsetenv("TAMARIND_NETWORK_INTERFACE");
    tzset();
    QLocale::setDefault(QLocale::c());
    TBoardLinkPacing::setPause(TBoardLinkPacing::SHORT_PAUSE);

    startSearchPath() = qgetenv("PATH");
    const QString disk = rootPath() + "/test-disk";
    // A full temporary directory still takes the root, a directory, but no file.
    const QString unwritable = writeStandInDf(disk, STAND_IN_DISK_USAGE);
    if (!unwritable.isEmpty()) {
        mRoot->remove();
        refuseToRun(QStringLiteral("the device root \"%1\" cannot be written: %2").arg(rootPath(), unwritable));
    }
    qputenv("PATH", disk.toLocal8Bit() + ':' + startSearchPath());
    qAddPreRoutine(&TModalWatch::start);
    TFailureNotes::start();
}

TTestEnvironment::~TTestEnvironment()
{
    TFailureNotes::stop();
    qputenv("PATH", startSearchPath());
    qunsetenv(TDeviceRoot::ROOT_VARIABLE);
}

QByteArray TTestEnvironment::hostSearchPath()
{
    return startSearchPath();
}

void TBoardLinkPacing::setPause(int pMilliseconds)
{
    TIntCommController::sPauseBetweenCommands = pMilliseconds;
}

void TBoardLinkPacing::restoreBoardPause()
{
    setPause(TIntCommController::PAUSE_BETWEEN_COMMANDS);
}

QString TTestEnvironment::root()
{
    return rootPath();
}

QStringList TTestEnvironment::recordedCommands()
{
    QFile log(TCommandRunner::commandLogPath());
    if (!log.open(QIODevice::ReadOnly | QIODevice::Text))
        return QStringList();
    return QString::fromUtf8(log.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

void TTestEnvironment::clearRecordedCommands()
{
    QFile::remove(TCommandRunner::commandLogPath());
}

void TTestEnvironment::terminate()
{
    TTerminationSignals::quitEventLoopOnTermination(*QCoreApplication::instance());
    std::raise(SIGTERM);
}

void TTestEnvironment::forgetTermination()
{
    QCoreApplication::processEvents();
    TTerminationSignals::forgetRequest();
    // Every event loop started after a quit returns at once, until one run
    // by the application has ended.
    QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
    QCoreApplication::exec();
}

bool TTestEnvironment::writeDeviceFile(const QString& pDevicePath, const QByteArray& pContent, QString* oProblem)
{
    const QString path = TDeviceRoot::path(pDevicePath);
    QString problem = makeFolder(QFileInfo(path).absolutePath());
    if (problem.isEmpty()) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(pContent) != pContent.size() ||
            !file.flush())
            problem = QStringLiteral("the device file \"%1\" cannot be written: %2").arg(path, file.errorString());
    }
    if (oProblem)
        *oProblem = problem;
    return problem.isEmpty();
}

quint16 TTestEnvironment::freePort(QString* oProblem)
{
    QTcpServer probe;
    if (probe.listen(QHostAddress::LocalHost, 0))
        return probe.serverPort();
    if (oProblem)
        *oProblem = QStringLiteral("no free TCP port on the loopback: ") + probe.errorString();
    return 0;
}

quint16 TTestEnvironment::useFreeRemotePort(TTamarindSettings& pSettings, QString* oProblem)
{
    const quint16 port = freePort(oProblem);
    if (port != 0)
        pSettings.setValue(QStringLiteral("ethernet"), QStringLiteral("port"), QString::number(port));
    return port;
}

QByteArray TTestEnvironment::readDeviceFile(const QString& pDevicePath)
{
    QFile file(TDeviceRoot::path(pDevicePath));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool TTestEnvironment::removeUnderRoot(const QString& pPath)
{
    const QString root = rootPath();
    const QString path = QDir::cleanPath(liesStrictlyInside(pPath, root) ? pPath : root + pPath);
    // What the path's folder really is, once links on the way are followed: the
    // nearest of its folders that exists.
    QString folder = QFileInfo(path).path();
    while (!QFileInfo::exists(folder) && folder != QFileInfo(folder).path())
        folder = QFileInfo(folder).path();
    const QString realRoot = QFileInfo(root).canonicalFilePath();
    const QString realFolder = QFileInfo(folder).canonicalFilePath();
    if (root.isEmpty() || !pPath.startsWith(QLatin1Char('/')) || !liesStrictlyInside(path, root) ||
        (realFolder != realRoot && !liesStrictlyInside(realFolder, realRoot)))
        qFatal("Not removing \"%s\": it is not inside the test root \"%s\"", qPrintable(pPath), qPrintable(root));
    const QFileInfo entry(path);
    if (!entry.exists() && !entry.isSymLink())
        return true;
    if (entry.isDir() && !entry.isSymLink())
        return QDir(path).removeRecursively();
    return QFile::remove(path);
}

void failCurrentRow(const char* pStatement, const QString& pReason)
{
    const QByteArray reason = pReason.toLocal8Bit();
    if (QTest::currentTestFunction()) {
        if (!QTest::currentTestFailed())
            QTest::qVerify(false, pStatement, reason.constData(), __FILE__, __LINE__);
    } else
        qWarning("%s: %s", pStatement, reason.constData());
}

TScratchFolder::TScratchFolder(const QString& pPrefix)
{
    const QString root = rootPath();
    if (root.isEmpty())
        mProblem = QStringLiteral("this process has no test root");
    else if (pPrefix.contains(QLatin1Char('/')))
        mProblem = QStringLiteral("a name with a slash would put it in another folder");
    if (mProblem.isEmpty()) {
        mFolder = std::make_unique<QTemporaryDir>(root + QLatin1Char('/') + pPrefix + QStringLiteral("-XXXXXX"));
        if (!mFolder->isValid())
            mProblem = mFolder->errorString();
    }
    if (!isMade())
        mProblem = QStringLiteral("the scratch folder \"%1\" cannot be made in the test root \"%2\": %3")
                       .arg(pPrefix, root, mProblem);
}

bool TScratchFolder::isMade() const
{
    return mFolder && mFolder->isValid();
}

QString TScratchFolder::path() const
{
    if (!isMade())
        qFatal("A row went on without its scratch folder: %s", qPrintable(mProblem));
    return mFolder->path();
}

QString TScratchFolder::filePath(const QString& pName) const
{
    return path() + QLatin1Char('/') + pName;
}

TFullDisk::TFullDisk() : mPath(qgetenv("PATH"))
{
    const QString tools = TTestEnvironment::root() + "/test-tools";
    mReady = writeStandInDf(tools, 100).isEmpty();
    qputenv("PATH", tools.toLocal8Bit() + ":" + mPath);
}

TFullDisk::~TFullDisk()
{
    qputenv("PATH", mPath);
}

void TModalAnswer::onNextModal(std::function<void(QWidget*)> pAction, int pTimeoutMs)
{
    auto* timer = new QTimer(qApp);
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    QObject::connect(timer, &QTimer::timeout, timer, [timer, clock, pAction, pTimeoutMs]() {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal->isVisible()) {
            timer->stop();
            timer->deleteLater();
            pAction(modal);
            return;
        }
        if (clock->elapsed() > pTimeoutMs) {
            timer->stop();
            timer->deleteLater();
            qWarning("TModalAnswer: no modal dialog appeared within %d ms", pTimeoutMs);
        }
    });
    timer->start(5);
}

void TModalAnswer::clickInNextModal(const QString& pButtonObjectName, int pTimeoutMs)
{
    onNextModal(
        [pButtonObjectName](QWidget* pModal) {
            auto* button = pModal->findChild<QWidget*>(pButtonObjectName);
            if (!button) {
                qWarning("TModalAnswer: the dialog has no button %s", qPrintable(pButtonObjectName));
                return;
            }
            // A real press and release, so painted buttons that are no
            // QAbstractButton answer as they do to a finger.
            QTest::mouseClick(button, Qt::LeftButton);
        },
        pTimeoutMs);
}

void TModalAnswer::clickWhenShown(const QString& pButtonObjectName, std::shared_ptr<QString> oText, int pTimeoutMs)
{
    auto* poll = new QTimer(qApp);
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    QObject::connect(poll, &QTimer::timeout, poll, [poll, clock, pButtonObjectName, oText, pTimeoutMs]() {
        QWidget* modal = QApplication::activeModalWidget();
        auto* button = modal ? modal->findChild<QPushButton*>(pButtonObjectName) : nullptr;
        if (!button || !button->isVisible()) {
            if (clock->elapsed() > pTimeoutMs) {
                poll->stop();
                qWarning("TModalAnswer: no dialog with %s appeared", qPrintable(pButtonObjectName));
            }
            return;
        }
        poll->stop();
        poll->deleteLater();
        auto* text = modal->findChild<QLabel*>(QStringLiteral("LblText"));
        if (oText && text)
            *oText = text->text();
        QTest::mouseClick(button, Qt::LeftButton);
    });
    poll->start(5);
}

QString buildDirectory()
{
    return QStringLiteral(TAMARIND_BUILD_DIR);
}
