#pragma once
// The four report windows, each made afresh by name, for tests that go through every report.
#include <functional>
#include <memory>

#include "reports/frmGroups.h"
#include "reports/frmHistory.h"
#include "reports/frmView.h"
#include "reports/frmView2.h"

namespace ReportTest {

struct Window {
    const char* name;
    std::function<std::unique_ptr<frmReport>()> make;
};

inline const Window windows[] = {
    {"groups", [] { return std::make_unique<frmGroups>(); }},
    {"history", [] { return std::make_unique<frmHistory>(); }},
    {"names", [] { return std::make_unique<frmView>(); }},
    {"settings", [] { return std::make_unique<frmView2>(); }},
};

}  // namespace ReportTest
