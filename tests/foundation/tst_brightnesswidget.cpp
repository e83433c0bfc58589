#include "brightnesscontroller.h"
#include "brightnesswidget.h"
#include "tamarindsettings.h"
#include "testsupport.h"
#include "zelkpushbutton.h"

#include <QImage>
#include <QLabel>
#include <QMouseEvent>

class tst_BrightnessWidget : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void barsAndPercentage_data();
    void barsAndPercentage();
    void withoutLevelsShowsZeroPercent();
    void tappingABarSetsItsLevel();
    void draggingAlongTheColumnFollowsTheFinger();
    void factoryResetRestoresThePlatformDefault_data();
    void factoryResetRestoresThePlatformDefault();
    void litBarsAreOrangeAndDarkOnesGrey();

private:
    static bool shown(TBrightnessWidget& pWidget)
    {
        // A fixed size keeps the offscreen platform from complaining about size hints.
        pWidget.setFixedSize(100, 400);
        pWidget.show();
        return QTest::qWaitForWindowExposed(&pWidget);
    }
    // The bars from top to bottom.
    static QList<QZELKPushButton*> bars(const TBrightnessWidget& pWidget)
    {
        return pWidget.findChildren<QZELKPushButton*>();
    }
    // "x" for a lit bar, "." for a dark one, top to bottom.
    static QString lit(const TBrightnessWidget& pWidget)
    {
        QString pattern;
        for (const QZELKPushButton* bar : bars(pWidget))
            pattern += bar->styleSheet().contains("#FFCC00") ? 'x' : '.';
        return pattern;
    }
};

namespace
{
const QString FILE1 = "/sys/devices/platform/pwm-backlight/backlight/pwm-backlight/brightness";
const zelk::vector<int> LEVELS1{100, 87, 78, 69, 60, 51, 42, 33, 24, 15};
const zelk::vector<int> LEVELS2{10, 9, 8, 7, 6, 5, 4, 3, 2, 1};
} // namespace

void tst_BrightnessWidget::init()
{
    TTamarindSettings::instance().removeSection("brightness");
    TAMARIND_WRITE_DEVICE_FILE(FILE1, "");
}

void tst_BrightnessWidget::barsAndPercentage_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("percent");
    QTest::newRow("brightest") << 100 << "xxxxxxxxxx"
                               << "100%";
    QTest::newRow("default level") << 60 << "....xxxxxx"
                                   << "60%";
    QTest::newRow("darkest") << 15 << ".........x"
                             << "10%";
    QTest::newRow("between two bars") << 65 << "....xxxxxx"
                                      << "60%";
    QTest::newRow("below every bar") << 10 << ".........."
                                     << "0%";
}

void tst_BrightnessWidget::barsAndPercentage()
{
    QFETCH(int, level);
    QFETCH(QString, pattern);
    QFETCH(QString, percent);

    TBrightnessController controller(FILE1, 10, 60, LEVELS1);
    QLabel label;
    TBrightnessWidget widget(&controller, LEVELS1, 2, &label, nullptr);
    widget.setBrightness(level);
    QCOMPARE(lit(widget), pattern);
    QCOMPARE(label.text(), percent);
    QCOMPARE(TTestEnvironment::readDeviceFile(FILE1), QByteArray::number(level));
}

void tst_BrightnessWidget::withoutLevelsShowsZeroPercent()
{
    TBrightnessController controller("/dev/null", 0, 0, zelk::vector<int>());
    QLabel label;
    TBrightnessWidget widget(&controller, zelk::vector<int>(), 2, &label, nullptr);
    QCOMPARE(label.text(), QString("0%"));
    widget.setBrightness(0);
    QCOMPARE(label.text(), QString("0%"));
}

void tst_BrightnessWidget::tappingABarSetsItsLevel()
{
    TBrightnessController controller(FILE1, 10, 60, LEVELS1);
    QLabel label;
    TBrightnessWidget widget(&controller, LEVELS1, 2, &label, nullptr);
    QVERIFY(shown(widget));

    QTest::mouseClick(bars(widget).at(1), Qt::LeftButton);
    QCOMPARE(controller.brightness(), 87);
    QCOMPARE(TTestEnvironment::readDeviceFile(FILE1), QByteArray("87"));
    QCOMPARE(TTamarindSettings::instance().value("brightness", "value"), QString("87"));
    QCOMPARE(lit(widget), QString(".xxxxxxxxx"));
    QCOMPARE(label.text(), QString("90%"));
}

