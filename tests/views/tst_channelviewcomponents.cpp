#include "channel.h"
#include "channelcontroller.h"
#include "channelviewcomponents.h"
#include "channelviewcontrollermanager.h"
#include "channelviewfixture.h"
#include "decimaldisplaycontroller.h"
#include "messagerecorder.h"
#include "scanmodecontroller.h"
#include "tamarindsettings.h"
#include "testsupport.h"
#include "zelkcontainerpushbutton.h"

#include <QDir>
#include <QGraphicsOpacityEffect>
#include <QLabel>
#include <QScrollBar>
#include <QVBoxLayout>

#include <cmath>

namespace
{
const double NO_VALUE = std::nan("");
// Switch-box positions are numbered from 16 on (box on port 1).
constexpr int FIRST_BOX_CHANNEL = 16;
constexpr int READ_INTERVAL = 500;
} // namespace

// The multi-channel view: one tile per channel in the list of the form's
// scroll area, the measured tile blue and in sight, a tap offering probe and
// unit; and every scan view following the channel the simulated board measures.
class tst_ChannelViewComponents : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void tilesStandInListOrderAboveTheSpacer_data();
    void tilesStandInListOrderAboveTheSpacer();
    void captionAndProbeName_data();
    void captionAndProbeName();
    void tileValues_data();
    void tileValues();
    void measuredTileIsBlueAndInSight_data();
    void measuredTileIsBlueAndInSight();
    void tapOffersProbeAndUnit_data();
    void tapOffersProbeAndUnit();
    void scanViewFollowsTheBoard_data();
    void scanViewFollowsTheBoard();

private:
    TAbstractChannel* channel(int pNumber) const { return mFixture->controller().channel(pNumber); }
    zelk::vector<TAbstractChannel*> channels(const QList<int>& pNumbers) const;
    // A fresh fixture; the board state is set before the channel controller reads it.
    // False when the board's line could not be linked, which has failed the row.
    bool rebuild(const std::function<void(TBoardState&)>& pBoardState = {});
    void fitBox(EnSwitchBoxType pType);
    // The configuration in its scan view, which is current.
    void showScan(const QList<int>& pNumbers, int pMeasured);
    // The tiles' channels as the list shows them, top down; -1 for a tile of no shown channel.
    QList<int> tileOrder() const;
    TChannelViewComponents* tile(int pNumber) const { return multiView().tileOf(channel(pNumber)); }
    TMultiChannelViewController& multiView() const { return mFixture->multiChannelView(); }
    QVBoxLayout* list() const { return mFixture->ui().verticalLayout_80; }

    std::unique_ptr<TChannelViewFixture> mFixture;
    QWidget mPointWidget;
    QWidget mCommaWidget;
};

void tst_ChannelViewComponents::initTestCase()
{
    TDecimalDisplayController::instance().registerWidget(&mPointWidget, '.');
    TDecimalDisplayController::instance().registerWidget(&mCommaWidget, ',');
}

void tst_ChannelViewComponents::init()
{
    TTamarindSettings::instance().removeSection(QStringLiteral("scan"));
    for (int number : {1, 2, 3, 4, 10, 11, 16, 17, 18, 19})
        TTamarindSettings::instance().removeSection(QStringLiteral("chan%1").arg(number));
    rebuild();
}

void tst_ChannelViewComponents::cleanup()
{
    mFixture.reset();
    TDecimalDisplayController::instance().decimalSeparatorSelected(&mPointWidget);
}

bool tst_ChannelViewComponents::rebuild(const std::function<void(TBoardState&)>& pBoardState)
{
    mFixture.reset();
    mFixture = std::make_unique<TChannelViewFixture>();
    if (pBoardState)
        mFixture->board().board().withState(pBoardState);
    return mFixture->board().linkProblem().isEmpty();
}

void tst_ChannelViewComponents::fitBox(EnSwitchBoxType pType)
{
    TSimulatedSwitchBox box;
    box.mType = pType;
    box.mSerialNumber = QStringLiteral("SB-1");
    box.mDate = QDate(2023, 6, 1);
    mFixture->board().board().fitSwitchBox(1, box);
}

zelk::vector<TAbstractChannel*> tst_ChannelViewComponents::channels(const QList<int>& pNumbers) const
{
    zelk::vector<TAbstractChannel*> list;
    for (int number : pNumbers)
        list << channel(number);
    return list;
}

void tst_ChannelViewComponents::showScan(const QList<int>& pNumbers, int pMeasured)
{
    if (!mFixture->hasController())
        mFixture->buildViews(false);
    mFixture->manager().attachChannelConfigurationToView(channels(pNumbers), channel(pMeasured));
    mFixture->manager().activateScanView();
}

