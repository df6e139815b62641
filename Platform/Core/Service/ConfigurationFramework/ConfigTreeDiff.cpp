#include "Platform/Core/Service/ConfigurationFramework/ConfigTreeDiff.h"

#include "Platform/Core/Service/ConfigurationFramework/ConfigDocument.h"

namespace Quarvane::ConfigTreeDiff
{
namespace
{
bool isValue(const ConfigNode& node) { return node.kind == ConfigNode::Kind::Value; }

void collectValues(const ConfigNode& node, Path& prefix, std::vector<Path>& out);

// `node` itself when it is a value, else every value below it; `prefix` ends with `node`.
void collectSelfOrValues(const ConfigNode& node, Path& prefix, std::vector<Path>& out)
{
    if (isValue(node))
        out.push_back(prefix);
    else
        collectValues(node, prefix, out);
}

void collectValues(const ConfigNode& node, Path& prefix, std::vector<Path>& out)
{
    for (const auto& child : node.children)
    {
        prefix.push_back(child.get());
        collectSelfOrValues(*child, prefix, out);
        prefix.pop_back();
    }
}

void compare(const ConfigNode& before, const ConfigNode& after, bool withLocks, Path& prefix, std::vector<Path>& out)
{
    for (const auto& child : after.children)
    {
        const ConfigNode* counterpart = before.findSame(*child);
        prefix.push_back(child.get());
        const bool lockChanged = counterpart != nullptr && withLocks && counterpart->editable != child->editable;
        if (counterpart == nullptr || lockChanged)
            collectSelfOrValues(*child, prefix, out);
        else if (isValue(*child))
        {
            if (!sameValue(counterpart, child.get()))
                out.push_back(prefix);
        }
        else
            compare(*counterpart, *child, withLocks, prefix, out);
        prefix.pop_back();
    }
    for (const auto& child : before.children)
    {
        if (after.findSame(*child) != nullptr)
            continue;
        prefix.push_back(child.get());
        collectSelfOrValues(*child, prefix, out);
        prefix.pop_back();
    }
}

std::unique_ptr<ConfigNode> emptyObjectLike(const ConfigNode& object)
{
    auto shell = std::make_unique<ConfigNode>();
    shell->kind = object.kind;
    shell->name = object.name;
    shell->className = object.className;
    return shell;
}

bool removeAlong(ConfigNode& node, const Path& path, std::size_t depth)
{
    ConfigNode* child = node.findSame(*path[depth]);
    if (child == nullptr)
        return false;
    if (depth + 1 == path.size())
        return node.removeChild(*child);
    const bool removed = removeAlong(*child, path, depth + 1);
    if (removed && child->children.empty())
        node.removeChild(*child);
    return removed;
}
}  // namespace

std::vector<Path> changedValues(const ConfigNode& before, const ConfigNode& after, bool withLocks)
{
    std::vector<Path> changed;
    Path prefix;
    compare(before, after, withLocks, prefix, changed);
    return changed;
}

std::vector<Path> allValues(const ConfigNode& root)
{
    std::vector<Path> values;
    Path prefix;
    collectValues(root, prefix, values);
    return values;
}

const ConfigNode* find(const ConfigNode& root, const Path& path)
{
    const ConfigNode* node = &root;
    for (const ConfigNode* step : path)
    {
        node = node->findSame(*step);
        if (node == nullptr)
            return nullptr;
    }
    return node;
}

bool sameValue(const ConfigNode* a, const ConfigNode* b)
{
    if (a == nullptr || b == nullptr)
        return a == b;
    return a->type == b->type && a->text == b->text;
}

void put(ConfigNode& root, const Path& path, const ConfigNode& value)
{
    ConfigNode* node = &root;
    for (std::size_t depth = 0; depth + 1 < path.size(); ++depth)
    {
        ConfigNode* next = node->findSame(*path[depth]);
        node = next != nullptr ? next : node->putChild(emptyObjectLike(*path[depth]));
    }
    node->putChild(value.copy());
}

void remove(ConfigNode& root, const Path& path)
{
    if (!path.empty())
        removeAlong(root, path, 0);
}

std::unique_ptr<ConfigNode> select(const ConfigNode& root, const std::vector<Path>& paths)
{
    auto selection = std::make_unique<ConfigNode>();
    for (const Path& path : paths)
        if (const ConfigNode* value = find(root, path))
            put(*selection, path, *value);
    return selection;
}

std::string describe(const Path& path)
{
    std::string text;
    for (const ConfigNode* step : path)
        text += (text.empty() ? "" : "/") + step->name;
    return text;
}

}  // namespace Quarvane::ConfigTreeDiff
