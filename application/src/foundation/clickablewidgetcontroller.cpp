#include "clickablewidgetcontroller.h"

#include "buzzercontroller.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QWidget>

TClickableWidgetController::TClickableWidgetController(QLabel* pActiveWidgetIndicatorLabel)
    : mActiveWidgetIndicatorLabel(pActiveWidgetIndicatorLabel)
{
}

void TClickableWidgetController::addWidget(short pGroupNumber, QWidget* pWidget, QLabel* pCaptionLabel,
                                           bool pToggleButton)
{
    pWidget->installEventFilter(this);
    if (mWidgetMap.find(pWidget) == mWidgetMap.end())
        connect(pWidget, &QObject::destroyed, this, &TClickableWidgetController::forgetWidget);
    mWidgetMap[pWidget] = TWidgetContext(pCaptionLabel, pGroupNumber, pToggleButton);
}

void TClickableWidgetController::addWidget(QWidget* pWidget, QLabel* pCaptionLabel)
{
    addWidget(0, pWidget, pCaptionLabel, false);
}

void TClickableWidgetController::addWidget(QWidget* pWidget, QLabel* pCaptionLabel, bool pToggleButton)
{
    addWidget(0, pWidget, pCaptionLabel, pToggleButton);
}

void TClickableWidgetController::removeWidget(QWidget* pWidget)
{
    pWidget->removeEventFilter(this);
    disconnect(pWidget, &QObject::destroyed, this, &TClickableWidgetController::forgetWidget);
    forgetWidget(pWidget);
}

void TClickableWidgetController::forgetWidget(QObject* pWidget)
{
    // Rows are often deleted with their page without being removed first.
    mWidgetMap.erase(static_cast<QWidget*>(pWidget));
    for (auto& active : mActiveWidgets) {
        if (active.second == pWidget)
            active.second = nullptr;
    }
}

void TClickableWidgetController::clear()
{
    for (const auto& entry : mWidgetMap)
        disconnect(entry.first, &QObject::destroyed, this, &TClickableWidgetController::forgetWidget);
    mWidgetMap.clear();
    mActiveWidgets.clear();
}

void TClickableWidgetController::hideAll()
{
    for (const auto& entry : mWidgetMap)
        entry.first->hide();
}

void TClickableWidgetController::activateAll()
{
    // Receivers of widgetActivated may change the map.
    std::vector<QWidget*> widgets;
    for (const auto& entry : mWidgetMap)
        widgets.push_back(entry.first);
    for (QWidget* widget : widgets)
        activateWidget(widget);
}

void TClickableWidgetController::activateWidget(QWidget* pWidget)
{
    const auto entry = mWidgetMap.find(pWidget);
    if (entry == mWidgetMap.end())
        return;
    const short group = entry->second.group();
    QWidget* previous = activeWidget(group);
    if (previous == pWidget)
        return;
    if (mActiveWidgetIndicatorLabel)
        mActiveWidgetIndicatorLabel->setText(getIndicationText(pWidget));
    emit widgetActivated(group, previous, pWidget);
    mActiveWidgets[group] = pWidget;
}

void TClickableWidgetController::deactivateWidget(QWidget* pWidget)
{
    const auto entry = mWidgetMap.find(pWidget);
    if (entry == mWidgetMap.end())
        return;
    const short group = entry->second.group();
    if (activeWidget(group) != pWidget)
        return;
    emit widgetActivated(group, pWidget, nullptr);
    mActiveWidgets[group] = nullptr;
}

void TClickableWidgetController::deactivateAll()
{
    std::vector<QWidget*> active;
    for (const auto& entry : mActiveWidgets) {
        if (entry.second)
            active.push_back(entry.second);
    }
    for (QWidget* widget : active)
        deactivateWidget(widget);
}

void TClickableWidgetController::toggleWidget(QWidget* pWidget)
{
    if (isWidgetActive(pWidget))
        deactivateWidget(pWidget);
    else
        activateWidget(pWidget);
}

