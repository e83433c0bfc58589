#include "mainwindowfixture.h"

#include "formchecks.h"

#include <QApplication>
#include <QTest>

void TMainWindowFixture::open(bool pShown)
{
    mWindow = std::make_unique<TTamarindMainForm>();
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
    mWindow = std::make_unique<TTamarindMainForm>();
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
