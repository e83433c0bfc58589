#include "pseudoterminal.h"

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

bool TPseudoTerminal::link(const QString& pSlavePath, const QString& pLinkPath)
{
    const QFileInfo link(pLinkPath);
    QDir().mkpath(link.absolutePath());
    const QString next = pLinkPath + QStringLiteral(".next");
    QFile::remove(next);
    return QFile::link(pSlavePath, next) && ::rename(QFile::encodeName(next), QFile::encodeName(pLinkPath)) == 0;
}

bool TPseudoTerminal::mayLinkAt(const QString& pLinkPath, QString& oError)
{
    struct stat status
    {
    };
    if (::lstat(QFile::encodeName(pLinkPath).constData(), &status) != 0 || S_ISLNK(status.st_mode))
        return true;
    oError = QStringLiteral("%1 exists and is not a symbolic link: a line takes the place of a link only, and leaves "
                            "this as it is")
                 .arg(pLinkPath);
    return false;
}

bool TPseudoTerminal::open(const QString& pLinkPath, QString& oError)
{
    close();
    if (!mayLinkAt(pLinkPath, oError) || !openPair(mPair, oError))
        return false;
    if (!link(mPair.mSlavePath, pLinkPath)) {
        oError = QStringLiteral("cannot link %1 at %2").arg(mPair.mSlavePath, pLinkPath);
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
    if (!link(pair.mSlavePath, mLinkPath)) {
        oError = QStringLiteral("cannot link %1 at %2").arg(pair.mSlavePath, mLinkPath);
        closePair(pair);
        return false;
    }
    closePair(mPair);
    mPair = pair;
    return true;
}

void TPseudoTerminal::close()
{
    if (!mLinkPath.isEmpty() && QFileInfo(mLinkPath).symLinkTarget() == mPair.mSlavePath)
        QFile::remove(mLinkPath);
    mLinkPath.clear();
    closePair(mPair);
}
