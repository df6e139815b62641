#pragma once

#include "Platform/Core/Service/BuildInformation/BuildInformation.h"

#include <optional>
#include <string>
#include <vector>

namespace Quarvane
{

class ConfigurationObject;

namespace QvConfig
{

// What the tool shows of one value: everything as plain data, so the text and JSON writers
// need not know the framework.
struct ValueView
{
    std::string key;
    std::string type;
    std::string value;
    std::string defaultValue;
    std::string description;
    // Whether a user may change it: neither the value nor any object around it is locked.
    bool editable = true;
    // Whether the settings dialog of the running product shows it.
    bool visible = true;
    // What set it (show --origin); empty when not asked for.
    std::string origin;
};

// Content a group holds other than framework values (the colours of the colour group, for
// example), as a table a class view fills: one row per entry, one text per column.
struct ListingView
{
    std::vector<std::string> headers;  // the text table's column headers
    std::vector<std::string> fields;   // the same columns' names in JSON
    std::vector<std::vector<std::string>> rows;
};

struct ObjectView
{
    std::string name;
    // "Group/Child/Grandchild", so a nested object can be found in a long listing.
    std::string path;
    // False when the object or one around it is locked.
    bool editable = true;
    std::vector<ValueView> values;
    std::vector<ObjectView> objects;
    // Only for objects whose class has a view of its own (see ClassViews.h).
    std::optional<ListingView> listing;
};

struct ShowReport
{
    ProductType product = 0;
    std::string productName;
    std::vector<ObjectView> groups;
};

// The view of `object` and its children for the running `product`. `parentEditable` and
// `parentPath` describe the object it is nested in; a top-level group has neither.
ObjectView describeObject(const ConfigurationObject& object, ProductType product, bool parentEditable = true,
                          const std::string& parentPath = {});

// The product's name, with its number when the number is not the name's whole story
// ("Forming (4)"), or just the number for a mask that names several products.
std::string describeProduct(ProductType product);

}  // namespace QvConfig
}  // namespace Quarvane
