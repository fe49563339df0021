#pragma once
// The main window on the simulator's panel: its serial control is an in-memory port with the
// panel behind it, on virtual time, and the PC's clock follows that time.
#include <deque>
#include <functional>
#include <memory>
#include <vector>

#include <QDateTime>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

#include "core/languages.h"
#include "platform/VbColor.h"
#include "panellink/Operations.h"
#include "panellink/test_operations_support.h"
#include "test_admin_fixture.h"
#include "tools/panelsim/StateText.h"

// A Tessel50 panel with three devices, their names, two groups and two events.
inline const char* const Tessel50Site = R"(firmware 2.00
hardware 1.50
tech 4321
device 12 0C 17 03 12 00 00 41 2D 02 00 02 00 00 00
device 13 0D 1B 00 10 00 00 41 2D 00 00 00 00 00 00
device 20 14 25 00 10 00 00 40 40 00 00 00 00 00 00
name 12         12 EKOMS
name 13          13 TAEH
name 20         20 NERIS
group 1 1 1 20 0 0 0 0 0
group 3 1 1 201 0 0 0 0 0
event 12 23/11/24 14:05   MRALA ERIF                     EKOMS YBBOL
event 0 24/11/24 08:30        TLUAF                     REWOP SNIAM
)";

// What the window showed at one moment of an operation.
struct WindowMoment {
    QString prompt;  // the box shown then ("" for a progress step)
    bool takesInput = false;  // the window took the user's input then
    uint32_t indicator = 0;
    int statBar = 0;
};

class PanelButtonsTest : public AdminWindowTest {
protected:
    void SetUp() override
    {
        AdminWindowTest::SetUp();
        languages::SetLanguage(2);
        ResetModule::ResetHistory();
        NumOfActiveGroups = 0;
        // The link as every operation leaves it, so a single step does not depend on the tests before.
        ComSettings = "9600,N,8,1";
        BaudCode = 9;
        previousMaker_ = frm4Main::SetSerialPortMaker([this] {
            auto p = std::make_unique<MemoryPort>();
            port = p.get();
            return p;
        });
        // Every box the operations show also records what the window looked like then.
        inner_ = Ui::CurrentPrompter();
        Ui::SetPrompter([this](const Ui::MsgBoxCall& call) {
            if (window) moments.push_back(Moment(call.prompt));
            if (onPrompt) onPrompt(call);
            return inner_(call);
        });
    }
    void TearDown() override
    {
        Ui::SetPrompter(inner_);
        line.reset();
        window.reset();
        frm4Main::SetSerialPortMaker(previousMaker_);
        AdminWindowTest::TearDown();
    }

    // The window, with a panel of this memory and these faults on its port.
    frm4Main& Open(panelsim::PanelMemory memory = {}, panelsim::Faults faults = {})
    {
        window = std::make_unique<frm4Main>();
        panel = std::make_unique<panelsim::Panel>(std::move(memory), faults);
        line = std::make_unique<SimulatedLine>(*port, *panel);
        window->Operations().wallClock = [this] {
            if (!wallTimes.empty()) {
                const QDateTime t = wallTimes.front();
                wallTimes.pop_front();
                return t;
            }
            return wall.addMSecs(qint64((clock.Now() - 1000.0) * 1000));
        };
        return *window;
    }

    // A panel memory from the simulator's state text.
    static panelsim::PanelMemory State(const char* text)
    {
        panelsim::PanelMemory m;
        const QString error = panelsim::LoadState(QByteArray(text), &m);
        EXPECT_TRUE(error.isEmpty()) << error.toStdString();
        return m;
    }

    WindowMoment Moment(const QString& prompt) const
    {
        return {prompt, window->TakesInput(), VbColor::BackColor(window->TransferIndicator), window->StatBar->value()};
    }

    // The back colours of the three preset buttons.
    std::vector<uint32_t> PresetColours() const
    {
        return {VbColor::BackColor(window->DefaultValues4Delays), VbColor::BackColor(window->Command9),
                VbColor::BackColor(window->Command10)};
    }

    void ExpectConnectionQuestion() { prompter.Expect("Is the system in computer connection mode?", Ui::vbYes); }

    MemoryPort* port = nullptr;
    std::unique_ptr<panelsim::Panel> panel;
    std::unique_ptr<SimulatedLine> line;
    std::unique_ptr<frm4Main> window;
    std::vector<WindowMoment> moments;
    std::function<void(const Ui::MsgBoxCall&)> onPrompt;
    QDateTime wall{QDate(2024, 3, 5), QTime(10, 0, 0)};
    // Readings of the PC's clock to give before it follows virtual time again.
    std::deque<QDateTime> wallTimes;

private:
    frm4Main::SerialPortMaker previousMaker_;
    Ui::Prompter inner_;
};
