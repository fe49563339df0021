// The main card settings model: stored fields to chosen options and back, the couplings between
// pairs, the fixed values a Yes writes, No and Cancel, damaged fields, and the texts.
#include <gtest/gtest.h>

#include "ProjectFixture.h"
#include "configeditors/CardSettingsModel.h"
#include "configeditors/CardSettingsTexts.h"
#include "core/DataModel.h"
#include "platform/Ui.h"

using namespace CardSettings;

namespace {

class CardSettingsModelTest : public ProjectFixture {
protected:
    static QString Field(Pair p) { return Info(p).read().trimmed(); }
    static void SetField(Pair p, const QString& v) { Info(p).write(v); }
    // The partner that always shows the same index, or the pair itself.
    static Pair Partner(Pair p)
    {
        if (p == SysFlags2DialerANotSys) return SysFlags2DialerFAsAlarm;
        if (p == SysFlags2DialerFAsAlarm) return SysFlags2DialerANotSys;
        return p;
    }
    static CardSettingsModel Loaded()
    {
        CardSettingsModel m;
        m.Load();
        return m;
    }
};

// Every pair, both options: the stored text chooses the option, and Yes stores the same text.
TEST_F(CardSettingsModelTest, EveryPairOpensOnItsStoredOptionAndStoresItBack)
{
    struct Case {
        Pair pair;
        const char* stored[2];
    };
    const std::vector<Case> cases{
        {Panel1OnOff, {"0", "1"}},           {Panel2OnOff, {"0", "1"}},
        {PS1OnOff, {"0", "1"}},              {PS2OnOff, {"0", "1"}},
        {SysFlags2RlyA1Silence, {"0", "1"}}, {SysFlags2RlyA1NotSys, {"0", "1"}},
        {SysFlags2RlyA2NotSys, {"0", "1"}},  {SysFlagsSlave, {"0", "1"}},
        {SysFlags2RlyFltStart, {"0", "1"}},  {SysFlagsLoopSysStat, {"003", "004"}},
        {SysFlagsSilenceWithCod, {"0", "1"}}, {SysFlagsLF_NO, {"0", "1"}},
        {SysFlags2DialerANotSys, {"0", "1"}}, {SysFlags2DialerFAsAlarm, {"0", "1"}},
    };
    ASSERT_EQ(cases.size(), size_t(PairCount));
    for (const Case& c : cases) {
        for (int k = 0; k <= 1; ++k) {
            SCOPED_TRACE(std::string(Info(c.pair).name) + " option " + std::to_string(k));
            ResetModule::ResetSysData();
            SetField(c.pair, c.stored[k]);
            SetField(Partner(c.pair), c.stored[k]);
            const CardSettingsModel m = Loaded();
            EXPECT_EQ(m.Chosen(c.pair), k);
            // The opposite text, so that the commit has to write it.
            SetField(c.pair, c.stored[1 - k]);
            m.Commit();
            EXPECT_EQ(Info(c.pair).read(), QString::fromLatin1(c.stored[k]));
        }
    }
}

TEST_F(CardSettingsModelTest, ChoosingRunsTheRuleOnceAndOnlyForANewOption)
{
    CardSettingsModel m = Loaded();
    EXPECT_FALSE(m.Choose(Panel1OnOff, 0)) << "already chosen";
    EXPECT_TRUE(m.Choose(Panel1OnOff, 1));
    EXPECT_FALSE(m.Choose(Panel1OnOff, 2));
    EXPECT_FALSE(m.Choose(Panel1OnOff, -1));
    EXPECT_EQ(m.Chosen(Panel1OnOff), 1);
    // A fresh model has nothing chosen.
    EXPECT_EQ(CardSettingsModel().Chosen(SysFlagsSlave), -1);
}

TEST_F(CardSettingsModelTest, TheTwoDialerPairsAlwaysShowTheSameIndex)
{
    CardSettingsModel m = Loaded();
    m.Choose(SysFlags2DialerANotSys, 1);
    EXPECT_EQ(m.Chosen(SysFlags2DialerFAsAlarm), 1);
    m.Choose(SysFlags2DialerFAsAlarm, 0);
    EXPECT_EQ(m.Chosen(SysFlags2DialerANotSys), 0);

    // Stored AL "0" with F "1": the F pair is chosen later and drags the AL pair with it.
    SysFlags2.DialerANotSys = "0";
    SysFlags2.DialerFAsAlarm = "1";
    Loaded().Commit();
    EXPECT_EQ(SysFlags2.DialerANotSys, "1");
    EXPECT_EQ(SysFlags2.DialerFAsAlarm, "1");
}

TEST_F(CardSettingsModelTest, AReversedFaultRelayForcesAndLocksOneEvent)
{
    SysFlags2.RlyFltStart = "1";
    CardSettingsModel m = Loaded();
    ASSERT_EQ(m.Chosen(SysFlags2RlyFltStart), 1);
    EXPECT_TRUE(m.Enabled(SysFlags2RlyFltStart));

    m.Choose(SysFlagsSlave, 1);
    EXPECT_EQ(m.Chosen(SysFlags2RlyFltStart), 0);
    EXPECT_FALSE(m.Enabled(SysFlags2RlyFltStart));
    EXPECT_FALSE(m.Choose(SysFlags2RlyFltStart, 1)) << "locked";

    m.Choose(SysFlagsSlave, 0);
    EXPECT_TRUE(m.Enabled(SysFlags2RlyFltStart));
    EXPECT_EQ(m.Chosen(SysFlags2RlyFltStart), 0) << "unlocking changes nothing";
    EXPECT_TRUE(m.Choose(SysFlags2RlyFltStart, 1));
}

// A stored combination the window cannot produce opens with the coupling applied, and Yes
// stores only what the window allows.
TEST_F(CardSettingsModelTest, AStoredReversedRelayWithTwoEventsOpensOnOneEvent)
{
    SysFlags.Slave = "1";
    SysFlags2.RlyFltStart = "1";
    const CardSettingsModel m = Loaded();
    EXPECT_EQ(m.Chosen(SysFlagsSlave), 1);
    EXPECT_EQ(m.Chosen(SysFlags2RlyFltStart), 0);
    EXPECT_FALSE(m.Enabled(SysFlags2RlyFltStart));
    m.Commit();
    EXPECT_EQ(SysFlags.Slave, "1");
    EXPECT_EQ(SysFlags2.RlyFltStart, "0");
}

// A damaged file or panel byte: the pair opens on its first option, and Yes brings the field
// back into range.
TEST_F(CardSettingsModelTest, AFieldOutsideItsTwoValuesOpensOnTheFirstOption)
{
    struct Case {
        Pair pair;
        const char* stored;
        const char* afterYes;
    };
    const std::vector<Case> cases{
        {SysFlagsSlave, "x", "0"},          {SysFlagsSlave, " ", "0"},         {SysFlags2RlyA1Silence, "7", "0"},
        {SysFlags2RlyFltStart, "2", "0"},   {SysFlagsLF_NO, "-", "0"},         {Panel1OnOff, "", "0"},
        {PS2OnOff, "2", "0"},               {Panel2OnOff, "1.5", "0"},         {PS1OnOff, "-1", "0"},
        {SysFlagsLoopSysStat, "005", "003"}, {SysFlagsLoopSysStat, "000", "003"}, {SysFlagsLoopSysStat, "abc", "003"},
        {SysFlagsLoopSysStat, "999", "003"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(Info(c.pair).name) + " holding \"" + c.stored + "\"");
        ResetModule::ResetSysData();
        SetField(c.pair, c.stored);
        const CardSettingsModel m = Loaded();
        EXPECT_EQ(m.Chosen(c.pair), 0);
        m.Commit();
        EXPECT_EQ(Field(c.pair), QString::fromLatin1(c.afterYes));
    }
}

TEST_F(CardSettingsModelTest, YesWritesTheFixedValuesOfTheHiddenSections)
{
    SysFlags.ResetWithCod = "0";
    SysFlags.Spare = "1";
    SysFlags2.NightEna = "1";
    SysFlags2.VrstDly = "1";
    NightStart = "2230";
    NightFinish = "0615";
    NumOfSys = "07";
    DataSysByte1 = "42";
    DataChanged = false;
    const CardSettingsModel m = Loaded();
    EXPECT_TRUE(m.Answer(Ui::vbYes));
    EXPECT_EQ(SysFlags.ResetWithCod, "1");
    EXPECT_EQ(SysFlags.Spare, "0");
    EXPECT_EQ(SysFlags2.NightEna, "0");
    EXPECT_EQ(SysFlags2.VrstDly, "0");
    EXPECT_EQ(NightStart, "0000");
    EXPECT_EQ(NightFinish, "0000");
    EXPECT_EQ(NumOfSys, "01");
    EXPECT_EQ(DataSysByte1, "42") << "not the window's field";
    EXPECT_TRUE(DataChanged);
}

TEST_F(CardSettingsModelTest, NoAndCancelWriteNothing)
{
    SysFlags2.NightEna = "1";
    NightStart = "2230";
    CardSettingsModel m = Loaded();
    for (Pair p : LoadOrder()) m.Choose(p, 1 - m.Chosen(p));
    const SysFlagsRecord flags = SysFlags;
    const SysFlags2Record flags2 = SysFlags2;
    const RemoteUnitsRecord units = RemoteUnits;

    DataChanged = true;  // another editor's commit
    EXPECT_FALSE(m.Answer(Ui::vbCancel)) << "the window stays open";
    EXPECT_TRUE(DataChanged);
    EXPECT_TRUE(m.Answer(Ui::vbNo));
    EXPECT_FALSE(DataChanged) << "No clears the flag even after another editor set it";
    EXPECT_EQ(SysFlags, flags);
    EXPECT_EQ(SysFlags2, flags2);
    EXPECT_EQ(RemoteUnits, units);
    EXPECT_EQ(NightStart, "2230");
}

TEST_F(CardSettingsModelTest, ChosenOptionsAreWhiteAndTheOthersInTheSectionColour)
{
    const CardSettingsModel m = Loaded();  // defaults: class B, silence with code
    const OptionColours chosen = m.Colours(SysFlagsLoopSysStat, 0);
    EXPECT_EQ(chosen.back, 0xFFFFFFu);
    EXPECT_EQ(chosen.fore, 0x000000u);
    const OptionColours loopOther = m.Colours(SysFlagsLoopSysStat, 1);
    EXPECT_EQ(loopOther.back, 0xFF0000u);
    EXPECT_EQ(loopOther.fore, 0xFFFFFFu) << "white on the loop's blue";
    EXPECT_EQ(m.Colours(SysFlagsSilenceWithCod, 0).back, 0xFFFF00u);
    EXPECT_EQ(m.Colours(SysFlagsSilenceWithCod, 0).fore, 0x000000u);
    EXPECT_EQ(m.Colours(PS2OnOff, 1).back, 0x8080FFu);
    EXPECT_EQ(m.Colours(SysFlags2RlyA2NotSys, 1).back, 0x00FFFFu);
}

TEST_F(CardSettingsModelTest, TheClosingQuestionInBothLanguages)
{
    const Message he = CardSettingsTexts::SaveQuestion(1);
    EXPECT_EQ(he.prompt, QStringLiteral("לשמור נתונים ?"));
    EXPECT_EQ(he.title, QStringLiteral("יציאה מהגדרות כרטיס ראשי"));
    EXPECT_EQ(he.style, Ui::vbYesNoCancel | Ui::vbHebrew);
    const Message en = CardSettingsTexts::SaveQuestion(2);
    EXPECT_EQ(en.prompt, "Save data ?");
    EXPECT_EQ(en.title, "Exit main card settings");
    EXPECT_EQ(en.style, Ui::vbYesNoCancel);
}

TEST_F(CardSettingsModelTest, CaptionsExistInBothLanguagesAndNoneForOthers)
{
    using CardSettingsTexts::CaptionOf;
    EXPECT_EQ(*CaptionOf("frm5CardSettings", -1, 2), "Tessel126 - Main card system settings");
    EXPECT_EQ(*CaptionOf("frm5CardSettings", -1, 1), QStringLiteral("Tessel126 - הגדרות מערכת וכרטיס ראשי"));
    EXPECT_EQ(*CaptionOf("SysFlags2RlyA1Silence", 1, 2), "Silensed");
    EXPECT_EQ(*CaptionOf("SysFlagsSilenceWithCod", 1, 1), QStringLiteral("השתק עם סיסמא 4,8,2"));
    EXPECT_EQ(*CaptionOf("FrameAlarm2Top", -1, 2), "Operating Conditions");
    EXPECT_FALSE(CaptionOf("FrameAlarm2Top", -1, 3));
    EXPECT_FALSE(CaptionOf("SysFlagsLoopSysStat", 0, 2)) << "fixed in the design";
    EXPECT_EQ(PanelNumberList().size(), 32);
    EXPECT_EQ(PanelNumberList().front(), "01");
    EXPECT_EQ(PanelNumberList().back(), "32");
}

}  // namespace
