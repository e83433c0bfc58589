#pragma once

#include "electrical_temperature_units.h"

#include <QDomElement>
#include <QString>

// The conventions the calibration files share: numbers with "." whatever the
// user's separator, values with their unit code and, for people only, the
// unit's text; readers that keep a default for whatever does not parse.
namespace CalibrationXML
{
// Appends <pName>pText</pName> to pParent through its owner document.
QDomElement appendTextElement(QDomNode& pParent, const QString& pName, const QString& pText);
// The number in exponent form with eight decimals ("nan" when not a number),
// with "unit_id" and "unit_text".
QDomElement appendValueElement(QDomNode& pParent, const QString& pName, const TElectricalTemperatureValue& pValue);
QString exponentText(double pValue);

// The element's number and its "unit_id"; what does not parse reads as 0.
TElectricalTemperatureValue readValue(const QDomElement& pElement);
// The unit code held in one byte, as the files store it.
Electrical_temperature_units::EnUnit unitFromText(const QString& pText, bool* oOk = nullptr);
} // namespace CalibrationXML
