#include "graphviewcontroller.h"

#include "channel.h"
#include "channelcontroller.h"
#include "decimaldisplaycontroller.h"
#include "messagedialog.h"
#include "numpad.h"
#include "samplenumberscaledraw.h"
#include "scanmodecontroller.h"
#include "submenucontroller.h"
#include "tamarindsettings.h"
#include "temperatureunitconversionchain.h"
#include "zelkcontainerradiobutton.h"
#include "zelkdialogbutton.h"
#include "zelkpushbutton.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPen>
#include <QRadioButton>

#include <qwt_plot.h>
#include <qwt_plot_curve.h>
#include <qwt_scale_div.h>
#include <qwt_series_data.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <set>

using namespace Electrical_temperature_units;

namespace
{
bool isTemperatureUnit(EnUnit pUnit)
{
    return pUnit == uCelsius || pUnit == uFahrenheit || pUnit == uKelvin;
}

// Ticks of a fixed y axis that lie above the maximum by less than this still
// count as the maximum: the steps are added up and carry rounding errors.
constexpr double Y_AXIS_TICK_TOLERANCE = 1e-12;
constexpr int Y_AXIS_MAJOR_TICK_EVERY = 5;
} // namespace

// --- curves of one channel ------------------------------------------------------

TGraphChannelViewComponents::TGraphChannelViewComponents(QwtPlot* pPlot, const QColor& pColor)
    : mPlotCurve_Line(std::make_unique<TGraphCurve>(mValues)), mPlotCurve_Point(std::make_unique<TGraphCurve>(mValues))
{
    QPen pen = mPlotCurve_Line->pen();
    pen.setColor(pColor);
    pen.setWidthF(2.0);
    mPlotCurve_Line->setPen(pen);
    pen.setWidthF(4.0);
    mPlotCurve_Point->setPen(pen);
    mPlotCurve_Point->setStyle(QwtPlotCurve::Dots);
    // The dots are drawn over the line.
    mPlotCurve_Line->attach(pPlot);
    mPlotCurve_Point->attach(pPlot);
}

// The curves leave the plot as they go, the dots first.
TGraphChannelViewComponents::~TGraphChannelViewComponents()
{
    mValues.clear();
    mPlotCurve_Point.reset();
    mPlotCurve_Line.reset();
}

void TGraphChannelViewComponents::addValue(const QPointF& pValue, bool pEraseFirstItem)
{
    mValues.append(pValue);
    if (pEraseFirstItem)
        mValues.removeFirst();
}

void TGraphChannelViewComponents::setValues(const QVector<QPointF>& pValues)
{
    QVector<QPointF> values;
    values.reserve(pValues.size());
    for (const QPointF& point : pValues) {
        if (!std::isnan(point.y()))
            values.append(point);
    }
    mValues.assign(values);
}

void TGraphChannelViewComponents::clearValues()
{
    mValues.clear();
}

int TGraphChannelViewComponents::seriesUpperBound() const
{
    return mValues.points().empty() ? 0 : int(mValues.points().back().x());
}

int TGraphChannelViewComponents::seriesLowerBound() const
{
    return mValues.points().empty() ? 0 : int(mValues.points().front().x());
}

// --- graph view -----------------------------------------------------------------

