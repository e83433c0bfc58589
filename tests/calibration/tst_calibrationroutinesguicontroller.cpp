#include "boardfaults.h"
#include "boardsimulator.h"
#include "calibrationfilestore.h"
#include "calibrationroutinesguicontroller.h"
#include "calibrationroutineview.h"
#include "calibrationsetup.h"
#include "calibratorfixture.h"
#include "channel.h"
#include "channelcontroller.h"
#include "channelcontrollerfixture.h"
#include "decimaldisplaycontroller.h"
#include "deviceroot.h"
#include "dwk44xx_connector.h"
#include "fifoguard.h"
#include "ftdi_usb_serial_device.h"
#include "messagedialog.h"
#include "messagerecorder.h"
#include "newestfiles.h"
#include "padkeys.h"
#include "routineclock.h"
#include "routinescontrollerfixture.h"
#include "simulatedusbstick.h"
#include "testsupport.h"
#include "usbstickcontroller.h"
#include "zelkcontainerpushbutton.h"
#include "zelkcontainerradiobutton.h"
#include "zelkdialogbutton.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QScrollArea>
#include <QSet>
#include <QTimer>

#include <ctime>
#include <functional>
#include <limits>
#include <memory>
#include <utility>

#include <utime.h>

using namespace Calibrationroutine;
using namespace Electrical_temperature_units;

namespace
{
const QString SETUPS = QStringLiteral("/home/CalibrationSetups");
const QString ROUTINES = QStringLiteral("/home/CalibrationRoutines");

QString text(QZELKAbstractButton* pButton)
{
    return pButton->label()->text();
}

// Types the digits, "." as the pad's separator key, and a leading "-" as its
// sign key after the digits; accepts, or cancels when the pad refuses the value.
void answerNumpad(const QString& pNumber)
{
    TModalAnswer::onNextModal([pNumber](QWidget* pPad) {
        QStringList keys;
        for (QChar c : pNumber) {
            if (c == '.')
                keys << "BtnDecSep";
            else if (c != '-')
                keys << QStringLiteral("Btn") + c;
        }
        if (pNumber.startsWith('-'))
            keys << "BtnChangeSign";
        pressKeys(pPad, keys);
        pressKeys(pPad, {pPad->findChild<QWidget*>("BtnAccept")->isVisible() ? "BtnAccept" : "BtnCancel"});
    });
}

// Checks the channels by caption in the channel dialog about to open and saves.
void answerChannels(const QStringList& pCaptions)
{
    TModalAnswer::onNextModal([pCaptions](QWidget* pDialog) {
        for (const QString& caption : pCaptions) {
            for (auto* button : pDialog->findChildren<QZELKContainerCheckButton*>()) {
                if (button->findChild<QLabel*>()->text() == caption)
                    QTest::mouseClick(button, Qt::LeftButton);
            }
        }
        pressKeys(pDialog, {"BtnSave"});
    });
}

// Touching a channel in the single choice chooses it; without a caption the dialog is cancelled.
void answerChannel(const QString& pCaption)
{
    TModalAnswer::onNextModal([pCaption](QWidget* pDialog) {
        for (auto* button : pDialog->findChildren<QZELKContainerCheckButton*>()) {
            if (!pCaption.isEmpty() && button->findChild<QLabel*>()->text() == pCaption) {
                QTest::mouseClick(button, Qt::LeftButton);
                return;
            }
        }
        pressKeys(pDialog, {"BtnCancel"});
    });
}

// Types the last byte of the address dialog (none: the bytes as it opened) and saves.
void answerAddress(const QString& pLastByte)
{
    TModalAnswer::onNextModal([pLastByte](QWidget* pDialog) {
        if (!pLastByte.isEmpty()) {
            answerNumpad(pLastByte);
            pressKeys(pDialog, {"btnGrp4"});
        }
        pressKeys(pDialog, {"BtnSave"});
    });
}

void click(QWidget* pButton)
{
    QTest::mouseClick(pButton, Qt::LeftButton);
}

// A copy to the stick ends with its completion notice, whose button shows once
// the copy is done, however long that takes: it is clicked away while the timer runs.
void clickAwayTheCompletionNotice(QTimer& pTimer)
{
    QObject::connect(&pTimer, &QTimer::timeout, [] {
        QWidget* modal = QApplication::activeModalWidget();
        QWidget* button = modal ? modal->findChild<QWidget*>("BtnDownloadComplete") : nullptr;
        if (button && button->isVisible())
            click(button);
    });
    pTimer.start(5);
}

// The messages of a run: the question whether to abort is answered Yes and
// kept like every other message, which is answered OK.
// Runs an action when any object of the application is sent an event of one type.
class TEventHook : public QObject
{
public:
    TEventHook(QEvent::Type pType, std::function<void(QObject*)> pAction) : mType(pType), mAction(std::move(pAction))
    {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override
    {
        if (pEvent->type() == mType)
            mAction(pWatched);
        return false;
    }

private:
    const QEvent::Type mType;
    const std::function<void(QObject*)> mAction;
};

class TRunMessages : public QObject
{
public:
    TRunMessages()
    {
        connect(&mTimer, &QTimer::timeout, this, [this] {
            auto* dialog = qobject_cast<TMessageDialog*>(QApplication::activeModalWidget());
            if (!dialog || !dialog->isVisible())
                return;
            mTexts << dialog->findChild<QLabel*>("LblText")->text();
            const bool asks = dialog->findChild<QWidget*>("BtnYes")->isVisible();
            QTest::mouseClick(dialog->findChild<QWidget*>(asks ? "BtnYes" : "BtnOK"), Qt::LeftButton);
        });
        mTimer.start(5);
    }
    QStringList mTexts;

private:
    QTimer mTimer;
};
} // namespace

class tst_CalibrationRoutinesGUIController : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void emptyEditorRefusedWithEveryMessageInOrder();
    void setupNameThatCannotBeAFileName_data();
    void setupNameThatCannotBeAFileName();
    void calibrationPointWithinTheModelsRange_data();
    void calibrationPointWithinTheModelsRange();
    void networkModelAsksForAddressAndPort();
    void rowsStayInPageOrder();
    void storedSetupFillsTheEditor();
    void storedSetupThatCannotBeUsedSaysSo_data();
    void storedSetupThatCannotBeUsedSaysSo();
    void overwriteAskedForANewSetupOnly();
    void filterAndShortenedNames();
    void listsShowTheNewestFilesOnly_data();
    void listsShowTheNewestFilesOnly();
    void entryButtonsChangeTheirValue_data();
    void entryButtonsChangeTheirValue();
    void deletingASetupAsksFirst_data();
    void deletingASetupAsksFirst();
    void successfulRunListsItsResultOnTop_data();
    void successfulRunListsItsResultOnTop();
    void runEndingsShowTheirMessageAndCloseTheView_data();
    void runEndingsShowTheirMessageAndCloseTheView();
    void playTappedAgainAsTheViewAppears();
    void resultPageShowsAFramePerDUT();
    void resultPageDeleteAndExport();
    void resultExportWritesThroughNoLink_data();
    void resultExportWritesThroughNoLink();

private:
    TCalibrationRoutinesGUIController& build();
    // Fills the editor with a valid DWK4400-165 setup: name, stability, times,
    // a DUT on channel 3 and a point of 100 °C.
    void fillEditor(const QString& pName);
    void enterName(const QString& pName);
    QStringList savedMessages(bool* oSaved = nullptr);
    QStringList pageOrder(const zelk::vector<std::unique_ptr<TCalRoutineDynamicControls>>& pRows) const;
    QStringList storedResults() const;
    QStringList shownSetups() const;
    // A setup of the simulated calibrator: reference channel 1, one minute
    // window and hold, stability 0.1 K.
    void storeRunSetup(const QString& pName, EnCalibratorType pType, const zelk::vector<TChannelDescription>& pDuts,
                       double pPoint);
    void pressPlay();
    void snapshot(QWidget* pWidget, const QString& pName, bool pScrolledContents = true);

