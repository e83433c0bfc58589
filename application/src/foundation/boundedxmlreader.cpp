#include "boundedxmlreader.h"

#include <QXmlStreamReader>

namespace
{
// The stream reader keeps its open elements in a list of its own, not on the
// call stack, so it can walk any depth. A document it cannot read to the end
// is refused as well: the DOM parser must never see a part it did not check.
template <class TContent> bool withinDepth(const TContent& pContent)
{
    QXmlStreamReader reader(pContent);
    int depth = 0;
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartElement:
            if (++depth > TBoundedXmlReader::MAXIMUM_DEPTH)
                return false;
            break;
        case QXmlStreamReader::EndElement:
            --depth;
            break;
        default:
            break;
        }
    }
    return !reader.hasError();
}

template <class TContent> bool readBounded(QDomDocument& oDocument, const TContent& pContent)
{
    if (withinDepth(pContent) && oDocument.setContent(pContent))
        return true;
    oDocument = QDomDocument();
    return false;
}
} // namespace

bool TBoundedXmlReader::setContent(QDomDocument& oDocument, const QByteArray& pContent)
{
    return readBounded(oDocument, pContent);
}

bool TBoundedXmlReader::setContent(QDomDocument& oDocument, const QString& pContent)
{
    return readBounded(oDocument, pContent);
}
