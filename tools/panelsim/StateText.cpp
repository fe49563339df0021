#include "tools/panelsim/StateText.h"

#include <functional>
#include <map>

#include <QList>
#include <QRegularExpression>

#include "tools/panelsim/Frame.h"

namespace panelsim {
namespace {

// Walks one line: words separated by blanks, or the rest of the line after one blank.
class Cursor {
public:
    explicit Cursor(QByteArray line) : line_(std::move(line)) {}
    QByteArray Word()
    {
        while (pos_ < line_.size() && line_[pos_] == ' ') ++pos_;
        const int start = pos_;
        while (pos_ < line_.size() && line_[pos_] != ' ') ++pos_;
        return line_.mid(start, pos_ - start);
    }
    QByteArray Rest()
    {
        if (pos_ < line_.size() && line_[pos_] == ' ') ++pos_;
        const QByteArray r = line_.mid(pos_);
        pos_ = int(line_.size());
        return r;
    }

private:
    QByteArray line_;
    int pos_ = 0;
};

bool Number(const QByteArray& w, int lo, int hi, int* v)
{
    bool ok = false;
    const int n = w.toInt(&ok, 10);
    if (!ok || n < lo || n > hi) return false;
    *v = n;
    return true;
}

bool HexByte(const QByteArray& w, uint8_t* b)
{
    bool ok = false;
    const int n = w.toInt(&ok, 16);
    if (!ok || w.size() != 2) return false;
    *b = uint8_t(n);
    return true;
}

// "2230" -> 22, 30
bool TimeOfDay(const QByteArray& w, uint8_t* h, uint8_t* m)
{
    int hh, mm;
    if (w.size() != 4 || !Number(w.left(2), 0, 23, &hh) || !Number(w.mid(2), 0, 59, &mm)) return false;
    *h = uint8_t(hh);
    *m = uint8_t(mm);
    return true;
}

QByteArray Escape(const QByteArray& text)
{
    QByteArray t = text;
    while (t.endsWith(' ')) t.chop(1);
    QByteArray out;
    for (char c : t) {
        const auto b = uint8_t(c);
        if (c == '\\') out += "\\\\";
        else if (b < 0x20 || b == 0x7F) out += "\\x" + QByteArray::number(b, 16).rightJustified(2, '0').toUpper();
        else out += c;
    }
    return out;
}

// Undoes Escape and pads with blanks to width; false when too long or badly escaped.
bool Unescape(const QByteArray& text, int width, QByteArray* out)
{
    QByteArray r;
    for (int i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            r += text[i];
        } else if (i + 1 < text.size() && text[i + 1] == '\\') {
            r += '\\';
            ++i;
        } else if (i + 3 < text.size() && text[i + 1] == 'x') {
            uint8_t b;
            if (!HexByte(text.mid(i + 2, 2), &b)) return false;
            r += char(b);
            i += 3;
        } else {
            return false;
        }
    }
    if (r.size() > width) return false;
    *out = r.leftJustified(width, ' ');
    return true;
}

QByteArray Hex2(uint8_t b) { return QByteArray::number(b, 16).rightJustified(2, '0').toUpper(); }
QByteArray Dec2(int v) { return QByteArray::number(v).rightJustified(2, '0'); }

using LineReader = std::function<QString(Cursor&, PanelMemory&)>;

QString ReadVersion(Cursor& c, int* field)
{
    const int v = ParseVersion(QString::fromLatin1(c.Word()));
    if (v < 0) return QStringLiteral("a version is written like 1.71");
    *field = v;
    return {};
}

const std::map<QByteArray, LineReader>& Readers()
{
    static const std::map<QByteArray, LineReader> readers = {
        {"firmware", [](Cursor& c, PanelMemory& m) { return ReadVersion(c, &m.firmware); }},
        {"hardware", [](Cursor& c, PanelMemory& m) { return ReadVersion(c, &m.hardware); }},
        {"com", [](Cursor& c, PanelMemory& m) { return ReadVersion(c, &m.com); }},
        {"tech", [](Cursor& c, PanelMemory& m) {
             const QByteArray w = c.Word();
             if (w.isEmpty() || w.size() > 4 || !Number(w, 0, 9999, &m.techCode))
                 return QStringLiteral("the technician code has four digits");
             return QString();
         }},
        {"speed", [](Cursor& c, PanelMemory& m) {
             int s;
             if (!Number(c.Word(), 0, 1000000, &s) || (s != 9600 && s != 38400 && s != 57600))
                 return QStringLiteral("speed is 9600, 38400 or 57600");
             m.speed = s;
             return QString();
         }},
        {"system", [](Cursor& c, PanelMemory& m) {
             if (!HexByte(c.Word(), &m.sysByte1) || !HexByte(c.Word(), &m.sysFlags1) ||
                 !HexByte(c.Word(), &m.sysFlags2) ||
                 !TimeOfDay(c.Word(), &m.nightStartHour, &m.nightStartMinute) ||
                 !TimeOfDay(c.Word(), &m.nightFinishHour, &m.nightFinishMinute))
                 return QStringLiteral("system takes three hex bytes and two times hhmm");
             return QString();
         }},
        {"remote", [](Cursor& c, PanelMemory& m) {
             for (uint8_t& r : m.remote) {
                 int v;
                 if (!Number(c.Word(), 0, 255, &v)) return QStringLiteral("remote takes four numbers 0-255");
                 r = uint8_t(v);
             }
             return QString();
         }},
        {"clock", [](Cursor& c, PanelMemory& m) {
             QByteArray b;
             if (!ParseHex(QString::fromLatin1(c.Rest()), &b) || b.size() != ClockSize)
                 return QStringLiteral("clock takes seven hex bytes");
             m.clock = b;
             return QString();
         }},
        {"device", [](Cursor& c, PanelMemory& m) {
             int a;
             QByteArray b;
             if (!Number(c.Word(), 1, MaxAddresses, &a)) return QStringLiteral("device address is 1-126");
             if (!ParseHex(QString::fromLatin1(c.Rest()), &b) || b.size() != DeviceRecordSize)
                 return QStringLiteral("a device record has 14 hex bytes");
             if (uint8_t(b[0]) != a) return QStringLiteral("the record's first byte is its address");
             m.devices[a] = b;
             return QString();
         }},
        {"name", [](Cursor& c, PanelMemory& m) {
             int a;
             if (!Number(c.Word(), 1, MaxAddresses, &a)) return QStringLiteral("name address is 1-126");
             if (!Unescape(c.Rest(), NameSize, &m.names[a]))
                 return QStringLiteral("a name has at most 16 characters, special bytes written \\xNN");
             return QString();
         }},
        {"group", [](Cursor& c, PanelMemory& m) {
             int g, v[8];
             if (!Number(c.Word(), 1, GroupCount, &g)) return QStringLiteral("group number is 1-32");
             for (int& x : v)
                 if (!Number(c.Word(), 0, 255, &x))
                     return QStringLiteral("group takes eight numbers 0-255 after its number");
             Group& grp = m.groups[g];
             grp.trigger = uint8_t(v[0]);
             grp.count = uint8_t(v[1]);
             for (int k = 0; k < 6; ++k) grp.outputs[k] = uint8_t(v[2 + k]);
             return QString();
         }},
        {"event", [](Cursor& c, PanelMemory& m) {
             if (m.events.size() >= size_t(MaxEvents)) return QStringLiteral("the panel keeps at most 255 events");
             Event e;
             int dev;
             const QString form = QStringLiteral("event takes a device number, dd/mm/yy, hh:mm and a text");
             if (!Number(c.Word(), 0, 255, &dev)) return form;
             e.devNo = uint8_t(dev);
             const QByteArray date = c.Word(), time = c.Word();
             if (date.size() != 8 || date[2] != '/' || date[5] != '/' || time.size() != 5 || time[2] != ':' ||
                 !HexByte(date.mid(0, 2), &e.day) || !HexByte(date.mid(3, 2), &e.month) ||
                 !HexByte(date.mid(6, 2), &e.year) || !HexByte(time.mid(0, 2), &e.hour) ||
                 !HexByte(time.mid(3, 2), &e.minute))
                 return form;
             if (!Unescape(c.Rest(), EventTextSize, &e.text))
                 return QStringLiteral("an event text has at most 44 characters, special bytes written \\xNN");
             m.events.push_back(e);
             return QString();
         }},
    };
    return readers;
}

}  // namespace

