#include "customevents.h"
#include "testsupport.h"
#include "zelkcontainerpushbutton.h"
#include "zelkcontainerradiobutton.h"
#include "zelkdialogbutton.h"

#include <QLabel>
#include <QSignalSpy>
#include <QVBoxLayout>

namespace
{
// As the main window's sheet has it: labels turn black on a pressed or
// checked row.
const char* const PAGE_SHEET = "QLabel { color: white; }"
                               "QZELKContainerCheckButton[checked=\"true\"] QLabel { color: black; }"
                               "QZELKContainerPushButton[isPressVisible=\"true\"] QLabel { color: black; }";

QColor textColor(QLabel* pLabel)
{
    return pLabel->palette().color(QPalette::WindowText);
}

QZELKContainerRadioButton* radio(QWidget* pParent, const QString& pName, unsigned int pDistance = 1)
{
    auto* button = new QZELKContainerRadioButton(pParent);
    button->setObjectName(pName);
    button->setRadioGroupParentDistance(pDistance);
    return button;
}
} // namespace

class tst_ContainerButtons : public QObject
{
    Q_OBJECT

private slots:
    void pushButtonPressAndRelease();
    void pushButtonTouchScrollEvents_data();
    void pushButtonTouchScrollEvents();
    void labelsFollowTheProperties_data();
    void labelsFollowTheProperties();
    void checkButtonToggles();
    void checkingAgainDoesNothing();
    void statusLabel_data();
    void statusLabel();
    void radioGroupOfSiblings();
    void radioGroupOfCousins();
    void radioWithoutGroup();
    void radioGroupOperations();
    void dialogButtonTurnsOrangeWhilePressed();
};

void tst_ContainerButtons::pushButtonPressAndRelease()
{
    QZELKContainerPushButton button;
    QSignalSpy clicked(&button, &QZELKContainerPushButton::clicked);

    QTest::mousePress(&button, Qt::LeftButton);
    QVERIFY(button.isPressVisible());
    QVERIFY(button.isHighlighted());
    QCOMPARE(clicked.count(), 0);

    // A release anywhere clicks; telling drags from taps is the scroll area's job.
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(500, 500));
    QVERIFY(!button.isPressVisible());
    QVERIFY(!button.isHighlighted());
    QCOMPARE(clicked.count(), 1);
}

void tst_ContainerButtons::pushButtonTouchScrollEvents_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("pressedBefore");
    QTest::addColumn<bool>("pressedAfter");
    QTest::addColumn<int>("announced");

    QTest::newRow("announce shows the press") << 1000 << false << true << 1;
    QTest::newRow("discard clears the press") << 1001 << true << false << 0;
    QTest::newRow("other custom event is ignored") << 1002 << true << true << 0;
}

void tst_ContainerButtons::pushButtonTouchScrollEvents()
{
    QFETCH(int, type);
    QFETCH(bool, pressedBefore);
    QFETCH(bool, pressedAfter);
    QFETCH(int, announced);

    QZELKContainerPushButton button;
    if (pressedBefore)
        QTest::mousePress(&button, Qt::LeftButton);
    QSignalSpy announce(&button, &QZELKContainerPushButton::announceButtonPressed);
    QSignalSpy clicked(&button, &QZELKContainerPushButton::clicked);

    QEvent event{QEvent::Type(type)};
    event.ignore();
    QApplication::sendEvent(&button, &event);

    QCOMPARE(button.isPressVisible(), pressedAfter);
    QCOMPARE(button.isHighlighted(), pressedAfter);
    QCOMPARE(announce.count(), announced);
    QCOMPARE(clicked.count(), 0);
    QCOMPARE(event.isAccepted(), type != 1002);
}

void tst_ContainerButtons::labelsFollowTheProperties_data()
{
    QTest::addColumn<bool>("checkButton");
    QTest::newRow("push button while pressed") << false;
    QTest::newRow("check button while checked") << true;
}

