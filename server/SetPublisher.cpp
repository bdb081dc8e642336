#include "server/SetPublisher.h"

#include "sim/LevelVerdict.h"

#include <cstdio>

SetPublisher::SetPublisher(Storage& storage, unsigned judges, std::size_t capacity, std::function<void()> published)
    : m_storage(storage), m_capacity(capacity), m_published(std::move(published))
{
    for (unsigned i = 0; i < std::max(judges, 1U); ++i)
        m_judges.emplace_back([this] { judge(); });
}

SetPublisher::~SetPublisher()
{
    {
        const std::lock_guard lock(m_mutex);
        m_stop = true;
    }
    m_ready.notify_all();
    for (std::thread& judge : m_judges)
        judge.join();
}

PublicationState SetPublisher::send(const SetFile& set, const QByteArray& file)
{
    const QByteArray id = setIdentity(set.levels);
    PublicationState busy{PublicationState::Stage::Busy, id, int(set.levels.size()), 0, std::nullopt, {}};
    PublicationState judging = busy;
    judging.stage = PublicationState::Stage::Judging;
    if (std::optional<PublicationState> known = state(id); known && known->stage != PublicationState::Stage::Failed)
        return *known;
    {
        const std::lock_guard lock(m_mutex);
        if (const auto sent = m_sent.find(id); sent != m_sent.end()) {
            if (sent->second.state.stage != PublicationState::Stage::Failed)
                return sent->second.state;  // sent meanwhile by another
            m_sent.erase(sent);
        }
        if (m_counted >= m_capacity)
            return busy;
        m_sent.emplace(id, Sent{set, file, judging, {}});
        m_waiting.push_back(id);
        ++m_counted;
    }
    m_ready.notify_one();
    return judging;
}

std::optional<PublicationState> SetPublisher::state(const QByteArray& set)
{
    {
        const std::lock_guard lock(m_mutex);
        forgetOldEnds(Clock::now());
        if (const auto sent = m_sent.find(set); sent != m_sent.end())
            return sent->second.state;
    }
    std::optional<PublishedSet> published = m_storage.published(set);
    if (!published)
        return std::nullopt;
    const int levels = published->set.levels;
    return PublicationState{PublicationState::Stage::Published, set, levels, levels, std::move(published), {}};
}

void SetPublisher::forgetOldEnds(Clock::time_point now)
{
    std::erase_if(m_sent, [now](const auto& sent) {
        const PublicationState::Stage stage = sent.second.state.stage;
        return (stage == PublicationState::Stage::Refused || stage == PublicationState::Stage::Failed) &&
               now - sent.second.ended > RefusalKept;
    });
}

void SetPublisher::judge()
{
    for (;;) {
        Sent* sent = nullptr;
        {
            std::unique_lock lock(m_mutex);
            m_ready.wait(lock, [this] { return m_stop || !m_waiting.empty(); });
            if (m_stop)
                return;
            sent = &m_sent.at(m_waiting.front());  // stays: only a judge takes a set out
            m_waiting.pop_front();
        }
        bool failed = false;
        try {
            judgeSet(*sent);
        } catch (const std::exception& e) {
            std::fprintf(stderr, "pondrake-server: a set could not be published: %s\n", e.what());
            failed = true;
        }
        const std::lock_guard lock(m_mutex);
        --m_counted;
        if (failed) {
            sent->state.stage = PublicationState::Stage::Failed;
            sent->ended = Clock::now();
        } else if (sent->state.stage != PublicationState::Stage::Refused) {
            m_sent.erase(sent->state.set);  // published, or the server is stopping
        }
    }
}

void SetPublisher::judgeSet(Sent& sent)
{
    PublishedSet publishing{{sent.state.set, sent.set.name, int(sent.set.levels.size()), 0, 0,
                             Publication{sent.set.author, sent.set.description, 0, QString()}},  // the hardest level's
                            {}};
    std::vector<LevelFailure> failures;
    for (std::size_t i = 0; i < sent.set.levels.size(); ++i) {
        std::optional<SetLevelJudgement> level = judgeSetLevel(int(i) + 1, sent.set.levels[i], m_stop, LevelCheckSeeds);
        if (!level)
            return;  // the server is stopping
        if (level->failure)
            failures.push_back({int(i) + 1, *level->failure});
        publishing.set.publication->difficulty =
            std::max(publishing.set.publication->difficulty, level->verdict.difficulty);
        publishing.verdicts.push_back(std::move(level->verdict));
        const std::lock_guard lock(m_mutex);
        sent.state.judged = int(i) + 1;
    }
    if (!failures.empty()) {
        const std::lock_guard lock(m_mutex);
        sent.state.stage = PublicationState::Stage::Refused;
        sent.state.failures = std::move(failures);
        sent.ended = Clock::now();
        return;
    }
    m_storage.publish(publishing, sent.file);
    m_published();
}
