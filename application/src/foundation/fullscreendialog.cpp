#include "fullscreendialog.h"

#include "desktopbackground.h"
#include "windowplacement.h"

#include <QApplication>
#include <QBackingStore>
#include <QPaintEvent>
#include <QPainter>
#include <QStyleOption>
#include <QWindow>

namespace
{
// A dialog painted a part of its window without paint events of its widgets:
// the dialogs over it follow this instead. Sent to the dialog itself, which
// the application's event filters see.
class TPaintedWithoutWidgets : public QEvent
{
public:
    explicit TPaintedWithoutWidgets(const QRegion& pRegion) : QEvent(TYPE), mRegion(pRegion) {}

    static const QEvent::Type TYPE;
    const QRegion mRegion;
};
const QEvent::Type TPaintedWithoutWidgets::TYPE = QEvent::Type(QEvent::registerEventType());

// Asks a dialog to paint what changed below it; posted, so that the windows
// below have painted all they are about to.
const QEvent::Type PAINT_CHANGES_BELOW = QEvent::Type(QEvent::registerEventType());

// While a dialog renders a window for a picture (a window below without an
// image of its own, its own foreground), the paint events of that window's
// widgets change nothing on the screen.
int gRenderingOffScreen = 0;

class TRenderingOffScreen
{
public:
    TRenderingOffScreen() { ++gRenderingOffScreen; }
    ~TRenderingOffScreen() { --gRenderingOffScreen; }
    TRenderingOffScreen(const TRenderingOffScreen&) = delete;
    TRenderingOffScreen& operator=(const TRenderingOffScreen&) = delete;
};

// The image a window's backing store holds of all of it as last painted (on
// the frame buffer, VNC, X11 and offscreen screens); null when it holds none.
QImage* backingImage(const QWidget* pWindow)
{
    QBackingStore* store = pWindow->backingStore();
    QPaintDevice* device = store ? store->paintDevice() : nullptr;
    return device && device->devType() == QInternal::Image ? static_cast<QImage*>(device) : nullptr;
}
} // namespace

TFullScreenDialog::TFullScreenDialog(QWidget* pParent) : QDialog(pParent)
{
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    // A translucent window gets no background from Qt at all, so the backdrop
    // of the style sheet is painted here. An opaque one paints all its pixels
    // itself, the windows below first: Qt need not fill it before.
    if (TDesktopBackground::translucentWindowsShowWhatIsBehind())
        setAttribute(Qt::WA_TranslucentBackground);
    else
        setAttribute(Qt::WA_OpaquePaintEvent);
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
    mChangedBelow = QRegion();
    mForeground = QImage();
    mForegroundOutdated = QRegion();
}

void TFullScreenDialog::findWindowsBelow()
{
    mBelow.clear();
    // A backdrop dims the screen the user works on so that it still shows
    // where they are: the main window, the run view, and the pad, keyboard or
    // dialog that they were busy with. A message below is no such place, and
    // its text would run through this dialog's: a dialog with a backdrop
    // covers it as the first covers the main window, showing what that one
    // stands over. A dialog above the covered one shows it in its own
    // picture, and is covered with it. A pad, without a backdrop, shows all
    // it stands over.
    const bool coversMessagesBelow = laysBackdrop();
    bool covered = false;
    const QList<QWidget*> windows = TWindowPlacement::windowsBelow(this);
    for (int index = 0; index < windows.size(); ++index) {
        QWidget* window = windows.at(index);
        const auto* dialog = index > 0 ? qobject_cast<const TFullScreenDialog*>(window) : nullptr;
        if (coversMessagesBelow && dialog) {
            covered = covered || dialog->isMessage();
            if (covered)
                continue;
        }
        mBelow.append({window, QRect()});
    }
    placeWindowsBelow();
}

bool TFullScreenDialog::isMessage() const
{
    return laysBackdrop();
}

