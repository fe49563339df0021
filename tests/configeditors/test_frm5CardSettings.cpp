// The main card settings window through its controls: what it opens on, clicks and their
// couplings, colours, both layouts, captions in both languages, and the closing question.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "CaptionsFit.h"
#include "OptionCircle.h"
#include "ProjectFixture.h"
#include "configeditors/CardSettingsTexts.h"
#include "configeditors/frm5CardSettings.h"
#include "core/DataModel.h"
#include "mainwindow/LayoutChecks.h"
#include "platform/ClickLabel.h"
#include "platform/VbColor.h"
#include "tests/common/ScriptedPrompter.h"

using namespace CardSettings;

namespace {

class CardSettingsWindowTest : public ProjectFixture {
protected:
    // The index of the checked option of a pair on screen, -1 for none.
    static int Shown(const frm5CardSettings& w, Pair p)
    {
        if (w.Option(p, 0)->isChecked()) return 0;
        if (w.Option(p, 1)->isChecked()) return 1;
        return -1;
    }
    static QString Text(const frm5CardSettings& w, const char* name)
    {
        QWidget* c = w.findChild<QWidget*>(QString::fromLatin1(name));
        if (auto* l = qobject_cast<QLabel*>(c)) return l->text();
        if (auto* b = qobject_cast<QAbstractButton*>(c)) return b->text();
        if (auto* f = qobject_cast<QGroupBox*>(c)) return f->title();
        ADD_FAILURE() << "no control " << name;
        return {};
    }
    // Closes through OK and answers the question.
    void CloseWith(frm5CardSettings& w, int answer)
    {
        prompter.Expect("Save data ?", answer);
        w.Command2->click();
    }

