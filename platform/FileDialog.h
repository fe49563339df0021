#pragma once
// The open and save file dialogs. The program asks its own questions (overwrite, valid name),
// so the dialog only picks a path. Tests queue the answers instead of showing a dialog.
#include <functional>

#include <QString>

class QWidget;

namespace FileDialog {

struct Options {
    QString title;
    QString filter;         // e.g. "Verdal File (*.HV6)"
    QString initialFolder;
    QString proposedName;   // file name shown in the name box
    bool save = false;      // save form; else open form
};

struct Result {
    bool cancelled = true;
    QString path;           // full path of the chosen file
};

// Shows the dialog (or, in a test, takes the next queued answer) and returns the choice.
Result Run(const Options& options, QWidget* parent = nullptr);

// Tests.
void QueueAnswer(const Result& answer);
void ClearAnswers();
int QueuedAnswers();
// The options of the last call of Run.
Options LastOptions();
// In test mode a call with no queued answer returns cancelled at once and counts here.
void SetTestMode(bool on);
bool TestMode();
int UnexpectedCalls();
void ResetUnexpectedCalls();
// Called on each such call (the test support turns it into a test failure).
void SetUnexpectedHandler(std::function<void(const Options&)> handler);
std::function<void(const Options&)> UnexpectedHandler();

}  // namespace FileDialog
