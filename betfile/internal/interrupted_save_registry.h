#pragma once

#include <filesystem>

namespace lumo::internal {

// The temporary file that the handlers of InstallSaveInterruptionHandlers
// remove; one save at a time. Registering and forgetting are safe against
// the handlers running at any moment in between.

// Registers the file (by its absolute name) as the one to remove. A name too
// long for the handlers' storage is not registered.
void RegisterInterruptedSaveFile(const std::filesystem::path& path);

// Nothing is to be removed any more.
void ForgetInterruptedSaveFile();

}  // namespace lumo::internal
