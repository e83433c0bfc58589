#include "deviceroot.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QNetworkInterface>

#include <cstdio>
#include <unistd.h>

namespace
{
QString cleanAbsolute(const QString& pPath)
{
    return QDir::cleanPath(QDir(pPath).absolutePath());
}

bool isHostRoot(const QString& pPath)
{
    const QString root = QStringLiteral("/");
    return cleanAbsolute(pPath) == root || QFileInfo(pPath).canonicalFilePath() == root;
}
} // namespace

QString TDeviceRoot::rootVariableProblem()
{
    if (!qEnvironmentVariableIsSet(ROOT_VARIABLE))
        return QString();
    const QString value = qEnvironmentVariable(ROOT_VARIABLE);
    if (value.isEmpty())
        return QStringLiteral("%1 is set but empty").arg(QLatin1String(ROOT_VARIABLE));
    if (isHostRoot(value))
        return QStringLiteral("%1=\"%2\" is this machine's own root directory")
            .arg(QLatin1String(ROOT_VARIABLE), value);
    return QString();
}

bool TDeviceRoot::checkRootVariable(const char* pProgramName)
{
    const QString problem = rootVariableProblem();
    if (problem.isEmpty())
        return true;
    std::fprintf(stderr, "%s: %s; not starting. Unset it to run on the device, or name a directory of its own.\n",
                 pProgramName, qPrintable(problem));
    return false;
}

QString TDeviceRoot::rootDirectory()
{
    const QString root = qEnvironmentVariable(ROOT_VARIABLE);
    if (root.isEmpty() || !rootVariableProblem().isEmpty())
        return QString();
    return cleanAbsolute(root);
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

bool TDeviceRoot::isPlainFileName(const QString& pName)
{
    return !pName.isEmpty() && pName != QLatin1String(".") && pName != QLatin1String("..") &&
           !pName.contains(QLatin1Char('/')) && !pName.contains(QLatin1Char('\\')) && !pName.contains(QChar(0));
}

QString TDeviceRoot::runtimeDirectory()
{
    return isSimulated() ? path(QStringLiteral("/run/user/")) + QString::number(::getuid()) : QString();
}

void TDeviceRoot::prepareRuntimeDirectory()
{
    const QString directory = runtimeDirectory();
    if (directory.isEmpty())
        return;
    const QString current = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!current.isEmpty() && devicePath(cleanAbsolute(current)) != cleanAbsolute(current))
        return;
    QDir().mkpath(directory);
    QFile::setPermissions(directory, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", directory.toLocal8Bit());
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
