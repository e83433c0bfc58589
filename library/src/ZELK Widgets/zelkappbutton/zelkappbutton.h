#pragma once

#include <QIcon>
#include <QPushButton>

#include <memory>

class IMenuContextCallbackInterface;
class QLabel;
class TMenuButtonContext;

// A large icon button of the main menu (and the status bar's USB button). It
// acts on the press, not on the release: it shows its page through its menu
// button context and marks itself active, after consulting the main window.
class QZELKAppButton : public QPushButton
{
    Q_OBJECT
    Q_PROPERTY(bool active READ active WRITE setActive NOTIFY activeChanged)
    Q_PROPERTY(QIcon icon_standard READ icon_standard WRITE setIcon_standard)
    Q_PROPERTY(QIcon icon_active READ icon_active WRITE setIcon_active)

public:
    explicit QZELKAppButton(QWidget* pParent = nullptr);
    ~QZELKAppButton() override;

    bool active() const { return mActive; }
    // Shows the icon of the state, when there is one, and lets the parent's
    // [active="true"] rules take effect.
    void setActive(bool pActive);
    QIcon icon_standard() const { return mIcon_standard; }
    void setIcon_standard(const QIcon& pIcon) { mIcon_standard = pIcon; }
    QIcon icon_active() const { return mIcon_active; }
    void setIcon_active(const QIcon& pIcon) { mIcon_active = pIcon; }

    // Replaces the button's context; the callback is not owned.
    void setMenuButtonContext(QLabel* pAssignedLabel, QWidget* pConnectedView, QLabel* pTitleIcon,
                              QLabel* pTitleCaption, const QString& pIconPrefix, bool pButtonHighlight,
                              IMenuContextCallbackInterface* pCallback);
    TMenuButtonContext* menuButtonContext() const { return mMenuButtonContext.get(); }

    // Called by the touch scroll area the moment a finger touches the button,
    // while it holds the press itself back until the finger lifts.
    void emitBeforeButtonPressed();
    // The button's default handling of a press: the previously active context
    // is deactivated and this button's context activated.
    void doButtonClick();

signals:
    void activeChanged(bool pActive);
    void beforeButtonPressed();

protected:
    void mousePressEvent(QMouseEvent* pEvent) override;

private:
    bool mActive = false;
    QIcon mIcon_standard;
    QIcon mIcon_active;
    std::unique_ptr<TMenuButtonContext> mMenuButtonContext;
    IMenuContextCallbackInterface* mCallback = nullptr;
};
