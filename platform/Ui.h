#pragma once
// Message boxes, modal windows, event yield and the busy cursor: the window run time the
// program's windows rely on. Tests replace the prompter and the modal hook.
#include <functional>
#include <vector>

#include <QString>

class QWidget;
class QDialog;

namespace Ui {

// Button sets, icons and options, with the original's values so they combine with "|".
enum MsgBoxStyle : int {
    vbOKOnly = 0,
    vbOKCancel = 1,
    vbAbortRetryIgnore = 2,
    vbYesNoCancel = 3,
    vbYesNo = 4,
    vbRetryCancel = 5,
    vbCritical = 16,
    vbQuestion = 32,
    vbExclamation = 48,
    vbInformation = 64,
    vbDefaultButton1 = 0,
    vbDefaultButton2 = 256,
    vbDefaultButton3 = 512,
    vbMsgBoxRight = 524288,       // text right-aligned
    vbMsgBoxRtlReading = 1048576, // right-to-left reading (Hebrew)
    vbHebrew = vbMsgBoxRight | vbMsgBoxRtlReading,
};

// Answers.
enum MsgBoxResult : int { vbOK = 1, vbCancel = 2, vbAbort = 3, vbRetry = 4, vbIgnore = 5, vbYes = 6, vbNo = 7 };

// One message box as shown (or as a test's prompter sees it).
struct MsgBoxCall {
    QString prompt;
    int style = vbOKOnly;
    QString title;
    int buttons() const { return style & 7; }
    bool rightToLeft() const { return (style & vbMsgBoxRtlReading) != 0; }
};

// The buttons of a style's button set, in their order on the box (vbOK, vbCancel, ...).
std::vector<int> ButtonAnswers(int style);
// The answer a box gives when it is dismissed without a choice: Cancel where the set has one,
// else the most cautious button (OK, No, Abort).
int CancelAnswer(int style);

// Shows a message box and returns the answer. Hebrew boxes (vbHebrew) are right-aligned and
// read right to left; the button texts follow the box's language.
int MsgBox(const QString& prompt, int style = vbOKOnly, const QString& title = QString());

// Keeps a run of text (a number, a path, a port name, a command) left to right inside a Hebrew
// message: the run is isolated from the Hebrew around it.
QString LeftToRight(const QString& run);

// Tests: every MsgBox goes to this function instead of a real box; nullptr restores real boxes.
using Prompter = std::function<int(const MsgBoxCall&)>;
void SetPrompter(Prompter p);
// The prompter in use (empty when real boxes are shown), so a test double can restore it.
Prompter CurrentPrompter();

// Shows a window modally (exec for a dialog, a local event loop for another widget) and returns
// when it closes. Tests: the hook receives the window and drives it instead.
void ShowModal(QWidget& w);
using ModalHook = std::function<void(QWidget&)>;
void SetModalHook(ModalHook h);
ModalHook CurrentModalHook();

// Processes pending window events (the original's DoEvents).
void DoEvents();

// Hourglass cursor for the lifetime of the object.
class BusyCursor {
public:
    BusyCursor();
    ~BusyCursor();
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

}  // namespace Ui
