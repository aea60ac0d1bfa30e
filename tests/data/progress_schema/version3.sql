-- SPDX-License-Identifier: GPL-3.0-or-later
-- Progress.db as a game of schema version 3 left it: a counted miss with the key it was aimed at
-- (when exactly one enemy stood ready), practice runs as level 0, and practice's own tables (the
-- key set and the target per profile), which the game makes beside the schema when missing.
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
  end_phase INTEGER NOT NULL DEFAULT 0,
  position TEXT NOT NULL DEFAULT '',
  aimed_at TEXT NOT NULL DEFAULT '');
CREATE INDEX shots_run ON shots(run_id);
CREATE INDEX shots_key ON shots(key, id);
CREATE INDEX shots_position ON shots(position, id);
CREATE INDEX shots_aimed ON shots(aimed_at, id) WHERE aimed_at <> '';
CREATE TABLE practice_keys (
  profile TEXT NOT NULL COLLATE NOCASE,
  position TEXT NOT NULL,
  seq INTEGER NOT NULL,
  mastered INTEGER NOT NULL,
  interval_days INTEGER NOT NULL,
  due_day INTEGER NOT NULL,
  PRIMARY KEY (profile, position));
CREATE TABLE practice_settings (
  profile TEXT NOT NULL PRIMARY KEY COLLATE NOCASE,
  target_ms INTEGER NOT NULL);
PRAGMA user_version = 3;

-- Sample rows: a level run, then a practice run (level 0, no result stored) with misses aimed
-- at the one enemy ready, the key set it left (f mastered and due for review, d and k still
-- being learnt) and the profile's reaction target.
INSERT INTO runs VALUES (1, 'Ann', 1, 'Easy', '2026-03-01T09:00:00Z', 61000, 'finished', 88, 3, 1, 0, 1);
INSERT INTO runs VALUES (2, 'Ann', 0, 'Normal', '2026-03-02T09:00:00Z', 60000, 'finished', NULL, NULL, NULL, NULL, NULL);
INSERT INTO shots VALUES (1, 1, 2100, 'f', 'POINT', 'f', 'f', 640, 0, 'f', '');
INSERT INTO shots VALUES (2, 1, 3300, 'j', 'POINT', 'j', 'j', 720, 0, 'j', '');
INSERT INTO shots VALUES (3, 1, 4800, 'k', 'MISS', '', 'k', NULL, 0, 'k', 'd');
INSERT INTO shots VALUES (4, 1, 6400, 'd', 'POINT', 'd', 'd', 1010, 0, 'd', '');
INSERT INTO shots VALUES (5, 2, 1500, 'd', 'POINT', 'd', 'd', 820, 0, 'd', '');
INSERT INTO shots VALUES (6, 2, 2600, 'j', 'MISS', '', 'j', NULL, 0, 'j', 'k');
INSERT INTO shots VALUES (7, 2, 3900, 'k', 'POINT', 'k', 'k', 940, 0, 'k', '');
INSERT INTO shots VALUES (8, 2, 5100, 'f', 'POINT', 'f', 'f', 600, 0, 'f', '');
INSERT INTO shots VALUES (9, 2, 6000, '', 'LOST', 'd', 'd', NULL, 0, 'd', '');
INSERT INTO shots VALUES (10, 2, 60300, 'k', 'MISS', '', 'k', NULL, 1, 'k', '');
INSERT INTO practice_keys VALUES ('Ann', 'f', 0, 1, 1, 20514);
INSERT INTO practice_keys VALUES ('Ann', 'd', 1, 0, 0, 0);
INSERT INTO practice_keys VALUES ('Ann', 'k', 2, 0, 0, 0);
INSERT INTO practice_settings VALUES ('Ann', 1100);
