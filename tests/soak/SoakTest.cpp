// 500 top-level navigations in one run, GO and link clicks alternating: every
// request carries the block and the main process does not grow.
#include "../browser/EngineFixture.h"

#include <fstream>
#include <iostream>

namespace quorlane {
namespace {

long ResidentKiB()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    }
    return -1;
}

class SoakTest : public test::EngineFixture {};

TEST_F(SoakTest, FiveHundredNavigationsKeepTheBlockAndTheMemory)
{
    constexpr int kNavigations = 500;
    server.Page("/go", test::PageWithLink("/linked"));
    server.Page("/linked", test::PageWithLink("/go"));
    long afterFifty = 0;
    for (int i = 1; i <= kNavigations; ++i) {
        const std::string path = i % 2 ? "/go" : "/linked";
        const std::size_t before = server.RequestsTo(path).size();
        completed.clear();
        if (i % 2)
            Go(path);
        else
            test::ClickElement(*browser, "link");
        ASSERT_TRUE(Loaded(path)) << "navigation " << i;
        ASSERT_EQ(server.RequestsTo(path).size(), before + 1) << "navigation " << i;
        if (i == 50)
            afterFifty = ResidentKiB();
    }
    const long afterAll = ResidentKiB();
    for (const auto &request : server.Requests()) {
        if (request.path == "/go" || request.path == "/linked") {
            ASSERT_EQ(request.Header("X-XID"), test::kXid);
            ASSERT_EQ(request.Count("Accept-Language"), 1u);
        }
    }
    const double growth = 100.0 * static_cast<double>(afterAll - afterFifty) / static_cast<double>(afterFifty);
    std::cout << "main process RSS after 50 navigations: " << afterFifty << " KiB, after " << kNavigations << ": "
              << afterAll << " KiB, growth " << growth << " %" << std::endl;
    EXPECT_LT(std::abs(growth), 10.0);
    EXPECT_TRUE(errors.All().empty());
}

} // namespace
} // namespace quorlane
