#pragma once

#include <QObject>
#include <QPointer>
#include <QSize>
#include <QTimer>

#include <vector>

class QEvent;
class QLabel;
class QString;
class QWidget;

// The lines of a log file's content view: labels of one fixed size, as wide
// as the page and as high as a line of their font. A label of fixed size
// asks its layout for nothing when its text changes, and one that gives that
// size as its hint is never measured: opening a file again lays out none of
// the view's two hundred labels, and the first opening measures none of them.
// A line longer than the page is cut at the page's edge.
//
// Making a label costs most in the style sheets applied to it, some 0.25 M
// instructions on the device's core. Lines can be made ahead, a few on each
// turn of the event loop while the program is idle, and are kept hidden
// until the view takes them; lines the view no longer shows come back here
// for the next opening instead of being deleted.
class TLogfileLines : public QObject
{
public:
    // Lines made ahead on one turn of the event loop: about 2 M instructions,
    // so that a tap or a poll due meanwhile waits no longer than that.
    static constexpr int LINES_PER_TURN = 8;

    // The labels are children of pParent and as wide as pPage.
    TLogfileLines(QWidget* pPage, QWidget* pParent);

    // A line of the text, one kept hidden if any is left.
    QLabel* newLine(const QString& pText);
    // Hides a line the view no longer shows and keeps it for a later one.
    void keep(QLabel* pLine);

    // Once pShownBefore has first been painted, lines are made ahead on the
    // turns of the event loop until pCount lines stand, taken or kept.
    void prepareAfterPainted(QWidget* pShownBefore, int pCount);

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;

private:
    QLabel* madeLine(const QString& pText);
    void prepareSome();
    QSize lineSize(const QLabel& pLine) const;

    QWidget* mPage;
    QWidget* mParent;
    QPointer<QWidget> mShownBefore;
    int mWanted = 0;
    int mMade = 0;
    QTimer mPrepareTimer;
    // Hidden until taken; the view may delete its labels in the meantime.
    std::vector<QPointer<QLabel>> mKept;
};
