// The administrator area through its controls: the entry code, the tabs, the value boxes, the
// sensitivity double click, the model and language switches, the alarm/fault card switch, the
// error label and the verification panel.
#include <gtest/gtest.h>

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

#include "platform/VbColor.h"
#include "test_admin_fixture.h"

namespace {

using AdminTest = AdminWindowTest;

// Administrator mode through the hidden hot spot and the code.
void EnterAdmin(frm4Main& w)
{
    w.Label24->click();
    AdminWindowTest::Focus(w.Text3, true);
    QTest::keyClicks(w.Text3, "58316");
}

std::vector<int> TabHeights(const frm4Main& w)
{
    std::vector<int> h;
    for (QFrame* p : w.Picture10) h.push_back(p->height());
    return h;
}

}  // namespace

TEST_F(AdminTest, TheCodeSwitchesAdministratorModeOnAtTheKeystrokeThatCompletesIt)
{
    frm4Main w;
    EXPECT_FALSE(w.Frame1->isVisibleTo(&w));
    w.Label24->click();
    ASSERT_TRUE(w.Frame1->isVisibleTo(&w));
    EXPECT_EQ(w.Frame1->pos(), QPoint(0, 0));
    EXPECT_EQ(w.Text3->text(), "password");
    Focus(w.Text3, true);
    EXPECT_EQ(w.Text3->text(), "");

    for (const char c : std::string("5831")) {
        QTest::keyClick(w.Text3, c);
        EXPECT_FALSE(AdminMode) << "after " << c;
    }
    QTest::keyClick(w.Text3, '6');
    EXPECT_TRUE(AdminMode);
    EXPECT_FALSE(w.Frame1->isVisibleTo(&w));
    EXPECT_TRUE(w.Command2->isVisibleTo(&w));
    EXPECT_TRUE(w.MaxMinAdminWindow->isVisibleTo(&w));
    EXPECT_EQ(w.WidthTwips(), 16350);

    // Further keys and leaving the box change nothing.
    QTest::keyClick(w.Text3, '7');
    Focus(w.Text3, false);
    EXPECT_TRUE(AdminMode);
    EXPECT_EQ(w.WidthTwips(), 16350);
    EXPECT_TRUE(prompter.Calls().empty());
}

TEST_F(AdminTest, AWrongCodeClosesTheFrameWhenTheBoxLosesTheFocus)
{
    for (const QString code : {"", "5831", "58317", "68316", "5831 6"}) {
        frm4Main w;
        w.Label24->click();
        Focus(w.Text3, true);
        QTest::keyClicks(w.Text3, code);
        // A message box or another program taking the focus is not leaving the box.
        Focus(w.Text3, false, Qt::ActiveWindowFocusReason);
        EXPECT_TRUE(w.Frame1->isVisibleTo(&w)) << code.toStdString();
        Focus(w.Text3, false);
        EXPECT_FALSE(AdminMode) << code.toStdString();
        EXPECT_FALSE(w.Frame1->isVisibleTo(&w)) << code.toStdString();
        EXPECT_EQ(w.WidthTwips(), 13590);
    }
    EXPECT_TRUE(prompter.Calls().empty()) << "a wrong code gives no message";
}

TEST_F(AdminTest, LeavingAdministratorModeClosesAnOpenDeviceTable)
{
    frm4Main w;
    EnterAdmin(w);
    ASSERT_TRUE(AdminMode);
    w.AdminLbl[6]->click();
    ASSERT_EQ(w.Picture10[6]->height(), 310);
    w.Command2->click();
    EXPECT_FALSE(AdminMode);
    EXPECT_EQ(w.Picture10[6]->height(), 35);
    EXPECT_EQ(w.Picture10[6]->geometry(), QRect(910, 240, 175, 35));
    EXPECT_EQ(w.WidthTwips(), 13590);
    EXPECT_FALSE(w.Command2->isVisibleTo(&w));
    EXPECT_FALSE(w.MaxMinAdminWindow->isVisibleTo(&w));
}

