#include "usbstickcontrol.h"

#include "deviceroot.h"
#include "osversion.h"
#include "simulatedusbstick.h"

#include <QTextStream>

namespace
{
constexpr int USAGE_ERROR = 2;
} // namespace

int TUSBStickControl::execute(const QStringList& pArguments, QTextStream& pOutput, QTextStream& pErrors)
{
    if (!TDeviceRoot::isSimulated()) {
        pErrors << "Set " << TDeviceRoot::ROOT_VARIABLE << " to the device root of the instrument program.\n";
        return USAGE_ERROR;
    }
    const QString command = pArguments.value(0);
    if (command == QLatin1String("insert") && pArguments.size() <= 2) {
        const bool wholeDisk = pArguments.value(1) == QLatin1String("whole-disk");
        if (pArguments.size() == 2 && !wholeDisk) {
            pErrors << "Unknown stick layout " << pArguments.at(1) << "; use whole-disk or nothing.\n";
            return USAGE_ERROR;
        }
        // On platform 1 the device's udev rule links and mounts a partition at once.
        const bool udev = TOSVersion().platformVersion_Major() == 1;
        const bool wasInserted = TSimulatedUSBStick::isInserted();
        QString error;
        if (!TSimulatedUSBStick::insert(wholeDisk ? TSimulatedUSBStick::slWholeDisk : TSimulatedUSBStick::slPartitioned,
                                        udev, &error)) {
            // A stick whose mount failed is in all the same, as on the device: the user pulls it with remove.
            if (!wasInserted && TSimulatedUSBStick::isInserted())
                pErrors << "Stick plugged in, but not mounted: " << error << "\n";
            else
                pErrors << error << "\n";
            return 1;
        }
        pOutput << "Stick plugged in; its files are in " << TSimulatedUSBStick::mediumDirectory() << "\n";
        return 0;
    }
    if (command == QLatin1String("remove") && pArguments.size() == 1) {
        if (!TSimulatedUSBStick::remove()) {
            pErrors << "No stick is plugged in.\n";
            return 1;
        }
        pOutput << "Stick pulled out.\n";
        return 0;
    }
    if (command == QLatin1String("capacity") && pArguments.size() == 2) {
        bool valid = false;
        const qint64 bytes = pArguments.at(1) == QLatin1String("unlimited") ? -1 : pArguments.at(1).toLongLong(&valid);
        if ((!valid && bytes != -1) || (valid && bytes < 0)) {
            pErrors << "The capacity is a number of bytes or unlimited.\n";
            return USAGE_ERROR;
        }
        QString error;
        if (!TSimulatedUSBStick::setCapacity(bytes, &error)) {
            const qint64 current = TSimulatedUSBStick::capacity();
            pErrors << "Capacity not set: " << error << "; the stick's capacity is "
                    << (current < 0 ? QStringLiteral("unlimited") : QString::number(current)) << ".\n";
            return 1;
        }
        pOutput << "Capacity " << (bytes < 0 ? QStringLiteral("unlimited") : QString::number(bytes)) << "; "
                << TSimulatedUSBStick::usedBytes() << " bytes in use.\n";
        return 0;
    }
    if (command == QLatin1String("status") && pArguments.size() == 1) {
        const qint64 capacity = TSimulatedUSBStick::capacity();
        pOutput << (TSimulatedUSBStick::isInserted() ? "plugged in" : "not plugged in") << "; files in "
                << TSimulatedUSBStick::mediumDirectory() << "; " << TSimulatedUSBStick::usedBytes() << " of "
                << (capacity < 0 ? QStringLiteral("unlimited") : QString::number(capacity)) << " bytes used\n";
        return 0;
    }
    pErrors << "usage: usbstick insert [whole-disk] | remove | capacity <bytes>|unlimited | status\n";
    return USAGE_ERROR;
}
