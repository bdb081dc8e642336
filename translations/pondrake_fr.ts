<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Announcer</name>
    <message>
        <source>Game news</source>
        <translation>Nouvelles de la partie</translation>
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
        <translation>Arrêter la musique</translation>
    </message>
    <message>
        <source>Sound Effects</source>
        <translation>Effets sonores</translation>
    </message>
</context>
<context>
    <name>BoardAccessible</name>
    <message>
        <source>Board</source>
        <translation>Plateau</translation>
    </message>
    <message>
        <source>20 rows of 20 squares. The arrow keys move the cursor, Tab jumps to the next turtle or dog, Space picks it up and an arrow then sends it that way.</source>
        <translation>20 rangées de 20 cases. Les flèches déplacent le curseur, Tab passe à la tortue ou au chien suivant, Espace le prend et une flèche l’envoie ensuite dans cette direction.</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Colonne %1</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Rangée %1</translation>
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
    <name>CellNames</name>
    <message>
        <source>Nothing</source>
        <translation>Rien</translation>
    </message>
    <message>
        <source>Blank</source>
        <translation>Vide</translation>
    </message>
    <message>
        <source>Rocks</source>
        <translation>Rochers</translation>
    </message>
    <message>
        <source>Hole</source>
        <translation>Trou</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Eau</translation>
    </message>
    <message>
        <source>Turtle heading west</source>
        <translation>Tortue vers l’ouest</translation>
    </message>
    <message>
        <source>Turtle heading north</source>
        <translation>Tortue vers le nord</translation>
    </message>
    <message>
        <source>Turtle heading east</source>
        <translation>Tortue vers l’est</translation>
    </message>
    <message>
        <source>Turtle heading south</source>
        <translation>Tortue vers le sud</translation>
    </message>
    <message>
        <source>Dog walking west</source>
        <translation>Chien marchant vers l’ouest</translation>
    </message>
    <message>
        <source>Dog walking north</source>
        <translation>Chien marchant vers le nord</translation>
    </message>
    <message>
        <source>Dog walking east</source>
        <translation>Chien marchant vers l’est</translation>
    </message>
    <message>
        <source>Dog walking south</source>
        <translation>Chien marchant vers le sud</translation>
    </message>
    <message>
        <source>Dog sitting</source>
        <translation>Chien assis</translation>
    </message>
    <message>
        <source>Alien</source>
        <translation>Alien</translation>
    </message>
    <message>
        <source>Foot heading west</source>
        <translation>Pied vers l’ouest</translation>
    </message>
    <message>
        <source>Foot heading east</source>
        <translation>Pied vers l’est</translation>
    </message>
    <message>
        <source>Turtle</source>
        <translation>Tortue</translation>
    </message>
    <message>
        <source>Unknown tile</source>
        <translation>Case inconnue</translation>
    </message>
    <message>
        <source>%1, picked up, row %2, column %3</source>
        <translation>%1, pris, rangée %2, colonne %3</translation>
    </message>
    <message>
        <source>%1, row %2, column %3</source>
        <translation>%1, rangée %2, colonne %3</translation>
    </message>
</context>
<context>
    <name>CheckCommand</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Check Level</source>
        <translation>Vérifier le niveau</translation>
    </message>
    <message numerus="yes">
        <source>Checking the level: the computer player and nobody at the board, %Ln runs each</source>
        <translation>
            <numerusform>Vérification du niveau&#xa0;: %Ln partie avec le joueur ordinateur et autant sans personne aux commandes</numerusform>
            <numerusform>Vérification du niveau&#xa0;: %Ln parties avec le joueur ordinateur et autant sans personne aux commandes</numerusform>
        </translation>
    </message>
    <message>
        <source>Runs checked</source>
        <translation>Parties vérifiées</translation>
    </message>
