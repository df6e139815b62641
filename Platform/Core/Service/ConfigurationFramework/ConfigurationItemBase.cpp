#include "Platform/Core/Service/ConfigurationFramework/ConfigurationItemBase.h"

namespace Quarvane
{

ConfigurationItemBase::ConfigurationItemBase(const std::string& name, Persistence persistence, ProductType productType)
    : m_name(name), m_persistence(persistence), m_productType(productType)
{
}

bool ConfigurationItemBase::belongsToBuildProduct(ProductType product) const { return (m_productType & product) != 0; }

}  // namespace Quarvane
