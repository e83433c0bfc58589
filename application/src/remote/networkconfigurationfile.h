#pragma once

#include <QByteArray>
#include <QString>

// Reading and replacing the operating system's network configuration files by
// their device paths (a path already under the device root is taken as it
// stands), for the Ethernet configuration variants.
class TNetworkConfigurationFile
{
public:
    // The file's bytes up to the first NUL byte; empty when it is missing or unreadable.
    static QByteArray read(const QString& pDevicePath);
    // Puts the content in place of the file in one step, synchronised to the
    // medium; false (old file intact) when it could not be written.
    static bool replace(const QString& pDevicePath, const QByteArray& pContent);
};
