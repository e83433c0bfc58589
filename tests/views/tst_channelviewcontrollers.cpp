#include "averagevaluesettingcontroller.h"
#include "channel.h"
#include "channelcontroller.h"
#include "channelviewcontrollermanager.h"
#include "channelviewcontrollers.h"
#include "channelviewfixture.h"
#include "decimaldisplaycontroller.h"
#include "probe.h"
#include "probecontroller.h"
#include "scanmodecontroller.h"
#include "tamarindsettings.h"
#include "testsupport.h"

#include <QGraphicsOpacityEffect>
#include <QStackedWidget>

#include <cmath>

using namespace Electrical_temperature_units;

Q_DECLARE_METATYPE(Electrical_temperature_units::EnUnit)

namespace
{
const double NO_VALUE = std::nan("");

// From whatever the channel had to exactly pDecimals.
void setDecimals(TAbstractChannel* pChannel, int pDecimals)
{
    while (pChannel->decreasePrecision()) {
    }
    for (int i = 0; i < pDecimals; ++i)
        pChannel->increasePrecision();
}

int fontSize(const QLabel* pLabel)
{
    const QString sheet = pLabel->styleSheet();
    const int start = sheet.indexOf(QLatin1String("font-size: "));
    return start < 0 ? -1 : sheet.mid(start + 11).section(QLatin1String("px"), 0, 0).toInt();
}
} // namespace

// The channel views on the main window's widgets: what a value block shows,
// which view the manager picks and redraws, the difference of two channels and
// the information bar, with the channels fed as the measuring cycle feeds them.
class tst_ChannelViewControllers : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void mainValueFontFollowsTheCountedLength_data();
    void mainValueFontFollowsTheCountedLength();
    void frozenChannelKeepsItsBlockUntilTheUnitChanges();
    void resolutionButtonsStopAtTheUnitsLimits_data();
    void resolutionButtonsStopAtTheUnitsLimits();
    void probeButtonTellsLongFromShortPress();
    void derivedChannelHasNoProbeButton();
    void channelRefusedByTheBoardIsNotShown();

    void configurationGoesToTheViewOfItsSize_data();
    void configurationGoesToTheViewOfItsSize();
    void onlyTheCurrentViewRedraws();
    void emptyPlacesShowNoChannel();

    void difference_data();
    void difference();
    void unmeasuredChannelWithoutValueKeepsThePeaks();
    void measuredPlaceIsBrightTheOtherDimmed();

    void informationBar_data();
    void informationBar();

private:
    TAbstractChannel* channel(int pNumber) const { return mFixture->controller().channel(pNumber); }
    void useSeparator(QChar pSeparator);
    // Most tests need no probe database; those that do read it from the board.
    void rebuild(bool pLoadProbes);
    // The two channels in the two-channel view, which is current.
    void showPair(int pTop, int pBottom, int pMeasured);

    std::unique_ptr<TChannelViewFixture> mFixture;
    QWidget mPointWidget;
    QWidget mCommaWidget;
};

void tst_ChannelViewControllers::initTestCase()
{
    TDecimalDisplayController::instance().registerWidget(&mPointWidget, '.');
    TDecimalDisplayController::instance().registerWidget(&mCommaWidget, ',');
}

void tst_ChannelViewControllers::init()
{
    TTamarindSettings::instance().removeSection(QStringLiteral("scan"));
    for (int number : {1, 2, 3, 4, 10})
        TTamarindSettings::instance().removeSection(QStringLiteral("chan%1").arg(number));
    rebuild(false);
}

void tst_ChannelViewControllers::rebuild(bool pLoadProbes)
{
    mFixture.reset();
    mFixture = std::make_unique<TChannelViewFixture>();
    mFixture->buildViews(pLoadProbes);
    mFixture->manager().activateHomeView();
}

void tst_ChannelViewControllers::cleanup()
{
    mFixture.reset();
    useSeparator('.');
}

