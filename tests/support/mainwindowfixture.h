#pragma once

#include "boardsimulator.h"
#include "channelcontroller.h"
#include "channelviewcontrollermanager.h"
#include "ethernetcommunicationinterface.h"
#include "externalcommunicationhandler.h"
#include "probecontroller.h"
#include "serialcommunicationinterface.h"
#include "tamarindmainform.h"

#include <QLabel>
#include <QStackedWidget>
#include <QString>

#include <memory>

// The real main window as main builds it, against the simulated board on the board's device path, and the ways a
// test reaches it from the outside: its widgets by object name, clicks as a finger gives them, the page of each
// stack.
class TMainWindowFixture
{
public:
    TBoardSimulator& board() { return mBoard; }
    TTamarindMainForm* window() const { return mWindow.get(); }
    // The window's channels and probes, for a poll on the caller's clock with probes of the caller's choice.
    TChannelController& channels() const { return *mWindow->mChannelController; }
    TProbeController& probes() const { return *mWindow->mProbeController; }
    // The window's channel views, to put channels into a scan view without a scan.
    TChannelViewControllerManager& views() const { return *mWindow->mChannelViewControllerManager; }
    // The window's remote command handler, for a scan on the caller's clock.
    TExternalCommunicationHandler& remote() const { return *mWindow->mExternalCommunicationHandler; }
    // The window's TCP and USB transports, for a takeback's drop that ends when the test says.
    TEthernetCommunicationInterface& tcp() const { return *mWindow->mEthernetCommunicationInterface; }
    TSerialCommunicationInterface& usb() const { return *mWindow->mUSBCommunicationController; }

    // Starts the board; false when it could not.
    bool startBoard() { return mBoard.start(); }
    // Builds the window, on a free remote port unless the test chose one; shown, it is also the filter of every
    // event, as main makes it.
    void open(bool pShown);
    // Builds the window and shows it as the program does on the device: full screen over the start logo.
    void openAsTheProgram();
    void close() { mWindow.reset(); }

    // Warns (which fails the test) when the window has no such child.
    template <class T = QWidget> T* child(const char* pName) const
    {
        T* found = mWindow->findChild<T*>(QLatin1String(pName));
        if (!found)
            qWarning("the main window has no %s", pName);
        return found;
    }
    void click(const char* pName) const;
    bool shown(const char* pName) const { return !child(pName)->isHidden(); }
    QString text(const char* pName) const { return child<QLabel>(pName)->text(); }
    QWidget* mainPage() const { return child<QStackedWidget>("stackedWidget")->currentWidget(); }
    QWidget* menuPage() const { return child<QStackedWidget>("stackedWidgetMenu")->currentWidget(); }
    // For a look by eye: with TAMARIND_SNAPSHOT_DIR set, the window is saved there under the name.
    void snapshot(const QString& pName) const;

private:
    // Builds the window on a remote port of its own.
    void build();

    TBoardSimulator mBoard;
    std::unique_ptr<TTamarindMainForm> mWindow;
};
