// Deleting a device in the devices window: its span, its group links and the two questions.
#include "devices/DevicesEditor.h"

#include <algorithm>
#include <vector>

#include "core/Conv.h"
#include "core/languages.h"
#include "devices/DevicesTexts.h"
#include "platform/Ui.h"

using namespace DeviceColors;

int DevicesEditor::NameRowAbove(int Index) const
{
    for (int j = std::min(Index, count_ + 1) - 1; j >= 1; --j)
        if (rows_[size_t(j)].exist) return j;
    return 0;
}

int DevicesEditor::DeleteSpanEnd(int Index) const
{
    const int height = rows_[size_t(std::clamp(Index, 0, MaxAddress))].deleteHeight;
    const int span = height == 100 ? 4 : height == 50 ? 2 : 1;
    return std::min(Index + span - 1, count_);
}

void DevicesEditor::RemoveOutputs(int first, int last)
{
    for (int a = first; a <= last; ++a)
        for (int g = 1; g <= MaxGroups; ++g) {
            OutGrpRecord& grp = OutGrpArrayEdit[size_t(g)];
            for (int k = 1; k <= 6; ++k) {
                if (ValInt(grp.OutAddr[size_t(k)].str()) != a) continue;
                const long long c = ValInt(grp.OutCount.str());
                if (k < c && c <= 6) {
                    // The group's last output fills the gap.
                    grp.OutAddr[size_t(k)] = grp.OutAddr[size_t(c)].str();
                    grp.OutAddr[size_t(c)] = "000";
                } else {
                    grp.OutAddr[size_t(k)] = "000";
                }
                grp.OutCount = Str(std::max<long long>(c - 1, 0));
            }
        }
}

void DevicesEditor::RecountTriggers(int first, int last)
{
    const auto links = [](const DeviceRecord& r) { return int(std::clamp<long long>(ValInt(r.NumOfGroups.str()), 0, 4)); };
    for (int a = first; a <= last; ++a) {
        const DeviceRecord& deleted = DeviceDataArrayEdit[size_t(a)];
        for (int j = 1; j <= links(deleted); ++j) {
            const long long g = ValInt(deleted.Grp[size_t(j)].str());
            if (g < 1 || g > MaxGroups) continue;
            // The inputs that stay in the group: occupied addresses outside the deleted span.
            int remaining = 0;
            for (int b = 1; b <= count_; ++b) {
                if (b >= first && b <= last) continue;
                const DeviceRecord& r = DeviceDataArrayEdit[size_t(b)];
                if (r.Exist.str() != QLatin1String("1")) continue;
                for (int s = 1; s <= links(r); ++s)
                    if (ValInt(r.Grp[size_t(s)].str()) == g) {
                        ++remaining;
                        break;
                    }
            }
            OutGrpRecord& grp = OutGrpArrayEdit[size_t(g)];
            const long long old = std::clamp<long long>(ValInt(grp.Trigger.str()), 0, 3);
            grp.Trigger = Str(remaining == 0 ? 0 : std::min<long long>(old, remaining));
        }
    }
}

int DevicesEditor::DisableDevice_Click(int Index)
{
    if (Index < 1 || Index > count_) return 0;
    MarkCurrentLine(Index);
    MultiAddrPos = 0;
    const int last = DeleteSpanEnd(Index);
    const DeviceRow& pressed = rows_[size_t(Index)];
    if (ShowMessage(DevicesTexts::DeleteQuestion(UILanguage, Index, last)) == Ui::vbYes) {
        const int height = pressed.deleteHeight;
        if (pressed.inOutCaption == WordOut) RemoveOutputs(Index, last);
        else if (pressed.inOutCaption == WordIn) RecountTriggers(Index, last);
        if (ShowMessage(DevicesTexts::DeleteNamesQuestion(UILanguage)) == Ui::vbYes)
            for (int a = Index; a <= last; ++a) rows_[size_t(a)].nameText.clear();
        std::vector<QString> names(size_t(count_) + 1);
        for (int a = 1; a <= count_; ++a) names[size_t(a)] = rows_[size_t(a)].nameText;
        ResetLineOrAll(Index, last);
        // The buttons of the device's other rows come back.
        if (height == 100 || height == 50) {
            rows_[size_t(Index)].deleteHeight = 25;
            for (int a = Index + 1; a <= std::min(Index + (height == 100 ? 3 : 1), count_); ++a)
                rows_[size_t(a)].deleteVisible = true;
        }
        FormOrLineCreateFromVaribles(Index, count_);
        for (int a = 1; a <= count_; ++a) rows_[size_t(a)].nameText = names[size_t(a)];
    }
    MultiAddrPos = 0;
    return NameRowAbove(Index);
}

