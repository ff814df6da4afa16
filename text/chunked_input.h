#pragma once

#include <cstddef>
#include <istream>
#include <memory>
#include <string_view>

namespace lumo {

// Reads a stream's text in chunks of up to 1 MiB (no larger than a short
// text needs) taken straight from its buffer (a file buffer reads them from
// the system without copying), for readers
// that parse the text in place and read it to its end: nothing is handed
// back to the stream. A read error is kept with its error number and is
// never taken for the end of the text. A stream that is not good() to begin
// with gives no text (a read error when it is bad() or has no buffer).
class ChunkedInput {
  public:
    // The most that a reader may ask to have ahead at once.
    static constexpr std::size_t kMostWanted = 4096;

    explicit ChunkedInput(std::istream& in);
    ChunkedInput(const ChunkedInput&) = delete;
    ChunkedInput& operator=(const ChunkedInput&) = delete;

    // The text read and not yet consumed.
    std::string_view Ahead() const { return {next, static_cast<std::size_t>(last - next)}; }
    // Consumes `bytes` of Ahead().
    void Skip(std::size_t bytes) { next += bytes; }

    // Reads on until at least `bytes` (at most kMostWanted) are ahead, or the
    // text has ended or failed; true when they are ahead.
    bool Want(std::size_t bytes);

    // True after the stream buffer reported an error (it threw).
    bool ReadError() const { return readError; }
    // The error number that came with it, 0 when unknown.
    int SystemError() const { return systemError; }

  private:
    std::streambuf* buffer;
    std::size_t chunkBytes;
    std::unique_ptr<char[]> chunk;
    const char* next;
    const char* last;
    bool ended = false;
    bool readError = false;
    int systemError = 0;
};

}  // namespace lumo
