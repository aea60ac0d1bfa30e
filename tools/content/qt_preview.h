// SPDX-License-Identifier: GPL-3.0-or-later
// Inspection pictures of the generated content (never written into the repository).
#pragma once
#include <QString>

void WritePreviews(const QString& root, const QString& outDir);
