#pragma once

#include <QMap>
#include <QString>

// The kernel command line as key/value pairs. Values may be quoted to hold
// blanks; a word without "=" is a key with an empty value; the first
// occurrence of a key wins.
class TKernelBootargParser
{
public:
    // The arguments of "/proc/cmdline"; empty when the file does not exist.
    static QMap<QString, QString> kernelBootArgs();
    static QMap<QString, QString> parseString(const QString& pText);
};
