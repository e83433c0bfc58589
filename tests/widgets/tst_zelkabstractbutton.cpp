#include "paintcounter.h"
#include "testsupport.h"
#include "zelkabstractbutton.h"

#include <QHBoxLayout>
#include <QLabel>

namespace
{
// "0:#242424 0.05:#a0a0a0 ... | #252525"
QString colorsText(QZELKAbstractButton& pButton, int pScheme, bool pHighlighted)
{
    std::map<float, QColor> stops;
    QColor pen;
    pButton.defineColors(stops, pen, pScheme, pHighlighted);
    QStringList parts;
    for (const auto& stop : stops)
        parts << QString("%1:%2").arg(double(stop.first)).arg(stop.second.name());
    return parts.join(' ') + " | " + pen.name();
}

QString expected(const char* pStops, const char* pBorder)
{
    return QString(pStops).toLower() + " | " + QString(pBorder).toLower();
}

const char* const BLACK = "0:#242424 0.05:#A0A0A0 0.4:#191919 1:#414141";
const char* const BLUE = "0:#4990d0 0.05:#6ab3f4 0.25:#083a67 1:#0a5ca9";
const char* const ORANGE = "0:#FF6600 0.1:#FFCC00 0.3:#FF6600 0.8:#FF9900";
const char* const DISABLED = "0:#333333 0.1:#FFFFFF 0.3:#999999 0.8:#444444";

bool near(QColor pA, QColor pB)
{
    return qAbs(pA.red() - pB.red()) <= 8 && qAbs(pA.green() - pB.green()) <= 8 && qAbs(pA.blue() - pB.blue()) <= 8;
}
} // namespace

class tst_ZELKAbstractButton : public QObject
{
    Q_OBJECT

private slots:
    void colorSchemes_data();
    void colorSchemes();
    void disabledLookWins_data();
    void disabledLookWins();
    void paintsBorderAndGradient();
    void settersRepaintOnlyOnChange();
    void labelIsCreatedOnce();
};

void tst_ZELKAbstractButton::colorSchemes_data()
{
    QTest::addColumn<int>("scheme");
    QTest::addColumn<bool>("highlighted");
    QTest::addColumn<QString>("colors");

    QTest::newRow("black") << 1 << false << expected(BLACK, "#252525");
    QTest::newRow("blue") << 2 << false << expected(BLUE, "#032343");
    QTest::newRow("green") << 3 << false << expected("0:#00A813 0.05:#00CE18 0.25:#005B0A 1:#007F0E", "#002D04");
    QTest::newRow("red") << 4 << false << expected("0:#9E2A2E 0.05:#F45D67 0.25:#76100B 1:#E25857", "#440003");
    QTest::newRow("yellow") << 5 << false << expected(ORANGE, "#7F3300");
    QTest::newRow("mint") << 6 << false << expected("0:#1B8258 0.1:#2FE297 0.3:#084B30 0.8:#0E7F51", "#063E28");
    QTest::newRow("violet") << 7 << false << expected("0:#7B2169 0.1:#D338B5 0.3:#480E3C 0.8:#781563", "#35092B");
    QTest::newRow("dark violet") << 8 << false << expected("0:#32217B 0.1:#553AD7 0.3:#1A0F4B 0.8:#271578", "#110935");
    QTest::newRow("brown") << 9 << false << expected("0:#7B5221 0.1:#D98E3A 0.3:#472B0C 0.8:#784A15", "#39240B");
    QTest::newRow("turquois") << 10 << false << expected("0:#17848C 0.1:#23C3CE 0.3:#105D63 0.8:#167C83", "#0F585E");
    QTest::newRow("grey") << 11 << false << expected("0:#989898 0.1:#CACACA 0.3:#7B7B7B 0.8:#919191", "#717171");

    QTest::newRow("index 0 is black") << 0 << false << expected(BLACK, "#252525");
    QTest::newRow("index 12 is black") << 12 << false << expected(BLACK, "#252525");
    QTest::newRow("index -1 is black") << -1 << false << expected(BLACK, "#252525");
    QTest::newRow("index 258 is blue (one byte)") << 258 << false << expected(BLUE, "#032343");
    QTest::newRow("index 263 is violet (one byte)")
        << 263 << false << expected("0:#7B2169 0.1:#D338B5 0.3:#480E3C 0.8:#781563", "#35092B");

    QTest::newRow("highlighted black is orange") << 1 << true << expected(ORANGE, "#252525");
    QTest::newRow("highlighted blue is orange with its border") << 2 << true << expected(ORANGE, "#032343");
    QTest::newRow("highlighted grey is orange with its border") << 11 << true << expected(ORANGE, "#717171");
    QTest::newRow("highlighted yellow is blue with the brown border") << 5 << true << expected(BLUE, "#7F3300");
}

