#include "betfile/bet_file_reading.h"

#include "betfile/bet_messages.h"
#include "betfile/bet_reader.h"
#include "betfile/strict_bet_reader.h"

namespace lumo {

namespace {

template <typename Source>
std::string ReadWithGrammar(Source&& source, CColumnSet& set, BetGrammar grammar,
                            std::string_view shownName) {
    if (grammar == BetGrammar::kStrict) {
        return BetFileReadMessage(shownName, ReadBetStrictly(source, set));
    }
    return BetReadMessage(shownName, ReadBet(source, set));
}

}  // namespace

std::string ReadBetFile(const std::filesystem::path& path, CColumnSet& set, BetGrammar grammar,
                        std::string_view shownName) {
    return ReadWithGrammar(path, set, grammar, shownName);
}

std::string ReadBetFile(std::istream& in, CColumnSet& set, BetGrammar grammar,
                        std::string_view shownName) {
    return ReadWithGrammar(in, set, grammar, shownName);
}

}  // namespace lumo
