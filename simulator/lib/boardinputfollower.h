#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include <map>

class QLocalSocket;
class TCalibratorThermalModel;

// Keeps inputs of a separately running board simulator at the temperature of
// this calibrator's block, each with an error of its own, as probes put into
// the block would read. Several calibrators may serve one board: the one that
// last received a set point owns the inputs, and it marks that in a file next
// to the board's control socket. Talks to the board only through its control
// commands.
class TBoardInputFollower : public QObject
{
    Q_OBJECT

public:
    static constexpr int UPDATE_INTERVAL_MS = 1000;
    static constexpr double NOISE_KELVIN = 0.002;

    TBoardInputFollower(TCalibratorThermalModel& pModel, const QString& pBoardControlSocket,
                        std::map<int, double> pOffsetByInput, QObject* pParent = nullptr);
    ~TBoardInputFollower() override;

    // "1:0,2:0.03,3:-0.2": input and offset in kelvin; false for anything else.
    static bool parseInputs(const QString& pText, std::map<int, double>& oOffsetByInput);

    void start();
    // One turn: claims the inputs after a new set point and, while this
    // calibrator owns them, sends their temperatures.
    void update();
    bool ownsInputs() const;

private:
    QString ownerFile() const;

    TCalibratorThermalModel& mModel;
    QString mBoardControlSocket;
    std::map<int, double> mOffsetByInput;
    QLocalSocket* mSocket;
    QTimer mTimer;
    unsigned long mSeenSetPoints = 0;
};
