#include "imagedifference.h"
#include "paintcounter.h"
#include "testsupport.h"
#include "valueshadoweffect.h"

#include <QGraphicsDropShadowEffect>
#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>

namespace
{
// The look of a main value label: a colour that fades from top to bottom, on a panel that has the background.
const char* const VALUE_LOOK = "color: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1, stop: 0 #FFFFFF, stop: 1 #B1B1B1); "
                               "font-family: \"DejaVu Sans\"; font-size: %1px;";

const QSize PANEL_SIZE(560, 200);

// A value label as the views show it, on a panel of its own, with its shadow.
struct TValuePanel
{
    TValuePanel(QGraphicsDropShadowEffect* pShadow, const QString& pText, int pFontSize, Qt::Alignment pAlignment,
                qreal pBlurRadius, bool pPanelSheetForAll)
        : mPanelSheetForAll(pPanelSheetForAll)
    {
        mPanel.setObjectName(QStringLiteral("panel"));
        mPanel.setStyleSheet(pPanelSheetForAll ? QStringLiteral("background-color: #032343; color: white;")
                                               : QStringLiteral("#panel { background-color: #032343; }"));
        mPanel.resize(PANEL_SIZE);
        auto* layout = new QVBoxLayout(&mPanel);
        mLabel = new QLabel(pText, &mPanel);
        mLabel->setAlignment(pAlignment);
        setFontSize(pFontSize);
        layout->addWidget(mLabel);
        pShadow->setParent(mLabel);
        pShadow->setOffset(2, 2);
        pShadow->setBlurRadius(pBlurRadius);
        mLabel->setGraphicsEffect(pShadow);
    }
    QImage grab() { return mPanel.grab().toImage().convertToFormat(QImage::Format_RGB32); }
    void setFontSize(int pFontSize)
    {
        mLabel->setStyleSheet(mPanelSheetForAll ? QStringLiteral("font-size: %1px;").arg(pFontSize)
                                                : QString::fromLatin1(VALUE_LOOK).arg(pFontSize));
    }

    const bool mPanelSheetForAll;
    QWidget mPanel;
    QLabel* mLabel = nullptr;
};
} // namespace

// The value labels' shadow, blurred around the digits only, looks as the
// toolkit's drop shadow over the whole label does.
class tst_ValueShadowEffect : public QObject
{
    Q_OBJECT

private slots:
    void looksAsTheToolkitsShadow_data();
    void looksAsTheToolkitsShadow();
    void newReadingIsNotDrawnThroughTheLabel_data();
    void newReadingIsNotDrawnThroughTheLabel();
};

void tst_ValueShadowEffect::looksAsTheToolkitsShadow_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("fontSize");
    QTest::addColumn<int>("alignment");
    QTest::addColumn<qreal>("blurRadius");
    QTest::addColumn<bool>("labelBackground");

    const int centred = int(Qt::AlignCenter);
    const int right = int(Qt::AlignRight | Qt::AlignVCenter);
    QTest::newRow("large reading") << "-123.4567" << 130 << centred << 1.0 << true;
    QTest::newRow("small reading") << "23.000" << 40 << centred << 1.0 << true;
    QTest::newRow("digits at the label's edges")
        << "88888888" << 130 << int(Qt::AlignLeft | Qt::AlignTop) << 1.0 << true;
    QTest::newRow("no reading") << "" << 130 << centred << 1.0 << true;
    QTest::newRow("a wider blur") << "23.000" << 80 << centred << 3.5 << true;
    QTest::newRow("a blur computed at half size") << "23.000" << 80 << centred << 6.0 << true;
    QTest::newRow("home view reading, by characters") << "23.0417" << 106 << right << 1.0 << false;
    QTest::newRow("negative reading, by characters") << "-195.7813" << 85 << right << 1.0 << false;
    QTest::newRow("no value, by characters") << "OL" << 130 << right << 1.0 << false;
    QTest::newRow("reading below the glyph cache's size") << "1234.5678" << 55 << right << 1.0 << false;
    QTest::newRow("centred reading, by characters") << "-0.06" << 120 << centred << 1.0 << false;
    QTest::newRow("digits at the label's edges, by characters")
        << "88888888" << 130 << int(Qt::AlignLeft | Qt::AlignTop) << 1.0 << false;
    QTest::newRow("a wider blur, by characters") << "71.25" << 95 << right << 3.5 << false;
}

// Drawn character by character, two characters' shadows or edges that share a
// pixel may differ by a step from the text drawn at once; nothing a user sees.
void tst_ValueShadowEffect::looksAsTheToolkitsShadow()
{
    QFETCH(QString, text);
    QFETCH(int, fontSize);
    QFETCH(int, alignment);
    QFETCH(qreal, blurRadius);
    QFETCH(bool, labelBackground);

    const QImage expected = TValuePanel(new QGraphicsDropShadowEffect, text, fontSize, Qt::Alignment(alignment),
                                        blurRadius, labelBackground)
                                .grab();
    TValuePanel drawn(new TValueShadowEffect, text, fontSize, Qt::Alignment(alignment), blurRadius, labelBackground);
    const QImage first = drawn.grab();
    if (labelBackground)
        QCOMPARE(first, expected);
    else
        QVERIFY2(imageDifference(first, expected).mPsnr >= 50.0,
                 qPrintable(QString::number(imageDifference(first, expected).mPsnr)));
    // Drawn again from the character images made the first time.
    QCOMPARE(drawn.grab(), first);
}

