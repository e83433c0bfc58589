#include "boardcontrolinterpreter.h"
#include "boardsimulator.h"
#include "boardstate.h"
#include "channel.h"
#include "channelcontroller.h"
#include "decimaldisplaycontroller.h"
#include "messagerecorder.h"
#include "padkeys.h"
#include "probe.h"
#include "probecontroller.h"
#include "probecontrollerfixture.h"
#include "probeeditcontrollers.h"
#include "simulatedsmartprobe.h"
#include "tamarindsettings.h"
#include "testidentity.h"
#include "testsupport.h"

#include <QDialog>
#include <QLabel>
#include <QMouseEvent>
#include <QRadioButton>
#include <QTest>

#include <functional>
#include <map>

using namespace Probe_enums;

namespace
{
// A probe record as the board keeps it (32 fields): sensor code, name, Tmax,
// Tmin, conversion, 18 coefficient slots, resistor or junction code,
// reference channel, calibration year, month, day, wiring, reference flag
// (1 no, 2 yes), channel, keep-warm current (1 on, 2 off).
QString record(int pSensor, const QString& pName, int pConversion, int pResistorOrJunction, int pReferenceChannel,
               int pWiring)
{
    QStringList fields{QString::number(pSensor), pName, QStringLiteral("450.0"), QStringLiteral("-200.0"),
                       QString::number(pConversion)};
    const QStringList coefficients{"100", "3.9083e-03", "-5.775e-07", "-4.183e-12"};
    if (pSensor <= 1)
        fields << coefficients;
    while (fields.size() < 23)
        fields << QStringLiteral("0");
    fields << QString::number(pResistorOrJunction) << QString::number(pReferenceChannel) << QStringLiteral("2024")
           << QStringLiteral("3") << QStringLiteral("5") << QString::number(pWiring) << QStringLiteral("1")
           << QStringLiteral("0") << QStringLiteral("2");
    return fields.join(QLatin1Char(','));
}

void release(QWidget* pWidget)
{
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(5, 5), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(pWidget, &release);
}

// The texts of every label of the next modal dialog, which is then answered
// with the button of that name.
void answerNextModal(QStringList& oTexts, const QString& pButton)
{
    TModalAnswer::onNextModal([&oTexts, pButton](QWidget* pModal) {
        for (const QLabel* label : pModal->findChildren<QLabel*>()) {
            if (!label->text().isEmpty())
                oTexts << label->text();
        }
        QTest::mouseClick(pModal->findChild<QWidget*>(pButton), Qt::LeftButton);
    });
}
} // namespace

class tst_ProbeEditControllers : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void labelHelpers_data();
    void labelHelpers();
    void dateLabels();
    void checkBeforeSave_data();
    void checkBeforeSave();
    void newPRTStoredWithStandardCoefficients();
    void prtTypeChoosesResistorAndCurrent();
    void prtOperatingCurrentByInstrumentType_data();
    void prtOperatingCurrentByInstrumentType();
    void coefficientPadChoosesTheConversion_data();
    void coefficientPadChoosesTheConversion();
    void coefficientsStoredAsShown_data();
    void coefficientsStoredAsShown();
    void automaticResistorFollowsTheType();
    void prtCurrentReadout_data();
    void prtCurrentReadout();
    void unchangedDefaultProbeSendsNothing();
    void cancelResetsANewPage();
    void refusedSaveKeepsThePage_data();
    void refusedSaveKeepsThePage();
    void restoreShowsTheBackupUntilSave();
    void restoreRefusesAnotherKind();
    void thermocoupleTypeCIsKept();
    void thermocoupleReferenceChannel_data();
    void thermocoupleReferenceChannel();
    void channelCompensationNeedsAChannel();
    void thermistorReadout_data();
    void thermistorReadout();
    void newThermistorHasNoReadout();
    void pageByProbeKind_data();
    void pageByProbeKind();

private:
    TSimulatedBoardLink& board() { return mFixture->board(); }
    Ui_TTamarindMainForm& form() { return mFixture->ui(); }
    QString control(const QString& pLine) { return TBoardControlInterpreter(board().board()).execute(pLine).last(); }
    void fillSlot(int pNumber, const QString& pRecord);
    TProbeController& load(EnInstrumentType pType = ZTM8800);
    TProbeEditController* editor(QWidget* pNewProbeButton);
    // A new probe's page with the common rows filled.
    TProbeEditController* newProbe(QWidget* pNewProbeButton, const QString& pName = QStringLiteral("Bath 1"));
    void fillCommonRows(QLabel* pNameLabel, QLabel* pTmin, QLabel* pTmax, const QString& pName);
    template <class T> T* stored(int pNumber);
    int saveCommands() const;

    std::unique_ptr<TProbeControllerFixture> mFixture;
};

