#include "averagevaluesettingcontroller.h"

#include "numpad.h"
#include "tamarindsettings.h"
#include "zelkdialogbutton.h"

#include <QLabel>

TAverageValueSettingController::TAverageValueSettingController(QZELKDialogButton* pBtnSampleCount,
                                                               QLabel* pSelectedValueIndicator)
    : mBtnSampleCount(pBtnSampleCount), mSelectedValueIndicator(pSelectedValueIndicator)
{
    // A count of 0 would leave every average empty and a negative one would
    // make a huge window of the channels' unsigned length: a stored count
    // outside what the pad offers is not taken.
    const int stored = TTamarindSettings::instance()
                           .value(mSectionName, mSetting_sample_count, QString::number(DEFAULT_SAMPLE_COUNT))
                           .toInt();
    mAverageValueSampleCount =
        stored >= MIN_SAMPLE_COUNT && stored <= MAX_SAMPLE_COUNT ? short(stored) : DEFAULT_SAMPLE_COUNT;
    if (mBtnSampleCount)
        connect(mBtnSampleCount, &QZELKDialogButton::clicked, this,
                &TAverageValueSettingController::sampleCountBtnClick);
    updateGUI();
}

void TAverageValueSettingController::setAverageValueSampleCount(short pVal)
{
    mAverageValueSampleCount = pVal;
    TTamarindSettings& settings = TTamarindSettings::instance();
    settings.setValue(mSectionName, mSetting_sample_count, QString::number(mAverageValueSampleCount));
    settings.store();
    updateGUI();
    emit sampleCountChanged(mAverageValueSampleCount);
}

void TAverageValueSettingController::factoryReset()
{
    setAverageValueSampleCount(DEFAULT_SAMPLE_COUNT);
}

void TAverageValueSettingController::updateGUI()
{
    const QString count = QString::number(mAverageValueSampleCount);
    if (mBtnSampleCount)
        mBtnSampleCount->setText(count);
    if (mSelectedValueIndicator)
        mSelectedValueIndicator->setText(count);
}

void TAverageValueSettingController::sampleCountBtnClick()
{
    QString text;
    int count = 0;
    if (TNumpad(nullptr).exec_int(text, count, MIN_SAMPLE_COUNT, MAX_SAMPLE_COUNT, true))
        setAverageValueSampleCount(short(count));
}
