#include "probeeditorfactory.h"

#include "probeeditcontrollers.h"
#include "tamarindmainform_ui.h"

std::unique_ptr<TProbeEditController_PRT> createPRTProbeEditor(Ui_TTamarindMainForm& ui,
                                                               const TProbeEditorServices& pServices)
{
    return std::make_unique<TProbeEditController_PRT>(
        pServices.mChannelController, pServices.mStandardProbeSettings, pServices.mSCPIHandler, ui.PagePRTEdit,
        ui.scrollAreaEditPRTProbe, ui.WgtDefaultProbe_PRT, ui.LblDefaultProbeCaption_PRT, ui.BtnPRT_ProbeName,
        ui.LblProbeName_PRT, ui.LblReference_PRT, ui.Btn_Ref_Yes_PRT, ui.Btn_Ref_No_PRT, ui.Btn_Tmin_PRT,
        ui.LblPRT_Tmin, ui.Btn_Tmax_PRT, ui.LblPRT_Tmax, ui.Btn_CalDate_PRT, ui.LblPRT_CalDate, ui.BtnProbeRestore_PRT,
        pServices.mSubMenuController, ui.BtnType_Pt25, ui.BtnType_Pt100, ui.Lbl_Current_caption_PRT,
        ui.Lbl_Current_Value__PRT, ui.Btn_3wire, ui.Btn_4wire, ui.LblKeepWarmCurrent, ui.BtnKWC_On, ui.BtnKWC_Off,
        ui.Btn_Reference_25ohm_PRT, ui.Btn_Reference_100ohm_PRT, ui.Rb_EN60751_PRT, ui.Rb_CvD_PRT, ui.Rb_ITS90,
        ui.Btn_CvD_R0, ui.Lbl_CvD_R0, ui.Btn_CvD_A, ui.Lbl_CvD_A, ui.Btn_CvD_B, ui.Lbl_CvD_B, ui.Btn_CvD_C,
        ui.Lbl_CvD_C, ui.Btn_ITS90_R001, ui.Lbl_ITS90_R001, ui.Btn_ITS90_A, ui.Lbl_ITS90_A, ui.Btn_ITS90_B,
        ui.Lbl_ITS90_B, ui.Btn_ITS90_Ap, ui.Lbl_ITS90_Ap, ui.Btn_ITS90_Bp, ui.Lbl_ITS90_Bp, ui.Btn_ITS90_Cp,
        ui.Lbl_ITS90_Cp, ui.Btn_ITS90_Dp, ui.Lbl_ITS90_Dp, ui.Btn_exc_curr_0_5mA, ui.Btn_exc_curr_1mA,
        ui.Btn_exc_curr_2mA);
}

std::unique_ptr<TProbeEditController_TC> createTCProbeEditor(Ui_TTamarindMainForm& ui,
                                                             const TProbeEditorServices& pServices)
{
    return std::make_unique<TProbeEditController_TC>(
        pServices.mChannelController, pServices.mStandardProbeSettings, pServices.mSCPIHandler, ui.PageTCEdit,
        ui.scrollAreaEditProbe_TC, ui.WgtDefaultProbe_TC, ui.LblDefaultProbeCaption_TC, ui.Btn_ProbeName_TC,
        ui.Lbl_ProbeName_TC, ui.LblReference_TC, ui.Btn_Ref_Yes_TC, ui.Btn_Ref_No_TC, ui.Btn_Tmin_TC, ui.Lbl_Tmin_TC,
        ui.Btn_Tmax_TC, ui.Lbl_Tmax_TC, ui.Btn_CalDate_TC, ui.Lbl_CalDate_TC, ui.BtnProbeRestore_TC,
        pServices.mSubMenuController,
        zelk::vector<QWidget*>{ui.Btn_Type_B_TC, ui.Btn_Type_C_TC, ui.Btn_Type_D_TC, ui.Btn_Type_E_TC, ui.Btn_Type_J_TC,
                               ui.Btn_Type_K_TC, ui.Btn_Type_N_TC, ui.Btn_Type_R_TC, ui.Btn_Type_S_TC,
                               ui.Btn_Type_T_TC},
        ui.BtnCJC_Internal_TC, ui.BtnCJC_External_TC, ui.BtnCJC_Channel_TC, ui.LblCJC_Channel, ui.LblCJCProbeName,
        ui.RbIEC584, ui.RbPolynom_TC,
        zelk::vector<QWidget*>{ui.BtnTa_min_TC, ui.BtnTa_max_TC, ui.Btna0_TC, ui.Btna1_TC, ui.Btna2_TC, ui.Btna3_TC,
                               ui.BtnTb_min_TC, ui.BtnTb_max_TC, ui.Btnb0_TC, ui.Btnb1_TC, ui.Btnb2_TC, ui.Btnb3_TC,
                               ui.BtnTc_min_TC, ui.BtnTc_max_TC, ui.Btnc0_TC, ui.Btnc1_TC, ui.Btnc2_TC, ui.Btnc3_TC},
        zelk::vector<QLabel*>{ui.LblTa_min_TC, ui.LblTa_max_TC, ui.Lbla0_TC, ui.Lbla1_TC, ui.Lbla2_TC, ui.Lbla3_TC,
                              ui.LblTb_min_TC, ui.LblTb_max_TC, ui.Lblb0_TC, ui.Lblb1_TC, ui.Lblb2_TC, ui.Lblb3_TC,
                              ui.LblTc_min_TC, ui.LblTc_max_TC, ui.Lblc0_TC, ui.Lblc1_TC, ui.Lblc2_TC, ui.Lblc3_TC});
}

std::unique_ptr<TProbeEditController_Thermistor> createThermistorProbeEditor(Ui_TTamarindMainForm& ui,
                                                                             const TProbeEditorServices& pServices)
{
    return std::make_unique<TProbeEditController_Thermistor>(
        pServices.mChannelController, pServices.mStandardProbeSettings, pServices.mSCPIHandler, ui.PageThermEdit,
        ui.scrollAreaEditTherm, ui.WgtDefaultProbe_Thermistor, ui.LblDefaultProbeCaption_Therm, ui.Btn_ProbeName_Therm,
        ui.Lbl_ProbeName_Therm, ui.LblReference_Therm, ui.Btn_Ref_Yes_Therm, ui.Btn_Ref_No_Therm, ui.Btn_Tmin_Therm,
        ui.Lbl_Tmin_Therm, ui.Btn_Tmax_Therm, ui.Lbl_Tmax_Therm, ui.Btn_CalDate_Therm, ui.Lbl_CalDate_Therm,
        ui.BtnProbeRestore_Thermocouple, pServices.mSubMenuController, ui.LblRange_Therm, ui.LblRangeValue_Therm,
        ui.LblCurrent_Therm, ui.LblCurrentValue_Therm, ui.RbNone_Therm, ui.RbSteinhartHart_Therm, ui.RbPolynomial_Therm,
        ui.BtnSH_a_Therm, ui.LblSH_a_Therm, ui.BtnSH_b_Therm, ui.LblSH_b_Therm, ui.BtnSH_c_Therm, ui.LblSH_c_Therm,
        ui.BtnPol_c0_Therm, ui.LblPol_c0_Therm, ui.BtnPol_c1_Therm, ui.LblPol_c1_Therm, ui.BtnPol_c2_Therm,
        ui.LblPol_c2_Therm, ui.BtnPol_c3_Therm, ui.LblPol_c3_Therm);
}