void tst_ProbeEditControllers::init()
{
    qRegisterMetaType<TAbstractProbe*>();
    TAMARIND_MAKE_FIXTURE(mFixture);
    for (int number = 1; number <= 3; ++number)
        TTamarindSettings::instance().removeSection(QStringLiteral("probe_backup%1").arg(number));
}

void tst_ProbeEditControllers::cleanup()
{
    mFixture.reset();
}

void tst_ProbeEditControllers::fillSlot(int pNumber, const QString& pRecord)
{
    bool filled = false;
    board().board().withState([&](TBoardState& pState) { filled = pState.mProbeMemory.fillSlot(pNumber, pRecord); });
    QVERIFY2(filled, qPrintable(pRecord));
}

TProbeController& tst_ProbeEditControllers::load(EnInstrumentType pType)
{
    [&] { QVERIFY(identifyBoardAs(board(), pType)); }();
    mFixture->build();
    return mFixture->buildProbes(true, true);
}

TProbeEditController* tst_ProbeEditControllers::editor(QWidget* pNewProbeButton)
{
    return mFixture->probes().editorByButton(pNewProbeButton);
}

void tst_ProbeEditControllers::fillCommonRows(QLabel* pNameLabel, QLabel* pTmin, QLabel* pTmax, const QString& pName)
{
    TProbeEditController::setProbeName(pName, *pNameLabel);
    pTmin->setText(QStringLiteral("-50"));
    pTmax->setText(QStringLiteral("250"));
}

TProbeEditController* tst_ProbeEditControllers::newProbe(QWidget* pNewProbeButton, const QString& pName)
{
    release(pNewProbeButton);
    Ui_TTamarindMainForm& ui = form();
    if (pNewProbeButton == ui.BtnProbe_NewPRT)
        fillCommonRows(ui.LblProbeName_PRT, ui.LblPRT_Tmin, ui.LblPRT_Tmax, pName);
    else if (pNewProbeButton == ui.BtnProbe_NewTC)
        fillCommonRows(ui.Lbl_ProbeName_TC, ui.Lbl_Tmin_TC, ui.Lbl_Tmax_TC, pName);
    else
        fillCommonRows(ui.Lbl_ProbeName_Therm, ui.Lbl_Tmin_Therm, ui.Lbl_Tmax_Therm, pName);
    return editor(pNewProbeButton);
}

template <class T> T* tst_ProbeEditControllers::stored(int pNumber)
{
    return qobject_cast<T*>(mFixture->probes().probeByNumber(pNumber));
}

int tst_ProbeEditControllers::saveCommands() const
{
    int count = 0;
    for (const QByteArray& command : mFixture->board().commands())
        count += command.startsWith("prob:save") ? 1 : 0;
    return count;
}

// --- the label model ----------------------------------------------------------------------

void tst_ProbeEditControllers::labelHelpers_data()
{
    QTest::addColumn<QString>("helper");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("toolTip");

    QTest::newRow("name of eight characters shown whole") << "name"
                                                          << "ABCDEFGH" << QChar('.') << "ABCDEFGH"
                                                          << "ABCDEFGH";
    QTest::newRow("name of nine characters shortened") << "name"
                                                       << "ABCDEFGHI" << QChar('.') << "ABCDEFG..."
                                                       << "ABCDEFGHI";
    QTest::newRow("empty name clears") << "name"
                                       << "" << QChar('.') << ""
                                       << "";
    QTest::newRow("resistance without trailing zeros") << "resistance"
                                                       << "100" << QChar('.') << "100"
                                                       << "100";
    QTest::newRow("resistance with eight digits") << "resistance"
                                                  << "25.5501234567" << QChar('.') << "25.550123"
                                                  << "25.550123";
    QTest::newRow("resistance with the comma") << "resistance"
                                               << "0.0039083" << QChar(',') << "0,0039083"
                                               << "0.0039083";
    QTest::newRow("coefficient with five decimals") << "coefficient"
                                                    << "0.000123456789" << QChar('.') << "1.23457e-04"
                                                    << "1.23457e-04";
    QTest::newRow("coefficient with the comma") << "coefficient"
                                                << "-5.775e-7" << QChar(',') << "-5,77500e-07"
                                                << "-5.77500e-07";
}

