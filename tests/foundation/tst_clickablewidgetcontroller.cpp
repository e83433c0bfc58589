#include "clickablewidgetcontroller.h"
#include "testsupport.h"
#include "touchscrollarea.h"

#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSignalSpy>
#include <QVBoxLayout>

namespace
{
// Counts the releases that reach the widget itself.
class TReleaseCounter : public QWidget
{
public:
    using QWidget::QWidget;
    int mReleases = 0;

protected:
    void mouseReleaseEvent(QMouseEvent*) override { ++mReleases; }
};

// A settings list: rows with a caption label each.
struct TPage
{
    QWidget mPage;
    QLabel* mIndicator = new QLabel(&mPage);
    TClickableWidgetController mController{mIndicator};
    QSignalSpy mActivated{&mController, &TClickableWidgetController::widgetActivated};
    QSignalSpy mReleased{&mController, &TClickableWidgetController::widgetMouseBtnReleased};

    TReleaseCounter* row(const QString& pName, short pGroup = 0, bool pToggle = false, const QString& pToolTip = {})
    {
        auto* row = new TReleaseCounter(&mPage);
        row->setObjectName(pName);
        auto* caption = new QLabel(pName, row);
        caption->setToolTip(pToolTip);
        mController.addWidget(pGroup, row, caption, pToggle);
        return row;
    }

    // "group: previous -> current" for every widgetActivated so far.
    QStringList activations() const
    {
        QStringList list;
        for (const QList<QVariant>& signal : mActivated) {
            auto name = [](const QVariant& pWidget) {
                auto* widget = pWidget.value<QWidget*>();
                return widget ? widget->objectName() : QString("none");
            };
            list << QString("%1: %2 -> %3").arg(signal.at(0).toInt()).arg(name(signal.at(1)), name(signal.at(2)));
        }
        return list;
    }
};
} // namespace

class tst_ClickableWidgetController : public QObject
{
    Q_OBJECT

private slots:
    void releasesActivateOnePerGroup();
    void toggleWidget();
    void disabledWidgetsAreSilent();
    void indicatorLabel();
    void receiversStillSeeThePreviousWidget();
    void programmaticChanges();
    void removedAndDeletedWidgets();
    void labelsAndIndicationTexts();
    void clickableWidgetRow();
    void captionFullHeight_data();
    void captionFullHeight();
    void rowsInATouchScrollArea_data();
    void rowsInATouchScrollArea();
};

void tst_ClickableWidgetController::releasesActivateOnePerGroup()
{
    TPage page;
    TReleaseCounter* celsius = page.row("celsius");
    TReleaseCounter* kelvin = page.row("kelvin");
    TReleaseCounter* average = page.row("average", 2);

    QTest::mouseClick(celsius, Qt::LeftButton);
    QTest::mouseClick(kelvin, Qt::LeftButton);
    QTest::mouseClick(average, Qt::LeftButton);
    QTest::mouseClick(average, Qt::LeftButton);

    QCOMPARE(page.activations(), (QStringList{"0: none -> celsius", "0: celsius -> kelvin", "2: none -> average"}));
    QCOMPARE(page.mReleased.count(), 4);
    QCOMPARE(page.mReleased.at(3).at(0).value<QWidget*>(), average);
    QCOMPARE(page.mController.activeWidget(), kelvin);
    QCOMPARE(page.mController.activeWidget(2), average);
    QVERIFY(page.mController.isWidgetActive(average));
    QVERIFY(!page.mController.isWidgetActive(celsius));
    // The rows never see their releases.
    QCOMPARE(kelvin->mReleases + average->mReleases, 0);
}

void tst_ClickableWidgetController::toggleWidget()
{
    TPage page;
    TReleaseCounter* alarm = page.row("alarm", 1, true);

    QTest::mouseClick(alarm, Qt::LeftButton);
    QTest::mouseClick(alarm, Qt::LeftButton);
    QTest::mouseClick(alarm, Qt::LeftButton);

    QCOMPARE(page.activations(), (QStringList{"1: none -> alarm", "1: alarm -> none", "1: none -> alarm"}));
    QCOMPARE(page.mReleased.count(), 3);

    page.mController.toggleWidget(alarm);
    QCOMPARE(page.mController.activeWidget(1), nullptr);
    page.mController.toggleWidget(alarm);
    QCOMPARE(page.mController.activeWidget(1), alarm);
}

void tst_ClickableWidgetController::disabledWidgetsAreSilent()
{
    TPage page;
    TReleaseCounter* row = page.row("locked");
    row->setEnabled(false);

    QTest::mouseClick(row, Qt::LeftButton);

    QCOMPARE(page.mActivated.count(), 0);
    QCOMPARE(page.mReleased.count(), 0);
    QCOMPARE(row->mReleases, 0);
    QCOMPARE(page.mController.activeWidget(), nullptr);
}

