#pragma once

#include <cstdint>
#include <functional>

// Receives the progress of long operations as a position 0..100. One
// program-wide sink; the main window routes it to its progress bar. Calls are
// synchronous, on the calling thread.
using ProgressSink = std::function<void(std::int32_t position)>;

// Installs the sink (an empty function discards reports).
void SetProgressSink(ProgressSink sink);

// Hands a position to the installed sink.
void ReportProgress(std::int32_t position);
