#include "bench/outcomes.h"

#include <cstdio>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>

namespace zarvane {

namespace {

// One pairing's outcomes from a file, by deal number; none, with a message, when a line is
// damaged, as the last one of a run killed while writing: stopping there unseen would compare
// fewer deals than the files hold.
std::optional<std::map<int, DealOutcome>> ReadOutcomes(const std::string& path,
                                                       const std::string& pairing) {
  std::map<int, DealOutcome> outcomes;
  std::ifstream in(path);
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    std::istringstream fields(line);
    std::string label;
    int deal = 0;
    DealOutcome outcome;
    std::string more;
    if (!(fields >> label >> deal >> outcome.fingerprint >> outcome.taker >> outcome.made >>
          outcome.taker_score) ||
        fields >> more) {
      std::fprintf(stderr, "line %d of %s is damaged\n", number, path.c_str());
      return std::nullopt;
    }
    if (label == pairing)
      outcomes[deal] = outcome;
  }
  return outcomes;
}

}  // namespace

bool WriteOutcomes(const std::string& path, const std::vector<Pairing>& pairings,
                   const std::vector<std::vector<DealOutcome>>& results) {
  std::ofstream out(path);
  for (std::size_t p = 0; p < pairings.size(); ++p) {
    for (std::size_t deal = 0; deal < results[p].size(); ++deal) {
      const DealOutcome& o = results[p][deal];
      out << PairingLabel(pairings[p]) << ' ' << deal << ' ' << o.fingerprint << ' ' << o.taker
          << ' ' << o.made << ' ' << o.taker_score << '\n';
    }
  }
  out.close();
  if (!out)
    std::fprintf(stderr, "could not write %s\n", path.c_str());
  return static_cast<bool>(out);
}

bool CompareOutcomes(const std::string& file_a, const std::string& a, const std::string& file_b,
                     const std::string& b) {
  const auto read_first = ReadOutcomes(file_a, a);
  const auto read_second = ReadOutcomes(file_b, b);
  if (!read_first || !read_second)
    return false;
  const std::map<int, DealOutcome>& first = *read_first;
  const std::map<int, DealOutcome>& second = *read_second;
  if (first.empty() || second.empty()) {
    std::fprintf(stderr, "no deal of %s in %s, or of %s in %s\n", a.c_str(), file_a.c_str(),
                 b.c_str(), file_b.c_str());
    return false;
  }
  std::vector<double> made;
  std::vector<double> score;
  for (const auto& [deal, x] : first) {
    const auto y = second.find(deal);
    if (y == second.end())
      continue;
    if (y->second.fingerprint != x.fingerprint) {
      std::fprintf(stderr, "deal %d was dealt otherwise in the two files\n", deal);
      return false;
    }
    if (x.taker == 0)
      continue;
    made.push_back(100.0 * (y->second.made - x.made));
    score.push_back(1.0 * (y->second.taker_score - x.taker_score));
  }
  const Estimate made_gain = Estimated(made);
  const Estimate score_gain = Estimated(score);
  std::printf(
      "%s against %s, deal by deal over %zu contracts: made %+.1f points +- %.1f, "
      "taker score %+.1f +- %.1f\n",
      b.c_str(), a.c_str(), made.size(), made_gain.mean, made_gain.half_width, score_gain.mean,
      score_gain.half_width);
  return true;
}

}  // namespace zarvane
