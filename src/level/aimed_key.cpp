// SPDX-License-Identifier: GPL-3.0-or-later
// The key a missed press was aimed at, from the distances between key centres.
#include "level/aimed_key.h"

#include <array>
#include <string_view>

namespace {

struct KeyRow {
  std::string_view keys;  // one byte per key
  int offsetQuarters;     // of its first key's centre from the digit `1`'s
};

// The US rows from the digits down; ` sits one key left of `1`, \ after ].
constexpr std::array<KeyRow, 4> kRows = {{
    {"`1234567890-=", -4},
    {"qwertyuiop[]\\", 2},
    {"asdfghjkl;'", 3},
    {"zxcvbnm,./", 5},
}};

}  // namespace

std::optional<KeyCentre> CentreOfKey(const std::string& position) {
  if (position.size() != 1) return std::nullopt;
  for (size_t row = 0; row < kRows.size(); ++row) {
    const size_t index = kRows[row].keys.find(position[0]);
    if (index == std::string_view::npos) continue;
    return KeyCentre{kRows[row].offsetQuarters + 4 * static_cast<int>(index), 4 * static_cast<int>(row)};
  }
  return std::nullopt;
}

std::string AimedKey(const std::string& pressed, const std::vector<std::string>& targets) {
  const std::optional<KeyCentre> from = CentreOfKey(pressed);
  if (!from) return {};
  const int reach = kSlipReachQuarters * kSlipReachQuarters;
  std::string nearest;
  int nearestDistance = reach + 1;
  bool tie = false;
  for (const std::string& target : targets) {
    const std::optional<KeyCentre> to = CentreOfKey(target);
    if (!to) continue;
    const int dx = to->x - from->x;
    const int dy = to->y - from->y;
    const int distance = dx * dx + dy * dy;  // squared quarters: exact, so ties are exact too
    if (distance > reach) continue;
    if (distance < nearestDistance) {
      nearest = target;
      nearestDistance = distance;
      tie = false;
    } else if (distance == nearestDistance && target != nearest) {
      tie = true;
    }
  }
  return tie ? std::string() : nearest;
}
