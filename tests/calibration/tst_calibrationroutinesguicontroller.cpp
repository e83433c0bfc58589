#include "calibrationfilestore.h"
#include "calibrationroutinesguicontroller.h"
#include "calibrationsetup.h"
#include "channel.h"
#include "channelcontroller.h"
#include "channelcontrollerfixture.h"
#include "decimaldisplaycontroller.h"
#include "messagerecorder.h"
#include "padkeys.h"
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
#include <QTimer>

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

void click(QWidget* pButton)
{
    QTest::mouseClick(pButton, Qt::LeftButton);
}
} // namespace

class tst_CalibrationRoutinesGUIController : public QObject
{
    Q_OBJECT

private slots:
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
    void overwriteAskedForANewSetupOnly();
    void filterAndShortenedNames();
    void invalidSetupIsReportedByName();
    void resultPageDeleteAndExport();

private:
    TCalibrationRoutinesGUIController& build();
    // Fills the editor with a valid DWK4400-165 setup: name, stability, times,
    // a DUT on channel 3 and a point of 100 °C.
    void fillEditor(const QString& pName);
    void enterName(const QString& pName);
    QStringList savedMessages(bool* oSaved = nullptr);
    QStringList pageOrder(const zelk::vector<std::unique_ptr<TCalRoutineDynamicControls>>& pRows) const;
    void snapshot(QWidget* pWidget, const QString& pName, bool pScrolledContents = true);

    std::unique_ptr<TChannelControllerFixture> mFixture;
    std::unique_ptr<TCalibrationRoutinesGUIController> mController;
    QWidget mPointWidget;
    QWidget mCommaWidget;
};

void tst_CalibrationRoutinesGUIController::init()
{
    QDir(TTestEnvironment::root() + "/home").removeRecursively();
    TDecimalDisplayController::instance().registerWidget(&mPointWidget, '.');
    TDecimalDisplayController::instance().registerWidget(&mCommaWidget, ',');
    mFixture = std::make_unique<TChannelControllerFixture>();
    mFixture->build();
}

void tst_CalibrationRoutinesGUIController::cleanup()
{
    TDecimalDisplayController::instance().decimalSeparatorSelected(&mPointWidget);
    mController.reset();
    mFixture.reset();
    TSimulatedUSBStick::remove();
}

