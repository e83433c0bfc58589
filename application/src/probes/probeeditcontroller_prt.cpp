#include "probeeditcontrollers.h"

#include "clickablewidgetcontroller.h"
#include "instrumentinfo.h"
#include "internalscpihandler.h"
#include "probe.h"
#include "standardprobesettingcontroller.h"
#include "zelkcontainerradiobutton.h"

#include <QLabel>
#include <QRadioButton>

using namespace Probe_enums;

TProbeEditController_PRT::TProbeEditController_PRT(
    TChannelController* pChannelController, TStandardProbeSettingController* pStandardProbeSettingsController,
    TInternalSCPIHandler* pSCPIHandler, QWidget* pPageEditor, QScrollArea* pScrollArea, QWidget* pWgtDefaultProbe,
    QLabel* pLblDefaultProbeCaption, QWidget* pBtnProbeName, QLabel* pLblProbeName, QLabel* pLblReference,
    QWidget* pBtnRefYes, QWidget* pBtnRefNo, QWidget* pBtnTmin, QLabel* pLblTmin, QWidget* pBtnTmax, QLabel* pLblTmax,
    QWidget* pBtnCalDate, QLabel* pLblCalDate, QZELKDialogButton* pBtnRestore, ISubMenuController* pSubMenuController,
    QWidget* pBtnPt25, QWidget* pBtnPt100, QLabel* pLblCurrent, QLabel* pLblCurentValue, QWidget* pBtn3wire,
    QWidget* pBtn4wire, QLabel* pLblKeepWarmCurrent, QWidget* pBtnKWC_On, QWidget* pBtnKWC_Off, QWidget* pBtnRes25Ohm,
    QWidget* pBtnRes100Ohm, QRadioButton* pRbEN60751, QRadioButton* pRbCvD, QRadioButton* pRbITS90, QWidget* pBtnCvD_R0,
    QLabel* pLblCvD_R0, QWidget* pBtnCvD_A, QLabel* pLblCvD_A, QWidget* pBtnCvD_B, QLabel* pLblCvD_B,
    QWidget* pBtnCvD_C, QLabel* pLblCvD_C, QWidget* pBtnITS90_R001, QLabel* pLblITS90_R001, QWidget* pBtnITS90_A,
    QLabel* pLblITS90_A, QWidget* pBtnITS90_B, QLabel* pLblITS90_B, QWidget* pBtnITS90_Ap, QLabel* pLblITS90_Ap,
    QWidget* pBtnITS90_Bp, QLabel* pLblITS90_Bp, QWidget* pBtnITS90_Cp, QLabel* pLblITS90_Cp, QWidget* pBtnITS90_Dp,
    QLabel* pLblITS90_Dp, QZELKContainerRadioButton* pBtnExcCurr0_5mA, QZELKContainerRadioButton* pBtnExcCurr1mA,
    QZELKContainerRadioButton* pBtnExcCurr2mA)
    : TProbeEditController(pChannelController, pStandardProbeSettingsController, pSCPIHandler, pPageEditor, pScrollArea,
                           pWgtDefaultProbe, pLblDefaultProbeCaption, pBtnProbeName, pLblProbeName, pLblReference,
                           pBtnRefYes, pBtnRefNo, pBtnTmin, pLblTmin, pBtnTmax, pLblTmax, pBtnCalDate, pLblCalDate,
                           pBtnRestore, pSubMenuController)
    , mBtnPt25(pBtnPt25)
    , mBtnPt100(pBtnPt100)
    , mLblCurrent(pLblCurrent)
    , mLblCurentValue(pLblCurentValue)
    , mBtn3wire(pBtn3wire)
    , mBtn4wire(pBtn4wire)
    , mLblKeepWarmCurrent(pLblKeepWarmCurrent)
    , mBtnKWC_On(pBtnKWC_On)
    , mBtnKWC_Off(pBtnKWC_Off)
    , mBtnRes25Ohm(pBtnRes25Ohm)
    , mBtnRes100Ohm(pBtnRes100Ohm)
    , mRbEN60751(pRbEN60751)
    , mRbCvD(pRbCvD)
    , mRbITS90(pRbITS90)
    , mBtnCvD_R0(pBtnCvD_R0)
    , mLblCvD_R0(pLblCvD_R0)
    , mBtnCvD_A(pBtnCvD_A)
    , mLblCvD_A(pLblCvD_A)
    , mBtnCvD_B(pBtnCvD_B)
    , mLblCvD_B(pLblCvD_B)
    , mBtnCvD_C(pBtnCvD_C)
    , mLblCvD_C(pLblCvD_C)
    , mBtnITS90_R001(pBtnITS90_R001)
    , mLblITS90_R001(pLblITS90_R001)
    , mBtnITS90_A(pBtnITS90_A)
    , mLblITS90_A(pLblITS90_A)
    , mBtnITS90_B(pBtnITS90_B)
    , mLblITS90_B(pLblITS90_B)
    , mBtnITS90_Ap(pBtnITS90_Ap)
    , mLblITS90_Ap(pLblITS90_Ap)
    , mBtnITS90_Bp(pBtnITS90_Bp)
    , mLblITS90_Bp(pLblITS90_Bp)
    , mBtnITS90_Cp(pBtnITS90_Cp)
    , mLblITS90_Cp(pLblITS90_Cp)
    , mBtnITS90_Dp(pBtnITS90_Dp)
    , mLblITS90_Dp(pLblITS90_Dp)
    , mBtnExcCurr0_5mA(pBtnExcCurr0_5mA)
    , mBtnExcCurr1mA(pBtnExcCurr1mA)
    , mBtnExcCurr2mA(pBtnExcCurr2mA)
{
    connect(mWidgetController.get(), &TClickableWidgetController::widgetMouseBtnReleased, this,
            &TProbeEditController_PRT::onButtonClick);
    TClickableWidgetController& registry = *mWidgetController;
    registry.addWidget(WIDGET_GROUP_NAME, mBtnProbeName, mLblProbeName, false);
    registry.addWidget(WIDGET_GROUP_REFERENCE, mBtnRefYes, nullptr, false);
    registry.addWidget(WIDGET_GROUP_REFERENCE, mBtnRefNo, nullptr, false);
    registry.addWidget(WIDGET_GROUP_PROBE_TYPE, mBtnPt25, nullptr, false);
    registry.addWidget(WIDGET_GROUP_PROBE_TYPE, mBtnPt100, nullptr, false);
    registry.addWidget(WIDGET_GROUP_WIRING, mBtn3wire, nullptr, false);
    registry.addWidget(WIDGET_GROUP_WIRING, mBtn4wire, nullptr, false);
    registry.addWidget(WIDGET_GROUP_KEEP_WARM_CURRENT, mBtnKWC_On, nullptr, false);
    registry.addWidget(WIDGET_GROUP_KEEP_WARM_CURRENT, mBtnKWC_Off, nullptr, false);
    registry.addWidget(WIDGET_GROUP_INT_RESISTOR, mBtnRes25Ohm, nullptr, false);
    registry.addWidget(WIDGET_GROUP_INT_RESISTOR, mBtnRes100Ohm, nullptr, false);
    registry.addWidget(WIDGET_GROUP_T_MIN, mBtnTmin, mLblTmin, false);
    registry.addWidget(WIDGET_GROUP_T_MAX, mBtnTmax, mLblTmax, false);
    registry.addWidget(WIDGET_GROUP_CAL_DATE, mBtnCalDate, mLblCalDate, false);
    short group = WIDGET_GROUP_CVD_R0;
    for (const TCoefficientRow& row : coefficientRows())
        registry.addWidget(group++, row.mButton, row.mLabel, false);
}

