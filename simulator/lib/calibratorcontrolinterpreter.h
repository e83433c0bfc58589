#pragma once

#include <QString>
#include <QStringList>

class TCalibratorSimulator;

// The control commands of a simulated calibrator, one line each; the answer is
// its output lines and "OK", or one line "ERR <reason>".
class TCalibratorControlInterpreter
{
public:
    explicit TCalibratorControlInterpreter(TCalibratorSimulator& pSimulator);

    QStringList execute(const QString& pLine);
    static QStringList help();

private:
    QStringList status() const;
    QStringList requests(int pCount) const;
    QString setFault(const QStringList& pWords);
    QString setModbus(const QStringList& pWords);
    QString setTextFault(const QStringList& pWords);

    TCalibratorSimulator& mSimulator;
};