</context>
<context>
    <name>CheckLevelWindow</name>
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
        <source>Watch</source>
        <translation>Regarder</translation>
    </message>
    <message>
        <source>Computer player</source>
        <translation>Joueur ordinateur</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Difficulté</translation>
    </message>
    <message>
        <source>Nobody at the board</source>
        <translation>Personne aux commandes</translation>
    </message>
    <message>
        <source>Turtles with a way to water</source>
        <translation>Tortues ayant un chemin vers l’eau</translation>
    </message>
    <message numerus="yes">
        <source>passes %1 of %Ln runs (%2%)</source>
        <translation>
            <numerusform>réussit %1 sur %Ln partie (%2&#xa0;%)</numerusform>
            <numerusform>réussit %1 sur %Ln parties (%2&#xa0;%)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln of %1 runs went ten simulated minutes without the level ending</source>
        <translation>
            <numerusform>Sur %1 parties, %Ln a duré dix minutes simulées sans que le niveau se termine</numerusform>
            <numerusform>Sur %1 parties, %Ln ont duré dix minutes simulées sans que le niveau se termine</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Pondrake, an action puzzle game: steer turtles to the water with the mouse,
past holes, hopping aliens and stamping feet. A level editor makes new levels.</source>
        <translation>Pondrake, un jeu d’action et de réflexion&#xa0;: guidez les tortues vers l’eau à la souris,
entre les trous, les aliens sauteurs et les pieds qui écrasent. Un éditeur crée de nouveaux niveaux.</translation>
    </message>
    <message>
        <source>Show this help and quit.</source>
        <translation>Afficher cette aide et quitter.</translation>
    </message>
    <message>
        <source>Show the version and quit.</source>
        <translation>Afficher la version et quitter.</translation>
    </message>
    <message>
        <source>A level set (.pondrake) to import and play, or a replay (.replay) to watch. A game already running takes it over.</source>
        <translation>Une série de niveaux (.pondrake) à importer et jouer, ou une rediffusion (.replay) à regarder. Une partie déjà lancée la prend en charge.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;.</source>
        <translation>argument inattendu «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>Essayez «&#xa0;%1 --help&#xa0;» pour en savoir plus.</translation>
    </message>
    <message>
        <source>Qt&apos;s own options, such as -platform and -style, are passed on to Qt.
Where the scores and levels are kept, and what the game reads from its
environment: see the manual page, pondrake(6).
</source>
        <translation>Les options de Qt, comme -platform et -style, sont transmises à Qt.
Où sont gardés les scores et les niveaux, et ce que le jeu lit dans son
environnement&#xa0;: voir la page de manuel pondrake(6).
</translation>
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
    <name>EditKeys</name>
    <message>
        <source>20 rows of 20 squares. The arrow keys move the cursor, Space or Enter places the chosen picture there, and the keys 1 to 9 choose a picture of the palette.</source>
        <translation>20 rangées de 20 cases. Les flèches déplacent le curseur, Espace ou Entrée y place l’image choisie, et les touches 1 à 9 choisissent une image de la palette.</translation>
    </message>
</context>
<context>
    <name>EditorActions</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>New Level</source>
        <translation>Nouveau niveau</translation>
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
        <source>Export Set...</source>
        <translation>Exporter la série...</translation>
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
    <message>
        <source>Publish Set...</source>
        <translation>Publier la série...</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Annuler&#xa0;: %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rétablir&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>EditorWindow</name>
    <message>
        <source>A click places the selected item on a square; during a test the keys steer as in the game</source>
        <translation>Un clic place l’élément choisi sur une case&#xa0;; pendant un test, les touches dirigent comme dans le jeu</translation>
    </message>
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
    <message>
        <source>Export Set</source>
        <translation>Exporter la série</translation>
    </message>
    <message>
        <source>Open or save a level first: the set exported is the folder of that file.</source>
        <translation>Ouvrez ou enregistrez d’abord un niveau&#xa0;: la série exportée est le dossier de ce fichier.</translation>
    </message>
    <message>
        <source>Publish Set</source>
        <translation>Publier la série</translation>
    </message>
    <message>
        <source>Open or save a level first: the set published is the folder of that file.</source>
        <translation>Ouvrez ou enregistrez d’abord un niveau&#xa0;: la série publiée est le dossier de ce fichier.</translation>
    </message>
</context>
<context>
    <name>FileOpener</name>
    <message>
        <source>%1 is neither a level set (.pondrake) nor a replay (.replay).</source>
        <translation>%1 n’est ni une série de niveaux (.pondrake) ni une rediffusion (.replay).</translation>
    </message>
    <message>
        <source>Import Level Set</source>
        <translation>Importer une série de niveaux</translation>
    </message>
    <message>
        <source>Level sets (*.pondrake)</source>
        <translation>Séries de niveaux (*.pondrake)</translation>
    </message>
    <message>
        <source> (line %1)</source>
        <translation> (ligne %1)</translation>
    </message>
    <message>
        <source>%1 cannot be imported: %2%3.</source>
        <translation>Impossible d’importer %1&#xa0;: %2%3.</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Ouvrir un fichier</translation>
    </message>
</context>
<context>
    <name>FindSetsWindow</name>
    <message>
        <source>Find Level Sets</source>
        <translation>Chercher des séries de niveaux</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Auteur</translation>
    </message>
    <message>
        <source>Levels</source>
        <translation>Niveaux</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Difficulté</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Parties</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Meilleur</translation>
    </message>
    <message>
        <source>About as hard as this level of the game&apos;s own set</source>
        <translation>À peu près aussi difficile que ce niveau de la série du jeu</translation>
    </message>
    <message>
        <source>Published level sets</source>
        <translation>Séries de niveaux publiées</translation>
    </message>
    <message>
        <source>Enter or a double-click plays the set of a row</source>
        <translation>Entrée ou un double-clic joue la série d’une ligne</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>What the set&apos;s author says of it</source>
        <translation>Ce que l’auteur dit de la série</translation>
    </message>
    <message>
        <source>State</source>
        <translation>État</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Jouer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>No world table is set up: enter its address under Game &gt; World Table..., as the README&apos;s section &quot;The world table&quot; describes.</source>
        <translation>Aucune table mondiale n&apos;est configurée&#xa0;: saisissez son adresse sous Jeu &gt; Table mondiale..., comme le décrit la section &quot;The world table&quot; du README.</translation>
    </message>
    <message>
        <source>Asking the table...</source>
        <translation>Interrogation de la table...</translation>
    </message>
    <message>
        <source>Author %1</source>
        <translation>Auteur %1</translation>
    </message>
    <message>
        <source>Levels %1</source>
        <translation>Niveaux %1</translation>
    </message>
    <message>
        <source>About as hard as level %1</source>
        <translation>À peu près aussi difficile que le niveau %1</translation>
    </message>
    <message>
        <source>Difficulty not known</source>
        <translation>Difficulté inconnue</translation>
    </message>
    <message>
        <source>Games %1</source>
        <translation>Parties %1</translation>
    </message>
    <message>
        <source>Best score %1</source>
        <translation>Meilleur score %1</translation>
    </message>
    <message>
        <source>No set is published yet.</source>
        <translation>Aucune série n’est encore publiée.</translation>
    </message>
    <message>
        <source>Enter or Play imports the set chosen and plays it.</source>
        <translation>Entrée ou Jouer importe la série choisie et la joue.</translation>
    </message>
    <message>
        <source>Fetching the set...</source>
        <translation>Téléchargement de la série...</translation>
    </message>
</context>
<context>
    <name>GameOverDialog</name>
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
        <translation>Hélas, pas de place dans le top dix.</translation>
    </message>
    <message>
        <source>Bummer</source>
        <translation>Dommage</translation>
    </message>
    <message>
        <source>Your score could not be saved in %1.</source>
        <translation>Votre score n’a pas pu être enregistré dans %1.</translation>
    </message>
    <message>
        <source>Your Score</source>
        <translation>Votre score</translation>
    </message>
    <message>
        <source>New High Score</source>
        <translation>Nouveau record</translation>
    </message>
    <message>
        <source>Handwritten name</source>
        <translation>Nom manuscrit</translation>
    </message>
    <message>
        <source>Write your name here with a pen or the mouse</source>
        <translation>Écrivez ici votre nom avec un stylet ou la souris</translation>
    </message>
    <message>
        <source>Wipes out the handwritten name</source>
        <translation>Efface le nom manuscrit</translation>
    </message>
    <message>
        <source>Submit handwritten name</source>
        <translation>Valider le nom manuscrit</translation>
    </message>
    <message>
        <source>Typed name</source>
        <translation>Nom tapé</translation>
    </message>
    <message>
        <source>Submit typed name</source>
        <translation>Valider le nom tapé</translation>
    </message>
    <message>
        <source>Not in the top ten</source>
        <translation>Pas dans le top dix</translation>
    </message>
</context>
<context>
    <name>GameWindowAdapter</name>
    <message>
        <source>Abort Pondrake</source>
        <translation>Abandonner Pondrake</translation>
    </message>
    <message>
        <source>Abort current game?</source>
        <translation>Abandonner la partie en cours&#xa0;?</translation>
    </message>
    <message>
        <source>Level Editor</source>
        <translation>Éditeur de niveaux</translation>
    </message>
    <message>
        <source>This will abort your current game.  Continue?</source>
        <translation>Cela abandonne votre partie en cours. Continuer&#xa0;?</translation>
    </message>
    <message numerus="yes">
        <source>%n turtle(s) saved</source>
        <translation>
            <numerusform>%n tortue sauvée</numerusform>
            <numerusform>%n tortues sauvées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n turtle(s) lost</source>
        <translation>
            <numerusform>%n tortue perdue</numerusform>
            <numerusform>%n tortues perdues</numerusform>
        </translation>
    </message>
    <message>
        <source>Level %1 over. Saved: %2, lost: %3.</source>
        <translation>Niveau %1 terminé. Sauvées&#xa0;: %2, perdues&#xa0;: %3.</translation>
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
    <message>
        <source>Help page</source>
        <translation>Page d’aide</translation>
    </message>
</context>
<context>
    <name>KeptGame</name>
    <message>
        <source>The level set of the kept game, %1, is not there any more.</source>
        <translation>La série de niveaux de la partie gardée, %1, n’existe plus.</translation>
    </message>
    <message>
        <source>Level %1 of the kept game is not there any more.</source>
        <translation>Le niveau %1 de la partie gardée n’existe plus.</translation>
    </message>
    <message>
        <source>Level %1 of the kept game has been changed since.</source>
        <translation>Le niveau %1 de la partie gardée a été modifié depuis.</translation>
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
    <message>
        <source>Languages</source>
        <translation>Langues</translation>
    </message>
    <message>
        <source>The language the game speaks from its next start</source>
        <translation>La langue que parle le jeu à son prochain lancement</translation>
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
    <name>LevelOverWindow</name>
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
    <message>
        <source>Level Over</source>
        <translation>Niveau terminé</translation>
    </message>
    <message>
        <source>Turtles saved this level</source>
        <translation>Tortues sauvées dans ce niveau</translation>
    </message>
    <message>
        <source>Turtles lost this level</source>
        <translation>Tortues perdues dans ce niveau</translation>
    </message>
</context>
<context>
    <name>LevelSet</name>
    <message>
        <source>The folder %1 is not there.</source>
        <translation>Le dossier %1 n’existe pas.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be read.</source>
        <translation>Le dossier %1 est illisible.</translation>
    </message>
    <message>
        <source>The folder %1 holds no level1.txt, so it is no level set: a set is a folder of level1.txt, level2.txt and so on.</source>
        <translation>Le dossier %1 ne contient pas de level1.txt, ce n’est donc pas une série de niveaux&#xa0;: une série est un dossier de level1.txt, level2.txt, etc.</translation>
    </message>
    <message>
        <source>Pondrake Levels</source>
        <translation>Niveaux de Pondrake</translation>
    </message>
    <message>
        <source>My Levels</source>
        <translation>Mes niveaux</translation>
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
        <translation>Autre &amp;dossier...</translation>
    </message>
    <message>
        <source>Other Folder</source>
        <translation>Autre dossier</translation>
    </message>
    <message>
        <source>Level Sets</source>
        <translation>Séries de niveaux</translation>
    </message>
    <message>
        <source>The level sets to play: the shipped one, your own and others</source>
        <translation>Les séries de niveaux à jouer&#xa0;: celle fournie avec le jeu, la vôtre et d’autres</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Exporter...</translation>
    </message>
    <message numerus="yes">
        <source>%Ln levels</source>
        <translation>
            <numerusform>%Ln niveau</numerusform>
            <numerusform>%Ln niveaux</numerusform>
        </translation>
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
    <message>
        <source>GO!</source>
        <translation>ALLEZ&#xa0;!</translation>
    </message>
    <message>
        <source>Bonus seconds</source>
        <translation>Secondes de bonus</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Abort Game</source>
        <translation>Abandonner</translation>
    </message>
    <message>
        <source>Replay Level</source>
        <translation>Rejouer le niveau</translation>
    </message>
    <message>
        <source>Countdown</source>
        <translation>Compte à rebours</translation>
    </message>
    <message>
        <source>Fast Forward</source>
        <translation>Avance rapide</translation>
    </message>
    <message>
        <source>The game runs at twice its speed</source>
        <translation>Le jeu tourne deux fois plus vite</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Jeu</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <source>&amp;Continue Game</source>
        <translation>&amp;Continuer la partie</translation>
    </message>
    <message>
        <source>Level &amp;Set...</source>
        <translation>&amp;Série de niveaux...</translation>
    </message>
    <message>
        <source>&amp;Import Level Set...</source>
        <translation>&amp;Importer une série de niveaux...</translation>
    </message>
    <message>
        <source>&amp;Language...</source>
        <translation>&amp;Langue...</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>&amp;Abort Game</source>
        <translation>&amp;Abandonner la partie</translation>
    </message>
    <message>
        <source>&amp;Replay Level</source>
        <translation>&amp;Rejouer le niveau</translation>
    </message>
    <message>
        <source>&amp;High Scores</source>
        <translation>&amp;Meilleurs scores</translation>
    </message>
    <message>
        <source>&amp;Watch Last Game</source>
        <translation>Regarder la &amp;dernière partie</translation>
    </message>
    <message>
        <source>World &amp;Table...</source>
        <translation>&amp;Table mondiale...</translation>
    </message>
    <message>
        <source>W&amp;orld Top Ten</source>
        <translation>T&amp;op dix mondial</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Music Auto-Play</source>
        <translation>Lecture auto de la musique</translation>
    </message>
    <message>
        <source>&amp;Level Editor</source>
        <translation>Éditeur de &amp;niveaux</translation>
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
    <message>
        <source>&amp;Find Level Sets...</source>
        <translation>C&amp;hercher des séries de niveaux...</translation>
    </message>
    <message>
        <source>%1x</source>
        <translation>×%1</translation>
    </message>
</context>
<context>
    <name>PublishCommand</name>
    <message>
        <source>Publish Set</source>
        <translation>Publier la série</translation>
    </message>
    <message>
        <source>No world table is set up: enter its address in the game under Game &gt; World Table...</source>
        <translation>Aucune table mondiale n’est configurée&#xa0;: saisissez son adresse dans le jeu sous Jeu &gt; Table mondiale...</translation>
    </message>
    <message>
        <source>The set cannot be published: %1.</source>
        <translation>La série ne peut pas être publiée&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Publish the levels of %1 on the world table at %2?</source>
        <translation>Publier les niveaux de %1 sur la table mondiale à %2&#xa0;?</translation>
    </message>
    <message>
        <source>Levels: %1</source>
        <translation>Niveaux&#xa0;: %1</translation>
    </message>
    <message>
        <source>Name: %1</source>
        <translation>Nom&#xa0;: %1</translation>
    </message>
    <message>
        <source>Author: %1</source>
        <translation>Auteur&#xa0;: %1</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucun)</translation>
    </message>
    <message>
        <source>Everyone who uses the table can then download and play these levels.</source>
        <translation>Tous ceux qui utilisent la table pourront alors télécharger et jouer ces niveaux.</translation>
    </message>
    <message>
        <source>Sending the set...</source>
        <translation>Envoi de la série...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Published: %1</source>
        <translation>Publiée&#xa0;: %1</translation>
    </message>
    <message>
        <source>Warnings:</source>
        <translation>Avertissements&#xa0;:</translation>
    </message>
    <message>
        <source>The world table did not publish the set: %1</source>
        <translation>La table mondiale n’a pas publié la série&#xa0;: %1</translation>
    </message>
    <message>
        <source>Open such a level and use File &gt; Check Level to see how the computer player fares.</source>
        <translation>Ouvrez un tel niveau et utilisez Fichier &gt; Vérifier le niveau pour voir comment s’en sort le joueur ordinateur.</translation>
    </message>
    <message>
        <source>The world table has not finished judging the set; it is published if it passes. Look for it later under Game &gt; Find Level Sets... in the game.</source>
        <translation>La table mondiale n’a pas fini de juger la série&#xa0;; elle est publiée si elle réussit. Cherchez-la plus tard dans le jeu sous Jeu &gt; Chercher des séries de niveaux...</translation>
    </message>
    <message numerus="yes">
        <source>The table&apos;s judges play the levels: %Ln of %1 judged.</source>
        <translation>
            <numerusform>Les juges de la table jouent les niveaux&#xa0;: %Ln jugé sur %1.</numerusform>
            <numerusform>Les juges de la table jouent les niveaux&#xa0;: %Ln jugés sur %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RecordingPlayer</name>
    <message>
        <source>the countdown timer fired, but it was stopped</source>
        <translation>la minuterie du compte à rebours s’est déclenchée, mais elle était arrêtée</translation>
    </message>
    <message>
        <source>the bonus timer fired, but it was stopped</source>
        <translation>la minuterie du bonus s’est déclenchée, mais elle était arrêtée</translation>
    </message>
    <message>
        <source>the turtle timer fired, but it was stopped</source>
        <translation>la minuterie des tortues s’est déclenchée, mais elle était arrêtée</translation>
    </message>
    <message>
        <source>the dog timer fired, but it was stopped</source>
        <translation>la minuterie du chien s’est déclenchée, mais elle était arrêtée</translation>
    </message>
    <message>
        <source>at %1 ms the countdown timer fires, where the file has no such firing</source>
        <translation>à %1&#xa0;ms, la minuterie du compte à rebours se déclenche, là où le fichier n’a pas ce déclenchement</translation>
    </message>
    <message>
        <source>at %1 ms the bonus timer fires, where the file has no such firing</source>
        <translation>à %1&#xa0;ms, la minuterie du bonus se déclenche, là où le fichier n’a pas ce déclenchement</translation>
    </message>
    <message>
        <source>at %1 ms the turtle timer fires, where the file has no such firing</source>
        <translation>à %1&#xa0;ms, la minuterie des tortues se déclenche, là où le fichier n’a pas ce déclenchement</translation>
    </message>
    <message>
        <source>at %1 ms the dog timer fires, where the file has no such firing</source>
        <translation>à %1&#xa0;ms, la minuterie du chien se déclenche, là où le fichier n’a pas ce déclenchement</translation>
    </message>
    <message>
        <source>at %1 ms the file has the countdown timer fire, where the clock fires none</source>
        <translation>à %1&#xa0;ms, le fichier déclenche la minuterie du compte à rebours, là où l’horloge n’en déclenche aucune</translation>
    </message>
    <message>
        <source>at %1 ms the file has the bonus timer fire, where the clock fires none</source>
        <translation>à %1&#xa0;ms, le fichier déclenche la minuterie du bonus, là où l’horloge n’en déclenche aucune</translation>
    </message>
    <message>
        <source>at %1 ms the file has the turtle timer fire, where the clock fires none</source>
        <translation>à %1&#xa0;ms, le fichier déclenche la minuterie des tortues, là où l’horloge n’en déclenche aucune</translation>
    </message>
    <message>
        <source>at %1 ms the file has the dog timer fire, where the clock fires none</source>
        <translation>à %1&#xa0;ms, le fichier déclenche la minuterie du chien, là où l’horloge n’en déclenche aucune</translation>
    </message>
    <message>
        <source>Level %1 is not the level %1 that the replay carries</source>
        <translation>Le niveau %1 n’est pas le niveau %1 que contient la rediffusion</translation>
    </message>
    <message>
        <source>Level %1 has changed since this game was played</source>
        <translation>Le niveau %1 a changé depuis que cette partie a été jouée</translation>
    </message>
    <message>
        <source>Level %1 needs the file %2 with the SHA-256 %3, which cannot be found</source>
        <translation>Le niveau %1 a besoin du fichier %2 de SHA-256 %3, qui est introuvable</translation>
    </message>
    <message>
        <source>an answer to a question the game did not ask</source>
        <translation>une réponse à une question que le jeu n’a pas posée</translation>
    </message>
    <message>
        <source>a window closed that the game did not open</source>
        <translation>une fenêtre fermée que le jeu n’avait pas ouverte</translation>
    </message>
    <message>
        <source>an input the game did not take here</source>
        <translation>une entrée que le jeu n’a pas prise en compte ici</translation>
    </message>
    <message>
        <source>the game went on where level %1 ended</source>
        <translation>la partie a continué là où le niveau %1 s’est terminé</translation>
    </message>
    <message numerus="yes">
        <source>the game ends on %n points, not %1</source>
        <translation>
            <numerusform>la partie se termine à %n point, pas à %1</numerusform>
            <numerusform>la partie se termine à %n points, pas à %1</numerusform>
        </translation>
    </message>
    <message>
        <source>the game went on while its window was open</source>
        <translation>la partie a continué alors que sa fenêtre était ouverte</translation>
    </message>
    <message>
        <source>the game went on in a later sitting while one of its windows was open</source>
        <translation>la partie a repris lors d’une séance suivante alors qu’une de ses fenêtres était ouverte</translation>
    </message>
    <message>
        <source>the game went on in a later sitting, but the rules kept no level to go on from</source>
        <translation>la partie a repris lors d’une séance suivante, mais les règles n’ont gardé aucun niveau d’où reprendre</translation>
    </message>
    <message>
        <source>the game reached level %1, which the replay never played</source>
        <translation>la partie a atteint le niveau %1, que la rediffusion n’a jamais joué</translation>
    </message>
    <message>
        <source>the game ended here, where it went on</source>
        <translation>la partie s’est terminée ici, là où elle a continué</translation>
    </message>
    <message>
        <source>Level %1 passed. Saved: %2, lost: %3</source>
        <translation>Niveau %1 réussi. Sauvées&#xa0;: %2, perdues&#xa0;: %3</translation>
    </message>
    <message>
        <source>Level %1 failed. Saved: %2, lost: %3</source>
        <translation>Niveau %1 manqué. Sauvées&#xa0;: %2, perdues&#xa0;: %3</translation>
    </message>
    <message>
        <source>Game over. Score: %1</source>
        <translation>Partie terminée. Score&#xa0;: %1</translation>
    </message>
    <message>
        <source>the game went on in a later sitting from another level than the rules kept: a replay of level %1 (score: %2, saved: %3, lost: %4)</source>
        <translation>la partie a repris dans une séance suivante depuis un autre niveau que celui gardé par les règles&#xa0;: le niveau %1 à rejouer (score&#xa0;: %2, sauvées&#xa0;: %3, perdues&#xa0;: %4)</translation>
    </message>
    <message>
        <source>the game went on in a later sitting from another level than the rules kept: level %1 (score: %2, saved: %3, lost: %4)</source>
        <translation>la partie a repris dans une séance suivante depuis un autre niveau que celui gardé par les règles&#xa0;: le niveau %1 (score&#xa0;: %2, sauvées&#xa0;: %3, perdues&#xa0;: %4)</translation>
    </message>
    <message>
        <source>Level %1 passed here (saved: %2, lost: %3), where the game went on</source>
        <translation>Niveau %1 réussi ici (sauvées&#xa0;: %2, perdues&#xa0;: %3), là où la partie a continué</translation>
    </message>
    <message>
        <source>Level %1 failed here (saved: %2, lost: %3), where the game went on</source>
        <translation>Niveau %1 manqué ici (sauvées&#xa0;: %2, perdues&#xa0;: %3), là où la partie a continué</translation>
    </message>
    <message>
        <source>Level %1 passed (saved: %2, lost: %3, score: %4), where the game showed another end</source>
        <translation>Niveau %1 réussi (sauvées&#xa0;: %2, perdues&#xa0;: %3, score&#xa0;: %4), là où la partie montrait une autre fin</translation>
    </message>
    <message>
        <source>Level %1 failed (saved: %2, lost: %3, score: %4), where the game showed another end</source>
        <translation>Niveau %1 manqué (sauvées&#xa0;: %2, perdues&#xa0;: %3, score&#xa0;: %4), là où la partie montrait une autre fin</translation>
    </message>
</context>
<context>
    <name>RecordingSave</name>
    <message>
        <source>Save Replay</source>
        <translation>Enregistrer la rediffusion</translation>
    </message>
    <message>
        <source>This game cannot be saved with its levels: %1.</source>
        <translation>Impossible d’enregistrer cette partie avec ses niveaux&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Replays (*.replay)</source>
        <translation>Rediffusions (*.replay)</translation>
    </message>
    <message>
        <source>The replay could not be written to %1.</source>
        <translation>La rediffusion n’a pas pu être écrite dans %1.</translation>
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
    <message>
        <source>Countdown</source>
        <translation>Compte à rebours</translation>
    </message>
    <message>
        <source>What happened</source>
        <translation>Ce qui s’est passé</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Temps</translation>
    </message>
    <message>
        <source>Plays the game or holds it (Space)</source>
        <translation>Lit la partie ou la suspend (Espace)</translation>
    </message>
    <message>
        <source>Speed %1x</source>
        <translation>Vitesse %1x</translation>
    </message>
    <message>
        <source>Game time</source>
        <translation>Temps de jeu</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Enregistrer sous...</translation>
    </message>
    <message>
        <source>An earlier version recorded this game: it plays as recorded, without the check of when its timers fire.</source>
        <translation>Une version antérieure a enregistré cette partie&#xa0;: elle se joue telle qu’enregistrée, sans vérifier quand ses minuteries se déclenchent.</translation>
    </message>
    <message>
        <source>%1x</source>
        <translation>×%1</translation>
    </message>
    <message>
        <source>Key %1</source>
        <translation>Touche %1</translation>
    </message>
    <message>
        <source>Goes back to the start of the game (Home)</source>
        <translation>Revient au début de la partie (Début)</translation>
    </message>
    <message>
        <source>Saves the game with its levels in one file (Ctrl+S)</source>
        <translation>Enregistre la partie avec ses niveaux dans un seul fichier (Ctrl+S)</translation>
    </message>
    <message>
        <source>Moves to a moment of the game: the arrows by a second, Page Up and Page Down by ten</source>
        <translation>Va à un moment de la partie&#xa0;: les flèches d’une seconde, Page précédente et Page suivante de dix</translation>
    </message>
</context>
<context>
    <name>ReplayFile</name>
    <message>
        <source>this event takes nothing after its word</source>
        <translation>cet événement ne prend rien après son mot</translation>
    </message>
    <message>
        <source>a timer is countdown, bonus, turtle or dog</source>
        <translation>une minuterie est countdown, bonus, turtle ou dog</translation>
    </message>
    <message>
        <source>a board position is two hexadecimal floating-point numbers</source>
        <translation>une position sur le plateau est formée de deux nombres à virgule flottante hexadécimaux</translation>
    </message>
    <message>
        <source>an answer is yes or no</source>
        <translation>une réponse est yes ou no</translation>
    </message>
    <message>
        <source>a level&apos;s end is its number, passed or failed, saved, lost and the score</source>
        <translation>la fin d’un niveau est son numéro, passed ou failed, sauvées, perdues et le score</translation>
    </message>
    <message>
        <source>the game&apos;s end is its final score</source>
        <translation>la fin de la partie est son score final</translation>
    </message>
    <message>
        <source>unknown arguments</source>
        <translation>arguments inconnus</translation>
    </message>
    <message>
        <source>unknown event</source>
        <translation>événement inconnu</translation>
    </message>
    <message>
        <source>the file ends before the game&apos;s final score: it is cut short</source>
        <translation>le fichier s’arrête avant le score final de la partie&#xa0;: il est tronqué</translation>
    </message>
    <message>
        <source>this is no replay file</source>
        <translation>ce n’est pas un fichier de rediffusion</translation>
    </message>
    <message>
        <source>the replay&apos;s version is no number</source>
        <translation>la version de la rediffusion n’est pas un nombre</translation>
    </message>
    <message>
        <source>this replay was made by a newer version of the game</source>
        <translation>cette rediffusion a été faite par une version plus récente du jeu</translation>
    </message>
    <message>
        <source>a line of the replay&apos;s header holds a control character</source>
        <translation>une ligne de l’en-tête de la rediffusion contient un caractère de contrôle</translation>
    </message>
    <message>
        <source>a line of the replay&apos;s header is not UTF-8 text</source>
        <translation>une ligne de l’en-tête de la rediffusion n’est pas du texte UTF-8</translation>
    </message>
    <message>
        <source>the seed is a whole number</source>
        <translation>la graine est un nombre entier</translation>
    </message>
    <message>
        <source>unknown line in the replay&apos;s header</source>
        <translation>ligne inconnue dans l’en-tête de la rediffusion</translation>
    </message>
    <message>
        <source>the replay has no seed</source>
        <translation>la rediffusion n’a pas de graine</translation>
    </message>
    <message>
        <source>a game&apos;s start is its level, score, saved, lost and fresh or replay</source>
        <translation>le début d’une partie est son niveau, son score, sauvées, perdues et fresh ou replay</translation>
    </message>
    <message>
        <source>a level is its number, the SHA-256 of its file and the file&apos;s name</source>
        <translation>un niveau est son numéro, le SHA-256 de son fichier et le nom du fichier</translation>
    </message>
    <message>
        <source>level %1 is named twice</source>
        <translation>le niveau %1 est nommé deux fois</translation>
    </message>
    <message>
        <source>the line is too long</source>
        <translation>la ligne est trop longue</translation>
    </message>
    <message>
        <source>the replay holds more events than a game can</source>
        <translation>la rediffusion contient plus d’événements qu’une partie ne peut en avoir</translation>
    </message>
    <message>
        <source>events follow the game&apos;s end</source>
        <translation>des événements suivent la fin de la partie</translation>
    </message>
    <message>
        <source>an event is its time in milliseconds and its word</source>
        <translation>un événement est son temps en millisecondes et son mot</translation>
    </message>
    <message>
        <source>the time goes back</source>
        <translation>le temps recule</translation>
    </message>
    <message>
        <source>a replay holds one game: New Game comes first and only once</source>
        <translation>une rediffusion contient une seule partie&#xa0;: Nouvelle partie vient en premier et une seule fois</translation>
    </message>
    <message>
        <source>the game must start with New Game</source>
        <translation>la partie doit commencer par Nouvelle partie</translation>
    </message>
    <message>
        <source>a game with a start in its header begins with continue</source>
        <translation>une partie dont l’en-tête a un début commence par continue</translation>
    </message>
    <message>
        <source>a game continued needs its start in the header</source>
        <translation>une partie reprise a besoin de son début dans l’en-tête</translation>
    </message>
    <message>
        <source>the replay cannot be read</source>
        <translation>la rediffusion est illisible</translation>
    </message>
    <message>
        <source>the replay is larger than any game makes</source>
        <translation>la rediffusion est plus grande que n’importe quelle partie</translation>
    </message>
    <message>
        <source>a later sitting is its seed, then the level, score, saved, lost and fresh or replay it went on from</source>
        <translation>une séance suivante est sa graine, puis le niveau, le score, sauvées, perdues et fresh ou replay d’où elle a repris</translation>
    </message>
    <message>
        <source>the replay names its set but carries none of its levels</source>
        <translation>la rediffusion nomme sa série mais n’en contient aucun niveau</translation>
    </message>
    <message>
        <source>the set&apos;s levels follow its name and come before the levels played</source>
        <translation>les niveaux de la série suivent son nom et précèdent les niveaux joués</translation>
    </message>
    <message>
        <source>level %1 is not the level %1 that the replay carries</source>
        <translation>le niveau %1 n’est pas le niveau %1 que contient la rediffusion</translation>
    </message>
    <message>
        <source>Level %1 is not in the set any more</source>
        <translation>Le niveau %1 n’est plus dans la série</translation>
    </message>
    <message>
        <source>Level %1 has changed since this game was played</source>
        <translation>Le niveau %1 a changé depuis que cette partie a été jouée</translation>
    </message>
</context>
<context>
    <name>SelfContained</name>
    <message>
        <source>the set has changed since this game was played</source>
        <translation>la série a changé depuis que cette partie a été jouée</translation>
    </message>
    <message>
        <source>the game does not play to its end</source>
        <translation>la partie ne se joue pas jusqu’à sa fin</translation>
    </message>
</context>
<context>
    <name>SetExport</name>
    <message>
        <source>Export Level Set</source>
        <translation>Exporter une série de niveaux</translation>
    </message>
    <message>
        <source>The set cannot be exported: %1.</source>
        <translation>Impossible d’exporter la série&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Level sets (*.pondrake)</source>
        <translation>Séries de niveaux (*.pondrake)</translation>
    </message>
    <message>
        <source>The set could not be written to %1.</source>
        <translation>La série n’a pas pu être écrite dans %1.</translation>
    </message>
</context>
<context>
    <name>SetFile</name>
    <message>
        <source>this is no level set file</source>
        <translation>ce n’est pas un fichier de série de niveaux</translation>
    </message>
    <message>
        <source>this set was made by a newer version of the game</source>
        <translation>cette série a été faite par une version plus récente du jeu</translation>
    </message>
    <message>
        <source>only levels follow the first level</source>
        <translation>seuls des niveaux suivent le premier niveau</translation>
    </message>
    <message>
        <source>a line of the set&apos;s header is too long, not UTF-8 text or holds a control character</source>
        <translation>une ligne de l’en-tête de la série est trop longue, n’est pas du texte UTF-8 ou contient un caractère de contrôle</translation>
    </message>
    <message>
        <source>unknown line in the set&apos;s header</source>
        <translation>ligne inconnue dans l’en-tête de la série</translation>
    </message>
    <message>
        <source>the set has no name</source>
        <translation>la série n’a pas de nom</translation>
    </message>
    <message>
        <source>the set holds no level</source>
        <translation>la série ne contient aucun niveau</translation>
    </message>
    <message>
        <source>the file is larger than a level set can be</source>
        <translation>le fichier est plus grand que ne peut l’être une série de niveaux</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>le fichier ne peut pas être lu</translation>
    </message>
    <message>
        <source>a set&apos;s name is not empty</source>
        <translation>le nom d’une série n’est pas vide</translation>
    </message>
    <message numerus="yes">
        <source>a set&apos;s name is at most %n characters long</source>
        <translation>
            <numerusform>le nom d’une série fait au plus %n caractère</numerusform>
            <numerusform>le nom d’une série fait au plus %n caractères</numerusform>
        </translation>
    </message>
    <message>
        <source>a set&apos;s name holds no control character</source>
        <translation>le nom d’une série ne contient aucun caractère de contrôle</translation>
    </message>
    <message numerus="yes">
        <source>a set holds at most %n levels</source>
        <translation>
            <numerusform>une série contient au plus %n niveau</numerusform>
            <numerusform>une série contient au plus %n niveaux</numerusform>
        </translation>
    </message>
    <message>
        <source>level %1 is larger than a level can be (%2 KiB)</source>
        <translation>le niveau %1 est plus grand que ne peut l’être un niveau (%2&#xa0;Kio)</translation>
    </message>
    <message>
        <source>level %1 is not Base64 text</source>
        <translation>le niveau %1 n’est pas du texte Base64</translation>
    </message>
    <message>
        <source>the levels together are larger than a set can be (%1 MiB)</source>
        <translation>les niveaux ensemble sont plus grands que ne peut l’être une série (%1&#xa0;Mio)</translation>
    </message>
    <message>
        <source>level %1 cannot be read as a level: it stops at line %2</source>
        <translation>le niveau %1 ne peut pas être lu comme un niveau&#xa0;: il s’arrête à la ligne %2</translation>
    </message>
</context>
<context>
    <name>SetImport</name>
    <message>
        <source>level %1 cannot be read</source>
        <translation>le niveau %1 ne peut pas être lu</translation>
    </message>
    <message>
        <source>There is no folder to keep level sets in.</source>
        <translation>Il n’y a aucun dossier où garder les séries de niveaux.</translation>
    </message>
    <message>
        <source>The set could not be written into %1.</source>
        <translation>La série n’a pas pu être écrite dans %1.</translation>
    </message>
</context>
<context>
    <name>SetsController</name>
    <message>
        <source>No game was left unfinished.</source>
        <translation>Aucune partie n’a été laissée inachevée.</translation>
    </message>
    <message>
        <source>Go on with the game left unfinished</source>
        <translation>Reprendre la partie laissée inachevée</translation>
    </message>
    <message>
        <source>Play This Set</source>
        <translation>Jouer cette série</translation>
    </message>
</context>
<context>
    <name>SetsTable</name>
    <message>
        <source>Level %1: %2</source>
        <translation>Niveau %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The set from the world table does not read: %1 (line %2).</source>
        <translation>La série de la table mondiale est illisible&#xa0;: %1 (ligne %2).</translation>
    </message>
    <message>
        <source>The world table sent other levels than those of the set listed, so nothing was imported.</source>
        <translation>La table mondiale a envoyé d’autres niveaux que ceux de la série affichée, donc rien n’a été importé.</translation>
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
    <message>
        <source>Level Settings</source>
        <translation>Réglages du niveau</translation>
    </message>
    <message>
        <source>Plays the level on the board; End Test brings back the board as it was</source>
        <translation>Joue le niveau sur le plateau&#xa0;; Fin du test remet le plateau comme il était</translation>
    </message>
    <message>
        <source>Music File</source>
        <translation>Fichier musical</translation>
    </message>
    <message>
        <source>The music played during the level: a file in the audio folder</source>
        <translation>La musique jouée pendant le niveau&#xa0;: un fichier du dossier audio</translation>
    </message>
    <message>
        <source>Choose Music File</source>
        <translation>Choisir le fichier musical</translation>
    </message>
    <message>
        <source>Opens a file dialog to choose the level&apos;s music</source>
        <translation>Ouvre une fenêtre de fichiers pour choisir la musique du niveau</translation>
    </message>
    <message>
        <source>Enter sets the slider to the number typed</source>
        <translation>Entrée règle le curseur sur le nombre tapé</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>Bonus</translation>
    </message>
    <message>
        <source>Bonus seconds at the level&apos;s start, from 10 to 500</source>
        <translation>Secondes de bonus au début du niveau, de 10 à 500</translation>
    </message>
    <message>
        <source>Bonus seconds</source>
        <translation>Secondes de bonus</translation>
    </message>
    <message>
        <source>Turtle and Foot Speed</source>
        <translation>Vitesse des tortues et des pieds</translation>
    </message>
    <message>
        <source>Milliseconds between two steps of the turtles and feet, from 50 to 3000</source>
        <translation>Millisecondes entre deux pas des tortues et des pieds, de 50 à 3000</translation>
    </message>
    <message>
        <source>Turtle and Foot milliseconds</source>
        <translation>Millisecondes des tortues et des pieds</translation>
    </message>
    <message>
        <source>Dog and Alien Speed</source>
        <translation>Vitesse des chiens et des aliens</translation>
    </message>
    <message>
        <source>Milliseconds between two steps of the dogs and aliens, from 50 to 3000</source>
        <translation>Millisecondes entre deux pas des chiens et des aliens, de 50 à 3000</translation>
    </message>
    <message>
        <source>Dog and Alien milliseconds</source>
        <translation>Millisecondes des chiens et des aliens</translation>
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
    <message>
        <source>Bonus seconds</source>
        <translation>Secondes de bonus</translation>
    </message>
    <message>
        <source>A click on the board places: %1</source>
        <translation>Un clic sur le plateau place&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 (key %2)</source>
        <translation>%1 (touche %2)</translation>
    </message>
</context>
<context>
    <name>TopTenWindow</name>
    <message>
        <source>Top Ten Scores</source>
        <translation>Top dix des scores</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Place %1</source>
        <translation>Place %1</translation>
    </message>
    <message>
        <source>Score in place %1</source>
        <translation>Score à la place %1</translation>
    </message>
    <message>
        <source>Name in place %1</source>
        <translation>Nom à la place %1</translation>
    </message>
    <message>
        <source>Handwritten name in place %1</source>
        <translation>Nom manuscrit à la place %1</translation>
    </message>
    <message>
        <source>World table</source>
        <translation>Table mondiale</translation>
    </message>
    <message>
        <source>Anonymous</source>
        <translation>Anonyme</translation>
    </message>
    <message>
        <source>Double-click to watch this game, or choose it with the arrows and press Enter</source>
        <translation>Double-cliquez pour regarder cette partie, ou choisissez-la avec les flèches et appuyez sur Entrée</translation>
    </message>
    <message>
        <source>a handwritten name</source>
        <translation>un nom manuscrit</translation>
    </message>
    <message>
        <source>Place %1: %2, %3. Enter watches this game.</source>
        <translation>Place %1&#xa0;: %2, %3. Entrée montre cette partie.</translation>
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
    <name>WebPages</name>
    <message>
        <source>There is no such page.</source>
        <translation>Cette page n’existe pas.</translation>
    </message>
    <message>
        <source>Level sets</source>
        <translation>Séries de niveaux</translation>
    </message>
    <message>
        <source>No game has been sent yet.</source>
        <translation>Aucune partie n’a encore été envoyée.</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Série</translation>
    </message>
    <message>
        <source>Levels</source>
        <translation>Niveaux</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Parties</translation>
    </message>
    <message>
        <source>Best score</source>
        <translation>Meilleur score</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Page précédente</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Page suivante</translation>
    </message>
    <message>
        <source>No game of this set is in the table.</source>
        <translation>Aucune partie de cette série n’est dans le tableau.</translation>
    </message>
    <message>
        <source>Watch</source>
        <translation>Regarder</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Partie</translation>
    </message>
    <message>
        <source>There is no game at this address.</source>
        <translation>Il n’y a aucune partie à cette adresse.</translation>
    </message>
    <message>
        <source>Countdown</source>
        <translation>Compte à rebours</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Plateau</translation>
    </message>
    <message>
        <source>Back to the start</source>
        <translation>Retour au début</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>Game time</source>
        <translation>Temps de jeu</translation>
    </message>
    <message>
        <source>Download this game</source>
        <translation>Télécharger cette partie</translation>
    </message>
    <message>
        <source>Without scripts the game is not played here: download it and open it in Pondrake to watch it.</source>
        <translation>Sans scripts, la partie ne se joue pas ici&#xa0;: téléchargez-la et ouvrez-la dans Pondrake pour la regarder.</translation>
    </message>
    <message>
        <source>This game could not be loaded.</source>
        <translation>Cette partie n’a pas pu être chargée.</translation>
    </message>
    <message>
        <source>like level %1</source>
        <translation>comme le niveau %1</translation>
    </message>
    <message>
        <source>All sets</source>
        <translation>Toutes les séries</translation>
    </message>
    <message>
        <source>Published sets only</source>
        <translation>Séries publiées seulement</translation>
    </message>
    <message>
        <source>No set has been published yet.</source>
        <translation>Aucune série n’a encore été publiée.</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Auteur</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Difficulté</translation>
    </message>
    <message>
        <source>Published</source>
        <translation>Publiée</translation>
    </message>
    <message>
        <source>Plays itself</source>
        <translation>Se joue toute seule</translation>
    </message>
    <message>
        <source>Download this set</source>
        <translation>Télécharger cette série</translation>
    </message>
    <message>
        <source>How the computer player fared</source>
        <translation>Les résultats du joueur ordinateur</translation>
    </message>
    <message>
        <source>Runs passed</source>
        <translation>Parties réussies</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Remarque</translation>
    </message>
    <message>
        <source>No game of this set has been sent yet.</source>
        <translation>Aucune partie de cette série n’a encore été envoyée.</translation>
    </message>
    <message>
        <source>Anonymous</source>
        <translation>Anonyme</translation>
    </message>
</context>
<context>
    <name>WorldPanel</name>
    <message>
        <source>World Table</source>
        <translation>Table mondiale</translation>
    </message>
    <message>
        <source>Your game is in the top ten. Send it to the world table at %1? Only its replay and the name you entered are sent; Game &gt; World Table... changes this later.</source>
        <translation>Votre partie est dans le top dix. L&apos;envoyer à la table mondiale à %1&#xa0;? Seuls sa rediffusion et le nom saisi sont envoyés&#xa0;; Jeu &gt; Table mondiale... change cela plus tard.</translation>
    </message>
    <message>
        <source>The game cannot be sent: %1.</source>
        <translation>La partie ne peut pas être envoyée&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The levels of this set cannot be read, so the game cannot be sent.</source>
        <translation>Les niveaux de cette série sont illisibles&#xa0;: la partie ne peut pas être envoyée.</translation>
    </message>
    <message>
        <source>The game could not be kept for the world table.</source>
        <translation>La partie n&apos;a pas pu être conservée pour la table mondiale.</translation>
    </message>
    <message>
        <source>Sending...</source>
        <translation>Envoi...</translation>
    </message>
</context>
<context>
    <name>WorldTable</name>
    <message>
        <source>The world table answered with status %1.</source>
        <translation>La table mondiale a répondu avec le statut %1.</translation>
    </message>
    <message>
        <source>Cannot reach the world table at %1</source>
        <translation>Impossible de joindre la table mondiale à %1</translation>
    </message>
    <message>
        <source>The world table at %1 sent the game elsewhere; the game does not follow.</source>
        <translation>La table mondiale à %1 renvoie ailleurs&#xa0;; le jeu ne suit pas.</translation>
    </message>
    <message>
        <source>The world table&apos;s answer is too large to read.</source>
        <translation>La réponse de la table mondiale est trop grande pour être lue.</translation>
    </message>
    <message>
        <source>Saved; will send when the world table answers</source>
        <translation>Enregistrée&#xa0;; envoi dès que la table mondiale répond</translation>
    </message>
    <message>
        <source>Verified: rank %1 of %2</source>
        <translation>Vérifiée&#xa0;: rang %1 sur %2</translation>
    </message>
    <message>
        <source>The world table&apos;s answer is not one the game can read.</source>
        <translation>Le jeu ne sait pas lire la réponse de la table mondiale.</translation>
    </message>
    <message>
        <source>The game from the world table does not read: %1 (line %2).</source>
        <translation>La partie de la table mondiale est illisible&#xa0;: %1 (ligne %2).</translation>
    </message>
    <message>
        <source>The game from the world table does not carry its levels.</source>
        <translation>La partie de la table mondiale ne contient pas ses niveaux.</translation>
    </message>
    <message>
        <source>This game is already on the world table under another name.</source>
        <translation>Cette partie est déjà sur la table mondiale sous un autre nom.</translation>
    </message>
    <message>
        <source>This game was recorded by an earlier version of Pondrake, which the world table can no longer check.</source>
        <translation>Cette partie a été enregistrée par une version antérieure de Pondrake, que la table mondiale ne peut plus vérifier.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Set name</source>
        <translation>Nom de la série</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Auteur</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>The world table could not read the request.</source>
        <translation>La table mondiale n’a pas pu lire la requête.</translation>
    </message>
    <message>
        <source>The world table does not answer this request at this address.</source>
        <translation>La table mondiale ne répond pas à cette requête à cette adresse.</translation>
    </message>
    <message numerus="yes">
        <source>The world table takes at most %n byte(s) in one request.</source>
        <translation>
            <numerusform>La table mondiale accepte au plus %n octet par requête.</numerusform>
            <numerusform>La table mondiale accepte au plus %n octets par requête.</numerusform>
        </translation>
    </message>
    <message>
        <source>The world table takes this only as %1.</source>
        <translation>La table mondiale n’accepte ceci qu’au format %1.</translation>
    </message>
    <message>
        <source>The world table could not read the game sent.</source>
        <translation>La table mondiale n’a pas pu lire la partie envoyée.</translation>
    </message>
    <message>
        <source>The world table could not read the game sent: %1</source>
        <translation>La table mondiale n’a pas pu lire la partie envoyée&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1: not valid text.</source>
        <translation>%1&#xa0;: texte non valide.</translation>
    </message>
    <message>
        <source>%1: holds a control character.</source>
        <translation>%1&#xa0;: contient un caractère de contrôle.</translation>
    </message>
    <message>
        <source>%1: holds an invisible formatting character, such as a direction mark.</source>
        <translation>%1&#xa0;: contient un caractère de mise en forme invisible, comme une marque de direction.</translation>
    </message>
    <message numerus="yes">
        <source>A typed name is at most %n character(s) long.</source>
        <translation>
            <numerusform>Un nom saisi compte au plus %n caractère.</numerusform>
            <numerusform>Un nom saisi compte au plus %n caractères.</numerusform>
        </translation>
    </message>
    <message>
        <source>The handwritten name is not ink the game can draw.</source>
        <translation>Le nom manuscrit n’est pas une encre que le jeu sait dessiner.</translation>
    </message>
    <message>
        <source>A handwritten name fits on the name pad of %1 by %2 pixels.</source>
        <translation>Un nom manuscrit tient dans la zone de nom de %1 sur %2 pixels.</translation>
    </message>
    <message>
        <source>The world table cannot read the game at line %1: %2</source>
        <translation>La table mondiale ne peut pas lire la partie à la ligne %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The game does not carry its levels, so the world table cannot check it.</source>
        <translation>La partie ne contient pas ses niveaux, la table mondiale ne peut donc pas la vérifier.</translation>
    </message>
    <message>
        <source>The game starts at level %1 with a score of %2; the world table checks only whole games, played from level 1.</source>
        <translation>La partie commence au niveau %1 avec un score de %2&#xa0;; la table mondiale ne vérifie que des parties entières, jouées depuis le niveau 1.</translation>
    </message>
    <message>
        <source>The world table could not play the game through: %1</source>
        <translation>La table mondiale n’a pas pu rejouer la partie jusqu’au bout&#xa0;: %1</translation>
    </message>
    <message>
        <source>The game stops in level %1 before its end; the world table checks only games played to their end.</source>
        <translation>La partie s’arrête au niveau %1 avant sa fin&#xa0;; la table mondiale ne vérifie que des parties jouées jusqu’au bout.</translation>
    </message>
    <message>
        <source>The world table stopped checking the game before its end.</source>
        <translation>La table mondiale a arrêté de vérifier la partie avant sa fin.</translation>
    </message>
    <message>
        <source>The game takes the world table more than %1 s to check.</source>
        <translation>La vérification de la partie prendrait plus de %1&#xa0;s à la table mondiale.</translation>
    </message>
    <message>
        <source>This game failed when the world table checked its games again.</source>
        <translation>Cette partie a échoué quand la table mondiale a revérifié ses parties.</translation>
    </message>
    <message>
        <source>This game can no longer be played through: %1</source>
        <translation>Cette partie ne peut plus être rejouée jusqu’au bout&#xa0;: %1</translation>
    </message>
    <message>
        <source>The world table has no such game.</source>
        <translation>La table mondiale n’a pas cette partie.</translation>
    </message>
    <message>
        <source>No game of this set is on the world table yet.</source>
        <translation>Aucune partie de cette série n’est encore sur la table mondiale.</translation>
    </message>
    <message numerus="yes">
        <source>The world table lists at most %n row(s) at once.</source>
        <translation>
            <numerusform>La table mondiale affiche au plus %n ligne à la fois.</numerusform>
            <numerusform>La table mondiale affiche au plus %n lignes à la fois.</numerusform>
        </translation>
    </message>
    <message>
        <source>The world table cannot sort the sets that way.</source>
        <translation>La table mondiale ne peut pas trier les séries ainsi.</translation>
    </message>
    <message>
        <source>The world table cannot read the set at line %1: %2</source>
        <translation>La table mondiale ne peut pas lire la série à la ligne %1&#xa0;: %2</translation>
    </message>
    <message numerus="yes">
        <source>A set published has at most %n level(s), not %1.</source>
        <translation>
            <numerusform>Une série publiée a au plus %n niveau, pas %1.</numerusform>
            <numerusform>Une série publiée a au plus %n niveaux, pas %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The world table refused %n level(s) of the set.</source>
        <translation>
            <numerusform>La table mondiale a refusé %n niveau de la série.</numerusform>
            <numerusform>La table mondiale a refusé %n niveaux de la série.</numerusform>
        </translation>
    </message>
    <message>
        <source>Too few turtles can reach the water: %1 of %2.</source>
        <translation>Trop peu de tortues peuvent atteindre l’eau&#xa0;: %1 sur %2.</translation>
    </message>
    <message>
        <source>The computer player passed %1 of %2 runs.</source>
        <translation>Le joueur ordinateur a réussi %1 parties sur %2.</translation>
    </message>
    <message>
        <source>Its creatures step every %1 ms; in a published level they step every %2 ms at the fastest.</source>
        <translation>Ses créatures avancent toutes les %1&#xa0;ms&#xa0;; dans un niveau publié, au plus vite toutes les %2&#xa0;ms.</translation>
    </message>
    <message>
        <source>The world table has no set with these levels sent within the hour.</source>
        <translation>La table mondiale n’a reçu aucune série avec ces niveaux dans l’heure.</translation>
    </message>
    <message>
        <source>No set with these levels is published on the world table.</source>
        <translation>Aucune série avec ces niveaux n’est publiée sur la table mondiale.</translation>
    </message>
    <message numerus="yes">
        <source>Too many games sent from here: wait %n second(s).</source>
        <translation>
            <numerusform>Trop de parties envoyées d’ici&#xa0;: attendez %n seconde.</numerusform>
            <numerusform>Trop de parties envoyées d’ici&#xa0;: attendez %n secondes.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Too many sets sent from here: wait %n second(s).</source>
        <translation>
            <numerusform>Trop de séries envoyées d’ici&#xa0;: attendez %n seconde.</numerusform>
            <numerusform>Trop de séries envoyées d’ici&#xa0;: attendez %n secondes.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Too many requests from here: wait %n second(s).</source>
        <translation>
            <numerusform>Trop de requêtes d’ici&#xa0;: attendez %n seconde.</numerusform>
            <numerusform>Trop de requêtes d’ici&#xa0;: attendez %n secondes.</numerusform>
        </translation>
    </message>
    <message>
        <source>Too many connections from here at once.</source>
        <translation>Trop de connexions simultanées d’ici.</translation>
    </message>
    <message>
        <source>The world table is busy; try again soon.</source>
        <translation>La table mondiale est occupée&#xa0;; réessayez bientôt.</translation>
    </message>
    <message>
        <source>The world table is judging as many sets as it can; send the set again later.</source>
        <translation>La table mondiale juge autant de séries qu’elle peut&#xa0;; renvoyez la série plus tard.</translation>
    </message>
    <message>
        <source>The world table failed while it judged the set; send it again.</source>
        <translation>La table mondiale a échoué en jugeant la série&#xa0;; renvoyez-la.</translation>
    </message>
    <message>
        <source>The world table failed; try again later.</source>
        <translation>La table mondiale a échoué&#xa0;; réessayez plus tard.</translation>
    </message>
    <message>
        <source>The world table played the game otherwise in level %1 (checkpoint %2): %3</source>
        <translation>La table mondiale a joué la partie autrement au niveau %1 (point de contrôle %2)&#xa0;: %3</translation>
    </message>
    <message>
        <source>The level plays itself: nobody at the board passed %1 of %2 runs.</source>
        <translation>Le niveau se joue tout seul&#xa0;: sans personne aux commandes, %1 parties sur %2 sont réussies.</translation>
    </message>
</context>
<context>
    <name>WorldTableDialog</name>
    <message>
        <source>World Table</source>
        <translation>Table mondiale</translation>
    </message>
    <message>
        <source>for example scores.example.org:8080</source>
        <translation>par exemple scores.example.org:8080</translation>
    </message>
    <message>
        <source>Server &amp;address:</source>
        <translation>Adresse du &amp;serveur&#xa0;:</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Adresse du serveur</translation>
    </message>
    <message>
        <source>The world table&apos;s address; empty for none</source>
        <translation>L&apos;adresse de la table mondiale&#xa0;; vide pour aucune</translation>
    </message>
    <message>
        <source>Send my top-ten games</source>
        <translation>Envoyer mes parties du top dix</translation>
    </message>
    <message>
        <source>A game that enters your top ten is sent with its replay and the name you entered, nothing else. With no address the game never uses the network.</source>
        <translation>Une partie qui entre dans votre top dix est envoyée avec sa rediffusion et le nom saisi, rien d&apos;autre. Sans adresse, le jeu n&apos;utilise jamais le réseau.</translation>
    </message>
</context>
<context>
    <name>WorldTopTenWindow</name>
    <message>
        <source>World Top Ten</source>
        <translation>Top dix mondial</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Rang</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Enter or a double-click watches the game of a row</source>
        <translation>Entrée ou un double-clic montre la partie d&apos;une ligne</translation>
    </message>
    <message>
        <source>State</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>No world table is set up: enter its address under Game &gt; World Table..., as the README&apos;s section &quot;The world table&quot; describes.</source>
        <translation>Aucune table mondiale n&apos;est configurée&#xa0;: saisissez son adresse sous Jeu &gt; Table mondiale..., comme le décrit la section &quot;The world table&quot; du README.</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Chargement...</translation>
    </message>
    <message>
        <source>Place %1</source>
        <translation>Place %1</translation>
    </message>
    <message>
        <source>Score %1</source>
        <translation>Score %1</translation>
    </message>
    <message>
        <source>Handwritten name</source>
        <translation>Nom manuscrit</translation>
    </message>
    <message>
        <source>Name %1</source>
        <translation>Nom %1</translation>
    </message>
    <message>
        <source>Handwritten name in place %1</source>
        <translation>Nom manuscrit à la place %1</translation>
    </message>
    <message>
        <source>No game of this set is on the world table yet.</source>
        <translation>Aucune partie de cette série n&apos;est encore sur la table mondiale.</translation>
    </message>
    <message>
        <source>Games of this set on the world table: %1. Enter or a double-click watches a game.</source>
        <translation>Parties de cette série sur la table mondiale&#xa0;: %1. Entrée ou un double-clic montre une partie.</translation>
    </message>
    <message>
        <source>The game the world table sent for this row does not play to its score of %1 in this set, so it is not shown.</source>
        <translation>La partie envoyée par la table mondiale pour cette ligne n&apos;atteint pas son score de %1 dans cette série&#xa0;; elle n&apos;est donc pas montrée.</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Sent on %1</source>
        <translation>Envoyée le %1</translation>
    </message>
    <message>
        <source>Date not known</source>
        <translation>Date inconnue</translation>
    </message>
    <message>
        <source>Anonymous</source>
        <translation>Anonyme</translation>
    </message>
</context>
</TS>
