#include "formtestsupport.h"
#include "tamarindmainform_ui.h"
#include "testsupport.h"

#include <memory>

// The probe pages as the probe screens rely on them: the coefficient names they read back from tool tips, the lists
// they fill, the choices that must exclude each other and the texts that survive a change of language.
class tst_TamarindMainFormProbes : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void toolTipsAreData_data();
    void toolTipsAreData();
    void textsAcrossLanguageChange_data();
    void textsAcrossLanguageChange();
    void listsTakeTheirRowsAboveTheSpacer_data();
    void listsTakeTheirRowsAboveTheSpacer();
    void conversionsExcludeEachOtherPerPage();
    void excitationCurrentsFormOneGroup();
    void rowsHoldOneLabelOnTheirLayout_data();
    void rowsHoldOneLabelOnTheirLayout();
    void editorsScrollVerticallyOnly();

private:
    std::unique_ptr<QWidget> mForm;
    Ui_TTamarindMainForm mUi;
};

void tst_TamarindMainFormProbes::init()
{
    mForm = std::make_unique<QWidget>();
    mUi = Ui_TTamarindMainForm();
    mUi.setupUi(mForm.get());
}

void tst_TamarindMainFormProbes::cleanup()
{
    mForm.reset();
}

void tst_TamarindMainFormProbes::toolTipsAreData_data()
{
    QTest::addColumn<QString>("object");
    QTest::addColumn<QString>("toolTip");
    QTest::addColumn<QString>("comment");
    // The editors show a coefficient button's tool tip as the menu caption while its value is typed.
    const QVector<QPair<const char*, const char*>> coefficients{
        {"Btn_CvD_R0", "R0"},
        {"Btn_CvD_A", "A"},
        {"Btn_CvD_B", "B"},
        {"Btn_CvD_C", "C"},
        {"Btn_ITS90_R001", "R0.01"},
        {"Btn_ITS90_A", "an"},
        {"Btn_ITS90_B", "bn"},
        {"Btn_ITS90_Ap", "ap"},
        {"Btn_ITS90_Bp", "bp"},
        {"Btn_ITS90_Cp", "cp"},
        {"Btn_ITS90_Dp", "dp"},
        {"Btn_CvD_R0_SPRT", "R0"},
        {"Btn_CvD_A_SPRT", "A"},
        {"Btn_CvD_B_SPRT", "B"},
        {"Btn_CvD_C_SPRT", "C"},
        {"Btn_ITS90_R001_SPRT", "R0.01"},
        {"Btn_ITS90_A_SPRT", "an"},
        {"Btn_ITS90_B_SPRT", "bn"},
        {"Btn_ITS90_Ap_SPRT", "ap"},
        {"Btn_ITS90_Bp_SPRT", "bp"},
        {"Btn_ITS90_Cp_SPRT", "cp"},
        {"Btn_ITS90_Dp_SPRT", "dp"},
        // The range limits' tool tips lack the full stop of their captions.
        {"BtnTa_min_TC", "Ta min"},
        {"BtnTa_max_TC", "Ta max"},
        {"Btna0_TC", "a0"},
        {"Btna1_TC", "a1"},
        {"Btna2_TC", "a2"},
        {"Btna3_TC", "a3"},
        {"BtnTb_min_TC", "Tb min"},
        {"BtnTb_max_TC", "Tb max"},
        {"Btnb0_TC", "b0"},
        {"Btnb1_TC", "b1"},
        {"Btnb2_TC", "b2"},
        {"Btnb3_TC", "b3"},
        {"BtnTc_min_TC", "Tc min"},
        {"BtnTc_max_TC", "Tc max"},
        {"Btnc0_TC", "c0"},
        {"Btnc1_TC", "c1"},
        {"Btnc2_TC", "c2"},
        {"Btnc3_TC", "c3"},
        {"BtnSH_a_Therm", "a"},
        {"BtnSH_b_Therm", "b"},
        {"BtnSH_c_Therm", "c"},
        {"BtnPol_c0_Therm", "c0"},
        {"BtnPol_c1_Therm", "c1"},
        {"BtnPol_c2_Therm", "c2"},
        {"BtnPol_c3_Therm", "c3"},
    };
    for (const auto& [object, toolTip] : coefficients) {
        QTest::newRow(object) << object << toolTip << QString();
    }
    // The standard probe rows keep the short form of the settings rows they were made from.
    for (const char* label :
         {"LblSettings_BacklightOff_2", "LblSettings_BacklightOff_3", "LblSettings_BacklightOff_4",
          "LblSettings_BacklightOff_16", "LblSettings_BacklightOff_17", "LblSettings_BacklightOff_20",
          "LblSettings_BacklightOff_21", "LblSettings_BacklightOff_22", "LblSettings_BacklightOff_11",
          "LblSettings_BacklightOff_12", "LblSettings_BacklightOff_13", "LblSettings_BacklightOff_14",
          "LblSettings_BacklightOff_15"}) {
        QTest::newRow(label) << label << "Backlight-Off"
                             << "LblSettings_BacklightOff_shortform";
    }
}

