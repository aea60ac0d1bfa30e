// SPDX-License-Identifier: GPL-3.0-or-later
// Builds the application: the platform services, the shared state and the nine screens.
#pragma once

int RunKeyslinger(int argc, char* argv[]);
