#include "ScriptedPrompter.h"

#include "ScriptedPrinter.h"

#include <algorithm>
#include <utility>

#include <QWidget>
#include <gtest/gtest.h>

namespace {

QString StyleText(int style)
{
    return QStringLiteral("buttons %1, style %2").arg(style & 7).arg(style);
}

bool HasButton(int style, int answer)
{
    const std::vector<int> answers = Ui::ButtonAnswers(style);
    return std::find(answers.begin(), answers.end(), answer) != answers.end();
}

void FailOnFileDialog(const FileDialog::Options& o)
{
    ADD_FAILURE() << "Unexpected file dialog \"" << o.title.toStdString() << "\"";
}

}  // namespace

void InstallHeadlessGuards()
{
    Ui::SetPrompter([](const Ui::MsgBoxCall& call) {
        ADD_FAILURE() << "Message box without a ScriptedPrompter: \"" << call.prompt.toStdString()
                      << "\" titled \"" << call.title.toStdString() << "\"";
        return Ui::CancelAnswer(call.style);
    });
    Ui::SetModalHook([](QWidget& w) {
        ADD_FAILURE() << "Modal window without a ModalDriver: " << w.metaObject()->className()
                      << " \"" << w.windowTitle().toStdString() << "\"";
        w.hide();
    });
    FileDialog::SetTestMode(true);
    FileDialog::SetUnexpectedHandler(FailOnFileDialog);
    FailOnPrintDialog();
}

RealWindows::RealWindows() : prompter_(Ui::CurrentPrompter()), modalHook_(Ui::CurrentModalHook())
{
    Ui::SetPrompter(nullptr);
    Ui::SetModalHook(nullptr);
}

RealWindows::~RealWindows()
{
    Ui::SetPrompter(prompter_);
    Ui::SetModalHook(modalHook_);
}

ScriptedPrompter::ScriptedPrompter() : previous_(Ui::CurrentPrompter())
{
    Ui::SetPrompter([this](const Ui::MsgBoxCall& call) { return Answer(call); });
}

ScriptedPrompter::~ScriptedPrompter()
{
    Ui::SetPrompter(previous_);
    for (const Step& step : script_)
        ADD_FAILURE() << "Expected message box never shown"
                      << (step.textPart ? ": \"" + step.textPart->toStdString() + "\"" : std::string());
}

void ScriptedPrompter::Expect(int answer)
{
    script_.push_back(Step{std::nullopt, answer});
}

void ScriptedPrompter::Expect(const QString& textPart, int answer)
{
    script_.push_back(Step{textPart, answer});
}

int ScriptedPrompter::Answer(const Ui::MsgBoxCall& call)
{
    calls_.push_back(call);
    const int fallback = Ui::CancelAnswer(call.style);
    if (script_.empty()) {
        ADD_FAILURE() << "Unexpected message box: \"" << call.prompt.toStdString() << "\" titled \""
                      << call.title.toStdString() << "\"";
        return fallback;
    }
    const Step step = script_.front();
    script_.pop_front();
    if (step.textPart && !call.prompt.contains(*step.textPart)) {
        ADD_FAILURE() << "Message box \"" << call.prompt.toStdString() << "\" does not contain \""
                      << step.textPart->toStdString() << "\"";
        return fallback;
    }
    if (!HasButton(call.style, step.answer)) {
        ADD_FAILURE() << "Answer " << step.answer << " is not a button of the box \""
                      << call.prompt.toStdString() << "\" (" << StyleText(call.style).toStdString()
                      << ")";
        return fallback;
    }
    return step.answer;
}

ModalDriver::ModalDriver() : previous_(Ui::CurrentModalHook())
{
    Ui::SetModalHook([this](QWidget& w) { Run(w); });
}

ModalDriver::~ModalDriver()
{
    Ui::SetModalHook(previous_);
    for (const Step& step : script_)
        ADD_FAILURE() << "Expected modal window never shown"
                      << (step.windowName ? ": " + step.windowName->toStdString() : std::string());
}

void ModalDriver::Expect(Drive drive)
{
    script_.push_back(Step{std::nullopt, std::move(drive)});
}

void ModalDriver::Expect(const QString& windowName, Drive drive)
{
    script_.push_back(Step{windowName, std::move(drive)});
}

void ModalDriver::Run(QWidget& w)
{
    const QString className = QString::fromLatin1(w.metaObject()->className());
    shown_.push_back(className);
    if (script_.empty()) {
        ADD_FAILURE() << "Unexpected modal window " << className.toStdString() << " \""
                      << w.windowTitle().toStdString() << "\"";
        w.hide();
        return;
    }
    // Taken off the queue before it runs: the window may open modal windows of its own.
    Step step = std::move(script_.front());
    script_.pop_front();
    if (step.windowName && *step.windowName != className && *step.windowName != w.objectName()) {
        ADD_FAILURE() << "Modal window " << className.toStdString() << " shown where "
                      << step.windowName->toStdString() << " was expected";
        w.hide();
        return;
    }
    step.drive(w);
}

ScriptedFileDialog::ScriptedFileDialog()
    : previousTestMode_(FileDialog::TestMode()), previousHandler_(FileDialog::UnexpectedHandler())
{
    FileDialog::ClearAnswers();
    FileDialog::ResetUnexpectedCalls();
    FileDialog::SetTestMode(true);
    FileDialog::SetUnexpectedHandler(FailOnFileDialog);
}

ScriptedFileDialog::~ScriptedFileDialog()
{
    if (const int left = FileDialog::QueuedAnswers(); left > 0)
        ADD_FAILURE() << left << " file dialog answer(s) never used";
    FileDialog::SetUnexpectedHandler(previousHandler_);
    FileDialog::SetTestMode(previousTestMode_);
    FileDialog::ClearAnswers();
}

void ScriptedFileDialog::ExpectChoice(const QString& path)
{
    FileDialog::QueueAnswer(FileDialog::Result{false, path});
}

void ScriptedFileDialog::ExpectCancel()
{
    FileDialog::QueueAnswer(FileDialog::Result{true, QString()});
}
