#include "zelkcontainerpushbutton.h"

#include "customevents.h"

QZELKContainerPushButton::QZELKContainerPushButton(QWidget* pParent) : QZELKAbstractButton(pParent) {}

void QZELKContainerPushButton::setPressVisible(bool pVisible)
{
    mPressVisible = pVisible;
    setHighlighted(pVisible);
    reapplyStyleSheet();
}

void QZELKContainerPushButton::mousePressEvent(QMouseEvent*)
{
    setPressVisible(true);
}

void QZELKContainerPushButton::mouseReleaseEvent(QMouseEvent*)
{
    setPressVisible(false);
    emit clicked();
}

void QZELKContainerPushButton::customEvent(QEvent* pEvent)
{
    if (pEvent->type() == QAnnounceMousePressedEvent::TYPE) {
        setPressVisible(true);
        pEvent->accept();
        emit announceButtonPressed();
    } else if (pEvent->type() == QDiscardMousePressedEvent::TYPE) {
        setPressVisible(false);
        pEvent->accept();
    }
}
