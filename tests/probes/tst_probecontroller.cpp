#include "boardcontrolinterpreter.h"
#include "boardstate.h"
#include "channel.h"
#include "channelcontroller.h"
#include "formchecks.h"
#include "messagerecorder.h"
#include "probe.h"
#include "probeassignmentlistener.h"
#include "probecontroller.h"
#include "probecontrollerfixture.h"
#include "tamarindsettings.h"
#include "testidentity.h"
#include "testprobes.h"
#include "testsupport.h"

#include <QFontMetrics>
#include <QLabel>
#include <QMouseEvent>
#include <QScrollArea>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QVBoxLayout>

#include <cmath>

using namespace Probe_enums;

namespace
{
// Probe records as the board keeps them (32 fields): sensor code, name, Tmax,
// Tmin, conversion, 18 coefficient slots, resistor or junction code,
// reference channel, calibration year, month, day, wiring, reference flag
// (1 no, 2 yes), channel, keep-warm current (1 on, 2 off).
QString record(int pSensor, const QString& pName, int pConversion, const QStringList& pSlots, int pResistorOrJunction,
               int pReferenceChannel, int pWiring, int pChannel, int pKeepWarm = 2)
{
    QStringList fields{QString::number(pSensor), pName, QStringLiteral("450.0"), QStringLiteral("-200.0"),
                       QString::number(pConversion)};
    fields << pSlots;
    while (fields.size() < 23)
        fields << QStringLiteral("0");
    fields << QString::number(pResistorOrJunction) << QString::number(pReferenceChannel) << QStringLiteral("0")
           << QStringLiteral("0") << QStringLiteral("0") << QString::number(pWiring) << QStringLiteral("1")
           << QString::number(pChannel) << QString::number(pKeepWarm);
    return fields.join(QLatin1Char(','));
}

const QStringList PT100_COEFFICIENTS{"100", "3.9083e-03", "-5.775e-07", "-4.183e-12"};

// A four-wire Pt100 with EN 60751 conversion on the channel.
QString prtRecord(const QString& pName, int pChannel, int pWiring = 2)
{
    return record(1, pName, 1, PT100_COEFFICIENTS, 3, 0, pWiring, pChannel);
}

// A type K thermocouple; junction codes 1 internal, 2 external, 3 on a channel.
QString thermocoupleRecord(const QString& pName, int pChannel, int pJunction, int pReferenceChannel)
{
    return record(8, pName, 1, {}, pJunction, pReferenceChannel, 0, pChannel);
}

// A four-wire Pt100 as an editor would hand it over.
std::unique_ptr<TPRTProbe> customPRT(int pNumber, const QString& pName, int pChannel, QDate pCalibrated = QDate())
{
    return std::make_unique<TPRTProbe>(pNumber, pName, prttPT100, false, pChannel, -100.0, 300.0, pCalibrated, false,
                                       w4wire, false, false, OneMilliAmp, rprt100, cprtEN60751, 100.0, 3.9083e-3,
                                       -5.775e-7, -4.183e-12, 0, 0, 0, 0, 0, 0, 0);
}

QStringList commandsStartingWith(const QList<QByteArray>& pCommands, const QByteArray& pPrefix)
{
    QStringList found;
    for (const QByteArray& command : pCommands) {
        if (command.startsWith(pPrefix))
            found << QString::fromLatin1(command);
    }
    return found;
}

class TRecordingListener : public IProbeAssignmentListener
{
public:
    TRecordingListener(const QString& pName, QStringList& pLog) : mName(pName), mLog(pLog) {}
    void probeAssignedToChannelNotification(TAbstractProbe* probe, TAbstractChannel* channel) override
    {
        mLog << QStringLiteral("%1: %2 on %3").arg(mName, probe->probeName()).arg(channel->internalChannelNumber());
    }

private:
    QString mName;
    QStringList& mLog;
};
} // namespace

class tst_ProbeController : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void loadFromEmptyMemory();
    void loadStopsAtAProbeTheBoardDoesNotGive();
    void defaultProbeReadFailureLosesOnlyThatProbe();
    void defaultResistanceProbeKeepWarmSwitchedOff();
    void thermocoupleJunctionOnALoadedChannel_data();
    void thermocoupleJunctionOnALoadedChannel();
    void lookUps();

    void assignmentMovesTheProbe();
    void refusedAssignmentChangesNothing();
    void invalidProbeIsReleased();
    void listenersToldLastRegisteredFirst();
    void rootTwoAndReferenceFollowTheBoard();

    void editingKeepsTheObjectAndWritesABackup_data();
    void editingKeepsTheObjectAndWritesABackup();
    void noBackupForDefaultProbeOrRefusal();
    void newProbeOnAChannel();
    void newProbeNumberMustBeReadAndFree_data();
    void newProbeNumberMustBeReadAndFree();
    void deletion();
    void externalJunctionThermocouple();

    void filterAndIndicator();
    void deleteButtonFollowsTheActiveRow();
    void newProbeButtonWithoutAFreeNumber_data();
    void newProbeButtonWithoutAFreeNumber();
    void selectionOffersCompatibleProbesOnly();
    void selectionPressClosesThePageAlsoWhenRefused();
    void probeNameRule_data();
    void probeNameRule();
    void temperatureLimitRule_data();
    void temperatureLimitRule();
    void longNameFitsTheSelectionList();
    void deletedRowsGoLater();

