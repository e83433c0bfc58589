#pragma once

#include <QPushButton>
#include <QStringList>
#include <QTest>
#include <QWidget>

#include <algorithm>

// Touches the keys with these object names in a dialog, one after the other,
// as a finger would. A key that is missing or not shown cannot be touched:
// that is reported as a warning, which fails the test.
inline void pressKeys(QWidget* pDialog, const QStringList& pKeys)
{
    for (const QString& name : pKeys) {
        auto* key = pDialog->findChild<QWidget*>(name);
        if (!key || !key->isVisible()) {
            qWarning("pressKeys: no key %s to touch", qPrintable(name));
            return;
        }
        QTest::mouseClick(key, Qt::LeftButton);
    }
}

template <class T> T* childOf(QWidget* pDialog, const char* pName)
{
    return pDialog->findChild<T*>(QLatin1String(pName));
}

// Types pText (lower-case letters and digits) on the open text pad by the keys' captions, whatever the keyboard
// layout of the language, and accepts it.
inline void typeOnPad(QWidget* pPad, const QString& pText)
{
    bool digits = false;
    pressKeys(pPad, {QStringLiteral("BtnUp_SwitchLower")});
    for (const QChar character : pText) {
        if (character.isDigit() != digits) {
            pressKeys(pPad, {character.isDigit() ? QStringLiteral("BtnLo_SwitchNumbers")
                                                 : QStringLiteral("BtnNum_SwitchLower")});
            digits = character.isDigit();
        }
        const QList<QPushButton*> keys = pPad->findChildren<QPushButton*>();
        const auto key = std::find_if(keys.begin(), keys.end(), [character](QPushButton* pKey) {
            return pKey->isVisible() && pKey->text() == QString(character);
        });
        if (key == keys.end()) {
            qWarning("no key %s on the pad", qPrintable(QString(character)));
            return;
        }
        QTest::mouseClick(*key, Qt::LeftButton);
    }
    pressKeys(pPad, {digits ? QStringLiteral("BtnNum_Accept") : QStringLiteral("BtnLo_Accept")});
}
