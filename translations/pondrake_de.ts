<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Announcer</name>
    <message>
        <source>Game news</source>
        <translation>Spielmeldungen</translation>
    </message>
</context>
<context>
    <name>AudioMenu</name>
    <message>
        <source>&amp;Audio</source>
        <translation>&amp;Audio</translation>
    </message>
    <message>
        <source>Music Stop</source>
        <translation>Musik stoppen</translation>
    </message>
    <message>
        <source>Sound Effects</source>
        <translation>Soundeffekte</translation>
    </message>
</context>
<context>
    <name>BoardAccessible</name>
    <message>
        <source>Board</source>
        <translation>Spielfeld</translation>
    </message>
    <message>
        <source>20 rows of 20 squares. The arrow keys move the cursor, Tab jumps to the next turtle or dog, Space picks it up and an arrow then sends it that way.</source>
        <translation>20 Reihen mit je 20 Feldern. Die Pfeiltasten bewegen den Cursor, Tab springt zur nächsten Schildkröte oder zum nächsten Hund, die Leertaste hebt das Tier auf und ein Pfeil schickt es dann in diese Richtung.</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Spalte %1</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Reihe %1</translation>
    </message>
</context>
<context>
    <name>BoardPicture</name>
    <message>
        <source>Paused</source>
        <translation>Pause</translation>
    </message>
</context>
<context>
    <name>CellNames</name>
    <message>
        <source>Nothing</source>
        <translation>Nichts</translation>
    </message>
    <message>
        <source>Blank</source>
        <translation>Leer</translation>
    </message>
    <message>
        <source>Rocks</source>
        <translation>Felsen</translation>
    </message>
    <message>
        <source>Hole</source>
        <translation>Loch</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Wasser</translation>
    </message>
    <message>
        <source>Turtle heading west</source>
        <translation>Schildkröte nach Westen</translation>
    </message>
    <message>
        <source>Turtle heading north</source>
        <translation>Schildkröte nach Norden</translation>
    </message>
    <message>
        <source>Turtle heading east</source>
        <translation>Schildkröte nach Osten</translation>
    </message>
    <message>
        <source>Turtle heading south</source>
        <translation>Schildkröte nach Süden</translation>
    </message>
    <message>
        <source>Dog walking west</source>
        <translation>Hund läuft nach Westen</translation>
    </message>
    <message>
        <source>Dog walking north</source>
        <translation>Hund läuft nach Norden</translation>
    </message>
    <message>
        <source>Dog walking east</source>
        <translation>Hund läuft nach Osten</translation>
    </message>
    <message>
        <source>Dog walking south</source>
        <translation>Hund läuft nach Süden</translation>
    </message>
    <message>
        <source>Dog sitting</source>
        <translation>Hund sitzt</translation>
    </message>
    <message>
        <source>Alien</source>
        <translation>Alien</translation>
    </message>
    <message>
        <source>Foot heading west</source>
        <translation>Fuß nach Westen</translation>
    </message>
    <message>
        <source>Foot heading east</source>
        <translation>Fuß nach Osten</translation>
    </message>
    <message>
        <source>Turtle</source>
        <translation>Schildkröte</translation>
    </message>
    <message>
        <source>Unknown tile</source>
        <translation>Unbekanntes Feld</translation>
    </message>
    <message>
        <source>%1, picked up, row %2, column %3</source>
        <translation>%1, aufgehoben, Reihe %2, Spalte %3</translation>
    </message>
    <message>
        <source>%1, row %2, column %3</source>
        <translation>%1, Reihe %2, Spalte %3</translation>
    </message>
</context>
<context>
    <name>CheckCommand</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Check Level</source>
        <translation>Level prüfen</translation>
    </message>
    <message numerus="yes">
        <source>Checking the level: the computer player and nobody at the board, %Ln runs each</source>
        <translation>
            <numerusform>Das Level wird geprüft: je %Ln Durchlauf mit dem Computerspieler und ohne Spieler</numerusform>
            <numerusform>Das Level wird geprüft: je %Ln Durchläufe mit dem Computerspieler und ohne Spieler</numerusform>
        </translation>
    </message>
    <message>
        <source>Runs checked</source>
        <translation>Geprüfte Durchläufe</translation>
    </message>
</context>
<context>
    <name>CheckLevelWindow</name>
    <message>
        <source>Check Level</source>
        <translation>Level prüfen</translation>
    </message>
    <message>
        <source>%1, median score %2, median time %3 s</source>
        <translation>%1, Median der Punkte %2, Median der Zeit %3 s</translation>
    </message>
    <message>
        <source>no turtle saved</source>
        <translation>keine Schildkröte gerettet</translation>
    </message>
    <message>
        <source>%1 commands per saved turtle: about as hard as level %2</source>
        <translation>%1 Befehle pro gerettete Schildkröte: etwa so schwer wie Level %2</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>Turtles with a way to water:</source>
        <translation>Schildkröten mit Weg zum Wasser:</translation>
    </message>
    <message>
        <source>Computer player:</source>
        <translation>Computerspieler:</translation>
    </message>
    <message>
        <source>Difficulty:</source>
        <translation>Schwierigkeit:</translation>
    </message>
    <message>
        <source>Nobody at the board:</source>
        <translation>Niemand am Spielfeld:</translation>
    </message>
    <message>
        <source>Watch</source>
        <translation>Zuschauen</translation>
    </message>
    <message>
        <source>Computer player</source>
        <translation>Computerspieler</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Schwierigkeit</translation>
    </message>
    <message>
        <source>Nobody at the board</source>
        <translation>Niemand am Spielfeld</translation>
    </message>
    <message>
        <source>Turtles with a way to water</source>
        <translation>Schildkröten mit Weg zum Wasser</translation>
    </message>
    <message numerus="yes">
        <source>passes %1 of %Ln runs (%2%)</source>
        <translation>
            <numerusform>schafft %1 von %Ln Durchlauf (%2 %)</numerusform>
            <numerusform>schafft %1 von %Ln Durchläufen (%2 %)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln of %1 runs went ten simulated minutes without the level ending</source>
        <translation>
            <numerusform>%Ln von %1 Durchläufen lief zehn simulierte Minuten, ohne dass das Level endete</numerusform>
            <numerusform>%Ln von %1 Durchläufen liefen zehn simulierte Minuten, ohne dass das Level endete</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Pondrake, an action puzzle game: steer turtles to the water with the mouse,
past holes, hopping aliens and stamping feet. A level editor makes new levels.</source>
        <translation>Pondrake, ein Action-Puzzlespiel: Lenke Schildkröten mit der Maus zum Wasser,
vorbei an Löchern, hüpfenden Aliens und stampfenden Füßen. Ein Level-Editor macht neue Level.</translation>
    </message>
    <message>
        <source>Show this help and quit.</source>
        <translation>Diese Hilfe zeigen und beenden.</translation>
    </message>
    <message>
        <source>Show the version and quit.</source>
        <translation>Die Version zeigen und beenden.</translation>
    </message>
    <message>
        <source>A level set (.pondrake) to import and play, or a replay (.replay) to watch. A game already running takes it over.</source>
        <translation>Eine Levelsammlung (.pondrake) zum Importieren und Spielen oder eine Aufzeichnung (.replay) zum Ansehen. Ein schon laufendes Spiel übernimmt sie.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;.</source>
        <translation>unerwartetes Argument „%1“.</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>Mehr dazu zeigt „%1 --help“.</translation>
    </message>
    <message>
        <source>Qt&apos;s own options, such as -platform and -style, are passed on to Qt.
Where the scores and levels are kept, and what the game reads from its
environment: see the manual page, pondrake(6).
</source>
        <translation>Die Optionen von Qt, etwa -platform und -style, werden an Qt weitergegeben.
Wo die Punkte und Level liegen und was das Spiel aus seiner Umgebung liest,
steht auf der Handbuchseite pondrake(6).
</translation>
    </message>
</context>
<context>
    <name>EditHistory</name>
    <message>
        <source>Place %1</source>
        <translation>%1 setzen</translation>
    </message>
    <message>
        <source>Music File</source>
        <translation>Musikdatei</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>Bonus</translation>
    </message>
    <message>
        <source>Turtle/Foot Speed</source>
        <translation>Tempo Schildkröten/Füße</translation>
    </message>
    <message>
        <source>Dog/Alien Speed</source>
        <translation>Tempo Hunde/Aliens</translation>
    </message>
    <message>
        <source>Change %1</source>
        <translation>%1 ändern</translation>
    </message>
</context>
<context>
    <name>EditKeys</name>
    <message>
        <source>20 rows of 20 squares. The arrow keys move the cursor, Space or Enter places the chosen picture there, and the keys 1 to 9 choose a picture of the palette.</source>
        <translation>20 Reihen mit je 20 Feldern. Die Pfeiltasten bewegen den Cursor, die Leertaste oder die Eingabetaste setzt das gewählte Bild dorthin, und die Tasten 1 bis 9 wählen ein Bild der Palette.</translation>
    </message>
</context>
<context>
    <name>EditorActions</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>New Level</source>
        <translation>Neues Level</translation>
    </message>
    <message>
        <source>&amp;Open Level</source>
        <translation>Level ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Save Level</source>
        <translation>Level speichern</translation>
    </message>
    <message>
        <source>Check Level</source>
        <translation>Level prüfen</translation>
    </message>
    <message>
        <source>Play This Set</source>
        <translation>Diese Sammlung spielen</translation>
    </message>
    <message>
        <source>Export Set...</source>
        <translation>Sammlung exportieren...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>Music Auto Play</source>
        <translation>Musik automatisch abspielen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Anleitung</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über Pondrake</translation>
    </message>
    <message>
        <source>Publish Set...</source>
        <translation>Sammlung veröffentlichen...</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Wiederholen: %1</translation>
    </message>
