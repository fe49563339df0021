#include <gtest/gtest.h>
#include <gtest/gtest-spi.h>

#include <algorithm>
#include <functional>
#include <memory>

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QDialog>
#include <QDialogButtonBox>
#include <QEventLoop>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include "common/ScriptedPrompter.h"
#include "platform/Ui.h"

using namespace Ui;

namespace {

// Runs `inspect` on the message box once it is up (from inside its event loop).
void WhenBoxShows(std::function<void(QMessageBox&)> inspect)
{
    auto* poll = new QTimer;
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, [poll, inspect] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) {
                poll->stop();
                poll->deleteLater();
                inspect(*box);
                return;
            }
        }
    });
    poll->start();
}

// The box's buttons from left to right as laid out.
QStringList ButtonTexts(QMessageBox& box)
{
    QList<QAbstractButton*> buttons = box.buttons();
    std::sort(buttons.begin(), buttons.end(),
              [](QAbstractButton* a, QAbstractButton* b) { return a->x() < b->x(); });
    QStringList texts;
    for (QAbstractButton* b : buttons)
        texts << b->text();
    return texts;
}

QAbstractButton* ButtonWithText(QMessageBox& box, const QString& text)
{
    for (QAbstractButton* b : box.buttons())
        if (b->text() == text)
            return b;
    return nullptr;
}

// Real boxes and real modal shows, whatever guards the test run installed.
class UiReal : public ::testing::Test {
    RealWindows real_;
};
class MsgBoxReal : public UiReal {};
class ShowModalReal : public UiReal {};

}  // namespace

TEST(ButtonSets, AnswersAndDismissAnswerOfEverySet)
{
    const struct {
        int style;
        std::vector<int> answers;
        int dismiss;
    } cases[] = {
        {vbOKOnly, {vbOK}, vbOK},
        {vbOKCancel, {vbOK, vbCancel}, vbCancel},
        {vbAbortRetryIgnore, {vbAbort, vbRetry, vbIgnore}, vbAbort},
        {vbYesNoCancel | vbQuestion, {vbYes, vbNo, vbCancel}, vbCancel},
        {vbYesNo | vbHebrew | vbDefaultButton2, {vbYes, vbNo}, vbNo},
        {vbRetryCancel, {vbRetry, vbCancel}, vbCancel},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ButtonAnswers(c.style), c.answers) << c.style;
        EXPECT_EQ(CancelAnswer(c.style), c.dismiss) << c.style;
    }
}

TEST_F(MsgBoxReal, PrompterAnswersInsteadOfABox)
{
    MsgBoxCall seen;
    SetPrompter([&](const MsgBoxCall& c) {
        seen = c;
        return vbNo;
    });
    EXPECT_EQ(MsgBox("Save data ?", vbYesNoCancel | vbHebrew, "Warning"), vbNo);
    SetPrompter(nullptr);
    EXPECT_EQ(seen.prompt, "Save data ?");
    EXPECT_EQ(seen.buttons(), vbYesNoCancel);
    EXPECT_TRUE(seen.rightToLeft());
    EXPECT_EQ(seen.title, "Warning");
}

TEST_F(MsgBoxReal, HebrewBoxReadsRightToLeftWithHebrewButtons)
{
    bool inspected = false;
    WhenBoxShows([&](QMessageBox& box) {
        inspected = true;
        EXPECT_EQ(box.layoutDirection(), Qt::RightToLeft);
        EXPECT_EQ(box.windowTitle(), QStringLiteral("אזהרה"));
        auto* label = box.findChild<QLabel*>("qt_msgbox_label");
        ASSERT_NE(label, nullptr);
        EXPECT_TRUE(label->alignment() & Qt::AlignRight);
        // Laid out right to left: the first button of the set is the rightmost.
        EXPECT_EQ(ButtonTexts(box), (QStringList{"ביטול", "לא", "כן"}));
        EXPECT_EQ(box.defaultButton(), ButtonWithText(box, "לא"));
        ButtonWithText(box, "לא")->click();
    });
    EXPECT_EQ(MsgBox("לשמור ?", vbYesNoCancel | vbHebrew | vbDefaultButton2, "אזהרה"), vbNo);
    EXPECT_TRUE(inspected);
}

TEST_F(MsgBoxReal, EnglishBoxEscapeGivesCancel)
{
    WhenBoxShows([](QMessageBox& box) {
        EXPECT_EQ(box.layoutDirection(), Qt::LeftToRight);
        EXPECT_EQ(ButtonTexts(box), (QStringList{"OK", "Cancel"}));
        EXPECT_EQ(box.windowTitle(), QCoreApplication::applicationName());
        EXPECT_EQ(box.icon(), QMessageBox::Critical);
        QTest::keyClick(&box, Qt::Key_Escape);
    });
    EXPECT_EQ(MsgBox("Com error", vbOKCancel | vbCritical), vbCancel);
}

