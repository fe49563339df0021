// The name boxes of the devices window's model: the check on leaving a box and the keys.
#include <gtest/gtest.h>

#include "DevicesFixture.h"
#include "ScriptedPrompter.h"
#include "devices/DevicesEditor.h"

namespace {

class NamesTest : public DevicesFixture {
protected:
    void Open(std::initializer_list<int> devices)
    {
        for (int a : devices) Put(a, DeviceKind::SmokeDetector, 1, {}, "OLD " + Str(a));
        editor.Form_Load();
    }
    QString Leave(int a, const QString& typed)
    {
        editor.Row(a).nameText = typed;
        editor.NewName_LostFocus(a);
        return editor.Row(a).nameText;
    }

    DevicesEditor editor;
    ScriptedPrompter prompter;
};

TEST_F(NamesTest, LeavingABoxStoresTheCheckedName)
{
    Open({5});
    EXPECT_EQ(Leave(5, "lobby 2"), "LOBBY 2");
    EXPECT_EQ(DeviceDataArrayEdit[5].DeviceName.str(), "LOBBY 2         ");
    EXPECT_EQ(DeviceDataArrayEdit[5].NameExist.str(), "1");
    EXPECT_EQ(CurrentRow, 5);
    EXPECT_TRUE(prompter.Calls().empty());

    EXPECT_EQ(Leave(5, ""), "") << "an empty name is a name; the commit gives the default";
    EXPECT_EQ(DeviceDataArrayEdit[5].DeviceName.str(), QString(16, ' '));
    EXPECT_EQ(DeviceDataArrayEdit[5].NameExist.str(), "1");
}

TEST_F(NamesTest, ARefusedNameKeepsWhatTheCheckCleaned)
{
    Open({5});
    prompter.Expect(Ui::vbOK);  // the check explains the characters
    EXPECT_EQ(Leave(5, "hall$%b"), "HALLB");
    EXPECT_EQ(DeviceDataArrayEdit[5].DeviceName.str(), "HALLB           ");

    prompter.Expect(Ui::vbOK);  // one letter
    EXPECT_EQ(Leave(5, "x"), "");
    prompter.Expect(Ui::vbOK);  // the characters; what is left is one letter, refused as well
    EXPECT_EQ(Leave(5, "x%"), "");
    EXPECT_EQ(DeviceDataArrayEdit[5].DeviceName.str(), QString(16, ' '));
    EXPECT_EQ(prompter.Pending(), 0);
}

TEST_F(NamesTest, CtrlDigitsCopyTheNameOfARowAbove)
{
    Open({1, 2, 3, 4, 6});
    struct Case {
        int row, digit;
        QString expected;
    };
    const Case cases[] = {
        {4, 1, "OLD 3"}, {4, 2, "OLD 2"}, {4, 3, "OLD 1"},
        {1, 1, "OLD 1"}, {2, 2, "OLD 2"}, {3, 3, "OLD 3"},  // no row that far up
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.row * 10 + c.digit);
        editor.Form_Load();
        const auto effect = editor.NewName_KeyDown(c.row, 48 + c.digit, 2);
        EXPECT_EQ(editor.Row(c.row).nameText, c.expected);
        EXPECT_EQ(effect.textCopied, c.row > c.digit);
        EXPECT_EQ(effect.focusRow, 0);
    }
    // Only Ctrl alone, only the digits of the main keyboard.
    EXPECT_FALSE(editor.NewName_KeyDown(4, 49, 3).handled);
    EXPECT_FALSE(editor.NewName_KeyDown(4, 97, 2).handled);
    EXPECT_EQ(editor.Row(4).nameText, "OLD 4");
    // A free row's box copies as empty.
    editor.NewName_KeyDown(6, 49, 2);
    EXPECT_EQ(editor.Row(6).nameText, "");
}

TEST_F(NamesTest, UpAndDownGoToTheNextDeviceAndWrapAround)
{
    Open({3, 7, 20});
    struct Case {
        int row, key, expected;
    };
    const Case cases[] = {{20, 40, 3}, {3, 38, 20}, {7, 40, 20}, {7, 38, 3}, {3, 40, 7}, {20, 38, 7}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.row * 100 + c.key);
        const auto effect = editor.NewName_KeyDown(c.row, c.key, 1);
        EXPECT_TRUE(effect.handled);
        EXPECT_EQ(effect.focusRow, c.expected);
    }
}

TEST_F(NamesTest, WithOneDeviceUpAndDownStayInItsBox)
{
    Open({9});
    EXPECT_EQ(editor.NewName_KeyDown(9, 40, 0).focusRow, 9);
    EXPECT_EQ(editor.NewName_KeyDown(9, 38, 0).focusRow, 9);
}

}  // namespace
