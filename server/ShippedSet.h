#pragma once

#include <QByteArray>

// The identity of the level pack the game ships, from the levels built into the server: games of
// it are shown under the pack's own name, whatever name a game gave it.
QByteArray shippedSetIdentity();
