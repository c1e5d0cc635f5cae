// libFuzzer target for the options file reader: any bytes are either found damaged or read
// into options in range that write back as exactly the same bytes.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "settings/options_file.h"

using namespace zarvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto read = DecodeOptions(std::span<const std::uint8_t>(data, size));
  if (!read)
    return 0;
  const bool in_range =
      kLevelRange.Contains(read->Level) && kColourRange.Contains(read->BackgroundColour) &&
      kForceOptionRange.Contains(read->ForceOption) && kCardSpeedRange.Contains(read->CardSpeed) &&
      kTrickWaitRange.Contains(read->TrickWait) && kFlagRange.Contains(read->BidAdvice) &&
      kFlagRange.Contains(read->ShowDealPoints) && kFlagRange.Contains(read->ShowDeductions) &&
      kFlagRange.Contains(read->AtLeastOneTaker);
  if (!in_range)
    std::abort();
  const auto written = EncodeOptions(*read);
  if (size != written.size() || !std::equal(written.begin(), written.end(), data))
    std::abort();
  return 0;
}
