// The service screen that rewrites the memory of the SMART probe on the
// measured channel: name, flags, resistor, working range, dates, calibration
// source, conversion standard and coefficients, all through the board.

#include "tamarindmainform.h"

#include "calibrationprogressdialog.h"
#include "channel.h"
#include "channelcontroller.h"
#include "clickablewidgetcontroller.h"
#include "decimaldisplaycontroller.h"
#include "internalscpihandler.h"
#include "messagedialog.h"
#include "numpad.h"
#include "probe.h"
#include "probeeditcontrollers.h"
#include "textpad.h"

#include <QCoreApplication>

#include <functional>
#include <vector>

using namespace Probe_enums;

namespace
{
// What the probe's memory keeps of the two texts.
constexpr int SMART_PROBE_NAME_LENGTH = 19;
constexpr int SMART_PROBE_CAL_SOURCE_LENGTH = 17;
constexpr double SMART_PROBE_RANGE_MIN = 0.0;
constexpr double SMART_PROBE_RANGE_MAX = 500.0;

// The page as storing reads it: tool tips and active rows, never the display texts.
struct TSmartProbePageData
{
    QString mName;
    QString mCalSource;
    bool mLocked = false;
    bool mReference = false;
    EnSmartProbeReference mResistor = sprUndefined;
    double mRmin = 0.0;
    double mRmax = 0.0;
    QDate mCalDate;
    QDate mCalNext;
    EnSmartProbeStandard mStandard = spstUndefined;
    std::vector<double> mCoefficients;
};

} // namespace

bool TTamarindMainForm::enterSmartProbeProgrammingMode()
{
    if (!leaveScanModeAsking(tr("SMART probes cannot be programmed while the scan mode is active. Would "
                                "you like to leave the scan mode?")))
        return false;
    if (mChannelController->updateSmartProbeStatusCurrentChannel())
        return true;
    TMessageDialog().showInfo(tr("There is no SMART probe connected to the selected channel. Please select the channel "
                                 "in the home screen where the SMART probe to be programmed is connected."));
    return false;
}

void TTamarindMainForm::openSmartProbeProgramming()
{
    if (!enterSmartProbeProgrammingMode()) {
        on_BtnReturnToMainMenu_clicked();
        mServiceWidgetController->deactivateAll();
        return;
    }
    auto* channel = qobject_cast<TPRTChannel*>(mChannelController->measuredChannel());
    if (!channel || !channel->smartProbe()) {
        mServiceWidgetController->deactivateAll();
        return;
    }
    displaySmartProbeForEdit(channel->smartProbe());
    ui->stackedWidgetMenu->setCurrentWidget(ui->PageSmartProbeProg);
    ui->BtnSave->show();
}

