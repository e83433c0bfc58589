#include "zelkcontainerradiobutton.h"

namespace
{
void collectAtDepth(QWidget* pWidget, unsigned int pDepth, zelk::vector<QZELKContainerRadioButton*>& oMembers)
{
    for (QObject* child : pWidget->children()) {
        if (!child->isWidgetType())
            continue;
        auto* widget = static_cast<QWidget*>(child);
        if (pDepth == 1) {
            if (auto* radio = qobject_cast<QZELKContainerRadioButton*>(widget))
                oMembers << radio;
        } else {
            collectAtDepth(widget, pDepth - 1, oMembers);
        }
    }
}
} // namespace

QZELKContainerRadioButton::QZELKContainerRadioButton(QWidget* pParent) : QZELKContainerCheckButton(pParent) {}

void QZELKContainerRadioButton::setCheckedAdvanced(bool pChecked, bool pFireCheckedEvent)
{
    if (!pChecked)
        return;
    uncheckRadioGroupExcept(this, pFireCheckedEvent);
    QZELKContainerCheckButton::setCheckedAdvanced(true, pFireCheckedEvent);
}

void QZELKContainerRadioButton::forceUnchecked()
{
    QZELKContainerCheckButton::setCheckedAdvanced(false, false);
}

void QZELKContainerRadioButton::uncheckGroup(bool pFireCheckedEvent)
{
    uncheckRadioGroupExcept(nullptr, pFireCheckedEvent);
}

void QZELKContainerRadioButton::uncheckGroup()
{
    uncheckGroup(true);
}

QZELKContainerRadioButton* QZELKContainerRadioButton::checkedButtonInGroup() const
{
    for (QZELKContainerRadioButton* member : groupMembers()) {
        if (member->isChecked())
            return member;
    }
    return nullptr;
}

zelk::vector<QZELKContainerRadioButton*> QZELKContainerRadioButton::groupMembers() const
{
    zelk::vector<QZELKContainerRadioButton*> members;
    if (mRadioGroupParentDistance == 0)
        return members;
    QWidget* groupParent = const_cast<QZELKContainerRadioButton*>(this);
    for (unsigned int level = 0; level < mRadioGroupParentDistance; ++level) {
        groupParent = groupParent->parentWidget();
        if (!groupParent)
            return members;
    }
    collectAtDepth(groupParent, mRadioGroupParentDistance, members);
    return members;
}

void QZELKContainerRadioButton::uncheckRadioGroupExcept(QZELKContainerRadioButton* pException, bool pFireCheckedEvent)
{
    for (QZELKContainerRadioButton* member : groupMembers()) {
        if (member != pException)
            member->QZELKContainerCheckButton::setCheckedAdvanced(false, pFireCheckedEvent);
    }
}
