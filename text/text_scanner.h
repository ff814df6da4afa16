#pragma once

#include <cstdint>
#include <istream>
#include <memory>
#include <string_view>

#include "text/number_grammar.h"

namespace lumo {

// Reads the program's text files (forecast files, bet files) by the rules of
// formatted extraction, but in chunks taken straight from the stream buffer,
// so that a bet file of tens of megabytes streams through at memory speed
// without being held whole.
//
// - White space is the set of IsTextSpace, whatever the stream's locale.
// - Every read first skips white space. A read that fails (end of text, a
//   character that does not fit, a read error) puts the scanner into the
//   failed state, after which every read fails without consuming anything.
// - Finish() hands the characters read ahead back to the stream buffer (in
//   ScanMode::kStream), so that the stream's next character is the first one
//   the reads did not use (always so for string and file streams; a stream
//   buffer that refuses putback loses at most that one chunk), and sets the
//   stream's state as formatted extraction would have: eofbit when the text
//   ended, failbit after a failed read, badbit after a read error.
//
// A stream that is not good() when the scanner is made gives a failed
// scanner (and a read error when the stream is bad() or has no buffer).

// How a scanner takes its chunks and what Finish gives back.
enum class ScanMode {
    // Chunks of at most 64 KiB, no more than the stream buffer holds; Finish
    // puts the characters read ahead back.
    kStream,
    // Chunks of 1 MiB, which a file buffer reads from the system straight
    // into the chunk; Finish puts nothing back. For a caller that reads a
    // file to its end or closes it afterwards.
    kWholeFile,
};

class TextScanner {
  public:
    // Returned by ReadSign when no character could be read.
    static constexpr int kEnd = -1;

    enum class IntegerRead {
        kRead,        // the value was stored
        kFailed,      // no digits: end of text, a sign without digits, another character
        kOutOfRange,  // digits whose value does not fit in 32 bits, or too many of them
    };

    // The most digits a number may have, leading zeros included: reading
    // stops one digit past it, so that an endless number ends the read.
    static constexpr std::size_t kLongestNumber = 128;

    explicit TextScanner(std::istream& in, ScanMode mode = ScanMode::kStream);
    TextScanner(const TextScanner&) = delete;
    TextScanner& operator=(const TextScanner&) = delete;

    // Skips white space, then reads an optional sign and the decimal digits
    // up to the first other character, which stays unread. Stores the value
    // only on kRead; on anything else `value` keeps what it held and the
    // scanner is failed.
    IntegerRead ReadInteger(std::int32_t& value);

    // Skips white space and returns the next character as 0..255, or kEnd
    // (and the scanner is failed) when there is none.
    int ReadSign() {
        while (!failed) {
            if (next == last && !Refill()) {
                failed = true;
                break;
            }
            const char c = *next++;
            if (!IsTextSpace(c)) {
                return static_cast<unsigned char>(c);
            }
        }
        return kEnd;
    }

    // Skips white space, taking further chunks as needed; at the end of the
    // text it stops without failing (the next read fails).
    void SkipSpace() {
        while (!failed && (next != last || Refill()) && IsTextSpace(*next)) {
            ++next;
        }
    }

    // The characters of the current chunk not yet consumed (none once
    // failed), for a caller that parses them in place, and the number of
    // them it used. Skip must not go past the end of Ahead().
    std::string_view Ahead() const {
        return failed ? std::string_view()
                      : std::string_view(next, static_cast<std::size_t>(last - next));
    }
    void Skip(std::size_t used) { next += used; }

    bool Failed() const { return failed; }
    // True after the stream buffer reported an error (it threw).
    bool ReadError() const { return readError; }
    // The error number the stream buffer gave with its error, 0 when unknown.
    int SystemError() const { return systemError; }

    // Puts the read-ahead characters back and sets the stream's state; call
    // once, after the last read. May throw what the stream's exception mask
    // asks for.
    void Finish();

  private:
    // Takes the next chunk from the stream buffer; false at the end of the
    // text or after a read error.
    bool Refill();
    // The next character without consuming it, or kEnd.
    int Peek();

    std::istream& in;
    std::streambuf* buffer;
    ScanMode mode;
    std::streamsize chunkBytes;
    std::unique_ptr<char[]> chunk;
    const char* next = nullptr;
    const char* last = nullptr;
    bool failed = false;
    bool endReached = false;
    bool readError = false;
    int systemError = 0;
};

}  // namespace lumo
