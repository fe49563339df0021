// The name boxes of the devices window: the check on leaving a box and the keys in it.
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

void DevicesEditor::NewName_LostFocus(int Index)
{
    if (Index < 1 || Index > count_) return;
    CurrentRow = int16_t(Index);
    DeviceRow& row = rows_[size_t(Index)];
    // A refused name keeps what the check could clean of it rather than vanishing, unless what
    // is left is a single character, which the check refuses too.
    row.nameText = Usefull::KeptName(row.nameText);
    DeviceRecord& r = DeviceDataArrayEdit[size_t(Index)];
    r.NameExist = "1";
    r.DeviceName = row.nameText;
}
