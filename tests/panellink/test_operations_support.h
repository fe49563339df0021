#pragma once
// Doubles for the transfer engine and the panel operations: a recording main window, the
// simulator's panel on an in-memory port (bytes take their wire time, a wrong line speed gives
// noise), and a fixture with virtual time.
#include <functional>
#include <memory>
#include <vector>

#include <gtest/gtest.h>
#include <QStringList>

#include "ScriptedPrompter.h"
#include "core/Conv.h"
#include "panellink/LinkFixture.h"
#include "panellink/Operations.h"
#include "platform/Clock.h"
#include "platform/MemoryPort.h"
#include "tools/panelsim/Panel.h"

// The main window as the operations see it; every call recorded.
class RecordingView : public PanelView {
public:
    void SetStatBar(int value) override { statBar.push_back(value); }
    void SetActivMsgLbl(const QString& text) override { activMsgLbl.push_back(text); }
    void SetTransferIndicator(uint32_t colour) override { indicator.push_back(colour); }
    void SetWindowEnabled(bool e) override
    {
        enabled.push_back(e);
        if (!e && onDisable) onDisable();
    }
    void SetModelCaptions(const QString& c13, const QString& caption) override
    {
        command13 = c13;
        windowCaption = caption;
    }
    void SetLabel4(const QString& t) override { label4 = t; }
    void SetLabel16(const QString& t) override { label16 = t; }
    void SetText2(const QString& t) override { text2 = t; }
    bool FastSelected() const override { return fast; }
    void ShowPresetInUse(int baud) override { presetInUse = baud; }
    void ShowTiming(const LinkTiming&) override
    {
        ++timingShown;
        if (onTiming) onTiming();
    }
    void SaveProjectQuietly() override
    {
        ++saves;
        if (onSave) onSave();
    }
    void ShowLinkView() override { ++linkViews; }
    void StartHistoryBlink() override { blink = true; }

    bool fast = false;
    // Run inside the operation: when the project is saved, when the window is disabled.
    std::function<void()> onSave, onDisable, onTiming;
    std::vector<int> statBar;
    QStringList activMsgLbl;
    std::vector<uint32_t> indicator;
    std::vector<bool> enabled;
    QString command13, windowCaption, label4 = "-", label16 = "-", text2 = "-";
    int presetInUse = 0, timingShown = 0, saves = 0, linkViews = 0;
    bool blink = false;
};

// The simulator's panel behind an in-memory port. What the PC writes reaches the panel after
// its wire time at the PC's speed; the panel's frames arrive after their own wire time, as
// noise when the two sides are not at the same speed.
class SimulatedLine {
public:
    SimulatedLine(MemoryPort& port, panelsim::Panel& panel) : port_(port), panel_(panel)
    {
        port_.onOutput = [this](const QByteArray& bytes) { Deliver(bytes); };
    }
    ~SimulatedLine() { port_.onOutput = nullptr; }
    int PanelSpeed() const { return txBaud_; }
    // Every baud rate the PC opened the port at, in order.
    std::vector<int> pcSpeeds;

private:
    static int BaudOf(const QString& settings)
    {
        const auto s = ParseSettings(settings);
        return s ? s->baud : 9600;
    }
    void Deliver(const QByteArray& bytes)
    {
        const int pcBaud = BaudOf(port_.Settings);
        if (pcSpeeds.empty() || pcSpeeds.back() != pcBaud) pcSpeeds.push_back(pcBaud);
        double t = Clock::Current().Now() + bytes.size() * 10.0 / pcBaud;
        if (t < busyUntil_) t = busyUntil_;
        for (const panelsim::Output& o : panel_.Receive(bytes, int64_t(t * 1000), pcBaud)) {
            t += o.delayMs / 1000.0;
            if (!o.bytes.isEmpty()) {
                t += o.bytes.size() * 10.0 / txBaud_;
                port_.QueueAt(txBaud_ == pcBaud ? o.bytes : QByteArray(o.bytes.size(), '\0'), t);
            }
            if (o.baudAfter != 0) txBaud_ = o.baudAfter;
        }
        busyUntil_ = t;
    }

    MemoryPort& port_;
    panelsim::Panel& panel_;
    int txBaud_ = 9600;
    double busyUntil_ = 0;
};

