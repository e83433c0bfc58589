#include "boardstate.h"
#include "calibrationfilestore.h"
#include "calibrationroutine.h"
#include "calibrationsetup.h"
#include "calibratorfixture.h"
#include "channel.h"
#include "channelcontroller.h"
#include "channelviewcontrollermanager.h"
#include "channelviewcontrollers.h"
#include "logfilecontroller.h"
#include "mainwindowfixture.h"
#include "messagerecorder.h"
#include "recordinginterface.h"
#include "routineclock.h"
#include "tamarindsettings.h"
#include "testsupport.h"
#include "zelkcontainerpushbutton.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QGridLayout>
#include <QTimer>

using namespace Electrical_temperature_units;

// The main window with the converter library's stand-in in place: the
// calibration routines keep their button and the menu is unchanged.
class tst_MainWindowRoutinesWithLibrary : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(TCalibratorFixture::linkConverterStandIn());
        TCalibratorFixture::setReplyTimeouts({});
        QVERIFY(mMain.startBoard());
    }
    void cleanupTestCase() { mMain.close(); }
    void cleanup()
    {
        mMain.close();
        mCalibrator.stop();
        IRoutineClock::replace(nullptr);
    }

    void calibrationStaysInTheMainMenu()
    {
        mMain.open(true);
        QVERIFY(mMain.shown("BtnCalibrationRoutines"));
        auto* grid = qobject_cast<QGridLayout*>(mMain.child("BtnInfo")->parentWidget()->layout());
        QVERIFY(grid);
        int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
        grid->getItemPosition(grid->indexOf(mMain.child("BtnRemote")), &row, &column, &rowSpan, &columnSpan);
        QCOMPARE(qMakePair(row, column), qMakePair(8, 0));
        mMain.click("BtnCalibrationRoutines");
        mMain.click("BtnNewCalibrationRoutine");
        QVERIFY(mMain.shown("PageEditCalibrationRoutine"));
    }

    void routineLeavesTheShownChannelMeasured_data()
    {
        QTest::addColumn<QByteArray>("scannedChannels");
        QTest::addColumn<QByteArray>("clientSends");
        QTest::addColumn<QByteArray>("clientGets");
        // How the board meets the end's selection of the shown channel, once; -1: it takes it.
        QTest::addColumn<int>("endSelectionFault");
        const int takesIt = -1;
        QTest::newRow("alone") << QByteArray() << QByteArray() << QByteArray() << takesIt;
        // Inside the run's first wait, once it has chosen its reference.
        QTest::newRow("a client selects a DUT channel during the run")
            << QByteArray() << QByteArray("syst:remo\rconf:chan 3\rsyst:loca\r") << QByteArray("E14\r\n") << takesIt;
        // Remote control stops scan mode, which would measure the home view's channel.
        QTest::newRow("a client takes control from scan mode during the run")
            << QByteArray("1,4") << QByteArray("syst:remo\r") << QByteArray() << takesIt;
        // A board busy restarting as the run ends: the polls tell it.
        QTest::newRow("the board refuses the shown channel once at the end")
            << QByteArray() << QByteArray() << QByteArray() << int(TBoardFaults::TCommandFault::cfError);
        // A lost reply: the view's channel, not the DUT read last, is selected again.
        QTest::newRow("the board leaves the shown channel's selection unanswered once at the end")
            << QByteArray() << QByteArray() << QByteArray() << int(TBoardFaults::TCommandFault::cfSilence);
    }

    // The run measures the reference and the DUT channels; afterwards the
    // board measures the home view's channel again, so the view shows live
    // values and the logger names the channel the screen names.
    void routineLeavesTheShownChannelMeasured()
    {
        QFETCH(QByteArray, scannedChannels);
        QFETCH(QByteArray, clientSends);
        QFETCH(QByteArray, clientGets);
        QFETCH(int, endSelectionFault);
        const bool boardRefusesOnce = endSelectionFault >= 0;
        IRoutineClock::replace(std::make_unique<TFastForwardRoutineClock>());
        QVERIFY(mCalibrator.start(EnCalibratorType::ctDWK4400_165));
        mMain.board().setTemperature(2, 50.0);
        mMain.board().setTemperature(3, 49.9);
        // The screen lists the setups stored when it is built.
        mMain.open(false);
        {
            TChannelController& channels = *mMain.window()->mChannelController;
            const TCalibrationSetup setup(QStringLiteral("bench"), EnCalibratorType::ctDWK4400_165,
                                          channels.physical_channel(2), {TChannelDescription(3, "3")}, 1, 0.1, 1,
                                          {TElectricalTemperatureValue(50.0, uCelsius)}, QString(), 0);
            QVERIFY(TCalibrationFileStore(channels).storeSetup(&setup));
        }
        mMain.close();
        TTamarindSettings::instance().setValue(QStringLiteral("scan"), QStringLiteral("channels"),
                                               QString::fromLatin1(scannedChannels));
        TTamarindSettings::instance().store();
        mMain.open(true);
        TChannelController& channels = *mMain.window()->mChannelController;
        TAbstractChannel* const shown = channels.measuredChannel();
        QVERIFY(shown && shown->internalChannelNumber() != 2 && shown->internalChannelNumber() != 3);
        if (!scannedChannels.isEmpty())
            mMain.click("BtnScan_Start");

        mMain.click("BtnCalibrationRoutines");
        TMessageRecorder messages;
        TRecordingInterface client(&mMain.remote());
        QTimer clientWaits;
        clientWaits.setInterval(0);
        connect(&clientWaits, &QTimer::timeout, [&] {
            TAbstractChannel* measured = channels.measuredChannel();
            if (!measured || measured->internalChannelNumber() != 2)
                return;
            clientWaits.stop();
            client.deliver(clientSends);
            if (boardRefusesOnce)
                mMain.board().withFaults([shown, endSelectionFault](TBoardFaults& pFaults) {
                    TBoardFaults::TCommandFault fault;
                    fault.mKind = TBoardFaults::TCommandFault::EnKind(endSelectionFault);
                    fault.mPrefix =
                        "conf:chan " + QByteArray::number(shown->internalChannelNumber()).rightJustified(2, '0');
                    pFaults.mCommandFaults << fault;
                });
        });
        if (!clientSends.isEmpty() || boardRefusesOnce)
            clientWaits.start();
        auto* play = mMain.child("WgtCalibrationSetupsParent")->findChild<QZELKContainerPushButton*>();
        QVERIFY(play);
        QTest::mouseClick(play, Qt::LeftButton);
        QCOMPARE(messages.texts(), QStringList{"Calibration routine completed successfully."});
        // The run's screen is still up: the title bar it lets through names it, whoever took control meanwhile.
        QCOMPARE(mMain.text("LblTitle"), QStringLiteral("Calibration"));
        QCOMPARE(mMain.mainPage(), mMain.child("PageCalibrationRoutines"));
        const zelk::vector<QString> results = TCalibrationFileStore(channels).storedCalFiles(1);
        QCOMPARE(int(results.size()), 1);
        const auto stored = TCalibrationFileStore(channels).createCalRoutineFromName(results.front());
        QVERIFY(stored && !stored->calibrationPointsResults().empty());
        // The reference channel's own reading.
        QVERIFY(qAbs(stored->calibrationPointsResults().begin()->second.valueReferenceChannel().value() - 50.0) < 0.01);

        QCOMPARE(channels.measuredChannel(), shown);
        const auto boardChannel = [this] {
            int measured = 0;
            mMain.board().withState([&measured](TBoardState& pState) { measured = pState.mMeasuredChannel; });
            return measured;
        };
        QTRY_COMPARE(boardChannel(), shown->internalChannelNumber());
        QCOMPARE(mMain.window()->mChannelViewControllerManager->homescreenViewController()->measuredChannel(), shown);
        QCOMPARE(mMain.child<QAbstractButton>("btnSingleViewChanSel")->text(), shown->channelBtnText());
        // The home view shows the shown input's present temperature.
        mMain.board().setTemperature(shown->internalChannelNumber(), 60.0);
        QTRY_VERIFY_WITH_TIMEOUT(mMain.text("lblSingleViewMainVal").startsWith(QStringLiteral("60.0")), 15000);
        // The run owns the board's channel: the client's selection is refused.
        QCOMPARE(client.takeSent(), clientGets);

        TLogfileController& logger = *mMain.window()->mLogfileController;
        QCOMPARE(int(logger.startLogger()), int(TLogfileController::lsrSuccess));
        QVERIFY(logger.writeChannelValueToLogfile(channels.measuredChannel()));
        logger.stopLogger();
        const QString directory = TTestEnvironment::root() + QStringLiteral("/home/Logfiles");
        const QStringList files = QDir(directory).entryList(QDir::Files, QDir::Time);
        QVERIFY(!files.isEmpty());
        QFile file(directory + QLatin1Char('/') + files.first());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString content = QString::fromUtf8(file.readAll());
        QVERIFY2(content.contains(QStringLiteral(";Channel ") + shown->channelCaption() + QLatin1Char(';')),
                 qPrintable(content));
        QVERIFY(!content.contains(QStringLiteral(";Channel 3;")));
    }

private:
    TMainWindowFixture mMain;
    TCalibratorFixture mCalibrator;
};

TAMARIND_TEST_MAIN(tst_MainWindowRoutinesWithLibrary)
#include "tst_mainwindowroutineswithlibrary.moc"
