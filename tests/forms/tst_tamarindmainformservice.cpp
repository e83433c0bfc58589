#include "formtestsupport.h"
#include "tamarindmainform_ui.h"
#include "testsupport.h"

#include <memory>

// The info and service pages as the main window relies on them: the placeholders it replaces, the switch box lines
// it shows by index, the service level group it shows and hides, and the lists it fills.
class tst_TamarindMainFormService : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void textsAcrossLanguageChange_data();
    void textsAcrossLanguageChange();
    void switchBoxLinesFollowTheirNumbers();
    void logoSurvivesLanguageChange();
    void serviceLevelGroupHoldsItsRows();
    void instrumentCalibrationListEndsInItsSpacer();

private:
    std::unique_ptr<QWidget> mForm;
    Ui_TTamarindMainForm mUi;
};

void tst_TamarindMainFormService::init()
{
    mForm = std::make_unique<QWidget>();
    mUi = Ui_TTamarindMainForm();
    mUi.setupUi(mForm.get());
}

void tst_TamarindMainFormService::cleanup()
{
    mForm.reset();
}

void tst_TamarindMainFormService::textsAcrossLanguageChange_data()
{
    QTest::addColumn<QString>("object");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("translatable");
    // Placeholders until the main window writes the instrument's data.
    QTest::newRow("model") << "LblInfo_InstrumentType"
                           << "<model>" << false;
    QTest::newRow("manufacturing date") << "LblInfo_InstrumentManufacturingDate"
                                        << "<manuf. date>" << false;
    QTest::newRow("measuring system serial number") << "LblInfo_MeasurementSerialNumber"
                                                    << "<serial number>" << false;
    QTest::newRow("operating system") << "LblInfo_OSVersion"
                                      << "<version>" << false;
    QTest::newRow("storage") << "LblInfo_Storage"
                             << "<storage>" << false;
    QTest::newRow("switch box type") << "LblInfo_Switchbox3_Type"
                                     << "<type>" << false;
    QTest::newRow("switch box serial number") << "LblInfo_Switchbox2_Snr"
                                              << "<snr>" << false;
    QTest::newRow("storage icon") << "label_129"
                                  << "" << false;
    QTest::newRow("new firmware version") << "LblFirmwareUI_NewVersion"
                                          << "<version>" << false;
    QTest::newRow("operating days") << "LblOpTime_Days"
                                    << "x" << false;
    QTest::newRow("operating seconds") << "LblOpTime_Seconds"
                                       << "x" << false;
    QTest::newRow("storage caption") << "label_130"
                                     << "Storage:" << true;
    QTest::newRow("scanner heading") << "LblInfo_ScannerHeader"
                                     << "Scanner:" << true;
    QTest::newRow("firmware row") << "LblService_FirmwareUpdate_UI"
                                  << "Firmware update" << true;
    QTest::newRow("enter service level") << "BtnEnterZELKServiceLevel"
                                         << "Enter ZELK service level" << true;
    QTest::newRow("apply update") << "BtnDoFirmwareUpdate_UI"
                                  << "Apply update" << true;
    QTest::newRow("minutes caption") << "label_142"
                                     << "Minutes" << true;
    QTest::newRow("calibration item heading") << "label_152"
                                              << "Calibration item" << true;
}

void tst_TamarindMainFormService::textsAcrossLanguageChange()
{
    QFETCH(QString, object);
    QFETCH(QString, text);
    QFETCH(bool, translatable);

    verifyTextAcrossRetranslation(mUi, mForm.get(), mForm->findChild<QObject*>(object), text, translatable);
}

