#include "simulatedsmartprobe.h"

#include "boardreplies.h"
#include "boardstate.h"
#include "sensorcurves.h"

#include <QLocale>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <functional>

using namespace Board_replies;

namespace
{
bool toFlag(const QString& pText, bool& oFlag)
{
    if (pText != QLatin1String("0") && pText != QLatin1String("1"))
        return false;
    oFlag = pText == QLatin1String("1");
    return true;
}

// "0,0,0" clears a date; anything else must be a valid year, month and day.
bool toDate(const QString& pText, QDate& oDate)
{
    const QStringList fields = pText.split(QLatin1Char(','));
    if (fields.size() != 3)
        return false;
    int parts[3] = {0, 0, 0};
    for (int i = 0; i < 3; ++i) {
        bool ok = false;
        parts[i] = fields.at(i).toInt(&ok, 10);
        if (!ok)
            return false;
    }
    if (parts[0] == 0 && parts[1] == 0 && parts[2] == 0) {
        oDate = QDate();
        return true;
    }
    oDate = QDate(parts[0], parts[1], parts[2]);
    return oDate.isValid();
}

// No date reads back as an empty reply.
QByteArray dateText(const QDate& pDate)
{
    return pDate.isValid() ? QLocale::c().toString(pDate, QStringLiteral("yyyy,MM,dd")).toLatin1() : QByteArray();
}

bool toCoefficientIndex(const QString& pText, int& oIndex)
{
    bool ok = false;
    oIndex = pText.toInt(&ok, 10);
    return ok && oIndex >= 1 && oIndex <= TSimulatedSmartProbe::COEFFICIENT_COUNT;
}
} // namespace

TSimulatedSmartProbe TSimulatedSmartProbe::callendarVanDusenPt100()
{
    TSimulatedSmartProbe probe;
    probe.mName = QStringLiteral("SPRT100-4711");
    probe.mCalDate = QDate(2024, 1, 15);
    probe.mCalNext = QDate(2025, 1, 15);
    probe.mCalSource = QStringLiteral("ZELK calibration lab");
    probe.mReferenceResistor = rr100Ohm;
    probe.mStandard = stCvD;
    probe.mCoefficients = {100.0123, 3.90802e-3, -5.80195e-7, -4.2735e-12, 0.0, 0.0, 0.0, 0.0};
    probe.mWorkMax = 390.48;
    probe.mWorkMin = 18.52;
    probe.mRecMaxLastCal = 138.51;
    probe.mRecMinLastCal = 92.16;
    probe.mRecMaxEver = 247.09;
    probe.mRecMinEver = 60.26;
    return probe;
}

TSimulatedSmartProbe TSimulatedSmartProbe::its90Pt25()
{
    TSimulatedSmartProbe probe;
    probe.mName = QStringLiteral("SPRT25-0815");
    probe.mReference = true;
    probe.mCalDate = QDate(2023, 6, 1);
    probe.mCalSource = QStringLiteral("National lab");
    probe.mReferenceResistor = rr25Ohm;
    probe.mStandard = stITS90;
    probe.mCoefficients = {25.5468, -1.2345e-4, 2.3456e-5, -3.4567e-5, 4.5678e-6, -5.6789e-7, 6.789e-8, 0.0};
    probe.mWorkMax = 84.0;
    probe.mWorkMin = 4.5;
    probe.mRecMaxLastCal = 27.9;
    probe.mRecMinLastCal = 25.1;
    probe.mRecMaxEver = 62.3;
    probe.mRecMinEver = 5.2;
    return probe;
}

double TSimulatedSmartProbe::resistanceAt(double pTemperature) const
{
    // An ITS-90 set is close enough to the standard curve through its R(0.01 degrees Celsius).
    if (mStandard == stITS90)
        return TSensorCurves::standardPlatinum(pTemperature, mCoefficients[0]);
    return TSensorCurves::callendarVanDusen(pTemperature, mCoefficients[0], mCoefficients[1], mCoefficients[2],
                                            mCoefficients[3]);
}

void TSimulatedSmartProbe::record(double pResistance)
{
    if (std::isnan(pResistance))
        return;
    mRecMaxLastCal = std::max(mRecMaxLastCal, pResistance);
    mRecMinLastCal = std::min(mRecMinLastCal, pResistance);
    mRecMaxEver = std::max(mRecMaxEver, pResistance);
    mRecMinEver = std::min(mRecMinEver, pResistance);
}

void TSimulatedSmartProbes::plug(int pChannel, const TSimulatedSmartProbe& pProbe)
{
    mProbes[pChannel] = pProbe;
    mChanged[pChannel] = true;
}

