#include "zelkcontainercheckbutton.h"

#include <QLabel>

QZELKContainerCheckButton::QZELKContainerCheckButton(QWidget* pParent) : QZELKAbstractButton(pParent) {}

void QZELKContainerCheckButton::setChecked(bool pChecked)
{
    setCheckedAdvanced(pChecked, true);
}

void QZELKContainerCheckButton::setCheckedAdvanced(bool pChecked, bool pFireCheckedEvent)
{
    if (pChecked == mChecked)
        return;
    if (pChecked)
        updateStatusLabel();
    mChecked = pChecked;
    setHighlighted(mChecked);
    reapplyStyleSheet();
    if (pFireCheckedEvent)
        emit checkedChanged(mChecked);
}

QWidget* QZELKContainerCheckButton::rootWidget() const
{
    QWidget* root = const_cast<QZELKContainerCheckButton*>(this);
    while (root->parentWidget())
        root = root->parentWidget();
    return root;
}

QLabel* QZELKContainerCheckButton::statusLabel() const
{
    if (mStatusLabelName.isEmpty())
        return nullptr;
    return rootWidget()->findChild<QLabel*>(mStatusLabelName);
}

QLabel* QZELKContainerCheckButton::statusSourceLabel() const
{
    if (!mStatusSourceLabelName.isEmpty())
        return rootWidget()->findChild<QLabel*>(mStatusSourceLabelName);
    const QList<QLabel*> labels = findChildren<QLabel*>();
    return labels.size() == 1 ? labels.first() : nullptr;
}

void QZELKContainerCheckButton::updateStatusLabel()
{
    QLabel* status = statusLabel();
    if (!status)
        return;
    QLabel* source = statusSourceLabel();
    status->setText(source ? source->toolTip() : QString());
}

void QZELKContainerCheckButton::setStatusText(const QString& pText)
{
    if (QLabel* status = statusLabel())
        status->setToolTip(pText);
}

void QZELKContainerCheckButton::mouseReleaseEvent(QMouseEvent*)
{
    setCheckedAdvanced(!mChecked, true);
}
