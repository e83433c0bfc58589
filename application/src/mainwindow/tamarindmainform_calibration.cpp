// The instrument's own calibration: the list of the board's calibration items,
// the two-point and the cold-junction offset screens, the recalibration cycle
// and the operating time.

#include "tamarindmainform.h"

#include "channel.h"
#include "channelcontroller.h"
#include "cjccalibrationitem.h"
#include "clickablewidgetcontroller.h"
#include "decimaldisplaycontroller.h"
#include "internalscpihandler.h"
#include "labelfontfit.h"
#include "messagedialog.h"
#include "numpad.h"
#include "probecontroller.h"
#include "recalcyclecontroller.h"
#include "tamarindclock.h"
#include "twopointcalibration.h"
#include "twopointcalibrationitem.h"

#include <QBoxLayout>
#include <QLabel>
#include <QTimer>

#include <cmath>
#include <limits>

using namespace Electrical_temperature_units;

namespace
{
constexpr double NOT_SET = std::numeric_limits<double>::quiet_NaN();
constexpr int CAL_DATA_DIGITS = 10;
constexpr int RECAL_CYCLE_MAX_MONTHS = 120;
// Below this an item title is no longer read at a glance; a longer title ("Внутренний резистор 100 kΩ")
// still fits the menu column at it.
constexpr int CALIBRATION_ITEM_MINIMUM_FONT_SIZE = 13;

// The default probes the resistance ranges are measured with.
constexpr int PROBE_PT100_4WIRE = 82;
constexpr int PROBE_PT25_4WIRE = 83;
constexpr int PROBE_THERMISTOR = 84;

// The two-point items in the order the board is asked and the list shows them. A null title marks the
// thermocouple inputs, whose points and tolerances the item fixes itself.
struct TTwoPointItemRow
{
    EnCalItemID mId;
    const char* mTitle;
    EnUnit mUnit;
    double mLowerPoint;
    double mUpperPoint;
    double mLowerTolerance;
    double mUpperTolerance;
    int mProbe;
};

const TTwoPointItemRow TWO_POINT_ITEMS[] = {
    {ci25R, QT_TRANSLATE_NOOP("TTamarindMainForm", "25 \u2126 internal resistor"), uOhm, 0, 100, 0.005, 10,
     PROBE_PT25_4WIRE},
    {ci100R, QT_TRANSLATE_NOOP("TTamarindMainForm", "100 \u2126 internal resistor"), uOhm, 0, 450, 0.005, 100,
     PROBE_PT100_4WIRE},
    {ci10KR, QT_TRANSLATE_NOOP("TTamarindMainForm", "10 k\u2126 internal resistor"), uOhm, 450, 45000, 100, 500,
     PROBE_THERMISTOR},
    {ci100KR, QT_TRANSLATE_NOOP("TTamarindMainForm", "100 k\u2126 internal resistor"), uOhm, 45000, 500000, 500, 1000,
     PROBE_THERMISTOR},
    {ciTCchan3, QT_TRANSLATE_NOOP("TTamarindMainForm", "TC channel 3"), uMilliVolt, 0, 100, 5, 10, 0},
    {ciTCchan4, QT_TRANSLATE_NOOP("TTamarindMainForm", "TC channel 4"), uMilliVolt, 0, 100, 5, 10, 0},
    {ciTCchanExternal, QT_TRANSLATE_NOOP("TTamarindMainForm", "TC ext. chan."), uMilliVolt, 0, 100, 5, 10, 0},
};

QString dateText(const QDate& pDate)
{
    return TTamarindClock::instance().getDateString(pDate);
}

QString scientific(double pValue)
{
    return TDecimalDisplayController::instance().Double2ScientificStr(pValue, CAL_DATA_DIGITS);
}

QString fixed(double pValue)
{
    return TDecimalDisplayController::instance().Double2Str(pValue, CAL_DATA_DIGITS, false);
}

QString pointText(double pPoint, EnUnit pUnit)
{
    return QString::number(pPoint, 'g', 6) + TAbstractChannel::unitToText(pUnit);
}

void showError(const QString& pText)
{
    TMessageDialog().showError(pText);
}
} // namespace

bool TTamarindMainForm::enterInstrumentCalibration()
{
    return leaveScanModeAsking(tr("Instrument calibration cannot be done while the scan mode is active. "
                                  "Would you like to leave the scan mode?"));
}

