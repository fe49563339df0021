// The name boxes of the devices window: the check on leaving a box, the keys in it, and the
// tools that put names into the boxes.
#include "devices/DevicesEditor.h"

#include <algorithm>

#include "core/Usefull.h"

DevicesEditor::KeyEffect DevicesEditor::NewName_KeyDown(int Index, int KeyCode, int Shift)
{
    KeyEffect effect;
    if (Index < 1 || Index > count_) return effect;
    if (KeyCode >= 49 && KeyCode <= 51 && Shift == 2) {
        const int back = KeyCode - 48;
        if (Index > back) {
            rows_[size_t(Index)].nameText = rows_[size_t(Index - back)].nameText;
            effect.handled = effect.textCopied = true;
        }
        return effect;
    }
    if (KeyCode != 40 && KeyCode != 38) return effect;
    const std::vector<int> occupied = OccupiedRows();
    effect.handled = true;
    effect.focusRow = Index;
    if (occupied.empty()) return effect;
    if (KeyCode == 40) {
        const auto below = std::upper_bound(occupied.begin(), occupied.end(), Index);
        effect.focusRow = below != occupied.end() ? *below : occupied.front();
    } else {
        const auto atOrAbove = std::lower_bound(occupied.begin(), occupied.end(), Index);
        if (atOrAbove != occupied.begin()) effect.focusRow = *(atOrAbove - 1);
        else if (occupied.back() > Index) effect.focusRow = occupied.back();
    }
    return effect;
}

void DevicesEditor::StoreName(int a, const QString& name)
{
    DeviceRow& row = rows_[size_t(a)];
    row.nameText = BoxName(name);
    DeviceRecord& r = DeviceDataArrayEdit[size_t(a)];
    r.NameExist = "1";
    r.DeviceName = row.nameText;
}

void DevicesEditor::NewName_LostFocus(int Index)
{
    if (Index < 1 || Index > count_) return;
    CurrentRow = int16_t(Index);
    // A free row's box is empty and disabled: it holds no name to store.
    if (!rows_[size_t(Index)].exist) return;
    // A refused name keeps what the check could clean of it rather than vanishing, unless what
    // is left is a single character (blanks aside), which the check refuses too.
    StoreName(Index, Usefull::KeptName(rows_[size_t(Index)].nameText));
}

QString DevicesEditor::RowName(int address) const
{
    if (address < 1 || address > count_) return QString();
    return rows_[size_t(address)].exist ? rows_[size_t(address)].nameText : keptNames_[size_t(address)];
}

void DevicesEditor::SetRowName(int address, const QString& name)
{
    if (address < 1 || address > count_) return;
    if (rows_[size_t(address)].exist) StoreName(address, name);
    else keptNames_[size_t(address)] = BoxName(name);
}

DeviceTools::FillOutcome DevicesEditor::RangeFill(const QString& firstText, const QString& lastText, int type)
{
    const DeviceTools::FillOutcome out = DeviceTools::RangeFill(firstText, lastText, type);
    if (out.result == DeviceTools::FillResult::Filled) FormOrLineCreateFromVaribles(out.first, out.last);
    return out;
}

void DevicesEditor::DeleteNames()
{
    keptNames_ = {};
    for (int a = 1; a <= count_; ++a)
        if (rows_[size_t(a)].exist) StoreName(a, QString());
}

NamesImport::Outcome DevicesEditor::ImportNames(const QString& text)
{
    NamesImport::NameBoxes boxes;
    for (int a = 1; a <= count_; ++a) boxes[size_t(a)] = rows_[size_t(a)].nameText;
    const NamesImport::Outcome outcome = NamesImport::Import(text, boxes);
    for (int a = 1; a <= count_; ++a)
        if (rows_[size_t(a)].exist && boxes[size_t(a)] != rows_[size_t(a)].nameText) StoreName(a, boxes[size_t(a)]);
    return outcome;
}
