// The devices window's model under any sequence of the user's operations: the type panel (open,
// type, settings, name, OK, Cancel, the step buttons, the second panel of a two-address device),
// delete, range fill, names import, delete names and the closing question, on a random whole
// project. After every operation each row is what a fresh opening shows for the working table;
// once the window closes with Yes the project is whole and the upload check accepts it.
//
// Input: byte 0 flags (1: 50 addresses, 2: Hebrew, 4: administrator mode, 8: an empty project),
// bytes 1..4 the random project's seed, then operations: an operation byte (its value modulo 13)
// and its argument bytes. Each message box takes the next byte as its answer. Bytes past the end
// read as 0.
#include <random>

#include "FuzzSetup.h"
#include "core/Conv.h"
#include "core/ProjectWhole.h"
#include "devices/DevicesEditor.h"
#include "devices/TypePanel.h"
#include "panellink/UploadCheck.h"
#include "tests/common/DevicesRows.h"
#include "tests/common/RandomProject.h"

namespace {

struct Input {
    const uint8_t* data;
    size_t size;
    size_t at = 0;
    bool more() const { return at < size; }
    int next() { return at < size ? data[at++] : 0; }
};

Input* input = nullptr;
bool finalYes = false;  // the last closing is answered Yes whatever the input holds

int Answer(const Ui::MsgBoxCall& call)
{
    const std::vector<int> buttons = Ui::ButtonAnswers(call.style);
    if (finalYes && call.buttons() == Ui::vbYesNoCancel) return Ui::vbYes;
    return buttons[size_t(input->next()) % buttons.size()];
}

const char* const kNames[] = {"lobby", "ZONE 2", "x", "bad$name", "", "STAIRS-3 EAST WING", "דלת 3", "  PADDED  "};
constexpr int kNameCount = int(sizeof(kNames) / sizeof(kNames[0]));

void RequireRowsFresh(const DevicesEditor& editor)
{
    const DevicesRows::Fresh fresh = DevicesRows::FreshRefresh();
    for (int i = 1; i <= editor.Count(); ++i) {
        const QString d = DevicesRows::Difference(editor.Row(i), fresh.rows[size_t(i)]);
        if (!d.isEmpty()) std::fprintf(stderr, "row %d: %s\n", i, qPrintable(d));
        fuzz::Require(d.isEmpty());
    }
    fuzz::Require(editor.Label3() == fresh.label3);
}

// One operation; false once the window has closed.
bool Step(Input& in, DevicesEditor& editor, TypePanel& panel)
{
    const int n = editor.Count();
    const auto address = [&] { return 1 + in.next() % n; };
    // The open panel covers the rows and the tools: only its own controls and the close box work.
    const bool covered = panel.Shown();
    switch (in.next() % 13) {
    case 0: panel.EnableDevice(address()); break;
    case 1: panel.DeviceSettings(address()); break;
    case 2: {
        const int g = in.next();
        const bool outputs = g & 0x10;
        panel.ChooseType(outputs ? TypePanelTable::Outputs : TypePanelTable::Inputs, 1 + (g & 0x0F) % (outputs ? 4 : 11));
        break;
    }
    case 3: {
        const int frame = 1 + in.next() % 5;
        panel.ChooseSetting(frame, 1 + in.next() % 13);
        break;
    }
    case 4:
        if (!covered) break;
        panel.SetName(QString::fromUtf8(kNames[in.next() % kNameCount]));
        if (in.next() & 1) panel.CheckName();  // the box left
        break;
    case 5: panel.Apply(); break;
    case 6: panel.Cancel(); break;
    case 7: (in.next() & 1) ? panel.Next() : panel.Previous(); break;
    case 8:
        if (!covered) editor.DisableDevice_Click(address());
        break;
    case 9: {
        const int first = address(), last = first + in.next() % 8, type = in.next() % 3;
        if (!covered) editor.RangeFill(Str(first), Str(last), type);
        break;
    }
    case 10: {
        QString csv;
        for (int k = in.next() % 6; k > 0; --k)
            csv += Str(in.next() % (n + 3)) + QLatin1Char(',') + QString::fromUtf8(kNames[in.next() % kNameCount]) + QStringLiteral("\r\n");
        if (!covered) editor.ImportNames(csv);
        break;
    }
    case 11:
        if (!covered) editor.DeleteNames();
        break;
    case 12:
        // The close box: an open panel is resolved as its Cancel, then "Save data ?".
        if (panel.Shown()) panel.CloseWithWindow();
        return editor.Form_QueryUnload() == DevicesEditor::Close::Stay;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::Prepare(nullptr, 0);
    Input in{data, size};
    input = &in;
    finalYes = false;
    Ui::SetPrompter(Answer);
    const int flags = in.next();
    MaxNumOfDevices = (flags & 1) ? 50 : 126;
    languages::SetLanguage((flags & 2) ? 1 : 2);
    AdminMode = flags & 4;
    HighSens = 20, MediumSens = 35, LowSens = 50, High2Medium = 27, Medium2Low = 43;
    InputAlarmVal = 70, InputPREAlarmVal = 40;
    uint32_t seed = 0;
    for (int k = 0; k < 4; ++k) seed |= uint32_t(in.next()) << (8 * k);
    if (!(flags & 8)) {
        std::mt19937 rng(seed);
        RandomProject::FillWholeProject(rng, MaxNumOfDevices);
    }

    DevicesEditor editor;
    TypePanel panel{editor};
    editor.Form_Load();
    RequireRowsFresh(editor);
    bool closed = false;
    while (in.more() && !closed) {
        closed = !Step(in, editor, panel);
        if (!closed) RequireRowsFresh(editor);
    }
    if (!closed) {
        if (panel.Shown()) panel.CloseWithWindow();
        finalYes = true;
        fuzz::Require(editor.Form_QueryUnload() == DevicesEditor::Close::Committed);
    }
    // Whatever the closing answer was, the project is whole: the edits committed, or untouched.
    fuzz::Require(!ProjectWhole::CheckProject().any());
    fuzz::Require(!FirstUnencodableRecord().has_value());
    Ui::SetPrompter([](const Ui::MsgBoxCall&) { return int(Ui::vbOK); });
    input = nullptr;
    return 0;
}