private:
    TSimulatedBoardLink& board() { return mFixture->board(); }
    // A line of the simulated board's control interface; its last answer line.
    QString control(const QString& pLine) { return TBoardControlInterpreter(board().board()).execute(pLine).last(); }
    void fillSlot(int pNumber, const QString& pRecord);
    TProbeController& load();
    QList<QByteArray> commandsSinceLoad() const;
    QWidget* menuRow(const QString& pName) const;
    QStringList menuNames() const;
    static void release(QWidget* pWidget);

    std::unique_ptr<TProbeControllerFixture> mFixture;
    int mCommandsAtLoad = 0;
};

void tst_ProbeController::init()
{
    qRegisterMetaType<TAbstractProbe*>();
    TAMARIND_MAKE_FIXTURE(mFixture);
    QVERIFY(identifyBoardAs(board(), ZTM8800));
    for (const QString& section : {QStringLiteral("probe_backup7"), QStringLiteral("probe_backup82")})
        TTamarindSettings::instance().removeSection(section);
}

void tst_ProbeController::cleanup()
{
    mFixture.reset();
}

void tst_ProbeController::fillSlot(int pNumber, const QString& pRecord)
{
    bool filled = false;
    board().board().withState([&](TBoardState& pState) { filled = pState.mProbeMemory.fillSlot(pNumber, pRecord); });
    QVERIFY2(filled, qPrintable(pRecord));
}

TProbeController& tst_ProbeController::load()
{
    mFixture->build();
    board().board().clearRecord();
    TProbeController& probes = mFixture->buildProbes();
    mCommandsAtLoad = board().commands().size();
    return probes;
}

QList<QByteArray> tst_ProbeController::commandsSinceLoad() const
{
    return mFixture->board().commands().mid(mCommandsAtLoad);
}

QStringList tst_ProbeController::menuNames() const
{
    QStringList names;
    auto* layout = qobject_cast<QVBoxLayout*>(mFixture->ui().scrollAreaProbeMenuWidget->layout());
    for (int i = 0; i < layout->count(); ++i) {
        QWidget* row = layout->itemAt(i)->widget();
        if (row && row->objectName().isEmpty())
            names << row->findChild<QLabel*>()->text();
    }
    return names;
}

QWidget* tst_ProbeController::menuRow(const QString& pName) const
{
    auto* layout = qobject_cast<QVBoxLayout*>(mFixture->ui().scrollAreaProbeMenuWidget->layout());
    for (int i = 0; i < layout->count(); ++i) {
        QWidget* row = layout->itemAt(i)->widget();
        if (row && row->objectName().isEmpty() && row->findChild<QLabel*>()->text() == pName)
            return row;
    }
    return nullptr;
}

void tst_ProbeController::release(QWidget* pWidget)
{
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(5, 5), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(pWidget, &release);
}

// --- loading -----------------------------------------------------------------------

void tst_ProbeController::loadFromEmptyMemory()
{
    TProbeController& probes = load();
    QStringList expected;
    for (int number = 1; number <= 85; ++number)
        expected << QStringLiteral("prob:read? %1").arg(number);
    QCOMPARE(commandsStartingWith(board().commands(), "prob:"), expected);
    QVERIFY(probes.customProbes().empty());
    QCOMPARE(int(probes.defaultProbes().size()), 5);
    QCOMPARE(menuNames(),
             (QStringList{"PT100 3-wire", "PT100 4-wire", "PT25 4-wire", "Thermistor 10k", "Thermocouple K"}));
    QCOMPARE(mFixture->ui().LblDefProbe_sprt->text(), QStringLiteral("PT25 4-wire"));
    QCOMPARE(probes.nextFreeProbeNumber(), 1);
    // Channels without a probe of their own measure with the default probe.
    QCOMPARE(mFixture->controller().physical_channel(1)->assignedProbe(), probes.probeByNumber(82));
    QCOMPARE(mFixture->controller().physical_channel(3)->assignedProbe(), probes.probeByNumber(85));
}

// Reading 17 fails three times: the load ends there. Numbers above are not
// known to be free, so no new probe may take them.
void tst_ProbeController::loadStopsAtAProbeTheBoardDoesNotGive()
{
    for (int number = 1; number <= 16; ++number)
        fillSlot(number, prtRecord(QStringLiteral("P%1").arg(number), 0));
    QCOMPARE(control("fault on \"prob:read? 17\" error 1 3"), QStringLiteral("OK"));
    TProbeController& probes = load();

    QStringList expected;
    for (int number = 1; number <= 17; ++number)
        expected << QStringLiteral("prob:read? %1").arg(number);
    expected << "prob:read? 17"
             << "prob:read? 17";
    QCOMPARE(commandsStartingWith(board().commands(), "prob:"), expected);
    QCOMPARE(int(probes.customProbes().size()), 16);
    QVERIFY(probes.defaultProbes().empty());
    QCOMPARE(probes.nextFreeProbeNumber(), 0);
    // The closing steps ran: the menu lists what was read, channels have no default.
    QCOMPARE(menuNames().size(), 16);
    QVERIFY(!mFixture->controller().physical_channel(1)->assignedProbe());
}

