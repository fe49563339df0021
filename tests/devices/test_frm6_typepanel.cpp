// The devices window's type panel driven through its controls: devices added from the rows and
// from the map, settings edited and stepped through, the second panel of a two-address device
// cancelled, the window closed while the panel is open; the names-import help panel.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTest>

#include "DevicesFixture.h"
#include "ScriptedPrompter.h"
#include "devices/frm6NamesAndSettings.h"
#include "devices/frm6NamesAndSettings_Controls.h"
#include "devices/frm6NamesAndSettings_TypePanel.h"
#include "platform/ClickLabel.h"
#include "platform/Shell.h"
#include "platform/VbColor.h"

namespace {

class PanelWindowTest : public DevicesFixture {
protected:
    void SetUp() override
    {
        DevicesFixture::SetUp();
        HighSens = 50, MediumSens = 65, LowSens = 85, High2Medium = 55, Medium2Low = 75;
        InputAlarmVal = 64, InputPREAlarmVal = 64;
    }

    static TypePanelControls& P(frm6NamesAndSettings& w) { return w.TypePanelView(); }
    static bool PanelShown(frm6NamesAndSettings& w) { return !w.Picture3->isHidden(); }
    static void Rows(frm6NamesAndSettings& w) { w.Command11->click(); }
    // Types a name into the panel's name box as the user does.
    static void TypeName(frm6NamesAndSettings& w, const QString& name)
    {
        QLineEdit* box = P(w).Text12;
        box->clear();
        QTest::keyClicks(box, name);
    }
    static void Show(frm6NamesAndSettings& w)
    {
        w.show();
        QApplication::setActiveWindow(&w);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    }
    static void Close(frm6NamesAndSettings& w, ScriptedPrompter& prompter, int answer)
    {
        prompter.Expect("Save data ?", answer);
        w.ExitCmd->click();
    }

