#include "boardstate.h"
#include "formchecks.h"
#include "mainwindowfixture.h"
#include "networkinterfaces.h"
#include "padkeys.h"
#include "serialhostpeer.h"
#include "tamarindsettings.h"
#include "testsupport.h"

#include <QAbstractButton>
#include <QTcpSocket>
#include <QTimer>

#include <atomic>
#include <cerrno>
#include <functional>
#include <linux/sockios.h>
#include <memory>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <thread>

// Remote control in the real main window: the transports it builds for the
// option board it finds, the title bar's "REM" and the local user taking the
// instrument back, against the simulated board, serial hosts and a TCP client.
class tst_MainWindowRemote : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void clientTakesControlUntilTheLocalUserEndsIt();
    void aRefusedQuestionKeepsRemoteModeAndSwallowsThePress();
    void yesEndsACommandThatBeganUnderTheQuestion_data();
    void yesEndsACommandThatBeganUnderTheQuestion();
    void homeViewShowsTheChannelAClientSelects();
    void aNameSetByAClientShowsOnTheProbesLabels();
    void transportsForTheOptionBoard_data();
    void transportsForTheOptionBoard();
    void networkStateIsReadWhileTheRemotePageShows();

private:
    QByteArray ask(QTcpSocket& pClient, const QByteArray& pLine, int pReplySize);

    TMainWindowFixture mMain;
    quint16 mPort = 0;
    std::unique_ptr<QTcpSocket> mClient;
};

namespace
{
const QString FITTED_GPIO = QStringLiteral("/sys/class/gpio/gpio20/value");
const QString KIND_GPIO = QStringLiteral("/sys/class/gpio/gpio82/value");

QString devicePath(const char* pPath)
{
    return TTestEnvironment::root() + QLatin1String(pPath);
}

// Writes a client's text from a thread of its own, as a client program does
// beside the instrument: on a busy machine it may pause at any point.
class TThreadWriter
{
public:
    ~TThreadWriter() { stop(); }
    void start(std::function<void()> pWrite)
    {
        mDone = false;
        mThread = std::thread([this, pWrite] {
            pWrite();
            mDone = true;
        });
    }
    // True too when it never started.
    bool isDone() const { return mDone; }
    bool isStopping() const { return mStop; }
    void stop()
    {
        mStop = true;
        if (mThread.joinable())
            mThread.join();
    }

private:
    std::thread mThread;
    std::atomic<bool> mDone{true};
    std::atomic<bool> mStop{false};
};

// Through a connection the test reads on its own thread.
void writeAll(int pSocket, const QByteArray& pText, const TThreadWriter& pWriter)
{
    qsizetype sent = 0;
    while (sent < pText.size() && !pWriter.isStopping()) {
        pollfd writable{pSocket, POLLOUT, 0};
        ::poll(&writable, 1, 100);
        const ssize_t count =
            ::send(pSocket, pText.constData() + sent, size_t(pText.size() - sent), MSG_DONTWAIT | MSG_NOSIGNAL);
        if (count > 0)
            sent += count;
        else if (count < 0 && errno != EAGAIN && errno != EINTR)
            break;
    }
}

// What the client's system has not handed to the instrument's yet.
int unsentBytes(int pSocket)
{
    int unsent = 0;
    return ::ioctl(pSocket, SIOCOUTQ, &unsent) == 0 ? unsent : -1;
}
} // namespace

void tst_MainWindowRemote::initTestCase()
{
    QVERIFY(mMain.startBoard());
    TAMARIND_USE_FREE_REMOTE_PORT(mPort, TTamarindSettings::instance());
}

void tst_MainWindowRemote::init()
{
    TAMARIND_WRITE_DEVICE_FILE(FITTED_GPIO, "0\n");
}

void tst_MainWindowRemote::cleanup()
{
    mClient.reset();
    mMain.close();
}

QByteArray tst_MainWindowRemote::ask(QTcpSocket& pClient, const QByteArray& pLine, int pReplySize)
{
    pClient.write(pLine);
    QByteArray reply;
    QElapsedTimer waited;
    waited.start();
    while (reply.size() < pReplySize && waited.elapsed() < 5000) {
        QCoreApplication::processEvents();
        pClient.waitForReadyRead(10);
        reply += pClient.readAll();
    }
    return reply;
}