bool TFullScreenDialog::laysBackdrop() const
{
    // What the style sheet paints under the dialog's widgets, seen at a pixel.
    QImage pixel(1, 1, QImage::Format_ARGB32_Premultiplied);
    pixel.fill(Qt::transparent);
    QPainter painter(&pixel);
    QStyleOption option;
    option.initFrom(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
    painter.end();
    return qAlpha(pixel.pixel(0, 0)) != 0;
}

void TFullScreenDialog::placeWindowsBelow()
{
    for (TWindowBelow& below : mBelow) {
        if (below.mWindow)
            below.mPlace = QRect(mapFromGlobal(below.mWindow->mapToGlobal(QPoint(0, 0))), below.mWindow->size());
    }
}

const TFullScreenDialog::TWindowBelow* TFullScreenDialog::findBelow(const QWidget* pWindow) const
{
    for (const TWindowBelow& below : mBelow) {
        if (below.mWindow == pWindow)
            return &below;
    }
    return nullptr;
}

QRegion TFullScreenDialog::shownOfBelow(const QWidget* pWindow, const QRegion& pRegion) const
{
    QRegion shown = pRegion;
    bool above = false;
    for (const TWindowBelow& below : mBelow) {
        if (above && below.mWindow && below.mWindow->isVisible())
            shown -= below.mPlace;
        above = above || below.mWindow == pWindow;
    }
    return shown;
}

bool TFullScreenDialog::eventFilter(QObject* pWatched, QEvent* pEvent)
{
    const QEvent::Type type = pEvent->type();
    if (type == QEvent::Paint) {
        // A widget below paints its changed part into its window's backing
        // store: the dialog paints that part again once the window is done,
        // and nothing else. A widget of the dialog's own changes its look.
        if (gRenderingOffScreen == 0 && pWatched->isWidgetType()) {
            auto* widget = static_cast<QWidget*>(pWatched);
            QWidget* window = widget->window();
            const QRegion& region = static_cast<QPaintEvent*>(pEvent)->region();
            if (window == this)
                mForegroundOutdated += region.translated(widget->mapTo(this, QPoint(0, 0)));
            else if (findBelow(window))
                followChangeBelow(window, region.translated(widget->mapTo(window, QPoint(0, 0))));
        }
    } else if (type == TPaintedWithoutWidgets::TYPE) {
        // A dialog below that painted its changes below: it is done, and what
        // it painted is followed at once, before the screen puts the windows
        // together.
        if (pWatched->isWidgetType() && findBelow(static_cast<QWidget*>(pWatched))) {
            followChangeBelow(static_cast<QWidget*>(pWatched), static_cast<TPaintedWithoutWidgets*>(pEvent)->mRegion);
            paintDueChangesBelow();
        }
    } else if (type == QEvent::UpdateRequest && !pWatched->isWidgetType()) {
        // The screen that puts the windows together itself (the frame
        // buffer's, VNC's) is about to do so for what the windows below
        // painted: the dialog paints its part first, so that the screen puts
        // them together once, not once for each window over the change.
        paintDueChangesBelow();
    } else if (type == QEvent::Show || type == QEvent::Hide) {
        // A window below that closes uncovers what it stood over; one shown
        // again stands over the dialog: followed further, the two would
        // repaint each other without end.
        if (pWatched->isWidgetType() && findBelow(static_cast<QWidget*>(pWatched))) {
            findWindowsBelow();
            update();
        }
    } else if (type == QEvent::Move || type == QEvent::Resize) {
        if (pWatched == this || (pWatched->isWidgetType() && findBelow(static_cast<QWidget*>(pWatched)))) {
            placeWindowsBelow();
            update();
        } else if (pWatched->isWidgetType() && static_cast<QWidget*>(pWatched)->window() == this) {
            // A widget of the dialog's own that moves (a list scrolled) may be
            // moved in the window's backing store without paint events.
            mForegroundOutdated = rect();
        }
    }
    return QDialog::eventFilter(pWatched, pEvent);
}

void TFullScreenDialog::followChangeBelow(const QWidget* pWindow, const QRegion& pRegion)
{
    const TWindowBelow* below = findBelow(pWindow);
    const QRegion shown = shownOfBelow(pWindow, pRegion.translated(below->mPlace.topLeft())) & rect();
    if (shown.isEmpty())
        return;
    mChangedBelow += shown;
    if (!mChangesBelowDue) {
        mChangesBelowDue = true;
        QCoreApplication::postEvent(this, new QEvent(PAINT_CHANGES_BELOW), Qt::LowEventPriority);
    }
}

bool TFullScreenDialog::event(QEvent* pEvent)
{
    if (pEvent->type() == PAINT_CHANGES_BELOW) {
        paintDueChangesBelow();
        return true;
    }
    return QDialog::event(pEvent);
}

void TFullScreenDialog::paintDueChangesBelow()
{
    // A request still posted finds nothing left to paint.
    mChangesBelowDue = false;
    paintChangesBelow();
}

void TFullScreenDialog::paintChangesBelow()
{
    const QRegion region = std::exchange(mChangedBelow, QRegion());
    if (region.isEmpty() || !isVisible() || !windowHandle() || !windowHandle()->isExposed())
        return;
    QBackingStore* store = backingStore();
    QImage* window = backingImage(this);
    if (!window || window->devicePixelRatio() != 1.0 || window->size() != size()) {
        // Painted as any change, by the dialog's widgets.
        update(region);
        return;
    }
    renderForeground(region);
    store->beginPaint(region);
    {
        QPainter painter(store->paintDevice());
        painter.setClipRegion(region);
        paintWindowsBelow(painter, region);
        for (const QRect& rect : region)
            painter.drawImage(rect, mForeground, rect);
    }
    store->endPaint();
    store->flush(region, windowHandle());
    TPaintedWithoutWidgets painted(region);
    QCoreApplication::sendEvent(this, &painted);
}

void TFullScreenDialog::renderForeground(const QRegion& pRegion)
{
    if (mForeground.size() != size()) {
        mForeground = QImage(size(), QImage::Format_ARGB32_Premultiplied);
        mForegroundOutdated = rect();
    }
    const QRegion outdated = mForegroundOutdated & pRegion;
    if (outdated.isEmpty())
        return;
    TRenderingOffScreen offScreen;
    mRenderingForeground = true;
    render(&mForeground, outdated.boundingRect().topLeft(), outdated, DrawChildren);
    mRenderingForeground = false;
    mForegroundOutdated -= outdated;
}

void TFullScreenDialog::paintWindowsBelow(QPainter& pPainter, const QRegion& pRegion)
{
    QRegion uncovered = pRegion;
    // Bottom first, each where it stands on the screen.
    for (const TWindowBelow& below : qAsConst(mBelow)) {
        if (!below.mWindow || !below.mWindow->isVisible())
            continue;
        const QRect& place = below.mPlace;
        uncovered -= place;
        const QRect shown = shownOfBelow(below.mWindow, pRegion).boundingRect() & place;
        if (shown.isEmpty())
            continue;
        const QRect source = shown.translated(-place.topLeft());
        // The window's backing store holds all of it as last painted: copied,
        // not painted again.
        if (const QImage* painted = backingImage(below.mWindow)) {
            const qreal ratio = painted->devicePixelRatio();
            // Its pixels as they are, as the screen shows them.
            pPainter.setCompositionMode(QPainter::CompositionMode_Source);
            pPainter.drawImage(QRectF(shown), *painted,
                               QRectF(QPointF(source.topLeft()) * ratio, QSizeF(source.size()) * ratio));
            pPainter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        } else {
            TRenderingOffScreen offScreen;
            pPainter.drawPixmap(shown, below.mWindow->grab(source));
        }
    }
    for (const QRect& rect : uncovered)
        TDesktopBackground::paint(pPainter, rect);
}

void TFullScreenDialog::paintEvent(QPaintEvent* pEvent)
{
    QPainter painter(this);
    if (mRenderingForeground) {
        // The foreground's outdated part holds what the widgets last drew.
        painter.setCompositionMode(QPainter::CompositionMode_Clear);
        for (const QRect& rect : pEvent->region())
            painter.fillRect(rect, Qt::transparent);
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    } else if (!testAttribute(Qt::WA_TranslucentBackground)) {
        paintWindowsBelow(painter, pEvent->region());
    }
    QStyleOption option;
    option.initFrom(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
}
