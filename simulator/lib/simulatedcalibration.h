#pragma once

#include <QByteArray>
#include <QString>

#include <array>
#include <map>

class TBoardState;

// The simulated board's calibration data: offset, slope and date of the
// two-point calibration items 1 to 7 (the reference resistors and the
// thermocouple inputs) and the cold-junction offsets of the thermocouple
// inputs 3, 4 and 6, each once as the user's and once as the factory's set.
// Dates are kept as the three numbers the program sent; an item the user has
// never calibrated has 0, 0, 0.
class TSimulatedCalibration
{
public:
    static constexpr int ITEM_COUNT = 7;

    struct TDateNumbers
    {
        int mYear = 0;
        int mMonth = 0;
        int mDay = 0;
    };

    struct TTwoPointItem
    {
        double mOffset = 0.0;
        double mSlope = 1.0;
        TDateNumbers mDate;
    };

    struct TColdJunction
    {
        double mOffset = 0.0;
        TDateNumbers mDate;
    };

    struct TCalibrationSet
    {
        std::array<TTwoPointItem, ITEM_COUNT> mItems;
        // By internal channel number: 3, 4 and 6.
        std::map<int, TColdJunction> mColdJunctions;
    };

    TSimulatedCalibration();

    // Registers "cal:data", "cal:cjc", their queries, their factory forms and
    // "cal:rese" with the board.
    void addCommands(TBoardState& pBoard);

    TCalibrationSet mUser;
    TCalibrationSet mFactory;

private:
    TCalibrationSet& set(bool pFactory) { return pFactory ? mFactory : mUser; }
    QByteArray storeItem(const QString& pArguments, bool pFactory);
    QByteArray item(const QString& pArguments, bool pFactory);
    QByteArray storeColdJunction(const QString& pArguments, bool pFactory);
    QByteArray coldJunction(const QString& pArguments, bool pFactory);
};
