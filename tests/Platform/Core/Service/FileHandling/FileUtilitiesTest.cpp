#include "Platform/Core/Service/FileHandling/FileUtilities.h"

#include <gtest/gtest.h>

#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QTemporaryDir>

namespace
{
using namespace Quarvane;

TEST(FileUtilities, ExistsAnswersForFilesAndOptionallyDirectories)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString file = folder.filePath(QString::fromUtf8("dätei.txt"));
    QFile created(file);
    ASSERT_TRUE(created.open(QIODevice::WriteOnly));
    created.close();
    ASSERT_TRUE(QFile::link(folder.filePath("gone"), folder.filePath("dangling")));

    const struct
    {
        QString path;
        bool anything;
        bool filesOnly;
    } cases[] = {
        {file, true, true},
        {folder.path(), true, false},
        {folder.filePath("missing"), false, false},
        {folder.filePath("dangling"), false, false},
        {QString(), false, false},
    };
    for (const auto& testCase : cases)
    {
        SCOPED_TRACE(testCase.path.toStdString());
        const FileName name(testCase.path.toStdString());
        EXPECT_EQ(name.toQString(), testCase.path);
        EXPECT_EQ(FileUtilities::exists(name, false), testCase.anything);
        EXPECT_EQ(FileUtilities::exists(name, true), testCase.filesOnly);
    }
}

}  // namespace