void TTamarindMainForm::displaySmartProbeForEdit(TSmartProbePRT* pProbe)
{
    if (!pProbe)
        return;
    TClickableWidgetController& rows = *mSmartProbeEditWidgetController;
    TProbeEditController::setProbeName(pProbe->probeName(), *ui->LblProbeName_SPRT);
    TProbeEditController::setProbeName(pProbe->calSource(), *ui->LblCalSource_SPRT);
    rows.activateWidget(pProbe->isLocked() ? ui->Btn_Locked_Yes_SPRT : ui->Btn_Locked_No_SPRT);
    rows.activateWidget(pProbe->isReference() ? ui->Btn_Ref_Yes_SPRT : ui->Btn_Ref_No_SPRT);
    // Any other resistor leaves the row chosen before; Save then asks for one when there was none.
    if (pProbe->internalResistor() == rprt25)
        rows.activateWidget(ui->Btn_Reference_25ohm_SPRT);
    else if (pProbe->internalResistor() == rprt100)
        rows.activateWidget(ui->Btn_Reference_100ohm_SPRT);
    const std::pair<QLabel*, double> range[] = {{ui->Lbl_Rmin_SPRT, pProbe->resWorkingRangeMin()},
                                                {ui->Lbl_Rmax_SPRT, pProbe->resWorkingRangeMax()}};
    for (const auto& [label, value] : range) {
        label->setText(TDecimalDisplayController::instance().Double2Str(value, 3, false));
        label->setToolTip(QString::number(value, 'g', 6));
    }
    TProbeEditController::dateToLabel(*ui->Lbl_CalDate_SPRT, pProbe->lastCalDate());
    TProbeEditController::dateToLabel(*ui->Lbl_NextCalDate_SPRT, pProbe->nextCalDate());
    for (QLabel* label : {ui->Lbl_CvD_R0_SPRT, ui->Lbl_CvD_A_SPRT, ui->Lbl_CvD_B_SPRT, ui->Lbl_CvD_C_SPRT,
                          ui->Lbl_ITS90_R001_SPRT, ui->Lbl_ITS90_A_SPRT, ui->Lbl_ITS90_B_SPRT, ui->Lbl_ITS90_Ap_SPRT,
                          ui->Lbl_ITS90_Bp_SPRT, ui->Lbl_ITS90_Cp_SPRT, ui->Lbl_ITS90_Dp_SPRT})
        TProbeEditController::clearLabel(*label);
    if (pProbe->conversion() == cprtITS90) {
        ui->Rb_ITS90_SPRT->setChecked(true);
        TProbeEditController::setResistanceCoefficient(pProbe->ITS90_coeff_R001(), *ui->Lbl_ITS90_R001_SPRT);
        const std::pair<QLabel*, double> coefficients[] = {
            {ui->Lbl_ITS90_A_SPRT, pProbe->ITS90_coeff_A()},   {ui->Lbl_ITS90_B_SPRT, pProbe->ITS90_coeff_B()},
            {ui->Lbl_ITS90_Ap_SPRT, pProbe->ITS90_coeff_Ap()}, {ui->Lbl_ITS90_Bp_SPRT, pProbe->ITS90_coeff_Bp()},
            {ui->Lbl_ITS90_Cp_SPRT, pProbe->ITS90_coeff_Cp()}, {ui->Lbl_ITS90_Dp_SPRT, pProbe->ITS90_coeff_Dp()}};
        for (const auto& [label, value] : coefficients)
            TProbeEditController::setCoefficient(value, *label);
    } else {
        ui->Rb_CvD_SPRT->setChecked(true);
        TProbeEditController::setResistanceCoefficient(pProbe->CvD_coeff_R0(), *ui->Lbl_CvD_R0_SPRT);
        const std::pair<QLabel*, double> coefficients[] = {{ui->Lbl_CvD_A_SPRT, pProbe->CvD_coeff_A()},
                                                           {ui->Lbl_CvD_B_SPRT, pProbe->CvD_coeff_B()},
                                                           {ui->Lbl_CvD_C_SPRT, pProbe->CvD_coeff_C()}};
        for (const auto& [label, value] : coefficients)
            TProbeEditController::setCoefficient(value, *label);
    }
}