    std::unique_ptr<TChannelControllerFixture> mFixture;
    std::unique_ptr<TCalibrationRoutinesGUIController> mController;
    QWidget mPointWidget;
    QWidget mCommaWidget;
    TCalibratorFixture mCalibrator;
};

void tst_CalibrationRoutinesGUIController::initTestCase()
{
    QVERIFY(TCalibratorFixture::linkConverterStandIn());
    QVERIFY(TFTDI_Usb_Serial_Device::instance()->isLibraryAvailable());
    TCalibratorFixture::setReplyTimeouts({});
}

void tst_CalibrationRoutinesGUIController::init()
{
    TTestEnvironment::removeUnderRoot("/home");
    IRoutineClock::replace(std::make_unique<TFastForwardRoutineClock>());
    TDecimalDisplayController::instance().registerWidget(&mPointWidget, '.');
    TDecimalDisplayController::instance().registerWidget(&mCommaWidget, ',');
    TAMARIND_MAKE_FIXTURE(mFixture);
    mFixture->build();
}

void tst_CalibrationRoutinesGUIController::cleanup()
{
    TDecimalDisplayController::instance().decimalSeparatorSelected(&mPointWidget);
    mController.reset();
    mFixture.reset();
    TFTDI_Usb_Serial_Device::instance()->disconnect();
    mCalibrator.stop();
    TCalibratorFixture::setReplyTimeouts({});
    IRoutineClock::replace(nullptr);
    TSimulatedUSBStick::remove();
}

TCalibrationRoutinesGUIController& tst_CalibrationRoutinesGUIController::build()
{
    mController = buildRoutinesController(*mFixture);
    mFixture->form().resize(800, 480);
    mFixture->form().show();
    return *mController;
}

void tst_CalibrationRoutinesGUIController::enterName(const QString& pName)
{
    TModalAnswer::onNextModal([pName](QWidget* pPad) { typeOnPad(pPad, pName); });
    click(mFixture->ui().BtnCalRoutine_Name);
}

void tst_CalibrationRoutinesGUIController::fillEditor(const QString& pName)
{
    Ui_TTamarindMainForm& ui = mFixture->ui();
    click(ui.BtnCalRoutine_DWK4400_165);
    enterName(pName);
    answerNumpad("0.05");
    click(ui.BtnCalRoutine_Stability);
    answerNumpad("2");
    click(ui.BtnCalRoutine_StabilityTime);
    answerNumpad("3");
    click(ui.BtnCalRoutine_HoldTime);
    answerChannels({"3"});
    click(ui.BtnCalRoutine_AddDUTChannel);
    answerNumpad("100");
    click(ui.BtnCalRoutine_AddCalPoint);
}

QStringList tst_CalibrationRoutinesGUIController::savedMessages(bool* oSaved)
{
    TMessageRecorder recorder;
    const bool saved = mController->storeClicked();
    if (oSaved)
        *oSaved = saved;
    return recorder.texts();
}

// The rows' captions top to bottom as the grid shows them.
QStringList tst_CalibrationRoutinesGUIController::pageOrder(
    const zelk::vector<std::unique_ptr<TCalRoutineDynamicControls>>& pRows) const
{
    auto* grid = qobject_cast<QGridLayout*>(mFixture->ui().scrollAreaCallRoutineEditWidget->layout());
    std::map<int, QString> byRow;
    for (const auto& row : pRows) {
        int r = 0, c = 0, rs = 0, cs = 0;
        grid->getItemPosition(grid->indexOf(row->btnSelect()), &r, &c, &rs, &cs);
        byRow[r] = text(row->btnSelect());
    }
    QStringList captions;
    for (const auto& entry : byRow)
        captions << entry.second;
    return captions;
}

QStringList tst_CalibrationRoutinesGUIController::storedResults() const
{
    QStringList names;
    for (auto* button : mFixture->ui().WgtCalibrationFilesParent->findChildren<QZELKContainerRadioButton*>())
        names << text(button);
    return names;
}

QStringList tst_CalibrationRoutinesGUIController::shownSetups() const
{
    QStringList names;
    for (auto* button : mFixture->ui().WgtCalibrationSetupsParent->findChildren<QZELKContainerRadioButton*>())
        names << text(button);
    return names;
}

void tst_CalibrationRoutinesGUIController::storeRunSetup(const QString& pName, EnCalibratorType pType,
                                                         const zelk::vector<TChannelDescription>& pDuts, double pPoint)
{
    TChannelController& channels = mFixture->controller();
    const bool network = pType == EnCalibratorType::ctMBK2800;
    const TCalibrationSetup setup(
        pName, pType, channels.physical_channel(1), pDuts, 1, 0.1, 1, {TElectricalTemperatureValue(pPoint, uCelsius)},
        network ? QStringLiteral("127.0.0.1") : QString(), network ? mCalibrator.simulator().port() : 0);
    QVERIFY(TCalibrationFileStore(channels).storeSetup(&setup));
}

void tst_CalibrationRoutinesGUIController::pressPlay()
{
    QWidget* play = mFixture->ui().WgtCalibrationSetupsParent->findChild<QZELKContainerPushButton*>();
    QVERIFY(play);
    click(play);
}

void tst_CalibrationRoutinesGUIController::snapshot(QWidget* pWidget, const QString& pName, bool pScrolledContents)
{
    const QString directory = qEnvironmentVariable("TAMARIND_SNAPSHOT_DIR");
    if (directory.isEmpty())
        return;
    // A page that scrolls is grabbed whole.
    if (auto* area = pScrolledContents ? pWidget->findChild<QScrollArea*>() : nullptr) {
        QWidget* contents = area->widget();
        contents->resize(area->viewport()->width(), contents->sizeHint().height());
        pWidget = contents;
    }
    pWidget->grab().save(directory + '/' + pName + ".png");
}

// --- the editor's check -----------------------------------------------------------------

