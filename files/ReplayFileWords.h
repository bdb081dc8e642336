#pragma once

#include "files/ReplayFile.h"

#include <QByteArrayView>
#include <QVarLengthArray>

// What the replay file's writer (ReplayFile.cpp, which holds the table of event words) and its
// reader (ReplayFileReader.cpp) share.
namespace ReplayFileWords {

// The first word of the file.
inline const QByteArray Magic = "pondrake-replay";

// The context in which lupdate files the reader's messages for the translators.
inline const char* const Context = "ReplayFile";

// The fields of a line, between single spaces (two spaces make an empty field, as QByteArray::split
// does), as views into the line, which must outlive them. Every line of a game has a few: they are
// kept without an allocation of their own.
using Fields = QVarLengthArray<QByteArrayView, 8>;
Fields fieldsOf(QByteArrayView line);

// Reads an event's word (fields[1]) and what follows it into the event: its kind, its input and
// their arguments. An empty message when they fit, else what is wrong.
Phrase readEvent(const Fields& fields, RecordedEvent& event);

// A kept level as the header's start and a later sitting write it: "N SCORE SAVED LOST fresh|replay",
// within what a kept game can hold.
std::optional<KeptLevel> readKeptLevel(const Fields& fields);
QByteArray keptLevelText(const KeptLevel& kept);

}  // namespace ReplayFileWords
