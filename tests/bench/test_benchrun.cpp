// A benchmark's verdict: its exit status is 1 as soon as one of its checks failed, 0 only when
// every check held, so ctest sees a benchmark whose work fails.
#include <gtest/gtest.h>

#include "bench/common/BenchRun.h"
#include "bench/common/FullProject.h"
#include "common/ProjectFixture.h"
#include "core/DataModel.h"

namespace {

class BenchRunTest : public ProjectFixture {
protected:
    char name_[16] = "bench_test";
    char quick_[16] = "--quick";
    char* argv_[2] = {name_, quick_};
    BenchRun bench{"bench_test", 2, argv_};
};

TEST_F(BenchRunTest, ExitsZeroOnlyWhenEveryCheckHeld)
{
    EXPECT_TRUE(bench.Quick());
    EXPECT_EQ(bench.Exit(), 0) << "no checks";
    EXPECT_TRUE(bench.Require(true, "held"));
    EXPECT_EQ(bench.Exit(), 0);
    EXPECT_FALSE(bench.Require(false, "the work failed"));
    EXPECT_EQ(bench.Exit(), 1);
    EXPECT_TRUE(bench.Require(true, "held after a failure"));
    EXPECT_EQ(bench.Exit(), 1) << "a later check that holds does not clear a failure";
}

TEST_F(BenchRunTest, TheFullProjectCheckFailsTheRunWhenTheProjectIsNotFull)
{
    FullProject::Fill();
    EXPECT_TRUE(bench.RequireFullProject("filled"));
    EXPECT_EQ(bench.Exit(), 0);
    DeviceDataArray[5].DeviceName = "SHORT";
    EXPECT_FALSE(bench.RequireFullProject("a name cut short"));
    EXPECT_EQ(bench.Exit(), 1);
}

}  // namespace