void tst_MainWindowRemote::clientTakesControlUntilTheLocalUserEndsIt()
{
    mMain.open(true);
    mMain.click("BtnSettings");
    QCOMPARE(mMain.mainPage(), mMain.child("PageSettings"));
    mClient = std::make_unique<QTcpSocket>();
    mClient->connectToHost(QHostAddress::LocalHost, mPort);
    QVERIFY(mClient->waitForConnected(5000));
    QCOMPARE(ask(*mClient, "syst:ackn 1\r", 5), QByteArray("ACK\r\n"));
    QCOMPARE(ask(*mClient, "syst:remo\r", 5), QByteArray("ACK\r\n"));
    QCOMPARE(mMain.text("LblTitleRight"), QStringLiteral("REM"));
    // Whatever the local user had open is closed for the client.
    QCOMPARE(mMain.mainPage(), mMain.child("PageHome"));
    QCOMPARE(mMain.menuPage(), mMain.child("PageMenu"));
    mMain.snapshot(QStringLiteral("mainwindow_remote_mode"));

    TModalAnswer::onNextModal([](QWidget* pQuestion) {
        saveSnapshot(pQuestion, QStringLiteral("mainwindow_remote_question"));
        pressKeys(pQuestion, {QStringLiteral("BtnYes")});
    });
    QTest::mousePress(mMain.child("BtnSettings"), Qt::LeftButton);
    QTest::mouseRelease(mMain.child("BtnSettings"), Qt::LeftButton);
    QCOMPARE(mMain.text("LblTitleRight"), QString());
    QCOMPARE(mMain.mainPage(), mMain.child("PageHome"));
    // Remote access is free again once the client has been quiet for a while: its next text claims it, in local
    // mode.
    QVERIFY(mMain.tcp().isDroppingInput());
    QTRY_VERIFY(!mMain.tcp().isDroppingInput());
    QCOMPARE(ask(*mClient, "syst:ackn 1\rmeas:curr? 1\rsyst:ackn 1\r", 10), QByteArray("ACK\r\nACK\r\n"));
}

void tst_MainWindowRemote::aRefusedQuestionKeepsRemoteModeAndSwallowsThePress()
{
    mMain.open(true);
    mClient = std::make_unique<QTcpSocket>();
    mClient->connectToHost(QHostAddress::LocalHost, mPort);
    QVERIFY(mClient->waitForConnected(5000));
    QCOMPARE(ask(*mClient, "syst:remo\rsyst:ackn 0\r", 5), QByteArray("ACK\r\n"));
    QCOMPARE(mMain.text("LblTitleRight"), QStringLiteral("REM"));
    TModalAnswer::clickInNextModal(QStringLiteral("BtnNo"));
    QTest::mouseClick(mMain.child("BtnSettings"), Qt::LeftButton);
    QCOMPARE(mMain.text("LblTitleRight"), QStringLiteral("REM"));
    QCOMPARE(mMain.mainPage(), mMain.child("PageHome"));
    // The client goes: the instrument is the local user's again.
    mClient->disconnectFromHost();
    QTRY_COMPARE(mMain.text("LblTitleRight"), QString());
}

void tst_MainWindowRemote::yesEndsACommandThatBeganUnderTheQuestion_data()
{
    QTest::addColumn<bool>("tcp");
    QTest::addColumn<QByteArray>("behind");
    // The client writes what is behind the command from a thread of its own
    // and is still writing at the Yes.
    QTest::addColumn<bool>("writing");
    const QByteArray reading("meas:curr? 1\r");
    QTest::newRow("TCP client") << true << reading << false;
    QTest::newRow("USB host") << false << reading << false;
    // More than the socket holds: the rest waits in the connection.
    QTest::newRow("TCP client with more than 64 KB behind the command")
        << true << QByteArray("*idn?\r").repeated(12000) + "syst:remo\r" + reading << false;
    // Far more than the client's system and the connection or line hold:
    // most of it comes after the Yes. Lines a client in local mode gets no
    // answer to.
    QTest::newRow("TCP client writing 16 MB across the Yes")
        << true << reading.repeated(16 * 1024 * 1024 / reading.size()) + "syst:remo\r" + reading << true;
    QTest::newRow("USB host writing 1 MB across the Yes")
        << false << reading.repeated(1024 * 1024 / reading.size()) + "syst:remo\r" + reading << true;
}

