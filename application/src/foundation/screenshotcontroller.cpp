#include "screenshotcontroller.h"

#include "deviceroot.h"
#include "diskspacecontroller.h"
#include "tamarindscreenshotconfirmation.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QScreen>
#include <QWidget>

namespace
{
// The instrument's screen is the program's full-screen window: on the device
// it covers the display, on a development machine it may be one window among
// others. Dialogs and the flash lie above it and are not the screen itself.
QWidget* instrumentScreen()
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows) {
        const Qt::WindowType type = window->windowType();
        if (window->isVisible() && type != Qt::Dialog && type != Qt::Popup && type != Qt::ToolTip)
            return window;
    }
    return nullptr;
}
} // namespace

TScreenshotController& TScreenshotController::instance()
{
    static TScreenshotController controller;
    return controller;
}

void TScreenshotController::init(const QString& pScreenshotDir)
{
    mScreenshotDir = pScreenshotDir;
}

QString TScreenshotController::screenshotFileName(const QDateTime& pDateTime, EnDateFormat pDateFormat,
                                                  EnTimeFormat pTimeFormat)
{
    const QString date =
        pDateTime.toString(pDateFormat == dfDDMMYYYY ? QStringLiteral("ddMMyyyy") : QStringLiteral("MMddyyyy"));
    const QString time =
        pDateTime.toString(pTimeFormat == tfAMPM ? QStringLiteral("hhmmssap") : QStringLiteral("hhmmss"));
    return QStringLiteral("Screenshot_") + date + QLatin1Char('_') + time + QStringLiteral(".png");
}

void TScreenshotController::takeScreenshot()
{
    if (mScreenshotDir.isEmpty())
        return;
    const QString directory = TDeviceRoot::path(mScreenshotDir);
    QDir().mkpath(directory);

    const TTamarindClock& clock = TTamarindClock::instance();
    const QString filePath = directory + QLatin1Char('/') +
                             screenshotFileName(QDateTime::currentDateTime(), clock.dateFormat(), clock.timeFormat());
    const bool saved = saveScreen(filePath);
    deleteOldestScreenshots();

    if (!saved) {
        TDiskSpaceController::instance().checkDiskspace();
    } else {
        TTamarindScreenshotConfirmation flash(instrumentScreen());
        flash.exec();
    }
    emit screenshotTaken();
}

bool TScreenshotController::saveScreen(const QString& pFilePath) const
{
    QWidget* window = instrumentScreen();
    QScreen* screen = window ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return false;
    const QRect area = window ? window->geometry() : screen->geometry();
    // Grabbing the screen rather than the window shows the dialogs above it.
    const QPixmap picture = screen->grabWindow(0, area.x(), area.y(), area.width(), area.height());
    return picture.save(pFilePath, "PNG");
}

void TScreenshotController::deleteOldestScreenshots() const
{
    QDir directory(TDeviceRoot::path(mScreenshotDir));
    QStringList pictures = directory.entryList({QStringLiteral("*.png")}, QDir::Files, QDir::Time);
    while (pictures.size() > MAXIMUM_SCREENSHOT_COUNT)
        directory.remove(pictures.takeLast());
}
