#include "channelcontrollerfixture.h"

#include "channelcontroller.h"
#include "clickablewidgetcontroller.h"

void TRecordingSubMenu::showSubMenu(const QString& pSubMenuCaption, QWidget* pSubMenuWidget,
                                    ISubMenuConfirmationReceiver* pConfirmationReceiver, EnSubMenuType pSubMenuType)
{
    mCaption = pSubMenuCaption;
    mShownPage = pSubMenuWidget;
    mReceiver = pConfirmationReceiver;
    mType = pSubMenuType;
    ++mShown;
}

// The receiver asked is the one that opened the menu, as in the main window.
void TRecordingSubMenu::cancelSubMenu(ISubMenuConfirmationReceiver*)
{
    if (mReceiver && mReceiver->cancelClicked())
        mReceiver = nullptr;
    ++mCancelled;
}

TChannelControllerFixture::TChannelControllerFixture()
    : mBoard(std::make_unique<TSimulatedBoardLink>()), mForm(std::make_unique<QWidget>())
{
    mUi.setupUi(mForm.get());
}

TChannelControllerFixture::~TChannelControllerFixture()
{
    // The controller stops polling before the board goes.
    mController.reset();
    mForm.reset();
    mBoard.reset();
}

TChannelController& TChannelControllerFixture::build(int pReadInterval, int pAverageValueSampleCount)
{
    mController = std::make_unique<TChannelController>(
        &mSubMenu, &mBoard->handler(), std::make_unique<TClickableWidgetController>(), mUi.PageChannelSelection,
        mUi.BtnChanSel_1, mUi.BtnChanSel_2, mUi.BtnChanSel_3, mUi.BtnChanSel_4, mUi.BtnChanSel_Reciprocal,
        mUi.BtnChanSel_Sum, mUi.BtnChanSel_Diff, mUi.BtnChanSel_Product, mUi.BtnChanSel_Quotient, mUi.BtnChanSel_X,
        mUi.BtnChanSel_Y, mUi.LblChanSel_X, mUi.LblChanSel_Y, pAverageValueSampleCount, pReadInterval);
    return *mController;
}