TGraphViewController::TGraphViewController(
    ISubMenuController* pSubMenuController, TScanModeController* pScanModeController,
    TChannelController* pChannelController, QwtPlot* pPlot, QWidget* pPageGraphUnitAndScale, QZELKPushButton* pBtnChan1,
    QZELKPushButton* pBtnChan2, QZELKPushButton* pBtnChan3, QZELKPushButton* pBtnChan4, QZELKPushButton* pBtnChan5,
    QZELKPushButton* pBtnChan6, QZELKPushButton* pBtnChan7, QZELKPushButton* pBtnChan8, QZELKPushButton* pBtnChan9,
    QZELKPushButton* pBtnChan10, QZELKDialogButton* pBtnUnit, QZELKContainerRadioButton* pBtnUnit_C,
    QZELKContainerRadioButton* pBtnUnit_F, QZELKContainerRadioButton* pBtnUnit_K,
    QZELKContainerRadioButton* pBtnUnit_Ohm, QZELKContainerRadioButton* pBtnUnit_mV, QRadioButton* pRbScale_Auto,
    QRadioButton* pRbScale_Custom, QZELKDialogButton* pBtnScale_Min, QZELKDialogButton* pBtnScale_Max,
    QZELKDialogButton* pBtnRefresh)
    : mPlot(pPlot)
    , mBtnUnit(pBtnUnit)
    , mSubMenuController(pSubMenuController)
    , mPageGraphUnitAndScale(pPageGraphUnitAndScale)
    , mBtnUnit_C(pBtnUnit_C)
    , mBtnUnit_F(pBtnUnit_F)
    , mBtnUnit_K(pBtnUnit_K)
    , mBtnUnit_Ohm(pBtnUnit_Ohm)
    , mBtnUnit_mV(pBtnUnit_mV)
    , mRbScale_Auto(pRbScale_Auto)
    , mRbScale_Custom(pRbScale_Custom)
    , mBtnScale_Min(pBtnScale_Min)
    , mBtnScale_Max(pBtnScale_Max)
    , mBtnRefresh(pBtnRefresh)
    , mScanModeController(pScanModeController)
    , mChannelController(pChannelController)
{
    connect(mScanModeController, &TScanModeController::scanModeStarted, this, &TGraphViewController::onScanModeStarted);
    connect(mScanModeController, &TScanModeController::scanModeStopped, this, &TGraphViewController::onScanModeStopped);
    connect(mScanModeController, &TScanModeController::channelConfigurationChanged, this,
            &TGraphViewController::onChannelConfigurationChanged);
    connect(mScanModeController, &TScanModeController::channelReplaced, this, &TGraphViewController::onChannelReplaced);

    connect(mBtnUnit, &QZELKDialogButton::clicked, this, &TGraphViewController::onBtnUnitClicked);
    mChanButtons = {pBtnChan1, pBtnChan2, pBtnChan3, pBtnChan4, pBtnChan5,
                    pBtnChan6, pBtnChan7, pBtnChan8, pBtnChan9, pBtnChan10};
    for (QZELKPushButton* button : qAsConst(mChanButtons))
        connect(button, &QZELKPushButton::clicked, this, &TGraphViewController::onChannelBtnClick);
    mChanColors = {QColor(9, 82, 150),   QColor(0, 117, 12),   QColor(184, 60, 57), QColor(255, 146, 0),
                   QColor(13, 120, 76),  QColor(119, 20, 98),  QColor(39, 21, 120), QColor(119, 73, 20),
                   QColor(22, 124, 131), QColor(144, 144, 144)};
    connect(mBtnScale_Min, &QZELKDialogButton::clicked, this, &TGraphViewController::onBtnScaleMinClicked);
    connect(mBtnScale_Max, &QZELKDialogButton::clicked, this, &TGraphViewController::onBtnScaleMaxClicked);
    connect(mBtnRefresh, &QZELKDialogButton::clicked, this, &TGraphViewController::onBtnRefreshClicked);

    mPlot->setAxisScaleDraw(QwtPlot::xBottom, new TSampleNumberScaleDraw);
    mPlot->setAxisScaleDraw(QwtPlot::yLeft, new TValueScaleDraw);
    setXAxisWindow(1, X_AXIS_TICK_COUNT);
    mPlot->installEventFilter(this);

    readSettings();
    updatePlotScale();
}

// The curves leave the plot with their components. The channels are not
// touched: the main window releases the channel controller first.
TGraphViewController::~TGraphViewController() = default;

void TGraphViewController::readSettings()
{
    const TTamarindSettings& settings = TTamarindSettings::instance();
    mSelectedUnit = EnUnit(quint8(
        settings.value(mGraphPersistance_SectionName, mGraphPersistance_SelectedUnit, QStringLiteral("1")).toInt()));
    mBtnUnit->setText(TAbstractChannel::unitToText(mSelectedUnit));
    mAutoScale = settings.value(mGraphPersistance_SectionName, mGraphPersistance_AutoScale, QStringLiteral("1")) ==
                 QLatin1String("1");
    // Text that is no number reads as 0.0.
    mCustomScale_Min =
        settings.value(mGraphPersistance_SectionName, mGraphPersistance_Min, QStringLiteral("0.0")).toDouble();
    mCustomScale_Max =
        settings.value(mGraphPersistance_SectionName, mGraphPersistance_Max, QStringLiteral("0.0")).toDouble();
}

void TGraphViewController::factoryReset()
{
    storeAndShowSelectedUnit(uCelsius);
    mCustomScale_Min = 0.0;
    mCustomScale_Max = 0.0;
    mAutoScale = true;
    storePlotScale();
    updatePlotScale();
}