void tst_ZELKAbstractButton::colorSchemes()
{
    QFETCH(int, scheme);
    QFETCH(bool, highlighted);
    QFETCH(QString, colors);

    QZELKAbstractButton button;
    QCOMPARE(colorsText(button, scheme, highlighted), colors);
}

void tst_ZELKAbstractButton::disabledLookWins_data()
{
    QTest::addColumn<int>("scheme");
    QTest::addColumn<bool>("highlighted");
    QTest::newRow("black") << 1 << false;
    QTest::newRow("red highlighted") << 4 << true;
    QTest::newRow("yellow highlighted") << 5 << true;
    QTest::newRow("unknown index") << 99 << false;
}

void tst_ZELKAbstractButton::disabledLookWins()
{
    QFETCH(int, scheme);
    QFETCH(bool, highlighted);

    QWidget page;
    auto* button = new QZELKAbstractButton(&page);
    page.setEnabled(false);
    QCOMPARE(colorsText(*button, scheme, highlighted), expected(DISABLED, "#252525"));
}

void tst_ZELKAbstractButton::paintsBorderAndGradient()
{
    QZELKAbstractButton button;
    button.resize(120, 60);
    button.setColorSchemeIndex(QZELKAbstractButton::csGreen);
    button.setBorderRadius(0);
    const QImage green = button.grab().toImage();
    QVERIFY(near(green.pixelColor(1, 30), QColor("#002D04")));
    QVERIFY(near(green.pixelColor(60, 57), QColor("#007F0E")));

    button.setHighlighted(true);
    const QImage pressed = button.grab().toImage();
    QVERIFY(near(pressed.pixelColor(1, 30), QColor("#002D04")));
    // Between the stops at 0.3 (#FF6600) and 0.8 (#FF9900), a clear orange.
    const QColor middle = pressed.pixelColor(60, 33);
    QCOMPARE(middle.red(), 255);
    QVERIFY(middle.green() > 0x66 && middle.green() < 0x99);
}

void tst_ZELKAbstractButton::settersRepaintOnlyOnChange()
{
    QZELKAbstractButton button;
    button.resize(100, 40);
    button.show();
    QVERIFY(QTest::qWaitForWindowExposed(&button));
    TPaintCounter counter;
    button.installEventFilter(&counter);

    button.setColorSchemeIndex(1);
    button.setBorderRadius(10);
    button.setHighlighted(false);
    QCOMPARE(counter.mPaints, 0);

    // Each change paints at once, not later from the event loop.
    button.setColorSchemeIndex(3);
    QCOMPARE(counter.mPaints, 1);
    button.setBorderRadius(6);
    QCOMPARE(counter.mPaints, 2);
    button.setHighlighted(true);
    QCOMPARE(counter.mPaints, 3);
    button.setHighlighted(true);
    QCOMPARE(counter.mPaints, 3);
}

void tst_ZELKAbstractButton::labelIsCreatedOnce()
{
    QZELKAbstractButton button;
    QLabel* label = button.label();
    QCOMPARE(button.label(), label);
    QCOMPARE(label->parentWidget(), &button);
    QCOMPARE(button.findChildren<QLabel*>().size(), 1);

    auto* box = qobject_cast<QHBoxLayout*>(button.layout());
    QVERIFY(box);
    QCOMPARE(box->count(), 1);
    QCOMPARE(box->spacing(), 2);
    QCOMPARE(box->contentsMargins(), QMargins(9, 0, 9, 0));
}

TAMARIND_TEST_MAIN(tst_ZELKAbstractButton)
#include "tst_zelkabstractbutton.moc"
