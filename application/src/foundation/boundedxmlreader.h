#pragma once

#include <QByteArray>
#include <QDomDocument>
#include <QString>

// Reads the XML files the user or a USB stick can put on the instrument
// (settings, calibration setups and routines) into a DOM document. The DOM
// parser descends once per nested element on the call stack: a few thousand
// nested elements overflow it and end the program, at every start when the
// file is the settings. Such a document is refused before it is parsed.
class TBoundedXmlReader
{
public:
    // The instrument's own files nest four elements deep at most; 64 leaves
    // room for anything a later version may add and is far from the thousands
    // of levels that exhaust the stack.
    static constexpr int MAXIMUM_DEPTH = 64;

    // False, with the document left as an empty one, when the content is no
    // well-formed XML or nests elements deeper than MAXIMUM_DEPTH.
    static bool setContent(QDomDocument& oDocument, const QByteArray& pContent);
    static bool setContent(QDomDocument& oDocument, const QString& pContent);
};
