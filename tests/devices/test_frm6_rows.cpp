// The devices window's rows follow from the working table alone, whatever came before: a
// cancelled second panel leaves no stretched or hidden delete button behind, a delete removes
// the device of its own row and no other, and the name boxes show names without their padding.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "DevicesFixture.h"
#include "ScriptedPrompter.h"
#include "core/CSetting.h"
#include "core/ProjectWhole.h"
#include "panellink/UploadCheck.h"
#include "devices/frm6NamesAndSettings.h"
#include "devices/frm6NamesAndSettings_Controls.h"
#include "devices/frm6NamesAndSettings_TypePanel.h"
#include "projectfile/ProjectFile.h"

namespace {

class RowsWindowTest : public DevicesFixture {
protected:
    static TypePanelControls& P(frm6NamesAndSettings& w) { return w.TypePanelView(); }
    static bool PanelShown(frm6NamesAndSettings& w) { return !w.Picture3->isHidden(); }
    static void Show(frm6NamesAndSettings& w)
    {
        w.show();
        QApplication::setActiveWindow(&w);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    }
    // A new two-address relay on a and a + 1 whose second panel is cancelled.
    static void CancelledRelay(frm6NamesAndSettings& w, int a)
    {
        w.EnableDevice[size_t(a)]->click();
        P(w).Option2[3]->click();
        P(w).SettingOption(1, 2)->click();  // two addresses
        P(w).Command12->click();
        ASSERT_TRUE(PanelShown(w)) << "the second panel";
        P(w).Command13->click();
        ASSERT_FALSE(PanelShown(w));
    }
    // A new smoke detector on a, stored with the panel's defaults.
    static void Smoke(frm6NamesAndSettings& w, int a)
    {
        w.EnableDevice[size_t(a)]->click();
        ASSERT_TRUE(PanelShown(w));
        P(w).Option1[1]->click();
        P(w).Command12->click();
        ASSERT_FALSE(PanelShown(w));
    }
    // Presses the delete button of row a, Yes to both questions.
    void Delete(frm6NamesAndSettings& w, int a, const QString& question)
    {
        prompter.Expect(question, Ui::vbYes);
        prompter.Expect("Delete name/names ???", Ui::vbYes);
        w.DisableDevice[size_t(a)]->click();
        EXPECT_EQ(prompter.Pending(), 0);
    }

