#include "tamarindmainform_ui.h"
#include "testsupport.h"

#include <QDir>
#include <QImage>
#include <QStyle>

#include <memory>

// Renders the form offscreen and reads colours and fonts back from the picture, so that the style
// sheets are checked as the user sees them. With TAMARIND_SNAPSHOT_DIR set, every page is also
// saved there as a PNG of the whole window for a look by eye.
class tst_TamarindMainFormLook : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void windowBackgroundNeedsTheFormName_data();
    void windowBackgroundNeedsTheFormName();
    void panelsAndTileColours();
    void textSizesComeFromTheSheets_data();
    void textSizesComeFromTheSheets();
    void selectedTogglesTurnOrange_data();
    void selectedTogglesTurnOrange();
    void pressedDialogButtonTurnsOrange();
    void activeMenuButtonTurnsOrange();
    void everyPageRenders();

private:
    QColor colourAt(QWidget* pWidget, QPoint pPoint);
    static void repolish(QWidget* pWidget);

    std::unique_ptr<QWidget> mForm;
    Ui_TTamarindMainForm mUi;
};

namespace
{

bool isOrange(const QColor& pColour)
{
    return pColour.red() > 200 && pColour.green() > 80 && pColour.blue() < 80;
}

bool isBlue(const QColor& pColour)
{
    return pColour.blue() > pColour.red() + 40 && pColour.blue() > pColour.green();
}

bool isDarkGrey(const QColor& pColour)
{
    return pColour.red() < 0x50 && qAbs(pColour.red() - pColour.blue()) < 8 &&
           qAbs(pColour.red() - pColour.green()) < 8;
}

} // namespace

void tst_TamarindMainFormLook::init()
{
    mForm = std::make_unique<QWidget>();
    mUi = Ui_TTamarindMainForm();
    mUi.setupUi(mForm.get());
    mForm->show();
    QVERIFY(QTest::qWaitForWindowExposed(mForm.get()));
}

void tst_TamarindMainFormLook::cleanup()
{
    mForm.reset();
}

QColor tst_TamarindMainFormLook::colourAt(QWidget* pWidget, QPoint pPoint)
{
    const QImage picture = mForm->grab().toImage();
    return picture.pixelColor(pWidget->mapTo(mForm.get(), pPoint));
}

void tst_TamarindMainFormLook::repolish(QWidget* pWidget)
{
    // Property selectors of a style sheet take effect only when the widget is polished again.
    pWidget->style()->unpolish(pWidget);
    pWidget->style()->polish(pWidget);
    pWidget->update();
}

void tst_TamarindMainFormLook::windowBackgroundNeedsTheFormName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("grey");
    QTest::newRow("named by the form") << "" << true;
    QTest::newRow("named otherwise") << "SomeWindow" << false;
}

void tst_TamarindMainFormLook::windowBackgroundNeedsTheFormName()
{
    QFETCH(QString, name);
    QFETCH(bool, grey);

    QWidget form;
    form.setObjectName(name);
    Ui_TTamarindMainForm ui;
    ui.setupUi(&form);
    const QImage picture = form.grab().toImage();
    // Between the window's edge and the two columns, which start 9 pixels in.
    QCOMPARE(picture.pixelColor(4, 4) == QColor("#333333"), grey);
    QCOMPARE(picture.pixelColor(542, 240) == QColor("#333333"), grey);
}

void tst_TamarindMainFormLook::panelsAndTileColours()
{
    // Inside the 2 pixel border of the grey panels, clear of their contents.
    QCOMPARE(colourAt(mUi.PnlStatusBar, QPoint(4, 14)), QColor("#414141"));
    QCOMPARE(colourAt(mUi.pnlInformationBar, QPoint(4, 14)), QColor("#414141"));
    QCOMPARE(colourAt(mUi.PnlStatusBar, QPoint(0, 14)), QColor("#252525"));
    // The single-channel tile is blue where nothing covers it.
    QVERIFY(isBlue(colourAt(mUi.widget_3, mUi.widget_3->rect().center())));
    // The value panels of the tile are dark blue.
    QCOMPARE(colourAt(mUi.pnlSingleViewPeak, QPoint(4, 20)), QColor("#032343"));
    // The language rows are drawn as dark buttons.
    mUi.stackedWidgetMenu->setCurrentWidget(mUi.PageLangSettings);
    QVERIFY(isDarkGrey(colourAt(mUi.BtnLang_german, QPoint(3, 25))));
}