TCalibrationRoutinesGUIController& tst_CalibrationRoutinesGUIController::build()
{
    Ui_TTamarindMainForm& ui = mFixture->ui();
    mController = std::make_unique<TCalibrationRoutinesGUIController>(
        &mFixture->subMenu(), &mFixture->controller(), nullptr, ui.BtnNewCalibrationRoutine,
        ui.PageEditCalibrationRoutine, ui.PageShowCalFile, ui.WgtCalibrationSetupsParent, ui.WgtCalibrationFilesParent,
        ui.WgtCalRoutineFilter, ui.LblShowCalFile_RoutineName, ui.LblShowCalFile_ReferenceProbe,
        ui.LblShowCalFile_Source, ui.LblShowCalFile_Stability, ui.LblShowCalFile_StabilityTime,
        ui.LblShowCalFile_HoldTime, ui.scrollAreaCalFile_DUTsWidget, ui.BtnCalRoutine_Name,
        ui.BtnCalRoutine_DWK4400_COOL, ui.BtnCalRoutine_DWK4400_165, ui.BtnCalRoutine_DWK4400_450,
        ui.BtnCalRoutine_DWK4400_650, ui.BtnCalRoutine_DWK4400_1100, ui.BtnCalRoutine_DWK4600_650,
        ui.BtnCalRoutine_DWK4600_165, ui.BtnCalRoutine_MBK2700_165, ui.BtnCalRoutine_MBK2700_225,
        ui.BtnCalRoutine_MBK2800, ui.BtnCalRoutine_MBK2900, ui.BtnCalRoutine_MFK5100_150, ui.BtnCalRoutine_RefChan1,
        ui.BtnCalRoutine_RefChan2, ui.BtnCalRoutine_RefChan3, ui.BtnCalRoutine_RefChan4, ui.BtnCalRoutine_AddDUTChannel,
        ui.BtnCalRoutine_Stability, ui.BtnCalRoutine_StabilityTime, ui.BtnCalRoutine_HoldTime,
        ui.BtnCalRoutine_AddCalPoint, ui.BtnCalRoutineFilter, ui.BtnCalRoutineClearFilter, ui.WgtCalRoutineFilter,
        ui.LblCalRoutineFilter, ui.BtnDeleteCalSetup, ui.BtnDeleteCalFile, ui.BtnDownloadCalFile,
        ui.LblCalRoutine_IpAddress, ui.BtnCalRoutine_IpAddress, ui.LblCalRoutine_Port, ui.BtnCalRoutine_Port);
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
    const auto names = [this] {
        QStringList shown;
        for (auto* button : mFixture->ui().WgtCalibrationSetupsParent->findChildren<QZELKContainerRadioButton*>())
            shown << text(button);
        return shown;
    };
    QCOMPARE(names(), (QStringList{"Bath 1", "Bath 2", "Dry well", "xBath"}));
    QVERIFY(!mFixture->ui().WgtCalRoutineFilter->isHidden() == false);
    mController->setCalSetupFilter("Bath*");
    QCOMPARE(names(), (QStringList{"Bath 1", "Bath 2"}));
    QVERIFY(mFixture->ui().WgtCalRoutineFilter->isHidden() == false);
    snapshot(mFixture->ui().PageCalibrationRoutines, "calibration_routines_filtered");
    click(mFixture->ui().BtnCalRoutineClearFilter);
    QCOMPARE(names().size(), 4);

    QLabel label;
    TCalibrationRoutinesGUIController::setSetupName("Eight ch", label);
    QCOMPARE(label.text(), QStringLiteral("Eight ch"));
    TCalibrationRoutinesGUIController::setSetupName("Nine char", label);
    QCOMPARE(label.text(), QStringLiteral("Nine ch..."));
    QCOMPARE(label.toolTip(), QStringLiteral("Nine char"));
}

// --- starting, results -----------------------------------------------------------------------------

// No DUT channel: the run refuses the setup before it touches anything.
void tst_CalibrationRoutinesGUIController::invalidSetupIsReportedByName()
{
    TCalibrationFileStore store(mFixture->controller());
    const TCalibrationSetup setup("Empty", EnCalibratorType::ctDWK4400_165, mFixture->controller().physical_channel(1),
                                  {}, 1, 0.1, 1, {TElectricalTemperatureValue(50, uCelsius)}, QString(), 0);
    QVERIFY(store.storeSetup(&setup));
    build();
    QWidget* play = mFixture->ui().WgtCalibrationSetupsParent->findChild<QZELKContainerPushButton*>();
    QVERIFY(play);
    TMessageRecorder recorder;
    click(play);
    QCOMPARE(recorder.texts(),
             QStringList{"Calibration setup \"Empty\" is not valid, please correct the setup and try again."});
    QVERIFY(!mController->routineView());
}

void tst_CalibrationRoutinesGUIController::resultPageDeleteAndExport()
{
    QVERIFY(TTestEnvironment::writeDeviceFile(
        ROUTINES + "/Bath1_20260305_1407.xml",
        "<calibration_routine><stop_time>20260305140759</stop_time><calibration_setup><name>Bath1</name>"
        "<calibrator_type>10</calibrator_type><stability_range>0.05</stability_range>"
        "<stability_time>5</stability_time><hold_time>10</hold_time>"
        "</calibration_setup></calibration_routine>"));
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
    QVERIFY(QFile::remove(stick));

    // The copy of the result file ends with its completion notice.
    // Its button shows once the copy is done, however long that takes.
    QTimer complete;
    QObject::connect(&complete, &QTimer::timeout, [] {
        QWidget* modal = QApplication::activeModalWidget();
        QWidget* button = modal ? modal->findChild<QWidget*>("BtnDownloadComplete") : nullptr;
        if (button && button->isVisible())
            click(button);
    });
    complete.start(5);
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

TAMARIND_TEST_MAIN(tst_CalibrationRoutinesGUIController)
#include "tst_calibrationroutinesguicontroller.moc"