zelk::vector<TProbeEditController_PRT::TCoefficientRow> TProbeEditController_PRT::coefficientRows() const
{
    return {{mBtnCvD_R0, mLblCvD_R0, true, mRbCvD},
            {mBtnCvD_A, mLblCvD_A, false, mRbCvD},
            {mBtnCvD_B, mLblCvD_B, false, mRbCvD},
            {mBtnCvD_C, mLblCvD_C, false, mRbCvD},
            {mBtnITS90_R001, mLblITS90_R001, true, mRbITS90},
            {mBtnITS90_A, mLblITS90_A, false, mRbITS90},
            {mBtnITS90_B, mLblITS90_B, false, mRbITS90},
            {mBtnITS90_Ap, mLblITS90_Ap, false, mRbITS90},
            {mBtnITS90_Bp, mLblITS90_Bp, false, mRbITS90},
            {mBtnITS90_Cp, mLblITS90_Cp, false, mRbITS90},
            {mBtnITS90_Dp, mLblITS90_Dp, false, mRbITS90}};
}

QString TProbeEditController_PRT::getSubMenuCaption() const
{
    return tr("Resistance thermometer");
}

bool TProbeEditController_PRT::isDefaultProbeReferenceFlagSelected() const
{
    return mWidgetController->isWidgetActive(mBtnRefYes);
}

