// Random sequences of the devices window's operations, through its controls, on random whole
// projects: after every step each row shows what a fresh opening shows for the working table as it
// stands, and after Yes the project is whole and the upload check accepts it.
#include <memory>
#include <random>
#include <vector>

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "DevicesFixture.h"
#include "DevicesWindowRows.h"
#include "RandomProject.h"
#include "ScriptedPrompter.h"
#include "devices/frm6NamesAndSettings.h"
#include "devices/frm6NamesAndSettings_Controls.h"
#include "devices/frm6NamesAndSettings_TypePanel.h"
#include "panellink/UploadCheck.h"
#include "platform/VbColor.h"

namespace {

using RandomProject::Pick;

class RowsPropertyTest : public DevicesFixture {
protected:
    TypePanelControls& P() { return w_->TypePanelView(); }
    TypePanel& M() { return w_->TypePanelModel(); }
    frm6NamesAndSettings& W() { return *w_; }
    int N() { return W().Editor().Count(); }

    // Every row as a fresh opening shows it; false (with the step named) at the first that is not.
    bool RowsFresh(const QString& step)
    {
        const QString stale = DevicesRows::FirstStaleRow(W());
        if (!stale.isEmpty()) ADD_FAILURE() << step.toStdString() << ", " << stale.toStdString();
        return stale.isEmpty();
    }

    // A random row for which `want` holds, 0 when none does.
    template <typename F>
    int AnyRow(F want)
    {
        std::vector<int> rows;
        for (int i = 1; i <= N(); ++i)
            if (want(W().Editor().Row(i))) rows.push_back(i);
        return rows.empty() ? 0 : rows[size_t(Pick(rng_, int(rows.size())))];
    }

    // Choices on the open panel: a type (when `types`), settings, a name.
    void ChooseOnPanel(bool types)
    {
        if (types && Pick(rng_, 3)) {
            std::vector<QRadioButton*> offered;
            for (int i = 1; i <= 11; ++i)
                if (M().TypeOption(TypePanelTable::Inputs, i).enabled) offered.push_back(P().Option1[size_t(i)]);
            for (int i = 1; i <= 4; ++i)
                if (M().TypeOption(TypePanelTable::Outputs, i).enabled) offered.push_back(P().Option2[size_t(i)]);
            if (!offered.empty()) offered[size_t(Pick(rng_, int(offered.size())))]->click();
        }
        for (int n = Pick(rng_, 4); n > 0; --n) {
            const int f = 1 + Pick(rng_, 5);
            const auto& options = M().Frame(f).options;
            if (options.empty()) continue;
            const int k = 1 + Pick(rng_, int(options.size()));
            if (options[size_t(k - 1)].enabled) P().SettingOption(f, k)->click();
        }
        if (!Pick(rng_, 3)) {
            static const char* const names[] = {"lobby", "ZONE 2", "STAIRS-3", "AB", "KITCHEN #1"};
            P().Text12->clear();
            QTest::keyClicks(P().Text12, names[Pick(rng_, 5)]);
        }
    }

    // Closes the open panel (and a second panel it opens) by OK, Cancel, the step buttons or the
    // window's close box answered Cancel, checking the rows between the panels.
    void ResolvePanel(const QString& step)
    {
        for (int turn = 0; !W().Picture3->isHidden(); ++turn) {
            if (turn > 0 && !RowsFresh(step + " (panel open)")) return;
            const int pick = turn > 4 ? 1 : Pick(rng_, 8);
            if (pick <= 3) {
                P().Command12->click();
            } else if (pick <= 5) {
                P().Command13->click();
            } else if (pick == 6 && M().StepButtonsShown()) {
                (Pick(rng_, 2) ? P().Command15 : P().Command16)->click();
                if (!W().Picture3->isHidden()) ChooseOnPanel(false);
            } else {
                prompter_.Expect(Ui::vbCancel);
                W().close();
            }
        }
    }

    void NewDevice()
    {
        const int a = AnyRow([](const DeviceRow& r) { return !r.exist; });
        if (!a) return;
        W().EnableDevice[size_t(a)]->click();
        ChooseOnPanel(true);
        ResolvePanel(QStringLiteral("new device on %1").arg(a));
    }

    void EditDevice()
    {
        const int a = AnyRow([](const DeviceRow& r) { return r.exist && r.settingsEnabled; });
        if (!a) return;
        W().DeviceSettings[size_t(a)]->click();
        ChooseOnPanel(true);
        ResolvePanel(QStringLiteral("settings of %1").arg(a));
    }

