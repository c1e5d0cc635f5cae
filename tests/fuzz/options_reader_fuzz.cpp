// libFuzzer target for the options file reader: any bytes must read into options in range,
// and what is read must write back as a file that reads the same with nothing to mend.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "settings/options_file.h"

using namespace zarvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const Options read = DecodeOptions(std::span<const std::uint8_t>(data, size));
  const bool in_range =
      kLevelRange.Contains(read.Level) && kColourRange.Contains(read.BackgroundColour) &&
      kForceOptionRange.Contains(read.ForceOption) && kCardSpeedRange.Contains(read.CardSpeed) &&
      kTrickWaitRange.Contains(read.TrickWait) && kFlagRange.Contains(read.BidAdvice) &&
      kFlagRange.Contains(read.ShowDealPoints) && kFlagRange.Contains(read.ShowDeductions) &&
      kFlagRange.Contains(read.AtLeastOneTaker);
  if (!in_range)
    std::abort();
  bool mended = true;
  if (!(DecodeOptions(EncodeOptions(read), &mended) == read) || mended)
    std::abort();
  return 0;
}