TEST_F(AdminTest, TabsOpenOneAtATimeAndAnOpenTabClosesOnItsClick)
{
    frm4Main w;
    const std::vector<int> closed(7, 35);
    w.AdminLbl[4]->click();
    EXPECT_EQ(TabHeights(w), (std::vector<int>{35, 35, 35, 35, 200, 35, 35}));
    EXPECT_EQ(w.Picture10[4]->y(), 30 + 4 * 35);
    EXPECT_EQ(w.Picture10[5]->y(), 30 + 5 * 35 + 165);
    EXPECT_EQ(w.Picture10[3]->y(), 30 + 3 * 35);

    w.AdminLbl[2]->click();  // another tab: that one opens instead
    EXPECT_EQ(TabHeights(w), (std::vector<int>{35, 35, 200, 35, 35, 35, 35}));
    w.AdminLbl[2]->click();
    EXPECT_EQ(TabHeights(w), closed);

    // While the device table is open, any tab only closes it.
    w.AdminLbl[6]->click();
    EXPECT_EQ(w.Picture10[6]->geometry(), QRect(435, 240, 650, 310));
    w.AdminLbl[2]->click();
    EXPECT_EQ(TabHeights(w), closed);
    EXPECT_EQ(w.Picture10[6]->geometry(), QRect(910, 240, 175, 35));
    w.AdminLbl[6]->click();
    w.AdminLbl[6]->click();
    EXPECT_EQ(TabHeights(w), closed);
}

TEST_F(AdminTest, EveryTabClickShowsTheLastErrorWithItsProcedure)
{
    frm4Main w;
    ErrLocation = "0x000022";
    w.AdminLbl[5]->click();
    EXPECT_EQ(w.Label37->text(), "0x000022\r\nsndCmd");
    ErrLocation = "0x000000";
    QTest::mouseDClick(w.Label37, Qt::LeftButton);
    EXPECT_EQ(w.Label37->text(), "0x000000\r\nNO ERROR");
}

TEST_F(AdminTest, ValueBoxesAcceptWholeNumbersUpTo255AndKeepTheOldValueOtherwise)
{
    frm4Main w;
    for (const QString bad : {"12abc", "256", "-1", "", "1.5", " ", "0x10"}) {
        prompter.Expect("whole number from 0 to 255", Ui::vbOK);
        Enter(w.HighSens, bad);
        EXPECT_EQ(w.HighSens->text(), "50") << bad.toStdString();
    }
    for (const QString good : {"0", "255", "7"}) {
        Enter(w.InputAlarmValTxt, good);
        EXPECT_EQ(w.InputAlarmValTxt->text(), good);
    }
    // A refused text afterwards brings back the last accepted one, not the design value.
    prompter.Expect("whole number from 0 to 255", Ui::vbOK);
    Enter(w.InputAlarmValTxt, "x");
    EXPECT_EQ(w.InputAlarmValTxt->text(), "7");

    // The Default buttons write their values, which count as accepted.
    for (QLineEdit* box : {w.HighSens, w.MediumSens, w.LowSens, w.High2Medium, w.Medium2Low}) box->setText("1");
    w.DefaultSensitivity->click();
    EXPECT_EQ(w.HighSens->text() + w.MediumSens->text() + w.LowSens->text() + w.High2Medium->text() + w.Medium2Low->text(),
              "5065855575");
    w.InputPREAlarmValTxt->setText("9");
    w.Command8->click();
    EXPECT_EQ(w.InputAlarmValTxt->text(), "64");
    EXPECT_EQ(w.InputPREAlarmValTxt->text(), "64");
    prompter.Expect("מספר שלם", Ui::vbOK);
    UILanguage = 1;
    Enter(w.InputPREAlarmValTxt, "300");
    EXPECT_EQ(w.InputPREAlarmValTxt->text(), "64");
    EXPECT_TRUE(prompter.Calls().back().rightToLeft());
}

