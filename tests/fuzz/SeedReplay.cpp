// Runs every fuzz target once on each input of its seed corpus, in the ordinary build, so the
// seeds and the targets' promises are checked by every test run. A broken promise aborts.
#include <cstdint>
#include <cstdio>
#include <vector>

#include <QDir>
#include <QFile>

#include "SeedTargets.h"  // generated: FUZZ_TARGET(name) for every target

#define FUZZ_TARGET(name) extern "C" int FuzzTarget_##name(const uint8_t*, size_t);
FUZZ_TARGETS
#undef FUZZ_TARGET

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s CORPUS_FOLDER\n", argv[0]);
        return 2;
    }
    struct Target {
        const char* name;
        int (*run)(const uint8_t*, size_t);
    };
#define FUZZ_TARGET(name) {#name, FuzzTarget_##name},
    const std::vector<Target> targets{FUZZ_TARGETS};
#undef FUZZ_TARGET
    int inputs = 0;
    for (const Target& t : targets) {
        const QDir folder(QString::fromLocal8Bit(argv[1]) + QLatin1Char('/') + QLatin1String(t.name));
        const QStringList files = folder.entryList(QDir::Files, QDir::Name);
        if (files.isEmpty()) {
            std::fprintf(stderr, "%s: no seeds\n", t.name);
            return 1;
        }
        for (const QString& f : files) {
            QFile file(folder.filePath(f));
            if (!file.open(QIODevice::ReadOnly)) return 1;
            const QByteArray bytes = file.readAll();
            t.run(reinterpret_cast<const uint8_t*>(bytes.constData()), size_t(bytes.size()));
            ++inputs;
        }
    }
    std::printf("%d seeds of %zu targets ran\n", inputs, targets.size());
    return 0;
}