    void Delete()
    {
        const int a = AnyRow([](const DeviceRow& r) { return r.exist && r.deleteVisible; });
        if (!a) return;
        const int answer = Pick(rng_, 3);
        prompter_.Expect(answer ? Ui::vbYes : Ui::vbNo);
        if (answer) prompter_.Expect(answer == 1 ? Ui::vbYes : Ui::vbNo);
        W().DisableDevice[size_t(a)]->click();
    }

    void RangeFill()
    {
        const int first = 1 + Pick(rng_, N()), last = std::min(N(), first + Pick(rng_, 6));
        bool taken = false;
        for (int i = first; i <= last; ++i) taken = taken || W().ExistDeviceYesNo[size_t(i)]->isChecked();
        if (first < last && taken) prompter_.Expect(Ui::vbOK);  // the range is not empty
        W().Text10->setText(Str(first));
        W().Text11->setText(Str(last));
        W().Option8[size_t(Pick(rng_, 3))]->setChecked(true);
        W().Command6->click();
    }

    void Import()
    {
        static const char* const names[] = {"LOBBY EAST", "hall b", "bad$name", "x", "\"ROOM, 12\"", "  SPACED  ",
                                            "A NAME LONGER THAN SIXTEEN", "דלת 3", "PADDED NAME     "};
        QByteArray csv;
        for (int n = Pick(rng_, 8); n > 0; --n)
            csv += QByteArray::number(Pick(rng_, N() + 3)) + ',' + QByteArray(names[Pick(rng_, 9)]) + "\r\n";
        WriteBytes(usrDataPath + ProjectName + ".csv", csv);
        const bool yes = Pick(rng_, 4);
        prompter_.Expect(yes ? Ui::vbYes : Ui::vbNo);
        if (yes) prompter_.Expect(Ui::vbOK);  // the outcome
        W().Command7->click();
    }

    void DeleteNames()
    {
        prompter_.Expect(Pick(rng_, 2) ? Ui::vbYes : Ui::vbNo);
        W().Command8->click();
    }

    void CloseAnsweredCancel()
    {
        prompter_.Expect(Ui::vbCancel);
        W().close();
    }

    std::mt19937 rng_{20240611};
    std::unique_ptr<frm6NamesAndSettings> w_;
    ScriptedPrompter prompter_;
};

TEST_F(RowsPropertyTest, EveryRowIsAFreshRowAfterEveryStepAndYesLeavesAWholeProject)
{
    for (int run = 0; run < 100 && !HasFailure(); ++run) {
        SCOPED_TRACE(run);
        MaxNumOfDevices = Pick(rng_, 2) ? 126 : 50;
        UILanguage = int16_t(1 + Pick(rng_, 2));
        AdminMode = Pick(rng_, 2);
        RandomProject::FillWholeProject(rng_, MaxNumOfDevices);
        w_ = std::make_unique<frm6NamesAndSettings>();
        W().Command11->click();
        if (!RowsFresh(QStringLiteral("opening"))) break;
        for (int step = 0; step < 10 && !HasFailure(); ++step) {
            const int op = Pick(rng_, 14);
            QString what;
            if (op < 4) NewDevice(), what = "new device";
            else if (op < 6) EditDevice(), what = "settings";
            else if (op < 9) Delete(), what = "delete";
            else if (op < 11) RangeFill(), what = "range fill";
            else if (op < 12) Import(), what = "import";
            else if (op < 13) DeleteNames(), what = "delete names";
            else CloseAnsweredCancel(), what = "close answered Cancel";
            ASSERT_EQ(prompter_.Pending(), 0) << what.toStdString();
            ASSERT_TRUE(W().Picture3->isHidden()) << what.toStdString();
            RowsFresh(QStringLiteral("step %1, %2").arg(step).arg(what));
        }
        prompter_.Expect(Ui::vbYes);
        W().close();
        ASSERT_EQ(prompter_.Pending(), 0);
        const ProjectWhole::Places broken = ProjectWhole::CheckProject();
        EXPECT_FALSE(broken.any()) << "addresses " << broken.addresses.size() << ", groups " << broken.groups.size()
                                   << ", counts " << broken.counts;
        const auto refused = FirstUnencodableRecord();
        EXPECT_FALSE(refused.has_value()) << "block " << (refused ? int(refused->block) : -1) << " record "
                                          << (refused ? refused->number : 0);
        w_.reset();
    }
}

}  // namespace
