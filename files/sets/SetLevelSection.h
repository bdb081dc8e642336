#pragma once

#include "files/Phrase.h"

#include <QByteArray>

#include <vector>

// The levels that travel in a file, one line of Base64 each: what the set file and the
// self-contained replay share. Each level must decode exactly, stay within the set's bounds and
// read as a whole level, or the whole file is refused.
class SetLevelSection {
public:
    // The longest line a level can take (its word and Base64 text), for the readers' line limits.
    static qsizetype maxLineBytes();

    // Takes the next level's Base64 text: an empty phrase when it fits, else what is wrong with
    // it, naming the level's number.
    Phrase add(const QByteArray& text);
    std::vector<QByteArray>& levels() { return m_levels; }

    // The Base64 text of a level's bytes, as add() takes it back.
    static QByteArray text(const QByteArray& level);

private:
    std::vector<QByteArray> m_levels;
    qint64 m_bytes = 0;
};