bool TClickableWidgetController::isWidgetActive(QWidget* pWidget) const
{
    if (!pWidget)
        return false;
    for (const auto& entry : mActiveWidgets) {
        if (entry.second == pWidget)
            return true;
    }
    return false;
}

QWidget* TClickableWidgetController::activeWidget(short pGroup) const
{
    const auto entry = mActiveWidgets.find(pGroup);
    return entry == mActiveWidgets.end() ? nullptr : entry->second;
}

QWidget* TClickableWidgetController::activeWidget()
{
    return activeWidget(0);
}

void TClickableWidgetController::resetActiveWidget()
{
    QWidget* active = activeWidget(0);
    if (!active)
        return;
    emit widgetActivated(0, active, nullptr);
    mActiveWidgets[0] = nullptr;
}

void TClickableWidgetController::indicateActiveWidget()
{
    QWidget* active = activeWidget(0);
    if (mActiveWidgetIndicatorLabel && active)
        mActiveWidgetIndicatorLabel->setText(getIndicationText(active));
}

QLabel* TClickableWidgetController::getLabelFromWidget(QWidget* pWidget) const
{
    const auto entry = mWidgetMap.find(pWidget);
    if (entry != mWidgetMap.end() && entry->second.label())
        return entry->second.label();
    return pWidget->findChild<QLabel*>(QString(), Qt::FindDirectChildrenOnly);
}

QString TClickableWidgetController::getIndicationText(QWidget* pWidget) const
{
    const auto entry = mWidgetMap.find(pWidget);
    if (entry == mWidgetMap.end() || !entry->second.label())
        return QString();
    const QLabel* label = entry->second.label();
    return label->toolTip().isEmpty() ? label->text() : label->toolTip();
}

QPair<QWidget*, QLabel*> TClickableWidgetController::createClickableWidget(QWidget* pParent, const QString& pCaption)
{
    auto* widget = new QWidget(pParent);
    auto* layout = new QGridLayout(widget);
    auto* label = new QLabel(pCaption, widget);
    layout->addWidget(label, 0, 0);
    widget->setStyleSheet(QStringLiteral(".QWidget {"
                                         " background-color: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
                                         " stop:0 #242424, stop:0.05 #A0A0A0, stop:0.4 #191919, stop:1 #414141);"
                                         " border: 2px solid #252525;"
                                         " border-radius: 6;"
                                         " outline: none;"
                                         " color: white;"
                                         " max-height: 30px; }"));
    return qMakePair(widget, label);
}

void TClickableWidgetController::giveCaptionFullHeight(QWidget* pRow)
{
    // The sheet sets only a maximum height, which the usual margins make the row reach; without them a list's
    // layout would shrink the row to its caption's line, so the maximum becomes the minimum. A row whose sheet
    // sets no maximum has no height to hold: it keeps its margins.
    pRow->ensurePolished();
    if (pRow->maximumHeight() >= QWIDGETSIZE_MAX)
        return;
    QMargins margins = pRow->layout()->contentsMargins();
    margins.setTop(0);
    margins.setBottom(0);
    pRow->layout()->setContentsMargins(margins);
    pRow->setMinimumHeight(pRow->maximumHeight());
}

bool TClickableWidgetController::eventFilter(QObject* pWatched, QEvent* pEvent)
{
    if (pEvent->type() != QEvent::MouseButtonRelease || !pWatched->isWidgetType())
        return false;
    auto* widget = static_cast<QWidget*>(pWatched);
    const auto entry = mWidgetMap.find(widget);
    if (entry == mWidgetMap.end())
        return false;
    if (!widget->isEnabled())
        return true;
    TBuzzerController::instance().soundKeystroke();

    if (entry->second.toggleButton() && activeWidget(entry->second.group()) == widget)
        deactivateWidget(widget);
    else
        activateWidget(widget);
    emit widgetMouseBtnReleased(widget);
    return true;
}
