#include "Platform/Core/Service/Logging/Logging.h"

#include "LogCapture.h"

#include <gtest/gtest.h>

namespace
{
using namespace Quarvane;
using Testing::LogCapture;

TEST(Logging, WritesThroughTheSourceFilesCategoryWithItsPlace)
{
    const Logging logger("/src/Platform/Widgets/RestrictionPage.cpp");
    EXPECT_STREQ(logger.categoryName(), "quarvane.RestrictionPage");
    LogCapture capture;
    logger.logTRACE("entering", "RestrictionPage.cpp", "void RestrictionPage::apply()", 17);
    logger.logINFO("Invalid directory /nowhere/ü", "RestrictionPage.cpp", "void RestrictionPage::apply()", 42);
    ASSERT_EQ(capture.lines.size(), 2u);
    EXPECT_EQ(capture.lines[0].type, QtDebugMsg);
    EXPECT_EQ(capture.lines[0].message, "entering");
    EXPECT_EQ(capture.lines[1].type, QtInfoMsg);
    EXPECT_EQ(capture.lines[1].message, "Invalid directory /nowhere/ü");
    for (const LogCapture::Line& line : capture.lines)
    {
        EXPECT_EQ(line.category, "quarvane.RestrictionPage");
        EXPECT_EQ(line.file, "RestrictionPage.cpp");
        EXPECT_EQ(line.function, "void RestrictionPage::apply()");
    }
    EXPECT_EQ(capture.lines[0].line, 17);
    EXPECT_EQ(capture.lines[1].line, 42);
}

TEST(Logging, TraceIsOffUnlessTheFilterRulesSwitchItOn)
{
    const Logging logger("Quiet.cpp");
    const struct
    {
        const char* rules;
        std::vector<std::string> expected;
    } cases[] = {
        {"", {"info"}},
        {"quarvane.Quiet.info=false", {}},
        {"quarvane.*.debug=true", {"trace", "info"}},
        {"quarvane.Other.debug=true", {"info"}},
    };
    for (const auto& testCase : cases)
    {
        SCOPED_TRACE(testCase.rules);
        LogCapture capture(QString::fromLatin1(testCase.rules));
        logger.logTRACE("trace", __FILE__, Q_FUNC_INFO, __LINE__);
        logger.logINFO("info", __FILE__, Q_FUNC_INFO, __LINE__);
        EXPECT_EQ(capture.messages(), testCase.expected);
    }
}

}  // namespace
