#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class TExternalCommunicationHandler;

// The base of the remote transports (TCP, the serial lines): hands received
// text to the remote command handler and sends its replies to the client as
// Latin-1 bytes. Owned by the main window.
class TExternalCommunicationInterface : public QObject
{
    Q_OBJECT

public:
    explicit TExternalCommunicationInterface(TExternalCommunicationHandler* pCommHandler);

    // The ohm sign leaves as "R", characters beyond Latin-1 as "?"; CR LF is
    // appended when pWithTerminator is true.
    void sendResponse(const QString& pResponse, bool pWithTerminator);
    void sendResponse(const QString& pResponse);
    void sendAck();

    // Writes the bytes to the client as they are.
    virtual void sendRawData(const QByteArray& pData) = 0;

protected:
    // Received bytes as text, one character per byte, cut at the first zero
    // byte, handed to the handler.
    void deliverReceivedData(const QByteArray& pData);

    QString mOhmSign;
    TExternalCommunicationHandler* mCommunicationHandler;
};
