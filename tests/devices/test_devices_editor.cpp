// The devices window's model without widgets: the rows it fills from the working table, the
// commit, deletion with its group rules, and the name boxes.
#include <gtest/gtest.h>

#include "DevicesFixture.h"
#include "ScriptedPrompter.h"
#include "devices/DeviceColors.h"
#include "devices/DevicesEditor.h"

using namespace DeviceColors;

namespace {

class EditorTest : public DevicesFixture {
protected:
    // Opens the model as the window does.
    DevicesEditor& Open()
    {
        editor.Form_Load();
        return editor;
    }
    const DeviceRow& Row(int i) const { return editor.Row(i); }

    DevicesEditor editor;
    ScriptedPrompter prompter;
};

TEST_F(EditorTest, OpeningCopiesTheProjectAndFillsEveryRow)
{
    Put(5, DeviceKind::SmokeDetector, 1, {}, "LOBBY");
    Put(9, DeviceKind::Output);
    Group(3, 1, {9});
    NameCheckQuiet = true;
    Open();

    EXPECT_FALSE(NameCheckQuiet);
    EXPECT_EQ(editor.Count(), 126);
    EXPECT_EQ(DeviceDataArrayEdit[5], DeviceDataArray[5]);
    EXPECT_EQ(editor.OutGrpArrayEdit[3], OutGrpArray[3]);
    EXPECT_EQ(editor.Label3(), "Captured : 2 / Available : 124");

    const DeviceRow& smoke = Row(5);
    EXPECT_TRUE(smoke.exist);
    EXPECT_EQ(smoke.numberCaption, "5");
    EXPECT_EQ(smoke.numberBack, LightGrey);
    EXPECT_EQ(smoke.enableCaption, "-1-");
    EXPECT_FALSE(smoke.enableEnabled);
    EXPECT_EQ(smoke.factoryText, "005 SMOKE DET  #");
    EXPECT_EQ(smoke.inOutCaption, "IN");
    EXPECT_EQ(smoke.colorBack, 0x00FF00u);
    EXPECT_EQ(smoke.settingsCaption, "settings");
    EXPECT_TRUE(smoke.settingsEnabled);
    EXPECT_EQ(smoke.settingsBack, Green);
    EXPECT_EQ(smoke.nameText, "LOBBY") << "the stored name without the blanks that pad it";
    EXPECT_TRUE(smoke.nameEnabled);
    EXPECT_EQ(smoke.nameBack, White);
    EXPECT_EQ(smoke.deleteCaption, "Delete");
    EXPECT_EQ(smoke.deleteBack, Red);
    EXPECT_EQ(Row(9).inOutCaption, "OUT");
    EXPECT_EQ(Row(9).nameText, "") << "a device without a stored name";

    const DeviceRow& free = Row(6);
    EXPECT_FALSE(free.exist);
    EXPECT_EQ(free.numberCaption, "6");
    EXPECT_EQ(free.numberBack, Grey);
    EXPECT_EQ(free.enableCaption, "Enable");
    EXPECT_TRUE(free.enableEnabled);
    EXPECT_EQ(free.enableBack, Green);
    EXPECT_FALSE(free.nameEnabled);
    EXPECT_FALSE(free.deleteEnabled);
    EXPECT_EQ(free.settingsCaption, "");
    EXPECT_EQ(free.colorBack, Grey);
}

TEST_F(EditorTest, MultiAddressDevicesShowTheirPartsAndOneDeleteButton)
{
    for (int p = 0; p < 4; ++p) Put(10 + p, DeviceKind::FourZoneCard, p);
    Put(20, DeviceKind::TwoInputCard, 2);
    Put(21, DeviceKind::TwoInputCard, 3);
    Put(30, DeviceKind::AlarmFaultCard, 2);
    Put(31, DeviceKind::AlarmFaultCard, 3);
    Open();

    for (int p = 0; p < 4; ++p) {
        SCOPED_TRACE(p);
        EXPECT_EQ(Row(10 + p).enableCaption, Str(p + 1) + "/4");
        EXPECT_EQ(Row(10 + p).factoryText, ZeroPad(10 + p, 3) + " DET-LINE-" + Str(p + 1) + " #");
        EXPECT_FALSE(Row(10 + p).settingsEnabled);
        EXPECT_EQ(Row(10 + p).settingsBack, LightGrey);
        EXPECT_EQ(Row(10 + p).deleteVisible, p == 0);
    }
    EXPECT_EQ(Row(10).deleteHeight, 100);
    EXPECT_EQ(Row(20).enableCaption, "1/2");
    EXPECT_EQ(Row(21).enableCaption, "2/2");
    EXPECT_EQ(Row(20).deleteHeight, 50);
    EXPECT_FALSE(Row(21).deleteVisible);
    EXPECT_EQ(Row(30).factoryText, "030 ALARM INPUT#");
    EXPECT_EQ(Row(31).factoryText, "031 FAULT INPUT#");
    EXPECT_EQ(MultiAddrPos, 0) << "a refresh ending on a device's last part leaves no position";
}

TEST_F(EditorTest, DamagedPositionCodesReadAsSingleDevices)
{
    Put(4, DeviceKind::TwoInputCard, 2);  // a two-address device before them, to leave a position behind
    Put(5, DeviceKind::TwoInputCard, 3);
    Put(7, DeviceKind::FourZoneCard, 9);
    Put(8, DeviceKind::TwoInputCard, 2);
    Put(9, DeviceKind::TwoInputCard, 17);
    Open();

    EXPECT_EQ(Row(7).enableCaption, "-1-");
    EXPECT_EQ(Row(7).factoryText, "007 DET-LINE-1 #");
    EXPECT_EQ(Row(7).deleteHeight, 25);
    EXPECT_TRUE(Row(7).deleteVisible);
    EXPECT_EQ(Row(9).enableCaption, "-1-");
    EXPECT_TRUE(Row(9).deleteVisible) << "the second row of nothing is not hidden";
    EXPECT_EQ(editor.DeleteSpanEnd(7), 7);
}

TEST_F(EditorTest, AnUnknownKindShowsItsPlaceholderLabel)
{
    Put(12, 0);  // ExtType 24 + BaseType 7: no kind
    Open();
    EXPECT_EQ(Row(12).factoryText, "012 BLA-BLA-BLA");
    EXPECT_EQ(Row(12).enableCaption, "###");
    EXPECT_EQ(Row(12).colorBack, LightGrey) << "the swatch keeps the colour it was made with";
}

TEST_F(EditorTest, RefreshingARangeResetsItsFreeAddressesAndCountsTheWholeTable)
{
    for (int a = 1; a <= 10; ++a) Put(a, DeviceKind::InputDevice);
    Open();
    DeviceDataArrayEdit[3].Exist = "0";
    DeviceDataArrayEdit[3].DeviceName = "OLD";
    editor.FormOrLineCreateFromVaribles(3, 4);
    EXPECT_FALSE(Row(3).exist);
    EXPECT_EQ(DeviceDataArrayEdit[3].DeviceName.str(), "0               ") << "its working record is reset";
    EXPECT_EQ(CurrentRow, 3);
    EXPECT_EQ(editor.Label3(), "Captured : 9 / Available : 117");
}

TEST_F(EditorTest, OneRowIsMarkedAtATime)
{
    Put(5, DeviceKind::SmokeDetector);
    Open();
    editor.MarkCurrentLine(5);
    editor.MarkCurrentLine(9);
    EXPECT_EQ(Row(5).numberBack, Row(5).inOutBack);
    EXPECT_FALSE(Row(5).numberBold);
    EXPECT_EQ(Row(5).numberPoints, 10);
    EXPECT_EQ(Row(5).nameBack, White);
    EXPECT_EQ(Row(9).numberBack, Red);
    EXPECT_TRUE(Row(9).numberBold);
    EXPECT_EQ(Row(9).numberPoints, 12);
    EXPECT_EQ(Row(9).nameBack, Yellow);
    EXPECT_EQ(Row(10).nameBack, Grey);
}

// ---- Closing ----

TEST_F(EditorTest, YesCommitsRowsNamesAndGroups)
{
    Put(5, DeviceKind::SmokeDetector);
    Put(6, DeviceKind::HeatDetector);
    Put(7, DeviceKind::InputDevice);
    Put(8, DeviceKind::InputDevice, 1, {}, "KEEP");
    Put(40, DeviceKind::Output);
    Open();
    editor.Row(6).nameText = QString(16, ' ');
    editor.Row(7).nameText = "   ";
    editor.Row(40).exist = false;  // as a deletion leaves it
    editor.OutGrpArrayEdit[2].Trigger = "2";
    prompter.Expect("Save data ?", Ui::vbYes);

    EXPECT_EQ(editor.Form_QueryUnload(), DevicesEditor::Close::Committed);
    EXPECT_EQ(prompter.Calls().back().title, "Exit device settings");
    EXPECT_EQ(prompter.Calls().back().buttons(), Ui::vbYesNoCancel);
    EXPECT_EQ(DeviceDataArray[5].DeviceName.str(), "SMOKE DET   5   ");
    EXPECT_EQ(DeviceDataArray[6].DeviceName.str(), "HEAT DET    6   ");
    EXPECT_EQ(DeviceDataArray[7].DeviceName.str(), "                ") << "a few blanks are a name";
    EXPECT_EQ(DeviceDataArray[8].DeviceName.str(), "KEEP            ");
    for (int a : {5, 6, 7, 8}) EXPECT_EQ(DeviceDataArray[size_t(a)].NameExist.str(), "1");
    EXPECT_EQ(DeviceDataArray[5].FactoryName.str(), "005 SMOKE DET  #");
    EXPECT_EQ(DeviceDataArray[40].Exist.str(), "0") << "an address freed in the window is freed in the project";
    EXPECT_EQ(OutGrpArray[2].Trigger.str(), "2");
    EXPECT_TRUE(DataChanged);
    EXPECT_EQ(NumOfDevices.str(), "004");
}

TEST_F(EditorTest, AnEmptyTableCommitsACountOfZero)
{
    Open();
    prompter.Expect(Ui::vbYes);
    editor.Form_QueryUnload();
    EXPECT_EQ(NumOfDevices.str(), "000");
}

TEST_F(EditorTest, NoDiscardsAndCancelStays)
{
    Put(5, DeviceKind::SmokeDetector, 1, {}, "ORIGINAL");
    Group(1, 1, {5});
    const auto project = DeviceDataArray;
    const auto groups = OutGrpArray;
    NumOfDevices = "001";
    Open();
    editor.Row(5).nameText = "CHANGED";
    editor.OutGrpArrayEdit[1].OutCount = "0";

    prompter.Expect(Ui::vbCancel);
    EXPECT_EQ(editor.Form_QueryUnload(), DevicesEditor::Close::Stay);
    EXPECT_EQ(editor.Row(5).nameText, "CHANGED");
    EXPECT_EQ(DeviceDataArrayEdit[5].Exist.str(), "1");

    prompter.Expect(Ui::vbNo);
    EXPECT_EQ(editor.Form_QueryUnload(), DevicesEditor::Close::Discarded);
    EXPECT_EQ(DeviceDataArray, project);
    EXPECT_EQ(OutGrpArray, groups);
    EXPECT_EQ(DeviceDataArrayEdit[5].Exist.str(), "0") << "the working copy is emptied";
    EXPECT_EQ(NumOfDevices.str(), "001");
    EXPECT_FALSE(DataChanged);
}

TEST_F(EditorTest, TheSaveQuestionSpeaksHebrew)
{
    UILanguage = 1;
    Open();
    prompter.Expect(QStringLiteral(u"לשמור נתונים ?"), Ui::vbCancel);
    editor.Form_QueryUnload();
    EXPECT_EQ(prompter.Calls().back().title, QStringLiteral(u"יציאה מהגדרות התקנים"));
    EXPECT_TRUE(prompter.Calls().back().rightToLeft());
}

}  // namespace
