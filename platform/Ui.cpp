#include "platform/Ui.h"

#include <array>
#include <cstdio>
#include <utility>

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QEventLoop>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QWidget>

namespace Ui {
namespace {

Prompter g_prompter;
ModalHook g_modalHook;

struct ButtonText {
    int answer;
    const char16_t* english;
    const char16_t* hebrew;
};

constexpr std::array<ButtonText, 7> kButtonTexts = {{
    {vbOK, u"OK", u"אישור"},
    {vbCancel, u"Cancel", u"ביטול"},
    {vbAbort, u"Abort", u"הפסק"},
    {vbRetry, u"Retry", u"נסה שוב"},
    {vbIgnore, u"Ignore", u"התעלם"},
    {vbYes, u"Yes", u"כן"},
    {vbNo, u"No", u"לא"},
}};

QString TextOf(int answer, bool hebrew)
{
    for (const auto& t : kButtonTexts)
        if (t.answer == answer)
            return QString::fromUtf16(hebrew ? t.hebrew : t.english);
    return QString();
}

QMessageBox::Icon IconOf(int style)
{
    switch (style & 0x70) {
    case vbCritical: return QMessageBox::Critical;
    case vbQuestion: return QMessageBox::Question;
    case vbExclamation: return QMessageBox::Warning;
    case vbInformation: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

bool HaveWidgets()
{
    return qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr;
}

int ShowRealBox(const MsgBoxCall& call)
{
    const bool hebrew = (call.style & vbMsgBoxRtlReading) != 0;
    const QString title = call.title.isEmpty() ? QCoreApplication::applicationName() : call.title;
    QWidget* owner = QApplication::activeModalWidget();
    if (!owner)
        owner = QApplication::activeWindow();

    // The program's messages break lines with a carriage return alone, which Qt does not break at.
    QString text = call.prompt;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QMessageBox box(IconOf(call.style), title, text, QMessageBox::NoButton, owner);
    box.setTextFormat(Qt::PlainText);
    // The box's own language decides its direction, not the window under it.
    box.setLayoutDirection(hebrew ? Qt::RightToLeft : Qt::LeftToRight);
    if (auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) {
        const Qt::Alignment side = (call.style & vbMsgBoxRight) ? (Qt::AlignRight | Qt::AlignAbsolute)
                                                                : Qt::Alignment(Qt::AlignLeft);
        label->setAlignment(side | Qt::AlignVCenter);
    }

    // Every button gets the same role, so the box keeps the set's own order and closing it
    // with Escape or the title bar does nothing unless we name an escape button below.
    const std::vector<int> answers = ButtonAnswers(call.style);
    std::vector<std::pair<QPushButton*, int>> buttons;
    for (int answer : answers)
        buttons.emplace_back(box.addButton(TextOf(answer, hebrew), QMessageBox::ActionRole), answer);
    for (const auto& [button, answer] : buttons)
        if (answer == vbCancel)
            box.setEscapeButton(button);
    const size_t defaultIndex = static_cast<size_t>((call.style >> 8) & 3);
    box.setDefaultButton(buttons[defaultIndex < buttons.size() ? defaultIndex : 0].first);

    box.exec();
    for (const auto& [button, answer] : buttons)
        if (box.clickedButton() == button)
            return answer;
    return CancelAnswer(call.style);
}

// Ends a modal show's local loop when the window is hidden (closed, unloaded or hidden by
// itself). A close event alone is no end: the window may refuse it and stay open.
class HideWatcher : public QObject {
public:
    explicit HideWatcher(QEventLoop& loop) : loop_(loop) {}
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Hide && !static_cast<QWidget*>(watched)->isVisible())
            loop_.quit();
        return false;
    }

private:
    QEventLoop& loop_;
};

void RunWidgetModally(QWidget& widget)
{
    QPointer<QWidget> w(&widget);
    QEventLoop loop;
    HideWatcher watcher(loop);
    QObject::connect(w, &QObject::destroyed, &loop, &QEventLoop::quit);
    if (w->isVisible())
        w->hide();
    w->setWindowModality(Qt::ApplicationModal);
    w->installEventFilter(&watcher);
    w->show();
    // A window that hides itself while it opens another one and shows itself again before its
    // handler returns is still open: go on waiting.
    while (w && w->isVisible())
        loop.exec();
    if (w)
        w->removeEventFilter(&watcher);
}

}  // namespace

std::vector<int> ButtonAnswers(int style)
{
    switch (style & 7) {
    case vbOKCancel: return {vbOK, vbCancel};
    case vbAbortRetryIgnore: return {vbAbort, vbRetry, vbIgnore};
    case vbYesNoCancel: return {vbYes, vbNo, vbCancel};
    case vbYesNo: return {vbYes, vbNo};
    case vbRetryCancel: return {vbRetry, vbCancel};
    default: return {vbOK};
    }
}

int CancelAnswer(int style)
{
    const std::vector<int> answers = ButtonAnswers(style);
    for (int preferred : {vbCancel, vbOK, vbNo, vbAbort})
        for (int a : answers)
            if (a == preferred)
                return a;
    return answers.front();
}

int MsgBox(const QString& prompt, int style, const QString& title)
{
    const MsgBoxCall call{prompt, style, title};
    if (g_prompter) {
        const Prompter prompter = g_prompter;  // the prompter may replace itself while it answers
        return prompter(call);
    }
    if (!HaveWidgets()) {
        std::fprintf(stderr, "%s\n", qPrintable(prompt));
        return CancelAnswer(style);
    }
    return ShowRealBox(call);
}

QString LeftToRight(const QString& run)
{
    // LEFT-TO-RIGHT ISOLATE ... POP DIRECTIONAL ISOLATE
    return QChar(0x2066) + run + QChar(0x2069);
}

void SetPrompter(Prompter p)
{
    g_prompter = std::move(p);
}

Prompter CurrentPrompter()
{
    return g_prompter;
}

void ShowModal(QWidget& w)
{
    if (g_modalHook) {
        const ModalHook hook = g_modalHook;
        hook(w);
        return;
    }
    if (auto* dialog = qobject_cast<QDialog*>(&w)) {
        QPointer<QDialog> d(dialog);
        d->exec();
        // exec also ends when the dialog hides itself for a while; it is open while visible.
        while (d && d->isVisible())
            d->exec();
        return;
    }
    RunWidgetModally(w);
}

void SetModalHook(ModalHook h)
{
    g_modalHook = std::move(h);
}

ModalHook CurrentModalHook()
{
    return g_modalHook;
}

void DoEvents()
{
    if (QCoreApplication::instance())
        QCoreApplication::processEvents();
}

BusyCursor::BusyCursor()
{
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}

BusyCursor::~BusyCursor()
{
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        QGuiApplication::restoreOverrideCursor();
}

}  // namespace Ui
