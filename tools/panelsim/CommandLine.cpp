#include "tools/panelsim/CommandLine.h"

#include <algorithm>
#include <functional>
#include <vector>

#include "tools/panelsim/PanelMemory.h"
#include "tools/panelsim/StateText.h"

namespace panelsim {
namespace {

bool Count(const QString& v, int lo, int* out)
{
    bool ok = false;
    const int n = v.toInt(&ok);
    if (!ok || n < lo) return false;
    *out = n;
    return true;
}

// "always" or a frame number from 1 ("first" is 1).
bool Which(const QString& v, int* out)
{
    if (v == QLatin1String("always")) *out = Faults::Always;
    else if (v == QLatin1String("first")) *out = 1;
    else return Count(v, 1, out);
    return true;
}

bool Version(const QString& v, int* out)
{
    *out = ParseVersion(v);
    return *out >= 0;
}

bool Remote(const QString& v, Options& o)
{
    const QStringList parts = v.split(QLatin1Char(','));
    if (parts.size() != 4) return false;
    std::array<uint8_t, 4> r{};
    for (int i = 0; i < 4; ++i) {
        int n;
        if (!Count(parts[i], 0, &n) || n > 255) return false;
        r[i] = uint8_t(n);
    }
    o.remote = r;
    return true;
}

struct Option {
    const char* name;
    const char* value;  // what the option takes, "" for a switch
    const char* help;
    std::function<bool(const QString&, Options&)> take;  // null: a switch without value
    std::function<void(Options&)> set;
};

const std::vector<Option>& Table()
{
    auto text = [](QString Options::*field) {
        return [field](const QString& v, Options& o) { o.*field = v; return !v.isEmpty(); };
    };
    auto fault = [](int Faults::*field, int lo) {
        return [field, lo](const QString& v, Options& o) { return Count(v, lo, &(o.faults.*field)); };
    };
    auto version = [](int Options::*field) {
        return [field](const QString& v, Options& o) { return Version(v, &(o.*field)); };
    };
    static const std::vector<Option> table = {
        {"--device", "PATH", "use this serial device instead of a new pseudo-terminal", text(&Options::device), {}},
        {"--path-file", "FILE", "also write the pseudo-terminal's path into FILE", text(&Options::pathFile), {}},
        {"--state", "FILE", "load the starting state from FILE", text(&Options::stateFile), {}},
        {"--dump", "FILE", "write the state to FILE after each change, on SIGUSR1 and on exit",
         text(&Options::dumpFile), {}},
        {"--log", "FILE", "write one line per frame received and sent", text(&Options::logFile), {}},
        {"--verbose", "", "the same lines on standard error", {}, [](Options& o) { o.verbose = true; }},
        {"--wire", "", "pace the pseudo-terminal as a real line: each byte takes 10 bits at the speed of its sender",
         {}, [](Options& o) { o.wire = true; }},
        {"--help", "", "this text", {}, [](Options& o) { o.help = true; }},
        {"--firmware", "X.YY", "software version (default 2.00)", version(&Options::firmware), {}},
        {"--hardware", "X.YY", "hardware version (default 1.00; x.5y makes a 50-address panel)",
         version(&Options::hardware), {}},
        {"--com", "X.YY", "communication version (default 1.00)", version(&Options::com), {}},
        {"--tech", "NNNN", "technician code (default 1234)",
         [](const QString& v, Options& o) { return v.size() <= 4 && Count(v, 0, &o.techCode); }, {}},
        {"--remote", "P1,P2,S1,S2", "remote panels and power supplies, e.g. 1,0,1,0",
         [](const QString& v, Options& o) { return Remote(v, o); }, {}},
        {"--silent-after", "N", "send N frames, then never answer again", fault(&Faults::silentAfter, 0), {}},
        {"--nak", "always|first|N", "answer with a NAK: always, the first reply, or the N-th frame sent",
         [](const QString& v, Options& o) { return Which(v, &o.faults.nakAt); }, {}},
        {"--bad-checksum", "always|first|N", "spoil the checksum: always, of the first or of the N-th frame sent",
         [](const QString& v, Options& o) { return Which(v, &o.faults.badChecksumAt); }, {}},
        {"--split", "N", "send each frame in N pieces", fault(&Faults::splitPieces, 1), {}},
        {"--gap-ms", "MS", "pause between the pieces", fault(&Faults::gapMs, 0), {}},
        {"--early-end", "N", "end multi-record replies after N records", fault(&Faults::earlyEndAfter, 0), {}},
        {"--wrong-speed", "", "after a speed switch listen at another speed than asked", {},
         [](Options& o) { o.faults.wrongSpeed = true; }},
        {"--delay-ms", "MS", "pause before every frame sent", fault(&Faults::replyDelayMs, 0), {}},
        {"--idle-reset-ms", "MS", "back to 9600 baud after MS without a frame (default 10000; 0 never)",
         fault(&Faults::idleResetMs, 0), {}},
    };
    return table;
}

}  // namespace

QString ParseCommandLine(const QStringList& args, Options* options)
{
    Options o = *options;
    for (int i = 0; i < args.size(); ++i) {
        const auto it = std::find_if(Table().begin(), Table().end(),
                                     [&](const Option& op) { return args[i] == QLatin1String(op.name); });
        if (it == Table().end()) return QStringLiteral("unknown option %1").arg(args[i]);
        const Option& opt = *it;
        if (opt.set) {
            opt.set(o);
            continue;
        }
        if (i + 1 >= args.size()) return QStringLiteral("%1 needs a value").arg(args[i]);
        const QString value = args[++i];
        if (!opt.take(value, o)) return QStringLiteral("%1: bad value %2").arg(args[i - 1], value);
    }
    *options = o;
    return {};
}

QString UsageText()
{
    QString t = QStringLiteral("usage: panelsim [options]\n"
                               "A Verdal 5000X panel on a pseudo-terminal; prints the terminal's path first.\n\n");
    for (const Option& op : Table()) {
        const QString head = QStringLiteral("%1 %2").arg(QLatin1String(op.name), QLatin1String(op.value));
        t += QStringLiteral("  %1 %2\n").arg(head, -32).arg(QLatin1String(op.help));
    }
    return t;
}

void ApplyOverrides(const Options& o, PanelMemory* m)
{
    if (o.firmware >= 0) m->firmware = o.firmware;
    if (o.hardware >= 0) m->hardware = o.hardware;
    if (o.com >= 0) m->com = o.com;
    if (o.techCode >= 0) m->techCode = o.techCode;
    if (o.remote) m->remote = *o.remote;
}

}  // namespace panelsim
