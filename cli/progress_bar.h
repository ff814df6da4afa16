#pragma once

#include <chrono>
#include <cstdint>
#include <iosfwd>

// Whether a progress bar is drawn.
enum class ProgressDisplay { kOff, kOn };

// While it lives, routes the program-wide ProgressSink to a bar drawn on
// `out` ("[#####.....]  45 %" rewritten in place with a carriage return),
// but only when `display` is kOn and only once the work has run for
// `delay`, so that quick commands draw nothing. Its destructor wipes the
// bar it drew and removes the sink.
class ProgressBar {
  public:
    ProgressBar(std::ostream& out, ProgressDisplay display,
                std::chrono::steady_clock::duration delay = std::chrono::seconds(1));
    ~ProgressBar();
    ProgressBar(const ProgressBar&) = delete;
    ProgressBar& operator=(const ProgressBar&) = delete;

  private:
    void Draw(std::int32_t position);

    std::ostream& out;
    std::chrono::steady_clock::time_point showFrom;
    bool drawn = false;
};

// kOn when standard error is a terminal.
ProgressDisplay ProgressDisplayForStandardError();
