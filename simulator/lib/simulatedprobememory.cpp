#include "simulatedprobememory.h"

#include "boardreplies.h"
#include "boardstate.h"

using namespace Board_replies;

namespace
{
constexpr int COEFFICIENT_SLOTS = 18;

// The number formats of the probe record.
QString limitText(double pValue)
{
    return QString::asprintf("%.1f", pValue);
}

QString resistanceText(double pValue)
{
    return QString::number(pValue, 'g', 6);
}

QString coefficientText(double pValue)
{
    return QString::number(pValue, 'e', 5);
}

// A record with zeros wherever the caller gives nothing: no reference channel,
// no calibration date, not a reference probe, on no channel, keep-warm off.
QStringList makeRecord(int pSensor, const QString& pName, double pTmax, double pTmin, int pConversion,
                       const QStringList& pSlots, int pResistorOrJunction, int pWiring)
{
    QStringList fields{QString::number(pSensor), pName, limitText(pTmax), limitText(pTmin),
                       QString::number(pConversion)};
    fields << pSlots;
    while (fields.size() < TSimulatedProbeMemory::fFirstSlot + COEFFICIENT_SLOTS)
        fields << QStringLiteral("0");
    fields << QString::number(pResistorOrJunction) << QStringLiteral("0") << QStringLiteral("0") << QStringLiteral("0")
           << QStringLiteral("0") << QString::number(pWiring) << QStringLiteral("1") << QStringLiteral("0")
           << QStringLiteral("2");
    return fields;
}

const QStringList EN60751_PT100{QStringLiteral("100"), QStringLiteral("3.90830e-03"), QStringLiteral("-5.77500e-07"),
                                QStringLiteral("-4.18300e-12")};
const QStringList EN60751_PT25{QStringLiteral("25"), QStringLiteral("3.90830e-03"), QStringLiteral("-5.77500e-07"),
                               QStringLiteral("-4.18300e-12")};

// The sensor codes of the record's first field.
constexpr int SENSOR_PT25 = 0;
constexpr int SENSOR_PT100 = 1;
constexpr int SENSOR_THERMISTOR = 2;
constexpr int FIRST_THERMOCOUPLE = 3;
constexpr int LAST_THERMOCOUPLE = 12;

// The PRT operating current settings and the codes "prob:curr?" reports.
constexpr int SETTING_AUTOMATIC = 0;
constexpr int SETTING_HALF_MILLIAMP = 1;
constexpr int SETTING_ONE_MILLIAMP = 2;
constexpr int SETTING_TWO_MILLIAMPS = 3;
constexpr int CURRENT_ONE_MILLIAMP = 1;
constexpr int CURRENT_TWO_MILLIAMPS = 2;
constexpr int CURRENT_HALF_MILLIAMP = 5;
constexpr int ROOT2_OFFSET_FULL = 2;
constexpr int ROOT2_OFFSET_HALF = 1;

// Codes of the thermistor excitation current and range: 0 to 2 each.
constexpr int THERMISTOR_LAST_CODE = 2;

bool toInteger(const QString& pText, int& oValue)
{
    bool ok = false;
    oValue = pText.toInt(&ok, 10);
    return ok;
}

bool toReal(const QString& pText, double& oValue)
{
    bool ok = false;
    oValue = pText.toDouble(&ok);
    return ok;
}
} // namespace

TSimulatedProbeMemory::TSimulatedProbeMemory()
{
    for (TSlot& probe : mSlots)
        probe.mFields = emptyRecord();
    setDefaultProbes();
}

QStringList TSimulatedProbeMemory::emptyRecord()
{
    QStringList fields{QStringLiteral("0"), QString()};
    while (fields.size() < COMMON_FIELDS)
        fields << QStringLiteral("0");
    return fields;
}

void TSimulatedProbeMemory::setDefaultProbes()
{
    mSlots[80].mFields =
        makeRecord(SENSOR_PT100, QStringLiteral("PT100 3-wire"), 450.0, -200.0, 1, EN60751_PT100, 3, 1);
    mSlots[81].mFields =
        makeRecord(SENSOR_PT100, QStringLiteral("PT100 4-wire"), 450.0, -200.0, 1, EN60751_PT100, 3, 2);
    mSlots[82].mFields = makeRecord(SENSOR_PT25, QStringLiteral("PT25 4-wire"), 660.0, -200.0, 1, EN60751_PT25, 2, 2);
    mSlots[83].mFields =
        makeRecord(SENSOR_THERMISTOR, QStringLiteral("Thermistor 10k"), 150.0, -50.0, 2,
                   {coefficientText(1.1287e-3), coefficientText(2.3412e-4), coefficientText(8.775e-8)}, 0, 0);
    mSlots[84].mFields = makeRecord(8, QStringLiteral("Thermocouple K"), 1372.0, -270.0, 1, {}, 1, 0);
}

