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

    // Opens the pair and links the slave at pLinkPath (replacing what is there).
    bool open(const QString& pLinkPath, QString& oError);
    // Removes the link (if it still points to this slave) and closes both sides.
    void close();

    // Non-blocking.
    int masterDescriptor() const { return mMaster; }
    const QString& slavePath() const { return mSlavePath; }
    const QString& linkPath() const { return mLinkPath; }

private:
    int mMaster = -1;
    int mSlave = -1;
    QString mSlavePath;
    QString mLinkPath;
};
