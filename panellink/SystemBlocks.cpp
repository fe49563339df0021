#include "panellink/SystemBlocks.h"

#include "core/Conv.h"
#include "core/DataModel.h"
#include "core/FieldRanges.h"
#include "panellink/Bytes.h"
#include "panellink/Frame.h"
#include "panellink/LinkState.h"

using namespace PanelBytes;

namespace {

constexpr int B2Bytes = 15;
constexpr int BCBytes = 4;

// Frames one block of data into FrameArray(1) with the count "1".
bool StoreSingle(const char* command, const QByteArray& data, const char* errLocation)
{
    const QByteArray frame = DataLine(QString::fromLatin1(command), AscStr2HexStr(data));
    if (frame.isEmpty()) return LinkState::CodecFault(errLocation);
    FrameArray[1] = frame;
    LinkState::SetFrameCount(1);
    return true;
}

// The one record of a single-record reply, when it has the block's length.
const QByteArray* SingleRecord(int length)
{
    if (LinkState::FrameCount() < 1 || FrameArray[1].size() != length) return nullptr;
    return &FrameArray[1];
}

struct Identity {
    QString com, soft, hard, tech;
};

// Versions travel as BCD, low byte first; a digit that is no decimal digit or a version of
// zero means the reply is not what the panel sends.
std::optional<Identity> ReadIdentity(const QByteArray& r)
{
    for (int i = 1; i <= 6; ++i)
        if (!IsBcd(At(r, i))) return std::nullopt;
    auto version = [&](int lowByte) {
        return ZeroPad(HexDigitReading(At(r, lowByte + 1)), 2) + ZeroPad(HexDigitReading(At(r, lowByte)), 2);
    };
    Identity id{version(1), version(3), version(5),
                DecimalReading(At(r, 8), 2) + DecimalReading(At(r, 7), 2)};
    const QString zero = QStringLiteral("0000");
    if (id.com == zero || id.soft == zero || id.hard == zero) return std::nullopt;
    return id;
}

}  // namespace

bool fillBaudRate2Snd(int code)
{
    ErrLocation = QStringLiteral("0x000000");
    LinkState::BeginBlock();
    const auto b = ValueByte(Str(code));
    if (!b) return LinkState::CodecFault("0x000014");
    return StoreSingle("CD", QByteArray(1, char(*b)), "0x000014");
}

bool fillSetTime()
{
    ErrLocation = QStringLiteral("0x000000");
    LinkState::BeginBlock();
    QString digits;
    for (int i = 1; i <= 7; ++i) {
        if (ClockFields[i].size() != 2) return LinkState::CodecFault("0x000015");
        digits += ClockFields[i];
    }
    const auto data = BcdPairs(digits);
    if (!data) return LinkState::CodecFault("0x000015");
    return StoreSingle("CA", *data, "0x000015");
}

std::optional<QByteArray> EncodeDataSys()
{
    const auto b1 = ValueByte(DataSysByte1);
    const auto b2 = BitByte()
                        .Flag(SysFlags.Spare).Flag(SysFlags.LF_NO).Flag(SysFlags.Slave)
                        .Flag(SysFlags.SilenceWithCod).Flag(SysFlags.ResetWithCod)
                        .FieldOf(SysFlags.LoopSysStat, 3)
                        .Value();
    const SysFlags2Record& f = SysFlags2;
    const auto b3 = BitByte()
                        .Flag(f.VrstDly).Flag(f.NightEna).Flag(f.DialerFAsAlarm).Flag(f.RlyA1Silence)
                        .Flag(f.RlyA2NotSys).Flag(f.RlyA1NotSys).Flag(f.RlyFltStart).Flag(f.DialerANotSys)
                        .Value();
    const auto night = BcdPairs(NightStart.str() + NightFinish.str());
    if (!b1 || !b2 || !b3 || !night) return std::nullopt;
    QByteArray data;
    data.append(char(*b1)).append(char(*b2)).append(char(*b3)).append(*night);
    return data;
}

std::optional<QByteArray> EncodeSubData()
{
    QByteArray data;
    for (const QString& field : {RemoteUnits.Panel[1], RemoteUnits.Panel[2], RemoteUnits.PS[1], RemoteUnits.PS[2]}) {
        const auto b = ValueByte(field);
        if (!b) return std::nullopt;
        data.append(char(*b));
    }
    return data;
}

bool fillDataSys2Snd()
{
    ErrLocation = QStringLiteral("0x000000");
    LinkState::BeginBlock();
    const auto data = EncodeDataSys();
    if (!data) return LinkState::CodecFault("0x000016");
    return StoreSingle("C2", *data, "0x000016");
}

