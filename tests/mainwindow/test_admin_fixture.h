#pragma once
// The main window with the tests' own serial ports, on virtual time (the port search's pause
// passes at once), with the panel link's state back at its start.
#include <QFocusEvent>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "ProjectFixture.h"
#include "core/DataModel.h"
#include "mainwindow/frm4Main.h"
#include "platform/ClickLabel.h"
#include "panellink/LinkState.h"
#include "platform/Clock.h"
#include "tests/common/ScriptedPrompter.h"

class AdminWindowTest : public ProjectFixture {
public:
    // The focus moving into or out of a box, as a Tab key or a click moves it.
    static void Focus(QWidget* w, bool in, Qt::FocusReason reason = Qt::TabFocusReason)
    {
        QFocusEvent e(in ? QEvent::FocusIn : QEvent::FocusOut, reason);
        QApplication::sendEvent(w, &e);
    }

protected:
    void SetUp() override
    {
        ProjectFixture::SetUp();
        LinkState::Reset();
        ErrLocation = "0x000000";
        ComPortNum = "0";
        Clock::SetCurrent(&clock);
        previousPorts_ = frm4Main::SetPortCatalogSource([this] { return PortCatalog(ports); });
    }
    void TearDown() override
    {
        frm4Main::SetPortCatalogSource(previousPorts_);
        Clock::SetCurrent(nullptr);
        ProjectFixture::TearDown();
    }

    // A device of `kind` in use at address a (position `cardAddr` of a multi-address device).
    static void Device(int a, int kind, const char* cardAddr = "01")
    {
        const DeviceKind::KindInfo* k = DeviceKind::Find(kind);
        ASSERT_NE(k, nullptr);
        DeviceRecord& r = DeviceDataArray[a];
        r.Exist = "1";
        r.ExtType = k->extType;
        r.BaseType = k->baseType;
        r.DeviceIsIn = k->isInput ? "1" : "0";
        r.CardAddr = cardAddr;
    }

    // Typing into a box and pressing Enter, which ends the editing.
    static void Enter(QLineEdit* box, const QString& text)
    {
        box->clear();
        QTest::keyClicks(box, text);
        QTest::keyClick(box, Qt::Key_Return);
    }

    std::vector<PortEntry> ports{{1, "/dev/null", "USB Serial Port (test adapter)"}};
    VirtualClock clock;
    ScriptedPrompter prompter;

private:
    frm4Main::PortCatalogSource previousPorts_;
};
