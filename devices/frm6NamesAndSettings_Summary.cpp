// The devices window's address summary: per type of the type panel, how many addresses of the
// working table hold it, in the type's colour, under the totals of input and output addresses.
// Its lines are made each time it opens and removed when it closes.
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRect>
#include <QScrollBar>

#include "core/DataModel.h"
#include "devices/AddressSummary.h"
#include "devices/DeviceColors.h"
#include "devices/frm6NamesAndSettings.h"
#include "platform/Controls.h"
#include "platform/VbColor.h"

using Controls::Px;

namespace {

// The four columns (twips inside Picture4): input counts, input words, output counts, output
// words. Every line takes the heading's left and width.
struct Column {
    const char* name;
    int left, width;
};
constexpr Column kColumns[] = {{"Label12", 200, 1500}, {"Label13", 2000, 4550}, {"Label14", 6950, 1500},
                               {"Label15", 8750, 4550}};
constexpr int kTop = 500;

int LineHeight(bool small) { return small ? 300 : 400; }

void Format(QLabel* l, bool heading)
{
    l->setAlignment(Qt::AlignCenter);
    QFont f = l->font();
    f.setBold(heading);
    l->setFont(f);
    if (heading) VbColor::SetBackColor(l, DeviceColors::White);
}

// The close button's place (pixels): 6525, 3000, 1500 x 375 twips, unless the output lines reach
// down to it, as the large layout's do; then under the output counts, 150 below the last line.
QRect CloseButtonPlace(bool small)
{
    const int h = LineHeight(small);
    const int outputsEnd = kTop + AddressSummary::OutputLines * (h + 150) + h;
    constexpr int top = 3000, width = 1500, height = 375;
    if (outputsEnd <= top) return {Px(6525), Px(top), Px(width), Px(height)};
    return {Px(kColumns[2].left), Px(outputsEnd + 150), Px(kColumns[2].width), Px(height)};
}

}  // namespace

void frm6NamesAndSettings::BuildSummaryControls()
{
    // The panel covers the view under it.
    VbColor::SetBackColor(Picture4, DeviceColors::LightGrey);
    std::vector<QLabel*>* arrays[] = {&Label12, &Label13, &Label14, &Label15};
    for (int c = 0; c < 4; ++c) {
        auto* heading = Controls::Label(Picture4, QLatin1String(kColumns[c].name) + QStringLiteral("_0"), 0, 0, 10, 10);
        Format(heading, true);
        arrays[c]->assign(1, heading);
    }
    // The designed texts, which a language other than Hebrew or English keeps.
    Label12[0]->setText(*AddressSummary::AddressesHeading(2));
    Label14[0]->setText(*AddressSummary::AddressesHeading(2));
    Command17 = Controls::Button(Picture4, QStringLiteral("Command17"), 0, 0, 10, 10, *AddressSummary::CloseCaption(2));
    Command17->hide();
    Shape14 = Controls::Make<QFrame>(Picture4, QStringLiteral("Shape14"), 0, 0, 10, 10);
    Shape14->setFrameShape(QFrame::Box);
    connect(Command17, &QPushButton::clicked, this, &frm6NamesAndSettings::Command17_Click);
}

void frm6NamesAndSettings::Command9_Click()
{
    VScroll1->hide();
    if (!Picture2->isHidden()) {
        UnloadMapCells();
        Picture2->hide();
    }
    const bool small = SmallDisplay;
    Shape14->setGeometry(0, Px(small ? 6000 : 7875), Px(13500), Px(1125));
    const int h = LineHeight(small);
    // An open summary keeps the counts it was opened with.
    if (!Picture4->isHidden()) return;

    Picture7->hide();
    Picture4->setGeometry(0, 0, 900, small ? 400 : 525);
    Picture4->show();
    Picture4->raise();
    Command17->hide();
    Command17->setGeometry(CloseButtonPlace(small));

    std::vector<QLabel*>* arrays[] = {&Label12, &Label13, &Label14, &Label15};
    for (int c = 0; c < 4; ++c) (*arrays[c])[0]->setGeometry(Px(kColumns[c].left), Px(kTop), Px(kColumns[c].width), Px(h));
    if (const auto heading = AddressSummary::AddressesHeading(UILanguage)) {
        Label12[0]->setText(*heading);
        Label14[0]->setText(*heading);
    }
    if (const auto caption = AddressSummary::CloseCaption(UILanguage)) Command17->setText(*caption);

    // The lines, 150 twips apart: inputs in Label12 / Label13, outputs in Label14 / Label15.
    UnloadSummaryLines();
    for (int c = 0; c < 4; ++c) {
        const int lines = c < 2 ? AddressSummary::InputLines : AddressSummary::OutputLines;
        std::vector<QLabel*>& array = *arrays[c];
        for (int k = 1; k <= lines; ++k) {
            auto* l = Controls::Label(Picture4, QLatin1String(kColumns[c].name) + QLatin1Char('_') + QString::number(k),
                                              Px(kColumns[c].left), Px(kTop + k * (h + 150)), Px(kColumns[c].width), Px(h));
            Format(l, false);
            l->show();
            array.push_back(l);
        }
    }

    const AddressSummary::Counts counts = AddressSummary::Count();
    Label13[0]->setText(AddressSummary::InputHeading(counts.inputTotal));
    for (int k = 1; k <= AddressSummary::InputLines; ++k) {
        Label13[size_t(k)]->setText(AddressSummary::InputWord(k));
        Label12[size_t(k)]->setText(QString::number(counts.inputs[size_t(k)]));
        const uint32_t colour = DeviceColorChoose(1, k).value_or(0);
        VbColor::SetBackColor(Label12[size_t(k)], colour);
        VbColor::SetBackColor(Label13[size_t(k)], colour);
    }
    Label15[0]->setText(AddressSummary::OutputHeading(counts.outputTotal));
    for (int k = 1; k <= AddressSummary::OutputLines; ++k) {
        Label15[size_t(k)]->setText(AddressSummary::OutputWord(k));
        Label14[size_t(k)]->setText(QString::number(counts.outputs[size_t(k)]));
        const uint32_t colour = DeviceColorChoose(2, k).value_or(0);
        for (QLabel* l : {Label14[size_t(k)], Label15[size_t(k)]}) {
            VbColor::SetBackColor(l, colour);
            VbColor::SetForeColor(l, DeviceColors::White);
        }
    }
    // The close button is shown with every opening, so the summary can be left by it.
    Command17->show();
    Command17->raise();
}

// Back to the view the summary covered: the rows when their frame is still shown under it,
// else the map.
void frm6NamesAndSettings::Command17_Click()
{
    HideAddressSummary();
    if (!Frame1->isHidden()) Command11->click();
    else Command10->click();
}

// Every view that replaces the summary removes its lines and hides it.
void frm6NamesAndSettings::HideAddressSummary()
{
    UnloadSummaryLines();
    Picture4->hide();
}

void frm6NamesAndSettings::UnloadSummaryLines()
{
    for (std::vector<QLabel*>* array : {&Label12, &Label13, &Label14, &Label15}) {
        for (size_t k = 1; k < array->size(); ++k) delete (*array)[k];
        array->resize(1);
    }
}
