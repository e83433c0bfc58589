#include "tamarindscreenshotconfirmation.h"

#include <QTimer>

namespace
{
QString veil(int pOpacity)
{
    return QStringLiteral("background-color: rgba(255, 255,255, %1%);").arg(pOpacity);
}
} // namespace

TTamarindScreenshotConfirmation::TTamarindScreenshotConfirmation(QWidget* pParent)
    : TFullScreenDialog(pParent), mTimer(std::make_unique<QTimer>(this))
{
    setObjectName(QStringLiteral("TTamarindScreenshotConfirmation"));
    setWindowTitle(QStringLiteral("Dialog"));
    resize(800, 480);
    setStyleSheet(veil(0));
    mTimer->setSingleShot(true);
    mTimer->setInterval(STEP_INTERVAL);
    connect(mTimer.get(), &QTimer::timeout, this, &TTamarindScreenshotConfirmation::timer_fired);
}

TTamarindScreenshotConfirmation::~TTamarindScreenshotConfirmation() = default;

void TTamarindScreenshotConfirmation::showEvent(QShowEvent* pEvent)
{
    TFullScreenDialog::showEvent(pEvent);
    mOpacity = 100;
    mTimer->start();
}

void TTamarindScreenshotConfirmation::timer_fired()
{
    mOpacity -= OPACITY_STEP;
    if (mOpacity <= 0) {
        accept();
        return;
    }
    setStyleSheet(veil(mOpacity));
    mTimer->start();
}