// The question is open when the client's scan arrives, with a command behind
// it, so the scan runs inside the question's event loop. The Yes takes the
// instrument back at once: the scan ends on the channel it was on, and
// neither its later channels nor the command behind it are answered.
void tst_MainWindowRemote::yesEndsACommandThatBeganUnderTheQuestion()
{
    QFETCH(bool, tcp);
    QFETCH(QByteArray, behind);
    QFETCH(bool, writing);
    // Stopped after the host: a host that hangs up ends a write the instrument never takes.
    TThreadWriter writer;
    TSerialHostPeer usbHost;
    QString error;
    if (!tcp)
        QVERIFY2(usbHost.start(devicePath("/dev/ttyGS0"), error), qPrintable(error));
    mMain.open(true);
    if (tcp) {
        mClient = std::make_unique<QTcpSocket>();
        mClient->connectToHost(QHostAddress::LocalHost, mPort);
        QVERIFY(mClient->waitForConnected(5000));
    }
    TExternalCommunicationInterface& transport = tcp ? static_cast<TExternalCommunicationInterface&>(mMain.tcp())
                                                     : static_cast<TExternalCommunicationInterface&>(mMain.usb());
    // The drop after the Yes ends when the test has seen the client's last byte reach the instrument's system,
    // however long a busy machine keeps the writing thread from running: its clock stands until then.
    qint64 dropTime = 0;
    transport.setInputClock([&dropTime] { return dropTime; });
    const auto send = [&](const QByteArray& pBytes) {
        if (tcp)
            mClient->write(pBytes);
        else
            usbHost.send(pBytes);
    };
    QByteArray received;
    const auto receive = [&]() -> const QByteArray& {
        return received += tcp ? mClient->readAll() : usbHost.takeReceived();
    };
    send("syst:ackn 1\rsyst:remo\r");
    QTRY_COMPARE(receive(), QByteArray("ACK\r\nACK\r\n"));
    received.clear();

    // Each settle time passes at once; the user answers in the second one.
    qint64 now = 0;
    int waits = 0;
    QString titleAtTheYes = QStringLiteral("no Yes");
    bool writtenAtTheYes = false;
    mMain.remote().setScanClock({[&now] { return now; },
                                 [&](int pMilliseconds) {
                                     now += pMilliseconds;
                                     if (++waits != 2 || !QApplication::activeModalWidget())
                                         return;
                                     // All the client sent has reached the instrument.
                                     if (tcp && !writing)
                                         mClient->flush();
                                     writtenAtTheYes = writer.isDone();
                                     pressKeys(QApplication::activeModalWidget(), {QStringLiteral("BtnYes")});
                                     titleAtTheYes = mMain.text("LblTitleRight");
                                 }});
    TModalAnswer::onNextModal([&](QWidget* pQuestion) {
        // The Yes comes on input 1, which the board then keeps measuring, as the later functions expect.
        if (writing) {
            send("meas:scan? 600,(@2,1,2,1)\r");
            if (tcp) {
                mClient->flush();
                const int socket = int(mClient->socketDescriptor());
                writer.start([socket, behind, &writer] { writeAll(socket, behind, writer); });
            } else {
                writer.start([&usbHost, behind] { usbHost.send(behind); });
            }
        } else {
            send("meas:scan? 600,(@2,1,2,1)\r" + behind);
        }
        // Bounds the test where the scan never comes to its second channel.
        QTimer::singleShot(30000, pQuestion, [pQuestion] { pressKeys(pQuestion, {QStringLiteral("BtnNo")}); });
    });
    QTest::mousePress(mMain.child("BtnSettings"), Qt::LeftButton);
    QTest::mouseRelease(mMain.child("BtnSettings"), Qt::LeftButton);
    QCOMPARE(titleAtTheYes, QString());
    QCOMPARE(waits, 2);
    if (writing)
        QVERIFY(!writtenAtTheYes);
    // Once all the client wrote has reached the instrument's system, the drop may end.
    QTRY_VERIFY_WITH_TIMEOUT(writer.isDone() && (!tcp || (mClient->bytesToWrite() == 0 &&
                                                          unsentBytes(int(mClient->socketDescriptor())) == 0)),
                             30000);
    QCOMPARE(mMain.text("LblTitleRight"), QString());
    // A quiet period at a time: what still waits in the instrument's system restarts it.
    QTRY_VERIFY((dropTime += TExternalCommunicationInterface::INPUT_QUIET_PERIOD, transport.inputClockMoved(),
                 !transport.isDroppingInput()));
    QVERIFY(dropTime < TExternalCommunicationInterface::DROP_TIME_LIMIT);
    // Remote access is free again: the next text claims it, in local mode.
    send("syst:ackn 1\r");
    QTRY_VERIFY_WITH_TIMEOUT(receive().endsWith("ACK\r\n"), 10000);
    // Input 2's reading, then the acknowledgement.
    QVERIFY2(received.count("\r\n") == 2 && !received.startsWith('E'), received.left(200).constData());
    QCOMPARE(mMain.text("LblTitleRight"), QString());
}

