#pragma once

#include "zelkvector.h"

#include <QObject>
#include <QString>

#include <map>
#include <memory>

class QTimer;
class QWidget;
class TClickableWidgetController;

// What the display hardware of an operating-system platform offers: the
// kernel's brightness file, the level while dimmed, the level of a new
// instrument and the levels the user can choose (brightest first).
struct TBacklightPlatform
{
    QString mBrightnessFile;
    int mBacklightOffBrightnessVal = 0;
    int mDefaultBrightnessVal = 0;
    zelk::vector<int> mBrightnessValues;
};

// The display backlight: writes the level the user chose into the kernel's
// brightness file, dims the display after the chosen time without a touch
// and brings it back on the next one. Created and owned by the main window,
// which reports every press through resetBacklightTimer() or, while dimmed,
// restoreBacklight().
class TBrightnessController : public QObject
{
    Q_OBJECT

public:
    // Platform 1 has a fixed brightness file; platform 2 has the first file
    // named "brightness" below "/sys/devices", and while there is none its
    // levels go nowhere. Any other platform has no levels to choose.
    static TBacklightPlatform platformValues(unsigned short pPlatformVersionMajor);

    // A stored level that is none of pBrightnessValues (the levels the user
    // can choose) reads as the default level.
    TBrightnessController(const QString& pBrightnessFile, int pBacklightOffBrightnessVal, int pDefaultBrightnessVal,
                          const zelk::vector<int>& pBrightnessValues);
    ~TBrightnessController() override;

    // Writes the level and stores it as the user's choice.
    void setBrightness(int pBrightness);
    int brightness() const { return mBrightness; }
    int defaultBrightness() const { return mDefaultBrightnessVal; }

    // The time without a touch until the display dims, in ms; 0 never dims.
    void setBacklightOff(int pMilliseconds);
    int backlightOffInterval() const;
    bool isBacklightOff() const { return mBacklightOff; }

    // A touch: the dimming delay counts again from now.
    void resetBacklightTimer();
    // Back to the user's level after dimming.
    void restoreBacklight();

    void registerBacklightOffWidget(QWidget* pWidget, int pMilliseconds);
    void setBacklightOffWidgetController(std::unique_ptr<TClickableWidgetController> pController);
    // Marks the row of the current delay. Once rows are registered, a stored
    // delay that none of them offers is replaced by 0 (never dim).
    void initBacklightOffGUI();
    void indicateSelectedBacklightOffSetting();
    // Never dims again; the level stays.
    void factoryReset();

public slots:
    void turnBacklightOff();
    // The instrument restarts after the time is set; the display stays lit until then.
    void onBeforeChangeSystemTime();

private slots:
    void backlightOffSettingSelected(QWidget* pWidget);

private:
    void writeBrightness(int pBrightness) const;
    void storeSetting(const QString& pKey, int pValue) const;

    const QString mSectionName = QStringLiteral("brightness");
    const QString mSetting_value = QStringLiteral("value");
    const QString mSetting_backlight_off = QStringLiteral("backlight_off");
    int mBacklightOffBrightnessVal;
    int mDefaultBrightnessVal;
    QString mBrightnessFile;
    int mBrightness = 0;
    bool mBacklightOff = false;
    std::unique_ptr<QTimer> mBacklightTimer;
    std::unique_ptr<TClickableWidgetController> mBacklightOffWidgetController;
    std::map<QWidget*, int> mBacklightOff_ValueByWidget;
    std::map<int, QWidget*> mBacklightOff_WidgetByValue;
};
