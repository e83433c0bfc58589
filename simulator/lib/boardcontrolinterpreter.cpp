#include "boardcontrolinterpreter.h"

#include "boardreplies.h"
#include "boardsimulator.h"
#include "controlwords.h"

#include <QRegularExpression>

#include <algorithm>

using namespace Control_words;

TBoardControlInterpreter::TBoardControlInterpreter(TBoardSimulator& pSimulator) : mSimulator(pSimulator) {}

QStringList TBoardControlInterpreter::help()
{
    return {
        QStringLiteral("help | status | commands [n]"),
        QStringLiteral("temp <channel> <degC>"),
        QStringLiteral("ramp <channel> <start degC> <degC per minute>"),
        QStringLiteral("noise <channel> <mean degC> <standard deviation degC>"),
        QStringLiteral("step <channel> <before degC> <after degC> <after seconds>"),
        QStringLiteral("probe <channel> none|pt100|pt25|tc-j|tc-k|tc-t  |  unplug <channel>"),
        QStringLiteral("open <channel> 1|0   (1: the sensor is open, both values \"nan\")"),
        QStringLiteral("coldjunction <degC>"),
        QStringLiteral("reference <channel> <ohm or mV>|none | rawerror <item 1-7> <gain> <offset>"),
        QStringLiteral("adaptor <channel> <degC> <error degC> | adaptor off"),
        QStringLiteral("smart <channel> cvd|its90|none"),
        QStringLiteral("smartset <channel> name|source <text> | reference|enabled|locked 0|1"),
        QStringLiteral("smartset <channel> caldate|calnext <yyyy-mm-dd>|none | refres 1|2 | standard 1-4"),
        QStringLiteral("smartset <channel> coef <1-8> <value> | range <max ohm> <min ohm>"),
        QStringLiteral("box <port 1-4> <type 0-5> [serial] [pcb serial] [version] [yyyy-mm-dd]"),
        QStringLiteral("idn <maker>,<model>,<serial>,<version>,<dd/MM/yyyy> | model <model>"),
        QStringLiteral("calibrated 0|1 | runtime <seconds>"),
        QStringLiteral("restart"),
        QStringLiteral("fault nak|badcrc|silence|together|noise|restart|restartafter <count>"),
        QStringLiteral("fault stray <count> [byte in hex] | fault pieces <count> [bytes] [gap ms]"),
        QStringLiteral("fault zero <count> [position] | fault late <count> [delay ms]"),
        QStringLiteral("fault error <number> [count] | fault reply <text> | fault clear"),
        QStringLiteral(
            "fault on <prefix>|\"<prefix with blanks>\" error <number> [count] | silence [count] | reply <text>"),
        QStringLiteral("slot <1-85> <probe record>|empty"),
        QStringLiteral("thermistor <1-85> <current 0-2> <range 0-2>"),
        QStringLiteral("(a count is a number of commands or \"always\")"),
    };
}

