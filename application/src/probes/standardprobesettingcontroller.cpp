#include "standardprobesettingcontroller.h"

#include "channel.h"
#include "channelcontroller.h"
#include "channelselectdialog.h"
#include "clickablewidgetcontroller.h"
#include "tamarindsettings.h"
#include "zelkdialogbutton.h"

using namespace Probe_enums;

TStandardProbeSettingController::TStandardProbeSettingController(
    std::unique_ptr<TClickableWidgetController> pWidgetController, TChannelController* pChannelController,
    QWidget* pBtnStdPrb_EN60751, QWidget* pBtnStdPrb_CVD, QWidget* pBtnStdPrb_ITS90, QWidget* pBtnStdPrb_4wire,
    QWidget* pBtnStdPrb_3wire, QWidget* pBtnStdPrb_ConvNone, QWidget* pBtnStdPrb_ConvSH, QWidget* pBtnStdPrb_ConvPoly,
    QWidget* pBtnStdPrb_IEC584, QWidget* pBtnStdPrb_Custom, QWidget* pBtnStdPrb_Internal, QWidget* pBtnStdPrb_External,
    QWidget* pBtnStdPrb_Channel, QZELKDialogButton* pBtnStdPrb_ChannelSelection)
    : mSectionName(QStringLiteral("std_probe_settings"))
    , mSetting_conv_prt(QStringLiteral("conv_prt"))
    , mSetting_conv_therm(QStringLiteral("conv_therm"))
    , mSetting_conv_tc(QStringLiteral("conv_tc"))
    , mSetting_wiring(QStringLiteral("wiring"))
    , mSetting_ref_junc(QStringLiteral("ref_junc"))
    , mSetting_ref_junc_channel(QStringLiteral("ref_junc_channel"))
    , mWidgetController(std::move(pWidgetController))
    , mChannelController(pChannelController)
    , mBtnStdPrb_EN60751(pBtnStdPrb_EN60751)
    , mBtnStdPrb_CVD(pBtnStdPrb_CVD)
    , mBtnStdPrb_ITS90(pBtnStdPrb_ITS90)
    , mBtnStdPrb_4wire(pBtnStdPrb_4wire)
    , mBtnStdPrb_3wire(pBtnStdPrb_3wire)
    , mBtnStdPrb_ConvNone(pBtnStdPrb_ConvNone)
    , mBtnStdPrb_ConvSH(pBtnStdPrb_ConvSH)
    , mBtnStdPrb_ConvPoly(pBtnStdPrb_ConvPoly)
    , mBtnStdPrb_IEC584(pBtnStdPrb_IEC584)
    , mBtnStdPrb_Custom(pBtnStdPrb_Custom)
    , mBtnStdPrb_Internal(pBtnStdPrb_Internal)
    , mBtnStdPrb_External(pBtnStdPrb_External)
    , mBtnStdPrb_Channel(pBtnStdPrb_Channel)
    , mBtnStdPrb_ChannelSelection(pBtnStdPrb_ChannelSelection)
{
    mStandardConversionPRT = EnConvPRT(readSetting(mSetting_conv_prt, cprtEN60751));
    mStandardConversionThermistor = EnConvThermistor(readSetting(mSetting_conv_therm, cthNone));
    mStandardConversionTC = EnConvTC(readSetting(mSetting_conv_tc, ctcIEC584));
    mStandardWiring = EnWiring(readSetting(mSetting_wiring, w4wire));
    mStandardReferenceJunction = EnReferenceJunction(readSetting(mSetting_ref_junc, rjInternal));
    mStandardReferenceJunctionChannelNumber = readSetting(mSetting_ref_junc_channel, 0);
    // The junction of a thermocouple can only be measured with a resistance probe.
    if (mStandardReferenceJunction == rjChannel &&
        !qobject_cast<TPRTChannel*>(mChannelController->physical_channel(mStandardReferenceJunctionChannelNumber))) {
        setStdRefJunctionInternal();
        mStandardReferenceJunctionChannelNumber = 0;
    }
    updateGUI();
    connect(mWidgetController.get(), &TClickableWidgetController::widgetMouseBtnReleased, this,
            &TStandardProbeSettingController::buttonClick);
    connect(mBtnStdPrb_ChannelSelection, &QZELKDialogButton::clicked, this,
            &TStandardProbeSettingController::channelSelectBtnClick);
}

