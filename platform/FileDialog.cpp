#include "platform/FileDialog.h"

#include <deque>
#include <utility>

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QProxyStyle>
#include <QStringList>

namespace FileDialog {
namespace {

struct TestState {
    bool testMode = false;
    std::deque<Result> answers;
    Options last;
    int unexpected = 0;
    std::function<void(const Options&)> onUnexpected;
};

TestState& State()
{
    static TestState s;
    return s;
}

// The box's own direction does not reach the style's text drawing, which follows the
// application's; this style draws every text of the widget it is set on left to right.
class LeftToRightText : public QProxyStyle {
public:
    void drawItemText(QPainter* painter, const QRect& rect, int flags, const QPalette& palette, bool enabled,
                      const QString& text, QPalette::ColorRole role) const override
    {
        QProxyStyle::drawItemText(painter, rect, flags | Qt::TextForceLeftToRight, palette, enabled, text, role);
    }
};

Result RunReal(const Options& options, QWidget* parent)
{
    QFileDialog dialog(parent, options.title, options.initialFolder, options.filter);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    // In the interface's direction (QtLanguage), whatever the direction of the window under it.
    dialog.setLayoutDirection(QApplication::layoutDirection());
    // The folder box holds a path, which reads left to right also in a right-to-left dialog
    // ("/home/site/" would show as "home/site/"). The name box finds its direction by itself.
    if (auto* folderBox = dialog.findChild<QComboBox*>(QStringLiteral("lookInCombo"))) {
        folderBox->setLayoutDirection(Qt::LeftToRight);
        auto* style = new LeftToRightText;
        style->setParent(folderBox);
        folderBox->setStyle(style);
    }
    // A typed name that does not exist must reach the program, whose own checks answer it.
    dialog.setFileMode(QFileDialog::AnyFile);
    if (options.save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
    }
    if (!options.proposedName.isEmpty())
        dialog.selectFile(options.proposedName);
    if (dialog.exec() != QDialog::Accepted)
        return Result{true, QString()};
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty() || files.first().isEmpty())
        return Result{true, QString()};
    return Result{false, files.first()};
}

}  // namespace

Result Run(const Options& options, QWidget* parent)
{
    TestState& s = State();
    s.last = options;
    if (!s.answers.empty()) {
        const Result answer = s.answers.front();
        s.answers.pop_front();
        return answer;
    }
    if (s.testMode) {
        ++s.unexpected;
        if (s.onUnexpected)
            s.onUnexpected(options);
        return Result{true, QString()};
    }
    return RunReal(options, parent);
}

void QueueAnswer(const Result& answer) { State().answers.push_back(answer); }
void ClearAnswers() { State().answers.clear(); }
int QueuedAnswers() { return static_cast<int>(State().answers.size()); }
Options LastOptions() { return State().last; }
void SetTestMode(bool on) { State().testMode = on; }
bool TestMode() { return State().testMode; }
int UnexpectedCalls() { return State().unexpected; }
void ResetUnexpectedCalls() { State().unexpected = 0; }
void SetUnexpectedHandler(std::function<void(const Options&)> handler)
{
    State().onUnexpected = std::move(handler);
}
std::function<void(const Options&)> UnexpectedHandler() { return State().onUnexpected; }

}  // namespace FileDialog
