#include "fullscreendialog.h"

#include "desktopbackground.h"
#include "windowplacement.h"

#include <QApplication>
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
        for (QWidget* below : TWindowPlacement::windowsBelow(this)) {
            below->installEventFilter(this);
            mBelow.append(below);
        }
        takePictureBehind();
    }
    QDialog::showEvent(pEvent);
}

void TFullScreenDialog::hideEvent(QHideEvent* pEvent)
{
    stopWatchingBelow();
    mBehind = QPixmap();
    QDialog::hideEvent(pEvent);
}

void TFullScreenDialog::stopWatchingBelow()
{
    for (QWidget* below : qAsConst(mBelow)) {
        if (below)
            below->removeEventFilter(this);
    }
    mBelow.clear();
}

void TFullScreenDialog::takePictureBehind()
{
    mPictureDue = false;
    mBehind = QPixmap(size());
    QPainter painter(&mBehind);
    TDesktopBackground::paint(painter, mBehind.rect());
    // Bottom first, each where it stands on the screen.
    for (QWidget* below : qAsConst(mBelow)) {
        if (below && below->isVisible())
            painter.drawPixmap(mapFromGlobal(below->mapToGlobal(QPoint(0, 0))), below->grab());
    }
}

bool TFullScreenDialog::eventFilter(QObject* pWatched, QEvent* pEvent)
{
    // A window below asks to be repainted: the next paint of the dialog
    // takes the picture anew, once for any number of requests.
    if (pEvent->type() == QEvent::UpdateRequest && !mPictureDue && mBelow.contains(qobject_cast<QWidget*>(pWatched))) {
        mPictureDue = true;
        update();
    }
    return QDialog::eventFilter(pWatched, pEvent);
}

void TFullScreenDialog::paintEvent(QPaintEvent*)
{
    if (mPictureDue)
        takePictureBehind();
    QPainter painter(this);
    if (!testAttribute(Qt::WA_TranslucentBackground)) {
        if (mBehind.isNull())
            TDesktopBackground::paint(painter, rect());
        else
            painter.drawPixmap(0, 0, mBehind);
    }
    QStyleOption option;
    option.initFrom(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
}