QList<int> tst_ChannelViewComponents::tileOrder() const
{
    QList<int> order;
    zelk::vector<TAbstractChannel*> shown;
    multiView().channels(shown);
    for (int index = 0; index < list()->count() - 1; ++index) {
        QWidget* button = list()->itemAt(index)->widget();
        int number = -1;
        for (TAbstractChannel* candidate : shown) {
            if (multiView().tileOf(candidate)->button() == button)
                number = candidate->internalChannelNumber();
        }
        order << number;
    }
    return order;
}

void tst_ChannelViewComponents::tilesStandInListOrderAboveTheSpacer_data()
{
    QTest::addColumn<QList<int>>("configuration");
    QTest::addColumn<int>("replaced");
    QTest::addColumn<int>("replacement");
    QTest::addColumn<QList<int>>("order");
    QTest::addColumn<bool>("replacedUnseen");

    QTest::newRow("five channels") << QList<int>{3, 1, 4, 2, 10} << 0 << 0 << QList<int>{3, 1, 4, 2, 10} << false;
    QTest::newRow("a channel twice has one tile")
        << QList<int>{1, 2, 3, 2, 4} << 0 << 0 << QList<int>{1, 2, 3, 4} << false;
    QTest::newRow("replacing the second of six puts the new tile last")
        << QList<int>{1, 2, 3, 4, 10, 11} << 2 << 12 << QList<int>{1, 3, 4, 10, 11, 12} << false;
    QTest::newRow("replacing before the view was ever shown")
        << QList<int>{1, 2, 3, 4, 10, 11} << 2 << 12 << QList<int>{1, 3, 4, 10, 11, 12} << true;
    QTest::newRow("replacing a channel the view does not show")
        << QList<int>{1, 2, 3, 4, 10} << 11 << 12 << QList<int>{1, 2, 3, 4, 10} << false;
}

void tst_ChannelViewComponents::tilesStandInListOrderAboveTheSpacer()
{
    QFETCH(QList<int>, configuration);
    QFETCH(int, replaced);
    QFETCH(int, replacement);
    QFETCH(QList<int>, order);
    QFETCH(bool, replacedUnseen);

    if (replacedUnseen) {
        if (!mFixture->hasController())
            mFixture->buildViews(false);
        mFixture->manager().attachChannelConfigurationToView(channels(configuration), channel(configuration.front()));
        emit mFixture->scanMode().channelReplaced(channel(replaced), channel(replacement));
        // A stored scan costs no tiles before its view is shown.
        QCOMPARE(list()->count(), 1);
        zelk::vector<TAbstractChannel*> shown;
        multiView().channels(shown);
        QCOMPARE(int(shown.size()), order.size());
        mFixture->manager().activateScanView();
    } else {
        showScan(configuration, configuration.front());
        if (replaced)
            emit mFixture->scanMode().channelReplaced(channel(replaced), channel(replacement));
    }
    QCOMPARE(mFixture->manager().currentViewController(), &multiView());

    QCOMPARE(tileOrder(), order);
    QVERIFY(list()->itemAt(list()->count() - 1)->spacerItem());
    // A new configuration takes every tile away; the spacer stays.
    mFixture->manager().attachChannelConfigurationToView(channels({1, 2}), channel(1));
    QCOMPARE(list()->count(), 1);
    QVERIFY(list()->itemAt(0)->spacerItem());
}

void tst_ChannelViewComponents::captionAndProbeName_data()
{
    QTest::addColumn<bool>("smartProbe");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QString>("probeName");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("shownName");
    // The channel's probe comes from the probe database instead.
    QTest::addColumn<bool>("database");

    QTest::newRow("no probe") << false << false << ""
                              << "Chan. 1"
                              << "" << false;
    QTest::newRow("SMART probe, name of 15 characters") << true << true << "SPRT25-A1234567"
                                                        << "Chan. 1 (S)"
                                                        << "SPRT25-A1234567" << false;
    QTest::newRow("SMART probe, name of 16 characters") << true << true << "SPRT25-A12345678"
                                                        << "Chan. 1 (S)"
                                                        << "SPRT25-A1234567..." << false;
    QTest::newRow("disabled SMART probe") << true << false << "SPRT25-A1234567"
                                          << "Chan. 1"
                                          << "" << false;
    QTest::newRow("probe of the database") << false << false << ""
                                           << "Chan. 1"
                                           << "PT100 4-wire" << true;
}

