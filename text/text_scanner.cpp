#include "text/text_scanner.h"

#include <algorithm>
#include <ios>
#include <system_error>

namespace lumo {

namespace {

// Large enough to make the per-chunk work vanish, small enough to stay in
// the cache; a chunk never takes more than the stream buffer already holds.
constexpr std::streamsize kChunkBytes = 64 * 1024;
// A whole file is read in pieces this large, straight into the chunk.
constexpr std::streamsize kFileChunkBytes = 1024 * 1024;

using Traits = std::istream::traits_type;

// A character Peek gave (kEnd included) that is a digit.
bool IsDigit(int c) {
    return c != TextScanner::kEnd && IsDecimalDigit(static_cast<char>(c));
}

}  // namespace

TextScanner::TextScanner(std::istream& in, ScanMode mode)
    : in(in),
      buffer(in.rdbuf()),
      mode(mode),
      chunkBytes(mode == ScanMode::kWholeFile ? kFileChunkBytes : kChunkBytes),
      chunk(std::make_unique_for_overwrite<char[]>(static_cast<std::size_t>(chunkBytes))) {
    if (buffer == nullptr || in.bad()) {
        readError = true;
    }
    failed = !in.good() || buffer == nullptr;
}

bool TextScanner::Refill() {
    if (endReached || readError) {
        return false;
    }
    try {
        std::streamsize wanted = chunkBytes;
        if (mode == ScanMode::kStream) {
            if (Traits::eq_int_type(buffer->sgetc(), Traits::eof())) {
                endReached = true;
                return false;
            }
            // Taking no more than the buffer holds copies from its get area
            // without a further underflow, so Finish can put every byte back.
            const std::streamsize available = buffer->in_avail();
            wanted = available > 0 ? std::min(available, chunkBytes) : 1;
        }
        const std::streamsize got = buffer->sgetn(chunk.get(), wanted);
        if (got <= 0) {
            endReached = true;
            return false;
        }
        next = chunk.get();
        last = next + got;
        return true;
    } catch (const std::ios_base::failure& error) {
        // File buffers throw this on a failed read(2), with its errno.
        const auto& category = error.code().category();
        if (category == std::generic_category() || category == std::system_category()) {
            systemError = error.code().value();
        }
    } catch (...) {
        // Any other exception from the buffer is a read error as well, as
        // formatted extraction treats it.
    }
    readError = true;
    return false;
}

int TextScanner::Peek() {
    if (next == last && !Refill()) {
        return kEnd;
    }
    return static_cast<unsigned char>(*next);
}

TextScanner::IntegerRead TextScanner::ReadInteger(std::int32_t& value) {
    if (failed) {
        return IntegerRead::kFailed;
    }
    int c = Peek();
    while (c != kEnd && IsTextSpace(static_cast<char>(c))) {
        ++next;
        c = Peek();
    }
    bool negative = false;
    if (c == '+' || c == '-') {
        negative = c == '-';
        ++next;
        c = Peek();
    }
    if (!IsDigit(c)) {
        failed = true;
        return IntegerRead::kFailed;
    }
    std::int64_t magnitude = 0;
    std::size_t digits = 0;
    while (IsDigit(c) && digits <= kLongestNumber) {
        magnitude = AppendDigit(magnitude, static_cast<char>(c));
        ++digits;
        ++next;
        c = Peek();
    }
    if (digits > kLongestNumber) {
        failed = true;
        return IntegerRead::kOutOfRange;
    }
    if (readError) {
        failed = true;
        return IntegerRead::kFailed;
    }
    const std::int64_t signedValue = negative ? -magnitude : magnitude;
    if (signedValue < INT32_MIN || signedValue > INT32_MAX) {
        failed = true;
        return IntegerRead::kOutOfRange;
    }
    value = static_cast<std::int32_t>(signedValue);
    return IntegerRead::kRead;
}

void TextScanner::Finish() {
    if (buffer != nullptr && !readError && mode == ScanMode::kStream) {
        while (last != next) {
            --last;
            if (Traits::eq_int_type(buffer->sputbackc(*last), Traits::eof())) {
                break;
            }
        }
    }
    next = last;
    std::ios_base::iostate state = std::ios_base::goodbit;
    if (endReached) {
        state |= std::ios_base::eofbit;
    }
    if (failed) {
        state |= std::ios_base::failbit;
    }
    if (readError) {
        state |= std::ios_base::badbit;
    }
    in.setstate(state);
}

}  // namespace lumo
