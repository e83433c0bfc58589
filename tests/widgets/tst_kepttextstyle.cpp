#include "imagedifference.h"
#include "kepttextstyle.h"
#include "testsupport.h"

#include <QPainter>
#include <QStyleFactory>

#include <memory>

class tst_KeptTextStyle : public QObject
{
    Q_OBJECT

private slots:
    void keptTextLooksAsDrawn_data();
    void keptTextLooksAsDrawn();
};

void tst_KeptTextStyle::keptTextLooksAsDrawn_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("flags");
    QTest::addColumn<int>("pixelSize");
    QTest::addColumn<bool>("italic");
    QTest::addColumn<QColor>("background");
    QTest::addColumn<QPoint>("offset");
    QTest::addColumn<qreal>("scale");

    const QColor grey(0x41, 0x41, 0x41);
    const int left = Qt::AlignLeft | Qt::AlignVCenter;
    const int right = Qt::AlignRight | Qt::AlignVCenter;
    QTest::newRow("caption on a panel") << "Resistance" << left << 18 << false << grey << QPoint(3, 4) << 1.0;
    QTest::newRow("reading, right-aligned") << "108.9585 Ω" << right << 18 << false << grey << QPoint(0, 0) << 1.0;
    QTest::newRow("centred") << "Resolution" << int(Qt::AlignCenter) << 18 << false << grey << QPoint(7, 1) << 1.0;
    QTest::newRow("wider than its place")
        << "Channel 1 No. of meas.: 10 Average: 23.000 °C" << right << 18 << false << grey << QPoint(2, 2) << 1.0;
    QTest::newRow("two lines") << "23.0000\n22.9999" << right << 15 << false << grey << QPoint(0, 3) << 1.0;
    QTest::newRow("large and slanted") << "23.000" << right << 60 << true << grey << QPoint(1, 0) << 1.0;
    QTest::newRow("on a clear image") << "Peak" << left << 18 << false << QColor(Qt::transparent) << QPoint(5, 5)
                                      << 1.0;
    QTest::newRow("mnemonic") << "&clear" << int(Qt::AlignCenter | Qt::TextShowMnemonic) << 18 << false << grey
                              << QPoint(0, 0) << 1.0;
    QTest::newRow("right to left") << QStringLiteral("\u0627\u0644\u0645\u0642\u0627\u0648\u0645\u0629 12")
                                   << int(Qt::AlignLeading | Qt::AlignVCenter) << 18 << false << grey << QPoint(4, 2)
                                   << 1.0;
    QTest::newRow("scaled painter, drawn as it is") << "Probe" << left << 18 << false << grey << QPoint(0, 0) << 1.5;
}

void tst_KeptTextStyle::keptTextLooksAsDrawn()
{
    QFETCH(QString, text);
    QFETCH(int, flags);
    QFETCH(int, pixelSize);
    QFETCH(bool, italic);
    QFETCH(QColor, background);
    QFETCH(QPoint, offset);
    QFETCH(qreal, scale);

    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    font.setItalic(italic);
    QPalette palette;
    palette.setColor(QPalette::WindowText, QColor(0xEE, 0xEE, 0xEE));
    const QRect item(offset, QSize(150, 2 * pixelSize));
    auto drawn = [&](QStyle& pStyle) {
        QImage image(200, 3 * pixelSize, QImage::Format_ARGB32_Premultiplied);
        image.fill(background);
        QPainter painter(&image);
        painter.scale(scale, scale);
        painter.setFont(font);
        if (text.isRightToLeft())
            painter.setLayoutDirection(Qt::RightToLeft);
        pStyle.drawItemText(&painter, item, flags, palette, true, text, QPalette::WindowText);
        return image;
    };
    std::unique_ptr<QStyle> plain(QStyleFactory::create(QStringLiteral("Fusion")));
    TKeptTextStyle kept;
    const QImage expected = drawn(*plain);
    // The first time drawn, the second time kept, then put together from the kept image.
    for (int time = 1; time <= 3; ++time)
        // Blending a kept text rounds once more than drawing it: one level apart at most.
        QVERIFY2(imageDifference(drawn(kept), expected).mLargest <= 1, qPrintable(QStringLiteral("time %1").arg(time)));
}

QTEST_MAIN(tst_KeptTextStyle)
#include "tst_kepttextstyle.moc"
