#pragma once

#include "calibratorthermalmodel.h"
#include "calibratortype.h"

#include <QString>

#include <functional>
#include <memory>

class TModbusCalibratorPeer;
class TTextCalibratorPeer;

// One simulated temperature calibrator of a given model: its thermal model
// and the peer that speaks the model's protocol on the line the program
// reaches it by. A serial model's line is a pseudo-terminal entered in the
// converter stand-in's table, so the program finds it as a USB-serial
// converter. Every method may be called from any thread while it runs.
class TCalibratorSimulator
{
public:
    enum class EnProtocol { pModbus, pStxEtx, pVariable, pRegisterTcp };

    explicit TCalibratorSimulator(EnCalibratorType pType,
                                  TCalibratorThermalModel::TClock pClock = TCalibratorThermalModel::realClock());
    ~TCalibratorSimulator();
    TCalibratorSimulator(const TCalibratorSimulator&) = delete;
    TCalibratorSimulator& operator=(const TCalibratorSimulator&) = delete;

    // A model by its code ("3") or its text ("DWK4400-450", any case).
    static bool parseModel(const QString& pText, EnCalibratorType& oType);
    static EnProtocol protocolOf(EnCalibratorType pType);
    // Where a serial calibrator's line is linked under the device root.
    static QString defaultLinkPath();

    // The port a network model listens on at 127.0.0.1 (8101 unless set; 0
    // picks a free one); set before start().
    void setPort(quint16 pPort) { mPort = pPort; }
    quint16 port() const;

    // A serial model: opens the line, links it at pLinkPath and enters it in
    // the converter table. A network model: listens on its port.
    bool start(const QString& pLinkPath, QString& oError);
    bool start(QString& oError) { return start(defaultLinkPath(), oError); }
    void stop();
    bool isRunning() const { return mRunning; }

    EnCalibratorType type() const { return mType; }
    QString modelName() const;
    EnProtocol protocol() const { return protocolOf(mType); }
    QString linkPath() const;
    TCalibratorThermalModel& model() { return mModel; }
    // Null for a model of another protocol.
    TModbusCalibratorPeer* modbusPeer() const { return mModbus.get(); }
    TTextCalibratorPeer* textPeer() const { return mText.get(); }
    // Each request as the peer receives it, on the peer's thread.
    void watchRequests(std::function<void(const QByteArray&)> pWatcher);

private:
    EnCalibratorType mType;
    TCalibratorThermalModel mModel;
    std::unique_ptr<TModbusCalibratorPeer> mModbus;
    std::unique_ptr<TTextCalibratorPeer> mText;
    quint16 mPort = 8101;
    bool mRunning = false;
};
