// SPDX-License-Identifier: GPL-3.0-or-later
// Actor pictures (face, dead, active) and the Object.ini of every actor kind.
#pragma once
#include <QImage>
#include <QString>

#include "actor_kinds.h"

enum class ActorPose { Face, Dead, Active };

// Face and Active come on the dark interior backdrop; Dead on the magenta colour key.
QImage DrawActor(ActorLook look, ActorPose pose);

// Writes Face.bmp, Dead.bmp, Active.bmp, Object.ini and the kind's sounds into dir.
void WriteActorFolder(const ActorKind& kind, const QString& dir);
