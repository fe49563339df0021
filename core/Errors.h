#pragma once
// Error-location codes: every panel-protocol procedure stores its own code in ErrLocation when a
// fault occurs inside it, and the administrator area shows the code with the procedure's name.
#include <QString>

namespace Errors {

// The procedures that have a code; the value is the code's number.
enum class Loc : int {
    NoError = 0, GetDataSys, GetSubData, GetDeviceData, GetDeviceName, GetOutGrp, GetHistoryA,
    SetBaudRate, SetTime, SetDataSys, SetSubData, SetDeviceData, SetDataName, SetOutGrp,
    fillBaudRate2Snd, fillSetTime, fillDataSys2Snd, fillSubData2Snd, fillDeviceData2Snd,
    fillNameData2Snd, fillOutGrp2Snd, sndDataArray, sndCmd, fillDataRcv, fillDataSysArray_rcv,
    fillDataSysArray4Verif_rcv, fillSubDataArray_rcv, fillDeviceDataArray_rcv,
    fillDeviceDataArray4Verif_rcv, fillNameArray_rcv, fillOutGrpArray_rcv, fillHistoryArray_rcv,
    fillDataLine, doChkSumStr, ChkChkSumStr,
};

// The code text of a procedure: "0x0000" and two decimal digits, e.g. "0x000008".
QString Code(Loc loc);

// The procedure name of a code ("0x000022" -> "sndCmd"; "0x000000" -> "NO ERROR"). The whole
// code must match exactly; another code shows a message box and gives the empty text.
QString ErrCode2Name(const QString& code);

}  // namespace Errors