void tst_MainWindowRemote::homeViewShowsTheChannelAClientSelects()
{
    mMain.open(true);
    const QString firstChannel = mMain.child<QAbstractButton>("btnSingleViewChanSel")->text();
    mClient = std::make_unique<QTcpSocket>();
    mClient->connectToHost(QHostAddress::LocalHost, mPort);
    QVERIFY(mClient->waitForConnected(5000));
    QCOMPARE(ask(*mClient, "syst:ackn 1\rsyst:remo\rconf:chan 2\r", 15), QByteArray("ACK\r\nACK\r\nACK\r\n"));
    QVERIFY(mMain.child<QAbstractButton>("btnSingleViewChanSel")->text() != firstChannel);
    QVERIFY2(mMain.child<QAbstractButton>("btnSingleViewChanSel")->text().contains(QLatin1Char('2')),
             qPrintable(mMain.child<QAbstractButton>("btnSingleViewChanSel")->text()));
    QCOMPARE(ask(*mClient, "conf:chan 1\rsyst:loca\r", 10), QByteArray("ACK\r\nACK\r\n"));
    QCOMPARE(mMain.child<QAbstractButton>("btnSingleViewChanSel")->text(), firstChannel);
}

// The board keeps the name; the probe menu's row and the measured channel's
// probe button show what the board gave back.
void tst_MainWindowRemote::aNameSetByAClientShowsOnTheProbesLabels()
{
    mMain.board().withState([](TBoardState& pState) {
        pState.mProbeMemory.fillSlot(1, QStringLiteral("1,bath1,450.0,-200.0,1,100,3.9083e-03,-5.775e-07,-4.183e-12,"
                                                       "0,0,0,0,0,0,0,0,0,0,0,0,0,0,3,0,0,0,0,2,1,1,2"));
    });
    mMain.open(true);
    mClient = std::make_unique<QTcpSocket>();
    mClient->connectToHost(QHostAddress::LocalHost, mPort);
    QVERIFY(mClient->waitForConnected(5000));
    QCOMPARE(ask(*mClient, "syst:ackn 1\rsyst:remo\r", 10), QByteArray("ACK\r\nACK\r\n"));
    QCOMPARE(ask(*mClient, "prob:iden 1,Bath 7\rprob:iden? 1\r", 13), QByteArray("ACK\r\nBath 7\r\n"));
    QStringList menuRows;
    for (const QLabel* label : mMain.child("scrollAreaProbeMenuWidget")->findChildren<QLabel*>())
        menuRows << label->text();
    QVERIFY2(menuRows.contains(QStringLiteral("Bath 7")) && !menuRows.contains(QStringLiteral("bath1")),
             qPrintable(menuRows.join(QLatin1Char('|'))));
    QStringList shownButtons;
    for (const QAbstractButton* button : mMain.child("PageHome")->findChildren<QAbstractButton*>()) {
        if (button->isVisible())
            shownButtons << button->text();
    }
    QVERIFY2(shownButtons.contains(QStringLiteral("Bath 7")), qPrintable(shownButtons.join(QLatin1Char('|'))));
    mMain.snapshot(QStringLiteral("mainwindow_remote_probe_name"));
    mMain.board().withState([](TBoardState& pState) { pState.mProbeMemory.clearSlot(1); });
}

