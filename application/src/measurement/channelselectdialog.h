#pragma once

#include "channeltype.h"
#include "fullscreendialog.h"
#include "zelkvector.h"

#include <QString>

#include <map>
#include <memory>

class QZELKContainerCheckButton;
class TAbstractChannel;
class TChannelController;
class Ui_TChannelSelectDialog;

// A side panel listing the physical channels as check buttons: single
// selection closes at the first tap, multiple selection is confirmed with OK.
// Callers create it for one use and set title, buttons and filters per call.
class TChannelSelectDialog : public TFullScreenDialog
{
    Q_OBJECT

public:
    // Buttons offered, as a mask for showPhysicalChannelSelection.
    static constexpr short BTN_HOME = 1;
    static constexpr short BTN_CANCEL = 2;
    static constexpr short BTN_OK = 4;

    explicit TChannelSelectDialog(QWidget* parent);
    ~TChannelSelectDialog() override;

    // oSelectedChannels brings the channels to check and returns the chosen
    // ones in channel order. False when the user cancelled (the list then
    // empty); true also with an empty list ("none", or OK with nothing checked).
    bool showPhysicalChannelSelection(const QString& pTitle, bool pMultiSelect, bool pShowSelectAllButtons,
                                      bool pShowNoneButton, const QString& pCaptionSelectAll,
                                      const QString& pCaptionDeselectAll, short pButtons,
                                      EnChannelType pChannelTypeFilter, bool pOnlyShowChannelsWithProbes,
                                      const TChannelController& pChannelController,
                                      zelk::vector<TAbstractChannel*>& oSelectedChannels);

signals:
    // For callers that follow clickable widgets; the dialog itself has none.
    void widgetActivated(short pGroup, QWidget* pPrevious, QWidget* pCurrent);

private slots:
    void on_BtnReturnToMainMenu_clicked();
    void on_BtnCancel_clicked();
    void on_BtnSave_clicked();
    void on_BtnSelectAll_clicked();
    void on_BtnUnSelectAll_clicked();
    void on_BtnNone_clicked();
    void onCheckedChanged(bool pChecked);

private:
    static bool passesFilter(const TAbstractChannel* pChannel, EnChannelType pChannelTypeFilter,
                             bool pOnlyShowChannelsWithProbes);
    void addCheckButton(TAbstractChannel* pChannel);
    void setCheckedForAll(bool pChecked);

    std::unique_ptr<Ui_TChannelSelectDialog> ui;
    std::map<TAbstractChannel*, std::unique_ptr<QZELKContainerCheckButton>> mWidgetByChannel;
    std::map<QZELKContainerCheckButton*, TAbstractChannel*> mChannelByWidget;
    bool mMultiSelect = false;
};
