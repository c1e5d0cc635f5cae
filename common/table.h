#pragma once

#include <array>
#include <cstdio>
#include <cstdlib>

namespace zarvane {

// A fixed table indexed First..Last, as every table of the game is (seats 1..4, slots 1..18,
// trumps 0..21). Outside release builds an index out of range aborts at once, so an
// off-by-one shows up in the first test that reaches it.
template <typename T, int First, int Last>
class Table {
 public:
  static constexpr int kFirst = First;
  static constexpr int kLast = Last;
  static constexpr int kSize = Last - First + 1;

  constexpr T& operator[](int i) { return items_[Offset(i)]; }
  constexpr const T& operator[](int i) const { return items_[Offset(i)]; }

  constexpr void Fill(const T& value) { items_.fill(value); }
  // A table with every item set to the value.
  static constexpr Table Filled(const T& value) {
    Table table;
    table.Fill(value);
    return table;
  }

  constexpr auto begin() { return items_.begin(); }
  constexpr auto end() { return items_.end(); }
  constexpr auto begin() const { return items_.begin(); }
  constexpr auto end() const { return items_.end(); }

  friend constexpr bool operator==(const Table&, const Table&) = default;

 private:
  static constexpr std::size_t Offset(int i) {
#ifdef ZARVANE_CHECK_BOUNDS
    if (i < First || i > Last) {
      std::fprintf(stderr, "table index %d outside %d..%d\n", i, First, Last);
      std::abort();
    }
#endif
    return static_cast<std::size_t>(i - First);
  }

  std::array<T, kSize> items_{};
};

}  // namespace zarvane
