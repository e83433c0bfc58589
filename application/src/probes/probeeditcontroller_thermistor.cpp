#include "probeeditcontrollers.h"

#include "clickablewidgetcontroller.h"
#include "instrumentinfo.h"
#include "internalscpihandler.h"
#include "probe.h"
#include "standardprobesettingcontroller.h"

#include <QLabel>
#include <QRadioButton>

using namespace Probe_enums;

namespace
{
constexpr short GROUP_NAME = 1;
constexpr short GROUP_REFERENCE = 2;
constexpr short GROUP_T_MIN = 4;
constexpr short GROUP_T_MAX = 5;
constexpr short GROUP_CAL_DATE = 6;
constexpr short GROUP_FIRST_COEFFICIENT = 7;

// The board's codes 0, 1 and 2 of the excitation current and of the range; a
// failed query (-1) and any other code clear the row.
void setBoardCode(QLabel& pLabel, int pCode, const QStringList& pTexts)
{
    pLabel.setText(pCode >= 0 && pCode < pTexts.size() ? pTexts.at(pCode) : QString());
}
} // namespace

TProbeEditController_Thermistor::TProbeEditController_Thermistor(
    TChannelController* pChannelController, TStandardProbeSettingController* pStandardProbeSettingsController,
    TInternalSCPIHandler* pSCPIHandler, QWidget* pPageEditor, QScrollArea* pScrollArea, QWidget* pWgtDefaultProbe,
    QLabel* pLblDefaultProbeCaption, QWidget* pBtnProbeName, QLabel* pLblProbeName, QLabel* pLblReference,
    QWidget* pBtnRefYes, QWidget* pBtnRefNo, QWidget* pBtnTmin, QLabel* pLblTmin, QWidget* pBtnTmax, QLabel* pLblTmax,
    QWidget* pBtnCalDate, QLabel* pLblCalDate, QZELKDialogButton* pBtnRestore, ISubMenuController* pSubMenuController,
    QLabel* pLblRange, QLabel* pLblRangeValue, QLabel* pLblCurrent, QLabel* pLblCurrentValue, QRadioButton* pRbConvNone,
    QRadioButton* pRbConvSteinhartHart, QRadioButton* pRbConvPolynomial, QWidget* pBtnSHa, QLabel* pLblSHa,
    QWidget* pBtnSHb, QLabel* pLblSHb, QWidget* pBtnSHc, QLabel* pLblSHc, QWidget* pBtnPolyC0, QLabel* pLblPolyC0,
    QWidget* pBtnPolyC1, QLabel* pLblPolyC1, QWidget* pBtnPolyC2, QLabel* pLblPolyC2, QWidget* pBtnPolyC3,
    QLabel* pLblPolyC3)
    : TProbeEditController(pChannelController, pStandardProbeSettingsController, pSCPIHandler, pPageEditor, pScrollArea,
                           pWgtDefaultProbe, pLblDefaultProbeCaption, pBtnProbeName, pLblProbeName, pLblReference,
                           pBtnRefYes, pBtnRefNo, pBtnTmin, pLblTmin, pBtnTmax, pLblTmax, pBtnCalDate, pLblCalDate,
                           pBtnRestore, pSubMenuController)
    , mLblRange(pLblRange)
    , mLblRangeValue(pLblRangeValue)
    , mLblCurrent(pLblCurrent)
    , mLblCurrentValue(pLblCurrentValue)
    , mRbConvNone(pRbConvNone)
    , mRbConvSteinhartHart(pRbConvSteinhartHart)
    , mRbConvPolynomial(pRbConvPolynomial)
    , mBtnSHa(pBtnSHa)
    , mLblSHa(pLblSHa)
    , mBtnSHb(pBtnSHb)
    , mLblSHb(pLblSHb)
    , mBtnSHc(pBtnSHc)
    , mLblSHc(pLblSHc)
    , mBtnPolyC0(pBtnPolyC0)
    , mLblPolyC0(pLblPolyC0)
    , mBtnPolyC1(pBtnPolyC1)
    , mLblPolyC1(pLblPolyC1)
    , mBtnPolyC2(pBtnPolyC2)
    , mLblPolyC2(pLblPolyC2)
    , mBtnPolyC3(pBtnPolyC3)
    , mLblPolyC3(pLblPolyC3)
{
    connect(mWidgetController.get(), &TClickableWidgetController::widgetMouseBtnReleased, this,
            &TProbeEditController_Thermistor::onButtonClick);
    TClickableWidgetController& registry = *mWidgetController;
    registry.addWidget(GROUP_NAME, mBtnProbeName, mLblProbeName, false);
    registry.addWidget(GROUP_REFERENCE, mBtnRefNo, nullptr, false);
    registry.addWidget(GROUP_REFERENCE, mBtnRefYes, nullptr, false);
    registry.addWidget(GROUP_T_MIN, mBtnTmin, mLblTmin, false);
    registry.addWidget(GROUP_T_MAX, mBtnTmax, mLblTmax, false);
    registry.addWidget(GROUP_CAL_DATE, mBtnCalDate, mLblCalDate, false);
    short group = GROUP_FIRST_COEFFICIENT;
    for (const TCoefficientRow& row : coefficientRows())
        registry.addWidget(group++, row.mButton, row.mLabel, false);
}

