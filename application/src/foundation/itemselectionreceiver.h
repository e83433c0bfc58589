#pragma once

class TItemButtonList;
class TItemButtonListEntry;

// Told which entry of an item button list the user chose.
class IItemSelectionReceiver
{
public:
    virtual ~IItemSelectionReceiver() = default;

    virtual void itemSelected(TItemButtonList* list, const TItemButtonListEntry& entry) = 0;
};