</context>
<context>
    <name>EditorWindow</name>
    <message>
        <source>A click places the selected item on a square; during a test the keys steer as in the game</source>
        <translation>Ein Klick setzt das gewählte Teil auf ein Feld; während eines Tests steuern die Tasten wie im Spiel</translation>
    </message>
    <message>
        <source>End Test</source>
        <translation>Test beenden</translation>
    </message>
    <message>
        <source>Keep Test Board</source>
        <translation>Testspielfeld behalten</translation>
    </message>
    <message>
        <source>New Level</source>
        <translation>Neues Level</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>Level Editor - %1[*]</source>
        <translation>Level-Editor – %1[*]</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>Play This Set</source>
        <translation>Diese Sammlung spielen</translation>
    </message>
    <message>
        <source>Open or save a level first: the set played is the folder of that file.</source>
        <translation>Öffne oder speichere zuerst ein Level: Gespielt wird die Sammlung im Ordner dieser Datei.</translation>
    </message>
    <message>
        <source>Export Set</source>
        <translation>Sammlung exportieren</translation>
    </message>
    <message>
        <source>Open or save a level first: the set exported is the folder of that file.</source>
        <translation>Öffne oder speichere zuerst ein Level: Exportiert wird die Sammlung im Ordner dieser Datei.</translation>
    </message>
    <message>
        <source>Publish Set</source>
        <translation>Sammlung veröffentlichen</translation>
    </message>
    <message>
        <source>Open or save a level first: the set published is the folder of that file.</source>
        <translation>Öffne oder speichere zuerst ein Level: veröffentlicht wird die Sammlung im Ordner dieser Datei.</translation>
    </message>
</context>
<context>
    <name>FileOpener</name>
    <message>
        <source>%1 is neither a level set (.pondrake) nor a replay (.replay).</source>
        <translation>%1 ist weder eine Levelsammlung (.pondrake) noch eine Aufzeichnung (.replay).</translation>
    </message>
    <message>
        <source>Import Level Set</source>
        <translation>Levelsammlung importieren</translation>
    </message>
    <message>
        <source>Level sets (*.pondrake)</source>
        <translation>Levelsammlungen (*.pondrake)</translation>
    </message>
    <message>
        <source> (line %1)</source>
        <translation> (Zeile %1)</translation>
    </message>
    <message>
        <source>%1 cannot be imported: %2%3.</source>
        <translation>%1 kann nicht importiert werden: %2%3.</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Datei öffnen</translation>
    </message>
</context>
<context>
    <name>FindSetsWindow</name>
    <message>
        <source>Find Level Sets</source>
        <translation>Levelsammlungen finden</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Autor</translation>
    </message>
    <message>
        <source>Levels</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Schwierigkeit</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Spiele</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Bestes</translation>
    </message>
    <message>
        <source>About as hard as this level of the game&apos;s own set</source>
        <translation>Etwa so schwer wie dieses Level der Sammlung des Spiels</translation>
    </message>
    <message>
        <source>Published level sets</source>
        <translation>Veröffentlichte Levelsammlungen</translation>
    </message>
    <message>
        <source>Enter or a double-click plays the set of a row</source>
        <translation>Eingabe oder ein Doppelklick spielt die Sammlung einer Zeile</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>What the set&apos;s author says of it</source>
        <translation>Was der Autor über die Sammlung sagt</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Zustand</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Spielen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>No world table is set up: enter its address under Game &gt; World Table..., as the README&apos;s section &quot;The world table&quot; describes.</source>
        <translation>Keine Weltrangliste eingerichtet: gib ihre Adresse unter Spiel &gt; Weltrangliste... ein, wie es der Abschnitt &quot;The world table&quot; der README beschreibt.</translation>
    </message>
    <message>
        <source>Asking the table...</source>
        <translation>Frage die Weltrangliste...</translation>
    </message>
    <message>
        <source>Author %1</source>
        <translation>Autor %1</translation>
    </message>
    <message>
        <source>Levels %1</source>
        <translation>Level %1</translation>
    </message>
    <message>
        <source>About as hard as level %1</source>
        <translation>Etwa so schwer wie Level %1</translation>
    </message>
    <message>
        <source>Difficulty not known</source>
        <translation>Schwierigkeit unbekannt</translation>
    </message>
    <message>
        <source>Games %1</source>
        <translation>Spiele %1</translation>
    </message>
    <message>
        <source>Best score %1</source>
        <translation>Meiste Punkte %1</translation>
    </message>
    <message>
        <source>No set is published yet.</source>
        <translation>Noch ist keine Sammlung veröffentlicht.</translation>
    </message>
    <message>
        <source>Enter or Play imports the set chosen and plays it.</source>
        <translation>Eingabe oder Spielen importiert die gewählte Sammlung und spielt sie.</translation>
    </message>
    <message>
        <source>Fetching the set...</source>
        <translation>Lade die Sammlung...</translation>
    </message>
</context>
<context>
    <name>GameOverDialog</name>
    <message>
        <source>Game Over</source>
        <translation>Spielende</translation>
    </message>
    <message>
        <source>Game Over!</source>
        <translation>Spiel vorbei!</translation>
    </message>
    <message>
        <source>Your Score:</source>
        <translation>Deine Punkte:</translation>
    </message>
    <message>
        <source>New High Score!</source>
        <translation>Neuer Rekord!</translation>
    </message>
    <message>
        <source>Write your name:</source>
        <translation>Schreib deinen Namen:</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Eintragen</translation>
    </message>
    <message>
        <source>OR type your name:</source>
        <translation>ODER tipp deinen Namen:</translation>
    </message>
    <message>
        <source>Alas, you did not score in the top ten.</source>
        <translation>Leider nicht unter den besten Zehn.</translation>
    </message>
    <message>
        <source>Bummer</source>
        <translation>Schade</translation>
    </message>
    <message>
        <source>Your score could not be saved in %1.</source>
        <translation>Deine Punkte konnten nicht in %1 gespeichert werden.</translation>
    </message>
    <message>
        <source>Your Score</source>
        <translation>Deine Punkte</translation>
    </message>
    <message>
        <source>New High Score</source>
        <translation>Neuer Rekord</translation>
    </message>
    <message>
        <source>Handwritten name</source>
        <translation>Handgeschriebener Name</translation>
    </message>
    <message>
        <source>Write your name here with a pen or the mouse</source>
        <translation>Schreib hier deinen Namen mit einem Stift oder der Maus</translation>
    </message>
    <message>
        <source>Wipes out the handwritten name</source>
        <translation>Löscht den handgeschriebenen Namen</translation>
    </message>
    <message>
        <source>Submit handwritten name</source>
        <translation>Handgeschriebenen Namen eintragen</translation>
    </message>
    <message>
        <source>Typed name</source>
        <translation>Getippter Name</translation>
    </message>
    <message>
        <source>Submit typed name</source>
        <translation>Getippten Namen eintragen</translation>
    </message>
    <message>
        <source>Not in the top ten</source>
        <translation>Nicht unter den besten Zehn</translation>
    </message>
</context>
<context>
    <name>GameWindowAdapter</name>
    <message>
        <source>Abort Pondrake</source>
        <translation>Pondrake abbrechen</translation>
    </message>
    <message>
        <source>Abort current game?</source>
        <translation>Laufendes Spiel abbrechen?</translation>
    </message>
    <message>
        <source>Level Editor</source>
        <translation>Level-Editor</translation>
    </message>
    <message>
        <source>This will abort your current game.  Continue?</source>
        <translation>Damit brichst du dein laufendes Spiel ab. Weiter?</translation>
    </message>
    <message numerus="yes">
        <source>%n turtle(s) saved</source>
        <translation>
            <numerusform>%n Schildkröte gerettet</numerusform>
            <numerusform>%n Schildkröten gerettet</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n turtle(s) lost</source>
        <translation>
            <numerusform>%n Schildkröte verloren</numerusform>
            <numerusform>%n Schildkröten verloren</numerusform>
        </translation>
    </message>
    <message>
        <source>Level %1 over. Saved: %2, lost: %3.</source>
        <translation>Level %1 vorbei. Gerettet: %2, verloren: %3.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Pondrake Help</source>
        <translation>Pondrake-Hilfe</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>No help here</source>
        <translation>Keine Hilfe vorhanden</translation>
    </message>
    <message>
        <source>The help page %1 is missing from the program&apos;s folder. Installing the game again brings it back.</source>
        <translation>Die Hilfeseite %1 fehlt im Programmordner. Wenn du das Spiel neu installierst, ist sie wieder da.</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>Hilfeseite</translation>
    </message>
</context>
<context>
    <name>KeptGame</name>
    <message>
        <source>The level set of the kept game, %1, is not there any more.</source>
        <translation>Die Levelsammlung des gespeicherten Spiels, %1, gibt es nicht mehr.</translation>
    </message>
    <message>
        <source>Level %1 of the kept game is not there any more.</source>
        <translation>Level %1 des gespeicherten Spiels gibt es nicht mehr.</translation>
    </message>
    <message>
        <source>Level %1 of the kept game has been changed since.</source>
        <translation>Level %1 des gespeicherten Spiels wurde seitdem geändert.</translation>
    </message>
