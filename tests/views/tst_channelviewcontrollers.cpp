#include "averagevaluesettingcontroller.h"
#include "channel.h"
#include "channelcontroller.h"
#include "channelviewcomponents.h"
#include "channelviewcontrollermanager.h"
#include "channelviewcontrollers.h"
#include "channelviewfixture.h"
#include "decimaldisplaycontroller.h"
#include "probe.h"
#include "probecontroller.h"
#include "scanmodecontroller.h"
#include "stylesheetchoice.h"
#include "tamarindsettings.h"
#include "testsupport.h"

#include <QGraphicsOpacityEffect>
#include <QLabel>
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
    void resolutionButtonsStopAtTheUnitsLimits_data();
    void resolutionButtonsStopAtTheUnitsLimits();
    void probeButtonTellsLongFromShortPress();
    void derivedChannelHasNoProbeButton();
    void channelRefusedByTheBoardIsNotShown();

    void configurationGoesToTheViewOfItsSize_data();
    void configurationGoesToTheViewOfItsSize();
    void onlyTheCurrentViewRedraws();
    void emptyPlacesShowNoChannel_data();
    void emptyPlacesShowNoChannel();

    void redrawLeavesOutAWithdrawnValue_data();
    void redrawLeavesOutAWithdrawnValue();
    void difference_data();
    void difference();
    void unmeasuredChannelWithoutValueKeepsThePeaks();

    void informationBar_data();
    void informationBar();

    void measuredPlaceGivesTheBarItsColour_data();
    void measuredPlaceGivesTheBarItsColour();
    void channelListOfAnotherSizeIsLeftOut_data();
    void channelListOfAnotherSizeIsLeftOut();
    void captionFollowsTheChannelGiven_data();
    void captionFollowsTheChannelGiven();
    void frozenPlaceRedrawsOnlyOnUnitChange_data();
    void frozenPlaceRedrawsOnlyOnUnitChange();
    void sharedProbe_data();
    void sharedProbe();

private:
    TAbstractChannel* channel(int pNumber) const { return mFixture->controller().channel(pNumber); }
    void useSeparator(QChar pSeparator);
    // Most tests need no probe database; those that do read it from the board.
    // False when the board's line could not be linked, which has failed the row.
    bool rebuild(bool pLoadProbes);
    // The two channels in the two-channel view, which is current.
    void showPair(int pTop, int pBottom, int pMeasured) { showScan({pTop, pBottom}, pMeasured); }
    // The channels in the scan view of their count, which is current.
    void showScan(const QList<int>& pNumbers, int pMeasured);
    template <class TWidget> TWidget* widget(const QString& pName) const
    {
        auto* found = mFixture->form().findChild<TWidget*>(pName);
        if (!found)
            qFatal("no widget %s", qPrintable(pName));
        return found;
    }

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

