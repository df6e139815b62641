#pragma once

#include "tools/qvconfig/ObjectView.h"

namespace Quarvane
{

class ConfigurationObject;

namespace QvConfig
{

// Most groups are framework values and nested objects, which the generic view shows as they
// are. A group whose content lives elsewhere (its own members, children without values) gets
// a view of its own here, chosen by the group's class.
//
// Completes `view` with what `object`'s class view shows; objects of other classes keep the
// generic view.
void applyClassView(const ConfigurationObject& object, ObjectView& view);

}  // namespace QvConfig
}  // namespace Quarvane
