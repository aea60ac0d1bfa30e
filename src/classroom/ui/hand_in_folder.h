// SPDX-License-Identifier: GPL-3.0-or-later
// HAND IN's question: the folder a hand-in goes to, for a school without a class folder (a USB
// stick, a shared drive).
#pragma once
#include <QString>

class QWidget;

// The folder the player chooses; empty when they cancel.
QString ChooseHandInFolder(QWidget* parent);
