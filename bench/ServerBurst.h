#pragma once

#include <QtGlobal>

// Sends 30 bodies of 1 MiB at once (JSON, refused as replays) to the server on 127.0.0.1 at port,
// and prints its process's memory before, at the peak, and after three seconds of rest, which the
// server takes to give what it freed back.
void burstMemory(int port, qint64 pid);