    ScriptedPrompter prompter;
};

TEST_F(CardSettingsWindowTest, OpensOnTheStoredOptionsPainted)
{
    RemoteUnits.PS[2] = "1";
    SysFlags.LoopSysStat = "004";
    SysFlags2.RlyA2NotSys = "1";
    frm5CardSettings w;
    for (const PairInfo& info : Pairs()) {
        SCOPED_TRACE(info.name);
        const int k = IndexOfStored(info.read(), info.offset);
        ASSERT_EQ(Shown(w, info.pair), k);
        const uint32_t section = Of(info.section).colour;
        EXPECT_EQ(VbColor::BackColor(w.Option(info.pair, k)), 0xFFFFFFu);
        EXPECT_EQ(VbColor::ForeColor(w.Option(info.pair, k)), 0x000000u);
        EXPECT_EQ(VbColor::BackColor(w.Option(info.pair, 1 - k)), section);
        EXPECT_EQ(VbColor::ForeColor(w.Option(info.pair, 1 - k)), info.pair == SysFlagsLoopSysStat ? 0xFFFFFFu : 0u);
        EXPECT_TRUE(w.Option(info.pair, 0)->isEnabled());
    }
    EXPECT_EQ(Shown(w, PS2OnOff), 1);
    EXPECT_EQ(Shown(w, SysFlagsLoopSysStat), 1);
}

TEST_F(CardSettingsWindowTest, ClickingRepaintsThePairAndCouplesTheDialerPairs)
{
    frm5CardSettings w;
    w.Option(Panel1OnOff, 1)->click();
    EXPECT_EQ(VbColor::BackColor(w.Option(Panel1OnOff, 1)), 0xFFFFFFu);
    EXPECT_EQ(VbColor::BackColor(w.Option(Panel1OnOff, 0)), 0x8080FFu);
    EXPECT_EQ(RemoteUnits.Panel[1], "0") << "nothing is written before Yes";

    w.Option(SysFlags2DialerANotSys, 1)->click();
    EXPECT_EQ(Shown(w, SysFlags2DialerFAsAlarm), 1);
    EXPECT_EQ(VbColor::BackColor(w.Option(SysFlags2DialerFAsAlarm, 1)), 0xFFFFFFu);
    w.Option(SysFlags2DialerFAsAlarm, 0)->click();
    EXPECT_EQ(Shown(w, SysFlags2DialerANotSys), 0);
    EXPECT_EQ(Shown(w, SysFlags2DialerFAsAlarm), 0);
}

TEST_F(CardSettingsWindowTest, TheReversedRelayLocksTheEventsPairOnOneEvent)
{
    frm5CardSettings w;
    w.Option(SysFlags2RlyFltStart, 1)->click();
    w.Option(SysFlagsSlave, 1)->click();
    EXPECT_EQ(Shown(w, SysFlags2RlyFltStart), 0);
    EXPECT_FALSE(w.Option(SysFlags2RlyFltStart, 0)->isEnabled());
    EXPECT_FALSE(w.Option(SysFlags2RlyFltStart, 1)->isEnabled());
    w.Option(SysFlags2RlyFltStart, 1)->click();
    EXPECT_EQ(Shown(w, SysFlags2RlyFltStart), 0);

    w.Option(SysFlagsSlave, 0)->click();
    EXPECT_TRUE(w.Option(SysFlags2RlyFltStart, 1)->isEnabled());
    EXPECT_EQ(Shown(w, SysFlags2RlyFltStart), 0) << "clickable again, unchanged";
    EXPECT_EQ(w.Option(SysFlagsSlave, 1)->toolTip(), CardSettingsTexts::ReverseRelayHint);
}

TEST_F(CardSettingsWindowTest, AStoredCombinationTheWindowCannotMakeOpensCorrected)
{
    SysFlags.Slave = "1";
    SysFlags2.RlyFltStart = "1";
    SysFlags.LF_NO = "9";
    frm5CardSettings w;
    EXPECT_EQ(Shown(w, SysFlags2RlyFltStart), 0);
    EXPECT_FALSE(w.Option(SysFlags2RlyFltStart, 1)->isEnabled());
    EXPECT_EQ(Shown(w, SysFlagsLF_NO), 0);
    CloseWith(w, Ui::vbYes);
    EXPECT_EQ(SysFlags2.RlyFltStart, "0");
    EXPECT_EQ(SysFlags.Slave, "1");
    EXPECT_EQ(SysFlags.LF_NO, "0");
}

TEST_F(CardSettingsWindowTest, YesCommitsWhatTheWindowShows)
{
    NumOfSys = "09";
    SysFlags2.NightEna = "1";
    DataChanged = false;
    frm5CardSettings w;
    EXPECT_EQ(w.NumOfSys->currentText(), "09");
    w.Option(SysFlagsLoopSysStat, 1)->click();
    w.Option(PS1OnOff, 1)->click();
    w.Option(SysFlagsSilenceWithCod, 0)->click();
    CloseWith(w, Ui::vbYes);
    EXPECT_EQ(SysFlags.LoopSysStat, "004");
    EXPECT_EQ(RemoteUnits.PS[1], "1");
    EXPECT_EQ(SysFlags.SilenceWithCod, "0");
    EXPECT_EQ(SysFlags2.NightEna, "0");
    EXPECT_EQ(NumOfSys, "01");
    EXPECT_EQ(w.NumOfSys->currentText(), "01");
    EXPECT_TRUE(DataChanged);
    EXPECT_FALSE(w.isVisible());
}

// OK, Cancel and the close box all ask; No discards, Cancel keeps the window and its choices.
TEST_F(CardSettingsWindowTest, EveryWayOutAsksAndOnlyYesWrites)
{
    const SysFlagsRecord flags = SysFlags;
    DataChanged = true;
    frm5CardSettings w;
    w.show();
    w.Option(SysFlagsSlave, 1)->click();

    prompter.Expect("Save data ?", Ui::vbCancel);
    w.Command1->click();
    EXPECT_TRUE(w.isVisible());
    prompter.Expect("Save data ?", Ui::vbCancel);
    w.close();
    EXPECT_TRUE(w.isVisible());
    prompter.Expect("Save data ?", Ui::vbCancel);
    w.reject();  // Escape
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(Shown(w, SysFlagsSlave), 1) << "Cancel keeps the choices";
    EXPECT_TRUE(DataChanged);

    prompter.Expect("Save data ?", Ui::vbNo);
    w.Command1->click();
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(SysFlags, flags);
    EXPECT_FALSE(DataChanged);
    ASSERT_EQ(prompter.Calls().size(), 4u);
    EXPECT_EQ(prompter.Calls()[0].title, "Exit main card settings");
    EXPECT_EQ(prompter.Calls()[0].style, Ui::vbYesNoCancel);
}

TEST_F(CardSettingsWindowTest, TheHebrewQuestionReadsRightToLeft)
{
    UILanguage = 1;
    frm5CardSettings w;
    prompter.Expect(QStringLiteral("לשמור נתונים ?"), Ui::vbNo);
    w.Command2->click();
    ASSERT_EQ(prompter.Calls().size(), 1u);
    EXPECT_EQ(prompter.Calls()[0].title, QStringLiteral("יציאה מהגדרות כרטיס ראשי"));
    EXPECT_TRUE(prompter.Calls()[0].rightToLeft());
}

TEST_F(CardSettingsWindowTest, CaptionsFollowTheLanguageAndTheDesignCaptionsStay)
{
    for (int16_t lang : {int16_t(1), int16_t(2)}) {
        SCOPED_TRACE(lang);
        UILanguage = lang;
        frm5CardSettings w;
        EXPECT_EQ(w.layoutDirection(), lang == 1 ? Qt::RightToLeft : Qt::LeftToRight);
        for (const CardSettingsTexts::Caption& c : CardSettingsTexts::CaptionTable()) {
            const QString expected = lang == 1 ? c.hebrew : c.english;
            if (c.control == CardSettingsTexts::WindowTitle) {
                EXPECT_EQ(w.windowTitle(), expected);
                continue;
            }
            const QString name = c.option < 0 ? c.control : c.control + QString::number(c.option);
            EXPECT_EQ(Text(w, name.toLatin1().constData()), expected) << name.toStdString();
        }
        for (const CardSettingsTexts::FixedCaption& c : CardSettingsTexts::DesignCaptions()) {
            const QString name = c.option < 0 ? c.control : c.control + QString::number(c.option);
            EXPECT_EQ(Text(w, name.toLatin1().constData()), c.text) << name.toStdString();
        }
        EXPECT_EQ(w.Option(SysFlagsSlave, 1)->toolTip(), CardSettingsTexts::ReverseRelayHint);
        w.show();
        ExpectCaptionsFit(w);
    }
    UILanguage = 2;
    frm5CardSettings en;
    EXPECT_EQ(en.windowTitle(), "Tessel126 - Main card system settings");
    EXPECT_EQ(en.Option(SysFlagsLF_NO, 1)->text(), "NO");
    EXPECT_EQ(en.Command2->text(), "OK");
    EXPECT_EQ(en.LnguageLbl[1]->text(), QStringLiteral("עברית"));
}

TEST_F(CardSettingsWindowTest, BothLayoutsKeepTheStripAtTheBottomAndHideTheSameSections)
{
    const std::vector<Section> bottomRow{Section::VRST, Section::Reset, Section::NumOfSys};
    for (bool small : {false, true}) {
        SCOPED_TRACE(small ? "small" : "full");
        SmallDisplay = small;
        frm5CardSettings w;
        w.show();
        EXPECT_EQ(w.width(), 900);
        EXPECT_EQ(w.height(), small ? 475 : 600);
        EXPECT_EQ(w.Picture1->geometry(), QRect(0, w.height() - 50, 900, 50));
        EXPECT_EQ(w.Command1->geometry().right(), 899) << "Cancel is rightmost";
        EXPECT_EQ(VbColor::BackColor(w.Command2), 0x80FF80u);
        EXPECT_EQ(VbColor::BackColor(w.Command1), 0x8080FFu);
        for (const SectionInfo& s : Sections()) {
            const bool inBottomRow = std::find(bottomRow.begin(), bottomRow.end(), s.id) != bottomRow.end();
            EXPECT_EQ(w.SectionFrame(s.id)->isVisible(), !(small && inBottomRow)) << s.frame;
            if (w.SectionFrame(s.id)->isVisible()) {
                EXPECT_LT(w.SectionFrame(s.id)->geometry().bottom(), w.Picture1->y()) << s.frame;
            }
            if (!s.hidden) continue;
            EXPECT_EQ(s.colour, 0xC0C0C0u);
            if (s.label) {
                EXPECT_FALSE(w.findChild<QWidget*>(s.label)->isVisibleTo(&w)) << s.label;
            }
            for (int i = 0; i < s.innerCount; ++i)
                EXPECT_FALSE(w.findChild<QWidget*>(s.inner[size_t(i)])->isVisibleTo(&w)) << s.inner[size_t(i)];
        }
        EXPECT_TRUE(w.SectionFrame(Section::DayNight)->isVisible()) << "an empty box in both layouts";
        EXPECT_FALSE(w.NumOfSys->isVisibleTo(&w));
        EXPECT_FALSE(w.NumOfSys->isEnabled());
        EXPECT_EQ(VbColor::ForeColor(w.findChild<QWidget*>("Frame2NumOfSys")), 0xE0E0E0u);
        EXPECT_FALSE(w.SysFlags2NightEna[0]->isVisibleTo(&w));
    }
}

// Both options of a pair as a user must see them.
void ExpectCirclesShown(const frm5CardSettings& w, Pair p)
{
    for (int k = 0; k <= 1; ++k) OptionCircle::ExpectShown(w.Option(p, k));
}

// Every option's circle shows on its section's colour, chosen or not, locked or not: "Class B
// (II)" on the loop's blue while Class A is chosen, and the reverse, as on cyan, green, yellow
// and magenta; in both languages and both layouts.
TEST_F(CardSettingsWindowTest, EveryOptionsCircleShowsOnItsSectionColourInEveryLook)
{
    for (const int16_t lang : {int16_t(2), int16_t(1)}) {
        for (const bool small : {false, true}) {
            SCOPED_TRACE(std::string(lang == 1 ? "he" : "en") + (small ? " small" : " large"));
            UILanguage = lang;
            SmallDisplay = small;
            frm5CardSettings w;
            w.show();
            for (const PairInfo& info : Pairs()) {
                for (int k : {1, 0}) {
                    w.Option(info.pair, k)->click();
                    ExpectCirclesShown(w, info.pair);
                }
            }
            // The reversed relay locks the events pair: its circles show greyed out too.
            w.Option(SysFlagsSlave, 1)->click();
            ASSERT_FALSE(w.Option(SysFlags2RlyFltStart, 0)->isEnabled());
            ExpectCirclesShown(w, SysFlags2RlyFltStart);
            w.Option(SysFlagsLoopSysStat, 1)->click();
            LayoutChecks::Screenshot(w, QStringLiteral("cardsettings-%1-%2").arg(lang == 1 ? "he" : "en", small ? "small" : "large"));
            prompter.Expect(lang == 1 ? QStringLiteral("לשמור נתונים ?") : QStringLiteral("Save data ?"), Ui::vbNo);
            w.close();
        }
    }
}

TEST_F(CardSettingsWindowTest, ThePanelNumberListHoldsThirtyTwoNumbersHoweverOftenItDrops)
{
    frm5CardSettings w;
    for (int i = 0; i < 2; ++i) {
        w.NumOfSys->showPopup();
        w.NumOfSys->hidePopup();
    }
    ASSERT_EQ(w.NumOfSys->count(), 32);
    EXPECT_EQ(w.NumOfSys->itemText(0), "01");
    EXPECT_EQ(w.NumOfSys->itemText(31), "32");
}

}  // namespace
