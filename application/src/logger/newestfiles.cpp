#include "newestfiles.h"

#include <QDateTime>

#include <algorithm>

QFileInfoList TNewestFiles::list(const QString& pDirectory, const QStringList& pNameFilters, QDir::Filters pFilters,
                                 int pMaximum, const std::function<bool(const QFileInfo&)>& pAccept)
{
    const QDir directory(pDirectory);
    if (!directory.exists())
        return {};
    QFileInfoList entries = directory.entryInfoList(pNameFilters, pFilters, QDir::Unsorted);
    // Chosen before the cut, so that the newest of those accepted are kept.
    if (pAccept)
        entries.erase(std::remove_if(entries.begin(), entries.end(),
                                     [&pAccept](const QFileInfo& pEntry) { return !pAccept(pEntry); }),
                      entries.end());
    // The time is read once per entry: a comparison that asked the file
    // system would stat each file many times over.
    std::vector<std::pair<qint64, int>> order;
    order.reserve(size_t(entries.size()));
    for (int i = 0; i < entries.size(); ++i)
        order.emplace_back(entries.at(i).lastModified().toMSecsSinceEpoch(), i);
    const auto newer = [&entries](const std::pair<qint64, int>& pLeft, const std::pair<qint64, int>& pRight) {
        if (pLeft.first != pRight.first)
            return pLeft.first > pRight.first;
        return entries.at(pLeft.second).fileName() < entries.at(pRight.second).fileName();
    };
    // Only the kept part is sorted: a directory of 50,000 files costs its
    // listing, not a full sort.
    const size_t kept = pMaximum < 0 ? order.size() : std::min(order.size(), size_t(pMaximum));
    std::partial_sort(order.begin(), order.begin() + std::ptrdiff_t(kept), order.end(), newer);
    QFileInfoList newest;
    newest.reserve(int(kept));
    for (size_t i = 0; i < kept; ++i)
        newest << entries.at(order[i].second);
    return newest;
}
