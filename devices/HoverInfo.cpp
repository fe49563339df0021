#include "devices/HoverInfo.h"

#include <cmath>

#include "core/Conv.h"
#include "core/DataModel.h"
#include "core/FuncMdl.h"

namespace HoverInfo {
namespace {

const QChar kCr(13);

struct Words {
    QString noDelay, delayBefore, seconds, untilReset, onTime, untilSilence, low, medium, high,
        temperature, supervision, alarm, oneAddress, twoAddresses, firstOfTwo, secondOfTwo,
        fourAddresses, partOfFour;
};

const Words& WordsOf(int16_t lang)
{
    static const Words english{
        QStringLiteral("Immediate activation"), QStringLiteral("Delay before "), QStringLiteral(" sec"),
        QStringLiteral("Up to RESET"), QStringLiteral("ON time "), QStringLiteral("Up to SILENCE"),
        QStringLiteral("LOW sensitivity"), QStringLiteral("MEDIUM sensitivity"), QStringLiteral("HIGH sensitivity"),
        QStringLiteral("Temperature "), QStringLiteral("SUPERVISION"), QStringLiteral("ALARM"),
        QStringLiteral("1 address device"), QStringLiteral("2 addresses device"), QStringLiteral("first address"),
        QStringLiteral("second address"), QStringLiteral("4 addresses device"), QStringLiteral("address ")};
    static const Words hebrew{
        QStringLiteral(u"פועל מיידי"), QStringLiteral(u"השהייה לפני פעולה : "), QStringLiteral(u" שניות"),
        QStringLiteral(u"פועל עד אתחול"), QStringLiteral(u"זמן פעולה : "), QStringLiteral(u"פועל עד השתק"),
        QStringLiteral(u"רגישות נמוכה (L)"), QStringLiteral(u"רגישות בינונית (M)"), QStringLiteral(u"רגישות גבוהה (H)"),
        QStringLiteral(u"טמפרטורה : "), QStringLiteral(u"התקן מפעיל פיקוח"), QStringLiteral(u"התקן מפעיל אזעקה"),
        QStringLiteral(u"כרטיס בעל כתובות 1 בלבד"), QStringLiteral(u"כרטיס בעל 2 כתובות"), QStringLiteral(u"כתובת ראשונה"),
        QStringLiteral(u"כתובת שנייה"), QStringLiteral(u"כרטיס בעל 4 כתובות"), QStringLiteral(u"כתובת מספר ")};
    static const Words none{};
    return lang == 1 ? hebrew : lang == 2 ? english : none;
}

QString Range(int from, int to) { return QStringLiteral(" (") + Str(from) + QLatin1Char('-') + Str(to) + QLatin1Char(')'); }

QString SettingsOf(const DeviceRecord& r, int kind, const Words& w)
{
    const long long d = ValInt(r.TimeDelayUp2ON);
    switch (kind) {
    case DeviceKind::SmokeDetector: {
        const double v = Val(r.AlarmValue);
        if (v > Medium2Low) return w.low;
        if (v < High2Medium) return w.high;
        return w.medium;
    }
    case DeviceKind::HeatDetector:
        return w.temperature + Str(ValInt(r.AlarmValue));
    case DeviceKind::RedCallPoint: case DeviceKind::AlarmFaultCard: case DeviceKind::TwoInputCard:
    case DeviceKind::YellowCallPoint: case DeviceKind::InputDevice: case DeviceKind::BeamCard:
        // The caption was emptied before, so the text opens with an empty line.
        return QString(kCr) + (ValInt(r.IsNotUseInAlarm) == 1 ? w.supervision : w.alarm);
    case DeviceKind::Output: case DeviceKind::Relay: case DeviceKind::LineRelay: {
        QString text = d != 0 ? w.delayBefore + Str(d * 8) + w.seconds : w.noDelay;
        switch (ValInt(r.offTypeAfterON)) {
        case 0: text += kCr + w.untilReset; break;
        case 1: text += kCr + w.onTime + Str(ValInt(r.OutOnTimes) * 8) + w.seconds; break;
        case 2: text += kCr + w.untilSilence; break;
        default: break;
        }
        return text;
    }
    case DeviceKind::Extinguish: {
        if (d == 0) return w.noDelay;
        // The delay codes are powers of two: 15 seconds per halving.
        double n = double(d);
        int s = 0;
        while (n > 1) {
            n = std::nearbyint(n / 2);
            ++s;
        }
        return w.delayBefore + Str(15LL * s) + w.seconds;
    }
    default:
        return QString();
    }
}

}  // namespace

Switches SwitchesOf(int address)
{
    Switches s{};
    const QString bits = QStringLiteral("00000000").append(FuncMdl::HexToBin(QString::number(address, 16))).right(8);
    for (int k = 0; k < 8; ++k)
        s[k] = bits[7 - k] == QLatin1Char('1');
    return s;
}

Description DeviceSettingsText(int a)
{
    Description out;
    if (a < 1 || a > MaxAddress)
        return out;
    const Words& w = WordsOf(UILanguage);
    const DeviceRecord& r = DeviceDataArrayEdit[a];
    const int kind = KindOf(r);
    out.settings = SettingsOf(r, kind, w);

    const long long p = ValInt(r.CardAddr);
    const bool occupied = r.Exist == "1";
    int first = a;
    if (kind == DeviceKind::FourZoneCard && p >= 0 && p <= 3 && a - p >= 1) {
        first = a - int(p);
        out.position = w.fourAddresses + kCr + w.partOfFour + Str(p + 1) + Range(first, first + 3);
    } else if (kind != DeviceKind::FourZoneCard && p == 2 && a < MaxAddress) {
        out.position = w.twoAddresses + kCr + w.firstOfTwo + Range(a, a + 1);
    } else if (kind != DeviceKind::FourZoneCard && p > 2 && a > 1) {
        first = a - 1;
        out.position = w.twoAddresses + kCr + w.secondOfTwo + Range(first, a);
    } else if (occupied) {
        out.position = w.oneAddress;
    }
    out.switchAddress = first;
    out.switches = SwitchesOf(first);
    if (kind == DeviceKind::HeatDetector || ValInt(DeviceDataArrayEdit[first].CardAddr) >= 2)
        out.switches[7] = true;
    return out;
}

std::optional<QString> NamesText(int address, const QString& factoryBox, const QString& nameBox)
{
    const bool occupied = address >= 1 && address <= MaxAddress && DeviceDataArrayEdit[address].Exist == "1";
    if (UILanguage == 2)
        return occupied ? QStringLiteral("Factory name") + kCr + factoryBox + kCr + QStringLiteral("Device name") + kCr + nameBox
                        : QStringLiteral("Device ") + Str(address) + QStringLiteral(" not exist");
    if (UILanguage == 1)
        return occupied ? QStringLiteral(u"שם ברירת המחדל") + kCr + factoryBox + kCr + QStringLiteral(u"שם של ההתקן") + kCr + nameBox
                        : QStringLiteral(u"התקן מספר ") + Str(address) + QStringLiteral(u" לא קיים במערכת");
    return std::nullopt;
}

}  // namespace HoverInfo