void tst_ProbeEditControllers::labelHelpers()
{
    QFETCH(QString, helper);
    QFETCH(QString, input);
    QFETCH(QChar, separator);
    QFETCH(QString, text);
    QFETCH(QString, toolTip);

    QWidget point;
    QWidget comma;
    TDecimalDisplayController& decimals = TDecimalDisplayController::instance();
    decimals.registerWidget(&point, QLatin1Char('.'));
    decimals.registerWidget(&comma, QLatin1Char(','));
    decimals.decimalSeparatorSelected(separator == QLatin1Char(',') ? &comma : &point);

    QLabel label;
    label.setText(QStringLiteral("old"));
    if (helper == QLatin1String("name"))
        TProbeEditController::setProbeName(input, label);
    else if (helper == QLatin1String("resistance"))
        TProbeEditController::setResistanceCoefficient(input.toDouble(), label);
    else
        TProbeEditController::setCoefficient(input.toDouble(), label);
    decimals.decimalSeparatorSelected(&point);
    QCOMPARE(label.text(), text);
    QCOMPARE(label.toolTip(), toolTip);
}

void tst_ProbeEditControllers::dateLabels()
{
    QLabel label;
    TProbeEditController::dateToLabel(label, QDate(2024, 3, 5));
    QCOMPARE(label.toolTip(), QStringLiteral("05.03.2024"));
    QVERIFY(!label.text().isEmpty());
    QCOMPARE(TProbeEditController::dateFromLabel(label), QDate(2024, 3, 5));

    TProbeEditController::dateToLabel(label, QDate());
    QVERIFY(label.text().isEmpty());
    QVERIFY(label.toolTip().isEmpty());
    QVERIFY(!TProbeEditController::dateFromLabel(label).isValid());
    label.setToolTip(QStringLiteral("2024-03-05"));
    QVERIFY(!TProbeEditController::dateFromLabel(label).isValid());
}

// --- the common check and Save ---------------------------------------------------------------

void tst_ProbeEditControllers::checkBeforeSave_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("tmin");
    QTest::addColumn<QString>("tmax");
    QTest::addColumn<QString>("message");

    QTest::newRow("name and Tmin missing, no comparison")
        << ""
        << ""
        << "10"
        << "Please enter a probe name. Please enter a value for Tmin.";
    QTest::newRow("both limits missing") << "P"
                                         << ""
                                         << ""
                                         << "Please enter a value for Tmin. Please enter a value for Tmax.";
    QTest::newRow("Tmin equal to Tmax") << "P"
                                        << "10"
                                        << "10"
                                        << "Tmax must be greater than Tmin.";
    QTest::newRow("Tmin above Tmax") << "P"
                                     << "20.5"
                                     << "10"
                                     << "Tmax must be greater than Tmin.";
}

void tst_ProbeEditControllers::checkBeforeSave()
{
    QFETCH(QString, name);
    QFETCH(QString, tmin);
    QFETCH(QString, tmax);
    QFETCH(QString, message);

    load();
    TProbeEditController* page = newProbe(form().BtnProbe_NewPRT, name);
    form().LblPRT_Tmin->setText(tmin);
    form().LblPRT_Tmax->setText(tmax);
    TMessageRecorder messages;
    QVERIFY(!page->storeClicked());
    QCOMPARE(messages.texts(), QStringList{message});
    QCOMPARE(saveCommands(), 0);
    // The page keeps what was entered.
    QCOMPARE(form().LblPRT_Tmin->text(), tmin);
}

// --- the PRT page --------------------------------------------------------------------------------

void tst_ProbeEditControllers::newPRTStoredWithStandardCoefficients()
{
    load();
    TProbeEditController* page = newProbe(form().BtnProbe_NewPRT);
    QCOMPARE(mFixture->subMenu().mShownPage, form().PagePRTEdit);
    QCOMPARE(mFixture->subMenu().mType, smtEditorWithMainMenuButton);
    QVERIFY(page->storeClicked());
    QCOMPARE(saveCommands(), 1);

    auto* probe = stored<TPRTProbe>(1);
    QVERIFY(probe);
    QCOMPARE(probe->probeName(), QStringLiteral("Bath 1"));
    QCOMPARE(probe->Tmin(), -50.0);
    QCOMPARE(probe->Tmax(), 250.0);
    QCOMPARE(probe->PRTType(), prttPT100);
    QCOMPARE(probe->conversion(), cprtEN60751);
    QCOMPARE(probe->internalResistor(), rprt100);
    QCOMPARE(probe->CvD_coeff_R0(), 100.0);
    QCOMPARE(probe->CvD_coeff_A(), 3.9083e-3);
    QCOMPARE(probe->CvD_coeff_B(), -5.775e-7);
    QCOMPARE(probe->CvD_coeff_C(), -4.183e-12);
    for (double value :
         {probe->ITS90_coeff_R001(), probe->ITS90_coeff_A(), probe->ITS90_coeff_B(), probe->ITS90_coeff_Ap(),
          probe->ITS90_coeff_Bp(), probe->ITS90_coeff_Cp(), probe->ITS90_coeff_Dp()})
        QCOMPARE(value, 0.0);
    QVERIFY(!probe->isReference());
    QVERIFY(!probe->lastCalDate().isValid());
}