void tst_ContainerButtons::labelsFollowTheProperties()
{
    QFETCH(bool, checkButton);

    QWidget page;
    page.setStyleSheet(PAGE_SHEET);
    auto* layout = new QVBoxLayout(&page);
    QZELKAbstractButton* button = checkButton ? static_cast<QZELKAbstractButton*>(new QZELKContainerCheckButton(&page))
                                              : new QZELKContainerPushButton(&page);
    layout->addWidget(button);
    QLabel* label = button->label();
    label->setText("Pt100");
    page.ensurePolished();
    QCOMPARE(textColor(label), QColor(Qt::white));

    QTest::mousePress(button, Qt::LeftButton);
    if (checkButton)
        QTest::mouseRelease(button, Qt::LeftButton);
    QCOMPARE(textColor(label), QColor(Qt::black));

    if (checkButton)
        QTest::mouseClick(button, Qt::LeftButton);
    else
        QTest::mouseRelease(button, Qt::LeftButton);
    QCOMPARE(textColor(label), QColor(Qt::white));
}

void tst_ContainerButtons::checkButtonToggles()
{
    QZELKContainerCheckButton button;
    QSignalSpy changed(&button, &QZELKContainerCheckButton::checkedChanged);

    QTest::mousePress(&button, Qt::LeftButton);
    QVERIFY(!button.isChecked());
    QTest::mouseRelease(&button, Qt::LeftButton);
    QVERIFY(button.isChecked());
    QVERIFY(button.isHighlighted());
    QTest::mouseClick(&button, Qt::LeftButton);
    QVERIFY(!button.isChecked());
    QVERIFY(!button.isHighlighted());
    QCOMPARE(changed.count(), 2);
    QCOMPARE(changed.at(0).at(0).toBool(), true);
    QCOMPARE(changed.at(1).at(0).toBool(), false);

    button.setCheckedAdvanced(true, false);
    QVERIFY(button.isChecked());
    QCOMPARE(changed.count(), 2);
    QVERIFY(button.setProperty("checked", false));
    QCOMPARE(changed.count(), 3);
}

void tst_ContainerButtons::checkingAgainDoesNothing()
{
    QWidget page;
    auto* status = new QLabel("before", &page);
    status->setObjectName("LblStatus");
    auto* button = new QZELKContainerCheckButton(&page);
    button->setStatusLabelName("LblStatus");
    button->label()->setToolTip("first");
    button->setChecked(true);
    QCOMPARE(status->text(), QString("first"));

    button->label()->setToolTip("second");
    QSignalSpy changed(button, &QZELKContainerCheckButton::checkedChanged);
    button->setChecked(true);
    QCOMPARE(status->text(), QString("first"));
    QCOMPARE(changed.count(), 0);
}

void tst_ContainerButtons::statusLabel_data()
{
    QTest::addColumn<QString>("statusName");
    QTest::addColumn<QString>("sourceName");
    QTest::addColumn<int>("labelsInButton");
    QTest::addColumn<QString>("status");

    QTest::newRow("named source elsewhere on the page") << "LblStatus"
                                                        << "LblSource" << 2 << "from the page";
    QTest::newRow("the button's only label") << "LblStatus"
                                             << "" << 1 << "tip 0";
    QTest::newRow("two labels and no source name") << "LblStatus"
                                                   << "" << 2 << "";
    QTest::newRow("named source missing") << "LblStatus"
                                          << "LblNowhere" << 1 << "";
    QTest::newRow("no status label name") << ""
                                          << "" << 1 << "untouched";
    QTest::newRow("status label missing") << "LblNowhere"
                                          << "" << 1 << "untouched";
}

void tst_ContainerButtons::statusLabel()
{
    QFETCH(QString, statusName);
    QFETCH(QString, sourceName);
    QFETCH(int, labelsInButton);
    QFETCH(QString, status);

    // The status and the named source live in other branches of the page.
    QWidget page;
    auto* summary = new QWidget(&page);
    auto* statusLabel = new QLabel("untouched", summary);
    statusLabel->setObjectName("LblStatus");
    auto* source = new QLabel(summary);
    source->setObjectName("LblSource");
    source->setToolTip("from the page");
    auto* list = new QWidget(&page);
    auto* button = new QZELKContainerCheckButton(list);
    for (int i = 0; i < labelsInButton; ++i)
        (new QLabel(button))->setToolTip(QString("tip %1").arg(i));
    button->setStatusLabelName(statusName);
    button->setStatusSourceLabelName(sourceName);

    QCOMPARE(button->rootWidget(), &page);
    button->setChecked(true);
    QCOMPARE(statusLabel->text(), status);

    button->setStatusText("Celsius");
    QCOMPARE(statusLabel->toolTip(), statusName == "LblStatus" ? QString("Celsius") : QString());
}