void tst_ChannelViewControllers::useSeparator(QChar pSeparator)
{
    TDecimalDisplayController::instance().decimalSeparatorSelected(pSeparator == ',' ? &mCommaWidget : &mPointWidget);
}

void tst_ChannelViewControllers::showPair(int pTop, int pBottom, int pMeasured)
{
    mFixture->manager().attachChannelConfigurationToView({channel(pTop), channel(pBottom)}, channel(pMeasured));
    mFixture->manager().activateScanView();
}

void tst_ChannelViewControllers::mainValueFontFollowsTheCountedLength_data()
{
    QTest::addColumn<bool>("twoChannels");
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<double>("temperature");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("pixels");

    QTest::newRow("no value") << false << QChar('.') << NO_VALUE << 2 << "OL" << 130;
    QTest::newRow("three digits, four decimals, comma") << false << QChar(',') << 123.4567 << 4 << "123,4567" << 106;
    QTest::newRow("negative, three digits, four decimals, comma")
        << false << QChar(',') << -123.4567 << 4 << "-123,4567" << 95;
    QTest::newRow("sixteen characters") << false << QChar('.') << 123456789012.5 << 4 << "123456789012.5000" << 52;
    QTest::newRow("two channels, nine characters") << true << QChar('.') << 12345.6789 << 4 << "12345.6789" << 55;
    QTest::newRow("two channels, sixteen characters")
        << true << QChar('.') << 123456789012.5 << 4 << "123456789012.5000" << 39;
}

void tst_ChannelViewControllers::mainValueFontFollowsTheCountedLength()
{
    QFETCH(bool, twoChannels);
    QFETCH(QChar, separator);
    QFETCH(double, temperature);
    QFETCH(int, decimals);
    QFETCH(QString, text);
    QFETCH(int, pixels);

    useSeparator(separator);
    Ui_TTamarindMainForm& f = mFixture->ui();
    QLabel* label = f.lblSingleViewMainVal;
    if (twoChannels) {
        showPair(1, 2, 1);
        label = f.Lbl2ChanViewMainValue_Top;
    } else {
        mFixture->homeView().setChannels({channel(1)}, channel(1));
    }
    setDecimals(channel(1), decimals);
    channel(1)->setNewValue(110.0, temperature);

    QCOMPARE(label->text(), text);
    QCOMPARE(fontSize(label), pixels);
}

void tst_ChannelViewControllers::frozenChannelKeepsItsBlockUntilTheUnitChanges()
{
    Ui_TTamarindMainForm& f = mFixture->ui();
    TAbstractChannel* shown = channel(1);
    mFixture->homeView().setChannels({shown}, shown);
    setDecimals(shown, 2);
    shown->setNewValue(109.73, 25.0);
    QCOMPARE(f.lblSingleViewMainVal->text(), QStringLiteral("25.00"));

    f.btnSingleViewFreeze->click();
    QVERIFY(f.btnSingleViewFreeze->isFlat());
    shown->setNewValue(110.12, 26.0);
    QCOMPARE(f.lblSingleViewMainVal->text(), QStringLiteral("25.00"));

    // 25 degrees Celsius are 77 degrees Fahrenheit: the frozen value, once, in the new unit.
    mFixture->homeView().changeUnit(shown, uFahrenheit);
    QCOMPARE(f.lblSingleViewMainVal->text(), QStringLiteral("77.00"));
    QCOMPARE(f.btnSingleViewUnit->text(), TAbstractChannel::unitToText(uFahrenheit));
    shown->setNewValue(110.5, 27.0);
    QCOMPARE(f.lblSingleViewMainVal->text(), QStringLiteral("77.00"));

    f.btnSingleViewFreeze->click();
    shown->setNewValue(110.5, 27.0);
    QCOMPARE(f.lblSingleViewMainVal->text(), QStringLiteral("80.60"));
}

