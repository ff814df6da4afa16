#pragma once

// Limits this process's address space to what it uses now plus 1 MiB, so
// that no further thread's stack fits: creating a thread then fails as under
// a process or memory limit. For a death test's child, which ends with it.
void LeaveNoRoomForThreads();
