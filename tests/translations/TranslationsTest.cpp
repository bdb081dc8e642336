// The game in every language it ships: the language a run speaks, English whenever a translation
// cannot be had, and every window's words within their controls. The fit runs at 100% and, from
// ctest, once more under QT_SCALE_FACTOR=1.5. The translations are the build's, beside the test.

#include "ui/Translations.h"
#include "core/Level.h"
#include "core/Random.h"
#include "editor/CheckLevelWindow.h"
#include "editor/EditorWindow.h"
#include "files/PlayerFiles.h"
#include "files/sets/SetImport.h"
#include "screens/FindSetsWindow.h"
#include "screens/GameOverDialog.h"
#include "screens/LanguageDialog.h"
#include "screens/LevelOverWindow.h"
#include "screens/LevelSetDialog.h"
#include "screens/MainWindow.h"
#include "screens/TopTenWindow.h"
#include "screens/WorldTableDialog.h"
#include "sim/LevelJudge.h"
#include "sim/RecordingPlayer.h"
#include "sim/SelfContained.h"
#include "tests/support/WindowTestSupport.h"
#include "ui/HelpWindow.h"
#include "ui/Look.h"
#include "ui/RecordingWindow.h"
#include "ui/audio/AudioOutput.h"
#include "ui/audio/SoundEffects.h"
#include "ui/net/WorldClient.h"

#include <QDialogButtonBox>
#include <QMenuBar>
#include <QRegularExpression>
#include <QStyleOptionButton>

#include <algorithm>

namespace {

QString program() { return QCoreApplication::applicationDirPath(); }

class Languages : public ::testing::Test {
protected:
    void TearDown() override { Translations::install(program(), Translations::English); }
};

// A button's text as a desktop shows it: the offscreen platform gives Qt's own buttons no access
// key, a GNOME desktop gives them those of Qt's translations (loaded with the game's language).
QString shownText(const QAbstractButton& button)
{
    static const QHash<int, const char*> gnome{{QDialogButtonBox::Ok, "&OK"},
                                               {QDialogButtonBox::Cancel, "&Cancel"},
                                               {QDialogButtonBox::Close, "&Close"},
                                               {QDialogButtonBox::Save, "&Save"}};
    const auto* box = qobject_cast<const QDialogButtonBox*>(button.parentWidget());
    const char* text = box ? gnome.value(box->standardButton(const_cast<QAbstractButton*>(&button))) : nullptr;
    return text ? QCoreApplication::translate("QGnomeTheme", text) : button.text();
}

// What does not fit in a window: a label's or button's text wider or taller than the room its
// control gives it, a menu bar item out of sight, an access key taken twice in one menu or among
// one window's buttons and labelled fields.
QStringList misfits(QWidget& window)
{
    QStringList found;
    const auto check = [&](const QWidget& part, const QString& text, QSize needs, QRect room) {
        if (needs.width() > room.width() || needs.height() > room.height())
            QDebug(&found.emplace_back()) << part.metaObject()->className() << text << needs << "in" << room.size();
    };
    const auto accelerators = [&](const QStringList& texts) {
        QHash<QKeySequence, QString> taken;
        for (const QString& text : texts)
            if (const QKeySequence key = QKeySequence::mnemonic(text); !key.isEmpty()) {
                if (taken.contains(key))
                    found << QStringLiteral("\"%1\" and \"%2\" share %3").arg(taken[key], text, key.toString());
                taken.insert(key, text);
            }
    };
    const auto texts = [](const QList<QAction*>& items) {
        QStringList texts;
        for (const QAction* item : items)
            texts << item->text();
        return texts;
    };
    QList<QWidget*> parts = window.findChildren<QWidget*>();
    parts << &window;
    QStringList keyed;  // the window's buttons and the labels of its fields
    for (const QWidget* part : parts) {
        if (const auto* button = qobject_cast<const QAbstractButton*>(part); button && button->isVisibleTo(&window))
            keyed << shownText(*button);
        else if (const auto* label = qobject_cast<const QLabel*>(part); label && label->buddy())
            keyed << label->text();
    }
    accelerators(keyed);
    for (const QWidget* part : parts) {
        if (const auto* label = qobject_cast<const QLabel*>(part); label && !Qt::mightBeRichText(label->text())) {
            const QRect room = label->contentsRect().marginsRemoved(QMargins(std::max(0, label->indent()), 0, 0, 0));
            const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0) |
                              (label->buddy() ? Qt::TextShowMnemonic : 0);  // "&" is no character then
            check(*label, label->text(), label->fontMetrics().boundingRect(room, flags, label->text()).size(), room);
        } else if (const auto* button = qobject_cast<const QPushButton*>(part)) {
            QStyleOptionButton option;
            option.initFrom(button);
            option.features = button->autoDefault() ? QStyleOptionButton::AutoDefaultButton : option.features;
            check(*button, button->text(), button->fontMetrics().size(Qt::TextShowMnemonic, button->text()),
                  button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button));
        } else if (const auto* bar = qobject_cast<const QMenuBar*>(part)) {
            for (QAction* item : bar->actions())
                if (!bar->rect().contains(bar->actionGeometry(item)))
                    found << QStringLiteral("menu bar item \"%1\" is out of sight").arg(item->text());
            accelerators(texts(bar->actions()));
        } else if (const auto* menu = qobject_cast<const QMenu*>(part)) {
            accelerators(texts(menu->actions()));
        }
    }
    return found;
}

}  // namespace

