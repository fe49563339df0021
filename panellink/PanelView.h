#pragma once
// What the panel operations need of the main window, and the link's timing. The main window
// implements PanelView; tests implement it with a recording fake.
#include <cstdint>

#include <QString>

// The link's timing boxes of the administrator area, texts in seconds, read each time they are
// used: the reply time-out, the poll pause while waiting for an acknowledgement and the poll pause
// while receiving records. The main window owns one and keeps its boxes and this struct equal.
struct LinkTiming {
    QString TimeDelay = QStringLiteral("2.5");
    QString FullStr2 = QStringLiteral("0.1");
    QString FullStr = QStringLiteral("0.36");

    // The fixed pauses that give the panel time to turn the line around (seconds). They are part
    // of the protocol; only a bench or a test of the simulator sets them to 0.
    double recordTurn = 0.2;      // before and after the ACK of a single-record reply (B2, BC)
    double lastRecordTurn = 0.2;  // before and after handling the last expected record
    double endBefore = 0.4;       // before the ACK of the panel's end frame
    double endAfter = 0.5;        // after it
    double beforeReturn = 0.1;    // before the return to 9600 baud, and before the clock frame
    double afterSpeed = 0.2;      // after the PC side changed speed in a download

    double ReplyTimeout() const;
    double AckPause() const;
    double RecordPause() const;
};

// The three link-timing presets, by the link speed they suit.
struct TimingPreset {
    int baud;
    const char* FullStr2;
    const char* FullStr;
    const char* TimeDelay;
};
// 9600, 38400 and 57600; nullptr for another speed.
const TimingPreset* PresetFor(int baud);

// Colours as the window paints them (&HBBGGRR).
namespace LinkColours {
constexpr uint32_t UploadRunning = 0xC0C0FF;    // light red
constexpr uint32_t DownloadRunning = 0xC0FFC0;  // light green
constexpr uint32_t Idle = 0xE0E0E0;             // light grey
}  // namespace LinkColours

class PanelView {
public:
    virtual ~PanelView() = default;

    // The progress bar StatBar, 0..100.
    virtual void SetStatBar(int value) = 0;
    // The status label ActivMsgLbl.
    virtual void SetActivMsgLbl(const QString& text) = 0;
    // The transfer indicator's colour (LinkColours).
    virtual void SetTransferIndicator(uint32_t colour) = 0;
    // The whole main window enabled or disabled while an operation runs.
    virtual void SetWindowEnabled(bool enabled) = 0;
    // The model button Command13 ("126") and the window caption ("Tessel126").
    virtual void SetModelCaptions(const QString& command13, const QString& windowCaption) = 0;
    // The device count Label4 and the group count Label16.
    virtual void SetLabel4(const QString& text) = 0;
    virtual void SetLabel16(const QString& text) = 0;
    // The transfer duration box Text2.
    virtual void SetText2(const QString& text) = 0;
    // The Fast option ManualDelays(0) is selected.
    virtual bool FastSelected() const = 0;
    // The preset buttons: the one for `baud` green, the other two button face.
    virtual void ShowPresetInUse(int baud) = 0;
    // The timing boxes are to show `timing` again (a preset wrote them).
    virtual void ShowTiming(const LinkTiming& timing) = 0;
    // Saves the project without its success message: QuietSave, then UpDateCmd pressed.
    virtual void SaveProjectQuietly() = 0;
    // LinkView (identity boxes, List1, Command7, Timer1) changed.
    virtual void ShowLinkView() = 0;
    // Timer2 on: the events-log button blinks.
    virtual void StartHistoryBlink() = 0;
};