</context>
<context>
    <name>LanguageDialog</name>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>System (%1)</source>
        <translation>System (%1)</translation>
    </message>
    <message>
        <source>The game speaks the language chosen here when it is started again.</source>
        <translation>Die hier gewählte Sprache gilt ab dem nächsten Start des Spiels.</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Sprachen</translation>
    </message>
    <message>
        <source>The language the game speaks from its next start</source>
        <translation>Die Sprache, die das Spiel ab seinem nächsten Start spricht</translation>
    </message>
</context>
<context>
    <name>LevelCheck</name>
    <message>
        <source>Cannot be played: the bonus lies outside -32768 to 32767</source>
        <translation>Nicht spielbar: Der Bonus liegt außerhalb von -32768 bis 32767</translation>
    </message>
    <message>
        <source>Cannot be played: the turtle period lies outside -32768 to 32767</source>
        <translation>Nicht spielbar: Der Schildkrötentakt liegt außerhalb von -32768 bis 32767</translation>
    </message>
    <message>
        <source>Cannot be played: the dog period lies outside -32768 to 32767</source>
        <translation>Nicht spielbar: Der Hundetakt liegt außerhalb von -32768 bis 32767</translation>
    </message>
    <message>
        <source>Cannot be passed: too few turtles can reach water</source>
        <translation>Nicht zu schaffen: Zu wenige Schildkröten können das Wasser erreichen</translation>
    </message>
    <message>
        <source>Too hard for the computer player</source>
        <translation>Zu schwer für den Computerspieler</translation>
    </message>
    <message>
        <source>Plays itself</source>
        <translation>Spielt sich von selbst</translation>
    </message>
    <message>
        <source>Fair</source>
        <translation>Fair</translation>
    </message>
</context>
<context>
    <name>LevelDialogs</name>
    <message>
        <source>Save Level</source>
        <translation>Level speichern</translation>
    </message>
    <message>
        <source>%1 is the table of high scores, not a level: a level is never saved over it. Choose another name.</source>
        <translation>%1 ist die Bestenliste, kein Level: Ein Level wird nie darüber gespeichert. Wähle einen anderen Namen.</translation>
    </message>
    <message>
        <source>Music File</source>
        <translation>Musikdatei</translation>
    </message>
    <message>
        <source>Open Level</source>
        <translation>Level öffnen</translation>
    </message>
    <message>
        <source>Level files (*.txt)</source>
        <translation>Level-Dateien (*.txt)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>The level file %1 could not be opened. The board and the settings are as they were.</source>
        <translation>Die Level-Datei %1 konnte nicht geöffnet werden. Spielfeld und Einstellungen sind unverändert.</translation>
    </message>
    <message>
        <source>The level file %1 stops early: it could not be read at line %2. What came before that line was opened; the rest of the board and the settings are as they were.</source>
        <translation>Die Level-Datei %1 endet zu früh: Zeile %2 konnte nicht gelesen werden. Alles davor wurde geöffnet; der Rest des Spielfelds und die Einstellungen sind unverändert.</translation>
    </message>
    <message>
        <source>The level could not be saved as %1. Nothing was written: a file that was there is as it was.</source>
        <translation>Das Level konnte nicht als %1 gespeichert werden. Es wurde nichts geschrieben: Eine vorhandene Datei ist unverändert.</translation>
    </message>
</context>
<context>
    <name>LevelDocument</name>
    <message>
        <source>Open Level</source>
        <translation>Level öffnen</translation>
    </message>
</context>
<context>
    <name>LevelOverWindow</name>
    <message>
        <source>Level %1 Over!</source>
        <translation>Level %1 vorbei!</translation>
    </message>
    <message>
        <source>Turtles saved this level:</source>
        <translation>In diesem Level gerettet:</translation>
    </message>
    <message>
        <source>Turtles lost this level:</source>
        <translation>In diesem Level verloren:</translation>
    </message>
    <message>
        <source>Replay Level - You must save at least half of the turtles to advance.</source>
        <translation>Level wiederholen – Rette mindestens die Hälfte der Schildkröten, um weiterzukommen.</translation>
    </message>
    <message>
        <source>Level Over</source>
        <translation>Level vorbei</translation>
    </message>
    <message>
        <source>Turtles saved this level</source>
        <translation>In diesem Level gerettete Schildkröten</translation>
    </message>
    <message>
        <source>Turtles lost this level</source>
        <translation>In diesem Level verlorene Schildkröten</translation>
    </message>
</context>
<context>
    <name>LevelSet</name>
    <message>
        <source>The folder %1 is not there.</source>
        <translation>Den Ordner %1 gibt es nicht.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be read.</source>
        <translation>Der Ordner %1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The folder %1 holds no level1.txt, so it is no level set: a set is a folder of level1.txt, level2.txt and so on.</source>
        <translation>Der Ordner %1 enthält keine level1.txt und ist daher keine Levelsammlung: Eine Sammlung ist ein Ordner mit level1.txt, level2.txt und so weiter.</translation>
    </message>
    <message>
        <source>Pondrake Levels</source>
        <translation>Pondrake-Level</translation>
    </message>
    <message>
        <source>My Levels</source>
        <translation>Meine Level</translation>
    </message>
</context>
<context>
    <name>LevelSetDialog</name>
    <message>
        <source>Level Set</source>
        <translation>Levelsammlung</translation>
    </message>
    <message>
        <source>Other &amp;Folder...</source>
        <translation>Anderer O&amp;rdner...</translation>
    </message>
    <message>
        <source>Other Folder</source>
        <translation>Anderer Ordner</translation>
    </message>
    <message>
        <source>Level Sets</source>
        <translation>Levelsammlungen</translation>
    </message>
    <message>
        <source>The level sets to play: the shipped one, your own and others</source>
        <translation>Die Levelsammlungen zum Spielen: die mitgelieferte, deine eigene und andere</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Exportieren...</translation>
    </message>
    <message numerus="yes">
        <source>%Ln levels</source>
        <translation>
            <numerusform>%Ln Level</numerusform>
            <numerusform>%Ln Level</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Look</name>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>Bonus</translation>
    </message>
    <message>
        <source>Turtles Saved</source>
        <translation>Gerettete Schildkröten</translation>
    </message>
    <message>
        <source>Turtles Lost</source>
        <translation>Verlorene Schildkröten</translation>
    </message>
    <message>
        <source>GO!</source>
        <translation>LOS!</translation>
    </message>
    <message>
        <source>Bonus seconds</source>
        <translation>Bonussekunden</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Abort Game</source>
        <translation>Spiel abbrechen</translation>
    </message>
    <message>
        <source>Replay Level</source>
        <translation>Level wiederholen</translation>
    </message>
    <message>
        <source>Countdown</source>
        <translation>Countdown</translation>
    </message>
    <message>
        <source>Fast Forward</source>
        <translation>Schnellvorlauf</translation>
    </message>
    <message>
        <source>The game runs at twice its speed</source>
        <translation>Das Spiel läuft doppelt so schnell</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Neues Spiel</translation>
    </message>
    <message>
        <source>&amp;Continue Game</source>
        <translation>Spiel &amp;fortsetzen</translation>
    </message>
    <message>
        <source>Level &amp;Set...</source>
        <translation>Level&amp;sammlung...</translation>
    </message>
    <message>
        <source>&amp;Import Level Set...</source>
        <translation>Levelsammlung &amp;importieren...</translation>
    </message>
    <message>
        <source>&amp;Language...</source>
        <translation>Sp&amp;rache...</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>&amp;Abort Game</source>
        <translation>Spiel &amp;abbrechen</translation>
    </message>
    <message>
        <source>&amp;Replay Level</source>
        <translation>Level &amp;wiederholen</translation>
    </message>
    <message>
        <source>&amp;High Scores</source>
        <translation>&amp;Bestenliste</translation>
    </message>
    <message>
        <source>&amp;Watch Last Game</source>
        <translation>&amp;Letztes Spiel ansehen</translation>
    </message>
    <message>
        <source>World &amp;Table...</source>
        <translation>Weltran&amp;gliste...</translation>
    </message>
    <message>
        <source>W&amp;orld Top Ten</source>
        <translation>Beste &amp;Zehn der Welt</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>B&amp;eenden</translation>
    </message>
    <message>
        <source>Music Auto-Play</source>
        <translation>Musik automatisch abspielen</translation>
    </message>
    <message>
        <source>&amp;Level Editor</source>
        <translation>Level-&amp;Editor</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Anleitung</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über Pondrake</translation>
    </message>
    <message>
        <source>&amp;Find Level Sets...</source>
        <translation>Levelsammlungen fin&amp;den...</translation>
    </message>
    <message>
        <source>%1x</source>
        <translation>%1×</translation>
    </message>
