#include "paint/PooledThreads.h"

#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>
#include <thread>

namespace quindle {

#ifdef QUINDLE_AWAIT_POOLED_THREADS
namespace {

// Qt names the operating-system thread after the pool's threads.
bool AnyPooledThread()
{
    std::error_code error;
    for (const auto& task : std::filesystem::directory_iterator("/proc/self/task", error)) {
        std::string name;
        std::getline(std::ifstream(task.path() / "comm"), name);
        if (name == "Thread (pooled)")
            return true;
    }
    return false;
}

} // namespace
#endif

void AwaitPooledThreadsEnded([[maybe_unused]] std::chrono::milliseconds limit)
{
#ifdef QUINDLE_AWAIT_POOLED_THREADS
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (AnyPooledThread() && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
#endif
}

} // namespace quindle
