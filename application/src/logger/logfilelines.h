#pragma once

#include <QObject>
#include <QPointer>
#include <QSize>

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
// instructions on the device's core. Lines can be made ahead, while the
// program is idle, and kept hidden until the view takes them.
class TLogfileLines : public QObject
{
public:
    // The labels are children of pParent and as wide as pPage.
    TLogfileLines(QWidget* pPage, QWidget* pParent);

    // A line of the text, one made ahead if any is left.
    QLabel* newLine(const QString& pText);

    // pCount lines are made ahead once pShownBefore has first been painted,
    // when the event loop has nothing else to do.
    void prepareAfterPainted(QWidget* pShownBefore, int pCount);

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;

private:
    QLabel* madeLine(const QString& pText) const;
    void prepare();
    QSize lineSize(const QLabel& pLine) const;

    QWidget* mPage;
    QWidget* mParent;
    QPointer<QWidget> mShownBefore;
    int mToPrepare = 0;
    // Hidden until taken; the view may delete its labels in the meantime.
    std::vector<QPointer<QLabel>> mPrepared;
};
