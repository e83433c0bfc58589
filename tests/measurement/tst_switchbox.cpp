#include "channel.h"
#include "switchbox.h"
#include "testprobes.h"
#include "testsupport.h"

#include <map>
#include <memory>

Q_DECLARE_METATYPE(EnSwitchBoxType)

namespace
{
using TChannelMap = std::map<int, std::unique_ptr<TAbstractChannel>>;

class TTypeChangeRecorder : public IChannelTypeChangeListener
{
public:
    void channelTypeChanged(TAbstractChannel* pChannel) override { mChanged << pChannel; }
    zelk::vector<TAbstractChannel*> mChanged;
};

std::unique_ptr<TAbstractSwitchBox> makeBox(const QString& pModel, int pIndex, int pChannelCount, EnSwitchBoxType pType)
{
    if (pModel == "SWX6300")
        return std::make_unique<TSWX6300_SwitchBox>(pIndex, pChannelCount, pType, "SB-1", QDate(2024, 2, 29));
    return std::make_unique<TSWX6100_SwitchBox>(pIndex, pChannelCount, pType, "SB-1", QDate(2024, 2, 29));
}
} // namespace

class tst_SwitchBox : public QObject
{
    Q_OBJECT

private slots:
    void channelNumbers_data();
    void channelNumbers();
    void channelKinds_data();
    void channelKinds();
    void takenNumberKeepsItsChannel();
    void channelsReportToTheListener();
    void typeTexts_data();
    void typeTexts();
};

void tst_SwitchBox::channelNumbers_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("channelCount");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    QTest::addColumn<QString>("lastCaption");

    QTest::newRow("SWX6300 with 8 positions on the first port") << "SWX6300" << 0 << 8 << 16 << 23 << "1.8";
    QTest::newRow("SWX6300 with 16 positions on the first port") << "SWX6300" << 0 << 16 << 16 << 31 << "1.16";
    QTest::newRow("SWX6300 with 16 positions on the fourth port") << "SWX6300" << 3 << 16 << 64 << 79 << "4.16";
    QTest::newRow("SWX6100 on the first port") << "SWX6100" << 0 << 20 << 80 << 99 << "1.20";
    QTest::newRow("SWX6100 on the second port") << "SWX6100" << 1 << 20 << 120 << 139 << "2.20";
    QTest::newRow("SWX6100 on the fourth port") << "SWX6100" << 3 << 20 << 200 << 219 << "4.20";
}

void tst_SwitchBox::channelNumbers()
{
    QFETCH(QString, model);
    QFETCH(int, index);
    QFETCH(int, channelCount);
    QFETCH(int, first);
    QFETCH(int, last);
    QFETCH(QString, lastCaption);

    auto box = makeBox(model, index, channelCount, model == "SWX6300" ? sbtSWX6300_PRT16 : sbtSWX6100_10);
    TChannelMap map;
    box->createChannelObjects(nullptr, map, 10);

    QCOMPARE(int(map.size()), channelCount);
    QCOMPARE(map.begin()->first, first);
    QCOMPARE(map.rbegin()->first, last);
    QCOMPARE(int(box->channels().size()), channelCount);
    for (int i = 0; i < channelCount; ++i) {
        TPhysicalChannel* channel = box->channels().at(i);
        QCOMPARE(channel, map.at(first + i).get());
        QCOMPARE(int(channel->internalChannelNumber()), first + i);
        QCOMPARE(channel->channelCaption(), QString("%1.%2").arg(index + 1).arg(i + 1));
    }
    QCOMPARE(box->channels().back()->channelCaption(), lastCaption);
    QCOMPARE(box->switchBoxNumber(), index + 1);
}

void tst_SwitchBox::channelKinds_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("kind");

    QTest::newRow("SWX6300 position, four-wire only") << "SWX6300" << 16 << "1.1"
                                                      << "four-wire PRT";
    QTest::newRow("SWX6300 last position") << "SWX6300" << 31 << "1.16"
                                           << "four-wire PRT";
    QTest::newRow("SWX6100 even number is mixed") << "SWX6100" << 80 << "1.1"
                                                  << "mixed";
    QTest::newRow("SWX6100 odd number is a thermocouple channel") << "SWX6100" << 81 << "1.2"
                                                                  << "thermocouple";
    QTest::newRow("SWX6100 last number") << "SWX6100" << 99 << "1.20"
                                         << "thermocouple";
}

