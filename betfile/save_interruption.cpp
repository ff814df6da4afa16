#include "betfile/save_interruption.h"

#include <limits.h>
#include <signal.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cstring>

#include "betfile/internal/interrupted_save_registry.h"

namespace lumo {

using namespace internal;

namespace {

// Read by the handlers: a name is there only while `registered` is set, and
// it is set only after the name is whole.
std::array<char, PATH_MAX> registeredName{};
std::atomic<bool> registered{false};
static_assert(std::atomic<bool>::is_always_lock_free,
              "the handlers may only read lock-free atomics");

constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT};

// Async-signal-safe: unlink and raise only.
void RemoveAndEnd(int signal) {
    if (registered.load()) {
        ::unlink(registeredName.data());
    }
    // SA_RESETHAND put the default action back; it ends the process when the
    // handler returns.
    ::raise(signal);
}

}  // namespace

void internal::RegisterInterruptedSaveFile(const std::filesystem::path& path) {
    registered.store(false);
    std::error_code error;
    const std::string name = std::filesystem::absolute(path, error).string();
    if (error || name.size() >= registeredName.size()) {
        return;
    }
    std::memcpy(registeredName.data(), name.c_str(), name.size() + 1);
    registered.store(true);
}

void internal::ForgetInterruptedSaveFile() {
    registered.store(false);
}

void InstallSaveInterruptionHandlers() {
    struct sigaction action {};
    action.sa_handler = RemoveAndEnd;
    action.sa_flags = static_cast<int>(SA_RESETHAND);
    // One handler at a time: the others wait until the process has ended.
    sigemptyset(&action.sa_mask);
    for (const int signal : kSignals) {
        sigaddset(&action.sa_mask, signal);
    }
    for (const int signal : kSignals) {
        ::sigaction(signal, &action, nullptr);
    }
}

}  // namespace lumo
