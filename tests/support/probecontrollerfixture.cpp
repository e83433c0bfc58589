#include "probecontrollerfixture.h"

#include "channelcontroller.h"
#include "clickablewidgetcontroller.h"
#include "probecontroller.h"
#include "probeeditorfactory.h"

TProbeControllerFixture::~TProbeControllerFixture()
{
    mProbes.reset();
}

TProbeController& TProbeControllerFixture::buildProbes(bool pLoad, bool pWithEditors,
                                                       TStandardProbeSettingController* pStandardSettings)
{
    if (!hasController())
        build();
    Ui_TTamarindMainForm& form = ui();
    auto menu = std::make_unique<TClickableWidgetController>();
    for (QWidget* button :
         {form.BtnProbe_NewPRT, form.BtnProbe_NewTC, form.BtnProbe_NewTherm, form.BtnProbe_ListSmartProbes})
        menu->addWidget(button, nullptr);
    const TProbeEditorServices services{&controller(), nullptr, &board().handler(), &subMenu()};
    mProbes = std::make_unique<TProbeController>(
        &subMenu(), &controller(), &board().handler(), pStandardSettings, nullptr,
        std::make_unique<TClickableWidgetController>(), std::move(menu), form.PageProbeSelection,
        form.BtnDefProbe_3w_prt, form.BtnDefProbe_4w_prt, form.BtnDefProbe_sprt, form.BtnDefProbe_thermistor,
        form.BtnDefProbe_thermocouple, form.BtnProbe_NewPRT, form.BtnProbe_NewTC, form.BtnProbe_NewTherm,
        form.WgtFilter, form.LblProbeFilterValue, form.BtnDeleteProbe, form.BtnProbe_ListSmartProbes,
        form.scrollAreaProbeMenu, form.scrollAreaProbeSel,
        pWithEditors ? createPRTProbeEditor(form, services) : nullptr,
        pWithEditors ? createTCProbeEditor(form, services) : nullptr,
        pWithEditors ? createThermistorProbeEditor(form, services) : nullptr,
        pWithEditors ? form.PageSmartProbeList : nullptr, pWithEditors ? form.scrollAreaSmartProbeList : nullptr);
    if (pLoad)
        mProbes->loadProbesFromDevice();
    return *mProbes;
}