void tst_ProbeEditControllers::prtTypeChoosesResistorAndCurrent()
{
    load(ZTM9900);
    TProbeEditController* page = newProbe(form().BtnProbe_NewPRT);
    release(form().BtnType_Pt25);
    QVERIFY(form().Btn_exc_curr_2mA->isChecked());
    QVERIFY(page->storeClicked());
    QCOMPARE(stored<TPRTProbe>(1)->internalResistor(), rprt25);
    QCOMPARE(stored<TPRTProbe>(1)->operationCurrentSetting(), TwoMilliAmps);
    QCOMPARE(stored<TPRTProbe>(1)->CvD_coeff_R0(), 25.0);

    page = newProbe(form().BtnProbe_NewPRT, QStringLiteral("Bath 2"));
    release(form().BtnType_Pt25);
    release(form().BtnType_Pt100);
    QVERIFY(form().Btn_exc_curr_1mA->isChecked());
    QVERIFY(page->storeClicked());
    QCOMPARE(stored<TPRTProbe>(2)->internalResistor(), rprt100);
    QCOMPARE(stored<TPRTProbe>(2)->operationCurrentSetting(), OneMilliAmp);
}

void tst_ProbeEditControllers::prtOperatingCurrentByInstrumentType_data()
{
    QTest::addColumn<EnInstrumentType>("instrument");
    QTest::addColumn<bool>("pt25");
    QTest::addColumn<QString>("excitation");
    QTest::addColumn<int>("expected");

    QTest::newRow("ZTM9900 stores the chosen button")
        << ZTM9900 << false << "Btn_exc_curr_0_5mA" << int(ZeroPointFiveMilliAmps);
    QTest::newRow("ZTM8800 stores the Pt100 default") << ZTM8800 << false << "Btn_exc_curr_0_5mA" << int(OneMilliAmp);
    QTest::newRow("ZTM8800v2 stores the Pt25 default") << ZTM8800v2 << true << "Btn_exc_curr_1mA" << int(TwoMilliAmps);
}

void tst_ProbeEditControllers::prtOperatingCurrentByInstrumentType()
{
    QFETCH(EnInstrumentType, instrument);
    QFETCH(bool, pt25);
    QFETCH(QString, excitation);
    QFETCH(int, expected);

    load(instrument);
    TProbeEditController* page = newProbe(form().BtnProbe_NewPRT);
    if (pt25)
        release(form().BtnType_Pt25);
    form().PagePRTEdit->findChild<QZELKContainerRadioButton*>(excitation)->setChecked(true);
    QVERIFY(page->storeClicked());
    QCOMPARE(int(stored<TPRTProbe>(1)->operationCurrentSetting()), expected);
}

void tst_ProbeEditControllers::coefficientPadChoosesTheConversion_data()
{
    QTest::addColumn<QString>("row");
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QString>("toolTip");
    QTest::addColumn<QString>("conversion");

    QTest::newRow("R0 entered") << "Btn_CvD_R0" << QStringList{"Btn1", "Btn0", "Btn0", "BtnAccept"} << "100"
                                << "Rb_CvD_PRT";
    QTest::newRow("ITS-90 a entered") << "Btn_ITS90_A" << QStringList{"Btn1", "BtnDecSep", "Btn5", "BtnAccept"}
                                      << "1.50000e+00"
                                      << "Rb_ITS90";
    QTest::newRow("pad cancelled") << "Btn_CvD_B" << QStringList{"Btn7", "BtnCancel"} << ""
                                   << "Rb_CvD_PRT";
}

void tst_ProbeEditControllers::coefficientPadChoosesTheConversion()
{
    QFETCH(QString, row);
    QFETCH(QStringList, keys);
    QFETCH(QString, toolTip);
    QFETCH(QString, conversion);

    load();
    newProbe(form().BtnProbe_NewPRT);
    QVERIFY(form().Rb_EN60751_PRT->isChecked());
    TModalAnswer::onNextModal([keys](QWidget* pPad) { pressKeys(pPad, keys); });
    QWidget* button = form().PagePRTEdit->findChild<QWidget*>(row);
    release(button);
    QCOMPARE(form().PagePRTEdit->findChild<QLabel*>(QString(row).replace("Btn_", "Lbl_"))->toolTip(), toolTip);
    QVERIFY(form().PagePRTEdit->findChild<QRadioButton*>(conversion)->isChecked());
}

