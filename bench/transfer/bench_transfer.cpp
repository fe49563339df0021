// The full Tessel126 project (bench/common/FullProject.h) uploaded to and downloaded from the
// panel simulator at 57600 baud through the real serial layer (SerialSComm on a pseudo-terminal),
// with the simulator pacing the line as a real one (its wire pacing). Once with every pause 0,
// once with the default pauses. For each transfer one line: wall time, the wire limit (every byte
// sent and received, ten bits at the speed it went at), their ratio, the pauses configured, the
// program's CPU time as a share of wall time (its own thread: the simulator runs in another and
// is shown apart), and how soon the PC answered a complete frame of the panel.
// A run with every pause 0 that misses its targets says "OFF TARGET". Exits 1 when a transfer
// fails: an error or an unexpected message, fewer bytes than the full project's frames, or a
// download that does not give back the project uploaded. With "--pauses-0" (and "--quick") only
// the runs without pauses (a few seconds instead of a minute).
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <thread>
#include <vector>

#include <pthread.h>
#include <sys/resource.h>

#include <QCoreApplication>
#include <QElapsedTimer>

#include "bench/common/BenchRun.h"
#include "bench/common/FullProject.h"
#include "core/Conv.h"
#include "core/DataModel.h"
#include "core/ResetModule.h"
#include "core/languages.h"
#include "panellink/DeviceBlock.h"
#include "panellink/Frame.h"
#include "panellink/GroupBlock.h"
#include "panellink/LinkState.h"
#include "panellink/NameBlock.h"
#include "panellink/Operations.h"
#include "platform/PortCatalog.h"
#include "platform/SComm.h"
#include "platform/Ui.h"
#include "tools/panelsim/LineRunner.h"

namespace {

constexpr double RatioTarget = 1.10;
constexpr double CpuTarget = 2.0;  // percent of wall time

// A serial port that counts what passes, and its wire time at the speed it was set to.
class CountingPort : public SComm {
public:
    explicit CountingPort(SComm& inner) : inner_(inner) {}
    bool PortOpen() const override { return inner_.PortOpen(); }
    bool SetPortOpen(bool open) override
    {
        inner_.CommPort = CommPort;
        inner_.Settings = Settings;
        const bool ok = inner_.SetPortOpen(open);
        lastError_ = inner_.LastError();
        const auto s = ParseSettings(Settings);
        baud_ = s ? s->baud : 9600;
        return ok;
    }
    bool Output(const QByteArray& b) override
    {
        Count(b.size());
        return inner_.Output(b);
    }
    QByteArray Input() override
    {
        const QByteArray b = inner_.Input();
        Count(b.size());
        return b;
    }
    int InBufferCount() override { return inner_.InBufferCount(); }
    bool WaitForInput(int count, double seconds) override { return inner_.WaitForInput(count, seconds); }

    void Reset() { bytes = 0, wireSeconds = 0; }
    long long bytes = 0;
    double wireSeconds = 0;

private:
    void Count(qsizetype n)
    {
        bytes += n;
        wireSeconds += n * 10.0 / baud_;
    }
    SComm& inner_;
    int baud_ = 9600;
};

QString Pauses(const LinkTiming& t)
{
    return QStringLiteral("ack %1 s, records %2 s, turns %3/%4 s, end frame %5/%6 s, return %7 s, speed %8 s")
        .arg(t.FullStr2, t.FullStr)
        .arg(t.recordTurn)
        .arg(t.lastRecordTurn)
        .arg(t.endBefore)
        .arg(t.endAfter)
        .arg(t.beforeReturn)
        .arg(t.afterSpeed);
}

// The main window of the bench: Fast selected; in the no-pause run the timing stays at 0 even
// when an operation presses a preset.
class BenchView : public PanelView {
public:
    explicit BenchView(LinkTiming& t) : timing_(t) {}
    void SetStatBar(int) override {}
    void SetActivMsgLbl(const QString&) override {}
    void SetTransferIndicator(uint32_t) override {}
    void SetWindowEnabled(bool) override {}
    void SetModelCaptions(const QString&, const QString&) override {}
    void SetLabel4(const QString&) override {}
    void SetLabel16(const QString&) override {}
    void SetText2(const QString&) override {}
    bool FastSelected() const override { return true; }
    void ShowPresetInUse(int baud) override
    {
        if (baud == 57600) fastPauses = Pauses(timing_);
    }
    void ShowTiming(const LinkTiming&) override
    {
        if (noPauses) ZeroPauses(timing_);
    }
    void SaveProjectQuietly() override {}
    void ShowLinkView() override {}
    void StartHistoryBlink() override {}

