#pragma once

#include <memory>

class ISubMenuController;
class TChannelController;
class TInternalSCPIHandler;
class TProbeEditController_PRT;
class TProbeEditController_TC;
class TProbeEditController_Thermistor;
class TStandardProbeSettingController;
class Ui_TTamarindMainForm;

// The probe edit pages on the widgets of the main window's form; the window
// builds them once and hands them to the probe controller.
struct TProbeEditorServices
{
    TChannelController* mChannelController;
    TStandardProbeSettingController* mStandardProbeSettings;
    TInternalSCPIHandler* mSCPIHandler;
    ISubMenuController* mSubMenuController;
};

std::unique_ptr<TProbeEditController_PRT> createPRTProbeEditor(Ui_TTamarindMainForm& ui,
                                                               const TProbeEditorServices& pServices);
std::unique_ptr<TProbeEditController_TC> createTCProbeEditor(Ui_TTamarindMainForm& ui,
                                                             const TProbeEditorServices& pServices);
std::unique_ptr<TProbeEditController_Thermistor> createThermistorProbeEditor(Ui_TTamarindMainForm& ui,
                                                                             const TProbeEditorServices& pServices);
