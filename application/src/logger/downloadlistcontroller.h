#pragma once

#include "zelkvector.h"

#include <QObject>
#include <QString>

#include <map>
#include <memory>

class QCheckBox;
class QWidget;
class QZELKDialogButton;

// One entry of the download list: the caption shown beside its check box and
// what the list's owner needs to find the file it stands for.
class TDownloadListItem
{
public:
    TDownloadListItem(const QString& pCaption, const QString& pContentString, QObject* pContentObject);

    QString caption() const { return mCaption; }
    QString contentString() const { return mContentString; }
    QObject* contentObject() const { return mContentObject; }

private:
    QString mCaption;
    QString mContentString;
    QObject* mContentObject;
};

// The owner of a download list, which copies or deletes the files the checked
// entries stand for. The items stay owned by the list and live through the call.
class IDownloadListItemHandler
{
public:
    virtual ~IDownloadListItemHandler() = default;
    virtual void deleteItems(const zelk::vector<TDownloadListItem*>& pItems) = 0;
    virtual void downloadItems(const zelk::vector<TDownloadListItem*>& pItems) = 0;
};

// The check-box list of the download menu. It knows nothing about files: it
// shows the items it is given and hands the checked ones to its handler.
class TDownloadListController : public QObject
{
    Q_OBJECT

public:
    // pContentWidget's layout has to be a vertical box layout ending in a
    // filler; the boxes go in before it.
    TDownloadListController(IDownloadListItemHandler* pItemHandler, QWidget* pContentWidget,
                            QZELKDialogButton* pBtnSelectAll, QZELKDialogButton* pBtnDeselectAll,
                            QZELKDialogButton* pBtnDownloadSelected, QZELKDialogButton* pBtnDeleteSelected);
    ~TDownloadListController() override;

    // Replaces the shown entries, all unchecked, in the given order. The items
    // are moved out of pItems; without a vertical box layout they stay there.
    void setAndOwnItems(zelk::vector<std::unique_ptr<TDownloadListItem>>& pItems, bool pDeletePossible);

private slots:
    void onSelectAll();
    void onDeselectAll();
    void onDownloadSelected();
    void onDeleteSelected();

private:
    void selectedItems(zelk::vector<TDownloadListItem*>& oItems) const;
    void setAllChecked(bool pChecked);
    void removeEntry(std::map<QCheckBox*, std::unique_ptr<TDownloadListItem>>::iterator pEntry);
    void clear();

    IDownloadListItemHandler* mItemHandler;
    QWidget* mContentWidget;
    QZELKDialogButton* mBtnSelectAll;
    QZELKDialogButton* mBtnDeselectAll;
    QZELKDialogButton* mBtnDownloadSelected;
    QZELKDialogButton* mBtnDeleteSelected;
    // Keyed by the check box, so walking it follows the boxes' identities and
    // not their order on the screen; the handler sees the items in this order.
    std::map<QCheckBox*, std::unique_ptr<TDownloadListItem>> mItemMap;
};