void TSimulatedSmartProbes::unplug(int pChannel)
{
    mProbes.erase(pChannel);
    mChanged.erase(pChannel);
}

TSimulatedSmartProbe* TSimulatedSmartProbes::probe(int pChannel)
{
    const auto found = mProbes.find(pChannel);
    return found == mProbes.end() ? nullptr : &found->second;
}

void TSimulatedSmartProbes::markChanged(int pChannel)
{
    if (mProbes.count(pChannel))
        mChanged[pChannel] = true;
}

int TSimulatedSmartProbes::takeStatus(int pChannel)
{
    const TSimulatedSmartProbe* smartProbe = probe(pChannel);
    if (!smartProbe)
        return 1;
    if (mChanged[pChannel]) {
        mChanged[pChannel] = false;
        return 3;
    }
    return smartProbe->mEnabled ? 2 : 0;
}

TSimulatedSmartProbe* TSimulatedSmartProbes::measuredProbe(const TBoardState& pBoard, double pNow, QByteArray& oError)
{
    TSimulatedSmartProbe* smartProbe = probe(pBoard.mMeasuredChannel);
    if (!smartProbe || pNow - mLastChannelChange < READY_AFTER_CHANNEL_CHANGE) {
        oError = NO_SMART_PROBE;
        return nullptr;
    }
    return smartProbe;
}

void TSimulatedSmartProbes::addCommands(TBoardState& pBoard)
{
    pBoard.addCommand("conf:chan:smar?", true, [this, &pBoard](const QString&, double) {
        return QByteArray(probe(pBoard.mMeasuredChannel) ? "1" : "0");
    });
    addSetters(pBoard);
    addQueries(pBoard);
}

void TSimulatedSmartProbes::addSetters(TBoardState& pBoard)
{
    // Each write gives the new value to the probe, or refuses it with E5.
    using TWrite = std::function<bool(TSimulatedSmartProbe&, const QString&)>;
    const auto addWrite = [this, &pBoard](const char* pHeader, TWrite pWrite) {
        // The lock guards the probe's data; the user still enables and
        // disables a locked probe, and unlocks it.
        const bool allowedWhenLocked =
            QByteArray(pHeader) == "sens:frtd:lock" || QByteArray(pHeader) == "sens:frtd:enab";
        pBoard.addCommand(pHeader, true,
                          [this, &pBoard, pWrite, allowedWhenLocked](const QString& pArguments, double pNow) {
                              QByteArray error;
                              TSimulatedSmartProbe* smartProbe = measuredProbe(pBoard, pNow, error);
                              if (!smartProbe)
                                  return error;
                              if (smartProbe->mLocked && !allowedWhenLocked)
                                  return SMART_PROBE_LOCKED;
                              if (!pWrite(*smartProbe, pArguments))
                                  return ILLEGAL_COMMAND;
                              return CONFIRMED;
                          });
    };
    addWrite("sens:frtd:iden", [](TSimulatedSmartProbe& pProbe, const QString& pArguments) {
        pProbe.mName = pArguments.left(TSimulatedSmartProbe::MAX_NAME_LENGTH);
        return true;
    });
    for (const auto& [header, flag] : {std::pair{"sens:frtd:stat:refe", &TSimulatedSmartProbe::mReference},
                                       std::pair{"sens:frtd:enab", &TSimulatedSmartProbe::mEnabled},
                                       std::pair{"sens:frtd:lock", &TSimulatedSmartProbe::mLocked}}) {
        addWrite(header, [flag = flag](TSimulatedSmartProbe& pProbe, const QString& pArguments) {
            return toFlag(pArguments, pProbe.*flag);
        });
    }
    for (const auto& [header, date] : {std::pair{"sens:frtd:cal:date", &TSimulatedSmartProbe::mCalDate},
                                       std::pair{"sens:frtd:cal:next", &TSimulatedSmartProbe::mCalNext}}) {
        addWrite(header, [date = date](TSimulatedSmartProbe& pProbe, const QString& pArguments) {
            return toDate(pArguments, pProbe.*date);
        });
    }
    addWrite("sens:frtd:cal:sour", [](TSimulatedSmartProbe& pProbe, const QString& pArguments) {
        pProbe.mCalSource = pArguments;
        return true;
    });
    addWrite("sens:frtd:refe:res", [](TSimulatedSmartProbe& pProbe, const QString& pArguments) {
        const int resistor = pArguments.toInt();
        if (resistor != TSimulatedSmartProbe::rr25Ohm && resistor != TSimulatedSmartProbe::rr100Ohm)
            return false;
        pProbe.mReferenceResistor = resistor;
        return true;
    });
    addWrite("sens:frtd:stan", [](TSimulatedSmartProbe& pProbe, const QString& pArguments) {
        const int standard = pArguments.toInt();
        if (standard < TSimulatedSmartProbe::stEN60751 || standard > TSimulatedSmartProbe::stDIN)
            return false;
        pProbe.mStandard = standard;
        return true;
    });
    addWrite("sens:frtd:rang", [](TSimulatedSmartProbe& pProbe, const QString& pArguments) {
        const QStringList fields = pArguments.split(QLatin1Char(','));
        bool maximumOk = false;
        bool minimumOk = false;
        const double maximum = fields.value(0).toDouble(&maximumOk);
        const double minimum = fields.value(1).toDouble(&minimumOk);
        if (fields.size() != 2 || !maximumOk || !minimumOk)
            return false;
        pProbe.mWorkMax = maximum;
        pProbe.mWorkMin = minimum;
        return true;
    });
    // The coefficient index has an answer of its own when it is out of range.
    pBoard.addCommand("sens:frtd:coef", true, [this, &pBoard](const QString& pArguments, double pNow) {
        QByteArray error;
        TSimulatedSmartProbe* smartProbe = measuredProbe(pBoard, pNow, error);
        if (!smartProbe)
            return error;
        if (smartProbe->mLocked)
            return SMART_PROBE_LOCKED;
        const QStringList fields = pArguments.split(QLatin1Char(','));
        int index = 0;
        bool ok = false;
        const double value = fields.value(1).toDouble(&ok);
        if (fields.size() != 2 || !ok)
            return ILLEGAL_COMMAND;
        if (!toCoefficientIndex(fields.at(0), index))
            return COEFFICIENT_UNAVAILABLE;
        smartProbe->mCoefficients[index - 1] = value;
        return CONFIRMED;
    });
}

