#pragma once

#include <QSize>

class QLabel;
class QString;
class QWidget;

// The lines of a log file's content view: labels of one fixed size, as wide
// as the page and as high as a line of their font. A label of fixed size
// asks its layout for nothing when its text changes, and one that gives that
// size as its hint is never measured: opening a file again lays out none of
// the view's two hundred labels, and the first opening measures none of them.
// A line longer than the page is cut at the page's edge.
class TLogfileLines
{
public:
    // The labels are children of pParent and as wide as pPage.
    TLogfileLines(QWidget* pPage, QWidget* pParent);

    QLabel* newLine(const QString& pText) const;

private:
    QSize lineSize(const QLabel& pLine) const;

    QWidget* mPage;
    QWidget* mParent;
};
