// SPDX-License-Identifier: GPL-3.0-or-later
// CSV for spreadsheets: numbers stay numbers, and no text cell can start a formula.
#pragma once
#include <string>
#include <vector>

struct CsvCell {
  enum class Kind { kEmpty, kText, kInteger, kDecimal };
  Kind kind = Kind::kEmpty;
  std::string text;
  double number = 0;

  static CsvCell Text(std::string text) { return {Kind::kText, std::move(text), 0}; }
  static CsvCell Integer(double value) { return {Kind::kInteger, {}, value}; }
  static CsvCell Decimal(double value) { return {Kind::kDecimal, {}, value}; }
};

// A text as a spreadsheet takes it as text only: one that begins with "=", "+", "-", "@", a tab
// or a carriage return gets a "'" before it, which spreadsheets show as typed and never run.
std::string InertText(const std::string& text);

// One line (ending in CR LF, as RFC 4180 has it): texts made inert and quoted, with quotes
// doubled; integers plain; decimals with one digit after a point; empty cells empty.
std::string CsvLine(const std::vector<CsvCell>& cells);