// The choice rows (lock, reference, resistor) were made active by the registry already.
void TTamarindMainForm::onSmartProbeEditBtnClicked(QWidget* pWidget)
{
    const std::pair<QWidget*, QLabel*> texts[] = {{ui->BtnProbeName_SPRT, ui->LblProbeName_SPRT},
                                                  {ui->BtnCalSource_SPRT, ui->LblCalSource_SPRT}};
    const std::pair<QWidget*, QLabel*> range[] = {{ui->Btn_Rmin_SPRT, ui->Lbl_Rmin_SPRT},
                                                  {ui->Btn_Rmax_SPRT, ui->Lbl_Rmax_SPRT}};
    const std::pair<QWidget*, std::pair<QLabel*, QLabel*>> dates[] = {
        {ui->Btn_CalDate_SPRT, {ui->Lbl_CalDate_SPRT, ui->Lbl_CalDate_SPRT_Caption}},
        {ui->Btn_NextCalDate_SPRT, {ui->Lbl_NextCalDate_SPRT, ui->Lbl_NextCalDate_SPRT_Caption}}};
    // The first row of each set is a resistance.
    const std::pair<QRadioButton*, std::vector<QWidget*>> sets[] = {
        {ui->Rb_CvD_SPRT, {ui->Btn_CvD_R0_SPRT, ui->Btn_CvD_A_SPRT, ui->Btn_CvD_B_SPRT, ui->Btn_CvD_C_SPRT}},
        {ui->Rb_ITS90_SPRT,
         {ui->Btn_ITS90_R001_SPRT, ui->Btn_ITS90_A_SPRT, ui->Btn_ITS90_B_SPRT, ui->Btn_ITS90_Ap_SPRT,
          ui->Btn_ITS90_Bp_SPRT, ui->Btn_ITS90_Cp_SPRT, ui->Btn_ITS90_Dp_SPRT}}};

    bool handled = false;
    for (const auto& [button, label] : texts) {
        if (button != pWidget)
            continue;
        QString text = label->toolTip();
        const int length = button == ui->BtnProbeName_SPRT ? SMART_PROBE_NAME_LENGTH : SMART_PROBE_CAL_SOURCE_LENGTH;
        if (TTextpad(nullptr).showTextpad(text, length))
            TProbeEditController::setProbeName(text, *label);
        handled = true;
    }
    for (const auto& [button, label] : range) {
        if (button != pWidget)
            continue;
        QString text;
        double value = 0.0;
        if (TNumpad(nullptr).exec_float(text, value, SMART_PROBE_RANGE_MIN, SMART_PROBE_RANGE_MAX, true))
            TProbeEditController::setResistanceCoefficient(value, *label);
        handled = true;
    }
    for (const auto& [button, labels] : dates) {
        if (button != pWidget)
            continue;
        TProbeEditController::editDate(labels.second->text(), *labels.first);
        handled = true;
    }
    for (const auto& [set, buttons] : sets) {
        for (QWidget* button : buttons) {
            if (button != pWidget)
                continue;
            if (QLabel* label = mSmartProbeEditWidgetController->getLabelFromWidget(button))
                TProbeEditController::editCoefficient(*this, *button, *label, button == buttons.front(), *set);
            handled = true;
        }
    }
    if (handled)
        mSmartProbeEditWidgetController->deactivateWidget(pWidget);
}