QStringList TBoardControlInterpreter::execute(const QString& pLine)
{
    const QString line = pLine.trimmed();
    QStringList words = line.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    if (words.isEmpty())
        return {failure(QStringLiteral("empty command"))};
    words[0] = words.at(0).toLower();
    const QString command = words.at(0);
    QString result;
    if (command == QLatin1String("help")) {
        return help() << OK;
    } else if (command == QLatin1String("status")) {
        return status() << OK;
    } else if (command == QLatin1String("restart") && words.size() == 1) {
        if (!mSimulator.restart())
            result = failure(lineProblem());
    } else if (command == QLatin1String("commands")) {
        int count = 20;
        if (words.size() > 1 && !toInteger(words.at(1), count))
            return {failure(QStringLiteral("commands [n]"))};
        QStringList lines;
        const QList<QByteArray> received = mSimulator.receivedCommands();
        for (int i = std::max(0, int(received.size()) - count); i < received.size(); ++i)
            lines << QString::fromLatin1(received.at(i));
        return lines << OK;
    } else if (command == QLatin1String("temp") || command == QLatin1String("ramp") ||
               command == QLatin1String("noise") || command == QLatin1String("step")) {
        result = setSignal(words);
    } else if (command == QLatin1String("probe") && words.size() == 3) {
        int channel = 0;
        result = toInteger(words.at(1), channel) ? setSensor(channel, words.at(2))
                                                 : failure(QStringLiteral("probe <channel> <sensor>"));
    } else if (command == QLatin1String("unplug") && words.size() == 2) {
        int channel = 0;
        result = toInteger(words.at(1), channel) ? setSensor(channel, QStringLiteral("none"))
                                                 : failure(QStringLiteral("unplug <channel>"));
    } else if (command == QLatin1String("open") && words.size() == 3 &&
               (words.at(2) == QLatin1String("0") || words.at(2) == QLatin1String("1"))) {
        int channel = 0;
        bool known = toInteger(words.at(1), channel);
        const bool open = words.at(2) == QLatin1String("1");
        if (known)
            mSimulator.withState([&](TBoardState& pState) { known = pState.setOpen(channel, open); });
        if (!known)
            result = failure(QStringLiteral("open <channel> 1|0: no such input"));
    } else if (command == QLatin1String("coldjunction") && words.size() == 2) {
        double temperature = 0.0;
        if (!toNumber(words.at(1), temperature))
            return {failure(QStringLiteral("coldjunction <degC>"))};
        mSimulator.withState([=](TBoardState& pState) { pState.mColdJunctionTemperature = temperature; });
    } else if (command == QLatin1String("reference") && words.size() == 3) {
        int channel = 0;
        double value = 0.0;
        const bool none = words.at(2) == QLatin1String("none");
        if (!toInteger(words.at(1), channel) || (!none && !toNumber(words.at(2), value)))
            return {failure(QStringLiteral("reference <channel> <ohm or mV>|none"))};
        mSimulator.withState([=](TBoardState& pState) {
            if (none)
                pState.mExternalReferences.erase(channel);
            else
                pState.mExternalReferences[channel] = value;
        });
    } else if (command == QLatin1String("rawerror") && words.size() == 4) {
        int item = 0;
        double gain = 1.0;
        double offset = 0.0;
        if (!toInteger(words.at(1), item) || item < 1 || item > TSimulatedCalibration::ITEM_COUNT ||
            !toNumber(words.at(2), gain) || !toNumber(words.at(3), offset))
            return {failure(QStringLiteral("rawerror <item 1-7> <gain> <offset>"))};
        mSimulator.withState([=](TBoardState& pState) { pState.mRawErrors[size_t(item - 1)] = {gain, offset}; });
    } else if (command == QLatin1String("adaptor") && words.size() == 2 && words.at(1) == QLatin1String("off")) {
        mSimulator.withState([](TBoardState& pState) { pState.mAdaptorConnected = false; });
    } else if (command == QLatin1String("adaptor") && words.size() == 4) {
        int channel = 0;
        double temperature = 0.0;
        double error = 0.0;
        if (!toInteger(words.at(1), channel) || !toNumber(words.at(2), temperature) || !toNumber(words.at(3), error))
            return {failure(QStringLiteral("adaptor <channel> <degC> <error degC>"))};
        mSimulator.withState([=](TBoardState& pState) {
            pState.mAdaptorConnected = true;
            pState.mAdaptorChannel = channel;
            pState.mAdaptorTemperature = temperature;
            pState.mAdaptorError = error;
        });
    } else if (command == QLatin1String("smart")) {
        result = setSmartProbe(words);
    } else if (command == QLatin1String("smartset")) {
        result = changeSmartProbe(words, line);
    } else if (command == QLatin1String("box")) {
        result = setSwitchBox(words);
    } else if (command == QLatin1String("idn") && words.size() >= 2) {
        result = setIdentity(line.mid(line.indexOf(QLatin1Char(' ')) + 1).trimmed());
    } else if (command == QLatin1String("model") && words.size() == 2) {
        const QString model = words.at(1);
        mSimulator.withState([&](TBoardState& pState) { pState.mIdentity.mModel = model; });
    } else if (command == QLatin1String("calibrated") && words.size() == 2 &&
               (words.at(1) == QLatin1String("0") || words.at(1) == QLatin1String("1"))) {
        const bool calibrated = words.at(1) == QLatin1String("1");
        mSimulator.withState([=](TBoardState& pState) { pState.mCalibrated = calibrated; });
    } else if (command == QLatin1String("runtime") && words.size() == 2) {
        bool ok = false;
        const quint32 seconds = words.at(1).toUInt(&ok, 10);
        if (!ok)
            return {failure(QStringLiteral("runtime <seconds>"))};
        // The board adds the time since the simulator started.
        mSimulator.withState(
            [=](TBoardState& pState) { pState.mOperatingTimeBase = seconds - quint32(pState.secondsSinceStart()); });
    } else if (command == QLatin1String("slot")) {
        result = setProbeSlot(line);
    } else if (command == QLatin1String("thermistor")) {
        int number = 0;
        int current = 0;
        int range = 0;
        bool set = words.size() == 4 && toInteger(words.at(1), number) && toInteger(words.at(2), current) &&
                   toInteger(words.at(3), range);
        if (set)
            mSimulator.withState(
                [&](TBoardState& pState) { set = pState.mProbeMemory.setThermistorReadout(number, current, range); });
        if (!set)
            result = failure(QStringLiteral("thermistor <stored thermistor 1-85> <current 0-2> <range 0-2>"));
    } else if (command == QLatin1String("fault")) {
        if (words.size() >= 2 && words.at(1) == QLatin1String("on")) {
            result = setCommandFault(line);
        } else if (words.size() >= 2 && words.at(1) == QLatin1String("reply")) {
            // The text is taken as it stands, blanks included.
            const int start = line.indexOf(QLatin1String("reply")) + 5;
            const QByteArray text = line.mid(start).trimmed().toLatin1();
            mSimulator.withFaults([&](TBoardFaults& pFaults) { pFaults.mInjectedReplies << text; });
        } else {
            result = setFault(words);
        }
    } else {
        result = failure(QStringLiteral("unknown command \"%1\"; try help").arg(line));
    }
    return {result.isEmpty() ? OK : result};
}

