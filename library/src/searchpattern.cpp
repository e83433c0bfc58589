#include "searchpattern.h"

namespace
{
QRegularExpression wildcardExpression(const QString& pPattern)
{
    if (pPattern.isEmpty())
        return QRegularExpression();
    // Matched against the whole text, as an exact match.
    return QRegularExpression(
        QRegularExpression::anchoredPattern(QString(pPattern).replace(QLatin1Char('*'), QLatin1String("(.*)"))));
}
} // namespace

TSearchPattern::TSearchPattern(const QString& pPattern) : mSearchPattern(wildcardExpression(pPattern)) {}

bool TSearchPattern::matches(const QString& pText) const
{
    if (mSearchPattern.pattern().isEmpty())
        return true;
    if (!mSearchPattern.isValid())
        return false;
    const QString text = QString(pText).replace(QLatin1Char('*'), QLatin1String("\\*"));
    return mSearchPattern.match(text).hasMatch();
}