void tst_TamarindMainFormProbes::toolTipsAreData()
{
    QFETCH(QString, object);
    QFETCH(QString, toolTip);
    QFETCH(QString, comment);

    auto* widget = mForm->findChild<QWidget*>(object);
    QVERIFY(widget);
    QCOMPARE(widget->toolTip(), toolTip);
    retranslateMarked(mUi, mForm.get());
    QCOMPARE(widget->toolTip(), TMarkingCatalogue::marked(toolTip, comment));
}

void tst_TamarindMainFormProbes::textsAcrossLanguageChange_data()
{
    QTest::addColumn<QString>("object");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("translatable");
    // Placeholders that the editors replace, and the thermocouple letters, stay as they are.
    QTest::newRow("probe current placeholder") << "Lbl_Current_Value__PRT"
                                               << "<PRT cur>" << false;
    QTest::newRow("cold-junction probe placeholder") << "LblCJCProbeName"
                                                     << "<CJC Channel Probe>" << false;
    QTest::newRow("type B") << "LblPRT_ProbeName_19"
                            << "B" << false;
    QTest::newRow("type D, on a label named like a button") << "Btn_Type_B_2"
                                                            << "D" << false;
    QTest::newRow("type C") << "LblPRT_ProbeName_24"
                            << "C" << false;
    QTest::newRow("filter value") << "LblProbeFilterValue"
                                  << "" << false;
    // Values the editors wrote are emptied by a language change until the editor shows the probe again.
    QTest::newRow("PRT name value") << "LblProbeName_PRT"
                                    << "" << true;
    QTest::newRow("cold-junction channel") << "LblCJC_Channel"
                                           << "" << true;
    QTest::newRow("thermistor range value") << "LblRangeValue_Therm"
                                            << "" << true;
    QTest::newRow("SMART resistor note") << "label_138"
                                         << "" << true;
    QTest::newRow("default probe note") << "LblDefaultProbeCaption_PRT"
                                        << "" << true;
    QTest::newRow("delete probe icon button") << "BtnDeleteProbe"
                                              << "" << true;
    QTest::newRow("cold-junction channel button") << "BtnStdRefJunc_Channel"
                                                  << "" << true;
    // Captions with characters beyond ASCII: the resistors end in the Greek capital omega, the resistance limits
    // in the ohm sign.
    QTest::newRow("PRT resistor 25") << "LblPRT_ProbeName_18" << QStringLiteral("25 \u03A9") << true;
    QTest::newRow("PRT resistor 100") << "LblPRT_ProbeName_20" << QStringLiteral("100 \u03A9") << true;
    QTest::newRow("SMART resistor 25") << "Lbl_Reference_25ohm_SPRT" << QStringLiteral("25 \u03A9") << true;
    QTest::newRow("SMART resistor 100") << "Lbl_Reference_100ohm_SPRT" << QStringLiteral("100 \u03A9") << true;
    QTest::newRow("SMART lower limit") << "label_153" << QStringLiteral("R min. in \u2126") << true;
    QTest::newRow("SMART upper limit") << "label_154" << QStringLiteral("R max. in \u2126") << true;
    QTest::newRow("PRT lower limit") << "label_40" << QStringLiteral("T min. in \u00B0C") << true;
    QTest::newRow("thermistor upper limit") << "label_90" << QStringLiteral("T max. in \u00B0C") << true;
    QTest::newRow("two-line caption") << "LblKeepWarmCurrent"
                                      << "Standby\ncurrent" << true;
    QTest::newRow("new PRT row") << "LblProbe_NewPRT"
                                 << "Resistance thermometer (PRT, SPRT)" << true;
    QTest::newRow("SMART list row") << "LblProbe_ListSmartProbes"
                                    << "List connected SMART probes" << true;
    QTest::newRow("search") << "BtnProbe_Search"
                            << "Search..." << true;
    QTest::newRow("thermistor polynomial row") << "LblSettings_BacklightOff_22"
                                               << "Polynomial" << true;
    QTest::newRow("thermocouple polynomial row") << "LblSettings_BacklightOff_12"
                                                 << "Polynomial" << true;
    QTest::newRow("thermistor restore") << "BtnProbeRestore_Thermocouple"
                                        << "Restore" << true;
    QTest::newRow("thermocouple conversion") << "RbPolynom_TC"
                                             << "TC polynomial" << true;
    QTest::newRow("SMART calibration source") << "Lbl_NextCalDate_SPRT_Caption_2"
                                              << "Cal. source" << true;
}

