#pragma once

#include "zelkvector.h"

#include <QPointer>
#include <QScrollArea>

#include <memory>

class QMouseEvent;
class QZELKAbstractButton;

// A scroll area that scrolls by dragging a finger anywhere over its content.
// It tells a tap on a button from the start of a drag: every press is held
// back while the touched button shows itself pressed; on release the press is
// replayed (a tap, which clicks) or, after a drag, dropped and the button
// shown released again. It watches itself and every widget below it, also
// those added later.
class TTouchScrollArea : public QScrollArea
{
    Q_OBJECT

public:
    enum EnScrollStatus : quint8 { scrlsNone = 0, scrlsButtonPressed = 1, scrlsScrolling = 2 };

    // A finger may wander this far (pixels, vertically) and still tap.
    static constexpr int SCROLL_DETECTION_THRESHOLD = 9;

    explicit TTouchScrollArea(QWidget* pParent = nullptr);
    ~TTouchScrollArea() override;

    // Without scrolling, presses are still held back and taps replayed, but
    // a drag never moves the content.
    void setScrollingEnabled(bool pEnabled) { mScrollingEnabled = pEnabled; }
    bool scrollingEnabled() const { return mScrollingEnabled; }

    void registerEventFilter(QObject* pObject);
    void unregisterEventFilter(QObject* pObject);
    bool objectMonitored(QObject* pObject) const;
    void installEventFilterRecursive(QObject* pObject);
    void uninstallEventFilterRecursive(QObject* pObject);

    // The widget itself or its nearest painted-button ancestor; null if none.
    static QZELKAbstractButton* getQZELKAbstractButtonAncestor(QWidget* pWidget);

    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;

private:
    bool handlePress(QObject* pWatched, QMouseEvent* pEvent);
    bool handleMove(QMouseEvent* pEvent);
    bool handleRelease(QObject* pWatched, QMouseEvent* pEvent);
    void scrollBy(int pDistance);
    static void notifyButtonAncestor(QObject* pObject, QEvent* pEvent);

    int mButtonPressPosition = -1;
    int mLastKnownPosition = -1;
    bool mProcessingBufferedMouseEvents = false;
    EnScrollStatus mScrollStatus = scrlsNone;
    bool mScrollingEnabled = true;
    // The held-back press and its target, which may go away meanwhile.
    QPointer<QObject> mBufferedMousePressedTarget;
    std::unique_ptr<QMouseEvent> mBufferedMousePressedEvent;
    zelk::vector<QObject*> mMonitoredObjects;
};