    ScriptedPrompter prompter;
};

TEST_F(PanelWindowTest, SmokeDetectorAddedFromTheRows)
{
    frm6NamesAndSettings w;
    Rows(w);
    w.EnableDevice[5]->click();
    ASSERT_TRUE(PanelShown(w));
    TypePanelControls& p = P(w);
    EXPECT_EQ(p.Label9->text(), "Device 5 - Smoke Detector");
    EXPECT_EQ(p.Label19->text(), "HV-512-A-SH");
    EXPECT_EQ(p.Label10->text(), "Dip switch 8 OFF");
    EXPECT_TRUE(p.Option1[1]->isChecked());
    EXPECT_EQ(p.Option1[1]->text(), "Smoke Detector");
    EXPECT_EQ(VbColor::BackColor(p.Option1[1]), 0xFFFFFFu);
    EXPECT_EQ(VbColor::BackColor(p.Option1[2]), 0x0080FFu);
    EXPECT_EQ(VbColor::ForeColor(p.Option2[1]), 0xFFFFFFu);
    EXPECT_TRUE(p.Command15->isHidden());
    EXPECT_EQ(p.Command12->text(), "OK");
    EXPECT_EQ(p.SettingsFrame[1]->title(), "Sensitivity");
    EXPECT_TRUE(p.SettingOption(1, 2)->isChecked());
    EXPECT_TRUE(p.SettingsFrame[3]->isHidden());
    p.SettingOption(1, 1)->click();
    p.SettingOption(2, 2)->click();
    TypeName(w, "lobby");
    p.Command12->click();
    EXPECT_FALSE(PanelShown(w));
    EXPECT_TRUE(w.ExistDeviceYesNo[5]->isChecked());
    EXPECT_EQ(w.FactoryName[5]->text(), "005 SMOKE DET  #");
    EXPECT_EQ(w.NewName[5]->text(), "LOBBY");
    EXPECT_EQ(w.Label3->text(), "Captured : 1 / Available : 125");
    EXPECT_TRUE(prompter.Calls().empty());
    Close(w, prompter, Ui::vbYes);
    EXPECT_EQ(DeviceDataArray[5].AlarmValue, "85");
    EXPECT_EQ(DeviceDataArray[5].DeviceNeedVer, "1");
    EXPECT_EQ(DeviceDataArray[5].DeviceName, "LOBBY");
    EXPECT_EQ(NumOfDevices, "001");
}

// The panel's name box keeps nothing of a refused name when OK is pressed with it in the box.
TEST_F(PanelWindowTest, ARefusedNameInThePanelIsNotStored)
{
    frm6NamesAndSettings w;
    Rows(w);
    w.EnableDevice[5]->click();
    TypePanelControls& p = P(w);
    TypeName(w, "a$");
    prompter.Expect(Ui::vbOK);  // the check tells which characters are allowed
    p.Command12->click();
    ASSERT_FALSE(PanelShown(w));
    EXPECT_EQ(w.NewName[5]->text(), "");
    Close(w, prompter, Ui::vbYes);
    EXPECT_EQ(prompter.Pending(), 0);
    EXPECT_EQ(DeviceDataArray[5].Exist, "1");
    // Nothing of "a$" is stored: the commit gives the unnamed device its default name.
    EXPECT_EQ(DeviceDataArray[5].DeviceName.trimmed(), "SMOKE DET   5");
}

TEST_F(PanelWindowTest, TwoAddressOutputAddedFromTheMap)
{
    frm6NamesAndSettings w;
    ASSERT_FALSE(w.Picture2->isHidden());
    w.Label4[10]->click();
    ASSERT_TRUE(PanelShown(w));
    EXPECT_TRUE(w.Picture2->isHidden()) << "the map gave way to the rows";
    TypePanelControls& p = P(w);
    p.Option2[1]->click();
    EXPECT_EQ(p.Label9->text(), "Device 10 - Output");
    EXPECT_FALSE(p.Option1[1]->isChecked());
    p.SettingOption(1, 2)->click();
    EXPECT_EQ(p.Label10->text(), "First address from 2 addresses");
    p.SettingOption(4, 2)->click();  // silenced: no operation time
    EXPECT_FALSE(p.SettingOption(5, 2)->isEnabled());
    EXPECT_TRUE(p.SettingOption(5, 1)->isChecked());
    p.Command12->click();
    // The second panel, on address 11, as an existing output.
    ASSERT_TRUE(PanelShown(w));
    EXPECT_EQ(p.Label9->text(), "Device 11 - Output");
    EXPECT_EQ(p.Label10->text(), "Second address from 2 addresses");
    EXPECT_FALSE(p.Command15->isHidden());
    EXPECT_FALSE(p.Option2[2]->isEnabled());
    EXPECT_EQ(VbColor::BackColor(p.Option2[2]), 0xC0C0C0u);
    p.SettingOption(3, 3)->click();
    p.Command12->click();
    EXPECT_FALSE(PanelShown(w));
    EXPECT_EQ(w.EnableDevice[10]->text(), "1/2");
    EXPECT_EQ(w.EnableDevice[11]->text(), "2/2");
    EXPECT_EQ(w.DisableDevice[10]->height(), 50);
    EXPECT_EQ(w.Label3->text(), "Captured : 2 / Available : 124");
    Close(w, prompter, Ui::vbYes);
    EXPECT_EQ(DeviceDataArray[10].offTypeAfterON, "2");
    EXPECT_EQ(DeviceDataArray[10].CardAddr, "02");
    EXPECT_EQ(DeviceDataArray[11].CardAddr, "03");
    EXPECT_EQ(DeviceDataArray[11].TimeDelayUp2ON, "04");
    EXPECT_EQ(DeviceDataArray[11].DeviceName, "OUTPUT      11");
}

TEST_F(PanelWindowTest, FourZoneCardFromTheRowsAndExtinguishByDoubleClick)
{
    frm6NamesAndSettings w;
    Rows(w);
    w.EnableDevice[20]->click();
    TypePanelControls& p = P(w);
    p.Option1[8]->click();
    EXPECT_EQ(p.Label19->text(), "HV-820-IN");
    for (int f = 1; f <= 5; ++f) EXPECT_TRUE(p.SettingsFrame[size_t(f)]->isHidden()) << f;
    p.Command12->click();
    for (int i = 0; i <= 3; ++i) EXPECT_EQ(w.EnableDevice[size_t(20 + i)]->text(), QStringLiteral("%1/4").arg(i + 1));
    EXPECT_EQ(w.FactoryName[21]->text(), "021 DET-LINE-2 #");
    EXPECT_FALSE(w.DeviceSettings[20]->isEnabled()) << "a four-zone card has no settings";
    // No room for another four-zone card just before it.
    w.EnableDevice[18]->click();
    EXPECT_FALSE(p.Option1[8]->isEnabled());
    p.Command13->click();

    // A double click on a type option stores the panel at once.
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    w.EnableDevice[30]->click();
    QTest::mouseDClick(p.Option2[2], Qt::LeftButton);
    EXPECT_FALSE(PanelShown(w));
    EXPECT_EQ(KindOf(DeviceDataArrayEdit[30]), DeviceKind::Extinguish);
    EXPECT_EQ(DeviceDataArrayEdit[30].TimeDelayUp2ON, "04");
    EXPECT_EQ(w.InOROut[30]->text(), "OUT");
    Close(w, prompter, Ui::vbYes);
    EXPECT_EQ(DeviceDataArray[23].CardAddr, "03");
    EXPECT_EQ(NumOfDevices, "005");
}

TEST_F(PanelWindowTest, EditingStepsThroughTheConfigurableDevices)
{
    Put(3, DeviceKind::SmokeDetector).AlarmValue = "65";
    Put(4, DeviceKind::AlarmFaultCard, 2);
    Put(5, DeviceKind::AlarmFaultCard, 3);
    Put(6, DeviceKind::HeatDetector).AlarmValue = "64";
    Put(8, DeviceKind::Relay);
    frm6NamesAndSettings w;
    Rows(w);
    TypePanelControls& p = P(w);
    w.DeviceSettings[3]->click();
    ASSERT_TRUE(PanelShown(w));
    EXPECT_TRUE(p.Option1[2]->isEnabled()) << "smoke may become heat";
    EXPECT_FALSE(p.Option1[4]->isEnabled());
    EXPECT_FALSE(p.Command16->isHidden());
    p.SettingOption(1, 3)->click();
    p.Command15->click();  // next: stores address 3, opens the heat detector at 6
    EXPECT_EQ(DeviceDataArrayEdit[3].AlarmValue, "50");
    EXPECT_EQ(p.Label9->text(), "Device 6 - Heat Detector");
    EXPECT_TRUE(p.SettingOption(1, 7)->isChecked());
    EXPECT_EQ(VbColor::BackColor(p.SettingOption(1, 13)), 0x0013FFu);
    p.Command15->click();
    EXPECT_EQ(p.Label9->text(), "Device 8 - Relay");
    p.Command15->click();  // nothing after the relay
    EXPECT_EQ(p.Label9->text(), "Device 8 - Relay");
    p.Command16->click();
    p.Command16->click();
    EXPECT_EQ(p.Label9->text(), "Device 3 - Smoke Detector");
    // Switched to heat, the smoke detector is stored as one without verification.
    p.Option1[2]->click();
    EXPECT_TRUE(p.SettingOption(1, 1)->isChecked());
    p.Command12->click();
    EXPECT_EQ(w.FactoryName[3]->text(), "003 HEAT DET   #");
    // The settings button of a row while the panel is open changes nothing (the panel covers it).
    w.DeviceSettings[6]->click();
    w.DeviceSettings[8]->click();
    EXPECT_EQ(p.Label9->text(), "Device 6 - Heat Detector");
    p.Command13->click();
    EXPECT_TRUE(prompter.Calls().empty());
}

TEST_F(PanelWindowTest, CancellingTheSecondPanelRemovesTheNewDevice)
{
    frm6NamesAndSettings w;
    Rows(w);
    TypePanelControls& p = P(w);
    w.EnableDevice[40]->click();
    p.Option2[3]->click();
    p.SettingOption(1, 2)->click();
    TypeName(w, "BELL");
    p.Command12->click();
    ASSERT_EQ(p.Label9->text(), "Device 41 - Relay");
    p.Command13->click();
    EXPECT_TRUE(prompter.Calls().empty()) << "no question: the device goes whatever the answer";
    EXPECT_FALSE(PanelShown(w));
    for (int a : {40, 41}) {
        EXPECT_FALSE(w.ExistDeviceYesNo[size_t(a)]->isChecked()) << a;
        EXPECT_EQ(w.EnableDevice[size_t(a)]->text(), "Enable") << a;
        EXPECT_EQ(DeviceDataArrayEdit[a].Exist, "0") << a;
    }
    EXPECT_EQ(w.Label3->text(), "Captured : 0 / Available : 126");

    // Escape on a panel is its Cancel, not the window's closing.
    w.EnableDevice[40]->click();
    QTest::keyClick(&w, Qt::Key_Escape);
    EXPECT_FALSE(PanelShown(w));
    EXPECT_TRUE(prompter.Calls().empty());
}

TEST_F(PanelWindowTest, ClosingTheWindowOnASecondPanelLeavesNoHalfDevice)
{
    frm6NamesAndSettings w;
    Rows(w);
    TypePanelControls& p = P(w);
    w.EnableDevice[60]->click();
    p.Option1[11]->click();  // administrator mode is off: the two-input card is not offered
    EXPECT_FALSE(p.Option1[11]->isEnabled());
    p.Option2[1]->click();
    p.SettingOption(1, 2)->click();
    p.Command12->click();
    ASSERT_TRUE(PanelShown(w));
    // The panel covers the window's own buttons: the window's close box is what is left.
    prompter.Expect("Save data ?", Ui::vbYes);
    w.close();
    EXPECT_EQ(DeviceDataArray[60].Exist, "0");
    EXPECT_EQ(DeviceDataArray[61].Exist, "0");
    EXPECT_EQ(NumOfDevices, "000");
}

// The room a type option leaves for its caption beside its circle.
int CaptionRoom(const QRadioButton* b)
{
    return b->width() - b->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, b)
           - b->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, b);
}

