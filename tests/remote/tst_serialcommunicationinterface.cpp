#include "externalcommunicationhandler.h"
#include "externalinterfacedetector.h"
#include "ieeeconfigurationcontroller.h"
#include "rs232configurationcontroller.h"
#include "serialcommunicationinterface.h"
#include "serialhostpeer.h"
#include "serialline.h"
#include "tamarindsettings.h"
#include "testsupport.h"

#include <QFile>
#include <QSignalSpy>

#include <memory>
#include <utility>

#include <termios.h>

// The serial transports against simulated peers on pseudo-terminals: a host
// that sends commands and reads replies, the IEEE-488 converter that takes the
// set-address frames apart, and the settings of both option boards.
class tst_SerialCommunicationInterface : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void hostCommandsAreAnswered_data();
    void hostCommandsAreAnswered();
    void lineIsLockedWithoutALockFile();
    void aVanishedLineIsReopenedWhenItReturns();
    void setAddressFrames_data();
    void setAddressFrames();
    void storedAddressIsReducedToEightBits_data();
    void storedAddressIsReducedToEightBits();
    void rs232Defaults();
    void rs232ChangeIsStoredAndReappliedToThePort();
    void optionBoardFromTheGpioLines_data();
    void optionBoardFromTheGpioLines();

private:
    std::unique_ptr<TSerialCommunicationInterface> openLine(int pBaudRate = 115200);
    static QString linePath() { return TTestEnvironment::root() + QStringLiteral("/dev/ttyO1"); }

    std::unique_ptr<TExternalCommunicationHandler> mHandler;
};

void tst_SerialCommunicationInterface::init()
{
    TTamarindSettings& settings = TTamarindSettings::instance();
    settings.removeSection(QStringLiteral("GPIB"));
    settings.removeSection(QStringLiteral("RS232"));
    settings.store();
    mHandler = std::make_unique<TExternalCommunicationHandler>(nullptr, nullptr, nullptr, nullptr, nullptr);
}

void tst_SerialCommunicationInterface::cleanup()
{
    mHandler.reset();
}

std::unique_ptr<TSerialCommunicationInterface> tst_SerialCommunicationInterface::openLine(int pBaudRate)
{
    return std::make_unique<TSerialCommunicationInterface>(mHandler.get(), QStringLiteral("/dev/ttyO1"), pBaudRate,
                                                           QSerialPort::NoFlowControl, QSerialPort::Data8,
                                                           QSerialPort::OneStop, QSerialPort::NoParity);
}

void tst_SerialCommunicationInterface::hostCommandsAreAnswered_data()
{
    // Stored as another instrument, or an earlier run, left them.
    QTest::addColumn<QString>("baudRate");
    QTest::addColumn<QString>("stopBits");
    // As the line is set: the termios speed and whether two stop bits are sent.
    QTest::addColumn<uint>("speed");
    QTest::addColumn<bool>("twoStopBits");
    QTest::addColumn<int>("characterBits");
    QTest::newRow("115200 baud, one stop bit") << "115200"
                                               << "1" << uint(B115200) << false << 10;
    // The frame nearest to it that a line can be set to.
    QTest::newRow("1½ stop bits: the host is answered") << "115200"
                                                        << "3" << uint(B115200) << false << 10;
    QTest::newRow("two stop bits") << "9600"
                                   << "2" << uint(B9600) << true << 11;
    // Every other rate the Remote page offers.
    for (const auto& rate :
         {std::make_pair(1200, B1200), std::make_pair(2400, B2400), std::make_pair(4800, B4800),
          std::make_pair(19200, B19200), std::make_pair(38400, B38400), std::make_pair(57600, B57600)})
        QTest::addRow("%d baud", rate.first) << QString::number(rate.first) << "1" << uint(rate.second) << false << 10;
    QTest::newRow("a stored rate of 300") << "300"
                                          << "1" << uint(B300) << false << 10;
    QTest::newRow("a stored rate of 230400") << "230400"
                                             << "1" << uint(B230400) << false << 10;
}