TSimulatedProbeMemory::TSlot* TSimulatedProbeMemory::slot(int pProbeNumber)
{
    if (pProbeNumber < FIRST_PROBE || pProbeNumber > LAST_PROBE)
        return nullptr;
    return &mSlots[pProbeNumber - 1];
}

const TSimulatedProbeMemory::TSlot* TSimulatedProbeMemory::slot(int pProbeNumber) const
{
    if (pProbeNumber < FIRST_PROBE || pProbeNumber > LAST_PROBE)
        return nullptr;
    return &mSlots[pProbeNumber - 1];
}

QString TSimulatedProbeMemory::record(int pProbeNumber, int pFieldCount) const
{
    const TSlot* probe = slot(pProbeNumber);
    if (!probe)
        return QString();
    QStringList fields = probe->mFields;
    if (pFieldCount > COMMON_FIELDS)
        fields << QString::number(probe->mOperatingCurrentSetting);
    return fields.join(QLatin1Char(','));
}

int TSimulatedProbeMemory::store(int pProbeNumber, const QString& pRecord, int pFieldCount)
{
    TSlot* probe = slot(pProbeNumber);
    if (!probe)
        return 9;
    const QStringList fields = pRecord.split(QLatin1Char(','), Qt::KeepEmptyParts);
    int sensor = 0;
    if (fields.size() != pFieldCount || !toInteger(fields.at(fSensor), sensor) || sensor < 0 ||
        sensor > LAST_THERMOCOUPLE)
        return 5;
    probe->mFields = fields.mid(0, COMMON_FIELDS);
    probe->mOperatingCurrentSetting = pFieldCount > COMMON_FIELDS ? fields.at(COMMON_FIELDS).toInt() : 0;
    if (probe->mFields.at(fName).isEmpty())
        probe->mFactorRoot2 = false;
    return 0;
}

bool TSimulatedProbeMemory::fillSlot(int pProbeNumber, const QString& pRecord)
{
    const int fieldCount = int(pRecord.count(QLatin1Char(','))) + 1;
    return (fieldCount == COMMON_FIELDS || fieldCount == COMMON_FIELDS + 1) &&
           store(pProbeNumber, pRecord, fieldCount) == 0;
}

bool TSimulatedProbeMemory::fillSlots(const QString& pLines, QString& oError)
{
    const QStringList lines = pLines.split(QLatin1Char('\n'));
    for (int index = 0; index < lines.size(); ++index) {
        const QString line = lines.at(index).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const int comma = line.indexOf(QLatin1Char(','));
        int number = 0;
        if (comma <= 0 || !toInteger(line.left(comma), number) || !fillSlot(number, line.mid(comma + 1))) {
            oError = QStringLiteral("line %1: not a slot number and probe record").arg(index + 1);
            return false;
        }
    }
    return true;
}

QString TSimulatedProbeMemory::changedSlots() const
{
    static const TSimulatedProbeMemory newBoard;
    QString lines;
    for (int number = FIRST_PROBE; number <= LAST_PROBE; ++number) {
        const QString stored = record(number, COMMON_FIELDS + 1);
        if (stored != newBoard.record(number, COMMON_FIELDS + 1))
            lines += QString::number(number) + QLatin1Char(',') + stored + QLatin1Char('\n');
    }
    return lines;
}

bool TSimulatedProbeMemory::clearSlot(int pProbeNumber)
{
    TSlot* probe = slot(pProbeNumber);
    if (!probe)
        return false;
    *probe = TSlot();
    probe->mFields = emptyRecord();
    return true;
}

TSimulatedProbeMemory::EnFamily TSimulatedProbeMemory::family(int pProbeNumber) const
{
    const TSlot* probe = slot(pProbeNumber);
    if (!probe || probe->mFields.at(fName).isEmpty())
        return pfNone;
    const int sensor = probe->mFields.at(fSensor).toInt();
    if (sensor == SENSOR_PT25 || sensor == SENSOR_PT100)
        return pfPRT;
    if (sensor == SENSOR_THERMISTOR)
        return pfThermistor;
    if (sensor >= FIRST_THERMOCOUPLE && sensor <= LAST_THERMOCOUPLE)
        return pfThermocouple;
    return pfNone;
}