void tst_ProbeEditControllers::coefficientsStoredAsShown_data()
{
    QTest::addColumn<QString>("newProbe");
    QTest::addColumn<QString>("conversion");
    QTest::addColumn<QString>("label");
    QTest::addColumn<bool>("resistance");
    QTest::addColumn<double>("entered");
    QTest::addColumn<QString>("field");
    QTest::addColumn<double>("stored");
    QTest::addColumn<QString>("untouched");

    QTest::newRow("PRT R0 keeps 8 significant digits")
        << "BtnProbe_NewPRT"
        << "Rb_CvD_PRT"
        << "Lbl_CvD_R0" << true << 100.123456789 << "R0" << 100.12346 << "B";
    QTest::newRow("PRT A keeps 6") << "BtnProbe_NewPRT"
                                   << "Rb_CvD_PRT"
                                   << "Lbl_CvD_A" << false << 0.000123456789 << "A" << 1.23457e-4 << "C";
    QTest::newRow("thermocouple a0 keeps 6") << "BtnProbe_NewTC"
                                             << "RbPolynom_TC"
                                             << "Lbla0_TC" << false << 0.000123456789 << "a0" << 1.23457e-4 << "c3";
    QTest::newRow("thermocouple range limit") << "BtnProbe_NewTC"
                                              << "RbPolynom_TC"
                                              << "LblTa_min_TC" << false << -40.0 << "Ta min" << -40.0 << "c3";
    QTest::newRow("thermistor Steinhart-Hart a keeps 6")
        << "BtnProbe_NewTherm"
        << "RbSteinhartHart_Therm"
        << "LblSH_a_Therm" << false << 1.2345678e-3 << "SH a" << 1.23457e-3 << "poly c0";
}

// What the user saw is what is stored: the tool tip's precision, not the number typed; a coefficient never
// entered is stored as 0.
void tst_ProbeEditControllers::coefficientsStoredAsShown()
{
    QFETCH(QString, newProbe);
    QFETCH(QString, conversion);
    QFETCH(QString, label);
    QFETCH(bool, resistance);
    QFETCH(double, entered);
    QFETCH(QString, field);
    QFETCH(double, stored);
    QFETCH(QString, untouched);

    load();
    TProbeEditController* page = this->newProbe(mFixture->form().findChild<QWidget*>(newProbe));
    mFixture->form().findChild<QRadioButton*>(conversion)->setChecked(true);
    auto* target = mFixture->form().findChild<QLabel*>(label);
    if (resistance)
        TProbeEditController::setResistanceCoefficient(entered, *target);
    else
        TProbeEditController::setCoefficient(entered, *target);
    QVERIFY(page->storeClicked());

    TAbstractProbe* probe = mFixture->probes().probeByNumber(1);
    const std::map<QString, std::function<double()>> fields{
        {"R0", [probe] { return qobject_cast<TPRTProbe*>(probe)->CvD_coeff_R0(); }},
        {"A", [probe] { return qobject_cast<TPRTProbe*>(probe)->CvD_coeff_A(); }},
        {"B", [probe] { return qobject_cast<TPRTProbe*>(probe)->CvD_coeff_B(); }},
        {"C", [probe] { return qobject_cast<TPRTProbe*>(probe)->CvD_coeff_C(); }},
        {"a0", [probe] { return qobject_cast<TTCProbe*>(probe)->poly_coeff_A0(); }},
        {"Ta min", [probe] { return qobject_cast<TTCProbe*>(probe)->poly_coeff_Ta_min(); }},
        {"c3", [probe] { return qobject_cast<TTCProbe*>(probe)->poly_coeff_C3(); }},
        {"SH a", [probe] { return qobject_cast<TThermistorProbe*>(probe)->SH_coeff_a(); }},
        {"poly c0", [probe] { return qobject_cast<TThermistorProbe*>(probe)->Poly_coeff_c0(); }}};
    QCOMPARE(fields.at(field)(), stored);
    QCOMPARE(fields.at(untouched)(), 0.0);
    if (auto* prt = qobject_cast<TPRTProbe*>(probe))
        QCOMPARE(prt->conversion(), cprtCVD);
    else if (auto* tc = qobject_cast<TTCProbe*>(probe))
        QCOMPARE(tc->conversion(), ctcPolynomial);
    else
        QCOMPARE(qobject_cast<TThermistorProbe*>(probe)->conversion(), cthSteinhartHart);
}