TEST_F(PanelWindowTest, EveryTypeShowsUncutInBothLanguagesAndLayouts)
{
    Put(126, DeviceKind::Output);
    Put(120, DeviceKind::Output, 2);
    Put(121, DeviceKind::Output, 3);
    AdminMode = true;
    for (int lang : {2, 1})
        for (bool small : {false, true}) {
            SCOPED_TRACE(QStringLiteral("language %1, %2 layout").arg(lang).arg(small ? "small" : "big").toStdString());
            UILanguage = int16_t(lang);
            SmallDisplay = small;
            frm6NamesAndSettings w;
            Rows(w);
            TypePanelControls& p = P(w);
            const auto fits = [](QWidget* wgt, const QString& text, int room) {
                EXPECT_LE(wgt->fontMetrics().horizontalAdvance(text), room) << text.toStdString();
            };
            const auto check = [&] {
                for (int i = 1; i <= 11; ++i) fits(p.Option1[size_t(i)], p.Option1[size_t(i)]->text(), CaptionRoom(p.Option1[size_t(i)]));
                for (int i = 1; i <= 4; ++i) fits(p.Option2[size_t(i)], p.Option2[size_t(i)]->text(), CaptionRoom(p.Option2[size_t(i)]));
                // The options of each frame in equal slices, edge to edge.
                for (int i = 2; i <= 11; ++i) EXPECT_EQ(p.Option1[size_t(i)]->y(), p.Option1[size_t(i - 1)]->geometry().bottom() + 1) << i;
                for (int f = 1; f <= 5; ++f)
                    for (size_t k = 1; k < p.SettingsOption[size_t(f)].size(); ++k) {
                        QRadioButton* b = p.SettingsOption[size_t(f)][k];
                        if (!b->isHidden()) fits(b, b->text(), CaptionRoom(b));
                    }
                fits(p.Label10, p.Label10->text(), p.Label10->contentsRect().width());
                // The heading keeps clear of the previous and next buttons.
                const QRect text = p.Label9->contentsRect().translated(p.Label9->pos());
                fits(p.Label9, p.Label9->text(), text.width());
                if (!p.Command16->isHidden()) {
                    EXPECT_FALSE(text.intersects(p.Command16->geometry()));
                    EXPECT_FALSE(text.intersects(p.Command15->geometry()));
                }
                // The model line lies over the bottom box's edge, not under it.
                if (!p.Label19->text().isEmpty()) {
                    fits(p.Label19, p.Label19->text(), p.Label19->contentsRect().width());
                    EXPECT_TRUE(p.Label19->autoFillBackground());
                    const QObjectList& z = p.Picture3->children();
                    EXPECT_GT(z.indexOf(p.Label19), z.indexOf(p.Shape9));
                }
            };
            w.EnableDevice[124]->click();
            for (int i = 1; i <= 11; ++i) {
                p.Option1[size_t(i)]->click();
                check();
            }
            for (int i = 1; i <= 4; ++i) {
                p.Option2[size_t(i)]->click();
                check();
            }
            p.Command13->click();
            w.DeviceSettings[126]->click();
            check();
            p.Command13->click();
            w.DeviceSettings[121]->click();  // the note on the second of two addresses
            check();
            p.Command13->click();
        }
}

