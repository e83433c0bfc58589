#include "labelfontfit.h"

#include "fontmetricshelper.h"

#include <QEvent>
#include <QFontInfo>
#include <QLabel>

TLabelFontFit::TLabelFontFit(QLabel* pLabel, int pMinimumFontSize)
    : QObject(pLabel), mLabel(*pLabel), mMinimumFontSize(pMinimumFontSize)
{
    mLabel.ensurePolished();
    mFontSize = QFontInfo(mLabel.font()).pixelSize();
    mLabel.installEventFilter(this);
}

void TLabelFontFit::setText(QLabel* pLabel, const QString& pText)
{
    if (pLabel->text() == pText)
        return;
    pLabel->setText(pText);
    if (auto* labelFit = pLabel->findChild<TLabelFontFit*>(QString(), Qt::FindDirectChildrenOnly))
        labelFit->fit();
}

void TLabelFontFit::fit()
{
    QString fitted = mLabel.text();
    QFont font = mLabel.font();
    TFontMetricsHelper::calculateFontSize(fitted, font, mLabel.contentsRect().width(), mFontSize, mMinimumFontSize,
                                          false);
    const QString sheet = font.pixelSize() == mFontSize ? QString() : TFontMetricsHelper::fontsizeStylesheetEntry(font);
    // Setting a sheet restyles the label; the same one is not set again.
    if (mLabel.styleSheet() != sheet)
        mLabel.setStyleSheet(sheet);
}

// The width of a label that shares its row is known only once the layout has given it: at the page's first
// showing, when a neighbour's text needs more or less room, and after a change of language.
bool TLabelFontFit::eventFilter(QObject*, QEvent* pEvent)
{
    if (pEvent->type() == QEvent::Resize || pEvent->type() == QEvent::FontChange)
        fit();
    return false;
}
