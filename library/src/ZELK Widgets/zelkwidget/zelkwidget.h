#pragma once

#include <QFrame>

// A frame with an active flag for the page style sheets to select on.
class QZELKWidget : public QFrame
{
    Q_OBJECT
    Q_PROPERTY(bool active READ isActive WRITE setActive)

public:
    explicit QZELKWidget(QWidget* pParent = nullptr);

    bool isActive() const { return mActive; }
    // Only stores the flag.
    void setActive(bool pActive) { mActive = pActive; }

private:
    bool mActive = false;
};
