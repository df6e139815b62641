#pragma once

#include "tools/qvconfig/ObjectView.h"

namespace Quarvane
{

class ConfigurationObject;

namespace QvConfig
{

// The colour group as one table: per colour its key, type number, current and default colour
// (as the nearest 0..255 bytes and as the stored floats), whether a user may change it, and
// its display name. Replaces the children, which hold no framework values. False for any
// other object.
bool describeColorConfiguration(const ConfigurationObject& object, ObjectView& view);

}  // namespace QvConfig
}  // namespace Quarvane
