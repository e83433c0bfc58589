#include "formtestsupport.h"
#include "tamarindmainform_ui.h"
#include "testsupport.h"
#include "zelkcontainerradiobutton.h"

#include <memory>

// The calibration routine pages as the calibration screens rely on them: the lists they fill, the two radio groups
// of the routine editor, the label the new-routine button finds by name, and the texts across a change of language.
class tst_TamarindMainFormCalibration : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void listsEndInTheirSpacer_data();
    void listsEndInTheirSpacer();
    void iconButtonsWaitForAChosenRow();
    void newRoutineButtonFindsItsLabelByName();
    void calibratorsAndReferenceChannelsAreTwoGroups();
    void editorGridHoldsItsRows_data();
    void editorGridHoldsItsRows();
    void textsAcrossLanguageChange_data();
    void textsAcrossLanguageChange();
    void fileCaptionsAreBold();
    void pagesAsShown();

private:
    std::unique_ptr<QWidget> mForm;
    Ui_TTamarindMainForm mUi;
};

void tst_TamarindMainFormCalibration::init()
{
    mForm = std::make_unique<QWidget>();
    mUi = Ui_TTamarindMainForm();
    mUi.setupUi(mForm.get());
}

void tst_TamarindMainFormCalibration::cleanup()
{
    mForm.reset();
}

void tst_TamarindMainFormCalibration::listsEndInTheirSpacer_data()
{
    QTest::addColumn<QString>("scrollArea");
    QTest::addColumn<QString>("rowParent");
    QTest::addColumn<bool>("scrollsSideways");
    QTest::newRow("stored routines") << "scrollAreaCalibrationRoutines"
                                     << "WgtCalibrationSetupsParent" << false;
    QTest::newRow("result files") << "scrollAreaCalibrationFiles"
                                  << "WgtCalibrationFilesParent" << true;
    QTest::newRow("devices under test") << "scrollAreaCalFile_DUTs"
                                        << "scrollAreaCalFile_DUTsWidget" << false;
}

