// Shows a level file on the board picture, with the game's mouse commands, effects and music,
// to look at the art and try the presentation by hand. Not part of the game.
#include "core/Level.h"
#include "core/Random.h"
#include "sim/LoadLevel.h"
#include "ui/AudioMenu.h"
#include "ui/BoardPicture.h"
#include "ui/audio/AudioControl.h"
#include "ui/audio/AudioOutput.h"
#include "ui/audio/SoundEffects.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QStringList>

#include <cstdio>

namespace {

class BoardViewer : public QMainWindow {
public:
    BoardViewer(const QString& programFolder, Level& level, SoundEffects& sound)
        : m_level(level), m_audio(sound, programFolder)
    {
        setWindowTitle(QStringLiteral("Pondrake board viewer"));
        m_picture = new BoardPicture(this);
        QStringList missing;
        m_picture->setTiles(TileSet::load(programFolder, &missing));
        for (const QString& path : missing)
            std::fprintf(stderr, "board_viewer: no tile %s\n", qPrintable(path));
        setCentralWidget(m_picture);
        addAudioMenu(menuBar(), m_audio, QStringLiteral("Music Auto-Play"));
        connect(m_picture, &BoardPicture::pressed, this,
                [this](float x, float y) { apply(mouseDown(m_level.board, selection, drag, x, y)); });
        connect(m_picture, &BoardPicture::dragged, this,
                [this](float x, float y) { apply(mouseMove(selection, drag, x, y)); });
        connect(m_picture, &BoardPicture::released, this,
                [this](float, float) { apply(mouseUp(m_level.board, selection, drag)); });
        m_audio.prepareMusic(QString::fromStdString(m_level.music));
    }

    void drawGrid() { m_picture->drawGrid(m_level.board, selection, drag); }
    AudioControl& audio() { return m_audio; }

    Selection selection;
    DragPoints drag;

private:
    void apply(const MouseOutcome& outcome)
    {
        if (!outcome.sound.empty())
            m_audio.playEffect(outcome.sound);
        if (outcome.redraw)
            drawGrid();
    }

    BoardPicture* m_picture = nullptr;
    Level& m_level;
    AudioControl m_audio;
};

bool pairOf(const QString& text, int& a, int& b)
{
    const QStringList parts = text.split(u',');
    bool okA = false, okB = false;
    if (parts.size() == 2) {
        a = parts[0].toInt(&okA);
        b = parts[1].toInt(&okB);
    }
    return okA && okB;
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: board_viewer <program folder> <level file> [--select c,r --drag x,y] [--music]\n");
        return 2;
    }
    Level level;
    GameRandom random;
    if (loadLevel(args[2], level, random).status != LevelReadStatus::Complete)
        std::fprintf(stderr, "board_viewer: %s was not read completely\n", qPrintable(args[2]));

    AudioOutput output;
    SoundEffects sound(output);
    sound.loadEffects(args[1]);
    BoardViewer viewer(args[1], level, sound);
    for (int i = 3; i + 1 < args.size(); ++i) {
        int a = 0, b = 0;
        if (args[i] == u"--select" && pairOf(args[i + 1], a, b))
            viewer.selection = {true, Int16(a), Int16(b)};
        if (args[i] == u"--drag" && pairOf(args[i + 1], a, b)) {
            viewer.drag = {Int16(34 * viewer.selection.selectionCol + 17),
                           Int16(34 * viewer.selection.selectionRow + 17), Int16(a), Int16(b)};
        }
    }
    if (args.contains(QStringLiteral("--music")))
        viewer.audio().playMusic();
    viewer.drawGrid();
    viewer.show();
    return QApplication::exec();
}
