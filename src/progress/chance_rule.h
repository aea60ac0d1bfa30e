// SPDX-License-Identifier: GPL-3.0-or-later
// Which key a row of shots is a chance at, hit or miss, and with what speed: the one rule the
// PROGRESS screen, practice and the letter-pair times read the records by, as SQL over `shots s`.
#pragma once

// A row the game told the key of (charged not NULL) is a chance at that key, or at none when it
// is empty: a letter of an enemy's word typed right is a hit there, a miss a failed chance at
// the key aimed at. Every other row (a hit or a lost enemy in a letter wave, and every row an
// older game wrote) is a chance at its own key, its position or else its character; a miss of
// such a row is also a failed chance at aimed_at, the one enemy that stood ready, when that is
// another key. Misses the game forgives after a wave's time are no chance.
inline constexpr const char* kChanceRowSql =
    "(s.end_phase = 0 AND CASE WHEN s.charged IS NULL THEN s.result IN ('POINT', 'MISS', 'LOST')"
    " ELSE s.charged <> '' AND s.result IN ('POINT', 'MISS', 'LOST', 'LETTER') END)";
// The key position of a chance row; empty for a row without a known position (an older row that
// counts under its character, s.key).
inline constexpr const char* kChancePositionSql =
    "(CASE WHEN s.charged IS NOT NULL THEN s.charged ELSE s.position END)";
// The key of a chance row: its position, or its character where no position is known.
inline constexpr const char* kChanceKeySql =
    "(CASE WHEN s.charged IS NOT NULL THEN s.charged WHEN s.position <> '' THEN s.position ELSE s.key END)";
inline constexpr const char* kChanceHitSql = "(s.result IN ('POINT', 'LETTER'))";
// The second key an older row's miss counts at; empty for none.
inline constexpr const char* kAlsoAimedSql =
    "(CASE WHEN s.charged IS NULL AND s.result = 'MISS' AND s.aimed_at <> ''"
    " AND s.aimed_at <> (CASE WHEN s.position <> '' THEN s.position ELSE s.key END) THEN s.aimed_at ELSE '' END)";
// A hit's speed samples. Reaction: a hit in a letter wave, from its figure's coming up. Typing:
// a word letter typed right, from the key press before it. Values another program wrote that
// are no whole number of milliseconds up to an hour count as none.
inline constexpr const char* kReactionSql =
    "(CASE WHEN s.result = 'POINT' AND s.word IS NULL AND typeof(s.reaction_ms) = 'integer'"
    " AND s.reaction_ms BETWEEN 0 AND 3600000 THEN s.reaction_ms END)";
inline constexpr const char* kTypingSql =
    "(CASE WHEN s.result IN ('POINT', 'LETTER') AND typeof(s.typing_ms) = 'integer'"
    " AND s.typing_ms BETWEEN 0 AND 3600000 THEN s.typing_ms END)";

// The conditions that find one key's rows (?1) along an index, newest first by id: rows charged
// to it (shots_charged), older-rule rows at its position (shots_position) or of its character
// without one (shots_unplaced), and older-rule misses aimed at it (shots_aimed).
inline constexpr const char* kChargedToKeySql = "s.charged = ?1";
inline constexpr const char* kOwnPositionSql = "s.position = ?1 AND s.charged IS NULL";
inline constexpr const char* kOwnCharacterSql = "s.key = ?1 AND s.position = '' AND s.charged IS NULL";
// (aimed_at <> '' lets the partial index shots_aimed serve it.)
inline constexpr const char* kAimedAtKeySql =
    "s.aimed_at = ?1 AND s.aimed_at <> '' AND s.charged IS NULL AND s.result = 'MISS'"
    " AND (CASE WHEN s.position <> '' THEN s.position ELSE s.key END) <> ?1";