bool TSimulatedProbeMemory::factorRoot2(int pProbeNumber) const
{
    const TSlot* probe = slot(pProbeNumber);
    return probe && probe->mFactorRoot2;
}

TSimulatedProbeMemory::TSlot* TSimulatedProbeMemory::target(const QString& pArguments, EnFamily pFamily,
                                                            QStringList& oValues)
{
    oValues = pArguments.split(QLatin1Char(','), Qt::KeepEmptyParts);
    int number = 0;
    if (oValues.size() < 2 || !toInteger(oValues.takeFirst(), number) || family(number) != pFamily)
        return nullptr;
    return slot(number);
}

void TSimulatedProbeMemory::assign(TSlot& pSlot, int pChannel)
{
    // A channel measures with one probe: the one assigned before is released.
    if (pChannel != 0) {
        for (TSlot& other : mSlots) {
            if (other.mFields.at(fChannel).toInt() == pChannel)
                other.mFields[fChannel] = QStringLiteral("0");
        }
    }
    pSlot.mFields[fChannel] = QString::number(pChannel);
}

void TSimulatedProbeMemory::addCommands(TBoardState& pBoard)
{
    pBoard.addCommand("prob:save", true, [this, &pBoard](const QString& pArguments, double) {
        const int comma = pArguments.indexOf(QLatin1Char(','));
        int number = 0;
        if (comma < 0 || !toInteger(pArguments.left(comma), number))
            return ILLEGAL_COMMAND;
        return errorReply(store(number, pArguments.mid(comma + 1), pBoard.probeRecordFieldCount()));
    });
    pBoard.addCommand("prob:read?", true, [this, &pBoard](const QString& pArguments, double) {
        int number = 0;
        if (!toInteger(pArguments, number))
            return ILLEGAL_COMMAND;
        if (!slot(number))
            return PROBE_NOT_EXISTS;
        return record(number, pBoard.probeRecordFieldCount()).toLatin1();
    });
    addFamilySetters(pBoard, "prob:", "prob:stat:refe", pfPRT);
    addFamilySetters(pBoard, "sens:tc:", "sens:tc:refe", pfThermocouple);
    addFamilySetters(pBoard, "sens:ther:", "sens:ther:refe", pfThermistor);
    addPRTSetters(pBoard);
    addThermocoupleSetters(pBoard);
    addThermistorSetters(pBoard);
    addQueries(pBoard);
}

// The setters every probe family has. They are answered with ACK alone, so a
// value the board cannot take is dropped without a word, as on the board.
void TSimulatedProbeMemory::addFamilySetters(TBoardState& pBoard, const char* pPrefix, const char* pReferenceHeader,
                                             EnFamily pFamily)
{
    const QByteArray prefix(pPrefix);
    pBoard.addCommand((prefix + "assi").constData(), false, [this, pFamily](const QString& pArguments, double) {
        QStringList values;
        int channel = 0;
        if (TSlot* probe = target(pArguments, pFamily, values); probe && toInteger(values.at(0), channel))
            assign(*probe, channel);
        return QByteArray();
    });
    pBoard.addCommand(pReferenceHeader, false, [this, pFamily](const QString& pArguments, double) {
        QStringList values;
        if (TSlot* probe = target(pArguments, pFamily, values))
            probe->mFields[fReference] = values.at(0) == QLatin1String("1") ? QStringLiteral("2") : QStringLiteral("1");
        return QByteArray();
    });
    pBoard.addCommand((prefix + "iden").constData(), false, [this, pFamily](const QString& pArguments, double) {
        QStringList values;
        // The name is everything after the probe number.
        if (TSlot* probe = target(pArguments, pFamily, values))
            probe->mFields[fName] = pArguments.mid(pArguments.indexOf(QLatin1Char(',')) + 1);
        return QByteArray();
    });
    for (const auto& [word, field] : {std::pair{"tmax", fTmax}, std::pair{"tmin", fTmin}}) {
        const EnField limitField = field;
        pBoard.addCommand(
            (prefix + word).constData(), false, [this, pFamily, limitField](const QString& pArguments, double) {
                QStringList values;
                double limit = 0.0;
                if (TSlot* probe = target(pArguments, pFamily, values); probe && toReal(values.at(0), limit))
                    probe->mFields[limitField] = limitText(limit);
                return QByteArray();
            });
    }
    pBoard.addCommand((prefix + "cal:date").constData(), false, [this, pFamily](const QString& pArguments, double) {
        QStringList values;
        TSlot* probe = target(pArguments, pFamily, values);
        if (probe && values.size() == 3) {
            probe->mFields[fYear] = values.at(0);
            probe->mFields[fMonth] = values.at(1);
            probe->mFields[fDay] = values.at(2);
        }
        return QByteArray();
    });
}