// The player's choice when the game ships it, else the desktop's first language that the game
// speaks (English counts), else English.
TEST_F(Languages, ARunSpeaksTheChoiceOrTheDesktopsFirstLanguageThatTheGameSpeaks)
{
    const struct {
        QString chosen;
        QStringList desktop;
        QString spoken;
    } rows[] = {
        {"", {"pt-BR", "es-MX"}, "es"}, {"", {"en-US", "de"}, "en"}, {"es", {"de"}, "es"}, {"en", {"fr"}, "en"},
        {"klingon", {"fr"}, "fr"},      {"DE", {"fr"}, "fr"},        {"../de", {}, "en"},
    };
    for (const auto& [chosen, desktop, spoken] : rows)
        EXPECT_EQ(Translations::pick(chosen, desktop), spoken) << qPrintable(chosen + u' ' + desktop.join(u','));
}

// Numbers and dates: the language as the desktop's country writes it, else as its own country does.
TEST_F(Languages, NumbersAreTheLanguagesAsTheDesktopsCountryWritesThem)
{
    const struct {
        const char* language;
        const char* desktop;
        const char* locale;
        const char* number;
    } rows[] = {{"es", "es_MX", "es_MX", "12,345.5"},
                {"en", "en_GB", "en_GB", "12,345.5"},
                {"de", "es_MX", "de_DE", "12.345,5"}};
    for (const auto& [language, desktop, locale, number] : rows) {
        SCOPED_TRACE(desktop);
        Translations::install(program(), language, QLocale(desktop));
        EXPECT_EQ(QLocale().name(), locale);
        EXPECT_EQ(QLocale().toString(12345.5, 'f', 1), number);
    }
}

// A translation that is there is spoken, Qt's own dialogs too; one missing, empty or broken leaves
// every word English, never blank; so does a help page missing in the language.
TEST_F(Languages, AMissingOrBrokenTranslationLeavesTheGameInEnglish)
{
    QTemporaryDir folder;
    QDir(folder.path()).mkpath(QStringLiteral("translations"));
    const QString file = folder.filePath(QStringLiteral("translations/pondrake_de.qm"));
    QFile::copy(program() + QStringLiteral("/translations/pondrake_en.qm"),
                folder.filePath(QStringLiteral("translations/pondrake_en.qm")));
    const auto levels = [](int n) { return QCoreApplication::translate("LevelSetDialog", "%Ln levels", nullptr, n); };
    ASSERT_EQ(Translations::install(program(), QStringLiteral("fr")), "fr");
    EXPECT_EQ(levels(0) + levels(2), "0 niveau2 niveaux");  // French counts nothing as one
    ASSERT_EQ(Translations::install(program(), QStringLiteral("de")), "de");
    EXPECT_EQ(Translations::current(), "de");
    EXPECT_EQ(QDialogButtonBox(QDialogButtonBox::Cancel).button(QDialogButtonBox::Cancel)->text(), "Abbrechen");
    QWidget opener;
    EXPECT_EQ(HelpWindow::showPage(&opener, program(), HelpWindow::About)->windowTitle(), "Pondrake-Hilfe");
    // German is spoken: a missing or broken file in its place leaves every word English again.
    const QByteArray german = readFile(program() + QStringLiteral("/translations/pondrake_de.qm"));
    for (const QByteArray& bytes : {QByteArray(), german.left(german.size() / 2)}) {  // missing, cut short
        QFile::remove(file);
        if (!bytes.isEmpty())
            writeFile(file, bytes);
        EXPECT_EQ(Translations::install(folder.path(), QStringLiteral("de")), "en") << bytes.size();
        EXPECT_EQ(Translations::current(), "en");
        EXPECT_EQ(levels(1) + levels(2), "1 level2 levels");  // English's own plural forms
        QWidget later;                                        // a help window of its own, made in English
        EXPECT_EQ(HelpWindow::showPage(&later, folder.path(), HelpWindow::About)->windowTitle(), "Pondrake Help");
    }
    writeFile(folder.filePath(QStringLiteral("instruct_de.html")), "Deutsch");
    EXPECT_EQ(HelpWindow::pageIn(folder.path(), HelpWindow::Instructions, "de"), "instruct_de.html");
    EXPECT_EQ(HelpWindow::pageIn(folder.path(), HelpWindow::Instructions, "fr"), "instruct.html");
}

