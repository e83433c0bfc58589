#include "menubuttoncontext.h"
#include "menucontextcallbackinterface.h"
#include "testsupport.h"
#include "zelkappbutton.h"

#include <QLabel>
#include <QSignalSpy>
#include <QStackedWidget>

namespace
{
// Stands in for the main window: records what the buttons ask and answers
// as told.
class TMainWindowCallback : public IMenuContextCallbackInterface
{
public:
    QZELKAppButton* mAbortFor = nullptr;
    QZELKAppButton* mHandleFor = nullptr;
    QStringList mCalls;

    void beforeShowConnectedView(QZELKAppButton* pButton, bool& handled) override
    {
        mCalls << "show " + pButton->objectName();
        handled = pButton == mHandleFor;
    }
    void beforeDefaultContextHandling(QZELKAppButton* pButton, bool& pAbort) override
    {
        mCalls << "default " + pButton->objectName();
        pAbort = pButton == mAbortFor;
    }
};

// The main window in small: a page stack, a title bar and a menu of buttons.
struct TMenu
{
    QWidget mWindow;
    QStackedWidget* mStack = new QStackedWidget(&mWindow);
    QWidget* mStart = new QWidget(mStack);
    QLabel* mTitleIcon = new QLabel(&mWindow);
    QLabel* mTitle = new QLabel(&mWindow);
    QWidget* mMenu = new QWidget(&mWindow);
    TMainWindowCallback mCallback;

    TMenu() { mStack->addWidget(mStart); }

    QZELKAppButton* addButton(const QString& pName, const QString& pCaption, bool pHighlight)
    {
        auto* button = new QZELKAppButton(mMenu);
        button->setObjectName(pName);
        auto* page = new QWidget(mStack);
        page->setObjectName("Page" + pName);
        mStack->addWidget(page);
        auto* caption = new QLabel(pCaption, mMenu);
        button->setMenuButtonContext(caption, page, mTitleIcon, mTitle, pName.toLower(), pHighlight, &mCallback);
        return button;
    }

    QString page() const { return mStack->currentWidget()->objectName(); }
};
} // namespace

class tst_MenuButtonContext : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void pressShowsThePage();
    void pressingAnotherButtonMovesTheHighlight();
    void pressingTheActiveButtonAgain();
    void callbackHandlesTheView();
    void callbackAbortsTheDefault();
    void buttonWithoutContext();
    void activeButtonGoneBeforeTheNextPress();
    void activeFlagRestylesAndSwapsIcons();
};

void tst_MenuButtonContext::init()
{
    TMenuButtonContext::activeMenuButtonContext = nullptr;
}

void tst_MenuButtonContext::pressShowsThePage()
{
    TMenu menu;
    QZELKAppButton* settings = menu.addButton("Settings", "Settings", true);
    QSignalSpy clicked(settings->menuButtonContext(), &TMenuButtonContext::buttonClicked);
    QSignalSpy activeChanged(settings, &QZELKAppButton::activeChanged);

    QTest::mousePress(settings, Qt::LeftButton);

    QCOMPARE(menu.page(), QString("PageSettings"));
    QCOMPARE(menu.mTitle->text(), QString("Settings"));
    QCOMPARE(settings->menuButtonContext()->iconSmall(), QString(":/statusicons/settings_small"));
    QVERIFY(settings->active());
    QCOMPARE(activeChanged.count(), 1);
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(TMenuButtonContext::activeMenuButtonContext, settings->menuButtonContext());
    QCOMPARE(menu.mCallback.mCalls, (QStringList{"default Settings", "show Settings"}));
    QTest::mouseRelease(settings, Qt::LeftButton);
}

void tst_MenuButtonContext::pressingAnotherButtonMovesTheHighlight()
{
    TMenu menu;
    QZELKAppButton* home = menu.addButton("Home", "Home", false);
    QZELKAppButton* probes = menu.addButton("Probes", "Probes", true);

    QTest::mouseClick(probes, Qt::LeftButton);
    QVERIFY(probes->active());
    QTest::mouseClick(home, Qt::LeftButton);

    QVERIFY(!probes->active());
    QVERIFY(!home->active());
    QCOMPARE(menu.page(), QString("PageHome"));
    QCOMPARE(menu.mTitle->text(), QString("Home"));
    QCOMPARE(TMenuButtonContext::activeMenuButtonContext, home->menuButtonContext());
}

void tst_MenuButtonContext::pressingTheActiveButtonAgain()
{
    TMenu menu;
    QZELKAppButton* logger = menu.addButton("Logger", "Logger", true);
    QSignalSpy clicked(logger->menuButtonContext(), &TMenuButtonContext::buttonClicked);
    QTest::mouseClick(logger, Qt::LeftButton);
    menu.mStack->setCurrentWidget(menu.mStart);

    QTest::mouseClick(logger, Qt::LeftButton);
    QCOMPARE(clicked.count(), 2);
    QVERIFY(logger->active());
    QCOMPARE(menu.page(), QString("PageLogger"));
}