void tst_CalibrationRoutinesGUIController::emptyEditorRefusedWithEveryMessageInOrder()
{
    build();
    click(mFixture->ui().BtnNewCalibrationRoutine);
    QCOMPARE(mController->subMenu(), TCalibrationRoutinesGUIController::smNewRoutine);
    QCOMPARE(mFixture->subMenu().mShownPage, mFixture->ui().PageEditCalibrationRoutine);
    bool saved = true;
    QCOMPARE(savedMessages(&saved),
             QStringList{"Please enter a calibration routine name.\nPlease enter at least one DUT channel.\n"
                         "Please enter a value for stability.\nPlease enter a value for stability time.\n"
                         "Please enter a value for hold time.\nPlease enter at least one calibration point.\n"});
    QVERIFY(!saved);
    QVERIFY(!QDir(TTestEnvironment::root() + SETUPS).exists() || QDir(TTestEnvironment::root() + SETUPS).isEmpty());
}

void tst_CalibrationRoutinesGUIController::setupNameThatCannotBeAFileName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("refused");
    QTest::newRow("leaves the directory") << "../x" << true;
    QTest::newRow("parent directory") << ".." << true;
    QTest::newRow("current directory") << "." << true;
    QTest::newRow("colon") << "a:b" << true;
    QTest::newRow("star") << "bath*" << true;
    QTest::newRow("dots inside are a name") << "a.b" << false;
}

// The textpad types letters and digits only; the name comes in as the pad
// would leave it on the button.
void tst_CalibrationRoutinesGUIController::setupNameThatCannotBeAFileName()
{
    QFETCH(QString, name);
    QFETCH(bool, refused);
    build();
    click(mFixture->ui().BtnNewCalibrationRoutine);
    fillEditor("x");
    TCalibrationRoutinesGUIController::setSetupName(name, *mFixture->ui().BtnCalRoutine_Name->label());
    bool saved = false;
    const QStringList messages = savedMessages(&saved);
    QCOMPARE(saved, !refused);
    QCOMPARE(messages, refused
                           ? QStringList{"A calibration routine name must not be \".\" or \"..\" nor contain any of "
                                         "/ \\ : * ? \" < > |\n"}
                           : QStringList());
    QCOMPARE(QDir(TTestEnvironment::root() + SETUPS).entryList(QDir::Files),
             refused ? QStringList() : QStringList{name + ".xml"});
    QCOMPARE(QDir(TTestEnvironment::root() + "/home").entryList(QDir::Files), QStringList());
}

void tst_CalibrationRoutinesGUIController::calibrationPointWithinTheModelsRange_data()
{
    QTest::addColumn<QString>("point");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("above the range")
        << "170" << QStringList{"Calibration point 170 °C is outside the specified range [-35 °C, 165 °C].\n"};
    QTest::newRow("lowest point") << "-35" << QStringList();
    QTest::newRow("highest point") << "165" << QStringList();
}

// The point is entered while the wider DWK4400-450 is checked.
void tst_CalibrationRoutinesGUIController::calibrationPointWithinTheModelsRange()
{
    QFETCH(QString, point);
    build();
    click(mFixture->ui().BtnNewCalibrationRoutine);
    fillEditor("range");
    click(mFixture->ui().BtnCalRoutine_DWK4400_450);
    answerNumpad(point);
    click(mController->calPointRows().front()->btnAdd());
    click(mFixture->ui().BtnCalRoutine_DWK4400_165);
    QTEST(savedMessages(), "messages");
}

void tst_CalibrationRoutinesGUIController::networkModelAsksForAddressAndPort()
{
    build();
    Ui_TTamarindMainForm& ui = mFixture->ui();
    click(ui.BtnNewCalibrationRoutine);
    QVERIFY(ui.BtnCalRoutine_Port->isHidden());
    click(ui.BtnCalRoutine_MBK2900);
    QVERIFY(!ui.BtnCalRoutine_Port->isHidden());
    QVERIFY(!ui.LblCalRoutine_IpAddress->isHidden());
    QCOMPARE(text(ui.BtnCalRoutine_Port), QStringLiteral("8101"));
    snapshot(ui.PageEditCalibrationRoutine, "calibration_setup_editor_network");

    // Without a point only the point is missing.
    enterName("bath");
    answerNumpad("0.1");
    click(ui.BtnCalRoutine_Stability);
    answerNumpad("1");
    click(ui.BtnCalRoutine_StabilityTime);
    answerNumpad("1");
    click(ui.BtnCalRoutine_HoldTime);
    answerChannels({"2"});
    click(ui.BtnCalRoutine_AddDUTChannel);
    QCOMPARE(savedMessages(), QStringList{"Please enter at least one calibration point.\n"});
    answerNumpad("50");
    click(ui.BtnCalRoutine_AddCalPoint);
    QCOMPARE(savedMessages(), QStringList{"Please enter a valid IP address.\n"});

    // A serial model keeps the texts hidden and stores neither.
    click(ui.BtnCalRoutine_DWK4400_165);
    QVERIFY(ui.BtnCalRoutine_Port->isHidden());
    QCOMPARE(text(ui.BtnCalRoutine_Port), QStringLiteral("8101"));
    bool saved = false;
    QCOMPARE(savedMessages(&saved), QStringList());
    QVERIFY(saved);
    TCalibrationFileStore store(mFixture->controller());
    const std::unique_ptr<TCalibrationSetup> setup = store.loadSetup("bath");
    QVERIFY(setup);
    QCOMPARE(setup->calibratorIPAddress(), QString());
    QCOMPARE(setup->calibratorPort(), 0u);
    QCOMPARE(setup->stabilityKelvin(), 0.1);
}

// --- rows ------------------------------------------------------------------------------------

void tst_CalibrationRoutinesGUIController::rowsStayInPageOrder()
{
    build();
    Ui_TTamarindMainForm& ui = mFixture->ui();
    click(ui.BtnNewCalibrationRoutine);
    answerChannels({"1", "3"});
    click(ui.BtnCalRoutine_AddDUTChannel);
    answerChannels({"2"});
    click(mController->dutRows().front()->btnAdd());
    QStringList inList;
    for (const auto& row : mController->dutRows())
        inList << text(row->btnSelect());
    QCOMPARE(inList, (QStringList{"1", "2", "3"}));
    QCOMPARE(pageOrder(mController->dutRows()), inList);

    TDecimalDisplayController::instance().decimalSeparatorSelected(&mCommaWidget);
    for (const char* point : {"10", "12.5", "30"}) {
        answerNumpad(point);
        click(mController->calPointRows().empty() ? ui.BtnCalRoutine_AddCalPoint
                                                  : mController->calPointRows().back()->btnAdd());
    }
    QLabel* middle = mController->calPointRows()[1]->btnSelect()->label();
    QCOMPARE(middle->text(), QStringLiteral("12,5"));
    QCOMPARE(middle->toolTip(), QStringLiteral("12.5"));
    snapshot(ui.PageEditCalibrationRoutine, "calibration_setup_editor_rows");
    click(mController->calPointRows()[1]->btnRemove());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(pageOrder(mController->calPointRows()), (QStringList{"10", "30"}));
    zelk::vector<TElectricalTemperatureValue> points;
    mController->calPointsFromGUI(points);
    QCOMPARE(int(points.size()), 2);
    QCOMPARE(points[1].value(), 30.0);
}

