#include "text/bounded_line.h"

#include <algorithm>

#include "text/number_grammar.h"

namespace lumo {

static_assert(kLongestLine + 2 <= ChunkedInput::kMostWanted);

TakenLine TakeLine(ChunkedInput& input) {
    // Room for CR LF after the longest line, so that one is seen whole.
    constexpr std::size_t kLook = kLongestLine + 2;
    input.Want(kLook);
    const std::string_view ahead = input.Ahead().substr(0, kLook);
    const std::size_t feed = ahead.find('\n');
    if (feed == std::string_view::npos) {
        if (ahead.size() > kLongestLine) {
            return {.take = LineTake::kTooLong, .content = {}};
        }
        if (ahead.empty() || input.ReadError()) {
            return {};
        }
        input.Skip(ahead.size());
        return {.take = LineTake::kLine, .content = ahead};
    }
    std::string_view content = ahead.substr(0, feed);
    if (content.ends_with('\r')) {
        content.remove_suffix(1);
    }
    if (content.size() > kLongestLine) {
        return {.take = LineTake::kTooLong, .content = {}};
    }
    input.Skip(feed + 1);
    return {.take = LineTake::kLine, .content = content};
}

std::vector<std::string_view> WordsOf(std::string_view line) {
    std::vector<std::string_view> words;
    auto at = line.begin();
    while (true) {
        at = std::find_if_not(at, line.end(), IsTextSpace);
        if (at == line.end()) {
            return words;
        }
        const auto end = std::find_if(at, line.end(), IsTextSpace);
        words.emplace_back(at, end);
        at = end;
    }
}

}  // namespace lumo
