// Opens the game-over or the top-ten window on a real screen, for looking at them and for driving
// them with xdotool (scripts/score_windows_demo.sh). Prints where each named control stands on the
// screen, one line each: name, left, top, width, height.
//   score_windows_demo <program folder> gameover <score>
//   score_windows_demo <program folder> topten
#include "screens/frmGameOver.h"
#include "screens/frmTopTen.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

void printControls(const QWidget& window)
{
    for (const QWidget* control : window.findChildren<QWidget*>()) {
        if (control->objectName().isEmpty() || control->isHidden())
            continue;
        const QPoint at = control->mapToGlobal(QPoint(0, 0));
        std::printf("%s %d %d %d %d\n", qPrintable(control->objectName()), at.x(), at.y(), control->width(),
                    control->height());
    }
    std::fflush(stdout);
}

int show(QDialog& window)
{
    window.move(40, 40);
    QTimer::singleShot(0, &window, [&window] { printControls(window); });
    return window.exec();
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc == 4 && std::strcmp(argv[2], "gameover") == 0) {
        frmGameOver window(ScoresPath(QString::fromLocal8Bit(argv[1])));
        window.yourScore = std::atoi(argv[3]);
        return show(window) == QDialog::Accepted ? 0 : 1;
    }
    if (argc == 3 && std::strcmp(argv[2], "topten") == 0) {
        frmTopTen window(ScoresPath(QString::fromLocal8Bit(argv[1])));
        show(window);
        return 0;
    }
    std::fprintf(stderr, "usage: %s <program folder> gameover <score> | topten\n", argv[0]);
    return 2;
}