void TTamarindMainForm::clearCalibrationItems()
{
    for (const auto& row : mCalItemButtonMap)
        mCalibrationItemsWidgetController->removeWidget(row.first.get());
    mCalItemButtonMap.clear();
    for (const auto& row : mCJCOffsetButtonMap)
        mCalibrationItemsWidgetController->removeWidget(row.first.get());
    mCJCOffsetButtonMap.clear();
    mTwoPointCalibrationItems.clear();
    mCJCOffsetCalibrationItems.clear();
}

void TTamarindMainForm::loadCalibrationData()
{
    if (!mInternalSCPIHandler || !mChannelController || !mProbeController || !mCalibrationItemsWidgetController)
        return;
    clearCalibrationItems();
    // Nothing may point into the released items, and the backup went with them.
    mSelectedTwoPointCalibrationItem = nullptr;
    mSelectedCJCCalibrationItem = nullptr;
    mTwoPointCalNeutralOnBoard = false;

    const std::pair<int, const char*> coldJunctions[] = {
        {3, QT_TR_NOOP("CJC chan. 3")},
        {4, QT_TR_NOOP("CJC chan. 4")},
    };
    for (const auto& junction : coldJunctions) {
        double offset = NOT_SET;
        QDate date;
        TAbstractChannel* channel = mChannelController->channel(junction.first);
        if (channel && mInternalSCPIHandler->cjcOffset(*channel, offset, date, false) == 0)
            mCJCOffsetCalibrationItems.push_back(std::make_unique<TCJCCalibrationItem>(
                mChannelController->physical_channel(junction.first), offset, date, tr(junction.second)));
    }

    for (const TTwoPointItemRow& row : TWO_POINT_ITEMS) {
        double offset = NOT_SET;
        double slope = NOT_SET;
        QDate date;
        if (!mInternalSCPIHandler->twoPointCalibrationItemData(row.mId, offset, slope, date, false))
            continue;
        const QString title = tr(row.mTitle);
        if (row.mId == ciTCchan3 || row.mId == ciTCchan4) {
            mTwoPointCalibrationItems.push_back(std::make_unique<TThermocoupleTwoPointCalibration>(
                row.mId, row.mUnit, title, mChannelController->physical_channel(row.mId == ciTCchan3 ? 3 : 4), date,
                offset, slope));
            continue;
        }
        TPhysicalChannel* channel = row.mId == ciTCchanExternal ? mChannelController->tcExpansionPortChannel()
                                                                : mChannelController->physical_channel(1);
        // Without the expansion input there is nothing to measure the item on.
        if (!channel)
            continue;
        TAbstractProbe* probe = row.mProbe ? mProbeController->probeByNumber(row.mProbe) : nullptr;
        mTwoPointCalibrationItems.push_back(std::make_unique<TTwoPointCalibrationItem>(
            row.mId, row.mUnit, row.mLowerPoint, row.mUpperPoint, row.mLowerTolerance, row.mUpperTolerance, title,
            channel, probe, date, offset, slope));
    }

    int position = 1;
    for (const auto& item : mTwoPointCalibrationItems) {
        QWidget* row = nullptr;
        addCalibrationItemRow(item->title(), position++, row);
        mCalItemButtonMap.emplace(std::unique_ptr<QWidget>(row), item.get());
    }
    for (const auto& item : mCJCOffsetCalibrationItems) {
        QWidget* row = nullptr;
        addCalibrationItemRow(item->title(), position++, row);
        mCJCOffsetButtonMap.emplace(std::unique_ptr<QWidget>(row), item.get());
    }
}

void TTamarindMainForm::addCalibrationItemRow(const QString& pTitle, int pPosition, QWidget*& oRow)
{
    const QPair<QWidget*, QLabel*> row = TClickableWidgetController::createClickableWidget(nullptr, pTitle);
    oRow = row.first;
    // A title with Chinese or Japanese glyphs has a taller line than a Latin one; it gets the whole height inside
    // the border, else the descender of a Latin letter beside those glyphs is cut off. A title wider than the menu
    // column is set in a smaller font.
    TClickableWidgetController::giveCaptionFullHeight(oRow);
    qobject_cast<QBoxLayout*>(ui->PageInstrumentCalibration->layout())->insertWidget(pPosition, row.first);
    // The list is built while the page is hidden (at start-up, after a change of language), and a hidden page's
    // widgets keep the size they were made with: the title is fitted once the page lays it out.
    new TLabelFontFit(row.second, CALIBRATION_ITEM_MINIMUM_FONT_SIZE);
    mCalibrationItemsWidgetController->addWidget(row.first, row.second, false);
}