zelk::vector<TProbeEditController::TCoefficientRow> TProbeEditController_Thermistor::coefficientRows() const
{
    return {{mBtnSHa, mLblSHa, false, mRbConvSteinhartHart},    {mBtnSHb, mLblSHb, false, mRbConvSteinhartHart},
            {mBtnSHc, mLblSHc, false, mRbConvSteinhartHart},    {mBtnPolyC0, mLblPolyC0, false, mRbConvPolynomial},
            {mBtnPolyC1, mLblPolyC1, false, mRbConvPolynomial}, {mBtnPolyC2, mLblPolyC2, false, mRbConvPolynomial},
            {mBtnPolyC3, mLblPolyC3, false, mRbConvPolynomial}};
}

QString TProbeEditController_Thermistor::getSubMenuCaption() const
{
    return tr("Thermistor");
}

bool TProbeEditController_Thermistor::isDefaultProbeReferenceFlagSelected() const
{
    return mWidgetController->isWidgetActive(mBtnRefYes);
}

void TProbeEditController_Thermistor::newProbe(int pProbeNumber)
{
    resetCommonRows(pProbeNumber);
    for (QLabel* label : {mLblCurrent, mLblCurrentValue, mLblRange, mLblRangeValue})
        label->hide();
    const EnConvThermistor conversion =
        mStandardProbeSettingsController ? mStandardProbeSettingsController->standardConversionThermistor() : cthNone;
    if (conversion == cthSteinhartHart)
        mRbConvSteinhartHart->setChecked(true);
    else if (conversion == cthPolynomial)
        mRbConvPolynomial->setChecked(true);
    else
        mRbConvNone->setChecked(true);
    clearLabels(coefficientRows());
}

void TProbeEditController_Thermistor::displayProbe(TAbstractProbe* pProbe)
{
    auto* probe = qobject_cast<TThermistorProbe*>(pProbe);
    if (!probe)
        return;
    setDefaultProbeMode(probe->isDefaultProbe());
    setBackupButton(mProbeNumber);
    if (probe->isDefaultProbe())
        mLblDefaultProbeCaption->setText(probe->probeName());
    const bool currentShown = TInstrumentInfo::instance()->instrumentType() != ZTM9900;
    mLblCurrent->setVisible(currentShown);
    mLblCurrentValue->setVisible(currentShown);
    mLblRange->show();
    mLblRangeValue->show();
    displayCommonRows(probe);
    const int current = mSCPIHandler ? mSCPIHandler->getThermProbeCurrent(mProbeNumber) : trmocUndefined;
    const int range = mSCPIHandler ? mSCPIHandler->getThermProbeRange(mProbeNumber) : rUndefined;
    setBoardCode(*mLblCurrentValue, current,
                 {QStringLiteral("1 mA"), QStringLiteral("10 \u00B5A"), QStringLiteral("3 \u00B5A")});
    setBoardCode(*mLblRangeValue, range,
                 {QStringLiteral("0 \u03A9 - 450 \u03A9"), QStringLiteral("450 \u03A9 - 45 k\u03A9"),
                  QStringLiteral("40 k\u03A9 - 500 k\u03A9")});

    const zelk::vector<TCoefficientRow> rows = coefficientRows();
    clearLabels(rows);
    if (probe->conversion() == cthSteinhartHart) {
        mRbConvSteinhartHart->setChecked(true);
        setCoefficient(probe->SH_coeff_a(), *mLblSHa);
        setCoefficient(probe->SH_coeff_b(), *mLblSHb);
        setCoefficient(probe->SH_coeff_c(), *mLblSHc);
    } else if (probe->conversion() == cthPolynomial) {
        mRbConvPolynomial->setChecked(true);
        setCoefficient(probe->Poly_coeff_c0(), *mLblPolyC0);
        setCoefficient(probe->Poly_coeff_c1(), *mLblPolyC1);
        setCoefficient(probe->Poly_coeff_c2(), *mLblPolyC2);
        setCoefficient(probe->Poly_coeff_c3(), *mLblPolyC3);
    } else {
        mRbConvNone->setChecked(true);
    }
}

void TProbeEditController_Thermistor::onButtonClick(QWidget* pButton)
{
    if (!onCommonRowClick(pButton, false))
        onCoefficientClick(coefficientRows(), pButton);
}

std::unique_ptr<TAbstractProbe> TProbeEditController_Thermistor::createSpecificProbeFromGUI()
{
    EnConvThermistor conversion = cthNone;
    if (mRbConvSteinhartHart->isChecked())
        conversion = cthSteinhartHart;
    else if (mRbConvPolynomial->isChecked())
        conversion = cthPolynomial;
    const QDate calDate = dateFromLabel(*mLblCalDate);
    return std::make_unique<TThermistorProbe>(
        mProbeNumber, mLblProbeName->toolTip(), mWidgetController->isWidgetActive(mBtnRefYes), 0,
        labelValue(*mLblTmin, false), labelValue(*mLblTmax, false), calDate.isValid() ? calDate : QDate(), false,
        conversion, labelValue(*mLblSHa, true), labelValue(*mLblSHb, true), labelValue(*mLblSHc, true),
        labelValue(*mLblPolyC0, true), labelValue(*mLblPolyC1, true), labelValue(*mLblPolyC2, true),
        labelValue(*mLblPolyC3, true));
}