// --- stored setups ------------------------------------------------------------------------------

void tst_CalibrationRoutinesGUIController::storedSetupFillsTheEditor()
{
    TChannelController& channels = mFixture->controller();
    TCalibrationFileStore store(channels);
    const TCalibrationSetup stored(
        "Bath A", EnCalibratorType::ctMBK2800, channels.physical_channel(4),
        {TChannelDescription(2, "2"), TChannelDescription(1, "old 1"), TChannelDescription(3, "3")}, 5, 0.02, 10,
        {TElectricalTemperatureValue(60, uCelsius), TElectricalTemperatureValue(40, uCelsius)}, "192.0.2.7", 9000);
    QVERIFY(store.storeSetup(&stored));
    build();
    Ui_TTamarindMainForm& ui = mFixture->ui();
    auto* row = ui.WgtCalibrationSetupsParent->findChild<QZELKContainerRadioButton*>();
    QVERIFY(row);
    QCOMPARE(text(row), QStringLiteral("Bath A"));
    click(row);
    QCOMPARE(mController->subMenu(), TCalibrationRoutinesGUIController::smEditRoutine);
    QCOMPARE(mFixture->subMenu().mCaption, QStringLiteral("Edit routine"));
    QVERIFY(ui.BtnCalRoutine_RefChan4->isChecked());
    QVERIFY(ui.BtnCalRoutine_MBK2800->isChecked());
    QVERIFY(ui.BtnDeleteCalSetup->isEnabled());
    QCOMPARE(pageOrder(mController->dutRows()), (QStringList{"2", "old 1", "3"}));
    QCOMPARE(pageOrder(mController->calPointRows()), (QStringList{"60", "40"}));
    QCOMPARE(text(ui.BtnCalRoutine_IpAddress), QStringLiteral("192.0.2.7"));
    QCOMPARE(text(ui.BtnCalRoutine_Port), QStringLiteral("9000"));
    QCOMPARE(text(ui.BtnCalRoutine_Name), QStringLiteral("Bath A"));
    snapshot(ui.PageEditCalibrationRoutine, "calibration_setup_editor_stored");

    // Saved under its own name: no question, the file is replaced.
    bool saved = false;
    QCOMPARE(savedMessages(&saved), QStringList());
    QVERIFY(saved);
    QCOMPARE(mController->subMenu(), TCalibrationRoutinesGUIController::smNone);
    QVERIFY(!ui.BtnDeleteCalSetup->isEnabled());
    QCOMPARE(store.loadSetup("Bath A")->deviceUnderTestChannels().size(), std::size_t(3));
}

namespace
{
// A setup file of the dry well, reference channel 1, channel 3 under test,
// with pPoints set points of 1, 2, ... degrees and pDepth elements nested in
// an unknown element.
QByteArray setupFile(int pPoints, int pDepth = 0)
{
    QByteArray points;
    for (int point = 1; point <= pPoints; ++point)
        points += QByteArray("<cal_point pos=\"") + QByteArray::number(point) + "\" unit_id=\"1\">" +
                  QByteArray::number(point) + "</cal_point>";
    return "<?xml version=\"1.0\" encoding=\"utf-8\"?><calibration_setup version=\"1\"><name>Bath 9</name>"
           "<calibrator_type>2</calibrator_type><reference_channel>1</reference_channel>"
           "<stability_time>1</stability_time><stability_range>0.1</stability_range><hold_time>1</hold_time>"
           "<dut_channels><dut_channel pos=\"1\" channel_caption=\"3\">3</dut_channel></dut_channels>"
           "<cal_points>" +
           points + "</cal_points>" + QByteArray("<note>").repeated(pDepth) + QByteArray("</note>").repeated(pDepth) +
           "</calibration_setup>";
}
} // namespace

void tst_CalibrationRoutinesGUIController::storedSetupThatCannotBeUsedSaysSo_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("play");
    QTest::addColumn<int>("rows");
    const int bound = TCalibrationSetup::MAX_CALIBRATION_POINTS;
    QTest::newRow("as many set points as a setup holds, tapped") << setupFile(bound) << false << bound;
    QTest::newRow("more set points than a setup holds, tapped") << setupFile(bound + 1) << false << 0;
    QTest::newRow("more set points than a setup holds, played") << setupFile(bound + 1) << true << 0;
    QTest::newRow("nested too deep, tapped") << setupFile(1, 100) << false << 0;
    QTest::newRow("nested too deep, played") << setupFile(1, 100) << true << 0;
    QTest::newRow("no XML, tapped") << QByteArray("Bath 9") << false << 0;
    QTest::newRow("no XML, played") << QByteArray("Bath 9") << true << 0;
}

// A setup the instrument cannot use says so when it is tapped or played, as
// one that is readable but not valid does, and leaves no page open.
void tst_CalibrationRoutinesGUIController::storedSetupThatCannotBeUsedSaysSo()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, play);
    QFETCH(int, rows);
    TAMARIND_WRITE_DEVICE_FILE("/home/CalibrationSetups/Bath 9.xml", content);
    build();
    TMessageRecorder messages;
    if (play) {
        pressPlay();
    } else {
        auto* row = mFixture->ui().WgtCalibrationSetupsParent->findChild<QZELKContainerRadioButton*>();
        QVERIFY(row);
        click(row);
    }
    const QStringList refused{"Calibration setup \"Bath 9\" is not valid, please correct the setup and try again."};
    QCOMPARE(messages.texts(), rows ? QStringList() : refused);
    QCOMPARE(int(mController->calPointRows().size()), rows);
    QVERIFY(!mController->routineView());
    QCOMPARE(mController->subMenu(),
             rows ? TCalibrationRoutinesGUIController::smEditRoutine : TCalibrationRoutinesGUIController::smNone);
    if (rows) {
        QStringList expected;
        for (int point = 1; point <= rows; ++point)
            expected << QString::number(point);
        QCOMPARE(pageOrder(mController->calPointRows()), expected);
        // What stood below the rows moved down past all of them.
        auto* grid = qobject_cast<QGridLayout*>(mFixture->ui().scrollAreaCallRoutineEditWidget->layout());
        QSet<QPair<int, int>> cells;
        for (int index = 0; index < grid->count(); ++index) {
            int r = 0, c = 0, rs = 0, cs = 0;
            grid->getItemPosition(index, &r, &c, &rs, &cs);
            QVERIFY2(!cells.contains({r, c}), qPrintable(QString("row %1, column %2").arg(r).arg(c)));
            cells.insert({r, c});
        }
        // Opened again, the setup fills the rows its first opening left: the
        // grid, which never gives up a row, does not grow with each opening.
        const int gridRows = grid->rowCount();
        mController->cancelClicked();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        click(mFixture->ui().WgtCalibrationSetupsParent->findChild<QZELKContainerRadioButton*>());
        QCOMPARE(pageOrder(mController->calPointRows()), expected);
        QCOMPARE(grid->rowCount(), gridRows);
    }
}

