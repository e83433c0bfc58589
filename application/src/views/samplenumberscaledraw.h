#pragma once

#include <qwt_scale_draw.h>

class QFont;

// The graph's x axis: one tick per sample number, labelled with the plain
// number. Qwt writes labels in the locale's format, which groups thousands
// ("3,591"); and with four-digit numbers the labels of neighbouring ticks
// would run into each other, so then only every n-th tick is labelled.
class TSampleNumberScaleDraw : public QwtScaleDraw
{
public:
    QwtText label(double pValue) const override;
    // Every how many samples a tick carries its label: 1 while the widest
    // label of the window fits between two ticks.
    int labelInterval(const QFont& pFont) const;

protected:
    void drawLabel(QPainter* pPainter, double pValue) const override;
};
