#pragma once

#include "zelkcontainercheckbutton.h"

#include "zelkvector.h"

// A check button that is one of a group: checking it unchecks the others, and
// a checked one stays checked when tapped. The group is every radio button
// that stands radioGroupParentDistance levels below the same ancestor (1: the
// same parent widget).
class QZELKContainerRadioButton : public QZELKContainerCheckButton
{
    Q_OBJECT
    Q_PROPERTY(unsigned int radioGroupParentDistance READ radioGroupParentDistance WRITE setRadioGroupParentDistance)

public:
    explicit QZELKContainerRadioButton(QWidget* pParent = nullptr);

    void setCheckedAdvanced(bool pChecked, bool pFireCheckedEvent) override;
    // Unchecks without a signal and without the radio rule.
    void forceUnchecked();
    // Unchecks every button of the group, this one included.
    void uncheckGroup(bool pFireCheckedEvent);
    void uncheckGroup();
    // Null when none is checked or the button has no group.
    QZELKContainerRadioButton* checkedButtonInGroup() const;

    unsigned int radioGroupParentDistance() const { return mRadioGroupParentDistance; }
    void setRadioGroupParentDistance(unsigned int pDistance) { mRadioGroupParentDistance = pDistance; }

private:
    // The members in child order, depth first; empty without a group.
    zelk::vector<QZELKContainerRadioButton*> groupMembers() const;
    void uncheckRadioGroupExcept(QZELKContainerRadioButton* pException, bool pFireCheckedEvent);

    unsigned int mRadioGroupParentDistance = 1;
};
