#pragma once

#include <QObject>
#include <QString>

#include <memory>

class TAbstractProbe;

// Writes and reads the comma-separated probe record that the measurement board
// keeps for each stored probe and that the probe backups hold. The layout
// depends on the board: variants after the first carry a 33rd field, the
// operating current setting. Holds no state; create one for each use.
class TProbeSerializer : public QObject
{
    Q_OBJECT

public:
    explicit TProbeSerializer(QObject* parent = nullptr);

    // Numbers in the C locale; the name cut to the longest stored name.
    QString probeToString(const TAbstractProbe& pProbe) const;

    // A new PRT, thermocouple or thermistor probe, or null: without a signal
    // for an empty slot (empty name) or an unknown sensor code, with
    // invalidProbeSerialization() for a record that is refused.
    std::unique_ptr<TAbstractProbe> createProbeFromString(int pProbeNumber, const QString& pProbeString,
                                                          bool pDefaultProbe);

signals:
    // The probe number and the index of the field that failed: -1 for a
    // wrong field count, otherwise the 0-based field index.
    void invalidProbeSerialization(int pProbeNumber, int pFieldIndex);
};