void tst_ClickableWidgetController::indicatorLabel()
{
    TPage page;
    TReleaseCounter* english = page.row("English", 0, false, "en");
    TReleaseCounter* german = page.row("Deutsch");
    TReleaseCounter* other = page.row("other group", 2);

    QTest::mouseClick(english, Qt::LeftButton);
    QCOMPARE(page.mIndicator->text(), QString("en"));
    QTest::mouseClick(german, Qt::LeftButton);
    QCOMPARE(page.mIndicator->text(), QString("Deutsch"));
    // Any group rewrites the indicator; indicateActiveWidget() looks at group 0 only.
    QTest::mouseClick(other, Qt::LeftButton);
    QCOMPARE(page.mIndicator->text(), QString("other group"));
    page.mController.indicateActiveWidget();
    QCOMPARE(page.mIndicator->text(), QString("Deutsch"));

    page.mController.resetActiveWidget();
    page.mIndicator->setText("unchanged");
    page.mController.indicateActiveWidget();
    QCOMPARE(page.mIndicator->text(), QString("unchanged"));
}

void tst_ClickableWidgetController::receiversStillSeeThePreviousWidget()
{
    TPage page;
    TReleaseCounter* first = page.row("first");
    TReleaseCounter* second = page.row("second");
    QStringList seen;
    connect(&page.mController, &TClickableWidgetController::widgetActivated, &page.mController,
            [&](short pGroup, QWidget*, QWidget*) {
                QWidget* active = page.mController.activeWidget(pGroup);
                seen << (active ? active->objectName() : "none") + " / " + page.mIndicator->text();
            });

    QTest::mouseClick(first, Qt::LeftButton);
    QTest::mouseClick(second, Qt::LeftButton);
    QCOMPARE(seen, (QStringList{"none / first", "first / second"}));
}

void tst_ClickableWidgetController::programmaticChanges()
{
    TPage page;
    TReleaseCounter* a = page.row("a");
    TReleaseCounter* b = page.row("b", 3);
    QWidget stranger;

    page.mController.activateWidget(&stranger);
    page.mController.activateWidget(a);
    page.mController.activateWidget(a);
    page.mController.deactivateWidget(b);
    page.mController.activateAll();
    QCOMPARE(page.activations(), (QStringList{"0: none -> a", "3: none -> b"}));

    page.mController.deactivateAll();
    QCOMPARE(page.activations().mid(2), (QStringList{"0: a -> none", "3: b -> none"}));
    page.mController.resetActiveWidget();
    QCOMPARE(page.mActivated.count(), 4);

    page.mController.activateWidget(a);
    page.mController.resetActiveWidget();
    QCOMPARE(page.activations().mid(4), (QStringList{"0: none -> a", "0: a -> none"}));

    page.mPage.show();
    page.mController.hideAll();
    QVERIFY(!a->isVisible() && !b->isVisible());
}

void tst_ClickableWidgetController::removedAndDeletedWidgets()
{
    TPage page;
    TReleaseCounter* kept = page.row("kept");
    TReleaseCounter* removed = page.row("removed");
    TReleaseCounter* deleted = page.row("deleted", 1);
    page.mController.activateWidget(removed);
    page.mController.activateWidget(deleted);
    page.mActivated.clear();

    page.mController.removeWidget(removed);
    QCOMPARE(page.mController.activeWidget(), nullptr);
    QTest::mouseClick(removed, Qt::LeftButton);
    QCOMPARE(removed->mReleases, 1);

    // Rows deleted with their list without being removed are forgotten.
    delete deleted;
    QCOMPARE(page.mController.activeWidget(1), nullptr);
    page.mController.hideAll();
    page.mController.activateAll();
    QCOMPARE(page.activations(), QStringList{"0: none -> kept"});

    page.mController.clear();
    QCOMPARE(page.mController.activeWidget(), nullptr);
    QTest::mouseClick(kept, Qt::LeftButton);
    QCOMPARE(kept->mReleases, 1);
    QCOMPARE(page.mActivated.count(), 1);
}

void tst_ClickableWidgetController::labelsAndIndicationTexts()
{
    TPage page;
    QWidget row;
    auto* inner = new QWidget(&row);
    new QLabel("nested", inner);
    auto* first = new QLabel("first", &row);
    new QLabel("second", &row);

    QCOMPARE(page.mController.getLabelFromWidget(&row), first);
    QCOMPARE(page.mController.getIndicationText(&row), QString());
    page.mController.addWidget(&row, nullptr);
    QCOMPARE(page.mController.getIndicationText(&row), QString());
    auto* registered = new QLabel("registered", &row);
    page.mController.addWidget(&row, registered, true);
    QCOMPARE(page.mController.getLabelFromWidget(&row), registered);
    QCOMPARE(page.mController.getIndicationText(&row), QString("registered"));
    registered->setToolTip("its tool tip");
    QCOMPARE(page.mController.getIndicationText(&row), QString("its tool tip"));

    QWidget empty;
    QCOMPARE(page.mController.getLabelFromWidget(&empty), nullptr);
}

