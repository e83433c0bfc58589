#include "calibratorfixture.h"
#include "mbk2x00_connector.h"
#include "testsupport.h"
#include "textcalibratorpeer.h"

#include <QHostAddress>
#include <QScopeGuard>
#include <QTcpSocket>

#include <cmath>
#include <ctime>
#include <memory>

using namespace Electrical_temperature_units;

namespace
{
constexpr int REPLY_TIMEOUT_MS = 500;

// Processor time the calling thread has used so far, in ms.
qint64 threadProcessorTimeMs()
{
    timespec now{};
    ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return qint64(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}
} // namespace

Q_DECLARE_METATYPE(EnCalibratorType)

// The register-protocol connector over TCP against the simulated bath on
// 127.0.0.1.
class tst_MBK2X00_Connector : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void initReadsTheLimits();
    void valuesAreHundredthsInSixteenBits_data();
    void valuesAreHundredthsInSixteenBits();
    void setPointIsTheWriteReply_data();
    void setPointIsTheWriteReply();
    void unmatchedRepliesAreNotTaken_data();
    void unmatchedRepliesAreNotTaken();
    void secondInitKeepsTheConnection();
    void refusedConnectionFailsInit();

private:
    bool startBath(EnCalibratorType pType = EnCalibratorType::ctMBK2900) { return mCalibrator.start(pType); }
    void control(const QString& pCommand) { QVERIFY(mCalibrator.control(pCommand)); }
    QStringList requests() const { return mCalibrator.textRequests(); }

    TCalibratorFixture mCalibrator;
};

void tst_MBK2X00_Connector::initTestCase()
{
    TMBK2X00_Connector::setReadTimeoutMs(REPLY_TIMEOUT_MS);
}

void tst_MBK2X00_Connector::cleanup()
{
    mCalibrator.stop();
}

void tst_MBK2X00_Connector::initReadsTheLimits()
{
    QVERIFY(startBath());
    TMBK2X00_Connector connector(QStringLiteral("127.0.0.1"), mCalibrator.simulator().port());
    QString message = QStringLiteral("left over");
    QVERIFY(connector.init(uCelsius, message));
    QVERIFY(message.isEmpty());
    QCOMPARE(requests(), QStringList({"{M30****", "{M31****"}));
    QCOMPARE(connector.mMinTemperatureCelsius, -45.0);
    QCOMPARE(connector.mMaxTemperatureCelsius, 200.0);
}

void tst_MBK2X00_Connector::valuesAreHundredthsInSixteenBits_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("digits");
    QTest::newRow("150") << 150.0 << "3a98";
    QTest::newRow("-45") << -45.0 << "ee6c";
    QTest::newRow("23.456 rounds to 2346") << 23.456 << "092a";
    QTest::newRow("-0.004 rounds to zero") << -0.004 << "0000";
    QTest::newRow("-0.01") << -0.01 << "ffff";
    QTest::newRow("300") << 300.0 << "7530";
}

void tst_MBK2X00_Connector::valuesAreHundredthsInSixteenBits()
{
    QFETCH(double, value);
    QFETCH(QString, digits);
    const TMBK2X00_Connector connector(QStringLiteral("127.0.0.1"), 1);
    QCOMPARE(connector.floatToHexString(value).toLower(), digits);
}

void tst_MBK2X00_Connector::setPointIsTheWriteReply_data()
{
    QTest::addColumn<EnCalibratorType>("type");
    QTest::addColumn<QString>("fault");
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("unit");
    QTest::addColumn<QStringList>("sent");
    QTest::addColumn<double>("readBack");
    const QString control = QStringLiteral("{M140001");
    QTest::newRow("150 degC") << EnCalibratorType::ctMBK2900 << QString() << 150.0 << int(uCelsius)
                              << QStringList{"{M003A98", control} << 150.0;
    QTest::newRow("-45 degC") << EnCalibratorType::ctMBK2900 << QString() << -45.0 << int(uCelsius)
                              << QStringList{"{M00EE6C", control} << -45.0;
    QTest::newRow("-0.01 degC comes back as FFFF") << EnCalibratorType::ctMBK2900 << QString() << -0.01 << int(uCelsius)
                                                   << QStringList{"{M00FFFF", control} << -0.01;
    QTest::newRow("300 degC comes back as 7530") << EnCalibratorType::ctMBK2800 << QString() << 300.0 << int(uCelsius)
                                                 << QStringList{"{M007530", control} << 300.0;
    QTest::newRow("kelvin sent in degrees Celsius") << EnCalibratorType::ctMBK2900 << QString() << 323.15
                                                    << int(uKelvin) << QStringList{"{M001388", control} << 50.0;
    QTest::newRow("temperature control not confirmed")
        << EnCalibratorType::ctMBK2900 << "fault garble control always" << 50.0 << int(uCelsius)
        << QStringList{"{M001388", control} << std::nan("");
    QTest::newRow("beyond the register: nothing sent")
        << EnCalibratorType::ctMBK2900 << QString() << 400.0 << int(uCelsius) << QStringList() << std::nan("");
}

