#pragma once

#include "probe_enums.h"

#include <QObject>
#include <QString>

#include <memory>

class QWidget;
class QZELKDialogButton;
class TChannelController;
class TClickableWidgetController;

// The conversion, wiring and reference junction a new probe starts with,
// kept in the settings and set on the standard probe settings page. The main
// window builds it, registers the page's buttons in the widget controller it
// hands over and owns it; the probe editors and the import read it.
class TStandardProbeSettingController : public QObject
{
    Q_OBJECT

public:
    // Reads the settings; a stored reference channel that is not a resistance
    // input makes the reference junction internal again.
    TStandardProbeSettingController(std::unique_ptr<TClickableWidgetController> pWidgetController,
                                    TChannelController* pChannelController, QWidget* pBtnStdPrb_EN60751,
                                    QWidget* pBtnStdPrb_CVD, QWidget* pBtnStdPrb_ITS90, QWidget* pBtnStdPrb_4wire,
                                    QWidget* pBtnStdPrb_3wire, QWidget* pBtnStdPrb_ConvNone, QWidget* pBtnStdPrb_ConvSH,
                                    QWidget* pBtnStdPrb_ConvPoly, QWidget* pBtnStdPrb_IEC584,
                                    QWidget* pBtnStdPrb_Custom, QWidget* pBtnStdPrb_Internal,
                                    QWidget* pBtnStdPrb_External, QWidget* pBtnStdPrb_Channel,
                                    QZELKDialogButton* pBtnStdPrb_ChannelSelection);
    ~TStandardProbeSettingController() override;

    Probe_enums::EnConvPRT standardConversionPRT() const { return mStandardConversionPRT; }
    Probe_enums::EnConvThermistor standardConversionThermistor() const { return mStandardConversionThermistor; }
    Probe_enums::EnConvTC standardConversionTC() const { return mStandardConversionTC; }
    Probe_enums::EnWiring standardWiring() const { return mStandardWiring; }
    Probe_enums::EnReferenceJunction standardReferenceJunction() const { return mStandardReferenceJunction; }
    int standardReferenceJunctionChannel() const { return mStandardReferenceJunctionChannelNumber; }

    // Conversions, wiring and junction back to their defaults; the reference
    // channel number is kept.
    void factoryReset();

signals:
    void widgetActivated(short pGroup, QWidget* pPrevious, QWidget* pCurrent);

public slots:
    void buttonClick(QWidget* pButton);
    void channelSelectBtnClick();

private:
    void updateGUI();
    void setStdRefJunctionInternal();
    int readSetting(const QString& pKey, int pDefault) const;
    void writeSetting(const QString& pKey, int pValue);
    // The reference channel the user picks; 0 when the dialog was cancelled.
    int chooseReferenceChannel();
    void showReferenceChannel();

    QString mSectionName;
    QString mSetting_conv_prt;
    QString mSetting_conv_therm;
    QString mSetting_conv_tc;
    QString mSetting_wiring;
    QString mSetting_ref_junc;
    QString mSetting_ref_junc_channel;
    Probe_enums::EnConvPRT mStandardConversionPRT;
    Probe_enums::EnConvThermistor mStandardConversionThermistor;
    Probe_enums::EnConvTC mStandardConversionTC;
    Probe_enums::EnWiring mStandardWiring;
    Probe_enums::EnReferenceJunction mStandardReferenceJunction;
    int mStandardReferenceJunctionChannelNumber;
    std::unique_ptr<TClickableWidgetController> mWidgetController;
    TChannelController* mChannelController;
    QWidget* mBtnStdPrb_EN60751;
    QWidget* mBtnStdPrb_CVD;
    QWidget* mBtnStdPrb_ITS90;
    QWidget* mBtnStdPrb_4wire;
    QWidget* mBtnStdPrb_3wire;
    QWidget* mBtnStdPrb_ConvNone;
    QWidget* mBtnStdPrb_ConvSH;
    QWidget* mBtnStdPrb_ConvPoly;
    QWidget* mBtnStdPrb_IEC584;
    QWidget* mBtnStdPrb_Custom;
    QWidget* mBtnStdPrb_Internal;
    QWidget* mBtnStdPrb_External;
    QWidget* mBtnStdPrb_Channel;
    QZELKDialogButton* mBtnStdPrb_ChannelSelection;
};
