#pragma once

#include <QString>

#include <utility>
#include <vector>

// The errors of a coefficient import as its summary tells them: the first few
// with their line numbers, and how many there were. An import file may hold
// hundreds of thousands of bad lines; only what is shown is kept.
class TImportErrorSummary
{
public:
    static constexpr int SHOWN_ERRORS = 5;

    void add(int pLineNumber, const QString& pError)
    {
        if (mShown.size() < size_t(SHOWN_ERRORS))
            mShown.emplace_back(pLineNumber, pError);
        ++mCount;
    }
    // Line number and error, in the order they were added.
    const std::vector<std::pair<int, QString>>& shown() const { return mShown; }
    int count() const { return mCount; }

private:
    std::vector<std::pair<int, QString>> mShown;
    int mCount = 0;
};
