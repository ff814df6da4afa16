#pragma once

#include <cstdint>
#include <stop_token>

#include "core/progress.h"

namespace lumo::internal {

// What a phase of the guarantee reduction works under: the stop token it
// watches and the receiver of the whole reduction's progress, of which the
// phase reports the stretch first..last.
struct PhaseControl {
    std::stop_token stop;
    ProgressSink progress;
    std::int32_t first = 0;
    std::int32_t last = 100;
};

// Maps a part's progress 0..100 into first..last of `progress` (empty when
// `progress` is).
ProgressSink Scaled(const ProgressSink& progress, std::int32_t first, std::int32_t last);

// The phase's own progress 0..100 mapped into its stretch.
inline ProgressSink StretchOf(const PhaseControl& control) {
    return Scaled(control.progress, control.first, control.last);
}

}  // namespace lumo::internal
