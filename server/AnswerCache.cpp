#include "server/AnswerCache.h"

std::string Listing::body(const char* list, std::size_t count, const char* flag, bool value) const
{
    std::string text = head.substr(0, head.size() - 1);
    text += head.size() > 2 ? ",\"" : "\"";
    text += flag;
    text += value ? "\":true,\"" : "\":false,\"";
    text += list;
    text += "\":[";
    for (std::size_t i = 0; i < count && i < rows.size(); ++i) {
        if (i > 0)
            text += ',';
        text += rows[i];
    }
    return text + "]}";
}

std::shared_ptr<const Listing> AnswerCache::find(const std::string& key) const
{
    const std::uint64_t current = m_generation.load();
    const std::lock_guard lock(m_mutex);
    const auto kept = m_kept.find(key);
    if (kept == m_kept.end() || kept->second.generation != current)
        return nullptr;
    return kept->second.listing;
}

void AnswerCache::keep(const std::string& key, std::uint64_t generation, std::shared_ptr<const Listing> listing)
{
    std::size_t bytes = listing->head.size();
    for (const std::string& row : listing->rows)
        bytes += row.size();
    const std::lock_guard lock(m_mutex);
    Kept& kept = m_kept[key];
    if (generation < kept.generation)
        return;  // a later read kept a newer answer meanwhile
    m_bytes -= kept.bytes;
    if (m_bytes + bytes > MaxBytes) {
        m_kept.clear();
        m_bytes = 0;
    }
    m_bytes += bytes;
    m_kept[key] = {generation, std::move(listing), bytes};
}
