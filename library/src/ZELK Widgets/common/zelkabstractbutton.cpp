#include "zelkabstractbutton.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace
{
struct TSchemeColors
{
    // Positions of the second, third and last stop, then the four colours.
    float mPositions[3];
    const char* mColors[4];
    const char* mBorder;
};

const TSchemeColors& schemeColors(QZELKAbstractButton::EnColorScheme pScheme)
{
    static const TSchemeColors BLACK{{0.05f, 0.4f, 1.0f}, {"#242424", "#A0A0A0", "#191919", "#414141"}, "#252525"};
    static const TSchemeColors BLUE{{0.05f, 0.25f, 1.0f}, {"#4990d0", "#6ab3f4", "#083a67", "#0a5ca9"}, "#032343"};
    static const TSchemeColors GREEN{{0.05f, 0.25f, 1.0f}, {"#00A813", "#00CE18", "#005B0A", "#007F0E"}, "#002D04"};
    static const TSchemeColors RED{{0.05f, 0.25f, 1.0f}, {"#9E2A2E", "#F45D67", "#76100B", "#E25857"}, "#440003"};
    static const TSchemeColors YELLOW{{0.1f, 0.3f, 0.8f}, {"#FF6600", "#FFCC00", "#FF6600", "#FF9900"}, "#7F3300"};
    static const TSchemeColors MINT{{0.1f, 0.3f, 0.8f}, {"#1B8258", "#2FE297", "#084B30", "#0E7F51"}, "#063E28"};
    static const TSchemeColors VIOLET{{0.1f, 0.3f, 0.8f}, {"#7B2169", "#D338B5", "#480E3C", "#781563"}, "#35092B"};
    static const TSchemeColors DARK_VIOLET{{0.1f, 0.3f, 0.8f}, {"#32217B", "#553AD7", "#1A0F4B", "#271578"}, "#110935"};
    static const TSchemeColors BROWN{{0.1f, 0.3f, 0.8f}, {"#7B5221", "#D98E3A", "#472B0C", "#784A15"}, "#39240B"};
    static const TSchemeColors TURQUOIS{{0.1f, 0.3f, 0.8f}, {"#17848C", "#23C3CE", "#105D63", "#167C83"}, "#0F585E"};
    static const TSchemeColors GREY{{0.1f, 0.3f, 0.8f}, {"#989898", "#CACACA", "#7B7B7B", "#919191"}, "#717171"};

    switch (pScheme) {
    case QZELKAbstractButton::csBlue:
        return BLUE;
    case QZELKAbstractButton::csGreen:
        return GREEN;
    case QZELKAbstractButton::csRed:
        return RED;
    case QZELKAbstractButton::csYellow:
        return YELLOW;
    case QZELKAbstractButton::csMint:
        return MINT;
    case QZELKAbstractButton::csViolet:
        return VIOLET;
    case QZELKAbstractButton::csDarkViolet:
        return DARK_VIOLET;
    case QZELKAbstractButton::csBrown:
        return BROWN;
    case QZELKAbstractButton::csTurquois:
        return TURQUOIS;
    case QZELKAbstractButton::csGrey:
        return GREY;
    default:
        return BLACK;
    }
}

void setStops(std::map<float, QColor>& oStops, const TSchemeColors& pColors)
{
    oStops[0.0f] = QColor(pColors.mColors[0]);
    for (int i = 0; i < 3; ++i)
        oStops[pColors.mPositions[i]] = QColor(pColors.mColors[i + 1]);
}
} // namespace

QZELKAbstractButton::QZELKAbstractButton(QWidget* pParent) : QWidget(pParent)
{
    setMinimumHeight(34);
}

void QZELKAbstractButton::setColorSchemeIndex(int pIndex)
{
    if (pIndex == mColorSchemeIndex)
        return;
    mColorSchemeIndex = pIndex;
    repaint();
}

void QZELKAbstractButton::setBorderRadius(unsigned int pRadius)
{
    if (pRadius == mBorderRadius)
        return;
    mBorderRadius = pRadius;
    repaint();
}

void QZELKAbstractButton::setHighlighted(bool pHighlighted)
{
    if (pHighlighted == mHighlighted)
        return;
    mHighlighted = pHighlighted;
    repaint();
}

QLabel* QZELKAbstractButton::label()
{
    if (mLabel)
        return mLabel;
    // A button that a form has already given a layout keeps it.
    QLayout* buttonLayout = layout();
    if (!buttonLayout) {
        auto* box = new QHBoxLayout(this);
        box->setSpacing(2);
        box->setContentsMargins(9, 0, 9, 0);
        buttonLayout = box;
    }
    mLabel = new QLabel(this);
    buttonLayout->addWidget(mLabel);
    return mLabel;
}

void QZELKAbstractButton::defineColors(std::map<float, QColor>& oGradientStops, QColor& oPenColor,
                                       int pColorSchemeIndex, bool pHighlighted)
{
    if (!isEnabled()) {
        static const TSchemeColors DISABLED{
            {0.1f, 0.3f, 0.8f}, {"#333333", "#FFFFFF", "#999999", "#444444"}, "#252525"};
        setStops(oGradientStops, DISABLED);
        oPenColor = QColor(DISABLED.mBorder);
        return;
    }

    const auto scheme = static_cast<EnColorScheme>(static_cast<quint8>(pColorSchemeIndex));
    const TSchemeColors& colors = schemeColors(scheme);
    oPenColor = QColor(colors.mBorder);
    if (!pHighlighted)
        setStops(oGradientStops, colors);
    else if (scheme == csYellow)
        // Orange on orange would not show the press.
        setStops(oGradientStops, schemeColors(csBlue));
    else
        setStops(oGradientStops, schemeColors(csYellow));
}

void QZELKAbstractButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, true);

    QPainterPath outline;
    outline.addRoundedRect(QRectF(1, 1, width() - 2, height() - 2), mBorderRadius, mBorderRadius, Qt::AbsoluteSize);

    QLinearGradient gradient(0, 0, 0, 1);
    gradient.setCoordinateMode(QGradient::ObjectBoundingMode);
    std::map<float, QColor> stops;
    QColor border;
    defineColors(stops, border, mColorSchemeIndex, mHighlighted);
    for (const auto& stop : stops)
        gradient.setColorAt(stop.first, stop.second);

    QPen pen = painter.pen();
    pen.setWidth(2);
    pen.setColor(border);

    painter.fillPath(outline, gradient);
    painter.strokePath(outline, pen);
}

void QZELKAbstractButton::reapplyStyleSheet()
{
    setStyleSheet(styleSheet());
}
