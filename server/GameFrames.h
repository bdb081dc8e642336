#pragma once

#include "server/GameVerifier.h"

#include <QByteArray>

#include <atomic>

// A stored game as a page plays it back: what the verifier showed after each event it played,
// as the JSON of docs/server-api.md ("A game's frames").
struct GameFrames {
    Verdict verdict;
    QByteArray json;  // empty unless the verdict accepts the game
};

// Verifies the game (verifyGame) and writes down what a window showing it would have shown.
GameFrames gameFrames(const QByteArray& replayText, const std::atomic<bool>& stop);