void tst_ChannelViewControllers::resolutionButtonsStopAtTheUnitsLimits_data()
{
    QTest::addColumn<EnUnit>("unit");
    QTest::addColumn<int>("maximum");
    QTest::newRow("degrees Celsius") << uCelsius << 4;
    QTest::newRow("ohm") << uOhm << 5;
}

void tst_ChannelViewControllers::resolutionButtonsStopAtTheUnitsLimits()
{
    QFETCH(EnUnit, unit);
    QFETCH(int, maximum);

    Ui_TTamarindMainForm& f = mFixture->ui();
    TAbstractChannel* shown = channel(1);
    mFixture->homeView().setChannels({shown}, shown);
    mFixture->homeView().changeUnit(shown, unit);
    setDecimals(shown, 1);
    mFixture->homeView().initGUI();

    f.btnSingleViewDecRes->click();
    QVERIFY(!f.btnSingleViewDecRes->isEnabled());
    QVERIFY(f.btnSingleViewIncRes->isEnabled());
    for (int i = 0; i < maximum; ++i) {
        QVERIFY2(f.btnSingleViewIncRes->isEnabled(), qPrintable(QString::number(i)));
        f.btnSingleViewIncRes->click();
    }
    QVERIFY(!f.btnSingleViewIncRes->isEnabled());
    QVERIFY(f.btnSingleViewDecRes->isEnabled());
    shown->setNewValue(109.73516, 25.12345);
    const QString text = f.lblSingleViewMainVal->text();
    QCOMPARE(text.size() - text.indexOf('.') - 1, maximum);
}

void tst_ChannelViewControllers::probeButtonTellsLongFromShortPress()
{
    rebuild(true);
    Ui_TTamarindMainForm& f = mFixture->ui();
    TAbstractChannel* shown = channel(1);
    mFixture->homeView().setChannels({shown}, shown);
    mFixture->homeView().initGUI();
    TRecordingSubMenu& menu = mFixture->subMenu();
    const int before = menu.mShown;

    // Held until the timer ran out: the editor's turn, and the release opens nothing.
    emit f.btnSingleViewProbe->pressed();
    QVERIFY(QMetaObject::invokeMethod(&mFixture->homeView(), "onProbeEditTimer"));
    emit f.btnSingleViewProbe->released();
    QCOMPARE(menu.mShown, before);

    emit f.btnSingleViewProbe->pressed();
    emit f.btnSingleViewProbe->released();
    QCOMPARE(menu.mShown, before + 1);
    QCOMPARE(menu.mShownPage, f.PageProbeSelection);
}

void tst_ChannelViewControllers::derivedChannelHasNoProbeButton()
{
    Ui_TTamarindMainForm& f = mFixture->ui();
    TAbstractChannel* sum = channel(10);
    QVERIFY(sum);
    mFixture->homeView().setChannels({sum}, sum);
    mFixture->homeView().initGUI();
    sum->setNewValue(219.0, 48.0);
    QVERIFY(!f.btnSingleViewProbe->isEnabled());
    f.btnSingleViewRoot2->click();
    QVERIFY(f.btnSingleViewRoot2->isHidden());
}

// The board refusing the channel leaves the view on the channel it measures.
void tst_ChannelViewControllers::channelRefusedByTheBoardIsNotShown()
{
    Ui_TTamarindMainForm& f = mFixture->ui();
    TOneChannelViewController& home = mFixture->homeView();
    TAbstractChannel* before = channel(1);
    QVERIFY(mFixture->controller().measureChannel(before));
    home.setChannels({before}, before);
    home.initGUI();
    const QString caption = f.btnSingleViewChanSel->text();

    mFixture->board().board().withFaults([](TBoardFaults& pFaults) {
        TBoardFaults::TCommandFault fault;
        fault.mPrefix = "conf:chan";
        fault.mCount = -1;
        pFaults.mCommandFaults << fault;
    });
    home.channelSelected(channel(2));
    QCOMPARE(home.measuredChannel(), before);
    QCOMPARE(f.btnSingleViewChanSel->text(), caption);
    QCOMPARE(mFixture->controller().measuredChannel(), before);

    mFixture->board().board().withFaults([](TBoardFaults& pFaults) { pFaults.clear(); });
    home.channelSelected(channel(2));
    QCOMPARE(home.measuredChannel(), channel(2));
    QCOMPARE(f.btnSingleViewChanSel->text(), channel(2)->channelBtnText());
}