void tst_CalibrationRoutinesGUIController::overwriteAskedForANewSetupOnly()
{
    build();
    click(mFixture->ui().BtnNewCalibrationRoutine);
    fillEditor("twin");
    QVERIFY(mController->storeClicked());
    click(mFixture->ui().BtnNewCalibrationRoutine);
    fillEditor("twin");
    QStringList asked;
    TModalAnswer::onNextModal([&asked](QWidget* pDialog) {
        asked << pDialog->findChild<QLabel*>("LblText")->text();
        pressKeys(pDialog, {"BtnNo"});
    });
    QVERIFY(!mController->storeClicked());
    QCOMPARE(asked, QStringList{"A calibration routine named twin already exists. Would you like to overwrite it?"});
    QCOMPARE(mController->subMenu(), TCalibrationRoutinesGUIController::smNewRoutine);
}

void tst_CalibrationRoutinesGUIController::filterAndShortenedNames()
{
    TCalibrationFileStore store(mFixture->controller());
    for (const char* name : {"Bath 1", "Bath 2", "Dry well", "xBath"}) {
        const TCalibrationSetup setup(name, EnCalibratorType::ctDWK4400_165, nullptr, {}, 1, 0.1, 1, {}, QString(), 0);
        QVERIFY(store.storeSetup(&setup));
    }
    build();
    QCOMPARE(shownSetups(), (QStringList{"Bath 1", "Bath 2", "Dry well", "xBath"}));
    QVERIFY(!mFixture->ui().WgtCalRoutineFilter->isHidden() == false);
    mController->setCalSetupFilter("Bath*");
    QCOMPARE(shownSetups(), (QStringList{"Bath 1", "Bath 2"}));
    QVERIFY(mFixture->ui().WgtCalRoutineFilter->isHidden() == false);
    snapshot(mFixture->ui().PageCalibrationRoutines, "calibration_routines_filtered");
    click(mFixture->ui().BtnCalRoutineClearFilter);
    QCOMPARE(shownSetups().size(), 4);

    QLabel label;
    TCalibrationRoutinesGUIController::setSetupName("Eight ch", label);
    QCOMPARE(label.text(), QStringLiteral("Eight ch"));
    TCalibrationRoutinesGUIController::setSetupName("Nine char", label);
    QCOMPARE(label.text(), QStringLiteral("Nine ch..."));
    QCOMPARE(label.toolTip(), QStringLiteral("Nine char"));
}

void tst_CalibrationRoutinesGUIController::listsShowTheNewestFilesOnly_data()
{
    QTest::addColumn<QString>("directory");
    QTest::addColumn<QString>("filter");
    // The number of rows shown, the first and the last.
    QTest::addColumn<int>("rows");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");
    const int bound = TNewestFiles::MAX_LISTED_FILES;
    const QString newest = QStringLiteral("%1").arg(bound + 2, 4, 10, QLatin1Char('0'));
    QTest::newRow("results, newest first") << ROUTINES << QString() << bound << newest << "0003";
    QTest::newRow("setups, the newest by name") << SETUPS << QString() << bound << "0003" << newest;
    QTest::newRow("setups the filter finds among the oldest") << SETUPS << "000*" << 9 << "0001"
                                                              << "0009";
}

// A restore may bring thousands of files: each list holds as many rows as the
// other file lists, the newest ones.
void tst_CalibrationRoutinesGUIController::listsShowTheNewestFilesOnly()
{
    QFETCH(QString, directory);
    QFETCH(QString, filter);
    const int count = TNewestFiles::MAX_LISTED_FILES + 2;
    // File i is i minutes old; the names run against the age, so that the
    // newest by name are the oldest.
    const time_t now = time(nullptr);
    for (int i = 0; i < count; ++i) {
        const QString path = directory + QStringLiteral("/%1.xml").arg(count - i, 4, 10, QLatin1Char('0'));
        TAMARIND_WRITE_DEVICE_FILE(path, "<calibration_setup/>");
        const utimbuf times{now - 60 * i, now - 60 * i};
        QCOMPARE(utime(QFile::encodeName(TDeviceRoot::path(path)).constData(), &times), 0);
    }
    build();
    if (!filter.isEmpty())
        mController->setCalSetupFilter(filter);
    const QStringList rows = directory == ROUTINES ? storedResults() : shownSetups();
    QTEST(int(rows.size()), "rows");
    QTEST(rows.first(), "first");
    QTEST(rows.last(), "last");
}

void tst_CalibrationRoutinesGUIController::entryButtonsChangeTheirValue_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("kept");
    QTest::newRow("port typed") << "port"
                                << ""
                                << "9000"
                                << "9000"
                                << "";
    QTest::newRow("port beyond 65535 refused") << "port"
                                               << ""
                                               << "70000"
                                               << "8101"
                                               << "";
    QTest::newRow("address edited") << "address"
                                    << "192.0.2.7"
                                    << "9"
                                    << "192.0.2.9"
                                    << "";
    QTest::newRow("address part beyond a byte or no number") << "address"
                                                             << "256.1.2.x"
                                                             << ""
                                                             << "0.1.2.0"
                                                             << "";
    QTest::newRow("address of three parts") << "address"
                                            << "10.1.2"
                                            << ""
                                            << "0.0.0.0"
                                            << "";
    QTest::newRow("DUT channel changed") << "DUT"
                                         << ""
                                         << "3"
                                         << "3"
                                         << "3";
    QTest::newRow("DUT channel choice cancelled") << "DUT"
                                                  << ""
                                                  << ""
                                                  << "1"
                                                  << "1";
    QTest::newRow("point changed") << "point"
                                   << ""
                                   << "20"
                                   << "20"
                                   << "20";
    QTest::newRow("point beyond the model's range refused") << "point"
                                                            << ""
                                                            << "250"
                                                            << "10"
                                                            << "10";
}

// The network bath (up to 200 °C) with one DUT row on channel 1 and one point of 10 °C.
void tst_CalibrationRoutinesGUIController::entryButtonsChangeTheirValue()
{
    QFETCH(QString, field);
    QFETCH(QString, before);
    QFETCH(QString, answer);
    build();
    Ui_TTamarindMainForm& ui = mFixture->ui();
    click(ui.BtnNewCalibrationRoutine);
    click(ui.BtnCalRoutine_MBK2900);
    answerChannels({"1"});
    click(ui.BtnCalRoutine_AddDUTChannel);
    answerNumpad("10");
    click(ui.BtnCalRoutine_AddCalPoint);
    const std::map<QString, QZELKContainerPushButton*> buttons{
        {"port", ui.BtnCalRoutine_Port},
        {"address", ui.BtnCalRoutine_IpAddress},
        {"DUT", mController->dutRows().front()->btnSelect()},
        {"point", mController->calPointRows().front()->btnSelect()}};
    QZELKContainerPushButton* button = buttons.at(field);
    if (!before.isEmpty())
        button->label()->setText(before);
    if (field == "address")
        answerAddress(answer);
    else if (field == "DUT")
        answerChannel(answer);
    else
        answerNumpad(answer);
    click(button);
    QTEST(text(button), "shown");
    QTEST(button->label()->toolTip(), "kept");
}