TEST_F(AdminTest, SensitivityDoubleClickChangesTheSmokeDetectorsInUseAndCountsThem)
{
    Device(3, DeviceKind::SmokeDetector);
    Device(12, DeviceKind::SmokeDetector);
    Device(7, DeviceKind::HeatDetector);
    DeviceDataArray[20].ExtType = "00";  // a smoke detector's type on a free address
    DeviceDataArray[20].BaseType = "5";
    frm4Main w;
    Enter(w.MediumSens, "45");

    prompter.Expect(Ui::vbOK);
    QTest::mouseDClick(w.SensLbl[1], Qt::LeftButton);
    EXPECT_EQ(prompter.Calls().back().prompt, "Number of detectors: 2\r,003,012");
    EXPECT_EQ(prompter.Calls().back().buttons(), Ui::vbOKOnly);
    EXPECT_EQ(DeviceDataArray[3].AlarmValue, "45");
    EXPECT_EQ(DeviceDataArray[12].AlarmValue, "45");
    EXPECT_EQ(DeviceDataArray[7].AlarmValue, "64");
    EXPECT_EQ(DeviceDataArray[20].AlarmValue, "64");
    EXPECT_EQ(::MediumSens, 45);

    // Alarm and PreAlarm only count and list.
    DeviceDataArray[3].AlarmValue = "50";
    prompter.Expect("Number of detectors: 2\r,003,012", Ui::vbOK);
    QTest::mouseDClick(w.SensLbl[4], Qt::LeftButton);
    EXPECT_EQ(DeviceDataArray[3].AlarmValue, "50");
}

TEST_F(AdminTest, SensitivityDoubleClickWithoutDetectorsOrWithABadBox)
{
    frm4Main w;
    Enter(w.HighSens, "40");
    prompter.Expect(Ui::vbOK);
    QTest::mouseDClick(w.SensLbl[0], Qt::LeftButton);
    EXPECT_EQ(prompter.Calls().back().prompt, "Number of detectors: 0\r");
    EXPECT_EQ(::HighSens, 50) << "no detector: the shared value is not updated";

    // A text typed but never accepted is refused before anything changes.
    Device(3, DeviceKind::SmokeDetector);
    w.LowSens->setText("9x");
    prompter.Expect("whole number", Ui::vbOK);
    QTest::mouseDClick(w.SensLbl[2], Qt::LeftButton);
    EXPECT_EQ(w.LowSens->text(), "85");
    EXPECT_EQ(DeviceDataArray[3].AlarmValue, "64");
    EXPECT_EQ(prompter.Pending(), 0);
}

TEST_F(AdminTest, TheModelSwitchGoesBothWays)
{
    Device(50, DeviceKind::InputDevice);
    frm4Main w;
    w.Command13->click();
    EXPECT_EQ(MaxNumOfDevices, 50);
    EXPECT_EQ(w.Command13->text(), "50");
    EXPECT_EQ(w.windowTitle(), "Tessel50");
    w.Command13->click();
    EXPECT_EQ(MaxNumOfDevices, 126);
    EXPECT_EQ(w.Command13->text(), "126");
    EXPECT_EQ(w.windowTitle(), "Tessel126");
    EXPECT_EQ(DeviceDataArray[50].Exist, "1");
    EXPECT_TRUE(prompter.Calls().empty());
}

TEST_F(AdminTest, TheModelSwitchRefusesFiftyAddressesWhileDevicesStandAbove50)
{
    Device(51, DeviceKind::SmokeDetector);
    frm4Main w;
    prompter.Expect("Please delete all devices above address 50", Ui::vbOK);
    w.Command13->click();
    EXPECT_EQ(prompter.Calls().back().title, "Error");
    EXPECT_EQ(MaxNumOfDevices, 126);
    EXPECT_EQ(w.Command13->text(), "126");
    EXPECT_EQ(w.windowTitle(), "Tessel126");
    EXPECT_EQ(DeviceDataArray[51].Exist, "1");

    UILanguage = 1;
    prompter.Expect(QStringLiteral("יש למחוק את כל ההתקנים מעל כתובת 50"), Ui::vbOK);
    w.Command13->click();
    EXPECT_EQ(prompter.Calls().back().title, QStringLiteral("שגיאה"));
    EXPECT_EQ(MaxNumOfDevices, 126);
}

TEST_F(AdminTest, TheLanguageFlagButtonChangesOnlyTheFlag)
{
    frm4Main w;
    ASSERT_EQ(w.Command16->text(), QStringLiteral("ע"));
    w.Command16->click();
    EXPECT_EQ(w.Command16->text(), "E");
    EXPECT_EQ(UILanguage, 2);
    w.Command16->click();
    EXPECT_EQ(w.Command16->text(), QStringLiteral("ע"));
    EXPECT_EQ(UILanguage, 1);
    EXPECT_EQ(w.UpDateCmd->text(), "Update") << "no window is re-captioned";
}

