#include "zelkgreypanel.h"

#include <QEvent>

QZELKGreyPanel::QZELKGreyPanel(QWidget* pParent) : QPushButton(pParent) {}

QString QZELKGreyPanel::defaultStylesheet()
{
    return QStringLiteral("border: 2px solid #252525; border-radius: 5px; background-color: #414141; outline: none;");
}

bool QZELKGreyPanel::event(QEvent* pEvent)
{
    if (pEvent->type() == QEvent::StyleChange || pEvent->type() == QEvent::Polish)
        mPolishedActive = mActive;
    mLook.notice(*pEvent);
    return QPushButton::event(pEvent);
}

void QZELKGreyPanel::paintEvent(QPaintEvent* pEvent)
{
    QStyleOptionButton option;
    initStyleOption(&option);
    if (!mLook.paint(*this, option, mPolishedActive ? 1 : 0))
        QPushButton::paintEvent(pEvent);
}
