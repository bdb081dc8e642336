#pragma once

// Level files for simulator tests, written to a temporary folder.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <initializer_list>
#include <string>
#include <string_view>

// Rows not given, and cells past the end of a short row, are blank.
inline std::string levelText(int bonus, int turtleMs, int dogMs, std::initializer_list<std::string_view> rows)
{
    std::string text = "pond1.mid\r\n" + std::to_string(bonus) + "\r\n" + std::to_string(turtleMs) + "\r\n" +
                       std::to_string(dogMs) + "\r\n";
    auto row = rows.begin();
    for (int r = 0; r < 20; ++r) {
        std::string line = row != rows.end() ? std::string(*row++) : std::string();
        line.resize(20, 'b');
        text += line + "\r\n";
    }
    return text;
}

class LevelFolder {
public:
    // Writes the text as a level file and returns its path.
    std::string write(const std::string& text, const char* name = "level.txt")
    {
        const QString path = m_dir.filePath(QString::fromLatin1(name));
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(text.data(), static_cast<qint64>(text.size()));
        return path.toStdString();
    }

private:
    QTemporaryDir m_dir;
};
