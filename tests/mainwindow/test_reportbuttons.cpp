// The report buttons of the main window on a project downloaded from the simulator's panel, and
// on its event history: each report opens, shows the panel's data, writes its file and export and
// prints, and the main window comes back when it closes.
#include <gtest/gtest.h>

#include <QListWidget>
#include <QPushButton>

#include "platform/TextFile.h"
#include "reports/frmReport.h"
#include "test_panelbuttons_fixture.h"
#include "tests/common/ScriptedPrinter.h"

namespace {

class ReportButtonsTest : public PanelButtonsTest {
protected:
    QStringList Lines(const frmReport& r) const
    {
        QStringList lines;
        for (int i = 0; i < r.NewList->count(); ++i) lines << r.NewList->item(i)->text();
        return lines;
    }
    // Shows the report, saves it, exports it, prints it and closes it without a second save.
    void Use(QWidget& w, const QString& reportSuffix, const QString& exportSuffix, const QString& shows)
    {
        auto& r = dynamic_cast<frmReport&>(w);
        EXPECT_FALSE(window->isVisible());
        r.show();
        EXPECT_TRUE(Lines(r).join('\n').contains(shows)) << Lines(r).join('\n').toStdString();
        prompter.Expect("The file saved in project folder", Ui::vbOK);
        r.saveLogCmd->click();
        EXPECT_TRUE(TextFile::ReadLines(folder + "Site" + reportSuffix).value_or(QStringList()).join('\n').contains(shows));
        r.Command1->click();
        EXPECT_TRUE(QFile::exists(folder + "Site" + exportSuffix));
        const QString pdf = tmp.path() + "/report.pdf";
        printer.ExpectPdf(pdf);
        r.prnCmd->click();
        EXPECT_TRUE(Pdf::Text(pdf).contains(shows));
        prompter.Expect("Save the file ?", Ui::vbNo);
        r.ExitCmd->click();
        EXPECT_FALSE(r.isVisible());
    }

    ModalDriver modal;
    ScriptedPrinter printer;
};

TEST_F(ReportButtonsTest, EachReportOfADownloadedProjectAndItsHistory)
{
    frm4Main& w = Open(State(Tessel50Site));
    w.show();
    ExpectConnectionQuestion();
    prompter.Expect("Data transfer completed successfully", Ui::vbOK);
    w.Download2PC->click();
    ExpectConnectionQuestion();
    prompter.Expect("Data transfer completed successfully", Ui::vbOK);
    w.HISTORY_A->click();
    ASSERT_EQ(prompter.Pending(), 0);
    ProjectFileOK = true;

    modal.Expect("frmHistory", [&](QWidget& r) { Use(r, "_H.txt", "-H-Excel.txt", "FIRE ALARM"); });
    w.Command6->click();
    modal.Expect("frmView", [&](QWidget& r) { Use(r, ".txt", "-Excel.txt", "SMOKE 12"); });
    w.NewListCmd->click();
    modal.Expect("frmView2", [&](QWidget& r) { Use(r, "(+).txt", "-Excel.txt", "Total heat detectors"); });
    w.Command12->click();
    modal.Expect("frmGroups", [&](QWidget& r) { Use(r, "_G.txt", "-Excel.txt", "SIREN 20"); });
    w.Command3->click();
    EXPECT_TRUE(w.isVisible());
}

}  // namespace
