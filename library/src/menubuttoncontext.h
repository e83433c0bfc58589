#pragma once

#include <QObject>
#include <QString>

class QLabel;
class QWidget;
class QZELKAppButton;

// Binds a main-menu button to the page it shows and to the title bar that
// names that page. Owned by its button; nothing it points to is owned.
class TMenuButtonContext : public QObject
{
    Q_OBJECT

public:
    // The title bar icon is ":/statusicons/" + pIconPrefix + "_small".
    TMenuButtonContext(QZELKAppButton* pMenuButton, QLabel* pLabel, QWidget* pConnectedView, QLabel* pTitleIcon,
                       QLabel* pTitleCaption, const QString& pIconPrefix, bool pButtonHighlight);
    ~TMenuButtonContext() override;

    // The context of the main-menu button pressed last; null at start.
    static TMenuButtonContext* activeMenuButtonContext;

    QLabel* label() const { return mLabel; }
    QWidget* connectedView() const { return mConnectedView; }
    QString iconSmall() const { return mIconSmall; }
    bool buttonHighlight() const { return mButtonHighlight; }

    // Shows the page (when pSwitchView and the page sits in a stack), sets
    // the title bar and marks the button active where it is highlighted.
    void activate(bool pSwitchView);
    void deactivate();
    // Takes the button's caption into the title bar again, after a language change.
    void retranslate();

signals:
    void buttonClicked();

private:
    QZELKAppButton* mMenuButton;
    QLabel* mLabel;
    QWidget* mConnectedView;
    QLabel* mTitleIcon;
    QLabel* mTitleCaption;
    QString mIconSmall;
    bool mButtonHighlight;
};
