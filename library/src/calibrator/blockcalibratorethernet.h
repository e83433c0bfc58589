#pragma once

#include "blockcalibratorinterface.h"

#include <QByteArray>
#include <QString>

#include <memory>

class QTcpSocket;

// The TCP transport of the network calibrators: one socket to the
// calibrator's address and port, connected on first use and again whenever
// it dropped. Waits process pending events other than user input and sleep
// between them; a terminate ends them.
class TBlockcalibratorEthernet : public IBlockcalibratorInterface
{
public:
    TBlockcalibratorEthernet(const QString& pIPAddress, unsigned int pPort, unsigned int pConnectionTimeout);
    ~TBlockcalibratorEthernet() override;
    TBlockcalibratorEthernet(const TBlockcalibratorEthernet&) = delete;
    TBlockcalibratorEthernet& operator=(const TBlockcalibratorEthernet&) = delete;

    const QString& ipAddress() const { return mIPAddress; }
    unsigned int port() const { return mPort; }

protected:
    // True when the socket is connected on return; a pending attempt is left
    // running for the next call.
    bool connectSocket() const;
    // Connects if needed; false when no connection could be had.
    bool socketWrite(const QByteArray& pByteArray) const;
    // Everything the socket holds now.
    QByteArray socketRead() const;

private:
    std::unique_ptr<QTcpSocket> mSocket;
    QString mIPAddress;
    unsigned int mPort;
    unsigned int mConnectionTimeout;
};