TEST_F(AdminTest, TheAlarmFaultCardSwitchFlipsEachCardOnItsOwn)
{
    frm4Main w;
    const uint32_t before = VbColor::BackColor(w.Command15);
    w.Command15->click();  // no card: nothing changes
    EXPECT_EQ(VbColor::BackColor(w.Command15), before);

    Device(10, DeviceKind::AlarmFaultCard, "02");
    Device(11, DeviceKind::AlarmFaultCard, "03");
    Device(20, DeviceKind::AlarmFaultCard, "02");
    Device(21, DeviceKind::AlarmFaultCard, "03");
    DeviceDataArray[21].IsNotUseInAlarm = "1";
    w.Command15->click();
    EXPECT_EQ(DeviceDataArray[10].IsNotUseInAlarm, "0") << "the card's first address is left alone";
    EXPECT_EQ(DeviceDataArray[11].IsNotUseInAlarm, "1");
    EXPECT_EQ(DeviceDataArray[21].IsNotUseInAlarm, "0");
    EXPECT_EQ(VbColor::BackColor(w.Command15), 0xFFFFFFu) << "the colour of the last card flipped";
    DeviceDataArray[21].Exist = "0";
    DeviceDataArray[21].ExtType = "00";
    w.Command15->click();
    EXPECT_EQ(DeviceDataArray[11].IsNotUseInAlarm, "0");
    EXPECT_EQ(VbColor::BackColor(w.Command15), 0xFFFFFFu);
    w.Command15->click();
    EXPECT_EQ(VbColor::BackColor(w.Command15), 0x8080FFu);
}

TEST_F(AdminTest, ANewMainWindowShowsNoVerificationOfAnEarlierOne)
{
    // An upload from an earlier main window left its differences and its blinking button.
    LinkView.txtVerSoftNum = "02.00";
    LinkView.List1 = QStringList{"Add address 12 - x"};
    LinkView.Command7Visible = true;
    LinkView.Command7Caption = "Data mismatch";
    LinkView.Timer1Enabled = true;

    frm4Main w;
    w.show();
    // The next panel operation shows the window's view at its first step.
    w.ShowLinkView();
    EXPECT_FALSE(w.Command7->isVisible());
    EXPECT_FALSE(w.Timer1->isActive());
    EXPECT_EQ(w.List1->count(), 0);
    EXPECT_TRUE(w.txtVerSoftNum->text().isEmpty());
}

TEST_F(AdminTest, TheVerificationButtonBlinksAndOpensItsPanelOverTheWindow)
{
    frm4Main w;
    w.show();
    LinkView.List1 = QStringList{"Add address 12 - x", "Delete address 30 - y"};
    LinkView.Command7Visible = true;
    LinkView.Command7Caption = "Data mismatch";
    LinkView.Timer1Enabled = true;
    w.ShowLinkView();
    EXPECT_TRUE(w.Command7->isVisible());
    EXPECT_EQ(w.Command7->text(), "Data mismatch");
    EXPECT_TRUE(w.Timer1->isActive());
    ASSERT_EQ(w.List1->count(), 2);
    EXPECT_EQ(w.List1->item(1)->text(), "Delete address 30 - y");

    SendAllowed = true;
    w.Timer1_Timer();
    EXPECT_EQ(VbColor::BackColor(w.Command7), 0x00FFFFu);
    w.Timer1_Timer();
    EXPECT_EQ(VbColor::BackColor(w.Command7), 0xE0E0E0u);
    SendAllowed = false;
    w.Timer1_Timer();
    EXPECT_EQ(VbColor::BackColor(w.Command7), 0x0000FFu);

    w.Command7->click();
    EXPECT_TRUE(w.Picture6->isVisible());
    EXPECT_EQ(w.Picture6->geometry(), QRect(0, 0, 906, 628));
    EXPECT_EQ(w.Command5->geometry(), QRect(799, 561, 87, 27));
    EXPECT_FALSE(w.StatBar->isVisible());
    EXPECT_FALSE(w.Timer1->isActive());
    EXPECT_EQ(VbColor::BackColor(w.Command7), 0xE0E0E0u);
    w.Command5->click();
    EXPECT_FALSE(w.Picture6->isVisible());
    EXPECT_TRUE(w.StatBar->isVisible());

    LinkView = LinkWindowView{};
    w.ShowLinkView();
    EXPECT_FALSE(w.Command7->isVisible());
    EXPECT_FALSE(w.Timer1->isActive());
    EXPECT_EQ(w.List1->count(), 0);
}
