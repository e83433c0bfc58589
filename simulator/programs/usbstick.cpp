// Plugs the simulated USB stick in or pulls it out under $TAMARIND_ROOT.
#include "usbstickcontrol.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    QTextStream output(stdout);
    return TUSBStickControl::execute(arguments, output);
}
