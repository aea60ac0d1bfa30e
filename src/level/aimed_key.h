// SPDX-License-Identifier: GPL-3.0-or-later
// The key a missed press was aimed at: the target key nearest the pressed one on the staggered
// keyboard, when one is clearly nearest and close enough to be a slip.
#pragma once
#include <optional>
#include <string>
#include <vector>

// A key's centre on the staggered US keyboard, in quarter key widths: rows one key width apart,
// the digit row from `1`, the rows below it offset by ½, ¾ and 1¼ key widths. Nothing for a key
// outside the 47 keys of the typing area.
struct KeyCentre {
  int x = 0;  // quarters of a key width
  int y = 0;
};
std::optional<KeyCentre> CentreOfKey(const std::string& position);

// A slip reaches this far, between key centres: 1¼ key widths, so that the diagonal slips
// (g onto t or b, even onto y) count and a key two places away does not.
inline constexpr int kSlipReachQuarters = 5;

// The target the press at pressed (a US key name) was aimed at: of targets (the keys of the
// figures that stood ready), the one whose centre is nearest pressed's, within the slip's reach.
// Empty when the pressed key is outside the typing area (or not known), when no target is within
// reach, or when two different keys are nearest at exactly the same distance.
std::string AimedKey(const std::string& pressed, const std::vector<std::string>& targets);
