#include "networkconfigurationfile.h"

#include "deviceroot.h"
#include "filesystemsync.h"

#include <QFile>

QByteArray TNetworkConfigurationFile::read(const QString& pDevicePath)
{
    QFile file(TDeviceRoot::path(pDevicePath));
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    QByteArray content = file.readAll();
    const int nul = content.indexOf('\0');
    if (nul >= 0)
        content.truncate(nul);
    return content;
}

bool TNetworkConfigurationFile::replace(const QString& pDevicePath, const QByteArray& pContent)
{
    return TFileSystemSync::writeReplacing(TDeviceRoot::path(pDevicePath), pContent);
}