    static void ZeroPauses(LinkTiming& t)
    {
        t.FullStr = t.FullStr2 = QStringLiteral("0");
        t.recordTurn = t.lastRecordTurn = t.endBefore = t.endAfter = t.beforeReturn = t.afterSpeed = 0;
    }
    bool noPauses = false;
    QString fastPauses;  // the pauses as the 57600 preset left them

private:
    LinkTiming& timing_;
};

double CpuSeconds(clockid_t clock)
{
    timespec t{};
    clock_gettime(clock, &t);
    return t.tv_sec + t.tv_nsec / 1e9;
}

double Quantile(std::vector<double> v, double q)
{
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, size_t(q * double(v.size())))];
}

struct Run {
    bool ok = false;
    double wall = 0, cpu = 0, simCpu = 0;
    long sleeps = 0;  // times the program thread slept (voluntary context switches)
    std::vector<double> replies;
};

long Sleeps()
{
    rusage u{};
    getrusage(RUSAGE_THREAD, &u);
    return u.ru_nvcsw;
}

// One transfer against the panel on a fresh paced pseudo-terminal.
template <typename Op>
Run Transfer(panelsim::Panel& panel, CountingPort& port, SerialSComm& serial, Op op)
{
    Run r;
    panelsim::LineRunner runner;
    runner.SetWire(true);
    QString error;
    if (!runner.OpenPty(&error)) {
        std::fprintf(stderr, "bench_transfer: %s\n", qPrintable(error));
        return r;
    }
    serial.SetCatalog(PortCatalog({{1, runner.Path(), QStringLiteral("USB Serial Port (pseudo-terminal)")}}));
    port.SetCatalog(serial.Catalog());
    port.CommPort = 1;
    ComPortNum = QStringLiteral("1");
    std::thread simulator([&] { runner.Run(panel); });
    clockid_t simClock{};
    pthread_getcpuclockid(simulator.native_handle(), &simClock);

    port.Reset();
    const double cpu = CpuSeconds(CLOCK_THREAD_CPUTIME_ID), simCpu = CpuSeconds(simClock);
    const long sleeps = Sleeps();
    QElapsedTimer t;
    t.start();
    r.ok = op();
    r.wall = t.nsecsElapsed() / 1e9;
    r.cpu = CpuSeconds(CLOCK_THREAD_CPUTIME_ID) - cpu;
    r.simCpu = CpuSeconds(simClock) - simCpu;
    r.sleeps = Sleeps() - sleeps;
    runner.Stop();
    simulator.join();
    r.replies = runner.ReplyTimes();
    return r;
}

// The fewest bytes a transfer of the full project can pass: a frame for each device record, each
// name and each group.
constexpr long long FullProjectFrameBytes = FullProject::Devices * (DeviceRecordBytes + Frame::MinFrameBytes) +
                                            FullProject::Devices * (NameRecordBytes + Frame::MinFrameBytes) +
                                            MaxGroups * (GroupRecordBytes + Frame::MinFrameBytes);

