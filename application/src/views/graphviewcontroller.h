#pragma once

#include "channelcontrollerlistener.h"
#include "channelselectionreceiver.h"
#include "electrical_temperature_units.h"
#include "graphseries.h"
#include "submenuconfirmationreceiver.h"
#include "zelkvector.h"

#include <QColor>
#include <QList>
#include <QObject>
#include <QPointF>
#include <QString>
#include <QVector>

#include <map>
#include <memory>

class ISubMenuController;
class QRadioButton;
class QWidget;
class QZELKContainerRadioButton;
class QZELKDialogButton;
class QZELKPushButton;
class QwtPlot;
class TAbstractChannel;
class TChannelController;
class TScanModeController;

// The two curves that draw one channel on the graph, a line and dots over the
// same points in the channel's colour. The graph view owns one per drawn
// channel; the curves leave the plot with it. Nothing here replots.
class TGraphChannelViewComponents : public QObject
{
public:
    TGraphChannelViewComponents(QwtPlot* pPlot, const QColor& pColor);
    ~TGraphChannelViewComponents() override;

    // Appends, then drops the oldest point when asked to, so that a full
    // history keeps its length.
    void addValue(const QPointF& pValue, bool pEraseFirstItem);
    // Points without a value are left out; the line joins their neighbours.
    void setValues(const QVector<QPointF>& pValues);
    void clearValues();
    // The sample numbers of the newest and the oldest point, truncated; 0 when empty.
    int seriesUpperBound() const;
    int seriesLowerBound() const;
    bool isEmpty() const { return mValues.points().empty(); }

private:
    // Both curves read these points; declared first, they outlive the curves.
    TGraphPoints mValues;
    std::unique_ptr<TGraphCurve> mPlotCurve_Line;
    std::unique_ptr<TGraphCurve> mPlotCurve_Point;
};

