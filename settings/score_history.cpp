#include "settings/score_history.h"

#include <unistd.h>

#include <charconv>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <limits>

#include "settings/options_file.h"

namespace zarvane {

namespace {

constexpr std::string_view kDealWord = "deal";
constexpr std::string_view kSeriesWord = "series";
constexpr std::size_t kDateLength = 19;  // YYYY-MM-DDTHH:MM:SS

// Reads a line's words from left to right; any surprise makes the whole line unreadable.
class LineReader {
 public:
  explicit LineReader(std::string_view line) : rest_(line) {}

  std::optional<std::string_view> Word() {
    if (rest_.empty())
      return std::nullopt;
    const std::size_t end = rest_.find(' ');
    const std::string_view word = rest_.substr(0, end);
    rest_ = end == std::string_view::npos ? std::string_view() : rest_.substr(end + 1);
    if (word.empty())
      return std::nullopt;
    return word;
  }

  // The value of the next word, "key=value".
  std::optional<std::string_view> Value(std::string_view key) {
    const auto word = Word();
    if (!word || !word->starts_with(key) || !word->substr(key.size()).starts_with('='))
      return std::nullopt;
    return word->substr(key.size() + 1);
  }

  // A value that is a whole number from first to last.
  std::optional<int> Field(std::string_view key, std::int64_t first, std::int64_t last) {
    const auto text = Value(key);
    const auto value = text ? Number(*text) : std::nullopt;
    if (!value || *value < first || *value > last)
      return std::nullopt;
    return value;
  }

  bool AtEnd() const { return rest_.empty(); }

  static std::optional<int> Number(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
      return std::nullopt;
    return value;
  }

