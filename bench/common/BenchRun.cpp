#include "bench/common/BenchRun.h"

#include <cstdio>

#include "bench/common/FullProject.h"

BenchRun::BenchRun(const char* name, int argc, char** argv) : name_(QString::fromLatin1(name))
{
    for (int i = 1; i < argc; ++i) args_ << QString::fromLocal8Bit(argv[i]);
    quick_ = HasFlag("--quick");
}

bool BenchRun::HasFlag(const char* flag) const { return args_.contains(QLatin1String(flag)); }

bool BenchRun::Require(bool ok, const QString& what)
{
    if (ok) return true;
    ++faults_;
    std::fprintf(stderr, "%s: FAILED: %s\n", qPrintable(name_), qPrintable(what));
    std::fflush(stderr);
    return false;
}

bool BenchRun::RequireFullProject(const QString& when)
{
    const QStringList faults = FullProject::Faults();
    for (const QString& f : faults) Require(false, when + QStringLiteral(": ") + f);
    return faults.isEmpty();
}

int BenchRun::Exit() const
{
    if (faults_ == 0) return 0;
    std::fprintf(stderr, "%s: %d check(s) failed\n", qPrintable(name_), faults_);
    return 1;
}