void tst_CalibrationRoutinesGUIController::deletingASetupAsksFirst_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("deleted");
    QTest::newRow("yes deletes it") << "BtnYes" << true;
    QTest::newRow("no keeps it and its editor") << "BtnNo" << false;
}

void tst_CalibrationRoutinesGUIController::deletingASetupAsksFirst()
{
    QFETCH(QString, answer);
    QFETCH(bool, deleted);
    TCalibrationFileStore store(mFixture->controller());
    for (const char* name : {"Bath A", "Bath B"}) {
        const TCalibrationSetup setup(name, EnCalibratorType::ctDWK4400_165, nullptr, {}, 1, 0.1, 1, {}, QString(), 0);
        QVERIFY(store.storeSetup(&setup));
    }
    build();
    Ui_TTamarindMainForm& ui = mFixture->ui();
    click(ui.WgtCalibrationSetupsParent->findChild<QZELKContainerRadioButton*>());
    QStringList asked;
    TModalAnswer::onNextModal([&asked, answer](QWidget* pDialog) {
        asked << pDialog->findChild<QLabel*>("LblText")->text();
        pressKeys(pDialog, {answer});
    });
    click(ui.BtnDeleteCalSetup);
    QCOMPARE(asked, QStringList{"Would you like to delete calibration routine Bath A?"});
    QCOMPARE(store.setupFileExists("Bath A"), !deleted);
    QCOMPARE(shownSetups(), deleted ? QStringList{"Bath B"} : (QStringList{"Bath A", "Bath B"}));
    QCOMPARE(mController->subMenu(),
             deleted ? TCalibrationRoutinesGUIController::smNone : TCalibrationRoutinesGUIController::smEditRoutine);
    QCOMPARE(ui.BtnDeleteCalSetup->isEnabled(), !deleted);
}

// --- starting, results -----------------------------------------------------------------------------

void tst_CalibrationRoutinesGUIController::successfulRunListsItsResultOnTop_data()
{
    QTest::addColumn<bool>("storable");
    QTest::newRow("result stored") << true;
    QTest::newRow("results directory is a file") << false;
}

// The run's clock skips the minute of window and hold; the board's inputs
// stand still, so the reference is stable at once.
void tst_CalibrationRoutinesGUIController::successfulRunListsItsResultOnTop()
{
    QFETCH(bool, storable);
    // Named as if later, written a day earlier: the list goes by time.
    const QString earlier = QStringLiteral("bench_20991231_2359");
    const QString earlierPath = TTestEnvironment::root() + ROUTINES + "/" + earlier + ".xml";
    if (storable) {
        TAMARIND_WRITE_DEVICE_FILE(ROUTINES + "/" + earlier + ".xml", "<calibration_routine/>");
        QFile file(earlierPath);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(QDateTime::currentDateTime().addDays(-1), QFileDevice::FileModificationTime));
    } else {
        TAMARIND_WRITE_DEVICE_FILE(ROUTINES, "not a directory");
    }
    QVERIFY(mCalibrator.start(EnCalibratorType::ctDWK4400_165));
    mFixture->board().board().setTemperature(1, 50.0);
    storeRunSetup("bench", EnCalibratorType::ctDWK4400_165, {TChannelDescription(2, "2")}, 50.0);
    TAMARIND_END_FAILED_ROW();
    build();

    TMessageRecorder messages;
    pressPlay();
    QCOMPARE(messages.texts(),
             QStringList{storable ? "Calibration routine completed successfully."
                                  : "The calibration routine has completed, but its result could not be stored."});
    const QStringList results = storedResults();
    if (storable) {
        QCOMPARE(results.size(), 2);
        QVERIFY2(results[0].startsWith("bench_20"), qPrintable(results[0]));
        QCOMPARE(results[1], earlier);
    } else {
        QCOMPARE(results, QStringList());
    }
    // Left open for the user to read and close.
    QVERIFY(mController->routineView() && mController->routineView()->isVisible());
    snapshot(mController->routineView(), "calibration_run_completed", false);
}

Q_DECLARE_METATYPE(EnCalibratorType)

void tst_CalibrationRoutinesGUIController::runEndingsShowTheirMessageAndCloseTheView_data()
{
    QTest::addColumn<EnCalibratorType>("type");
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QStringList>("messages");
    const EnCalibratorType dryWell = EnCalibratorType::ctDWK4400_165;
    QTest::newRow("setup without DUT channels")
        << dryWell << "no DUT"
        << QStringList{"Calibration setup \"Bath 7\" is not valid, please correct the setup and try again."};
    QTest::newRow("silent calibrator") << dryWell << "calibrator fault silence always"
                                       << QStringList{"Unable to initialize the calibrator. Please check if the "
                                                      "calibrator of type DWK4400-165 is connected and switched on."};
    QTest::newRow("reference channel refused")
        << dryWell << "board refuses conf:chan 01"
        << QStringList{"Unable to select reference channel 1. Please make sure this is a valid reference channel."};
    QTest::newRow("set point read back 0.6 K off")
        << EnCalibratorType::ctMBK2800 << "calibrator fault readback 0.6"
        << QStringList{"The calibrator did not accept one of the calibration points. Please check the calibration "
                       "setup."};
    // 100 degrees need fewer than the three decimals this controller keeps.
    QTest::newRow("set point the calibrator cannot be sent")
        << dryWell << "calibrator digits 3 fixed"
        << QStringList{"The calibrator did not accept one of the calibration points. Please check the calibration "
                       "setup. The calibration point 100 °C cannot be sent to the calibrator: it does not fit the "
                       "calibrator's set point register."};
    QTest::newRow("DUT channel refused") << dryWell << "board refuses conf:chan 02"
                                         << QStringList{"One of the DUT channels could not be selected. Please check "
                                                        "if the calibration setup contains only valid channels."};
    QTest::newRow("reference reads no number")
        << dryWell << "reference no number"
        << QStringList{"Unable to read value from reference channel 1. Please check if there is a valid probe "
                       "assigned and connected."};
    // Only the question of the run view, nothing after it.
    QTest::newRow("cancelled in the run view")
        << dryWell << "cancel" << QStringList{"Would you like to abort the calibration routine?"};
}