void tst_MBK2X00_Connector::setPointIsTheWriteReply()
{
    QFETCH(EnCalibratorType, type);
    QFETCH(double, value);
    QFETCH(int, unit);
    QFETCH(QStringList, sent);
    QFETCH(QString, fault);
    QFETCH(double, readBack);
    QVERIFY(startBath(type));
    if (!fault.isEmpty())
        control(fault);
    TMBK2X00_Connector connector(QStringLiteral("127.0.0.1"), mCalibrator.simulator().port());
    QString message;
    QVERIFY(connector.init(uCelsius, message));
    mCalibrator.simulator().textPeer()->clearRecord();

    TElectricalTemperatureValue accepted;
    connector.setTemperatureValue(TElectricalTemperatureValue(value, EnUnit(unit)), accepted);
    QCOMPARE(requests(), sent);
    if (std::isnan(readBack)) {
        QVERIFY(std::isnan(accepted.value()));
        QCOMPARE(accepted.unit(), uUndefined);
    } else {
        QVERIFY(std::fabs(accepted.value() - readBack) < 1e-9);
        QCOMPARE(accepted.unit(), uCelsius);
        QVERIFY(std::fabs(mCalibrator.simulator().model().setPoint() - readBack) < 1e-9);
    }
}

void tst_MBK2X00_Connector::unmatchedRepliesAreNotTaken_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<int>("replyTimeoutMs");
    QTest::newRow("a reply for the next register") << "fault garble register 1" << REPLY_TIMEOUT_MS;
    QTest::newRow("five digits") << "fault garble fivedigits 1" << REPLY_TIMEOUT_MS;
    QTest::newRow("no reply") << "fault silence 1" << REPLY_TIMEOUT_MS;
    QTest::newRow("no reply for a second") << "fault silence 1" << 1000;
}

void tst_MBK2X00_Connector::unmatchedRepliesAreNotTaken()
{
    QFETCH(QString, fault);
    QFETCH(int, replyTimeoutMs);
    QVERIFY(startBath());
    TMBK2X00_Connector connector(QStringLiteral("127.0.0.1"), mCalibrator.simulator().port());
    control(fault);
    TMBK2X00_Connector::setReadTimeoutMs(replyTimeoutMs);
    const auto restoreTimeout = qScopeGuard([] { TMBK2X00_Connector::setReadTimeoutMs(REPLY_TIMEOUT_MS); });
    QString message;
    // The reply for 0x31 while 0x30 is awaited, and the like: init fails at
    // the first query, after waiting out the whole time-out.
    const qint64 processorBefore = threadProcessorTimeMs();
    QVERIFY(!connector.init(uCelsius, message));
    const qint64 processorUsed = threadProcessorTimeMs() - processorBefore;
    QCOMPARE(requests(), QStringList{"{M30****"});
    // The wait sleeps until something comes or its time is up. One that only looked again and again would burn a
    // core for the whole time-out: on a machine so loaded that it got a tenth of a core, still twice the bound.
    QVERIFY2(processorUsed < replyTimeoutMs / 20,
             qPrintable(QStringLiteral("%1 ms of processor time").arg(processorUsed)));
    QVERIFY(connector.init(uCelsius, message));

    // A set point with the same fault: NaN.
    control(fault);
    TElectricalTemperatureValue accepted;
    connector.setTemperatureValue(TElectricalTemperatureValue(50.0, uCelsius), accepted);
    QVERIFY(std::isnan(accepted.value()));
}

void tst_MBK2X00_Connector::secondInitKeepsTheConnection()
{
    QVERIFY(startBath());
    TMBK2X00_Connector connector(QStringLiteral("127.0.0.1"), mCalibrator.simulator().port());
    QString message;
    QVERIFY(connector.init(uCelsius, message));
    // The bath takes no new connection now; the one it has goes on.
    control(QStringLiteral("fault connection refuse"));
    const quint16 port = mCalibrator.simulator().port();
    const auto refused = [port]() {
        QTcpSocket probe;
        probe.connectToHost(QHostAddress::LocalHost, port);
        return !probe.waitForConnected(200);
    };
    QTRY_VERIFY_WITH_TIMEOUT(refused(), 2000);
    mCalibrator.simulator().textPeer()->clearRecord();
    QVERIFY(connector.init(uCelsius, message));
    QCOMPARE(requests(), QStringList({"{M30****", "{M31****"}));

    // A late reply of an earlier exchange stands first in the buffer and
    // spoils the next exchange.
    mCalibrator.simulator().textPeer()->clearRecord();
    control(QStringLiteral("fault late 700 1"));
    TElectricalTemperatureValue accepted;
    connector.setTemperatureValue(TElectricalTemperatureValue(50.0, uCelsius), accepted);
    QVERIFY(std::isnan(accepted.value()));
}

void tst_MBK2X00_Connector::refusedConnectionFailsInit()
{
    QVERIFY(startBath());
    const quint16 port = mCalibrator.simulator().port();
    mCalibrator.stop();
    TMBK2X00_Connector connector(QStringLiteral("127.0.0.1"), port);
    QString message;
    QVERIFY(!connector.init(uCelsius, message));
    QVERIFY(!connector.isInitialized());
    QVERIFY(message.isEmpty());
    TElectricalTemperatureValue accepted;
    connector.setTemperatureValue(TElectricalTemperatureValue(50.0, uCelsius), accepted);
    QVERIFY(std::isnan(accepted.value()));
}

TAMARIND_TEST_MAIN(tst_MBK2X00_Connector)
#include "tst_mbk2x00_connector.moc"
