#include "betfile/internal/save_hook.h"

#include <utility>

namespace lumo::internal {

namespace {

SaveHook& Hook() {
    static SaveHook hook;
    return hook;
}

}  // namespace

void SetSaveHook(SaveHook hook) {
    Hook() = std::move(hook);
}

int InjectedSaveError(SaveCall call) {
    const SaveHook& hook = Hook();
    return hook ? hook(call) : 0;
}

}  // namespace lumo::internal
