#include <gtest/gtest.h>

#include <vector>

#include "core/DataModel.h"
#include "core/languages.h"
#include "platform/Ui.h"
#include "common/ScriptedPrompter.h"

namespace {

const QString* const kLabels[] = {
    &LblSmokeDet, &LblHeatDet, &LblSHDet, &LblInput, &LblDetector, &LblRedButton,
    &LblBeamVrst, &LblExtButton, &LblAlarmFault, &LblAlarmInput, &LblFaultInput,
    &LblInput1of2, &LblInput2of2, &LblExtinguish, &LblRelayOut, &LblOutput, &LblLineRelay,
    &LoopName[1], &LoopName[2], &LoopName[3], &LoopName[4],
};

// Every table text, to tell whether a call changed any of them.
std::vector<QString> Snapshot()
{
    std::vector<QString> all;
    for (const QString* l : kLabels) all.push_back(*l);
    for (const QString* w : {&WordOK, &WordCancel, &WordDelete, &WordEnable, &WordIn, &WordOut,
                             &WordSettings, &ShortSmoke, &Short4Z, &ShortNA, &StatTotalInputs,
                             &StatLineRelay, &StatTotalOutputs})
        all.push_back(*w);
    return all;
}

class Languages : public ::testing::Test {
protected:
    void SetUp() override { languages::SetLanguage(1); }   // as the login leaves them
    void TearDown() override { languages::SetLanguage(1); UILanguage = 1; }
};

}  // namespace

TEST_F(Languages, HebrewFill)
{
    EXPECT_EQ(UILanguage, 1);
    EXPECT_EQ(LblSmokeDet, QStringLiteral(u"גלאי עשן   #"));
    EXPECT_EQ(LblDetector, QStringLiteral(u"גלאי       #"));
    EXPECT_EQ(LblAlarmFault, QStringLiteral(u"אזעקה/תקלה #"));
    EXPECT_EQ(LoopName[2], QStringLiteral(u"קו גלאים 2 #"));
    EXPECT_EQ(WordSettings, QStringLiteral(u"הגדרות"));
    EXPECT_EQ(Short4Z, QStringLiteral(u"4 אז'"));
    EXPECT_EQ(StatTotalInputs, QStringLiteral(u"התקני מבוא / כרטיסי מבוא     -     סה''כ : "));
    EXPECT_EQ(StatLineRelay, QStringLiteral(u"ממסר על קו"));
}

TEST_F(Languages, EnglishFillKeepsTheHebrewTwoInputLabels)
{
    languages::SetLanguage(2);
    EXPECT_EQ(UILanguage, 2);
    EXPECT_EQ(LblSmokeDet, "SMOKE DET  #");
    EXPECT_EQ(LblAlarmFault, "ALARM/FAULT#");
    EXPECT_EQ(LblOutput, "OUTPUT     #");
    EXPECT_EQ(LoopName[3], "DET-LINE-3 #");
    EXPECT_EQ(LblInput1of2, QStringLiteral(u"מבוא 1 מ-2 #"));
    EXPECT_EQ(LblInput2of2, QStringLiteral(u"מבוא 2 מ-2 #"));
    EXPECT_EQ(WordSettings, "settings");
    EXPECT_EQ(ShortNA, "N/A");
    EXPECT_EQ(StatTotalOutputs, "Total Outputs in System : ");
    languages::SetLanguage(1);
    EXPECT_EQ(LblSmokeDet, QStringLiteral(u"גלאי עשן   #"));
}

TEST_F(Languages, EveryLabelIsTwelveCharactersEndingInHash)
{
    for (int lang : {1, 2}) {
        languages::SetLanguage(int16_t(lang));
        for (const QString* l : kLabels) {
            EXPECT_EQ(l->size(), 12) << lang << " " << l->toStdString();
            EXPECT_TRUE(l->endsWith('#')) << lang << " " << l->toStdString();
        }
    }
}

