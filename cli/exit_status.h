#pragma once

// Exit statuses of lumo-cli.
inline constexpr int kExitSuccess = 0;
inline constexpr int kExitCheckFailed = 1;
inline constexpr int kExitError = 2;
