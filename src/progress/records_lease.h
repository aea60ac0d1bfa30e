// SPDX-License-Identifier: GPL-3.0-or-later
// The lease of a game on Progress.db in the network mode: a small file beside it per game, with
// its computer, its process and a heartbeat. Locks between computers cannot be trusted on a
// network file system (SSHFS keeps them on each machine); the leases tell a game that its records
// are open on another computer, and which game may use them: the one that took them first.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct Lease {
  std::string host;     // the computer's name
  int64_t pid = 0;      // the game's process on it
  int64_t sinceMs = 0;  // when the game took the records (UTC milliseconds)
  int64_t beatMs = 0;   // its last heartbeat (UTC milliseconds)
  bool operator==(const Lease&) const = default;
};

// A running game renews its lease this often...
inline constexpr int64_t kLeaseBeatMs = 20000;
// ...and a lease whose heartbeat is further than this from the reader's clock, either way, is
// a game that ended without removing it (a crash, a power cut, a machine switched off). The
// computers' clocks must agree to well within this (schools keep them by NTP).
inline constexpr int64_t kLeaseStaleMs = 90000;
// A lease this long stale is removed by whoever finds it.
inline constexpr int64_t kLeaseForgottenMs = 24 * 3600 * 1000;

std::string LeaseText(const Lease& lease);
// Nothing when the text is no lease.
std::optional<Lease> ParseLease(const std::string& text);

bool LeaseLive(const Lease& lease, int64_t nowMs);
// Whether game a took the records before game b: by sinceMs, then computer and process, so that
// every game reading the same two leases comes to the same answer whatever its own clock says.
bool TookFirst(const Lease& a, const Lease& b);

// The live lease of a game on another computer that took the records before mine: while there
// is one, my game keeps away from the records. Games of my own computer never block: locks
// work between them.
std::optional<Lease> BlockingLease(const Lease& mine, const std::vector<Lease>& found,
                                   int64_t nowMs);

// Renews my lease at nowMs. A game whose own heartbeat lapsed (the machine slept, the game hung)
// may have been taken for gone and another game may have begun to write: it takes the records
// anew, as the latest comer.
void RenewLease(Lease& mine, int64_t nowMs);

// A computer's name as it may stand in a file name: letters, digits, '.', '-' and '_' kept,
// anything else '_', at most 64 bytes.
std::string HostForFileName(const std::string& host);
