// SPDX-License-Identifier: GPL-3.0-or-later
// A practice drill's scene for level play in virtual time: Level1 with six places in a row and two
// bandits, and a drill plan over it.
#pragma once
#include <string>
#include <vector>

#include "level_harness.h"
#include "practice/drill.h"

// Writes the scene; its bandits live the given times. Its own wave is never played: a drill
// brings its waves. The tester plays Easy.
inline void WriteDrillScene(LevelHarness& h, const std::string& firstLifeMs,
                            const std::string& secondLifeMs) {
  h.WriteLevel("Level1",
               MapIni("a:0:40:1:q b:70:40:1:w c:140:40:1:e d:210:40:1:r e:280:40:1:t f:350:40:1:y",
                      "Easy=0:0:0:2000:3000\n"),
               TemplateStep("t1", "bandit", firstLifeMs) +
                   TemplateStep("t2", "bandit", secondLifeMs) +
                   WaveStep("w1", "60000", "100:100:4"));
  h.shared.playerStore->WriteString("Tester", "up", "Easy");
}

// A drill of keys over the scene; mastery, focus and the rest are the test's to set.
inline DrillPlan DrillOverScene(LevelHarness& h, std::vector<std::string> keys) {
  DrillPlan plan;
  plan.sceneLevel = 1;
  plan.sceneDir = h.dir + "/Maps/Level1/";
  plan.scriptText = DrillScript(plan.sceneDir + "Script.ini");
  plan.keys = std::move(keys);
  plan.placeCount = 6;
  return plan;
}
