#include "brightnesswidget.h"

#include "brightnesscontroller.h"
#include "zelkpushbutton.h"

#include <QLabel>
#include <QMouseEvent>
#include <QVBoxLayout>

namespace
{
constexpr int BUTTON_MINIMUM_HEIGHT = 34;

QString barStyleSheet(const char* pStop0, const char* pStop005, const char* pStop025, const char* pStop1)
{
    return QStringLiteral("background-color: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 %1, stop:0.05 %2, "
                          "stop:0.25 %3, stop:1 %4);"
                          "border: 2px solid #252525;"
                          "border-radius: 6px;"
                          "color: white;")
        .arg(QLatin1String(pStop0), QLatin1String(pStop005), QLatin1String(pStop025), QLatin1String(pStop1));
}
} // namespace

TBrightnessWidget::TBrightnessWidget(TBrightnessController* pBrightnessController,
                                     const zelk::vector<int>& pBrightnessValues, int pButtonSpacing,
                                     QLabel* pBrightnessValueLabel, QWidget* pParent)
    : QWidget(pParent)
    , mLayout(new QVBoxLayout(this))
    , mBrightnessController(pBrightnessController)
    , mBrightnessValueLabel(pBrightnessValueLabel)
    , mStylesheet_active(barStyleSheet("#FF6600", "#FFCC00", "#FF6600", "#FF9900"))
    , mStylesheet_inactive(barStyleSheet("#242424", "#A0A0A0", "#191919", "#414141"))
{
    mLayout->setContentsMargins(9, 0, 9, 0);
    mLayout->setSpacing(pButtonSpacing);
    for (const int value : pBrightnessValues) {
        auto* button = new QZELKPushButton(this);
        button->setMinimumHeight(BUTTON_MINIMUM_HEIGHT);
        connect(button, &QPushButton::clicked, this, &TBrightnessWidget::brightness_button_click);
        // A finger pressed on a bar keeps its moves there; they still set the level.
        button->installEventFilter(this);
        mLayout->addWidget(button);
        mButtonsByValue[value] = button;
        mValuesByButton[button] = value;
    }
    updateBrightnessVisualisation(mBrightnessController->brightness());
}

void TBrightnessWidget::setBrightness(int pBrightness)
{
    mBrightnessController->setBrightness(pBrightness);
    updateBrightnessVisualisation(pBrightness);
}

void TBrightnessWidget::updateBrightnessVisualisation(int pBrightness)
{
    int lit = 0;
    for (const auto& button : mValuesByButton) {
        const bool active = button.second <= pBrightness;
        button.first->setStyleSheet(active ? mStylesheet_active : mStylesheet_inactive);
        if (active)
            ++lit;
    }
    if (!mBrightnessValueLabel)
        return;
    // A platform without a backlight file has no bars at all.
    const int total = static_cast<int>(mValuesByButton.size());
    const int percent = total == 0 ? 0 : lit * 100 / total;
    mBrightnessValueLabel->setText(QString::number(percent) + QLatin1Char('%'));
}

void TBrightnessWidget::factoryReset()
{
    setBrightness(mBrightnessController->defaultBrightness());
}

void TBrightnessWidget::brightness_button_click()
{
    const auto value = mValuesByButton.find(qobject_cast<QWidget*>(sender()));
    if (value != mValuesByButton.end())
        setBrightness(value->second);
}

void TBrightnessWidget::followFinger(const QPoint& pPosition)
{
    const auto value = mValuesByButton.find(childAt(pPosition));
    if (value != mValuesByButton.end() && value->second != mBrightnessController->brightness())
        setBrightness(value->second);
}

bool TBrightnessWidget::event(QEvent* pEvent)
{
    if (pEvent->type() == QEvent::MouseMove)
        followFinger(static_cast<QMouseEvent*>(pEvent)->pos());
    return QWidget::event(pEvent);
}

bool TBrightnessWidget::eventFilter(QObject* pWatched, QEvent* pEvent)
{
    if (pEvent->type() == QEvent::MouseMove) {
        auto* button = static_cast<QWidget*>(pWatched);
        followFinger(button->mapToParent(static_cast<QMouseEvent*>(pEvent)->pos()));
    }
    return QWidget::eventFilter(pWatched, pEvent);
}
