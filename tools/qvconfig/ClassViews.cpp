#include "tools/qvconfig/ClassViews.h"

#include "tools/qvconfig/ColorView.h"

namespace Quarvane
{
namespace QvConfig
{
namespace
{
// Each returns false, changing nothing, for an object that is not of its class.
using ClassView = bool (*)(const ConfigurationObject& object, ObjectView& view);

// Add a group's class view here.
const ClassView s_classViews[] = {
    describeColorConfiguration,
};
}  // namespace

void applyClassView(const ConfigurationObject& object, ObjectView& view)
{
    for (const ClassView classView : s_classViews)
        if (classView(object, view))
            return;
}

}  // namespace QvConfig
}  // namespace Quarvane