void Report(const char* what, bool noPauses, const CountingPort& port, const QString& pauses, const Run& r)
{
    const double ratio = port.wireSeconds > 0 ? r.wall / port.wireSeconds : 0.0;
    const double cpu = r.wall > 0 ? 100 * r.cpu / r.wall : 0.0;
    const bool onTarget = !noPauses || (ratio <= RatioTarget && cpu <= CpuTarget);
    std::printf("%-8s %-14s wire: wall %6.2f s, limit %5.2f s (%lld bytes), ratio %.2f; pauses at 57600: %s; "
                "CPU %.2f %% (%.3f s, %ld sleeps; simulator %.1f %%); frame to answer: median %.3f ms, 95%% %.3f ms; "
                "%s\n",
                what, noPauses ? "pauses 0" : "pauses default", r.wall, port.wireSeconds, port.bytes, ratio,
                qPrintable(pauses), cpu, r.cpu, r.sleeps, r.wall > 0 ? 100 * r.simCpu / r.wall : 0.0,
                1e3 * Quantile(r.replies, 0.5), 1e3 * Quantile(r.replies, 0.95),
                !r.ok ? "FAILED" : onTarget ? "ok" : "OFF TARGET");
    std::fflush(stdout);
}

// What a transfer must have done besides ending without an error.
void RequireWork(BenchRun& bench, const char* what, const CountingPort& port, const Run& r, const QStringList& unexpected)
{
    bench.Require(r.ok, QStringLiteral("the %1 reported an error").arg(what));
    bench.Require(unexpected.isEmpty(), QStringLiteral("the %1 showed: %2").arg(what, unexpected.join(QStringLiteral(" | "))));
    bench.Require(port.bytes >= FullProjectFrameBytes, QStringLiteral("the %1 passed %2 bytes, fewer than the %3 of the "
                                                                      "full project's frames")
                                                           .arg(what)
                                                           .arg(port.bytes)
                                                           .arg(FullProjectFrameBytes));
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    BenchRun bench("bench_transfer", argc, argv);
    QStringList unexpected;
    Ui::SetPrompter([&](const Ui::MsgBoxCall& c) {
        if (!c.prompt.startsWith(QLatin1String("Is the system")) && !c.prompt.startsWith(QLatin1String("Data transfer")) &&
            !c.prompt.startsWith(QLatin1String("Do not forget")) && !c.prompt.startsWith(QLatin1String("Downloading data")))
            unexpected << c.prompt;
        return c.buttons() == Ui::vbYesNo ? int(Ui::vbYes) : int(Ui::vbOK);
    });

    SerialSComm serial;
    CountingPort port(serial);
    std::printf("Full Tessel126 project at 57600 baud, simulator pacing the line (targets with every pause 0: "
                "ratio <= %.2f, CPU <= %.0f %%)\n",
                RatioTarget, CpuTarget);
    const bool onlyNoPauses = bench.Quick() || bench.HasFlag("--pauses-0");
    for (const bool noPauses : {true, false}) {
        if (!noPauses && onlyNoPauses) break;
        LinkTiming timing;
        BenchView view(timing);
        view.noPauses = noPauses;
        if (noPauses) BenchView::ZeroPauses(timing);
        PanelOperations ops(port, timing, view);
        panelsim::Panel panel;  // an empty panel for each run

        FullProject::Fill();
        if (!bench.RequireFullProject(QStringLiteral("built"))) break;
        const auto devices = DeviceDataArray;
        const auto groups = OutGrpArray;
        unexpected.clear();
        const Run up = Transfer(panel, port, serial, [&] {
            ops.Upload2Sys_Click();
            return !TransferError;
        });
        Report("upload", noPauses, port, view.fastPauses, up);
        RequireWork(bench, "upload", port, up, unexpected);

        // The download starts from an empty project: all it leaves must come from the panel.
        ResetModule::ResetProject(true);
        unexpected.clear();
        const Run down = Transfer(panel, port, serial, [&] {
            ops.Download2PC_Click();
            return !TransferError;
        });
        Report("download", noPauses, port, view.fastPauses, down);
        RequireWork(bench, "download", port, down, unexpected);
        // The group names never go to the panel: a download gives the groups their default names.
        for (int g = 1; g <= MaxGroups; ++g) OutGrpArray[g].GrpName = groups[g].GrpName;
        bench.Require(DeviceDataArray == devices && OutGrpArray == groups,
                      QStringLiteral("the download did not give back the project uploaded"));
        bench.RequireFullProject(QStringLiteral("downloaded"));
    }
    return bench.Exit();
}