void TProbeEditController_PRT::newProbe(int pProbeNumber)
{
    resetCommonRows(pProbeNumber);
    mLblCurrent->hide();
    mLblCurentValue->hide();
    mWidgetController->activateWidget(mBtnPt100);
    mWidgetController->activateWidget(mBtnRes100Ohm);
    mLblCurentValue->clear();
    const bool threeWire =
        mStandardProbeSettingsController && mStandardProbeSettingsController->standardWiring() == w3wire;
    mWidgetController->activateWidget(threeWire ? mBtn3wire : mBtn4wire);
    mWidgetController->activateWidget(mBtnKWC_Off);
    const EnConvPRT conversion =
        mStandardProbeSettingsController ? mStandardProbeSettingsController->standardConversionPRT() : cprtEN60751;
    (conversion == cprtCVD ? mRbCvD : conversion == cprtITS90 ? mRbITS90 : mRbEN60751)->setChecked(true);
    clearLabels(coefficientRows());
    mBtnExcCurr1mA->setChecked(true);
}

void TProbeEditController_PRT::displayProbe(TAbstractProbe* pProbe)
{
    auto* probe = qobject_cast<TPRTProbe*>(pProbe);
    if (!probe)
        return;
    setDefaultProbeMode(probe->isDefaultProbe());
    setBackupButton(mProbeNumber);
    if (probe->isDefaultProbe())
        mLblDefaultProbeCaption->setText(probe->probeName());
    const bool currentShown = TInstrumentInfo::instance()->instrumentType() != ZTM9900;
    mLblCurrent->setVisible(currentShown);
    mLblCurentValue->setVisible(currentShown);
    displayCommonRows(probe);
    const EnPRTType type = probe->PRTType();
    mWidgetController->activateWidget(type == prttPT25 ? mBtnPt25 : mBtnPt100);

    QString current = QStringLiteral("---");
    switch (mSCPIHandler ? mSCPIHandler->getPRTProbeCurrent(mProbeNumber) : prtocUndefined) {
    case 1:
        current = QStringLiteral("1 mA");
        break;
    case 2:
        current = QStringLiteral("2 mA");
        break;
    case 3:
        current = QStringLiteral("1 mA x \u221A2");
        break;
    case 4:
        current = QStringLiteral("2 mA x \u221A2");
        break;
    case 5:
        current = QStringLiteral("0.5 mA");
        break;
    case 6:
        current = QStringLiteral("0.5 mA x \u221A2");
        break;
    default:
        break;
    }
    mLblCurentValue->setText(current);

    mWidgetController->activateWidget(probe->wiring() == w4wire ? mBtn4wire : mBtn3wire);
    mWidgetController->activateWidget(probe->keepWarmCurrent() ? mBtnKWC_On : mBtnKWC_Off);
    // An automatic resistor is the one the type measures with.
    QWidget* resistor = nullptr;
    if (probe->internalResistor() == rprt25 || (probe->internalResistor() != rprt100 && type == prttPT25))
        resistor = mBtnRes25Ohm;
    else if (probe->internalResistor() == rprt100 || type == prttPT100)
        resistor = mBtnRes100Ohm;
    if (resistor)
        mWidgetController->activateWidget(resistor);
    else
        mWidgetController->deactivateWidget(mWidgetController->activeWidget(WIDGET_GROUP_INT_RESISTOR));

    clearLabels(coefficientRows());
    if (probe->conversion() == cprtCVD) {
        mRbCvD->setChecked(true);
        setResistanceCoefficient(probe->CvD_coeff_R0(), *mLblCvD_R0);
        setCoefficient(probe->CvD_coeff_A(), *mLblCvD_A);
        setCoefficient(probe->CvD_coeff_B(), *mLblCvD_B);
        setCoefficient(probe->CvD_coeff_C(), *mLblCvD_C);
    } else if (probe->conversion() == cprtITS90) {
        mRbITS90->setChecked(true);
        setResistanceCoefficient(probe->ITS90_coeff_R001(), *mLblITS90_R001);
        setCoefficient(probe->ITS90_coeff_A(), *mLblITS90_A);
        setCoefficient(probe->ITS90_coeff_B(), *mLblITS90_B);
        setCoefficient(probe->ITS90_coeff_Ap(), *mLblITS90_Ap);
        setCoefficient(probe->ITS90_coeff_Bp(), *mLblITS90_Bp);
        setCoefficient(probe->ITS90_coeff_Cp(), *mLblITS90_Cp);
        setCoefficient(probe->ITS90_coeff_Dp(), *mLblITS90_Dp);
    } else {
        mRbEN60751->setChecked(true);
    }

    QZELKContainerRadioButton* excitation = nullptr;
    switch (probe->operationCurrentSetting()) {
    case Automatic:
        excitation = type == prttPT25 ? mBtnExcCurr2mA : type == prttPT100 ? mBtnExcCurr1mA : nullptr;
        break;
    case ZeroPointFiveMilliAmps:
        excitation = mBtnExcCurr0_5mA;
        break;
    case OneMilliAmp:
        excitation = mBtnExcCurr1mA;
        break;
    case TwoMilliAmps:
        excitation = mBtnExcCurr2mA;
        break;
    default:
        break;
    }
    if (excitation)
        excitation->setChecked(true);
    else
        mBtnExcCurr1mA->uncheckGroup(false);
}

