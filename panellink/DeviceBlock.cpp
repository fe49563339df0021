#include "panellink/DeviceBlock.h"

#include <map>

#include "core/Conv.h"
#include "core/FieldRanges.h"
#include "core/ResetModule.h"
#include "core/languages.h"
#include "panellink/Bytes.h"
#include "panellink/Frame.h"
#include "panellink/LinkState.h"

using namespace PanelBytes;

namespace {

// Kinds whose decoded record always says "single device".
bool DecodesAsSingle(int kind)
{
    switch (kind) {
    case DeviceKind::SmokeDetector: case DeviceKind::HeatDetector: case DeviceKind::RedCallPoint:
    case DeviceKind::ConventionalDetector: case DeviceKind::YellowCallPoint: case DeviceKind::LineRelay:
    case DeviceKind::InputDevice: case DeviceKind::SmokeHeatDetector: case DeviceKind::BeamCard:
        return true;
    default:
        return false;
    }
}

bool ModelSizeOk() { return MaxNumOfDevices >= 1 && MaxNumOfDevices <= MaxAddress; }

}  // namespace

std::optional<QByteArray> EncodeDeviceRecord(int address, const DeviceRecord& r)
{
    const long long ext = ValInt(r.ExtType);
    if (ext % 8 != 0) return std::nullopt;
    // The panel takes no position for a red call point.
    const long long cardAddr = KindOf(r) == DeviceKind::RedCallPoint ? 0 : ValInt(r.CardAddr);

    const auto b1 = ValueByte(Str(address));
    const auto b2 = BitByte().Flag(r.DeviceDisable).Field(ext / 8, 2).FieldOf(r.BaseType, 3)
                        .Flag(r.DeviceIsIn).Flag(r.Exist).Value();
    const auto b3 = BitByte().FieldOf(r.LoopSide, 2).FieldOf(r.offTypeAfterON, 2).FieldOf(r.OutBehevior, 2)
                        .Flag(r.DeviceNeedVer).Flag(r.NameExist).Value();
    const auto b4 = BitByte().Field(cardAddr, 4).Flag(r.DlyB4ON).Flag(r.WithFaultGroup)
                        .Flag(r.WithAlarmGroup).Flag(r.IsNotUseInAlarm).Value();
    const auto b5 = ValueByte(r.OutOnTimes), b6 = ValueByte(r.TimeDelayUp2ON);
    const auto b7 = ValueByte(r.AlarmValue), b8 = ValueByte(r.PreAlarmValue);
    const long long groups = ValInt(r.NumOfGroups);
    if (!b1 || !b2 || !b3 || !b4 || !b5 || !b6 || !b7 || !b8 || groups < 0 || groups > 4) return std::nullopt;

    QByteArray data;
    for (auto b : {*b1, *b2, *b3, *b4, *b5, *b6, *b7, *b8, uint8_t(groups)}) data.append(char(b));
    // Group "01" and an empty slot both travel as 0; byte 9 tells them apart.
    for (int k = 1; k <= 4; ++k) {
        if (k > groups) {
            data.append(char(0));
            continue;
        }
        const long long g = ValInt(r.Grp[k]);
        if (g < 1 || g > MaxGroups) return std::nullopt;
        data.append(char(g - 1));
    }
    data.append(char(0));
    return data;
}

