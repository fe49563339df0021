#include "mainwindow/AdminValues.h"

#include "core/Conv.h"
#include "core/DataModel.h"
#include "core/Errors.h"
#include "platform/Ui.h"

namespace AdminValues {

std::optional<int> ParseValueBox(const QString& text)
{
    const QString t = text.trimmed();
    if (t.isEmpty() || t.size() > 3) return std::nullopt;
    for (QChar c : t)
        if (c < u'0' || c > u'9') return std::nullopt;
    const int v = t.toInt();
    if (v > 255) return std::nullopt;
    return v;
}

Message ValueRefused(int16_t lang)
{
    return languages::ByLanguage(lang, Message{QStringLiteral("יש להזין מספר שלם בין 0 ל-255"), Ui::vbOKOnly | Ui::vbHebrew, QString()},
                                 Message{QStringLiteral("Please enter a whole number from 0 to 255"), Ui::vbOKOnly, QString()});
}

DetectorList ApplySensitivity(int index, int value)
{
    static int16_t* const shared[3] = {&HighSens, &MediumSens, &LowSens};
    DetectorList d;
    for (int a = 1; a <= MaxNumOfDevices && a <= MaxAddress; ++a) {
        DeviceRecord& r = DeviceDataArray[a];
        if (KindOf(r) != DeviceKind::SmokeDetector || r.Exist.str() != QLatin1String("1")) continue;
        if (index >= 0 && index <= 2) {
            *shared[index] = int16_t(value);
            r.AlarmValue = Str(value);
        }
        ++d.count;
        d.list += QLatin1Char(',') + r.Address.str();
    }
    return d;
}

Message DetectorCount(const DetectorList& d)
{
    return {QStringLiteral("Number of detectors: ") + Str(d.count) + QLatin1Char('\r') + d.list, Ui::vbOKOnly, QString()};
}

bool DevicesAbove50()
{
    for (int a = 51; a <= MaxAddress; ++a)
        if (DeviceDataArray[a].Exist.str() == QLatin1String("1")) return true;
    return false;
}

std::optional<Message> Above50Refused(int16_t lang)
{
    if (lang == 1)
        return Message{QStringLiteral("יש למחוק את כל ההתקנים מעל כתובת 50"), Ui::vbOKOnly | Ui::vbHebrew,
                                  QStringLiteral("שגיאה")};
    if (lang == 2)
        return Message{QStringLiteral("Please delete all devices above address 50"),
                                  Ui::vbOKOnly | Ui::vbMsgBoxRight, QStringLiteral("Error")};
    return std::nullopt;
}

std::optional<uint32_t> ToggleAlarmFaultCards()
{
    std::optional<uint32_t> colour;
    for (int a = 1; a <= MaxNumOfDevices && a <= MaxAddress; ++a) {
        DeviceRecord& r = DeviceDataArray[a];
        if (KindOf(r) != DeviceKind::AlarmFaultCard || ValInt(r.CardAddr.str()) == 2) continue;
        if (ValInt(r.IsNotUseInAlarm.str()) == 0) {
            r.IsNotUseInAlarm = "1";
            colour = 0x8080FF;
        } else {
            r.IsNotUseInAlarm = "0";
            colour = 0xFFFFFF;
        }
    }
    return colour;
}

QString ErrorLabelText() { return ErrLocation + QStringLiteral("\r\n") + Errors::ErrCode2Name(ErrLocation); }

uint32_t NextVerifyBlink(uint32_t current, bool sendAllowed)
{
    const uint32_t signal = sendAllowed ? Yellow : Red;
    return current == signal ? LightGrey : signal;
}

}  // namespace AdminValues