void tst_ProbeController::defaultProbeReadFailureLosesOnlyThatProbe()
{
    QCOMPARE(control("fault on \"prob:read? 84\" silence 3"), QStringLiteral("OK"));
    TProbeController& probes = load();
    QCOMPARE(int(probes.defaultProbes().size()), 4);
    QVERIFY(!probes.probeByNumber(84));
    QVERIFY(probes.probeByNumber(85));
}

void tst_ProbeController::defaultResistanceProbeKeepWarmSwitchedOff()
{
    fillSlot(83, record(0, QStringLiteral("PT25 4-wire"), 1, PT100_COEFFICIENTS, 2, 0, 2, 0, 1));
    load();
    QCOMPARE(commandsStartingWith(board().commands(), "prob:kwc"), QStringList{"prob:kwc 83,1"});
}

void tst_ProbeController::thermocoupleJunctionOnALoadedChannel_data()
{
    QTest::addColumn<int>("referenceChannel");
    QTest::addColumn<int>("junction");
    QTest::addColumn<int>("loadedReferenceChannel");
    QTest::newRow("junction on thermocouple input 3 becomes internal") << 3 << int(rjInternal) << 0;
    QTest::newRow("junction on resistance input 1 is kept") << 1 << int(rjChannel) << 1;
    QTest::newRow("junction on a channel that does not exist becomes internal") << 99 << int(rjInternal) << 0;
}

void tst_ProbeController::thermocoupleJunctionOnALoadedChannel()
{
    QFETCH(int, referenceChannel);
    fillSlot(4, thermocoupleRecord(QStringLiteral("TC-K"), 3, 3, referenceChannel));
    TProbeController& probes = load();
    auto* probe = qobject_cast<TTCProbe*>(probes.probeByNumber(4));
    QVERIFY(probe);
    QTEST(int(probe->referenceColdJunction()), "junction");
    QTEST(probe->refChannelNumber(), "loadedReferenceChannel");
    QCOMPARE(probe->channelNumber(), 3);
    // Only the object changes; the board keeps its record.
    QCOMPARE(commandsStartingWith(board().commands(), "sens:tc:"), QStringList());
    QCOMPARE(commandsStartingWith(board().commands(), "prob:save"), QStringList());
}

void tst_ProbeController::lookUps()
{
    fillSlot(1, prtRecord(QStringLiteral("Twin"), 0));
    fillSlot(2, prtRecord(QStringLiteral("Other"), 0));
    fillSlot(4, prtRecord(QStringLiteral("Twin"), 0));
    fillSlot(9, thermocoupleRecord(QStringLiteral("TC low"), 0, 1, 0));
    TProbeController& probes = load();
    QCOMPARE(probes.nextFreeProbeNumber(), 3);
    QCOMPARE(probes.probeByNumber(82)->probeName(), QStringLiteral("PT100 4-wire"));
    QVERIFY(!probes.probeByNumber(0));
    QVERIFY(!probes.probeByNumber(86));
    const zelk::vector<TAbstractProbe*> twins = probes.probesByName(QStringLiteral("Twin"));
    QCOMPARE(int(twins.size()), 2);
    QCOMPARE(twins[0]->internalProbeNumber(), 1);
    QCOMPARE(twins[1]->internalProbeNumber(), 4);
    QVERIFY(probes.probesByName(QStringLiteral("twin")).empty());
    QVERIFY(probes.probesByName(QStringLiteral("PT100 4-wire")).empty());

    zelk::vector<TAbstractProbe*> compatible;
    probes.compatibleProbes(mFixture->controller().physical_channel(3), compatible);
    QCOMPARE(int(compatible.size()), 2);
    QCOMPARE(compatible[0]->internalProbeNumber(), 85);
    QCOMPARE(compatible[1]->internalProbeNumber(), 9);
}

// --- assignment ------------------------------------------------------------------

void tst_ProbeController::assignmentMovesTheProbe()
{
    fillSlot(2, prtRecord(QStringLiteral("Moving"), 1));
    fillSlot(3, prtRecord(QStringLiteral("Staying"), 2));
    TProbeController& probes = load();
    TChannelController& channels = mFixture->controller();
    TAbstractProbe* moving = probes.probeByNumber(2);
    TAbstractProbe* staying = probes.probeByNumber(3);
    QCOMPARE(channels.physical_channel(1)->assignedProbe(), moving);

    QVERIFY(probes.assignProbeToChannel(moving, channels.physical_channel(2), true, true));
    QCOMPARE(commandsSinceLoad(), QList<QByteArray>{"prob:assi 2,2"});
    QCOMPARE(channels.physical_channel(2)->assignedProbe(), moving);
    QCOMPARE(moving->channelNumber(), 2);
    QCOMPARE(channels.physical_channel(1)->assignedProbe(), probes.probeByNumber(82));
    QCOMPARE(staying->channelNumber(), 0);
    QVERIFY(probes.assignProbeToChannel(nullptr, channels.physical_channel(1), true, true));
    QCOMPARE(channels.physical_channel(1)->assignedProbe(), probes.probeByNumber(82));
}

