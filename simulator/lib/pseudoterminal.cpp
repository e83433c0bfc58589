#include "pseudoterminal.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

TPseudoTerminal::~TPseudoTerminal()
{
    close();
}

bool TPseudoTerminal::open(const QString& pLinkPath, QString& oError)
{
    close();
    mMaster = ::posix_openpt(O_RDWR | O_NOCTTY);
    char name[128] = {};
    if (mMaster < 0 || ::grantpt(mMaster) != 0 || ::unlockpt(mMaster) != 0 ||
        ::ptsname_r(mMaster, name, sizeof name) != 0) {
        oError = QStringLiteral("cannot open a pseudo-terminal: %1").arg(QString::fromLocal8Bit(std::strerror(errno)));
        close();
        return false;
    }
    ::fcntl(mMaster, F_SETFL, ::fcntl(mMaster, F_GETFL) | O_NONBLOCK);
    mSlavePath = QString::fromLocal8Bit(name);
    mSlave = ::open(name, O_RDWR | O_NOCTTY);
    termios settings{};
    if (mSlave < 0 || ::tcgetattr(mSlave, &settings) != 0) {
        oError = QStringLiteral("cannot open %1: %2").arg(mSlavePath, QString::fromLocal8Bit(std::strerror(errno)));
        close();
        return false;
    }
    // Bytes pass unchanged and are never echoed back to the program.
    ::cfmakeraw(&settings);
    ::tcsetattr(mSlave, TCSANOW, &settings);

    const QFileInfo link(pLinkPath);
    QDir().mkpath(link.absolutePath());
    if (link.isSymLink() || link.exists())
        QFile::remove(pLinkPath);
    if (!QFile::link(mSlavePath, pLinkPath)) {
        oError = QStringLiteral("cannot link %1 at %2").arg(mSlavePath, pLinkPath);
        close();
        return false;
    }
    mLinkPath = pLinkPath;
    return true;
}

void TPseudoTerminal::close()
{
    if (!mLinkPath.isEmpty() && QFileInfo(mLinkPath).symLinkTarget() == mSlavePath)
        QFile::remove(mLinkPath);
    mLinkPath.clear();
    if (mSlave >= 0)
        ::close(mSlave);
    if (mMaster >= 0)
        ::close(mMaster);
    mSlave = -1;
    mMaster = -1;
    mSlavePath.clear();
}