void TTamarindMainForm::onCalItemClicked(QWidget* pWidget)
{
    const auto twoPoint = mCalItemButtonMap.find(pWidget);
    if (twoPoint != mCalItemButtonMap.end()) {
        mSelectedTwoPointCalibrationItem = twoPoint->second;
        mTwoPointCalBackupDate = mSelectedTwoPointCalibrationItem->lastCalDate();
        mTwoPointCalNeutralOnBoard = false;
        mSelectedTwoPointCalibrationItem->temporaryBackupCalibrationData();
        mSelectedTwoPointCalibrationItem->initCalibration();
        displaySelectedTwoPointCalItem();
        ui->stackedWidgetMenu->setCurrentWidget(ui->PageTwoPointCal);
        ui->BtnSave->show();
        ui->BtnCancel->show();
        return;
    }
    const auto coldJunction = mCJCOffsetButtonMap.find(pWidget);
    if (coldJunction != mCJCOffsetButtonMap.end()) {
        mSelectedCJCCalibrationItem = coldJunction->second;
        mSelectedCJCCalibrationItem->initCalibration();
        displayCJCOffsetCalibrationItem();
        ui->stackedWidgetMenu->setCurrentWidget(ui->PageCJCOffset);
        ui->BtnSave->show();
        ui->BtnCancel->show();
        return;
    }
    mCalibrationItemsWidgetController->deactivateAll();
}

void TTamarindMainForm::displaySelectedTwoPointCalItem()
{
    for (QLabel* label : {ui->Lbl2Cal_Offset, ui->Lbl2Cal_Slope, ui->Lbl2Cal_LastCalDate, ui->Lbl2Cal_NextCalDate,
                          ui->Lbl2Cal_NomLower, ui->Lbl2Cal_NomUpper, ui->Lbl2Cal_MeasLower, ui->Lbl2Cal_MeasUpper,
                          ui->Lbl2Cal_NewOffset, ui->Lbl2Cal_NewSlope})
        label->clear();
    for (QAbstractButton* button : std::initializer_list<QAbstractButton*>{
             ui->Btn2Cal_NomLower, ui->Btn2Cal_NomUpper, ui->Btn2Cal_MeasLower, ui->Btn2Cal_MeasUpper})
        button->setText(QString());
    const TTwoPointCalibrationItem* item = mSelectedTwoPointCalibrationItem;
    if (!item)
        return;

    ui->Lbl2Cal_Offset->setText(scientific(item->storedOffset()));
    ui->Lbl2Cal_Slope->setText(scientific(item->storedSlope()));
    ui->Lbl2Cal_LastCalDate->setText(dateText(item->lastCalDate()));
    ui->Lbl2Cal_NextCalDate->setText(dateText(TRecalCycleController::instance().nextCalDate(item->lastCalDate())));

    const QString lower = pointText(item->calValLowerBound(), item->unit());
    const QString upper = pointText(item->calValUpperBound(), item->unit());
    ui->Lbl2Cal_NomLower->setText(lower);
    ui->Lbl2Cal_MeasLower->setText(lower);
    ui->Lbl2Cal_NomUpper->setText(upper);
    ui->Lbl2Cal_MeasUpper->setText(upper);
    if (!std::isnan(item->nominalCalValLowerBound()))
        ui->Btn2Cal_NomLower->setText(fixed(item->nominalCalValLowerBound()));
    if (!std::isnan(item->nominalCalValUpperBound()))
        ui->Btn2Cal_NomUpper->setText(fixed(item->nominalCalValUpperBound()));

    const TTwoPointCalibration& points = item->twoPointCalibration();
    if (points.isFirstPointValid())
        ui->Btn2Cal_MeasLower->setText(fixed(points.firstPoint().first));
    if (points.isSecondPointValid())
        ui->Btn2Cal_MeasUpper->setText(fixed(points.secondPoint().first));
    double slope = NOT_SET;
    double offset = NOT_SET;
    if (points.isPointsComplete() && points.calcSlopeAndOffset(slope, offset)) {
        ui->Lbl2Cal_NewOffset->setText(scientific(offset));
        ui->Lbl2Cal_NewSlope->setText(scientific(slope));
    }
}

void TTamarindMainForm::enterNominalValue(bool pLowerPoint)
{
    if (!mSelectedTwoPointCalibrationItem)
        return;
    QString text;
    double value = 0.0;
    // The item checks the range and says what it takes.
    if (!TNumpad(nullptr).exec_float(text, value, 0.0, 0.0, false))
        return;
    const bool accepted = pLowerPoint ? mSelectedTwoPointCalibrationItem->setNominalCalValLowerBound(value)
                                      : mSelectedTwoPointCalibrationItem->setNominalCalValUpperBound(value);
    if (accepted)
        displaySelectedTwoPointCalItem();
}