</context>
<context>
    <name>PublishCommand</name>
    <message>
        <source>Publish Set</source>
        <translation>Sammlung veröffentlichen</translation>
    </message>
    <message>
        <source>No world table is set up: enter its address in the game under Game &gt; World Table...</source>
        <translation>Keine Weltrangliste eingerichtet: gib ihre Adresse im Spiel unter Spiel &gt; Weltrangliste... ein</translation>
    </message>
    <message>
        <source>The set cannot be published: %1.</source>
        <translation>Die Sammlung kann nicht veröffentlicht werden: %1.</translation>
    </message>
    <message>
        <source>Publish the levels of %1 on the world table at %2?</source>
        <translation>Die Level aus %1 auf der Weltrangliste unter %2 veröffentlichen?</translation>
    </message>
    <message>
        <source>Levels: %1</source>
        <translation>Level: %1</translation>
    </message>
    <message>
        <source>Name: %1</source>
        <translation>Name: %1</translation>
    </message>
    <message>
        <source>Author: %1</source>
        <translation>Autor: %1</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keiner)</translation>
    </message>
    <message>
        <source>Everyone who uses the table can then download and play these levels.</source>
        <translation>Alle, die die Weltrangliste nutzen, können diese Level dann herunterladen und spielen.</translation>
    </message>
    <message>
        <source>Sending the set...</source>
        <translation>Sende die Sammlung...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Published: %1</source>
        <translation>Veröffentlicht: %1</translation>
    </message>
    <message>
        <source>Warnings:</source>
        <translation>Warnungen:</translation>
    </message>
    <message>
        <source>The world table did not publish the set: %1</source>
        <translation>Die Weltrangliste hat die Sammlung nicht veröffentlicht: %1</translation>
    </message>
    <message>
        <source>Open such a level and use File &gt; Check Level to see how the computer player fares.</source>
        <translation>Öffne ein solches Level und prüfe mit Datei &gt; Level prüfen, wie es dem Computerspieler ergeht.</translation>
    </message>
    <message>
        <source>The world table has not finished judging the set; it is published if it passes. Look for it later under Game &gt; Find Level Sets... in the game.</source>
        <translation>Die Weltrangliste hat die Sammlung noch nicht fertig geprüft; sie wird veröffentlicht, wenn sie besteht. Suche sie später im Spiel unter Spiel &gt; Levelsammlungen finden...</translation>
    </message>
    <message numerus="yes">
        <source>The table&apos;s judges play the levels: %Ln of %1 judged.</source>
        <translation>
            <numerusform>Die Prüfer der Weltrangliste spielen die Level: %Ln von %1 geprüft.</numerusform>
            <numerusform>Die Prüfer der Weltrangliste spielen die Level: %Ln von %1 geprüft.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RecordingPlayer</name>
    <message>
        <source>the countdown timer fired, but it was stopped</source>
        <translation>der Countdown-Timer löste aus, war aber angehalten</translation>
    </message>
    <message>
        <source>the bonus timer fired, but it was stopped</source>
        <translation>der Bonus-Timer löste aus, war aber angehalten</translation>
    </message>
    <message>
        <source>the turtle timer fired, but it was stopped</source>
        <translation>der Schildkröten-Timer löste aus, war aber angehalten</translation>
    </message>
    <message>
        <source>the dog timer fired, but it was stopped</source>
        <translation>der Hunde-Timer löste aus, war aber angehalten</translation>
    </message>
    <message>
        <source>at %1 ms the countdown timer fires, where the file has no such firing</source>
        <translation>bei %1 ms löst der Countdown-Timer aus, wo die Datei kein solches Auslösen hat</translation>
    </message>
    <message>
        <source>at %1 ms the bonus timer fires, where the file has no such firing</source>
        <translation>bei %1 ms löst der Bonus-Timer aus, wo die Datei kein solches Auslösen hat</translation>
    </message>
    <message>
        <source>at %1 ms the turtle timer fires, where the file has no such firing</source>
        <translation>bei %1 ms löst der Schildkröten-Timer aus, wo die Datei kein solches Auslösen hat</translation>
    </message>
    <message>
        <source>at %1 ms the dog timer fires, where the file has no such firing</source>
        <translation>bei %1 ms löst der Hunde-Timer aus, wo die Datei kein solches Auslösen hat</translation>
    </message>
    <message>
        <source>at %1 ms the file has the countdown timer fire, where the clock fires none</source>
        <translation>bei %1 ms lässt die Datei den Countdown-Timer auslösen, wo die Uhr keinen auslöst</translation>
    </message>
    <message>
        <source>at %1 ms the file has the bonus timer fire, where the clock fires none</source>
        <translation>bei %1 ms lässt die Datei den Bonus-Timer auslösen, wo die Uhr keinen auslöst</translation>
    </message>
    <message>
        <source>at %1 ms the file has the turtle timer fire, where the clock fires none</source>
        <translation>bei %1 ms lässt die Datei den Schildkröten-Timer auslösen, wo die Uhr keinen auslöst</translation>
    </message>
    <message>
        <source>at %1 ms the file has the dog timer fire, where the clock fires none</source>
        <translation>bei %1 ms lässt die Datei den Hunde-Timer auslösen, wo die Uhr keinen auslöst</translation>
    </message>
    <message>
        <source>Level %1 is not the level %1 that the replay carries</source>
        <translation>Level %1 ist nicht das Level %1, das die Aufzeichnung enthält</translation>
    </message>
    <message>
        <source>Level %1 has changed since this game was played</source>
        <translation>Level %1 hat sich geändert, seit dieses Spiel gespielt wurde</translation>
    </message>
    <message>
        <source>Level %1 needs the file %2 with the SHA-256 %3, which cannot be found</source>
        <translation>Level %1 braucht die Datei %2 mit dem SHA-256 %3, die nicht zu finden ist</translation>
    </message>
    <message>
        <source>an answer to a question the game did not ask</source>
        <translation>eine Antwort auf eine Frage, die das Spiel nicht gestellt hat</translation>
    </message>
    <message>
        <source>a window closed that the game did not open</source>
        <translation>ein Fenster wurde geschlossen, das das Spiel nicht geöffnet hat</translation>
    </message>
    <message>
        <source>an input the game did not take here</source>
        <translation>eine Eingabe, die das Spiel hier nicht angenommen hat</translation>
    </message>
    <message>
        <source>the game went on where level %1 ended</source>
        <translation>das Spiel ging weiter, wo Level %1 endete</translation>
    </message>
    <message numerus="yes">
        <source>the game ends on %n points, not %1</source>
        <translation>
            <numerusform>das Spiel endet mit %n Punkt, nicht mit %1</numerusform>
            <numerusform>das Spiel endet mit %n Punkten, nicht mit %1</numerusform>
        </translation>
    </message>
    <message>
        <source>the game went on while its window was open</source>
        <translation>das Spiel ging weiter, während sein Fenster offen war</translation>
    </message>
    <message>
        <source>the game went on in a later sitting while one of its windows was open</source>
        <translation>das Spiel ging in einer späteren Sitzung weiter, während eines seiner Fenster offen war</translation>
    </message>
    <message>
        <source>the game went on in a later sitting, but the rules kept no level to go on from</source>
        <translation>das Spiel ging in einer späteren Sitzung weiter, aber die Regeln haben kein Level zum Weiterspielen behalten</translation>
    </message>
    <message>
        <source>the game reached level %1, which the replay never played</source>
        <translation>das Spiel erreichte Level %1, das die Aufzeichnung nie gespielt hat</translation>
    </message>
    <message>
        <source>the game ended here, where it went on</source>
        <translation>das Spiel endete hier, wo es weiterging</translation>
    </message>
    <message>
        <source>Level %1 passed. Saved: %2, lost: %3</source>
        <translation>Level %1 geschafft. Gerettet: %2, verloren: %3</translation>
    </message>
    <message>
        <source>Level %1 failed. Saved: %2, lost: %3</source>
        <translation>Level %1 nicht geschafft. Gerettet: %2, verloren: %3</translation>
    </message>
    <message>
        <source>Game over. Score: %1</source>
        <translation>Spielende. Punkte: %1</translation>
    </message>
    <message>
        <source>the game went on in a later sitting from another level than the rules kept: a replay of level %1 (score: %2, saved: %3, lost: %4)</source>
        <translation>das Spiel ging in einer späteren Sitzung von einem anderen Level weiter, als die Regeln behalten hatten: Level %1 zum Wiederholen (Punkte: %2, gerettet: %3, verloren: %4)</translation>
    </message>
    <message>
        <source>the game went on in a later sitting from another level than the rules kept: level %1 (score: %2, saved: %3, lost: %4)</source>
        <translation>das Spiel ging in einer späteren Sitzung von einem anderen Level weiter, als die Regeln behalten hatten: Level %1 (Punkte: %2, gerettet: %3, verloren: %4)</translation>
    </message>
    <message>
        <source>Level %1 passed here (saved: %2, lost: %3), where the game went on</source>
        <translation>Level %1 hier geschafft (gerettet: %2, verloren: %3), wo das Spiel weiterging</translation>
    </message>
    <message>
        <source>Level %1 failed here (saved: %2, lost: %3), where the game went on</source>
        <translation>Level %1 hier nicht geschafft (gerettet: %2, verloren: %3), wo das Spiel weiterging</translation>
    </message>
    <message>
        <source>Level %1 passed (saved: %2, lost: %3, score: %4), where the game showed another end</source>
        <translation>Level %1 geschafft (gerettet: %2, verloren: %3, Punkte: %4), wo das Spiel ein anderes Ende zeigte</translation>
    </message>
    <message>
        <source>Level %1 failed (saved: %2, lost: %3, score: %4), where the game showed another end</source>
        <translation>Level %1 nicht geschafft (gerettet: %2, verloren: %3, Punkte: %4), wo das Spiel ein anderes Ende zeigte</translation>
    </message>
