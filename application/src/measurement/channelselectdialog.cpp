#include "channelselectdialog.h"

#include "channel.h"
#include "channelcontroller.h"
#include "ui_channelselectdialog.h"
#include "zelkcontainercheckbutton.h"

#include <QLabel>

TChannelSelectDialog::TChannelSelectDialog(QWidget* parent)
    : TFullScreenDialog(parent), ui(std::make_unique<Ui_TChannelSelectDialog>())
{
    ui->setupUi(this);
}

TChannelSelectDialog::~TChannelSelectDialog()
{
    // The check buttons go before the form they sit in.
    mChannelByWidget.clear();
    mWidgetByChannel.clear();
}

bool TChannelSelectDialog::passesFilter(const TAbstractChannel* pChannel, EnChannelType pChannelTypeFilter,
                                        bool pOnlyShowChannelsWithProbes)
{
    const auto* physical = qobject_cast<const TPhysicalChannel*>(pChannel);
    if (!physical)
        return false;
    switch (pChannelTypeFilter) {
    case ctUndefined:
        break;
    case ctPRT:
        if (!qobject_cast<const TPRTChannel*>(physical))
            return false;
        break;
    case ctThermocouple:
        if (!qobject_cast<const TTCChannel*>(physical))
            return false;
        break;
    default:
        return false;
    }
    return !pOnlyShowChannelsWithProbes || physical->assignedProbe();
}

void TChannelSelectDialog::addCheckButton(TAbstractChannel* pChannel)
{
    auto button = std::make_unique<QZELKContainerCheckButton>(ui->scrollAreaWidgetContents);
    button->label()->setText(pChannel->channelCaption());
    button->setBorderRadius(ui->BtnNone->getBorderRadius());
    button->setMinimumSize(ui->BtnNone->minimumSize());
    // After "none" and the channels before it, ahead of the closing spacer.
    QLayout* layout = ui->scrollAreaWidgetContents->layout();
    static_cast<QBoxLayout*>(layout)->insertWidget(layout->count() - 1, button.get());
    connect(button.get(), &QZELKContainerCheckButton::checkedChanged, this, &TChannelSelectDialog::onCheckedChanged);
    mChannelByWidget[button.get()] = pChannel;
    mWidgetByChannel[pChannel] = std::move(button);
}

bool TChannelSelectDialog::showPhysicalChannelSelection(
    const QString& pTitle, bool pMultiSelect, bool pShowSelectAllButtons, bool pShowNoneButton,
    const QString& pCaptionSelectAll, const QString& pCaptionDeselectAll, short pButtons,
    EnChannelType pChannelTypeFilter, bool pOnlyShowChannelsWithProbes, const TChannelController& pChannelController,
    zelk::vector<TAbstractChannel*>& oSelectedChannels)
{
    mChannelByWidget.clear();
    mWidgetByChannel.clear();
    mMultiSelect = pMultiSelect;
    ui->LblTitle->setText(pTitle);

    const bool selectAllShown = pMultiSelect && pShowSelectAllButtons;
    ui->BtnSelectAll->setVisible(selectAllShown);
    ui->BtnUnSelectAll->setVisible(selectAllShown);
    ui->BtnSelectAll->label()->setText(pCaptionSelectAll);
    ui->BtnUnSelectAll->label()->setText(pCaptionDeselectAll);
    ui->BtnNone->setVisible(!pMultiSelect && pShowNoneButton);
    ui->BtnReturnToMainMenu->setVisible(pButtons & BTN_HOME);
    ui->BtnCancel->setVisible(pButtons & BTN_CANCEL);
    ui->BtnSave->setVisible(pButtons & BTN_OK);

    for (const auto& entry : pChannelController.channels()) {
        if (passesFilter(entry.second.get(), pChannelTypeFilter, pOnlyShowChannelsWithProbes))
            addCheckButton(entry.second.get());
    }

    // In single selection each check unchecks the others and accepts; before
    // exec() that acceptance has no effect, the panel still opens.
    for (TAbstractChannel* preselected : oSelectedChannels) {
        const auto found = mWidgetByChannel.find(preselected);
        if (found != mWidgetByChannel.end())
            found->second->setChecked(true);
    }
    oSelectedChannels.clear();

    if (exec() != QDialog::Accepted)
        return false;

    for (QObject* child : ui->scrollAreaWidgetContents->children()) {
        auto* button = qobject_cast<QZELKContainerCheckButton*>(child);
        if (!button || !button->isChecked())
            continue;
        const auto found = mChannelByWidget.find(button);
        if (found != mChannelByWidget.end())
            oSelectedChannels << found->second;
    }
    return true;
}

void TChannelSelectDialog::setCheckedForAll(bool pChecked)
{
    for (const auto& entry : mWidgetByChannel)
        entry.second->setChecked(pChecked);
}

void TChannelSelectDialog::on_BtnReturnToMainMenu_clicked()
{
    reject();
}

void TChannelSelectDialog::on_BtnCancel_clicked()
{
    reject();
}

void TChannelSelectDialog::on_BtnSave_clicked()
{
    accept();
}

void TChannelSelectDialog::on_BtnSelectAll_clicked()
{
    setCheckedForAll(true);
}

void TChannelSelectDialog::on_BtnUnSelectAll_clicked()
{
    setCheckedForAll(false);
}

void TChannelSelectDialog::on_BtnNone_clicked()
{
    setCheckedForAll(false);
    accept();
}

void TChannelSelectDialog::onCheckedChanged(bool pChecked)
{
    if (mMultiSelect || !pChecked)
        return;
    auto* checked = qobject_cast<QZELKContainerCheckButton*>(sender());
    for (const auto& entry : mWidgetByChannel) {
        if (entry.second.get() != checked)
            entry.second->setChecked(false);
    }
    accept();
}
