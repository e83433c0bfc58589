#pragma once

#include "zelkvector.h"

#include <QObject>
#include <QString>

// The service access level in force: 0 for the ordinary user, 1 and up after
// the matching password. Only SHA-1 digests of the passwords are kept.
class TAuthorizationController : public QObject
{
    Q_OBJECT

public:
    // The digests that apply while the settings hold none of their own
    // (section "authorization", keys "level1" and "level2").
    static constexpr const char* FACTORY_DIGEST_LEVEL1 = "e2a3cea9e2f0022b6f7311a5541f846f9c44d35b";
    static constexpr const char* FACTORY_DIGEST_LEVEL2 = "dbc374b33a0e56fa38bda4bc5bcfaea85c793e99";

    static TAuthorizationController& instance();

    // The program uses instance(); a separate controller starts at level 0
    // with no levels.
    explicit TAuthorizationController(QObject* pParent = nullptr);

    // The digest (40 lower-case hexadecimal digits) of the next level's password.
    void addLevel(const QString& pDigest);
    // Returns the level in force afterwards: the level of the first digest
    // that matches, or the level as it was when none does.
    int enterLevel(const QString& pPassword);
    void resetLevel();
    int level() const { return mLevel; }

signals:
    void authorizationLevelChanged(int pOldLevel, int pNewLevel);

private:
    int mLevel = 0;
    zelk::vector<QString> mPasswords;
};