void tst_ProbeController::refusedAssignmentChangesNothing()
{
    fillSlot(2, prtRecord(QStringLiteral("Moving"), 1));
    TProbeController& probes = load();
    TChannelController& channels = mFixture->controller();
    TAbstractProbe* moving = probes.probeByNumber(2);
    QCOMPARE(control("fault on prob:assi silence"), QStringLiteral("OK"));
    QVERIFY(!probes.assignProbeToChannel(moving, channels.physical_channel(2), true, true));
    QCOMPARE(channels.physical_channel(1)->assignedProbe(), moving);
    QCOMPARE(channels.physical_channel(2)->assignedProbe(), probes.probeByNumber(82));
    QCOMPARE(moving->channelNumber(), 1);
}

void tst_ProbeController::invalidProbeIsReleased()
{
    fillSlot(2, prtRecord(QStringLiteral("Moving"), 1));
    TProbeController& probes = load();
    TAbstractProbe* moving = probes.probeByNumber(2);
    TChannelController& channels = mFixture->controller();
    // A resistance probe on a thermocouple input.
    QVERIFY(!probes.assignProbeToChannel(moving, channels.physical_channel(3), true, false));
    QCOMPARE(moving->channelNumber(), 1);
    QVERIFY(commandsSinceLoad().isEmpty());
    QVERIFY(probes.assignProbeToChannel(moving, channels.physical_channel(3), true, true));
    QCOMPARE(commandsSinceLoad(), QList<QByteArray>{"prob:assi 2,0"});
    QCOMPARE(moving->channelNumber(), 0);
    QCOMPARE(channels.physical_channel(1)->assignedProbe(), probes.probeByNumber(82));
}

void tst_ProbeController::listenersToldLastRegisteredFirst()
{
    fillSlot(5, prtRecord(QStringLiteral("Picked"), 0));
    TProbeController& probes = load();
    QStringList log;
    TRecordingListener first(QStringLiteral("first"), log);
    TRecordingListener second(QStringLiteral("second"), log);
    TRecordingListener third(QStringLiteral("third"), log);
    probes.registerProbeAssignmentListener(&first);
    probes.registerProbeAssignmentListener(&second);
    probes.registerProbeAssignmentListener(&first);
    probes.registerProbeAssignmentListener(&third);
    probes.unregisterProbeAssignmentListener(&second);
    probes.registerProbeAssignmentListener(&second);

    probes.selectProbe(mFixture->controller().physical_channel(1), nullptr);
    QWidget* row = mFixture->ui().scrollAreaProbeSelContents->findChildren<QLabel*>().last()->parentWidget();
    release(row);
    QCOMPARE(log, (QStringList{"second: Picked on 1", "third: Picked on 1", "first: Picked on 1"}));
}

void tst_ProbeController::rootTwoAndReferenceFollowTheBoard()
{
    fillSlot(5, prtRecord(QStringLiteral("Root"), 0));
    TProbeController& probes = load();
    auto* prt = qobject_cast<TPRTProbe*>(probes.probeByNumber(5));
    QVERIFY(probes.setCurrentRoot2(prt, true));
    QVERIFY(prt->factorRoot2());
    QCOMPARE(control("fault on prob:curr silence"), QStringLiteral("OK"));
    QVERIFY(!probes.setCurrentRoot2(prt, false));
    QVERIFY(prt->factorRoot2());

    TAbstractProbe* standard = probes.probeByNumber(82);
    probes.defaultProbeReferenceStatusChanged(standard, true);
    QVERIFY(standard->isReference());
    QCOMPARE(control("fault on prob:stat:refe silence"), QStringLiteral("OK"));
    probes.defaultProbeReferenceStatusChanged(standard, false);
    QVERIFY(standard->isReference());
    QCOMPARE(commandsStartingWith(commandsSinceLoad(), "prob:"),
             (QStringList{"prob:curr 5,1", "prob:curr 5,0", "prob:stat:refe 82,1", "prob:stat:refe 82,0"}));
}

// --- creation, deletion, backups ----------------------------------------------------

void tst_ProbeController::editingKeepsTheObjectAndWritesABackup_data()
{
    QTest::addColumn<EnInstrumentType>("variant");
    QTest::newRow("32-field board") << ZTM8800;
    QTest::newRow("33-field board") << ZTM9900;
}

