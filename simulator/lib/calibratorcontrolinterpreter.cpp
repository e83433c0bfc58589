#include "calibratorcontrolinterpreter.h"

#include "calibratorsimulator.h"
#include "controlwords.h"
#include "modbuscalibratorpeer.h"
#include "textcalibratorpeer.h"

#include <algorithm>

using namespace Control_words;

namespace
{
QString number(double pValue, int pDecimals = 3)
{
    return QString::number(pValue, 'f', pDecimals);
}

// A count that defaults to "always" when the command leaves it out.
bool optionalCount(const QStringList& pWords, int pIndex, int& oCount)
{
    if (pWords.size() <= pIndex) {
        oCount = -1;
        return true;
    }
    return toCount(pWords.at(pIndex), oCount);
}
} // namespace

TCalibratorControlInterpreter::TCalibratorControlInterpreter(TCalibratorSimulator& pSimulator) : mSimulator(pSimulator)
{
}

QStringList TCalibratorControlInterpreter::help()
{
    return {
        QStringLiteral("help | status | requests [n]"),
        QStringLiteral("setpoint <degC>            the set point, as if the program had sent it"),
        QStringLiteral("temp <degC>                puts the block at that temperature at once"),
        QStringLiteral("rates <up K/min> <down K/min> | noise <K>"),
        QStringLiteral("partnumber <text> | unit c|f | digits <0-3> [fixed]"),
        QStringLiteral("fault silence <n|always> [after <n>] | fault badcrc <n|always>"),
        QStringLiteral("fault exception <code> [n|always] | fault slave <address> [n|always]"),
        QStringLiteral("fault latency <ms> | fault clear"),
        QStringLiteral("Text and network models: identity <text> (STX/ETX)"),
        QStringLiteral(
            "fault silence <n|always> | fault late <ms> [n|always] | fault readback <K> | fault comma on|off"),
        QStringLiteral(
            "fault garble letter|noetx|noise|equallimits|cr|fields3|blankfirst|empty|register|fivedigits|control "
            "[n|always]"),
        QStringLiteral("fault refuse control|limits|setpoint|write [n|always] | fault unitcode <code>|none"),
        QStringLiteral("fault connection refuse|accept | fault drop [n|always] | fault clear"),
    };
}

QStringList TCalibratorControlInterpreter::execute(const QString& pLine)
{
    const QStringList words = pLine.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.isEmpty())
        return {failure(QStringLiteral("empty command"))};
    const QString command = words.first().toLower();
    QStringList output;
    QString error;
    double value = 0.0;
    if (command == QLatin1String("help")) {
        output = help();
    } else if (command == QLatin1String("status")) {
        output = status();
    } else if (command == QLatin1String("requests")) {
        int count = 20;
        if (words.size() > 1 && !toInteger(words.at(1), count))
            error = QStringLiteral("requests [n]");
        else
            output = requests(count);
    } else if (command == QLatin1String("setpoint") && words.size() == 2 && toNumber(words.at(1), value)) {
        mSimulator.model().setSetPoint(value);
    } else if (command == QLatin1String("temp") && words.size() == 2 && toNumber(words.at(1), value)) {
        mSimulator.model().setTemperature(value);
    } else if (command == QLatin1String("noise") && words.size() == 2 && toNumber(words.at(1), value)) {
        mSimulator.model().setNoise(value);
    } else if (command == QLatin1String("rates") && words.size() == 3) {
        double down = 0.0;
        if (toNumber(words.at(1), value) && toNumber(words.at(2), down) && value > 0.0 && down > 0.0)
            mSimulator.model().setRates(value, down);
        else
            error = QStringLiteral("rates <up K/min> <down K/min>");
    } else if (command == QLatin1String("fault")) {
        error = mSimulator.textPeer() ? setTextFault(words) : setFault(words);
    } else if (command == QLatin1String("identity") && words.size() == 2 && mSimulator.textPeer()) {
        const QByteArray identity = words.at(1).toLatin1();
        mSimulator.textPeer()->withFaults([&identity](TTextPeerFaults& pFaults) { pFaults.mIdentity = identity; });
    } else if (command == QLatin1String("partnumber") || command == QLatin1String("unit") ||
               command == QLatin1String("digits")) {
        error = setModbus(words);
    } else {
        error = QStringLiteral("unknown command or wrong arguments (try help)");
    }
    if (!error.isEmpty())
        return {failure(error)};
    output << OK;
    return output;
}

