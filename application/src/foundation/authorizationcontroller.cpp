#include "authorizationcontroller.h"

#include <QCryptographicHash>

TAuthorizationController& TAuthorizationController::instance()
{
    static TAuthorizationController controller;
    return controller;
}

TAuthorizationController::TAuthorizationController(QObject* pParent) : QObject(pParent) {}

void TAuthorizationController::addLevel(const QString& pDigest)
{
    mPasswords << pDigest;
}

int TAuthorizationController::enterLevel(const QString& pPassword)
{
    const int oldLevel = mLevel;
    if (mPasswords.empty())
        return mLevel;
    const QString digest =
        QString::fromLatin1(QCryptographicHash::hash(pPassword.toLatin1(), QCryptographicHash::Sha1).toHex());
    for (std::size_t i = 0; i < mPasswords.size(); ++i) {
        if (mPasswords[i] == digest) {
            mLevel = static_cast<int>(i) + 1;
            break;
        }
    }
    if (mLevel != oldLevel)
        emit authorizationLevelChanged(oldLevel, mLevel);
    return mLevel;
}

void TAuthorizationController::resetLevel()
{
    const int oldLevel = mLevel;
    mLevel = 0;
    emit authorizationLevelChanged(oldLevel, mLevel);
}
