#include "touchscrollarea.h"

#include "customevents.h"
#include "zelkabstractbutton.h"
#include "zelkappbutton.h"

#include <QApplication>
#include <QMouseEvent>
#include <QScrollBar>

TTouchScrollArea::TTouchScrollArea(QWidget* pParent) : QScrollArea(pParent)
{
    installEventFilterRecursive(this);
    // Disabled rather than hidden, so that they show the position but cannot
    // be dragged.
    verticalScrollBar()->setEnabled(false);
    horizontalScrollBar()->setEnabled(false);
}

TTouchScrollArea::~TTouchScrollArea()
{
    // The widgets below go after this object's members; they must not call
    // back into it on their way.
    for (QObject* object : mMonitoredObjects) {
        object->removeEventFilter(this);
        disconnect(object, nullptr, this, nullptr);
    }
}

void TTouchScrollArea::registerEventFilter(QObject* pObject)
{
    if (objectMonitored(pObject))
        return;
    pObject->installEventFilter(this);
    mMonitoredObjects << pObject;
    connect(pObject, &QObject::destroyed, this, [this](QObject* pGone) { mMonitoredObjects.erase_item(pGone); });
}

void TTouchScrollArea::unregisterEventFilter(QObject* pObject)
{
    pObject->removeEventFilter(this);
    disconnect(pObject, &QObject::destroyed, this, nullptr);
    mMonitoredObjects.erase_item(pObject);
}

bool TTouchScrollArea::objectMonitored(QObject* pObject) const
{
    return mMonitoredObjects.contains(pObject);
}

void TTouchScrollArea::installEventFilterRecursive(QObject* pObject)
{
    if (pObject->isWidgetType())
        registerEventFilter(pObject);
    for (QObject* child : pObject->children())
        installEventFilterRecursive(child);
}

void TTouchScrollArea::uninstallEventFilterRecursive(QObject* pObject)
{
    for (QObject* child : pObject->children())
        uninstallEventFilterRecursive(child);
    if (pObject->isWidgetType())
        unregisterEventFilter(pObject);
}

QZELKAbstractButton* TTouchScrollArea::getQZELKAbstractButtonAncestor(QWidget* pWidget)
{
    for (QWidget* widget = pWidget; widget; widget = widget->parentWidget()) {
        if (auto* button = qobject_cast<QZELKAbstractButton*>(widget))
            return button;
    }
    return nullptr;
}

void TTouchScrollArea::notifyButtonAncestor(QObject* pObject, QEvent* pEvent)
{
    if (!pObject->isWidgetType())
        return;
    if (QZELKAbstractButton* button = getQZELKAbstractButtonAncestor(static_cast<QWidget*>(pObject)))
        QApplication::instance()->notify(button, pEvent);
}

bool TTouchScrollArea::eventFilter(QObject* pWatched, QEvent* pEvent)
{
    if (!objectMonitored(pWatched) || mProcessingBufferedMouseEvents)
        return false;

    switch (pEvent->type()) {
    case QEvent::ChildAdded:
        installEventFilterRecursive(static_cast<QChildEvent*>(pEvent)->child());
        return false;
    case QEvent::ChildRemoved:
        uninstallEventFilterRecursive(static_cast<QChildEvent*>(pEvent)->child());
        return false;
    case QEvent::MouseButtonPress:
        return handlePress(pWatched, static_cast<QMouseEvent*>(pEvent));
    case QEvent::MouseMove:
        return handleMove(static_cast<QMouseEvent*>(pEvent));
    case QEvent::MouseButtonRelease:
        return handleRelease(pWatched, static_cast<QMouseEvent*>(pEvent));
    default:
        return false;
    }
}

bool TTouchScrollArea::handlePress(QObject* pWatched, QMouseEvent* pEvent)
{
    if (pEvent->button() != Qt::LeftButton)
        return false;

    QAnnounceMousePressedEvent announce;
    notifyButtonAncestor(pWatched, &announce);
    if (auto* appButton = qobject_cast<QZELKAppButton*>(pWatched))
        appButton->emitBeforeButtonPressed();

    // Filters run last installed first, and a page may have put its own on
    // the widget later (a row registry that acts on the release). Installed
    // again, this filter decides first whether the release is a tap.
    pWatched->installEventFilter(this);

    mScrollStatus = scrlsButtonPressed;
    mButtonPressPosition = mLastKnownPosition = pEvent->globalY();
    mBufferedMousePressedTarget = pWatched;
    mBufferedMousePressedEvent = std::make_unique<QMouseEvent>(*pEvent);
    pEvent->accept();
    return true;
}

bool TTouchScrollArea::handleMove(QMouseEvent* pEvent)
{
    const int position = pEvent->globalY();
    switch (mScrollStatus) {
    case scrlsButtonPressed: {
        const int distance = position - mButtonPressPosition;
        mLastKnownPosition = position;
        if (qAbs(distance) <= SCROLL_DETECTION_THRESHOLD || !mScrollingEnabled)
            return true;
        mScrollStatus = scrlsScrolling;
        scrollBy(distance);
        return true;
    }
    case scrlsScrolling: {
        const int distance = position - mLastKnownPosition;
        mLastKnownPosition = position;
        scrollBy(distance);
        return true;
    }
    default:
        return false;
    }
}

bool TTouchScrollArea::handleRelease(QObject* pWatched, QMouseEvent* pEvent)
{
    if (pEvent->button() != Qt::LeftButton)
        return false;

    switch (mScrollStatus) {
    case scrlsButtonPressed: {
        // A tap: the target sees press and release back to back and clicks.
        mProcessingBufferedMouseEvents = true;
        mScrollStatus = scrlsNone;
        std::unique_ptr<QMouseEvent> press = std::move(mBufferedMousePressedEvent);
        QPointer<QObject> target = mBufferedMousePressedTarget;
        mBufferedMousePressedTarget = nullptr;
        // What the press sets off may close the page that holds this area.
        QPointer<TTouchScrollArea> self(this);
        if (target)
            QApplication::instance()->notify(target, press.get());
        if (self)
            mProcessingBufferedMouseEvents = false;
        return false;
    }
    case scrlsScrolling: {
        mScrollStatus = scrlsNone;
        mBufferedMousePressedEvent.reset();
        mBufferedMousePressedTarget = nullptr;
        pEvent->accept();
        QDiscardMousePressedEvent discard;
        notifyButtonAncestor(pWatched, &discard);
        return true;
    }
    default:
        return false;
    }
}

void TTouchScrollArea::scrollBy(int pDistance)
{
    // The content follows the finger.
    QScrollBar* bar = verticalScrollBar();
    bar->setValue(bar->value() - pDistance);
}