// The graph page of a running scan: the scanned channels over their sample
// numbers, one colour each, with the channel buttons that replace a scanned
// channel, the unit button, the refresh button and the "Graph settings"
// sub-page for unit and y scale (settings section "graph"). It follows scan
// mode through its signals. The main window builds it, owns it and registers
// it as a listener of the channel controller; the widgets are the window's.
class TGraphViewController : public QObject,
                             public IChannelSelectionReceiver,
                             public ISubMenuConfirmationReceiver,
                             public IChannelControllerListener
{
    Q_OBJECT

public:
    static constexpr int X_AXIS_TICK_COUNT = 12;
    static constexpr qint16 MAX_CHANNEL_COUNT = 10;
    // A fixed y axis is divided into this many steps, a major tick every fifth.
    static constexpr int Y_AXIS_STEP_COUNT = 40;

    TGraphViewController(ISubMenuController* pSubMenuController, TScanModeController* pScanModeController,
                         TChannelController* pChannelController, QwtPlot* pPlot, QWidget* pPageGraphUnitAndScale,
                         QZELKPushButton* pBtnChan1, QZELKPushButton* pBtnChan2, QZELKPushButton* pBtnChan3,
                         QZELKPushButton* pBtnChan4, QZELKPushButton* pBtnChan5, QZELKPushButton* pBtnChan6,
                         QZELKPushButton* pBtnChan7, QZELKPushButton* pBtnChan8, QZELKPushButton* pBtnChan9,
                         QZELKPushButton* pBtnChan10, QZELKDialogButton* pBtnUnit,
                         QZELKContainerRadioButton* pBtnUnit_C, QZELKContainerRadioButton* pBtnUnit_F,
                         QZELKContainerRadioButton* pBtnUnit_K, QZELKContainerRadioButton* pBtnUnit_Ohm,
                         QZELKContainerRadioButton* pBtnUnit_mV, QRadioButton* pRbScale_Auto,
                         QRadioButton* pRbScale_Custom, QZELKDialogButton* pBtnScale_Min,
                         QZELKDialogButton* pBtnScale_Max, QZELKDialogButton* pBtnRefresh);
    ~TGraphViewController() override;

    // Degrees Celsius and the automatic scale, stored. Drawn curves keep their
    // unit: the factory reset stops scan mode right after, which removes them.
    void factoryReset();
    void retranslate();
    void clearChannelComponents();

    // A channel's history was cleared because its electrical unit changed.
    void channelTypeChanged(TAbstractChannel* pChannel) override;
    void channelSelected(TAbstractChannel* pChannel) override;
    void returnToMainMenuClicked() override;
    bool cancelClicked() override;
    // False, with a message, while the custom limits are not in order: the
    // sub-page stays open and nothing is taken over.
    bool storeClicked() override;

    bool eventFilter(QObject* pObject, QEvent* pEvent) override;

public slots:
    void onScanModeStarted();
    void onScanModeStopped();
    void onGraphValueAdded(TAbstractChannel* pChannel, QPointF pTemperatureValue, QPointF pElectricalValue,
                           bool pOverflow);
    void onChannelConfigurationChanged(const zelk::vector<TAbstractChannel*>& pScannedChannels,
                                       TAbstractChannel* pActiveChannel);
    void onChannelBtnClick();
    void onChannelReplaced(TAbstractChannel* pOldChannel, TAbstractChannel* pNewChannel);
    void onBtnUnitClicked();
    void onBtnScaleMinClicked();
    void onBtnScaleMaxClicked();
    void onBtnRefreshClicked();

private:
    void replot();
    void readSettings();
    void setChannelButtonText(QZELKPushButton* pButton, TAbstractChannel* pChannel);
    void connectGraphValues(TAbstractChannel* pChannel);
    void disconnectGraphValues(TAbstractChannel* pChannel);
    bool setCompatibleUnit();
    void storeAndShowSelectedUnit(Electrical_temperature_units::EnUnit pUnit);
    void convertValuesAndReplot(Electrical_temperature_units::EnUnit pUnit);
    void enterScaleLimit(QZELKDialogButton* pButton);
    void storePlotScale();

    // Axis rules.
    int maxSampleNumber() const;
    int minSampleNumber() const;
    void setXAxisWindow(int pLowerBound, int pUpperBound);
    void scrollGraph(int pCount);
    void updatePlotScale();
    bool isCustomScaleUsable() const;
    // A number as the settings file and the scale buttons write it.
    static QString limitText(double pValue);

    const QString mGraphPersistance_SectionName = QStringLiteral("graph");
    const QString mGraphPersistance_SelectedUnit = QStringLiteral("unit");
    const QString mGraphPersistance_AutoScale = QStringLiteral("auto_scale");
    const QString mGraphPersistance_Min = QStringLiteral("scale_min");
    const QString mGraphPersistance_Max = QStringLiteral("scale_max");
    QwtPlot* mPlot;
    QList<QZELKPushButton*> mChanButtons;
    QList<QColor> mChanColors;
    QZELKDialogButton* mBtnUnit;
    Electrical_temperature_units::EnUnit mSelectedUnit = Electrical_temperature_units::uCelsius;
    bool mAutoScale = true;
    double mCustomScale_Min = 0.0;
    double mCustomScale_Max = 0.0;
    ISubMenuController* mSubMenuController;
    QWidget* mPageGraphUnitAndScale;
    QZELKContainerRadioButton* mBtnUnit_C;
    QZELKContainerRadioButton* mBtnUnit_F;
    QZELKContainerRadioButton* mBtnUnit_K;
    QZELKContainerRadioButton* mBtnUnit_Ohm;
    QZELKContainerRadioButton* mBtnUnit_mV;
    QRadioButton* mRbScale_Auto;
    QRadioButton* mRbScale_Custom;
    QZELKDialogButton* mBtnScale_Min;
    QZELKDialogButton* mBtnScale_Max;
    QZELKDialogButton* mBtnRefresh;
    TScanModeController* mScanModeController;
    TChannelController* mChannelController;
    std::map<TAbstractChannel*, std::unique_ptr<TGraphChannelViewComponents>> mChannelComponents;
    bool mAutoScrollRight = true;
    bool mReplotPending = false;
    int mPlotDragReferenceCoordinate = 0;
    std::map<QZELKPushButton*, TAbstractChannel*> mChannelButtonMap;
    TAbstractChannel* mChannelToReplace = nullptr;
};