void tst_TamarindMainFormCalibration::listsEndInTheirSpacer()
{
    QFETCH(QString, scrollArea);
    QFETCH(QString, rowParent);
    QFETCH(bool, scrollsSideways);

    // The screens are handed the rows' parent and add their rows to its vertical box ahead of the spacer.
    auto* area = mForm->findChild<QScrollArea*>(scrollArea);
    QVERIFY(area);
    QCOMPARE(area->widget()->objectName(), rowParent);
    QCOMPARE(area->horizontalScrollBarPolicy(), scrollsSideways ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    auto* list = qobject_cast<QVBoxLayout*>(area->widget()->layout());
    QVERIFY(list);
    QCOMPARE(list->count(), 1);
    QVERIFY(list->itemAt(0)->spacerItem());
    QCOMPARE(list->itemAt(0)->spacerItem()->sizePolicy().verticalPolicy(), QSizePolicy::Expanding);
}

void tst_TamarindMainFormCalibration::iconButtonsWaitForAChosenRow()
{
    for (QZELKDialogButton* button : {mUi.BtnDeleteCalSetup, mUi.BtnDownloadCalFile, mUi.BtnDeleteCalFile}) {
        QVERIFY2(!button->isEnabled(), qPrintable(button->objectName()));
        QVERIFY(!button->icon().isNull());
        QVERIFY(button->text().isEmpty());
    }
    retranslateMarked(mUi, mForm.get());
    for (QZELKDialogButton* button : {mUi.BtnDeleteCalSetup, mUi.BtnDownloadCalFile, mUi.BtnDeleteCalFile}) {
        QVERIFY2(button->text().isEmpty(), qPrintable(button->objectName()));
    }
}

void tst_TamarindMainFormCalibration::newRoutineButtonFindsItsLabelByName()
{
    QCOMPARE(mUi.BtnNewCalibrationRoutine->statusSourceLabel(), mUi.LblNewCalibrationRoutine);
    QCOMPARE(mUi.LblNewCalibrationRoutine->toolTip(), QStringLiteral("New routine"));
    QCOMPARE(mUi.LblNewCalibrationRoutine->parentWidget(), mUi.BtnNewCalibrationRoutine);

    // A translation changes the tool tip the screens read, never the name the button finds its label by.
    retranslateMarked(mUi, mForm.get());
    QCOMPARE(mUi.BtnNewCalibrationRoutine->getStatusSourceLabelName(), QStringLiteral("LblNewCalibrationRoutine"));
    QCOMPARE(mUi.BtnNewCalibrationRoutine->statusSourceLabel()->toolTip(),
             TMarkingCatalogue::marked(QStringLiteral("New routine")));
}

void tst_TamarindMainFormCalibration::calibratorsAndReferenceChannelsAreTwoGroups()
{
    const QStringList models{"DWK4400-COOL", "DWK4400-165", "DWK4400-450", "DWK4400-650",
                             "DWK4400-1100", "DWK4600-165", "DWK4600-650", "MBK2700-165",
                             "MBK2700-225",  "MBK2800",     "MBK2900",     "MFK5100-150"};
    QStringList built;
    QVector<QZELKContainerRadioButton*> calibrators;
    for (int index = 0; index < mUi.verticalLayout_110->count(); ++index) {
        auto* button = qobject_cast<QZELKContainerRadioButton*>(mUi.verticalLayout_110->itemAt(index)->widget());
        QVERIFY(button);
        built << button->statusSourceLabel()->text();
        calibrators << button;
    }
    QCOMPARE(built, models);
    const QVector<QZELKContainerRadioButton*> channels{mUi.BtnCalRoutine_RefChan1, mUi.BtnCalRoutine_RefChan2,
                                                       mUi.BtnCalRoutine_RefChan3, mUi.BtnCalRoutine_RefChan4};
    for (int index = 0; index < channels.size(); ++index) {
        QCOMPARE(channels[index]->statusSourceLabel()->text(), QString::number(index + 1));
    }

    // As built: the first calibrator and reference channel 1.
    auto checked = [](const QVector<QZELKContainerRadioButton*>& pGroup) {
        QStringList names;
        for (QZELKContainerRadioButton* button : pGroup) {
            if (button->isChecked()) {
                names << button->objectName();
            }
        }
        return names;
    };
    QCOMPARE(checked(calibrators), QStringList{"BtnCalRoutine_DWK4400_COOL"});
    QCOMPARE(checked(channels), QStringList{"BtnCalRoutine_RefChan1"});
    // Choosing in one group leaves the other alone, and a routine's source may be any calibrator.
    mUi.BtnCalRoutine_MFK5100_150->setChecked(true);
    QCOMPARE(checked(calibrators), QStringList{"BtnCalRoutine_MFK5100_150"});
    QCOMPARE(checked(channels), QStringList{"BtnCalRoutine_RefChan1"});
    mUi.BtnCalRoutine_RefChan4->setChecked(true);
    QCOMPARE(checked(calibrators), QStringList{"BtnCalRoutine_MFK5100_150"});
    QCOMPARE(checked(channels), QStringList{"BtnCalRoutine_RefChan4"});
}

void tst_TamarindMainFormCalibration::editorGridHoldsItsRows_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("row");
    QTest::newRow("routine name") << "label_173"
                                  << "BtnCalRoutine_Name" << 0;
    QTest::newRow("source") << "label_175"
                            << "widget_10" << 1;
    QTest::newRow("IP address") << "LblCalRoutine_IpAddress"
                                << "BtnCalRoutine_IpAddress" << 2;
    QTest::newRow("port") << "LblCalRoutine_Port"
                          << "BtnCalRoutine_Port" << 3;
    QTest::newRow("reference channel") << "label_187"
                                       << "widget_11" << 4;
    QTest::newRow("channels under test") << "label_188"
                                         << "BtnCalRoutine_AddDUTChannel" << 6;
    QTest::newRow("stability") << "label_190"
                               << "BtnCalRoutine_Stability" << 7;
    QTest::newRow("stability time") << "label_191"
                                    << "BtnCalRoutine_StabilityTime" << 8;
    QTest::newRow("hold time") << "label_192"
                               << "BtnCalRoutine_HoldTime" << 11;
    QTest::newRow("calibration points") << "label_193"
                                        << "BtnCalRoutine_AddCalPoint" << 12;
}

void tst_TamarindMainFormCalibration::editorGridHoldsItsRows()
{
    QFETCH(QString, caption);
    QFETCH(QString, value);
    QFETCH(int, row);

    // The screens insert their rows into the grid's free rows, so each caption and value must be in its own row.
    QGridLayout* grid = mUi.gridLayout_8;
    auto cellOf = [grid](const QString& pName) {
        int row = -1, column = -1, rowSpan = 0, columnSpan = 0;
        const int index = grid->indexOf(grid->parentWidget()->findChild<QWidget*>(pName));
        if (index >= 0) {
            grid->getItemPosition(index, &row, &column, &rowSpan, &columnSpan);
        }
        return QVector<int>{row, column, rowSpan, columnSpan};
    };
    QCOMPARE(cellOf(caption), (QVector<int>{row, 0, 1, 1}));
    QCOMPARE(cellOf(value), (QVector<int>{row, 1, 1, 1}));
    QCOMPARE(grid->rowCount(), 16);
}

