#include "smartprobeenablingcontroller.h"

#include "channel.h"
#include "channelcontroller.h"
#include "clickablewidgetcontroller.h"
#include "fontmetricshelper.h"
#include "messagedialog.h"
#include "probe.h"
#include "refreshdialog.h"
#include "submenucontroller.h"

#include <QApplication>
#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>

TSmartProbeEnablingController::TSmartProbeEnablingController(ISubMenuController* pSubMenuController,
                                                             QWidget* pPageSmartProbeList,
                                                             QScrollArea* pButtonScrollArea,
                                                             TChannelController* pChannelController)
    : mSubMenuController(pSubMenuController)
    , mWidgetController(std::make_unique<TClickableWidgetController>(nullptr))
    , mChannelController(pChannelController)
    , mButtonScrollArea(pButtonScrollArea)
    , mPageSmartProbeList(pPageSmartProbeList)
{
    connect(mWidgetController.get(), &TClickableWidgetController::widgetActivated, this,
            &TSmartProbeEnablingController::widgetActivated);
    connect(mWidgetController.get(), &TClickableWidgetController::widgetMouseBtnReleased, this,
            &TSmartProbeEnablingController::onProbeBtnClicked);
}

TSmartProbeEnablingController::~TSmartProbeEnablingController()
{
    mWidgetController->clear();
    for (const QPointer<QWidget>& button : mButtons)
        delete button.data();
}

void TSmartProbeEnablingController::showSubMenu()
{
    refreshSmartProbeList();
    mSubMenuController->showSubMenu(tr("SMART probes"), mPageSmartProbeList, this, smtViewer);
}

void TSmartProbeEnablingController::refreshSmartProbeList()
{
    TRefreshDialog dialog(nullptr);
    dialog.showDialog(tr("Loading SMART probes..."));
    QApplication::processEvents();
    const zelk::vector<TPRTChannel*> channels = mChannelController->updateSmartProbeStatus();
    destroyButtons();
    QWidget* content = mButtonScrollArea->widget();
    auto* layout = qobject_cast<QVBoxLayout*>(content->layout());
    short group = 0;
    for (TPRTChannel* channel : channels) {
        const short position = group++;
        TSmartProbePRT* probe = channel->smartProbe();
        if (!probe)
            continue;
        const QPair<QWidget*, QLabel*> row = TClickableWidgetController::createClickableWidget(content, QString());
        mChannelByButton[row.first] = channel;
        mButtons.push_back(row.first);
        QString name = probe->probeName();
        QFont font = row.second->font();
        TFontMetricsHelper::calculateFontSize(name, font, PROBE_NAME_MAX_WIDTH, PROBE_NAME_DEFAULT_FONT_SIZE,
                                              PROBE_NAME_MINIMUM_FONT_SIZE, true);
        row.second->setStyleSheet(TFontMetricsHelper::fontsizeStylesheetEntry(font));
        row.second->setText(name);
        if (layout)
            layout->insertWidget(layout->count() - 1, row.first);
        mWidgetController->addWidget(position, row.first, nullptr, true);
        if (probe->isEnabled())
            mWidgetController->activateWidget(row.first);
    }
    dialog.close();
}

void TSmartProbeEnablingController::destroyButtons()
{
    // A button may be the one whose release is being delivered: it goes when
    // control is back in the event loop.
    for (const QPointer<QWidget>& button : mButtons) {
        if (button) {
            mWidgetController->removeWidget(button);
            button->deleteLater();
        }
    }
    mButtons.clear();
    mChannelByButton.clear();
}

void TSmartProbeEnablingController::returnToMainMenuClicked()
{
    destroyButtons();
    emit probeListClosed();
}

void TSmartProbeEnablingController::onProbeBtnClicked(QWidget* pButton)
{
    const auto entry = mChannelByButton.find(pButton);
    if (entry == mChannelByButton.end())
        return;
    TSmartProbePRT* probe = entry->second->smartProbe();
    bool refresh = probe == nullptr;
    if (probe) {
        const bool enabled = probe->isEnabled();
        const QString question = enabled ? tr("Would you like to disable probe %1?").arg(probe->probeName())
                                         : tr("Would you like to enable probe %1?").arg(probe->probeName());
        refresh = TMessageDialog().showQuestion(question) && mChannelController->setSmartProbeEnabled(probe, !enabled);
        if (!refresh)
            mWidgetController->toggleWidget(pButton);
    }
    // The registry is still delivering this button's release: rebuild after it.
    if (refresh)
        QMetaObject::invokeMethod(this, &TSmartProbeEnablingController::refreshSmartProbeList, Qt::QueuedConnection);
}
