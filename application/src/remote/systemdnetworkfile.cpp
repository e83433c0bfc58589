#include "systemdnetworkfile.h"

#include "deviceroot.h"
#include "networkconfigurationfile.h"

TSystemDNetworkFile::TSystemDNetworkFile(const QString& pFileName) : mFile(TDeviceRoot::path(pFileName))
{
    parse();
}

TSystemDNetworkFile::~TSystemDNetworkFile()
{
    if (mFile.isOpen())
        mFile.close();
}

bool TSystemDNetworkFile::exists() const
{
    return mFile.exists();
}

// Keys and values are split at the first "=" and kept as they stand, so
// "DHCP = ipv4" holds the key "DHCP " and the value " ipv4".
void TSystemDNetworkFile::parse()
{
    const QString text = QString::fromLocal8Bit(TNetworkConfigurationFile::read(mFile.fileName()));
    QString section;
    for (const QString& rawLine : text.split(QLatin1Char('\n'))) {
        const QString line = rawLine.trimmed();
        if (line.isEmpty())
            continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            section = line.mid(1, line.size() - 2);
            continue;
        }
        const int equals = line.indexOf(QLatin1Char('='));
        if (section.isEmpty() || equals < 0)
            continue;
        mContent[section][line.left(equals)] = line.mid(equals + 1);
    }
}

QString TSystemDNetworkFile::value(const QString& pSection, const QString& pKey) const
{
    return mContent.value(pSection).value(pKey);
}

void TSystemDNetworkFile::setValue(const QString& pSection, const QString& pKey, const QString& pValue)
{
    mContent[pSection][pKey] = pValue;
}

void TSystemDNetworkFile::removeKey(const QString& pSection, const QString& pKey)
{
    auto section = mContent.find(pSection);
    if (section != mContent.end())
        section->remove(pKey);
}

bool TSystemDNetworkFile::store()
{
    QString text;
    for (auto section = mContent.cbegin(); section != mContent.cend(); ++section) {
        text += QLatin1Char('[') + section.key() + QStringLiteral("]\n");
        for (auto key = section->cbegin(); key != section->cend(); ++key)
            text += key.key() + QLatin1Char('=') + key.value() + QLatin1Char('\n');
    }
    return TNetworkConfigurationFile::replace(mFile.fileName(), text.toLocal8Bit());
}