int ParseVersion(const QString& text)
{
    static const QRegularExpression re(QStringLiteral("^(\\d{1,2})\\.(\\d\\d)$"));
    const QRegularExpressionMatch mt = re.match(text);
    if (!mt.hasMatch()) return -1;
    return mt.captured(1).toInt() * 100 + mt.captured(2).toInt();
}

QString VersionText(int hundredths)
{
    return QStringLiteral("%1.%2").arg(hundredths / 100).arg(hundredths % 100, 2, 10, QLatin1Char('0'));
}

QString LoadState(const QByteArray& text, PanelMemory* memory)
{
    PanelMemory m = *memory;
    const QList<QByteArray> lines = text.split('\n');
    for (int i = 0; i < lines.size(); ++i) {
        QByteArray line = lines[i];
        if (line.endsWith('\r')) line.chop(1);
        if (line.trimmed().isEmpty() || line.trimmed().startsWith('#')) continue;
        Cursor c(line);
        const QByteArray key = c.Word();
        const auto it = Readers().find(key);
        const QString err = it == Readers().end()
            ? QStringLiteral("unknown item \"%1\"").arg(QString::fromLatin1(key))
            : it->second(c, m);
        if (!err.isEmpty()) return QStringLiteral("line %1: %2").arg(i + 1).arg(err);
    }
    *memory = m;
    return {};
}

