#include "deviceroot.h"

#include <QDir>

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
