#pragma once

#include "zelkvector.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <map>
#include <memory>

class IItemSelectionReceiver;
class QWidget;
class QZELKContainerPushButton;

// One choice of an item button list: the text on its button and free
// information for the receiver (a file path, say).
class TItemButtonListEntry
{
public:
    TItemButtonListEntry(const QString& pDisplayName, const QString& pEntryInfo)
        : mDisplayName(pDisplayName), mEntryInfo(pEntryInfo)
    {
    }

    QString displayName() const { return mDisplayName; }
    QString entryInfo() const { return mEntryInfo; }

private:
    QString mDisplayName;
    QString mEntryInfo;
};

// A column of buttons, one per entry, on a content widget; a tap reports the
// entry to the receiver. The list owns its entries and buttons; destroying it
// removes the buttons.
class TItemButtonList : public QObject
{
    Q_OBJECT

public:
    TItemButtonList(QWidget* pContentWidget, IItemSelectionReceiver* pItemSelectionReceiver);
    ~TItemButtonList() override;

    // Replaces the buttons by one per entry, in order, above whatever the
    // content widget's vertical box layout held before; takes the entries
    // out of the list. With another layout the buttons are not shown.
    void setAndOwnEntries(zelk::vector<std::unique_ptr<TItemButtonListEntry>>& pEntries);

private slots:
    void onBtnClicked();

private:
    struct TItem
    {
        // The page may delete the button before the list.
        QPointer<QZELKContainerPushButton> mButton;
        std::unique_ptr<TItemButtonListEntry> mEntry;
    };

    void removeButtons();

    IItemSelectionReceiver* mItemSelectionReceiver;
    QWidget* mContentWidget;
    std::map<QObject*, TItem> mEntryMap;
};