void tst_SerialCommunicationInterface::hostCommandsAreAnswered()
{
    QFETCH(QString, baudRate);
    QFETCH(QString, stopBits);
    QFETCH(uint, speed);
    QFETCH(bool, twoStopBits);
    QFETCH(int, characterBits);
    TTamarindSettings::instance().setValue(QStringLiteral("RS232"), QStringLiteral("baudrate"), baudRate);
    TTamarindSettings::instance().setValue(QStringLiteral("RS232"), QStringLiteral("stopbits"), stopBits);
    TSerialHostPeer host;
    QString error;
    QVERIFY2(host.start(linePath(), error), qPrintable(error));
    const TRS232ConfigurationController rs232;
    auto line = std::make_unique<TSerialCommunicationInterface>(mHandler.get(), QStringLiteral("/dev/ttyO1"),
                                                                rs232.baudRate(), rs232.flowControl(), rs232.dataBits(),
                                                                rs232.stopBits(), rs232.parity());
    QVERIFY(line->isOpen());
    termios set{};
    QCOMPARE(::tcgetattr(line->port().descriptor(), &set), 0);
    QCOMPARE(uint(::cfgetospeed(&set)), speed);
    QCOMPARE((set.c_cflag & CSTOPB) != 0, twoStopBits);
    QCOMPARE(line->port().characterBits(), characterBits);
    // A CR LF split between two reads, then a zero byte that cuts its chunk.
    host.send("syst:ackn 0\r");
    QByteArray received;
    QTRY_VERIFY((received += host.takeReceived()) == "ACK\r\n");
    host.send("\nsyst:ackn 0\r");
    QTRY_VERIFY((received += host.takeReceived()) == "ACK\r\nACK\r\n");
    host.send(QByteArray("syst:ackn 0\r\0syst:ackn 1\r", 25));
    QTRY_VERIFY((received += host.takeReceived()) == "ACK\r\nACK\r\nACK\r\n");
}

// Locked on its descriptor: a second program cannot open the line, and
// nothing is left in the host's lock directory, which lies outside the root.
void tst_SerialCommunicationInterface::lineIsLockedWithoutALockFile()
{
    TSerialHostPeer host;
    QString error;
    QVERIFY2(host.start(linePath(), error), qPrintable(error));
    auto line = openLine();
    QVERIFY(line->isOpen());
    TSerialLine second(QStringLiteral("/dev/ttyO1"), QSerialPort::Baud115200, QSerialPort::Data8, QSerialPort::NoParity,
                       QSerialPort::OneStop);
    QVERIFY(!second.open());
    QVERIFY(!second.settingsRefused());
    // Other programs on this host may hold a lock file of that name; ours would name this process.
    for (const QString& lockDirectory : {QStringLiteral("/run/lock"), QStringLiteral("/var/lock")}) {
        QFile lockFile(lockDirectory + QStringLiteral("/LCK..ttyO1"));
        if (lockFile.open(QIODevice::ReadOnly))
            QVERIFY(lockFile.readLine().trimmed() != QByteArray::number(QCoreApplication::applicationPid()));
    }
    line.reset();
    QVERIFY(second.open());
}

void tst_SerialCommunicationInterface::aVanishedLineIsReopenedWhenItReturns()
{
    TSerialHostPeer host;
    QString error;
    QVERIFY2(host.start(linePath(), error), qPrintable(error));
    auto line = openLine();
    line->setReopenDelay(20);
    QVERIFY(line->isOpen());
    host.hangUp();
    QTRY_VERIFY(!line->isOpen());
    QVERIFY2(host.start(linePath(), error), qPrintable(error));
    QTRY_VERIFY(line->isOpen());
    host.send("syst:ackn 0\r");
    QByteArray received;
    QTRY_VERIFY((received += host.takeReceived()) == "ACK\r\n");
}

void tst_SerialCommunicationInterface::setAddressFrames_data()
{
    QTest::addColumn<int>("address");
    QTest::addColumn<QByteArray>("frame");
    QTest::newRow("1") << 1 << QByteArray::fromHex("02843D31CC03");
    QTest::newRow("3") << 3 << QByteArray::fromHex("02843D33CE03");
    QTest::newRow("15") << 15
                        << QByteArray::fromHex("02853D313582"
                                               "03");
    QTest::newRow("30") << 30 << QByteArray::fromHex("02853D3330FF03");
    QTest::newRow("255") << 255 << QByteArray::fromHex("02863D323535B903");
}

void tst_SerialCommunicationInterface::setAddressFrames()
{
    QFETCH(int, address);
    QFETCH(QByteArray, frame);
    TSerialHostPeer converter(TSerialHostPeer::rIEEEConverter);
    QString error;
    QVERIFY2(converter.start(linePath(), error), qPrintable(error));
    auto line = openLine(9600);
    TIEEEConfigurationController ieee(nullptr);
    ieee.setAddress(quint8(address), line.get());
    QTRY_COMPARE(converter.addressFrames().size(), 1);
    const TSerialHostPeer::TAddressFrame received = converter.addressFrames().first();
    QCOMPARE(received.mBytes, frame);
    QVERIFY(received.mValid);
    QCOMPARE(received.mAddress, address);
    QCOMPARE(converter.takeReceived(), QByteArray());
    QCOMPARE(TTamarindSettings::instance().value(QStringLiteral("GPIB"), QStringLiteral("address")),
             QString::number(address));
    QCOMPARE(int(line->port().baudRate()), 9600);
}

