#pragma once

#include "tamarindclock.h"

#include <QDateTime>
#include <QObject>
#include <QString>

class QRect;
class QScreen;

// Saves what the instrument's screen shows as a PNG file named after the
// moment it was taken, keeps the newest fifty and confirms each with a short
// white flash. The main window names the directory at start-up; a remote
// client can take screenshots too.
class TScreenshotController : public QObject
{
    Q_OBJECT

public:
    // Older pictures are deleted so that the directory never holds more.
    static constexpr int MAXIMUM_SCREENSHOT_COUNT = 50;

    static TScreenshotController& instance();

    // The device path of the directory; no screenshot is taken before this.
    void init(const QString& pScreenshotDir);
    const QString& screenshotDir() const { return mScreenshotDir; }

    // Saves the picture, keeps the newest fifty, flashes the screen and
    // signals screenshotTaken(); on a failed save the user hears of a full
    // disk instead of the flash, and the signal still follows.
    void takeScreenshot();

    // "Screenshot_" with the date ("ddMMyyyy" day first, else "MMddyyyy"),
    // "_", the time ("hhmmss", with "am"/"pm" and hours 01 to 12 in 12-hour
    // mode) and ".png".
    static QString screenshotFileName(const QDateTime& pDateTime, EnDateFormat pDateFormat, EnTimeFormat pTimeFormat);

signals:
    void screenshotTaken();

private:
    TScreenshotController() = default;
    bool saveScreen(const QString& pFilePath) const;
    void deleteOldestScreenshots() const;

    QString mScreenshotDir;
};