void tst_ProbeEditControllers::automaticResistorFollowsTheType()
{
    fillSlot(3, record(0, QStringLiteral("Auto25"), 1, 1, 0, 2));
    TProbeController& probes = load();
    probes.editProbe(probes.probeByNumber(3));
    QCOMPARE(mFixture->subMenu().mShownPage, form().PagePRTEdit);
    QCOMPARE(form().LblProbeName_PRT->toolTip(), QStringLiteral("Auto25"));
    QVERIFY(editor(form().BtnProbe_NewPRT)->storeClicked());
    QCOMPARE(stored<TPRTProbe>(3)->internalResistor(), rprt25);
}

void tst_ProbeEditControllers::prtCurrentReadout_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("text");

    QTest::newRow("1 mA") << "reply 1"
                          << "1 mA";
    QTest::newRow("1 mA with root 2") << "reply 3"
                                      << "1 mA x \u221A2";
    QTest::newRow("0.5 mA") << "reply 5"
                            << "0.5 mA";
    QTest::newRow("0.5 mA with root 2") << "reply 6"
                                        << "0.5 mA x \u221A2";
    QTest::newRow("unknown code") << "reply 9"
                                  << "---";
    QTest::newRow("error reply") << "error 14"
                                 << "---";
}

void tst_ProbeEditControllers::prtCurrentReadout()
{
    QFETCH(QString, fault);
    QFETCH(QString, text);

    TProbeController& probes = load();
    QCOMPARE(control(QStringLiteral("fault on \"prob:curr?\" ") + fault), QStringLiteral("OK"));
    probes.editProbe(probes.probeByNumber(82));
    QCOMPARE(form().Lbl_Current_Value__PRT->text(), text);
}

void tst_ProbeEditControllers::unchangedDefaultProbeSendsNothing()
{
    TProbeController& probes = load();
    probes.editProbe(probes.probeByNumber(82));
    // Only the caption row and the reference flag are shown.
    QVERIFY(!form().WgtDefaultProbe_PRT->isHidden());
    QVERIFY(form().BtnPRT_ProbeName->isHidden());
    QVERIFY(!form().Btn_Ref_Yes_PRT->isHidden());
    const int before = board().commands().size();
    QVERIFY(editor(form().BtnProbe_NewPRT)->storeClicked());
    QCOMPARE(board().commands().size(), before);
}

void tst_ProbeEditControllers::cancelResetsANewPage()
{
    load();
    TProbeEditController* page = newProbe(form().BtnProbe_NewPRT);
    release(form().BtnType_Pt25);
    QVERIFY(!page->cancelClicked());
    QCOMPARE(int(page->probeNumber()), 1);
    QVERIFY(form().LblProbeName_PRT->toolTip().isEmpty());
    QVERIFY(form().LblPRT_Tmin->text().isEmpty());
    QVERIFY(form().Btn_exc_curr_1mA->isChecked());
}

void tst_ProbeEditControllers::refusedSaveKeepsThePage_data()
{
    QTest::addColumn<QString>("fault");
    QTest::newRow("board answers E5") << "error 5";
    QTest::newRow("board answers E14") << "error 14";
}

// The refusal is said, and the entries wait for another try.
void tst_ProbeEditControllers::refusedSaveKeepsThePage()
{
    QFETCH(QString, fault);
    TProbeController& probes = load();
    QCOMPARE(control("fault on \"prob:save\" " + fault), QStringLiteral("OK"));
    TProbeEditController* page = newProbe(form().BtnProbe_NewPRT);
    TMessageRecorder messages;
    QVERIFY(!page->storeClicked());
    QCOMPARE(messages.texts(), QStringList{"The probe could not be stored on the measurement board."});
    QVERIFY(probes.customProbes().empty());
    QCOMPARE(form().LblProbeName_PRT->toolTip(), QStringLiteral("Bath 1"));
}

void tst_ProbeEditControllers::restoreShowsTheBackupUntilSave()
{
    TProbeController& probes = load();
    QVERIFY(newProbe(form().BtnProbe_NewPRT, QStringLiteral("Old"))->storeClicked());
    TProbeEditController* page = editor(form().BtnProbe_NewPRT);
    probes.editProbe(probes.probeByNumber(1));
    QVERIFY(form().BtnProbeRestore_PRT->isHidden());
    TProbeEditController::setProbeName(QStringLiteral("New"), *form().LblProbeName_PRT);
    QVERIFY(page->storeClicked());

    probes.editProbe(probes.probeByNumber(1));
    QVERIFY(!form().BtnProbeRestore_PRT->isHidden());
    const int saves = saveCommands();
    QStringList texts;
    answerNextModal(texts, QStringLiteral("BtnYes"));
    QVERIFY(QMetaObject::invokeMethod(page, "onBtnRestoreClicked"));
    QCOMPARE(texts.size(), 1);
    QVERIFY(texts.first().startsWith("The previous version of the probe data is dated "));
    QVERIFY(texts.first().endsWith(" WARNING: the probe name has changed since the last backup, it will be renamed "
                                   "to Old!"));
    QCOMPARE(form().LblProbeName_PRT->toolTip(), QStringLiteral("Old"));
    QCOMPARE(probes.probeByNumber(1)->probeName(), QStringLiteral("New"));
    QCOMPARE(saveCommands(), saves);

    QVERIFY(page->storeClicked());
    QCOMPARE(probes.probeByNumber(1)->probeName(), QStringLiteral("Old"));
}