QStringList TCalibratorControlInterpreter::status() const
{
    TCalibratorThermalModel& model = mSimulator.model();
    QStringList lines;
    lines << QStringLiteral("model %1 (%2)").arg(mSimulator.modelName()).arg(int(mSimulator.type()));
    if (mSimulator.protocol() == TCalibratorSimulator::EnProtocol::pRegisterTcp)
        lines << QStringLiteral("network 127.0.0.1:%1").arg(mSimulator.port());
    else
        lines << QStringLiteral("line %1").arg(mSimulator.linkPath());
    lines << QStringLiteral("setpoint %1 degC").arg(number(model.setPoint()));
    lines << QStringLiteral("temperature %1 degC").arg(number(model.temperature()));
    const double inBand = model.secondsInBand();
    lines << QStringLiteral("stable %1 (%2 s within %3 K)")
                 .arg(model.isStable() ? QStringLiteral("yes") : QStringLiteral("no"))
                 .arg(number(inBand, 1))
                 .arg(TCalibratorThermalModel::STABLE_BAND);
    if (TModbusCalibratorPeer* peer = mSimulator.modbusPeer()) {
        peer->withState([&lines](TModbusCalibratorState& pState) {
            lines << QStringLiteral("partnumber %1").arg(QString::fromLatin1(pState.mPartNumber));
            lines << QStringLiteral("unit %1").arg(pState.mUnitCode == 1 ? QStringLiteral("f") : QStringLiteral("c"));
            lines << QStringLiteral("digits %1 (%2 %3), autoranging %4")
                         .arg(pState.mDigits)
                         .arg(pState.mDigitsFixed ? QStringLiteral("fixed at") : QStringLiteral("at most"))
                         .arg(pState.mMaxDigits)
                         .arg(pState.mDigitAutoranging ? 1 : 0);
        });
        peer->withFaults([&lines](TModbusCalibratorFaults& pFaults) {
            lines << QStringLiteral("faults silence %1, badcrc %2, exception %3 x%4, slave %5 x%6, latency %7 ms")
                         .arg(pFaults.mSilence)
                         .arg(pFaults.mBadCrc)
                         .arg(pFaults.mExceptionCode)
                         .arg(pFaults.mExceptionCount)
                         .arg(pFaults.mForeignSlave)
                         .arg(pFaults.mForeignCount)
                         .arg(pFaults.mLatencyMs);
        });
    }
    return lines;
}

QStringList TCalibratorControlInterpreter::requests(int pCount) const
{
    QStringList lines;
    if (TTextCalibratorPeer* text = mSimulator.textPeer()) {
        const QList<QByteArray> received = text->receivedRequests();
        for (int index = qMax(0, int(received.size()) - pCount); index < received.size(); ++index) {
            QByteArray shown = received.at(index);
            shown.replace('\r', "\\r").replace('\x02', "<STX>").replace('\x03', "<ETX>");
            lines << QString::fromLatin1(shown);
        }
        return lines;
    }
    TModbusCalibratorPeer* peer = mSimulator.modbusPeer();
    if (!peer)
        return lines;
    const QList<TModbusRequestRecord> received = peer->receivedRequests();
    for (int index = qMax(0, int(received.size()) - pCount); index < received.size(); ++index) {
        const TModbusRequestRecord& request = received.at(index);
        lines << QStringLiteral("%1  slave %2 function %3 register %4 %5 %6%7")
                     .arg(QString::fromLatin1(request.mFrame.toHex(' ')))
                     .arg(request.mSlave)
                     .arg(request.mFunction)
                     .arg(request.mRegister)
                     .arg(request.mFunction == 6 ? QStringLiteral("value") : QStringLiteral("count"))
                     .arg(request.mValue)
                     .arg(request.mChecksumValid ? QString() : QStringLiteral(" BAD CRC"));
    }
    return lines;
}

QString TCalibratorControlInterpreter::setFault(const QStringList& pWords)
{
    TModbusCalibratorPeer* peer = mSimulator.modbusPeer();
    if (!peer)
        return QStringLiteral("this model has no such faults");
    const QString kind = pWords.value(1).toLower();
    int first = 0;
    int count = 0;
    bool ok = false;
    TModbusCalibratorFaults changed;
    peer->withFaults([&changed](TModbusCalibratorFaults& pFaults) { changed = pFaults; });
    if (kind == QLatin1String("clear") && pWords.size() == 2) {
        changed = TModbusCalibratorFaults();
        ok = true;
    } else if (kind == QLatin1String("silence") && (pWords.size() == 3 || pWords.size() == 5)) {
        ok = toCount(pWords.at(2), changed.mSilence);
        changed.mSilenceAfter = 0;
        if (pWords.size() == 5)
            ok = ok && pWords.at(3) == QLatin1String("after") && toCount(pWords.at(4), changed.mSilenceAfter);
    } else if (kind == QLatin1String("badcrc") && pWords.size() == 3) {
        ok = toCount(pWords.at(2), changed.mBadCrc);
    } else if (kind == QLatin1String("latency") && pWords.size() == 3) {
        ok = toInteger(pWords.at(2), changed.mLatencyMs) && changed.mLatencyMs >= 0;
    } else if ((kind == QLatin1String("exception") || kind == QLatin1String("slave")) && pWords.size() >= 3 &&
               pWords.size() <= 4) {
        ok = toInteger(pWords.at(2), first) && first > 0 && first < 256 && optionalCount(pWords, 3, count);
        if (ok && kind == QLatin1String("exception")) {
            changed.mExceptionCode = first;
            changed.mExceptionCount = count;
        } else if (ok) {
            changed.mForeignSlave = first;
            changed.mForeignCount = count;
        }
    }
    if (!ok)
        return QStringLiteral("fault silence|badcrc <n|always>, exception|slave <number> [n|always], latency <ms>, "
                              "clear");
    peer->withFaults([&changed](TModbusCalibratorFaults& pFaults) { pFaults = changed; });
    return QString();
}

