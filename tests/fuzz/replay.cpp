// Runs kept fuzz inputs through a target without libFuzzer: every file
// named, and every file in a folder named.
#include "core/recordfile.h"
#include <QDir>
#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

int main(int argc, char** argv)
{
    QStringList files;
    for (int i = 1; i < argc; ++i) {
        const QDir dir(QString::fromLocal8Bit(argv[i]));
        if (!dir.exists())
            files << dir.path();
        for (const QString& name : dir.entryList(QDir::Files, QDir::Name))
            files << dir.filePath(name);
    }
    QByteArray b;
    for (const QString& path : files) {
        // Named before it runs: an input that crashes is the last one shown.
        std::fprintf(stderr, "%s\n", qPrintable(path));
        if (!core::readFileBytes(path, &b))
            return 1;   // unreadable: a broken set-up
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(b.constData()), size_t(b.size()));
    }
    std::printf("%d inputs replayed\n", int(files.size()));
    return files.isEmpty() ? 1 : 0;   // nothing to replay is a broken set-up too
}