void tst_ProbeController::editingKeepsTheObjectAndWritesABackup()
{
    QFETCH(EnInstrumentType, variant);
    QVERIFY(identifyBoardAs(board(), variant));
    fillSlot(7, prtRecord(QStringLiteral("Before"), 1));
    TProbeController& probes = load();
    TAbstractProbe* probe = probes.probeByNumber(7);
    auto before = TestProbes::prt();
    before->copyContent(*probe);

    // The editor builds the new content as a probe of the same number.
    auto content = customPRT(7, QStringLiteral("After"), 0, QDate(2026, 3, 1));
    QString error;
    const QDateTime started = QDateTime::currentDateTime().addSecs(-1);
    QVERIFY(probes.newProbeCreated(probe, std::move(content), error));
    QVERIFY(error.isEmpty());
    QCOMPARE(probes.probeByNumber(7), probe);
    QCOMPARE(probe->probeName(), QStringLiteral("After"));
    // The channel keeps the probe, the edit does not move it.
    QCOMPARE(probe->channelNumber(), 1);
    QCOMPARE(mFixture->controller().physical_channel(1)->assignedProbe(), probe);
    const QStringList saved = commandsStartingWith(commandsSinceLoad(), "prob:save 7,");
    QCOMPARE(saved.size(), 1);
    QCOMPARE(saved.first().split(QLatin1Char(',')).at(2), QStringLiteral("After"));
    QCOMPARE(saved.first().count(QLatin1Char(',')), variant == ZTM8800 ? 32 : 33);
    QVERIFY(menuNames().contains(QStringLiteral("After")));

    TTamarindSettings& settings = TTamarindSettings::instance();
    const QString stamp = settings.value(QStringLiteral("probe_backup7"), QStringLiteral("timestamp"));
    const QDateTime written = QDateTime::fromString(stamp, QStringLiteral("dd.MM.yyyy hh:mm:ss"));
    QVERIFY2(written.isValid() && written >= started && written <= QDateTime::currentDateTime(), qPrintable(stamp));
    QCOMPARE(settings.value(QStringLiteral("probe_backup7"), QStringLiteral("config")).split(QLatin1Char(',')).at(1),
             QStringLiteral("Before"));

    QDateTime restoredStamp;
    std::unique_ptr<TAbstractProbe> restored = probes.createProbeFromBackup(7, restoredStamp);
    QVERIFY(restored);
    QCOMPARE(restoredStamp, written);
    // The root-2 factor is no part of the record; the sample probe has it set.
    QCOMPARE(TestProbes::differingFields(*restored, *before), QStringList{"factorRoot2"});
    QVERIFY(!restored->isDefaultProbe());
}

void tst_ProbeController::noBackupForDefaultProbeOrRefusal()
{
    fillSlot(7, prtRecord(QStringLiteral("Before"), 0));
    TProbeController& probes = load();
    TAbstractProbe* standard = probes.probeByNumber(82);
    auto content = TestProbes::prt();
    content->copyContent(*standard);
    QString error;
    QVERIFY(probes.newProbeCreated(standard, std::move(content), error));
    QDateTime stamp;
    QVERIFY(!probes.createProbeFromBackup(82, stamp));
    QVERIFY(!stamp.isValid());

    TAbstractProbe* probe = probes.probeByNumber(7);
    QCOMPARE(control("fault on prob:save error 5"), QStringLiteral("OK"));
    content = TestProbes::prt();
    content->copyContent(*probe);
    QSignalSpy changed(&probes, &TProbeController::probeDataChanged);
    QVERIFY(!probes.newProbeCreated(probe, std::move(content), error));
    QVERIFY(error.isEmpty());
    QVERIFY(!TTamarindSettings::instance().containsSetting(QStringLiteral("probe_backup7"), QStringLiteral("config")));
    QCOMPARE(probe->probeName(), QStringLiteral("Before"));
    QCOMPARE(changed.count(), 0);
    QVERIFY(!probes.newProbeCreated(probe, nullptr, error));
}

void tst_ProbeController::newProbeOnAChannel()
{
    TProbeController& probes = load();
    QStringList log;
    TRecordingListener listener(QStringLiteral("view"), log);
    probes.registerProbeAssignmentListener(&listener);
    QSignalSpy changed(&probes, &TProbeController::probeDataChanged);

    // A resistance probe for a thermocouple input is refused with the channel's caption.
    auto probe = customPRT(1, QStringLiteral("New"), 3, QDate());
    QString error;
    QVERIFY(!probes.newProbeCreated(nullptr, std::move(probe), error));
    QCOMPARE(error, QStringLiteral("This probe is not compatible with channel %1 with the current settings.")
                        .arg(mFixture->controller().physical_channel(3)->channelCaption()));
    QVERIFY(commandsSinceLoad().isEmpty());
    QVERIFY(probes.customProbes().empty());

    auto onChannel = customPRT(1, QStringLiteral("New"), 2, QDate());
    QVERIFY(probes.newProbeCreated(nullptr, std::move(onChannel), error));
    TAbstractProbe* created = probes.probeByNumber(1);
    QVERIFY(created);
    QCOMPARE(mFixture->controller().physical_channel(2)->assignedProbe(), created);
    QCOMPARE(log, QStringList{"view: New on 2"});
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.first().first().value<TAbstractProbe*>(), nullptr);
    // Only the record goes to the board; it carries the channel already.
    QCOMPARE(commandsSinceLoad().size(), 1);
    QVERIFY(commandsSinceLoad().first().startsWith("prob:save 1,1,New,"));
    QCOMPARE(probes.nextFreeProbeNumber(), 2);

    auto unassigned = customPRT(2, QStringLiteral("Spare"), 0, QDate());
    QVERIFY(probes.newProbeCreated(nullptr, std::move(unassigned), error));
    QCOMPARE(log.size(), 1);
    QCOMPARE(menuNames().mid(5), (QStringList{"New", "Spare"}));
}

