#include "osversion.h"

#include "deviceroot.h"

#include <QFile>
#include <QStringList>

namespace
{
// Leaves the numbers as they are unless the file holds exactly one dot; a
// part that is no number gives 1 for the major, 0 for the minor number.
void readVersionFile(const QString& pDevicePath, unsigned short& oMajor, unsigned short& oMinor)
{
    QFile file(TDeviceRoot::path(pDevicePath));
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QString text = QString::fromLocal8Bit(file.readAll());
    if (text.isEmpty())
        return;
    const QStringList parts = text.split(QLatin1Char('.'));
    if (parts.size() != 2)
        return;
    bool ok = false;
    const unsigned short major = parts.at(0).toUShort(&ok);
    oMajor = ok ? major : 1;
    const unsigned short minor = parts.at(1).toUShort(&ok);
    oMinor = ok ? minor : 0;
}
} // namespace

TOSVersion& TOSVersion::instance()
{
    static TOSVersion version;
    return version;
}

TOSVersion::TOSVersion()
{
    readVersionFile(QStringLiteral("/etc/version_os_platform"), mPlatformVersion_Major, mPlatformVersion_Minor);
    readVersionFile(QStringLiteral("/etc/version_os_product"), mProductVersion_Major, mProductVersion_Minor);
}

QString TOSVersion::toString() const
{
    return QStringLiteral("%1.%2-%3.%4")
        .arg(mPlatformVersion_Major)
        .arg(mPlatformVersion_Minor)
        .arg(mProductVersion_Major)
        .arg(mProductVersion_Minor);
}
