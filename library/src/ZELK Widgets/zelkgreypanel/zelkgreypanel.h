#pragma once

#include "keptbuttonlook.h"

#include <QPushButton>

// The grey bar and tile of the pages; its look comes from the page style
// sheets, which may select on its active flag.
class QZELKGreyPanel : public QPushButton
{
    Q_OBJECT
    Q_PROPERTY(bool active READ isActive WRITE setActive)

public:
    explicit QZELKGreyPanel(QWidget* pParent = nullptr);

    bool isActive() const { return mActive; }
    // Only stores the flag: whoever needs the look to follow restyles it.
    void setActive(bool pActive) { mActive = pActive; }

    static QString defaultStylesheet();

protected:
    bool event(QEvent* pEvent) override;
    void paintEvent(QPaintEvent* pEvent) override;

private:
    bool mActive = false;
    // The flag as the sheet last saw it: a look follows it only once restyled.
    bool mPolishedActive = false;
    TKeptButtonLook mLook;
};
