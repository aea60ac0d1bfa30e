// SPDX-License-Identifier: GPL-3.0-or-later
// Who this game is among the games that share a folder: the computer's name and the process.
#pragma once
#include <cstdint>
#include <string>

// The computer's name (gethostname); "localhost" when it has none.
std::string HostName();
// This process's id.
int64_t ProcessId();
// Whether a process of that id runs on this computer (it may be another program that got the
// id since; the answer errs on the side of "running").
bool ProcessRunning(int64_t pid);
