#include "boardcontrolinterpreter.h"
#include "boardsimulator.h"
#include "boardstate.h"
#include "channelcontroller.h"
#include "channelcontrollerfixture.h"
#include "messagerecorder.h"
#include "refreshdialog.h"
#include "simulatedsmartprobe.h"
#include "smartprobeenablingcontroller.h"
#include "testsupport.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPointer>
#include <QScrollArea>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include <map>
#include <memory>

namespace
{
// What the registry reports as active, followed through the relayed signal.
class TActiveRows : public QObject
{
public:
    explicit TActiveRows(TSmartProbeEnablingController& pController)
    {
        connect(&pController, &TSmartProbeEnablingController::widgetActivated, this,
                [this](short pGroup, QWidget* pPrevious, QWidget* pCurrent) {
                    if (pPrevious)
                        mActive.erase(pPrevious);
                    if (pCurrent)
                        mActive[pCurrent] = pGroup;
                });
    }
    bool isActive(QWidget* pButton) const { return mActive.count(pButton) > 0; }
    short group(QWidget* pButton) const { return mActive.at(pButton); }

private:
    std::map<QWidget*, short> mActive;
};

// How often the list was read from the board: each reading shows the refresh dialog.
class TRefreshCounter : public QObject
{
public:
    TRefreshCounter() { qApp->installEventFilter(this); }
    ~TRefreshCounter() override { qApp->removeEventFilter(this); }

    bool eventFilter(QObject* pWatched, QEvent* pEvent) override
    {
        if (pEvent->type() == QEvent::Show && qobject_cast<TRefreshDialog*>(pWatched))
            ++mShown;
        return false;
    }

    int mShown = 0;
};

TSimulatedSmartProbe probeNamed(const QString& pName, bool pEnabled)
{
    TSimulatedSmartProbe probe = TSimulatedSmartProbe::its90Pt25();
    probe.mName = pName;
    probe.mEnabled = pEnabled;
    return probe;
}
} // namespace

// The SMART probe list against the simulated board: its buttons, the switch
// after the question, and buttons that go while their own release is being
// handled.
class tst_SmartProbeEnablingController : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void oneButtonPerProbeInItsOwnGroup_data();
    void oneButtonPerProbeInItsOwnGroup();
    void answerAndBoardDecideTheSwitch_data();
    void answerAndBoardDecideTheSwitch();
    void listIsRebuiltAfterTheReleaseIsHandled_data();
    void listIsRebuiltAfterTheReleaseIsHandled();
    void destroyedButtonsLeaveTheRegistryAtOnceAndGoLater();
    void pageDestroyedFirstTakesItsButtons();
    void longNameIsFittedAndShortened();

private:
    bool plug(int pChannel, const TSimulatedSmartProbe& pProbe);
    // The probe buttons in the list, in list order.
    QList<QWidget*> buttons() const;
    QString nameOn(QWidget* pButton) const { return pButton->findChild<QLabel*>()->text(); }
    int enableCommands() const;

    std::unique_ptr<TChannelControllerFixture> mFixture;
    std::unique_ptr<TSmartProbeEnablingController> mList;
};

void tst_SmartProbeEnablingController::init()
{
    TAMARIND_MAKE_FIXTURE(mFixture);
    // No polls between the steps: the list reads the board itself.
    mFixture->build(60000);
    mList = std::make_unique<TSmartProbeEnablingController>(&mFixture->subMenu(), mFixture->ui().PageSmartProbeList,
                                                            mFixture->ui().scrollAreaSmartProbeList,
                                                            &mFixture->controller());
}

void tst_SmartProbeEnablingController::cleanup()
{
    mList.reset();
    mFixture.reset();
}

bool tst_SmartProbeEnablingController::plug(int pChannel, const TSimulatedSmartProbe& pProbe)
{
    return mFixture->board().board().plugSmartProbe(pChannel, pProbe);
}

QList<QWidget*> tst_SmartProbeEnablingController::buttons() const
{
    QList<QWidget*> found;
    QLayout* layout = mFixture->ui().scrollAreaSmartProbeList->widget()->layout();
    for (int index = 0; index < layout->count(); ++index) {
        if (QWidget* button = layout->itemAt(index)->widget())
            found << button;
    }
    return found;
}

