#include "deviceroot.h"

#include <QDir>
#include <QFile>
#include <QNetworkInterface>

QString TDeviceRoot::rootDirectory()
{
    QString root = qEnvironmentVariable(ROOT_VARIABLE);
    if (root.isEmpty())
        return QString();
    root = QDir::cleanPath(QDir(root).absolutePath());
    return root == QLatin1String("/") ? QString() : root;
}

bool TDeviceRoot::isSimulated()
{
    return !rootDirectory().isEmpty();
}

QString TDeviceRoot::path(const QString& pDevicePath)
{
    const QString root = rootDirectory();
    if (root.isEmpty() || !pDevicePath.startsWith(QLatin1Char('/')))
        return pDevicePath;
    if (pDevicePath == root || pDevicePath.startsWith(root + QLatin1Char('/')))
        return pDevicePath;
    return root + pDevicePath;
}

QString TDeviceRoot::devicePath(const QString& pHostPath)
{
    const QString root = rootDirectory();
    if (root.isEmpty())
        return pHostPath;
    if (pHostPath == root)
        return QStringLiteral("/");
    if (pHostPath.startsWith(root + QLatin1Char('/')))
        return pHostPath.mid(root.size());
    return pHostPath;
}

QString TDeviceRoot::networkInterfaceName(const QString& pDeviceInterface)
{
    const QString configured = qEnvironmentVariable("TAMARIND_NETWORK_INTERFACE");
    return configured.isEmpty() ? pDeviceInterface : configured;
}

QString TDeviceRoot::hardwareAddress(const QString& pDeviceInterface)
{
    const QString name = networkInterfaceName(pDeviceInterface);
    if (isSimulated()) {
        QFile file(path(QStringLiteral("/sys/class/net/") + name + QStringLiteral("/address")));
        if (file.open(QIODevice::ReadOnly))
            return QString::fromLatin1(file.readAll()).trimmed().toUpper();
    }
    return QNetworkInterface::interfaceFromName(name).hardwareAddress();
}