TStandardProbeSettingController::~TStandardProbeSettingController() = default;

int TStandardProbeSettingController::readSetting(const QString& pKey, int pDefault) const
{
    // A text that is no number reads as 0, as the stored settings always did.
    return TTamarindSettings::instance().value(mSectionName, pKey, QString::number(pDefault)).toInt();
}

void TStandardProbeSettingController::writeSetting(const QString& pKey, int pValue)
{
    TTamarindSettings::instance().setValue(mSectionName, pKey, QString::number(pValue));
}

void TStandardProbeSettingController::updateGUI()
{
    using TChoice = std::pair<QWidget*, int>;
    const auto show = [this](int pValue, std::initializer_list<TChoice> pChoices) {
        for (const TChoice& choice : pChoices) {
            if (choice.second == pValue) {
                mWidgetController->activateWidget(choice.first);
                return;
            }
        }
        // A stored value without a button: none of its group stays lit. The
        // controller's own reset would clear group 0, another setting's.
        for (const TChoice& choice : pChoices)
            mWidgetController->deactivateWidget(choice.first);
    };
    show(mStandardConversionPRT,
         {{mBtnStdPrb_EN60751, cprtEN60751}, {mBtnStdPrb_CVD, cprtCVD}, {mBtnStdPrb_ITS90, cprtITS90}});
    show(mStandardWiring, {{mBtnStdPrb_3wire, w3wire}, {mBtnStdPrb_4wire, w4wire}});
    show(mStandardConversionThermistor,
         {{mBtnStdPrb_ConvNone, cthNone}, {mBtnStdPrb_ConvSH, cthSteinhartHart}, {mBtnStdPrb_ConvPoly, cthPolynomial}});
    show(mStandardConversionTC, {{mBtnStdPrb_IEC584, ctcIEC584}, {mBtnStdPrb_Custom, ctcPolynomial}});
    show(mStandardReferenceJunction,
         {{mBtnStdPrb_Internal, rjInternal}, {mBtnStdPrb_External, rjExternal}, {mBtnStdPrb_Channel, rjChannel}});
    mBtnStdPrb_ChannelSelection->setVisible(mStandardReferenceJunction == rjChannel);
    if (mStandardReferenceJunction == rjChannel)
        showReferenceChannel();
}

void TStandardProbeSettingController::showReferenceChannel()
{
    if (const TAbstractChannel* channel = mChannelController->channel(mStandardReferenceJunctionChannelNumber))
        mBtnStdPrb_ChannelSelection->setText(channel->channelCaption());
}