void tst_ValueShadowEffect::newReadingIsNotDrawnThroughTheLabel_data()
{
    QTest::addColumn<int>("fontSize");
    QTest::addColumn<bool>("labelBackground");
    // Sizes the label takes before it is back at its size, as a reading that crosses a boundary of its length does.
    QTest::addColumn<QList<int>>("sizesBetween");
    // Whether another value label draws those sizes, as the views not shown or the other channels of a view do.
    QTest::addColumn<bool>("anotherLabel");
    // Readings with noise in their last digits that every size shows before, as a scan's channels do, the last of
    // them the one shown again.
    QTest::addColumn<QStringList>("readings");
    QTest::addColumn<bool>("throughTheLabel");
    QTest::newRow("home view") << 106 << false << QList<int>() << false << QStringList() << false;
    QTest::newRow("two-channel view") << 55 << false << QList<int>() << false << QStringList() << false;
    QTest::newRow("four-channel view") << 41 << false << QList<int>() << false << QStringList() << false;
    QTest::newRow("label with a background of its own")
        << 106 << true << QList<int>() << false << QStringList() << true;
    QTest::newRow("home view, back from a reading one digit longer")
        << 106 << false << QList<int>{95} << false << QStringList() << false;
    // A scan over channels of three lengths, or a reading that crosses two boundaries.
    QTest::newRow("home view, back from two other sizes")
        << 106 << false << QList<int>{95, 85} << false << QStringList() << false;
    const QList<int> otherHomeSizes{130, 120, 95, 85, 77, 70, 65, 60, 55, 52};
    QTest::newRow("home view, back from every other size it gives")
        << 106 << false << otherHomeSizes << false << QStringList() << false;
    QTest::newRow("home view, back from another label's sizes")
        << 106 << false << QList<int>{55, 52, 41} << true << QStringList() << false;
    // Past the most sizes a view gives, or past the images' bound in bytes, those drawn least recently are dropped.
    // Noise in the last three digits at three sizes together passes the bound: each size keeps its last readings.
    QStringList noise;
    for (int reading = 0; reading < 10; ++reading)
        noise << QStringLiteral("23.0%1%2%3").arg(reading).arg((reading + 3) % 10).arg((reading + 7) % 10);
    noise << QStringLiteral("23.0397");
    QTest::newRow("home view, back from two other sizes with noise past the bound")
        << 106 << false << QList<int>{130, 120} << false << noise << false;
    QTest::newRow("home view, back from more sizes than it gives")
        << 106 << false << otherHomeSizes + QList<int>{48} << false << QStringList() << true;
    const QList<int> largeSizes{320, 310, 300, 290, 280, 270, 260};
    QTest::newRow("home view, back from sizes whose images pass the bound")
        << 106 << false << largeSizes << false << QStringList() << true;
    // The bound holds for all labels together.
    QTest::newRow("home view, back from another label's sizes whose images pass the bound")
        << 106 << false << largeSizes << true << QStringList() << true;
}

// The label's own drawing is filling the large digits' outlines and blurring
// the shadow anew: too slow for a reading every cycle on the device. A reading
// whose characters all stood at their places before is put together from them.
void tst_ValueShadowEffect::newReadingIsNotDrawnThroughTheLabel()
{
    QFETCH(int, fontSize);
    QFETCH(bool, labelBackground);
    QFETCH(QList<int>, sizesBetween);
    QFETCH(bool, anotherLabel);
    QFETCH(QStringList, readings);
    QFETCH(bool, throughTheLabel);

    const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
    TValuePanel value(new TValueShadowEffect, QStringLiteral("23.0417"), fontSize, right, 1.0, labelBackground);
    value.grab();
    value.mLabel->setText(QStringLiteral("23.0391"));
    value.grab();
    const auto showReadings = [&readings](TValuePanel& pPanel) {
        for (const QString& reading : readings) {
            pPanel.mLabel->setText(reading);
            pPanel.grab();
        }
    };
    showReadings(value);
    TValuePanel other(new TValueShadowEffect, QStringLiteral("23.0417"), fontSize, right, 1.0, labelBackground);
    TValuePanel& between = anotherLabel ? other : value;
    for (int size : sizesBetween) {
        between.setFontSize(size);
        // Room for the largest digits, whose images pass the bound soonest.
        between.mPanel.resize(std::max(PANEL_SIZE.width(), 5 * size), std::max(PANEL_SIZE.height(), 2 * size));
        between.grab();
        showReadings(between);
    }
    value.setFontSize(fontSize);
    // The panel is no smaller than its layout found the larger digits.
    value.mPanel.layout()->activate();
    value.mPanel.resize(PANEL_SIZE);
    TPaintCounter paints;
    value.mLabel->installEventFilter(&paints);
    value.mLabel->setText(QStringLiteral("23.0397"));
    const QImage drawn = value.grab();
    QCOMPARE(paints.mPaints > 0, throughTheLabel);
    const QImage expected =
        TValuePanel(new QGraphicsDropShadowEffect, QStringLiteral("23.0397"), fontSize, right, 1.0, labelBackground)
            .grab();
    QVERIFY2(imageDifference(drawn, expected).mPsnr >= 50.0,
             qPrintable(QString::number(imageDifference(drawn, expected).mPsnr)));
}

TAMARIND_TEST_MAIN(tst_ValueShadowEffect)
#include "tst_valueshadoweffect.moc"
