#pragma once
// The speed code (CD), the clock (CA), the system settings (C2 out, B2 back with the panel's
// identity) and the remote units (CC out, BC back). Encoders leave their frame in FrameArray(1)
// and "1" in FrameArray(0); decoders read the record in FrameArray(1). Each returns false after
// failing its step (TransferError set, its error-location code in ErrLocation); a failed encoder
// leaves no frame to send and a failed decoder changes nothing.
#include <optional>

#include <QByteArray>
#include <QString>

// CD: the speed code (9, 38 or 57) as one byte.
bool fillBaudRate2Snd(int code);
// CA: ClockFields 1..7, two decimal digits each, sent as BCD.
bool fillSetTime();
// C2: DataSys, 7 bytes (DataSysByte1 as a value byte, two flag bytes, the night times as BCD
// hours first).
bool fillDataSys2Snd();
// CC: the remote panels and power supplies, four value bytes.
bool fillSubData2Snd();

// The data bytes of C2 and CC from the shared data; nothing when a field does not fit.
std::optional<QByteArray> EncodeDataSys();
std::optional<QByteArray> EncodeSubData();

// B2 into the panel identity, the identity boxes and DataSys; sets ProjectLoaded. The reply
// carries DataSysByte1 in hex digits and the night times as binary minutes first, unlike C2.
// A loop class other than 3 or 4 takes its reset value "003".
bool fillDataSysArray_rcv();
// B2's identity only, into the *4Verif copies; the project and the boxes stay as they are.
bool fillDataSysArray4Verif_rcv();
// BC into RemoteUnits ("1" in the system, "0" not; any other reading is "0"); sets ProjectLoaded.
bool fillSubDataArray_rcv();

// The identity boxes of the administrator area: the versions as the boxes show them, the code.
void ShowIdentity(const QString& com, const QString& soft, const QString& hard, const QString& tech);

// A four-digit version as hundredths: "0171" -> 171.
int VersionValue(const QString& version);
// The model digit: the second character of the version's number without leading zeros
// ("0150" -> 5, "0100" -> 0); -1 when the number has one digit. 5 means a 50-address panel.
int ModelDigit(const QString& hardwareVersion);
// A version as the boxes show it: "0171" -> "01.71".
QString VersionText(const QString& version);
