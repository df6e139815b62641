#include "Platform/Core/Business/ResultVariables/ResultVariableProperties.h"

#include <utility>

namespace Quarvane
{

bool isPropertyChangeTypeSet(const int& changeSet, PropertyChangedType kind)
{
    if (kind == PropertyChangedEverything)
        return changeSet == PropertyChangedEverything;
    return (changeSet & kind) == kind;
}

std::shared_ptr<LevelInfo> ResultVariableProperties::getDiscretizationLevel(unsigned int index) const
{
    return index < m_levels.size() ? m_levels[index] : nullptr;
}

void ResultVariableProperties::addDiscretizationLevel(std::shared_ptr<LevelInfo> level)
{
    if (level)
        m_levels.push_back(std::move(level));
}

Signals::Connection ResultVariableProperties::connectToSignalResultVariablePropertiesChanged(
    const Signals::Slot<ChangedSignature>& slot, Signals::ConnectPosition position) const
{
    return m_changed.connect(slot, position);
}

}  // namespace Quarvane