void tst_SerialCommunicationInterface::storedAddressIsReducedToEightBits_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("address");
    QTest::newRow("none stored") << QString() << 3;
    QTest::newRow("256") << "256" << 0;
    QTest::newRow("259") << "259" << 3;
    QTest::newRow("no number") << "x" << 0;
}

void tst_SerialCommunicationInterface::storedAddressIsReducedToEightBits()
{
    QFETCH(QString, stored);
    QFETCH(int, address);
    if (!stored.isEmpty())
        TTamarindSettings::instance().setValue(QStringLiteral("GPIB"), QStringLiteral("address"), stored);
    QCOMPARE(int(TIEEEConfigurationController(nullptr).address()), address);
}

void tst_SerialCommunicationInterface::rs232Defaults()
{
    const TRS232ConfigurationController rs232;
    QCOMPARE(rs232.baudRate(), QSerialPort::Baud115200);
    QCOMPARE(rs232.flowControl(), QSerialPort::NoFlowControl);
    QCOMPARE(rs232.dataBits(), QSerialPort::Data8);
    QCOMPARE(rs232.stopBits(), QSerialPort::OneStop);
    QCOMPARE(rs232.parity(), QSerialPort::NoParity);
}

void tst_SerialCommunicationInterface::rs232ChangeIsStoredAndReappliedToThePort()
{
    TSerialHostPeer host;
    QString error;
    QVERIFY2(host.start(linePath(), error), qPrintable(error));
    TRS232ConfigurationController rs232;
    auto line = openLine(rs232.baudRate());
    connect(&rs232, &TRS232ConfigurationController::configurationChanged, line.get(),
            &TSerialCommunicationInterface::onConfigurationChanged);
    QSignalSpy changes(&rs232, &TRS232ConfigurationController::configurationChanged);
    rs232.setParity(QSerialPort::EvenParity);
    rs232.setParity(QSerialPort::EvenParity);
    rs232.setBaudRate(QSerialPort::Baud9600);
    QCOMPARE(changes.count(), 3);
    QCOMPARE(TTamarindSettings::instance().value(QStringLiteral("RS232"), QStringLiteral("parity")),
             QStringLiteral("2"));
    QCOMPARE(TTamarindSettings::instance().value(QStringLiteral("RS232"), QStringLiteral("baudrate")),
             QStringLiteral("9600"));
    QVERIFY(line->isOpen());
    QCOMPARE(line->port().parity(), QSerialPort::EvenParity);
    QCOMPARE(int(line->port().baudRate()), 9600);
    QCOMPARE(TRS232ConfigurationController().parity(), QSerialPort::EvenParity);
}

void tst_SerialCommunicationInterface::optionBoardFromTheGpioLines_data()
{
    QTest::addColumn<QByteArray>("gpio20");
    QTest::addColumn<QByteArray>("gpio82");
    QTest::addColumn<bool>("rs232");
    QTest::addColumn<bool>("ieee488");
    QTest::newRow("RS-232 board") << QByteArray("1\n") << QByteArray("1\n") << true << false;
    QTest::newRow("IEEE-488 board") << QByteArray("1") << QByteArray("0\n") << false << true;
    QTest::newRow("no board, kind line 1") << QByteArray("0\n") << QByteArray("1\n") << false << false;
    QTest::newRow("no board, kind line 0") << QByteArray("0\n") << QByteArray("0\n") << false << false;
    QTest::newRow("board, kind line unreadable") << QByteArray("1\n") << QByteArray() << false << false;
    QTest::newRow("board, kind line other") << QByteArray("1\n") << QByteArray("2\n") << false << false;
    QTest::newRow("fitted line unreadable") << QByteArray() << QByteArray("1\n") << false << false;
}

void tst_SerialCommunicationInterface::optionBoardFromTheGpioLines()
{
    QFETCH(QByteArray, gpio20);
    QFETCH(QByteArray, gpio82);
    QFETCH(bool, rs232);
    QFETCH(bool, ieee488);
    for (const auto& line : {std::make_pair(QStringLiteral("/sys/class/gpio/gpio20/value"), gpio20),
                             std::make_pair(QStringLiteral("/sys/class/gpio/gpio82/value"), gpio82)}) {
        TTestEnvironment::removeUnderRoot(line.first);
        if (!line.second.isEmpty())
            TAMARIND_WRITE_DEVICE_FILE(line.first, line.second);
    }
    bool foundRS232 = !rs232;
    bool foundIEEE488 = !ieee488;
    TExternalInterfaceDetector().getAttachedInterfaces(foundRS232, foundIEEE488);
    QCOMPARE(foundRS232, rs232);
    QCOMPARE(foundIEEE488, ieee488);
}

TAMARIND_TEST_MAIN(tst_SerialCommunicationInterface)
#include "tst_serialcommunicationinterface.moc"
