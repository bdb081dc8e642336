// The verification behind the API: a game is refused when stopped, the pool counts its
// games and stops one that plays too long, the client's address is the one a trusted proxy saw, and
// each client has its share of requests.

#include "server/ClientAddress.h"
#include "server/GameVerifier.h"
#include "server/RateLimiter.h"
#include "server/VerifierPool.h"
#include "tests/server/ServerSupport.h"

#include <thread>

// A whole game, accepted with its score, is checked over HTTP in ServerTest.cpp.
TEST(Verdict, AGameWhoseVerificationIsStoppedIsRefused)
{
    const std::atomic<bool> stopped{true};
    EXPECT_EQ(verifyGame(serverGame("continued-whole"), stopped).message, "the game took too long to verify");
}

TEST(VerifierPool, CountsItsGamesAndStopsOneThatPlaysPastTheBound)
{
    VerifierPool pool(1, 2, std::chrono::milliseconds(50));
    std::atomic<bool> release{false};
    const auto waits = [&](const std::atomic<bool>&) {
        while (!release)
            std::this_thread::yield();
        return Verdict{true, 7, {}, {}, 0, {}};
    };
    // Runs until the watch raises its flag: it can end no other way.
    const auto endless = [](const std::atomic<bool>& stop) {
        while (!stop)
            std::this_thread::yield();
        return Verdict{false, 0, {}, {}, 0, "stopped"};
    };
    std::optional<std::future<Verdict>> first = pool.submit(waits);
    std::optional<std::future<Verdict>> second = pool.submit(endless);
    ASSERT_TRUE(first && second);
    EXPECT_FALSE(pool.submit(waits)) << "a third game finds the queue full";
    release = true;
    EXPECT_EQ(first->get().score, 7);
    EXPECT_EQ(second->get().message, "stopped");
    EXPECT_TRUE(pool.submit(waits)) << "room again once both are done";
}

TEST(ClientAddress, TheClientIsThePeerUnlessATrustedProxyNamesItAndIPv6CountsBySubscriber)
{
    const ClientAddress clients({"10.0.0.1", "10.0.0.2", "::1"});
    struct Case {
        const char* peer;
        std::vector<std::string> forwardedFor;
        const char* client;
    };
    for (const Case& c :
         {Case{"192.0.2.5", {"198.51.100.1"}, "192.0.2.5"}, Case{"10.0.0.1", {}, "10.0.0.1"},
          Case{"10.0.0.1", {"6.6.6.6, 198.51.100.1 , 10.0.0.2"}, "198.51.100.1"},
          Case{"10.0.0.1", {" , 10.0.0.2"}, "10.0.0.1"}, Case{"10.0.0.1", {"6.6.6.6", "198.51.100.1"}, "198.51.100.1"},
          Case{"::ffff:10.0.0.1", {"2001:db8:1:2:aaaa::5"}, "2001:db8:1:2::/64"},
          Case{"0::1", {"::ffff:192.0.2.7"}, "192.0.2.7"}})
        EXPECT_EQ(clients.keyOf(c.peer, c.forwardedFor), c.client) << c.peer << " / " << c.forwardedFor.size();
}

TEST(RateLimiter, TakesAMinutesWorthAtOnceThenOneAShareAndForgetsTheLongestSilentFirst)
{
    RateLimiter limiter(2, 2);
    const auto t = RateLimiter::Clock::time_point(std::chrono::hours(1));
    struct Step {
        const char* client;
        int second;
        int wait;
    };
    // c's first request forgets b, b's then forgets a, whose wait goes with it.
    for (const Step& s : {Step{"a", 0, 0}, Step{"a", 10, 0}, Step{"a", 20, 10}, Step{"b", 20, 0}, Step{"a", 30, 0},
                          Step{"a", 31, 29}, Step{"c", 32, 0}, Step{"b", 33, 0}, Step{"a", 34, 0}})
        EXPECT_EQ(limiter.secondsToWait(s.client, t + std::chrono::seconds(s.second)), s.wait)
            << s.client << " at " << s.second;
}