int tst_SmartProbeEnablingController::enableCommands() const
{
    int count = 0;
    for (const QByteArray& command : mFixture->board().commands())
        count += command.startsWith("sens:frtd:enab ") ? 1 : 0;
    return count;
}

void tst_SmartProbeEnablingController::oneButtonPerProbeInItsOwnGroup_data()
{
    QTest::addColumn<bool>("firstEnabled");
    QTest::addColumn<bool>("secondEnabled");

    QTest::newRow("first enabled") << true << false;
    QTest::newRow("second enabled") << false << true;
    QTest::newRow("both enabled") << true << true;
}

void tst_SmartProbeEnablingController::oneButtonPerProbeInItsOwnGroup()
{
    QFETCH(bool, firstEnabled);
    QFETCH(bool, secondEnabled);

    mList->showSubMenu();
    QVERIFY(buttons().isEmpty());
    QCOMPARE(mFixture->subMenu().mShownPage, mFixture->ui().PageSmartProbeList);
    QCOMPARE(mFixture->subMenu().mType, smtViewer);

    QVERIFY(plug(1, probeNamed(QStringLiteral("First"), firstEnabled)));
    QVERIFY(plug(2, probeNamed(QStringLiteral("Second"), secondEnabled)));
    TActiveRows active(*mList);
    mList->refreshSmartProbeList();
    const QList<QWidget*> list = buttons();
    QCOMPARE(list.size(), 2);
    QCOMPARE(nameOn(list[0]), QStringLiteral("First"));
    QCOMPARE(nameOn(list[1]), QStringLiteral("Second"));
    QCOMPARE(active.isActive(list[0]), firstEnabled);
    QCOMPARE(active.isActive(list[1]), secondEnabled);
    if (firstEnabled)
        QCOMPARE(active.group(list[0]), short(0));
    if (secondEnabled)
        QCOMPARE(active.group(list[1]), short(1));
}

void tst_SmartProbeEnablingController::answerAndBoardDecideTheSwitch_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("fault");
    QTest::addColumn<bool>("enabledAfter");
    QTest::addColumn<int>("enables");

    QTest::newRow("yes enables it") << "BtnYes"
                                    << "" << true << 1;
    QTest::newRow("no leaves it") << "BtnNo"
                                  << "" << false << 0;
    QTest::newRow("board refuses") << "BtnYes"
                                   << "fault on \"sens:frtd:enab 1\" error 5" << false << 1;
}

// The button shows what the board holds afterwards, re-read after a switch.
void tst_SmartProbeEnablingController::answerAndBoardDecideTheSwitch()
{
    QFETCH(QString, answer);
    QFETCH(QString, fault);
    QFETCH(bool, enabledAfter);
    QFETCH(int, enables);

    QVERIFY(plug(1, probeNamed(QStringLiteral("Bath"), false)));
    TActiveRows active(*mList);
    mList->showSubMenu();
    QVERIFY2(!buttons().isEmpty(), "the list shows no probe");
    QVERIFY(!active.isActive(buttons().first()));
    if (!fault.isEmpty())
        QCOMPARE(TBoardControlInterpreter(mFixture->board().board()).execute(fault).last(), QStringLiteral("OK"));

    QString question;
    TModalAnswer::onNextModal([&](QWidget* pDialog) {
        question = pDialog->findChild<QLabel*>(QStringLiteral("LblText"))->text();
        QTest::mouseClick(pDialog->findChild<QWidget*>(answer), Qt::LeftButton);
    });
    QTest::mouseClick(buttons().first(), Qt::LeftButton);
    QCOMPARE(question, QStringLiteral("Would you like to enable probe Bath?"));
    QCoreApplication::processEvents();
    QCOMPARE(enableCommands(), enables);
    bool enabledOnBoard = false;
    mFixture->board().board().withState(
        [&](TBoardState& pState) { enabledOnBoard = pState.mSmartProbes.probe(1)->mEnabled; });
    QCOMPARE(enabledOnBoard, enabledAfter);
    // A rebuilt list's old button goes when the event loop gets to it.
    QTRY_COMPARE(buttons().size(), 1);
    QCOMPARE(active.isActive(buttons().first()), enabledAfter);
}

