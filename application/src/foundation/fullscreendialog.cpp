#include "fullscreendialog.h"

#include "desktopbackground.h"
#include "windowplacement.h"

#include <QApplication>
#include <QBackingStore>
#include <QImage>
#include <QPaintEvent>
#include <QPainter>
#include <QStyleOption>

TFullScreenDialog::TFullScreenDialog(QWidget* pParent) : QDialog(pParent)
{
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    // A translucent window gets no background from Qt at all, so the backdrop
    // of the style sheet is painted here.
    if (TDesktopBackground::translucentWindowsShowWhatIsBehind())
        setAttribute(Qt::WA_TranslucentBackground);
}

TFullScreenDialog::~TFullScreenDialog()
{
    stopWatchingBelow();
}

void TFullScreenDialog::setVisible(bool pVisible)
{
    if (pVisible && !isVisible())
        TWindowPlacement::placeOverMainWindow(this);
    QDialog::setVisible(pVisible);
}

void TFullScreenDialog::showEvent(QShowEvent* pEvent)
{
    if (!testAttribute(Qt::WA_TranslucentBackground)) {
        stopWatchingBelow();
        findWindowsBelow();
        // What a window below paints reaches the dialog as the paint events
        // of its widgets, which only the application sees all of.
        qApp->installEventFilter(this);
        mWatching = true;
    }
    QDialog::showEvent(pEvent);
}

void TFullScreenDialog::hideEvent(QHideEvent* pEvent)
{
    stopWatchingBelow();
    QDialog::hideEvent(pEvent);
}

void TFullScreenDialog::stopWatchingBelow()
{
    if (mWatching)
        qApp->removeEventFilter(this);
    mWatching = false;
    mBelow.clear();
}

void TFullScreenDialog::findWindowsBelow()
{
    mBelow.clear();
    for (QWidget* below : TWindowPlacement::windowsBelow(this))
        mBelow.append(below);
}

bool TFullScreenDialog::isBelow(const QWidget* pWindow) const
{
    for (const QPointer<QWidget>& below : mBelow) {
        if (below == pWindow)
            return true;
    }
    return false;
}

QRegion TFullScreenDialog::shownOfBelow(const QWidget* pWindow, const QRegion& pRegion) const
{
    QRegion shown = pRegion;
    bool above = false;
    for (const QPointer<QWidget>& below : mBelow) {
        if (above && below && below->isVisible())
            shown -= placeOf(below);
        above = above || below == pWindow;
    }
    return shown;
}

QRect TFullScreenDialog::placeOf(const QWidget* pWindow) const
{
    return QRect(mapFromGlobal(pWindow->mapToGlobal(QPoint(0, 0))), pWindow->size());
}

bool TFullScreenDialog::eventFilter(QObject* pWatched, QEvent* pEvent)
{
    switch (pEvent->type()) {
    case QEvent::Paint:
        // A widget below paints its changed part into its window's backing
        // store: the dialog paints that part again once the window is done,
        // its own widgets there included, and nothing else. The widgets
        // rendered for the dialog's own picture are not a change.
        if (!mTakingPicture && pWatched->isWidgetType()) {
            auto* widget = static_cast<QWidget*>(pWatched);
            QWidget* window = widget->window();
            if (isBelow(window)) {
                const QPoint offset = placeOf(window).topLeft() + widget->mapTo(window, QPoint(0, 0));
                const QRegion shown =
                    shownOfBelow(window, static_cast<QPaintEvent*>(pEvent)->region().translated(offset));
                if (!shown.isEmpty())
                    update(shown);
            }
        }
        break;
    case QEvent::Show:
    case QEvent::Hide:
        // A window below that closes uncovers what it stood over; one shown
        // again stands over the dialog: followed further, the two would
        // repaint each other without end.
        if (pWatched->isWidgetType() && isBelow(static_cast<QWidget*>(pWatched))) {
            findWindowsBelow();
            update();
        }
        break;
    case QEvent::Move:
    case QEvent::Resize:
        if (pWatched->isWidgetType() && isBelow(static_cast<QWidget*>(pWatched)))
            update();
        break;
    default:
        break;
    }
    return QDialog::eventFilter(pWatched, pEvent);
}

void TFullScreenDialog::paintWindowsBelow(QPainter& pPainter, const QRegion& pRegion)
{
    QRegion uncovered = pRegion;
    // Bottom first, each where it stands on the screen.
    for (const QPointer<QWidget>& below : qAsConst(mBelow)) {
        if (!below || !below->isVisible())
            continue;
        const QRect place = placeOf(below);
        uncovered -= place;
        const QRect shown = shownOfBelow(below, pRegion).boundingRect() & place;
        if (shown.isEmpty())
            continue;
        const QRect source = shown.translated(-place.topLeft());
        // The window's backing store holds all of it as last painted (on the
        // frame buffer and X11 screens an image): copied, not painted again.
        QBackingStore* store = below->backingStore();
        QPaintDevice* device = store ? store->paintDevice() : nullptr;
        if (device && device->devType() == QInternal::Image) {
            const auto* painted = static_cast<const QImage*>(device);
            const qreal ratio = painted->devicePixelRatio();
            pPainter.drawImage(QRectF(shown), *painted,
                               QRectF(QPointF(source.topLeft()) * ratio, QSizeF(source.size()) * ratio));
        } else {
            mTakingPicture = true;
            pPainter.drawPixmap(shown, below->grab(source));
            mTakingPicture = false;
        }
    }
    for (const QRect& rect : uncovered)
        TDesktopBackground::paint(pPainter, rect);
}

void TFullScreenDialog::paintEvent(QPaintEvent* pEvent)
{
    QPainter painter(this);
    if (!testAttribute(Qt::WA_TranslucentBackground))
        paintWindowsBelow(painter, pEvent->region());
    QStyleOption option;
    option.initFrom(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
}
