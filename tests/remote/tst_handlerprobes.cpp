#include "externalcommunicationhandler.h"
#include "internalscpihandler.h"
#include "probe.h"
#include "probecontroller.h"
#include "probecontrollerfixture.h"
#include "recordinginterface.h"
#include "scpiparser.h"
#include "testidentity.h"
#include "testsupport.h"

#include <memory>

// The handler's probe operations that the probe command groups work through,
// on the probe database loaded from the simulated board.
class tst_HandlerProbes : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void probeByParameter_data();
    void probeByParameter();
    void reloadTakesTheBoardsRecord();

private:
    std::unique_ptr<TProbeControllerFixture> mFixture;
    std::unique_ptr<TExternalCommunicationHandler> mHandler;
    std::unique_ptr<TRecordingInterface> mClient;
};

void tst_HandlerProbes::initTestCase()
{
    TAMARIND_MAKE_FIXTURE(mFixture);
    // The probe records carry the field count of the board's variant.
    QVERIFY(identifyBoardAs(mFixture->board(), ZTM9900));
    TProbeController& probes = mFixture->buildProbes();
    mHandler = std::make_unique<TExternalCommunicationHandler>(&mFixture->board().handler(), &mFixture->controller(),
                                                               &probes, nullptr, nullptr);
    mClient = std::make_unique<TRecordingInterface>(mHandler.get());
    mClient->receive("syst:ackn 0\r");
    QCOMPARE(mClient->takeSent(), QByteArray("ACK\r\n"));
}

void tst_HandlerProbes::cleanupTestCase()
{
    mClient.reset();
    mHandler.reset();
    mFixture.reset();
}

void tst_HandlerProbes::probeByParameter_data()
{
    QTest::addColumn<QString>("parameter");
    QTest::addColumn<int>("probe");
    QTest::addColumn<QByteArray>("reply");
    QTest::newRow("default probe") << "82" << 82 << QByteArray();
    QTest::newRow("empty custom slot") << "7" << 0 << QByteArray("E9\r\n");
    QTest::newRow("beyond the memory") << "86" << 0 << QByteArray("E9\r\n");
    QTest::newRow("channel list") << "(@82)" << 0 << QByteArray("E5\r\n");
    QTest::newRow("quoted number") << "'82'" << 0 << QByteArray("E5\r\n");
    QTest::newRow("number with a fraction") << "82.0" << 0 << QByteArray("E5\r\n");
}

void tst_HandlerProbes::probeByParameter()
{
    QFETCH(QString, parameter);
    QFETCH(int, probe);
    QFETCH(QByteArray, reply);
    bool valid = false;
    const TSCPICommand command = TSCPIParser().parseCommand(QStringLiteral("prob:x ") + parameter, valid);
    TAbstractProbe* found = mHandler->probeByParameter(command.parameters().at(0));
    QCOMPARE(found, probe ? mFixture->probes().probeByNumber(probe) : nullptr);
    QCOMPARE(mClient->takeSent(), reply);
}

void tst_HandlerProbes::reloadTakesTheBoardsRecord()
{
    TAbstractProbe* probe = mFixture->probes().probeByNumber(82);
    QVERIFY(probe);
    const QString loaded = probe->probeName();
    QVERIFY(mFixture->board().handler().setProbeName(*probe, QStringLiteral("Renamed")));
    QCOMPARE(probe->probeName(), loaded);
    mHandler->reloadProbe(probe);
    QCOMPARE(probe->probeName(), QStringLiteral("Renamed"));

    // A board that does not answer leaves the probe as it is.
    mFixture->board().board().withFaults([](TBoardFaults& pFaults) { pFaults.mSilentCommands = -1; });
    mFixture->board().handler().setProbeName(*probe, QStringLiteral("Again"));
    mHandler->reloadProbe(probe);
    mFixture->board().board().withFaults([](TBoardFaults& pFaults) { pFaults.mSilentCommands = 0; });
    QCOMPARE(probe->probeName(), QStringLiteral("Renamed"));
}

TAMARIND_TEST_MAIN(tst_HandlerProbes)
#include "tst_handlerprobes.moc"
