// The address-check tool: typed addresses to switches with their refusals, and switch clicks
// back to the address.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>

#include "mainwindow/AddressCheck.h"
#include "platform/VbColor.h"
#include "test_admin_fixture.h"

namespace {

using AddrCheckTest = AdminWindowTest;

// The switches (1..8) a window shows ON, checked against both halves and their captions.
std::vector<int> OnSwitches(const frm4Main& w)
{
    std::vector<int> on;
    for (int i = 0; i < 8; ++i) {
        const bool up = VbColor::BackColor(w.Bit1[i]) == 0xFFFFFFu;
        EXPECT_EQ(VbColor::BackColor(w.Bit0[i]), up ? 0u : 0xFFFFFFu) << "switch " << i + 1;
        EXPECT_EQ(w.Bit1[i]->text(), up ? "O\nN" : "") << "switch " << i + 1;
        EXPECT_EQ(w.Bit0[i]->text(), up ? "" : "O\nF\nF") << "switch " << i + 1;
        if (up) on.push_back(i + 1);
    }
    return on;
}

}  // namespace

TEST_F(AddrCheckTest, AddressesShowTheirSwitches)
{
    struct Case {
        QString typed;
        int model;
        std::vector<int> on;
        QString boxAfter;
        bool refused;
    };
    const std::vector<Case> cases{
        {"5", 126, {1, 3}, "5", false},
        {"126", 126, {2, 3, 4, 5, 6, 7}, "126", false},
        {"127", 126, {}, "", true},
        {"51", 50, {}, "", true},
        {"50", 50, {2, 5, 6}, "50", false},
        {"12abc", 126, {3, 4}, "12abc", false},
        {"0", 126, {}, "", false},
        {"abc", 126, {}, "", false},
        {"-5", 126, {}, "", true},
        {"99999", 126, {}, "", true},
    };
    for (const Case& c : cases) {
        MaxNumOfDevices = int16_t(c.model);
        frm4Main w;
        if (c.refused) prompter.Expect("Wrong number !!!", Ui::vbOK);
        const size_t boxesBefore = prompter.Calls().size();
        w.Text1->setText(c.typed);  // the whole text at once, as pasting puts it
        EXPECT_EQ(w.Text1->text(), c.boxAfter) << c.typed.toStdString();
        EXPECT_EQ(OnSwitches(w), c.on) << c.typed.toStdString();
        EXPECT_EQ(prompter.Calls().size() - boxesBefore, c.refused ? 1u : 0u) << c.typed.toStdString();
        EXPECT_EQ(prompter.Pending(), 0);
    }
}

TEST_F(AddrCheckTest, EveryKeystrokeRecomputes)
{
    frm4Main w;
    QTest::keyClicks(w.Text1, "12");
    EXPECT_EQ(OnSwitches(w), (std::vector<int>{3, 4}));
    QTest::keyClicks(w.Text1, "a");
    EXPECT_EQ(w.Text1->text(), "12a");
    EXPECT_EQ(OnSwitches(w), (std::vector<int>{3, 4}));
    QTest::keyClick(w.Text1, Qt::Key_Backspace);
    QTest::keyClick(w.Text1, Qt::Key_Backspace);
    EXPECT_EQ(OnSwitches(w), std::vector<int>{1});
    w.Command1->click();
    EXPECT_EQ(OnSwitches(w), std::vector<int>{1});
    EXPECT_TRUE(prompter.Calls().empty());
}

TEST_F(AddrCheckTest, TheComputeButtonAndTheHebrewMessage)
{
    UILanguage = 1;
    frm4Main w;
    w.Text1->setText("64");
    EXPECT_EQ(OnSwitches(w), std::vector<int>{7});
    prompter.Expect(QStringLiteral("מספר שגוי !!!"), Ui::vbOK);
    w.Text1->setText("200");
    EXPECT_TRUE(prompter.Calls().back().rightToLeft());
    EXPECT_EQ(w.Text1->text(), "");
    EXPECT_TRUE(OnSwitches(w).empty());
}

TEST_F(AddrCheckTest, ClickedSwitchesMakeTheAddress)
{
    frm4Main w;
    w.Bit0[0]->click();
    EXPECT_EQ(w.Text1->text(), "1");
    EXPECT_EQ(OnSwitches(w), std::vector<int>{1});
    w.Bit1[2]->click();  // the upper half of switch 3 turns it on as well
    EXPECT_EQ(w.Text1->text(), "5");
    EXPECT_EQ(OnSwitches(w), (std::vector<int>{1, 3}));
    w.Bit1[0]->click();
    w.Bit0[2]->click();
    EXPECT_EQ(w.Text1->text(), "") << "0 empties the box";
    EXPECT_TRUE(OnSwitches(w).empty());

    w.Bit0[7]->click();  // switch 8 is beyond every address
    w.Bit1[7]->click();
    EXPECT_EQ(w.Text1->text(), "");
    EXPECT_TRUE(OnSwitches(w).empty());
    EXPECT_TRUE(prompter.Calls().empty());
}

TEST_F(AddrCheckTest, ASwitchThatGoesBeyondTheModelIsRefused)
{
    MaxNumOfDevices = 50;
    frm4Main w;
    w.Text1->setText("5");
    prompter.Expect("Wrong number !!!", Ui::vbOK);
    w.Bit0[6]->click();  // + 64
    EXPECT_EQ(w.Text1->text(), "");
    EXPECT_TRUE(OnSwitches(w).empty());
    EXPECT_EQ(prompter.Calls().size(), 1u);
}

TEST(AddressCheckLogic, NumbersRoundToTheEvenNeighbourAndStayInRange)
{
    EXPECT_EQ(AddressCheck::FromText("2.5", 126).address, 2);
    EXPECT_EQ(AddressCheck::FromText("3.5", 126).address, 4);
    EXPECT_EQ(AddressCheck::FromText(" 7", 126).address, 7);
    EXPECT_FALSE(AddressCheck::FromText("-0.4", 126).refused);
    EXPECT_TRUE(AddressCheck::FromText("-0.6", 126).refused);
    EXPECT_TRUE(AddressCheck::FromText("1e10", 126).refused);
    EXPECT_EQ(AddressCheck::FromSwitches(AddressCheck::ToSwitches(126)), 126);
}
