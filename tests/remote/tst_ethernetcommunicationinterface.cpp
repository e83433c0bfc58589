#include "channelcontroller.h"
#include "channelcontrollerfixture.h"
#include "ethernetcommunicationinterface.h"
#include "ethernetconfigurationcontroller.h"
#include "externalcommunicationhandler.h"
#include "tamarindsettings.h"
#include "testsupport.h"

#include <QSignalSpy>
#include <QTcpSocket>

#include <memory>

// The TCP transport with real clients on the loopback: one client at a time,
// a newer one replacing the older, the port following the settings.
class tst_EthernetCommunicationInterface : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void clientIsAnsweredInLatin1();
    void longRepliesArriveWholeAndInOrder();
    void aNewClientReplacesTheOldOneAndEndsRemoteMode();
    void clientGoneEndsRemoteMode();
    void clientLostDuringAScan_data();
    void clientLostDuringAScan();
    void portChangeKeepsTheClient();
    void repliesWithoutClientAreDropped();
    void textDuringALongCommandIsAnsweredAfterIt_data();
    void textDuringALongCommandIsAnsweredAfterIt();
    void scansKeptWaitingRunOnTurnsOfTheEventLoop();

private:
    std::unique_ptr<QTcpSocket> connectClient(quint16 pPort);
    static QByteArray readReply(QTcpSocket& pClient, int pSize);

    std::unique_ptr<TExternalCommunicationHandler> mHandler;
    std::unique_ptr<TAbstractEthernetConfigurationController> mConfiguration;
    std::unique_ptr<TEthernetCommunicationInterface> mTransport;
};

void tst_EthernetCommunicationInterface::init()
{
    quint16 port = 0;
    TAMARIND_USE_FREE_REMOTE_PORT(port, TTamarindSettings::instance());
    mHandler = std::make_unique<TExternalCommunicationHandler>(nullptr, nullptr, nullptr, nullptr, nullptr);
    mConfiguration = TEthernetConfigurationControllerFactory().createEthernetConfigurationController("eth0");
    mConfiguration->loadSettings();
    mTransport = std::make_unique<TEthernetCommunicationInterface>(mHandler.get(), mConfiguration.get());
    QCOMPARE(int(mTransport->serverPort()), mConfiguration->port());
}

void tst_EthernetCommunicationInterface::cleanup()
{
    mTransport.reset();
    mConfiguration.reset();
    mHandler.reset();
}

std::unique_ptr<QTcpSocket> tst_EthernetCommunicationInterface::connectClient(quint16 pPort)
{
    auto client = std::make_unique<QTcpSocket>();
    client->connectToHost(QHostAddress::LocalHost, pPort);
    if (!client->waitForConnected(5000))
        return nullptr;
    return client;
}

QByteArray tst_EthernetCommunicationInterface::readReply(QTcpSocket& pClient, int pSize)
{
    QByteArray reply;
    QElapsedTimer waited;
    waited.start();
    while (reply.size() < pSize && waited.elapsed() < 5000) {
        QCoreApplication::processEvents();
        pClient.waitForReadyRead(10);
        reply += pClient.readAll();
    }
    return reply;
}

void tst_EthernetCommunicationInterface::clientIsAnsweredInLatin1()
{
    auto client = connectClient(mTransport->serverPort());
    QVERIFY(client);
    client->write("syst:ackn 0\n");
    QCOMPARE(readReply(*client, 5), QByteArray("ACK\r\n"));
    mHandler->returnResponse(QStringLiteral("109.12345\u2126,23.4567\u00B0C"));
    QCOMPARE(readReply(*client, 22), QByteArray("109.12345R,23.4567\xB0"
                                                "C\r\n"));
}

// A reply larger than the connection takes at once is sent on as it drains,
// and a reply written meanwhile waits behind it, also when the connection
// could take it at once.
void tst_EthernetCommunicationInterface::longRepliesArriveWholeAndInOrder()
{
    auto client = connectClient(mTransport->serverPort());
    QVERIFY(client);
    client->write("syst:ackn 0\r");
    QCOMPARE(readReply(*client, 5), QByteArray("ACK\r\n"));
    QByteArray longReply(8 * 1024 * 1024, Qt::Uninitialized);
    for (int i = 0; i < longReply.size(); ++i)
        longReply[i] = char('a' + i % 26);
    mHandler->returnResponse(QString::fromLatin1(longReply));
    // The client takes a part, so that the connection has room again while
    // the transport still holds the rest; the event loop does not run.
    QByteArray received;
    while (received.size() < 1024 * 1024 && client->waitForReadyRead(5000))
        received += client->readAll();
    mHandler->returnResponse(QStringLiteral("after"));
    const QByteArray expected = longReply + "\r\nafter\r\n";
    received += readReply(*client, expected.size() - received.size());
    QCOMPARE(received.size(), expected.size());
    QVERIFY(received == expected);
}

