#include "mainwindowfixture.h"

#include "ethernetconfigurationcontroller.h"
#include "formchecks.h"
#include "tamarindsettings.h"
#include "testsupport.h"

#include <QApplication>
#include <QTest>

void TMainWindowFixture::build()
{
    // On the default remote port the window would take the port of the user's own program; a port the test chose
    // stays.
    constexpr int defaultPort = TAbstractEthernetConfigurationController::DEFAULT_PORT;
    TTamarindSettings& settings = TTamarindSettings::instance();
    const QString chosen = settings.value(QStringLiteral("ethernet"), QStringLiteral("port"));
    QString problem;
    if ((chosen.isEmpty() || chosen.toInt() == defaultPort) && !TTestEnvironment::useFreeRemotePort(settings, &problem))
        failCurrentRow("a free remote port is found", problem);
    mWindow = std::make_unique<TTamarindMainForm>();
    if (mWindow->mEthernetConfController->port() == defaultPort)
        failCurrentRow("the main window has a remote port of its own",
                       QStringLiteral("it took port %1, the user's own program's").arg(defaultPort));
}

void TMainWindowFixture::open(bool pShown)
{
    build();
    if (!pShown)
        return;
    qApp->installEventFilter(mWindow.get());
    mWindow->show();
    if (!QTest::qWaitForWindowExposed(mWindow.get()))
        qWarning("the main window was not shown");
}

void TMainWindowFixture::openAsTheProgram()
{
    TTamarindMainForm::useStartLogoAsBackground();
    build();
    mWindow->showAsTheProgram();
    if (!QTest::qWaitForWindowExposed(mWindow.get()))
        qWarning("the main window was not shown");
}

void TMainWindowFixture::click(const char* pName) const
{
    QTest::mouseClick(child(pName), Qt::LeftButton);
}

void TMainWindowFixture::snapshot(const QString& pName) const
{
    saveSnapshot(mWindow.get(), pName);
}
