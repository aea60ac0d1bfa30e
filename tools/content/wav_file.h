// SPDX-License-Identifier: GPL-3.0-or-later
// Writes mono 16-bit PCM WAV files.
#pragma once
#include <string>
#include <vector>

// Samples are in [-1, 1]; anything outside is clamped.
void WriteWav16(const std::string& path, const std::vector<double>& samples, int sampleRate);
