#include "linkcrc.h"
#include "testsupport.h"

// The simulated board's own check byte against the link's published vectors:
// the program's routine is tested against the same ones, so a fault in either
// shows here or there instead of passing between two copies of one bug.
class tst_LinkCrc : public QObject
{
    Q_OBJECT

private slots:
    void publishedVectors_data();
    void publishedVectors();
    void everySingleBitFlipIsSeen();
};

void tst_LinkCrc::publishedVectors_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("frame");
    QTest::newRow("three letters") << QByteArray("abc") << QByteArray::fromHex("6162633E0D0A");
    QTest::newRow("nine digits") << QByteArray("123456789") << QByteArray::fromHex("313233343536373839D20D0A");
    QTest::newRow("identification query") << QByteArray("*idn?") << QByteArray::fromHex("2A69646E3FC30D0A");
    QTest::newRow("nothing") << QByteArray() << QByteArray::fromHex("000D0A");
}

void tst_LinkCrc::publishedVectors()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, frame);
    QCOMPARE(TLinkCrc::frame(text), frame);
    QVERIFY(TLinkCrc::isIntact(frame.chopped(2)));
}

void tst_LinkCrc::everySingleBitFlipIsSeen()
{
    const QByteArray body = TLinkCrc::frame("meas:curr?").chopped(2);
    for (int position = 0; position < body.size() * 8; ++position) {
        QByteArray damaged = body;
        damaged[position / 8] = char(damaged.at(position / 8) ^ (1 << (position % 8)));
        QVERIFY2(!TLinkCrc::isIntact(damaged), qPrintable(QString::number(position)));
    }
}

TAMARIND_TEST_MAIN(tst_LinkCrc)
#include "tst_linkcrc.moc"