void tst_ProbeController::newProbeNumberMustBeReadAndFree_data()
{
    QTest::addColumn<int>("number");
    QTest::newRow("held by a custom probe") << 5;
    QTest::newRow("a default probe's") << 82;
    QTest::newRow("no probe number") << 0;
    QTest::newRow("above the default probes") << 86;
    QTest::newRow("above the number the load stopped at") << 30;
}

// A new probe under a number held already would destroy a probe that channels
// still point to, or overwrite a probe on the board; nothing is sent.
void tst_ProbeController::newProbeNumberMustBeReadAndFree()
{
    QFETCH(int, number);
    fillSlot(5, prtRecord(QStringLiteral("Held"), 1));
    QCOMPARE(control("fault on \"prob:read? 20\" error 1 3"), QStringLiteral("OK"));
    TProbeController& probes = load();
    TAbstractProbe* held = probes.probeByNumber(5);
    auto probe = customPRT(number, QStringLiteral("Intruder"), 0, QDate());
    QString error;
    QVERIFY(!probes.newProbeCreated(nullptr, std::move(probe), error));
    QVERIFY(commandsSinceLoad().isEmpty());
    QCOMPARE(probes.probeByNumber(5), held);
    QCOMPARE(mFixture->controller().physical_channel(1)->assignedProbe(), held);
}

void tst_ProbeController::deletion()
{
    fillSlot(7, prtRecord(QStringLiteral("Doomed"), 1));
    TProbeController& probes = load();
    TTamarindSettings::instance().setValue(QStringLiteral("probe_backup7"), QStringLiteral("config"), "x");
    TAbstractProbe* standard = probes.probeByNumber(82);
    QVERIFY(!probes.deleteProbe(standard, false));
    QVERIFY(!probes.deleteSelectedProbe());

    // Asked first; No keeps the probe.
    release(menuRow(QStringLiteral("Doomed")));
    TModalAnswer::clickInNextModal(QStringLiteral("BtnNo"));
    QVERIFY(!probes.deleteSelectedProbe());
    QVERIFY(probes.probeByNumber(7));

    // Refused by the board: kept, with its backup.
    QCOMPARE(control("fault on prob:save error 5"), QStringLiteral("OK"));
    QVERIFY(!probes.deleteProbe(probes.probeByNumber(7), true));
    QVERIFY(probes.probeByNumber(7));
    QVERIFY(TTamarindSettings::instance().containsSetting(QStringLiteral("probe_backup7"), QStringLiteral("config")));

    release(menuRow(QStringLiteral("Doomed")));
    TModalAnswer::clickInNextModal(QStringLiteral("BtnYes"));
    QVERIFY(probes.deleteSelectedProbe());
    QVERIFY(!probes.probeByNumber(7));
    QCOMPARE(mFixture->controller().physical_channel(1)->assignedProbe(), standard);
    QVERIFY(!TTamarindSettings::instance().containsSetting(QStringLiteral("probe_backup7"), QStringLiteral("config")));
    QVERIFY(!menuNames().contains(QStringLiteral("Doomed")));
    QVERIFY(commandsSinceLoad().last().startsWith("prob:save 7,0,,0,"));
    QVERIFY(!mFixture->ui().BtnDeleteProbe->isEnabled());
    QCOMPARE(probes.nextFreeProbeNumber(), 1);
}

void tst_ProbeController::externalJunctionThermocouple()
{
    fillSlot(1, prtRecord(QStringLiteral("First"), 0));
    TProbeController& probes = load();
    QCOMPARE(probes.createThermocoupleProbeCJCExtern(), 2);
    auto* probe = qobject_cast<TTCProbe*>(probes.probeByNumber(2));
    QVERIFY(probe);
    QCOMPARE(probe->probeName(), QStringLiteral("TC K Ext"));
    // Sensor code 8 (type K), junction code 2 (external), on no channel.
    const QStringList fields = QString::fromLatin1(commandsSinceLoad().last()).split(QLatin1Char(','));
    QCOMPARE(fields.at(0), QStringLiteral("prob:save 2"));
    QCOMPARE(fields.at(1), QStringLiteral("8"));
    QCOMPARE(fields.at(2), QStringLiteral("TC K Ext"));
    QCOMPARE(fields.at(24), QStringLiteral("2"));
    QCOMPARE(fields.at(31), QStringLiteral("0"));

    mFixture->releaseProbes();
    for (int number = 1; number <= 80; ++number)
        fillSlot(number, prtRecord(QStringLiteral("P%1").arg(number), 0));
    TProbeController& full = load();
    QCOMPARE(full.createThermocoupleProbeCJCExtern(), 0);
    QVERIFY(commandsSinceLoad().isEmpty());
}