void tst_ChannelViewControllers::configurationGoesToTheViewOfItsSize_data()
{
    QTest::addColumn<QList<int>>("channels");
    QTest::addColumn<QString>("view");
    QTest::newRow("one channel") << QList<int>{2} << "home";
    QTest::newRow("two channels") << QList<int>{1, 3} << "two";
    QTest::newRow("none") << QList<int>{} << "";
}

void tst_ChannelViewControllers::configurationGoesToTheViewOfItsSize()
{
    QFETCH(QList<int>, channels);
    QFETCH(QString, view);

    TChannelViewControllerManager& manager = mFixture->manager();
    QStackedWidget* stack = mFixture->ui().stackedWidget;
    zelk::vector<TAbstractChannel*> configuration;
    for (int number : channels)
        configuration << channel(number);
    manager.attachChannelConfigurationToView(configuration, configuration.empty() ? nullptr : configuration.front());

    TAbstractChannelViewController* expected = nullptr;
    QWidget* page = nullptr;
    if (view == QLatin1String("home")) {
        expected = &mFixture->homeView();
        page = mFixture->ui().PageHome;
    } else if (view == QLatin1String("two")) {
        expected = &mFixture->twoChannelView();
        page = mFixture->ui().Page2ChannelView;
    }
    QCOMPARE(manager.activeScanViewController(), expected);
    // The current view is the main window's to change.
    QCOMPARE(manager.currentViewController(), &mFixture->homeView());

    stack->setCurrentWidget(mFixture->ui().PageSettings);
    manager.showScanView();
    QCOMPARE(manager.isScanViewVisible(), expected != nullptr);
    QCOMPARE(stack->currentWidget(), page ? page : mFixture->ui().PageSettings);
    manager.activateScanView();
    QCOMPARE(manager.currentViewController(), expected ? expected : &mFixture->homeView());
    if (expected) {
        zelk::vector<TAbstractChannel*> shown;
        expected->channels(shown);
        QCOMPARE(shown, configuration);
    }
}

void tst_ChannelViewControllers::onlyTheCurrentViewRedraws()
{
    Ui_TTamarindMainForm& f = mFixture->ui();
    mFixture->homeView().setChannels({channel(1)}, channel(1));
    showPair(1, 2, 1);
    mFixture->manager().activateHomeView();
    setDecimals(channel(1), 2);
    channel(1)->setNewValue(109.73, 25.0);
    QCOMPARE(f.lblSingleViewMainVal->text(), QStringLiteral("25.00"));
    QVERIFY(f.Lbl2ChanViewMainValue_Top->text() != QStringLiteral("25.00"));

    mFixture->manager().deactivateView();
    channel(1)->setNewValue(110.12, 26.0);
    QCOMPARE(f.lblSingleViewMainVal->text(), QStringLiteral("25.00"));
    QVERIFY(!mFixture->manager().isCurrentViewController(&mFixture->homeView()));
    QVERIFY(!mFixture->manager().isCurrentViewController(&mFixture->twoChannelView()));

    mFixture->manager().activateScanView();
    QCOMPARE(f.Lbl2ChanViewMainValue_Top->text(), QStringLiteral("26.00"));
}

