#pragma once

#include "Platform/Core/Service/BuildInformation/BuildInformation.h"

#include <string>

namespace Quarvane
{

// 0: shown in the settings dialog; 1: not shown.
using GuiVisibility = int;

namespace GuiVisibilities
{
constexpr GuiVisibility Shown = 0;
constexpr GuiVisibility Hidden = 1;
}  // namespace GuiVisibilities

// How a value is stored:
//  0 (UserSetting)   read from the system files and the user file, written to the user file;
//  1 (RuntimeValue)  lives only while the program runs: never read from a file, never written;
//  3 (AdminSetting)  read from system files only, never from or to the user file.
using Persistence = int;

namespace Persistences
{
constexpr Persistence UserSetting = 0;
constexpr Persistence RuntimeValue = 1;
constexpr Persistence AdminSetting = 3;
}  // namespace Persistences

// What configuration objects and values have in common: a name, an editable flag,
// how the item is stored and the products it belongs to.
class ConfigurationItemBase
{
public:
    ConfigurationItemBase(const std::string& name, Persistence persistence, ProductType productType);
    virtual ~ConfigurationItemBase() = default;

    const std::string& getName() const { return m_name; }

    // False once an administrator locked the item in a system file.
    bool isEditable() const { return m_editable; }
    void setEditable(bool editable) { m_editable = editable; }

    Persistence getPersistence() const { return m_persistence; }
    ProductType getProductType() const { return m_productType; }

    // Whether the item's product mask contains the given product.
    bool belongsToBuildProduct(ProductType product) const;

protected:
    ConfigurationItemBase(const ConfigurationItemBase&) = default;
    ConfigurationItemBase& operator=(const ConfigurationItemBase&) = default;

    void setName(const std::string& name) { m_name = name; }

private:
    std::string m_name;
    bool m_editable = true;
    Persistence m_persistence;
    ProductType m_productType;
};

}  // namespace Quarvane
