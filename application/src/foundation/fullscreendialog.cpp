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
    if (mBelow)
        mBelow->removeEventFilter(this);
}

void TFullScreenDialog::showEvent(QShowEvent* pEvent)
{
    TWindowPlacement::placeOverWindowBelow(this);
    if (!testAttribute(Qt::WA_TranslucentBackground)) {
        if (mBelow)
            mBelow->removeEventFilter(this);
        mBelow = TWindowPlacement::windowBelow(this);
        if (mBelow)
            mBelow->installEventFilter(this);
        takePictureBehind();
    }
    QDialog::showEvent(pEvent);
}

void TFullScreenDialog::hideEvent(QHideEvent* pEvent)
{
    if (mBelow)
        mBelow->removeEventFilter(this);
    mBelow = nullptr;
    mBehind = QPixmap();
    QDialog::hideEvent(pEvent);
}

void TFullScreenDialog::takePictureBehind()
{
    mPictureDue = false;
    mBehind = mBelow ? mBelow->grab() : QPixmap();
    mBehindTopLeft = mBelow ? mBelow->mapToGlobal(QPoint(0, 0)) : QPoint();
}

bool TFullScreenDialog::eventFilter(QObject* pWatched, QEvent* pEvent)
{
    // The window below asks to be repainted: the next paint of the dialog
    // takes the picture anew, once for any number of requests.
    if (pWatched == mBelow && pEvent->type() == QEvent::UpdateRequest && !mPictureDue) {
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
        TDesktopBackground::paint(painter, rect());
        if (!mBehind.isNull())
            painter.drawPixmap(mapFromGlobal(mBehindTopLeft), mBehind);
    }
    QStyleOption option;
    option.initFrom(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
}
