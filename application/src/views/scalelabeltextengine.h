#pragma once

#include <QFont>
#include <QVector>

#include <qwt_text.h>
#include <qwt_text_engine.h>

// Qwt's plain text engine with the margins of each font remembered. Qwt asks
// for a label's margins every time it measures the label, a hundred times a
// measuring cycle on the graph's axes, and works them out anew from the
// font's description text: that cost more than measuring and drawing the
// labels. The margins depend on the font alone, so the labels come out the
// same to the pixel.
class TScaleLabelTextEngine : public QwtPlainTextEngine
{
public:
    // The text format the graph's axis labels are written in; the engine is
    // registered with Qwt under it on first use and lives as long as Qwt's
    // own engines.
    static QwtText::TextFormat format();
    // A tick label in that format.
    static QwtText label(const QString& pText);

    // Texts of no particular format keep Qwt's own engines.
    bool mightRender(const QString&) const override { return false; }
    void textMargins(const QFont& pFont, const QString& pText, double& oLeft, double& oRight, double& oTop,
                     double& oBottom) const override;

private:
    struct TMargins
    {
        QFont mFont;
        double mLeft;
        double mRight;
        double mTop;
        double mBottom;
    };
    // The graph draws its axes in one or two fonts; a few more are kept for
    // a changed style sheet.
    static constexpr int KEPT_FONT_COUNT = 4;
    mutable QVector<TMargins> mMargins;
};