bool fillSubData2Snd()
{
    ErrLocation = QStringLiteral("0x000000");
    LinkState::BeginBlock();
    const auto data = EncodeSubData();
    if (!data) return LinkState::CodecFault("0x000017");
    return StoreSingle("CC", *data, "0x000017");
}

bool fillDataSysArray_rcv()
{
    ErrLocation = QStringLiteral("0x000000");
    const QByteArray* r = SingleRecord(B2Bytes);
    const auto id = r ? ReadIdentity(*r) : std::nullopt;
    if (!id) return LinkState::CodecFault("0x000024");

    VerComNum = id->com;
    VerSoftNum = id->soft;
    VerHardNum = id->hard;
    TechCode = id->tech;
    ShowIdentity(VerComNum, VerSoftNum, VerHardNum, TechCode);

    DataSysByte1 = ZeroPad(HexDigitReading(At(*r, 9)), 2);
    const uint8_t b10 = At(*r, 10), b11 = At(*r, 11);
    SysFlags.Spare = Bit(b10, 7);
    SysFlags.LF_NO = Bit(b10, 6);
    SysFlags.Slave = Bit(b10, 5);
    SysFlags.SilenceWithCod = Bit(b10, 4);
    SysFlags.ResetWithCod = Bit(b10, 3);
    const QString loopClass = ZeroPad(BitsOf(b10, 2, 0), 3);
    SysFlags.LoopSysStat = FieldRanges::IsLoopClass(loopClass) ? loopClass : QStringLiteral("003");
    if (!FieldRanges::IsLoopClass(loopClass)) PanelReplaced.system = true;
    SysFlags2.VrstDly = Bit(b11, 7);
    SysFlags2.NightEna = Bit(b11, 6);
    SysFlags2.DialerFAsAlarm = Bit(b11, 5);
    SysFlags2.RlyA1Silence = Bit(b11, 4);
    SysFlags2.RlyA2NotSys = Bit(b11, 3);
    SysFlags2.RlyA1NotSys = Bit(b11, 2);
    SysFlags2.RlyFltStart = Bit(b11, 1);
    SysFlags2.DialerANotSys = Bit(b11, 0);
    // A time of no day (hour 78) would stop the next upload's encoder: it takes the reset value,
    // as a project file's does.
    auto night = [&](int hours, int minutes, FixedText<4>& field) {
        const QString t = DecimalReading(At(*r, hours), 2) + DecimalReading(At(*r, minutes), 2);
        field = FieldRanges::IsNightTime(t) ? t : QStringLiteral("0000");
        if (!FieldRanges::IsNightTime(t)) PanelReplaced.system = true;
    };
    night(13, 12, NightStart);
    night(15, 14, NightFinish);
    ProjectLoaded = true;
    return true;
}

void ShowIdentity(const QString& com, const QString& soft, const QString& hard, const QString& tech)
{
    LinkView.txtVerComNum = VersionText(com);
    LinkView.txtVerSoftNum = VersionText(soft);
    LinkView.txtVerHardNum = VersionText(hard);
    LinkView.txtTechCode = tech;
}

bool fillDataSysArray4Verif_rcv()
{
    ErrLocation = QStringLiteral("0x000000");
    const QByteArray* r = SingleRecord(B2Bytes);
    const auto id = r ? ReadIdentity(*r) : std::nullopt;
    if (!id) return LinkState::CodecFault("0x000025");
    VerComNum4Verif = id->com;
    VerSoftNum4Verif = id->soft;
    VerHardNum4Verif = id->hard;
    TechCode4Verif = id->tech;
    ProjectLoaded = true;
    return true;
}

bool fillSubDataArray_rcv()
{
    ErrLocation = QStringLiteral("0x000000");
    const QByteArray* r = SingleRecord(BCBytes);
    if (!r) return LinkState::CodecFault("0x000026");
    auto unit = [&](int i) {
        const QString t = Str(HexDigitReading(At(*r, i)));
        if (!FieldRanges::IsFlag(t)) PanelReplaced.system = true;
        return FieldRanges::IsFlag(t) ? t : QStringLiteral("0");
    };
    RemoteUnits.Panel[1] = unit(1);
    RemoteUnits.Panel[2] = unit(2);
    RemoteUnits.PS[1] = unit(3);
    RemoteUnits.PS[2] = unit(4);
    ProjectLoaded = true;
    return true;
}

int VersionValue(const QString& version) { return int(ValInt(version)); }

int ModelDigit(const QString& hardwareVersion)
{
    const QString n = Str(ValInt(hardwareVersion));
    return n.size() >= 2 && n[1].isDigit() ? n[1].digitValue() : -1;
}

QString VersionText(const QString& version) { return version.left(2) + QLatin1Char('.') + version.mid(2, 2); }
