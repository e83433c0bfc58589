#include "pseudoterminal.h"

#include "programsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

TPseudoTerminal::~TPseudoTerminal()
{
    close();
}

bool TPseudoTerminal::openPair(TPair& oPair, QString& oError)
{
    oPair.mMaster = ::posix_openpt(O_RDWR | O_NOCTTY);
    char name[128] = {};
    if (oPair.mMaster < 0 || ::grantpt(oPair.mMaster) != 0 || ::unlockpt(oPair.mMaster) != 0 ||
        ::ptsname_r(oPair.mMaster, name, sizeof name) != 0) {
        oError = QStringLiteral("cannot open a pseudo-terminal: %1").arg(QString::fromLocal8Bit(std::strerror(errno)));
        closePair(oPair);
        return false;
    }
    ::fcntl(oPair.mMaster, F_SETFL, ::fcntl(oPair.mMaster, F_GETFL) | O_NONBLOCK);
    oPair.mSlavePath = QString::fromLocal8Bit(name);
    oPair.mSlave = ::open(name, O_RDWR | O_NOCTTY);
    termios settings{};
    if (oPair.mSlave < 0 || ::tcgetattr(oPair.mSlave, &settings) != 0) {
        oError =
            QStringLiteral("cannot open %1: %2").arg(oPair.mSlavePath, QString::fromLocal8Bit(std::strerror(errno)));
        closePair(oPair);
        return false;
    }
    // Bytes pass unchanged and are never echoed back to the program.
    ::cfmakeraw(&settings);
    ::tcsetattr(oPair.mSlave, TCSANOW, &settings);
    return true;
}

void TPseudoTerminal::closePair(TPair& pPair)
{
    if (pPair.mSlave >= 0)
        ::close(pPair.mSlave);
    if (pPair.mMaster >= 0)
        ::close(pPair.mMaster);
    pPair = TPair();
}

namespace
{
// Whether nothing stands at pPath, or a symbolic link: what a line may replace, or remove. False with the reason
// otherwise.
bool isFreeOrLink(const QString& pPath, QString& oError)
{
    struct stat status
    {
    };
    if (::lstat(QFile::encodeName(pPath).constData(), &status) != 0 || S_ISLNK(status.st_mode))
        return true;
    oError = QStringLiteral("%1 exists and is not a symbolic link: a line takes the place of a link only, and leaves "
                            "this as it is")
                 .arg(pPath);
    return false;
}

QString nextLinkPath(const QString& pLinkPath)
{
    return pLinkPath + QStringLiteral(".next");
}
} // namespace

bool TPseudoTerminal::link(const QString& pSlavePath, const QString& pLinkPath, QString& oError)
{
    if (!PeerProgram::makeFolder(QFileInfo(pLinkPath).absolutePath(), oError))
        return false;
    // The new link is made beside the old one and put in its place in one step; a link an earlier run left there
    // half-way is replaced. What came at either path since the line was opened is left as it is too.
    if (!mayLinkAt(pLinkPath, oError))
        return false;
    const QString next = nextLinkPath(pLinkPath);
    QFile::remove(next);
    if (!QFile::link(pSlavePath, next) || ::rename(QFile::encodeName(next), QFile::encodeName(pLinkPath)) != 0) {
        oError = QStringLiteral("cannot link %1 at %2: %3").arg(pSlavePath, pLinkPath, qt_error_string(errno));
        return false;
    }
    return true;
}

bool TPseudoTerminal::mayLinkAt(const QString& pLinkPath, QString& oError)
{
    return isFreeOrLink(pLinkPath, oError) && isFreeOrLink(nextLinkPath(pLinkPath), oError);
}

bool TPseudoTerminal::open(const QString& pLinkPath, QString& oError)
{
    close();
    if (!openPair(mPair, oError))
        return false;
    if (!link(mPair.mSlavePath, pLinkPath, oError)) {
        close();
        return false;
    }
    mLinkPath = pLinkPath;
    return true;
}

bool TPseudoTerminal::reopen(QString& oError)
{
    if (mLinkPath.isEmpty()) {
        oError = QStringLiteral("the line is not open");
        return false;
    }
    TPair pair;
    if (!openPair(pair, oError))
        return false;
    if (!link(pair.mSlavePath, mLinkPath, oError)) {
        closePair(pair);
        return false;
    }
    closePair(mPair);
    mPair = pair;
    return true;
}

void TPseudoTerminal::close()
{
    hangUp();
    mLinkPath.clear();
}

void TPseudoTerminal::hangUp()
{
    // Without a slave of its own (hung up before) what stands at the path now is another's, whatever it is.
    if (!mLinkPath.isEmpty() && !mPair.mSlavePath.isEmpty() && QFileInfo(mLinkPath).symLinkTarget() == mPair.mSlavePath)
        QFile::remove(mLinkPath);
    closePair(mPair);
}
