// The devices window's names-view tools on Picture7, beside the go-to box: the range fill, the
// names import and the emptying of all names, and the bulk edits of the smoke detectors.
#include <algorithm>

#include <QButtonGroup>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "core/languages.h"
#include "devices/DeviceTools.h"
#include "devices/NamesImport.h"
#include "devices/frm6NamesAndSettings.h"
#include "devices/frm6NamesAndSettings_Controls.h"
#include "platform/Controls.h"
#include "platform/Ui.h"

using namespace Controls;

namespace {

// Asks a warning when the language has one; true only for Yes.
bool Confirmed(const std::optional<Message>& warning)
{
    return warning && ShowMessage(*warning) == Ui::vbYes;
}

}  // namespace

// Picture7 (452 x 75) holds the go-to box at x 4 to 108; the tools take the rest. The captions
// of Label2, Option8, Command7, Command8, Command20, Command21, Label16, Label17 and Command22 come
// from the window's caption table, Command6's is WordOK.
void frm6NamesAndSettings::BuildToolControls()
{
    // Range fill: first and last address, the type, OK.
    Label2 = Label(Picture7, QStringLiteral("Label2"), 112, 4, 146, 20);
    Text10 = Make<QLineEdit>(Picture7, QStringLiteral("Text10"), 112, 26, 40, 24);
    Text11 = Make<QLineEdit>(Picture7, QStringLiteral("Text11"), 156, 26, 40, 24);
    Command6 = Button(Picture7, QStringLiteral("Command6"), 200, 26, 58, 24);
    auto* types = new QButtonGroup(this);
    for (int k = 0; k < 3; ++k) {
        Option8[size_t(k)] = Make<QRadioButton>(Picture7, QStringLiteral("Option8_%1").arg(k));
        Option8[size_t(k)]->setStyle(OptionRowStyle());
        types->addButton(Option8[size_t(k)], k);
    }
    Option8[0]->setChecked(true);
    PlaceRangeTypes();

    // Names: the import and the emptying of every name box.
    Command7 = Button(Picture7, QStringLiteral("Command7"), 264, 4, 76, 24);
    Command8 = Button(Picture7, QStringLiteral("Command8"), 344, 4, 104, 24);

    // Bulk edits: two toggles, each showing its group of buttons under a label; the two groups
    // share one place, only one is shown at a time.
    Command20 = Button(Picture7, QStringLiteral("Command20"), 264, 28, 44, 22);
    Command21 = Button(Picture7, QStringLiteral("Command21"), 310, 28, 44, 22);
    Label16 = Label(Picture7, QStringLiteral("Label16"), 358, 28, 90, 22);
    Label17 = Label(Picture7, QStringLiteral("Label17"), 358, 28, 90, 22);
    for (QLabel* l : {Label16, Label17}) {
        l->setAlignment(Qt::AlignCenter);
        l->hide();
    }
    for (int k = 0; k < 3; ++k) {
        QPushButton* b = Button(Picture7, QStringLiteral("Command19_%1").arg(k), 264 + 62 * k, 52, 60, 22);
        const auto caption = DeviceTools::SensitivityCaption(UILanguage, k);
        b->setText(caption ? *caption : *DeviceTools::SensitivityCaption(2, k));
        b->hide();
        Command19[size_t(k)] = b;
        connect(b, &QPushButton::clicked, this, [this, k] { Command19_Click(k); });
    }
    for (int k = 0; k < 2; ++k) {
        QPushButton* b = Button(Picture7, QStringLiteral("Command22_%1").arg(k), 264 + 94 * k, 52, 90, 22);
        b->hide();
        Command22[size_t(k)] = b;
        connect(b, &QPushButton::clicked, this, [this, k] { Command22_Click(k); });
    }

    connect(Command6, &QPushButton::clicked, this, &frm6NamesAndSettings::Command6_Click);
    connect(Command7, &QPushButton::clicked, this, &frm6NamesAndSettings::Command7_Click);
    connect(Command8, &QPushButton::clicked, this, &frm6NamesAndSettings::Command8_Click);
    connect(Command20, &QPushButton::clicked, this, &frm6NamesAndSettings::Command20_Click);
    connect(Command21, &QPushButton::clicked, this, &frm6NamesAndSettings::Command21_Click);
}