void tst_TamarindMainFormLook::textSizesComeFromTheSheets_data()
{
    QTest::addColumn<QString>("widget");
    QTest::addColumn<int>("pixelSize");
    QTest::newRow("status bar caption") << "LblTitle" << 18;
    QTest::newRow("information bar") << "lblInfoBarCenter" << 14;
    QTest::newRow("main value") << "lblSingleViewMainVal" << 130;
    QTest::newRow("peak value") << "lblSingleViewMax" << 15;
    QTest::newRow("bottom bar button") << "BtnSave" << 15;
    QTest::newRow("menu caption") << "LblHome" << 18;
}

void tst_TamarindMainFormLook::textSizesComeFromTheSheets()
{
    QFETCH(QString, widget);
    QFETCH(int, pixelSize);

    auto* target = mForm->findChild<QWidget*>(widget);
    QVERIFY(target);
    QCOMPARE(target->font().pixelSize(), pixelSize);
}

void tst_TamarindMainFormLook::selectedTogglesTurnOrange_data()
{
    QTest::addColumn<QString>("button");
    QTest::newRow("freeze") << "btnSingleViewFreeze";
    QTest::newRow("square root") << "btnSingleViewRoot2";
}

void tst_TamarindMainFormLook::selectedTogglesTurnOrange()
{
    QFETCH(QString, button);

    auto* toggle = mForm->findChild<QPushButton*>(button);
    QVERIFY(toggle);
    const QPoint inside(5, toggle->height() * 3 / 5);
    QVERIFY(isBlue(colourAt(toggle, inside)));
    toggle->setFlat(true);
    repolish(toggle);
    QVERIFY(isOrange(colourAt(toggle, inside)));
    toggle->setFlat(false);
    repolish(toggle);
    QVERIFY(isBlue(colourAt(toggle, inside)));
}

void tst_TamarindMainFormLook::pressedDialogButtonTurnsOrange()
{
    const QPoint inside(5, mUi.BtnCancel->height() * 3 / 5);
    QVERIFY(isDarkGrey(colourAt(mUi.BtnCancel, inside)));
    mUi.BtnCancel->setDown(true);
    QVERIFY(isOrange(colourAt(mUi.BtnCancel, inside)));
}

void tst_TamarindMainFormLook::activeMenuButtonTurnsOrange()
{
    const QPoint inside(5, mUi.BtnSettings->height() * 3 / 5);
    QVERIFY(isDarkGrey(colourAt(mUi.BtnSettings, inside)));
    mUi.BtnSettings->setActive(true);
    QVERIFY(isOrange(colourAt(mUi.BtnSettings, inside)));
    mUi.BtnSettings->setActive(false);
    QVERIFY(isDarkGrey(colourAt(mUi.BtnSettings, inside)));
}

void tst_TamarindMainFormLook::everyPageRenders()
{
    const QString directory = qEnvironmentVariable("TAMARIND_SNAPSHOT_DIR");
    if (!directory.isEmpty()) {
        QVERIFY(QDir().mkpath(directory));
    }
    auto snapshot = [&](const QString& pName) {
        const QImage picture = mForm->grab().toImage();
        QCOMPARE(picture.size(), QSize(800, 480));
        if (!directory.isEmpty()) {
            QVERIFY(picture.save(directory + "/" + pName + ".png"));
        }
    };
    for (int index = 0; index < mUi.stackedWidget->count(); ++index) {
        mUi.stackedWidget->setCurrentIndex(index);
        snapshot(QStringLiteral("main_%1_%2")
                     .arg(index, 2, 10, QLatin1Char('0'))
                     .arg(mUi.stackedWidget->currentWidget()->objectName()));
    }
    mUi.stackedWidget->setCurrentIndex(0);
    for (int index = 0; index < mUi.stackedWidgetMenu->count(); ++index) {
        mUi.stackedWidgetMenu->setCurrentIndex(index);
        snapshot(QStringLiteral("menu_%1_%2")
                     .arg(index, 2, 10, QLatin1Char('0'))
                     .arg(mUi.stackedWidgetMenu->currentWidget()->objectName()));
    }
    // The selected, active and pressed looks of the home page, the menu and the bars.
    mUi.stackedWidgetMenu->setCurrentIndex(0);
    for (QPushButton* button :
         {static_cast<QPushButton*>(mUi.btnSingleViewFreeze), static_cast<QPushButton*>(mUi.btnSingleViewRoot2)}) {
        button->setFlat(true);
        repolish(button);
    }
    mUi.BtnSettings->setActive(true);
    mUi.BtnUSB->setActive(true);
    mUi.BtnSave->setDown(true);
    mUi.btnSingleViewDecRes->setEnabled(false);
    snapshot(QStringLiteral("main_00_PageHome_states"));
}

TAMARIND_TEST_MAIN(tst_TamarindMainFormLook)
#include "tst_tamarindmainformlook.moc"
