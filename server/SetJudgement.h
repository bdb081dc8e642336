#pragma once

#include "files/sets/SetFileFormat.h"
#include "server/Refusal.h"

#include <QByteArray>
#include <QString>

#include <atomic>
#include <optional>

// How the computer player fared on one level of a set sent to be published.
struct JudgedLevel {
    int level = 0;  // from 1
    double passRate = 0;
    double medianSeconds = 0;
    int difficulty = 0;  // about as hard as this shipped level, 1 to 24
    Refusal warning;     // what a designer is warned of, not refused for; an empty message for none
};

// A level judged: its verdict, and why it cannot be published when it cannot.
struct SetLevelJudgement {
    JudgedLevel verdict;
    std::optional<Refusal> failure;
};

// Judges level number `level` of a set (its bytes, which the set reader took whole) as Check Level
// does, from seeds 1 to `seeds`: passable when the computer player passes nine runs in ten and
// enough turtles can reach the water; a level nobody at the board passes one run in five is
// passable with a warning. A level whose creatures step more than ten times a second is not
// played at all: its runs would cost too much to judge. Nothing once stop turns true.
std::optional<SetLevelJudgement> judgeSetLevel(int level, const QByteArray& bytes, const std::atomic<bool>& stop,
                                               int seeds);

// Why a set's name, author or description cannot go into the table, or nothing.
std::optional<Refusal> publicationFault(const SetFile& set);
