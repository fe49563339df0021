// The groups model's texts: the three listings and the device information line, in both languages.
#include "GroupsFixture.h"
#include "configeditors/GroupsListings.h"
#include "configeditors/GroupsTexts.h"
#include "platform/Ui.h"

namespace {

class GroupsTextsTest : public GroupsTest {
protected:
    // Input 3 in groups 3 and 7, input 12 in group 3; group 5 with trigger 1 and outputs 9, 14;
    // output 201 in groups 2 and 9.
    void SetUp() override
    {
        GroupsTest::SetUp();
        SiteDevices();
        DeviceDataArray[50].DeviceIsIn = "0";  // a free address that is no input
        Links(3, {3, 7});
        Links(12, {3});
        StoredGroup(3, 2, {10});
        StoredGroup(7, 1, {10});
        StoredGroup(5, 1, {9, 14});
        StoredGroup(2, 0, {201});
        StoredGroup(9, 0, {16, 201});
    }
};

TEST_F(GroupsTextsTest, InputsListing)
{
    Flags(true, false, true);
    const QStringList lines = GroupsListings::Inputs(Loaded());
    ASSERT_EQ(lines.size(), 126 + 2);
    EXPECT_EQ(lines[0], " [ 001 <0> (00/00/00/00) ] ") << "a free address holds the reset values";
    EXPECT_EQ(lines[2], " [ 003 <2> (03/07/00/00) ] ");
    EXPECT_EQ(lines[8], " [ 009 </> (OUT  DEVICE) ] ");
    EXPECT_EQ(lines[11], " [ 012 <1> (03/00/00/00) ] ");
    EXPECT_EQ(lines[49], " [ 050 ----------------- ] ");
    EXPECT_EQ(lines[126], " [ 201 </> RELAY  ALARM1 ] ");
    EXPECT_EQ(lines[127], " [ 205 </> DIALER  AL(-) ] ");

    MaxNumOfDevices = 50;
    Flags(false, false, false);
    EXPECT_EQ(GroupsListings::Inputs(Loaded()).size(), 50);
}

TEST_F(GroupsTextsTest, OutputsListingInBothLanguages)
{
    Flags(false, false, false);
    QStringList lines = GroupsListings::Outputs(Loaded());
    ASSERT_EQ(lines.size(), 32) << "no separator without special outputs";
    EXPECT_EQ(lines[4], "05.<1>-(2)(009/014/000/000/000/000)#");
    EXPECT_EQ(lines[0], "01.<0>-(0)(000/000/000/000/000/000)#");

    Flags(true, true, true);
    lines = GroupsListings::Outputs(Loaded());
    ASSERT_EQ(lines.size(), 36);
    EXPECT_EQ(lines[32], QString(36, '#'));
    EXPECT_EQ(lines.mid(33), QStringList({"Alarm Relay 1 - 201", "Alarm Relay 2 - 202", "Dialer Alarm Output - 205"}));

    languages::SetLanguage(1);
    Flags(false, true, true);
    lines = GroupsListings::Outputs(Loaded());
    EXPECT_EQ(lines.mid(32), QStringList({QString(36, '#'), QStringLiteral("ממסר אזעקה 2 - 202"),
                                          QStringLiteral("יציאת אזעקה של החייגן - 205")}));
}

TEST_F(GroupsTextsTest, GroupsListingShowsTheWorkingState)
{
    GroupsModel m = Loaded();
    ASSERT_TRUE(m.AddInputs(5, {3, 12}).empty());
    const QStringList lines = GroupsListings::Groups(m);
    ASSERT_EQ(lines.size(), 32);
    EXPECT_EQ(lines[4], "05.<1>-(OUT: 2)(009/014/000/000/000/000)#-(IN: 002)(003/012/)");
    EXPECT_EQ(lines[0], "01.<0>-(OUT: 0)(000/000/000/000/000/000)#-(IN: 000)()");
    EXPECT_EQ(lines[2], "03.<2>-(OUT: 1)(010/000/000/000/000/000)#-(IN: 002)(003/012/)");
}

TEST_F(GroupsTextsTest, InformationLineOfAnInput)
{
    GroupsModel m = Loaded();
    const QString factory = "Factory name: " + DeviceDataArray[12].FactoryName.str().left(15);
    ASSERT_EQ(factory, "Factory name: 012 INPUT      ");
    EXPECT_EQ(GroupsTexts::InputInfo(m, 12), "Device 012 Exist in one group of 4 groups\r3\r" + factory);
    ASSERT_TRUE(m.AddInputs(7, {12}).empty());
    EXPECT_EQ(GroupsTexts::InputInfo(m, 12), "Device 012 Exist in 2 groups of 4 gropus\r3 , 7\r" + factory);
    m.RemoveInputs(3, {12});
    EXPECT_EQ(GroupsTexts::InputInfo(m, 12), "Device 012 Exist in one group of 4 groups\r7\r" + factory);
    m.RemoveInputs(7, {12});
    EXPECT_EQ(GroupsTexts::InputInfo(m, 12), "Device 012 not in groups\r" + factory);
    EXPECT_EQ(GroupsTexts::InputInfo(m, 0), "") << "nothing selected";

    // The links keep their slots, so the groups need not be ascending.
    Links(4, {4, 9, 12});
    GroupsModel after = Loaded();
    after.RemoveInputs(4, {4});
    EXPECT_TRUE(GroupsTexts::InputInfo(after, 4).startsWith("Device 004 Exist in 2 groups of 4 gropus\r12 , 9\r"));

    languages::SetLanguage(1);
    GroupsModel hebrew = Loaded();
    // The factory name keeps "003 SMOKE DET" in its order inside the Hebrew line.
    EXPECT_EQ(GroupsTexts::InputInfo(hebrew, 3),
              QStringLiteral("התקן מס' 003 נמצא ב-2 קבוצות מתוך 4 קבוצות\r3 , 7\rשם ברירת המחדל: ") +
                  Ui::LeftToRight(DeviceDataArray[3].FactoryName.str().left(15)));
    EXPECT_TRUE(GroupsTexts::InputInfo(hebrew, 12).startsWith(QStringLiteral("התקן מס' 012 נמצא בקבוצה אחת מתוך 4 קבוצות\r")));
}

TEST_F(GroupsTextsTest, InformationLineOfAnOutput)
{
    Flags(true, false, false);
    const GroupsModel m = Loaded();
    EXPECT_EQ(GroupsTexts::OutputInfo(m, 201), "Device 201 exist in 2 groups:\r2, 9");
    EXPECT_EQ(GroupsTexts::OutputInfo(m, 14), "Device 014 nxist in one group:\r5\rFactory name: 014 OUTPUT     ");
    EXPECT_EQ(GroupsTexts::OutputInfo(m, 15), "Device 015 not exist in groups\rFactory name: " +
                                                  DeviceDataArray[15].FactoryName.str().left(15));
    EXPECT_EQ(GroupsTexts::OutputInfo(m, 10), "Device 010 exist in 2 groups:\r3, 7\rFactory name: 010 OUTPUT     ");
    EXPECT_EQ(GroupsTexts::OutputInfo(m, 0), "");

    languages::SetLanguage(1);
    const GroupsModel hebrew = Loaded();
    EXPECT_EQ(GroupsTexts::OutputInfo(hebrew, 201), QStringLiteral("התקן מס' 201 נמצא ב-2 קבוצות:\r2, 9"));
    EXPECT_EQ(GroupsTexts::OutputInfo(hebrew, 15),
              QStringLiteral("התקן מס' 015 לא נמצא בקבוצות\rשם ברירת המחדל: ") +
                  Ui::LeftToRight(DeviceDataArray[15].FactoryName.str().left(15)));
}

// The line follows the device pointed at through every later edit; an address the window does
// not list points at nothing.
TEST_F(GroupsTextsTest, InformationLineOfTheDevicePointedAt)
{
    Flags(true, false, false);
    GroupsModel m = Loaded();
    EXPECT_EQ(GroupsTexts::InfoLine(m), "") << "nothing clicked yet";
    const std::vector<std::pair<int, QString>> cases{
        {12, "Device 012 Exist in one group of 4 groups\r3\rFactory name: 012 INPUT      "},
        {10, "Device 010 exist in 2 groups:\r3, 7\rFactory name: 010 OUTPUT     "},
        {201, "Device 201 exist in 2 groups:\r2, 9"},
        {202, ""},  // a special output not offered
        {31, ""},   // the fault part of the alarm/fault card
        {50, ""},   // a free address
        {0, ""},    {127, ""}, {-1, ""}, {999, ""},
    };
    for (const auto& [address, line] : cases) {
        m.PointInfoAt(address);
        EXPECT_EQ(GroupsTexts::InfoLine(m), line) << address;
        EXPECT_EQ(m.InfoDevice(), line.isEmpty() ? 0 : address) << address;
    }
    m.PointInfoAt(12);
    ASSERT_TRUE(m.AddInputs(5, {12}).empty());
    EXPECT_TRUE(GroupsTexts::InfoLine(m).startsWith("Device 012 Exist in 2 groups of 4 gropus\r3 , 5\r"));
    m.DeleteAll();
    EXPECT_TRUE(GroupsTexts::InfoLine(m).startsWith("Device 012 not in groups\r"));
    m.LoadGroups();
    EXPECT_EQ(GroupsTexts::InfoLine(m), "") << "a new opening has nothing clicked";
}

TEST_F(GroupsTextsTest, CaptionsAndMessagesInBothLanguages)
{
    EXPECT_EQ(GroupsTexts::CaptionOf("frm8Groups", 2), "Tessel126 - Operating groups");
    EXPECT_EQ(GroupsTexts::CaptionOf("frm8Groups", 1), QStringLiteral("Tessel126 - קבוצות הפעלה"));
    EXPECT_FALSE(GroupsTexts::CaptionOf("frm8Groups", 3));
    EXPECT_EQ(GroupsTexts::AddCaption(5, 2), "Add\rto group 5");
    EXPECT_EQ(GroupsTexts::RemoveCaption(5, 2), "Delete\rfrom group 5");
    EXPECT_EQ(GroupsTexts::AddCaption(12, 1), QStringLiteral("להוסיף\rלקבוצה מס' 12"));
    EXPECT_EQ(GroupsTexts::RemoveCaption(12, 1), QStringLiteral("למחוק\rמקבוצה מס' 12"));
    EXPECT_EQ(GroupsTexts::GrpNamePrefix(1), QStringLiteral("קבוצת הפעלה "));

    const Message save = GroupsTexts::SaveQuestion(2);
    EXPECT_EQ(save.prompt, "Save data ?");
    EXPECT_EQ(save.title, "Exit from group settings");
    EXPECT_EQ(save.style, Ui::vbYesNoCancel);
    const Message saveHe = GroupsTexts::SaveQuestion(1);
    EXPECT_EQ(saveHe.prompt, QStringLiteral("לשמור נתונים ?"));
    EXPECT_EQ(saveHe.title, QStringLiteral("יציאה מקבוצות הפעלה"));
    EXPECT_EQ(saveHe.style, Ui::vbYesNoCancel | Ui::vbHebrew);
    EXPECT_EQ(GroupsTexts::TooManyGroups(7, 1).prompt, QStringLiteral("התקן מבוא מס' 7 יכול להפעיל עד 4 קבוצות !!!"));
    EXPECT_EQ(GroupsTexts::TooManyOutputs(1).prompt, QStringLiteral("כמות התקני מוצא בקבוצה לא יכול לעלות על 6"));
    EXPECT_EQ(GroupsTexts::DeleteAllQuestion(1).prompt, QStringLiteral("האם למחוק את כל הקבוצות ???"));
    EXPECT_EQ(GroupsTexts::DeleteGroupQuestion(2).title, "Warning");
}

}  // namespace