// The form's own retranslation writes its "°C" on the unit button, whatever
// unit the graph is in: the button is labelled again from the selected unit.
void TGraphViewController::retranslate()
{
    for (const auto& entry : mChannelButtonMap)
        setChannelButtonText(entry.first, entry.second);
    mBtnUnit->setText(TAbstractChannel::unitToText(mSelectedUnit));
}

void TGraphViewController::clearChannelComponents()
{
    for (const auto& entry : mChannelComponents)
        disconnectGraphValues(entry.first);
    mChannelComponents.clear();
}

void TGraphViewController::setChannelButtonText(QZELKPushButton* pButton, TAbstractChannel* pChannel)
{
    pButton->setText(tr("Chan.") + QLatin1Char(' ') + pChannel->channelCaption());
}

// Unique, so that a channel is heard once however often it is taken in.
void TGraphViewController::connectGraphValues(TAbstractChannel* pChannel)
{
    connect(pChannel, &TAbstractChannel::graphValueAdded, this, &TGraphViewController::onGraphValueAdded,
            Qt::UniqueConnection);
}

void TGraphViewController::disconnectGraphValues(TAbstractChannel* pChannel)
{
    disconnect(pChannel, &TAbstractChannel::graphValueAdded, this, &TGraphViewController::onGraphValueAdded);
}

// --- drawing set ----------------------------------------------------------------

void TGraphViewController::onScanModeStarted()
{
    onChannelConfigurationChanged(mScanModeController->scannedChannels(), nullptr);
}

void TGraphViewController::onScanModeStopped()
{
    clearChannelComponents();
    mChannelButtonMap.clear();
}

// The removed curves disappear with the next replot; the x window stays.
void TGraphViewController::onChannelConfigurationChanged(const zelk::vector<TAbstractChannel*>& pScannedChannels,
                                                         TAbstractChannel*)
{
    clearChannelComponents();
    mChannelButtonMap.clear();
    for (QZELKPushButton* button : qAsConst(mChanButtons))
        button->hide();
    mAutoScrollRight = true;

    for (int i = 0;
         i < int(pScannedChannels.size()) && i < MAX_CHANNEL_COUNT && i < mChanButtons.size() && i < mChanColors.size();
         ++i) {
        TAbstractChannel* channel = pScannedChannels[std::size_t(i)];
        QZELKPushButton* button = mChanButtons[i];
        setChannelButtonText(button, channel);
        mChannelButtonMap[button] = channel;
        mChannelComponents[channel] = std::make_unique<TGraphChannelViewComponents>(mPlot, mChanColors[i]);
        connectGraphValues(channel);
        button->show();
    }
    if (!isTemperatureUnit(mSelectedUnit))
        setCompatibleUnit();
}

// --- values ---------------------------------------------------------------------

void TGraphViewController::onGraphValueAdded(TAbstractChannel* pChannel, QPointF pTemperatureValue,
                                             QPointF pElectricalValue, bool pOverflow)
{
    QPointF point;
    if (mSelectedUnit == uOhm || mSelectedUnit == uMilliVolt) {
        if (pChannel->electricalUnit() != mSelectedUnit)
            return;
        point = pElectricalValue;
    } else {
        point = pTemperatureValue;
        point.setY(TTemperatureUnitConversionChain().convertElectricalTemperatureValue(
            TElectricalTemperatureValue(point.y(), uCelsius), mSelectedUnit));
    }
    const auto components = mChannelComponents.find(pChannel);
    if (std::isnan(point.y()) || components == mChannelComponents.end())
        return;

    const QwtScaleDiv& window = mPlot->axisScaleDiv(QwtPlot::xBottom);
    const int upperBound = int(window.upperBound());
    const double lowerBound = window.lowerBound();
    components->second->addValue(point, pOverflow);
    if (point.x() > upperBound) {
        if (mAutoScrollRight)
            scrollGraph(int(point.x() - upperBound));
        else
            replot();
    } else if (point.x() < int(lowerBound) && mAutoScrollRight) {
        // The channel counts from 1 again (its history was cleared): back to its newest point.
        scrollGraph(components->second->seriesUpperBound() - upperBound);
    } else {
        replot();
    }
}

void TGraphViewController::channelTypeChanged(TAbstractChannel*)
{
    if (!isTemperatureUnit(mSelectedUnit))
        setCompatibleUnit();
    convertValuesAndReplot(mSelectedUnit);
}