TEST_F(PanelWindowTest, TheKeyboardCannotReachWhatThePanelCovers)
{
    Put(7, DeviceKind::SmokeDetector);
    frm6NamesAndSettings w;
    Show(w);
    Rows(w);
    TypePanelControls& p = P(w);
    w.NewName[7]->setFocus(Qt::OtherFocusReason);
    w.DeviceSettings[7]->click();
    ASSERT_TRUE(PanelShown(w));
    EXPECT_TRUE(p.Text12->hasFocus());
    for (int i = 0; i < 60; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_TRUE(w.Picture3->isAncestorOf(QApplication::focusWidget())) << i;
    }
    EXPECT_FALSE(w.DisableDevice[7]->isEnabled());
    EXPECT_FALSE(w.ExitCmd->isEnabled());
    p.Command13->click();
    // Everything back as it was, a free row's settings button still off, the focus where it was.
    EXPECT_TRUE(w.DisableDevice[7]->isEnabled());
    EXPECT_TRUE(w.ExitCmd->isEnabled());
    EXPECT_TRUE(w.EnableDevice[8]->isEnabled());
    EXPECT_FALSE(w.DeviceSettings[8]->isEnabled());
    EXPECT_TRUE(w.NewName[7]->hasFocus());
}

TEST_F(PanelWindowTest, NamesImportHelpAndTheProjectFolder)
{
    Shell::SetTestMode(true);
    Shell::ClearRecordedCalls();
    UILanguage = 2;
    frm6NamesAndSettings w;
    Rows(w);
    w.Command14->click();
    ASSERT_FALSE(w.Picture8->isHidden());
    // Moved up from 135 into the rows' view, which ends at 524, so the tools under it stay in sight.
    EXPECT_EQ(w.Picture8->geometry(), QRect(352, 125, 330, 400));
    EXPECT_TRUE(w.Label18->text().startsWith(QStringLiteral(u"שם הקובץ חייב להיות זהה לשם הפרוייקט\n")));
    EXPECT_TRUE(w.Label18->text().endsWith(QStringLiteral(u"השמות חייבים להרשם בעמודה B")));
    EXPECT_EQ(w.Command18->text(), QStringLiteral(u"מיקום שמירת קובץ השמות"));
    w.Command18->click();
    EXPECT_EQ(Shell::RecordedCalls(), QStringList{usrDataPath});
    w.Command14->click();
    EXPECT_TRUE(w.Picture8->isHidden());
    // With the mouse too: the second click hides it.
    Show(w);
    QTest::mouseClick(w.Command14, Qt::LeftButton);
    EXPECT_FALSE(w.Picture8->isHidden());
    EXPECT_TRUE(w.Command18->hasFocus());
    QTest::mouseClick(w.Command14, Qt::LeftButton);
    EXPECT_TRUE(w.Picture8->isHidden());
    Shell::SetTestMode(false);
    Shell::ClearRecordedCalls();

    // On the small screen the help is as high as the rows' view, with its folder button inside it.
    SmallDisplay = true;
    frm6NamesAndSettings small;
    Rows(small);
    small.Command14->click();
    EXPECT_EQ(small.Picture8->geometry(), QRect(352, 25, 330, 375));
    EXPECT_TRUE(small.Picture8->rect().contains(small.Command18->geometry()));
    SmallDisplay = false;
}

}  // namespace