void tst_TamarindMainFormService::switchBoxLinesFollowTheirNumbers()
{
    // The main window shows line n for the n-th switch box, below the scanner heading and in that order, although
    // the lines are not built in that order.
    QGridLayout* grid = mUi.gridLayout_195;
    auto rowOf = [grid](QWidget* pWidget) {
        int row = -1, column = -1, rowSpan = 0, columnSpan = 0;
        grid->getItemPosition(grid->indexOf(pWidget), &row, &column, &rowSpan, &columnSpan);
        return row;
    };
    QCOMPARE(rowOf(mUi.LblInfo_ScannerHeader), 10);
    const QVector<QWidget*> lines{mUi.WgtInfo_Switchbox1, mUi.WgtInfo_Switchbox2, mUi.WgtInfo_Switchbox3,
                                  mUi.WgtInfo_Switchbox4};
    const QVector<QLabel*> types{mUi.LblInfo_Switchbox1_Type, mUi.LblInfo_Switchbox2_Type, mUi.LblInfo_Switchbox3_Type,
                                 mUi.LblInfo_Switchbox4_Type};
    for (int index = 0; index < lines.size(); ++index) {
        QCOMPARE(rowOf(lines[index]), 11 + index);
        QCOMPARE(types[index]->parentWidget(), lines[index]);
    }

    // Without switch boxes the list ends with the storage line.
    mUi.stackedWidget->setCurrentWidget(mUi.PageInfo);
    mForm->show();
    QVERIFY(QTest::qWaitForWindowExposed(mForm.get()));
    QVERIFY(mUi.LblInfo_ScannerHeader->isVisible());
    mUi.LblInfo_ScannerHeader->hide();
    for (QWidget* line : lines) {
        QVERIFY(line->isVisible());
        line->hide();
    }
    mUi.scrollAreaInfoContents->layout()->activate();
    QVERIFY(mUi.LblInfo_Storage->isVisible());
    QVERIFY(mUi.LblInfo_Storage->geometry().bottom() <= mUi.scrollAreaInfo->viewport()->height());
    QCOMPARE(mUi.LblInfo_Storage->font().pixelSize(), 16);
}

void tst_TamarindMainFormService::logoSurvivesLanguageChange()
{
    QCOMPARE(mUi.lblInfoZELKLogo->minimumSize(), QSize(200, 68));
    QCOMPARE(mUi.lblInfoZELKLogo->maximumSize(), QSize(200, 68));
    QVERIFY(mUi.lblInfoZELKLogo->hasScaledContents());
    QVERIFY(!mUi.lblInfoZELKLogo->pixmap(Qt::ReturnByValue).isNull());
    retranslateMarked(mUi, mForm.get());
    QVERIFY(!mUi.lblInfoZELKLogo->pixmap(Qt::ReturnByValue).isNull());
    QVERIFY(!mUi.label_129->pixmap(Qt::ReturnByValue).isNull());
}

void tst_TamarindMainFormService::serviceLevelGroupHoldsItsRows()
{
    mUi.stackedWidget->setCurrentWidget(mUi.PageService);
    mForm->show();
    QVERIFY(QTest::qWaitForWindowExposed(mForm.get()));
    // Until the first update of the access level, both the enter button and the level's group show.
    QVERIFY(mUi.BtnEnterZELKServiceLevel->isVisible());
    QVERIFY(mUi.WgtZELKServiceLevel->isVisible());

    // Below service level 1 the main window hides the group: the maker's rows and the leave button go with it.
    mUi.WgtZELKServiceLevel->hide();
    const QVector<QWidget*> customerRows{mUi.BtnService_FirmwareUpdate_UI, mUi.BtnService_SmartProbe,
                                         mUi.BtnEnterZELKServiceLevel};
    const QVector<QWidget*> makerRows{mUi.BtnService_TouchscreenCalibration, mUi.BtnService_RecalCycle,
                                      mUi.BtnService_OperatingTime, mUi.BtnService_InstrumentCalibration,
                                      mUi.BtnLeaveZELKServiceLevel};
    for (QWidget* row : customerRows) {
        QVERIFY2(row->isVisible(), qPrintable(row->objectName()));
    }
    for (QWidget* row : makerRows) {
        QVERIFY2(!row->isVisible(), qPrintable(row->objectName()));
    }
    // Each row is a plain widget that the main window registers with its caption label.
    for (QWidget* row : {mUi.BtnService_FirmwareUpdate_UI, mUi.BtnService_OperatingTime}) {
        auto* grid = qobject_cast<QGridLayout*>(row->layout());
        QVERIFY(grid);
        QVERIFY(qobject_cast<QLabel*>(grid->itemAtPosition(0, 0)->widget()));
        QCOMPARE(row->height(), 34);
    }
}

void tst_TamarindMainFormService::instrumentCalibrationListEndsInItsSpacer()
{
    // The main window inserts one button per calibration item after the heading, ahead of the spacer.
    QVBoxLayout* list = mUi.verticalLayout_100;
    QCOMPARE(list->count(), 2);
    QCOMPARE(list->itemAt(0)->widget(), mUi.label_152);
    QVERIFY(list->itemAt(1)->spacerItem());
    QCOMPARE(mUi.PageInstrumentCalibration->findChildren<QWidget*>().size(), 1);
}

TAMARIND_TEST_MAIN(tst_TamarindMainFormService)
#include "tst_tamarindmainformservice.moc"