// True when the unit had to change to degrees Celsius.
bool TGraphViewController::setCompatibleUnit()
{
    if (isTemperatureUnit(mSelectedUnit))
        return false;
    for (const auto& entry : mChannelComponents) {
        if (entry.first->electricalUnit() != mSelectedUnit) {
            storeAndShowSelectedUnit(uCelsius);
            return true;
        }
    }
    return false;
}

void TGraphViewController::storeAndShowSelectedUnit(EnUnit pUnit)
{
    mSelectedUnit = pUnit;
    TTamarindSettings& settings = TTamarindSettings::instance();
    settings.setValue(mGraphPersistance_SectionName, mGraphPersistance_SelectedUnit, QString::number(int(pUnit)));
    settings.store();
    mBtnUnit->setText(TAbstractChannel::unitToText(pUnit));
}

void TGraphViewController::convertValuesAndReplot(EnUnit pUnit)
{
    for (const auto& entry : mChannelComponents) {
        entry.second->setValues(entry.first->graphValues(pUnit));
        replot();
    }
}

// --- channel buttons ------------------------------------------------------------

void TGraphViewController::onChannelBtnClick()
{
    const auto entry = mChannelButtonMap.find(qobject_cast<QZELKPushButton*>(sender()));
    if (entry == mChannelButtonMap.end())
        return;
    mChannelToReplace = entry->second;
    zelk::vector<TAbstractChannel*> excluding;
    for (TAbstractChannel* channel : mScanModeController->scannedChannels()) {
        if (channel != mChannelToReplace)
            excluding << channel;
    }
    mChannelController->selectChannel(mChannelToReplace, this, false, excluding, *mScanModeController);
}

void TGraphViewController::channelSelected(TAbstractChannel* pChannel)
{
    if (!mChannelToReplace)
        return;
    TAbstractChannel* replaced = mChannelToReplace;
    mChannelToReplace = nullptr;
    mScanModeController->replaceChannel(replaced, pChannel);
}

void TGraphViewController::onChannelReplaced(TAbstractChannel* pOldChannel, TAbstractChannel* pNewChannel)
{
    const auto button = std::find_if(mChannelButtonMap.begin(), mChannelButtonMap.end(),
                                     [pOldChannel](const auto& pEntry) { return pEntry.second == pOldChannel; });
    if (button == mChannelButtonMap.end())
        return;
    mAutoScrollRight = true;
    const EnUnit unitBefore = mSelectedUnit;

    button->second = pNewChannel;
    setChannelButtonText(button->first, pNewChannel);
    disconnectGraphValues(pOldChannel);
    connectGraphValues(pNewChannel);

    for (const auto& entry : mChannelComponents)
        entry.second->clearValues();
    // Taken out before it is entered again, so that a channel replaced by
    // itself keeps its curves; a channel that had curves of its own keeps those.
    const auto oldEntry = mChannelComponents.find(pOldChannel);
    if (oldEntry != mChannelComponents.end()) {
        std::unique_ptr<TGraphChannelViewComponents> moved = std::move(oldEntry->second);
        mChannelComponents.erase(oldEntry);
        mChannelComponents.emplace(pNewChannel, std::move(moved));
    }

    if (isTemperatureUnit(mSelectedUnit))
        return;
    setCompatibleUnit();
    if (mSelectedUnit != unitBefore)
        convertValuesAndReplot(mSelectedUnit);
}

// --- settings sub-page ----------------------------------------------------------

void TGraphViewController::onBtnUnitClicked()
{
    std::set<EnUnit> electricalUnits;
    for (const auto& entry : mChannelComponents)
        electricalUnits.insert(entry.first->electricalUnit());
    const bool onlyOneUnit = electricalUnits.size() == 1;
    mBtnUnit_Ohm->setVisible(onlyOneUnit && *electricalUnits.begin() == uOhm);
    mBtnUnit_mV->setVisible(onlyOneUnit && *electricalUnits.begin() == uMilliVolt);

    switch (mSelectedUnit) {
    case uCelsius:
        mBtnUnit_C->setChecked(true);
        break;
    case uFahrenheit:
        mBtnUnit_F->setChecked(true);
        break;
    case uKelvin:
        mBtnUnit_K->setChecked(true);
        break;
    case uOhm:
        mBtnUnit_Ohm->setChecked(true);
        break;
    case uMilliVolt:
        mBtnUnit_mV->setChecked(true);
        break;
    default:
        mBtnUnit_C->uncheckGroup();
        break;
    }

    if (mAutoScale)
        mRbScale_Auto->setChecked(true);
    else
        mRbScale_Custom->setChecked(true);
    mBtnScale_Min->setText(limitText(mCustomScale_Min));
    mBtnScale_Max->setText(limitText(mCustomScale_Max));
    mBtnScale_Min->parentWidget()->setVisible(!mAutoScale);

    mSubMenuController->showSubMenu(tr("Graph settings"), mPageGraphUnitAndScale, this, smtEditorWithMainMenuButton);
}

