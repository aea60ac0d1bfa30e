-- SPDX-License-Identifier: GPL-3.0-or-later
-- What the last release of schema version 4 demands of Progress.db and writes to it, frozen by hand
-- from that release so a test can play an older game against a file of today's.
-- Its ownership test: a user_version above 4 is a newer game's file, left untouched; a file of
-- version 4 must have every table and column below (more is accepted); the practice tables it
-- makes when missing.
CREATE TABLE runs (
  id INTEGER PRIMARY KEY,
  profile TEXT NOT NULL COLLATE NOCASE,
  level INTEGER NOT NULL,
  difficulty TEXT NOT NULL,
  started_at TEXT NOT NULL,
  duration_ms INTEGER NOT NULL,
  outcome TEXT NOT NULL,
  percent INTEGER, hits INTEGER, misses INTEGER, civilians INTEGER, passed INTEGER,
  word_ready_ms INTEGER NOT NULL DEFAULT 0);
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
  aimed_at TEXT NOT NULL DEFAULT '',
  word INTEGER,
  word_pos INTEGER,
  word_len INTEGER NOT NULL DEFAULT 0);
-- @writes
-- Its statements, with a run's values: a practice run with a hit, a miss typed on h while g was the
-- one enemy ready, and a letter of a word; its target and key set.
CREATE TABLE IF NOT EXISTS practice_keys (
  profile TEXT NOT NULL COLLATE NOCASE, position TEXT NOT NULL, seq INTEGER NOT NULL,
  mastered INTEGER NOT NULL, interval_days INTEGER NOT NULL, due_day INTEGER NOT NULL,
  PRIMARY KEY (profile, position));
CREATE TABLE IF NOT EXISTS practice_settings (
  profile TEXT NOT NULL PRIMARY KEY COLLATE NOCASE, target_ms INTEGER NOT NULL);
INSERT INTO runs (profile, level, difficulty, started_at, duration_ms, outcome, percent, hits, misses, civilians, passed, word_ready_ms)
  VALUES ('Ann', 0, 'Easy', '2026-03-05T09:00:00Z', 60000, 'playing', NULL, NULL, NULL, NULL, NULL, 0);
UPDATE runs SET duration_ms=61000, outcome='finished', percent=NULL, hits=NULL, misses=NULL, civilians=NULL, passed=NULL, word_ready_ms=20000
  WHERE id=(SELECT max(id) FROM runs);
INSERT INTO shots (run_id, game_ms, typed, result, letter, key, reaction_ms, end_phase, position, aimed_at, word, word_pos, word_len)
  VALUES ((SELECT max(id) FROM runs), 1000, 'g', 'POINT', 'g', 'g', 640, 0, 'g', '', NULL, NULL, 0);
INSERT INTO shots (run_id, game_ms, typed, result, letter, key, reaction_ms, end_phase, position, aimed_at, word, word_pos, word_len)
  VALUES ((SELECT max(id) FROM runs), 2000, 'h', 'MISS', '', 'h', NULL, 0, 'h', 'g', NULL, NULL, 0);
INSERT INTO shots (run_id, game_ms, typed, result, letter, key, reaction_ms, end_phase, position, aimed_at, word, word_pos, word_len)
  VALUES ((SELECT max(id) FROM runs), 3000, 'g', 'LETTER', 'g', 'g', NULL, 0, 'g', '', 4, 0, 0);
INSERT INTO practice_settings (profile, target_ms) VALUES ('Ann', 300)
  ON CONFLICT(profile) DO UPDATE SET target_ms = excluded.target_ms;
DELETE FROM practice_keys WHERE profile = 'Ann';
INSERT INTO practice_keys (profile, position, seq, mastered, interval_days, due_day) VALUES ('Ann', 'g', 0, 1, 2, 20500);
