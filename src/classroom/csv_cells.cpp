// SPDX-License-Identifier: GPL-3.0-or-later
// CSV for spreadsheets: numbers stay numbers, and no text cell can start a formula.
#include "classroom/csv_cells.h"

#include <charconv>
#include <cmath>

namespace {
// Fixed notation with digits after the point, whatever the process's locale says of decimals.
std::string Fixed(double value, int digits) {
  char text[64];
  const auto result = std::to_chars(text, text + sizeof text, std::isfinite(value) ? value : 0.0,
                                    std::chars_format::fixed, digits);
  return result.ec == std::errc() ? std::string(text, result.ptr) : std::string("0");
}
}  // namespace

std::string InertText(const std::string& text) {
  if (text.empty()) return text;
  switch (text[0]) {
    case '=':
    case '+':
    case '-':
    case '@':
    case '\t':
    case '\r':
      return "'" + text;
    default:
      return text;
  }
}

std::string CsvLine(const std::vector<CsvCell>& cells) {
  std::string line;
  for (size_t i = 0; i < cells.size(); ++i) {
    if (i > 0) line += ',';
    const CsvCell& cell = cells[i];
    switch (cell.kind) {
      case CsvCell::Kind::kEmpty:
        break;
      case CsvCell::Kind::kText:
        line += '"';
        for (const char c : InertText(cell.text)) {
          if (c == '"') line += '"';
          line += c;
        }
        line += '"';
        break;
      case CsvCell::Kind::kInteger:
        line += Fixed(std::round(cell.number), 0);
        break;
      case CsvCell::Kind::kDecimal:
        line += Fixed(cell.number, 1);
        break;
    }
  }
  return line + "\r\n";
}
