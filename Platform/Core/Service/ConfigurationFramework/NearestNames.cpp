#include "Platform/Core/Service/ConfigurationFramework/NearestNames.h"

#include <QtCore/QString>

#include <algorithm>
#include <numeric>
#include <utility>

namespace Quarvane
{
namespace
{
std::size_t editDistance(const QString& a, const QString& b)
{
    std::vector<std::size_t> row(static_cast<std::size_t>(b.size()) + 1);
    std::iota(row.begin(), row.end(), std::size_t{0});
    for (int i = 0; i < a.size(); ++i)
    {
        std::size_t diagonal = row[0];
        row[0] = static_cast<std::size_t>(i) + 1;
        for (int j = 0; j < b.size(); ++j)
        {
            const auto column = static_cast<std::size_t>(j);
            const std::size_t above = row[column + 1];
            row[column + 1] = std::min({above + 1, row[column] + 1, diagonal + (a[i] == b[j] ? 0 : 1)});
            diagonal = above;
        }
    }
    return row.back();
}

// "Interval" for "IntervalInMinutes" and the other way round; a name of fewer than four
// letters is too short to say anything this way.
bool oneHoldsTheOther(const QString& left, const QString& right)
{
    constexpr int shortest = 4;
    return (left.size() >= shortest && right.contains(left)) || (right.size() >= shortest && left.contains(right));
}
}  // namespace

std::vector<std::string> nearestNames(const std::string& name, const std::vector<std::string>& candidates,
                                      std::size_t maxCount)
{
    const QString lowered = QString::fromStdString(name).toLower();
    // Farther than a third of the name is no longer a slip but another word.
    const std::size_t limit = std::max<std::size_t>(2, name.size() / 3);
    std::vector<std::pair<std::size_t, const std::string*>> near;
    for (const std::string& candidate : candidates)
    {
        const QString loweredCandidate = QString::fromStdString(candidate).toLower();
        const std::size_t distance = editDistance(lowered, loweredCandidate);
        if (distance <= limit || oneHoldsTheOther(lowered, loweredCandidate))
            near.emplace_back(distance, &candidate);
    }
    std::stable_sort(near.begin(), near.end(),
                     [](const auto& left, const auto& right) { return left.first < right.first; });
    std::vector<std::string> names;
    for (std::size_t index = 0; index < near.size() && index < maxCount; ++index)
        names.push_back(*near[index].second);
    return names;
}
}  // namespace Quarvane
