#include "boardstate.h"
#include "channel.h"
#include "channelcontroller.h"
#include "channelcontrollerfixture.h"
#include "channelselectdialog.h"
#include "testprobes.h"
#include "testsupport.h"
#include "zelkcontainercheckbutton.h"
#include "zelkcontainerpushbutton.h"
#include "zelkdialogbutton.h"

#include <QLabel>
#include <QSignalSpy>

#include <functional>

Q_DECLARE_METATYPE(EnChannelType)

namespace
{
QString caption(QWidget* pButton)
{
    auto* label = pButton->findChild<QLabel*>();
    return label ? label->text() : QString();
}

// The check buttons of the open panel in their order on it.
QList<QZELKContainerCheckButton*> checkButtons(QWidget* pDialog)
{
    return pDialog->findChildren<QZELKContainerCheckButton*>();
}

QZELKContainerCheckButton* checkButton(QWidget* pDialog, const QString& pCaption)
{
    for (QZELKContainerCheckButton* button : checkButtons(pDialog)) {
        if (caption(button) == pCaption)
            return button;
    }
    return nullptr;
}

void tap(QWidget* pDialog, const QString& pObjectNameOrCaption)
{
    QWidget* target = pDialog->findChild<QWidget*>(pObjectNameOrCaption);
    if (!target)
        target = checkButton(pDialog, pObjectNameOrCaption);
    QVERIFY2(target, qPrintable(pObjectNameOrCaption));
    QTest::mouseClick(target, Qt::LeftButton);
}
} // namespace

class tst_ChannelSelectDialog : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void listedChannels_data();
    void listedChannels();
    void choices_data();
    void choices();
    void buttonsShown_data();
    void buttonsShown();
    void shownAgainRebuildsTheList();

private:
    // A controller with an SWX6100 box on port 1 and probes on channels 1, 3
    // and the positions 80 and 81.
    TChannelController& buildWithProbes();
    // Runs the panel and hands it to pInside while it is open.
    bool run(TChannelSelectDialog& pDialog, bool pMultiSelect, bool pSelectAll, bool pNone, short pButtons,
             EnChannelType pFilter, bool pOnlyWithProbes, zelk::vector<TAbstractChannel*>& ioSelected,
             const std::function<void(QWidget*)>& pInside);

    std::unique_ptr<TChannelControllerFixture> mFixture;
    std::vector<std::unique_ptr<TAbstractProbe>> mProbes;
};

void tst_ChannelSelectDialog::init()
{
    TAMARIND_MAKE_FIXTURE(mFixture);
}

void tst_ChannelSelectDialog::cleanup()
{
    mFixture.reset();
    mProbes.clear();
}

TChannelController& tst_ChannelSelectDialog::buildWithProbes()
{
    TSimulatedSwitchBox box;
    box.mType = sbtSWX6100_10;
    mFixture->board().board().fitSwitchBox(1, box);
    TChannelController& controller = mFixture->build();
    for (int number : {1, 80}) {
        mProbes.push_back(TestProbes::prt());
        controller.physical_channel(number)->assignProbe(mProbes.back().get());
    }
    for (int number : {3, 81}) {
        mProbes.push_back(TestProbes::thermocouple());
        controller.physical_channel(number)->assignProbe(mProbes.back().get());
    }
    return controller;
}

bool tst_ChannelSelectDialog::run(TChannelSelectDialog& pDialog, bool pMultiSelect, bool pSelectAll, bool pNone,
                                  short pButtons, EnChannelType pFilter, bool pOnlyWithProbes,
                                  zelk::vector<TAbstractChannel*>& ioSelected,
                                  const std::function<void(QWidget*)>& pInside)
{
    TModalAnswer::onNextModal(pInside);
    return pDialog.showPhysicalChannelSelection("Reference channel", pMultiSelect, pSelectAll, pNone, "All", "None",
                                                pButtons, pFilter, pOnlyWithProbes, mFixture->controller(), ioSelected);
}

