#pragma once

#include <QDialog>

class QTextBrowser;

// The help pages in a window of the program's own, so that help opens on any desktop, with or
// without a web browser. Links inside the help are followed here; links to the web go to the
// desktop. Each window that offers help owns one help window, which lives as its child: over a
// modal window (the editor) it still takes the mouse and the keys.
class HelpWindow : public QDialog {
    Q_OBJECT
public:
    // The pages beside the program, and the editor's section of the instructions.
    static inline const QString Instructions = QStringLiteral("instruct.html");
    static inline const QString About = QStringLiteral("about.html");
    static inline const QString EditorSection = QStringLiteral("editor");

    // Shows a page of the program folder in the game's language, at an anchor when one is given, in
    // the opener's help window (made the first time) and brings that window to the front.
    static HelpWindow* showPage(QWidget* opener, const QString& programFolder, const QString& page,
                                const QString& anchor = {});

    // The page as written in a language ("instruct_de.html" beside "instruct.html") when the program
    // folder has it; else the English page.
    static QString pageIn(const QString& programFolder, const QString& page, const QString& language);

    QTextBrowser* browser() const { return m_browser; }

private:
    explicit HelpWindow(QWidget* opener);
    void load(const QString& path, const QString& anchor);

    QTextBrowser* m_browser;
};
