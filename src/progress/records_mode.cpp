// SPDX-License-Identifier: GPL-3.0-or-later
// Which way Progress.db is kept: write-ahead log locally, rollback journal over a network.
#include "progress/records_mode.h"

bool UsesNetworkRecords(RecordsMode setting, const FileSystemType& folderType) {
  switch (setting) {
    case RecordsMode::Network:
      return true;
    case RecordsMode::Local:
      return false;
    case RecordsMode::Auto:
      break;
  }
  return IsNetworkFileSystem(folderType);
}
