#include "boardstate.h"
#include "channel.h"
#include "channelcontroller.h"
#include "channelcontrollerfixture.h"
#include "formchecks.h"
#include "probe.h"
#include "tamarindsettings.h"
#include "testsupport.h"
#include "unitselectionprovider.h"
#include "unitselectionreceiver.h"

#include <QTest>

using namespace Electrical_temperature_units;

namespace
{
class TRecordingUnitReceiver : public IUnitSelectionReceiver
{
public:
    void changeUnit(TAbstractChannel* pChannel, EnUnit pUnit) override { mAnswers << qMakePair(pChannel, pUnit); }
    QList<QPair<TAbstractChannel*, EnUnit>> mAnswers;
};
} // namespace

// The unit page on the main window's buttons and channels of the simulated
// board: which units it offers, which it marks, and what it reports.
class tst_UnitSelectionProvider : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void unitsOffered_data();
    void unitsOffered();
    void unitInForceIsMarked_data();
    void unitInForceIsMarked();
    void tapReportsAnotherUnitOnly();
    void commonUnitAnswerNamesNoChannel();

private:
    QList<QZELKDialogButton*> buttons() const;
    QStringList offered() const;
    QStringList marked() const;

    std::unique_ptr<TChannelControllerFixture> mFixture;
    std::unique_ptr<TUnitSelectionProvider> mProvider;
    TRecordingUnitReceiver mReceiver;
};

void tst_UnitSelectionProvider::init()
{
    // The channels keep the unit a test chose in their settings.
    for (int channel = 1; channel <= 3; ++channel)
        TTamarindSettings::instance().removeSection(QStringLiteral("chan%1").arg(channel));
    TAMARIND_MAKE_FIXTURE(mFixture);
    TSimulatedSwitchBox box;
    box.mType = sbtSWX6100_10;
    box.mSerialNumber = QStringLiteral("SB-1");
    mFixture->board().board().fitSwitchBox(1, box);
    mFixture->build();
    Ui_TTamarindMainForm& ui = mFixture->ui();
    mProvider = std::make_unique<TUnitSelectionProvider>(&mFixture->subMenu(), ui.PageUnitSelection,
                                                         ui.btnUnitSelCelcius, ui.btnUnitSelFahrenheit,
                                                         ui.btnUnitSelKelvin, ui.btnUnitSelOhm, ui.btnUnitSelMilliVolt);
    mReceiver.mAnswers.clear();
}

void tst_UnitSelectionProvider::cleanup()
{
    mProvider.reset();
    mFixture.reset();
}

QList<QZELKDialogButton*> tst_UnitSelectionProvider::buttons() const
{
    Ui_TTamarindMainForm& ui = mFixture->ui();
    return {ui.btnUnitSelCelcius, ui.btnUnitSelFahrenheit, ui.btnUnitSelKelvin, ui.btnUnitSelOhm,
            ui.btnUnitSelMilliVolt};
}

QStringList tst_UnitSelectionProvider::offered() const
{
    QStringList names;
    for (QZELKDialogButton* button : buttons()) {
        if (!button->isHidden())
            names << button->objectName().mid(10);
    }
    return names;
}

QStringList tst_UnitSelectionProvider::marked() const
{
    QStringList names;
    for (QZELKDialogButton* button : buttons()) {
        if (button->isFlat())
            names << button->objectName().mid(10);
    }
    return names;
}

void tst_UnitSelectionProvider::unitsOffered_data()
{
    QTest::addColumn<QList<int>>("channels");
    QTest::addColumn<QStringList>("expected");

    const QStringList temperatures{"Celcius", "Fahrenheit", "Kelvin"};
    // Switch-box positions 80 onwards: odd ones thermocouple, even ones mixed inputs that take their unit from the
    // probe.
    QTest::newRow("resistance input") << QList<int>{1} << temperatures + QStringList{"Ohm"};
    QTest::newRow("thermocouple input") << QList<int>{3} << temperatures + QStringList{"MilliVolt"};
    QTest::newRow("box position without probe") << QList<int>{80} << temperatures;
    QTest::newRow("two resistance inputs together") << QList<int>{1, 2} << temperatures + QStringList{"Ohm"};
    QTest::newRow("a resistance and a thermocouple input together") << QList<int>{1, 3} << temperatures;
    QTest::newRow("no channels together") << QList<int>() << temperatures;
}

