#include "Platform/Core/Service/Security/SecurityTools.h"

#include <gtest/gtest.h>

#include <QtCore/QByteArray>

#include <string>

namespace
{
using Quarvane::SecurityTools;

TEST(SecurityTools, ScramblingAndUnscramblingAreInverses)
{
    const std::string texts[] = {
        "",
        "a",
        "hunter2",
        "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa",
        "Pässwörd ß 密码 🔑",
        " spaces, \"quotes\" & <xml>\n\ttabs ",
        "QS1",
        std::string("nul\0inside", 10),
        "pass\xF6rd",  // not UTF-8
        "\xff\xfe\x01\x80",
    };
    for (const std::string& text : texts)
    {
        SCOPED_TRACE(text);
        const std::string scrambled = SecurityTools::scrambleStringBase64(text);
        EXPECT_EQ(SecurityTools::unscrambleStringBase64(scrambled), text);
        if (text.empty())
            continue;
        EXPECT_EQ(scrambled.find(text), std::string::npos);
        EXPECT_TRUE(QByteArray::fromBase64Encoding(QByteArray::fromStdString(scrambled),
                                                   QByteArray::AbortOnBase64DecodingErrors));
    }
    EXPECT_EQ(SecurityTools::scrambleStringBase64(""), "");
}

TEST(SecurityTools, TextThatIsNotScrambledComesBackUnchanged)
{
    const std::string scrambled = SecurityTools::scrambleStringBase64("secret");
    std::string tampered = scrambled;
    tampered[6] = tampered[6] == 'A' ? 'B' : 'A';
    const std::string texts[] = {
        "hunter2",                                  // a password typed into the file in plain
        "aGVsbG8gd29ybGQ=",                         // Base64, but of something else
        scrambled.substr(0, scrambled.size() - 4),  // truncated
        tampered,                                   // damaged
        scrambled + "!",                            // not Base64 at all
        "Grüße",
    };
    for (const std::string& text : texts)
    {
        SCOPED_TRACE(text);
        EXPECT_EQ(SecurityTools::unscrambleStringBase64(text), text);
    }
}

}  // namespace
