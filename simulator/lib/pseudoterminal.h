#pragma once

#include <QString>

// A pseudo-terminal pair standing in for a serial line: the peer works the
// master side, the program opens the slave through a symbolic link at the
// device path it expects. The slave is kept open here as well, in raw mode, so
// that the line lives while the program closes and reopens it.
class TPseudoTerminal
{
public:
    TPseudoTerminal() = default;
    ~TPseudoTerminal();
    TPseudoTerminal(const TPseudoTerminal&) = delete;
    TPseudoTerminal& operator=(const TPseudoTerminal&) = delete;

    // Opens the pair and links the slave at pLinkPath, replacing a symbolic link there (one an earlier run left)
    // and nothing else: see mayLinkAt.
    bool open(const QString& pLinkPath, QString& oError);
    // Whether a line may be linked at pLinkPath: nothing stands there, or a symbolic link, and the same beside it
    // where the link is made (".next" after its name). A file, directory or device there is not this simulator's
    // to replace, nor to remove when it ends; false with the reason then.
    static bool mayLinkAt(const QString& pLinkPath, QString& oError);
    // Removes the link (if it still points to this slave) and closes both sides.
    void close();
    // The same, but the link path is kept for reopen: a device whose line could not come back is gone for the
    // program until a later restart brings it up there.
    void hangUp();
    // A new pair in place of this one (or of the one hung up) at the same link path, as a device that restarts
    // brings up its line again: the link points to the new slave before the old pair closes, so a program that
    // opens the path again on the old line's hang-up finds the new one at once. False with the reason, the old
    // pair left as it was, when the path cannot be linked.
    bool reopen(QString& oError);

    // Non-blocking.
    int masterDescriptor() const { return mPair.mMaster; }
    // The slave as this side keeps it open; for settings that act on the whole
    // line (stopping the program's output) and for what waits to be read there.
    int slaveDescriptor() const { return mPair.mSlave; }
    const QString& slavePath() const { return mPair.mSlavePath; }
    const QString& linkPath() const { return mLinkPath; }

private:
    struct TPair
    {
        int mMaster = -1;
        int mSlave = -1;
        QString mSlavePath;
    };
    static bool openPair(TPair& oPair, QString& oError);
    static void closePair(TPair& pPair);
    // Points pLinkPath at the slave, replacing what is there in one step.
    static bool link(const QString& pSlavePath, const QString& pLinkPath, QString& oError);

    TPair mPair;
    QString mLinkPath;
};
