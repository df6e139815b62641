#include "Platform/Core/Service/FileHandling/FileUtilities.h"

#include <QtCore/QFileInfo>

namespace Quarvane
{

bool FileUtilities::exists(const FileName& name, bool filesOnly)
{
    if (name.isEmpty())
        return false;
    const QFileInfo info(name.toQString());
    return info.exists() && (!filesOnly || info.isFile());
}

}  // namespace Quarvane