// --- lists ----------------------------------------------------------------------------

void tst_ProbeController::filterAndIndicator()
{
    fillSlot(1, prtRecord(QStringLiteral("PTX"), 0));
    fillSlot(2, prtRecord(QStringLiteral("Other"), 0));
    TProbeController& probes = load();
    Ui_TTamarindMainForm& form = mFixture->ui();
    QVERIFY(form.WgtFilter->isHidden());
    probes.setProbeFilter(QStringLiteral("PT*"));
    QCOMPARE(menuNames(), (QStringList{"PT100 3-wire", "PT100 4-wire", "PT25 4-wire", "PTX"}));
    QVERIFY(!form.WgtFilter->isHidden());
    QCOMPARE(form.LblProbeFilterValue->text(), QStringLiteral("PT*"));
    // The selection page keeps its default-probe buttons and loses the filtered rows.
    probes.selectProbe(mFixture->controller().physical_channel(1), nullptr);
    QVERIFY(!form.BtnDefProbe_thermistor->isHidden());
    QStringList selectable;
    for (QLabel* label : form.scrollAreaProbeSelContents->findChildren<QLabel*>()) {
        if (label->objectName().isEmpty() && !label->parentWidget()->isHidden())
            selectable << label->text();
    }
    QCOMPARE(selectable, QStringList{"PTX"});

    probes.setProbeFilter(QString());
    QVERIFY(form.WgtFilter->isHidden());
    QCOMPARE(menuNames().size(), 7);
}

void tst_ProbeController::deleteButtonFollowsTheActiveRow()
{
    fillSlot(3, prtRecord(QStringLiteral("Custom"), 0));
    load();
    QWidget* deleteButton = mFixture->ui().BtnDeleteProbe;
    QVERIFY(!deleteButton->isEnabled());
    release(menuRow(QStringLiteral("PT100 4-wire")));
    QVERIFY(!deleteButton->isEnabled());
    release(menuRow(QStringLiteral("Custom")));
    QVERIFY(deleteButton->isEnabled());
    release(mFixture->ui().BtnProbe_ListSmartProbes);
    QVERIFY(!deleteButton->isEnabled());
}

void tst_ProbeController::newProbeButtonWithoutAFreeNumber_data()
{
    QTest::addColumn<int>("filledSlots");
    QTest::addColumn<QString>("loadFault");
    QTest::addColumn<QString>("message");
    QTest::newRow("all 80 numbers taken")
        << 80 << QString() << "Maximum number of probes reached. Please delete an existing probe first.";
    QTest::newRow("load stopped at a probe the board does not give")
        << 16 << "fault on \"prob:read? 17\" error 1 3"
        << "The probe memory of the measurement board could not be read completely. No new probe can be created "
           "until the instrument has been restarted.";
}

void tst_ProbeController::newProbeButtonWithoutAFreeNumber()
{
    QFETCH(int, filledSlots);
    QFETCH(QString, loadFault);
    QFETCH(QString, message);
    for (int number = 1; number <= filledSlots; ++number)
        fillSlot(number, prtRecord(QStringLiteral("P%1").arg(number), 0));
    if (!loadFault.isEmpty())
        QCOMPARE(control(loadFault), QStringLiteral("OK"));
    load();
    TMessageRecorder messages;
    release(mFixture->ui().BtnProbe_NewTC);
    QTRY_COMPARE(messages.texts(), QStringList{message});
}

void tst_ProbeController::selectionOffersCompatibleProbesOnly()
{
    fillSlot(5, prtRecord(QStringLiteral("Three-wire"), 0, 1));
    fillSlot(6, prtRecord(QStringLiteral("Four-wire"), 0, 2));
    TProbeController& probes = load();
    Ui_TTamarindMainForm& form = mFixture->ui();
    TPRTChannel fourWireOnly(nullptr, 1, 1, QStringLiteral("1"), {w4wire});
    TAbstractProbe* current = probes.probeByNumber(6);
    probes.selectProbe(&fourWireOnly, current);
    QVERIFY(form.BtnDefProbe_3w_prt->isHidden());
    QVERIFY(!form.BtnDefProbe_4w_prt->isHidden());
    QVERIFY(!form.BtnDefProbe_sprt->isHidden());
    QVERIFY(form.BtnDefProbe_thermocouple->isHidden());
    QCOMPARE(mFixture->subMenu().mShownPage, form.PageProbeSelection);
    QCOMPARE(mFixture->subMenu().mType, smtViewer);
    QCOMPARE(mFixture->subMenu().mCaption, QStringLiteral("Probe"));
    QStringList shown;
    for (QLabel* label : form.scrollAreaProbeSelContents->findChildren<QLabel*>()) {
        if (label->objectName().isEmpty() && !label->parentWidget()->isHidden())
            shown << label->text();
    }
    QCOMPARE(shown, QStringList{"Four-wire"});
    QWidget& window = mFixture->form();
    window.resize(800, 480);
    qobject_cast<QStackedWidget*>(form.PageProbeSelection->parentWidget())->setCurrentWidget(form.PageProbeSelection);
    saveSnapshot(&window, QStringLiteral("probe_selection_four_wire_input"));

    // No compatible probe: the page is not shown.
    const int shownBefore = mFixture->subMenu().mShown;
    probes.selectProbe(nullptr, nullptr);
    QCOMPARE(mFixture->subMenu().mShown, shownBefore);
}

