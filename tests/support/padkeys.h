#pragma once

#include <QStringList>
#include <QTest>
#include <QWidget>

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
