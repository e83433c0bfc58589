#pragma once

#include <QObject>
#include <QString>

class QLabel;
class QZELKDialogButton;

// The number of measured values over which every channel forms its average
// and stability: entered from 1 to 100 on the numeric pad, stored in the
// settings and announced on each change. The main window builds it, hands the
// count to the channel controller and owns it; the widgets are the main
// window's and either may be null.
class TAverageValueSettingController : public QObject
{
    Q_OBJECT

public:
    static constexpr short DEFAULT_SAMPLE_COUNT = 10;
    static constexpr short MIN_SAMPLE_COUNT = 1;
    static constexpr short MAX_SAMPLE_COUNT = 100;

    TAverageValueSettingController(QZELKDialogButton* pBtnSampleCount, QLabel* pSelectedValueIndicator);

    short averageValueSampleCount() const { return mAverageValueSampleCount; }
    // Stores, shows and announces the count.
    void setAverageValueSampleCount(short pVal);
    void factoryReset();
    void updateGUI();

signals:
    void sampleCountChanged(int pCount);

public slots:
    // The pad entry; a cancelled pad changes nothing.
    void sampleCountBtnClick();

private:
    const QString mSectionName = QStringLiteral("avg_value");
    const QString mSetting_sample_count = QStringLiteral("sample_count");
    short mAverageValueSampleCount;
    QZELKDialogButton* mBtnSampleCount;
    QLabel* mSelectedValueIndicator;
};