QStringList TBoardControlInterpreter::status()
{
    QStringList lines;
    mSimulator.withState([&](TBoardState& pState) {
        const TBoardIdentity& id = pState.mIdentity;
        lines << QStringLiteral("identity %1,%2,%3,%4,%5")
                     .arg(id.mMaker, id.mModel, id.mSerialNumber, id.mFirmwareVersion,
                          id.mFirmwareDate.toString(QStringLiteral("dd/MM/yyyy")));
        lines << QStringLiteral("calibrated %1, operating time %2 s")
                     .arg(pState.mCalibrated ? 1 : 0)
                     .arg(quint64(pState.mOperatingTimeBase) + quint64(pState.secondsSinceStart()));
        QString measured = QStringLiteral("measured channel %1").arg(pState.mMeasuredChannel);
        const auto operands = pState.mOperands.find(pState.mMeasuredChannel);
        if (operands != pState.mOperands.end())
            measured += QStringLiteral(" (operands %1, %2)").arg(operands->second.first).arg(operands->second.second);
        lines << measured;
        lines << QStringLiteral("thermocouple millivolt %1, cold junction %2 degC")
                     .arg(pState.mThermocoupleMillivolt ? 1 : 0)
                     .arg(pState.mColdJunctionTemperature);
        for (const auto& input : pState.mInputs) {
            if (input.second.mSensor != ssNone)
                lines << QStringLiteral("input %1: %2, %3%4")
                             .arg(input.first)
                             .arg(TSimulatedInput::sensorName(input.second.mSensor), input.second.mSignal.toText(),
                                  input.second.mOpen ? QStringLiteral(", open") : QString());
        }
        for (const auto& [channel, probe] : pState.mSmartProbes.probes()) {
            lines << QStringLiteral("smart %1: \"%2\", reference %3, calibrated %4, next %5, source \"%6\", "
                                    "enabled %7, locked %8, resistor %9")
                         .arg(channel)
                         .arg(probe.mName)
                         .arg(probe.mReference ? 1 : 0)
                         .arg(probe.mCalDate.toString(Qt::ISODate), probe.mCalNext.toString(Qt::ISODate),
                              probe.mCalSource)
                         .arg(probe.mEnabled ? 1 : 0)
                         .arg(probe.mLocked ? 1 : 0)
                         .arg(probe.mReferenceResistor);
            QStringList coefficients;
            for (double coefficient : probe.mCoefficients)
                coefficients << QString::number(coefficient, 'g', 8);
            lines << QStringLiteral("smart %1: standard %2, coefficients %3, range %4 to %5 ohm")
                         .arg(channel)
                         .arg(probe.mStandard)
                         .arg(coefficients.join(QLatin1Char(' ')))
                         .arg(probe.mWorkMin)
                         .arg(probe.mWorkMax);
        }
        for (int port = 1; port <= TBoardState::PORT_COUNT; ++port) {
            const TSimulatedSwitchBox& box = pState.mSwitchBoxes[port - 1];
            if (box.mType != sbtNotFitted)
                lines << QStringLiteral("box %1: type %2, serial %3, pcb %4, version %5, date %6, mode %7")
                             .arg(port)
                             .arg(int(box.mType))
                             .arg(box.mSerialNumber, box.mPCBSerialNumber, box.mFirmwareVersion,
                                  box.mDate.toString(Qt::ISODate))
                             .arg(box.mOperatingMode);
        }
    });
    const QString problem = lineProblem();
    lines << (problem.isEmpty() ? QStringLiteral("line linked at %1").arg(mSimulator.linkPath()) : problem);
    mSimulator.withFaults([&](TBoardFaults& pFaults) { lines << QStringLiteral("faults ") + pFaults.toText(); });
    return lines;
}

