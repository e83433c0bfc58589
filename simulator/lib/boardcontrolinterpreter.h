#pragma once

#include <QString>
#include <QStringList>

class TBoardSimulator;
class TBoardState;

// The line commands with which people and tests steer the running simulated
// board: temperatures and their course, sensors plugged and unplugged, switch
// boxes, SMART probes, identity, and link faults. Each command gets one answer: its output
// lines (if any) and then "OK", or a single line "ERR" and the reason.
class TBoardControlInterpreter
{
public:
    explicit TBoardControlInterpreter(TBoardSimulator& pSimulator);

    // The answer lines, without line ends.
    QStringList execute(const QString& pLine);

    static QStringList help();

private:
    QStringList status();
    // Why the board is without its line, for restart and status; empty while it is linked.
    QString lineProblem() const;
    QString setSignal(const QStringList& pWords);
    QString setSensor(int pChannel, const QString& pSensor);
    QString setSwitchBox(const QStringList& pWords);
    QString setSmartProbe(const QStringList& pWords);
    QString changeSmartProbe(const QStringList& pWords, const QString& pLine);
    QString setIdentity(const QString& pFields);
    QString setFault(const QStringList& pWords);
    QString setCommandFault(const QString& pLine);
    QString setProbeSlot(const QString& pLine);

    TBoardSimulator& mSimulator;
};
