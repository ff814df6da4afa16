#include "reduction/internal/phase_control.h"

namespace lumo::internal {

ProgressSink Scaled(const ProgressSink& progress, std::int32_t first, std::int32_t last) {
    if (!progress) {
        return {};
    }
    return [progress, first, last](std::int32_t position) {
        progress(first + (last - first) * position / 100);
    };
}

}  // namespace lumo::internal