void tst_TamarindMainFormCalibration::textsAcrossLanguageChange_data()
{
    QTest::addColumn<QString>("object");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("translatable");
    QTest::newRow("calibrator model") << "label_183"
                                      << "DWK4400-COOL" << false;
    QTest::newRow("reference channel number") << "label_204"
                                              << "4" << false;
    QTest::newRow("add channel") << "label_189"
                                 << "+" << false;
    QTest::newRow("file's routine name") << "LblShowCalFile_RoutineName"
                                         << "<name>" << false;
    QTest::newRow("file's hold time") << "LblShowCalFile_HoldTime"
                                      << "<name>" << false;
    QTest::newRow("filter text") << "LblCalRoutineFilter"
                                 << "" << true;
    QTest::newRow("calibration points") << "label_193" << QStringLiteral("Cal. points [\u00B0C]") << true;
    QTest::newRow("new routine") << "LblNewCalibrationRoutine"
                                 << "New routine" << true;
    QTest::newRow("search") << "label_198"
                            << "Search..." << true;
    QTest::newRow("devices under test") << "label_218"
                                        << "Devices under test" << true;
}

void tst_TamarindMainFormCalibration::textsAcrossLanguageChange()
{
    QFETCH(QString, object);
    QFETCH(QString, text);
    QFETCH(bool, translatable);

    verifyTextAcrossRetranslation(mUi, mForm.get(), mForm->findChild<QObject*>(object), text, translatable);
}

void tst_TamarindMainFormCalibration::fileCaptionsAreBold()
{
    mUi.stackedWidgetMenu->setCurrentWidget(mUi.PageShowCalFile);
    mForm->show();
    QVERIFY(QTest::qWaitForWindowExposed(mForm.get()));
    for (QLabel* caption :
         {mUi.label_208, mUi.label_214, mUi.label_213, mUi.label_215, mUi.label_216, mUi.label_217, mUi.label_218}) {
        QVERIFY2(caption->font().bold(), qPrintable(caption->objectName()));
        QCOMPARE(caption->font().pixelSize(), 14);
    }
    QVERIFY(!mUi.LblShowCalFile_Source->font().bold());
}

void tst_TamarindMainFormCalibration::pagesAsShown()
{
    mUi.stackedWidget->setCurrentWidget(mUi.PageCalibrationRoutines);
    mUi.stackedWidgetMenu->setCurrentWidget(mUi.PageEditCalibrationRoutine);
    mForm->show();
    QVERIFY(QTest::qWaitForWindowExposed(mForm.get()));
    // The filter line is the screens' to hide; the form shows it.
    QVERIFY(mUi.WgtCalRoutineFilter->isVisible());
    // The Ethernet fields are the screens' to hide; the form shows them.
    const QVector<QWidget*> ethernet{mUi.LblCalRoutine_IpAddress, mUi.BtnCalRoutine_IpAddress, mUi.LblCalRoutine_Port,
                                     mUi.BtnCalRoutine_Port};
    for (QWidget* field : ethernet) {
        QVERIFY2(field->isVisible(), qPrintable(field->objectName()));
    }
    // Value buttons of one row height; the calibrators' labels are drawn smaller than the captions.
    QCOMPARE(mUi.BtnCalRoutine_Name->height(), 34);
    QCOMPARE(mUi.label_183->font().pixelSize(), 12);
    QCOMPARE(mUi.label_173->font().pixelSize(), 14);
    // The column scrolls up and down only: the value side of the editor lies within its visible width.
    QWidget* const editor = mUi.scrollAreaCallRoutineEditWidget;
    const int visibleWidth = mUi.scrollAreaCallRoutineEdit->viewport()->width();
    for (QWidget* value : QVector<QWidget*>{mUi.BtnCalRoutine_Name, mUi.widget_10, mUi.BtnCalRoutine_IpAddress,
                                            mUi.BtnCalRoutine_Port, mUi.widget_11, mUi.BtnCalRoutine_AddDUTChannel,
                                            mUi.BtnCalRoutine_Stability, mUi.BtnCalRoutine_StabilityTime,
                                            mUi.BtnCalRoutine_HoldTime, mUi.BtnCalRoutine_AddCalPoint}) {
        const int right = value->mapTo(editor, QPoint(value->width(), 0)).x();
        QVERIFY2(
            right <= visibleWidth,
            qPrintable(QStringLiteral("%1 ends at %2 of %3").arg(value->objectName()).arg(right).arg(visibleWidth)));
    }
    for (QWidget* calibrator : mUi.widget_10->findChildren<QZELKContainerRadioButton*>()) {
        QVERIFY2(calibrator->width() >= calibrator->minimumSizeHint().width(), qPrintable(calibrator->objectName()));
    }
    saveScrolledContents(mUi.scrollAreaCallRoutineEdit, "calibration_PageEditCalibrationRoutine");
}

TAMARIND_TEST_MAIN(tst_TamarindMainFormCalibration)
#include "tst_tamarindmainformcalibration.moc"
