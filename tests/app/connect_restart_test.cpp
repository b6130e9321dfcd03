// Connect and Restart against the phone simulator, and a phone that answers with a status
// other than 1: Connect fails on it, Patch and Restart go ahead.
#include "tests/app/app_test_support.h"

#include <algorithm>

#include "procedures/connect.h"
#include "procedures/patch.h"
#include "procedures/restart.h"
#include "ui/control.h"

namespace {

using connect_restart_test = app_test;

const std::string connect_failed_after_0_seconds =
    "Can't connect phone in\nPlatform 2000 Mode.\nProgram waited 0 sec.\n"
    "Examine your drivers or increase ''Wait'' time.";

TEST(connect_timer_text, ShowsTheElapsedTenthsOfTheWait) {
    const struct {
        int wait;
        int step;
        const char* shown;
    } cases[] = {{10, 37, "3.7"}, {10, 100, "10.0"}, {10, 0, "0.0"},    {3, 50, "1.5"},
                 {0, 100, "0.0"}, {0, 37, "0.0"},    {15, 100, "15.0"}, {20, 99, "19.8"},
                 {1, 9, "0.0"},   {1, 10, "0.1"}};
    for (const auto& c : cases) {
        EXPECT_EQ(connect_timer_text(c.step, c.wait),
                  std::string("Waiting while switching to P2K Mode. Timer:[") + c.shown + "s]")
            << "W=" << c.wait << " i=" << c.step;
    }
}

TEST_F(connect_restart_test, ConnectSwitchesThePhoneIntoP2kMode) {
    run_connect(0);

    EXPECT_EQ(log_lines(), (std::vector<std::string>{"P2K_Init(0) = 0", "P2K_GetStatus() = 1"}));
    EXPECT_EQ(status_text(), "Connected in P2K Mode.");
    EXPECT_EQ(get_control_state(step_bar), 100);
    EXPECT_EQ(get_control_state(overall_bar), 100);
    EXPECT_TRUE(boxes().empty());
}

TEST_F(connect_restart_test, ConnectThatFindsNoPhoneSaysHowLongItWaited) {
    set_variable("P2KSIM_FAIL", "P2K_Init:1");
    reset_phone();

    run_connect(0);

    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxes()[0].text, connect_failed_after_0_seconds);
    EXPECT_EQ(boxes()[0].flags, 0x10);
    EXPECT_EQ(boxes()[0].caption, main_window_title);
    EXPECT_EQ(status_text(), "Failed.");
    EXPECT_EQ(log_lines(), (std::vector<std::string>{"P2K_Init(0) = -1", "P2K_GetStatus() = 0"}));
}

// Only a status of exactly 1 counts as connected for Connect; Patch only refuses a status of 0
// (Restart too: see below).
TEST_F(connect_restart_test, StatusTwoFailsConnectButNotPatch) {
    set_variable("P2KSIM_STATUS", "2");
    connected_phone_with(table_bytes(sample_records()));

    run_connect(0);
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxes()[0].text, connect_failed_after_0_seconds);
    EXPECT_EQ(boxes()[0].flags, 0x10);
    EXPECT_EQ(status_text(), "Failed.");

    run_patch(network_page().model());
    EXPECT_EQ(status_text(), success_status);
    EXPECT_EQ(phone_table(), table_bytes(renamed(sample_records(), "Super-Line")));
    EXPECT_EQ(boxes().size(), 1u);
}

TEST_F(connect_restart_test, RestartRefusesAPhoneThatIsNotConnected) {
    run_restart();

    EXPECT_EQ(log_lines(), std::vector<std::string>{"P2K_GetStatus() = 0"});
    EXPECT_EQ(status_text(), "Phone is not connected, can't restart");
    EXPECT_EQ(get_control_state(step_bar), 0);
    EXPECT_EQ(get_control_state(overall_bar), 0);
}

// The overall bar walks from 300 twice as fast as the step bar and is full from the middle
// of the run on. The phone answers with status 2, which Restart takes as connected.
TEST_F(connect_restart_test, RestartRunsItsProgressThenRestartsThePhone) {
    set_variable("P2KSIM_CONNECTED", "1");
    set_variable("P2KSIM_STATUS", "2");
    reset_phone();
    std::vector<std::pair<int, int>> bars_seen;
    run_from_polls([&] {
        bars_seen.emplace_back(get_control_state(step_bar), get_control_state(overall_bar));
        return false;
    });

    run_restart();
    stop_poll_steps();

    EXPECT_EQ(log_lines(), (std::vector<std::string>{"P2K_GetStatus() = 2", "P2K_Restart() = 0"}));
    EXPECT_EQ(status_text(), "Restarted.");
    EXPECT_EQ(get_control_state(step_bar), 100);
    EXPECT_EQ(get_control_state(overall_bar), 400);
    ASSERT_GE(bars_seen.size(), 10u);
    for (const auto& [step, overall] : bars_seen)
        EXPECT_EQ(overall, std::min(400, 300 + 2 * step)) << "step bar at " << step;
}

}  // namespace
