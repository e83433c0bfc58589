#pragma once

#include <QObject>

class QFont;

// Fits one line of text (probe names on buttons and labels) into a width.
class TFontMetricsHelper : public QObject
{
    Q_OBJECT

public:
    explicit TFontMetricsHelper(QObject* pParent = nullptr);

    // Gives pFont pDefaultFontSize pixels and lowers it one pixel at a time
    // while the text is wider than pMaxWidth, down to pMinimumFontSize (a
    // negative minimum: down to 1 pixel). If the text is still too wide and
    // pTruncateIfTooLong is set, it is shortened to end in "..." (down to
    // "..." alone). Font and text are changed in place.
    static void calculateFontSize(QString& pString, QFont& pFont, int pMaxWidth, int pDefaultFontSize,
                                  int pMinimumFontSize, bool pTruncateIfTooLong);
    // "font-size: <pixel size>px;" for a widget's style sheet.
    static QString fontsizeStylesheetEntry(const QFont& pFont);
};
