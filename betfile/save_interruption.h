#pragma once

namespace lumo {

// For a program that ends on SIGINT, SIGTERM, SIGHUP and SIGQUIT (lumo-cli):
// installs handlers that remove the temporary file of the save in progress,
// if any, and then end the process by the same signal, as its default action
// would. Call once at start-up, before any save; it replaces the handlers of
// those signals. A save writing in place cannot be undone: a file it leaves
// unfinished is one that every reader of ours refuses (bet_writer.h).
void InstallSaveInterruptionHandlers();

}  // namespace lumo