void tst_TamarindMainFormProbes::textsAcrossLanguageChange()
{
    QFETCH(QString, object);
    QFETCH(QString, text);
    QFETCH(bool, translatable);

    verifyTextAcrossRetranslation(mUi, mForm.get(), mForm->findChild<QObject*>(object), text, translatable);
}

void tst_TamarindMainFormProbes::listsTakeTheirRowsAboveTheSpacer_data()
{
    QTest::addColumn<QString>("scrollArea");
    QTest::addColumn<QStringList>("fixedRows");
    QTest::newRow("probe menu") << "scrollAreaProbeMenu" << QStringList{"label_128", "BtnProbe_ListSmartProbes"};
    QTest::newRow("SMART probes") << "scrollAreaSmartProbeList" << QStringList{};
    QTest::newRow("coefficient files") << "scrollAreaProbeCoeffFileList" << QStringList{};
}

void tst_TamarindMainFormProbes::listsTakeTheirRowsAboveTheSpacer()
{
    QFETCH(QString, scrollArea);
    QFETCH(QStringList, fixedRows);

    // The screens take the list's layout as a vertical box and insert a row per probe or file at the top, or just
    // before the last item; the spacer must stay the last item and keep the rows together at the top.
    auto* area = mForm->findChild<QScrollArea*>(scrollArea);
    QVERIFY(area && area->widget());
    auto* list = qobject_cast<QVBoxLayout*>(area->widget()->layout());
    QVERIFY(list);
    QStringList rows;
    for (int index = 0; index < list->count() - 1; ++index) {
        rows << list->itemAt(index)->widget()->objectName();
    }
    QCOMPARE(rows, fixedRows);
    QSpacerItem* spacer = list->itemAt(list->count() - 1)->spacerItem();
    QVERIFY(spacer);
    QCOMPARE(spacer->sizePolicy().verticalPolicy(), QSizePolicy::Expanding);

    auto* first = new QLabel(QStringLiteral("inserted first"), area->widget());
    auto* last = new QLabel(QStringLiteral("inserted last"), area->widget());
    list->insertWidget(0, first);
    list->insertWidget(list->count() - 1, last);
    QWidget* page = area->parentWidget();
    qobject_cast<QStackedWidget*>(page->parentWidget())->setCurrentWidget(page);
    mForm->show();
    QVERIFY(QTest::qWaitForWindowExposed(mForm.get()));
    QCOMPARE(first->y(), list->contentsMargins().top());
    QCOMPARE(list->itemAt(list->count() - 1)->spacerItem(), spacer);
    QVERIFY(last->geometry().bottom() < spacer->geometry().top());
}

void tst_TamarindMainFormProbes::conversionsExcludeEachOtherPerPage()
{
    // Each editor's conversions exclude each other by sharing their parent, and leave the other editors' alone.
    const QVector<QVector<QRadioButton*>> pages{
        {mUi.Rb_EN60751_PRT, mUi.Rb_CvD_PRT, mUi.Rb_ITS90},
        {mUi.RbIEC584, mUi.RbPolynom_TC},
        {mUi.RbNone_Therm, mUi.RbSteinhartHart_Therm, mUi.RbPolynomial_Therm},
        {mUi.Rb_CvD_SPRT, mUi.Rb_ITS90_SPRT},
    };
    for (const auto& page : pages) {
        for (QRadioButton* button : page) {
            QVERIFY2(!button->isChecked(), qPrintable(button->objectName()));
        }
        page.first()->setChecked(true);
    }
    for (int changed = 0; changed < pages.size(); ++changed) {
        for (QRadioButton* button : pages[changed]) {
            button->setChecked(true);
            for (int page = 0; page < pages.size(); ++page) {
                for (QRadioButton* other : pages[page]) {
                    const bool expected = page == changed ? other == button : other == pages[page].first();
                    QVERIFY2(other->isChecked() == expected, qPrintable(other->objectName()));
                }
            }
        }
        pages[changed].first()->setChecked(true);
    }
}

