#include "devices/DeviceTools.h"

#include <algorithm>
#include <cmath>

#include "core/Conv.h"
#include "core/DataModel.h"
#include "platform/Ui.h"

namespace DeviceTools {
namespace {

// The kind each fill type makes, in the order of its option buttons; its codes are the kind table's.
const DeviceKind::KindInfo& FillKind(int type)
{
    static const int kinds[] = {DeviceKind::SmokeDetector, DeviceKind::RedCallPoint, DeviceKind::InputDevice};
    return *DeviceKind::Find(kinds[type >= 0 && type <= 2 ? type : 0]);
}

// A whole address typed into a range box, or 0.
int WholeAddress(const QString& text)
{
    const double v = Val(text);
    if (!(v >= 1 && v <= MaxAddress) || v != std::floor(v))
        return 0;
    return int(v);
}

std::optional<Message> Warning(int16_t lang, const QString& english, const QString& hebrew)
{
    if (lang == 2)
        return Message{english, Ui::vbYesNo, QStringLiteral("Warning")};
    if (lang == 1)
        return Message{hebrew, Ui::vbYesNo | Ui::vbHebrew, QStringLiteral(u"אזהרה")};
    return std::nullopt;
}

template <typename F>
void ForEachSmokeDetector(F f)
{
    const int n = std::clamp<int>(MaxNumOfDevices, 0, MaxAddress);
    for (int i = 1; i <= n; ++i)
        if (KindOf(DeviceDataArrayEdit[i]) == DeviceKind::SmokeDetector)
            f(DeviceDataArrayEdit[i]);
}

}  // namespace

FillOutcome RangeFill(const QString& firstText, const QString& lastText, int type)
{
    FillOutcome out;
    const int first = WholeAddress(firstText);
    const int last = WholeAddress(lastText);
    if (first == 0 || last == 0 || first > MaxNumOfDevices || last > MaxNumOfDevices || first >= last
        || type < 0 || type > 2)
        return out;
    out.first = first;
    out.last = last;
    for (int i = first; i <= last; ++i) {
        if (DeviceDataArrayEdit[i].Exist == "1") {
            out.result = FillResult::NotEmpty;
            return out;
        }
    }
    const DeviceKind::KindInfo& kind = FillKind(type);
    const bool smoke = type == FillSmoke;
    for (int i = first; i <= last; ++i) {
        DeviceRecord& r = DeviceDataArrayEdit[i];
        r.Address = ZeroPad(i, 3);
        r.Exist = "1";
        r.DeviceIsIn = "1";
        r.DeviceNeedVer = "0";
        r.OutBehevior = "0";
        r.offTypeAfterON = "0";
        r.IsNotUseInAlarm = "0";
        r.WithAlarmGroup = "0";
        r.WithFaultGroup = "0";
        r.DlyB4ON = "0";
        r.CardAddr = "01";
        r.OutOnTimes = "0";
        r.TimeDelayUp2ON = "0";
        r.AlarmValue = Str(smoke ? LowSens : InputAlarmVal);
        r.PreAlarmValue = smoke ? QStringLiteral("45") : Str(InputPREAlarmVal);
        r.ExtType = kind.extType;
        r.BaseType = kind.baseType;
    }
    out.result = FillResult::Filled;
    return out;
}

std::optional<Message> RangeNotEmpty(int16_t lang)
{
    if (lang == 2)
        return Message{QStringLiteral("Range is not empty"), Ui::vbOKCancel, QString()};
    if (lang == 1)
        return Message{QStringLiteral(u"תחום הכתובות לא ריק"), Ui::vbOKCancel | Ui::vbHebrew, QString()};
    return std::nullopt;
}

std::optional<Message> SensitivityWarning(int16_t lang)
{
    return Warning(lang, QStringLiteral("Click YES to change sensitivity of all smoke detectors"),
                   QStringLiteral(u"לחץ על YES לשינוי רגישות בכל גלאי עשן"));
}

std::optional<Message> VerificationWarning(int16_t lang)
{
    return Warning(lang, QStringLiteral("Click YES to change alarm verification of all smoke detectors"),
                   QStringLiteral(u"לחץ על YES לשינוי אימות אזעקה בכל גלאי עשן"));
}

std::optional<Message> DeleteNamesWarning(int16_t lang)
{
    return Warning(lang, QStringLiteral("Click YES to delete all names"),
                   QStringLiteral(u"לחץ על YES למחיקת כל השמות"));
}

std::optional<QString> SensitivityCaption(int16_t lang, int index)
{
    static const char16_t* const english[] = {u"LOW", u"MED", u"HIGH"};
    static const char16_t* const hebrew[] = {u"נמוכה", u"בינונית", u"גבוהה"};
    if (index < 0 || index > 2 || (lang != 1 && lang != 2))
        return std::nullopt;
    return QString::fromUtf16(lang == 2 ? english[index] : hebrew[index]);
}

void SetSmokeSensitivity(int index)
{
    if (index < 0 || index > 2)
        return;
    const int16_t value = index == 0 ? LowSens : index == 1 ? MediumSens : HighSens;
    ForEachSmokeDetector([&](DeviceRecord& r) { r.AlarmValue = Str(value); });
}

void SetSmokeVerification(int index)
{
    if (index < 0 || index > 1)
        return;
    ForEachSmokeDetector([&](DeviceRecord& r) { r.DeviceNeedVer = index == 0 ? "1" : "0"; });
}

}  // namespace DeviceTools
