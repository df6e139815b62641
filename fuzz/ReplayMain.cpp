// Runs files through the fuzz target without fuzzing, so the corpus and every crash found so far
// are checked by a plain build: each argument is a file or a folder of files.

#include <QtCore/QDir>
#include <QtCore/QDirIterator>
#include <QtCore/QFile>
#include <QtCore/QFileInfo>

#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace
{
int replay(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
    {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
        return 1;
    }
    const QByteArray bytes = file.readAll();
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.constData()), static_cast<std::size_t>(bytes.size()));
    return 0;
}
}  // namespace

int main(int argc, char** argv)
{
    int failures = 0;
    int replayed = 0;
    for (int i = 1; i < argc; ++i)
    {
        const QString path = QFile::decodeName(argv[i]);
        if (!QFileInfo(path).isDir())
        {
            failures += replay(path);
            ++replayed;
            continue;
        }
        QDirIterator files(path, QDir::Files);
        while (files.hasNext())
        {
            failures += replay(files.next());
            ++replayed;
        }
    }
    std::printf("replayed %d inputs\n", replayed);
    return failures == 0 && replayed > 0 ? 0 : 1;
}
