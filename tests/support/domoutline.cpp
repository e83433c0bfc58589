#include "domoutline.h"

#include <QDomElement>
#include <QDomNamedNodeMap>

namespace
{
void outline(const QDomNode& pParent, int pDepth, QStringList& oLines)
{
    for (QDomElement e = pParent.firstChildElement(); !e.isNull(); e = e.nextSiblingElement()) {
        QString line = QString(pDepth * 2, ' ') + e.tagName();
        const QDomNamedNodeMap attributes = e.attributes();
        QStringList attributeTexts;
        for (int i = 0; i < attributes.count(); ++i)
            attributeTexts << attributes.item(i).nodeName() + "=" + attributes.item(i).nodeValue();
        attributeTexts.sort();
        if (!attributeTexts.isEmpty())
            line += "[" + attributeTexts.join(' ') + "]";
        if (e.firstChildElement().isNull())
            line += ": " + e.text();
        oLines << line;
        outline(e, pDepth + 1, oLines);
    }
}
} // namespace

QStringList domOutline(const QDomNode& pParent)
{
    QStringList lines;
    outline(pParent, 0, lines);
    return lines;
}
