#include "jvlink/fault_plan.h"

#include <gtest/gtest.h>

using namespace vantor;

TEST(FaultPlan, FiresOnlyAtTheNamedCallOfTheNamedOperation) {
    FaultPlan plan;
    ASSERT_FALSE(plan.parse("JVRead@2=-502, JVOpen@1=-1;JVRead@4=-3\n# a note\nJVClose@1=-201"));
    EXPECT_EQ(plan.onCall("JVRead"), std::nullopt);
    EXPECT_EQ(plan.onCall("JVRead"), -502);
    EXPECT_EQ(plan.onCall("JVRead"), std::nullopt);
    EXPECT_EQ(plan.onCall("JVRead"), -3);
    EXPECT_EQ(plan.onCall("JVOpen"), -1);
    EXPECT_EQ(plan.onCall("JVOpen"), std::nullopt);
    EXPECT_EQ(plan.onCall("JVClose"), -201);
    EXPECT_EQ(plan.calls("JVRead"), 4);
    EXPECT_EQ(plan.calls("JVStatus"), 0);
}

TEST(FaultPlan, RejectsMalformedItemsWithTheirText) {
    for (const char* bad : {"JVRead", "JVRead@x=1", "JVRead@0=-1", "@1=-1", "JVRead@1=", "JVRead=1@2", "JVRead@1=-1x",
                            "JVRaed@1=-502", "jvread@1=-502"}) {
        FaultPlan plan;
        const auto err = plan.parse(bad);
        ASSERT_TRUE(err) << bad;
        EXPECT_NE(err->find(bad), std::string::npos) << *err;
    }
    FaultPlan empty;
    EXPECT_FALSE(empty.parse("  \n ,; "));
    EXPECT_TRUE(empty.empty());
}
