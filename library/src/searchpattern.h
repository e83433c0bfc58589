#pragma once

#include <QRegularExpression>
#include <QString>

// A name filter typed by the user: "*" stands for any text, everything else
// keeps its regular-expression meaning, so "." matches any one character.
class TSearchPattern
{
public:
    explicit TSearchPattern(const QString& pPattern);

    // True when the whole text matches; an empty pattern matches everything,
    // a pattern that is no valid expression matches nothing.
    bool matches(const QString& pText) const;

private:
    QRegularExpression mSearchPattern;
};
