-- SPDX-License-Identifier: GPL-3.0-or-later
-- Progress.db as a game of schema version 1 left it: runs and shots, with their indexes.
-- Frozen: written out once by hand and never made again from the game's migrations, so a test
-- of an old file stays a test of the file players have, whatever later code does.
CREATE TABLE runs (
  id INTEGER PRIMARY KEY,
  profile TEXT NOT NULL COLLATE NOCASE,
  level INTEGER NOT NULL,
  difficulty TEXT NOT NULL,
  started_at TEXT NOT NULL,
  duration_ms INTEGER NOT NULL,
  outcome TEXT NOT NULL,
  percent INTEGER, hits INTEGER, misses INTEGER, civilians INTEGER, passed INTEGER);
CREATE INDEX runs_profile ON runs(profile);
CREATE TABLE shots (
  id INTEGER PRIMARY KEY,
  run_id INTEGER NOT NULL REFERENCES runs(id),
  game_ms INTEGER NOT NULL,
  typed TEXT NOT NULL,
  result TEXT NOT NULL,
  letter TEXT NOT NULL,
  key TEXT NOT NULL,
  reaction_ms INTEGER,
  end_phase INTEGER NOT NULL DEFAULT 0);
CREATE INDEX shots_run ON shots(run_id);
CREATE INDEX shots_key ON shots(key, id);
PRAGMA user_version = 1;

-- Sample rows: a US-keyboard player's finished and quit runs (hits, a miss, a lost enemy, a
-- townsman shot, a miss after the wave, the keys ; and '), and a player whose ö shows another
-- layout than US.
INSERT INTO runs VALUES (1, 'Ann', 1, 'Easy', '2026-01-05T09:00:00Z', 61000, 'finished', 84, 3, 1, 0, 1);
INSERT INTO runs VALUES (2, 'Ann', 2, 'Normal', '2026-01-05T09:02:00Z', 14000, 'quit', NULL, NULL, NULL, NULL, NULL);
INSERT INTO runs VALUES (3, 'Jörg', 1, 'Hard', '2026-01-06T18:30:00Z', 60500, 'finished', 55, 2, 2, 1, 0);
INSERT INTO shots VALUES (1, 1, 2100, 'f', 'POINT', 'f', 'f', 640, 0);
INSERT INTO shots VALUES (2, 1, 4300, 'j', 'POINT', 'j', 'j', 910, 0);
INSERT INTO shots VALUES (3, 1, 6000, 'd', 'MISS', '', 'd', NULL, 0);
INSERT INTO shots VALUES (4, 1, 9800, '', 'LOST', 'k', 'k', NULL, 0);
INSERT INTO shots VALUES (5, 1, 12400, ';', 'POINT', ';', ';', 1200, 0);
INSERT INTO shots VALUES (6, 1, 60500, 'f', 'MISS', '', 'f', NULL, 1);
INSERT INTO shots VALUES (7, 2, 3000, '''', 'POINT', '''', '''', 1500, 0);
INSERT INTO shots VALUES (8, 3, 1800, 'ö', 'POINT', 'ö', 'ö', 700, 0);
INSERT INTO shots VALUES (9, 3, 2600, 'f', 'CIVILIAN', 'f', 'f', NULL, 0);
INSERT INTO shots VALUES (10, 3, 5100, 'z', 'MISS', '', 'z', NULL, 0);
INSERT INTO shots VALUES (11, 3, 7700, 'j', 'POINT', 'j', 'j', 820, 0);
INSERT INTO shots VALUES (12, 3, 9900, 'y', 'MISS', '', 'y', NULL, 0);
