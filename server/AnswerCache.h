#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <unordered_map>
#include <vector>

// A table read's answer in parts: its other members and its list's rows, each written as JSON, so
// that one kept answer serves every limit asked of it. An answer with no list (a game's frames)
// is all head.
struct Listing {
    std::string head;               // the other members, as a JSON object
    std::vector<std::string> rows;  // each a JSON object
    bool beyond = false;            // rows came after the last one kept
    std::size_t asked = 0;          // the rows asked of the database

    // The head with the first count rows as the array list, and flag.
    std::string body(const char* list, std::size_t count, const char* flag, bool value) const;
};

// The table's read answers, kept until the next game is stored: a set's top ten is read far more
// often than it changes, and a kept answer costs no query. Every store makes every kept answer
// stale at once, which is simple and, with games arriving a few a second at most, costs one
// query per answer after each.
class AnswerCache {
public:
    // What a read must pass to keep(): taken before it queries, so that an answer read from the
    // database before a store can never be kept as current after it.
    std::uint64_t generation() const { return m_generation.load(); }

    std::shared_ptr<const Listing> find(const std::string& key) const;
    void keep(const std::string& key, std::uint64_t generation, std::shared_ptr<const Listing> listing);
    // A game was stored: every kept answer may be out of date. Call after the store commits.
    void forget() { ++m_generation; }

private:
    struct Kept {
        std::uint64_t generation = 0;
        std::shared_ptr<const Listing> listing;
        std::size_t bytes = 0;
    };
    // Kept answers take at most this much: one answer is at most a mebibyte, and there is one for
    // each set read. Past it, start again.
    static constexpr std::size_t MaxBytes = std::size_t(64) << 20;

    std::atomic<std::uint64_t> m_generation{0};
    mutable std::mutex m_mutex;
    std::unordered_map<std::string, Kept> m_kept;
    std::size_t m_bytes = 0;
};
