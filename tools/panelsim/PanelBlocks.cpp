#include "tools/panelsim/PanelBlocks.h"

#include "tools/panelsim/Frame.h"

namespace panelsim {
namespace {

uint8_t At(const QByteArray& d, int i) { return static_cast<uint8_t>(d[i]); }

// A BCD hour and minute pair; false when either is no time of day.
bool ReadTime(uint8_t hourByte, uint8_t minuteByte, uint8_t* hour, uint8_t* minute)
{
    const int h = FromBcd(hourByte), m = FromBcd(minuteByte);
    if (h < 0 || h > 23 || m < 0 || m > 59) return false;
    *hour = uint8_t(h);
    *minute = uint8_t(m);
    return true;
}

}  // namespace

uint8_t ToBcd(int value)
{
    return uint8_t(((value / 10) % 10) << 4 | (value % 10));
}

int FromBcd(uint8_t b)
{
    if ((b >> 4) > 9 || (b & 0x0F) > 9) return -1;
    return (b >> 4) * 10 + (b & 0x0F);
}

QByteArray SystemRecord(const PanelMemory& m)
{
    QByteArray r;
    for (int v : {m.com, m.firmware, m.hardware}) {
        r.append(char(ToBcd(v % 100)));
        r.append(char(ToBcd(v / 100)));
    }
    r.append(char(m.techCode % 100));
    r.append(char(m.techCode / 100 % 100));
    r.append(char(m.sysByte1));
    r.append(char(m.sysFlags1));
    r.append(char(m.sysFlags2));
    r.append(char(m.nightStartMinute));
    r.append(char(m.nightStartHour));
    r.append(char(m.nightFinishMinute));
    r.append(char(m.nightFinishHour));
    return r;
}

bool ApplySystem(PanelMemory& m, const QByteArray& d)
{
    if (d.size() != 7) return false;
    uint8_t sh, sm, fh, fm;
    if (!ReadTime(At(d, 3), At(d, 4), &sh, &sm) || !ReadTime(At(d, 5), At(d, 6), &fh, &fm)) return false;
    m.sysByte1 = At(d, 0);
    m.sysFlags1 = At(d, 1);
    m.sysFlags2 = At(d, 2);
    m.nightStartHour = sh;
    m.nightStartMinute = sm;
    m.nightFinishHour = fh;
    m.nightFinishMinute = fm;
    return true;
}

QByteArray RemoteRecord(const PanelMemory& m)
{
    return QByteArray(reinterpret_cast<const char*>(m.remote.data()), int(m.remote.size()));
}

bool ApplyRemote(PanelMemory& m, const QByteArray& d)
{
    if (d.size() != 4) return false;
    for (int i = 0; i < 4; ++i) m.remote[i] = At(d, i);
    return true;
}

bool ApplyDevice(PanelMemory& m, const QByteArray& d)
{
    if (d.size() != DeviceRecordSize) return false;
    const int a = At(d, 0);
    if (a < 1 || a > m.AddressCount()) return false;
    m.devices[a] = d;
    return true;
}

std::vector<QByteArray> DeviceRecords(const PanelMemory& m)
{
    // A class A loop is wired from both ends: the panel reports each device on loop side 3,
    // which is how the PC learns the loop class back from a download.
    const bool classA = (m.sysFlags1 & 0x07) == 4;
    std::vector<QByteArray> out;
    for (int a = 1; a <= m.AddressCount(); ++a) {
        if (!m.DeviceInUse(a)) continue;
        QByteArray r = m.devices[a];
        if (classA) r[2] = char(uint8_t(r[2]) | 0xC0);
        out.push_back(r);
    }
    return out;
}

bool ApplyName(PanelMemory& m, const QByteArray& d)
{
    if (d.size() != 2 + NameSize) return false;
    const int a = At(d, 0);
    if (a < 1 || a > m.AddressCount()) return false;
    m.names[a] = d.mid(2);
    return true;
}

std::vector<QByteArray> NameRecords(const PanelMemory& m)
{
    std::vector<QByteArray> out;
    for (int a = 1; a <= m.AddressCount(); ++a) {
        if (!m.DeviceInUse(a)) continue;
        QByteArray r;
        r.append(char(a));
        r.append(' ');
        r.append(m.names[a].isEmpty() ? QByteArray(NameSize, ' ') : m.names[a]);
        out.push_back(r);
    }
    return out;
}

bool ApplyGroup(PanelMemory& m, const QByteArray& d)
{
    if (d.size() != 9) return false;
    const int g = At(d, 0) + 1;
    if (g > GroupCount) return false;
    Group& grp = m.groups[g];
    grp.trigger = At(d, 1);
    grp.count = At(d, 2);
    for (int k = 0; k < 6; ++k) grp.outputs[k] = At(d, 3 + k);
    return true;
}

std::vector<QByteArray> GroupRecords(const PanelMemory& m)
{
    std::vector<QByteArray> out;
    for (int g = 1; g <= GroupCount; ++g) {
        const Group& grp = m.groups[g];
        QByteArray r;
        r.append(char(g - 1));
        r.append(char(grp.trigger));
        r.append(char(grp.count));
        for (uint8_t o : grp.outputs) r.append(char(o));
        out.push_back(r);
    }
    return out;
}

std::vector<QByteArray> HistoryRecords(const PanelMemory& m)
{
    std::vector<QByteArray> out;
    for (const Event& e : m.events) {
        QByteArray r;
        r.append(char(e.devNo));
        r.append(' ');
        r.append(e.text.leftJustified(EventTextSize, ' ', true));
        for (uint8_t b : {e.minute, e.hour, e.day, e.month, e.year}) r.append(char(b));
        out.push_back(r);
    }
    return out;
}

bool ApplyClock(PanelMemory& m, const QByteArray& d)
{
    if (d.size() != ClockSize) return false;
    struct Range { int lo, hi; };
    static constexpr Range ranges[ClockSize] = {{0, 59}, {0, 59}, {0, 23}, {1, 7}, {1, 31}, {1, 12}, {0, 99}};
    for (int i = 0; i < ClockSize; ++i) {
        const int v = FromBcd(At(d, i));
        if (v < ranges[i].lo || v > ranges[i].hi) return false;
    }
    m.clock = d;
    return true;
}

int SpeedOfCode(const QByteArray& d)
{
    if (d.size() != 1) return 0;
    switch (At(d, 0)) {
    case 9: return 9600;
    case 38: return 38400;
    case 57: return 57600;
    default: return 0;
    }
}

int FirmwareNeeded(uint8_t cmd)
{
    struct Gate { uint8_t cmd; int firmware; };
    // Remote units came with 1.33, the speed switch and the clock with 1.40.
    static constexpr Gate gates[] = {
        {Cmd::RemoteSet, 133}, {Cmd::RemoteGet, 133}, {Cmd::SpeedSet, 140}, {Cmd::ClockSet, 140}};
    for (const Gate& g : gates)
        if (g.cmd == cmd) return g.firmware;
    return 0;
}

}  // namespace panelsim
