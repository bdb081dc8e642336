#pragma once

#include "server/Connection.h"

#include <condition_variable>
#include <deque>
#include <functional>
#include <future>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <type_traits>
#include <variant>
#include <vector>

// The threads that talk to the database, each with the one connection it owns, fed by a queue:
// however many requests are being answered, the database sees this many connections. A request's
// thread posts its work and waits for the result.
class DatabasePool {
public:
    DatabasePool(const DatabaseConfig& config, unsigned connections);
    // Does what is queued, then closes the connections.
    ~DatabasePool();
    DatabasePool(const DatabasePool&) = delete;
    DatabasePool& operator=(const DatabasePool&) = delete;

    // Runs work(Connection&) on a database thread and returns what it returns, or throws a
    // StorageError with the text of what it threw. Work that fails on a connection that no longer
    // answers (the database restarted) is run once more on the connection opened again, so it must
    // be safe to repeat: a transaction either committed or left nothing.
    template <class Work>
    std::invoke_result_t<Work&, Connection&> run(Work work)
    {
        using Result = std::invoke_result_t<Work&, Connection&>;
        using Value = std::conditional_t<std::is_void_v<Result>, std::monostate, Result>;
        // The job owns the promise: the waiting thread may be gone the moment its result is set.
        auto promise = std::make_shared<std::promise<std::variant<Value, Failure>>>();
        std::future<std::variant<Value, Failure>> result = promise->get_future();
        post([&work, promise](Connection& connection) {
            try {
                if constexpr (std::is_void_v<Result>) {
                    attempt(connection, work);
                    promise->set_value(Value());
                } else {
                    promise->set_value(attempt(connection, work));
                }
            } catch (const std::exception& e) {
                promise->set_value(Failure{e.what()});
            } catch (...) {
                promise->set_value(Failure{"the database work failed"});
            }
        });
        std::variant<Value, Failure> outcome = result.get();
        if (const Failure* failure = std::get_if<Failure>(&outcome))
            throw StorageError(failure->what);
        if constexpr (!std::is_void_v<Result>)
            return std::get<Value>(std::move(outcome));
    }

private:
    using Job = std::function<void(Connection&)>;
    // Work that threw hands over its text, thrown again on the waiting thread, never the exception
    // itself: libstdc++ counts an exception's owners where ThreadSanitizer cannot see it.
    struct Failure {
        std::string what;
    };

    template <class Work>
    static std::invoke_result_t<Work&, Connection&> attempt(Connection& connection, Work& work)
    {
        const bool wasOpen = connection.isOpen();
        try {
            connection.open();
            return work(connection);
        } catch (const StorageError& error) {
            if (!wasOpen || connection.answers())
                throw;
            reopening(connection, error);
        }
        connection.open();
        return work(connection);
    }
    static void reopening(Connection& connection, const StorageError& error);

    void post(Job job);
    void serve(Connection& connection);

    std::mutex m_mutex;
    std::condition_variable m_ready;
    std::deque<Job> m_queue;
    bool m_closing = false;
    std::vector<std::thread> m_threads;
};
