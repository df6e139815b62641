#pragma once

#include "tools/qvconfig/ObjectView.h"

#include <iosfwd>

namespace Quarvane
{
namespace QvConfig
{

// {"product": NAME, "groups": [OBJECT...]}, where OBJECT is {"name", "editable", "values",
// "objects": [OBJECT...]} and each value {"key", "type", "value", "default", "editable",
// "visible", "description"}. "value" and "default" stay the text the configuration file
// stores, so every type reads back exactly and a script need not know how each is written.
// An object whose class has a view of its own adds "listing": [ENTRY...], each ENTRY an object
// of strings named by the view's fields.
void writeJson(const ShowReport& report, std::ostream& out);

}  // namespace QvConfig
}  // namespace Quarvane