QByteArray DumpState(const PanelMemory& m)
{
    QList<QByteArray> out;
    out << "# panelsim state";
    out << "firmware " + VersionText(m.firmware).toLatin1();
    out << "hardware " + VersionText(m.hardware).toLatin1();
    out << "com " + VersionText(m.com).toLatin1();
    out << "tech " + QByteArray::number(m.techCode).rightJustified(4, '0');
    out << "speed " + QByteArray::number(m.speed);
    out << "system " + Hex2(m.sysByte1) + ' ' + Hex2(m.sysFlags1) + ' ' + Hex2(m.sysFlags2) + ' ' +
               Dec2(m.nightStartHour) + Dec2(m.nightStartMinute) + ' ' + Dec2(m.nightFinishHour) +
               Dec2(m.nightFinishMinute);
    out << "remote " + QByteArray::number(m.remote[0]) + ' ' + QByteArray::number(m.remote[1]) + ' ' +
               QByteArray::number(m.remote[2]) + ' ' + QByteArray::number(m.remote[3]);
    if (!m.clock.isEmpty()) out << "clock " + Hex(m.clock).toLatin1();
    for (int a = 1; a <= MaxAddresses; ++a)
        if (!m.devices[a].isEmpty()) out << "device " + QByteArray::number(a) + ' ' + Hex(m.devices[a]).toLatin1();
    for (int a = 1; a <= MaxAddresses; ++a)
        if (!m.names[a].isEmpty()) out << "name " + QByteArray::number(a) + ' ' + Escape(m.names[a]);
    for (int g = 1; g <= GroupCount; ++g) {
        const Group& grp = m.groups[g];
        QByteArray line = "group " + QByteArray::number(g) + ' ' + QByteArray::number(grp.trigger) + ' ' +
                          QByteArray::number(grp.count);
        for (uint8_t o : grp.outputs) line += ' ' + QByteArray::number(o);
        out << line;
    }
    for (const Event& e : m.events)
        out << "event " + QByteArray::number(e.devNo) + ' ' + Hex2(e.day) + '/' + Hex2(e.month) + '/' +
                   Hex2(e.year) + ' ' + Hex2(e.hour) + ':' + Hex2(e.minute) + ' ' + Escape(e.text);
    QByteArray text;
    for (const QByteArray& l : out) text += l + "\r\n";
    return text;
}

}  // namespace panelsim
