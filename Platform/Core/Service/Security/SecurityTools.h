#pragma once

#include <string>

namespace Quarvane
{

// Scrambling of short secrets (passwords) kept in configuration files, so that they are not
// readable at a glance. It is not encryption: anyone with this code can unscramble them.
class SecurityTools
{
public:
    // The scrambled form of any bytes (a password need not be UTF-8), in Base64 characters; the
    // empty text stays empty.
    static std::string scrambleStringBase64(const std::string& text);
    // The text that scrambleStringBase64 scrambled. Text that is not scrambled data (plain text,
    // a damaged or truncated value) comes back unchanged rather than as garbage.
    static std::string unscrambleStringBase64(const std::string& scrambled);
};

}  // namespace Quarvane