// The range's three types share the row under its boxes, from Text10's left to Command6's right:
// each option as wide as its circle and caption, the room left over as blanks between them, so
// that every circle stands by its own caption. Their captions differ by language; where they
// leave too small a blank, they take a smaller size.
void frm6NamesAndSettings::PlaceRangeTypes()
{
    constexpr int kLeastBlank = 4;
    const int left = Text10->x(), room = Command6->x() + Command6->width() - left;
    QFont f = font();
    int need = 0;
    for (qreal points = f.pointSizeF();; points -= 0.25) {
        f.setPointSizeF(points);
        need = 0;
        for (QRadioButton* b : Option8) {
            if (b->font() != f) b->setFont(f);
            need += b->sizeHint().width();
        }
        if (need + 2 * kLeastBlank <= room || points <= 6) break;
    }
    const int blank = std::max(0, (room - need) / 2);
    int x = left;
    for (QRadioButton* b : Option8) {
        const int width = b->sizeHint().width();
        b->setGeometry(x, 52, width, 20);
        x += width + blank;
    }
}

void frm6NamesAndSettings::Command6_Click()
{
    int type = -1;
    for (int k = 0; k < 3; ++k)
        if (Option8[size_t(k)]->isChecked()) type = k;
    const DeviceTools::FillOutcome out = editor_.RangeFill(Text10->text(), Text11->text(), type);
    if (out.result == DeviceTools::FillResult::NotEmpty) {
        if (const auto refusal = DeviceTools::RangeNotEmpty(UILanguage)) ShowMessage(*refusal);
    } else if (out.result == DeviceTools::FillResult::Filled) {
        ShowRows();
        NewName[size_t(out.last)]->setFocus(Qt::OtherFocusReason);
    }
    Text10->clear();
    Text11->clear();
}

void frm6NamesAndSettings::Command19_Click(int Index)
{
    if (Confirmed(DeviceTools::SensitivityWarning(UILanguage))) DeviceTools::SetSmokeSensitivity(Index);
}

void frm6NamesAndSettings::Command22_Click(int Index)
{
    if (Confirmed(DeviceTools::VerificationWarning(UILanguage))) DeviceTools::SetSmokeVerification(Index);
}

void frm6NamesAndSettings::Command20_Click()
{
    const bool show = Label16->isHidden();
    for (QPushButton* b : Command19) b->setVisible(show);
    Label16->setVisible(show);
    if (!show) return;
    for (QPushButton* b : Command22) b->hide();
    Label17->hide();
}

void frm6NamesAndSettings::Command21_Click()
{
    const bool show = Label17->isHidden();
    for (QPushButton* b : Command22) b->setVisible(show);
    Label17->setVisible(show);
    if (!show) return;
    for (QPushButton* b : Command19) b->hide();
    Label16->hide();
}

void frm6NamesAndSettings::Command8_Click()
{
    if (!Confirmed(DeviceTools::DeleteNamesWarning(UILanguage))) return;
    editor_.DeleteNames();
    ShowRows();
}

void frm6NamesAndSettings::Command7_Click() { ImportNamesCsv(); }

void frm6NamesAndSettings::ImportNamesCsv()
{
    const QString path = NamesImport::FindFile();
    if (path.isEmpty()) {
        ShowMessage(NamesImport::MissingFile());
        return;
    }
    if (ShowMessage(NamesImport::Confirmation()) != Ui::vbYes) return;
    QFile file(path);
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly)) bytes = file.readAll();
    if (!file.isOpen() || file.error() != QFileDevice::NoError) {
        ShowMessage(NamesImport::Unreadable());
        return;
    }
    file.close();

    const NamesImport::Outcome outcome = editor_.ImportNames(NamesImport::DecodeFile(bytes));
    ShowRows();
    ShowMessage(NamesImport::Result(outcome));
}
