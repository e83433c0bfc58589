#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <memory>
#include <mutex>

class TCalibratorThermalModel;

// Faults of the text-protocol calibrators; a count is the number of requests
// it acts on, -1 for always.
struct TTextPeerFaults
{
    int mSilence = 0;
    // How replies are spoiled: "letter", "noetx", "noise" (bytes around the
    // frame), "equallimits" (STX/ETX); "cr", "fields3", "blankfirst", "empty"
    // (variable protocol); "register", "fivedigits", "control" (the reply to
    // the temperature control write for another register) (register protocol).
    QString mGarble;
    int mGarbleCount = 0;
    // What is refused: "control", "limits", "setpoint" (STX/ETX); "write"
    // (variable protocol).
    QString mRefuse;
    int mRefuseCount = 0;
    // Added to the set point the calibrator reports back, in kelvin.
    double mReadBackOffset = 0.0;
    int mLateMs = 0;
    int mLateCount = 0;
    // Numbers written with a decimal comma.
    bool mDecimalComma = false;
    // The STX/ETX identification; empty for the model's own.
    QByteArray mIdentity;
    // The variable protocol's unit code reported instead of the real one; -1 none.
    int mUnitCode = -1;
    // The register protocol's connection faults.
    bool mRefuseConnections = false;
    int mDrop = 0;
};

// Takes one request off the line, and answers it. Each model family speaks its
// own protocol, written from its description and sharing nothing with the
// program's connectors. Called with the peer's lock held.
class TTextCalibratorProtocol
{
public:
    virtual ~TTextCalibratorProtocol() = default;
    // Removes and returns the next complete request at the front, empty when
    // none is complete yet (bytes that belong to no request are dropped).
    virtual QByteArray takeRequest(QByteArray& pBuffer) = 0;
    // The reply, empty for none; pFaults are consumed as they act.
    virtual QByteArray answer(const QByteArray& pRequest, TTextPeerFaults& pFaults) = 0;

    static std::unique_ptr<TTextCalibratorProtocol> stxEtx(TCalibratorThermalModel& pModel, int pTmin, int pTmax);
    static std::unique_ptr<TTextCalibratorProtocol> variable(TCalibratorThermalModel& pModel, int pTmin, int pTmax);
    static std::unique_ptr<TTextCalibratorProtocol> registers(TCalibratorThermalModel& pModel, int pTmin, int pTmax);
};