void TTamarindMainForm::on_Btn2Cal_NomLower_clicked()
{
    enterNominalValue(true);
}

void TTamarindMainForm::on_Btn2Cal_NomUpper_clicked()
{
    enterNominalValue(false);
}

void TTamarindMainForm::measureTwoPointCalItem(bool pLowerPoint)
{
    if (!mSelectedTwoPointCalibrationItem)
        return;
    // The neutral data the measurement stores come back through the stored signal, which notes them.
    mMeasuringTwoPointCalItem = true;
    if (pLowerPoint)
        mSelectedTwoPointCalibrationItem->calibrateLowerBound(mChannelController.get(), mProbeController.get(),
                                                              mInternalSCPIHandler.get());
    else
        mSelectedTwoPointCalibrationItem->calibrateUpperBound(mChannelController.get(), mProbeController.get(),
                                                              mInternalSCPIHandler.get());
    mMeasuringTwoPointCalItem = false;
    displaySelectedTwoPointCalItem();
}

void TTamarindMainForm::on_Btn2Cal_MeasLower_clicked()
{
    measureTwoPointCalItem(true);
}

void TTamarindMainForm::on_Btn2Cal_MeasUpper_clicked()
{
    measureTwoPointCalItem(false);
}

// Equal raw values give no correction: treated as incomplete, so that no undefined numbers reach the board.
bool TTamarindMainForm::storeSelectedTwoPointCalItem()
{
    TTwoPointCalibrationItem* item = mSelectedTwoPointCalibrationItem;
    if (!item)
        return false;
    double slope = NOT_SET;
    double offset = NOT_SET;
    if (!item->twoPointCalibration().isPointsComplete() ||
        !item->twoPointCalibration().calcSlopeAndOffset(slope, offset)) {
        showError(tr("Calibration data are incomplete. Please make sure that both calibration points have been "
                     "measured!"));
        return false;
    }
    if (mInternalSCPIHandler->storeTwoPointCalibrationItemData(item->itemId(), offset, slope, QDate::currentDate(),
                                                               false) != 0) {
        showError(tr("The calibration data could not be stored, please try again."));
        return false;
    }
    mTwoPointCalNeutralOnBoard = false;
    return true;
}

// The board keeps the neutral data of a measurement until the correction or its backup is stored: Cancel, Return
// and everything else that leaves the screen (remote mode, a logger that stops) put the backup back. The backup
// keeps the date it had, so that the due date does not move for a calibration that was not made.
void TTamarindMainForm::restoreTwoPointCalBackup()
{
    TTwoPointCalibrationItem* item = mSelectedTwoPointCalibrationItem;
    if (!item || !mTwoPointCalNeutralOnBoard)
        return;
    mTwoPointCalNeutralOnBoard = false;
    mInternalSCPIHandler->storeTwoPointCalibrationItemData(item->itemId(), item->backupedOffset(),
                                                           item->backupedSlope(), mTwoPointCalBackupDate, false);
}

void TTamarindMainForm::resetSelectedTwoPointCalItem()
{
    if (!mSelectedTwoPointCalibrationItem)
        return;
    restoreTwoPointCalBackup();
    mSelectedTwoPointCalibrationItem->initCalibration();
    displaySelectedTwoPointCalItem();
}

void TTamarindMainForm::onTwoPointCalibrationDataStored(EnCalItemID pItemID)
{
    for (const auto& item : mTwoPointCalibrationItems) {
        if (item->itemId() != pItemID)
            continue;
        if (mMeasuringTwoPointCalItem && item.get() == mSelectedTwoPointCalibrationItem)
            mTwoPointCalNeutralOnBoard = true;
        double offset = NOT_SET;
        double slope = NOT_SET;
        QDate date;
        if (mInternalSCPIHandler->twoPointCalibrationItemData(pItemID, offset, slope, date, false))
            item->updateCalibrationData(offset, slope, date);
        return;
    }
}

void TTamarindMainForm::displayCJCOffsetCalibrationItem()
{
    for (QLabel* label : {ui->LblCJCCal_Offset, ui->LblCJCCal_LastCalDate, ui->LblCJCCal_NextCalDate})
        label->clear();
    ui->BtnCJCCal_MeasOffset->setText(QString());
    const TCJCCalibrationItem* item = mSelectedCJCCalibrationItem;
    if (!item)
        return;
    ui->LblCJCCal_Offset->setText(scientific(item->storedOffset()));
    ui->LblCJCCal_LastCalDate->setText(dateText(item->lastCalDate()));
    ui->LblCJCCal_NextCalDate->setText(dateText(TRecalCycleController::instance().nextCalDate(item->lastCalDate())));
    if (!std::isnan(item->newOverallOffset()))
        ui->BtnCJCCal_MeasOffset->setText(scientific(item->newOverallOffset()));
}

