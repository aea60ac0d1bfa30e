-- SPDX-License-Identifier: GPL-3.0-or-later
-- Progress.db as a game of schema version 2 left it: each shot with the position of its key
-- (the US key's name; empty where the records cannot know it).
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
  position TEXT NOT NULL DEFAULT '');
CREATE INDEX shots_run ON shots(run_id);
CREATE INDEX shots_key ON shots(key, id);
CREATE INDEX shots_position ON shots(position, id);
PRAGMA user_version = 2;

-- Sample rows: a run brought up from version 1 (positions taken from US characters), a run
-- played on a German keyboard (z typed on the US y key, ö on the ; key) and one on US.
INSERT INTO runs VALUES (1, 'Ann', 1, 'Easy', '2026-01-05T09:00:00Z', 61000, 'finished', 84, 2, 1, 0, 1);
INSERT INTO runs VALUES (2, 'Jörg', 6, 'Normal', '2026-02-10T20:15:00Z', 90000, 'finished', 72, 3, 1, 0, 1);
INSERT INTO runs VALUES (3, 'Ann', 2, 'Normal', '2026-02-11T08:00:00Z', 20000, 'quit', NULL, NULL, NULL, NULL, NULL);
INSERT INTO shots VALUES (1, 1, 2100, 'f', 'POINT', 'f', 'f', 640, 0, 'f');
INSERT INTO shots VALUES (2, 1, 4300, 'j', 'POINT', 'j', 'j', 910, 0, 'j');
INSERT INTO shots VALUES (3, 1, 6000, 'd', 'MISS', '', 'd', NULL, 0, 'd');
INSERT INTO shots VALUES (4, 2, 1500, 'z', 'POINT', 'z', 'z', 750, 0, 'y');
INSERT INTO shots VALUES (5, 2, 3900, 'ö', 'POINT', 'ö', 'ö', 990, 0, ';');
INSERT INTO shots VALUES (6, 2, 5200, 'a', 'MISS', '', 'a', NULL, 0, 'a');
INSERT INTO shots VALUES (7, 2, 8800, '', 'LOST', 'ü', 'ü', NULL, 0, '[');
INSERT INTO shots VALUES (8, 2, 9400, 'ä', 'POINT', 'ä', 'ä', 1100, 0, '''');
INSERT INTO shots VALUES (9, 3, 2500, 'k', 'POINT', 'k', 'k', 530, 0, 'k');
INSERT INTO shots VALUES (10, 3, 4000, 'l', 'MISS', '', 'l', NULL, 0, 'l');
