// Plugs the simulated USB stick in or pulls it out under $TAMARIND_ROOT.
#include "deviceroot.h"
#include "usbstickcontrol.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char* argv[])
{
    if (!TDeviceRoot::checkRootVariable("usbstick"))
        return 2;
    QCoreApplication application(argc, argv);
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    QTextStream output(stdout);
    QTextStream errors(stderr);
    return TUSBStickControl::execute(arguments, output, errors);
}
