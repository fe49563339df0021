#include "PanelOnPty.h"

#include <gtest/gtest.h>

PanelOnPty::PanelOnPty(panelsim::PanelMemory m, panelsim::Faults f, bool wire) : panel_(std::move(m), f)
{
    QString error;
    runner_.SetWire(wire);
    opened_ = runner_.OpenPty(&error);
    EXPECT_TRUE(opened_) << error.toStdString();
    if (opened_) thread_ = std::thread([this] { runner_.Run(panel_); });
}

PanelOnPty::~PanelOnPty() { Stop(); }

void PanelOnPty::Stop()
{
    if (!thread_.joinable()) return;
    runner_.Stop();
    thread_.join();
}

panelsim::Panel& PanelOnPty::Panel()
{
    Stop();
    return panel_;
}