void TSimulatedProbeMemory::addIntegerSetter(TBoardState& pBoard, const char* pHeader, EnFamily pFamily, EnField pField,
                                             int pMinimum, int pMaximum)
{
    pBoard.addCommand(pHeader, false, [=](const QString& pArguments, double) {
        QStringList values;
        int value = 0;
        if (TSlot* probe = target(pArguments, pFamily, values);
            probe && toInteger(values.at(0), value) && value >= pMinimum && value <= pMaximum)
            probe->mFields[pField] = QString::number(value);
        return QByteArray();
    });
}

void TSimulatedProbeMemory::addCoefficientSetter(TBoardState& pBoard, const char* pHeader, EnFamily pFamily,
                                                 std::function<QString(int, double)> pSlotText)
{
    pBoard.addCommand(pHeader, false, [=](const QString& pArguments, double) {
        QStringList values;
        int index = 0;
        double value = 0.0;
        TSlot* probe = target(pArguments, pFamily, values);
        if (probe && values.size() == 2 && toInteger(values.at(0), index) && index >= 1 && index <= COEFFICIENT_SLOTS &&
            toReal(values.at(1), value))
            probe->mFields[fFirstSlot + index - 1] = pSlotText(index, value);
        return QByteArray();
    });
}

void TSimulatedProbeMemory::addPRTSetters(TBoardState& pBoard)
{
    addIntegerSetter(pBoard, "prob:type", pfPRT, fSensor, SENSOR_PT25, SENSOR_PT100);
    addIntegerSetter(pBoard, "prob:conv", pfPRT, fConversion, 1, 4);
    addIntegerSetter(pBoard, "prob:refe", pfPRT, fResistorOrJunction, 1, 3);
    addIntegerSetter(pBoard, "prob:term", pfPRT, fWiring, 1, 2);
    // The first slot is R0 or R(0.01 degrees Celsius), a resistance.
    addCoefficientSetter(pBoard, "prob:coef", pfPRT, [](int pIndex, double pValue) {
        return pIndex == 1 ? resistanceText(pValue) : coefficientText(pValue);
    });
    // The command sends 2 for on and 1 for off; the record keeps 1 for on, 2 for off.
    pBoard.addCommand("prob:kwc", false, [this](const QString& pArguments, double) {
        QStringList values;
        if (TSlot* probe = target(pArguments, pfPRT, values))
            probe->mFields[fKeepWarm] = values.at(0) == QLatin1String("2") ? QStringLiteral("1") : QStringLiteral("2");
        return QByteArray();
    });
    pBoard.addCommand("prob:curr", false, [this](const QString& pArguments, double) {
        QStringList values;
        if (TSlot* probe = target(pArguments, pfPRT, values))
            probe->mFactorRoot2 = values.at(0) == QLatin1String("1");
        return QByteArray();
    });
    pBoard.addCommand("prob:conf:curr", false, [this](const QString& pArguments, double) {
        QStringList values;
        int setting = 0;
        if (TSlot* probe = target(pArguments, pfPRT, values); probe && toInteger(values.at(0), setting) &&
                                                              setting >= SETTING_AUTOMATIC &&
                                                              setting <= SETTING_TWO_MILLIAMPS)
            probe->mOperatingCurrentSetting = setting;
        return QByteArray();
    });
}

void TSimulatedProbeMemory::addThermocoupleSetters(TBoardState& pBoard)
{
    addIntegerSetter(pBoard, "sens:tc:type", pfThermocouple, fSensor, FIRST_THERMOCOUPLE, LAST_THERMOCOUPLE);
    addIntegerSetter(pBoard, "sens:tc:conv", pfThermocouple, fConversion, 1, 2);
    // The record keeps the polynomial coefficients negated, the range limits
    // (slots 1, 2, 7, 8, 13, 14) as they are.
    addCoefficientSetter(pBoard, "sens:tc:coef", pfThermocouple, [](int pIndex, double pValue) {
        const bool limit = (pIndex - 1) % 6 < 2;
        return coefficientText(limit ? pValue : -pValue);
    });
    // The command counts the junction modes from 0 (internal, external,
    // channel), the record from 1; a channel junction names its channel.
    pBoard.addCommand("sens:tc:comp", false, [this](const QString& pArguments, double) {
        QStringList values;
        int mode = 0;
        int channel = 0;
        TSlot* probe = target(pArguments, pfThermocouple, values);
        if (!probe || !toInteger(values.at(0), mode) || mode < 0 || mode > 2)
            return QByteArray();
        if (mode == 2 && (values.size() < 2 || !toInteger(values.at(1), channel)))
            return QByteArray();
        probe->mFields[fResistorOrJunction] = QString::number(mode + 1);
        probe->mFields[fReferenceChannel] = QString::number(channel);
        return QByteArray();
    });
}

