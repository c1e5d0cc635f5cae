// libFuzzer target for the interrupted deal's reader: any bytes are either refused or read
// into a saved deal that writes back as a file read again into the same deal.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "flow/saved_deal_file.h"

using namespace zarvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto read = DecodeSavedDeal(std::string_view(reinterpret_cast<const char*>(data), size));
  if (!read)
    return 0;
  const std::string written = EncodeSavedDeal(*read);
  const auto again = DecodeSavedDeal(written);
  if (!again || EncodeSavedDeal(*again) != written || again->record.Moves != read->record.Moves)
    std::abort();
  return 0;
}
