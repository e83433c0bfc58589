#include "messagerecorder.h"

#include "messagedialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QTest>

TMessageRecorder::TMessageRecorder(std::function<void()> pOnShown) : mOnShown(std::move(pOnShown))
{
    connect(&mTimer, &QTimer::timeout, this, &TMessageRecorder::check);
    mTimer.start(5);
}

void TMessageRecorder::check()
{
    auto* dialog = qobject_cast<TMessageDialog*>(QApplication::activeModalWidget());
    if (!dialog || !dialog->isVisible())
        return;
    if (dialog != mSeen) {
        mSeen = dialog;
        auto* text = dialog->findChild<QLabel*>(QStringLiteral("LblText"));
        mTexts << (text ? text->text() : QString());
        if (mOnShown)
            mOnShown();
    }
    mSeen = nullptr;
    QTest::mouseClick(dialog->findChild<QWidget*>(QStringLiteral("BtnOK")), Qt::LeftButton);
}

int TMessageRecorder::openMessages()
{
    int open = 0;
    for (QWidget* widget : QApplication::topLevelWidgets())
        open += qobject_cast<TMessageDialog*>(widget) && widget->isVisible();
    return open;
}

void TMessageRecorder::closeAll()
{
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (qobject_cast<TMessageDialog*>(widget) && widget->isVisible())
            widget->findChild<QAbstractButton*>(QStringLiteral("BtnOK"))->click();
}
