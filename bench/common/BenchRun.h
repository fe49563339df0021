#pragma once
// What every benchmark shares: its quick mode and its verdict. A benchmark checks that its work
// succeeded (a refused upload, a wrong count, a failed save are faults) and exits 1 when it did
// not; its times it only prints, against their targets. "--quick" runs it once, on small sizes
// where the size is not what it states, with short pauses: ctest runs it so, to see the work
// succeed, never to judge a time.
#include <QString>
#include <QStringList>

class BenchRun {
public:
    BenchRun(const char* name, int argc, char** argv);

    bool Quick() const { return quick_; }
    bool HasFlag(const char* flag) const;

    // Records a fault, printed at once, unless ok; returns ok.
    bool Require(bool ok, const QString& what);
    // The shared project is the full project of bench/common/FullProject.h.
    bool RequireFullProject(const QString& when);

    // 0 when every check held; else 1, after the count of faults.
    int Exit() const;

private:
    QString name_;
    QStringList args_;
    bool quick_ = false;
    int faults_ = 0;
};
