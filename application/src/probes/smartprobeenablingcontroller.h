#pragma once

#include "submenuconfirmationreceiver.h"
#include "zelkvector.h"

#include <QObject>
#include <QPointer>

#include <map>
#include <memory>

class ISubMenuController;
class QScrollArea;
class QWidget;
class TChannelController;
class TClickableWidgetController;
class TPRTChannel;

// The page "SMART probes": one button per SMART probe plugged into a PRT
// input, active while the board uses the probe's own data; a press switches
// the probe after a question. The probe controller builds and owns it.
class TSmartProbeEnablingController : public QObject, public ISubMenuConfirmationReceiver
{
    Q_OBJECT

public:
    // Width and pixel sizes a probe name is fitted into on its button.
    static constexpr int PROBE_NAME_MAX_WIDTH = 204;
    static constexpr int PROBE_NAME_DEFAULT_FONT_SIZE = 18;
    static constexpr int PROBE_NAME_MINIMUM_FONT_SIZE = 14;

    TSmartProbeEnablingController(ISubMenuController* pSubMenuController, QWidget* pPageSmartProbeList,
                                  QScrollArea* pButtonScrollArea, TChannelController* pChannelController);
    ~TSmartProbeEnablingController() override;

    void showSubMenu();
    // Reads the SMART probes from the board and rebuilds the buttons.
    void refreshSmartProbeList();
    void destroyButtons();

    void returnToMainMenuClicked() override;
    bool cancelClicked() override { return true; }
    bool storeClicked() override { return true; }

signals:
    void probeListClosed();
    void widgetActivated(short pGroup, QWidget* pPrevious, QWidget* pCurrent);

private slots:
    void onProbeBtnClicked(QWidget* pButton);

private:
    ISubMenuController* mSubMenuController;
    std::unique_ptr<TClickableWidgetController> mWidgetController;
    TChannelController* mChannelController;
    // The buttons are children of the scroll area's content: a page destroyed
    // before this controller takes them along, hence the guarded pointers.
    std::map<QWidget*, TPRTChannel*> mChannelByButton;
    zelk::vector<QPointer<QWidget>> mButtons;
    QScrollArea* mButtonScrollArea;
    QWidget* mPageSmartProbeList;
};
