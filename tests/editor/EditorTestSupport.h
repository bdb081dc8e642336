#pragma once

// An editor over a program folder of its own, with the means to use it as a designer does: the
// palette, clicks on the board, typing into the boxes, and answering its dialogs.

#include "core/Random.h"
#include "core/modGlobals.h"
#include "editor/frmEditor.h"
#include "tests/support/BoardText.h"
#include "tests/support/NextModal.h"
#include "tests/support/TestTiles.h"
#include "ui/AudioOutput.h"
#include "ui/BoardPicture.h"
#include "ui/modSound.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <deque>
#include <ostream>
#include <memory>

// Texts in failure messages as text.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

// Draws given by the test first, then a seeded sequence.
class ScriptedRandom final : public Random {
public:
    std::deque<double> script;
    double next() override
    {
        if (script.empty())
            return m_rest.next();
        const double value = script.front();
        script.pop_front();
        return value;
    }

private:
    GameRandom m_rest{7};
};

class EditorTest : public ::testing::Test {
protected:
    QTemporaryDir folder;
    modGlobals globals;
    ScriptedRandom random;
    AudioOutput output;
    modSound sound{output};
    std::unique_ptr<frmEditor> editor;

    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        QDir(folder.path()).mkpath(QStringLiteral("levels"));
        QDir(folder.path()).mkpath(QStringLiteral("audio"));
        // Tiles of one plain colour each (PNG under the tiles' names: the reader goes by content).
        QDir(folder.path()).mkpath(QStringLiteral("images"));
        for (const TileFile& tile : TileTable) {
            QImage image(34, 34, QImage::Format_RGB32);
            image.fill(testTileColour(tile.code));
            ASSERT_TRUE(image.save(path(QStringLiteral("images/") + QLatin1String(tile.file)), "PNG"));
        }
        editor = std::make_unique<frmEditor>(globals, random, sound, folder.path());
        editor->show();
    }

    QString path(const QString& name) const { return folder.filePath(name); }

    // The colour the board picture shows in the middle of a cell.
    QRgb shownAt(int col, int row) const { return editor->pictMain->surface().pixel(34 * col + 17, 34 * row + 17); }

    void pick(const char* picture) { editor->findChild<QToolButton*>(QLatin1String(picture))->click(); }

    // A click in the middle of a cell.
    void clickCell(int col, int row) { clickAt(QPoint(34 * col + 17, 34 * row + 17)); }
    void clickAt(QPoint at) { QTest::mouseClick(editor->pictMain, Qt::LeftButton, {}, at); }

    void place(const char* picture, std::initializer_list<CellIndex> cells)
    {
        pick(picture);
        for (const CellIndex cell : cells)
            clickCell(cell.col, cell.row);
    }

    // A timer's beat, through its own signal, without waiting for it.
    static void fire(QTimer& timer) { ASSERT_TRUE(QMetaObject::invokeMethod(&timer, "timeout")); }

    // Types text into an empty box, then presses Enter in it.
    static void enter(QLineEdit* box, const QString& text)
    {
        box->clear();
        QTest::keyClicks(box, text);
        QTest::keyClick(box, Qt::Key_Return);
    }

    // The next file dialog picks this file, or is cancelled for an empty path.
    static void answerFileDialog(const QString& file)
    {
        onNextModal<QFileDialog>([file](QFileDialog* dialog) {
            if (file.isEmpty()) {
                dialog->reject();
                return;
            }
            dialog->selectFile(file);
            static_cast<QDialog*>(dialog)->accept();  // QFileDialog::accept, as its OK button
        });
    }

    // The text of the next message box, which is then closed.
    static void readNextMessage(QString& text)
    {
        onNextModal<QMessageBox>([&text](QMessageBox* box) {
            text = box->text();
            box->accept();
        });
    }

    void writeFile(const QString& name, const QByteArray& bytes) const
    {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QByteArray readFile(const QString& name) const
    {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
    }
};