void tst_ContainerButtons::radioGroupOfSiblings()
{
    QWidget page;
    auto* list = new QWidget(&page);
    auto* a = radio(list, "a");
    auto* b = radio(list, "b");
    auto* elsewhere = radio(new QWidget(&page), "elsewhere");
    a->setChecked(true);
    elsewhere->setChecked(true);
    QSignalSpy aChanged(a, &QZELKContainerCheckButton::checkedChanged);
    QSignalSpy bChanged(b, &QZELKContainerCheckButton::checkedChanged);

    QTest::mouseClick(a, Qt::LeftButton);
    QVERIFY(a->isChecked());
    QCOMPARE(aChanged.count(), 0);

    QTest::mouseClick(b, Qt::LeftButton);
    QVERIFY(!a->isChecked());
    QVERIFY(b->isChecked());
    QCOMPARE(aChanged.count(), 1);
    QCOMPARE(aChanged.at(0).at(0).toBool(), false);
    QCOMPARE(bChanged.count(), 1);
    QCOMPARE(bChanged.at(0).at(0).toBool(), true);
    QVERIFY(elsewhere->isChecked());

    b->setChecked(false);
    QVERIFY(b->isChecked());
}

void tst_ContainerButtons::radioGroupOfCousins()
{
    // Rows of a page, each row holding one radio button in a frame.
    QWidget page;
    QList<QZELKContainerRadioButton*> buttons;
    for (int i = 0; i < 3; ++i)
        buttons << radio(new QWidget(&page), QString("row %1").arg(i), 2);
    auto* deeper = radio(new QWidget(new QWidget(&page)), "deeper", 2);
    deeper->setChecked(true);

    buttons[0]->setChecked(true);
    buttons[2]->setChecked(true);
    QVERIFY(!buttons[0]->isChecked());
    QVERIFY(buttons[2]->isChecked());
    QCOMPARE(buttons[1]->checkedButtonInGroup(), buttons[2]);
    QVERIFY(deeper->isChecked());
}

void tst_ContainerButtons::radioWithoutGroup()
{
    QWidget page;
    auto* loner = radio(&page, "loner", 0);
    auto* sibling = radio(&page, "sibling");
    auto* farAway = radio(&page, "far away", 5);
    sibling->setChecked(true);

    loner->setChecked(true);
    farAway->setChecked(true);
    QVERIFY(sibling->isChecked());
    QVERIFY(loner->isChecked());
    QCOMPARE(loner->checkedButtonInGroup(), nullptr);
    QCOMPARE(farAway->checkedButtonInGroup(), nullptr);
}

void tst_ContainerButtons::radioGroupOperations()
{
    QWidget list;
    auto* a = radio(&list, "a");
    auto* b = radio(&list, "b");
    QCOMPARE(a->checkedButtonInGroup(), nullptr);
    b->setChecked(true);
    QCOMPARE(a->checkedButtonInGroup(), b);

    QSignalSpy bChanged(b, &QZELKContainerCheckButton::checkedChanged);
    b->forceUnchecked();
    QVERIFY(!b->isChecked());
    QCOMPARE(bChanged.count(), 0);

    b->setChecked(true);
    a->uncheckGroup(false);
    QVERIFY(!b->isChecked());
    QCOMPARE(bChanged.count(), 1);

    b->setChecked(true);
    b->uncheckGroup();
    QVERIFY(!b->isChecked());
    QCOMPARE(bChanged.count(), 3);
}

void tst_ContainerButtons::dialogButtonTurnsOrangeWhilePressed()
{
    QZELKDialogButton button;
    button.resize(100, 40);
    const QColor normal = button.grab().toImage().pixelColor(50, 30);
    button.setDown(true);
    const QColor pressed = button.grab().toImage().pixelColor(50, 30);

    QVERIFY(normal.red() < 0x60 && normal.green() < 0x60);
    QCOMPARE(pressed.red(), 255);
    QVERIFY(pressed.green() >= 0x66 && pressed.blue() < 0x20);
}

TAMARIND_TEST_MAIN(tst_ContainerButtons)
#include "tst_containerbuttons.moc"
