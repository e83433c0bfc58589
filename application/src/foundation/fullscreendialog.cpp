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

void TFullScreenDialog::showEvent(QShowEvent* pEvent)
{
    TWindowPlacement::placeOverWindowBelow(this);
    if (!testAttribute(Qt::WA_TranslucentBackground)) {
        QWidget* below = TWindowPlacement::windowBelow(this);
        mBehind = below ? below->grab() : QPixmap();
        mBehindTopLeft = below ? below->mapToGlobal(QPoint(0, 0)) : QPoint();
    }
    QDialog::showEvent(pEvent);
}

void TFullScreenDialog::hideEvent(QHideEvent* pEvent)
{
    mBehind = QPixmap();
    QDialog::hideEvent(pEvent);
}

void TFullScreenDialog::paintEvent(QPaintEvent*)
{
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
