#pragma once

#include "files/sets/SetFileFormat.h"
#include "server/SetJudgement.h"
#include "server/Storage.h"

#include <QByteArray>
#include <QString>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

// A level of a set sent that the computer player cannot be trusted to pass, and why.
struct LevelFailure {
    int level = 0;  // from 1
    Refusal reason;
};

// How a set sent to be published stands.
struct PublicationState {
    // Failed: the table failed while the set was judged (the database, say): it may be sent again.
    enum class Stage { Judging, Published, Refused, Failed, Busy };
    Stage stage = Stage::Busy;
    QByteArray set;  // its identity
    int levels = 0;
    int judged = 0;                         // Judging: the levels judged so far
    std::optional<PublishedSet> published;  // Published
    std::vector<LevelFailure> failures;     // Refused
};

// Publishes the sets designers send: each level is played by the computer player and by nobody
// at the board, from the seeds Check Level plays, on judges of their own (never the verifiers,
// so games keep their rate), and the set is stored once the computer player passes every level
// nine runs in ten. Each run is bounded by the simulated time of the simulator, so a verdict
// never depends on the machine's load. Sets being judged and those refused within the hour are
// remembered here; published ones are in the storage.
class SetPublisher {
public:
    using Clock = std::chrono::steady_clock;

    // published is told of each set stored, on a judge's thread.
    SetPublisher(Storage& storage, unsigned judges, std::size_t capacity, std::function<void()> published);
    // Stops the judging in hand and ends the judges: sets not judged whole are not published.
    ~SetPublisher();
    SetPublisher(const SetPublisher&) = delete;
    SetPublisher& operator=(const SetPublisher&) = delete;

    // Judges the set unless it is judged, published or refused already: how it stands. Busy when
    // capacity sets are waiting or being judged.
    PublicationState send(const SetFile& set, const QByteArray& file);
    // Nothing for a set never sent, or refused long ago.
    std::optional<PublicationState> state(const QByteArray& set);

    // How long a refusal or failure is remembered.
    static constexpr std::chrono::hours RefusalKept{1};

private:
    struct Sent {
        SetFile set;
        QByteArray file;
        PublicationState state;
        Clock::time_point ended;  // refused or failed
    };
    void judge();
    // Judges every level of the set: the set to store, or the failures.
    void judgeSet(Sent& sent);
    void forgetOldEnds(Clock::time_point now);

    Storage& m_storage;
    const std::size_t m_capacity;
    const std::function<void()> m_published;
    std::atomic<bool> m_stop{false};
    std::mutex m_mutex;
    std::condition_variable m_ready;
    std::map<QByteArray, Sent> m_sent;  // being judged, waiting, or refused
    std::deque<QByteArray> m_waiting;
    std::size_t m_counted = 0;  // waiting and being judged
    std::vector<std::thread> m_judges;
};