void tst_ProbeEditControllers::restoreRefusesAnotherKind()
{
    TProbeController& probes = load();
    QVERIFY(newProbe(form().BtnProbe_NewPRT, QStringLiteral("Resistor"))->storeClicked());
    QVERIFY(newProbe(form().BtnProbe_NewTC, QStringLiteral("Couple"))->storeClicked());
    probes.editProbe(probes.probeByNumber(2));
    QVERIFY(editor(form().BtnProbe_NewTC)->storeClicked());
    // The thermocouple's backup under the resistance thermometer's number.
    TTamarindSettings& settings = TTamarindSettings::instance();
    for (const QString& key : {QStringLiteral("timestamp"), QStringLiteral("config")})
        settings.setValue(QStringLiteral("probe_backup1"), key, settings.value(QStringLiteral("probe_backup2"), key));

    TProbeEditController* page = editor(form().BtnProbe_NewPRT);
    probes.editProbe(probes.probeByNumber(1));
    TMessageRecorder messages;
    QVERIFY(QMetaObject::invokeMethod(page, "onBtnRestoreClicked"));
    QCOMPARE(messages.texts(), QStringList{"The probe data cannot be restored due to a probe type mismatch."});
    QCOMPARE(form().LblProbeName_PRT->toolTip(), QStringLiteral("Resistor"));
}

// --- the thermocouple page ---------------------------------------------------------------------

void tst_ProbeEditControllers::thermocoupleTypeCIsKept()
{
    fillSlot(4, record(4, QStringLiteral("TypeC"), 1, 1, 0, 0));
    TProbeController& probes = load();
    probes.editProbe(probes.probeByNumber(4));
    QCOMPARE(mFixture->subMenu().mShownPage, form().PageTCEdit);
    QVERIFY(form().Btn_Type_C_TC->isHidden());
    QVERIFY(form().Btn_Type_D_TC->isHidden());
    QVERIFY(!form().Btn_Type_K_TC->isHidden());
    QVERIFY(editor(form().BtnProbe_NewTC)->storeClicked());
    QCOMPARE(stored<TTCProbe>(4)->probeType(), ptC);
}

void tst_ProbeEditControllers::thermocoupleReferenceChannel_data()
{
    QTest::addColumn<int>("channel");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("toolTip");
    QTest::addColumn<QString>("probeName");
    QTest::addColumn<int>("storedJunction");
    QTest::addColumn<int>("storedChannel");

    QTest::newRow("channel 1 with its probe") << 1 << "1 "
                                              << "1"
                                              << "PT100 4-wire" << int(rjChannel) << 1;
    QTest::newRow("channel 2 with its probe") << 2 << "2 "
                                              << "2"
                                              << "PT100 4-wire" << int(rjChannel) << 2;
    QTest::newRow("unknown channel falls back to internal") << 77 << ""
                                                            << ""
                                                            << "" << int(rjInternal) << 0;
}

void tst_ProbeEditControllers::thermocoupleReferenceChannel()
{
    QFETCH(int, channel);
    QFETCH(QString, text);
    QFETCH(QString, toolTip);
    QFETCH(QString, probeName);
    QFETCH(int, storedJunction);
    QFETCH(int, storedChannel);

    fillSlot(4, record(8, QStringLiteral("OnChannel"), 1, 3, channel, 0));
    TProbeController& probes = load();
    probes.editProbe(probes.probeByNumber(4));
    QCOMPARE(form().LblCJC_Channel->text(), text);
    QCOMPARE(form().LblCJC_Channel->toolTip(), toolTip);
    QCOMPARE(form().LblCJCProbeName->text(), probeName);
    QCOMPARE(form().LblCJCProbeName->isHidden(), probeName.isEmpty());
    QVERIFY(editor(form().BtnProbe_NewTC)->storeClicked());
    QCOMPARE(int(stored<TTCProbe>(4)->referenceColdJunction()), storedJunction);
    QCOMPARE(stored<TTCProbe>(4)->refChannelNumber(), storedChannel);
}