// Every window in its fullest state: the level-over window with its replay line, the game-over
// window with both frames, Check Level with every line.
TEST_F(Languages, EveryCaptionFitsItsControlInEveryLanguage)
{
    QTemporaryDir folder;
    PlayerFiles files(program(), folder.filePath(QStringLiteral("scores.txt")));
    Level shared;
    GameRandom random{1};
    AudioOutput audio;
    SoundEffects sound(audio);
    const CheckResult check{24, {}, {RunOutcome{}}, {RunOutcome{}}};
    WorldClient client;
    QStringList found;
    for (const QString& language : QStringList{Translations::English} + Translations::Shipped) {
        ASSERT_EQ(Translations::install(program(), language), language);
        auto level = std::make_unique<LevelOverWindow>();
        level->fill({100, 100, 100, true});
        auto game = std::make_unique<MainWindow>(shared, random, sound, program(), files.scoresPath());
        game->status().countdownLabel->setText(Look::countdownText("GO!"));  // the countdown's widest word
        // Every key the help page names ("<b>Level Editor</b> ... Alt+L") opens that menu.
        const QString help = QString::fromUtf8(
            readFile(program() + u'/' + HelpWindow::pageIn(program(), HelpWindow::Instructions, language)));
        static const QRegularExpression named(QStringLiteral(R"(<b>([^<]+)</b>[^<.]*Alt\+(\w))"));
        int keys = 0;
        for (const QRegularExpressionMatch& m : named.globalMatch(help)) {
            const QList<QAction*> menus = game->menuBar()->actions();
            const bool opens = std::any_of(menus.begin(), menus.end(), [&](const QAction* menu) {
                return QString(menu->text()).remove(u'&') == m.captured(1) &&
                       menu->text().contains(u'&' + m.captured(2), Qt::CaseInsensitive);
            });
            keys += opens ? 1 : 0;
            if (!opens)
                found << language + QStringLiteral(" help names a key no menu has: ") + m.captured(0);
        }
        if (keys == 0)
            found << language + QStringLiteral(" help names no menu's key");
        QWidget opener;
        std::unique_ptr<QWidget> windows[] = {
            std::move(game),
            std::move(level),
            std::make_unique<GameOverDialog>(files.scoresPath()),
            std::make_unique<TopTenWindow>(files.scoresPath()),
            std::make_unique<EditorWindow>(shared, random, sound, program()),
            std::make_unique<CheckLevelWindow>(check, nullptr),
            std::make_unique<RecordingWindow>(GameRecording{}, program(), program(), nullptr),
            std::make_unique<LevelSetDialog>(files),
            std::make_unique<LanguageDialog>(QString(), "de"),
            std::make_unique<FindSetsWindow>(client, QString()),
            std::make_unique<WorldTableDialog>(QString(), false)};
        for (const std::unique_ptr<QWidget>& window : windows) {
            window->show();
            for (const QString& misfit : misfits(*window))
                found << language + u' ' + window->metaObject()->className() + QStringLiteral(": ") + misfit;
        }
        for (const QString& misfit : misfits(*HelpWindow::showPage(&opener, program(), HelpWindow::Instructions)))
            found << language + QStringLiteral(" HelpWindow: ") + misfit;
    }
    EXPECT_EQ(found.join(u'\n').toStdString(), "");
}

// What the layers below the windows say went wrong, from faulty sets, folders and replays, is
// spoken in every shipped language: a sentence whose context in the code is not the one its
// translation is filed under stays English. A row for each way a module makes its sentences.
TEST_F(Languages, EveryRefusalFromBelowTheWindowsIsSpokenInEveryLanguage)
{
    const auto said = [](GameRecording recording, std::vector<RecordedEvent> events) {
        recording.events = std::move(events);
        RecordingPlayer player(recording, QDir::tempPath());
        player.playToEnd();
        return player.refusal().value_or(player.divergence().value_or(Divergence{}).message);
    };
    GameRecording played;  // of a level no set or folder holds
    played.levels = {{2, QStringLiteral("level2.txt"), {}}};
    const Phrase phrases[] = {
        readSetFile("pondrake-set 1\nname Set\nlevel @\n").error,
        *setNameProblem(QString(MaxSetNameLength + 1, u'n')),
        importSet({QStringLiteral("Set"), {}, {}, {"x"}}, {}).problem,
        carrySet(played, {}).value_or(Phrase{}),
        selfContained({}, {}).problem,
        said(played, {}),
        said({}, {{0, RecordedEvent::Kind::Input, {GameInput::Kind::Timer, GameTimer::Dog}, {}}}),  // never started
    };
    for (const QString& language : Translations::Shipped) {
        ASSERT_EQ(Translations::install(program(), language), language);
        for (const Phrase& phrase : phrases)
            EXPECT_NE(phrase.translated(), phrase.english()) << language.toStdString() << ": " << phrase.text;
    }
}
