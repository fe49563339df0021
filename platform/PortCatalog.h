#pragma once
// The serial ports of this machine under stable numbers 1..30, as the port search and the port
// choice know them ("COM" & number). Order: the on-board ports (/dev/ttyS*, only those that
// really exist), then USB adapters (/dev/ttyUSB*, /dev/ttyACM*), then the extra device paths
// named in VERDAL_EXTRA_PORTS (colon-separated, e.g. the panel simulator's pseudo-terminal).
// Within each group the ports are sorted by name and number, so the same ports always get the
// same numbers.
//
// Descriptions (what the search reads for a port number):
//   on-board port    "Communications Port (/dev/ttyS0)"
//   USB adapter      "USB Serial Port (<adapter's product name>, /dev/ttyUSB0)"
//   extra path       "USB Serial Port (pseudo-terminal /dev/pts/7)" for /dev/pts/*, else
//                    "USB Serial Port (extra port <path>)"
// The extra paths read like an adapter on purpose, so the automatic search finds a simulator.
#include <vector>

#include <QString>
#include <QStringList>

struct PortEntry {
    int number = 0;        // 1..30
    QString path;          // device path to open
    QString description;   // the system's name of the port
};

// A port as the system reports it, before numbering (for tests of the numbering rules).
struct SystemPort {
    QString path;          // "/dev/ttyUSB0"
    QString product;       // the adapter's product name ("" when unknown)
};

class PortCatalog {
public:
    static constexpr int MaxPorts = 30;
    static constexpr const char* ExtraPortsVariable = "VERDAL_EXTRA_PORTS";

    PortCatalog() = default;
    // A catalog of the given entries, as they are (tests).
    explicit PortCatalog(std::vector<PortEntry> entries);

    // The ports of this machine now: QSerialPortInfo plus the extra paths of the environment.
    static PortCatalog Scan();
    // The numbering rules over a given list of system ports and extra paths; extra paths that
    // do not exist (checked with `exists`) or repeat a listed port are left out.
    static PortCatalog Build(const std::vector<SystemPort>& systemPorts,
                             const QStringList& extraPaths,
                             bool (*exists)(const QString& path) = nullptr);

    // Description of port n; "" when there is no such port.
    QString Description(int n) const;
    // Device path of port n; "" when there is no such port.
    QString Path(int n) const;
    const std::vector<PortEntry>& Entries() const { return entries_; }

private:
    std::vector<PortEntry> entries_;
};