void tst_TamarindMainFormProbes::excitationCurrentsFormOneGroup()
{
    const QVector<QZELKContainerRadioButton*> currents{mUi.Btn_exc_curr_0_5mA, mUi.Btn_exc_curr_1mA,
                                                       mUi.Btn_exc_curr_2mA};
    const QStringList captions{"0.5 mA", "1 mA", "2 mA"};
    for (int index = 0; index < currents.size(); ++index) {
        QZELKContainerRadioButton* button = currents[index];
        QVERIFY(!button->isChecked());
        // The caption sits on the button's own layout, so the button finds it as its only label.
        QCOMPARE(button->statusSourceLabel()->text(), captions[index]);
        QCOMPARE(button->layout()->indexOf(button->statusSourceLabel()), 0);
    }
    for (QZELKContainerRadioButton* chosen : currents) {
        chosen->setChecked(true);
        for (QZELKContainerRadioButton* button : currents) {
            QCOMPARE(button->isChecked(), button == chosen);
        }
    }
}

void tst_TamarindMainFormProbes::rowsHoldOneLabelOnTheirLayout_data()
{
    QTest::addColumn<QString>("row");
    QTest::addColumn<QString>("label");
    QTest::addColumn<bool>("centred");
    QTest::newRow("new thermistor") << "BtnProbe_NewTherm"
                                    << "LblProbe_NewTherm" << false;
    QTest::newRow("standard cold junction channel") << "BtnStdPrb_Channel"
                                                    << "LblSettings_BacklightOff_15" << false;
    QTest::newRow("PRT name") << "BtnPRT_ProbeName"
                              << "LblProbeName_PRT" << false;
    QTest::newRow("PRT wiring 4") << "Btn_4wire"
                                  << "LblPRT_ProbeName_16" << true;
    QTest::newRow("TC type D") << "Btn_Type_D_TC"
                               << "Btn_Type_B_2" << true;
    QTest::newRow("TC cold junction channel") << "BtnCJC_Channel_TC"
                                              << "LblPRT_ProbeName_31" << true;
    QTest::newRow("TC c3") << "Btnc3_TC"
                           << "Lblc3_TC" << false;
    QTest::newRow("thermistor a") << "BtnSH_a_Therm"
                                  << "LblSH_a_Therm" << false;
    QTest::newRow("SMART locked no") << "Btn_Locked_No_SPRT"
                                     << "LblLockedNo_SPRT" << true;
    QTest::newRow("SMART calibration source") << "BtnCalSource_SPRT"
                                              << "LblCalSource_SPRT" << false;
}

void tst_TamarindMainFormProbes::rowsHoldOneLabelOnTheirLayout()
{
    QFETCH(QString, row);
    QFETCH(QString, label);
    QFETCH(bool, centred);

    // The clickable-widget framework highlights the row and writes into the label it holds.
    auto* widget = mForm->findChild<QWidget*>(row);
    QVERIFY(widget);
    QCOMPARE(widget->metaObject(), &QWidget::staticMetaObject);
    QCOMPARE(widget->minimumHeight(), 34);
    QCOMPARE(widget->sizePolicy().verticalPolicy(), QSizePolicy::Fixed);
    auto* grid = qobject_cast<QGridLayout*>(widget->layout());
    QVERIFY(grid);
    QCOMPARE(grid->count(), 1);
    QLabel* held = qobject_cast<QLabel*>(grid->itemAtPosition(0, 0)->widget());
    QVERIFY(held);
    QCOMPARE(held->objectName(), label);
    QCOMPARE(held->parentWidget(), widget);
    QCOMPARE(grid->itemAt(0)->alignment(), centred ? Qt::AlignCenter : Qt::Alignment());
}

void tst_TamarindMainFormProbes::editorsScrollVerticallyOnly()
{
    mForm->show();
    QVERIFY(QTest::qWaitForWindowExposed(mForm.get()));
    const QVector<TTouchScrollArea*> editors{mUi.scrollAreaEditPRTProbe, mUi.scrollAreaEditProbe_TC,
                                             mUi.scrollAreaEditTherm, mUi.scrollAreaSmartProbeProg,
                                             mUi.scrollAreaStdProbeSettings};
    for (TTouchScrollArea* editor : editors) {
        mUi.stackedWidgetMenu->setCurrentWidget(editor->parentWidget());
        QCoreApplication::processEvents();
        QCOMPARE(editor->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        // Taller than the menu area: the rows scroll by touch.
        QVERIFY2(editor->widget()->height() > editor->viewport()->height(), qPrintable(editor->objectName()));
        saveScrolledContents(editor, "probes_" + editor->parentWidget()->objectName());
    }
}

TAMARIND_TEST_MAIN(tst_TamarindMainFormProbes)
#include "tst_tamarindmainformprobes.moc"
