#pragma once

#include <QObject>

class QLabel;

// Sets a label's one line of text in a smaller font, down to a smallest size, while it is wider than the label:
// whenever the label is resized or its font changes, and when a new text comes through setText. The size the
// style sheets give the label when the fit is made is its largest; the fit owns the label's own style sheet.
// The label owns the fit.
class TLabelFontFit : public QObject
{
    Q_OBJECT

public:
    TLabelFontFit(QLabel* pLabel, int pMinimumFontSize);

    // Shows pText in pLabel, fitted when the label has a fit; the text it already shows costs one comparison.
    static void setText(QLabel* pLabel, const QString& pText);

    void fit();

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;

private:
    QLabel& mLabel;
    int mFontSize = 0;
    int mMinimumFontSize = 0;
};