QString TBoardControlInterpreter::lineProblem() const
{
    if (!mSimulator.isRunning())
        return QStringLiteral("the board is not running");
    const QString problem = mSimulator.linkProblem();
    if (problem.isEmpty())
        return problem;
    return QStringLiteral("the board restarted without its line (%1); restart it again once the path is free")
        .arg(problem);
}

QString TBoardControlInterpreter::setSignal(const QStringList& pWords)
{
    const QString& shape = pWords.at(0);
    const int expected = shape == QLatin1String("temp") ? 3 : (shape == QLatin1String("step") ? 5 : 4);
    int channel = 0;
    double values[3] = {0.0, 0.0, 0.0};
    bool ok = pWords.size() == expected && toInteger(pWords.at(1), channel);
    for (int i = 2; ok && i < expected; ++i)
        ok = toNumber(pWords.at(i), values[i - 2]);
    if (!ok)
        return failure(QStringLiteral("%1: wrong arguments; try help").arg(shape));
    bool known = false;
    mSimulator.withState([&](TBoardState& pState) {
        const double now = pState.secondsSinceStart();
        TTemperatureSignal signal = TTemperatureSignal::constant(values[0]);
        if (shape == QLatin1String("ramp"))
            signal = TTemperatureSignal::ramp(values[0], values[1], now);
        else if (shape == QLatin1String("noise"))
            signal = TTemperatureSignal::noise(values[0], values[1]);
        else if (shape == QLatin1String("step"))
            signal = TTemperatureSignal::step(values[0], values[1], values[2], now);
        known = pState.setSignal(channel, signal);
    });
    return known ? QString() : failure(QStringLiteral("channel %1 is no input").arg(channel));
}

QString TBoardControlInterpreter::setSensor(int pChannel, const QString& pSensor)
{
    bool known = false;
    const EnSimulatedSensor sensor = TSimulatedInput::sensorFromName(pSensor, known);
    if (!known)
        return failure(QStringLiteral("unknown sensor \"%1\"").arg(pSensor));
    if (!mSimulator.plugSensor(pChannel, sensor))
        return failure(QStringLiteral("%1 does not fit channel %2").arg(pSensor).arg(pChannel));
    return QString();
}