void TGraphViewController::onBtnScaleMinClicked()
{
    enterScaleLimit(mBtnScale_Min);
}

void TGraphViewController::onBtnScaleMaxClicked()
{
    enterScaleLimit(mBtnScale_Max);
}

// Any number may be entered; whether the two are in order is checked on Save.
void TGraphViewController::enterScaleLimit(QZELKDialogButton* pButton)
{
    QString text;
    double value = 0.0;
    if (TNumpad(nullptr).exec_float(text, value, 0.0, 0.0, false))
        pButton->setText(TDecimalDisplayController::instance().Double2Str(value));
}

void TGraphViewController::returnToMainMenuClicked() {}

// The page is filled anew each time it opens: there is nothing to restore.
bool TGraphViewController::cancelClicked()
{
    return true;
}

bool TGraphViewController::storeClicked()
{
    if (mRbScale_Custom->isChecked()) {
        const TDecimalDisplayController& decimal = TDecimalDisplayController::instance();
        bool ok = false;
        const double minimum = decimal.Str2Double(mBtnScale_Min->text(), ok);
        const double maximum = decimal.Str2Double(mBtnScale_Max->text(), ok);
        if (!(minimum < maximum)) {
            TMessageDialog().showError(tr("Value for \"Max.\" must be greater than value for \"Min.\"!"));
            return false;
        }
        mCustomScale_Min = minimum;
        mCustomScale_Max = maximum;
        mAutoScale = false;
    } else {
        mAutoScale = true;
    }

    EnUnit unit = uCelsius;
    if (mBtnUnit_F->isChecked())
        unit = uFahrenheit;
    else if (mBtnUnit_K->isChecked())
        unit = uKelvin;
    else if (mBtnUnit_Ohm->isChecked())
        unit = uOhm;
    else if (mBtnUnit_mV->isChecked())
        unit = uMilliVolt;
    if (unit != mSelectedUnit) {
        storeAndShowSelectedUnit(unit);
        convertValuesAndReplot(unit);
    }

    storePlotScale();
    updatePlotScale();
    return true;
}

void TGraphViewController::storePlotScale()
{
    TTamarindSettings& settings = TTamarindSettings::instance();
    settings.setValue(mGraphPersistance_SectionName, mGraphPersistance_AutoScale,
                      mAutoScale ? QStringLiteral("1") : QStringLiteral("0"));
    settings.setValue(mGraphPersistance_SectionName, mGraphPersistance_Min, limitText(mCustomScale_Min));
    settings.setValue(mGraphPersistance_SectionName, mGraphPersistance_Max, limitText(mCustomScale_Max));
    settings.store();
}

QString TGraphViewController::limitText(double pValue)
{
    return QString::number(pValue, 'g', 6);
}

// --- dragging and refresh -------------------------------------------------------

// One move steps one sample at most, however far the finger went.
// Replotting lays out the axes and scans the curves for the automatic scale
// even where nothing is painted: a hidden graph is replotted when it is shown.
void TGraphViewController::replot()
{
    mReplotPending = !mPlot->isVisible();
    if (!mReplotPending)
        mPlot->replot();
}