void tst_ChannelViewComponents::captionAndProbeName()
{
    QFETCH(bool, smartProbe);
    QFETCH(bool, enabled);
    QFETCH(QString, probeName);
    QFETCH(QString, caption);
    QFETCH(QString, shownName);
    QFETCH(bool, database);

    TMessageRecorder messages;
    const bool linked = rebuild([&](TBoardState& pState) {
        pState.mMeasuredChannel = 1;
        if (!smartProbe)
            return;
        TSimulatedSmartProbe probe = TSimulatedSmartProbe::callendarVanDusenPt100();
        probe.mName = probeName;
        probe.mEnabled = enabled;
        probe.mCalNext = QDate(2099, 1, 1);
        pState.mSmartProbes.plug(1, probe);
    });
    if (!linked)
        return;
    mFixture->buildViews(database);
    if (database) {
        TPhysicalChannel* input = mFixture->controller().physical_channel(1);
        mFixture->probes().assignProbeToChannel(mFixture->probes().defaultProbe(input), input, false);
    }
    QVERIFY(mFixture->controller().readMeasuredChannel());
    showScan({1, 2, 3, 4, 10}, 1);

    QCOMPARE(tile(1)->lblChannelCaption()->text(), caption);
    QCOMPARE(tile(1)->lblProbeName()->text(), shownName);
    // A derived channel without operands has no probe.
    QCOMPARE(tile(10)->lblProbeName()->text(), QString());

    // A probe's changed data reaches the tile of its channel, a SMART probe's as well.
    if (TAbstractProbe* probe = mFixture->controller().physical_channel(1)->channelProbeStatus().probe()) {
        tile(1)->lblProbeName()->setText(QStringLiteral("old"));
        emit mFixture->probes().probeDataChanged(probe);
        QCOMPARE(tile(1)->lblProbeName()->text(), shownName);
    }
}

void tst_ChannelViewComponents::tileValues_data()
{
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<double>("electrical");
    QTest::addColumn<double>("temperature");
    QTest::addColumn<QString>("temperatureText");
    QTest::addColumn<QString>("electricalText");
    // Whether another view is current when the channel loses its value.
    QTest::addColumn<bool>("away");
    // Frozen while without a value, before it reads again: nothing to hold.
    QTest::addColumn<bool>("frozen");

    // Whatever resolution the channel has: four decimals for the temperature, five for the electrical value.
    QTest::newRow("four and five decimals") << QChar('.') << 109.735162 << 25.123449 << "25.1234 °C"
                                            << QString::fromUtf8("109.73516 \u2126") << false << false;
    QTest::newRow("comma") << QChar(',') << 109.735162 << 25.123449 << "25,1234 °C"
                           << QString::fromUtf8("109,73516 \u2126") << false << false;
    QTest::newRow("no temperature: OL with its unit")
        << QChar('.') << 109.735162 << NO_VALUE << "OL °C" << QString::fromUtf8("109.73516 \u2126") << false << false;
    // The tile must not keep a value the board no longer gives, shown or not.
    QTest::newRow("value lost while another view is current") << QChar('.') << 109.735162 << 25.123449 << "25.1234 °C"
                                                              << QString::fromUtf8("109.73516 \u2126") << true << false;
    QTest::newRow("frozen without a value") << QChar('.') << 109.735162 << 25.123449 << "25.1234 °C"
                                            << QString::fromUtf8("109.73516 \u2126") << false << true;
}

void tst_ChannelViewComponents::tileValues()
{
    QFETCH(QChar, separator);
    QFETCH(double, electrical);
    QFETCH(double, temperature);
    QFETCH(QString, temperatureText);
    QFETCH(QString, electricalText);
    QFETCH(bool, away);
    QFETCH(bool, frozen);

    TDecimalDisplayController::instance().decimalSeparatorSelected(separator == ',' ? &mCommaWidget : &mPointWidget);
    showScan({1, 2, 3, 4, 10}, 1);
    TAbstractChannel* shown = channel(1);
    while (shown->decreasePrecision()) {
    }
    shown->setNewValue(electrical, temperature);

    QCOMPARE(tile(1)->lblTemperatureValue()->text(), temperatureText);
    QCOMPARE(tile(1)->lblElectricalValue()->text(), electricalText);

    // No value: the values go, average and stability keep only their captions.
    if (away)
        mFixture->manager().activateHomeView();
    shown->raiseNoValuesAvailable();
    QCOMPARE(tile(1)->lblTemperatureValue()->text(), QString());
    QCOMPARE(tile(1)->lblElectricalValue()->text(), QString());
    QCOMPARE(tile(1)->lblAdditionalValue1()->text(), QStringLiteral("Average: "));
    QCOMPARE(tile(1)->lblAdditionalValue2()->text(), QStringLiteral("Stability: "));
    QCOMPARE(tile(1)->lblAvgMeasurementCount()->text(), QStringLiteral("No. of meas.: 10"));
    // Opened again, the view does not bring the old value back.
    if (away) {
        mFixture->manager().activateScanView();
        QCOMPARE(tile(1)->lblTemperatureValue()->text(), QString());
    }
    shown->setChannelFrozen(frozen);
    shown->setNewValue(electrical, temperature);
    QCOMPARE(tile(1)->lblTemperatureValue()->text(), frozen ? QString() : temperatureText);
}