void TTamarindMainForm::on_BtnCJCCal_MeasOffset_clicked()
{
    if (mSelectedCJCCalibrationItem && mSelectedCJCCalibrationItem->measureOffsetDeviation(
                                           *mChannelController, mProbeController.get(), mInternalSCPIHandler.get()))
        displayCJCOffsetCalibrationItem();
}

// The board adds what it receives to its offset: the deviation goes, not the new offset shown.
bool TTamarindMainForm::storeCJCOffsetCalibrationItem()
{
    const TCJCCalibrationItem* item = mSelectedCJCCalibrationItem;
    if (!item)
        return false;
    const double deviation = item->newOffsetDeviation();
    if (std::isnan(deviation)) {
        showError(tr("Calibration incomplete. Please make sure that the calibration point has been measured!"));
        return false;
    }
    if (mInternalSCPIHandler->storeCJCOffset(*item->calChannel(), deviation, QDate::currentDate(), false) != 0) {
        showError(tr("The calibration data could not be stored, please try again."));
        return false;
    }
    return true;
}

void TTamarindMainForm::resetCJCOffsetCalibrationItem()
{
    if (!mSelectedCJCCalibrationItem)
        return;
    mSelectedCJCCalibrationItem->initCalibration();
    displayCJCOffsetCalibrationItem();
}

void TTamarindMainForm::onCJCOffsetStored(const TAbstractChannel& pChannel)
{
    for (const auto& item : mCJCOffsetCalibrationItems) {
        if (item->calChannel()->internalChannelNumber() != pChannel.internalChannelNumber())
            continue;
        double offset = NOT_SET;
        QDate date;
        if (mInternalSCPIHandler->cjcOffset(*item->calChannel(), offset, date, false) == 0)
            item->updateCalibrationData(offset, date);
        return;
    }
}

void TTamarindMainForm::updateRecalCycleView()
{
    const TRecalCycleController& cycle = TRecalCycleController::instance();
    ui->BtnRecalCycle->setText(QString::number(cycle.recalMonths()));
    const std::pair<EnCalItemID, QLabel*> twoPointLabels[] = {
        {ci25R, ui->LblLastCal_25R},
        {ci100R, ui->LblLastCal_100R},
        {ci10KR, ui->LblLastCal_10kR},
        {ci100KR, ui->LblLastCal_100kR},
        {ciTCchan3, ui->LblLastCal_TC3},
        {ciTCchan4, ui->LblLastCal_TC4},
        {ciTCchanExternal, ui->LblLastCal_TC_Ext},
    };
    for (const auto& item : mTwoPointCalibrationItems) {
        for (const auto& label : twoPointLabels) {
            if (label.first == item->itemId())
                label.second->setText(dateText(cycle.nextCalDate(item->lastCalDate())));
        }
    }
    for (const auto& item : mCJCOffsetCalibrationItems) {
        const int channel = item->calChannel()->internalChannelNumber();
        QLabel* label = channel == 3 ? ui->LblLastCal_CJC_Chan3 : (channel == 4 ? ui->LblLastCal_CJC_Chan4 : nullptr);
        if (label)
            label->setText(dateText(cycle.nextCalDate(item->lastCalDate())));
    }
}

void TTamarindMainForm::on_BtnRecalCycle_clicked()
{
    QString text;
    int months = 0;
    if (!TNumpad(nullptr).exec_int(text, months, 0, RECAL_CYCLE_MAX_MONTHS, true))
        return;
    TRecalCycleController::instance().setRecalibrationCycle(short(months));
    updateRecalCycleView();
}

void TTamarindMainForm::onUpdateOperatingTime()
{
    for (QLabel* label : {ui->LblOpTime_Days, ui->LblOpTime_Hours, ui->LblOpTime_Minutes, ui->LblOpTime_Seconds})
        label->clear();
    unsigned int seconds = 0;
    if (!mInternalSCPIHandler->getSystemOperatingTime(seconds))
        return;
    // Wide enough for every count the board can give.
    const qint64 count = seconds;
    ui->LblOpTime_Days->setText(QString::number(count / 86400));
    ui->LblOpTime_Hours->setText(QString::number(count / 3600 % 24));
    ui->LblOpTime_Minutes->setText(QString::number(count / 60 % 60));
    ui->LblOpTime_Seconds->setText(QString::number(count % 60));
}
