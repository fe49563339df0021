#include "panellink/Verification.h"

#include "core/Conv.h"
#include "core/Message.h"
#include "core/Usefull.h"
#include "panellink/Bytes.h"
#include "panellink/DeviceBlock.h"
#include "panellink/LinkState.h"
#include "platform/Ui.h"

namespace {

struct Words {
    const char16_t* del;
    const char16_t* add;
    const char16_t* conflict;
    const char16_t* system;
    const char16_t* software;
};

const Words English{u"Delete address ", u"Add address ", u"Conflict at address ", u"(System) - ", u"(Software)"};
const Words Hebrew{u"מחיקת כתובת מספר ", u"הוספת כתובת מספר ", u"התנגשות בכתובת מספר ", u"(בבקרה) - ", u"(בתוכנה)"};

QString W(const char16_t* s) { return QString::fromUtf16(s); }

bool InUse(const DeviceRecord& r) { return r.Exist == "1"; }

// Kinds whose position inside the device must agree: output, alarm/fault card, relay.
bool PositionMatters(int kind)
{
    return kind == DeviceKind::Output || kind == DeviceKind::AlarmFaultCard || kind == DeviceKind::Relay;
}

// Two positions of one such device that differ: 0 and 1 are both the single position.
bool PositionsDiffer(const DeviceRecord& a, const DeviceRecord& b)
{
    const long long p = ValInt(a.CardAddr), q = ValInt(b.CardAddr);
    return p != q && !(IsSinglePosition(p) && IsSinglePosition(q));
}

std::array<DeviceRecord, MaxAddress + 1> EmptyList()
{
    std::array<DeviceRecord, MaxAddress + 1> list;
    for (int a = 0; a <= MaxAddress; ++a) {
        list[a].Address = ZeroPad(a, 3);
        list[a].Exist = "0";
    }
    return list;
}

}  // namespace

DeviceListComparison CompareDeviceLists(const std::array<DeviceRecord, MaxAddress + 1>& panel,
                                        const std::array<DeviceRecord, MaxAddress + 1>& project,
                                        int maxAddress, int language)
{
    const Words& w = language == 1 ? Hebrew : English;
    DeviceListComparison out;
    for (int j = 1; j <= maxAddress && j <= MaxAddress; ++j) {
        const bool p = InUse(panel[j]), s = InUse(project[j]);
        const int pk = KindOf(panel[j]), sk = KindOf(project[j]);
        const QString at = Str(j);
        if (p && !s) {
            out.lines << W(w.del) + at + QStringLiteral(" - ") + Usefull::DeviceTypeName(pk);
            out.differences = true;
        } else if (s && !p) {
            out.lines << W(w.add) + at + QStringLiteral(" - ") + Usefull::DeviceTypeName(sk);
            out.differences = true;
        } else if (p && s && pk != sk) {
            out.lines << W(w.conflict) + at + QStringLiteral(": ") + Usefull::DeviceTypeName(pk) + W(w.system) +
                             Usefull::DeviceTypeName(sk) + W(w.software);
            out.conflicts = true;
        } else if (p && s && PositionMatters(pk) && PositionsDiffer(panel[j], project[j])) {
            out.lines << W(w.conflict) + at + QStringLiteral(": ") + Str(ValInt(panel[j].CardAddr)) + W(w.system) +
                             Str(ValInt(project[j].CardAddr)) + W(w.software) + QLatin1Char(' ');
            out.conflicts = true;
        }
    }
    return out;
}

bool fillDeviceDataArray4Verif_rcv()
{
    ErrLocation = QStringLiteral("0x000000");
    SendAllowed = false;
    VerifyDeviceArray = EmptyList();
    LinkView.List1.clear();

    const int maxAddress = std::min<int>(MaxNumOfDevices, MaxAddress);
    auto panel = EmptyList();
    const int n = LinkState::FrameCount();
    for (int i = 1; i <= n && i < FrameArraySize; ++i) {
        const auto r = DecodeDeviceRecord(FrameArray[i], DeviceRecord{});
        if (!r) return LinkState::CodecFault("0x000028");
        const int a = PanelBytes::At(FrameArray[i], 1);
        if (a < 1 || a > maxAddress) continue;
        DeviceRecord& v = panel[a];
        v.Address = r->Address;
        v.ExtType = r->ExtType;
        v.BaseType = r->BaseType;
        v.Exist = r->Exist;
        v.CardAddr = r->CardAddr;
    }
    VerifyDeviceArray = panel;

    const DeviceListComparison c = CompareDeviceLists(panel, DeviceDataArray, maxAddress, UILanguage);
    LinkView.List1 = c.lines;
    if (c.conflicts) {
        if (UILanguage == 1)
            Ui::MsgBox(QStringLiteral("לא ניתן לשלוח נתונים לבקרה, יש התנגשויות"), Ui::vbOKCancel | Ui::vbHebrew);
        else if (UILanguage == 2)
            Ui::MsgBox(QStringLiteral("Unable to send data to the system, there are conflict/s"), Ui::vbOKCancel);
        LinkView.Command7Caption = languages::ByLanguage(QStringLiteral("שגיאה בנתונים"), QStringLiteral("Data error"));
        LinkView.Command7Visible = true;
        LinkView.Timer1Enabled = true;
    } else if (c.differences) {
        LinkView.Command7Caption = languages::ByLanguage(QStringLiteral("אי התאמה בנתונים"), QStringLiteral("Data mismatch"));
        LinkView.Command7Visible = true;
        LinkView.Timer1Enabled = true;
    } else {
        LinkView.Command7Visible = false;
        LinkView.Timer1Enabled = false;
    }
    SendAllowed = !c.conflicts;
    return true;
}
