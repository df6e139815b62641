#pragma once

#include "tools/qvconfig/ObjectView.h"

#include <string>

namespace Quarvane
{

class ConfigurationObject;
struct ColorRGB;

namespace QvConfig
{

// The colour as "r,g,b", each component as the nearest 0..255 byte (the byte a person would type
// for it); "-" for a component outside 0..1.
std::string colorBytesText(const ColorRGB& color);

// The colour group as one table: per colour its key, type number, current and default colour
// (as the nearest 0..255 bytes and as the stored floats), whether a user may change it, and
// its display name. Replaces the children, which hold no framework values. False for any
// other object.
bool describeColorConfiguration(const ConfigurationObject& object, ObjectView& view);

}  // namespace QvConfig
}  // namespace Quarvane
