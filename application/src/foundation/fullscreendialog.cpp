#include "fullscreendialog.h"

#include <QPainter>
#include <QStyleOption>

TFullScreenDialog::TFullScreenDialog(QWidget* pParent) : QDialog(pParent)
{
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    // A translucent window gets no background from Qt at all, so the backdrop
    // of the style sheet is painted here.
    setAttribute(Qt::WA_TranslucentBackground);
}

void TFullScreenDialog::paintEvent(QPaintEvent*)
{
    QStyleOption option;
    option.initFrom(this);
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
}
