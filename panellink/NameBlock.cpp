#include "panellink/NameBlock.h"

#include <map>

#include "core/Conv.h"
#include "core/DataModel.h"
#include "panellink/Frame.h"
#include "panellink/LinkState.h"
#include "platform/TextCodec.h"

namespace {

constexpr int NameWidth = 16;
constexpr int HebrewShift = 128;  // alef 224 in the program is 96 on the panel

bool IsDigit(int code) { return code >= '0' && code <= '9'; }

bool IsKept(int code)
{
    return code == ' ' || code == '!' || code == '#' || (code >= '&' && code <= '/') ||
           (code >= 'A' && code <= 'Z');
}

bool IsLowerLatin(int code) { return code >= 'a' && code <= 'z'; }

QChar ToPanel(QChar c)
{
    int code = TextCodec::CodeOf(c);
    // A name of an older file may hold lower case: the panel shows its upper-case letter.
    if (IsLowerLatin(code)) code -= 'a' - 'A';
    if (IsKept(code)) return QChar(code);
    if (code >= 224 && code <= 250) return QChar(code - HebrewShift);
    return QLatin1Char(' ');
}

QChar FromPanel(QChar c)
{
    const int code = c.unicode();
    if (IsKept(code)) return c;
    if (code >= 96 && code <= 122) return TextCodec::FromCp1255(QByteArray(1, char(code + HebrewShift))).at(0);
    return QLatin1Char(' ');
}

// The walk both directions share: from the last character to the first, each character
// converted, runs of digits kept in their reading order.
template <typename Convert>
QString ReverseWithDigitRuns(const QString& s, Convert convert)
{
    QString result, run;
    for (int i = s.size() - 1; i >= 0; --i) {
        const QChar c = s[i];
        if (c.unicode() < 128 && IsDigit(c.unicode())) {
            run.prepend(c);
            continue;
        }
        result += run;
        run.clear();
        result += convert(c);
    }
    return result + run;
}

}  // namespace

QString OpsNames(const QString& s)
{
    if (s.isEmpty()) return QString();
    return (QString(NameWidth, QLatin1Char(' ')) + ReverseWithDigitRuns(s, ToPanel)).right(NameWidth);
}

QString rtrvHebName(const QString& s) { return ReverseWithDigitRuns(s, FromPanel); }

QString rtrvHebName(const QByteArray& panelBytes) { return rtrvHebName(QString::fromLatin1(panelBytes)); }

QByteArray EncodeNameRecord(int address, const QString& name)
{
    // The panel code is 7-bit, so Latin-1 gives its bytes unchanged; an empty name is 16 blanks.
    const QString code = (QString(NameWidth, QLatin1Char(' ')) + OpsNames(name)).right(NameWidth);
    QByteArray data;
    data.append(char(address)).append(' ').append(code.toLatin1());
    return data;
}

std::optional<NameRecord> DecodeNameRecord(const QByteArray& data)
{
    if (data.size() != NameRecordBytes) return std::nullopt;
    return NameRecord{static_cast<uint8_t>(data[0]), rtrvHebName(data.mid(2, NameWidth))};
}

bool fillNameData2Snd()
{
    ErrLocation = QStringLiteral("0x000000");
    LinkState::BeginBlock();
    if (MaxNumOfDevices < 0 || MaxNumOfDevices > MaxAddress) return LinkState::CodecFault("0x000019");
    int n = 0;
    for (int a = 1; a <= MaxNumOfDevices; ++a) {
        const DeviceRecord& r = DeviceDataArray[a];
        if (r.Exist != "1") continue;
        const QString& name = r.NameExist == "1" ? r.DeviceName.str() : r.FactoryName.str();
        FrameArray[++n] = DataLine(QStringLiteral("C7"), AscStr2HexStr(EncodeNameRecord(a, name)));
    }
    LinkState::SetFrameCount(n);
    return true;
}

bool fillNameArray_rcv()
{
    ErrLocation = QStringLiteral("0x000000");
    std::map<int, QString> names;
    const int n = LinkState::FrameCount();
    for (int i = 1; i <= n && i < FrameArraySize; ++i) {
        const auto record = DecodeNameRecord(FrameArray[i]);
        if (!record) return LinkState::CodecFault("0x000029");
        if (record->address >= 1 && record->address <= MaxNumOfDevices) names[record->address] = record->name;
    }
    for (const auto& [address, name] : names) DeviceDataArray[address].DeviceName = name;
    if (!names.empty()) ProjectLoaded = true;
    return true;
}
