#include "mainwindowfixture.h"

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

void TMainWindowFixture::click(const char* pName) const
{
    QTest::mouseClick(child(pName), Qt::LeftButton);
}

void TMainWindowFixture::snapshot(const QString& pName) const
{
    const QString directory = qEnvironmentVariable("TAMARIND_SNAPSHOT_DIR");
    if (!directory.isEmpty() && !mWindow->grab().save(directory + QLatin1Char('/') + pName + QStringLiteral(".png")))
        qWarning("could not save the snapshot %s", qPrintable(pName));
}
