#pragma once

#include "logfilecontroller.h"
#include "probecontroller.h"
#include "probecontrollerfixture.h"

#include <QDateTime>
#include <QString>
#include <QTest>

#include <memory>

class TScanModeController;

// Puts a log file as TLoggerFixture::putLogfile does, and ends the row with the reason when it cannot be put: what
// the row does after would only fail on what follows from it, or wait for what never comes.
#define TAMARIND_PUT_LOGFILE(pFixture, pName, pContent, pSecondsAgo)                                                   \
    do {                                                                                                               \
        QString logfileProblem;                                                                                        \
        const bool logfileIsPut = (pFixture).putLogfile(pName, pContent, pSecondsAgo, &logfileProblem);                \
        QVERIFY2(logfileIsPut, qPrintable(logfileProblem));                                                            \
    } while (false)

// The data logger as the main window builds it, on the form's logger pages,
// the channel and probe controllers of the simulated board and scan mode,
// with a clock the test moves: each read() is one poll of the 500 ms cycle.
class TLoggerFixture : public TProbeControllerFixture
{
public:
    static constexpr int READ_INTERVAL = 500;

    TLoggerFixture();
    ~TLoggerFixture();

    // Builds the channel controller, the probe database (loaded from the
    // board when asked), scan mode and the logger; its settings are loaded.
    TLogfileController& buildLogger(bool pLoadProbes = false);
    TLogfileController& logger() { return *mLogger; }
    TScanModeController& scanMode() { return *mScanMode; }
    void releaseLogger();

    QDateTime& now() { return mNow; }
    // One read of the measured channel, delivered to the logger; the clock
    // moves on by the read period afterwards.
    void read(TAbstractChannel* pChannel, int pCount = 1);

    QString logfileDir() const;
    // The log files in the directory, newest first.
    QStringList logfileNames() const;
    QByteArray content(const QString& pName) const;
    // The lines after the column titles, without their CR LF.
    QStringList dataLines(const QString& pName) const;
    // Writes a file into the log directory, its modification time pSecondsAgo in the past. False, with the reason in
    // oProblem, when it cannot: TAMARIND_PUT_LOGFILE ends the row with it.
    bool putLogfile(const QString& pName, const QByteArray& pContent, int pSecondsAgo, QString* oProblem) const;

private:
    std::unique_ptr<TScanModeController> mScanMode;
    std::unique_ptr<TLogfileController> mLogger;
    QDateTime mNow;
};
