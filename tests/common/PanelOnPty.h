#pragma once
// The simulator's panel on its own pseudo-terminal, served by a thread for the test's lifetime.
// A failure to open the pseudo-terminal fails the test. `wire` paces the line as a real one.
#include <thread>

#include <QString>

#include "tools/panelsim/LineRunner.h"
#include "tools/panelsim/Panel.h"

class PanelOnPty {
public:
    explicit PanelOnPty(panelsim::PanelMemory m = {}, panelsim::Faults f = {}, bool wire = false);
    ~PanelOnPty();
    PanelOnPty(const PanelOnPty&) = delete;
    PanelOnPty& operator=(const PanelOnPty&) = delete;

    // Ends the serving thread; the panel then stays as the last request left it.
    void Stop();
    bool Opened() const { return opened_; }
    QString Path() const { return runner_.Path(); }
    // The panel, once its thread has ended.
    panelsim::Panel& Panel();

private:
    panelsim::Panel panel_;
    panelsim::LineRunner runner_;
    bool opened_ = false;
    std::thread thread_;
};