TEST_F(Languages, UnknownLanguageIsStoredAndSaidAndFillsNothing)
{
    languages::SetLanguage(2);
    const auto before = Snapshot();
    ScriptedPrompter prompter;
    prompter.Expect(Ui::vbOK);
    languages::SetLanguage(3);
    EXPECT_EQ(UILanguage, 3);
    const auto& boxes = prompter.Calls();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].prompt, "Language Not Exist Yet, sorry");
    EXPECT_EQ(boxes[0].style, Ui::vbOKOnly);
    EXPECT_TRUE(boxes[0].title.isEmpty());
    EXPECT_EQ(Snapshot(), before);
}

TEST_F(Languages, KnownLanguagesShowNoBox)
{
    ScriptedPrompter prompter;   // any box fails the test
    languages::SetLanguage(1);
    languages::SetLanguage(2);
}

struct FactoryCase { int address, kind, cardAddr; const char* english; };

TEST_F(Languages, FactoryNameByKindAndPosition)
{
    languages::SetLanguage(2);
    const FactoryCase cases[] = {
        {12, 5, 1, "012 SMOKE DET  #"}, {1, 6, 0, "001 HEAT DET   #"}, {126, 29, 1, "126 S/H DET    #"},
        {3, 12, 5, "003 DETECTOR   #"}, {40, 21, 1, "040 LINE RELAY #"}, {9, 19, 2, "009 RELAY OUT  #"},
        {8, 10, 1, "008 ALARM/FAULT#"}, {8, 10, 0, "008 ALARM/FAULT#"}, {8, 10, 2, "008 ALARM INPUT#"},
        {9, 10, 3, "009 FAULT INPUT#"},
        {20, 20, 0, "020 DET-LINE-1 #"}, {7, 20, 2, "007 DET-LINE-3 #"}, {23, 20, 3, "023 DET-LINE-4 #"},
        // positions a card does not have, and numbers that are no kind
        {8, 10, 4, ""}, {7, 20, 4, ""}, {7, 20, -1, ""}, {5, 11, 1, ""},
        {1, 1, 1, ""}, {1, 0, 1, ""}, {1, 13, 1, ""},
    };
    for (const auto& c : cases) {
        const QString name = languages::FactoryNameFor(c.address, c.kind, c.cardAddr);
        EXPECT_EQ(name, c.english) << c.address << " " << c.kind << " " << c.cardAddr;
        if (!name.isEmpty()) {
            EXPECT_EQ(name.size(), 16);
        }
    }
    EXPECT_EQ(languages::FactoryNameFor(5, 11, 2), QStringLiteral(u"005 מבוא 1 מ-2 #"));
    EXPECT_EQ(languages::FactoryNameFor(6, 11, 3), QStringLiteral(u"006 מבוא 2 מ-2 #"));
}

TEST_F(Languages, FactoryNameFollowsTheLastFill)
{
    EXPECT_EQ(languages::FactoryNameFor(12, 5, 1), QStringLiteral(u"012 גלאי עשן   #"));
    EXPECT_EQ(languages::FactoryNameFor(2, 20, 1), QStringLiteral(u"002 קו גלאים 2 #"));
}

TEST_F(Languages, MapAndTypeWordsOfEveryKind)
{
    languages::SetLanguage(2);
    struct W { int kind; const char* map; const char* type; };
    const W words[] = {
        {5, "Smoke", "Smoke Detector"}, {6, "Heat", "Heat Detector"}, {29, "Combo", "Smoke/Heat Detector"},
        {12, "Det", "Conventional Detector"}, {7, "Red", "Red Call Point"}, {15, "Yellow", "Yellow Call Point"},
        {10, "A/F", "Alarm/Fault Card"}, {20, "4Z", "4 Zones Card"}, {30, "Beam", "Beam Detector Card"},
        {23, "Input", "Input Device"}, {11, "2In", "2 Inputs Card"}, {9, "Out", "Output"},
        {17, "EXT", "Extinguish"}, {19, "Relay", "Relay"}, {21, "Line Rly", "Line Relay"},
        {0, "", ""}, {8, "", ""}, {31, "", ""},
    };
    for (const auto& w : words) {
        EXPECT_EQ(languages::MapWordFor(w.kind), w.map) << w.kind;
        EXPECT_EQ(languages::TypeWordFor(w.kind), w.type) << w.kind;
    }
}
