#include "ftdi_usb_serial_device.h"
#include "pseudoterminal.h"
#include "simulatedconvertertable.h"
#include "testsupport.h"

#include <QElapsedTimer>
#include <QFile>

#include <memory>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

// The converter access over the simulator's stand-in library (converters
// whose lines are pseudo-terminals), over absent and incomplete libraries and
// over the machine's real library.
class tst_FTDI_Usb_Serial_Device : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void unusableLibraryOffersNothing_data();
    void unusableLibraryOffersNothing();
    void productIdsChooseTheConverter_data();
    void productIdsChooseTheConverter();
    void bytesPassBothWays();
    void negativeBaudRateKeepsTheLineSpeed();
    void connectClosesTheOpenConverterFirst();
    void realLibraryLoadsAndFindsNoConverter();

private:
    static QString standIn() { return buildDirectory() + QStringLiteral("/simulator/ftdi/libftdi1.so.2"); }
    // Opens n lines in the root's pFolder; entries are added by the test.
    // False, with the row failed with the reason, when a line cannot be opened.
    [[nodiscard]] bool openLines(int pCount, const QString& pFolder = QStringLiteral("/dev"));
    // Which of the lines the device writes to, -1 for none.
    int lineOfDevice(const TFTDI_Usb_Serial_Device& pDevice);

    // Reads pChunk bytes at a time until pCount have come or a second passed.
    static QByteArray readAtLeast(const TFTDI_Usb_Serial_Device& pDevice, int pChunk, int pCount);

    std::vector<std::unique_ptr<TPseudoTerminal>> mLines;
};

QByteArray tst_FTDI_Usb_Serial_Device::readAtLeast(const TFTDI_Usb_Serial_Device& pDevice, int pChunk, int pCount)
{
    QByteArray arrived;
    QElapsedTimer clock;
    clock.start();
    while (arrived.size() < pCount && !clock.hasExpired(1000))
        arrived += pDevice.read(pChunk);
    return arrived;
}

void tst_FTDI_Usb_Serial_Device::init()
{
    mLines.clear();
    TSimulatedConverterTable::clear();
}

bool tst_FTDI_Usb_Serial_Device::openLines(int pCount, const QString& pFolder)
{
    for (int index = 0; index < pCount; ++index) {
        auto line = std::make_unique<TPseudoTerminal>();
        QString error;
        if (!line->open(TTestEnvironment::root() + pFolder + QStringLiteral("/ttyConv%1").arg(index), error)) {
            failCurrentRow("the converter's line opens", error);
            return false;
        }
        mLines.push_back(std::move(line));
    }
    return true;
}

int tst_FTDI_Usb_Serial_Device::lineOfDevice(const TFTDI_Usb_Serial_Device& pDevice)
{
    if (pDevice.write(QByteArray("?")) != 1)
        return -1;
    std::vector<pollfd> masters;
    for (const auto& line : mLines)
        masters.push_back({line->masterDescriptor(), POLLIN, 0});
    if (::poll(masters.data(), masters.size(), 2000) <= 0)
        return -2;
    for (size_t index = 0; index < masters.size(); ++index) {
        if (masters[index].revents & POLLIN)
            return int(index);
    }
    return -2;
}

void tst_FTDI_Usb_Serial_Device::unusableLibraryOffersNothing_data()
{
    QTest::addColumn<QString>("library");
    QTest::newRow("no library at the path") << TTestEnvironment::root() + QStringLiteral("/usr/lib/libftdi1.so.2");
    QTest::newRow("one function missing")
        << buildDirectory() + QStringLiteral("/simulator/ftdi-incomplete/libftdi1.so.2");
}

void tst_FTDI_Usb_Serial_Device::unusableLibraryOffersNothing()
{
    QFETCH(QString, library);
    if (!openLines(1))
        return;
    TSimulatedConverterTable::addConverter(0x0403, 0xCC18, mLines[0]->linkPath());

    TFTDI_Usb_Serial_Device device(library);
    QVERIFY(!device.isLibraryAvailable());
    QVERIFY(!device.connect({0xCC18, 0}, 9600));
    QVERIFY(!device.isConnected());
    QCOMPARE(device.write(QByteArray("abc")), 0);
    QVERIFY(device.read(16).isEmpty());
    device.clearInputBuffer();
    device.disconnect();
}

void tst_FTDI_Usb_Serial_Device::productIdsChooseTheConverter_data()
{
    QTest::addColumn<QStringList>("converters");
    QTest::addColumn<QList<int>>("productIds");
    QTest::addColumn<int>("opened");
    QTest::addColumn<QString>("linesIn");
    const QList<int> calibratorIds{0xCC18, 0};
    const QString dev = QStringLiteral("/dev");
    QTest::newRow("the calibrator's own id first")
        << QStringList{"0x0403 0x6001", "0x0403 0xcc18"} << calibratorIds << 1 << dev;
    QTest::newRow("two under one id: the next id decides")
        << QStringList{"0x0403 0xcc18", "0x0403 0xcc18", "0x0403 0x6001"} << calibratorIds << 2 << dev;
    QTest::newRow("two under every id") << QStringList{"0x0403 0x6001", "0x0403 0x6014"} << calibratorIds << -1 << dev;
    QTest::newRow("id 0 finds the library's default ids") << QStringList{"0x0403 0x6010"} << QList<int>{0} << 0 << dev;
    QTest::newRow("another vendor's product is no default")
        << QStringList{"0x1234 0x6001"} << QList<int>{0} << -1 << dev;
    QTest::newRow("failed open: the next id gets a fresh context")
        << QStringList{"0x0403 0xcc18 open-fails", "0x0403 0x6001"} << calibratorIds << 1 << dev;
    QTest::newRow("no id") << QStringList{"0x0403 0xcc18"} << QList<int>{} << -1 << dev;
    // A checkout or temporary directory whose path holds a space; an option follows the path.
    QTest::newRow("lines in a folder with a space and a backslash")
        << QStringList{"0x0403 0xcc18 open-fails", "0x0403 0x6001"} << calibratorIds << 1 << "/usb serial\\lines";
    QTest::newRow("no converter") << QStringList{} << calibratorIds << -1 << dev;
}