</context>
<context>
    <name>RecordingSave</name>
    <message>
        <source>Save Replay</source>
        <translation>Aufzeichnung speichern</translation>
    </message>
    <message>
        <source>This game cannot be saved with its levels: %1.</source>
        <translation>Dieses Spiel kann nicht mit seinen Leveln gespeichert werden: %1.</translation>
    </message>
    <message>
        <source>Replays (*.replay)</source>
        <translation>Aufzeichnungen (*.replay)</translation>
    </message>
    <message>
        <source>The replay could not be written to %1.</source>
        <translation>Die Aufzeichnung konnte nicht nach %1 geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>RecordingWindow</name>
    <message>
        <source>Replay</source>
        <translation>Aufzeichnung</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Schritt</translation>
    </message>
    <message>
        <source>One tick (period key)</source>
        <translation>Ein Takt (Punkt-Taste)</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Anfang</translation>
    </message>
    <message>
        <source>There is no game to watch yet.</source>
        <translation>Es gibt noch kein Spiel zum Ansehen.</translation>
    </message>
    <message>
        <source>This game cannot be watched: %1 (line %2).</source>
        <translation>Dieses Spiel kann nicht angesehen werden: %1 (Zeile %2).</translation>
    </message>
    <message>
        <source>This game cannot be watched: %1.</source>
        <translation>Dieses Spiel kann nicht angesehen werden: %1.</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>The game went another way here: %1</source>
        <translation>Hier verlief das Spiel anders: %1</translation>
    </message>
    <message>
        <source>Countdown</source>
        <translation>Countdown</translation>
    </message>
    <message>
        <source>What happened</source>
        <translation>Was geschah</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Plays the game or holds it (Space)</source>
        <translation>Spielt das Spiel ab oder hält es an (Leertaste)</translation>
    </message>
    <message>
        <source>Speed %1x</source>
        <translation>Tempo %1x</translation>
    </message>
    <message>
        <source>Game time</source>
        <translation>Spielzeit</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Speichern unter...</translation>
    </message>
    <message>
        <source>An earlier version recorded this game: it plays as recorded, without the check of when its timers fire.</source>
        <translation>Eine frühere Version hat dieses Spiel aufgezeichnet: Es läuft wie aufgezeichnet, ohne Prüfung, wann seine Zeitgeber auslösen.</translation>
    </message>
    <message>
        <source>%1x</source>
        <translation>%1×</translation>
    </message>
    <message>
        <source>Key %1</source>
        <translation>Taste %1</translation>
    </message>
    <message>
        <source>Goes back to the start of the game (Home)</source>
        <translation>Geht zurück zum Anfang des Spiels (Pos1)</translation>
    </message>
    <message>
        <source>Saves the game with its levels in one file (Ctrl+S)</source>
        <translation>Speichert das Spiel mit seinen Leveln in einer Datei (Strg+S)</translation>
    </message>
    <message>
        <source>Moves to a moment of the game: the arrows by a second, Page Up and Page Down by ten</source>
        <translation>Springt zu einem Moment des Spiels: die Pfeiltasten um eine Sekunde, Bild auf und Bild ab um zehn</translation>
    </message>
</context>
<context>
    <name>ReplayFile</name>
    <message>
        <source>this event takes nothing after its word</source>
        <translation>auf das Wort dieses Ereignisses folgt nichts</translation>
    </message>
    <message>
        <source>a timer is countdown, bonus, turtle or dog</source>
        <translation>ein Timer ist countdown, bonus, turtle oder dog</translation>
    </message>
    <message>
        <source>a board position is two hexadecimal floating-point numbers</source>
        <translation>eine Position auf dem Spielfeld besteht aus zwei hexadezimalen Gleitkommazahlen</translation>
    </message>
    <message>
        <source>an answer is yes or no</source>
        <translation>eine Antwort ist yes oder no</translation>
    </message>
    <message>
        <source>a level&apos;s end is its number, passed or failed, saved, lost and the score</source>
        <translation>das Ende eines Levels besteht aus seiner Nummer, passed oder failed, gerettet, verloren und den Punkten</translation>
    </message>
    <message>
        <source>the game&apos;s end is its final score</source>
        <translation>das Spielende sind seine Punkte am Ende</translation>
    </message>
    <message>
        <source>unknown arguments</source>
        <translation>unbekannte Angaben</translation>
    </message>
    <message>
        <source>unknown event</source>
        <translation>unbekanntes Ereignis</translation>
    </message>
    <message>
        <source>the file ends before the game&apos;s final score: it is cut short</source>
        <translation>die Datei endet vor den Punkten am Ende des Spiels: Sie ist abgeschnitten</translation>
    </message>
    <message>
        <source>this is no replay file</source>
        <translation>das ist keine Aufzeichnungsdatei</translation>
    </message>
    <message>
        <source>the replay&apos;s version is no number</source>
        <translation>die Version der Aufzeichnung ist keine Zahl</translation>
    </message>
    <message>
        <source>this replay was made by a newer version of the game</source>
        <translation>diese Aufzeichnung stammt von einer neueren Version des Spiels</translation>
    </message>
    <message>
        <source>a line of the replay&apos;s header holds a control character</source>
        <translation>eine Zeile im Kopf der Aufzeichnung enthält ein Steuerzeichen</translation>
    </message>
    <message>
        <source>a line of the replay&apos;s header is not UTF-8 text</source>
        <translation>eine Zeile im Kopf der Aufzeichnung ist kein UTF-8-Text</translation>
    </message>
    <message>
        <source>the seed is a whole number</source>
        <translation>der Startwert ist eine ganze Zahl</translation>
    </message>
    <message>
        <source>unknown line in the replay&apos;s header</source>
        <translation>unbekannte Zeile im Kopf der Aufzeichnung</translation>
    </message>
    <message>
        <source>the replay has no seed</source>
        <translation>die Aufzeichnung hat keinen Startwert</translation>
    </message>
    <message>
        <source>a game&apos;s start is its level, score, saved, lost and fresh or replay</source>
        <translation>der Start eines Spiels besteht aus Level, Punkten, gerettet, verloren und fresh oder replay</translation>
    </message>
    <message>
        <source>a level is its number, the SHA-256 of its file and the file&apos;s name</source>
        <translation>ein Level besteht aus seiner Nummer, dem SHA-256 seiner Datei und dem Dateinamen</translation>
    </message>
    <message>
        <source>level %1 is named twice</source>
        <translation>Level %1 ist zweimal genannt</translation>
    </message>
    <message>
        <source>the line is too long</source>
        <translation>die Zeile ist zu lang</translation>
    </message>
    <message>
        <source>the replay holds more events than a game can</source>
        <translation>die Aufzeichnung enthält mehr Ereignisse, als ein Spiel haben kann</translation>
    </message>
    <message>
        <source>events follow the game&apos;s end</source>
        <translation>nach dem Spielende folgen noch Ereignisse</translation>
    </message>
    <message>
        <source>an event is its time in milliseconds and its word</source>
        <translation>ein Ereignis besteht aus seiner Zeit in Millisekunden und seinem Wort</translation>
    </message>
    <message>
        <source>the time goes back</source>
        <translation>die Zeit läuft rückwärts</translation>
    </message>
    <message>
        <source>a replay holds one game: New Game comes first and only once</source>
        <translation>eine Aufzeichnung enthält ein Spiel: Neues Spiel kommt zuerst und nur einmal</translation>
    </message>
    <message>
        <source>the game must start with New Game</source>
        <translation>das Spiel muss mit Neues Spiel beginnen</translation>
    </message>
    <message>
        <source>a game with a start in its header begins with continue</source>
        <translation>ein Spiel mit einem Start im Kopf beginnt mit continue</translation>
    </message>
    <message>
        <source>a game continued needs its start in the header</source>
        <translation>ein fortgesetztes Spiel braucht seinen Start im Kopf</translation>
    </message>
    <message>
        <source>the replay cannot be read</source>
        <translation>die Aufzeichnung kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>the replay is larger than any game makes</source>
        <translation>die Aufzeichnung ist größer als jedes Spiel</translation>
    </message>
    <message>
        <source>a later sitting is its seed, then the level, score, saved, lost and fresh or replay it went on from</source>
        <translation>eine spätere Sitzung besteht aus ihrem Startwert, dann Level, Punkten, gerettet, verloren und fresh oder replay, wo sie weiterging</translation>
    </message>
    <message>
        <source>the replay names its set but carries none of its levels</source>
        <translation>die Aufzeichnung nennt ihre Sammlung, enthält aber keines ihrer Level</translation>
    </message>
    <message>
        <source>the set&apos;s levels follow its name and come before the levels played</source>
        <translation>die Level der Sammlung folgen auf ihren Namen und stehen vor den gespielten Leveln</translation>
    </message>
    <message>
        <source>level %1 is not the level %1 that the replay carries</source>
        <translation>Level %1 ist nicht das Level %1, das die Aufzeichnung enthält</translation>
    </message>
    <message>
        <source>Level %1 is not in the set any more</source>
        <translation>Level %1 ist nicht mehr in der Sammlung</translation>
    </message>
    <message>
        <source>Level %1 has changed since this game was played</source>
        <translation>Level %1 hat sich geändert, seit dieses Spiel gespielt wurde</translation>
    </message>
</context>
<context>
    <name>SelfContained</name>
    <message>
        <source>the set has changed since this game was played</source>
        <translation>die Sammlung hat sich geändert, seit dieses Spiel gespielt wurde</translation>
    </message>
    <message>
        <source>the game does not play to its end</source>
        <translation>das Spiel läuft nicht bis zu seinem Ende</translation>
    </message>