void tst_CalibrationRoutinesGUIController::runEndingsShowTheirMessageAndCloseTheView()
{
    QFETCH(EnCalibratorType, type);
    QFETCH(QString, fault);
    const QString calibratorFault = QStringLiteral("calibrator ");
    const QStringList control =
        fault.startsWith(calibratorFault) ? QStringList{fault.mid(calibratorFault.size())} : QStringList();
    TCalibratorFixture::setReplyTimeouts(control);
    QVERIFY(mCalibrator.start(type, control));
    const QString boardRefuses = QStringLiteral("board refuses ");
    if (fault.startsWith(boardRefuses)) {
        mFixture->board().board().withFaults([&](TBoardFaults& pFaults) {
            TBoardFaults::TCommandFault refused;
            refused.mPrefix = fault.mid(boardRefuses.size()).toLatin1();
            refused.mCount = -1;
            pFaults.mCommandFaults << refused;
        });
    }
    mFixture->board().board().setTemperature(
        1, fault == "reference no number" ? std::numeric_limits<double>::quiet_NaN() : 100.0);
    storeRunSetup("Bath 7", type,
                  fault == "no DUT" ? zelk::vector<TChannelDescription>()
                                    : zelk::vector<TChannelDescription>{TChannelDescription(2, "2")},
                  100.0);
    TAMARIND_END_FAILED_ROW();
    build();
    // Cancel is touched once the run view shows a reference value.
    QTimer cancel;
    connect(&cancel, &QTimer::timeout, this, [this, &cancel] {
        TCalibrationRoutineView* view = mController->routineView();
        TCalPointControls* point =
            view ? view->calPointControls(TElectricalTemperatureValue(100.0, uCelsius)) : nullptr;
        if (point && !point->referenceLabel()->text().isEmpty()) {
            cancel.stop();
            click(view->findChild<QWidget*>("BtnCancel"));
        }
    });
    if (fault == "cancel")
        cancel.start(5);

    TRunMessages messages;
    pressPlay();
    QTEST(messages.mTexts, "messages");
    QVERIFY(!mController->routineView());
}

// A second tap on play that waited in the queue while the first one began the run reaches the page as the run
// view appears (a frame-buffer screen hands waiting input on while it shows a window): it starts nothing, and the
// view is not taken away in the middle of its own showing.
void tst_CalibrationRoutinesGUIController::playTappedAgainAsTheViewAppears()
{
    QVERIFY(mCalibrator.start(EnCalibratorType::ctDWK4400_165, {}));
    // Without DUT channels the run ends at once, with its message.
    storeRunSetup("Bath 7", EnCalibratorType::ctDWK4400_165, {}, 100.0);
    TAMARIND_END_FAILED_ROW();
    build();
    int tapsAgain = 0;
    TEventHook tapAgain(QEvent::Show, [this, &tapsAgain](QObject* pWatched) {
        if (qobject_cast<TCalibrationRoutineView*>(pWatched) && tapsAgain++ == 0)
            pressPlay();
    });
    TRunMessages messages;
    pressPlay();
    QCOMPARE(tapsAgain, 1);
    QCOMPARE(messages.mTexts,
             QStringList{"Calibration setup \"Bath 7\" is not valid, please correct the setup and try again."});
    QVERIFY(!mController->routineView());
}

// Three DUT channels, two points; channel 4 has no value at 30 °C, channel 3
// a value in kelvin and a stored probe entry that holds no probe.
void tst_CalibrationRoutinesGUIController::resultPageShowsAFramePerDUT()
{
    const auto dut = [](int pChannel, const char* pTemperature, int pUnit) {
        return QString("<dut><dut_channel channel_caption=\"In %1\">%1</dut_channel>"
                       "<dut_temperature unit_id=\"%3\">%2</dut_temperature>"
                       "<dut_raw_value unit_id=\"4\">110.5</dut_raw_value></dut>")
            .arg(pChannel)
            .arg(pTemperature)
            .arg(pUnit);
    };
    const auto point = [](const char* pSetPoint, const char* pReference, const QString& pDuts) {
        return QString("<cal_point><cal_point_temperature unit_id=\"1\">%1</cal_point_temperature>"
                       "<reference_temperature unit_id=\"1\">%2</reference_temperature>"
                       "<reference_stability_kelvin>0.01</reference_stability_kelvin>%3</cal_point>")
            .arg(pSetPoint, pReference, pDuts);
    };
    const QString file =
        "<calibration_routine version=\"1\"><stop_time>20260305140759</stop_time><calibration_setup>"
        "<name>Bath1</name><calibrator_type>2</calibrator_type><reference_channel>1</reference_channel>"
        "<stability_range>0.05</stability_range><stability_time>1</stability_time><hold_time>1</hold_time>"
        "<dut_channels><dut_channel pos=\"1\" channel_caption=\"In 2\">2</dut_channel>"
        "<dut_channel pos=\"2\" channel_caption=\"In 3\">3</dut_channel>"
        "<dut_channel pos=\"3\" channel_caption=\"In 4\">4</dut_channel></dut_channels></calibration_setup>"
        "<dut_probes><dut><dut_channel>3</dut_channel><probe_data/></dut></dut_probes><calibration_points>" +
        point("50", "50.01", dut(2, "50.04", 1) + dut(3, "322.95", 3) + dut(4, "50.2", 1)) +
        point("30", "30.02", dut(2, "30.03", 1) + dut(3, "29.9", 1)) + "</calibration_points></calibration_routine>";
    TAMARIND_WRITE_DEVICE_FILE(ROUTINES + "/Bath1_20260305_1407.xml", file.toUtf8());
    build();
    Ui_TTamarindMainForm& ui = mFixture->ui();
    click(ui.WgtCalibrationFilesParent->findChild<QZELKContainerRadioButton*>());

    // Per frame its channel and, per point upwards, set point, reference and DUT value.
    QList<QStringList> frames;
    QStringList probeNames;
    for (QWidget* frame :
         ui.scrollAreaCalFile_DUTsWidget->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        auto* layout = qobject_cast<QVBoxLayout*>(frame->layout());
        QVERIFY(layout);
        probeNames << qobject_cast<QLabel*>(layout->itemAt(1)->widget())->text();
        QStringList values{qobject_cast<QLabel*>(layout->itemAt(3)->widget())->text()};
        for (int item = 4; item < layout->count(); ++item) {
            auto* grid = qobject_cast<QGridLayout*>(layout->itemAt(item)->layout());
            for (int row = 0; grid && row < grid->rowCount(); ++row)
                values << qobject_cast<QLabel*>(grid->itemAtPosition(row, 1)->widget())->text();
        }
        frames << values;
    }
    QCOMPARE(frames, (QList<QStringList>{{"In 2", "30 °C", "30.02 °C", "30.03 °C", "50 °C", "50.01 °C", "50.04 °C"},
                                         {"In 3", "30 °C", "30.02 °C", "29.9 °C", "50 °C", "50.01 °C", "322.95 K"},
                                         {"In 4", "30 °C", "30.02 °C", "", "50 °C", "50.01 °C", "50.2 °C"}}));
    QCOMPARE(probeNames.value(1), QString());
    ui.PageShowCalFile->resize(330, 480);
    snapshot(ui.PageShowCalFile, "calibration_result_duts");
}

