#pragma once

#include <filesystem>
#include <string>

#include "core/column_set.h"
#include "core/progress.h"

// The full set of all columns in index order, generated once, on first use,
// with the forecast table of that moment.
const lumo::CColumnSet& FullSetInIndexOrder();

// The same columns sorted by score, highest first, sorted once.
const lumo::CColumnSet& FullSetByScore();

// Makes `target` hold the first `count` columns of `source` in their order.
// Used outside the timed region to give every iteration fresh input.
void CopyColumns(const lumo::CColumnSet& source, std::int32_t count, lumo::CColumnSet& target);

// The bet text of the full set in index order (76,527,513 bytes), made once.
const std::string& FullBetText();

// That text in a file of the temporary folder, written once and removed
// when the program ends.
const std::filesystem::path& FullBetFile();

// Discards progress reports while it lives and then puts the sink back, so
// that an engine pass is timed without the window's painting.
class QuietProgress {
  public:
    QuietProgress() : saved(lumo::SetProgressSink({})) {}
    ~QuietProgress() { lumo::SetProgressSink(saved); }
    QuietProgress(const QuietProgress&) = delete;
    QuietProgress& operator=(const QuietProgress&) = delete;

  private:
    lumo::ProgressSink saved;
};
