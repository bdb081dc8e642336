#include "server/AnswerCache.h"

std::optional<std::string> AnswerCache::find(const std::string& key) const
{
    const std::uint64_t current = m_generation.load();
    const std::lock_guard lock(m_mutex);
    const auto kept = m_kept.find(key);
    if (kept == m_kept.end() || kept->second.generation != current)
        return std::nullopt;
    return kept->second.body;
}

void AnswerCache::keep(const std::string& key, std::uint64_t generation, std::string body)
{
    const std::lock_guard lock(m_mutex);
    Kept& kept = m_kept[key];
    if (generation < kept.generation)
        return;  // a later read kept a newer answer meanwhile
    m_bytes -= kept.body.size();
    if (m_bytes + body.size() > MaxBytes) {
        m_kept.clear();
        m_bytes = 0;
        if (body.size() > MaxBytes)
            return;
    }
    m_bytes += body.size();
    m_kept[key] = {generation, std::move(body)};
}
