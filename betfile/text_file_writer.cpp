#include "betfile/text_file_writer.h"

#include <optional>

#include "betfile/internal/bet_text.h"
#include "betfile/internal/in_place_save.h"
#include "betfile/internal/safe_save.h"

namespace lumo {

SaveResult WriteTextFile(const std::filesystem::path& path, std::string_view text) {
    using namespace internal;
    return SaveSafely(
        path, {.writeNew =
                   [text](int fd) { return WriteAllAt(fd, text, std::nullopt, SaveCall::kWrite); },
               .writeInPlace =
                   [text](const std::filesystem::path& target, const struct stat& existing) {
                       return WriteTextInPlace(target, existing, text);
                   }});
}

}  // namespace lumo