void tst_ProbeController::selectionPressClosesThePageAlsoWhenRefused()
{
    fillSlot(5, prtRecord(QStringLiteral("Picked"), 0));
    TProbeController& probes = load();
    QStringList log;
    TRecordingListener listener(QStringLiteral("view"), log);
    probes.registerProbeAssignmentListener(&listener);
    QCOMPARE(control("fault on prob:assi silence"), QStringLiteral("OK"));
    probes.selectProbe(mFixture->controller().physical_channel(2), nullptr);
    release(mFixture->ui().scrollAreaProbeSelContents->findChildren<QLabel*>().last()->parentWidget());
    QCOMPARE(mFixture->subMenu().mCancelled, 1);
    QCOMPARE(log, QStringList{"view: Picked on 2"});
    QCOMPARE(probes.probeByNumber(5)->channelNumber(), 0);
}

void tst_ProbeController::probeNameRule_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("valid");
    QTest::newRow("letters, digits, blank, dot, slash, hyphen, star") << "Pt 100/a-2.5*" << true;
    QTest::newRow("umlaut") << QString::fromUtf8("M\xc3\xbcller") << true;
    QTest::newRow("twenty characters") << "ABCDEFGHIJKLMNOPQRST" << true;
    QTest::newRow("twenty-one characters") << "ABCDEFGHIJKLMNOPQRSTU" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("underscore") << "Pt_100" << false;
    QTest::newRow("sharp s") << QString::fromUtf8("Stra\xc3\x9f"
                                                  "e")
                             << false;
    QTest::newRow("tab") << "Pt\t100" << false;
    QTest::newRow("line feed") << "Pt\n100" << false;
    QTest::newRow("carriage return") << "Pt100\r" << false;
    QTest::newRow("Arabic-Indic digit") << QString::fromUtf8("Pt\xd9\xa1") << false;
    QTest::newRow("comma") << "Pt,100" << false;
}

void tst_ProbeController::probeNameRule()
{
    QFETCH(QString, name);
    QTEST(TProbeController::isValidProbeName(name), "valid");
}

void tst_ProbeController::temperatureLimitRule_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("valid");
    QTest::newRow("lowest") << -999.0 << true;
    QTest::newRow("highest") << 9999.0 << true;
    QTest::newRow("below") << -999.01 << false;
    QTest::newRow("above") << 9999.5 << false;
    QTest::newRow("not a number") << std::nan("") << false;
}

void tst_ProbeController::temperatureLimitRule()
{
    QFETCH(double, value);
    QTEST(TProbeController::isValidTMinMaxValue(value), "valid");
}

void tst_ProbeController::longNameFitsTheSelectionList()
{
    QLabel label;
    TProbeController::updateProbeNameLabel(label, QStringLiteral("Short"));
    QCOMPARE(label.styleSheet(), QStringLiteral("font-size: 18px;"));
    QCOMPARE(label.text(), QStringLiteral("Short"));
    TProbeController::updateProbeNameLabel(label, QStringLiteral("WWWWWWWWWWWWWWWWWWWW"));
    QCOMPARE(label.styleSheet(), QStringLiteral("font-size: 12px;"));
    QVERIFY(label.text().endsWith(QStringLiteral("...")));
    QFont font = label.font();
    font.setPixelSize(12);
    QVERIFY(QFontMetrics(font).horizontalAdvance(label.text()) <= 204);
}

// A rebuild may start from a press on one of the rows it replaces: a row
// left over must still exist while that press is delivered. Rows still
// needed are used again, for whichever probe now stands in their place.
void tst_ProbeController::deletedRowsGoLater()
{
    fillSlot(3, prtRecord(QStringLiteral("Custom"), 0));
    fillSlot(4, prtRecord(QStringLiteral("Other"), 0));
    TProbeController& probes = load();
    QPointer<QWidget> first = menuRow(QStringLiteral("PT100 3-wire"));
    QPointer<QWidget> last = menuRow(QStringLiteral("Other"));
    release(first);
    probes.setProbeFilter(QStringLiteral("Custom"));
    QCOMPARE(menuNames(), QStringList{"Custom"});
    QVERIFY(last);
    QVERIFY(last->isHidden());
    QTRY_VERIFY(!last);
    // The first row now stands for the custom probe, and is not lit.
    QCOMPARE(menuRow(QStringLiteral("Custom")), first.data());
    QVERIFY(!mFixture->ui().BtnDeleteProbe->isEnabled());
    release(first);
    QCOMPARE(probes.probeMenuSelectedProbe(), probes.probeByNumber(3));
    QVERIFY(mFixture->ui().BtnDeleteProbe->isEnabled());
}

TAMARIND_TEST_MAIN(tst_ProbeController)
#include "tst_probecontroller.moc"
