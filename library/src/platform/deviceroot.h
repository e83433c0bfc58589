#pragma once

#include <QString>

// Resolves the instrument's absolute paths (device files, sysfs, /etc, /home,
// /media/usb). On the device they are used as they stand; on a development
// machine TAMARIND_ROOT names a directory under which every such path lies,
// so that nothing the program touches is outside it.
class TDeviceRoot
{
public:
    static constexpr const char* ROOT_VARIABLE = "TAMARIND_ROOT";

    // The root directory without a trailing slash; empty on the device, and
    // empty as well while the variable is set to something unusable.
    static QString rootDirectory();
    static bool isSimulated();

    // Why TAMARIND_ROOT cannot serve as a root: set but empty, or naming the
    // machine's own "/" ("/", "//", "/tmp/..", a link to "/"). A script with an
    // unset variable would otherwise run the device's commands on the host.
    // Empty when the variable is unset (the device) or usable.
    static QString rootVariableProblem();
    // For the programs' main(): prints the problem, if any, after the program's
    // name on standard error and returns false, so the program can refuse to start.
    static bool checkRootVariable(const char* pProgramName);

    // The directory for Qt's per-user runtime files: inside the root under a
    // root, so that Qt does not make one in the host's /tmp. Empty on the device.
    static QString runtimeDirectory();
    // Points XDG_RUNTIME_DIR there (created, owner-only as Qt demands) unless it
    // already lies inside the root; call it before the application object exists.
    static void prepareRuntimeDirectory();

    // "/dev/ttyO2" becomes "<root>/dev/ttyO2" under a root; relative paths and
    // paths already inside the root are returned unchanged.
    static QString path(const QString& pDevicePath);

    // The inverse of path(): a host path inside the root becomes the device
    // path it stands for. Paths outside the root are returned unchanged.
    static QString devicePath(const QString& pHostPath);

    // True for a name from outside (a remote client, the serial number, a
    // file on the stick) that can only name an entry of the directory it is
    // put in: not empty, not "." or "..", and with no "/", "\\" or NUL.
    static bool isPlainFileName(const QString& pName);

    // The network interface that gives the instrument its hardware address;
    // TAMARIND_NETWORK_INTERFACE overrides the device's "eth0" so tests and the
    // development machine can use an interface that exists there.
    static QString networkInterfaceName(const QString& pDeviceInterface);

    // The hardware address of that interface as "AA:BB:CC:DD:EE:FF", empty
    // when there is none. Under a root the sysfs file
    // "/sys/class/net/<interface>/address" inside the root is read first, so
    // tests can give the instrument a fixed address.
    static QString hardwareAddress(const QString& pDeviceInterface);
};