void tst_ChannelViewComponents::measuredTileIsBlueAndInSight_data()
{
    QTest::addColumn<bool>("current");
    QTest::newRow("current view") << true;
    QTest::newRow("another view is current") << false;
}

void tst_ChannelViewComponents::measuredTileIsBlueAndInSight()
{
    QFETCH(bool, current);

    fitBox(sbtSWX6300_PRT16);
    mFixture->buildViews(false);
    // Twenty tiles do not fit the page: the list must scroll.
    QList<int> numbers{1, 2, 3, 4};
    for (int position = 0; position < 16; ++position)
        numbers << FIRST_BOX_CHANNEL + position;
    QWidget& form = mFixture->form();
    form.resize(800, 480);
    mFixture->ui().stackedWidget->setCurrentWidget(mFixture->ui().PageMultiChannelView);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    showScan(numbers, 1);
    QScrollBar* scrollBar = mFixture->ui().scrollAreaMultiChannelView->verticalScrollBar();
    // The list takes its new height when the event loop lays it out.
    QTRY_VERIFY(scrollBar->maximum() > 0);
    const int last = FIRST_BOX_CHANNEL + 15;
    QCOMPARE(tile(1)->button()->getColorSchemeIndex(), int(QZELKAbstractButton::csBlue));
    QCOMPARE(tile(last)->button()->getColorSchemeIndex(), int(QZELKAbstractButton::csBlack));
    QCOMPARE(scrollBar->value(), 0);
    QWidget* viewport = mFixture->ui().scrollAreaMultiChannelView->viewport();
    auto inSight = [&](int pNumber) {
        QWidget* button = tile(pNumber)->button();
        const QRect shown(button->mapTo(viewport, QPoint(0, 0)), button->size());
        return viewport->rect().contains(shown);
    };
    QVERIFY(!inSight(last));

    if (!current)
        mFixture->manager().activateHomeView();
    emit mFixture->scanMode().channelSwitched(channel(last));
    QCOMPARE(multiView().measuredChannel(), channel(last));
    if (!current) {
        // Nothing changes until the view is shown again.
        QCOMPARE(tile(1)->button()->getColorSchemeIndex(), int(QZELKAbstractButton::csBlue));
        QCOMPARE(scrollBar->value(), 0);
        mFixture->manager().activateScanView();
    } else {
        QVERIFY(inSight(last));
    }
    QCOMPARE(tile(1)->button()->getColorSchemeIndex(), int(QZELKAbstractButton::csBlack));
    QCOMPARE(tile(last)->button()->getColorSchemeIndex(), int(QZELKAbstractButton::csBlue));
    // The view leaves the information bar to the tiles.
    QCOMPARE(mFixture->ui().pnlInformationBar->styleSheet(), QString());
    QCOMPARE(mFixture->ui().lblInfoBarLeft->text(), QString());
}

void tst_ChannelViewComponents::tapOffersProbeAndUnit_data()
{
    QTest::addColumn<int>("tapped");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("page");

    QTest::newRow("select unit") << 3 << "BtnMultiChannelSubmenu_Unit"
                                 << "PageUnitSelection";
    QTest::newRow("select probe") << 3 << "BtnMultiChannelSubmenu_Probe"
                                  << "PageProbeSelection";
    QTest::newRow("select probe of a derived channel") << 10 << "BtnMultiChannelSubmenu_Probe"
                                                       << "";
    QTest::newRow("select unit before any tap") << 0 << "BtnMultiChannelSubmenu_Unit"
                                                << "";
}

