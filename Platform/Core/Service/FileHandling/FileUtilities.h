#pragma once

#include "Platform/Core/Service/FileHandling/FileName.h"

namespace Quarvane
{

// Questions about files on disk.
class FileUtilities
{
public:
    // Whether something exists under `name`: with `filesOnly` false a file or a directory, with
    // it true only a file (a directory of that name does not count). An empty name exists never;
    // a dangling symbolic link does not exist.
    static bool exists(const FileName& name, bool filesOnly);
};

}  // namespace Quarvane
