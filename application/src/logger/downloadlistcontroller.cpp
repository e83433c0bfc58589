#include "downloadlistcontroller.h"

#include "messagedialog.h"
#include "zelkdialogbutton.h"

#include <QCheckBox>
#include <QVBoxLayout>
#include <QWidget>

TDownloadListItem::TDownloadListItem(const QString& pCaption, const QString& pContentString, QObject* pContentObject)
    : mCaption(pCaption), mContentString(pContentString), mContentObject(pContentObject)
{
}

TDownloadListController::TDownloadListController(IDownloadListItemHandler* pItemHandler, QWidget* pContentWidget,
                                                 QZELKDialogButton* pBtnSelectAll, QZELKDialogButton* pBtnDeselectAll,
                                                 QZELKDialogButton* pBtnDownloadSelected,
                                                 QZELKDialogButton* pBtnDeleteSelected)
    : mItemHandler(pItemHandler)
    , mContentWidget(pContentWidget)
    , mBtnSelectAll(pBtnSelectAll)
    , mBtnDeselectAll(pBtnDeselectAll)
    , mBtnDownloadSelected(pBtnDownloadSelected)
    , mBtnDeleteSelected(pBtnDeleteSelected)
{
    connect(mBtnSelectAll, &QPushButton::clicked, this, &TDownloadListController::onSelectAll);
    connect(mBtnDeselectAll, &QPushButton::clicked, this, &TDownloadListController::onDeselectAll);
    connect(mBtnDownloadSelected, &QPushButton::clicked, this, &TDownloadListController::onDownloadSelected);
    connect(mBtnDeleteSelected, &QPushButton::clicked, this, &TDownloadListController::onDeleteSelected);
}

TDownloadListController::~TDownloadListController()
{
    clear();
}

void TDownloadListController::setAndOwnItems(zelk::vector<std::unique_ptr<TDownloadListItem>>& pItems,
                                             bool pDeletePossible)
{
    mBtnDeleteSelected->setVisible(pDeletePossible);
    clear();
    auto* layout = qobject_cast<QVBoxLayout*>(mContentWidget->layout());
    if (!layout)
        return;
    for (auto& item : pItems) {
        auto* box = new QCheckBox(mContentWidget);
        box->setText(item->caption());
        mItemMap.emplace(box, std::move(item));
        // Before the filler, which keeps the boxes at the top.
        layout->insertWidget(layout->count() - 1, box, 0, Qt::Alignment());
    }
}

void TDownloadListController::onSelectAll()
{
    setAllChecked(true);
}

void TDownloadListController::onDeselectAll()
{
    setAllChecked(false);
}

void TDownloadListController::onDownloadSelected()
{
    zelk::vector<TDownloadListItem*> items;
    selectedItems(items);
    if (!items.empty())
        mItemHandler->downloadItems(items);
}

void TDownloadListController::onDeleteSelected()
{
    zelk::vector<TDownloadListItem*> items;
    selectedItems(items);
    if (items.empty())
        return;
    if (!TMessageDialog().showQuestion(tr("Would you like to delete the selected items?")))
        return;
    mItemHandler->deleteItems(items);
    // The entries go whether or not the handler managed to remove the files.
    for (auto* item : items) {
        for (auto entry = mItemMap.begin(); entry != mItemMap.end(); ++entry) {
            if (entry->second.get() == item) {
                removeEntry(entry);
                break;
            }
        }
    }
}

void TDownloadListController::selectedItems(zelk::vector<TDownloadListItem*>& oItems) const
{
    for (const auto& entry : mItemMap) {
        if (entry.first->isChecked())
            oItems.push_back(entry.second.get());
    }
}

void TDownloadListController::setAllChecked(bool pChecked)
{
    for (const auto& entry : mItemMap)
        entry.first->setChecked(pChecked);
}

void TDownloadListController::removeEntry(std::map<QCheckBox*, std::unique_ptr<TDownloadListItem>>::iterator pEntry)
{
    delete pEntry->first;
    mItemMap.erase(pEntry);
}

void TDownloadListController::clear()
{
    while (!mItemMap.empty())
        removeEntry(mItemMap.begin());
}