TEST_F(MsgBoxReal, YesNoBoxCannotBeDismissedWithoutAnAnswer)
{
    WhenBoxShows([](QMessageBox& box) {
        QTest::keyClick(&box, Qt::Key_Escape);
        box.close();
        EXPECT_TRUE(box.isVisible());
        ButtonWithText(box, "Yes")->click();
    });
    EXPECT_EQ(MsgBox("Is the system in computer connection mode?", vbYesNo), vbYes);
}

TEST_F(MsgBoxReal, OkOnlyBoxClosedGivesOk)
{
    WhenBoxShows([](QMessageBox& box) { box.close(); });
    EXPECT_EQ(MsgBox("Data transfer completed successfully"), vbOK);
}

TEST_F(MsgBoxReal, PromptIsPlainText)
{
    WhenBoxShows([](QMessageBox& box) {
        EXPECT_EQ(box.textFormat(), Qt::PlainText);
        EXPECT_EQ(box.text(), "<b>x</b>");
        box.close();
    });
    MsgBox("<b>x</b>");
}

namespace {

class RefusingWidget : public QWidget {
public:
    int refusals = 0;

protected:
    void closeEvent(QCloseEvent* e) override
    {
        if (refusals++ == 0)
            e->ignore();
    }
};

}  // namespace

TEST_F(ShowModalReal, WidgetStaysModalUntilItIsReallyClosed)
{
    RefusingWidget w;
    bool stayedOpen = false;
    QTimer::singleShot(0, [&] {
        EXPECT_TRUE(w.isModal());
        w.close();  // refused, as a "Save data ?" answered Cancel does
        QTimer::singleShot(0, [&] {
            stayedOpen = w.isVisible();
            w.close();
        });
    });
    ShowModal(w);
    EXPECT_TRUE(stayedOpen);
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(w.refusals, 2);
}

TEST_F(ShowModalReal, WindowThatHidesWhileItOpensAnotherStaysOpen)
{
    for (bool dialog : {false, true}) {
        std::unique_ptr<QWidget> w(dialog ? new QDialog : new QWidget);
        bool secondPhase = false;
        QTimer::singleShot(0, [&] {
            w->hide();
            QEventLoop nested;  // another modal window runs here
            QTimer::singleShot(0, &nested, &QEventLoop::quit);
            nested.exec();
            w->show();
            QTimer::singleShot(0, [&] {
                secondPhase = true;
                w->close();
            });
        });
        ShowModal(*w);
        EXPECT_TRUE(secondPhase) << (dialog ? "dialog" : "widget");
    }
}

TEST_F(ShowModalReal, DialogRunsUntilAccepted)
{
    QDialog d;
    QTimer::singleShot(0, &d, &QDialog::accept);
    ShowModal(d);
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_FALSE(d.isVisible());
}

TEST_F(ShowModalReal, WidgetDeletedOnCloseEndsTheShow)
{
    auto* w = new QWidget;
    w->setAttribute(Qt::WA_DeleteOnClose);
    QPointer<QWidget> guard(w);
    QTimer::singleShot(0, w, &QWidget::close);
    ShowModal(*w);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(guard.isNull());
}

TEST_F(ShowModalReal, HookDrivesTheWindowInstead)
{
    QWidget w;
    QWidget* driven = nullptr;
    SetModalHook([&](QWidget& x) { driven = &x; });
    ShowModal(w);
    SetModalHook(nullptr);
    EXPECT_EQ(driven, &w);
    EXPECT_FALSE(w.isVisible());
}

TEST_F(UiReal, DoEventsRunsPendingEvents)
{
    bool ran = false;
    QTimer::singleShot(0, [&] { ran = true; });
    DoEvents();
    EXPECT_TRUE(ran);
}

TEST_F(UiReal, BusyCursorHourglassForTheObjectsLifetime)
{
    ASSERT_EQ(QGuiApplication::overrideCursor(), nullptr);
    {
        BusyCursor busy;
        ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    }
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(UiReal, HeadlessGuardsFailOnAnyUnscriptedWindowUntilADoubleTakesOver)
{
    const bool fileDialogTestMode = FileDialog::TestMode();
    const auto fileDialogHandler = FileDialog::UnexpectedHandler();
    InstallHeadlessGuards();
    EXPECT_NONFATAL_FAILURE(MsgBox("Com error"), "without a ScriptedPrompter");
    {
        ScriptedPrompter prompter;
        prompter.Expect(vbOK);
        EXPECT_EQ(MsgBox("Com error"), vbOK);
    }
    EXPECT_NONFATAL_FAILURE(EXPECT_EQ(MsgBox("Save ?", vbYesNo), vbNo), "without a ScriptedPrompter");
    QDialog d;
    EXPECT_NONFATAL_FAILURE(ShowModal(d), "without a ModalDriver");
    FileDialog::Options open;
    open.title = "Verdal - Open Projects File";
    FileDialog::Result r;
    EXPECT_NONFATAL_FAILURE(r = FileDialog::Run(open), "Unexpected file dialog");
    EXPECT_TRUE(r.cancelled);
    FileDialog::SetTestMode(fileDialogTestMode);
    FileDialog::SetUnexpectedHandler(fileDialogHandler);
}