// A view left without channels by a new configuration may still be current.
void tst_ChannelViewControllers::emptyPlacesShowNoChannel()
{
    Ui_TTamarindMainForm& f = mFixture->ui();
    showPair(1, 2, 1);
    mFixture->manager().attachChannelConfigurationToView({}, nullptr);
    TTwoChannelViewController& view = mFixture->twoChannelView();
    const int shownBefore = mFixture->subMenu().mShown;
    view.initGUI();
    QCOMPARE(f.Btn2ChanViewChannelSel_Top->text(), QStringLiteral("Chan."));
    QCOMPARE(f.Btn2ChanViewUnit_Btm->text(), QString());
    for (QZELKPushButton* button : {f.Btn2ChanViewFreeze_Top, f.Btn2ChanViewUnit_Btm, f.Btn2ChanViewChannelSel_Top,
                                    f.Btn2ChanViewRoot2_Btm, f.Btn2ChanViewResDec, f.Btn2ChanViewClearPeak})
        button->click();
    QCOMPARE(mFixture->subMenu().mShown, shownBefore);
    QVERIFY(!channel(1)->isChannelFrozen());
}

void tst_ChannelViewControllers::difference_data()
{
    QTest::addColumn<int>("bottom");
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<EnUnit>("unit");
    QTest::addColumn<double>("topTemperature");
    QTest::addColumn<double>("bottomTemperature");
    QTest::addColumn<QString>("text");
    QTest::addColumn<EnUnit>("shownUnit");

    QTest::newRow("decimals of the coarser channel")
        << 2 << QChar('.') << uCelsius << 25.1234 << 24.98 << "0.14" << uCelsius;
    QTest::newRow("comma") << 2 << QChar(',') << uCelsius << 25.1234 << 24.98 << "0,14" << uCelsius;
    QTest::newRow("degrees Fahrenheit") << 2 << QChar('.') << uFahrenheit << 25.1234 << 20.1234 << "9.00"
                                        << uFahrenheit;
    QTest::newRow("ohm of a resistance and a thermocouple channel")
        << 3 << QChar('.') << uOhm << 25.1234 << 24.98 << "0.14" << uCelsius;
    QTest::newRow("no value") << 2 << QChar('.') << uCelsius << 25.1234 << NO_VALUE << "OL" << uCelsius;
}

void tst_ChannelViewControllers::difference()
{
    QFETCH(int, bottom);
    QFETCH(QChar, separator);
    QFETCH(EnUnit, unit);
    QFETCH(double, topTemperature);
    QFETCH(double, bottomTemperature);
    QFETCH(QString, text);
    QFETCH(EnUnit, shownUnit);

    useSeparator(separator);
    Ui_TTamarindMainForm& f = mFixture->ui();
    setDecimals(channel(1), 4);
    setDecimals(channel(bottom), 2);
    showPair(1, bottom, 1);
    channel(1)->setNewValue(109.73, topTemperature);
    mFixture->twoChannelView().changeUnit(nullptr, unit);
    channel(bottom)->setNewValue(std::isnan(bottomTemperature) ? NO_VALUE : 1.0, bottomTemperature);

    QCOMPARE(f.Lbl2ChanViewDiffValue->text(), text);
    QCOMPARE(f.Btn2ChanViewDiffUnit->text(), TAbstractChannel::unitToText(shownUnit));
    QCOMPARE(f.Lbl2ChanViewDiffCaption->text(), QStringLiteral("Chan. 1 - %1").arg(bottom));
}

void tst_ChannelViewControllers::unmeasuredChannelWithoutValueKeepsThePeaks()
{
    Ui_TTamarindMainForm& f = mFixture->ui();
    showPair(1, 2, 1);
    channel(1)->setNewValue(109.73, 25.0);
    channel(2)->setNewValue(109.0, 23.0);
    channel(1)->setNewValue(109.73, 25.5);
    const QString peakMax = f.Lbl2ChanView_PeakMax->text();
    QVERIFY(!peakMax.isEmpty());

    channel(2)->raiseNoValuesAvailable();
    QCOMPARE(f.Lbl2ChanViewMainValue_Btm->text(), QString());
    QCOMPARE(f.Lbl2ChanView_PeakMax->text(), peakMax);
    QCOMPARE(f.lblInfoBarLeft->text(), QStringLiteral("Chan. 2"));

    channel(1)->raiseNoValuesAvailable();
    QCOMPARE(f.Lbl2ChanView_PeakMax->text(), QString());
}