void tst_UnitSelectionProvider::unitsOffered()
{
    QFETCH(QList<int>, channels);
    QFETCH(QStringList, expected);

    // Opened before on a page that offered the other electrical unit.
    mProvider->selectUnit(&mReceiver, mFixture->controller().channel(channels.value(0) == 3 ? 1 : 3));
    if (channels.size() == 1) {
        mProvider->selectUnit(&mReceiver, mFixture->controller().channel(channels.first()));
    } else {
        zelk::vector<TAbstractChannel*> list;
        for (int number : channels)
            list << mFixture->controller().channel(number);
        mProvider->selectUnit(&mReceiver, uCelsius, list);
    }
    QCOMPARE(offered(), expected);
    QCOMPARE(mFixture->subMenu().mShownPage, mFixture->ui().PageUnitSelection);
    QCOMPARE(mFixture->subMenu().mCaption, QStringLiteral("Unit"));
    QCOMPARE(mFixture->subMenu().mType, smtViewer);
}

void tst_UnitSelectionProvider::unitInForceIsMarked_data()
{
    QTest::addColumn<int>("unit");
    QTest::addColumn<QString>("expected");

    QTest::newRow("degrees Fahrenheit") << int(uFahrenheit) << "Fahrenheit";
    QTest::newRow("ohm") << int(uOhm) << "Ohm";
    QTest::newRow("kelvin") << int(uKelvin) << "Kelvin";
}

void tst_UnitSelectionProvider::unitInForceIsMarked()
{
    QFETCH(int, unit);
    QFETCH(QString, expected);

    TAbstractChannel* channel = mFixture->controller().channel(1);
    mProvider->selectUnit(&mReceiver, channel);
    QCOMPARE(marked(), QStringList({"Celcius"}));
    mFixture->controller().changeUnit(channel, EnUnit(unit));
    mProvider->selectUnit(&mReceiver, channel);
    QCOMPARE(marked(), QStringList({expected}));
    mProvider->selectUnit(&mReceiver, EnUnit(unit), {channel});
    QCOMPARE(marked(), QStringList({expected}));
    mProvider->selectUnit(&mReceiver, uUndefined, {channel});
    QCOMPARE(marked(), QStringList());
}

void tst_UnitSelectionProvider::tapReportsAnotherUnitOnly()
{
    showPage(&mFixture->form(), mFixture->ui().PageUnitSelection);
    TAbstractChannel* channel = mFixture->controller().channel(1);
    mProvider->selectUnit(&mReceiver, channel);
    mFixture->ui().btnUnitSelCelcius->click();
    QVERIFY(mReceiver.mAnswers.isEmpty());
    QCOMPARE(mFixture->subMenu().mCancelled, 1);

    mProvider->selectUnit(&mReceiver, channel);
    mFixture->ui().btnUnitSelOhm->click();
    QCOMPARE(mReceiver.mAnswers, (QList<QPair<TAbstractChannel*, EnUnit>>{{channel, uOhm}}));
    QCOMPARE(mFixture->subMenu().mCancelled, 2);
    QCOMPARE(marked(), QStringList({"Ohm"}));
    // The page's style sheet draws the unit in force orange once it is set again.
    QPushButton* ohm = mFixture->ui().btnUnitSelOhm;
    const QColor colour =
        mFixture->ui().PageUnitSelection->grab().toImage().pixelColor(ohm->pos() + QPoint(5, ohm->height() * 3 / 5));
    QVERIFY2(colour.red() > 200 && colour.green() > 80 && colour.blue() < 80, qPrintable(colour.name()));
    saveSnapshot(mFixture->ui().PageUnitSelection, QStringLiteral("unit_selection_page"));
}

void tst_UnitSelectionProvider::commonUnitAnswerNamesNoChannel()
{
    mProvider->selectUnit(&mReceiver, uKelvin, {mFixture->controller().channel(1), mFixture->controller().channel(2)});
    mFixture->ui().btnUnitSelFahrenheit->click();
    QCOMPARE(mReceiver.mAnswers,
             (QList<QPair<TAbstractChannel*, EnUnit>>{{static_cast<TAbstractChannel*>(nullptr), uFahrenheit}}));
}

TAMARIND_TEST_MAIN(tst_UnitSelectionProvider)
#include "tst_unitselectionprovider.moc"
