#include "testsupport.h"
#include "touchscrollarea.h"
#include "zelkappbutton.h"
#include "zelkcontainerpushbutton.h"

#include <QLabel>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSignalSpy>
#include <QVBoxLayout>

#include <memory>

namespace
{
// A list of ten 50 pixel rows in a 200 by 100 area, scrolled to the middle.
struct TList
{
    std::unique_ptr<TTouchScrollArea> mArea = std::make_unique<TTouchScrollArea>();
    QWidget* mContent = new QWidget;
    QList<QZELKContainerPushButton*> mRows;

    TList()
    {
        auto* column = new QVBoxLayout(mContent);
        column->setSpacing(0);
        column->setContentsMargins(0, 0, 0, 0);
        for (int i = 0; i < 10; ++i) {
            auto* row = new QZELKContainerPushButton(mContent);
            row->setFixedHeight(50);
            row->label()->setText(QString("Channel %1").arg(i + 1));
            column->addWidget(row);
            mRows << row;
        }
        mArea->setWidgetResizable(true);
        mArea->setWidget(mContent);
        // A fixed window size keeps the offscreen platform from complaining
        // about size hints it cannot pass on.
        mArea->setFixedSize(200, 100);
        mArea->show();
        QVERIFY(QTest::qWaitForWindowExposed(mArea.get()));
        bar()->setValue(200);
    }

    QScrollBar* bar() const { return mArea->verticalScrollBar(); }
};

// Moves the finger, down on pWidget's centre, to pDy pixels below where it
// touched the screen (the widget itself may have scrolled away since).
struct TFinger
{
    QWidget* mWidget;
    QPoint mTouched;

    explicit TFinger(QWidget* pWidget) : mWidget(pWidget), mTouched(pWidget->mapToGlobal(pWidget->rect().center())) {}