void tst_MenuButtonContext::callbackHandlesTheView()
{
    TMenu menu;
    QZELKAppButton* scan = menu.addButton("Scan", "Scan", true);
    menu.mCallback.mHandleFor = scan;
    QSignalSpy clicked(scan->menuButtonContext(), &TMenuButtonContext::buttonClicked);

    QTest::mouseClick(scan, Qt::LeftButton);

    QCOMPARE(menu.page(), QString());
    QCOMPARE(menu.mTitle->text(), QString("Scan"));
    QVERIFY(scan->active());
    QCOMPARE(clicked.count(), 1);
}

void tst_MenuButtonContext::callbackAbortsTheDefault()
{
    TMenu menu;
    QZELKAppButton* info = menu.addButton("Info", "Info", true);
    QZELKAppButton* home = menu.addButton("Home", "Home", false);
    QTest::mouseClick(info, Qt::LeftButton);
    menu.mCallback.mAbortFor = home;
    menu.mCallback.mCalls.clear();
    QSignalSpy clicked(home->menuButtonContext(), &TMenuButtonContext::buttonClicked);
    QSignalSpy pressed(home, &QPushButton::pressed);

    QTest::mouseClick(home, Qt::LeftButton);

    QCOMPARE(menu.mCallback.mCalls, QStringList{"default Home"});
    QCOMPARE(clicked.count(), 0);
    QCOMPARE(pressed.count(), 1);
    QVERIFY(info->active());
    QCOMPARE(menu.page(), QString("PageInfo"));

    // The main window performs the default itself on release.
    home->doButtonClick();
    QVERIFY(!info->active());
    QCOMPARE(menu.page(), QString("PageHome"));
}

void tst_MenuButtonContext::buttonWithoutContext()
{
    TMenu menu;
    QZELKAppButton* remote = menu.addButton("Remote", "Remote", true);
    QZELKAppButton bare;
    QTest::mouseClick(remote, Qt::LeftButton);

    QTest::mouseClick(&bare, Qt::LeftButton);
    QVERIFY(!remote->active());
    QVERIFY(!bare.active());
    QCOMPARE(TMenuButtonContext::activeMenuButtonContext, nullptr);
    QCOMPARE(menu.page(), QString("PageRemote"));
}

void tst_MenuButtonContext::activeButtonGoneBeforeTheNextPress()
{
    TMenu menu;
    QZELKAppButton* usb = menu.addButton("USB", "USB", true);
    QZELKAppButton* home = menu.addButton("Home", "Home", false);
    QTest::mouseClick(usb, Qt::LeftButton);
    delete usb;
    QCOMPARE(TMenuButtonContext::activeMenuButtonContext, nullptr);

    QTest::mouseClick(home, Qt::LeftButton);
    QCOMPARE(menu.page(), QString("PageHome"));

    // Replacing the context of the active button forgets it too.
    QTest::mouseClick(home, Qt::LeftButton);
    home->setMenuButtonContext(nullptr, nullptr, nullptr, nullptr, "home", false, nullptr);
    QCOMPARE(TMenuButtonContext::activeMenuButtonContext, nullptr);
}

void tst_MenuButtonContext::activeFlagRestylesAndSwapsIcons()
{
    QWidget bar;
    bar.setStyleSheet("QZELKAppButton { color: white; } QZELKAppButton[active=\"true\"] { color: black; }");
    auto* usb = new QZELKAppButton(&bar);
    QPixmap standardPixmap(28, 14);
    standardPixmap.fill(Qt::gray);
    QPixmap activePixmap(28, 14);
    activePixmap.fill(Qt::yellow);
    const QIcon standard(standardPixmap);
    const QIcon active(activePixmap);
    usb->setIcon(standard);
    usb->setIcon_standard(standard);
    usb->setIcon_active(active);
    bar.ensurePolished();
    QCOMPARE(usb->palette().color(QPalette::ButtonText), QColor(Qt::white));

    usb->setActive(true);
    QCOMPARE(usb->icon().cacheKey(), active.cacheKey());
    QCOMPARE(usb->palette().color(QPalette::ButtonText), QColor(Qt::black));

    usb->setActive(false);
    QCOMPARE(usb->icon().cacheKey(), standard.cacheKey());
    QCOMPARE(usb->palette().color(QPalette::ButtonText), QColor(Qt::white));

    // Without icons of its own the button keeps the one it shows.
    QZELKAppButton plain(&bar);
    plain.setIcon(standard);
    plain.setActive(true);
    QCOMPARE(plain.icon().cacheKey(), standard.cacheKey());
}

TAMARIND_TEST_MAIN(tst_MenuButtonContext)
#include "tst_menubuttoncontext.moc"