 private:
  std::string_view rest_;
};

bool IsDate(std::string_view text) {
  if (text.size() != kDateLength)
    return false;
  for (std::size_t k = 0; k < text.size(); ++k) {
    const char expected = k == 4 || k == 7 ? '-' : k == 10 ? 'T' : k == 13 || k == 16 ? ':' : '0';
    const char c = text[k];
    if (expected == '0' ? (c < '0' || c > '9') : c != expected)
      return false;
  }
  return true;
}

// "a,b,c,d": South, East, North, West.
std::optional<Table<std::int32_t, 1, 4>> Totals(std::string_view text) {
  Table<std::int32_t, 1, 4> totals{};
  for (int seat = 1; seat <= 4; ++seat) {
    const bool last = seat == 4;
    const std::size_t comma = text.find(',');
    if (last != (comma == std::string_view::npos))
      return std::nullopt;
    const auto total = LineReader::Number(text.substr(0, comma));
    if (!total)
      return std::nullopt;
    totals[seat] = *total;
    if (!last)
      text.remove_prefix(comma + 1);
  }
  return totals;
}

std::optional<ScoredDeal> ParseDeal(LineReader& reader, std::string_view date) {
  ScoredDeal deal;
  deal.date = date;
  const auto level = reader.Field("level", kLevelRange.first, kLevelRange.last);
  const auto taker = reader.Field("taker", 1, 4);
  const auto bid = reader.Field("bid", 1, 4);
  const auto poignee = reader.Field("poignee", 0, 3);
  const auto made = reader.Field("made", 0, 1);
  const auto score =
      reader.Field("score", std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
  const auto totals_text = reader.Value("totals");
  if (!level || !taker || !bid || !poignee || !made || !score || !totals_text || !reader.AtEnd())
    return std::nullopt;
  const auto totals = Totals(*totals_text);
  // A deal's score is never 0, and it is above 0 exactly when the contract is made.
  if (!totals || *score == 0 || (*made == 1) != (*score > 0))
    return std::nullopt;
  deal.level = *level;
  deal.taker = *taker;
  deal.bid = *bid;
  deal.poignee = *poignee;
  deal.made = *made == 1;
  deal.taker_score = *score;
  deal.totals = *totals;
  return deal;
}

}  // namespace

std::string HistoryPathBeside(const std::string& options_path) {
  return std::filesystem::path(options_path).replace_filename(kHistoryFileName).string();
}

std::string LocalDateTimeNow() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char text[kDateLength + 1] = {};
  std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S", &local);
  return text;
}

std::string DealLine(const ScoredDeal& deal) {
  std::string line = std::string(kDealWord) + ' ' + deal.date;
  line += " level=" + std::to_string(deal.level);
  line += " taker=" + std::to_string(deal.taker);
  line += " bid=" + std::to_string(deal.bid);
  line += " poignee=" + std::to_string(deal.poignee);
  line += " made=" + std::to_string(deal.made ? 1 : 0);
  line += " score=" + std::to_string(deal.taker_score);
  line += " totals=";
  for (int seat = 1; seat <= 4; ++seat)
    line += std::to_string(deal.totals[seat]) + (seat < 4 ? "," : "");
  return line;
}

std::string NewSeriesLine(const std::string& date) {
  return std::string(kSeriesWord) + ' ' + date;
}

std::optional<HistoryEntry> ParseHistoryLine(std::string_view line) {
  LineReader reader(line);
  const auto word = reader.Word();
  const auto date = reader.Word();
  if (!word || !date || !IsDate(*date))
    return std::nullopt;
  if (*word == kSeriesWord && reader.AtEnd())
    return HistoryEntry{true, ScoredDeal{.date = std::string(*date)}};
  if (*word != kDealWord)
    return std::nullopt;
  auto deal = ParseDeal(reader, *date);
  if (!deal)
    return std::nullopt;
  return HistoryEntry{false, std::move(*deal)};
}

bool AppendHistoryLine(const std::string& path, const std::string& line) {
  std::FILE* file = std::fopen(path.c_str(), "a+b");
  if (file == nullptr)
    return false;
  const bool cut_short = std::fseek(file, -1, SEEK_END) == 0 && std::fgetc(file) != '\n';
  const std::string text = (cut_short ? "\n" : "") + line + '\n';
  // A read is followed by a write only after a seek; the write goes to the end anyway.
  bool written = std::fseek(file, 0, SEEK_END) == 0 &&
                 std::fwrite(text.data(), 1, text.size(), file) == text.size() &&
                 std::fflush(file) == 0 && ::fsync(::fileno(file)) == 0;
  written = std::fclose(file) == 0 && written;
  return written;
}

std::optional<std::string> LastHistoryLine(const std::string& path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error))
    return std::nullopt;
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr)
    return std::nullopt;
  // A line is a hundred characters or so: the file's tail holds the last one whole.
  constexpr long kTail = 4096;
  std::string tail(kTail, '\0');
  if (std::fseek(file, -kTail, SEEK_END) != 0)
    std::rewind(file);
  tail.resize(std::fread(tail.data(), 1, tail.size(), file));
  std::fclose(file);
  if (!tail.ends_with('\n'))
    return std::nullopt;
  tail.pop_back();
  const std::size_t start = tail.rfind('\n');
  if (start == std::string::npos && tail.size() == kTail - 1)
    return std::nullopt;
  return tail.substr(start == std::string::npos ? 0 : start + 1);
}

ScoreHistory ReadScoreHistory(const std::string& path) {
  ScoreHistory history;
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error))
    return history;
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr)
    return history;
  std::string text;
  char block[1 << 16];
  std::size_t count = 0;
  while ((count = std::fread(block, 1, sizeof block, file)) > 0)
    text.append(block, count);
  std::fclose(file);

  std::string_view rest = text;
  while (!rest.empty()) {
    const std::size_t end = rest.find('\n');
    std::string_view line = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    // A line edited on another system keeps its carriage return.
    if (line.ends_with('\r'))
      line.remove_suffix(1);
    if (line.empty())
      continue;
    if (auto entry = ParseHistoryLine(line))
      history.entries.push_back(std::move(*entry));
    else
      ++history.damaged_lines;
  }
  return history;
}

}  // namespace zarvane
