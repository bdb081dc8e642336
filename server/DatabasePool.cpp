#include "server/DatabasePool.h"

#include <cstdio>

DatabasePool::DatabasePool(const DatabaseConfig& config, unsigned connections)
{
    for (unsigned i = 0; i < std::max(1u, connections); ++i)
        m_threads.emplace_back([this, config] {
            Connection connection(config);
            serve(connection);
        });
}

DatabasePool::~DatabasePool()
{
    {
        const std::lock_guard lock(m_mutex);
        m_closing = true;
    }
    m_ready.notify_all();
    for (std::thread& thread : m_threads)
        thread.join();
}

void DatabasePool::post(Job job)
{
    {
        const std::lock_guard lock(m_mutex);
        if (m_closing)
            throw StorageError("the server is stopping");
        m_queue.push_back(std::move(job));
    }
    m_ready.notify_one();
}

void DatabasePool::serve(Connection& connection)
{
    for (;;) {
        Job job;
        {
            std::unique_lock lock(m_mutex);
            m_ready.wait(lock, [this] { return m_closing || !m_queue.empty(); });
            if (m_queue.empty())
                return;
            job = std::move(m_queue.front());
            m_queue.pop_front();
        }
        job(connection);
    }
}

void DatabasePool::reopening(Connection& connection, const StorageError& error)
{
    std::fprintf(stderr, "pondrake-server: the database connection failed (%s): opening it again\n", error.what());
    connection.close();
}
