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
    if (m_kept.size() >= MaxKept && !m_kept.contains(key))
        m_kept.clear();
    Kept& kept = m_kept[key];
    if (generation >= kept.generation)
        kept = {generation, std::move(body)};
}
