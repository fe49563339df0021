// What a user sees of the main window in both languages and both layouts: nothing covered, cut,
// mirrored or greyed, through the controls' geometry, directions and states. With VD_SCREENSHOTS
// set to a folder, every scene is also saved there as a PNG for a person to look at.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QFrame>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include "LayoutChecks.h"
#include "OptionCircle.h"
#include "core/CSetting.h"
#include "mainwindow/frm4Main.h"
#include "platform/ColumnLabel.h"
#include "platform/QtLanguage.h"
#include "projectfile/ProjectFile.h"
#include "test_panelbuttons_fixture.h"

using namespace LayoutChecks;

namespace {

const QString LongAddress = QStringLiteral("Industrial Zone North, Building 7, Entrance B, Floor 3");

struct Look {
    int16_t lang;
    bool small;
    QString Tag() const { return QString(lang == 1 ? "he" : "en") + (small ? "_small" : "_large"); }
};

class LooksTest : public PanelButtonsTest, public ::testing::WithParamInterface<Look> {
protected:
    // The window after Open of a project whose details are longer than their boxes.
    frm4Main& OpenSite()
    {
        languages::SetLanguage(GetParam().lang);
        SmallDisplay = GetParam().small;
        ProjectDetails.Addr = LongAddress;
        ProjectDetails.Misc = QStringLiteral("Panel in the guard room; key with the caretaker, ask at the gate");
        ProjectFileName = "A site with a rather long project name.HV6";
        ProjectName = "A site with a rather long project name";
        CSetting s;
        EXPECT_TRUE(ProjectFile::Write(s, ProjectFile::CurrentHeader(), nullptr));
        ResetModule::ResetProject(false);
        ProjectLoaded = true;
        frm4Main& w = Open(State(Tessel50Site));
        w.show();
        QApplication::processEvents();
        return w;
    }

    static void EnterAdmin(frm4Main& w)
    {
        w.Label24->click();
        Focus(w.Text3, true);
        QTest::keyClicks(w.Text3, "58316");
        ASSERT_TRUE(AdminMode);
    }

    // The window-level controls that belong to the administrator area, with the bottom buttons
    // they stand beside.
    static std::vector<QWidget*> AdminWindowControls(frm4Main& w)
    {
        std::vector<QWidget*> c{w.Command2, w.UpDateCmd, w.ExitBttn, w.MaxMinAdminWindow, w.Command13, w.Command16,
                                w.Command14, w.Label6, w.StatBar, w.ActivMsgLbl};
        // The device table spreads over the window by design; the collapsed and open tabs must not.
        for (QFrame* p : w.Picture10)
            if (p->height() != 310) c.push_back(p);
        return c;
    }

    static void ExpectNothingCutOrOutside(const frm4Main& w, const QString& scene)
    {
        EXPECT_EQ(CutCaptions(&w), std::vector<std::string>{}) << scene.toStdString();
        EXPECT_EQ(ButtonsCut(&w), std::vector<std::string>{}) << scene.toStdString();
    }
};

}  // namespace

TEST_P(LooksTest, MainWindowAdministratorTabsAndATransfer)
{
    const QString tag = GetParam().Tag();
    frm4Main& w = OpenSite();

    // The details show the start of their text after the project is opened.
    for (QLineEdit* box : {w.siteNameTxt, w.ProjectAddr, w.ProjectMiscellaneousness}) {
        EXPECT_EQ(box->cursorPosition(), 0) << Name(box);
        EXPECT_TRUE(box->text().startsWith(box == w.ProjectAddr ? "Industrial" : box == w.siteNameTxt ? "A site" : "Panel"));
    }
    ExpectNothingCutOrOutside(w, tag + " main");
    Screenshot(w, tag + "_main");

    EnterAdmin(w);
    EXPECT_EQ(Overlaps({w.Command2, w.UpDateCmd, w.ExitBttn, w.StatBar, w.ActivMsgLbl}), std::vector<std::string>{})
        << "Admin Exit, Update, Exit";
    for (int t = 0; t < 7; ++t) {
        w.AdminLbl_Click(t);
        const QString scene = tag + QStringLiteral("_tab%1").arg(t);
        EXPECT_EQ(Overlaps(VisibleChildren(w.Picture10[t])), std::vector<std::string>{}) << scene.toStdString();
        EXPECT_EQ(Overlaps(AdminWindowControls(w)), std::vector<std::string>{}) << scene.toStdString();
        ExpectNothingCutOrOutside(w, scene);
        // A collapsed tab shows its title alone.
        for (int k = 0; k < 7; ++k)
            if (k != t)
                for (QWidget* c : VisibleChildren(w.Picture10[k]))
                    if (c != w.AdminLbl[k]) EXPECT_GE(c->y(), w.Picture10[k]->height()) << scene.toStdString() << " " << Name(c);
        Screenshot(w, scene);
        w.AdminLbl_Click(t);
    }

    // A download in progress: the window takes no input, yet nothing greys out.
    bool seen = false;
    clock.onAdvance = [&](double) {
        QCoreApplication::processEvents();
        if (seen || w.StatBar->value() < 30) return;
        seen = true;
        EXPECT_FALSE(w.TakesInput());
        for (QWidget* c : w.findChildren<QWidget*>()) EXPECT_TRUE(c->isEnabled()) << Name(c);
        EXPECT_FALSE(w.ActivMsgLbl->text().isEmpty());
        EXPECT_EQ(VbColor::BackColor(w.TransferIndicator), LinkColours::DownloadRunning);
        Screenshot(w, tag + "_transfer");
    };
    prompter.Expect(Ui::vbYes);  // computer connection mode
    prompter.Expect(Ui::vbOK);   // the project will be replaced
    prompter.Expect(Ui::vbOK);   // completed
    w.Download2PC->click();
    clock.onAdvance = nullptr;
    EXPECT_TRUE(seen);
    EXPECT_EQ(prompter.Pending(), 0);
}