void tst_ChannelViewComponents::tapOffersProbeAndUnit()
{
    QFETCH(int, tapped);
    QFETCH(QString, button);
    QFETCH(QString, page);

    mFixture->buildViews(true);
    showScan({1, 2, 3, 4, 10}, 1);
    TRecordingSubMenu& menu = mFixture->subMenu();
    if (tapped) {
        emit tile(tapped)->button()->clicked();
        QCOMPARE(menu.mCaption, QStringLiteral("Probe / Unit (Chan. %1)")
                                    .arg(tapped == 10 ? channel(10)->channelCaption() : QString::number(tapped)));
        QCOMPARE(menu.mShownPage, mFixture->ui().PageSelectProbeOrUnit);
        QCOMPARE(menu.mType, smtViewer);
        QCOMPARE(menu.mReceiver, static_cast<ISubMenuConfirmationReceiver*>(&multiView()));
    }
    const int shown = menu.mShown;
    mFixture->form().findChild<QPushButton*>(button)->click();
    if (page.isEmpty()) {
        QCOMPARE(menu.mShown, shown);
        return;
    }
    QCOMPARE(menu.mShown, shown + 1);
    QCOMPARE(menu.mShownPage->objectName(), page);
}

void tst_ChannelViewComponents::scanViewFollowsTheBoard_data()
{
    QTest::addColumn<QList<int>>("configuration");
    QTest::addColumn<QString>("page");

    QTest::newRow("three channels") << QList<int>{1, 2, 3} << "Page3ChannelView";
    QTest::newRow("four channels") << QList<int>{1, 2, 3, 4} << "Page4ChannelView";
    QTest::newRow("six channels") << QList<int>{1, 2, 3, 4, FIRST_BOX_CHANNEL, FIRST_BOX_CHANNEL + 1}
                                  << "PageMultiChannelView";
}

// Scan mode runs on the simulated board as the main window runs it: each poll
// reads the measured channel, then scan mode counts it. Scan mode takes the
// channels in ascending order, so the rows list them so.
void tst_ChannelViewComponents::scanViewFollowsTheBoard()
{
    QFETCH(QList<int>, configuration);
    QFETCH(QString, page);

    fitBox(sbtSWX6300_PRT8);
    mFixture->buildViews(false);
    Ui_TTamarindMainForm& f = mFixture->ui();
    QWidget& form = mFixture->form();
    form.resize(800, 480);
    form.show();
    TScanModeController& scan = mFixture->scanMode();
    scan.setChannelConfiguration(channels(configuration));
    QVERIFY(scan.startScanMode());
    mFixture->manager().activateScanView();
    mFixture->manager().showScanView();
    QCOMPARE(f.stackedWidget->currentWidget()->objectName(), page);

    // The place or tile of each channel and whether it shows the channel as measured.
    const std::map<int, QWidget*> places{{1, f.Wgt3ChanViewTop}, {2, f.Wgt3ChanViewMid}, {3, f.Wgt3ChanViewBtm}};
    const std::map<int, QWidget*> quarters{{1, f.Wgt4ChanViewTopLeft},
                                           {2, f.Wgt4ChanViewTopRight},
                                           {3, f.Wgt4ChanViewBtmLeft},
                                           {4, f.Wgt4ChanViewBtmRight}};
    auto isShownMeasured = [&](int pNumber) {
        if (configuration.size() == 3)
            return opacityOf(places.at(pNumber)) == 1.0;
        if (configuration.size() == 4)
            return opacityOf(quarters.at(pNumber)) == 1.0;
        return tile(pNumber)->button()->getColorSchemeIndex() == QZELKAbstractButton::csBlue;
    };

    // Every channel once, and back to the first.
    for (int turn = 0; turn <= configuration.size(); ++turn) {
        int measuredOnBoard = 0;
        mFixture->board().board().withState([&](TBoardState& pState) { measuredOnBoard = pState.mMeasuredChannel; });
        QCOMPARE(measuredOnBoard, configuration.at(turn % configuration.size()));
        for (int number : configuration)
            QVERIFY2(isShownMeasured(number) == (number == measuredOnBoard), qPrintable(QString::number(number)));
        TAbstractChannel* before = scan.activeChannel();
        for (int poll = 0; poll < 20 && scan.activeChannel() == before; ++poll) {
            // A channel without probe reads an error, and the view shows no value for it.
            mFixture->controller().readMeasuredChannel();
            scan.afterMeasBoardPolled(READ_INTERVAL);
        }
    }

    const QString directory = qEnvironmentVariable("TAMARIND_SNAPSHOT_DIR");
    if (!directory.isEmpty()) {
        QVERIFY(QDir().mkpath(directory));
        QVERIFY(form.grab().save(directory + QStringLiteral("/scanview_%1.png").arg(configuration.size())));
    }
    scan.stopScanMode(channel(1));
}

TAMARIND_TEST_MAIN(tst_ChannelViewComponents)
#include "tst_channelviewcomponents.moc"
