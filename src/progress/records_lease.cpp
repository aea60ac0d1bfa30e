// SPDX-License-Identifier: GPL-3.0-or-later
// The lease of a game on Progress.db in the network mode.
#include "progress/records_lease.h"

#include <charconv>
#include <sstream>
#include <tuple>

namespace {

constexpr const char* kLeaseHeader = "keyslinger-lease 1";

bool ParseNumber(const std::string& text, int64_t& value) {
  const char* first = text.data();
  const char* last = text.data() + text.size();
  const auto [end, error] = std::from_chars(first, last, value);
  return error == std::errc() && end == last;
}

}  // namespace

std::string LeaseText(const Lease& lease) {
  return std::string(kLeaseHeader) + "\nhost=" + lease.host + "\npid=" + std::to_string(lease.pid) +
         "\nsince=" + std::to_string(lease.sinceMs) + "\nbeat=" + std::to_string(lease.beatMs) +
         "\n";
}

std::optional<Lease> ParseLease(const std::string& text) {
  std::istringstream lines(text);
  std::string line;
  if (!std::getline(lines, line) || line != kLeaseHeader) return std::nullopt;
  Lease lease;
  bool host = false, pid = false, since = false, beat = false;
  while (std::getline(lines, line)) {
    const size_t equals = line.find('=');
    if (equals == std::string::npos) continue;
    const std::string key = line.substr(0, equals);
    const std::string value = line.substr(equals + 1);
    if (key == "host") {
      lease.host = value;
      host = !value.empty();
    } else if (key == "pid") {
      pid = ParseNumber(value, lease.pid);
    } else if (key == "since") {
      since = ParseNumber(value, lease.sinceMs);
    } else if (key == "beat") {
      beat = ParseNumber(value, lease.beatMs);
    }
  }
  if (!(host && pid && since && beat)) return std::nullopt;
  return lease;
}

bool LeaseLive(const Lease& lease, int64_t nowMs) {
  // Compared without overflow whatever the numbers in a file are.
  const bool ahead = lease.beatMs > nowMs;
  const uint64_t gap = ahead ? static_cast<uint64_t>(lease.beatMs) - static_cast<uint64_t>(nowMs)
                             : static_cast<uint64_t>(nowMs) - static_cast<uint64_t>(lease.beatMs);
  return gap < static_cast<uint64_t>(kLeaseStaleMs);
}

bool TookFirst(const Lease& a, const Lease& b) {
  return std::tie(a.sinceMs, a.host, a.pid) < std::tie(b.sinceMs, b.host, b.pid);
}

std::optional<Lease> BlockingLease(const Lease& mine, const std::vector<Lease>& found,
                                   int64_t nowMs) {
  std::optional<Lease> first;
  for (const Lease& lease : found) {
    if (lease.host == mine.host || !LeaseLive(lease, nowMs) || !TookFirst(lease, mine)) continue;
    if (!first || TookFirst(lease, *first)) first = lease;
  }
  return first;
}

void RenewLease(Lease& mine, int64_t nowMs) {
  // Half the stale time leaves room for the clocks' difference before another game could have
  // counted this one out.
  if (nowMs - mine.beatMs > kLeaseStaleMs / 2 || nowMs < mine.beatMs) mine.sinceMs = nowMs;
  mine.beatMs = nowMs;
}

std::string HostForFileName(const std::string& host) {
  std::string name;
  for (const char c : host) {
    if (name.size() >= 64) break;
    const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                       c == '.' || c == '-' || c == '_';
    name += plain ? c : '_';
  }
  if (name.empty() || name == "." || name == "..") name = "_";
  return name;
}