void tst_ChannelSelectDialog::listedChannels_data()
{
    QTest::addColumn<EnChannelType>("filter");
    QTest::addColumn<bool>("onlyWithProbes");
    QTest::addColumn<QStringList>("listed");

    QStringList all{"1", "2", "3", "4"};
    QStringList thermocouples{"3", "4"};
    QStringList mixed;
    for (int position = 1; position <= 20; ++position) {
        all << QStringLiteral("1.%1").arg(position);
        // The box's odd channel numbers (81, 83, ...) are its thermocouple positions.
        (position % 2 == 0 ? thermocouples : mixed) << QStringLiteral("1.%1").arg(position);
    }
    QTest::newRow("every physical channel") << ctUndefined << false << all;
    QTest::newRow("thermocouple inputs, never a mixed position") << ctThermocouple << false << thermocouples;
    QTest::newRow("resistance inputs") << ctPRT << false << QStringList{"1", "2"};
    QTest::newRow("only channels with a probe") << ctUndefined << true << QStringList{"1", "3", "1.1", "1.2"};
    QTest::newRow("an unknown filter lists nothing") << EnChannelType(7) << false << QStringList();
}

void tst_ChannelSelectDialog::listedChannels()
{
    QFETCH(EnChannelType, filter);
    QFETCH(bool, onlyWithProbes);
    QFETCH(QStringList, listed);

    buildWithProbes();
    TChannelSelectDialog dialog(nullptr);
    zelk::vector<TAbstractChannel*> selected;
    QStringList shown;
    const bool result = run(dialog, true, false, false, TChannelSelectDialog::BTN_OK, filter, onlyWithProbes, selected,
                            [&](QWidget* pDialog) {
                                for (QZELKContainerCheckButton* button : checkButtons(pDialog))
                                    shown << caption(button);
                                tap(pDialog, "BtnSave");
                            });
    QVERIFY(result);
    QCOMPARE(shown, listed);
    QVERIFY(selected.empty());
}

void tst_ChannelSelectDialog::choices_data()
{
    QTest::addColumn<bool>("multiSelect");
    QTest::addColumn<QList<int>>("preselected");
    QTest::addColumn<QStringList>("taps");
    QTest::addColumn<bool>("result");
    QTest::addColumn<QList<int>>("chosen");

    QTest::newRow("single: tapping 1 with 2 preselected")
        << false << QList<int>{2} << QStringList{"1"} << true << QList<int>{1};
    QTest::newRow("single: of several preselected the last stays checked")
        << false << QList<int>{1, 3, 2} << QStringList{"BtnSave"} << true << QList<int>{2};
    QTest::newRow("single: tapping the checked channel unchecks it, OK gives none")
        << false << QList<int>{2} << QStringList{"2", "BtnSave"} << true << QList<int>();
    QTest::newRow("single: none") << false << QList<int>{2} << QStringList{"BtnNone"} << true << QList<int>();
    QTest::newRow("single: cancel") << false << QList<int>{2} << QStringList{"BtnCancel"} << false << QList<int>();
    QTest::newRow("single: the return button rejects")
        << false << QList<int>{2} << QStringList{"BtnReturnToMainMenu"} << false << QList<int>();
    QTest::newRow("multiple: select all and OK")
        << true << QList<int>() << QStringList{"BtnSelectAll", "BtnSave"} << true << QList<int>{1, 2, 3, 4};
    QTest::newRow("multiple: taps and preselection in channel order")
        << true << QList<int>{4} << QStringList{"2", "1", "BtnSave"} << true << QList<int>{1, 2, 4};
    QTest::newRow("multiple: deselect all")
        << true << QList<int>{1, 3} << QStringList{"BtnUnSelectAll", "BtnSave"} << true << QList<int>();
}

