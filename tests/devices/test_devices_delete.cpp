// Deleting devices in the devices window's model: the span of the device, its group links, the
// two questions and the rows afterwards.
#include <vector>

#include <gtest/gtest.h>

#include "DevicesFixture.h"
#include "ScriptedPrompter.h"
#include "devices/DevicesEditor.h"

namespace {

class DeleteTest : public DevicesFixture {
protected:
    void Open() { editor.Form_Load(); }
    // Presses the delete button of row a answering Yes to deleting and `names` to the names.
    int Delete(int a, int names = Ui::vbNo)
    {
        prompter.Expect(Ui::vbYes);
        prompter.Expect("Delete name/names ???", names);
        return editor.DisableDevice_Click(a);
    }
    QString Outputs(int g) const
    {
        const OutGrpRecord& grp = editor.OutGrpArrayEdit[size_t(g)];
        QString s = grp.OutCount.str() + ":";
        for (int k = 1; k <= 6; ++k) s += " " + grp.OutAddr[size_t(k)].str();
        return s;
    }

    DevicesEditor editor;
    ScriptedPrompter prompter;
};

TEST_F(DeleteTest, TheQuestionNamesTheAddressesOfTheDevice)
{
    struct Case {
        int kind, first, parts;
        QString english, hebrew;
    };
    const Case cases[] = {
        {DeviceKind::SmokeDetector, 7, 1, "You are about to delete addresses 7", "הינך עומד למחוק כתובת מס' 7"},
        {DeviceKind::Output, 20, 2, "You are about to delete 2 addresses : 20, 21", "הינך עומד למחוק 2 כתובות : 20 ו- 21"},
        {DeviceKind::FourZoneCard, 30, 4, "You are about to delete 4 addresses : 30, 31, 32, 33",
         "הינך עומד למחוק 4 כתובות : 30, 31, 32, 33"},
    };
    for (int lang : {2, 1})
        for (const Case& c : cases) {
            SCOPED_TRACE(c.english.toStdString());
            ResetModule::ResetDevices(1, 126, 1);
            UILanguage = int16_t(lang);
            for (int p = 0; p < c.parts; ++p)
                Put(c.first + p, c.kind, c.parts == 1 ? 1 : c.parts == 2 ? 2 + p : p);
            Open();
            prompter.Expect(Ui::vbNo);
            editor.DisableDevice_Click(c.first);
            const Ui::MsgBoxCall& box = prompter.Calls().back();
            const QString sure = lang == 2 ? "\rThis wil delete address(es) from group(s)\rAre you sure?"
                                           : QStringLiteral(u"\rפעולה זו תמחק כתובת/ות מתוך קבוצה/ות הפעלה\rהאם אתה בטוח?");
            EXPECT_EQ(box.prompt, (lang == 2 ? c.english : c.hebrew) + sure);
            EXPECT_EQ(box.title, lang == 2 ? "Delete ?" : QStringLiteral(u"מחיקה ?"));
            EXPECT_EQ(box.buttons(), Ui::vbYesNo);
            EXPECT_EQ(box.rightToLeft(), lang == 1);
            EXPECT_TRUE(editor.Row(c.first).exist) << "No deletes nothing";
        }
}

TEST_F(DeleteTest, AFourZoneCardGoesAsOneAndItsRowsComeBackSingle)
{
    Put(3, DeviceKind::SmokeDetector);
    for (int p = 0; p < 4; ++p) Put(10 + p, DeviceKind::FourZoneCard, p, {}, "ZONE " + Str(p));
    Put(14, DeviceKind::InputDevice, 1, {}, "NEXT");
    Open();
    editor.Row(14).nameText = "TYPED NOT LEFT";

    EXPECT_EQ(Delete(10, Ui::vbYes), 3) << "the focus goes to the nearest device above";
    for (int a = 10; a <= 13; ++a) {
        SCOPED_TRACE(a);
        EXPECT_FALSE(editor.Row(a).exist);
        EXPECT_EQ(editor.Row(a).enableCaption, "Enable");
        EXPECT_EQ(editor.Row(a).deleteHeight, 25);
        EXPECT_TRUE(editor.Row(a).deleteVisible);
        EXPECT_EQ(editor.Row(a).nameText, "");
        EXPECT_EQ(DeviceDataArrayEdit[size_t(a)].Exist.str(), "0");
    }
    EXPECT_EQ(editor.Row(14).nameText, "TYPED NOT LEFT") << "other rows keep what was typed";
    EXPECT_EQ(editor.Label3(), "Captured : 2 / Available : 124");
    EXPECT_EQ(MultiAddrPos, 0);
}

// A freed row shows as free whatever the answer; No keeps the names for the next devices put on
// those addresses, Yes forgets them.
TEST_F(DeleteTest, NoToTheNamesKeepsThemForTheNextDeviceOnTheAddress)
{
    Put(5, DeviceKind::SmokeDetector, 1, {}, "LOBBY");
    Put(20, DeviceKind::Output, 2, {}, "BELL A");
    Put(21, DeviceKind::Output, 3, {}, "BELL B");
    Open();
    EXPECT_EQ(Delete(5, Ui::vbNo), 0) << "no device above: the focus stays";
    EXPECT_FALSE(editor.Row(5).exist);
    EXPECT_FALSE(editor.Row(5).nameEnabled);
    EXPECT_EQ(editor.Row(5).nameText, "");
    EXPECT_EQ(editor.RowName(5), "LOBBY");
    Delete(20, Ui::vbYes);
    EXPECT_EQ(editor.RowName(20), "");
    EXPECT_EQ(editor.RowName(21), "");

    // The type panel on the freed address starts with the kept name and stores it.
    TypePanel panel{editor};
    panel.EnableDevice(5);
    EXPECT_EQ(panel.Name(), "LOBBY");
    panel.Apply();
    EXPECT_EQ(editor.Row(5).nameText, "LOBBY");
    EXPECT_EQ(DeviceDataArrayEdit[5].DeviceName.str(), "LOBBY           ");
}

TEST_F(DeleteTest, NoToTheConfirmationOnlyMovesTheFocus)
{
    Put(2, DeviceKind::SmokeDetector);
    Put(8, DeviceKind::Output);
    Group(1, 1, {8});
    Open();
    prompter.Expect(Ui::vbNo);
    EXPECT_EQ(editor.DisableDevice_Click(8), 2);
    EXPECT_TRUE(editor.Row(8).exist);
    EXPECT_EQ(Outputs(1), "1: 008 000 000 000 000 000");
    EXPECT_EQ(editor.Row(8).numberBack, DeviceColors::Red) << "the pressed row is marked";
}

TEST_F(DeleteTest, OutputsLeaveTheirGroupsAndTheLastOutputFillsTheGap)
{
    for (int a : {1, 2, 3, 4, 5}) Put(a, DeviceKind::Relay);
    Put(20, DeviceKind::Output, 2);
    Put(21, DeviceKind::Output, 3);
    Group(1, 1, {1, 2, 3, 4, 5});
    Group(2, 2, {4, 5});
    Group(3, 1, {20, 7, 21});
    Group(4, 1, {5, 201});
    Open();

    Delete(3);
    EXPECT_EQ(Outputs(1), "4: 001 002 005 004 000 000") << "the third of five: the fifth moves up";
    Delete(5);
    EXPECT_EQ(Outputs(1), "3: 001 002 004 000 000 000");
    EXPECT_EQ(Outputs(2), "1: 004 000 000 000 000 000") << "the last output of a group";
    EXPECT_EQ(Outputs(4), "1: 201 000 000 000 000 000");
    Delete(20);
    EXPECT_EQ(Outputs(3), "1: 007 000 000 000 000 000") << "both addresses of a two-address output";
    EXPECT_EQ(editor.OutGrpArrayEdit[1].Trigger.str(), "1") << "outputs leave the trigger alone";
}

// The trigger of a group that loses inputs: 0 without inputs left, else the old trigger but no
// more than the inputs left.
TEST_F(DeleteTest, InputsLeavingAGroupRecountItsTrigger)
{
    struct Case {
        const char* what;
        int trigger;
        std::vector<int> others;  // inputs of the group that stay
        bool twoInputCard;        // the deleted device is a two-input card with both parts in it
        int expected;
    };
    const Case cases[] = {
        {"the only input", 1, {}, false, 0},
        {"one of two, trigger 2", 2, {50}, false, 1},
        {"one of four, trigger 3", 3, {50, 51, 52}, false, 3},
        {"one of three, trigger 3", 3, {50, 51}, false, 2},
        {"one of several, trigger 1", 1, {50, 51}, false, 1},
        {"a two-input card and one other, trigger 2", 2, {50}, true, 1},
        {"a two-input card alone, trigger 2", 2, {}, true, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ResetModule::ResetDevices(1, 126, 1);
        ResetModule::ResetGroups();
        if (c.twoInputCard) {
            Put(10, DeviceKind::TwoInputCard, 2, {7, 9});
            Put(11, DeviceKind::TwoInputCard, 3, {7});
        } else {
            Put(10, DeviceKind::SmokeDetector, 1, {9, 7});
        }
        for (int a : c.others) Put(a, DeviceKind::InputDevice, 1, {7});
        Group(7, c.trigger, {90});
        Group(9, 1, {90});
        Open();
        Delete(10);
        EXPECT_EQ(editor.OutGrpArrayEdit[7].Trigger.str(), Str(c.expected));
        EXPECT_EQ(editor.OutGrpArrayEdit[9].Trigger.str(), "0");
        EXPECT_EQ(editor.OutGrpArrayEdit[7].OutCount.str(), "1");
    }
}

TEST_F(DeleteTest, ASpanNeverRunsPastTheLastAddress)
{
    Put(126, DeviceKind::Output, 2);  // the first part of a two-address device on the last address
    Open();
    EXPECT_EQ(editor.Row(126).deleteHeight, 25) << "a part alone: its button covers its own row";
    EXPECT_EQ(editor.DeleteSpanEnd(126), 126);
    Delete(126);
    EXPECT_EQ(prompter.Calls()[0].prompt.section('\r', 0, 0), "You are about to delete addresses 126");
    EXPECT_FALSE(editor.Row(126).exist);
    EXPECT_EQ(editor.Row(126).deleteHeight, 25);
}

}  // namespace