void tst_ProbeEditControllers::channelCompensationNeedsAChannel()
{
    load();
    TProbeEditController* page = newProbe(form().BtnProbe_NewTC);
    TModalAnswer::onNextModal([](QWidget* pDialog) { qobject_cast<QDialog*>(pDialog)->reject(); });
    release(form().BtnCJC_Channel_TC);
    QVERIFY(form().LblCJC_Channel->toolTip().isEmpty());
    TMessageRecorder messages;
    QVERIFY(!page->storeClicked());
    QCOMPARE(messages.texts(), QStringList{"Please select a valid channel for the cold junction compensation."});
    QCOMPARE(saveCommands(), 0);
}

// --- the thermistor page ---------------------------------------------------------------------------

void tst_ProbeEditControllers::thermistorReadout_data()
{
    QTest::addColumn<EnInstrumentType>("instrument");
    QTest::addColumn<QString>("setting");
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("range");
    QTest::addColumn<bool>("currentShown");

    QTest::newRow("3 microampere below 450 ohm") << ZTM8800 << "thermistor 84 2 0"
                                                 << "3 \u00B5A"
                                                 << "0 \u03A9 - 450 \u03A9" << true;
    QTest::newRow("1 mA up to 500 kilo-ohm") << ZTM8800v2 << "thermistor 84 0 2"
                                             << "1 mA"
                                             << "40 k\u03A9 - 500 k\u03A9" << true;
    QTest::newRow("failed current query clears its row") << ZTM8800 << "fault on \"sens:ther:curr?\" error 14"
                                                         << ""
                                                         << "450 \u03A9 - 45 k\u03A9" << true;
    QTest::newRow("ZTM9900 hides the current") << ZTM9900 << "thermistor 84 1 1"
                                               << "10 \u00B5A"
                                               << "450 \u03A9 - 45 k\u03A9" << false;
}

void tst_ProbeEditControllers::thermistorReadout()
{
    QFETCH(EnInstrumentType, instrument);
    QFETCH(QString, setting);
    QFETCH(QString, current);
    QFETCH(QString, range);
    QFETCH(bool, currentShown);

    TProbeController& probes = load(instrument);
    QCOMPARE(control(setting), QStringLiteral("OK"));
    probes.editProbe(probes.probeByNumber(84));
    QCOMPARE(mFixture->subMenu().mShownPage, form().PageThermEdit);
    QCOMPARE(form().LblCurrentValue_Therm->text(), current);
    QCOMPARE(form().LblRangeValue_Therm->text(), range);
    QCOMPARE(form().LblCurrentValue_Therm->isHidden(), !currentShown);
    QVERIFY(!form().LblRangeValue_Therm->isHidden());
}

void tst_ProbeEditControllers::newThermistorHasNoReadout()
{
    TProbeController& probes = load();
    probes.editProbe(probes.probeByNumber(84));
    newProbe(form().BtnProbe_NewTherm);
    QVERIFY(form().LblRange_Therm->isHidden());
    QVERIFY(form().LblCurrentValue_Therm->isHidden());
}

// --- which page a probe opens in ---------------------------------------------------------------------

void tst_ProbeEditControllers::pageByProbeKind_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("page");

    QTest::newRow("PRT probe") << 82 << "PagePRTEdit";
    QTest::newRow("thermistor probe") << 84 << "PageThermEdit";
    QTest::newRow("thermocouple probe") << 85 << "PageTCEdit";
    // Its data lives in the probe's own memory, which only the service screen writes.
    QTest::newRow("SMART probe") << 0 << "";
}

void tst_ProbeEditControllers::pageByProbeKind()
{
    QFETCH(int, number);
    QFETCH(QString, page);

    QVERIFY(board().board().plugSmartProbe(1, TSimulatedSmartProbe::its90Pt25()));
    TProbeController& probes = load();
    mFixture->controller().updateSmartProbeStatus();
    auto* channel = qobject_cast<TPRTChannel*>(mFixture->controller().physical_channel(1));
    TAbstractProbe* probe = number > 0 ? probes.probeByNumber(number) : channel->smartProbe();
    QVERIFY(probe);
    const int before = board().commands().size();
    probes.editProbe(probe);
    QCOMPARE(mFixture->subMenu().mShownPage ? mFixture->subMenu().mShownPage->objectName() : QString(), page);
    QCOMPARE(probes.editorByProbe(probe) != nullptr, !page.isEmpty());
    if (page.isEmpty())
        QCOMPARE(board().commands().size(), before);
}

TAMARIND_TEST_MAIN(tst_ProbeEditControllers)
#include "tst_probeeditcontrollers.moc"
