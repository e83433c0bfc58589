#include "modbuscalibratorpeer.h"
#include "modbuscommand.h"
#include "modbuscrc16.h"
#include "testsupport.h"

// The program's CRC and frames, checked against published Modbus vectors and
// against the simulated calibrator's own CRC routine.
class tst_ModbusCommand : public QObject
{
    Q_OBJECT

private slots:
    void checksumMatchesPublishedVectors_data();
    void checksumMatchesPublishedVectors();
    void requestFrames_data();
    void requestFrames();
    void readReplyPayload_data();
    void readReplyPayload();
    void exceptionReplies_data();
    void exceptionReplies();
};

void tst_ModbusCommand::checksumMatchesPublishedVectors_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<int>("crc");
    QTest::newRow("nothing") << QByteArray() << 0xFFFF;
    QTest::newRow("three letters") << QByteArray("abc") << 0x5749;
    QTest::newRow("nine digits, the catalogue's check value") << QByteArray("123456789") << 0x4B37;
    QTest::newRow("read one register at 0 from slave 1") << QByteArray::fromHex("010300000001") << 0x0A84;
    QTest::newRow("read ten registers at 0 from slave 1") << QByteArray::fromHex("01030000000A") << 0xCDC5;
    QTest::newRow("the part-number request") << QByteArray::fromHex("0103080A000F") << 0xAC27;
}

void tst_ModbusCommand::checksumMatchesPublishedVectors()
{
    QFETCH(QByteArray, input);
    QFETCH(int, crc);

    unsigned char lsb = 0;
    unsigned char msb = 0;
    TModbusCRC16::calculateChecksum(input, lsb, msb);
    QCOMPARE(int(lsb), crc & 0xFF);
    QCOMPARE(int(msb), crc >> 8);
    QByteArray framed = input;
    TModbusCRC16::appendChecksum(framed);
    QCOMPARE(framed.mid(input.size()), QByteArray(1, char(crc & 0xFF)) + char(crc >> 8));
    QCOMPARE(TModbusCalibratorPeer::checksum(input), framed.mid(input.size()));
}

void tst_ModbusCommand::requestFrames_data()
{
    QTest::addColumn<bool>("isRead");
    QTest::addColumn<int>("address");
    // The number of registers of a read, the value of a write.
    QTest::addColumn<int>("field");
    QTest::addColumn<QByteArray>("expected");
    QTest::addColumn<int>("replyLength");
    QTest::newRow("part number, 15 registers at 2058")
        << true << 2058 << 15 << QByteArray::fromHex("0103080A000F27AC") << 35;
    QTest::newRow("one register at 10258") << true << 10258 << 1 << QByteArray::fromHex("010328120001") << 7;
    QTest::newRow("-35.00 as -3500 to 10242") << false << 10242 << -3500 << QByteArray::fromHex("01062802F254") << 8;
    QTest::newRow("only the low 16 bits of 40000 go out")
        << false << 10242 << 40000 << QByteArray::fromHex("010628029C40") << 8;
}

void tst_ModbusCommand::requestFrames()
{
    QFETCH(bool, isRead);
    QFETCH(int, address);
    QFETCH(int, field);
    QFETCH(QByteArray, expected);
    QFETCH(int, replyLength);

    if (expected.size() == 6)
        expected += TModbusCalibratorPeer::checksum(expected);
    const TModbusReadCommand read(1, quint16(address), quint16(field));
    const TModbusWriteCommand write(1, quint16(address), field);
    const TModbusCommand& command = isRead ? static_cast<const TModbusCommand&>(read) : write;
    QCOMPARE(command.toByteArray().toHex(' '), expected.toHex(' '));
    QCOMPARE(command.expectedResponseBytes(), replyLength);
}

void tst_ModbusCommand::readReplyPayload_data()
{
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<QByteArray>("payload");
    auto withCrc = [](const QByteArray& pFrame) { return pFrame + TModbusCalibratorPeer::checksum(pFrame); };
    QTest::newRow("two data bytes") << withCrc(QByteArray::fromHex("01030200 02")) << QByteArray::fromHex("0002");
    QTest::newRow("wrong CRC") << QByteArray::fromHex("0103020002FFFF") << QByteArray();
    QTest::newRow("a word short") << withCrc(QByteArray::fromHex("010300")) << QByteArray();
    QTest::newRow("a byte too many") << withCrc(QByteArray::fromHex("010302000200")) << QByteArray();
    QTest::newRow("nothing") << QByteArray() << QByteArray();
}

void tst_ModbusCommand::readReplyPayload()
{
    QFETCH(QByteArray, reply);
    QFETCH(QByteArray, payload);

    const TModbusReadCommand command(1, 10258, 1);
    QCOMPARE(command.extractResponse(reply), payload);
    // A write is taken as accepted whatever came back.
    QCOMPARE(TModbusWriteCommand(1, 923, 1).extractResponse(reply), QByteArray(1, '\0'));
}

void tst_ModbusCommand::exceptionReplies_data()
{
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<bool>("exception");
    QTest::addColumn<int>("code");
    QTest::newRow("invalid address") << QByteArray::fromHex("018302C0F1") << true << 2;
    QTest::newRow("wrong CRC") << QByteArray::fromHex("018302C0F2") << true << -1;
    QTest::newRow("cut short") << QByteArray::fromHex("018302C0") << true << -1;
    QTest::newRow("another slave") << QByteArray::fromHex("0283023130") << false << -1;
    QTest::newRow("regular reply") << QByteArray::fromHex("0103020002") << false << -1;
}

void tst_ModbusCommand::exceptionReplies()
{
    QFETCH(QByteArray, reply);
    QFETCH(bool, exception);
    QFETCH(int, code);

    const TModbusReadCommand command(1, 2058, 15);
    QCOMPARE(command.isException(reply), exception);
    QCOMPARE(command.getExceptionCode(reply), code);
    QVERIFY(!command.isRegularResponse(reply) || !exception);
}

TAMARIND_TEST_MAIN(tst_ModbusCommand)
#include "tst_modbuscommand.moc"