</context>
<context>
    <name>SetExport</name>
    <message>
        <source>Export Level Set</source>
        <translation>Levelsammlung exportieren</translation>
    </message>
    <message>
        <source>The set cannot be exported: %1.</source>
        <translation>Die Sammlung kann nicht exportiert werden: %1.</translation>
    </message>
    <message>
        <source>Level sets (*.pondrake)</source>
        <translation>Levelsammlungen (*.pondrake)</translation>
    </message>
    <message>
        <source>The set could not be written to %1.</source>
        <translation>Die Sammlung konnte nicht nach %1 geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>SetFile</name>
    <message>
        <source>this is no level set file</source>
        <translation>das ist keine Levelsammlungsdatei</translation>
    </message>
    <message>
        <source>this set was made by a newer version of the game</source>
        <translation>diese Sammlung stammt von einer neueren Version des Spiels</translation>
    </message>
    <message>
        <source>only levels follow the first level</source>
        <translation>auf das erste Level folgen nur noch Level</translation>
    </message>
    <message>
        <source>a line of the set&apos;s header is too long, not UTF-8 text or holds a control character</source>
        <translation>eine Zeile im Kopf der Sammlung ist zu lang, kein UTF-8-Text oder enthält ein Steuerzeichen</translation>
    </message>
    <message>
        <source>unknown line in the set&apos;s header</source>
        <translation>unbekannte Zeile im Kopf der Sammlung</translation>
    </message>
    <message>
        <source>the set has no name</source>
        <translation>die Sammlung hat keinen Namen</translation>
    </message>
    <message>
        <source>the set holds no level</source>
        <translation>die Sammlung enthält kein Level</translation>
    </message>
    <message>
        <source>the file is larger than a level set can be</source>
        <translation>die Datei ist größer, als eine Levelsammlung sein kann</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>die Datei kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>a set&apos;s name is not empty</source>
        <translation>der Name einer Sammlung ist nicht leer</translation>
    </message>
    <message numerus="yes">
        <source>a set&apos;s name is at most %n characters long</source>
        <translation>
            <numerusform>der Name einer Sammlung ist höchstens %n Zeichen lang</numerusform>
            <numerusform>der Name einer Sammlung ist höchstens %n Zeichen lang</numerusform>
        </translation>
    </message>
    <message>
        <source>a set&apos;s name holds no control character</source>
        <translation>der Name einer Sammlung enthält kein Steuerzeichen</translation>
    </message>
    <message numerus="yes">
        <source>a set holds at most %n levels</source>
        <translation>
            <numerusform>eine Sammlung enthält höchstens %n Level</numerusform>
            <numerusform>eine Sammlung enthält höchstens %n Level</numerusform>
        </translation>
    </message>
    <message>
        <source>level %1 is larger than a level can be (%2 KiB)</source>
        <translation>Level %1 ist größer, als ein Level sein kann (%2 KiB)</translation>
    </message>
    <message>
        <source>level %1 is not Base64 text</source>
        <translation>Level %1 ist kein Base64-Text</translation>
    </message>
    <message>
        <source>the levels together are larger than a set can be (%1 MiB)</source>
        <translation>die Level zusammen sind größer, als eine Sammlung sein kann (%1 MiB)</translation>
    </message>
    <message>
        <source>level %1 cannot be read as a level: it stops at line %2</source>
        <translation>Level %1 kann nicht als Level gelesen werden: Es bricht in Zeile %2 ab</translation>
    </message>
</context>
<context>
    <name>SetImport</name>
    <message>
        <source>level %1 cannot be read</source>
        <translation>Level %1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>There is no folder to keep level sets in.</source>
        <translation>Es gibt keinen Ordner, in dem Levelsammlungen aufbewahrt werden können.</translation>
    </message>
    <message>
        <source>The set could not be written into %1.</source>
        <translation>Die Sammlung konnte nicht in %1 geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>SetsController</name>
    <message>
        <source>No game was left unfinished.</source>
        <translation>Kein Spiel ist offen geblieben.</translation>
    </message>
    <message>
        <source>Go on with the game left unfinished</source>
        <translation>Das offene Spiel fortsetzen</translation>
    </message>
    <message>
        <source>Play This Set</source>
        <translation>Diese Sammlung spielen</translation>
    </message>
</context>
<context>
    <name>SetsTable</name>
    <message>
        <source>Level %1: %2</source>
        <translation>Level %1: %2</translation>
    </message>
    <message>
        <source>The set from the world table does not read: %1 (line %2).</source>
        <translation>Die Sammlung von der Weltrangliste lässt sich nicht lesen: %1 (Zeile %2).</translation>
    </message>
    <message>
        <source>The world table sent other levels than those of the set listed, so nothing was imported.</source>
        <translation>Die Weltrangliste hat andere Level geschickt als die der gezeigten Sammlung, daher wurde nichts importiert.</translation>
    </message>
</context>
<context>
    <name>SettingsPanel</name>
    <message>
        <source>Test Level</source>
        <translation>Level testen</translation>
    </message>
    <message>
        <source>Selected Item</source>
        <translation>Gewähltes Teil</translation>
    </message>
    <message>
        <source>Music File:</source>
        <translation>Musikdatei:</translation>
    </message>
    <message>
        <source>Bonus:</source>
        <translation>Bonus:</translation>
    </message>
    <message>
        <source>Turtle/Foot Speed</source>
        <translation>Tempo Schildkröte/Fuß</translation>
    </message>
    <message>
        <source>Dog/Alien Speed</source>
        <translation>Tempo Hund/Alien</translation>
    </message>
    <message>
        <source>Level Settings</source>
        <translation>Level-Einstellungen</translation>
    </message>
    <message>
        <source>Plays the level on the board; End Test brings back the board as it was</source>
        <translation>Spielt das Level auf dem Spielfeld; Test beenden stellt das Spielfeld wieder her, wie es war</translation>
    </message>
    <message>
        <source>Music File</source>
        <translation>Musikdatei</translation>
    </message>
    <message>
        <source>The music played during the level: a file in the audio folder</source>
        <translation>Die Musik, die während des Levels läuft: eine Datei im Ordner audio</translation>
    </message>
    <message>
        <source>Choose Music File</source>
        <translation>Musikdatei wählen</translation>
    </message>
    <message>
        <source>Opens a file dialog to choose the level&apos;s music</source>
        <translation>Öffnet einen Dateidialog, um die Musik des Levels zu wählen</translation>
    </message>
    <message>
        <source>Enter sets the slider to the number typed</source>
        <translation>Eingabe stellt den Schieberegler auf die getippte Zahl</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>Bonus</translation>
    </message>
    <message>
        <source>Bonus seconds at the level&apos;s start, from 10 to 500</source>
        <translation>Bonussekunden zu Beginn des Levels, von 10 bis 500</translation>
    </message>
    <message>
        <source>Bonus seconds</source>
        <translation>Bonussekunden</translation>
    </message>
    <message>
        <source>Turtle and Foot Speed</source>
        <translation>Tempo von Schildkröten und Füßen</translation>
    </message>
    <message>
        <source>Milliseconds between two steps of the turtles and feet, from 50 to 3000</source>
        <translation>Millisekunden zwischen zwei Schritten der Schildkröten und Füße, von 50 bis 3000</translation>
    </message>
    <message>
        <source>Turtle and Foot milliseconds</source>
        <translation>Millisekunden für Schildkröten und Füße</translation>
    </message>
    <message>
        <source>Dog and Alien Speed</source>
        <translation>Tempo von Hunden und Aliens</translation>
    </message>
    <message>
        <source>Milliseconds between two steps of the dogs and aliens, from 50 to 3000</source>
        <translation>Millisekunden zwischen zwei Schritten der Hunde und Aliens, von 50 bis 3000</translation>
    </message>
    <message>
        <source>Dog and Alien milliseconds</source>
        <translation>Millisekunden für Hunde und Aliens</translation>
    </message>
</context>
<context>
    <name>StatusColumn</name>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>Bonus</translation>
    </message>
    <message>
        <source>Turtles Saved</source>
        <translation>Gerettet</translation>
    </message>
    <message>
        <source>Turtles Lost</source>
        <translation>Verloren</translation>
    </message>
    <message>
        <source>Foot Right</source>
        <translation>Fuß nach rechts</translation>
    </message>
    <message>
        <source>Foot Left</source>
        <translation>Fuß nach links</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Wasser</translation>
    </message>
    <message>
        <source>Alien</source>
        <translation>Alien</translation>
    </message>
    <message>
        <source>Blank</source>
        <translation>Leer</translation>
    </message>
    <message>
        <source>Hole</source>
        <translation>Loch</translation>
    </message>
    <message>
        <source>Rocks</source>
        <translation>Felsen</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>Hund</translation>
    </message>
    <message>
        <source>Turtle</source>
        <translation>Schildkröte</translation>
    </message>
    <message>
        <source>Bonus seconds</source>
        <translation>Bonussekunden</translation>
    </message>
    <message>
        <source>A click on the board places: %1</source>
        <translation>Ein Klick auf das Spielfeld setzt: %1</translation>
    </message>
    <message>
        <source>%1 (key %2)</source>
        <translation>%1 (Taste %2)</translation>
    </message>
</context>
<context>
    <name>TopTenWindow</name>
    <message>
        <source>Top Ten Scores</source>
        <translation>Die besten Zehn</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Place %1</source>
        <translation>Platz %1</translation>
    </message>
    <message>
        <source>Score in place %1</source>
        <translation>Punkte auf Platz %1</translation>
    </message>
    <message>
        <source>Name in place %1</source>
        <translation>Name auf Platz %1</translation>
    </message>
    <message>
        <source>Handwritten name in place %1</source>
        <translation>Handgeschriebener Name auf Platz %1</translation>
    </message>
    <message>
        <source>World table</source>
        <translation>Weltrangliste</translation>
    </message>
    <message>
        <source>Anonymous</source>
        <translation>Anonym</translation>
    </message>
    <message>
        <source>Double-click to watch this game, or choose it with the arrows and press Enter</source>
        <translation>Doppelklick zeigt dieses Spiel, ebenso die Eingabetaste, nachdem du es mit den Pfeiltasten gewählt hast</translation>
    </message>
    <message>
        <source>a handwritten name</source>
        <translation>ein handgeschriebener Name</translation>
    </message>
    <message>
        <source>Place %1: %2, %3. Enter watches this game.</source>
        <translation>Platz %1: %2, %3. Die Eingabetaste zeigt dieses Spiel.</translation>
    </message>
