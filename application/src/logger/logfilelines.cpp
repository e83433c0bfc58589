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

TLogfileLines::TLogfileLines(QWidget* pPage, QWidget* pParent) : mPage(pPage ? pPage : pParent), mParent(pParent)
{
    // A scroll area fills the backgrounds of its viewport and of its widget, which makes them opaque: shown with
    // the page, they were painted on their own and then again with the page, every line twice at each opening.
    // The page behind them has the same colour.
    for (QWidget* filled = mParent; filled && filled != mPage && !filled->isWindow(); filled = filled->parentWidget())
        filled->setAutoFillBackground(false);
    mPrepareTimer.setInterval(0);
    connect(&mPrepareTimer, &QTimer::timeout, this, [this] { prepareSome(); });
}

QLabel* TLogfileLines::newLine(const QString& pText)
{
    while (!mKept.empty()) {
        QPointer<QLabel> line = mKept.back();
        mKept.pop_back();
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

void TLogfileLines::keep(QLabel* pLine)
{
    if (!pLine)
        return;
    pLine->hide();
    mKept.emplace_back(pLine);
}

void TLogfileLines::prepareAfterPainted(QWidget* pShownBefore, int pCount)
{
    if (!pShownBefore || pCount <= 0)
        return;
    mShownBefore = pShownBefore;
    mWanted = pCount;
    pShownBefore->installEventFilter(this);
}

bool TLogfileLines::eventFilter(QObject* pWatched, QEvent* pEvent)
{
    // After the painting, not before: the page shown first is not kept waiting.
    if (pWatched == mShownBefore && pEvent->type() == QEvent::Paint) {
        mShownBefore->removeEventFilter(this);
        mPrepareTimer.start();
    }
    return false;
}

// A few lines on each turn: whatever else waits, a tap or the next poll, comes in between.
void TLogfileLines::prepareSome()
{
    for (int n = 0; n < LINES_PER_TURN && mMade < mWanted; ++n) {
        QLabel* line = madeLine(QString());
        line->hide();
        mKept.emplace_back(line);
    }
    if (mMade >= mWanted)
        mPrepareTimer.stop();
}

QLabel* TLogfileLines::madeLine(const QString& pText)
{
    ++mMade;
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
