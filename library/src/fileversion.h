#pragma once

#include <QString>

// The four-part version of a program or firmware file.
class TFileVersion
{
public:
    TFileVersion() = default;
    TFileVersion(unsigned int pMajor, unsigned int pMinor, unsigned int pRevision, unsigned int pBuild)
        : mVersionMajor(pMajor), mVersionMinor(pMinor), mVersionRevision(pRevision), mVersionBuild(pBuild)
    {
    }

    unsigned int versionMajor() const { return mVersionMajor; }
    unsigned int versionMinor() const { return mVersionMinor; }
    unsigned int versionRevision() const { return mVersionRevision; }
    unsigned int versionBuild() const { return mVersionBuild; }

    // "major.minor.revision.build", all decimal.
    QString toString() const;

private:
    unsigned int mVersionMajor = 0;
    unsigned int mVersionMinor = 0;
    unsigned int mVersionRevision = 0;
    unsigned int mVersionBuild = 0;
};
