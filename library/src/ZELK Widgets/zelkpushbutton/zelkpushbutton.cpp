#include "zelkpushbutton.h"

#include "buzzercontroller.h"

#include <QEvent>

QZELKPushButton::QZELKPushButton(QWidget* pParent) : QPushButton(pParent)
{
    setStyleSheet(QStringLiteral("color: white;"
                                 "background-color: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
                                 " stop:0 #4990d0, stop:0.05 #6ab3f4, stop:0.25 #083a67, stop:1 #0a5ca9);"
                                 "border: 2px solid #032343;"
                                 "border-radius: 10;"
                                 "qproperty-iconSize: 60px 75px;"
                                 "outline: none;"));
}

bool QZELKPushButton::event(QEvent* pEvent)
{
    if (pEvent->type() == QEvent::MouseButtonPress)
        TBuzzerController::instance().soundKeystroke();
    mLook.notice(*pEvent);
    return QPushButton::event(pEvent);
}

void QZELKPushButton::paintEvent(QPaintEvent* pEvent)
{
    QStyleOptionButton option;
    initStyleOption(&option);
    if (!mLook.paint(*this, option))
        QPushButton::paintEvent(pEvent);
}
