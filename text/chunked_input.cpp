#include "text/chunked_input.h"

#include <algorithm>
#include <cstring>
#include <ios>
#include <system_error>

namespace lumo {

namespace {

constexpr std::size_t kLargestChunk = 1024 * 1024;

// A chunk that holds the whole of a short text at once (a forecast file),
// and 1 MiB of a long one or of one that cannot say how long it is (a pipe).
std::size_t ChunkBytesFor(std::istream& in) {
    const std::streamsize available =
        in.good() && in.rdbuf() != nullptr ? in.rdbuf()->in_avail() : 0;
    if (available <= 0) {
        return kLargestChunk;
    }
    return std::clamp(static_cast<std::size_t>(available) + 1, 2 * ChunkedInput::kMostWanted,
                      kLargestChunk);
}

}  // namespace

ChunkedInput::ChunkedInput(std::istream& in)
    : buffer(in.rdbuf()),
      chunkBytes(ChunkBytesFor(in)),
      chunk(std::make_unique_for_overwrite<char[]>(chunkBytes)),
      next(chunk.get()),
      last(chunk.get()) {
    readError = buffer == nullptr || in.bad();
    ended = !in.good() || buffer == nullptr;
}

bool ChunkedInput::Want(std::size_t bytes) {
    std::size_t ahead = Ahead().size();
    if (ahead >= bytes || ended) {
        return ahead >= bytes;
    }
    std::memmove(chunk.get(), next, ahead);
    next = chunk.get();
    last = next + ahead;
    try {
        while (ahead < bytes) {
            // What the buffer holds is taken on its own first, so that a read
            // error on the next underflow does not lose it.
            const std::streamsize room = static_cast<std::streamsize>(chunkBytes - ahead);
            const std::streamsize held = buffer->in_avail();
            const std::streamsize got =
                buffer->sgetn(chunk.get() + ahead, held > 0 ? std::min(held, room) : room);
            if (got <= 0) {
                ended = true;
                break;
            }
            ahead += static_cast<std::size_t>(got);
            last = next + ahead;
        }
    } catch (const std::ios_base::failure& error) {
        // File buffers throw this on a failed read(2), with its errno.
        const auto& category = error.code().category();
        if (category == std::generic_category() || category == std::system_category()) {
            systemError = error.code().value();
        }
        ended = readError = true;
    } catch (...) {
        // Any other exception from the buffer is a read error as well.
        ended = readError = true;
    }
    return ahead >= bytes;
}

}  // namespace lumo
