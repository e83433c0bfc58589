#include "testsupport.h"
#include "valueshadoweffect.h"

#include <QGraphicsDropShadowEffect>
#include <QLabel>
#include <QVBoxLayout>

namespace
{
// A value label as the views show it, on a panel of its own, grabbed with its shadow.
QImage grabValue(QGraphicsDropShadowEffect* pShadow, const QString& pText, int pFontSize, Qt::Alignment pAlignment,
                 qreal pBlurRadius)
{
    QWidget panel;
    panel.setStyleSheet(QStringLiteral("background-color: #032343; color: white;"));
    panel.resize(560, 200);
    auto* layout = new QVBoxLayout(&panel);
    auto* label = new QLabel(pText, &panel);
    label->setAlignment(pAlignment);
    label->setStyleSheet(QStringLiteral("font-size: %1px;").arg(pFontSize));
    layout->addWidget(label);
    pShadow->setOffset(2, 2);
    pShadow->setBlurRadius(pBlurRadius);
    label->setGraphicsEffect(pShadow);
    return panel.grab().toImage();
}
} // namespace

// The value labels' shadow, blurred around the digits only, looks as the
// toolkit's drop shadow over the whole label does.
class tst_ValueShadowEffect : public QObject
{
    Q_OBJECT

private slots:
    void looksAsTheToolkitsShadow_data();
    void looksAsTheToolkitsShadow();
};

void tst_ValueShadowEffect::looksAsTheToolkitsShadow_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("fontSize");
    QTest::addColumn<int>("alignment");
    QTest::addColumn<qreal>("blurRadius");

    const int centred = int(Qt::AlignCenter);
    QTest::newRow("large reading") << "-123.4567" << 130 << centred << 1.0;
    QTest::newRow("small reading") << "23.000" << 40 << centred << 1.0;
    QTest::newRow("digits at the label's edges") << "88888888" << 130 << int(Qt::AlignLeft | Qt::AlignTop) << 1.0;
    QTest::newRow("no reading") << "" << 130 << centred << 1.0;
    QTest::newRow("a wider blur") << "23.000" << 80 << centred << 3.5;
    QTest::newRow("a blur computed at half size") << "23.000" << 80 << centred << 6.0;
}

void tst_ValueShadowEffect::looksAsTheToolkitsShadow()
{
    QFETCH(QString, text);
    QFETCH(int, fontSize);
    QFETCH(int, alignment);
    QFETCH(qreal, blurRadius);

    const QImage expected =
        grabValue(new QGraphicsDropShadowEffect, text, fontSize, Qt::Alignment(alignment), blurRadius);
    const QImage drawn = grabValue(new TValueShadowEffect, text, fontSize, Qt::Alignment(alignment), blurRadius);
    QCOMPARE(drawn, expected);
}

TAMARIND_TEST_MAIN(tst_ValueShadowEffect)
#include "tst_valueshadoweffect.moc"