</context>
<context>
    <name>UnsavedWork</name>
    <message>
        <source>Level Editor</source>
        <translation>Level-Editor</translation>
    </message>
    <message>
        <source>Save changes to this level?</source>
        <translation>Änderungen an diesem Level speichern?</translation>
    </message>
</context>
<context>
    <name>WebPages</name>
    <message>
        <source>There is no such page.</source>
        <translation>Diese Seite gibt es nicht.</translation>
    </message>
    <message>
        <source>Level sets</source>
        <translation>Levelsammlungen</translation>
    </message>
    <message>
        <source>No game has been sent yet.</source>
        <translation>Bisher wurde noch kein Spiel eingesandt.</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Sammlung</translation>
    </message>
    <message>
        <source>Levels</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Spiele</translation>
    </message>
    <message>
        <source>Best score</source>
        <translation>Meiste Punkte</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Vorige Seite</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Nächste Seite</translation>
    </message>
    <message>
        <source>No game of this set is in the table.</source>
        <translation>Von dieser Sammlung ist kein Spiel in der Tabelle.</translation>
    </message>
    <message>
        <source>Watch</source>
        <translation>Zuschauen</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>There is no game at this address.</source>
        <translation>Unter dieser Adresse gibt es kein Spiel.</translation>
    </message>
    <message>
        <source>Countdown</source>
        <translation>Countdown</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Spielfeld</translation>
    </message>
    <message>
        <source>Back to the start</source>
        <translation>Zurück zum Anfang</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Game time</source>
        <translation>Spielzeit</translation>
    </message>
    <message>
        <source>Download this game</source>
        <translation>Dieses Spiel herunterladen</translation>
    </message>
    <message>
        <source>Without scripts the game is not played here: download it and open it in Pondrake to watch it.</source>
        <translation>Ohne Skripte wird das Spiel hier nicht abgespielt: Lade es herunter und öffne es in Pondrake, um es anzusehen.</translation>
    </message>
    <message>
        <source>This game could not be loaded.</source>
        <translation>Dieses Spiel konnte nicht geladen werden.</translation>
    </message>
    <message>
        <source>like level %1</source>
        <translation>wie Level %1</translation>
    </message>
    <message>
        <source>All sets</source>
        <translation>Alle Levelsammlungen</translation>
    </message>
    <message>
        <source>Published sets only</source>
        <translation>Nur veröffentlichte Levelsammlungen</translation>
    </message>
    <message>
        <source>No set has been published yet.</source>
        <translation>Noch keine Levelsammlung wurde veröffentlicht.</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Autor</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Schwierigkeit</translation>
    </message>
    <message>
        <source>Published</source>
        <translation>Veröffentlicht</translation>
    </message>
    <message>
        <source>Plays itself</source>
        <translation>Spielt sich selbst</translation>
    </message>
    <message>
        <source>Download this set</source>
        <translation>Diese Levelsammlung herunterladen</translation>
    </message>
    <message>
        <source>How the computer player fared</source>
        <translation>Wie der Computerspieler abschnitt</translation>
    </message>
    <message>
        <source>Runs passed</source>
        <translation>Bestandene Läufe</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>No game of this set has been sent yet.</source>
        <translation>Noch kein Spiel dieser Levelsammlung wurde gesendet.</translation>
    </message>
    <message>
        <source>Anonymous</source>
        <translation>Anonym</translation>
    </message>
</context>
<context>
    <name>WorldPanel</name>
    <message>
        <source>World Table</source>
        <translation>Weltrangliste</translation>
    </message>
    <message>
        <source>Your game is in the top ten. Send it to the world table at %1? Only its replay and the name you entered are sent; Game &gt; World Table... changes this later.</source>
        <translation>Dein Spiel ist unter den besten Zehn. An die Weltrangliste unter %1 senden? Nur seine Aufzeichnung und der eingegebene Name werden gesendet; Spiel &gt; Weltrangliste... ändert das später.</translation>
    </message>
    <message>
        <source>The game cannot be sent: %1.</source>
        <translation>Das Spiel kann nicht gesendet werden: %1.</translation>
    </message>
    <message>
        <source>The levels of this set cannot be read, so the game cannot be sent.</source>
        <translation>Die Level dieser Sammlung sind nicht lesbar, daher kann das Spiel nicht gesendet werden.</translation>
    </message>
    <message>
        <source>The game could not be kept for the world table.</source>
        <translation>Das Spiel konnte für die Weltrangliste nicht aufbewahrt werden.</translation>
    </message>
    <message>
        <source>Sending...</source>
        <translation>Wird gesendet...</translation>
    </message>
