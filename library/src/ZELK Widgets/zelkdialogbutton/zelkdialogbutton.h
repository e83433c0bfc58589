#pragma once

#include <QPushButton>

// The key of the entry pads and the button of the dialogs: dark like the
// painted buttons, orange while pressed. A style sheet set on it afterwards
// (also the empty one) replaces its own, and the surrounding sheets take over.
class QZELKDialogButton : public QPushButton
{
    Q_OBJECT

public:
    explicit QZELKDialogButton(QWidget* pParent = nullptr);
};
