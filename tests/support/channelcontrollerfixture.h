#pragma once

#include "simulatedboardlink.h"
#include "submenucontroller.h"
#include "tamarindmainform_ui.h"

#include <QString>
#include <QWidget>

#include <memory>

class TChannelController;

// The menu area as the main window offers it, recording what it was asked for.
class TRecordingSubMenu : public ISubMenuController
{
public:
    void showSubMenu(const QString& pSubMenuCaption, QWidget* pSubMenuWidget,
                     ISubMenuConfirmationReceiver* pConfirmationReceiver, EnSubMenuType pSubMenuType) override;
    void cancelSubMenu(ISubMenuConfirmationReceiver* pConfirmationReceiver) override;
    void setSubMenuCaption(const QString&) override {}
    void restoreSubMenuCaption() override {}
    void setMainMenuCaption() override {}

    QString mCaption;
    QWidget* mShownPage = nullptr;
    ISubMenuConfirmationReceiver* mReceiver = nullptr;
    EnSubMenuType mType = smtEditor;
    int mShown = 0;
    int mCancelled = 0;
};

// The channel controller as the main window builds it: on the simulated board
// over its pseudo-terminal, with the channel selection page of the form. The
// board's state is set before build() when the controller should find it at start.
class TChannelControllerFixture
{
public:
    TChannelControllerFixture();
    ~TChannelControllerFixture();

    TSimulatedBoardLink& board() { return *mBoard; }
    Ui_TTamarindMainForm& ui() { return mUi; }
    QWidget& form() { return *mForm; }
    TRecordingSubMenu& subMenu() { return mSubMenu; }
    TChannelController& controller() { return *mController; }
    bool hasController() const { return mController != nullptr; }

    TChannelController& build(int pReadInterval = 500, int pAverageValueSampleCount = 10);

private:
    std::unique_ptr<TSimulatedBoardLink> mBoard;
    std::unique_ptr<QWidget> mForm;
    Ui_TTamarindMainForm mUi;
    TRecordingSubMenu mSubMenu;
    std::unique_ptr<TChannelController> mController;
};
