#include "simulatedcalibration.h"

#include "boardreplies.h"
#include "boardstate.h"

#include <QStringList>

using namespace Board_replies;

namespace
{
const int COLD_JUNCTION_CHANNELS[] = {3, 4, 6};

// When the simulated board left the factory.
const TSimulatedCalibration::TDateNumbers FACTORY_DATE{2021, 3, 10};

// Offsets and slopes go over the link in exponent form with 12 digits after the point.
QByteArray real(double pValue)
{
    return QByteArray::number(pValue, 'e', 12);
}

QByteArray dateText(const TSimulatedCalibration::TDateNumbers& pDate)
{
    return QByteArray::number(pDate.mYear) + ',' + QByteArray::number(pDate.mMonth) + ',' +
           QByteArray::number(pDate.mDay);
}

// Reads the numbers of a store command: the leading item or channel number,
// pReals reals and the three date numbers.
bool readStore(const QString& pArguments, int pReals, int& oNumber, double* oReals,
               TSimulatedCalibration::TDateNumbers& oDate)
{
    const QStringList fields = pArguments.split(QLatin1Char(','));
    if (fields.size() != 1 + pReals + 3)
        return false;
    bool ok = false;
    oNumber = fields.at(0).toInt(&ok, 10);
    for (int i = 0; ok && i < pReals; ++i)
        oReals[i] = fields.at(1 + i).toDouble(&ok);
    int date[3] = {0, 0, 0};
    for (int i = 0; ok && i < 3; ++i)
        date[i] = fields.at(1 + pReals + i).toInt(&ok, 10);
    oDate = {date[0], date[1], date[2]};
    return ok;
}
} // namespace

TSimulatedCalibration::TSimulatedCalibration()
{
    // The factory measured small deviations of every item; the user's set is
    // neutral and undated until the user calibrates.
    const double factoryOffsets[ITEM_COUNT] = {1.25e-3, -2.5e-3, 0.41, -3.2, 2.1e-3, -1.4e-3, 3.3e-3};
    const double factorySlopes[ITEM_COUNT] = {1.000012, 0.999987, 1.000034, 0.999958, 1.000105, 0.999921, 1.000067};
    for (int i = 0; i < ITEM_COUNT; ++i)
        mFactory.mItems[i] = {factoryOffsets[i], factorySlopes[i], FACTORY_DATE};
    const double coldJunctionOffsets[] = {0.012, -0.018, 0.007};
    for (int i = 0; i < 3; ++i) {
        mFactory.mColdJunctions[COLD_JUNCTION_CHANNELS[i]] = {coldJunctionOffsets[i], FACTORY_DATE};
        mUser.mColdJunctions[COLD_JUNCTION_CHANNELS[i]] = TColdJunction();
    }
}

QByteArray TSimulatedCalibration::storeItem(const QString& pArguments, bool pFactory)
{
    int number = 0;
    double values[2] = {0.0, 0.0};
    TDateNumbers date;
    if (!readStore(pArguments, 2, number, values, date) || number < 1 || number > ITEM_COUNT)
        return ILLEGAL_COMMAND;
    set(pFactory).mItems[number - 1] = {values[0], values[1], date};
    return CONFIRMED;
}

QByteArray TSimulatedCalibration::item(const QString& pArguments, bool pFactory)
{
    bool ok = false;
    const int number = pArguments.toInt(&ok, 10);
    if (!ok || number < 1 || number > ITEM_COUNT)
        return ILLEGAL_COMMAND;
    const TTwoPointItem& data = set(pFactory).mItems[number - 1];
    return real(data.mOffset) + ',' + real(data.mSlope) + ',' + dateText(data.mDate);
}

QByteArray TSimulatedCalibration::storeColdJunction(const QString& pArguments, bool pFactory)
{
    int channel = 0;
    double offset = 0.0;
    TDateNumbers date;
    if (!readStore(pArguments, 1, channel, &offset, date))
        return ILLEGAL_COMMAND;
    const auto junction = set(pFactory).mColdJunctions.find(channel);
    if (junction == set(pFactory).mColdJunctions.end())
        return UNAVAILABLE;
    // The user's set receives the deviation found by the cold-junction
    // calibration and adds it; the factory's set stores the offset as sent.
    junction->second = {pFactory ? offset : junction->second.mOffset + offset, date};
    return CONFIRMED;
}

QByteArray TSimulatedCalibration::coldJunction(const QString& pArguments, bool pFactory)
{
    bool ok = false;
    const int channel = pArguments.toInt(&ok, 10);
    if (!ok)
        return ILLEGAL_COMMAND;
    const auto junction = set(pFactory).mColdJunctions.find(channel);
    if (junction == set(pFactory).mColdJunctions.end())
        return UNAVAILABLE;
    return real(junction->second.mOffset) + ',' + dateText(junction->second.mDate);
}

void TSimulatedCalibration::addCommands(TBoardState& pBoard)
{
    for (const bool factory : {false, true}) {
        const QByteArray prefix = factory ? "cal:fact:" : "cal:";
        pBoard.addCommand((prefix + "data").constData(), true, [this, factory](const QString& pArguments, double) {
            return storeItem(pArguments, factory);
        });
        pBoard.addCommand((prefix + "data?").constData(), true,
                          [this, factory](const QString& pArguments, double) { return item(pArguments, factory); });
        pBoard.addCommand((prefix + "cjc").constData(), true, [this, factory](const QString& pArguments, double) {
            return storeColdJunction(pArguments, factory);
        });
        pBoard.addCommand((prefix + "cjc?").constData(), true, [this, factory](const QString& pArguments, double) {
            return coldJunction(pArguments, factory);
        });
    }
    // The board answers 1 once the factory set is the user's set again.
    pBoard.addCommand("cal:rese", true, [this](const QString&, double) {
        mUser = mFactory;
        return QByteArray("1");
    });
}
