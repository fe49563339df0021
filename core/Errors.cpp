#include "core/Errors.h"

#include <array>

#include "core/Conv.h"
#include "platform/Ui.h"

namespace Errors {
namespace {

// Indexed by the code's number.
constexpr std::array<const char*, 35> kNames = {
    "NO ERROR", "GetDataSys", "GetSubData", "GetDeviceData", "GetDeviceName", "GetOutGrp",
    "GetHistoryA", "SetBaudRate", "SetTime", "SetDataSys", "SetSubData", "SetDeviceData",
    "SetDataName", "SetOutGrp", "fillBaudRate2Snd", "fillSetTime", "fillDataSys2Snd",
    "fillSubData2Snd", "fillDeviceData2Snd", "fillNameData2Snd", "fillOutGrp2Snd",
    "sndDataArray", "sndCmd", "fillDataRcv", "fillDataSysArray_rcv",
    "fillDataSysArray4Verif_rcv", "fillSubDataArray_rcv", "fillDeviceDataArray_rcv",
    "fillDeviceDataArray4Verif_rcv", "fillNameArray_rcv", "fillOutGrpArray_rcv",
    "fillHistoryArray_rcv", "fillDataLine", "doChkSumStr", "ChkChkSumStr",
};

const QString kPrefix = QStringLiteral("0x0000");

// The number of a well-formed code in the table, or -1.
int NumberOf(const QString& code)
{
    if (code.size() != kPrefix.size() + 2 || !code.startsWith(kPrefix))
        return -1;
    const QChar tens = code[kPrefix.size()];
    const QChar units = code[kPrefix.size() + 1];
    if (tens < QLatin1Char('0') || tens > QLatin1Char('9') || units < QLatin1Char('0') ||
        units > QLatin1Char('9'))
        return -1;
    const int n = (tens.unicode() - u'0') * 10 + (units.unicode() - u'0');
    return n < static_cast<int>(kNames.size()) ? n : -1;
}

}  // namespace

QString Code(Loc loc)
{
    return kPrefix + ZeroPad(static_cast<int>(loc), 2);
}

QString ErrCode2Name(const QString& code)
{
    const int n = NumberOf(code);
    if (n < 0) {
        Ui::MsgBox(QStringLiteral("שגיאה שגיאתית"), Ui::vbOKOnly, QString());
        return QString();
    }
    return QString::fromLatin1(kNames[n]);
}

}  // namespace Errors
