#pragma once

#include "zelkabstractbutton.h"

// A painted button that holds labels and icons, the row of settings lists.
// It clicks on every release; inside a touch scroll area the area decides
// whether a touch was a tap, and shows and clears the pressed look through
// the announce and discard events.
class QZELKContainerPushButton : public QZELKAbstractButton
{
    Q_OBJECT
    Q_PROPERTY(bool isPressVisible READ isPressVisible)

public:
    explicit QZELKContainerPushButton(QWidget* pParent = nullptr);

    bool isPressVisible() const { return mPressVisible; }

signals:
    void announceButtonPressed();
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* pEvent) override;
    void mouseReleaseEvent(QMouseEvent* pEvent) override;
    void customEvent(QEvent* pEvent) override;

private:
    void setPressVisible(bool pVisible);

    bool mPressVisible = false;
};
