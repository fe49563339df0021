#pragma once
// The operating groups window's texts in both languages (1 Hebrew, 2 English): captions,
// item texts, names, messages and the device information line.
#include <cstdint>
#include <optional>
#include <vector>

#include <QString>

#include "core/Message.h"

class GroupsModel;

namespace GroupsTexts {

// One caption: the control's name and its texts.
struct Caption {
    QString control;
    QString hebrew;
    QString english;
};
// Every caption the window's language setting writes ("frm8Groups" is the window caption).
const std::vector<Caption>& CaptionTable();
// Nothing for a language other than 1 or 2 or a control not in the table.
std::optional<QString> CaptionOf(const QString& control, int16_t lang);

// The prefix of a default group name: "Group " or "קבוצת הפעלה ".
QString GrpNamePrefix(int16_t lang);
// The 16-character item of a special output (201, 202, 205); "" for another code.
QString SpecialItemText(int code, int16_t lang);
// The two-line captions of the member buttons once group g is shown (lines joined by CR).
QString AddCaption(int g, int16_t lang);
QString RemoveCaption(int g, int16_t lang);
// The names the special dialer gives groups 31 and 32.
QString DialerGroupName(int g, int16_t lang);

// Messages.
Message TooManyGroups(int address, int16_t lang);
Message TooManyOutputs(int16_t lang);
Message SaveQuestion(int16_t lang);
Message IllegalGroupsWarning(int16_t lang);
Message DeleteGroupQuestion(int16_t lang);
Message DeleteAllQuestion(int16_t lang);
Message DialerWarning(int16_t lang);
// Not enough detectors (group 31) or call points (group 32) for the dialer group.
Message DialerShortage(int g, int16_t lang);
// Enough of them, but too few with room for another group: names the inputs already in 4.
Message DialerNoRoom(int g, const std::vector<int>& full, int16_t lang);

// The information line (lines joined by CR) about the input or output at `address` as the
// model holds it; "" for address 0 (nothing selected).
QString InputInfo(const GroupsModel& m, int address);
QString OutputInfo(const GroupsModel& m, int address);
// The information line as it stands: about the model's InfoDevice as the model holds it now.
QString InfoLine(const GroupsModel& m);

}  // namespace GroupsTexts
