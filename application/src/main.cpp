// The instrument's user interface: one full-screen window that builds the
// whole system and runs until the device is switched off or restarted.

#include "deviceroot.h"
#include "tamarindmainform.h"
#include "tamarindsettings.h"
#include "terminationsignals.h"

#include <QApplication>
#include <QTimer>

#include <csignal>

#ifdef __GLIBC__
#include <malloc.h>
#endif

int main(int argc, char* argv[])
{
    if (!TDeviceRoot::checkRootVariable("ZTM8800UI"))
        return 2;
    TDeviceRoot::prepareRuntimeDirectory();
    // A write past a file size limit would end the program where it stands,
    // a log line or a download cut in the middle; ignored, the write fails
    // and the writer takes back what it began, as after a full disk.
    std::signal(SIGXFSZ, SIG_IGN);
#ifdef __GLIBC__
    // Images are made and dropped all the time between long-lived small
    // objects: character images of the values, a VNC viewer's copies of the
    // screen, a dialog's look. The allocator's own threshold rises to the
    // largest block freed, after which such blocks come from the heap, whose
    // holes the program then keeps for good. A fixed threshold maps every
    // block from 16 KB on by itself and gives it back as it is freed.
    mallopt(M_MMAP_THRESHOLD, 16 * 1024);
#endif
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