void tst_MainWindowRemote::transportsForTheOptionBoard_data()
{
    QTest::addColumn<QByteArray>("fitted");
    QTest::addColumn<QByteArray>("kind");
    QTest::addColumn<bool>("converter");
    QTest::addColumn<QByteArray>("optionReply");
    QTest::newRow("no option board") << QByteArray("0") << QByteArray("1") << false << QByteArray();
    QTest::newRow("RS-232 board") << QByteArray("1") << QByteArray("1") << false << QByteArray("ACK\r\n");
    QTest::newRow("IEEE-488 board") << QByteArray("1") << QByteArray("0") << true << QByteArray("ACK\r\n");
}

void tst_MainWindowRemote::transportsForTheOptionBoard()
{
    QFETCH(QByteArray, fitted);
    QFETCH(QByteArray, kind);
    QFETCH(bool, converter);
    QFETCH(QByteArray, optionReply);
    TAMARIND_WRITE_DEVICE_FILE(FITTED_GPIO, fitted);
    TAMARIND_WRITE_DEVICE_FILE(KIND_GPIO, kind);
    TSerialHostPeer usbHost;
    TSerialHostPeer optionHost(converter ? TSerialHostPeer::rIEEEConverter : TSerialHostPeer::rHost);
    QString error;
    QVERIFY2(usbHost.start(devicePath("/dev/ttyGS0"), error), qPrintable(error));
    QVERIFY2(optionHost.start(devicePath("/dev/ttyO1"), error), qPrintable(error));
    mMain.open(false);

    // The USB device port is always there.
    usbHost.send("syst:ackn 0\r");
    QByteArray received;
    QTRY_COMPARE(received += usbHost.takeReceived(), QByteArray("ACK\r\n"));
    // The converter learns the stored bus address (3 without a setting) at every start.
    const QList<TSerialHostPeer::TAddressFrame> frames = optionHost.addressFrames();
    QCOMPARE(frames.size(), converter ? 1 : 0);
    if (converter)
        QCOMPARE(frames.first().mBytes, QByteArray::fromHex("02843D33CE03"));

    // The option line answers only with a board, and only once the USB host let go in local mode.
    optionHost.send("syst:ackn 0\r");
    usbHost.send("syst:ackn 0\r");
    received.clear();
    QTRY_COMPARE(received += usbHost.takeReceived(), QByteArray("ACK\r\n"));
    // The option line's reply left first, but its host may read it later on a busy machine.
    QByteArray optionReceived = optionHost.takeReceived();
    if (!optionReply.isEmpty())
        QTRY_COMPARE(optionReceived += optionHost.takeReceived(), optionReply);
    QCOMPARE(optionReceived, optionReply);
}

void tst_MainWindowRemote::networkStateIsReadWhileTheRemotePageShows()
{
    QVERIFY(TNetworkInterfaces::setSimulatedInterface(QStringLiteral("eth0"), true, {"192.0.2.50 255.255.255.0"}));
    QVERIFY(TNetworkInterfaces::setSimulatedRoutes("default via 192.0.2.1 dev eth0\n"));
    mMain.open(true);
    TTestEnvironment::clearRecordedCommands();
    mMain.click("BtnRemote");
    QCOMPARE(mMain.mainPage(), mMain.child("PageRemote"));
    QCOMPARE(TTestEnvironment::recordedCommands(), QStringList{QStringLiteral("ip route")});
    TTestEnvironment::clearRecordedCommands();
    // A busy machine may let the 1300 ms poll run more than once before the test looks.
    QTRY_VERIFY_WITH_TIMEOUT(TTestEnvironment::recordedCommands().contains(QStringLiteral("ip route")), 3000);
    QVERIFY(TNetworkInterfaces::setSimulatedInterface(QStringLiteral("eth0"), false));
}

TAMARIND_TEST_MAIN(tst_MainWindowRemote)
#include "tst_mainwindowremote.moc"