    ScriptedPrompter prompter;
};

TEST_F(RowsWindowTest, ACancelledSecondPanelLeavesBothRowsAsFreeRows)
{
    frm6NamesAndSettings w;
    w.Command11->click();
    CancelledRelay(w, 40);
    for (int a : {40, 41}) {
        SCOPED_TRACE(a);
        EXPECT_EQ(w.DisableDevice[size_t(a)]->height(), 25);
        EXPECT_FALSE(w.DisableDevice[size_t(a)]->isHidden());
        EXPECT_FALSE(w.DisableDevice[size_t(a)]->isEnabled());
        EXPECT_EQ(w.EnableDevice[size_t(a)]->text(), "Enable");
    }
    // Two single devices on those addresses each have their own button.
    Smoke(w, 40);
    Smoke(w, 41);
    for (int a : {40, 41}) {
        SCOPED_TRACE(a);
        EXPECT_EQ(w.DisableDevice[size_t(a)]->height(), 25);
        EXPECT_FALSE(w.DisableDevice[size_t(a)]->isHidden());
        EXPECT_TRUE(w.DisableDevice[size_t(a)]->isEnabled());
    }
}

TEST_F(RowsWindowTest, ADeleteRemovesTheDeviceOfItsRowAndNoOther)
{
    // A single device before and after each of the multi-address devices, so a span too long or
    // too short shows on a neighbour.
    struct Case {
        const char* what;
        int kind, parts;
        QString question;
    };
    const Case cases[] = {
        {"a single device", DeviceKind::SmokeDetector, 1, "You are about to delete addresses 20"},
        {"a two-address relay", DeviceKind::Relay, 2, "You are about to delete 2 addresses : 20, 21"},
        {"a four-zone card", DeviceKind::FourZoneCard, 4, "You are about to delete 4 addresses : 20, 21, 22, 23"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ResetModule::ResetDevices(1, MaxAddress, 1);
        Put(19, DeviceKind::InputDevice);
        for (int p = 0; p < c.parts; ++p)
            Put(20 + p, c.kind, c.parts == 1 ? 1 : c.parts == 2 ? 2 + p : p);
        Put(20 + c.parts, DeviceKind::InputDevice);
        frm6NamesAndSettings w;
        w.Command11->click();
        Delete(w, 20, c.question);
        for (int a = 20; a < 20 + c.parts; ++a) EXPECT_EQ(DeviceDataArrayEdit[a].Exist, "0") << a;
        EXPECT_EQ(DeviceDataArrayEdit[19].Exist, "1");
        EXPECT_EQ(DeviceDataArrayEdit[20 + c.parts].Exist, "1");
        EXPECT_TRUE(w.ExistDeviceYesNo[size_t(20 + c.parts)]->isChecked());
    }
}

// The fault seen by users: after a cancelled second panel, two single devices put on its
// addresses, and the delete of the first took the second with it.
TEST_F(RowsWindowTest, AfterACancelledSecondPanelTheDeleteOfOneDeviceKeepsItsNeighbour)
{
    frm6NamesAndSettings w;
    w.Command11->click();
    CancelledRelay(w, 40);
    Smoke(w, 40);
    Smoke(w, 41);
    Delete(w, 40, "You are about to delete addresses 40");
    EXPECT_EQ(DeviceDataArrayEdit[40].Exist, "0");
    EXPECT_EQ(DeviceDataArrayEdit[41].Exist, "1");
    EXPECT_TRUE(w.ExistDeviceYesNo[41]->isChecked());
    EXPECT_EQ(w.EnableDevice[41]->text(), "-1-");
    EXPECT_EQ(w.Label3->text(), "Captured : 1 / Available : 125");
    prompter.Expect("Save data ?", Ui::vbYes);
    w.close();
    EXPECT_EQ(DeviceDataArray[41].Exist, "1");
    EXPECT_EQ(NumOfDevices, "001");
}

// Yes leaves counts that are recounts: the device count and the groups still in use.
TEST_F(RowsWindowTest, YesLeavesAWholeProjectThatTheUploadCheckAccepts)
{
    Put(3, DeviceKind::SmokeDetector, 1, {1, 2});
    Put(8, DeviceKind::Output);
    Put(9, DeviceKind::Relay);
    Group(1, 1, {8});
    Group(2, 1, {9, 201});
    ProjectWhole::Recount();
    ASSERT_EQ(NumOfActiveGroups, 2);
    frm6NamesAndSettings w;
    w.Command11->click();
    Delete(w, 8, "You are about to delete addresses 8");  // group 1 loses its only output
    prompter.Expect("Save data ?", Ui::vbYes);
    w.close();
    EXPECT_EQ(NumOfDevices, "002");
    EXPECT_EQ(NumOfActiveGroups, 1);
    EXPECT_FALSE(ProjectWhole::CheckProject().any());
    EXPECT_FALSE(FirstUnencodableRecord().has_value());
}

TEST_F(RowsWindowTest, NamesShowWithoutTheirPaddingAndTypingAtTheEndAppends)
{
    Put(5, DeviceKind::FourZoneCard, 0, {}, "ZONE CARD A");
    for (int p = 1; p < 4; ++p) Put(5 + p, DeviceKind::FourZoneCard, p, {}, QString(16, ' '));
    Put(12, DeviceKind::SmokeDetector, 1, {}, "SIXTEEN CHARS 16");
    const auto project = DeviceDataArray;
    ASSERT_EQ(project[5].DeviceName.str(), "ZONE CARD A     ") << "the record holds the fixed width";
    frm6NamesAndSettings w;
    Show(w);
    w.Command11->click();
    EXPECT_EQ(w.NewName[5]->text(), "ZONE CARD A");
    EXPECT_EQ(w.NewName[6]->text(), "");
    EXPECT_EQ(w.NewName[12]->text(), "SIXTEEN CHARS 16");

    w.NewName[5]->setFocus(Qt::OtherFocusReason);
    w.NewName[5]->end(false);
    QTest::keyClicks(w.NewName[5], " Z");
    EXPECT_EQ(w.NewName[5]->text(), "ZONE CARD A Z");
    QTest::keyClicks(w.NewName[5], "1234");  // up to sixteen characters, no more
    EXPECT_EQ(w.NewName[5]->text(), "ZONE CARD A Z123");
    w.NewName[12]->setFocus(Qt::OtherFocusReason);
    EXPECT_EQ(DeviceDataArrayEdit[5].DeviceName.str(), "ZONE CARD A Z123");
    EXPECT_EQ(w.NewName[5]->text(), "ZONE CARD A Z123");

    // Untouched names go back into the records as they came, padded to their width.
    prompter.Expect("Save data ?", Ui::vbYes);
    w.close();
    EXPECT_EQ(DeviceDataArray[12].DeviceName.str(), project[12].DeviceName.str());
    EXPECT_EQ(DeviceDataArray[5].DeviceName.str(), "ZONE CARD A Z123");
    // Blanks alone are no name: those devices get their default names.
    EXPECT_EQ(DeviceDataArray[6].DeviceName, DevicesEditor::DefaultName("006 DET-LINE-2 #", 6));
}

TEST_F(RowsWindowTest, OpeningAndClosingWithYesLeavesTheProjectFileAsItWas)
{
    for (int a = 1; a <= 20; ++a) Put(a, DeviceKind::SmokeDetector, 1, {}, a % 2 ? "ROOM " + Str(a) : "HALL");
    Put(30, DeviceKind::Output, 1, {}, QStringLiteral(u"פעמון"));
    NumOfDevices = "021";
    CSetting before;
    ASSERT_TRUE(ProjectFile::Write(before, ProjectFile::CurrentHeader(), nullptr));
    const QByteArray bytes = Bytes(ProjectPath());
    {
        frm6NamesAndSettings w;
        w.Command11->click();
        EXPECT_EQ(w.NewName[1]->text(), "ROOM 1");
        prompter.Expect("Save data ?", Ui::vbYes);
        w.close();
    }
    CSetting after;
    ASSERT_TRUE(ProjectFile::Write(after, ProjectFile::CurrentHeader(), nullptr));
    // The file's own time stamp aside, the bytes are the same.
    const auto body = [](QByteArray b) { return b.mid(b.indexOf("SoftName")); };
    EXPECT_EQ(body(Bytes(ProjectPath())), body(bytes));
}

}  // namespace
