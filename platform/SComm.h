#pragma once
// The serial control the panel link talks through: port number, settings text, open and close,
// write bytes, read every waiting byte, count of waiting bytes, wait for bytes, and the port's
// description. Bytes are QByteArray from end to end; nothing here passes through a code page.
//
// Two implementations: SerialSComm over QSerialPort (raw, 8N1, no flow control; the device path
// comes from the port catalog) and MemoryPort (platform/MemoryPort.h) for tests.
#include <chrono>
#include <functional>
#include <memory>
#include <optional>

#include <QByteArray>
#include <QString>

#include "platform/PortCatalog.h"
#include "platform/TurnRound.h"

class QSerialPort;

// Why a port did not open.
enum class OpenFault { None, NoPort, NoSuchPort, Missing, NotPermitted, Busy, BadSettings, Other };

class SComm {
public:
    virtual ~SComm() = default;

    // Port number 1..30 in the catalog; 0 means no port.
    int CommPort = 0;
    // Line settings "baud,parity,data bits,stop bits", e.g. "9600,N,8,1"; used when the port opens.
    QString Settings = QStringLiteral("9600,N,8,1");

    virtual bool PortOpen() const = 0;
    // Opens (true) or closes (false) port CommPort. Opening an open port reopens it with the
    // current CommPort and Settings. A port that cannot be opened gives false, and LastError()
    // says why and what to do. Closing never fails; every byte written has left the port before
    // it closes, at the speed it was written at.
    virtual bool SetPortOpen(bool open) = 0;
    // Sends bytes; false when the port is not open or the write failed.
    virtual bool Output(const QByteArray& bytes) = 0;
    // Takes every byte waiting to be read (empty when none or when the port is closed).
    virtual QByteArray Input() = 0;
    // Number of bytes waiting to be read.
    virtual int InBufferCount() = 0;
    // Waits until at least `count` bytes are waiting to be read, until bytes came that fall
    // short of it (the caller looks at them and may wait again), or until `seconds` have passed;
    // true when `count` are waiting. The wait sleeps on the port's own readiness and for the
    // time the line needs to carry what is still missing (for an answer, with the far end's
    // turn-round as the waits learned it), never polling, and lets window events run every
    // 20 ms. False at once when the port is closed.
    virtual bool WaitForInput(int count, double seconds) = 0;

    // The system's name of port CommPort; "" when there is no such port.
    QString Description() const { return catalog_.Description(CommPort); }
    const PortCatalog& Catalog() const { return catalog_; }
    void SetCatalog(PortCatalog catalog) { catalog_ = std::move(catalog); }

    QString LastError() const { return lastError_; }
    // Why the last open failed (None after a successful one) and the settings or the system's
    // words that go with it; PortMessages.h turns them into the user's language.
    OpenFault LastFault() const { return lastFault_; }
    QString LastFaultDetail() const { return lastFaultDetail_; }

protected:
    PortCatalog catalog_;
    QString lastError_;
    OpenFault lastFault_{};
    QString lastFaultDetail_;
};

// The parts of a settings text.
struct LineSettings {
    int baud = 9600;
    char parity = 'N';   // N, E, O, M, S
    int dataBits = 8;    // 5..8
    int stopBits = 1;    // 1 or 2
};
// "9600,N,8,1" and the like; nullopt for a text the port cannot use.
std::optional<LineSettings> ParseSettings(const QString& settings);

// The message for a port that did not open: which fault, which port, and what the user can do,
// in English (defined with its Hebrew twin in PortMessages.cpp). `group` is the group that owns
// the device (for a permission fault).
QString OpenFaultMessage(OpenFault fault, int portNumber, const QString& path,
                         const QString& group = QString(), const QString& detail = QString());

// The name of the group that owns a device file ("dialout" when it cannot be told).
QString DeviceGroup(const QString& path);

class SerialSComm : public SComm {
public:
    SerialSComm();
    ~SerialSComm() override;

    bool PortOpen() const override;
    bool SetPortOpen(bool open) override;
    bool Output(const QByteArray& bytes) override;
    QByteArray Input() override;
    int InBufferCount() override;
    bool WaitForInput(int count, double seconds) override;

    // Tests: a check that runs before each open and may report a fault for a path in place of
    // the real result (tests run as root, which no permission stops). nullptr: no check.
    using OpenCheck = std::function<OpenFault(const QString& path)>;
    static void SetOpenCheck(OpenCheck check);

private:
    bool Fail(OpenFault fault, const QString& path, const QString& detail = QString());
    int Descriptor() const;
    // Takes in every byte waiting (the reader's and the system's); returns how many are held.
    int Absorb();
    void Close();

    std::unique_ptr<QSerialPort> port_;
    QByteArray received_;  // taken in, not yet read by Input
    double charSeconds_ = 10.0 / 9600;  // one character on the line at the open settings
    std::chrono::steady_clock::time_point lastByteGone_;  // when the last byte written has left
    std::chrono::steady_clock::time_point lastArrival_;   // when a wait last woke on new bytes
    std::chrono::steady_clock::time_point emptyAt_;       // when the descriptor was last found empty
    std::chrono::steady_clock::time_point eventsDue_;     // when window events are to run next
    TurnRound turnRound_;  // the far end's, as the waits for its answers found it
    int savedSlack_ = -1;  // the opening thread's timer slack before the port opened
};
