#include "betfile/internal/bet_text.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <memory>
#include <new>

#include "betfile/internal/save_hook.h"

namespace lumo::internal {

namespace {

constexpr std::size_t kLineBytes = kMatches + 2;
// Columns formatted per block handed on: 64 KiB of text.
constexpr std::int32_t kBlockColumns = 4096;

}  // namespace

std::string CountLine(std::int32_t count) {
    return std::to_string(count) + "\r\n";
}

off_t TextBytes(const CColumnSet& bet) {
    return static_cast<off_t>(CountLine(bet.Count()).size()) +
           static_cast<off_t>(bet.Count()) * static_cast<off_t>(kLineBytes);
}

void FormatBet(const CColumnSet& bet, std::string_view head, const TextSink& sink) {
    constexpr std::size_t kBlockBytes = kBlockColumns * kLineBytes;
    const auto block = std::make_unique_for_overwrite<char[]>(kBlockBytes);
    if (!sink(head)) {
        return;
    }
    for (std::int32_t first = 0; first < bet.Count(); first += kBlockColumns) {
        const std::int32_t last = first + std::min(kBlockColumns, bet.Count() - first);
        char* out = block.get();
        for (std::int32_t i = first; i < last; ++i) {
            for (const auto code : bet[i].results) {
                *out++ = SignOf(code);
            }
            *out++ = '\r';
            *out++ = '\n';
        }
        if (!sink(std::string_view(block.get(), static_cast<std::size_t>(out - block.get())))) {
            return;
        }
    }
}

int WriteBetText(int fd, const CColumnSet& bet, std::string_view head) {
    int error = 0;
    try {
        FormatBet(bet, head, [fd, &error](std::string_view text) {
            error = WriteAllAt(fd, text, std::nullopt, SaveCall::kWrite);
            return error == 0;
        });
    } catch (const std::bad_alloc&) {
        error = ENOMEM;  // no room for the text block: nothing was written
    }
    return error;
}

int WriteAllAt(int fd, std::string_view text, std::optional<off_t> offset, SaveCall call) {
    while (!text.empty()) {
        if (const int injected = InjectedSaveError(call)) {
            return injected;
        }
        const ssize_t written = offset ? ::pwrite(fd, text.data(), text.size(), *offset)
                                       : ::write(fd, text.data(), text.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return errno;
        }
        if (written == 0) {
            return EIO;
        }
        text.remove_prefix(static_cast<std::size_t>(written));
        if (offset) {
            *offset += written;
        }
    }
    return 0;
}

int SyncFile(int fd) {
    if (const int injected = InjectedSaveError(SaveCall::kSync)) {
        return injected;
    }
    return ::fsync(fd) == 0 ? 0 : errno;
}

}  // namespace lumo::internal