bool TTamarindMainForm::storeSmartProbe()
{
    mChannelController->setReadingActive(false);

    TSmartProbePageData page;
    const TClickableWidgetController& rows = *mSmartProbeEditWidgetController;
    page.mName = ui->LblProbeName_SPRT->toolTip();
    page.mCalSource = ui->LblCalSource_SPRT->toolTip();
    page.mLocked = rows.activeWidget(SPRT_EDIT_WIDGET_GROUP_LOCKED) == ui->Btn_Locked_Yes_SPRT;
    page.mReference = rows.activeWidget(SPRT_EDIT_WIDGET_GROUP_REFERENCE) == ui->Btn_Ref_Yes_SPRT;
    QWidget* resistor = rows.activeWidget(SPRT_EDIT_WIDGET_GROUP_INT_RESISTOR);
    if (resistor && resistor == ui->Btn_Reference_25ohm_SPRT)
        page.mResistor = spr25Ohm;
    else if (resistor && resistor == ui->Btn_Reference_100ohm_SPRT)
        page.mResistor = spr100Ohm;
    page.mRmin = TProbeEditController::labelValue(*ui->Lbl_Rmin_SPRT, true);
    page.mRmax = TProbeEditController::labelValue(*ui->Lbl_Rmax_SPRT, true);
    // An empty date is an invalid one, which clears the probe's date.
    page.mCalDate = TProbeEditController::dateFromLabel(*ui->Lbl_CalDate_SPRT);
    page.mCalNext = TProbeEditController::dateFromLabel(*ui->Lbl_NextCalDate_SPRT);
    std::vector<QLabel*> coefficientLabels;
    if (ui->Rb_CvD_SPRT->isChecked()) {
        page.mStandard = spstCvD;
        coefficientLabels = {ui->Lbl_CvD_R0_SPRT, ui->Lbl_CvD_A_SPRT, ui->Lbl_CvD_B_SPRT, ui->Lbl_CvD_C_SPRT};
    } else if (ui->Rb_ITS90_SPRT->isChecked()) {
        page.mStandard = spstITS90;
        coefficientLabels = {ui->Lbl_ITS90_R001_SPRT, ui->Lbl_ITS90_A_SPRT,  ui->Lbl_ITS90_B_SPRT,
                             ui->Lbl_ITS90_Ap_SPRT,   ui->Lbl_ITS90_Bp_SPRT, ui->Lbl_ITS90_Cp_SPRT,
                             ui->Lbl_ITS90_Dp_SPRT};
    }
    for (const QLabel* label : coefficientLabels)
        page.mCoefficients.push_back(TProbeEditController::labelValue(*label, true));

    // Every missing field is named before anything is written.
    bool complete = true;
    const std::pair<bool, QString> checks[] = {
        {page.mName.isEmpty(), tr("Please enter a probe name!")},
        {page.mResistor == sprUndefined, tr("Please select an internal resistor!")},
        {page.mStandard == spstUndefined, tr("Please select a temperature conversion standard!")}};
    for (const auto& [missing, message] : checks) {
        if (missing) {
            TMessageDialog().showInfo(message);
            complete = false;
        }
    }

    const TInternalSCPIHandler& board = *mInternalSCPIHandler;
    const QDateTime channelChange = mChannelController->lastChannelChange();
    // Unlocked first, as a locked probe refuses every write; the page's lock last.
    std::vector<std::function<int()>> writes{
        [&] { return board.setSmartProbe_Lock(false, channelChange); },
        [&] { return board.setSmartProbe_Name(page.mName, channelChange); },
        [&] { return board.setSmartProbe_CalSource(page.mCalSource, channelChange); },
        [&] { return board.setSmartProbe_StatusReference(page.mReference, channelChange); },
        [&] { return board.setSmartProbe_ReferenceResistor(page.mResistor, channelChange); },
        [&] { return board.setSmartProbe_Range(page.mRmax, page.mRmin, channelChange); },
        [&] { return board.setSmartProbe_CalDate(page.mCalDate, channelChange); },
        [&] { return board.setSmartProbe_CalNext(page.mCalNext, channelChange); },
        [&] { return board.setSmartProbe_Standard(page.mStandard, channelChange); }};
    for (int index = 0; index < int(page.mCoefficients.size()); ++index)
        writes.push_back([&, index] {
            return board.setSmartProbe_Coefficient(index + 1, page.mCoefficients[size_t(index)], channelChange);
        });
    writes.push_back([&] { return board.setSmartProbe_Lock(page.mLocked, channelChange); });

    bool stored = false;
    {
        TCalibrationProgressDialog progress(this);
        progress.setWindowModality(Qt::WindowModal);
        progress.show(TCalibrationProgressDialog::pdtStore, false);
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        if (complete) {
            const int count = int(writes.size());
            stored = true;
            for (int step = 0; step < count && stored; ++step) {
                progress.updateProgress(step * 100 / count);
                QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
                // The first refusal ends the sequence: the probe keeps what the writes before it gave it.
                stored = writes[size_t(step)]() == 0;
            }
        }
        progress.close();
    }

    // Read back also after success: the probe object of the channel is replaced by what the memory now holds.
    TSmartProbePRT* probe = mChannelController->updateSmartProbeStatusCurrentChannel();
    if (!stored) {
        if (!probe) {
            TMessageDialog().showError(tr("An error occurred while programming the SMART probe. The SMART probe is "
                                          "no longer connected."));
            on_BtnReturnToMainMenu_clicked();
        } else {
            TMessageDialog().showError(tr("An error occurred while programming the SMART probe. Please check the "
                                          "displayed probe data and try again."));
            displaySmartProbeForEdit(probe);
        }
    }
    mChannelController->setReadingActive(true);
    return stored;
}
