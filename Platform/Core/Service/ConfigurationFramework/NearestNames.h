#pragma once

#include <string>
#include <vector>

namespace Quarvane
{
// Known names a misspelt one was probably meant to be, for "did you mean" hints: those within
// an edit distance of a third of the name (at least 2), ignoring case, and those that contain
// it or that it contains; nearest first, at most maxCount of them.
std::vector<std::string> nearestNames(const std::string& name, const std::vector<std::string>& candidates,
                                      std::size_t maxCount = 3);
}  // namespace Quarvane
