#pragma once

#include "files/ReplayFile.h"

#include <QByteArrayList>

// What the replay file's writer (ReplayFile.cpp, which holds the table of event words) and its
// reader (ReplayFileReader.cpp) share.
namespace ReplayFileWords {

// The first word of the file.
inline const QByteArray Magic = "pondrake-replay";

// The context in which lupdate files the reader's messages for the translators.
inline const char* const Context = "ReplayFile";

// Reads an event's word (fields[1]) and what follows it into the event: its kind, its input and
// their arguments. An empty message when they fit, else what is wrong.
Phrase readEvent(const QByteArrayList& fields, RecordedEvent& event);

// A kept level as the header's start and a later sitting write it: "N SCORE SAVED LOST fresh|replay",
// within what a kept game can hold.
std::optional<KeptLevel> readKeptLevel(const QByteArrayList& fields);
QByteArray keptLevelText(const KeptLevel& kept);

}  // namespace ReplayFileWords
