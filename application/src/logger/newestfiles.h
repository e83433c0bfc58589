#pragma once

#include <QDir>
#include <QFileInfoList>
#include <QStringList>

#include <functional>

// The files of a directory newest first, as the touch-screen lists show them.
// A page that shows files as rows takes the newest MAX_LISTED_FILES only:
// every row costs time and memory to build, and a restored stick may bring
// tens of thousands of files.
class TNewestFiles
{
public:
    // Half a year of a log a day, more than anyone swipes through on the touch
    // screen. Each row costs about a millisecond and 25 KB to build.
    static constexpr int MAX_LISTED_FILES = 200;

    // The entries of the host directory pDirectory that pass the filters and
    // pAccept (when given), newest first and, at equal times, by name; the
    // newest pMaximum only when pMaximum is not negative. None when the
    // directory does not exist.
    static QFileInfoList list(const QString& pDirectory, const QStringList& pNameFilters, QDir::Filters pFilters,
                              int pMaximum = -1, const std::function<bool(const QFileInfo&)>& pAccept = {});
};
