#pragma once
// The operating groups report (frmGroups): for each group, its input devices, its outputs and its
// counts. The activation fills the report's table of the 32 groups and gives the list lines; the
// report file is written from the same table, with rulers, columns and a notes column of its own.
#include <array>
#include <cstdint>

#include <QString>
#include <QStringList>

#include "core/DataModel.h"
#include "reports/ReportModel.h"

namespace GroupsReport {

struct GroupRow {
    std::array<int, MaxAddress + 1> Members{};  // address a: a when a is an input of the group
    std::array<int, MaxOutputsPerGroup + 1> Outs{};                  // slots 1..6: output addresses or codes
    int Trigger = 0;                            // 0: the group is not shown
    QString Title;
};

class Model : public ReportModel {
public:
    Model() : ReportModel(ReportWindow::Groups) {}
    QStringList Activate(int16_t lang, const Regional& regional) override;
    QStringList FileLines(int16_t lang, const Regional& regional) const override;

    const GroupRow& Row(int g) const { return rows_[g]; }

private:
    void Fill();
    QStringList ScreenBlock(int g, int16_t lang);
    QStringList FileBlock(int g, int16_t lang) const;

    // Row 0 holds nothing. Titles of groups without outputs survive from one showing to the next.
    std::array<GroupRow, MaxGroups + 1> rows_{};
    QString deviceNameHeading_;
};

}  // namespace GroupsReport
