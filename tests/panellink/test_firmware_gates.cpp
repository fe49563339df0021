// The upload's firmware gates on each side: analogue detectors from 1.58 on, the alarm
// verification kept from 1.63 on.
#include <algorithm>

#include <gtest/gtest.h>

#include "panellink/Frame.h"
#include "test_operations_support.h"

namespace {

class FirmwareGateTest : public OperationsTest {};

TEST_F(FirmwareGateTest, AnalogueDetectorsAndAlarmVerification)
{
    struct Case {
        int firmware;
        int kind;       // the detector at address 7
        bool refused;   // "adjust analog detectors", nothing sent
        bool verified;  // the alarm verification kept, in the project and in the panel
    };
    using namespace DeviceKind;
    const std::vector<Case> cases = {
        {157, SmokeDetector, true, true},       {157, HeatDetector, true, true},
        {157, SmokeHeatDetector, false, false}, {157, ConventionalDetector, false, false},
        {158, SmokeDetector, false, false},     {158, HeatDetector, false, false},
        {162, SmokeDetector, false, false},     {162, SmokeHeatDetector, false, false},
        {163, SmokeDetector, false, true},      {163, HeatDetector, false, true},
        {163, SmokeHeatDetector, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "firmware " << c.firmware << ", kind " << c.kind);
        Fresh(2);
        AddDevice(5, InputDevice, QStringLiteral("DOOR"));
        AddDevice(7, c.kind, QStringLiteral("DETECTOR"));
        for (int a : {5, 7}) DeviceDataArray[a].DeviceNeedVer = "1";
        Connect(Versions(c.firmware));
        const size_t before = prompter.Calls().size();
        prompter.Expect("Is the system in computer connection mode?", Ui::vbYes);
        if (c.refused) {
            prompter.Expect("Please contact the company to adjust analog detectors", Ui::vbOK);
        } else {
            prompter.Expect("Data transfer completed successfully", Ui::vbOK);
            prompter.Expect("Do not forget to save the data before exit.", Ui::vbOK);
        }
        ops.Upload2Sys_Click();
        EXPECT_EQ(prompter.Pending(), 0);
        EXPECT_EQ(prompter.Calls().size() - before, c.refused ? 2u : 3u);

        const auto& received = panel->CommandsReceived();
        EXPECT_EQ(std::count(received.begin(), received.end(), uint8_t(Frame::C6)), c.refused ? 0 : 126);
        const char* flag = c.verified ? "1" : "0";
        for (int a : {5, 7}) {
            SCOPED_TRACE(a);
            EXPECT_EQ(DeviceDataArray[a].DeviceNeedVer, flag);
            // Byte 3, bit 1 of the record the panel holds.
            const QByteArray& record = panel->Memory().devices[a];
            if (!c.refused) {
                ASSERT_EQ(record.size(), 14);
                EXPECT_EQ((uint8_t(record[2]) >> 1) & 1, c.verified ? 1 : 0);
            }
        }
    }
}

}  // namespace