void TSimulatedSmartProbes::addQueries(TBoardState& pBoard)
{
    using TRead = std::function<QByteArray(const TSimulatedSmartProbe&, const QString&)>;
    const auto addRead = [this, &pBoard](const char* pHeader, TRead pRead) {
        pBoard.addCommand(pHeader, true, [this, &pBoard, pRead](const QString& pArguments, double pNow) {
            QByteArray error;
            const TSimulatedSmartProbe* smartProbe = measuredProbe(pBoard, pNow, error);
            return smartProbe ? pRead(*smartProbe, pArguments) : error;
        });
    };
    const auto flag = [](bool pFlag) { return QByteArray(pFlag ? "1" : "0"); };
    addRead("sens:frtd:iden?",
            [](const TSimulatedSmartProbe& pProbe, const QString&) { return pProbe.mName.toLatin1(); });
    addRead("sens:frtd:stat:refe?",
            [flag](const TSimulatedSmartProbe& pProbe, const QString&) { return flag(pProbe.mReference); });
    addRead("sens:frtd:cal:date?",
            [](const TSimulatedSmartProbe& pProbe, const QString&) { return dateText(pProbe.mCalDate); });
    addRead("sens:frtd:cal:next?",
            [](const TSimulatedSmartProbe& pProbe, const QString&) { return dateText(pProbe.mCalNext); });
    addRead("sens:frtd:cal:sour?",
            [](const TSimulatedSmartProbe& pProbe, const QString&) { return pProbe.mCalSource.toLatin1(); });
    addRead("sens:frtd:enab?",
            [flag](const TSimulatedSmartProbe& pProbe, const QString&) { return flag(pProbe.mEnabled); });
    addRead("sens:frtd:lock?",
            [flag](const TSimulatedSmartProbe& pProbe, const QString&) { return flag(pProbe.mLocked); });
    addRead("sens:frtd:refe:res?", [](const TSimulatedSmartProbe& pProbe, const QString&) {
        return QByteArray::number(pProbe.mReferenceResistor);
    });
    addRead("sens:frtd:stan?",
            [](const TSimulatedSmartProbe& pProbe, const QString&) { return QByteArray::number(pProbe.mStandard); });
    addRead("sens:frtd:coef?", [](const TSimulatedSmartProbe& pProbe, const QString& pArguments) {
        int index = 0;
        return toCoefficientIndex(pArguments, index) ? number(pProbe.mCoefficients[index - 1])
                                                     : COEFFICIENT_UNAVAILABLE;
    });
    addRead("sens:frtd:rang?", [](const TSimulatedSmartProbe& pProbe, const QString&) {
        return number(pProbe.mWorkMax) + ',' + number(pProbe.mWorkMin) + ',' + number(pProbe.mRecMaxLastCal) + ',' +
               number(pProbe.mRecMinLastCal) + ',' + number(pProbe.mRecMaxEver) + ',' + number(pProbe.mRecMinEver);
    });
}
