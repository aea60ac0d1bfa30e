// SPDX-License-Identifier: GPL-3.0-or-later
// Which way Progress.db is kept: with SQLite's write-ahead log on a local disk, or, on a network
// file system, with a rollback journal, a lease and side files (docs/progress.md).
#pragma once
#include "core/school_settings.h"
#include "platform/file_system_type.h"

// The setting decides when it forces a mode; in auto the folder's file system does.
bool UsesNetworkRecords(RecordsMode setting, const FileSystemType& folderType);
