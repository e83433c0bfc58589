#pragma once

#include "zelkcontainerradiobutton.h"

#include <QDir>
#include <QImage>
#include <QStackedWidget>
#include <QTest>
#include <QVector>

// Checks that the radio buttons form exactly these groups: each button checked in turn is the only
// checked one of its group, and every other group keeps its choice. Reports through QTest, so the
// caller goes on only while !QTest::currentTestFailed().
inline void verifyRadioGroups(const QVector<QVector<QZELKContainerRadioButton*>>& pGroups)
{
    QVector<QZELKContainerRadioButton*> choice;
    for (const auto& group : pGroups) {
        choice << group.first();
        group.first()->setChecked(true);
    }
    for (int touched = 0; touched < pGroups.size(); ++touched) {
        for (QZELKContainerRadioButton* button : pGroups[touched]) {
            button->setChecked(true);
            choice[touched] = button;
            for (int group = 0; group < pGroups.size(); ++group) {
                for (QZELKContainerRadioButton* member : pGroups[group]) {
                    QVERIFY2(member->isChecked() == (member == choice[group]),
                             qPrintable(member->objectName() + " after checking " + button->objectName()));
                }
            }
        }
    }
}

// Shows pForm with pPage current in its stack, which lays out its current page only, so that
// geometries can be read.
inline void showPage(QWidget* pForm, QWidget* pPage)
{
    static_cast<QStackedWidget*>(pPage->parentWidget())->setCurrentWidget(pPage);
    pForm->show();
    QVERIFY(QTest::qWaitForWindowExposed(pForm));
    QCoreApplication::sendPostedEvents();
}

// Saves a picture of pWindow as <TAMARIND_SNAPSHOT_DIR>/<pName>.png when that variable is set, for
// a look by eye.
inline void saveSnapshot(QWidget* pWindow, const QString& pName)
{
    const QString directory = qEnvironmentVariable("TAMARIND_SNAPSHOT_DIR");
    if (directory.isEmpty()) {
        return;
    }
    QVERIFY(QDir().mkpath(directory));
    QVERIFY(pWindow->grab().toImage().save(directory + "/" + pName + ".png"));
}
