#pragma once

#include <QFont>
#include <QHash>

#include <optional>
#include <tuple>

#include <qwt_scale_draw.h>

// The graph's x axis: one tick per sample number, labelled with the plain
// number. Qwt writes labels in the locale's format, which groups thousands
// ("3,591"); and with four-digit numbers the labels of neighbouring ticks
// would run into each other, so then only every n-th tick is labelled.
//
// The window moves on by a sample each measuring cycle, and Qwt then
// measures every label of the new window anew, several times over. What
// does not change with the window is kept: the measured label of each
// sample number, the axis' height and the label interval.
class TSampleNumberScaleDraw : public QwtScaleDraw
{
public:
    QwtText label(double pValue) const override;
    double extent(const QFont& pFont) const override;
    // Every how many samples a tick carries its label: 1 while the widest
    // label of the window fits between two ticks.
    int labelInterval(const QFont& pFont) const;

protected:
    void drawLabel(QPainter* pPainter, double pValue) const override;

private:
    // Labels are measured in the font the axis asked with last.
    void useFont(const QFont& pFont) const;
    bool isLabelled() const;

    // A few windows' worth: a window holds 13 labels.
    static constexpr int KEPT_LABEL_COUNT = 64;
    mutable QFont mLabelFont;
    mutable QHash<qint64, QwtText> mLabels;

    // What the height of the axis depends on: font, spacing, tick length,
    // pen width, minimum extent, rotation, alignment, components, and
    // whether the window has a label at all. Every label is one line of
    // digits, as high as any other, so the window's numbers do not count.
    using TExtentInput = std::tuple<QFont, double, double, int, double, double, int, int, bool>;
    mutable std::optional<TExtentInput> mExtentInput;
    mutable double mExtent = 0.0;

    // The interval holds for a font, window bounds and tick spacing.
    using TIntervalInput = std::tuple<QFont, double, double, double>;
    mutable std::optional<TIntervalInput> mIntervalInput;
    mutable int mInterval = 1;
};

// The graph's y axis: Qwt's own labels, measured by the label text engine.
class TValueScaleDraw : public QwtScaleDraw
{
public:
    QwtText label(double pValue) const override;
};