void tst_ChannelViewControllers::measuredPlaceIsBrightTheOtherDimmed()
{
    Ui_TTamarindMainForm& f = mFixture->ui();
    showPair(1, 2, 1);
    QCOMPARE(opacityOf(f.Wgt2ChanViewTop), 1.0);
    QCOMPARE(opacityOf(f.Wgt2ChanViewBtm), 0.7);
    QVERIFY(f.pnlInformationBar->styleSheet().contains(QLatin1String("#104474")));
    QVERIFY(f.pnl2ChanViewPeak->styleSheet().contains(QLatin1String("#032343")));

    emit mFixture->scanMode().channelSwitched(channel(2));
    QCOMPARE(opacityOf(f.Wgt2ChanViewTop), 0.7);
    QCOMPARE(opacityOf(f.Wgt2ChanViewBtm), 1.0);
    QVERIFY(f.pnlInformationBar->styleSheet().contains(QLatin1String("#005B0A")));
    QVERIFY(f.pnl2ChanViewResolution->styleSheet().contains(QLatin1String("#002D02")));
}

void tst_ChannelViewControllers::informationBar_data()
{
    QTest::addColumn<bool>("calibrationView");
    QTest::addColumn<bool>("reference");
    QTest::addColumn<QString>("left");
    QTest::addColumn<QString>("center");
    QTest::addColumn<QString>("right");

    QTest::newRow("scan view") << false << false << "Channel 2 No. of meas.: 10"
                               << "Average: "
                               << "Stability: ";
    QTest::newRow("calibration view with reference") << true << true << "Channel 2 No. of meas.: 10"
                                                     << "Stability: "
                                                     << "Difference: 1.50 °C";
    QTest::newRow("calibration view without reference") << true << false << "Channel 2 No. of meas.: 10"
                                                        << "Stability: "
                                                        << "Difference: ";
}

void tst_ChannelViewControllers::informationBar()
{
    QFETCH(bool, calibrationView);
    QFETCH(bool, reference);
    QFETCH(QString, left);
    QFETCH(QString, center);
    QFETCH(QString, right);

    if (calibrationView)
        TTamarindSettings::instance().setValue(QStringLiteral("scan"), QStringLiteral("view"),
                                               QString::number(int(EnScanView::svCalibration)));
    rebuild(true);
    Ui_TTamarindMainForm& f = mFixture->ui();
    TScanModeController& scan = mFixture->scanMode();
    TProbeController& probes = mFixture->probes();
    TAbstractProbe* probe = probes.defaultProbe(mFixture->controller().physical_channel(1));
    QVERIFY(probe);
    probes.assignProbeToChannel(probe, mFixture->controller().physical_channel(1), false);
    probe->setReference(reference);
    scan.setChannelConfiguration({channel(1), channel(2)});
    QVERIFY(scan.startScanMode());
    mFixture->manager().activateScanView();
    setDecimals(channel(1), 2);
    setDecimals(channel(2), 2);

    channel(1)->setNewValue(109.73, 25.0);
    channel(2)->setNewValue(109.15, 23.5);

    QCOMPARE(f.lblInfoBarLeft->text(), left);
    QVERIFY2(f.lblInfoBarCenter->text().startsWith(center), qPrintable(f.lblInfoBarCenter->text()));
    if (calibrationView)
        QCOMPARE(f.lblInfoBarRight->text(), right);
    else
        QVERIFY2(f.lblInfoBarRight->text().startsWith(right), qPrintable(f.lblInfoBarRight->text()));
    scan.stopScanMode(channel(1));
}

TAMARIND_TEST_MAIN(tst_ChannelViewControllers)
#include "tst_channelviewcontrollers.moc"
