#include "betfile/bet_writer.h"

#include <sys/stat.h>

#include <ostream>
#include <string_view>

#include "betfile/internal/bet_text.h"
#include "betfile/internal/in_place_save.h"
#include "betfile/internal/safe_save.h"

namespace lumo {

using namespace internal;

std::ostream& WriteBet(std::ostream& out, const CColumnSet& bet) {
    FormatBet(bet, CountLine(bet.Count()), [&out](std::string_view text) {
        return static_cast<bool>(out.write(text.data(), static_cast<std::streamsize>(text.size())));
    });
    return out;
}

SaveResult WriteBet(const std::filesystem::path& path, const CColumnSet& bet) {
    return SaveSafely(
        path, {.writeNew = [&bet](int fd) { return WriteBetText(fd, bet, CountLine(bet.Count())); },
               .writeInPlace =
                   [&bet](const std::filesystem::path& target, const struct stat& existing) {
                       return WriteInPlace(target, existing, bet);
                   }});
}

}  // namespace lumo