void tst_EthernetCommunicationInterface::aNewClientReplacesTheOldOneAndEndsRemoteMode()
{
    auto first = connectClient(mTransport->serverPort());
    QVERIFY(first);
    first->write("syst:remo\r");
    QTRY_VERIFY(mHandler->isInRemoteMode());
    QSignalSpy modes(mHandler.get(), &TExternalCommunicationHandler::remoteModeChanged);

    auto second = connectClient(mTransport->serverPort());
    QVERIFY(second);
    QTRY_COMPARE(first->state(), QAbstractSocket::UnconnectedState);
    QTRY_COMPARE(modes.count(), 1);
    QVERIFY(!mHandler->isInRemoteMode());

    second->write("syst:remo\rsyst:ackn 0\r");
    QCOMPARE(readReply(*second, 5), QByteArray("ACK\r\n"));
    // The old connection's end, however late it comes, is not the new client's.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    QVERIFY(mHandler->isInRemoteMode());
    QVERIFY(mTransport->hasClient());
}

void tst_EthernetCommunicationInterface::clientGoneEndsRemoteMode()
{
    auto client = connectClient(mTransport->serverPort());
    QVERIFY(client);
    client->write("syst:remo\r");
    QTRY_VERIFY(mHandler->isInRemoteMode());
    client->disconnectFromHost();
    QTRY_VERIFY(!mHandler->isInRemoteMode());
    QVERIFY(!mTransport->hasClient());
}

void tst_EthernetCommunicationInterface::clientLostDuringAScan_data()
{
    QTest::addColumn<bool>("replaced");
    QTest::newRow("a newcomer replaces it") << true;
    QTest::newRow("it hangs up") << false;
}

// The client that asked for a scan is lost while the scan waits: the scan's
// connection, whose read notification the scan runs in, is cut off but must
// outlive the scan; the scan ends, and the next client's two commands are
// answered.
void tst_EthernetCommunicationInterface::clientLostDuringAScan()
{
    QFETCH(bool, replaced);
    TChannelControllerFixture fixture;
    // A board without its line has failed the row: the client would only wait out what never comes.
    if (!fixture.board().linkProblem().isEmpty())
        return;
    fixture.build().setReadingActive(false);
    mTransport.reset();
    mHandler = std::make_unique<TExternalCommunicationHandler>(&fixture.board().handler(), &fixture.controller(),
                                                               nullptr, nullptr, nullptr);
    mTransport = std::make_unique<TEthernetCommunicationInterface>(mHandler.get(), mConfiguration.get());
    auto first = connectClient(mTransport->serverPort());
    QVERIFY(first);
    first->write("syst:remo\r");
    QTRY_VERIFY(mHandler->isInRemoteMode());

    std::unique_ptr<QTcpSocket> newcomer;
    qint64 now = 0;
    int waits = 0;
    mHandler->setScanClock({[&] { return now; },
                            [&](int pMilliseconds) {
                                now += pMilliseconds;
                                if (++waits != 2)
                                    return;
                                if (replaced) {
                                    newcomer = connectClient(mTransport->serverPort());
                                    QVERIFY(newcomer);
                                    newcomer->write("syst:ackn 1\rsyst:ackn 0\r");
                                } else {
                                    first->disconnectFromHost();
                                }
                                // What the program does meanwhile, deferred deletions included.
                                QTRY_VERIFY(!mHandler->isInRemoteMode());
                                QTRY_COMPARE(first->state(), QAbstractSocket::UnconnectedState);
                            }});
    first->write("meas:scan? 3,(@1,2,3)\r");
    QTRY_COMPARE(waits, 2);
    if (!replaced) {
        newcomer = connectClient(mTransport->serverPort());
        QVERIFY(newcomer);
        newcomer->write("syst:ackn 1\rsyst:ackn 0\r");
    }
    QCOMPARE(readReply(*newcomer, 10), QByteArray("ACK\r\nACK\r\n"));
    // The first channel's value only: the scan ended with its client.
    QCOMPARE(waits, 2);
    const QByteArray received = first->readAll();
    QCOMPARE(received.count("\r\n"), 1);
    QVERIFY2(received.endsWith("\xB0"
                               "C\r\n"),
             received.constData());
    QVERIFY(mTransport->hasClient());
}

void tst_EthernetCommunicationInterface::portChangeKeepsTheClient()
{
    const quint16 oldPort = mTransport->serverPort();
    auto client = connectClient(oldPort);
    QVERIFY(client);
    QTRY_VERIFY(mTransport->hasClient());
    QSignalSpy changes(mConfiguration.get(), &TAbstractEthernetConfigurationController::interfaceSettingsChanged);
    QString problem;
    const quint16 newPort = TTestEnvironment::freePort(&problem);
    QVERIFY2(newPort != 0, qPrintable(problem));
    mConfiguration->setPort(newPort);
    QCOMPARE(changes.count(), 1);
    QCOMPARE(TTamarindSettings::instance().value(QStringLiteral("ethernet"), QStringLiteral("port")),
             QString::number(newPort));
    QCOMPARE(mTransport->serverPort(), newPort);

    client->write("syst:ackn 0\r");
    QCOMPARE(readReply(*client, 5), QByteArray("ACK\r\n"));
    QTcpSocket refused;
    refused.connectToHost(QHostAddress::LocalHost, oldPort);
    QVERIFY(!refused.waitForConnected(2000));
    auto next = connectClient(newPort);
    QVERIFY(next);
}