void tst_FTDI_Usb_Serial_Device::productIdsChooseTheConverter()
{
    QFETCH(QStringList, converters);
    QFETCH(QList<int>, productIds);
    QFETCH(int, opened);
    QFETCH(QString, linesIn);
    if (!openLines(converters.size(), linesIn))
        return;
    for (int index = 0; index < converters.size(); ++index) {
        const QStringList words = converters.at(index).split(QLatin1Char(' '));
        TSimulatedConverterTable::addConverter(words.at(0).toInt(nullptr, 16), words.at(1).toInt(nullptr, 16),
                                               mLines[size_t(index)]->linkPath(), words.value(2));
    }

    TFTDI_Usb_Serial_Device device(standIn());
    QVERIFY(device.isLibraryAvailable());
    const zelk::vector<int> ids(productIds.begin(), productIds.end());
    QCOMPARE(device.connect(ids, -1), opened >= 0);
    QCOMPARE(device.isConnected(), opened >= 0);
    QCOMPARE(lineOfDevice(device), opened);
}

void tst_FTDI_Usb_Serial_Device::bytesPassBothWays()
{
    if (!openLines(1))
        return;
    TSimulatedConverterTable::addConverter(0x0403, 0xCC18, mLines[0]->linkPath());
    TFTDI_Usb_Serial_Device device(standIn());
    QVERIFY(device.connect({0xCC18}, 9600));
    const int master = mLines[0]->masterDescriptor();

    // A read hands out at most what was asked for and keeps the rest.
    QCOMPARE(::write(master, "old", 3), ssize_t(3));
    QCOMPARE(readAtLeast(device, 2, 2), QByteArray("ol"));
    device.clearInputBuffer();
    QVERIFY(device.read(16).isEmpty());
    QCOMPARE(::write(master, "new", 3), ssize_t(3));
    QCOMPARE(readAtLeast(device, 16, 3), QByteArray("new"));

    QCOMPARE(device.write(QByteArray("out")), 3);
    pollfd line{master, POLLIN, 0};
    QCOMPARE(::poll(&line, 1, 1000), 1);
    char buffer[8] = {};
    QCOMPARE(::read(master, buffer, sizeof buffer), ssize_t(3));
    QCOMPARE(QByteArray(buffer, 3), QByteArray("out"));
}

void tst_FTDI_Usb_Serial_Device::negativeBaudRateKeepsTheLineSpeed()
{
    if (!openLines(1))
        return;
    TSimulatedConverterTable::addConverter(0x0403, 0xCC18, mLines[0]->linkPath());
    const auto lineSpeed = [this]() {
        termios settings{};
        ::tcgetattr(mLines[0]->masterDescriptor(), &settings);
        return int(::cfgetospeed(&settings));
    };
    TFTDI_Usb_Serial_Device device(standIn());
    QVERIFY(device.connect({0xCC18}, 19200));
    QCOMPARE(lineSpeed(), int(B19200));
    QVERIFY(device.connect({0xCC18}, -1));
    QCOMPARE(lineSpeed(), int(B19200));
    QVERIFY(device.connect({0xCC18}, 9600));
    QCOMPARE(lineSpeed(), int(B9600));
}

void tst_FTDI_Usb_Serial_Device::connectClosesTheOpenConverterFirst()
{
    if (!openLines(1))
        return;
    TSimulatedConverterTable::addConverter(0x0403, 0xCC18, mLines[0]->linkPath());
    TFTDI_Usb_Serial_Device device(standIn());
    QVERIFY(device.connect({0xCC18}, -1));
    QVERIFY(!device.connect({0x1234}, -1));
    QVERIFY(!device.isConnected());
    QCOMPARE(device.write(QByteArray("x")), 0);
    QVERIFY(device.connect({0xCC18}, -1));
    device.disconnect();
    QVERIFY(!device.isConnected());
    device.disconnect();
}

void tst_FTDI_Usb_Serial_Device::realLibraryLoadsAndFindsNoConverter()
{
    const QString real = QStringLiteral("/usr/lib/x86_64-linux-gnu/libftdi1.so.2");
    if (!QFile::exists(real))
        QSKIP("the machine's converter library is not installed");
    TFTDI_Usb_Serial_Device device(real);
    QVERIFY(device.isLibraryAvailable());
    // No converter is attached to a development machine or CI.
    QVERIFY(!device.connect({0xCC18, 0}, -1));
    QVERIFY(!device.isConnected());
}

TAMARIND_TEST_MAIN(tst_FTDI_Usb_Serial_Device)
#include "tst_ftdi_usb_serial_device.moc"
