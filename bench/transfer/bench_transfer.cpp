// A full Tessel126 project (126 named devices, 32 groups) uploaded to and downloaded from the
// panel simulator at 57600 baud through the real serial layer (SerialSComm on a pseudo-terminal).
// For each transfer: wall time, the wire-time limit (every byte sent and received, ten bits a
// byte at the speed it went at), their ratio, and the CPU time of the process. Once with the
// default pauses, once with every pause 0.
#include <cstdio>
#include <thread>

#include <sys/resource.h>

#include <QCoreApplication>
#include <QElapsedTimer>

#include "core/Conv.h"
#include "core/DataModel.h"
#include "core/ResetModule.h"
#include "core/languages.h"
#include "panellink/LinkState.h"
#include "panellink/Operations.h"
#include "platform/PortCatalog.h"
#include "platform/SComm.h"
#include "platform/Ui.h"
#include "tools/panelsim/LineRunner.h"

namespace {

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
        ++frames;
        return inner_.Output(b);
    }
    QByteArray Input() override
    {
        const QByteArray b = inner_.Input();
        Count(b.size());
        return b;
    }
    int InBufferCount() override { return inner_.InBufferCount(); }

    void Reset() { bytes = 0, frames = 0, wireSeconds = 0; }
    long long bytes = 0, frames = 0;
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
    void ShowPresetInUse(int) override {}
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

private:
    LinkTiming& timing_;
};

void FullProject()
{
    MaxNumOfDevices = 126;
    ResetModule::ResetProject(true);
    for (int a = 1; a <= MaxAddress; ++a) {
        const bool output = a % 4 == 0;
        const int kind = output ? DeviceKind::Output : DeviceKind::InputDevice;
        const DeviceKind::KindInfo* k = DeviceKind::Find(kind);
        DeviceRecord& r = DeviceDataArray[a];
        r.ExtType = k->extType;
        r.BaseType = k->baseType;
        r.Exist = "1";
        r.DeviceIsIn = output ? "0" : "1";
        r.FactoryName = languages::FactoryNameFor(a, kind, 1);
        r.DeviceName = QStringLiteral("ROOM %1 FLOOR %2").arg(a).arg(a / 20);
        r.NameExist = "1";
        if (!output) {
            r.NumOfGroups = "01";
            r.Grp[1] = ZeroPad((a - 1) % MaxGroups + 1, 2);
            r.WithAlarmGroup = "1";
        }
    }
    NumOfDevices = "126";
    for (int g = 1; g <= MaxGroups; ++g) {
        OutGrpArray[g].Trigger = "1";
        OutGrpArray[g].OutCount = "4";
        for (int o = 1; o <= 4; ++o) OutGrpArray[g].OutAddr[o] = ZeroPad(4 * ((g + o) % 31 + 1), 3);
    }
    NumOfActiveGroups = MaxGroups;
}

double CpuSeconds()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_utime.tv_sec + u.ru_stime.tv_sec + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

bool SameDevices(const std::array<DeviceRecord, MaxAddress + 1>& sent)
{
    for (int a = 1; a <= MaxAddress; ++a)
        if (KindOf(DeviceDataArray[a]) != KindOf(sent[a]) || DeviceDataArray[a].DeviceName != sent[a].DeviceName)
            return false;
    return true;
}

void Report(const char* what, const char* pauses, CountingPort& port, double wall, double cpu, bool ok)
{
    std::printf("%-9s %-8s %8.2f s wall  %6.2f s wire (%lld bytes)  ratio %6.1f  %6.2f s CPU  %s\n", what, pauses,
                wall, port.wireSeconds, port.bytes, port.wireSeconds > 0 ? wall / port.wireSeconds : 0.0, cpu,
                ok ? "ok" : "FAILED");
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    languages::SetLanguage(2);
    QStringList unexpected;
    Ui::SetPrompter([&](const Ui::MsgBoxCall& c) {
        if (!c.prompt.startsWith(QLatin1String("Is the system")) && !c.prompt.startsWith(QLatin1String("Data transfer")) &&
            !c.prompt.startsWith(QLatin1String("Do not forget")) && !c.prompt.startsWith(QLatin1String("Downloading data")))
            unexpected << c.prompt;
        return c.buttons() == Ui::vbYesNo ? int(Ui::vbYes) : int(Ui::vbOK);
    });

    panelsim::Panel panel;
    panelsim::LineRunner runner;
    QString error;
    if (!runner.OpenPty(&error)) {
        std::fprintf(stderr, "bench_transfer: %s\n", qPrintable(error));
        return 1;
    }
    std::thread simulator([&] { runner.Run(panel); });

    SerialSComm serial;
    serial.SetCatalog(PortCatalog({{1, runner.Path(), QStringLiteral("USB Serial Port (pseudo-terminal)")}}));
    CountingPort port(serial);
    port.SetCatalog(serial.Catalog());
    port.CommPort = 1;
    ComPortNum = QStringLiteral("1");

    std::printf("Full Tessel126 project at 57600 baud, simulator on %s\n", qPrintable(runner.Path()));
    bool allOk = true;
    for (const bool noPauses : {false, true}) {
        LinkTiming timing;
        BenchView view(timing);
        view.noPauses = noPauses;
        if (noPauses) BenchView::ZeroPauses(timing);
        PanelOperations ops(port, timing, view);
        const char* label = noPauses ? "pauses 0" : "default";

        FullProject();
        const auto sent = DeviceDataArray;
        port.Reset();
        double cpu = CpuSeconds();
        QElapsedTimer t;
        t.start();
        ops.Upload2Sys_Click();
        const bool upOk = !TransferError && unexpected.isEmpty();
        Report("upload", label, port, t.elapsed() / 1000.0, CpuSeconds() - cpu, upOk);

        ResetModule::ResetProject(true);
        port.Reset();
        cpu = CpuSeconds();
        t.restart();
        ops.Download2PC_Click();
        const bool downOk = !TransferError && unexpected.isEmpty() && SameDevices(sent);
        Report("download", label, port, t.elapsed() / 1000.0, CpuSeconds() - cpu, downOk);
        allOk = allOk && upOk && downOk;
    }
    for (const QString& m : unexpected) std::printf("message: %s\n", qPrintable(m));

    runner.Stop();
    simulator.join();
    return allOk ? 0 : 1;
}
