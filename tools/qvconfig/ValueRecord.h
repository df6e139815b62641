#pragma once

#include "Platform/Core/Presentation/Configuration/ColorRGB.h"
#include "Platform/Core/Service/BuildInformation/BuildInformation.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigFileEditor.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigurationItemBase.h"
#include "Platform/Core/Service/ConfigurationFramework/LoadAccount.h"
#include "Platform/Core/Service/ConfigurationFramework/ValueRule.h"

#include <string>
#include <vector>

namespace Quarvane
{

class ConfigurationObject;
struct ConfigurationLoadResult;

namespace QvConfig
{

struct ValueAddress;

// Everything the value-level commands (get, describe, show --origin, JSON) tell about one value
// or colour, as plain data.
struct ValueRecord
{
    std::string path;  // the object holding it, "Group/Child"
    std::string key;
    // Where a file keeps it: the objects with their classes (a colour's own object last), and
    // the key of the value in the last one (empty for a colour, whose components are its values).
    ConfigFileEditor::ObjectPath entryObjects;
    std::string entryKey;
    std::string type;  // the file format's type name, or "colour"
    std::string text;  // as the file stores it; for a colour its 0..255 bytes "r,g,b"
    std::string defaultText;
    ColorRGB colour;  // colours only
    ColorRGB defaultColour;
    std::string description;
    bool secret = false;  // `text` and `defaultText` are masked
    bool editable = true;
    bool visible = true;
    Persistence persistence = Persistences::UserSetting;
    ProductType products = 0;
    ValueRule rule;
    ValueOrigin origin;
    std::string lockedAt;  // "site.xml:3" when a system file locks it
    std::vector<ConfigurationFinding> findings;  // what the load found about it

    std::string name() const { return path + "/" + key; }
    bool isColour() const { return type == "colour"; }
};

// The record of one value or colour with what the load found about it.
ValueRecord recordOf(const ValueAddress& address, ProductType product, const ConfigurationLoadResult& account);
// Every value and colour of `group` and of the objects inside it, in declaration order.
std::vector<ValueRecord> recordsOf(const ConfigurationObject& group, ProductType product,
                                   const ConfigurationLoadResult& account);
// Fills in `lockedAt` from the system files (read again, only for values that are locked).
void findLocks(std::vector<ValueRecord>& records, const std::vector<std::string>& systemFiles);

// What set the value, for a column: "default" or "site.xml:12", then "locked by site.xml:3" and
// "user value 60 refused" (the text read from `userFile` when it holds the value and it is no
// secret).
std::string originText(const ValueRecord& record, const std::string& userFile);

// "user", "administrator" or "run-time".
std::string persistenceName(Persistence persistence);
// "all" or the product names, "Forming, Vision".
std::string productsText(ProductType products);
// The colour as the nearest 0..255 bytes and the floats the file stores.
std::vector<int> colourBytes(const ColorRGB& colour);

}  // namespace QvConfig
}  // namespace Quarvane