QString TBoardControlInterpreter::setSwitchBox(const QStringList& pWords)
{
    int port = 0;
    int type = 0;
    if (pWords.size() < 3 || pWords.size() > 7 || !toInteger(pWords.at(1), port) || port < 1 ||
        port > TBoardState::PORT_COUNT || !toInteger(pWords.at(2), type) || type < 0 || type > 5)
        return failure(QStringLiteral("box <port 1-4> <type 0-5> [serial] [pcb serial] [version] [yyyy-mm-dd]"));
    TSimulatedSwitchBox box;
    box.mType = EnSwitchBoxType(type);
    box.mSerialNumber = pWords.value(3, QStringLiteral("SWB%1%2").arg(type).arg(port, 4, 10, QLatin1Char('0')));
    box.mPCBSerialNumber = pWords.value(4, QStringLiteral("PCB%1%2").arg(type).arg(port, 4, 10, QLatin1Char('0')));
    box.mFirmwareVersion = pWords.value(5, QStringLiteral("1.05"));
    box.mDate = pWords.size() > 6 ? QDate::fromString(pWords.at(6), Qt::ISODate) : QDate(2019, 5, 17);
    if (!box.mDate.isValid())
        return failure(QStringLiteral("the date is yyyy-mm-dd"));
    mSimulator.fitSwitchBox(port, box);
    return QString();
}

QString TBoardControlInterpreter::setSmartProbe(const QStringList& pWords)
{
    int channel = 0;
    const QString kind = pWords.value(2).toLower();
    if (pWords.size() != 3 || !toInteger(pWords.at(1), channel))
        return failure(QStringLiteral("smart <channel> cvd|its90|none"));
    if (kind == QLatin1String("none")) {
        bool had = false;
        mSimulator.withState([&](TBoardState& pState) {
            had = pState.mSmartProbes.probe(channel) != nullptr;
            if (had)
                pState.plugSensor(channel, ssNone);
        });
        return had ? QString() : failure(QStringLiteral("no SMART probe in channel %1").arg(channel));
    }
    TSimulatedSmartProbe probe;
    if (kind == QLatin1String("cvd"))
        probe = TSimulatedSmartProbe::callendarVanDusenPt100();
    else if (kind == QLatin1String("its90"))
        probe = TSimulatedSmartProbe::its90Pt25();
    else
        return failure(QStringLiteral("smart <channel> cvd|its90|none"));
    if (!mSimulator.plugSmartProbe(channel, probe))
        return failure(QStringLiteral("channel %1 is no resistance input").arg(channel));
    return QString();
}

QString TBoardControlInterpreter::changeSmartProbe(const QStringList& pWords, const QString& pLine)
{
    int channel = 0;
    if (pWords.size() < 4 || !toInteger(pWords.at(1), channel))
        return failure(QStringLiteral("smartset <channel> <field> <value>; try help"));
    const QString field = pWords.at(2).toLower();
    // Texts run to the end of the line, blanks included.
    static const QRegularExpression afterField(QStringLiteral("^\\S+\\s+\\S+\\s+\\S+\\s+(.*)$"));
    const QString text = afterField.match(pLine).captured(1).trimmed();
    const QString value = pWords.at(3);
    QString result;
    mSimulator.withState([&](TBoardState& pState) {
        TSimulatedSmartProbe* probe = pState.mSmartProbes.probe(channel);
        if (!probe) {
            result = failure(QStringLiteral("no SMART probe in channel %1").arg(channel));
            return;
        }
        bool ok = true;
        if (field == QLatin1String("name")) {
            probe->mName = text.left(TSimulatedSmartProbe::MAX_NAME_LENGTH);
        } else if (field == QLatin1String("source")) {
            probe->mCalSource = text;
        } else if (field == QLatin1String("reference") || field == QLatin1String("enabled") ||
                   field == QLatin1String("locked")) {
            bool* flag = field == QLatin1String("reference")
                             ? &probe->mReference
                             : (field == QLatin1String("enabled") ? &probe->mEnabled : &probe->mLocked);
            ok = pWords.size() == 4 && (value == QLatin1String("0") || value == QLatin1String("1"));
            if (ok)
                *flag = value == QLatin1String("1");
        } else if (field == QLatin1String("caldate") || field == QLatin1String("calnext")) {
            const QDate date = value == QLatin1String("none") ? QDate() : QDate::fromString(value, Qt::ISODate);
            ok = pWords.size() == 4 && (date.isValid() || value == QLatin1String("none"));
            if (ok)
                (field == QLatin1String("caldate") ? probe->mCalDate : probe->mCalNext) = date;
        } else if (field == QLatin1String("refres")) {
            int resistor = 0;
            ok = pWords.size() == 4 && toInteger(value, resistor) && (resistor == 1 || resistor == 2);
            if (ok)
                probe->mReferenceResistor = resistor;
        } else if (field == QLatin1String("standard")) {
            int standard = 0;
            ok = pWords.size() == 4 && toInteger(value, standard) && standard >= 1 && standard <= 4;
            if (ok)
                probe->mStandard = standard;
        } else if (field == QLatin1String("coef")) {
            int index = 0;
            double coefficient = 0.0;
            ok = pWords.size() == 5 && toInteger(value, index) && index >= 1 &&
                 index <= TSimulatedSmartProbe::COEFFICIENT_COUNT && toNumber(pWords.at(4), coefficient);
            if (ok)
                probe->mCoefficients[index - 1] = coefficient;
        } else if (field == QLatin1String("range")) {
            double maximum = 0.0;
            double minimum = 0.0;
            ok = pWords.size() == 5 && toNumber(value, maximum) && toNumber(pWords.at(4), minimum);
            if (ok) {
                probe->mWorkMax = maximum;
                probe->mWorkMin = minimum;
            }
        } else {
            result = failure(QStringLiteral("unknown SMART probe field \"%1\"; try help").arg(field));
            return;
        }
        if (!ok) {
            result = failure(QStringLiteral("smartset %1: wrong value; try help").arg(field));
            return;
        }
        pState.mSmartProbes.markChanged(channel);
    });
    return result;
}

