#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/table.h"

namespace zarvane {

// The history of the scored deals, beside the options file, one text line per event, so that
// a player may read it and a damaged line costs that line only:
//   deal 2026-12-08T14:03:22 level=4 taker=1 bid=2 poignee=0 made=1 score=246
//   totals=246,-82,-82,-82 series 2026-12-08T14:10:00
inline constexpr std::string_view kHistoryFileName = "historique98";

// One deal whose score was counted into the totals.
struct ScoredDeal {
  std::string date;  // local time, "YYYY-MM-DDTHH:MM:SS"
  int level = 0;     // 1 Débutant .. 5 Expert
  int taker = 0;     // seat 1..4
  int bid = 0;       // 1 PRISE .. 4 GARDE CONTRE
  int poignee = 0;   // South's declaration: 0 none, 1 simple, 2 double, 3 triple
  bool made = false;
  int taker_score = 0;
  Table<std::int32_t, 1, 4> totals{};  // South, East, North, West, after the deal

  friend bool operator==(const ScoredDeal&, const ScoredDeal&) = default;
};

// A deal, or the start of a new series when the totals were reset.
struct HistoryEntry {
  bool new_series = false;
  ScoredDeal deal;  // the date alone for a new series
};

struct ScoreHistory {
  std::vector<HistoryEntry> entries;  // in the order they happened
  int damaged_lines = 0;              // lines that could not be read, skipped
};

// The history file in the folder of the options file.
std::string HistoryPathBeside(const std::string& options_path);
// Now, in the player's local time, as the history writes it.
std::string LocalDateTimeNow();

std::string DealLine(const ScoredDeal& deal);
std::string NewSeriesLine(const std::string& date);
// The entry a line holds, or nothing when the line is damaged.
std::optional<HistoryEntry> ParseHistoryLine(std::string_view line);

// Adds one line at the end of the file, created when missing, and flushes it to the disk; false
// when it cannot be written. A last line cut short by a crash is closed first, so that it never
// swallows the new one.
bool AppendHistoryLine(const std::string& path, const std::string& line);
// The file's last line, without its end; nothing when the file is missing, unreadable or empty,
// or its last line was cut short by a crash.
std::optional<std::string> LastHistoryLine(const std::string& path);
// Every readable entry of the file; a missing or unreadable file is an empty history.
ScoreHistory ReadScoreHistory(const std::string& path);

}  // namespace zarvane
