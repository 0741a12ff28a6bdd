#pragma once

#include <chrono>
#include <condition_variable>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

#include "platform/Drives.h"

namespace platform {

// How long a drive may take to answer before it counts as not answering.
inline constexpr std::chrono::milliseconds kDriveQueryTimeout{3000};
// How often pending events run while a query is awaited.
inline constexpr std::chrono::milliseconds kEventSlice{50};

// Runs a query that may never return (a dead network mount blocks every call
// on it) on a thread of its own, processing pending events between short
// waits. Nothing when it has not answered in time; the thread is then left to
// finish, or not, on its own, so the query must own everything it uses. An
// error of the query passes on to the caller.
template <class Result>
std::optional<Result> RunWithin(std::chrono::milliseconds timeout,
                                const ProcessEvents& processEvents, std::function<Result()> query) {
    struct Answer {
        std::mutex mutex;
        std::condition_variable ready;
        std::optional<Result> result;
        std::exception_ptr error;
    };
    const auto answer = std::make_shared<Answer>();
    std::thread([answer, query = std::move(query)] {
        std::optional<Result> result;
        std::exception_ptr error;
        try {
            result = query();
        } catch (...) {
            error = std::current_exception();
        }
        const std::lock_guard lock(answer->mutex);
        answer->result = std::move(result);
        answer->error = error;
        answer->ready.notify_all();
    }).detach();

    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (true) {
        {
            std::unique_lock lock(answer->mutex);
            const auto until = std::min(deadline, std::chrono::steady_clock::now() + kEventSlice);
            if (answer->ready.wait_until(lock, until,
                                         [&] { return answer->result || answer->error; })) {
                if (answer->error) {
                    std::rethrow_exception(answer->error);
                }
                return answer->result;
            }
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            return std::nullopt;
        }
        processEvents();
    }
}

}  // namespace platform