void tst_SwitchBox::channelKinds()
{
    QFETCH(QString, model);
    QFETCH(int, number);
    QFETCH(QString, caption);
    QFETCH(QString, kind);

    auto box = makeBox(model, 0, model == "SWX6300" ? 16 : 20, model == "SWX6300" ? sbtSWX6300_PRT16 : sbtSWX6100_10);
    TChannelMap map;
    box->createChannelObjects(nullptr, map, 10);
    TAbstractChannel* channel = map.at(number).get();
    QCOMPARE(channel->channelCaption(), caption);

    if (kind == "four-wire PRT") {
        auto* prt = qobject_cast<TPRTChannel*>(channel);
        QVERIFY(prt);
        QVERIFY(prt->wiringSupported(Probe_enums::w4wire));
        QVERIFY(!prt->wiringSupported(Probe_enums::w3wire));
    } else if (kind == "mixed") {
        QVERIFY(qobject_cast<TMixedChannel*>(channel));
    } else {
        QVERIFY(qobject_cast<TTCChannel*>(channel));
        QVERIFY(!qobject_cast<TPureVoltageTCChannel*>(channel));
    }
}

void tst_SwitchBox::takenNumberKeepsItsChannel()
{
    TChannelMap map;
    auto existing = std::make_unique<TTCChannel>(nullptr, 10, 17, "kept");
    TTCChannel* kept = existing.get();
    map[17] = std::move(existing);

    TSWX6300_SwitchBox box(0, 8, sbtSWX6300_PRT8, "SB-1", QDate());
    box.createChannelObjects(nullptr, map, 10);

    QCOMPARE(map.at(17).get(), kept);
    QCOMPARE(int(box.channels().size()), 8);
    QCOMPARE(box.channels().at(1), kept);
}

void tst_SwitchBox::channelsReportToTheListener()
{
    TTypeChangeRecorder listener;
    TChannelMap map;
    TSWX6100_SwitchBox box(0, 20, sbtSWX6100_10, "SB-1", QDate());
    box.createChannelObjects(&listener, map, 10);
    auto prt = TestProbes::prt();
    auto tc = TestProbes::thermocouple();

    TPhysicalChannel* mixed = box.channels().at(0);
    mixed->useProbe(prt.get());
    mixed->useProbe(tc.get());
    QCOMPARE(listener.mChanged, zelk::vector<TAbstractChannel*>{mixed});
}

void tst_SwitchBox::typeTexts_data()
{
    QTest::addColumn<EnSwitchBoxType>("type");
    QTest::addColumn<QString>("text");

    QTest::newRow("not fitted") << sbtNotFitted << "";
    QTest::newRow("thermocouple box with 8 channels") << sbtThermocouple8 << "Thermocouple (8 channels)";
    QTest::newRow("thermocouple box with 16 channels") << sbtThermocouple16 << "Thermocouple (16 channels)";
    QTest::newRow("SWX6300 with 8 channels") << sbtSWX6300_PRT8 << "SWX6300 (8 channels)";
    QTest::newRow("SWX6300 with 16 channels") << sbtSWX6300_PRT16 << "SWX6300 (16 channels)";
    QTest::newRow("SWX6100") << sbtSWX6100_10 << "SWX6100 (10 channels)";
    QTest::newRow("unknown type") << EnSwitchBoxType(6) << "";
}

void tst_SwitchBox::typeTexts()
{
    QFETCH(EnSwitchBoxType, type);
    QFETCH(QString, text);

    QCOMPARE(TAbstractSwitchBox::switchBoxTypeAsText(type), text);
    TSWX6300_SwitchBox box(2, 8, type, "SB-7", QDate(2023, 5, 1));
    QCOMPARE(box.switchBoxTypeAsText(), text);
    QCOMPARE(box.switchBoxType(), type);
    QCOMPARE(box.serialNumber(), QString("SB-7"));
    QCOMPARE(box.manufacturingDate(), QDate(2023, 5, 1));
}

TAMARIND_TEST_MAIN(tst_SwitchBox)
#include "tst_switchbox.moc"
