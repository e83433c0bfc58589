#include "fileversion.h"

QString TFileVersion::toString() const
{
    return QStringLiteral("%1.%2.%3.%4").arg(mVersionMajor).arg(mVersionMinor).arg(mVersionRevision).arg(mVersionBuild);
}
