#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pondrake"));

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Pondrake"));
    window.resize(800, 720);
    window.show();
    return app.exec();
}
