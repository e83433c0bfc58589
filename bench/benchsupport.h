#pragma once

#include "deviceroot.h"
#include "submenucontroller.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

// A menu area that shows nothing: the benchmarks run controllers without a window.
class TNoSubMenu : public ISubMenuController
{
public:
    void showSubMenu(const QString&, QWidget*, ISubMenuConfirmationReceiver*, EnSubMenuType) override {}
    void cancelSubMenu(ISubMenuConfirmationReceiver*) override {}
    void setSubMenuCaption(const QString&) override {}
    void restoreSubMenuCaption() override {}
    void setMainMenuCaption() override {}
};

// Runs the benchmarks of a program that builds widgets: offscreen unless a
// platform is given, with the simulated board's link and the settings under a
// device root of its own.
inline int runWidgetBenchmarks(int argc, char** argv)
{
    QTemporaryDir root;
    qputenv(TDeviceRoot::ROOT_VARIABLE, root.path().toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