// The two Fast/Slow pairs, the administrator's and the port settings panel's: the chosen one
// light green, the other the button face, each circle white with a dot in the chosen one only.
TEST_P(LooksTest, TheFastSlowCirclesShowOnTheirColours)
{
    frm4Main& w = OpenSite();
    EnterAdmin(w);
    w.AdminLbl_Click(3);
    w.ComSettings->click();
    ASSERT_TRUE(w.Picture2->isVisibleTo(&w));
    for (int k : {1, 0}) {
        w.ManualDelays[k]->click();
        for (const auto* pair : {&w.ManualDelays, &w.Option1})
            for (QRadioButton* b : *pair) OptionCircle::ExpectShown(b);
    }
    Screenshot(*w.Picture2, GetParam().Tag() + "_portsettings");
}

INSTANTIATE_TEST_SUITE_P(BothLanguagesBothLayouts, LooksTest,
                         ::testing::Values(Look{1, false}, Look{1, true}, Look{2, false}, Look{2, true}),
                         [](const auto& info) { return info.param.Tag().toStdString(); });

namespace {

class LookDetailsTest : public PanelButtonsTest {};

}  // namespace

TEST_F(LookDetailsTest, DuringATransferTheUsersClicksAndKeysDoNothing)
{
    frm4Main& w = Open(State(Tessel50Site));
    w.show();
    bool tried = false;
    clock.onAdvance = [&](double) {
        if (tried || w.StatBar->value() < 30) return;
        tried = true;
        QTest::mouseClick(w.LnguageLbl[1], Qt::LeftButton);
        QTest::mouseClick(w.Download2PC, Qt::LeftButton);
        QTest::keyClicks(w.ProjectContact, "typed");
        QTest::keyClick(w.ProjectContact, Qt::Key_1, Qt::ControlModifier);
    };
    ExpectConnectionQuestion();
    prompter.Expect("Data transfer completed successfully", Ui::vbOK);
    w.Download2PC->click();
    clock.onAdvance = nullptr;
    ASSERT_TRUE(tried);
    EXPECT_EQ(UILanguage, 2);
    EXPECT_EQ(w.ProjectContact->text(), "");
    EXPECT_EQ(prompter.Calls().size(), 2u) << "no second download, no editor";
    EXPECT_TRUE(w.TakesInput());

    // Afterwards the same click works.
    QTest::mouseClick(w.LnguageLbl[1], Qt::LeftButton);
    EXPECT_EQ(UILanguage, 1);
}

TEST_F(LookDetailsTest, FixedColumnTextReadsLeftToRightInHebrew)
{
    languages::SetLanguage(1);
    frm4Main& w = Open();
    ASSERT_EQ(w.layoutDirection(), Qt::RightToLeft);
    w.Label24->click();
    Focus(w.Text3, true);
    QTest::keyClicks(w.Text3, "58316");
    w.AdminLbl_Click(6);
    for (QWidget* c : std::initializer_list<QWidget*>{w.Label35, w.List2, w.Label36, w.List3, w.List4, w.Label37,
                                                      w.TimeDelay, w.txtVerSoftNum, w.ComNumCmbo})
        EXPECT_EQ(c->layoutDirection(), Qt::LeftToRight) << Name(c);
    EXPECT_TRUE(w.List2->item(0)->text().startsWith("001 "));
    // The legend and the lines start at the same left edge, so their columns line up.
    EXPECT_LE(std::abs(w.List2->visualItemRect(w.List2->item(0)).left() + w.List2->x() + w.List2->frameWidth() -
                       w.Label35->x()),
              6);
}

