#pragma once

#include <QEvent>
#include <QObject>

#include <initializer_list>

// Counts the paint events of the objects that have it as their event filter:
// whether, and how often, something was drawn again.
class TPaintCounter : public QObject
{
public:
    TPaintCounter() = default;
    explicit TPaintCounter(std::initializer_list<QObject*> pWatched)
    {
        for (QObject* watched : pWatched)
            watched->installEventFilter(this);
    }

    int mPaints = 0;

protected:
    bool eventFilter(QObject*, QEvent* pEvent) override
    {
        if (pEvent->type() == QEvent::Paint)
            ++mPaints;
        return false;
    }
};
