#include "graphviewfixture.h"

#include "channelcontrollerfixture.h"
#include "graphviewcontroller.h"

std::unique_ptr<TGraphViewController> buildGraphViewOnForm(TChannelControllerFixture& pFixture,
                                                           TScanModeController& pScanMode)
{
    Ui_TTamarindMainForm& f = pFixture.ui();
    return std::make_unique<TGraphViewController>(
        &pFixture.subMenu(), &pScanMode, &pFixture.controller(), f.qwtPlot, f.PageGraphUnitAndScale, f.Btn2DPlot_Chan1,
        f.Btn2DPlot_Chan2, f.Btn2DPlot_Chan3, f.Btn2DPlot_Chan4, f.Btn2DPlot_Chan5, f.Btn2DPlot_Chan6,
        f.Btn2DPlot_Chan7, f.Btn2DPlot_Chan8, f.Btn2DPlot_Chan9, f.Btn2DPlot_Chan10, f.Btn2DPlot_Unit, f.BtnGraphUnit_C,
        f.BtnGraphUnit_F, f.BtnGraphUnit_K, f.BtnGraphUnit_Ohm, f.BtnGraphUnit_mV, f.RbGraphScale_Auto,
        f.RbGraphScale_Custom, f.BtnGraphScale_Min, f.BtnGraphScale_Max, f.BtnGraphRefresh);
}