void tst_CalibrationRoutinesGUIController::resultPageDeleteAndExport()
{
    TAMARIND_WRITE_DEVICE_FILE(
        ROUTINES + "/Bath1_20260305_1407.xml",
        "<calibration_routine><stop_time>20260305140759</stop_time><calibration_setup><name>Bath1</name>"
        "<calibrator_type>10</calibrator_type><stability_range>0.05</stability_range>"
        "<stability_time>5</stability_time><hold_time>10</hold_time>"
        "</calibration_setup></calibration_routine>");
    build();
    Ui_TTamarindMainForm& ui = mFixture->ui();
    auto* result = ui.WgtCalibrationFilesParent->findChild<QZELKContainerRadioButton*>();
    QVERIFY(result);
    click(result);
    QCOMPARE(mFixture->subMenu().mShownPage, ui.PageShowCalFile);
    QCOMPARE(ui.LblShowCalFile_RoutineName->text(), QStringLiteral("Bath1"));
    QVERIFY(ui.BtnDownloadCalFile->isEnabled());
    ui.PageShowCalFile->resize(330, 480);
    snapshot(ui.PageShowCalFile, "calibration_result_page", false);

    // Without a stick only the notice.
    {
        TMessageRecorder noStick;
        click(ui.BtnDownloadCalFile);
        QCOMPARE(noStick.texts(), QStringList{"No USB stick connected!"});
    }

    QVERIFY(TSimulatedUSBStick::insert(TSimulatedUSBStick::slPartitioned, true));
    const QString stick = TSimulatedUSBStick::mediumDirectory() + "/" +
                          TUSBStickControllerProvider::getUSBStickController()->baseDir() + "/calibration_files";

    // A table that cannot be written is reported, and nothing is copied.
    QVERIFY(QDir().mkpath(QFileInfo(stick).absolutePath()));
    QVERIFY(QFile(stick).open(QIODevice::WriteOnly));
    {
        TMessageRecorder failed;
        click(ui.BtnDownloadCalFile);
        QCOMPARE(failed.texts(), QStringList{"The result table could not be written to the USB stick."});
    }
    QVERIFY(TTestEnvironment::removeUnderRoot(stick));

    QTimer complete;
    clickAwayTheCompletionNotice(complete);
    click(ui.BtnDownloadCalFile);
    complete.stop();
    QFile table(stick + "/Bath1_20260305_1407.csv");
    QVERIFY(table.open(QIODevice::ReadOnly));
    QVERIFY(table.readAll().startsWith("\xFF\xFE"));
    QFile copy(stick + "/Bath1_20260305_1407.xml");
    QVERIFY(copy.open(QIODevice::ReadOnly));
    QCOMPARE(copy.readAll(), TTestEnvironment::readDeviceFile(ROUTINES + "/Bath1_20260305_1407.xml"));

    TModalAnswer::onNextModal([](QWidget* pDialog) { pressKeys(pDialog, {"BtnYes"}); });
    click(ui.BtnDeleteCalFile);
    QVERIFY(!QFile::exists(TTestEnvironment::root() + ROUTINES + "/Bath1_20260305_1407.xml"));
    QVERIFY(!ui.WgtCalibrationFilesParent->findChild<QZELKContainerRadioButton*>());
    TUSBStickControllerProvider::getUSBStickController()->eject(false);
}

void tst_CalibrationRoutinesGUIController::resultExportWritesThroughNoLink_data()
{
    // Below the instrument's directory on the stick.
    QTest::addColumn<QString>("planted");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("message");
    const QString tableFailed = "The result table could not be written to the USB stick.";
    const QString copyFailed = "At least one file could not be copied to the USB stick. Please make sure that a USB "
                               "stick with enough free space is connected!";
    QTest::newRow("table, a link at the file name to a file elsewhere") << "calibration_files/Bath1_20260305_1407.csv"
                                                                        << "file link" << tableFailed;
    QTest::newRow("table, a FIFO at the name") << "calibration_files/Bath1_20260305_1407.csv"
                                               << "fifo" << tableFailed;
    QTest::newRow("result file, a link at the file name to a file elsewhere")
        << "calibration_files/Bath1_20260305_1407.xml"
        << "file link" << copyFailed;
    QTest::newRow("result file, a FIFO at the name") << "calibration_files/Bath1_20260305_1407.xml"
                                                     << "fifo" << copyFailed;
    QTest::newRow("the folder a link to a folder elsewhere") << "calibration_files"
                                                             << "folder link" << tableFailed;
}

// The export never writes through a link on the stick into the instrument's
// own files, nor into a FIFO: the user is told, and all stays as it was.
void tst_CalibrationRoutinesGUIController::resultExportWritesThroughNoLink()
{
    QFETCH(QString, planted);
    QFETCH(QString, kind);
    QFETCH(QString, message);
    TAMARIND_WRITE_DEVICE_FILE(
        ROUTINES + "/Bath1_20260305_1407.xml",
        "<calibration_routine><stop_time>20260305140759</stop_time><calibration_setup><name>Bath1</name>"
        "</calibration_setup></calibration_routine>");
    const QString elsewhere = TTestEnvironment::root() + "/home/Elsewhere";
    TAMARIND_WRITE_DEVICE_FILE("/home/Elsewhere/kept", "kept");
    build();
    Ui_TTamarindMainForm& ui = mFixture->ui();
    auto* result = ui.WgtCalibrationFilesParent->findChild<QZELKContainerRadioButton*>();
    QVERIFY(result);
    click(result);
    // A stick pulled while mounted, as the row before left it, would stay mounted.
    TAbstractUSBStickController* stick = TUSBStickControllerProvider::getUSBStickController();
    if (stick->isUSBStickConnected())
        stick->eject(false);
    TTestEnvironment::removeUnderRoot(TSimulatedUSBStick::mediumDirectory());
    QVERIFY(TSimulatedUSBStick::insert(TSimulatedUSBStick::slPartitioned, true));
    const QString name = TSimulatedUSBStick::mediumDirectory() + "/" + stick->baseDir() + "/" + planted;
    QVERIFY(QDir().mkpath(QFileInfo(name).absolutePath()));
    std::unique_ptr<TFifoGuard> fifo;
    if (kind == "file link")
        QVERIFY(QFile::link(elsewhere + "/kept", name));
    else if (kind == "folder link")
        QVERIFY(QFile::link(elsewhere, name));
    else
        fifo = std::make_unique<TFifoGuard>(name);

    {
        // An export that went through anyway ends with its completion notice.
        QTimer complete;
        clickAwayTheCompletionNotice(complete);
        TMessageRecorder failed;
        click(ui.BtnDownloadCalFile);
        complete.stop();
        QCOMPARE(failed.texts(), QStringList{message});
    }
    QCOMPARE(QDir(elsewhere).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System), QStringList{"kept"});
    QCOMPARE(TTestEnvironment::readDeviceFile("/home/Elsewhere/kept"), QByteArray("kept"));
    QVERIFY(plantStaysAsItWas(name, fifo.get()));
}

TAMARIND_TEST_MAIN(tst_CalibrationRoutinesGUIController)
#include "tst_calibrationroutinesguicontroller.moc"