void TSimulatedProbeMemory::addThermistorSetters(TBoardState& pBoard)
{
    addIntegerSetter(pBoard, "sens:ther:conv", pfThermistor, fConversion, 1, 3);
    addCoefficientSetter(pBoard, "sens:ther:coef", pfThermistor,
                         [](int, double pValue) { return coefficientText(pValue); });
}

QByteArray TSimulatedProbeMemory::prtCurrent(const QString& pArguments) const
{
    int number = 0;
    if (!toInteger(pArguments, number))
        return ILLEGAL_COMMAND;
    if (family(number) != pfPRT)
        return PROBE_NOT_EXISTS;
    const TSlot& probe = *slot(number);
    int setting = probe.mOperatingCurrentSetting;
    // Automatic: the current of the probe's type, 2 mA for a Pt25, 1 mA for a Pt100.
    if (setting == SETTING_AUTOMATIC)
        setting = probe.mFields.at(fSensor).toInt() == SENSOR_PT25 ? SETTING_TWO_MILLIAMPS : SETTING_ONE_MILLIAMP;
    int current = 0;
    if (setting == SETTING_HALF_MILLIAMP)
        current = CURRENT_HALF_MILLIAMP + (probe.mFactorRoot2 ? ROOT2_OFFSET_HALF : 0);
    else if (setting == SETTING_ONE_MILLIAMP)
        current = CURRENT_ONE_MILLIAMP + (probe.mFactorRoot2 ? ROOT2_OFFSET_FULL : 0);
    else
        current = CURRENT_TWO_MILLIAMPS + (probe.mFactorRoot2 ? ROOT2_OFFSET_FULL : 0);
    return QByteArray::number(current);
}

QByteArray TSimulatedProbeMemory::thermistorQuery(const QString& pArguments, int TSlot::*pField) const
{
    int number = 0;
    if (!toInteger(pArguments, number))
        return ILLEGAL_COMMAND;
    return family(number) == pfThermistor ? QByteArray::number(slot(number)->*pField) : PROBE_NOT_EXISTS;
}

bool TSimulatedProbeMemory::setThermistorReadout(int pProbeNumber, int pCurrent, int pRange)
{
    TSlot* target = slot(pProbeNumber);
    if (!target || family(pProbeNumber) != pfThermistor || pCurrent < 0 || pCurrent > THERMISTOR_LAST_CODE ||
        pRange < 0 || pRange > THERMISTOR_LAST_CODE)
        return false;
    target->mThermistorCurrent = pCurrent;
    target->mThermistorRange = pRange;
    return true;
}

int TSimulatedProbeMemory::assignedProbe(int pChannel) const
{
    for (int number = FIRST_PROBE; number <= LAST_PROBE; ++number) {
        if (family(number) != pfNone && slot(number)->mFields.at(fChannel).toInt() == pChannel)
            return number;
    }
    return 0;
}

int TSimulatedProbeMemory::prtReferenceResistor(int pProbeNumber) const
{
    return family(pProbeNumber) == pfPRT ? slot(pProbeNumber)->mFields.at(fResistorOrJunction).toInt() : 0;
}

int TSimulatedProbeMemory::thermistorRange(int pProbeNumber) const
{
    return family(pProbeNumber) == pfThermistor ? slot(pProbeNumber)->mThermistorRange : -1;
}

void TSimulatedProbeMemory::addQueries(TBoardState& pBoard)
{
    pBoard.addCommand("prob:curr?", true, [this](const QString& pArguments, double) { return prtCurrent(pArguments); });
    pBoard.addCommand("sens:ther:curr?", true, [this](const QString& pArguments, double) {
        return thermistorQuery(pArguments, &TSlot::mThermistorCurrent);
    });
    pBoard.addCommand("sens:ther:rang?", true, [this](const QString& pArguments, double) {
        return thermistorQuery(pArguments, &TSlot::mThermistorRange);
    });
}