</context>
<context>
    <name>WorldTable</name>
    <message>
        <source>The world table answered with status %1.</source>
        <translation>Die Weltrangliste antwortete mit Status %1.</translation>
    </message>
    <message>
        <source>Cannot reach the world table at %1</source>
        <translation>Die Weltrangliste unter %1 ist nicht erreichbar</translation>
    </message>
    <message>
        <source>The world table at %1 sent the game elsewhere; the game does not follow.</source>
        <translation>Die Weltrangliste unter %1 verweist anderswohin; das Spiel folgt nicht.</translation>
    </message>
    <message>
        <source>The world table&apos;s answer is too large to read.</source>
        <translation>Die Antwort der Weltrangliste ist zu groß zum Lesen.</translation>
    </message>
    <message>
        <source>Saved; will send when the world table answers</source>
        <translation>Gespeichert; wird gesendet, sobald die Weltrangliste antwortet</translation>
    </message>
    <message>
        <source>Verified: rank %1 of %2</source>
        <translation>Geprüft: Platz %1 von %2</translation>
    </message>
    <message>
        <source>The world table&apos;s answer is not one the game can read.</source>
        <translation>Die Antwort der Weltrangliste kann das Spiel nicht lesen.</translation>
    </message>
    <message>
        <source>The game from the world table does not read: %1 (line %2).</source>
        <translation>Das Spiel von der Weltrangliste ist nicht lesbar: %1 (Zeile %2).</translation>
    </message>
    <message>
        <source>The game from the world table does not carry its levels.</source>
        <translation>Das Spiel von der Weltrangliste enthält seine Level nicht.</translation>
    </message>
    <message>
        <source>This game is already on the world table under another name.</source>
        <translation>Dieses Spiel steht schon unter einem anderen Namen in der Weltrangliste.</translation>
    </message>
    <message>
        <source>This game was recorded by an earlier version of Pondrake, which the world table can no longer check.</source>
        <translation>Dieses Spiel wurde von einer früheren Version von Pondrake aufgezeichnet, die die Weltrangliste nicht mehr prüfen kann.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Set name</source>
        <translation>Name der Sammlung</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Autor</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>The world table could not read the request.</source>
        <translation>Die Weltrangliste konnte die Anfrage nicht lesen.</translation>
    </message>
    <message>
        <source>The world table does not answer this request at this address.</source>
        <translation>Die Weltrangliste beantwortet diese Anfrage unter dieser Adresse nicht.</translation>
    </message>
    <message numerus="yes">
        <source>The world table takes at most %n byte(s) in one request.</source>
        <translation>
            <numerusform>Die Weltrangliste nimmt höchstens %n Byte in einer Anfrage an.</numerusform>
            <numerusform>Die Weltrangliste nimmt höchstens %n Bytes in einer Anfrage an.</numerusform>
        </translation>
    </message>
    <message>
        <source>The world table takes this only as %1.</source>
        <translation>Die Weltrangliste nimmt dies nur als %1 an.</translation>
    </message>
    <message>
        <source>The world table could not read the game sent.</source>
        <translation>Die Weltrangliste konnte das gesendete Spiel nicht lesen.</translation>
    </message>
    <message>
        <source>The world table could not read the game sent: %1</source>
        <translation>Die Weltrangliste konnte das gesendete Spiel nicht lesen: %1</translation>
    </message>
    <message>
        <source>%1: not valid text.</source>
        <translation>%1: kein gültiger Text.</translation>
    </message>
    <message>
        <source>%1: holds a control character.</source>
        <translation>%1: enthält ein Steuerzeichen.</translation>
    </message>
    <message>
        <source>%1: holds an invisible formatting character, such as a direction mark.</source>
        <translation>%1: enthält ein unsichtbares Formatierungszeichen, etwa eine Richtungsmarke.</translation>
    </message>
    <message numerus="yes">
        <source>A typed name is at most %n character(s) long.</source>
        <translation>
            <numerusform>Ein getippter Name hat höchstens %n Zeichen.</numerusform>
            <numerusform>Ein getippter Name hat höchstens %n Zeichen.</numerusform>
        </translation>
    </message>
    <message>
        <source>The handwritten name is not ink the game can draw.</source>
        <translation>Der handgeschriebene Name ist keine Tinte, die das Spiel zeichnen kann.</translation>
    </message>
    <message>
        <source>A handwritten name fits on the name pad of %1 by %2 pixels.</source>
        <translation>Ein handgeschriebener Name passt auf das Namensfeld von %1 × %2 Pixeln.</translation>
    </message>
    <message>
        <source>The world table cannot read the game at line %1: %2</source>
        <translation>Die Weltrangliste kann das Spiel in Zeile %1 nicht lesen: %2</translation>
    </message>
    <message>
        <source>The game does not carry its levels, so the world table cannot check it.</source>
        <translation>Das Spiel enthält seine Level nicht, daher kann die Weltrangliste es nicht prüfen.</translation>
    </message>
    <message>
        <source>The game starts at level %1 with a score of %2; the world table checks only whole games, played from level 1.</source>
        <translation>Das Spiel beginnt in Level %1 mit %2 Punkten; die Weltrangliste prüft nur ganze Spiele ab Level 1.</translation>
    </message>
    <message>
        <source>The world table could not play the game through: %1</source>
        <translation>Die Weltrangliste konnte das Spiel nicht durchspielen: %1</translation>
    </message>
    <message>
        <source>The game stops in level %1 before its end; the world table checks only games played to their end.</source>
        <translation>Das Spiel hört in Level %1 vor seinem Ende auf; die Weltrangliste prüft nur zu Ende gespielte Spiele.</translation>
    </message>
    <message>
        <source>The world table stopped checking the game before its end.</source>
        <translation>Die Weltrangliste hat die Prüfung des Spiels vor seinem Ende abgebrochen.</translation>
    </message>
    <message>
        <source>The game takes the world table more than %1 s to check.</source>
        <translation>Die Weltrangliste bräuchte mehr als %1 s, um das Spiel zu prüfen.</translation>
    </message>
    <message>
        <source>This game failed when the world table checked its games again.</source>
        <translation>Dieses Spiel ist durchgefallen, als die Weltrangliste ihre Spiele erneut prüfte.</translation>
    </message>
    <message>
        <source>This game can no longer be played through: %1</source>
        <translation>Dieses Spiel lässt sich nicht mehr durchspielen: %1</translation>
    </message>
    <message>
        <source>The world table has no such game.</source>
        <translation>Die Weltrangliste hat kein solches Spiel.</translation>
    </message>
    <message>
        <source>No game of this set is on the world table yet.</source>
        <translation>Noch kein Spiel dieser Sammlung steht in der Weltrangliste.</translation>
    </message>
    <message numerus="yes">
        <source>The world table lists at most %n row(s) at once.</source>
        <translation>
            <numerusform>Die Weltrangliste zeigt höchstens %n Zeile auf einmal.</numerusform>
            <numerusform>Die Weltrangliste zeigt höchstens %n Zeilen auf einmal.</numerusform>
        </translation>
    </message>
    <message>
        <source>The world table cannot sort the sets that way.</source>
        <translation>Die Weltrangliste kann die Sammlungen nicht so sortieren.</translation>
    </message>
    <message>
        <source>The world table cannot read the set at line %1: %2</source>
        <translation>Die Weltrangliste kann die Sammlung in Zeile %1 nicht lesen: %2</translation>
    </message>
    <message numerus="yes">
        <source>A set published has at most %n level(s), not %1.</source>
        <translation>
            <numerusform>Eine veröffentlichte Sammlung hat höchstens %n Level, nicht %1.</numerusform>
            <numerusform>Eine veröffentlichte Sammlung hat höchstens %n Level, nicht %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The world table refused %n level(s) of the set.</source>
        <translation>
            <numerusform>Die Weltrangliste hat %n Level der Sammlung abgelehnt.</numerusform>
            <numerusform>Die Weltrangliste hat %n Level der Sammlung abgelehnt.</numerusform>
        </translation>
    </message>
    <message>
        <source>Too few turtles can reach the water: %1 of %2.</source>
        <translation>Zu wenige Schildkröten können das Wasser erreichen: %1 von %2.</translation>
    </message>
    <message>
        <source>The computer player passed %1 of %2 runs.</source>
        <translation>Der Computerspieler hat %1 von %2 Durchläufen geschafft.</translation>
    </message>
    <message>
        <source>Its creatures step every %1 ms; in a published level they step every %2 ms at the fastest.</source>
        <translation>Seine Tiere machen alle %1 ms einen Schritt; in einem veröffentlichten Level höchstens alle %2 ms.</translation>
    </message>
    <message>
        <source>The world table has no set with these levels sent within the hour.</source>
        <translation>Die Weltrangliste hat in der letzten Stunde keine Sammlung mit diesen Leveln erhalten.</translation>
    </message>
    <message>
        <source>No set with these levels is published on the world table.</source>
        <translation>Auf der Weltrangliste ist keine Sammlung mit diesen Leveln veröffentlicht.</translation>
    </message>
    <message numerus="yes">
        <source>Too many games sent from here: wait %n second(s).</source>
        <translation>
            <numerusform>Zu viele Spiele von hier gesendet: Warte %n Sekunde.</numerusform>
            <numerusform>Zu viele Spiele von hier gesendet: Warte %n Sekunden.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Too many sets sent from here: wait %n second(s).</source>
        <translation>
            <numerusform>Zu viele Sammlungen von hier gesendet: Warte %n Sekunde.</numerusform>
            <numerusform>Zu viele Sammlungen von hier gesendet: Warte %n Sekunden.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Too many requests from here: wait %n second(s).</source>
        <translation>
            <numerusform>Zu viele Anfragen von hier: Warte %n Sekunde.</numerusform>
            <numerusform>Zu viele Anfragen von hier: Warte %n Sekunden.</numerusform>
        </translation>
    </message>
    <message>
        <source>Too many connections from here at once.</source>
        <translation>Zu viele gleichzeitige Verbindungen von hier.</translation>
    </message>
    <message>
        <source>The world table is busy; try again soon.</source>
        <translation>Die Weltrangliste ist beschäftigt; versuch es gleich noch einmal.</translation>
    </message>
    <message>
        <source>The world table is judging as many sets as it can; send the set again later.</source>
        <translation>Die Weltrangliste prüft so viele Sammlungen, wie sie kann; sende die Sammlung später noch einmal.</translation>
    </message>
    <message>
        <source>The world table failed while it judged the set; send it again.</source>
        <translation>Die Weltrangliste ist beim Prüfen der Sammlung gescheitert; sende sie noch einmal.</translation>
    </message>
    <message>
        <source>The world table failed; try again later.</source>
        <translation>Die Weltrangliste ist gescheitert; versuch es später noch einmal.</translation>
    </message>
    <message>
        <source>The world table played the game otherwise in level %1 (checkpoint %2): %3</source>
        <translation>Bei der Weltrangliste verlief das Spiel in Level %1 anders (Kontrollpunkt %2): %3</translation>
    </message>
    <message>
        <source>The level plays itself: nobody at the board passed %1 of %2 runs.</source>
        <translation>Das Level spielt sich selbst: Ohne Spieler wurden %1 von %2 Durchläufen geschafft.</translation>
    </message>
</context>
<context>
    <name>WorldTableDialog</name>
    <message>
        <source>World Table</source>
        <translation>Weltrangliste</translation>
    </message>
    <message>
        <source>for example scores.example.org:8080</source>
        <translation>zum Beispiel scores.example.org:8080</translation>
    </message>
    <message>
        <source>Server &amp;address:</source>
        <translation>&amp;Serveradresse:</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Serveradresse</translation>
    </message>
    <message>
        <source>The world table&apos;s address; empty for none</source>
        <translation>Die Adresse der Weltrangliste; leer für keine</translation>
    </message>
    <message>
        <source>Send my top-ten games</source>
        <translation>Meine Spiele unter den besten Zehn senden</translation>
    </message>
    <message>
        <source>A game that enters your top ten is sent with its replay and the name you entered, nothing else. With no address the game never uses the network.</source>
        <translation>Ein Spiel, das unter deine besten Zehn kommt, wird mit seiner Aufzeichnung und dem eingegebenen Namen gesendet, sonst nichts. Ohne Adresse nutzt das Spiel nie das Netzwerk.</translation>
    </message>
</context>
<context>
    <name>WorldTopTenWindow</name>
    <message>
        <source>World Top Ten</source>
        <translation>Beste Zehn der Welt</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Platz</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Enter or a double-click watches the game of a row</source>
        <translation>Eingabetaste oder Doppelklick zeigt das Spiel einer Zeile</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Zustand</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>No world table is set up: enter its address under Game &gt; World Table..., as the README&apos;s section &quot;The world table&quot; describes.</source>
        <translation>Keine Weltrangliste eingerichtet: gib ihre Adresse unter Spiel &gt; Weltrangliste... ein, wie es der Abschnitt &quot;The world table&quot; der README beschreibt.</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Wird geladen...</translation>
    </message>
    <message>
        <source>Place %1</source>
        <translation>Platz %1</translation>
    </message>
    <message>
        <source>Score %1</source>
        <translation>Punkte %1</translation>
    </message>
    <message>
        <source>Handwritten name</source>
        <translation>Handgeschriebener Name</translation>
    </message>
    <message>
        <source>Name %1</source>
        <translation>Name %1</translation>
    </message>
    <message>
        <source>Handwritten name in place %1</source>
        <translation>Handgeschriebener Name auf Platz %1</translation>
    </message>
    <message>
        <source>No game of this set is on the world table yet.</source>
        <translation>Noch kein Spiel dieser Sammlung steht in der Weltrangliste.</translation>
    </message>
    <message>
        <source>Games of this set on the world table: %1. Enter or a double-click watches a game.</source>
        <translation>Spiele dieser Sammlung in der Weltrangliste: %1. Eingabetaste oder Doppelklick zeigt ein Spiel.</translation>
    </message>
    <message>
        <source>The game the world table sent for this row does not play to its score of %1 in this set, so it is not shown.</source>
        <translation>Das Spiel, das die Weltrangliste für diese Zeile geschickt hat, erreicht in dieser Sammlung nicht seine %1 Punkte und wird daher nicht gezeigt.</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Sent on %1</source>
        <translation>Gesendet am %1</translation>
    </message>
    <message>
        <source>Date not known</source>
        <translation>Datum unbekannt</translation>
    </message>
    <message>
        <source>Anonymous</source>
        <translation>Anonym</translation>
    </message>
</context>
</TS>