void tst_BrightnessWidget::draggingAlongTheColumnFollowsTheFinger()
{
    TBrightnessController controller(FILE1, 10, 60, LEVELS1);
    QLabel label;
    TBrightnessWidget widget(&controller, LEVELS1, 2, &label, nullptr);
    QVERIFY(shown(widget));

    // The finger goes down on the darkest bar; its moves go to that bar.
    QZELKPushButton* bottom = bars(widget).last();
    const QPoint start = bottom->rect().center();
    QTest::mousePress(bottom, Qt::LeftButton, Qt::NoModifier, start);
    QList<int> seen;
    for (int bar : {7, 5, 2}) {
        const QPoint over = bottom->mapFrom(&widget, bars(widget).at(bar)->geometry().center());
        QMouseEvent move(QEvent::MouseMove, over, bottom->mapToGlobal(over), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(bottom, &move);
        seen << controller.brightness();
    }
    QCOMPARE(seen, (QList<int>{33, 51, 78}));
    QCOMPARE(lit(widget), QString("..xxxxxxxx"));

    // Moves over the widget between the bars count as well.
    const QPoint overTop = bars(widget).first()->geometry().center();
    QMouseEvent move(QEvent::MouseMove, overTop, widget.mapToGlobal(overTop), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&widget, &move);
    QCOMPARE(controller.brightness(), 100);
}

void tst_BrightnessWidget::factoryResetRestoresThePlatformDefault_data()
{
    QTest::addColumn<int>("defaultLevel");
    QTest::addColumn<QString>("percent");
    QTest::newRow("platform 1") << 60 << "60%";
    QTest::newRow("platform 2, levels 1 to 10") << 6 << "60%";
}

void tst_BrightnessWidget::factoryResetRestoresThePlatformDefault()
{
    QFETCH(int, defaultLevel);
    QFETCH(QString, percent);

    const zelk::vector<int>& levels = defaultLevel == 6 ? LEVELS2 : LEVELS1;
    TBrightnessController controller(FILE1, defaultLevel == 6 ? 1 : 10, defaultLevel, levels);
    QLabel label;
    TBrightnessWidget widget(&controller, levels, 2, &label, nullptr);
    widget.setBrightness(defaultLevel == 6 ? 10 : 100);
    widget.factoryReset();
    QCOMPARE(controller.brightness(), defaultLevel);
    QCOMPARE(TTestEnvironment::readDeviceFile(FILE1), QByteArray::number(defaultLevel));
    QCOMPARE(label.text(), percent);
}

void tst_BrightnessWidget::litBarsAreOrangeAndDarkOnesGrey()
{
    TBrightnessController controller(FILE1, 10, 60, LEVELS1);
    QWidget page;
    page.setStyleSheet("background-color: #333333;");
    page.resize(300, 400);
    auto* label = new QLabel(&page);
    label->setGeometry(200, 10, 90, 30);
    label->setStyleSheet("color: white;");
    auto* widget = new TBrightnessWidget(&controller, LEVELS1, 2, label, &page);
    widget->setGeometry(0, 10, 190, 380);
    widget->setBrightness(69);

    const QImage picture = page.grab().toImage();
    // Sampled low in each bar, where the gradient has left its light top edge.
    auto colourOf = [&](int pBar) {
        const QRect bar = bars(*widget).at(pBar)->geometry().translated(widget->pos());
        return picture.pixelColor(bar.center().x(), bar.bottom() - 6);
    };
    for (int bar = 0; bar < 10; ++bar) {
        const QColor colour = colourOf(bar);
        if (bar < 3)
            QVERIFY2(qAbs(colour.red() - colour.blue()) < 20, qPrintable(colour.name()));
        else
            QVERIFY2(colour.red() > 200 && colour.blue() < 80, qPrintable(colour.name()));
    }
    QCOMPARE(label->text(), QString("70%"));
}

TAMARIND_TEST_MAIN(tst_BrightnessWidget)
#include "tst_brightnesswidget.moc"
