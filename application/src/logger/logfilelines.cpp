#include "logfilelines.h"

#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QTimer>
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

QLabel* TLogfileLines::newLine(const QString& pText)
{
    while (!mPrepared.empty()) {
        QPointer<QLabel> line = mPrepared.back();
        mPrepared.pop_back();
        if (!line)
            continue;
        line->setText(pText);
        // The page may have been resized since.
        line->setFixedSize(lineSize(*line));
        line->show();
        return line;
    }
    return madeLine(pText);
}

void TLogfileLines::prepareAfterPainted(QWidget* pShownBefore, int pCount)
{
    if (!pShownBefore || pCount <= 0)
        return;
    mShownBefore = pShownBefore;
    mToPrepare = pCount;
    pShownBefore->installEventFilter(this);
}

bool TLogfileLines::eventFilter(QObject* pWatched, QEvent* pEvent)
{
    // After the painting, not before: the page shown first is not kept waiting.
    if (pWatched == mShownBefore && pEvent->type() == QEvent::Paint) {
        mShownBefore->removeEventFilter(this);
        QTimer::singleShot(0, this, [this] { prepare(); });
    }
    return false;
}

void TLogfileLines::prepare()
{
    for (; mToPrepare > 0; --mToPrepare) {
        QLabel* line = madeLine(QString());
        line->hide();
        mPrepared.emplace_back(line);
    }
}

QLabel* TLogfileLines::madeLine(const QString& pText) const
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