void tst_ClickableWidgetController::clickableWidgetRow()
{
    TPage page;
    const QPair<QWidget*, QLabel*> row = TClickableWidgetController::createClickableWidget(&page.mPage, "Log 12");
    QCOMPARE(row.first->parentWidget(), &page.mPage);
    QCOMPARE(row.second->text(), QString("Log 12"));
    auto* grid = qobject_cast<QGridLayout*>(row.first->layout());
    QVERIFY(grid);
    QCOMPARE(grid->itemAtPosition(0, 0)->widget(), row.second);
    row.first->setObjectName("BtnLog12");

    // Not registered until the caller adds it.
    QTest::mouseClick(row.first, Qt::LeftButton);
    QCOMPARE(page.mReleased.count(), 0);
    page.mController.addWidget(row.first, row.second, false);
    QTest::mouseClick(row.first, Qt::LeftButton);
    QCOMPARE(page.activations(), QStringList{"0: none -> BtnLog12"});
}

void tst_ClickableWidgetController::captionFullHeight_data()
{
    // Empty: the row keeps the sheet it was made with.
    QTest::addColumn<QString>("sheet");
    QTest::addColumn<int>("minimumHeight");
    QTest::addColumn<int>("marginAbove");
    // 30 px inside a border of 2 px, as the form's rows.
    QTest::newRow("the list's own sheet: held at its maximum") << QString() << 34 << 0;
    QTest::newRow("a sheet without a maximum: left as it was")
        << QString(".QWidget { border: 2px solid #252525; }") << 0 << -1;
}

// A caption with a line taller than a Latin one gets the whole height inside the row's border; the row keeps
// the height the form's rows have, which only its sheet's maximum tells.
void tst_ClickableWidgetController::captionFullHeight()
{
    QFETCH(QString, sheet);
    QFETCH(int, minimumHeight);
    QFETCH(int, marginAbove);
    TPage page;
    const QPair<QWidget*, QLabel*> row = TClickableWidgetController::createClickableWidget(&page.mPage, "日本語");
    if (!sheet.isEmpty())
        row.first->setStyleSheet(sheet);
    const int styleMargin = row.first->layout()->contentsMargins().top();
    TClickableWidgetController::giveCaptionFullHeight(row.first);
    QCOMPARE(row.first->minimumHeight(), minimumHeight);
    QCOMPARE(row.first->layout()->contentsMargins().top(), marginAbove < 0 ? styleMargin : marginAbove);
}

void tst_ClickableWidgetController::rowsInATouchScrollArea_data()
{
    QTest::addColumn<int>("distance");
    QTest::addColumn<bool>("activated");
    QTest::newRow("a tap") << 0 << true;
    QTest::newRow("a 40 pixel drag") << 40 << false;
}

// The rows of a list sit in a touch scroll area that was there before the rows were registered: a drag that
// starts on a row scrolls the list and activates nothing.
void tst_ClickableWidgetController::rowsInATouchScrollArea()
{
    QFETCH(int, distance);
    QFETCH(bool, activated);
    TPage page;
    auto* area = new TTouchScrollArea(&page.mPage);
    auto* content = new QWidget;
    auto* column = new QVBoxLayout(content);
    column->setSpacing(0);
    column->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < 6; ++i) {
        auto* row = new TReleaseCounter(content);
        row->setObjectName(QString("row%1").arg(i));
        row->setFixedHeight(50);
        column->addWidget(row);
    }
    area->setWidgetResizable(true);
    area->setWidget(content);
    area->setFixedSize(200, 100);
    page.mPage.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page.mPage));
    auto* german = content->findChild<TReleaseCounter*>("row1");
    page.mController.addWidget(german, new QLabel("German", german), false);

    // Beside the caption, on the row itself.
    const QPoint touched(150, 40);
    QTest::mousePress(german, Qt::LeftButton, {}, touched);
    const QPoint lifted = german->mapToGlobal(touched) + QPoint(0, -distance);
    QMouseEvent move(QEvent::MouseMove, german->mapFromGlobal(lifted), lifted, Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(german, &move);
    QTest::mouseRelease(german, Qt::LeftButton, {}, german->mapFromGlobal(lifted));

    QCOMPARE(area->verticalScrollBar()->value(), distance);
    QCOMPARE(page.mController.activeWidget(), activated ? german : nullptr);
    QCOMPARE(page.mReleased.count(), activated ? 1 : 0);
}

TAMARIND_TEST_MAIN(tst_ClickableWidgetController)
#include "tst_clickablewidgetcontroller.moc"
