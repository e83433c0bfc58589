#include "fontmetricshelper.h"
#include "testsupport.h"

#include <QFontMetrics>

namespace
{
int widthOf(const QString& pText, int pPixelSize)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pPixelSize);
    return QFontMetrics(font).boundingRect(pText).width();
}
} // namespace

class tst_FontMetricsHelper : public QObject
{
    Q_OBJECT

private slots:
    void fitting_data();
    void fitting();
    void elisionStopsAtTheDots();
    void negativeMinimumStopsAtOnePixel();
    void styleSheetEntry();
};

void tst_FontMetricsHelper::fitting_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("maxWidth");
    QTest::addColumn<int>("minimum");
    QTest::addColumn<bool>("elide");

    // Widths and sizes as the probe lists use them.
    QTest::newRow("short name fits at the start size") << "Pt100" << 204 << 14 << true;
    QTest::newRow("longer name shrinks") << "Reference probe 5628 lab B" << 204 << 12 << true;
    QTest::newRow("too long, elided") << "Secondary standard PRT serial 2204-17 bath 3" << 204 << 14 << true;
    QTest::newRow("too long, not elided") << "Secondary standard PRT serial 2204-17 bath 3" << 204 << 14 << false;
    QTest::newRow("narrow button") << "SMART probe 12" << 89 << 14 << true;
}

void tst_FontMetricsHelper::fitting()
{
    QFETCH(QString, name);
    QFETCH(int, maxWidth);
    QFETCH(int, minimum);
    QFETCH(bool, elide);

    QString text = name;
    QFont font(QStringLiteral("DejaVu Sans"));
    TFontMetricsHelper::calculateFontSize(text, font, maxWidth, 18, minimum, elide);
    const int size = font.pixelSize();

    QVERIFY(size <= 18 && size >= minimum);
    if (widthOf(name, size) <= maxWidth) {
        // The largest size that fits, the text untouched.
        QCOMPARE(text, name);
        QVERIFY(size == 18 || widthOf(name, size + 1) > maxWidth);
    } else {
        QCOMPARE(size, minimum);
        if (!elide) {
            QCOMPARE(text, name);
        } else {
            // As much of the name as fits before the dots.
            QVERIFY(text.endsWith("..."));
            const QString kept = text.chopped(3);
            QVERIFY(name.startsWith(kept));
            QVERIFY(widthOf(text, size) <= maxWidth);
            QVERIFY(widthOf(name.left(kept.size() + 1) + "...", size) > maxWidth);
        }
    }
}

void tst_FontMetricsHelper::elisionStopsAtTheDots()
{
    QString text = "Thermocouple";
    QFont font(QStringLiteral("DejaVu Sans"));
    TFontMetricsHelper::calculateFontSize(text, font, 5, 18, 14, true);
    QCOMPARE(text, QString("..."));
    QCOMPARE(font.pixelSize(), 14);
}

void tst_FontMetricsHelper::negativeMinimumStopsAtOnePixel()
{
    QString text = "Thermocouple type K";
    QFont font(QStringLiteral("DejaVu Sans"));
    TFontMetricsHelper::calculateFontSize(text, font, 1, 18, -1, false);
    QCOMPARE(font.pixelSize(), 1);
    QCOMPARE(text, QString("Thermocouple type K"));
}

void tst_FontMetricsHelper::styleSheetEntry()
{
    QFont font;
    font.setPixelSize(15);
    QCOMPARE(TFontMetricsHelper::fontsizeStylesheetEntry(font), QString("font-size: 15px;"));
}

TAMARIND_TEST_MAIN(tst_FontMetricsHelper)
#include "tst_fontmetricshelper.moc"