TEST_F(LookDetailsTest, TheAddressCheckWeightsStandUnderTheirSwitchesLegibly)
{
    for (int16_t lang : {1, 2}) {
        languages::SetLanguage(lang);
        frm4Main& w = Open();
        ColumnLabel* weights = w.Label18;
        EXPECT_EQ(weights->text(), "  1     2    4     8   16   32   64   ---");
        const QStringList items = weights->Items();
        ASSERT_EQ(items.size(), 8);
        EXPECT_GE(weights->font().pixelSize(), w.DipSWNumbers[0]->font().pixelSize());
        const QFontMetrics fm(weights->font());
        for (int k = 0; k < 8; ++k) {
            const QRect r = weights->ItemRect(k).translated(weights->pos());
            EXPECT_EQ(r.center().x(), w.DipSWNumbers[k]->geometry().center().x()) << k;
            EXPECT_LE(fm.horizontalAdvance(items[k]), r.width()) << k;
            EXPECT_TRUE(w.picDipSW->rect().contains(r)) << k;
        }
        // The title and the prompt keep clear of the switch picture.
        for (QLabel* l : {w.Label8, w.Label2}) {
            EXPECT_LT(l->geometry().right(), w.picDipSW->x() - 2) << Name(l);
            EXPECT_EQ(CaptionCut(l), "");
        }
    }
}

TEST_F(LookDetailsTest, ThePortListShowsEveryDescriptionWhole)
{
    ports = {{1, "/dev/ttyUSB0", "USB Serial Port (FTDI FT232R USB UART, serial A10K3XYZ)"},
             {2, "/dev/ttyUSB1", "USB Serial Port (FTDI FT232R USB UART, serial A10K4ABC)"}};
    for (int16_t lang : {1, 2}) {
        languages::SetLanguage(lang);
        frm4Main& w = Open();
        w.show();
        w.FindMyCOM->click();  // the manual search lists every port
        ASSERT_EQ(w.ComNumCmbo->count(), 2);
        w.ComNumCmbo->showPopup();
        QApplication::processEvents();
        QAbstractItemView* list = w.ComNumCmbo->view();
        const QFontMetrics fm(list->font());
        for (int i = 0; i < 2; ++i) {
            const QRect item = list->visualRect(list->model()->index(i, 0));
            EXPECT_GE(item.width(), fm.horizontalAdvance(w.ComNumCmbo->itemText(i))) << i;
            EXPECT_LE(list->window()->geometry().width(), 1024) << "a drop-down wider than a small screen";
        }
        w.ComNumCmbo->hidePopup();
        EXPECT_EQ(w.ComNumCmbo->layoutDirection(), Qt::LeftToRight) << "the entries read from their start";
    }
}

TEST_F(LookDetailsTest, QtsOwnDialogsFollowTheInterfaceLanguage)
{
    frm4Main& w = Open();
    auto openButtonText = [] {
        QFileDialog d;
        d.setOption(QFileDialog::DontUseNativeDialog);
        d.setAcceptMode(QFileDialog::AcceptOpen);
        QStringList texts;
        for (QPushButton* b : d.findChildren<QPushButton*>()) texts << b->text();
        return texts.join(u'|');
    };
    w.LnguageLbl[1]->click();
    EXPECT_TRUE(QtLanguage::HebrewInstalled()) << "qt6-translations-l10n (qtbase_he) is part of the set-up";
    EXPECT_EQ(QApplication::layoutDirection(), Qt::RightToLeft);
    EXPECT_TRUE(openButtonText().contains(QStringLiteral("ביטול"))) << openButtonText().toStdString();

    w.LnguageLbl[2]->click();
    EXPECT_EQ(QApplication::layoutDirection(), Qt::LeftToRight);
    EXPECT_TRUE(openButtonText().contains(QStringLiteral("Cancel"))) << openButtonText().toStdString();

    // The language flag of the administrator area takes them along too.
    w.Command16->click();
    EXPECT_EQ(UILanguage, 2);
    w.Command16->click();
    EXPECT_EQ(UILanguage, 1);
    EXPECT_EQ(QApplication::layoutDirection(), Qt::RightToLeft);
    QtLanguage::Apply(false);
}
