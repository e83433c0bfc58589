#pragma once

#include "keptbuttonlook.h"

#include <QPushButton>

// The large blue icon button of the pages. A style sheet set on it afterwards
// (also the empty one) replaces its own.
class QZELKPushButton : public QPushButton
{
    Q_OBJECT

public:
    explicit QZELKPushButton(QWidget* pParent = nullptr);

protected:
    bool event(QEvent* pEvent) override;
    void paintEvent(QPaintEvent* pEvent) override;

private:
    TKeptButtonLook mLook;
};
