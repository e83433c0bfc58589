#include "logfilelines.h"

#include <QFontMetrics>
#include <QLabel>
#include <QWidget>

namespace
{
class TLogfileLine : public QLabel
{
public:
    TLogfileLine(const QString& pText, QWidget* pParent) : QLabel(pText, pParent) {}

    QSize sizeHint() const override { return minimumSize(); }
    QSize minimumSizeHint() const override { return minimumSize(); }
};
} // namespace

TLogfileLines::TLogfileLines(QWidget* pPage, QWidget* pParent) : mPage(pPage ? pPage : pParent), mParent(pParent) {}

QLabel* TLogfileLines::newLine(const QString& pText) const
{
    auto* line = new TLogfileLine(pText, mParent);
    line->setFixedSize(lineSize(*line));
    return line;
}

// The font comes with the style sheet of the view: the label is polished before its line is measured.
QSize TLogfileLines::lineSize(const QLabel& pLine) const
{
    pLine.ensurePolished();
    return QSize(mPage->width(), QFontMetrics(pLine.font()).height());
}
