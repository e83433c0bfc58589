#pragma once

#include <QObject>

// Watches the fill level of the root file system, so that a write that failed
// for want of space is explained to the user.
class TDiskSpaceController : public QObject
{
    Q_OBJECT

public:
    static TDiskSpaceController& instance();

    // The used share of the root file system in whole percent; 0 when "df"
    // gives nothing that reads as its usual table.
    int diskUsage() const;

    // True when the root file system is at most 99 % used; otherwise tells the
    // user that the storage is full and returns false once they have seen it,
    // or at once while remote commands hold the message back.
    bool checkDiskspace();

private:
    TDiskSpaceController() = default;
    void showStorageFullMessage();

    // The message waits to be shown or is open.
    bool mMessageOutstanding = false;
};
