#pragma once
// Test doubles for the window run time: message boxes answered from a script, modal windows
// driven by the test, file dialogs answered from a queue. Each installs itself for its lifetime
// and fails the running test on anything it was not told to expect.
#include <deque>
#include <functional>
#include <optional>
#include <vector>

#include <gtest/gtest.h>

#include <QString>

#include "platform/FileDialog.h"
#include "platform/Ui.h"

class QWidget;

// Makes every message box, modal window, file dialog and print dialog that no double expects fail the
// running test at once instead of waiting for a click that never comes. test_main calls it; the
// doubles put these guards back when they end.
void InstallHeadlessGuards();

// Lets a test show real windows (a real QMessageBox, a real modal show) for its lifetime.
class RealWindows {
public:
    RealWindows();
    ~RealWindows();
    RealWindows(const RealWindows&) = delete;
    RealWindows& operator=(const RealWindows&) = delete;

private:
    Ui::Prompter prompter_;
    Ui::ModalHook modalHook_;
};

// Answers message boxes in the order they are expected; records every box shown.
class ScriptedPrompter {
public:
    ScriptedPrompter();
    ~ScriptedPrompter();
    ScriptedPrompter(const ScriptedPrompter&) = delete;
    ScriptedPrompter& operator=(const ScriptedPrompter&) = delete;

    // The next box is answered with `answer`.
    void Expect(int answer);
    // The next box must contain `textPart` in its prompt; it is answered with `answer`.
    void Expect(const QString& textPart, int answer);

    // Every box shown so far; its title is the one the program passed (empty: no title of its own).
    const std::vector<Ui::MsgBoxCall>& Calls() const { return calls_; }
    // The last box shown; a named test failure (and an empty box), not a crash, when none was.
    const Ui::MsgBoxCall& LastCall() const
    {
        static const Ui::MsgBoxCall none{};
        if (calls_.empty()) {
            ADD_FAILURE() << "no message box was shown";
            return none;
        }
        return calls_.back();
    }
    int Pending() const { return static_cast<int>(script_.size()); }

private:
    struct Step {
        std::optional<QString> textPart;
        int answer;
    };
    int Answer(const Ui::MsgBoxCall& call);

    std::deque<Step> script_;
    std::vector<Ui::MsgBoxCall> calls_;
    Ui::Prompter previous_;
};

// Drives modal windows: each ShowModal runs the next queued function on the window instead of
// showing it; ShowModal returns when the function returns.
class ModalDriver {
public:
    using Drive = std::function<void(QWidget&)>;
    ModalDriver();
    ~ModalDriver();
    ModalDriver(const ModalDriver&) = delete;
    ModalDriver& operator=(const ModalDriver&) = delete;

    // The next modal window, of any kind.
    void Expect(Drive drive);
    // The next modal window must have this class name (e.g. "frm4Main") or object name.
    void Expect(const QString& windowName, Drive drive);

    // Class names of the modal windows shown so far.
    const std::vector<QString>& Shown() const { return shown_; }
    int Pending() const { return static_cast<int>(script_.size()); }

private:
    struct Step {
        std::optional<QString> windowName;
        Drive drive;
    };
    void Run(QWidget& w);

    std::deque<Step> script_;
    std::vector<QString> shown_;
    Ui::ModalHook previous_;
};

// File dialogs answered from a queue; a dialog with no queued answer fails the test and is
// cancelled.
class ScriptedFileDialog {
public:
    ScriptedFileDialog();
    ~ScriptedFileDialog();
    ScriptedFileDialog(const ScriptedFileDialog&) = delete;
    ScriptedFileDialog& operator=(const ScriptedFileDialog&) = delete;

    void ExpectChoice(const QString& path);
    void ExpectCancel();
    FileDialog::Options Last() const { return FileDialog::LastOptions(); }

private:
    bool previousTestMode_;
    std::function<void(const FileDialog::Options&)> previousHandler_;
};
