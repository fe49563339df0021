#include "platform/PortCatalog.h"

#include <algorithm>

#include <QFileInfo>
#include <QRegularExpression>
#include <QSerialPortInfo>

namespace {

// Group of a device name: on-board ports first, then the two kinds of USB adapter.
// -1: not a port kind the catalog lists.
int GroupOf(const QString& name)
{
    if (name.startsWith(QLatin1String("ttyUSB"))) return 1;
    if (name.startsWith(QLatin1String("ttyACM"))) return 2;
    if (name.startsWith(QLatin1String("ttyS"))) return 0;
    return -1;
}

// The device number at the end of the name ("ttyS12" -> 12), so ttyS2 comes before ttyS10.
int NumberOf(const QString& name)
{
    static const QRegularExpression tail(QStringLiteral("(\\d+)$"));
    const auto m = tail.match(name);
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

QString FileName(const QString& path) { return QFileInfo(path).fileName(); }

QString SystemDescription(const SystemPort& p)
{
    if (GroupOf(FileName(p.path)) == 0)
        return QStringLiteral("Communications Port (%1)").arg(p.path);
    const QString product = p.product.trimmed();
    if (product.isEmpty()) return QStringLiteral("USB Serial Port (%1)").arg(p.path);
    return QStringLiteral("USB Serial Port (%1, %2)").arg(product, p.path);
}

QString ExtraDescription(const QString& path)
{
    if (path.startsWith(QLatin1String("/dev/pts/")))
        return QStringLiteral("USB Serial Port (pseudo-terminal %1)").arg(path);
    return QStringLiteral("USB Serial Port (extra port %1)").arg(path);
}

bool FileExists(const QString& path) { return QFileInfo::exists(path); }

}  // namespace

PortCatalog::PortCatalog(std::vector<PortEntry> entries) : entries_(std::move(entries)) {}

PortCatalog PortCatalog::Scan()
{
    std::vector<SystemPort> ports;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        ports.push_back({info.systemLocation(), info.description()});
    const QString extra = qEnvironmentVariable(ExtraPortsVariable);
    return Build(ports, extra.split(QLatin1Char(':'), Qt::SkipEmptyParts));
}

PortCatalog PortCatalog::Build(const std::vector<SystemPort>& systemPorts,
                               const QStringList& extraPaths, bool (*exists)(const QString&))
{
    if (!exists) exists = FileExists;
    std::vector<SystemPort> listed;
    for (const SystemPort& p : systemPorts)
        if (GroupOf(FileName(p.path)) >= 0) listed.push_back(p);
    std::stable_sort(listed.begin(), listed.end(), [](const SystemPort& a, const SystemPort& b) {
        const QString na = FileName(a.path), nb = FileName(b.path);
        const int ga = GroupOf(na), gb = GroupOf(nb);
        if (ga != gb) return ga < gb;
        return NumberOf(na) < NumberOf(nb);
    });

    std::vector<PortEntry> entries;
    QStringList seen;
    auto add = [&](const QString& path, const QString& description) {
        if (int(entries.size()) >= MaxPorts || seen.contains(path)) return;
        seen.append(path);
        entries.push_back({int(entries.size()) + 1, path, description});
    };
    for (const SystemPort& p : listed) add(p.path, SystemDescription(p));
    for (const QString& raw : extraPaths) {
        const QString path = raw.trimmed();
        if (path.isEmpty() || !exists(path)) continue;
        add(path, ExtraDescription(path));
    }
    return PortCatalog(std::move(entries));
}

QString PortCatalog::Description(int n) const
{
    for (const PortEntry& e : entries_)
        if (e.number == n) return e.description;
    return QString();
}

QString PortCatalog::Path(int n) const
{
    for (const PortEntry& e : entries_)
        if (e.number == n) return e.path;
    return QString();
}
