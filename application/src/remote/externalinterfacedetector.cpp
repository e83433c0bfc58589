#include "externalinterfacedetector.h"

#include "deviceroot.h"

#include <QFile>
#include <QString>

namespace
{
constexpr const char* OPTION_BOARD_FITTED_GPIO = "/sys/class/gpio/gpio20/value";
constexpr const char* OPTION_BOARD_KIND_GPIO = "/sys/class/gpio/gpio82/value";

// An unreadable file reads as empty.
QString readValue(const char* pDevicePath)
{
    QFile file(TDeviceRoot::path(QLatin1String(pDevicePath)));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromLatin1(file.readAll()).trimmed();
}
} // namespace

void TExternalInterfaceDetector::getAttachedInterfaces(bool& oRS232, bool& oIEEE488) const
{
    oRS232 = false;
    oIEEE488 = false;
    if (readValue(OPTION_BOARD_FITTED_GPIO) != QLatin1String("1"))
        return;
    const QString kind = readValue(OPTION_BOARD_KIND_GPIO);
    oRS232 = kind == QLatin1String("1");
    oIEEE488 = kind == QLatin1String("0");
}
