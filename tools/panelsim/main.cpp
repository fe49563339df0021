// panelsim: a Verdal 5000X panel on a pseudo-terminal, to try and test the program without one.
#include <csignal>
#include <cstdio>
#include <functional>

#include <QFile>
#include <QSaveFile>

#include "tools/panelsim/CommandLine.h"
#include "tools/panelsim/LineRunner.h"
#include "tools/panelsim/Panel.h"
#include "tools/panelsim/StateText.h"

using namespace panelsim;

namespace {

LineRunner* g_runner = nullptr;

void OnSignal(int sig)
{
    if (!g_runner) return;
    if (sig == SIGUSR1) g_runner->RequestDump();
    else g_runner->Stop();
}

void CatchSignals()
{
    struct sigaction sa {};
    sa.sa_handler = OnSignal;
    sigemptyset(&sa.sa_mask);
    for (int sig : {SIGTERM, SIGINT, SIGHUP, SIGUSR1}) sigaction(sig, &sa, nullptr);
    signal(SIGPIPE, SIG_IGN);
}

bool WriteWhole(const QString& path, const QByteArray& bytes)
{
    QSaveFile f(path);  // written aside and renamed, so a reader never sees half a dump
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size() && f.commit();
}

int Fail(const QString& why)
{
    fprintf(stderr, "panelsim: %s\n", qPrintable(why));
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    QStringList args;
    for (int i = 1; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
    Options opt;
    if (const QString err = ParseCommandLine(args, &opt); !err.isEmpty())
        return Fail(err + QStringLiteral("\n") + UsageText());
    if (opt.help) {
        printf("%s", qPrintable(UsageText()));
        return 0;
    }

    PanelMemory memory;
    if (!opt.stateFile.isEmpty()) {
        QFile f(opt.stateFile);
        if (!f.open(QIODevice::ReadOnly)) return Fail(QStringLiteral("cannot read %1").arg(opt.stateFile));
        if (const QString err = LoadState(f.readAll(), &memory); !err.isEmpty())
            return Fail(QStringLiteral("%1: %2").arg(opt.stateFile, err));
    }
    ApplyOverrides(opt, &memory);
    Panel panel(memory, opt.faults);

    QFile log(opt.logFile);
    if (!opt.logFile.isEmpty() && !log.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text))
        return Fail(QStringLiteral("cannot write %1").arg(opt.logFile));
    const std::function<void(const QString&)> trace = [&](const QString& line) {
        const QByteArray text = QByteArray::number(MonotonicMs()) + ' ' + line.toLatin1() + '\n';
        if (log.isOpen()) {
            log.write(text);
            log.flush();
        }
        if (opt.verbose) fputs(text.constData(), stderr);
    };
    panel.SetTrace(trace);

    LineRunner runner;
    runner.SetTrace(trace);
    runner.SetWire(opt.wire);
    QString err;
    if (!(opt.device.isEmpty() ? runner.OpenPty(&err) : runner.OpenDevice(opt.device, &err))) return Fail(err);
    // The path file first: whoever reads the printed path may look for the file at once.
    if (!opt.pathFile.isEmpty() && !WriteWhole(opt.pathFile, runner.Path().toLocal8Bit() + '\n'))
        return Fail(QStringLiteral("cannot write %1").arg(opt.pathFile));
    printf("%s\n", qPrintable(runner.Path()));
    fflush(stdout);

    auto dump = [&] {
        if (!opt.dumpFile.isEmpty() && !WriteWhole(opt.dumpFile, DumpState(panel.Memory())))
            fprintf(stderr, "panelsim: cannot write %s\n", qPrintable(opt.dumpFile));
    };
    dump();
    g_runner = &runner;
    CatchSignals();
    runner.Run(panel, dump, dump);
    g_runner = nullptr;
    dump();
    return 0;
}
