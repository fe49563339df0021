#pragma once
// The four panel operations (upload, download, event-history download, clock update), the
// link-timing presets and the single-step buttons of the administrator area. Each runs to its
// end inside the click that starts it; while one runs no other can start (the handlers return
// at once). The main window owns one PanelOperations and calls these from its buttons.
#include <functional>

#include <QDateTime>
#include <QString>

#include "panellink/Engine.h"

struct ProjectSnapshot;

// The duration between two "hh:nn:ss" times of one run as "hh:mm:ss"; a run that passes
// midnight counts on into the next day.
QString TransferDuration(const QString& start, const QString& end);

// ClockFields 1..7 from one reading of the PC's clock: seconds, minutes, hours, weekday
// (1 = Sunday), day, month, year within the century, two digits each.
void FillClockFields(const QDateTime& t);

class PanelOperations {
public:
    PanelOperations(SComm& port, LinkTiming& timing, PanelView& view);

    void Upload2Sys_Click();
    void Download2PC_Click();
    void HISTORY_A_Click();
    void ClckSnd_Click();

    // The presets 9.6K, 38.4K and 57.6K: they write the timing only while Fast is selected.
    void DefaultValues4Delays_Click();
    void Command9_Click();
    void Command10_Click();

    // Single steps: without a port a step is refused with the cable message and changes nothing
    // (only GET_DATA_SYS shows the panel's identity as unknown). A GET step's preparation empties
    // its table; a step that does not finish leaves the project as it was before the click. A step
    // changes its own block only: a GET step decodes as it does in a download, a SET step sends
    // the project as it stands. Nothing is made whole here (the blocks read so far may disagree
    // until the others are read); Update and the upload check see to that.
    void GET_DATA_SYS_Click();
    void GET_SUB_DATA_Click();
    void GET_DEVICE_DATA_Click();
    void GET_DEVICE_NAME_Click();
    void GET_OUT_GRP_Click();
    void GET_HISTORY_A_Click();
    void SET_TIME_Click();
    void SET_BAUD_RATE_Click();
    void SET_DATA_SYS_Click();
    void SET_SUB_DATA_Click();
    void SET_DEVICE_DATA_Click();
    void SET_DEVICE_NAME_Click();
    void SET_OUT_GRP_Click();

    // True while an operation or a single step runs.
    bool Running() const { return running_; }
    Engine& engine() { return engine_; }

    // The PC's date and time (tests set their own).
    std::function<QDateTime()> wallClock = [] { return QDateTime::currentDateTime(); };

private:
    // Marks an operation as running for its lifetime; false when another one runs already.
    class Run {
    public:
        explicit Run(PanelOperations& ops) : ops_(ops), ok_(!ops.running_) { ops_.running_ = true; }
        ~Run()
        {
            if (ok_) ops_.running_ = false;
        }
        Run(const Run&) = delete;
        Run& operator=(const Run&) = delete;
        explicit operator bool() const { return ok_; }

    private:
        PanelOperations& ops_;
        bool ok_;
    };

    // Upload.cpp, Download.cpp, History.cpp, PanelClock.cpp
    bool UploadSteps();
    bool DownloadSteps();
    // One warning naming the places a download brought into range or made whole, if any.
    void SayReplaced();
    bool HistorySteps();
    bool ClockSteps();

    // Operations.cpp
    bool Preflight();
    void StartTimes();
    // The operation's steps with the window held; a fault inside them is shown, with the note
    // after it, and ends them as a failure.
    void HoldWindow();
    bool RunSteps(bool (PanelOperations::*steps)(), const QString& faultNote = QString());
    // The speed of the transfer (the chosen one when the panel switches speed), both sides.
    bool SwitchToTransferSpeed(bool speedSwitch);
    // After the last block: the panel back to 9600 (or the PC side only), the transfer time shown.
    bool BackTo9600AndShowTime(bool speedSwitch);
    void ShowTransferTime();
    void PressPreset(int baud);
    void PressPresetInUse(int baud);
    void SwitchPcSide(int baudCode);
    bool SwitchPanelSpeed();
    bool ReturnPanelTo9600();
    void Finish(uint32_t indicator);
    // What a single step does to the project: nothing (it sends, or reads the history), reads a
    // block of the project, or reads one of the two tables that must agree (devices, groups).
    enum class StepReads { Nothing, Block, Table };
    void SingleStep(void (Engine::*step)(), StepReads reads = StepReads::Nothing, void (*prepare)() = nullptr);
    // After a step that read a block: one warning naming the places its decoder brought into range
    // and, after a table, the places that disagree, if any.
    void SayStepPlaces(StepReads reads);
    // The project as it was kept aside, and the window showing it again.
    void PutBack(const ProjectSnapshot& before);
    // The device count and the group count as the project holds them.
    void ShowCounts();
    QString TimeNow() const;
    void ShowModel(int maxDevices);

    SComm& port_;
    LinkTiming& timing_;
    PanelView& view_;
    Engine engine_;
    bool running_ = false;
    // The speed code sent to the panel by this operation when it was a fast one (0: none), and
    // whether the panel has been told to return to 9600 since.
    int fastCodeSent_ = 0;
    bool returned_ = false;
};
