#include "probeeditcontrollers.h"

#include "channel.h"
#include "channelcontroller.h"
#include "channelselectdialog.h"
#include "clickablewidgetcontroller.h"
#include "probe.h"
#include "standardprobesettingcontroller.h"

#include <QLabel>
#include <QRadioButton>

using namespace Probe_enums;

namespace
{
// Group numbers of the page's rows.
constexpr short GROUP_NAME = 1;
constexpr short GROUP_REFERENCE = 2;
constexpr short GROUP_TYPE = 3;
constexpr short GROUP_COMPENSATION = 4;
constexpr short GROUP_T_MIN = 6;
constexpr short GROUP_T_MAX = 7;
constexpr short GROUP_CAL_DATE = 8;
constexpr short GROUP_FIRST_POLYNOMIAL = 9;
// In the order of the type buttons.
constexpr EnThermocoupleType TYPE_CODES[] = {ptB, ptC, ptD, ptE, ptJ, ptK, ptN, ptR, ptS, ptT};
constexpr int TYPE_INDEX_C = 1;
constexpr int TYPE_INDEX_D = 2;
constexpr int TYPE_INDEX_K = 5;
// The channel selection dialog with its Cancel key only; a touch on a channel confirms.
constexpr short CHANNEL_DIALOG_BUTTONS = 2;
} // namespace

TProbeEditController_TC::TProbeEditController_TC(
    TChannelController* pChannelController, TStandardProbeSettingController* pStandardProbeSettingsController,
    TInternalSCPIHandler* pSCPIHandler, QWidget* pPageEditor, QScrollArea* pScrollArea, QWidget* pWgtDefaultProbe,
    QLabel* pLblDefaultProbeCaption, QWidget* pBtnProbeName, QLabel* pLblProbeName, QLabel* pLblReference,
    QWidget* pBtnRefYes, QWidget* pBtnRefNo, QWidget* pBtnTmin, QLabel* pLblTmin, QWidget* pBtnTmax, QLabel* pLblTmax,
    QWidget* pBtnCalDate, QLabel* pLblCalDate, QZELKDialogButton* pBtnRestore, ISubMenuController* pSubMenuController,
    const zelk::vector<QWidget*>& pTypeButtons, QWidget* pBtnRefInternal, QWidget* pBtnRefExternal,
    QWidget* pBtnRefChannel, QLabel* pLblCJCChannel, QLabel* pLblCJCProbeName, QRadioButton* pRbIEC584,
    QRadioButton* pRbPolynomial, const zelk::vector<QWidget*>& pPolynomialButtons,
    const zelk::vector<QLabel*>& pPolynomialLabels)
    : TProbeEditController(pChannelController, pStandardProbeSettingsController, pSCPIHandler, pPageEditor, pScrollArea,
                           pWgtDefaultProbe, pLblDefaultProbeCaption, pBtnProbeName, pLblProbeName, pLblReference,
                           pBtnRefYes, pBtnRefNo, pBtnTmin, pLblTmin, pBtnTmax, pLblTmax, pBtnCalDate, pLblCalDate,
                           pBtnRestore, pSubMenuController)
    , mTypeButtons(pTypeButtons)
    , mBtnRefInternal(pBtnRefInternal)
    , mBtnRefExternal(pBtnRefExternal)
    , mBtnRefChannel(pBtnRefChannel)
    , mLblCJCChannel(pLblCJCChannel)
    , mLblCJCProbeName(pLblCJCProbeName)
    , mRbIEC584(pRbIEC584)
    , mRbPolynomial(pRbPolynomial)
    , mPolynomialButtons(pPolynomialButtons)
    , mPolynomialLabels(pPolynomialLabels)
{
    Q_ASSERT(mTypeButtons.size() == TYPE_COUNT);
    Q_ASSERT(mPolynomialButtons.size() == POLYNOMIAL_ROWS && mPolynomialLabels.size() == POLYNOMIAL_ROWS);
    connect(mWidgetController.get(), &TClickableWidgetController::widgetMouseBtnReleased, this,
            &TProbeEditController_TC::onButtonClick);
    TClickableWidgetController& registry = *mWidgetController;
    registry.addWidget(GROUP_NAME, mBtnProbeName, mLblProbeName, false);
    registry.addWidget(GROUP_REFERENCE, mBtnRefNo, nullptr, false);
    registry.addWidget(GROUP_REFERENCE, mBtnRefYes, nullptr, false);
    for (QWidget* button : mTypeButtons)
        registry.addWidget(GROUP_TYPE, button, nullptr, false);
    for (QWidget* button : {mBtnRefInternal, mBtnRefExternal, mBtnRefChannel})
        registry.addWidget(GROUP_COMPENSATION, button, nullptr, false);
    registry.addWidget(GROUP_T_MIN, mBtnTmin, mLblTmin, false);
    registry.addWidget(GROUP_T_MAX, mBtnTmax, mLblTmax, false);
    registry.addWidget(GROUP_CAL_DATE, mBtnCalDate, mLblCalDate, false);
    for (int i = 0; i < POLYNOMIAL_ROWS; ++i)
        registry.addWidget(short(GROUP_FIRST_POLYNOMIAL + i), mPolynomialButtons[i], mPolynomialLabels[i], false);
}

