#pragma once

#include <memory>
#include <string>
#include <vector>

namespace Quarvane
{

struct ConfigNode;

// Value-by-value comparison and editing of configuration trees, which is how a save merges
// what this process changed into a file another process may have written meanwhile.
namespace ConfigTreeDiff
{

// Where a value stands: the objects from the top down, then the value itself. The nodes may
// belong to any tree; they are matched in another tree by kind, class and name.
using Path = std::vector<const ConfigNode*>;

// The values that `after` adds, drops or holds with another type or text than `before`; with
// `withLocks`, also those whose editable flag (or an enclosing object's) changed.
std::vector<Path> changedValues(const ConfigNode& before, const ConfigNode& after, bool withLocks = false);
// Every value of the tree.
std::vector<Path> allValues(const ConfigNode& root);

const ConfigNode* find(const ConfigNode& root, const Path& path);
// Whether two values (either may be null) hold the same type and text.
bool sameValue(const ConfigNode* a, const ConfigNode* b);
// Puts a copy of `value` at `path`, creating the objects on the way.
void put(ConfigNode& root, const Path& path, const ConfigNode& value);
// Removes the value at `path`, and the objects this leaves empty.
void remove(ConfigNode& root, const Path& path);
// A tree holding copies of the values at `paths` only.
std::unique_ptr<ConfigNode> select(const ConfigNode& root, const std::vector<Path>& paths);
// "Object/Child/key".
std::string describe(const Path& path);

}  // namespace ConfigTreeDiff
}  // namespace Quarvane
