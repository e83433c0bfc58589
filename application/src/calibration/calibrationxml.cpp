#include "calibrationxml.h"

#include "channel.h"

#include <QDomDocument>
#include <QDomText>

namespace CalibrationXML
{
QDomElement appendTextElement(QDomNode& pParent, const QString& pName, const QString& pText)
{
    QDomDocument document = pParent.ownerDocument();
    QDomElement element = document.createElement(pName);
    if (!pText.isEmpty())
        element.appendChild(document.createTextNode(pText));
    pParent.appendChild(element);
    return element;
}

QString exponentText(double pValue)
{
    return QString::number(pValue, 'e', 8);
}

QDomElement appendValueElement(QDomNode& pParent, const QString& pName, const TElectricalTemperatureValue& pValue)
{
    QDomElement element = appendTextElement(pParent, pName, exponentText(pValue.value()));
    element.setAttribute(QStringLiteral("unit_id"), QString::number(pValue.unit()));
    element.setAttribute(QStringLiteral("unit_text"), TAbstractChannel::unitToText(pValue.unit()));
    return element;
}

Electrical_temperature_units::EnUnit unitFromText(const QString& pText, bool* oOk)
{
    return static_cast<Electrical_temperature_units::EnUnit>(static_cast<quint8>(pText.toInt(oOk, 10)));
}

TElectricalTemperatureValue readValue(const QDomElement& pElement)
{
    return TElectricalTemperatureValue(pElement.text().toDouble(),
                                       unitFromText(pElement.attribute(QStringLiteral("unit_id"))));
}
} // namespace CalibrationXML
