#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>

class TBoardState;

// The simulated board's probe memory: custom probes in slots 1 to 80 and the
// five default probes in 81 to 85, each kept as the probe record the program
// stores ("prob:save") and reads back ("prob:read?"). The single-parameter
// commands of the three probe families edit the stored record in place, as
// the board does, so that a read after a change shows it. The operating
// current setting is kept beside the 32 common fields and appended on boards
// whose record has 33; the root-2 current factor is not part of the record.
class TSimulatedProbeMemory
{
public:
    static constexpr int FIRST_PROBE = 1;
    static constexpr int LAST_CUSTOM_PROBE = 80;
    static constexpr int LAST_PROBE = 85;
    // Fields every record has; boards after the first variant add the
    // operating current setting as a 33rd.
    static constexpr int COMMON_FIELDS = 32;

    // Field positions in the record, counted from 0.
    enum EnField {
        fSensor = 0,
        fName = 1,
        fTmax = 2,
        fTmin = 3,
        fConversion = 4,
        fFirstSlot = 5,
        fResistorOrJunction = 23,
        fReferenceChannel = 24,
        fYear = 25,
        fMonth = 26,
        fDay = 27,
        fWiring = 28,
        fReference = 29,
        fChannel = 30,
        fKeepWarm = 31
    };

    enum EnFamily { pfNone, pfPRT, pfThermistor, pfThermocouple };

    TSimulatedProbeMemory();

    // Registers "prob:save", "prob:read?", the probe parameter setters and the
    // current and range queries with the board.
    void addCommands(TBoardState& pBoard);

    // The record as "prob:read?" gives it, with pFieldCount fields (32 or 33);
    // empty for a number outside the memory.
    QString record(int pProbeNumber, int pFieldCount) const;
    // Stores a record of pFieldCount fields; the board's error number, 0 when stored.
    int store(int pProbeNumber, const QString& pRecord, int pFieldCount);
    // Fills a slot as a board that was used before would hold it: a record of
    // 32 or 33 fields, or an empty one. False for a number outside the memory
    // or a record the board would not store.
    bool fillSlot(int pProbeNumber, const QString& pRecord);
    bool clearSlot(int pProbeNumber);
    // Fills slots from lines "<number>,<probe record>"; blank lines and lines
    // beginning with "#" are passed over. Stops at the first line that is no
    // slot and record, with its line number in oError.
    bool fillSlots(const QString& pLines, QString& oError);
    // The slots whose records differ from a new board's, as lines fillSlots
    // reads back into a new board: what a board that was in use keeps.
    QString changedSlots() const;
    // The family the stored record belongs to; pfNone for an empty slot.
    EnFamily family(int pProbeNumber) const;
    bool factorRoot2(int pProbeNumber) const;
    // What "sens:ther:curr?" and "sens:ther:rang?" report for a stored
    // thermistor, codes 0 to 2 each; false for another slot or code.
    bool setThermistorReadout(int pProbeNumber, int pCurrent, int pRange);
    // The probe a channel measures with, as the last assignment left it; 0 for none.
    int assignedProbe(int pChannel) const;
    // The stored internal reference resistor of a resistance thermometer (2: 25 ohm, 3: 100 ohm); 0 for another slot.
    int prtReferenceResistor(int pProbeNumber) const;
    // The range code of a stored thermistor (0 to 2); -1 for another slot.
    int thermistorRange(int pProbeNumber) const;

    // The record a cleared slot holds: sensor code 0, no name, zeros.
    static QStringList emptyRecord();

private:
    struct TSlot
    {
        QStringList mFields;
        int mOperatingCurrentSetting = 0;
        bool mFactorRoot2 = false;
        // The 10 microampere excitation of the 400 to 45000 ohm range, where
        // the default thermistor (10 kilo-ohm) sits.
        int mThermistorCurrent = 1;
        int mThermistorRange = 1;
    };

    TSlot* slot(int pProbeNumber);
    const TSlot* slot(int pProbeNumber) const;
    void setDefaultProbes();

    // The probe a setter names, when it is of the family the header belongs to.
    TSlot* target(const QString& pArguments, EnFamily pFamily, QStringList& oValues);
    void addFamilySetters(TBoardState& pBoard, const char* pPrefix, const char* pReferenceHeader, EnFamily pFamily);
    // Sets one integer field of the record from the value, when it lies in the range.
    void addIntegerSetter(TBoardState& pBoard, const char* pHeader, EnFamily pFamily, EnField pField, int pMinimum,
                          int pMaximum);
    // Sets coefficient slot 1 to 18; pSlotText writes the value as that slot keeps it.
    void addCoefficientSetter(TBoardState& pBoard, const char* pHeader, EnFamily pFamily,
                              std::function<QString(int pIndex, double pValue)> pSlotText);
    void addPRTSetters(TBoardState& pBoard);
    void addThermocoupleSetters(TBoardState& pBoard);
    void addThermistorSetters(TBoardState& pBoard);
    void addQueries(TBoardState& pBoard);
    void assign(TSlot& pSlot, int pChannel);
    QByteArray prtCurrent(const QString& pArguments) const;
    QByteArray thermistorQuery(const QString& pArguments, int TSlot::*pField) const;

    std::array<TSlot, LAST_PROBE> mSlots;
};
