<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AudioMenu</name>
    <message>
        <source>&amp;Audio</source>
        <translation>&amp;Audio</translation>
    </message>
    <message>
        <source>Music Stop</source>
        <translation>Arrêter la musique</translation>
    </message>
    <message>
        <source>Sound Effects</source>
        <translation>Effets sonores</translation>
    </message>
</context>
<context>
    <name>BoardPicture</name>
    <message>
        <source>Paused</source>
        <translation>En pause</translation>
    </message>
</context>
<context>
    <name>CheckCommand</name>
    <message>
        <source>Checking the level: the computer player and nobody at the board, %1 runs each</source>
        <translation>Vérification du niveau&#xa0;: %1 parties avec le joueur ordinateur et autant sans personne aux commandes</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Check Level</source>
        <translation>Vérifier le niveau</translation>
    </message>
</context>
<context>
    <name>CheckLevelWindow</name>
    <message>
        <source>passes %1 of %2 runs (%3%)</source>
        <translation>réussit %1 parties sur %2 (%3&#xa0;%)</translation>
    </message>
    <message>
        <source>Check Level</source>
        <translation>Vérifier le niveau</translation>
    </message>
    <message>
        <source>%1, median score %2, median time %3 s</source>
        <translation>%1, score médian %2, temps médian %3&#xa0;s</translation>
    </message>
    <message>
        <source>no turtle saved</source>
        <translation>aucune tortue sauvée</translation>
    </message>
    <message>
        <source>%1 commands per saved turtle: about as hard as level %2</source>
        <translation>%1 commandes par tortue sauvée&#xa0;: à peu près aussi difficile que le niveau %2</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>Turtles with a way to water:</source>
        <translation>Tortues ayant un chemin vers l’eau&#xa0;:</translation>
    </message>
    <message>
        <source>Computer player:</source>
        <translation>Joueur ordinateur&#xa0;:</translation>
    </message>
    <message>
        <source>Difficulty:</source>
        <translation>Difficulté&#xa0;:</translation>
    </message>
    <message>
        <source>Nobody at the board:</source>
        <translation>Personne aux commandes&#xa0;:</translation>
    </message>
    <message>
        <source>%1 of %2 runs went ten simulated minutes without the level ending</source>
        <translation>Sur %2 parties, %1 ont duré dix minutes simulées sans que le niveau se termine</translation>
    </message>
    <message>
        <source>Watch</source>
        <translation>Regarder</translation>
    </message>
</context>
<context>
    <name>EditHistory</name>
    <message>
        <source>Place %1</source>
        <translation>Placer %1</translation>
    </message>
    <message>
        <source>Music File</source>
        <translation>Fichier musical</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>Bonus</translation>
    </message>
    <message>
        <source>Turtle/Foot Speed</source>
        <translation>Vitesse tortues/pieds</translation>
    </message>
    <message>
        <source>Dog/Alien Speed</source>
        <translation>Vitesse chiens/aliens</translation>
    </message>
    <message>
        <source>Change %1</source>
        <translation>Modifier %1</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>Play This Set</source>
        <translation>Jouer cette série</translation>
    </message>
    <message>
        <source>Open or save a level first: the set played is the folder of that file.</source>
        <translation>Ouvrez ou enregistrez d’abord un niveau&#xa0;: la série jouée est le dossier de ce fichier.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Pondrake Help</source>
        <translation>Aide de Pondrake</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>No help here</source>
        <translation>Aide introuvable</translation>
    </message>
    <message>
        <source>The help page %1 is missing from the program&apos;s folder. Installing the game again brings it back.</source>
        <translation>La page d’aide %1 est absente du dossier du programme. Réinstallez le jeu pour la retrouver.</translation>
    </message>
</context>
<context>
    <name>LanguageDialog</name>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>System (%1)</source>
        <translation>Système (%1)</translation>
    </message>
    <message>
        <source>The game speaks the language chosen here when it is started again.</source>
        <translation>La langue choisie ici s’appliquera au prochain démarrage du jeu.</translation>
    </message>
</context>
<context>
    <name>LevelCheck</name>
    <message>
        <source>Cannot be played: the bonus lies outside -32768 to 32767</source>
        <translation>Injouable&#xa0;: le bonus est en dehors de -32768 à 32767</translation>
    </message>
    <message>
        <source>Cannot be played: the turtle period lies outside -32768 to 32767</source>
        <translation>Injouable&#xa0;: la période des tortues est en dehors de -32768 à 32767</translation>
    </message>
    <message>
        <source>Cannot be played: the dog period lies outside -32768 to 32767</source>
        <translation>Injouable&#xa0;: la période des chiens est en dehors de -32768 à 32767</translation>
    </message>
    <message>
        <source>Cannot be passed: too few turtles can reach water</source>
        <translation>Impossible à réussir&#xa0;: trop peu de tortues peuvent atteindre l’eau</translation>
    </message>
    <message>
        <source>Too hard for the computer player</source>
        <translation>Trop difficile pour le joueur ordinateur</translation>
    </message>
    <message>
        <source>Plays itself</source>
        <translation>Se joue tout seul</translation>
    </message>
    <message>
        <source>Fair</source>
        <translation>Équitable</translation>
    </message>
</context>
<context>
    <name>LevelDialogs</name>
    <message>
        <source>Save Level</source>
        <translation>Enregistrer le niveau</translation>
    </message>
    <message>
        <source>%1 is the table of high scores, not a level: a level is never saved over it. Choose another name.</source>
        <translation>%1 est le tableau des meilleurs scores, pas un niveau&#xa0;: aucun niveau n’est jamais enregistré à sa place. Choisissez un autre nom.</translation>
    </message>
    <message>
        <source>Music File</source>
        <translation>Fichier musical</translation>
    </message>
    <message>
        <source>Open Level</source>
        <translation>Ouvrir un niveau</translation>
    </message>
    <message>
        <source>Level files (*.txt)</source>
        <translation>Fichiers de niveau (*.txt)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>The level file %1 could not be opened. The board and the settings are as they were.</source>
        <translation>Le fichier de niveau %1 n’a pas pu être ouvert. Le plateau et les réglages n’ont pas changé.</translation>
    </message>
    <message>
        <source>The level file %1 stops early: it could not be read at line %2. What came before that line was opened; the rest of the board and the settings are as they were.</source>
        <translation>Le fichier de niveau %1 s’arrête trop tôt&#xa0;: la ligne %2 n’a pas pu être lue. Ce qui la précède a été ouvert&#xa0;; le reste du plateau et les réglages n’ont pas changé.</translation>
    </message>
    <message>
        <source>The level could not be saved as %1. Nothing was written: a file that was there is as it was.</source>
        <translation>Le niveau n’a pas pu être enregistré sous %1. Rien n’a été écrit&#xa0;: un fichier déjà présent est resté intact.</translation>
    </message>
</context>
<context>
    <name>LevelDocument</name>
    <message>
        <source>Open Level</source>
        <translation>Ouvrir un niveau</translation>
    </message>
</context>
<context>
    <name>LevelSetDialog</name>
    <message>
        <source>Level Set</source>
        <translation>Série de niveaux</translation>
    </message>
    <message>
        <source>Other &amp;Folder...</source>
        <translation>&amp;Autre dossier...</translation>
    </message>
    <message>
        <source>1 level</source>
        <translation>1 niveau</translation>
    </message>
    <message>
        <source>%1 levels</source>
        <translation>%1 niveaux</translation>
    </message>
    <message>
        <source>Other Folder</source>
        <translation>Autre dossier</translation>
    </message>
</context>
<context>
    <name>Look</name>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>Bonus</translation>
    </message>
    <message>
        <source>Turtles Saved</source>
        <translation>Tortues sauvées</translation>
    </message>
    <message>
        <source>Turtles Lost</source>
        <translation>Tortues perdues</translation>
    </message>
</context>
<context>
    <name>RecordingWindow</name>
    <message>
        <source>Replay</source>
        <translation>Rediffusion</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Pas</translation>
    </message>
    <message>
        <source>One tick (period key)</source>
        <translation>Un temps (touche point)</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>There is no game to watch yet.</source>
        <translation>Il n’y a pas encore de partie à regarder.</translation>
    </message>
    <message>
        <source>This game cannot be watched: %1 (line %2).</source>
        <translation>Impossible de regarder cette partie&#xa0;: %1 (ligne %2).</translation>
    </message>
    <message>
        <source>This game cannot be watched: %1.</source>
        <translation>Impossible de regarder cette partie&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>The game went another way here: %1</source>
        <translation>Ici, la partie s’est déroulée autrement&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>SettingsPanel</name>
    <message>
        <source>Test Level</source>
        <translation>Tester le niveau</translation>
    </message>
    <message>
        <source>Selected Item</source>
        <translation>Élément choisi</translation>
    </message>
    <message>
        <source>Music File:</source>
        <translation>Musique&#xa0;:</translation>
    </message>
    <message>
        <source>Bonus:</source>
        <translation>Bonus&#xa0;:</translation>
    </message>
    <message>
        <source>Turtle/Foot Speed</source>
        <translation>Vitesse tortue/pied</translation>
    </message>
    <message>
        <source>Dog/Alien Speed</source>
        <translation>Vitesse chien/alien</translation>
    </message>
</context>
<context>
    <name>StatusColumn</name>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>Bonus</translation>
    </message>
    <message>
        <source>Turtles Saved</source>
        <translation>Sauvées</translation>
    </message>
    <message>
        <source>Turtles Lost</source>
        <translation>Perdues</translation>
    </message>
    <message>
        <source>Foot Right</source>
        <translation>Pied vers la droite</translation>
    </message>
    <message>
        <source>Foot Left</source>
        <translation>Pied vers la gauche</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Eau</translation>
    </message>
    <message>
        <source>Alien</source>
        <translation>Alien</translation>
    </message>
    <message>
        <source>Blank</source>
        <translation>Vide</translation>
    </message>
    <message>
        <source>Hole</source>
        <translation>Trou</translation>
    </message>
    <message>
        <source>Rocks</source>
        <translation>Rochers</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>Chien</translation>
    </message>
    <message>
        <source>Turtle</source>
        <translation>Tortue</translation>
    </message>
</context>
<context>
    <name>UnsavedWork</name>
    <message>
        <source>Level Editor</source>
        <translation>Éditeur de niveaux</translation>
    </message>
    <message>
        <source>Save changes to this level?</source>
        <translation>Enregistrer les modifications de ce niveau&#xa0;?</translation>
    </message>
</context>
<context>
    <name>frmEditor</name>
    <message>
        <source>End Test</source>
        <translation>Fin du test</translation>
    </message>
    <message>
        <source>Keep Test Board</source>
        <translation>Garder le plateau du test</translation>
    </message>
    <message>
        <source>New Level</source>
        <translation>Nouveau niveau</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
    <message>
        <source>Level Editor - %1[*]</source>
        <translation>Éditeur de niveaux – %1[*]</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Open Level</source>
        <translation>&amp;Ouvrir un niveau</translation>
    </message>
    <message>
        <source>Save Level</source>
        <translation>Enregistrer le niveau</translation>
    </message>
    <message>
        <source>Check Level</source>
        <translation>Vérifier le niveau</translation>
    </message>
    <message>
        <source>Play This Set</source>
        <translation>Jouer cette série</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Music Auto Play</source>
        <translation>Lecture auto de la musique</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Mode d’emploi</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
</context>
<context>
    <name>frmGameOver</name>
    <message>
        <source>Game Over</source>
        <translation>Fin de partie</translation>
    </message>
    <message>
        <source>Game Over!</source>
        <translation>Partie terminée&#xa0;!</translation>
    </message>
    <message>
        <source>Your Score:</source>
        <translation>Votre score&#xa0;:</translation>
    </message>
    <message>
        <source>New High Score!</source>
        <translation>Nouveau record&#xa0;!</translation>
    </message>
    <message>
        <source>Write your name:</source>
        <translation>Écrivez votre nom&#xa0;:</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Valider</translation>
    </message>
    <message>
        <source>OR type your name:</source>
        <translation>OU tapez votre nom&#xa0;:</translation>
    </message>
    <message>
        <source>Alas, you did not score in the top ten.</source>
        <translation>Hélas, pas de place dans le top 10.</translation>
    </message>
    <message>
        <source>Bummer</source>
        <translation>Dommage</translation>
    </message>
    <message>
        <source>Your score could not be saved in %1.</source>
        <translation>Votre score n’a pas pu être enregistré dans %1.</translation>
    </message>
</context>
<context>
    <name>frmLevel</name>
    <message>
        <source>Level %1 Over!</source>
        <translation>Niveau %1 terminé&#xa0;!</translation>
    </message>
    <message>
        <source>Turtles saved this level:</source>
        <translation>Tortues sauvées&#xa0;:</translation>
    </message>
    <message>
        <source>Turtles lost this level:</source>
        <translation>Tortues perdues&#xa0;:</translation>
    </message>
    <message>
        <source>Replay Level - You must save at least half of the turtles to advance.</source>
        <translation>Niveau à rejouer – Sauvez au moins la moitié des tortues pour avancer.</translation>
    </message>
</context>
<context>
    <name>frmTopTen</name>
    <message>
        <source>Top Ten Scores</source>
        <translation>Les dix meilleurs scores</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Double-click to watch this game</source>
        <translation>Double-cliquez pour regarder cette partie</translation>
    </message>
</context>
</TS>
