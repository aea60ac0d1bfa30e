// SPDX-License-Identifier: GPL-3.0-or-later
// RecordsListener: what the progress records tell a room above them that follows them (the
// hand-in): a run is stored, a profile's records are gone. The application wires it.
#pragma once
#include <string>

class RecordsListener {
 public:
  virtual ~RecordsListener() = default;
  // A run that ended (finished, restarted or quit; a level or a drill) is in Progress.db now.
  virtual void RunStored(const std::string& profile) = 0;
  // The profile's records were removed (its profile was deleted).
  virtual void ProfileDeleted(const std::string& profile) = 0;
};
