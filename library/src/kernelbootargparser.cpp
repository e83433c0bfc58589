#include "kernelbootargparser.h"

#include "deviceroot.h"

#include <QFile>

QMap<QString, QString> TKernelBootargParser::kernelBootArgs()
{
    QFile file(TDeviceRoot::path(QStringLiteral("/proc/cmdline")));
    if (!file.open(QIODevice::ReadOnly))
        return QMap<QString, QString>();
    return parseString(QString::fromLocal8Bit(file.readAll()));
}

QMap<QString, QString> TKernelBootargParser::parseString(const QString& pText)
{
    QMap<QString, QString> arguments;
    const auto insert = [&arguments](const QString& pKey, const QString& pValue) {
        if (!arguments.contains(pKey))
            arguments.insert(pKey, pValue);
    };

    QString key;
    QString value;
    QString* current = &key;
    bool quoted = false;
    for (const QChar character : pText) {
        if (character == QLatin1Char('"')) {
            quoted = !quoted;
        } else if (quoted) {
            current->append(character);
        } else if (character == QLatin1Char(' ')) {
            insert(key, current == &value ? value : QString());
            key.clear();
            value.clear();
            current = &key;
        } else if (character == QLatin1Char('=')) {
            current = &value;
        } else {
            current->append(character);
        }
    }
    if (!key.isEmpty())
        insert(key, value);
    return arguments;
}
