#pragma once

#include <QtCore/QByteArray>
#include <QtCore/QString>

#include <cstdint>
#include <string>

namespace Quarvane::ConfigFileStore
{

// Enough of a file's identity to tell whether somebody replaced or rewrote it since we last
// looked: an atomic save gives the file a new inode, an edit in place a new size or time.
struct FileIdentity
{
    bool exists = false;
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t size = 0;
    std::int64_t modifiedNanoseconds = 0;

    bool operator==(const FileIdentity& other) const;
    bool operator!=(const FileIdentity& other) const { return !(*this == other); }
};

FileIdentity identify(const QString& path);

// Replaces `path` by `bytes` in one step, readable and writable by the owner only: the bytes go
// to a temporary file beside it, which is flushed to the disk before it is renamed over the old
// file, and the folder is synchronised after the rename so that the new name survives a power
// cut. On any failure the old file stays as it was and `error` says why.
bool replaceDurably(const QString& path, const QByteArray& bytes, std::string* error);

// Restricts a file to its owner (it may hold passwords); false when that fails.
bool restrictToOwner(const QString& path);

}  // namespace Quarvane::ConfigFileStore