QString TBoardControlInterpreter::setIdentity(const QString& pFields)
{
    const QStringList fields = pFields.split(QLatin1Char(','));
    if (fields.size() != 5)
        return failure(QStringLiteral("idn <maker>,<model>,<serial>,<version>,<dd/MM/yyyy>"));
    TBoardIdentity identity;
    identity.mMaker = fields.at(0);
    identity.mModel = fields.at(1);
    identity.mSerialNumber = fields.at(2);
    identity.mFirmwareVersion = fields.at(3);
    identity.mFirmwareDate = QDate::fromString(fields.at(4), QStringLiteral("dd/MM/yyyy"));
    mSimulator.withState([&](TBoardState& pState) { pState.mIdentity = identity; });
    return QString();
}

// "fault on <prefix> ...": the prefix is one word, or quoted when it holds blanks.
QString TBoardControlInterpreter::setCommandFault(const QString& pLine)
{
    const QString usage = QStringLiteral("fault on <prefix> error <number> [count] | silence [count] | reply <text>");
    QString rest = pLine.mid(pLine.indexOf(QLatin1String("on")) + 2).trimmed();
    QString prefix;
    if (rest.startsWith(QLatin1Char('"'))) {
        const int end = rest.indexOf(QLatin1Char('"'), 1);
        if (end < 0)
            return failure(usage);
        prefix = rest.mid(1, end - 1);
        rest = rest.mid(end + 1).trimmed();
    } else {
        const int blank = rest.indexOf(QLatin1Char(' '));
        prefix = rest.left(blank);
        rest = blank < 0 ? QString() : rest.mid(blank + 1).trimmed();
    }
    const QStringList words = rest.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (prefix.isEmpty() || words.isEmpty())
        return failure(usage);
    TBoardFaults::TCommandFault fault;
    fault.mPrefix = prefix.toLatin1();
    const QString kind = words.at(0);
    int countIndex = 1;
    if (kind == QLatin1String("error")) {
        int number = 0;
        if (words.size() < 2 || !toInteger(words.at(1), number))
            return failure(usage);
        fault.mReply = Board_replies::errorReply(number);
        countIndex = 2;
    } else if (kind == QLatin1String("silence")) {
        fault.mKind = TBoardFaults::TCommandFault::cfSilence;
    } else if (kind == QLatin1String("reply") && words.size() >= 2) {
        fault.mKind = TBoardFaults::TCommandFault::cfReply;
        fault.mReply = rest.mid(rest.indexOf(QLatin1String("reply")) + 5).trimmed().toLatin1();
        countIndex = words.size();
    } else {
        return failure(usage);
    }
    if (words.size() > countIndex && !toCount(words.at(countIndex), fault.mCount))
        return failure(usage);
    mSimulator.withFaults([&](TBoardFaults& pFaults) { pFaults.mCommandFaults << fault; });
    return QString();
}

