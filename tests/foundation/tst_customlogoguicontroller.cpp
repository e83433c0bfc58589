#include "customlogoguicontroller.h"
#include "submenucontroller.h"
#include "testsupport.h"
#include "zelkcontainerradiobutton.h"

#include <QFile>
#include <QLabel>
#include <QTimer>

namespace
{
// The menu area of the main window, as far as the logo page uses it.
class TMenuArea : public ISubMenuController
{
public:
    struct TShown
    {
        QString mCaption;
        QWidget* mPage = nullptr;
        ISubMenuConfirmationReceiver* mReceiver = nullptr;
        EnSubMenuType mType = smtViewer;
    };
    QList<TShown> mShown;

    void showSubMenu(const QString& pCaption, QWidget* pPage, ISubMenuConfirmationReceiver* pReceiver,
                     EnSubMenuType pType) override
    {
        mShown << TShown{pCaption, pPage, pReceiver, pType};
    }
    void cancelSubMenu(ISubMenuConfirmationReceiver*) override {}
    void setSubMenuCaption(const QString&) override {}
    void restoreSubMenuCaption() override {}
    void setMainMenuCaption() override {}
};
} // namespace

class tst_CustomLogoGUIController : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void holdingTheLogoOpensThePage();
    void liftingEarlierOpensNothing();
    void pageShowsTheLogoOfThisBoot_data();
    void pageShowsTheLogoOfThisBoot();
    void storingSwitchesTheBootLogo_data();
    void storingSwitchesTheBootLogo();
    void cancelCloses();

private:
    QTimer* timer() const { return mController->findChild<QTimer*>(); }
    void expire() { QMetaObject::invokeMethod(timer(), "timeout"); }

    std::unique_ptr<QWidget> mPage;
    QZELKContainerRadioButton* mDefault = nullptr;
    QZELKContainerRadioButton* mWhite = nullptr;
    TMenuArea mMenu;
    std::unique_ptr<TCustomLogoGUIController> mController;
};

void tst_CustomLogoGUIController::init()
{
    mController.reset();
    mPage = std::make_unique<QWidget>();
    mDefault = new QZELKContainerRadioButton(mPage.get());
    mWhite = new QZELKContainerRadioButton(mPage.get());
    mMenu.mShown.clear();
    mController = std::make_unique<TCustomLogoGUIController>(&mMenu, mPage.get(), mDefault, mWhite);
    TAMARIND_WRITE_DEVICE_FILE("/proc/cmdline", "console=ttyO0 logo.custom_logo_index=0\n");
    TTestEnvironment::clearRecordedCommands();
}

void tst_CustomLogoGUIController::holdingTheLogoOpensThePage()
{
    mController->startShowSubMenuTimer();
    QVERIFY(timer()->isActive());
    QVERIFY(timer()->isSingleShot());
    QCOMPARE(timer()->interval(), 5000);
    QCOMPARE(mMenu.mShown.size(), 0);

    expire();
    QCOMPARE(mMenu.mShown.size(), 1);
    QCOMPARE(mMenu.mShown.first().mCaption, QString("Define boot logo"));
    QCOMPARE(mMenu.mShown.first().mPage, mPage.get());
    QCOMPARE(mMenu.mShown.first().mReceiver, mController.get());
    QCOMPARE(mMenu.mShown.first().mType, smtEditor);
}

void tst_CustomLogoGUIController::liftingEarlierOpensNothing()
{
    mController->startShowSubMenuTimer();
    mController->abortShowSubMenuTimer();
    QVERIFY(!timer()->isActive());
    QCOMPARE(mMenu.mShown.size(), 0);
}

void tst_CustomLogoGUIController::pageShowsTheLogoOfThisBoot_data()
{
    QTest::addColumn<QByteArray>("cmdline");
    QTest::addColumn<bool>("defaultChecked");
    QTest::addColumn<bool>("whiteChecked");
    QTest::newRow("standard logo") << QByteArray("logo.custom_logo_index=0\n") << true << false;
    QTest::newRow("alternative logo") << QByteArray("quiet logo.custom_logo_index=1\n") << false << true;
    QTest::newRow("no logo named: the standard one") << QByteArray("quiet\n") << true << false;
    QTest::newRow("unknown logo: neither") << QByteArray("logo.custom_logo_index=2\n") << false << false;
    QTest::newRow("low byte of 257 is the alternative logo")
        << QByteArray("logo.custom_logo_index=257\n") << false << true;
}

void tst_CustomLogoGUIController::pageShowsTheLogoOfThisBoot()
{
    QFETCH(QByteArray, cmdline);
    QFETCH(bool, defaultChecked);
    QFETCH(bool, whiteChecked);

    // Whatever was marked before the page opens again.
    mWhite->setChecked(true);
    TAMARIND_WRITE_DEVICE_FILE("/proc/cmdline", cmdline);
    mController->startShowSubMenuTimer();
    expire();
    QCOMPARE(mDefault->isChecked(), defaultChecked);
    QCOMPARE(mWhite->isChecked(), whiteChecked);
}

void tst_CustomLogoGUIController::storingSwitchesTheBootLogo_data()
{
    QTest::addColumn<QString>("checked");
    QTest::addColumn<QString>("command");
    QTest::newRow("standard logo") << "default"
                                   << "/bin/set_custom_logo 0";
    QTest::newRow("alternative logo") << "white"
                                      << "/bin/set_custom_logo 1";
    QTest::newRow("nothing marked: the standard logo") << "none"
                                                       << "/bin/set_custom_logo 0";
}

void tst_CustomLogoGUIController::storingSwitchesTheBootLogo()
{
    QFETCH(QString, checked);
    QFETCH(QString, command);

    TAMARIND_WRITE_DEVICE_FILE("/proc/cmdline", "logo.custom_logo_index=2\n");
    mController->reset();
    if (checked == "default")
        mDefault->setChecked(true);
    else if (checked == "white")
        mWhite->setChecked(true);

    QString message;
    TModalAnswer::onNextModal([&message](QWidget* pModal) {
        message = pModal->findChild<QLabel*>("LblText")->text();
        QTest::mouseClick(pModal->findChild<QWidget*>("BtnOK"), Qt::LeftButton);
    });
    QVERIFY(mController->storeClicked());
    QCOMPARE(TTestEnvironment::recordedCommands(), QStringList{command});
    QCOMPARE(message, QString("This setting will be applied upon reboot."));
}

void tst_CustomLogoGUIController::cancelCloses()
{
    QVERIFY(mController->cancelClicked());
    mController->returnToMainMenuClicked();
    QCOMPARE(TTestEnvironment::recordedCommands(), QStringList());
}

TAMARIND_TEST_MAIN(tst_CustomLogoGUIController)
#include "tst_customlogoguicontroller.moc"
