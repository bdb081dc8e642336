// The verification behind the API: a game is refused when stopped, its frames play back as the rules did, the pool
// counts its games and stops one past either bound, the client's address is the one a trusted proxy saw, and each
// client has its share of requests.

#include "server/ClientAddress.h"
#include "server/GameFrames.h"
#include "server/GameVerifier.h"
#include "server/RateLimiter.h"
#include "server/VerifierPool.h"
#include "sim/RecordingPlayer.h"
#include "tests/server/ServerSupport.h"
#include "tests/support/BoardText.h"

#include <thread>

// A whole game, accepted with its score, is checked over HTTP in ServerTest.cpp.
TEST(Verdict, AGameWhoseVerificationIsStoppedIsRefused)
{
    const std::atomic<bool> stopped{true};
    EXPECT_EQ(verifyGame(serverGame("continued-whole"), stopped).message, "the game took too long to verify");
}

// The frames laid one over another from each level's board end on the board the rules reached,
// and the last of them shows the game's end with its score.
TEST(GameFrames, PlayedBackTheyEndWhereTheRulesEndAndSayGameOver)
{
    const std::atomic<bool> go{false};
    for (const char* name : {"continued-whole", "played-3-levels"}) {
        SCOPED_TRACE(name);
        const GameFrames played = gameFrames(serverGame(name), go);
        ASSERT_TRUE(played.verdict.accepted) << played.verdict.message.toStdString();
        RecordingPlayer rules(*readRecording(serverGame(name)).recording);
        std::size_t levels = 0, time = 0;
        while (rules.step())
            levels = rules.levelsStarted();
        const QJsonArray shown = QJsonDocument::fromJson(played.json)["levels"].toArray();
        EXPECT_EQ(std::size_t(shown.size()), levels) << "one board for each level started";
        QString board;
        QJsonArray frame;
        for (const QJsonValue level : shown) {
            board = level["board"].toString();
            for (const QJsonValue each : level["frames"].toArray()) {
                frame = each.toArray();
                EXPECT_GE(std::size_t(frame[0].toInteger()), time);
                time = std::size_t(frame[0].toInteger());
                const QString cells = frame[1].toString();
                for (qsizetype i = 0; i + 2 < cells.size(); i += 3)
                    board[(cells[i + 1].unicode() - 'a') * BoardSize + cells[i].unicode() - 'a'] = cells[i + 2];
            }
        }
        std::string reached;
        for (const std::string& row : rowsOf(rules.level().board))
            reached += row.substr(0, BoardSize);
        EXPECT_EQ(board.toStdString(), reached);
        EXPECT_EQ(frame[2][1].toInt(), played.verdict.score);
        EXPECT_EQ(frame[3].toObject()["text"], "Game over. Score: %1");
        EXPECT_EQ(frame[3].toObject()["args"][0], QString::number(played.verdict.score));
    }
}

TEST(VerifierPool, CountsItsGamesAndStopsOnePastItsProcessorTimeForGoodOnePastItsWaitForNow)
{
    using std::chrono::milliseconds;
    // Each runs until the watch raises its flag: it can end no other way. One spends processor
    // time all along, the other next to none.
    const auto spins = [](const std::atomic<bool>& stop) {
        while (!stop)
            std::this_thread::yield();
        return Verdict{true, 7, {}, {}, 0, {}, {}};
    };
    const auto sleeps = [](const std::atomic<bool>& stop) {
        while (!stop)
            std::this_thread::sleep_for(milliseconds(1));
        return Verdict{false, 0, {}, {}, 0, "stopped", {}};
    };
    {
        VerifierPool pool(1, 2, milliseconds(50), std::chrono::hours(1));
        std::optional<std::future<Verdict>> first = pool.submit(spins), second = pool.submit(spins);
        ASSERT_TRUE(first && second);
        EXPECT_FALSE(pool.submit(spins)) << "a third game finds the queue full";
        for (std::future<Verdict>* verdict : {&*first, &*second}) {
            const Verdict refused = verdict->get();
            EXPECT_FALSE(refused.accepted) << "over the bound, whatever the game said";
            EXPECT_EQ(refused.stop, Verdict::Stop::ProcessorTime) << refused.message.toStdString();
        }
        EXPECT_TRUE(pool.submit(spins)) << "room again once both are done";
    }
    // The second waits behind the first past its time, or is stopped at it.
    VerifierPool pool(1, 2, std::chrono::hours(1), milliseconds(100));
    std::optional<std::future<Verdict>> first = pool.submit(sleeps), second = pool.submit(sleeps);
    ASSERT_TRUE(first && second);
    for (std::future<Verdict>* verdict : {&*first, &*second})
        EXPECT_EQ(verdict->get().stop, Verdict::Stop::Wait);
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