void tst_EthernetCommunicationInterface::repliesWithoutClientAreDropped()
{
    mTransport->sendResponse(QStringLiteral("nobody"));
    QVERIFY(!mTransport->hasClient());
}

void tst_EthernetCommunicationInterface::textDuringALongCommandIsAnsweredAfterIt_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("replies");
    QTest::newRow("a query") << QByteArray("syst:date?\r") << QByteArray("8,12,2026\r\n");
    QTest::newRow("300 setters") << QByteArray("syst:ackn 1\r").repeated(300) << QByteArray("ACK\r\n").repeated(300);
    QTest::newRow("a line end alone") << QByteArray("\r") << QByteArray("E4\r\n");
}

// A channel scan runs the event loop while it waits for each channel; the
// client's next text arrives in the middle and is answered when the scan's
// values are out, without the client sending anything more.
void tst_EthernetCommunicationInterface::textDuringALongCommandIsAnsweredAfterIt()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, replies);
    TChannelControllerFixture board;
    if (!board.board().linkProblem().isEmpty())
        return;
    board.build();
    mTransport.reset();
    mHandler = std::make_unique<TExternalCommunicationHandler>(&board.board().handler(), &board.controller(), nullptr,
                                                               nullptr, nullptr);
    mHandler->setCurrentDateTime([] { return QDateTime(QDate(2026, 12, 8), QTime(5, 10)); });
    mTransport = std::make_unique<TEthernetCommunicationInterface>(mHandler.get(), mConfiguration.get());
    auto client = connectClient(mTransport->serverPort());
    QVERIFY(client);
    client->write("syst:remo\r");
    QTRY_VERIFY(mHandler->isInRemoteMode());

    qint64 now = 0;
    bool sent = false;
    mHandler->setScanClock({[&now] { return now; },
                            [&](int pMilliseconds) {
                                now += pMilliseconds;
                                if (sent)
                                    return;
                                sent = true;
                                client->write(text);
                                client->waitForBytesWritten(5000);
                            }});
    client->write("meas:scan? 3,(@1,1)\r");
    QByteArray received;
    QTRY_VERIFY_WITH_TIMEOUT((received += client->readAll()).endsWith(replies), 10000);
    QVERIFY(sent);
    const QList<QByteArray> lines = received.left(received.size() - replies.size()).split('\n');
    QCOMPARE(lines.size(), 3);
    QVERIFY2(lines.at(0).endsWith("\xb0"
                                  "C\r") &&
                 lines.at(1).endsWith("\xb0"
                                      "C\r"),
             received.left(200).constData());
}

// A client that always keeps its next scan waiting, sent while the scan before
// it waits for a channel: each scan runs on a turn of the event loop of its
// own, so that a wait the transport's notification runs in (a calibration
// routine's, here the test's loop) returns between two scans instead of
// when the client stops.
void tst_EthernetCommunicationInterface::scansKeptWaitingRunOnTurnsOfTheEventLoop()
{
    TChannelControllerFixture board;
    if (!board.board().linkProblem().isEmpty())
        return;
    board.build().setReadingActive(false);
    mTransport.reset();
    mHandler = std::make_unique<TExternalCommunicationHandler>(&board.board().handler(), &board.controller(), nullptr,
                                                               nullptr, nullptr);
    mTransport = std::make_unique<TEthernetCommunicationInterface>(mHandler.get(), mConfiguration.get());
    auto client = connectClient(mTransport->serverPort());
    QVERIFY(client);
    client->write("syst:remo\r");
    QTRY_VERIFY(mHandler->isInRemoteMode());

    const int scans = 4;
    int turns = 0;
    QList<int> turnAtScan;
    qint64 now = 0;
    mHandler->setScanClock({[&now] { return now; },
                            [&](int pMilliseconds) {
                                now += pMilliseconds;
                                turnAtScan << turns;
                                if (turnAtScan.size() < scans) {
                                    client->write("meas:scan? 3,(@1)\r");
                                    client->waitForBytesWritten(5000);
                                }
                                // As the scan's own wait does: the next scan reaches the transport meanwhile.
                                for (int pass = 0; pass < 3; ++pass)
                                    QCoreApplication::processEvents();
                            }});
    client->write("meas:scan? 3,(@1)\r");
    QByteArray received;
    QElapsedTimer waited;
    waited.start();
    while (received.count("\r\n") < scans && waited.elapsed() < 10000) {
        QCoreApplication::processEvents();
        ++turns;
        received += client->readAll();
    }
    QCOMPARE(received.count("\r\n"), scans);
    QCOMPARE(turnAtScan.size(), scans);
    for (int scan = 1; scan < scans; ++scan)
        QVERIFY2(turnAtScan.at(scan) > turnAtScan.at(scan - 1), qPrintable(QString::number(scan)));
}

TAMARIND_TEST_MAIN(tst_EthernetCommunicationInterface)
#include "tst_ethernetcommunicationinterface.moc"