// A device of a kind at an address of the project, named, with its factory name.
inline void AddDevice(int address, int kind, const QString& name = QString(), int cardAddr = 1)
{
    const DeviceKind::KindInfo* k = DeviceKind::Find(kind);
    DeviceRecord& r = DeviceDataArray[address];
    r.ExtType = k->extType;
    r.BaseType = k->baseType;
    r.Exist = "1";
    r.DeviceIsIn = k->isInput ? "1" : "0";
    r.CardAddr = ZeroPad(cardAddr, 2);
    r.FactoryName = languages::FactoryNameFor(address, kind, cardAddr);
    if (!name.isEmpty()) {
        r.DeviceName = name;
        r.NameExist = "1";
    }
    int n = 0;
    for (int a = 1; a <= MaxAddress; ++a) n += DeviceDataArray[a].Exist == "1";
    NumOfDevices = ZeroPad(n, 3);
}

// The input at `input` sets off group g, whose one output is `output` (the group's first link).
inline void GroupFromTo(int g, int input, int output)
{
    DeviceRecord& r = DeviceDataArray[input];
    r.NumOfGroups = "01";
    r.Grp[1] = ZeroPad(g, 2);
    r.WithAlarmGroup = "1";
    OutGrpRecord& grp = OutGrpArray[g];
    grp.Trigger = "1";
    grp.OutCount = "1";
    grp.OutAddr[1] = ZeroPad(output, 3);
}

// After a trip to the panel and back: every device record and every group as it went, but for
// the alarm values, which come back with the panel's three digits ("64" as "064").
inline void ExpectProjectCameBack(const std::array<DeviceRecord, MaxAddress + 1>& devices,
                                  const std::array<OutGrpRecord, MaxGroups + 1>& groups)
{
    for (int a = 1; a <= MaxAddress; ++a) {
        SCOPED_TRACE(a);
        DeviceRecord expected = devices[a];
        if (expected.Exist == "1") {
            expected.AlarmValue = ZeroPad(ValInt(expected.AlarmValue), 3);
            expected.PreAlarmValue = ZeroPad(ValInt(expected.PreAlarmValue), 3);
        }
        EXPECT_EQ(DeviceDataArray[a], expected);
    }
    for (int g = 1; g <= MaxGroups; ++g) EXPECT_EQ(OutGrpArray[g], groups[g]) << g;
}

// A fresh project, the link on virtual time and a port that is chosen (port 1).
class OperationsTest : public LinkTest {
protected:
    void SetUp() override
    {
        LinkTest::SetUp();
        Clock::SetCurrent(&clock);
        ComPortNum = "1";
        ComSettings = "9600,N,8,1";
        BaudCode = 9;
        port.CommPort = 1;
        DataChanged = false;
        VerComNum = VerSoftNum = VerHardNum = TechCode = QString();
        ops.wallClock = [this] { return wall.addMSecs(qint64((clock.Now() - 1000.0) * 1000)); };
    }
    void TearDown() override
    {
        line.reset();
        Clock::SetCurrent(nullptr);
        LinkTest::TearDown();
    }

    // Puts a panel with this memory and these faults on the line.
    panelsim::Panel& Connect(panelsim::PanelMemory memory = {}, panelsim::Faults faults = {})
    {
        line.reset();
        panel = std::make_unique<panelsim::Panel>(std::move(memory), faults);
        line = std::make_unique<SimulatedLine>(port, *panel);
        return *panel;
    }

    // Panel memory with these versions (hundredths).
    static panelsim::PanelMemory Versions(int firmware, int hardware = 100)
    {
        panelsim::PanelMemory m;
        m.firmware = firmware;
        m.hardware = hardware;
        return m;
    }

    // Titles and prompts of the boxes shown so far.
    QStringList Prompts() const
    {
        QStringList out;
        for (const Ui::MsgBoxCall& c : prompter.Calls()) out << c.prompt;
        return out;
    }

    VirtualClock clock;
    QDateTime wall{QDate(2024, 3, 5), QTime(10, 0, 0)};
    MemoryPort port;
    LinkTiming timing;
    RecordingView view;
    PanelOperations ops{port, timing, view};
    ScriptedPrompter prompter;
    std::unique_ptr<panelsim::Panel> panel;
    std::unique_ptr<SimulatedLine> line;
};