zelk::vector<TProbeEditController::TCoefficientRow> TProbeEditController_TC::polynomialRows() const
{
    zelk::vector<TCoefficientRow> rows;
    for (int i = 0; i < POLYNOMIAL_ROWS; ++i)
        rows.push_back({mPolynomialButtons[i], mPolynomialLabels[i], false, mRbPolynomial});
    return rows;
}

QString TProbeEditController_TC::getSubMenuCaption() const
{
    return tr("Thermocouple");
}

bool TProbeEditController_TC::isDefaultProbeReferenceFlagSelected() const
{
    return mWidgetController->isWidgetActive(mBtnRefYes);
}

void TProbeEditController_TC::hideUnofferedTypes()
{
    mTypeButtons[TYPE_INDEX_C]->hide();
    mTypeButtons[TYPE_INDEX_D]->hide();
}

void TProbeEditController_TC::setDefaultProbeModeSpecific(bool)
{
    hideUnofferedTypes();
}

void TProbeEditController_TC::beforeShowSubMenu()
{
    hideUnofferedTypes();
}

void TProbeEditController_TC::clearReferenceChannel()
{
    clearLabel(*mLblCJCChannel);
    clearLabel(*mLblCJCProbeName);
    mLblCJCProbeName->hide();
}

void TProbeEditController_TC::showReferenceChannel(TAbstractChannel* pChannel)
{
    mLblCJCChannel->setText(pChannel->channelCaption() + QLatin1Char(' '));
    mLblCJCChannel->setToolTip(QString::number(pChannel->internalChannelNumber()));
    QString name;
    if (auto* physical = qobject_cast<TPhysicalChannel*>(pChannel)) {
        if (TAbstractProbe* probe = physical->channelProbeStatus().probe())
            name = probe->probeName();
    }
    mLblCJCProbeName->setText(name);
    mLblCJCProbeName->setVisible(!name.isEmpty());
}

void TProbeEditController_TC::activateChannelCompensation(int pChannelNumber)
{
    TAbstractChannel* channel = mChannelController ? mChannelController->channel(pChannelNumber) : nullptr;
    if (!channel) {
        mWidgetController->activateWidget(mBtnRefInternal);
        return;
    }
    mWidgetController->activateWidget(mBtnRefChannel);
    showReferenceChannel(channel);
}

void TProbeEditController_TC::newProbe(int pProbeNumber)
{
    resetCommonRows(pProbeNumber);
    mWidgetController->activateWidget(mTypeButtons[TYPE_INDEX_K]);
    clearReferenceChannel();
    const EnReferenceJunction junction =
        mStandardProbeSettingsController ? mStandardProbeSettingsController->standardReferenceJunction() : rjInternal;
    if (junction == rjExternal)
        mWidgetController->activateWidget(mBtnRefExternal);
    else if (junction == rjChannel)
        activateChannelCompensation(mStandardProbeSettingsController->standardReferenceJunctionChannel());
    else
        mWidgetController->activateWidget(mBtnRefInternal);
    const bool polynomial =
        mStandardProbeSettingsController && mStandardProbeSettingsController->standardConversionTC() == ctcPolynomial;
    (polynomial ? mRbPolynomial : mRbIEC584)->setChecked(true);
    clearLabels(polynomialRows());
}