void TProbeEditController_PRT::onButtonClick(QWidget* pButton)
{
    if (onCommonRowClick(pButton, false) || onCoefficientClick(coefficientRows(), pButton))
        return;
    if (pButton == mBtnPt100) {
        mWidgetController->activateWidget(mBtnRes100Ohm);
        mBtnExcCurr1mA->setChecked(true);
    } else if (pButton == mBtnPt25) {
        mWidgetController->activateWidget(mBtnRes25Ohm);
        mBtnExcCurr2mA->setChecked(true);
    }
}

std::unique_ptr<TAbstractProbe> TProbeEditController_PRT::createSpecificProbeFromGUI()
{
    const TClickableWidgetController& registry = *mWidgetController;
    const QWidget* typeButton = registry.activeWidget(WIDGET_GROUP_PROBE_TYPE);
    const EnPRTType type = typeButton == mBtnPt25 ? prttPT25 : typeButton == mBtnPt100 ? prttPT100 : prttUndefined;
    const QWidget* wiringButton = registry.activeWidget(WIDGET_GROUP_WIRING);
    const EnWiring wiring = wiringButton == mBtn3wire ? w3wire : wiringButton == mBtn4wire ? w4wire : wUndefined;
    const QWidget* resistorButton = registry.activeWidget(WIDGET_GROUP_INT_RESISTOR);
    const EnIntResPRT resistor = resistorButton == mBtnRes25Ohm    ? rprt25
                                 : resistorButton == mBtnRes100Ohm ? rprt100
                                                                   : rprtUndefined;
    EnConvPRT conversion = cprtUndefined;
    if (mRbEN60751->isChecked())
        conversion = cprtEN60751;
    else if (mRbCvD->isChecked())
        conversion = cprtCVD;
    else if (mRbITS90->isChecked())
        conversion = cprtITS90;
    const QDate calDate = dateFromLabel(*mLblCalDate);

    // CvD R0, A, B, C, then ITS-90 R(0.01 °C), a, b, a', b', c', d'.
    double coefficients[11] = {};
    if (conversion == cprtEN60751) {
        coefficients[0] = type == prttPT25 ? 25.0 : type == prttPT100 ? 100.0 : 0.0;
        coefficients[1] = 3.9083e-3;
        coefficients[2] = -5.775e-7;
        coefficients[3] = -4.183e-12;
    } else if (conversion == cprtCVD || conversion == cprtITS90) {
        const zelk::vector<TCoefficientRow> rows = coefficientRows();
        const size_t first = conversion == cprtCVD ? 0 : 4;
        const size_t last = conversion == cprtCVD ? 4 : rows.size();
        for (size_t i = first; i < last; ++i)
            coefficients[i] = labelValue(*rows[i].mLabel, true);
    }

    EnPRTOperatingCurrentSetting current = TPRTProbe::operatingCurrentPerType(type);
    // Only the ZTM9900 lets the user choose the excitation current.
    if (TInstrumentInfo::instance()->instrumentType() == ZTM9900) {
        if (mBtnExcCurr0_5mA->isChecked())
            current = ZeroPointFiveMilliAmps;
        else if (mBtnExcCurr1mA->isChecked())
            current = OneMilliAmp;
        else if (mBtnExcCurr2mA->isChecked())
            current = TwoMilliAmps;
    }

    return std::make_unique<TPRTProbe>(
        mProbeNumber, mLblProbeName->toolTip(), type, registry.isWidgetActive(mBtnRefYes), 0,
        labelValue(*mLblTmin, false), labelValue(*mLblTmax, false), calDate.isValid() ? calDate : QDate(), false,
        wiring, registry.isWidgetActive(mBtnKWC_On), false, current, resistor, conversion, coefficients[0],
        coefficients[1], coefficients[2], coefficients[3], coefficients[4], coefficients[5], coefficients[6],
        coefficients[7], coefficients[8], coefficients[9], coefficients[10]);
}
