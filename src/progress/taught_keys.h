// The keys the levels teach, and where they sit on the keyboard the progress screen draws.
#pragma once
#include <string>
#include <vector>

// The letters of every place of Maps/Level1 .. Maps/Level<lastLevel> under appDir, lower-cased,
// each once, in the order the levels bring them. Missing levels add nothing.
std::vector<std::string> TaughtKeys(const std::string& appDir, int lastLevel);

// The keyboard's rows of keys (unshifted characters, left to right) the picture is drawn from:
// the standard rows, then one more row with any taught key they do not hold.
std::vector<std::vector<std::string>> KeyboardRows(const std::vector<std::string>& taught);