bool TGraphViewController::eventFilter(QObject* pObject, QEvent* pEvent)
{
    if (pObject != mPlot)
        return QObject::eventFilter(pObject, pEvent);
    if (pEvent->type() == QEvent::Show && mReplotPending)
        replot();
    if (pEvent->type() == QEvent::MouseButtonPress) {
        mPlotDragReferenceCoordinate = static_cast<QMouseEvent*>(pEvent)->x();
        return true;
    }
    if (pEvent->type() != QEvent::MouseMove)
        return QObject::eventFilter(pObject, pEvent);

    const int x = static_cast<QMouseEvent*>(pEvent)->x();
    const QwtScaleDiv& window = mPlot->axisScaleDiv(QwtPlot::xBottom);
    const double samples = window.upperBound() - window.lowerBound();
    if (samples == 0.0 || !window.interval().isValid())
        return true;
    const int pixelsPerSample = int(mPlot->width() / samples);
    if (std::abs(x - mPlotDragReferenceCoordinate) <= pixelsPerSample)
        return true;
    const bool movedRight = x > mPlotDragReferenceCoordinate;
    mPlotDragReferenceCoordinate = x;
    if (movedRight) {
        mAutoScrollRight = false;
        scrollGraph(-1);
    } else {
        scrollGraph(1);
        if (mPlot->axisScaleDiv(QwtPlot::xBottom).upperBound() > maxSampleNumber())
            mAutoScrollRight = true;
    }
    return true;
}

void TGraphViewController::onBtnRefreshClicked()
{
    const int newest = maxSampleNumber();
    if (mPlot->axisScaleDiv(QwtPlot::xBottom).upperBound() >= newest)
        return;
    mAutoScrollRight = true;
    setXAxisWindow(newest - 10, newest + 1);
    replot();
}

// --- axis rules -----------------------------------------------------------------

int TGraphViewController::maxSampleNumber() const
{
    int newest = 0;
    bool found = false;
    for (const auto& entry : mChannelComponents) {
        if (entry.second->isEmpty())
            continue;
        newest = found ? std::max(newest, entry.second->seriesUpperBound()) : entry.second->seriesUpperBound();
        found = true;
    }
    return newest;
}

int TGraphViewController::minSampleNumber() const
{
    if (mChannelComponents.empty())
        return -1;
    int oldest = std::numeric_limits<int>::max();
    for (const auto& entry : mChannelComponents) {
        if (entry.second->isEmpty())
            return 0;
        oldest = std::min(oldest, entry.second->seriesLowerBound());
    }
    return oldest;
}

// Major ticks only, one per sample number.
void TGraphViewController::setXAxisWindow(int pLowerBound, int pUpperBound)
{
    QList<double> ticks;
    for (int sample = pLowerBound; sample <= pUpperBound; ++sample)
        ticks << double(sample);
    mPlot->setAxisScaleDiv(QwtPlot::xBottom,
                           QwtScaleDiv(pLowerBound, pUpperBound, QList<double>(), QList<double>(), ticks));
}

// No limit towards newer samples: a value beyond the window moves it there.
void TGraphViewController::scrollGraph(int pCount)
{
    int lowerBound = int(mPlot->axisScaleDiv(QwtPlot::xBottom).lowerBound() + pCount);
    lowerBound = std::max(lowerBound, minSampleNumber());
    setXAxisWindow(lowerBound, lowerBound + X_AXIS_TICK_COUNT);
    replot();
}

// The limits come from the settings file as well as from the page: with an
// infinite limit, or limits so large that a step does not change them, the
// ticks would never reach the maximum. Such limits give the automatic scale.
bool TGraphViewController::isCustomScaleUsable() const
{
    if (mAutoScale || !(mCustomScale_Min < mCustomScale_Max))
        return false;
    const double step = (mCustomScale_Max - mCustomScale_Min) / double(Y_AXIS_STEP_COUNT);
    return std::isfinite(mCustomScale_Min) && std::isfinite(mCustomScale_Max) && std::isfinite(step) &&
           mCustomScale_Min + step > mCustomScale_Min;
}

void TGraphViewController::updatePlotScale()
{
    if (!isCustomScaleUsable()) {
        mPlot->setAxisAutoScale(QwtPlot::yLeft, true);
    } else {
        // Added up step by step rather than computed from the minimum, as
        // the scale has always been drawn; at most one tick per step.
        const double step = (mCustomScale_Max - mCustomScale_Min) / double(Y_AXIS_STEP_COUNT);
        QList<double> minorTicks;
        QList<double> majorTicks;
        double value = mCustomScale_Min;
        for (int i = 0; i <= Y_AXIS_STEP_COUNT && value - mCustomScale_Max < Y_AXIS_TICK_TOLERANCE; ++i) {
            if (i % Y_AXIS_MAJOR_TICK_EVERY == 0)
                majorTicks << value;
            else
                minorTicks << value;
            value += step;
        }
        mPlot->setAxisScaleDiv(QwtPlot::yLeft, QwtScaleDiv(majorTicks.first(), majorTicks.last(), minorTicks,
                                                           QList<double>(), majorTicks));
    }
    replot();
}
