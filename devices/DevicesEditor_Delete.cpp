// Deleting a device in the devices window: its span, its group links and the two questions.
#include "devices/DevicesEditor.h"

#include <algorithm>

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
    const ProjectWhole::Span span = SpanOf(Index);
    return span.first ? span.last : Index;
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
    // The device as the working table holds it, never as earlier steps left the buttons.
    const ProjectWhole::Span span = SpanOf(Index);
    if (span.first == 0) return NameRowAbove(Index);  // a free row's button does nothing
    const int first = span.first, last = span.last;
    if (ShowMessage(DevicesTexts::DeleteQuestion(UILanguage, first, last)) == Ui::vbYes) {
        const long long in = ValInt(DeviceDataArrayEdit[size_t(first)].DeviceIsIn.str());
        if (in == 0) RemoveOutputs(first, last);
        else if (in == 1) RecountTriggers(first, last);
        const bool names = ShowMessage(DevicesTexts::DeleteNamesQuestion(UILanguage)) == Ui::vbYes;
        for (int a = first; a <= last; ++a) keptNames_[size_t(a)] = names ? QString() : rows_[size_t(a)].nameText;
        ResetLineOrAll(first, last);
        FormOrLineCreateFromVaribles(first, last);  // the count of the whole table too
    }
    MultiAddrPos = 0;
    return NameRowAbove(Index);
}