QString TCalibratorControlInterpreter::setModbus(const QStringList& pWords)
{
    TModbusCalibratorPeer* peer = mSimulator.modbusPeer();
    const QString usage = QStringLiteral("partnumber <text> | unit c|f | digits <0-3> [fixed] (Modbus models)");
    if (!peer || pWords.size() < 2)
        return usage;
    const QString value = pWords.at(1);
    if (pWords.first().toLower() == QLatin1String("digits")) {
        int digits = -1;
        const bool fixed = pWords.size() == 3 && pWords.at(2).toLower() == QLatin1String("fixed");
        if (!toInteger(value, digits) || digits < 0 || digits > 3 || (pWords.size() == 3 && !fixed) ||
            pWords.size() > 3)
            return QStringLiteral("digits <0-3> [fixed]");
        peer->withState([digits, fixed](TModbusCalibratorState& pState) {
            pState.mMaxDigits = digits;
            pState.mDigitsFixed = fixed;
            pState.mDigits = fixed ? digits : std::min(pState.mDigits, digits);
        });
        return QString();
    }
    if (pWords.size() != 2)
        return usage;
    if (pWords.first().toLower() == QLatin1String("partnumber")) {
        peer->withState([&value](TModbusCalibratorState& pState) { pState.mPartNumber = value.toLatin1().left(30); });
        return QString();
    }
    if (value.compare(QLatin1String("c"), Qt::CaseInsensitive) != 0 &&
        value.compare(QLatin1String("f"), Qt::CaseInsensitive) != 0)
        return QStringLiteral("unit c|f");
    const quint8 code = value.compare(QLatin1String("f"), Qt::CaseInsensitive) == 0 ? 1 : 0;
    peer->withState([code](TModbusCalibratorState& pState) { pState.mUnitCode = code; });
    return QString();
}

QString TCalibratorControlInterpreter::setTextFault(const QStringList& pWords)
{
    const QString kind = pWords.value(1).toLower();
    TTextPeerFaults changed;
    mSimulator.textPeer()->withFaults([&changed](TTextPeerFaults& pFaults) { changed = pFaults; });
    bool ok = false;
    double value = 0.0;
    if (kind == QLatin1String("clear") && pWords.size() == 2) {
        changed = TTextPeerFaults();
        ok = true;
    } else if (kind == QLatin1String("silence") && pWords.size() == 3) {
        ok = toCount(pWords.at(2), changed.mSilence);
    } else if (kind == QLatin1String("late") && (pWords.size() == 3 || pWords.size() == 4)) {
        ok = toInteger(pWords.at(2), changed.mLateMs) && changed.mLateMs >= 0 &&
             optionalCount(pWords, 3, changed.mLateCount);
    } else if (kind == QLatin1String("readback") && pWords.size() == 3 && toNumber(pWords.at(2), value)) {
        changed.mReadBackOffset = value;
        ok = true;
    } else if (kind == QLatin1String("comma") && pWords.size() == 3) {
        changed.mDecimalComma = pWords.at(2) == QLatin1String("on");
        ok = changed.mDecimalComma || pWords.at(2) == QLatin1String("off");
    } else if ((kind == QLatin1String("garble") || kind == QLatin1String("refuse")) &&
               (pWords.size() == 3 || pWords.size() == 4)) {
        const bool garble = kind == QLatin1String("garble");
        (garble ? changed.mGarble : changed.mRefuse) = pWords.at(2).toLower();
        ok = optionalCount(pWords, 3, garble ? changed.mGarbleCount : changed.mRefuseCount);
    } else if (kind == QLatin1String("unitcode") && pWords.size() == 3) {
        changed.mUnitCode = -1;
        ok = pWords.at(2) == QLatin1String("none") ||
             (toInteger(pWords.at(2), changed.mUnitCode) && changed.mUnitCode >= 0);
    } else if (kind == QLatin1String("connection") && pWords.size() == 3) {
        changed.mRefuseConnections = pWords.at(2) == QLatin1String("refuse");
        ok = changed.mRefuseConnections || pWords.at(2) == QLatin1String("accept");
    } else if (kind == QLatin1String("drop") && pWords.size() <= 3) {
        ok = optionalCount(pWords, 2, changed.mDrop);
    }
    if (!ok)
        return QStringLiteral("fault silence|late|readback|comma|garble|refuse|unitcode|connection|drop|clear "
                              "(try help)");
    mSimulator.textPeer()->withFaults([&changed](TTextPeerFaults& pFaults) { pFaults = changed; });
    return QString();
}
