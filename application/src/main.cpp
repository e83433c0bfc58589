// The instrument's user interface: one full-screen window that builds the
// whole system and runs until the device is switched off or restarted.

#include "deviceroot.h"
#include "memoryallocator.h"
#include "tamarindmainform.h"
#include "tamarindsettings.h"
#include "terminationsignals.h"

#include <QApplication>
#include <QTimer>

#include <csignal>

int main(int argc, char* argv[])
{
    if (!TDeviceRoot::checkRootVariable("ZTM8800UI"))
        return 2;
    TDeviceRoot::prepareRuntimeDirectory();
    // A write past a file size limit would end the program where it stands,
    // a log line or a download cut in the middle; ignored, the write fails
    // and the writer takes back what it began, as after a full disk.
    std::signal(SIGXFSZ, SIG_IGN);
    TMemoryAllocator::setUpAsTheProgram();
    QApplication application(argc, argv);
    TTerminationSignals::quitEventLoopOnTermination(application);
    TTamarindSettings::instance().holdMessages();
    QApplication::setOrganizationName(QStringLiteral("ZELK"));
    QApplication::setApplicationName(QStringLiteral("ZTM8800UI"));

    TTamarindMainForm::useStartLogoAsBackground();
    TTamarindMainForm mainForm;
    mainForm.showAsTheProgram();
    // Once the event loop runs: the window is up and the board polled while a message waits for its tap.
    QTimer::singleShot(0, &mainForm, [] { TTamarindSettings::instance().showHeldMessages(); });
    return application.exec();
}
