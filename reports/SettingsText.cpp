#include "reports/SettingsText.h"

#include <algorithm>
#include <cmath>

#include "core/Conv.h"
#include "core/DataModel.h"
#include "core/Message.h"
#include "reports/ReportText.h"

using languages::ByLanguage;
using ReportText::RightAlign;

namespace SettingsText {
namespace {

// std::nearbyint rounds a half to the even neighbour in the default rounding mode.
double Nearest(double v) { return std::nearbyint(v); }

QString Groups(const DeviceRecord& r, int16_t lang)
{
    // The record holds at most MaxGroupsPerInput group slots.
    const long long n = std::clamp<long long>(ValInt(r.NumOfGroups.str()), 0, MaxGroupsPerInput);
    if (n == 0) return ByLanguage(lang, QStringLiteral("לא נמצא"), QStringLiteral("Not found"));
    QString text;
    for (int k = 1; k <= n; ++k) {
        if (k > 1) text += u',';
        text += Str(ValInt(r.Grp[k].str()));
    }
    return text;
}

QString Addresses(const DeviceRecord& r)
{
    switch (ValInt(r.CardAddr.str())) {
    case 2: return QStringLiteral("1/2");
    case 3: return QStringLiteral("2/2");
    default: return QStringLiteral("-1-");
    }
}

QString OutputWorkMode(const DeviceRecord& r, int16_t lang)
{
    switch (ValInt(r.OutBehevior.str())) {
    case 0: return ByLanguage(lang, QStringLiteral("רגיל"), QStringLiteral("GENERAL"));
    case 2: return ByLanguage(lang, QStringLiteral("מכל תקלה"), QStringLiteral("ANY FAULT"));
    case 3: return ByLanguage(lang, QStringLiteral("מכל אזעקה"), QStringLiteral("ANY ALARM"));
    default: return QString();  // 1: the extinguish output type
    }
}

QString OutputDelay(const DeviceRecord& r, int16_t lang, const Regional& regional)
{
    switch (ValInt(r.DlyB4ON.str())) {
    case 0: return ByLanguage(lang, QStringLiteral("ללא"), QStringLiteral("NO"));
    case 1: return regional.Number(Val(r.TimeDelayUp2ON.str()) * 7.5);
    default: return QString();
    }
}

QString SilencedAndOnTime(const DeviceRecord& r, int16_t lang)
{
    QString silenced, onTime;
    switch (ValInt(r.offTypeAfterON.str())) {
    case 0:
        silenced = ByLanguage(lang, QStringLiteral("לא"), QStringLiteral("NO"));
        onTime = ByLanguage(lang, QStringLiteral("עד אתחול"), QStringLiteral("RESET"));
        break;
    case 1:
        silenced = ByLanguage(lang, QStringLiteral("לא"), QStringLiteral("NO"));
        onTime = Str(15 * HalvingCount(Val(r.OutOnTimes.str())));
        break;
    case 2:
        silenced = ByLanguage(lang, QStringLiteral("כן"), QStringLiteral("YES"));
        onTime = ByLanguage(lang, QStringLiteral("עד השתק"), QStringLiteral("SILENCE"));
        break;
    default:
        break;
    }
    return RightAlign(silenced) + ReportText::Tab + RightAlign(onTime);
}

}  // namespace

int HalvingCount(double code)
{
    if (!std::isfinite(code)) return 0;
    double c = Nearest(code);
    int h = 0;
    while (c >= 2) {
        c = Nearest(c / 2);
        ++h;
    }
    return h;
}

QString SettingsToListView(int col, int addr, int16_t lang, const Regional& regional)
{
    if (addr < 0 || addr > MaxAddress) return QString();
    const DeviceRecord& r = DeviceDataArray[addr];
    switch (col) {
    case 1: return r.FactoryName.str();
    case 2: return r.DeviceName.str();
    case 3: return RightAlign(Groups(r, lang));
    case 4: return RightAlign(Addresses(r));
    case 5: return RightAlign(OutputWorkMode(r, lang));
    case 6: return RightAlign(OutputDelay(r, lang, regional));
    case 7: return SilencedAndOnTime(r, lang);
    default: return QString();
    }
}

}  // namespace SettingsText