void tst_SmartProbeEnablingController::listIsRebuiltAfterTheReleaseIsHandled_data()
{
    QTest::addColumn<bool>("probeGone");
    QTest::addColumn<int>("buttonsAfter");

    QTest::newRow("probe switched") << false << 1;
    QTest::newRow("probe gone since listing") << true << 0;
}

// The registry is still delivering the release when the switch is done or
// the probe found gone: the list it belongs to is read again only when
// control is back in the event loop, and the pressed button goes after that.
void tst_SmartProbeEnablingController::listIsRebuiltAfterTheReleaseIsHandled()
{
    QFETCH(bool, probeGone);
    QFETCH(int, buttonsAfter);

    QVERIFY(plug(1, probeNamed(QStringLiteral("Pressed"), true)));
    mList->showSubMenu();
    QVERIFY2(!buttons().isEmpty(), "the list shows no probe");
    QPointer<QWidget> pressed = buttons().first();
    if (probeGone) {
        QCOMPARE(TBoardControlInterpreter(mFixture->board().board()).execute("smart 1 none").last(),
                 QStringLiteral("OK"));
        mFixture->controller().updateSmartProbeStatus();
    } else {
        TModalAnswer::clickInNextModal(QStringLiteral("BtnYes"));
    }
    TRefreshCounter refreshes;
    QTest::mouseClick(pressed, Qt::LeftButton);
    QVERIFY(pressed);
    QCOMPARE(buttons(), QList<QWidget*>{pressed.data()});
    QCOMPARE(refreshes.mShown, 0);
    QTRY_VERIFY(!pressed);
    QCOMPARE(buttons().size(), buttonsAfter);
    QCOMPARE(refreshes.mShown, 1);
}

void tst_SmartProbeEnablingController::destroyedButtonsLeaveTheRegistryAtOnceAndGoLater()
{
    QVERIFY(plug(1, probeNamed(QStringLiteral("Kept"), false)));
    TActiveRows active(*mList);
    mList->showSubMenu();
    QVERIFY2(!buttons().isEmpty(), "the list shows no probe");
    QPointer<QWidget> button = buttons().first();

    mList->destroyButtons();
    QVERIFY(button);
    // Out of the registry: a touch neither marks it nor asks anything.
    TMessageRecorder messages;
    QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY(!active.isActive(button));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!button);
    QCOMPARE(messages.count(), 0);
}

// The buttons are children of the page's scroll area: a page that goes first
// takes them along, and the controller must not delete them again.
void tst_SmartProbeEnablingController::pageDestroyedFirstTakesItsButtons()
{
    QVERIFY(plug(1, probeNamed(QStringLiteral("Child"), true)));
    mList->showSubMenu();
    QVERIFY2(!buttons().isEmpty(), "the list shows no probe");
    QPointer<QWidget> button = buttons().first();
    delete mFixture->ui().PageSmartProbeList;
    QVERIFY(!button);
    mList.reset();
}

void tst_SmartProbeEnablingController::longNameIsFittedAndShortened()
{
    QVERIFY(plug(1, probeNamed(QStringLiteral("WWWWWWWWWWWWWWWWWWW"), true)));
    QVERIFY(plug(2, probeNamed(QStringLiteral("Pt25"), true)));
    mList->showSubMenu();
    QCOMPARE(buttons().size(), 2);
    auto* longName = buttons().first()->findChild<QLabel*>();
    QVERIFY2(longName->text().endsWith(QLatin1String("...")), qPrintable(longName->text()));
    QVERIFY(longName->text().startsWith(QLatin1String("WWW")));
    QCOMPARE(longName->styleSheet(), QStringLiteral("font-size: 14px;"));
    QFont font = longName->font();
    font.setPixelSize(14);
    QVERIFY(QFontMetrics(font).horizontalAdvance(longName->text()) <=
            TSmartProbeEnablingController::PROBE_NAME_MAX_WIDTH);
    auto* shortName = buttons().last()->findChild<QLabel*>();
    QCOMPARE(shortName->text(), QStringLiteral("Pt25"));
    QCOMPARE(shortName->styleSheet(), QStringLiteral("font-size: 18px;"));
}

TAMARIND_TEST_MAIN(tst_SmartProbeEnablingController)
#include "tst_smartprobeenablingcontroller.moc"
