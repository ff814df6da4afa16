#include "cli/progress_bar.h"

#include <unistd.h>

#include <algorithm>
#include <ostream>
#include <string>

#include "core/progress.h"

using namespace lumo;

namespace {

constexpr std::int32_t kBarWidth = 40;

}  // namespace

ProgressBar::ProgressBar(std::ostream& out, ProgressDisplay display,
                         std::chrono::steady_clock::duration delay)
    : out(out), showFrom(std::chrono::steady_clock::now() + delay) {
    if (display == ProgressDisplay::kOn) {
        SetProgressSink([this](std::int32_t position) { Draw(position); });
    }
}

ProgressBar::~ProgressBar() {
    SetProgressSink({});
    if (drawn) {
        out << '\r' + std::string(kBarWidth + 10, ' ') + '\r' << std::flush;
    }
}

void ProgressBar::Draw(std::int32_t position) {
    if (std::chrono::steady_clock::now() < showFrom) {
        return;
    }
    const std::int32_t shown = std::clamp(position, 0, 100);
    const std::int32_t filled = shown * kBarWidth / 100;
    // Composed first: on unbuffered standard error each << is a write.
    out << "\r[" + std::string(static_cast<std::size_t>(filled), '#') +
               std::string(static_cast<std::size_t>(kBarWidth - filled), '.') + "] " +
               std::to_string(shown) + " %"
        << std::flush;
    drawn = true;
}

ProgressDisplay ProgressDisplayForStandardError() {
    return isatty(STDERR_FILENO) != 0 ? ProgressDisplay::kOn : ProgressDisplay::kOff;
}