void TStandardProbeSettingController::buttonClick(QWidget* pButton)
{
    const auto set = [&](auto& pMember, const QString& pKey, auto pValue) {
        pMember = pValue;
        writeSetting(pKey, pValue);
    };
    if (pButton == mBtnStdPrb_EN60751)
        set(mStandardConversionPRT, mSetting_conv_prt, cprtEN60751);
    else if (pButton == mBtnStdPrb_CVD)
        set(mStandardConversionPRT, mSetting_conv_prt, cprtCVD);
    else if (pButton == mBtnStdPrb_ITS90)
        set(mStandardConversionPRT, mSetting_conv_prt, cprtITS90);
    else if (pButton == mBtnStdPrb_3wire)
        set(mStandardWiring, mSetting_wiring, w3wire);
    else if (pButton == mBtnStdPrb_4wire)
        set(mStandardWiring, mSetting_wiring, w4wire);
    else if (pButton == mBtnStdPrb_ConvNone)
        set(mStandardConversionThermistor, mSetting_conv_therm, cthNone);
    else if (pButton == mBtnStdPrb_ConvSH)
        set(mStandardConversionThermistor, mSetting_conv_therm, cthSteinhartHart);
    else if (pButton == mBtnStdPrb_ConvPoly)
        set(mStandardConversionThermistor, mSetting_conv_therm, cthPolynomial);
    else if (pButton == mBtnStdPrb_IEC584)
        set(mStandardConversionTC, mSetting_conv_tc, ctcIEC584);
    else if (pButton == mBtnStdPrb_Custom)
        set(mStandardConversionTC, mSetting_conv_tc, ctcPolynomial);
    else if (pButton == mBtnStdPrb_Internal) {
        setStdRefJunctionInternal();
        mBtnStdPrb_ChannelSelection->hide();
    } else if (pButton == mBtnStdPrb_External) {
        set(mStandardReferenceJunction, mSetting_ref_junc, rjExternal);
        mBtnStdPrb_ChannelSelection->hide();
    } else if (pButton == mBtnStdPrb_Channel) {
        const int channel = chooseReferenceChannel();
        if (channel > 0) {
            set(mStandardReferenceJunction, mSetting_ref_junc, rjChannel);
            set(mStandardReferenceJunctionChannelNumber, mSetting_ref_junc_channel, channel);
            showReferenceChannel();
            mBtnStdPrb_ChannelSelection->show();
        } else {
            setStdRefJunctionInternal();
            mBtnStdPrb_ChannelSelection->hide();
            mWidgetController->activateWidget(mBtnStdPrb_Internal);
        }
    }
    TTamarindSettings::instance().store();
}

int TStandardProbeSettingController::chooseReferenceChannel()
{
    TChannelSelectDialog dialog(nullptr);
    connect(&dialog, &TChannelSelectDialog::widgetActivated, this, &TStandardProbeSettingController::widgetActivated);
    zelk::vector<TAbstractChannel*> channels;
    if (mStandardReferenceJunctionChannelNumber > 0) {
        if (TAbstractChannel* stored = mChannelController->channel(mStandardReferenceJunctionChannelNumber))
            channels << stored;
    }
    if (!dialog.showPhysicalChannelSelection(tr("Channel selection"), false, false, false, QString(), QString(),
                                             TChannelSelectDialog::BTN_CANCEL, ctPRT, true, *mChannelController,
                                             channels) ||
        channels.empty())
        return 0;
    return channels.front()->internalChannelNumber();
}

void TStandardProbeSettingController::channelSelectBtnClick()
{
    const int channel = chooseReferenceChannel();
    if (channel <= 0)
        return;
    mStandardReferenceJunctionChannelNumber = channel;
    writeSetting(mSetting_ref_junc_channel, channel);
    TTamarindSettings::instance().store();
    showReferenceChannel();
}

void TStandardProbeSettingController::setStdRefJunctionInternal()
{
    mStandardReferenceJunction = rjInternal;
    writeSetting(mSetting_ref_junc, rjInternal);
    TTamarindSettings::instance().store();
}

void TStandardProbeSettingController::factoryReset()
{
    mStandardReferenceJunction = rjInternal;
    mStandardWiring = w4wire;
    mStandardConversionPRT = cprtEN60751;
    mStandardConversionTC = ctcIEC584;
    mStandardConversionThermistor = cthNone;
    writeSetting(mSetting_conv_prt, mStandardConversionPRT);
    writeSetting(mSetting_wiring, mStandardWiring);
    writeSetting(mSetting_conv_tc, mStandardConversionTC);
    writeSetting(mSetting_conv_therm, mStandardConversionThermistor);
    writeSetting(mSetting_ref_junc, mStandardReferenceJunction);
    TTamarindSettings::instance().store();
    updateGUI();
}
