#include "networkinterfaces.h"

#include "deviceroot.h"
#include "simulatednetwork.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QNetworkInterface>

namespace
{
constexpr const char* ROUTE_FILE = "route";
} // namespace

QString TNetworkInterfaces::simulatedFile(const QString& pName)
{
    return TDeviceRoot::path(QLatin1String(SIMULATED_NETWORK_DIRECTORY) + QLatin1Char('/') + pName);
}

bool TNetworkInterfaces::interfaceExists(const QString& pName)
{
    if (pName.isEmpty())
        return false;
    if (!TDeviceRoot::isSimulated())
        return QNetworkInterface::interfaceFromName(pName).isValid();
    return pName != QLatin1String(ROUTE_FILE) && QFileInfo(simulatedFile(pName)).isFile();
}

QList<TNetworkAddressEntry> TNetworkInterfaces::addressEntries(const QString& pName)
{
    QList<TNetworkAddressEntry> entries;
    if (!interfaceExists(pName))
        return entries;
    if (!TDeviceRoot::isSimulated()) {
        for (const QNetworkAddressEntry& entry : QNetworkInterface::interfaceFromName(pName).addressEntries())
            entries.append({entry.ip(), entry.netmask()});
        return entries;
    }
    QFile file(simulatedFile(pName));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return entries;
    for (const QByteArray& line : file.readAll().split('\n')) {
        const QList<QByteArray> words = line.simplified().split(' ');
        if (words.size() == 2)
            entries.append(
                {QHostAddress(QString::fromLatin1(words.at(0))), QHostAddress(QString::fromLatin1(words.at(1)))});
    }
    return entries;
}

void TNetworkInterfaces::install(TCommandRunner& pRunner)
{
    TSimulatedNetwork::install(pRunner);
}

bool TNetworkInterfaces::setSimulatedInterface(const QString& pName, bool pExists, const QStringList& pEntries)
{
    if (!TDeviceRoot::isSimulated() || pName.isEmpty() || pName == QLatin1String(ROUTE_FILE))
        return false;
    const QString path = simulatedFile(pName);
    if (!pExists)
        return !QFileInfo::exists(path) || QFile::remove(path);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write((pEntries.join(QLatin1Char('\n')) + QLatin1Char('\n')).toLatin1()) >= 0;
}

bool TNetworkInterfaces::setSimulatedRoutes(const QByteArray& pRouteOutput)
{
    if (!TDeviceRoot::isSimulated())
        return false;
    const QString path = simulatedFile(QLatin1String(ROUTE_FILE));
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(pRouteOutput) == pRouteOutput.size();
}