void TProbeEditController_TC::displayProbe(TAbstractProbe* pProbe)
{
    auto* probe = qobject_cast<TTCProbe*>(pProbe);
    if (!probe)
        return;
    setDefaultProbeMode(probe->isDefaultProbe());
    clearReferenceChannel();
    setBackupButton(mProbeNumber);
    if (probe->isDefaultProbe())
        mLblDefaultProbeCaption->setText(probe->probeName());
    displayCommonRows(probe);
    int typeIndex = TYPE_INDEX_K;
    for (int i = 0; i < TYPE_COUNT; ++i) {
        if (TYPE_CODES[i] == probe->probeType())
            typeIndex = i;
    }
    mWidgetController->activateWidget(mTypeButtons[typeIndex]);
    if (probe->referenceColdJunction() == rjExternal)
        mWidgetController->activateWidget(mBtnRefExternal);
    else if (probe->referenceColdJunction() == rjChannel)
        activateChannelCompensation(probe->refChannelNumber());
    else
        mWidgetController->activateWidget(mBtnRefInternal);

    const zelk::vector<TCoefficientRow> rows = polynomialRows();
    clearLabels(rows);
    if (probe->conversion() == ctcPolynomial) {
        mRbPolynomial->setChecked(true);
        const double values[POLYNOMIAL_ROWS] = {
            probe->poly_coeff_Ta_min(), probe->poly_coeff_Ta_max(), probe->poly_coeff_A0(),
            probe->poly_coeff_A1(),     probe->poly_coeff_A2(),     probe->poly_coeff_A3(),
            probe->poly_coeff_Tb_min(), probe->poly_coeff_Tb_max(), probe->poly_coeff_B0(),
            probe->poly_coeff_B1(),     probe->poly_coeff_B2(),     probe->poly_coeff_B3(),
            probe->poly_coeff_Tc_min(), probe->poly_coeff_Tc_max(), probe->poly_coeff_C0(),
            probe->poly_coeff_C1(),     probe->poly_coeff_C2(),     probe->poly_coeff_C3()};
        for (int i = 0; i < POLYNOMIAL_ROWS; ++i)
            setCoefficient(values[i], *rows[i].mLabel);
    } else {
        mRbIEC584->setChecked(true);
    }
}

void TProbeEditController_TC::chooseReferenceChannel()
{
    if (!mChannelController)
        return;
    zelk::vector<TAbstractChannel*> channels;
    if (!mLblCJCChannel->toolTip().isEmpty()) {
        if (TAbstractChannel* current = mChannelController->channel(mLblCJCChannel->toolTip().toInt()))
            channels.push_back(current);
    }
    TChannelSelectDialog dialog(nullptr);
    connect(&dialog, &TChannelSelectDialog::widgetActivated, this, &TProbeEditController_TC::widgetActivated);
    if (dialog.showPhysicalChannelSelection(tr("Channel selection"), false, false, false, QString(), QString(),
                                            CHANNEL_DIALOG_BUTTONS, ctPRT, true, *mChannelController, channels) &&
        !channels.empty())
        showReferenceChannel(channels.front());
}

void TProbeEditController_TC::onButtonClick(QWidget* pButton)
{
    if (onCommonRowClick(pButton, true) || onCoefficientClick(polynomialRows(), pButton))
        return;
    if (pButton == mBtnRefInternal || pButton == mBtnRefExternal) {
        clearReferenceChannel();
    } else if (pButton == mBtnRefChannel) {
        chooseReferenceChannel();
    }
}

void TProbeEditController_TC::checkSpecificFields(zelk::vector<QString>& pErrors)
{
    if (mWidgetController->activeWidget(GROUP_COMPENSATION) != mBtnRefChannel)
        return;
    if (!mChannelController || !mChannelController->channel(mLblCJCChannel->toolTip().toInt()))
        pErrors.push_back(tr("Please select a valid channel for the cold junction compensation."));
}

std::unique_ptr<TAbstractProbe> TProbeEditController_TC::createSpecificProbeFromGUI()
{
    const TClickableWidgetController& registry = *mWidgetController;
    EnThermocoupleType type = ptK;
    for (int i = 0; i < TYPE_COUNT; ++i) {
        if (registry.isWidgetActive(mTypeButtons[i]))
            type = TYPE_CODES[i];
    }
    EnReferenceJunction junction = rjInternal;
    int referenceChannel = 0;
    const QWidget* compensation = registry.activeWidget(GROUP_COMPENSATION);
    if (compensation == mBtnRefExternal) {
        junction = rjExternal;
    } else if (compensation == mBtnRefChannel) {
        junction = rjChannel;
        referenceChannel = mLblCJCChannel->toolTip().toInt();
    }
    double values[POLYNOMIAL_ROWS];
    for (int i = 0; i < POLYNOMIAL_ROWS; ++i)
        values[i] = labelValue(*mPolynomialLabels[i], true);
    const QDate calDate = dateFromLabel(*mLblCalDate);
    return std::make_unique<TTCProbe>(
        mProbeNumber, mLblProbeName->toolTip(), registry.isWidgetActive(mBtnRefYes), 0, labelValue(*mLblTmin, false),
        labelValue(*mLblTmax, false), calDate.isValid() ? calDate : QDate(), false, type, junction, referenceChannel,
        mRbPolynomial->isChecked() ? ctcPolynomial : ctcIEC584, values[0], values[1], values[2], values[3], values[4],
        values[5], values[6], values[7], values[8], values[9], values[10], values[11], values[12], values[13],
        values[14], values[15], values[16], values[17]);
}
