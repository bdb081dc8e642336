#pragma once

#include <atomic>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <unordered_map>

// The bodies of the table's read answers, kept until the next game is stored: a set's top ten is
// read far more often than it changes, and a kept answer costs no query. Every store makes every
// kept answer stale at once, which is simple and, with games arriving a few a second at most,
// costs one query per address after each.
class AnswerCache {
public:
    // What a read must pass to keep(): taken before it queries, so that an answer read from the
    // database before a store can never be kept as current after it.
    std::uint64_t generation() const { return m_generation.load(); }

    std::optional<std::string> find(const std::string& key) const;
    void keep(const std::string& key, std::uint64_t generation, std::string body);
    // A game was stored: every kept answer may be out of date. Call after the store commits.
    void forget() { ++m_generation; }

private:
    struct Kept {
        std::uint64_t generation = 0;
        std::string body;
    };
    // Kept answers take at most this much: a table of a hundred handwritten names can be megabytes, and
    // a stranger can ask for every limit of every set. Past it, start again.
    static constexpr std::size_t MaxBytes = std::size_t(64) << 20;

    std::atomic<std::uint64_t> m_generation{0};
    mutable std::mutex m_mutex;
    std::unordered_map<std::string, Kept> m_kept;
    std::size_t m_bytes = 0;
};