bool tst_ChannelViewControllers::rebuild(bool pLoadProbes)
{
    mFixture.reset();
    mFixture = std::make_unique<TChannelViewFixture>();
    if (!mFixture->board().linkProblem().isEmpty())
        return false;
    mFixture->buildViews(pLoadProbes);
    mFixture->manager().activateHomeView();
    return true;
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

void tst_ChannelViewControllers::showScan(const QList<int>& pNumbers, int pMeasured)
{
    zelk::vector<TAbstractChannel*> configuration;
    for (int number : pNumbers)
        configuration << channel(number);
    mFixture->manager().attachChannelConfigurationToView(configuration, channel(pMeasured));
    mFixture->manager().activateScanView();
}

void tst_ChannelViewControllers::mainValueFontFollowsTheCountedLength_data()
{
    // The view of that many channels, with the channel in its first place.
    QTest::addColumn<int>("viewChannels");
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<double>("temperature");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("pixels");

    QTest::newRow("no value") << 1 << QChar('.') << NO_VALUE << 2 << "OL" << 130;
    QTest::newRow("three digits, four decimals, comma") << 1 << QChar(',') << 123.4567 << 4 << "123,4567" << 106;
    QTest::newRow("negative, three digits, four decimals, comma")
        << 1 << QChar(',') << -123.4567 << 4 << "-123,4567" << 95;
    QTest::newRow("sixteen characters") << 1 << QChar('.') << 123456789012.5 << 4 << "123456789012.5000" << 52;
    QTest::newRow("two channels, nine characters") << 2 << QChar('.') << 12345.6789 << 4 << "12345.6789" << 55;
    QTest::newRow("two channels, sixteen characters")
        << 2 << QChar('.') << 123456789012.5 << 4 << "123456789012.5000" << 39;
    QTest::newRow("three channels, ten characters") << 3 << QChar(',') << 123456.789 << 4 << "123456,7890" << 53;
    QTest::newRow("three channels, twelve characters")
        << 3 << QChar('.') << 12345678.1234 << 4 << "12345678.1234" << 49;
    QTest::newRow("three channels, sixteen characters")
        << 3 << QChar('.') << 123456789012.5 << 4 << "123456789012.5000" << 39;
    QTest::newRow("four channels, six characters") << 4 << QChar('.') << 25.1234 << 4 << "25.1234" << 45;
    QTest::newRow("four channels, twelve characters") << 4 << QChar('.') << 12345678.1234 << 4 << "12345678.1234" << 32;
    QTest::newRow("four channels, twenty characters")
        << 4 << QChar('.') << 1234567890123456.5 << 4 << "1234567890123456.5000" << 25;
}

void tst_ChannelViewControllers::mainValueFontFollowsTheCountedLength()
{
    QFETCH(int, viewChannels);
    QFETCH(QChar, separator);
    QFETCH(double, temperature);
    QFETCH(int, decimals);
    QFETCH(QString, text);
    QFETCH(int, pixels);

    useSeparator(separator);
    Ui_TTamarindMainForm& f = mFixture->ui();
    const std::map<int, QLabel*> labels{{1, f.lblSingleViewMainVal},
                                        {2, f.Lbl2ChanViewMainValue_Top},
                                        {3, f.Lbl3ChanViewMainValue_Top},
                                        {4, f.Lbl4ChanViewMainValue_TopLeft}};
    QLabel* label = labels.at(viewChannels);
    if (viewChannels > 1)
        showScan(QList<int>{1, 2, 3, 4}.mid(0, viewChannels), 1);
    else
        mFixture->homeView().setChannels({channel(1)}, channel(1));
    setDecimals(channel(1), decimals);
    channel(1)->setNewValue(110.0, temperature);

    QCOMPARE(label->text(), text);
    QCOMPARE(fontSize(label), pixels);
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
    if (!rebuild(true))
        return;
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

namespace
{
// How the view comes to draw channel 1 again after the board withdrew its value.
enum EnRedraw { rNone, rOpenedAgain, rScanTurn };
} // namespace

void tst_ChannelViewControllers::redrawLeavesOutAWithdrawnValue_data()
{
    // The view of that many channels, channel 1 in the named place; the peak label that goes with it.
    QTest::addColumn<int>("viewChannels");
    QTest::addColumn<QString>("mainValue");
    QTest::addColumn<QString>("peakMax");
    QTest::addColumn<int>("redraw");
    // Channel 1 frozen before the withdrawal (1) or after it (2); 0: not frozen.
    QTest::addColumn<int>("frozen");
    // Channel 1's place once it reads 30 degrees again.
    QTest::addColumn<QString>("shown");

    const QString home("lblSingleViewMainVal");
    const QString homePeak("lblSingleViewMax");
    const QString top("Lbl2ChanViewMainValue_Top");
    const QString pairPeak("Lbl2ChanView_PeakMax");
    const QString topLeft("Lbl4ChanViewMainValue_TopLeft");
    QTest::newRow("home view opened again") << 1 << home << homePeak << int(rOpenedAgain) << 0 << "30.00";
    QTest::newRow("home view at a scan's turn") << 1 << home << homePeak << int(rScanTurn) << 0 << "30.00";
    // The peak labels show the peaks of the channel drawn last: here channel 2's.
    QTest::newRow("two-channel view opened again") << 2 << top << QString() << int(rOpenedAgain) << 0 << "30.00";
    // The turn comes from channel 2, whose peaks were on show.
    QTest::newRow("two-channel view at a scan's turn") << 2 << top << pairPeak << int(rScanTurn) << 0 << "30.00";
    QTest::newRow("four-channel view opened again") << 4 << topLeft << QString() << int(rOpenedAgain) << 0 << "30.00";
    // Blank while the value is gone, the held copy once the channel reads again.
    QTest::newRow("home view frozen, the value lost and back") << 1 << home << homePeak << int(rNone) << 1 << "25.00";
    QTest::newRow("two-channel view frozen, at a scan's turn")
        << 2 << top << pairPeak << int(rScanTurn) << 1 << "25.00";
    QTest::newRow("four-channel view frozen, opened again")
        << 4 << topLeft << QString() << int(rOpenedAgain) << 1 << "25.00";
    // Nothing was on show to hold.
    QTest::newRow("home view frozen without a value") << 1 << home << homePeak << int(rNone) << 2 << "";
    QTest::newRow("two-channel view frozen without a value") << 2 << top << pairPeak << int(rNone) << 2 << "";
}

// The board withdrew the value: whatever redraws the view leaves it out until the channel reads again.
void tst_ChannelViewControllers::redrawLeavesOutAWithdrawnValue()
{
    QFETCH(int, viewChannels);
    QFETCH(QString, mainValue);
    QFETCH(QString, peakMax);
    QFETCH(int, redraw);
    QFETCH(int, frozen);
    QFETCH(QString, shown);

    Ui_TTamarindMainForm& f = mFixture->ui();
    const int measured = redraw == rScanTurn && viewChannels > 1 ? 2 : 1;
    if (viewChannels == 1)
        mFixture->homeView().setChannels({channel(1)}, channel(1));
    else
        showScan(QList<int>{1, 2, 3, 4}.mid(0, viewChannels), measured);
    auto* value = widget<QLabel>(mainValue);
    setDecimals(channel(1), 2);
    channel(2)->setNewValue(109.0, 23.0);
    channel(1)->setNewValue(109.73, 25.0);
    QCOMPARE(value->text(), QStringLiteral("25.00"));
    if (frozen == 1)
        channel(1)->setChannelFrozen(true);

    if (redraw == rOpenedAgain) {
        mFixture->manager().deactivateView();
        channel(1)->raiseNoValuesAvailable();
        viewChannels == 1 ? mFixture->manager().activateHomeView() : mFixture->manager().activateScanView();
    } else {
        channel(1)->raiseNoValuesAvailable();
    }
    if (redraw == rScanTurn && viewChannels == 1)
        mFixture->homeView().setChannels({channel(1)}, channel(1));
    else if (redraw == rScanTurn)
        emit mFixture->scanMode().channelSwitched(channel(1));
    QCOMPARE(value->text(), QString());
    QVERIFY2(!f.lblInfoBarCenter->text().contains(QLatin1String("25")), qPrintable(f.lblInfoBarCenter->text()));
    if (!peakMax.isEmpty())
        QCOMPARE(widget<QLabel>(peakMax)->text(), QString());

    if (frozen == 2)
        channel(1)->setChannelFrozen(true);
    channel(1)->setNewValue(111.67, 30.0);
    QCOMPARE(value->text(), shown);
}

void tst_ChannelViewControllers::emptyPlacesShowNoChannel_data()
{
    QTest::addColumn<int>("viewChannels");
    // The buttons of a place with the channel button first and the unit button second.
    QTest::addColumn<QStringList>("buttons");

    QTest::newRow("two channels") << 2 << QStringList{"Btn2ChanViewChannelSel_Top", "Btn2ChanViewUnit_Btm",
                                                      "Btn2ChanViewFreeze_Top",     "Btn2ChanViewRoot2_Btm",
                                                      "Btn2ChanViewResDec",         "Btn2ChanViewClearPeak"};
    QTest::newRow("three channels") << 3
                                    << QStringList{"Btn3ChanViewChannelSel_Mid", "Btn3ChanViewUnit_Mid",
                                                   "Btn3ChanViewFreeze_Mid", "Btn3ChanViewRoot2_Top",
                                                   "Btn3ChanViewChannelSel_Btm"};
    QTest::newRow("four channels") << 4
                                   << QStringList{"Btn4ChanViewChannelSel_BtmRight", "Btn4ChanViewUnit_TopLeft",
                                                  "Btn4ChanViewFreeze_TopRight", "Btn4ChanViewRoot2_BtmLeft",
                                                  "Btn4ChanViewUnit_BtmRight"};
}

// A view left without channels by a new configuration may still be current.
void tst_ChannelViewControllers::emptyPlacesShowNoChannel()
{
    QFETCH(int, viewChannels);
    QFETCH(QStringList, buttons);

    showScan(QList<int>{1, 2, 3, 4}.mid(0, viewChannels), 1);
    TAbstractChannelViewController* view = mFixture->manager().currentViewController();
    mFixture->manager().attachChannelConfigurationToView({}, nullptr);
    const int shownBefore = mFixture->subMenu().mShown;
    view->initGUI();
    QCOMPARE(widget<QZELKPushButton>(buttons.at(0))->text(), QStringLiteral("Chan."));
    QCOMPARE(widget<QZELKPushButton>(buttons.at(1))->text(), QString());
    for (const QString& name : buttons)
        widget<QZELKPushButton>(name)->click();
    QCOMPARE(mFixture->subMenu().mShown, shownBefore);
    for (int number : {1, 2, 3, 4})
        QVERIFY(!channel(number)->isChannelFrozen());
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
    // The channel whose values the board withdraws (0: none) while the other goes on reading; the
    // difference is left out until the withdrawn channel reads again.
    QTest::addColumn<int>("withdrawn");

    QTest::newRow("decimals of the coarser channel")
        << 2 << QChar('.') << uCelsius << 25.1234 << 24.98 << "0.14" << uCelsius << 0;
    QTest::newRow("comma") << 2 << QChar(',') << uCelsius << 25.1234 << 24.98 << "0,14" << uCelsius << 0;
    QTest::newRow("degrees Fahrenheit") << 2 << QChar('.') << uFahrenheit << 25.1234 << 20.1234 << "9.00" << uFahrenheit
                                        << 0;
    QTest::newRow("ohm of a resistance and a thermocouple channel")
        << 3 << QChar('.') << uOhm << 25.1234 << 24.98 << "0.14" << uCelsius << 0;
    QTest::newRow("no value") << 2 << QChar('.') << uCelsius << 25.1234 << NO_VALUE << "OL" << uCelsius << 0;
    QTest::newRow("bottom channel without value")
        << 2 << QChar('.') << uCelsius << 25.1234 << 24.98 << "0.14" << uCelsius << 2;
    QTest::newRow("top channel without value")
        << 2 << QChar('.') << uCelsius << 25.1234 << 24.98 << "0.14" << uCelsius << 1;
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
    QFETCH(int, withdrawn);

    useSeparator(separator);
    Ui_TTamarindMainForm& f = mFixture->ui();
    setDecimals(channel(1), 4);
    setDecimals(channel(bottom), 2);
    showPair(1, bottom, 1);
    const auto readTop = [&]() { channel(1)->setNewValue(109.73, topTemperature); };
    const auto readBottom = [&]() {
        channel(bottom)->setNewValue(std::isnan(bottomTemperature) ? NO_VALUE : 1.0, bottomTemperature);
    };
    readTop();
    mFixture->twoChannelView().changeUnit(nullptr, unit);
    readBottom();
    if (withdrawn) {
        channel(withdrawn)->raiseNoValuesAvailable();
        QCOMPARE(f.Lbl2ChanViewDiffValue->text(), QString());
        withdrawn == 1 ? readBottom() : readTop();
        QCOMPARE(f.Lbl2ChanViewDiffValue->text(), QString());
        withdrawn == 1 ? readTop() : readBottom();
    }

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

void tst_ChannelViewControllers::informationBar_data()
{
    // The home view instead of the scan view of the two channels.
    QTest::addColumn<bool>("homeView");
    QTest::addColumn<bool>("calibrationView");
    QTest::addColumn<bool>("reference");
    // Channels 1 and 2 and, for a view of more, the others; with five, channel 2's tile holds the figures.
    QTest::addColumn<QList<int>>("scanned");
    // The board withdraws the reference's values before channel 2 reads.
    QTest::addColumn<bool>("referenceWithdrawn");
    // The channel frozen while it had no value before it reads (0: none): its bar keeps its live figures.
    QTest::addColumn<int>("frozenWithoutValue");
    // The bar's left text; of tiles, the count of channel 2's tile.
    QTest::addColumn<QString>("left");
    QTest::addColumn<QString>("center");
    QTest::addColumn<QString>("right");

    const QList<int> pair{1, 2};
    QTest::newRow("scan view") << false << false << false << pair << false << 0 << "Channel 2 No. of meas.: 10"
                               << "Average: "
                               << "Stability: ";
    QTest::newRow("home view while scanning names the scanned channel")
        << true << false << false << pair << false << 0 << "Channel 1 No. of meas.: 10"
        << "Average: "
        << "Stability: ";
    QTest::newRow("calibration view with reference")
        << false << true << true << pair << false << 0 << "Channel 2 No. of meas.: 10"
        << "Stability: "
        << "Difference: 1.50 °C";
    QTest::newRow("calibration view without reference")
        << false << true << false << pair << false << 0 << "Channel 2 No. of meas.: 10"
        << "Stability: "
        << "Difference: ";
    QTest::newRow("calibration view, the reference without value")
        << false << true << true << pair << true << 0 << "Channel 2 No. of meas.: 10"
        << "Stability: "
        << "Difference: ";
    QTest::newRow("calibration view of three, the reference without value")
        << false << true << true << QList<int>{1, 2, 3} << true << 0 << "Channel 2 No. of meas.: 10"
        << "Stability: "
        << "Difference: ";
    QTest::newRow("calibration tiles with reference")
        << false << true << true << QList<int>{1, 2, 3, 4, 10} << false << 0 << "No. of meas.: 10"
        << "Stability: "
        << "Difference: 1.50 °C";
    QTest::newRow("calibration tiles, the reference without value")
        << false << true << true << QList<int>{1, 2, 3, 4, 10} << true << 0 << "No. of meas.: 10"
        << "Stability: "
        << "Difference: ";
    QTest::newRow("home view, the channel frozen without a value")
        << true << false << false << pair << false << 1 << "Channel 1 No. of meas.: 10"
        << "Average: "
        << "Stability: ";
    QTest::newRow("calibration view, the DUT frozen without a value")
        << false << true << true << pair << false << 2 << "Channel 2 No. of meas.: 10"
        << "Stability: "
        << "Difference: 1.50 °C";
    QTest::newRow("calibration view of three, the DUT frozen without a value")
        << false << true << true << QList<int>{1, 2, 3} << false << 2 << "Channel 2 No. of meas.: 10"
        << "Stability: "
        << "Difference: 1.50 °C";
    QTest::newRow("calibration tiles, the DUT frozen without a value")
        << false << true << true << QList<int>{1, 2, 3, 4, 10} << false << 2 << "No. of meas.: 10"
        << "Stability: "
        << "Difference: 1.50 °C";
}

void tst_ChannelViewControllers::informationBar()
{
    QFETCH(bool, homeView);
    QFETCH(bool, calibrationView);
    QFETCH(bool, reference);
    QFETCH(QList<int>, scanned);
    QFETCH(bool, referenceWithdrawn);
    QFETCH(int, frozenWithoutValue);
    QFETCH(QString, left);
    QFETCH(QString, center);
    QFETCH(QString, right);

    if (calibrationView)
        TTamarindSettings::instance().setValue(QStringLiteral("scan"), QStringLiteral("view"),
                                               QString::number(int(EnScanView::svCalibration)));
    if (!rebuild(true))
        return;
    Ui_TTamarindMainForm& f = mFixture->ui();
    TScanModeController& scan = mFixture->scanMode();
    TProbeController& probes = mFixture->probes();
    TAbstractProbe* probe = probes.defaultProbe(mFixture->controller().physical_channel(1));
    QVERIFY(probe);
    probes.assignProbeToChannel(probe, mFixture->controller().physical_channel(1), false);
    probe->setReference(reference);
    zelk::vector<TAbstractChannel*> configuration;
    for (int number : scanned)
        configuration << channel(number);
    scan.setChannelConfiguration(configuration);
    QVERIFY(scan.startScanMode());
    const bool tiles = scanned.size() > 4;
    // A tile made while its channel has no value shows no count until a live reading brings one.
    if (tiles && frozenWithoutValue == 2)
        channel(2)->raiseNoValuesAvailable();
    if (homeView)
        mFixture->manager().activateHomeView();
    else
        mFixture->manager().activateScanView();
    setDecimals(channel(1), 2);
    setDecimals(channel(2), 2);
    QLabel* centerLabel =
        tiles ? mFixture->multiChannelView().tileOf(channel(2))->lblAdditionalValue1() : f.lblInfoBarCenter;
    QLabel* rightLabel =
        tiles ? mFixture->multiChannelView().tileOf(channel(2))->lblAdditionalValue2() : f.lblInfoBarRight;
    QLabel* leftLabel =
        tiles ? mFixture->multiChannelView().tileOf(channel(2))->lblAvgMeasurementCount() : f.lblInfoBarLeft;

    const auto freezeWithoutValue = [&](int pNumber) {
        if (frozenWithoutValue == pNumber) {
            channel(pNumber)->raiseNoValuesAvailable();
            channel(pNumber)->setChannelFrozen(true);
        }
    };
    freezeWithoutValue(1);
    channel(1)->setNewValue(109.73, 25.0);
    if (referenceWithdrawn)
        channel(1)->raiseNoValuesAvailable();
    freezeWithoutValue(2);
    channel(2)->setNewValue(109.15, 23.5);

    QCOMPARE(leftLabel->text(), left);
    QVERIFY2(centerLabel->text().startsWith(center), qPrintable(centerLabel->text()));
    if (frozenWithoutValue)
        QVERIFY2(centerLabel->text().size() > center.size(), qPrintable(centerLabel->text()));
    if (calibrationView)
        QCOMPARE(rightLabel->text(), right);
    else
        QVERIFY2(rightLabel->text().startsWith(right), qPrintable(rightLabel->text()));
    if (tiles && reference) {
        // A tile's difference goes and comes with the reference's value, whoever reads next.
        channel(1)->setNewValue(109.73, 25.0);
        QCOMPARE(rightLabel->text(), QStringLiteral("Difference: 1.50 °C"));
        channel(1)->raiseNoValuesAvailable();
        QCOMPARE(rightLabel->text(), QStringLiteral("Difference: "));
    }
    scan.stopScanMode(channel(1));
}

void tst_ChannelViewControllers::measuredPlaceGivesTheBarItsColour_data()
{
    QTest::addColumn<QList<int>>("configuration");
    QTest::addColumn<int>("measured");
    QTest::addColumn<QStringList>("places");
    // The place drawn bright, or none.
    QTest::addColumn<QString>("bright");
    // Empty: the bar keeps the look it had.
    QTest::addColumn<QString>("bar");
    // The panels that take the measured place's colour, and that colour.
    QTest::addColumn<QStringList>("panels");
    QTest::addColumn<QString>("panelColour");

    const QStringList two{"Wgt2ChanViewTop", "Wgt2ChanViewBtm"};
    const QStringList twoPanels{"pnl2ChanViewPeak", "pnl2ChanViewResolution"};
    QTest::newRow("two channels, top measured") << QList<int>{1, 2} << 1 << two << "Wgt2ChanViewTop"
                                                << "#104474" << twoPanels << "#032343";
    QTest::newRow("two channels, bottom measured") << QList<int>{1, 2} << 2 << two << "Wgt2ChanViewBtm"
                                                   << "#005B0A" << twoPanels << "#002D02";
    const QStringList three{"Wgt3ChanViewTop", "Wgt3ChanViewMid", "Wgt3ChanViewBtm"};
    const QStringList four{"Wgt4ChanViewTopLeft", "Wgt4ChanViewTopRight", "Wgt4ChanViewBtmLeft",
                           "Wgt4ChanViewBtmRight"};
    QTest::newRow("three channels, top measured") << QList<int>{1, 2, 3} << 1 << three << "Wgt3ChanViewTop"
                                                  << "#104474" << QStringList{} << "";
    QTest::newRow("three channels, bottom measured") << QList<int>{1, 2, 3} << 3 << three << "Wgt3ChanViewBtm"
                                                     << "#7A1312" << QStringList{} << "";
    QTest::newRow("three channels, measured in no place") << QList<int>{1, 2, 3} << 4 << three << ""
                                                          << "" << QStringList{} << "";
    QTest::newRow("four channels, second of the list measured")
        << QList<int>{3, 1, 4, 2} << 1 << four << "Wgt4ChanViewTopRight"
        << "#005B0A" << QStringList{} << "";
    QTest::newRow("four channels, bottom left measured") << QList<int>{3, 1, 4, 2} << 4 << four << "Wgt4ChanViewBtmLeft"
                                                         << "#7A1312" << QStringList{} << "";
    QTest::newRow("four channels, bottom right measured")
        << QList<int>{3, 1, 4, 2} << 2 << four << "Wgt4ChanViewBtmRight"
        << "#FF7C00" << QStringList{} << "";
    QTest::newRow("four channels, measured in no place") << QList<int>{3, 1, 4, 2} << 10 << four << ""
                                                         << "" << QStringList{} << "";
}

void tst_ChannelViewControllers::measuredPlaceGivesTheBarItsColour()
{
    QFETCH(QList<int>, configuration);
    QFETCH(int, measured);
    QFETCH(QStringList, places);
    QFETCH(QString, bright);
    QFETCH(QString, bar);
    QFETCH(QStringList, panels);
    QFETCH(QString, panelColour);

    Ui_TTamarindMainForm& f = mFixture->ui();
    const QString before = QStringLiteral("#pnlInformationBar { background-color: #123456; }");
    showScan(configuration, configuration.front());
    f.pnlInformationBar->setStyleSheet(before);
    emit mFixture->scanMode().channelSwitched(channel(measured));

    for (const QString& place : places)
        QCOMPARE(opacityOf(widget<QWidget>(place)), place == bright ? 1.0 : 0.7);
    const QString barSheet = TStyleSheetChoice::currentSheet(*f.pnlInformationBar);
    if (bar.isEmpty())
        QCOMPARE(barSheet, before);
    else
        QVERIFY2(barSheet.contains(bar), qPrintable(barSheet));
    for (const QString& panel : panels)
        QVERIFY2(TStyleSheetChoice::currentSheet(*widget<QWidget>(panel)).contains(panelColour), qPrintable(panel));
    // The bar describes the channel switched to, shown or not.
    QCOMPARE(f.lblInfoBarLeft->text(),
             QStringLiteral("Channel %1 No. of meas.: 10").arg(channel(measured)->channelCaption()));
}

void tst_ChannelViewControllers::channelListOfAnotherSizeIsLeftOut_data()
{
    QTest::addColumn<int>("viewChannels");
    QTest::addColumn<QList<int>>("offered");
    QTest::addColumn<QList<int>>("shown");

    QTest::newRow("three channels, two offered") << 3 << QList<int>{3, 4} << QList<int>{1, 2, 10};
    QTest::newRow("three channels, four offered") << 3 << QList<int>{4, 3, 2, 1} << QList<int>{4, 3, 2};
    QTest::newRow("four channels, three offered") << 4 << QList<int>{4, 3, 2} << QList<int>{1, 2, 10, 11};
    QTest::newRow("four channels, five offered") << 4 << QList<int>{11, 4, 3, 2, 1} << QList<int>{11, 4, 3, 2};
}

void tst_ChannelViewControllers::channelListOfAnotherSizeIsLeftOut()
{
    QFETCH(int, viewChannels);
    QFETCH(QList<int>, offered);
    QFETCH(QList<int>, shown);

    showScan(QList<int>{1, 2, 10, 11}.mid(0, viewChannels), 1);
    TAbstractChannelViewController* view = mFixture->manager().currentViewController();
    zelk::vector<TAbstractChannel*> list;
    for (int number : offered)
        list << channel(number);
    view->setChannels(list, list.front());

    zelk::vector<TAbstractChannel*> channels;
    view->channels(channels);
    QList<int> numbers;
    for (TAbstractChannel* shownChannel : channels)
        numbers << shownChannel->internalChannelNumber();
    QCOMPARE(numbers, shown);
    QCOMPARE(view->measuredChannel(), channel(shown.size() == offered.size() ? offered.front() : shown.front()));
}

void tst_ChannelViewControllers::captionFollowsTheChannelGiven_data()
{
    // The view of that many channels, its first place; the channel given there frozen or not.
    QTest::addColumn<int>("viewChannels");
    QTest::addColumn<QString>("mainValue");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("frozen");

    QTest::newRow("home view") << 1 << "lblSingleViewMainVal"
                               << "lblSingleViewCorrCaption" << false;
    QTest::newRow("home view, frozen") << 1 << "lblSingleViewMainVal"
                                       << "lblSingleViewCorrCaption" << true;
    QTest::newRow("two-channel view, frozen") << 2 << "Lbl2ChanViewMainValue_Top"
                                              << "Lbl2ChanViewCorValCaption_Top" << true;
    QTest::newRow("three-channel view") << 3 << "Lbl3ChanViewMainValue_Top"
                                        << "Lbl3ChanViewCorValCaption_Top" << false;
}

// A place given the thermocouple channel 3 while it has no value, after the resistance channel 1.
void tst_ChannelViewControllers::captionFollowsTheChannelGiven()
{
    QFETCH(int, viewChannels);
    QFETCH(QString, mainValue);
    QFETCH(QString, caption);
    QFETCH(bool, frozen);

    const auto show = [&](int pFirst) {
        if (viewChannels == 1)
            mFixture->homeView().setChannels({channel(pFirst)}, channel(pFirst));
        else
            showScan(QList<int>{pFirst, 2, 4}.mid(0, viewChannels), 2);
    };
    show(1);
    channel(1)->setNewValue(109.73, 25.0);
    QCOMPARE(widget<QLabel>(caption)->text(), QStringLiteral("Resistance"));
    channel(3)->setNewValue(1.0, 25.0);
    channel(3)->raiseNoValuesAvailable();
    channel(3)->setChannelFrozen(frozen);

    show(3);
    QCOMPARE(widget<QLabel>(mainValue)->text(), QString());
    QCOMPARE(widget<QLabel>(caption)->text(), QStringLiteral("Thermovoltage"));
    channel(3)->setNewValue(1.2, 30.0);
    QCOMPARE(widget<QLabel>(caption)->text(), QStringLiteral("Thermovoltage"));
    channel(3)->setChannelFrozen(false);
}

void tst_ChannelViewControllers::frozenPlaceRedrawsOnlyOnUnitChange_data()
{
    // The view of that many channels; the frozen channel is in the named place.
    QTest::addColumn<int>("viewChannels");
    QTest::addColumn<QString>("mainValue");
    QTest::addColumn<QString>("freezeButton");
    QTest::addColumn<QString>("unitButton");
    QTest::addColumn<QStringList>("otherUnitButtons");
    // The view's maximum label when the frozen channel is the measured one, whose peaks the view shows.
    QTest::addColumn<QString>("peakMax");

    QTest::newRow("single view") << 1 << "lblSingleViewMainVal"
                                 << "btnSingleViewFreeze"
                                 << "btnSingleViewUnit" << QStringList{} << "lblSingleViewMax";
    QTest::newRow("measured of two") << 2 << "Lbl2ChanViewMainValue_Btm"
                                     << "Btn2ChanViewFreeze_Btm"
                                     << "Btn2ChanViewUnit_Btm" << QStringList{"Btn2ChanViewUnit_Top"}
                                     << "Lbl2ChanView_PeakMax";
    QTest::newRow("middle of three") << 3 << "Lbl3ChanViewMainValue_Mid"
                                     << "Btn3ChanViewFreeze_Mid"
                                     << "Btn3ChanViewUnit_Mid"
                                     << QStringList{"Btn3ChanViewUnit_Top", "Btn3ChanViewUnit_Btm"} << "";
    QTest::newRow("top right of four") << 4 << "Lbl4ChanViewMainValue_TopRight"
                                       << "Btn4ChanViewFreeze_TopRight"
                                       << "Btn4ChanViewUnit_TopRight"
                                       << QStringList{"Btn4ChanViewUnit_TopLeft", "Btn4ChanViewUnit_BtmLeft",
                                                      "Btn4ChanViewUnit_BtmRight"}
                                       << "";
}

// A frozen place keeps its block; a unit change redraws the frozen value once in
// the new unit, and only in that place.
void tst_ChannelViewControllers::frozenPlaceRedrawsOnlyOnUnitChange()
{
    QFETCH(int, viewChannels);
    QFETCH(QString, mainValue);
    QFETCH(QString, freezeButton);
    QFETCH(QString, unitButton);
    QFETCH(QStringList, otherUnitButtons);
    QFETCH(QString, peakMax);

    TAbstractChannel* shown = nullptr;
    if (viewChannels == 1) {
        shown = channel(1);
        mFixture->homeView().setChannels({shown}, shown);
    } else {
        shown = channel(2);
        showScan(QList<int>{1, 2, 3, 4}.mid(0, viewChannels), peakMax.isEmpty() ? 1 : 2);
    }
    auto* value = widget<QLabel>(mainValue);
    auto* freeze = widget<QZELKPushButton>(freezeButton);
    setDecimals(shown, 2);
    shown->setNewValue(109.73, 25.0);
    QCOMPARE(value->text(), QStringLiteral("25.00"));
    freeze->click();
    QVERIFY(shown->isChannelFrozen());
    QVERIFY(freeze->isFlat());
    shown->setNewValue(110.12, 26.0);
    QCOMPARE(value->text(), QStringLiteral("25.00"));

    // 25 degrees Celsius are 77 degrees Fahrenheit.
    mFixture->manager().currentViewController()->changeUnit(shown, uFahrenheit);
    QCOMPARE(value->text(), QStringLiteral("77.00"));
    QCOMPARE(widget<QZELKPushButton>(unitButton)->text(), QStringLiteral("°F"));
    for (const QString& other : otherUnitButtons)
        QCOMPARE(widget<QZELKPushButton>(other)->text(), QStringLiteral("°C"));
    shown->setNewValue(110.5, 27.0);
    QCOMPARE(value->text(), QStringLiteral("77.00"));
    if (viewChannels == 1) {
        // Given another channel and then the frozen one again, the place draws the held copy, not what it
        // showed last.
        channel(2)->setNewValue(109.0, 23.0);
        mFixture->homeView().setChannels({channel(2)}, channel(2));
        QCOMPARE(value->text(), QStringLiteral("23.000"));
        mFixture->homeView().setChannels({shown}, shown);
        QCOMPARE(value->text(), QStringLiteral("77.00"));
    }

    // Released and taken again before the channel reads: the place shows the copy held now (27 degrees
    // Celsius, 80.6 Fahrenheit), however the freeze came, and keeps it.
    shown->setChannelFrozen(false);
    shown->setChannelFrozen(true);
    shown->setNewValue(110.9, 28.0);
    QCOMPARE(value->text(), QStringLiteral("80.60"));
    freeze->click();
    freeze->click();
    QCOMPARE(value->text(), QStringLiteral("82.40"));
    shown->setNewValue(111.3, 29.0);
    QCOMPARE(value->text(), QStringLiteral("82.40"));
    // The peaks shown by then are the held copy's, whose maximum is the value held.
    if (!peakMax.isEmpty())
        QCOMPARE(widget<QLabel>(peakMax)->text().toDouble(), 82.4);

    // Thawed, the live value shows at once (84.2), then the next one.
    freeze->click();
    QVERIFY(!shown->isChannelFrozen());
    QCOMPARE(value->text(), QStringLiteral("84.20"));
    shown->setNewValue(110.5, 27.0);
    QCOMPARE(value->text(), QStringLiteral("80.60"));
}

void tst_ChannelViewControllers::sharedProbe_data()
{
    // The reciprocal of channel 1 shown with it: both stand on the probe of input 1.
    QTest::addColumn<QList<int>>("configuration");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");

    QTest::newRow("middle and bottom of three") << QList<int>{3, 1, 9} << "3ChanView%1_Mid"
                                                << "3ChanView%1_Btm";
    QTest::newRow("top left and bottom right of four") << QList<int>{1, 2, 3, 9} << "4ChanView%1_TopLeft"
                                                       << "4ChanView%1_BtmRight";
}

// A probe used by two shown channels: its root-2 current is one for both,
// its new name reaches the first place at once and the other with its next values.
void tst_ChannelViewControllers::sharedProbe()
{
    QFETCH(QList<int>, configuration);
    QFETCH(QString, first);
    QFETCH(QString, second);

    if (!rebuild(true))
        return;
    TChannelController& controller = mFixture->controller();
    TProbeController& probes = mFixture->probes();
    auto* reciprocal = qobject_cast<TUnaryDerivedChannel*>(channel(9));
    QVERIFY(reciprocal);
    reciprocal->setPhysicalChannel(controller.physical_channel(1));
    TAbstractProbe* probe = probes.defaultProbe(controller.physical_channel(1));
    QVERIFY(qobject_cast<TPRTProbe*>(probe));
    probes.assignProbeToChannel(probe, controller.physical_channel(1), false);
    showScan(configuration, 1);
    auto button = [&](const QString& pPattern, const char* pKind) {
        return widget<QZELKPushButton>(QStringLiteral("Btn") + pPattern.arg(QLatin1String(pKind)));
    };
    QVERIFY(!button(first, "Root2")->isHidden());
    QVERIFY(!button(second, "Root2")->isHidden());
    const bool before = static_cast<TPRTProbe*>(probe)->factorRoot2();
    QCOMPARE(button(first, "Root2")->isFlat(), before);

    button(second, "Root2")->click();
    QCOMPARE(static_cast<TPRTProbe*>(probe)->factorRoot2(), !before);
    QCOMPARE(button(first, "Root2")->isFlat(), !before);
    QCOMPARE(button(second, "Root2")->isFlat(), !before);
    button(first, "Root2")->click();
    QCOMPARE(button(first, "Root2")->isFlat(), before);
    QCOMPARE(button(second, "Root2")->isFlat(), before);

    button(first, "Probe")->setText(QStringLiteral("old"));
    button(second, "Probe")->setText(QStringLiteral("old"));
    emit probes.probeDataChanged(probe);
    QCOMPARE(button(first, "Probe")->text(), probe->probeName());
    QCOMPARE(button(second, "Probe")->text(), QStringLiteral("old"));
}

TAMARIND_TEST_MAIN(tst_ChannelViewControllers)
#include "tst_channelviewcontrollers.moc"
