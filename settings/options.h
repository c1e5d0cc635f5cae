#pragma once

#include <cstdint>

#include "common/table.h"

namespace zarvane {

// RGB(0,64,64) in the stored form: red in the low byte, then green, then blue.
inline constexpr std::int32_t kDesignBackgroundColour = 0x00404000;

// The level beyond "Pro" that looks ahead; the four levels below play by the rules alone.
inline constexpr std::int32_t kExpertLevel = 5;
// The best of the rule levels, the one the Expert's trial deals are played out at.
inline constexpr std::int32_t kProLevel = 4;

// The player's preferences and the four running totals, exactly what the options file keeps.
struct Options {
  std::int32_t Level = 4;  // 1 Débutant, 2 Amateur, 3 Bon, 4 Pro, 5 Expert
  std::int32_t BackgroundColour = kDesignBackgroundColour;
  std::int32_t ForceOption = 2;  // 1 weak, 2 random, 3..6 exactly PRISE..GARDE CONTRE
  std::int32_t CardSpeed = 3;    // 1 Escargot .. 5 Instantané
  std::int32_t TrickWait = 2;    // 0 click, 1, 2 or 5 seconds
  std::uint8_t BidAdvice = 1;
  std::uint8_t ShowDealPoints = 1;
  std::uint8_t ShowDeductions = 1;
  std::uint8_t AtLeastOneTaker = 0;
  Table<std::int32_t, 1, 4> Scores{};

  friend bool operator==(const Options&, const Options&) = default;
};

}  // namespace zarvane