    void moveTo(int pDy) const
    {
        const QPoint global = mTouched + QPoint(0, pDy);
        QMouseEvent move(QEvent::MouseMove, mWidget->mapFromGlobal(global), global, Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(mWidget, &move);
    }
};
} // namespace

class tst_TouchScrollArea : public QObject
{
    Q_OBJECT

private slots:
    void constructionWatchesEverything();
    void tapOrDrag_data();
    void tapOrDrag();
    void scrollingFollowsTheFinger();
    void scrollingDisabledStillTaps();
    void rightButtonPassesThrough();
    void pressIsHeldBackUntilRelease();
    void appButtonHearsTheTouchAtOnce();
    void widgetsAddedAndRemovedLater();
    void targetGoneBeforeRelease();
};

void tst_TouchScrollArea::constructionWatchesEverything()
{
    TList list;
    QVERIFY(list.mArea->objectMonitored(list.mArea.get()));
    QVERIFY(list.mArea->objectMonitored(list.mArea->viewport()));
    QVERIFY(list.mArea->objectMonitored(list.mContent));
    QVERIFY(list.mArea->objectMonitored(list.mRows[3]));
    QVERIFY(list.mArea->objectMonitored(list.mRows[3]->label()));
    QVERIFY(!list.bar()->isEnabled());
    QVERIFY(!list.mArea->horizontalScrollBar()->isEnabled());
    QVERIFY(list.mArea->scrollingEnabled());
    QCOMPARE(TTouchScrollArea::getQZELKAbstractButtonAncestor(list.mRows[3]->label()), list.mRows[3]);
    QCOMPARE(TTouchScrollArea::getQZELKAbstractButtonAncestor(list.mContent), nullptr);
}

void tst_TouchScrollArea::tapOrDrag_data()
{
    QTest::addColumn<int>("distance");
    QTest::addColumn<bool>("tap");

    QTest::newRow("finger still") << 0 << true;
    QTest::newRow("9 pixels down is a tap") << 9 << true;
    QTest::newRow("9 pixels up is a tap") << -9 << true;
    QTest::newRow("10 pixels down scrolls") << 10 << false;
    QTest::newRow("10 pixels up scrolls") << -10 << false;
    QTest::newRow("40 pixels down scrolls") << 40 << false;
}

void tst_TouchScrollArea::tapOrDrag()
{
    QFETCH(int, distance);
    QFETCH(bool, tap);

    TList list;
    QZELKContainerPushButton* row = list.mRows[4];
    QLabel* caption = row->label();
    QSignalSpy clicked(row, &QZELKContainerPushButton::clicked);
    QSignalSpy announced(row, &QZELKContainerPushButton::announceButtonPressed);

    const TFinger finger(caption);
    QTest::mousePress(caption, Qt::LeftButton);
    QCOMPARE(announced.count(), 1);
    QVERIFY(row->isHighlighted());
    finger.moveTo(distance);
    QCOMPARE(list.bar()->value(), tap ? 200 : 200 - distance);
    QTest::mouseRelease(caption, Qt::LeftButton, {}, caption->rect().center() + QPoint(0, distance));

    QCOMPARE(clicked.count(), tap ? 1 : 0);
    QVERIFY(!row->isHighlighted());
    QVERIFY(!row->isPressVisible());
}

void tst_TouchScrollArea::scrollingFollowsTheFinger()
{
    TList list;
    QLabel* caption = list.mRows[4]->label();
    const TFinger finger(caption);
    QTest::mousePress(caption, Qt::LeftButton);
    finger.moveTo(5);
    finger.moveTo(20);
    QCOMPARE(list.bar()->value(), 180);
    // From here on each move counts from the last one.
    finger.moveTo(25);
    QCOMPARE(list.bar()->value(), 175);
    finger.moveTo(-15);
    QCOMPARE(list.bar()->value(), 215);
    QTest::mouseRelease(caption, Qt::LeftButton);

    // After the release moves are the content's own again.
    finger.moveTo(60);
    QCOMPARE(list.bar()->value(), 215);
}

void tst_TouchScrollArea::scrollingDisabledStillTaps()
{
    TList list;
    list.mArea->setScrollingEnabled(false);
    QZELKContainerPushButton* row = list.mRows[4];
    QSignalSpy clicked(row, &QZELKContainerPushButton::clicked);

    const TFinger finger(row);
    QTest::mousePress(row, Qt::LeftButton);
    finger.moveTo(30);
    finger.moveTo(80);
    QTest::mouseRelease(row, Qt::LeftButton);

    QCOMPARE(list.bar()->value(), 200);
    QCOMPARE(clicked.count(), 1);
}

void tst_TouchScrollArea::rightButtonPassesThrough()
{
    TList list;
    QZELKContainerPushButton* row = list.mRows[4];
    QSignalSpy announced(row, &QZELKContainerPushButton::announceButtonPressed);
    QSignalSpy clicked(row, &QZELKContainerPushButton::clicked);

    QTest::mousePress(row, Qt::RightButton);
    QCOMPARE(announced.count(), 0);
    QVERIFY(row->isPressVisible());
    QTest::mouseRelease(row, Qt::RightButton);
    QCOMPARE(clicked.count(), 1);
}

void tst_TouchScrollArea::pressIsHeldBackUntilRelease()
{
    // A plain push button sees nothing of the press until the finger lifts.
    TList list;
    auto* button = new QPushButton("Apply", list.mContent);
    list.mContent->layout()->addWidget(button);
    QSignalSpy pressed(button, &QPushButton::pressed);
    QSignalSpy clicked(button, &QPushButton::clicked);

    QTest::mousePress(button, Qt::LeftButton);
    TFinger(button).moveTo(3);
    QCOMPARE(pressed.count(), 0);
    QTest::mouseRelease(button, Qt::LeftButton);
    QCOMPARE(pressed.count(), 1);
    QCOMPARE(clicked.count(), 1);
}

void tst_TouchScrollArea::appButtonHearsTheTouchAtOnce()
{
    TList list;
    auto* button = new QZELKAppButton(list.mContent);
    list.mContent->layout()->addWidget(button);
    QSignalSpy touched(button, &QZELKAppButton::beforeButtonPressed);
    QSignalSpy pressed(button, &QPushButton::pressed);

    QTest::mousePress(button, Qt::LeftButton);
    QCOMPARE(touched.count(), 1);
    QCOMPARE(pressed.count(), 0);
    QTest::mouseRelease(button, Qt::LeftButton);
    QCOMPARE(touched.count(), 1);
    QCOMPARE(pressed.count(), 1);
}

void tst_TouchScrollArea::widgetsAddedAndRemovedLater()
{
    TList list;
    auto* row = new QZELKContainerPushButton(list.mContent);
    QLabel* caption = row->label();
    list.mContent->layout()->addWidget(row);
    QVERIFY(list.mArea->objectMonitored(row));
    QVERIFY(list.mArea->objectMonitored(caption));

    row->setParent(nullptr);
    QVERIFY(!list.mArea->objectMonitored(row));
    QVERIFY(!list.mArea->objectMonitored(caption));
    QSignalSpy clicked(row, &QZELKContainerPushButton::clicked);
    QTest::mousePress(row, Qt::LeftButton);
    QVERIFY(row->isPressVisible());
    delete row;

    QZELKContainerPushButton* deleted = list.mRows.takeAt(2);
    delete deleted;
    QVERIFY(!list.mArea->objectMonitored(deleted));
}

void tst_TouchScrollArea::targetGoneBeforeRelease()
{
    TList list;
    QZELKContainerPushButton* row = list.mRows[4];
    QTest::mousePress(row->label(), Qt::LeftButton);
    delete row->label();
    QSignalSpy clicked(row, &QZELKContainerPushButton::clicked);
    // The release reaches the row now that its caption is gone.
    QTest::mouseRelease(row, Qt::LeftButton);
    QCOMPARE(clicked.count(), 1);
    QVERIFY(!row->isPressVisible());
}

TAMARIND_TEST_MAIN(tst_TouchScrollArea)
#include "tst_touchscrollarea.moc"
