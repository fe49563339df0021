#include "panellink/HistoryBlock.h"

#include <vector>

#include "core/Conv.h"
#include "panellink/Bytes.h"
#include "panellink/LinkState.h"
#include "panellink/NameBlock.h"

using namespace PanelBytes;

namespace {

// HistSpare is not carried and keeps what it holds.
HistoryRecord DecodeEvent(const QByteArray& r, HistoryRecord e)
{
    e.DevNo = Str(At(r, 1));
    e.EventText = rtrvHebName(r.mid(2, 44));
    e.Minute = HexText(At(r, 47));
    e.Hour = HexText(At(r, 48));
    e.Day = HexText(At(r, 49));
    e.Month = HexText(At(r, 50));
    e.Year = HexText(At(r, 51));
    return e;
}

}  // namespace

QString HistoryLine(int i, const HistoryRecord& event)
{
    const QString tab(QLatin1Char('\t'));
    const QString& text = event.EventText.str();
    const long long device = ValInt(event.DevNo);
    const QString where = device != 0 ? QStringLiteral("התקן מס' ") + ZeroPad(device, 3)
                                      : QStringLiteral("תקלת מערכת  ");
    return ZeroPad(i, 3) + tab + text.mid(32, 12) + tab + event.Hour.str() + QLatin1Char(':') +
           event.Minute.str() + tab + event.Day.str() + QLatin1Char('/') + event.Month.str() +
           QLatin1Char('/') + event.Year.str() + tab + text.left(32) + tab + where;
}

bool fillHistoryArray_rcv()
{
    ErrLocation = QStringLiteral("0x000000");
    const char* code = "0x000031";
    const int n = LinkState::FrameCount();
    if (n > MaxHistory) return LinkState::CodecFault(code);
    std::vector<HistoryRecord> events;
    for (int i = 1; i <= n; ++i) {
        if (FrameArray[i].size() != HistoryRecordBytes) return LinkState::CodecFault(code);
        events.push_back(DecodeEvent(FrameArray[i], HistoryArray[i]));
    }
    for (int i = 1; i <= n; ++i) {
        HistoryArray[i] = events[i - 1];
        HistoryLines[i] = HistoryLine(i, HistoryArray[i]);
    }
    return true;
}
