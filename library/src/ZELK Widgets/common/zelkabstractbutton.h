#pragma once

#include <QColor>
#include <QWidget>

#include <map>

class QLabel;

// Base of the painted touch buttons: a rounded rectangle with a vertical
// gradient and a 2-pixel border in one of eleven colour schemes, with a
// highlighted look (pressed, checked) and a disabled look. Its text, if any,
// lives in a label created on demand.
class QZELKAbstractButton : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(int colorSchemeIndex READ getColorSchemeIndex WRITE setColorSchemeIndex)
    Q_PROPERTY(unsigned int borderRadius READ getBorderRadius WRITE setBorderRadius)

public:
    // One byte wide: only the low byte of a scheme index counts.
    enum EnColorScheme : quint8 {
        csBlack = 1,
        csBlue = 2,
        csGreen = 3,
        csRed = 4,
        csYellow = 5,
        csMint = 6,
        csViolet = 7,
        csDarkViolet = 8,
        csBrown = 9,
        csTurquois = 10,
        csGrey = 11
    };

    explicit QZELKAbstractButton(QWidget* pParent = nullptr);

    int getColorSchemeIndex() const { return mColorSchemeIndex; }
    void setColorSchemeIndex(int pIndex);
    unsigned int getBorderRadius() const { return mBorderRadius; }
    void setBorderRadius(unsigned int pRadius);
    bool isHighlighted() const { return mHighlighted; }
    void setHighlighted(bool pHighlighted);

    // The caption label, created with its layout on the first call.
    QLabel* label();

    // The gradient stops (0.0 at the top to 1.0 at the bottom) and the border
    // colour of the button as it is to be painted now.
    virtual void defineColors(std::map<float, QColor>& oGradientStops, QColor& oPenColor, int pColorSchemeIndex,
                              bool pHighlighted);

protected:
    void paintEvent(QPaintEvent* pEvent) override;
    // Lets selectors on the button's properties in the page style sheets
    // take effect after a property changed.
    void reapplyStyleSheet();

private:
    QLabel* mLabel = nullptr;
    int mColorSchemeIndex = csBlack;
    unsigned int mBorderRadius = 10;
    bool mHighlighted = false;
};