std::optional<DeviceRecord> DecodeDeviceRecord(const QByteArray& data, const DeviceRecord& into)
{
    if (data.size() != DeviceRecordBytes) return std::nullopt;
    const int address = At(data, 1);
    const uint8_t b2 = At(data, 2), b3 = At(data, 3), b4 = At(data, 4);
    const int groups = At(data, 9);
    if (groups > 4) return std::nullopt;
    for (int k = 1; k <= groups; ++k)
        if (At(data, 9 + k) >= MaxGroups) return std::nullopt;

    DeviceRecord r = into;
    r.Address = ZeroPad(address, 3);
    r.DeviceDisable = Bit(b2, 7);
    r.ExtType = ZeroPad(BitsOf(b2, 6, 5) * 8, 2);
    r.BaseType = Str(BitsOf(b2, 4, 2));
    r.DeviceIsIn = Bit(b2, 1);
    r.Exist = Bit(b2, 0);
    r.LoopSide = Str(BitsOf(b3, 7, 6));
    r.offTypeAfterON = Str(BitsOf(b3, 5, 4));
    r.OutBehevior = ZeroPad(BitsOf(b3, 3, 2), 2);
    r.DeviceNeedVer = Bit(b3, 1);
    r.NameExist = Bit(b3, 0);
    // The position is a decimal digit; the nibbles 10 to 15 read as 0.
    const int position = BitsOf(b4, 7, 4) <= 9 ? BitsOf(b4, 7, 4) : 0;
    r.CardAddr = ZeroPad(position, 2);
    r.DlyB4ON = Bit(b4, 3);
    r.WithFaultGroup = Bit(b4, 2);
    r.WithAlarmGroup = Bit(b4, 1);
    r.IsNotUseInAlarm = Bit(b4, 0);
    r.OutOnTimes = DecimalReading(At(data, 5), 2);
    r.TimeDelayUp2ON = DecimalReading(At(data, 6), 2);
    r.AlarmValue = DecimalReading(At(data, 7), 3);
    r.PreAlarmValue = DecimalReading(At(data, 8), 3);
    r.NumOfGroups = ZeroPad(groups, 2);
    for (int k = 1; k <= 4; ++k) r.Grp[k] = k <= groups ? ZeroPad(At(data, 9 + k) + 1, 2) : QStringLiteral("00");

    const int kind = KindOf(r);
    // A four-zone card has parts 0 to 3 only.
    if (kind == DeviceKind::FourZoneCard && position > 3) return std::nullopt;
    const QString factory = languages::FactoryNameFor(address, kind, position);
    if (!factory.isEmpty()) r.FactoryName = factory;
    if (DecodesAsSingle(kind)) r.CardAddr = "01";
    return r;
}

bool fillDeviceData2Snd()
{
    ErrLocation = QStringLiteral("0x000000");
    LinkState::BeginBlock();
    if (!ModelSizeOk()) return LinkState::CodecFault("0x000018");
    std::array<QByteArray, MaxAddress + 1> frames;
    for (int a = 1; a <= MaxNumOfDevices; ++a) {
        const auto data = EncodeDeviceRecord(a, DeviceDataArray[a]);
        if (!data) return LinkState::CodecFault("0x000018");
        frames[a] = DataLine(QStringLiteral("C6"), AscStr2HexStr(*data));
    }
    for (int a = 1; a <= MaxNumOfDevices; ++a) FrameArray[a] = frames[a];
    LinkState::SetFrameCount(MaxNumOfDevices);
    return true;
}

bool fillDeviceDataArray_rcv()
{
    ErrLocation = QStringLiteral("0x000000");
    const char* code = "0x000027";
    if (!ModelSizeOk()) return LinkState::CodecFault(code);

    // Every record is checked before the table changes.
    std::map<int, DeviceRecord> decoded;
    const int n = LinkState::FrameCount();
    for (int i = 1; i <= n && i < FrameArraySize; ++i) {
        const QByteArray& data = FrameArray[i];
        if (data.size() != DeviceRecordBytes) return LinkState::CodecFault(code);
        const int address = At(data, 1);
        const auto base = decoded.count(address) ? decoded[address]
                          : address >= 1 && address <= MaxNumOfDevices ? DeviceDataArray[address]
                                                                       : DeviceRecord{};
        const auto r = DecodeDeviceRecord(data, base);
        if (!r) return LinkState::CodecFault(code);
        if (address < 1 || address > MaxNumOfDevices) continue;
        decoded[address] = *r;
    }

    int inUse = 0;
    for (const auto& [address, r] : decoded) {
        // A device of a kind the program does not know cannot be shown, edited or checked: its
        // address stays empty (an upload then lists it as one to delete).
        if (r.Exist == "1" && !FieldRanges::IsKnownKind(KindOf(r))) {
            ResetModule::ResetDevices(address, address, 1);
            PanelReplaced.Add({address}, {});
            continue;
        }
        DeviceDataArray[address] = r;
        if (r.Exist == "1") ++inUse;
    }
    NumOfDevices = Str(inUse);
    for (int a = MaxNumOfDevices; a >= 1; --a) {
        if (DeviceDataArray[a].Exist != "1") continue;
        SysFlags.LoopSysStat = ValInt(DeviceDataArray[a].LoopSide) == 3 ? "004" : "003";
        break;
    }
    ProjectLoaded = true;
    return true;
}