QString TBoardControlInterpreter::setProbeSlot(const QString& pLine)
{
    const QStringList words = pLine.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    int number = 0;
    if (words.size() < 3 || !toInteger(words.at(1), number))
        return failure(QStringLiteral("slot <1-85> <probe record>|empty"));
    // The record may hold blanks in its name: it is the rest of the line.
    const QString record =
        pLine.mid(pLine.indexOf(words.at(1), pLine.indexOf(QLatin1String("slot")) + 4) + words.at(1).size()).trimmed();
    bool done = false;
    mSimulator.withState([&](TBoardState& pState) {
        done = record == QLatin1String("empty") ? pState.mProbeMemory.clearSlot(number)
                                                : pState.mProbeMemory.fillSlot(number, record);
    });
    return done ? QString() : failure(QStringLiteral("slot %1: no such slot or not a probe record").arg(number));
}

QString TBoardControlInterpreter::setFault(const QStringList& pWords)
{
    const QString kind = pWords.value(1);
    if (kind == QLatin1String("clear")) {
        mSimulator.withFaults([](TBoardFaults& pFaults) { pFaults.clear(); });
        return QString();
    }
    if (kind == QLatin1String("error")) {
        int number = 0;
        int count = 1;
        if (pWords.size() < 3 || !toInteger(pWords.at(2), number) ||
            (pWords.size() > 3 && !toCount(pWords.at(3), count)) || count < 0)
            return failure(QStringLiteral("fault error <number> [count]"));
        mSimulator.withFaults([&](TBoardFaults& pFaults) {
            for (int i = 0; i < count; ++i)
                pFaults.mInjectedReplies << Board_replies::errorReply(number);
        });
        return QString();
    }

    int count = 0;
    if (pWords.size() < 3 || !toCount(pWords.at(2), count))
        return failure(QStringLiteral("fault %1 <count> ...; try help").arg(kind));
    int extra[2] = {-1, -1};
    for (int i = 3; i < pWords.size() && i < 5; ++i) {
        bool ok = false;
        extra[i - 3] = kind == QLatin1String("stray") ? pWords.at(i).toInt(&ok, 16) : pWords.at(i).toInt(&ok, 10);
        if (!ok || extra[i - 3] < 0)
            return failure(QStringLiteral("fault %1: \"%2\" is no number").arg(kind, pWords.at(i)));
    }

    QString result;
    mSimulator.withFaults([&](TBoardFaults& pFaults) {
        if (kind == QLatin1String("nak")) {
            pFaults.mNakCommands = count;
        } else if (kind == QLatin1String("badcrc")) {
            pFaults.mBadReplyCrc = count;
        } else if (kind == QLatin1String("silence")) {
            pFaults.mSilentCommands = count;
        } else if (kind == QLatin1String("together")) {
            pFaults.mJoinedReplies = count;
        } else if (kind == QLatin1String("noise")) {
            pFaults.mNoiseReplies = count;
        } else if (kind == QLatin1String("restart")) {
            pFaults.mRestartCommands = count;
        } else if (kind == QLatin1String("restartafter")) {
            pFaults.mRestartAfterReplies = count;
        } else if (kind == QLatin1String("stray")) {
            pFaults.mStrayByteCommands = count;
            if (extra[0] >= 0)
                pFaults.mStrayByte = char(extra[0]);
        } else if (kind == QLatin1String("pieces")) {
            pFaults.mPieceReplies = count;
            if (extra[0] > 0)
                pFaults.mPieceBytes = extra[0];
            if (extra[1] >= 0)
                pFaults.mPieceGapMs = extra[1];
        } else if (kind == QLatin1String("zero")) {
            pFaults.mZeroByteReplies = count;
            pFaults.mZeroBytePosition = extra[0];
        } else if (kind == QLatin1String("late")) {
            pFaults.mLateReplies = count;
            if (extra[0] >= 0)
                pFaults.mLateReplyDelayMs = extra[0];
        } else {
            result = failure(QStringLiteral("unknown fault \"%1\"; try help").arg(kind));
        }
    });
    return result;
}
