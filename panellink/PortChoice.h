#pragma once
// Finding the panel's serial port and choosing one by hand. The search walks ports 1..30 of the
// port's catalog and takes the first adapter whose description reads "USB ... Serial" (the last
// one in a manual search; "Serial" anywhere in the Serial-anywhere mode). Results go to the shared
// ComPortNum and the port's CommPort, and come back as what the main window shows.
#include <functional>
#include <vector>

#include <QString>

class SComm;

// One entry of the port list: its text ("COM4-USB Serial Port") and the port number it stands for.
struct ComboEntry {
    QString text;
    int port = 0;
};

// The window's two search flags; the search clears both when it ends.
struct PortSearchFlags {
    bool ManualSearch = false;
    bool SerialAnywhere = false;
};

// What the main window shows after a search.
struct PortSearchResult {
    std::vector<ComboEntry> ComNumCmbo;  // every existing port, in port order
    int ListIndex = -1;                  // the entry to select; -1 when nothing matched
    QString Label13;                     // "(COM4)", or "---" when nothing matched
    QString Label15;                     // "COM4", or "" when no port is chosen
};

// The description test (case-sensitive): "USB" and, after it without overlapping, "Serial";
// with serialAnywhere, "Serial" anywhere.
bool DescriptionMatches(const QString& description, bool serialAnywhere);

// The search. `progress` receives the progress bar's value (0..100), ending with 0. When nothing
// matches, the message "Cable USB-RS232 not connected to PC" is shown in the interface language.
PortSearchResult FindComPort(SComm& port, PortSearchFlags& flags,
                             const std::function<void(int)>& progress = {});

// A port picked from the list: ComPortNum and CommPort take its number; returns Label15 ("COM7").
// The port is neither opened nor tested.
QString ComNumCmbo_Click(SComm& port, const ComboEntry& entry);

// The status text while the start-up search runs.
QString SearchComPortText();

// Opens the chosen port with ComSettings for a transfer step (closing it first when open), with
// nothing left waiting in it from an earlier exchange. A port that does not open sets
// TransferError and says why in the interface language, or leaves that to `tell`; returns
// whether it opened.
// The one opening of the port: the window's button and every transfer step use it.
bool setPortOpen(SComm& port, const std::function<void()>& tell = {});
// CommPort := ComPortNum, then closes the port when it is open.
void setPortClose(SComm& port);
