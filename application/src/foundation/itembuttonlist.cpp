#include "itembuttonlist.h"

#include "itemselectionreceiver.h"
#include "zelkcontainerpushbutton.h"

#include <QLabel>
#include <QVBoxLayout>

TItemButtonList::TItemButtonList(QWidget* pContentWidget, IItemSelectionReceiver* pItemSelectionReceiver)
    : mItemSelectionReceiver(pItemSelectionReceiver), mContentWidget(pContentWidget)
{
}

TItemButtonList::~TItemButtonList()
{
    removeButtons();
}

void TItemButtonList::removeButtons()
{
    for (auto& item : mEntryMap)
        delete item.second.mButton.data();
    mEntryMap.clear();
}

void TItemButtonList::setAndOwnEntries(zelk::vector<std::unique_ptr<TItemButtonListEntry>>& pEntries)
{
    removeButtons();
    auto* column = qobject_cast<QVBoxLayout*>(mContentWidget->layout());
    int position = 0;
    for (std::unique_ptr<TItemButtonListEntry>& entry : pEntries) {
        auto* button = new QZELKContainerPushButton(mContentWidget);
        button->setColorSchemeIndex(QZELKAbstractButton::csBlack);
        button->setBorderRadius(6);
        button->label()->setText(entry->displayName());
        connect(button, &QZELKContainerPushButton::clicked, this, &TItemButtonList::onBtnClicked);
        if (column)
            column->insertWidget(position++, button);
        else
            button->hide();
        mEntryMap[button] = TItem{button, std::move(entry)};
    }
    pEntries.clear();
}

void TItemButtonList::onBtnClicked()
{
    const auto item = mEntryMap.find(sender());
    if (item != mEntryMap.end() && mItemSelectionReceiver)
        mItemSelectionReceiver->itemSelected(this, *item->second.mEntry);
}