void tst_ChannelSelectDialog::choices()
{
    QFETCH(bool, multiSelect);
    QFETCH(QList<int>, preselected);
    QFETCH(QStringList, taps);
    QFETCH(bool, result);
    QFETCH(QList<int>, chosen);

    TChannelController& controller = mFixture->build();
    zelk::vector<TAbstractChannel*> selected;
    for (int number : preselected)
        selected << controller.channel(number);
    // The expansion port and the derived channels are never listed.
    selected << controller.tcExpansionPortChannel() << controller.channel(10);
    TChannelSelectDialog dialog(nullptr);
    QStringList checkedOnOpening;
    const bool answer = run(dialog, multiSelect, true, true, 7, ctUndefined, false, selected, [&](QWidget* pDialog) {
        for (QZELKContainerCheckButton* button : checkButtons(pDialog)) {
            if (button->isChecked())
                checkedOnOpening << caption(button);
        }
        for (const QString& target : taps)
            tap(pDialog, target);
    });

    QCOMPARE(answer, result);
    QList<int> numbers;
    for (const TAbstractChannel* channel : selected)
        numbers << channel->internalChannelNumber();
    QCOMPARE(numbers, chosen);
    if (!multiSelect)
        QCOMPARE(checkedOnOpening.size(), 1);
}

void tst_ChannelSelectDialog::buttonsShown_data()
{
    QTest::addColumn<bool>("multiSelect");
    QTest::addColumn<bool>("selectAll");
    QTest::addColumn<bool>("none");
    QTest::addColumn<short>("buttons");
    QTest::addColumn<QStringList>("shown");

    QTest::newRow("cancel and OK") << false << false << false << short(6) << QStringList{"BtnCancel", "BtnSave"};
    QTest::newRow("return only") << false << false << false << short(1) << QStringList{"BtnReturnToMainMenu"};
    QTest::newRow("none in single selection")
        << false << true << true << short(2) << QStringList{"BtnNone", "BtnCancel"};
    QTest::newRow("select-all in multiple selection")
        << true << true << true << short(4) << QStringList{"BtnSelectAll", "BtnUnSelectAll", "BtnSave"};
    QTest::newRow("multiple selection without select-all")
        << true << false << true << short(4) << QStringList{"BtnSave"};
}

void tst_ChannelSelectDialog::buttonsShown()
{
    QFETCH(bool, multiSelect);
    QFETCH(bool, selectAll);
    QFETCH(bool, none);
    QFETCH(short, buttons);
    QFETCH(QStringList, shown);

    mFixture->build();
    TChannelSelectDialog dialog(nullptr);
    zelk::vector<TAbstractChannel*> selected;
    QStringList visible;
    QString title;
    QString selectAllCaption;
    run(dialog, multiSelect, selectAll, none, buttons, ctUndefined, false, selected, [&](QWidget* pDialog) {
        for (const char* name :
             {"BtnSelectAll", "BtnUnSelectAll", "BtnNone", "BtnReturnToMainMenu", "BtnCancel", "BtnSave"}) {
            if (pDialog->findChild<QWidget*>(name)->isVisible())
                visible << name;
        }
        title = pDialog->findChild<QLabel*>("LblTitle")->text();
        selectAllCaption = caption(pDialog->findChild<QWidget*>("BtnSelectAll"));
        dialog.reject();
    });
    QCOMPARE(visible, shown);
    QCOMPARE(title, QStringLiteral("Reference channel"));
    QCOMPARE(selectAllCaption, QStringLiteral("All"));
}

void tst_ChannelSelectDialog::shownAgainRebuildsTheList()
{
    buildWithProbes();
    TChannelSelectDialog dialog(nullptr);
    QSignalSpy activated(&dialog, &TChannelSelectDialog::widgetActivated);
    zelk::vector<TAbstractChannel*> selected;
    int first = 0;
    int second = 0;
    run(dialog, false, false, false, 2, ctPRT, false, selected, [&](QWidget* pDialog) {
        first = checkButtons(pDialog).size();
        tap(pDialog, "BtnCancel");
    });
    run(dialog, false, false, false, 2, ctThermocouple, true, selected, [&](QWidget* pDialog) {
        second = checkButtons(pDialog).size();
        tap(pDialog, "BtnCancel");
    });
    QCOMPARE(first, 2);
    // Channel 3 and the box's first thermocouple position hold probes.
    QCOMPARE(second, 2);
    QCOMPARE(activated.count(), 0);
}

TAMARIND_TEST_MAIN(tst_ChannelSelectDialog)
#include "tst_channelselectdialog.moc"
