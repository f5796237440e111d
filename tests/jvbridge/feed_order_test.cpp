// The order in which the feed replacement delivers files of one time stamp:
// the bridge names every file of a run with the run's stamp and relies on
// name order being delivery order.

#include <gtest/gtest.h>

#include "bridge_test_support.h"
#include "support/temp_dir.h"

using namespace vantor;

namespace {

TEST(FeedOrderTest, FilesOfEqualStampComeInNameOrderSetUpBeforeNormal) {
    test::TempDir feed;
    // Written in an order that is neither name order nor the reverse.
    test::writeFile(feed / "normal/20240603090000_000001_N.jvd", "N1\r\n");
    test::writeFile(feed / "setup/20240603090000_000002_B.jvd", "S2\r\n");
    test::writeFile(feed / "setup/20240603090000_000010_A.jvd", "S10\r\n");
    test::writeFile(feed / "setup/20240603090000_000001_C.jvd", "S1\r\n");
    test::writeFile(feed / "normal/20240602090000_000003_EARLIER.jvd", "N0\r\n");

    EXPECT_EQ(test::deliver(feed.path(), jv::kOptionSetup, "20240601000000").records,
              (std::vector<std::string>{"N0\r\n", "-1", "S1\r\n", "-1", "S2\r\n", "-1", "S10\r\n", "-1", "N1\r\n"}));
}

}  // namespace
