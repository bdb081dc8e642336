<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Announcer</name>
    <message>
        <source>Game news</source>
        <translation>Noticias de la partida</translation>
    </message>
</context>
<context>
    <name>AudioMenu</name>
    <message>
        <source>&amp;Audio</source>
        <translation>Au&amp;dio</translation>
    </message>
    <message>
        <source>Music Stop</source>
        <translation>Detener la música</translation>
    </message>
    <message>
        <source>Sound Effects</source>
        <translation>Efectos de sonido</translation>
    </message>
</context>
<context>
    <name>BoardAccessible</name>
    <message>
        <source>Board</source>
        <translation>Tablero</translation>
    </message>
    <message>
        <source>20 rows of 20 squares. The arrow keys move the cursor, Tab jumps to the next turtle or dog, Space picks it up and an arrow then sends it that way.</source>
        <translation>20 filas de 20 casillas. Las flechas mueven el cursor, Tab salta a la siguiente tortuga o perro, Espacio lo toma y luego una flecha lo envía en esa dirección.</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Columna %1</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Fila %1</translation>
    </message>
</context>
<context>
    <name>BoardPicture</name>
    <message>
        <source>Paused</source>
        <translation>En pausa</translation>
    </message>
</context>
<context>
    <name>CellNames</name>
    <message>
        <source>Nothing</source>
        <translation>Nada</translation>
    </message>
    <message>
        <source>Blank</source>
        <translation>Vacío</translation>
    </message>
    <message>
        <source>Rocks</source>
        <translation>Rocas</translation>
    </message>
    <message>
        <source>Hole</source>
        <translation>Agujero</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Agua</translation>
    </message>
    <message>
        <source>Turtle heading west</source>
        <translation>Tortuga hacia el oeste</translation>
    </message>
    <message>
        <source>Turtle heading north</source>
        <translation>Tortuga hacia el norte</translation>
    </message>
    <message>
        <source>Turtle heading east</source>
        <translation>Tortuga hacia el este</translation>
    </message>
    <message>
        <source>Turtle heading south</source>
        <translation>Tortuga hacia el sur</translation>
    </message>
    <message>
        <source>Dog walking west</source>
        <translation>Perro andando hacia el oeste</translation>
    </message>
    <message>
        <source>Dog walking north</source>
        <translation>Perro andando hacia el norte</translation>
    </message>
    <message>
        <source>Dog walking east</source>
        <translation>Perro andando hacia el este</translation>
    </message>
    <message>
        <source>Dog walking south</source>
        <translation>Perro andando hacia el sur</translation>
    </message>
    <message>
        <source>Dog sitting</source>
        <translation>Perro sentado</translation>
    </message>
    <message>
        <source>Alien</source>
        <translation>Alienígena</translation>
    </message>
    <message>
        <source>Foot heading west</source>
        <translation>Pie hacia el oeste</translation>
    </message>
    <message>
        <source>Foot heading east</source>
        <translation>Pie hacia el este</translation>
    </message>
    <message>
        <source>Turtle</source>
        <translation>Tortuga</translation>
    </message>
    <message>
        <source>Unknown tile</source>
        <translation>Casilla desconocida</translation>
    </message>
    <message>
        <source>%1, picked up, row %2, column %3</source>
        <translation>%1, tomado, fila %2, columna %3</translation>
    </message>
    <message>
        <source>%1, row %2, column %3</source>
        <translation>%1, fila %2, columna %3</translation>
    </message>
</context>
<context>
    <name>CheckCommand</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Check Level</source>
        <translation>Comprobar nivel</translation>
    </message>
    <message numerus="yes">
        <source>Checking the level: the computer player and nobody at the board, %Ln runs each</source>
        <translation>
            <numerusform>Comprobando el nivel: %Ln partida con el jugador automático y otra sin nadie al mando</numerusform>
            <numerusform>Comprobando el nivel: %Ln partidas con el jugador automático y otras tantas sin nadie al mando</numerusform>
        </translation>
    </message>
    <message>
        <source>Runs checked</source>
        <translation>Partidas comprobadas</translation>
    </message>
</context>
<context>
    <name>CheckLevelWindow</name>
    <message>
        <source>Check Level</source>
        <translation>Comprobar nivel</translation>
    </message>
    <message>
        <source>%1, median score %2, median time %3 s</source>
        <translation>%1, mediana de puntos %2, mediana de tiempo %3 s</translation>
    </message>
    <message>
        <source>no turtle saved</source>
        <translation>ninguna tortuga salvada</translation>
    </message>
    <message>
        <source>%1 commands per saved turtle: about as hard as level %2</source>
        <translation>%1 órdenes por tortuga salvada: más o menos tan difícil como el nivel %2</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>Turtles with a way to water:</source>
        <translation>Tortugas con camino al agua:</translation>
    </message>
    <message>
        <source>Computer player:</source>
        <translation>Jugador automático:</translation>
    </message>
    <message>
        <source>Difficulty:</source>
        <translation>Dificultad:</translation>
    </message>
    <message>
        <source>Nobody at the board:</source>
        <translation>Nadie al mando:</translation>
    </message>
    <message>
        <source>Watch</source>
        <translation>Ver</translation>
    </message>
    <message>
        <source>Computer player</source>
        <translation>Jugador automático</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Dificultad</translation>
    </message>
    <message>
        <source>Nobody at the board</source>
        <translation>Nadie al mando</translation>
    </message>
    <message>
        <source>Turtles with a way to water</source>
        <translation>Tortugas con camino al agua</translation>
    </message>
    <message numerus="yes">
        <source>passes %1 of %Ln runs (%2%)</source>
        <translation>
            <numerusform>supera %1 de %Ln partida (%2 %)</numerusform>
            <numerusform>supera %1 de %Ln partidas (%2 %)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln of %1 runs went ten simulated minutes without the level ending</source>
        <translation>
            <numerusform>%Ln de %1 partidas duró diez minutos simulados sin que el nivel terminara</numerusform>
            <numerusform>%Ln de %1 partidas duraron diez minutos simulados sin que el nivel terminara</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Pondrake, an action puzzle game: steer turtles to the water with the mouse,
past holes, hopping aliens and stamping feet. A level editor makes new levels.</source>
        <translation>Pondrake, un juego de acción y rompecabezas: guía las tortugas hasta el agua con el ratón,
entre agujeros, alienígenas saltarines y pies que pisotean. Un editor crea niveles nuevos.</translation>
    </message>
    <message>
        <source>Show this help and quit.</source>
        <translation>Mostrar esta ayuda y salir.</translation>
    </message>
    <message>
        <source>Show the version and quit.</source>
        <translation>Mostrar la versión y salir.</translation>
    </message>
    <message>
        <source>A level set (.pondrake) to import and play, or a replay (.replay) to watch. A game already running takes it over.</source>
        <translation>Una colección de niveles (.pondrake) para importar y jugar, o una repetición (.replay) para ver. Una partida ya abierta se encarga de ella.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;.</source>
        <translation>argumento inesperado «%1».</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>Prueba «%1 --help» para más información.</translation>
    </message>
    <message>
        <source>Qt&apos;s own options, such as -platform and -style, are passed on to Qt.
Where the scores and levels are kept, and what the game reads from its
environment: see the manual page, pondrake(6).
</source>
        <translation>Las opciones propias de Qt, como -platform y -style, pasan a Qt.
Dónde se guardan los puntos y los niveles, y qué lee el juego de su
entorno: véase la página de manual pondrake(6).
</translation>
    </message>
</context>
<context>
    <name>EditHistory</name>
    <message>
        <source>Place %1</source>
        <translation>Colocar %1</translation>
    </message>
    <message>
        <source>Music File</source>
        <translation>Archivo de música</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>Bonus</translation>
    </message>
    <message>
        <source>Turtle/Foot Speed</source>
        <translation>Velocidad tortugas/pies</translation>
    </message>
    <message>
        <source>Dog/Alien Speed</source>
        <translation>Velocidad perros/alienígenas</translation>
    </message>
    <message>
        <source>Change %1</source>
        <translation>Cambiar %1</translation>
    </message>
</context>
<context>
    <name>EditKeys</name>
    <message>
        <source>20 rows of 20 squares. The arrow keys move the cursor, Space or Enter places the chosen picture there, and the keys 1 to 9 choose a picture of the palette.</source>
        <translation>20 filas de 20 casillas. Las flechas mueven el cursor, Espacio o Intro colocan ahí la imagen elegida y las teclas 1 a 9 eligen una imagen de la paleta.</translation>
    </message>
</context>
<context>
    <name>EditorActions</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>New Level</source>
        <translation>Nuevo nivel</translation>
    </message>
    <message>
        <source>&amp;Open Level</source>
        <translation>&amp;Abrir nivel</translation>
    </message>
    <message>
        <source>Save Level</source>
        <translation>Guardar nivel</translation>
    </message>
    <message>
        <source>Check Level</source>
        <translation>Comprobar nivel</translation>
    </message>
    <message>
        <source>Play This Set</source>
        <translation>Jugar esta colección</translation>
    </message>
    <message>
        <source>Export Set...</source>
        <translation>Exportar colección...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>Music Auto Play</source>
        <translation>Música automática</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Instrucciones</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Publish Set...</source>
        <translation>Publicar colección...</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Deshacer: %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rehacer: %1</translation>
    </message>
</context>
<context>
    <name>EditorWindow</name>
    <message>
        <source>A click places the selected item on a square; during a test the keys steer as in the game</source>
        <translation>Un clic coloca la selección en una casilla; durante una prueba las teclas dirigen como en el juego</translation>
    </message>
    <message>
        <source>End Test</source>
        <translation>Terminar prueba</translation>
    </message>
    <message>
        <source>Keep Test Board</source>
        <translation>Conservar el tablero de la prueba</translation>
    </message>
    <message>
        <source>New Level</source>
        <translation>Nuevo nivel</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sin título</translation>
    </message>
    <message>
        <source>Level Editor - %1[*]</source>
        <translation>Editor de niveles – %1[*]</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>Play This Set</source>
        <translation>Jugar esta colección</translation>
    </message>
    <message>
        <source>Open or save a level first: the set played is the folder of that file.</source>
        <translation>Abre o guarda primero un nivel: la colección que se juega es la carpeta de ese archivo.</translation>
    </message>
    <message>
        <source>Export Set</source>
        <translation>Exportar colección</translation>
    </message>
    <message>
        <source>Open or save a level first: the set exported is the folder of that file.</source>
        <translation>Abre o guarda primero un nivel: la colección exportada es la carpeta de ese archivo.</translation>
    </message>
    <message>
        <source>Publish Set</source>
        <translation>Publicar colección</translation>
    </message>
    <message>
        <source>Open or save a level first: the set published is the folder of that file.</source>
        <translation>Abre o guarda primero un nivel: la colección publicada es la carpeta de ese archivo.</translation>
    </message>
</context>
<context>
    <name>FileOpener</name>
    <message>
        <source>%1 is neither a level set (.pondrake) nor a replay (.replay).</source>
        <translation>%1 no es ni una colección de niveles (.pondrake) ni una repetición (.replay).</translation>
    </message>
    <message>
        <source>Import Level Set</source>
        <translation>Importar colección de niveles</translation>
    </message>
    <message>
        <source>Level sets (*.pondrake)</source>
        <translation>Colecciones de niveles (*.pondrake)</translation>
    </message>
    <message>
        <source> (line %1)</source>
        <translation> (línea %1)</translation>
    </message>
    <message>
        <source>%1 cannot be imported: %2%3.</source>
        <translation>No se puede importar %1: %2%3.</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Abrir archivo</translation>
    </message>
</context>
<context>
    <name>FindSetsWindow</name>
    <message>
        <source>Find Level Sets</source>
        <translation>Buscar colecciones de niveles</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Autor</translation>
    </message>
    <message>
        <source>Levels</source>
        <translation>Niveles</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Dificultad</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Partidas</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Mejor</translation>
    </message>
    <message>
        <source>About as hard as this level of the game&apos;s own set</source>
        <translation>Más o menos tan difícil como este nivel de la colección del juego</translation>
    </message>
    <message>
        <source>Published level sets</source>
        <translation>Colecciones de niveles publicadas</translation>
    </message>
    <message>
        <source>Enter or a double-click plays the set of a row</source>
        <translation>Intro o un doble clic juega la colección de una fila</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>What the set&apos;s author says of it</source>
        <translation>Lo que el autor dice de la colección</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Jugar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>No world table is set up: enter its address under Game &gt; World Table..., as the README&apos;s section &quot;The world table&quot; describes.</source>
        <translation>No hay tabla mundial configurada: escribe su dirección en Juego &gt; Tabla mundial..., como describe la sección &quot;The world table&quot; del README.</translation>
    </message>
    <message>
        <source>Asking the table...</source>
        <translation>Consultando la tabla...</translation>
    </message>
    <message>
        <source>Author %1</source>
        <translation>Autor %1</translation>
    </message>
    <message>
        <source>Levels %1</source>
        <translation>Niveles %1</translation>
    </message>
    <message>
        <source>About as hard as level %1</source>
        <translation>Más o menos tan difícil como el nivel %1</translation>
    </message>
    <message>
        <source>Difficulty not known</source>
        <translation>Dificultad desconocida</translation>
    </message>
    <message>
        <source>Games %1</source>
        <translation>Partidas %1</translation>
    </message>
    <message>
        <source>Best score %1</source>
        <translation>Más puntos %1</translation>
    </message>
    <message>
        <source>No set is published yet.</source>
        <translation>Todavía no hay ninguna colección publicada.</translation>
    </message>
    <message>
        <source>Enter or Play imports the set chosen and plays it.</source>
        <translation>Intro o Jugar importa la colección elegida y la juega.</translation>
    </message>
    <message>
        <source>Fetching the set...</source>
        <translation>Descargando la colección...</translation>
    </message>
</context>
<context>
    <name>GameOverDialog</name>
    <message>
        <source>Game Over</source>
        <translation>Fin de la partida</translation>
    </message>
    <message>
        <source>Game Over!</source>
        <translation>¡Fin de la partida!</translation>
    </message>
    <message>
        <source>Your Score:</source>
        <translation>Tus puntos:</translation>
    </message>
    <message>
        <source>New High Score!</source>
        <translation>¡Nuevo récord!</translation>
    </message>
    <message>
        <source>Write your name:</source>
        <translation>Escribe tu nombre:</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Enviar</translation>
    </message>
    <message>
        <source>OR type your name:</source>
        <translation>O teclea tu nombre:</translation>
    </message>
    <message>
        <source>Alas, you did not score in the top ten.</source>
        <translation>Lástima, no entras en los diez mejores.</translation>
    </message>
    <message>
        <source>Bummer</source>
        <translation>Qué pena</translation>
    </message>
    <message>
        <source>Your score could not be saved in %1.</source>
        <translation>No se pudieron guardar tus puntos en %1.</translation>
    </message>
    <message>
        <source>Your Score</source>
        <translation>Tus puntos</translation>
    </message>
    <message>
        <source>New High Score</source>
        <translation>Nuevo récord</translation>
    </message>
    <message>
        <source>Handwritten name</source>
        <translation>Nombre manuscrito</translation>
    </message>
    <message>
        <source>Write your name here with a pen or the mouse</source>
        <translation>Escribe aquí tu nombre con un lápiz o el ratón</translation>
    </message>
    <message>
        <source>Wipes out the handwritten name</source>
        <translation>Borra el nombre manuscrito</translation>
    </message>
    <message>
        <source>Submit handwritten name</source>
        <translation>Enviar el nombre manuscrito</translation>
    </message>
    <message>
        <source>Typed name</source>
        <translation>Nombre tecleado</translation>
    </message>
    <message>
        <source>Submit typed name</source>
        <translation>Enviar el nombre tecleado</translation>
    </message>
    <message>
        <source>Not in the top ten</source>
        <translation>No entra en los diez mejores</translation>
    </message>
</context>
<context>
    <name>GameWindowAdapter</name>
    <message>
        <source>Abort Pondrake</source>
        <translation>Abandonar Pondrake</translation>
    </message>
    <message>
        <source>Abort current game?</source>
        <translation>¿Abandonar la partida en curso?</translation>
    </message>
    <message>
        <source>Level Editor</source>
        <translation>Editor de niveles</translation>
    </message>
    <message>
        <source>This will abort your current game.  Continue?</source>
        <translation>Esto abandonará tu partida en curso. ¿Continuar?</translation>
    </message>
    <message numerus="yes">
        <source>%n turtle(s) saved</source>
        <translation>
            <numerusform>%n tortuga salvada</numerusform>
            <numerusform>%n tortugas salvadas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n turtle(s) lost</source>
        <translation>
            <numerusform>%n tortuga perdida</numerusform>
            <numerusform>%n tortugas perdidas</numerusform>
        </translation>
    </message>
    <message>
        <source>Level %1 over. Saved: %2, lost: %3.</source>
        <translation>Nivel %1 terminado. Salvadas: %2, perdidas: %3.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Pondrake Help</source>
        <translation>Ayuda de Pondrake</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>No help here</source>
        <translation>No hay ayuda</translation>
    </message>
    <message>
        <source>The help page %1 is missing from the program&apos;s folder. Installing the game again brings it back.</source>
        <translation>Falta la página de ayuda %1 en la carpeta del programa. Si vuelves a instalar el juego, volverá a estar.</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>Página de ayuda</translation>
    </message>
</context>
<context>
    <name>KeptGame</name>
    <message>
        <source>The level set of the kept game, %1, is not there any more.</source>
        <translation>La colección de niveles de la partida guardada, %1, ya no existe.</translation>
    </message>
    <message>
        <source>Level %1 of the kept game is not there any more.</source>
        <translation>El nivel %1 de la partida guardada ya no existe.</translation>
    </message>
    <message>
        <source>Level %1 of the kept game has been changed since.</source>
        <translation>El nivel %1 de la partida guardada ha cambiado desde entonces.</translation>
    </message>
</context>
<context>
    <name>LanguageDialog</name>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>System (%1)</source>
        <translation>Sistema (%1)</translation>
    </message>
    <message>
        <source>The game speaks the language chosen here when it is started again.</source>
        <translation>El idioma elegido aquí se aplicará la próxima vez que inicies el juego.</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Idiomas</translation>
    </message>
    <message>
        <source>The language the game speaks from its next start</source>
        <translation>El idioma que habla el juego desde su próximo inicio</translation>
    </message>
</context>
<context>
    <name>LevelCheck</name>
    <message>
        <source>Cannot be played: the bonus lies outside -32768 to 32767</source>
        <translation>No se puede jugar: el bonus está fuera del intervalo de -32768 a 32767</translation>
    </message>
    <message>
        <source>Cannot be played: the turtle period lies outside -32768 to 32767</source>
        <translation>No se puede jugar: el intervalo de las tortugas está fuera del intervalo de -32768 a 32767</translation>
    </message>
    <message>
        <source>Cannot be played: the dog period lies outside -32768 to 32767</source>
        <translation>No se puede jugar: el intervalo de los perros está fuera del intervalo de -32768 a 32767</translation>
    </message>
    <message>
        <source>Cannot be passed: too few turtles can reach water</source>
        <translation>Imposible de superar: muy pocas tortugas pueden llegar al agua</translation>
    </message>
    <message>
        <source>Too hard for the computer player</source>
        <translation>Demasiado difícil para el jugador automático</translation>
    </message>
    <message>
        <source>Plays itself</source>
        <translation>Se juega solo</translation>
    </message>
    <message>
        <source>Fair</source>
        <translation>Justo</translation>
    </message>
</context>
<context>
    <name>LevelDialogs</name>
    <message>
        <source>Save Level</source>
        <translation>Guardar nivel</translation>
    </message>
    <message>
        <source>%1 is the table of high scores, not a level: a level is never saved over it. Choose another name.</source>
        <translation>%1 es la tabla de récords, no un nivel: nunca se guarda un nivel encima. Elige otro nombre.</translation>
    </message>
    <message>
        <source>Music File</source>
        <translation>Archivo de música</translation>
    </message>
    <message>
        <source>Open Level</source>
        <translation>Abrir nivel</translation>
    </message>
    <message>
        <source>Level files (*.txt)</source>
        <translation>Archivos de nivel (*.txt)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>The level file %1 could not be opened. The board and the settings are as they were.</source>
        <translation>No se pudo abrir el archivo de nivel %1. El tablero y los ajustes siguen como estaban.</translation>
    </message>
    <message>
        <source>The level file %1 stops early: it could not be read at line %2. What came before that line was opened; the rest of the board and the settings are as they were.</source>
        <translation>El archivo de nivel %1 termina antes de tiempo: no se pudo leer la línea %2. Se abrió lo anterior a esa línea; el resto del tablero y los ajustes siguen como estaban.</translation>
    </message>
    <message>
        <source>The level could not be saved as %1. Nothing was written: a file that was there is as it was.</source>
        <translation>No se pudo guardar el nivel como %1. No se escribió nada: un archivo que ya existía sigue intacto.</translation>
    </message>
</context>
<context>
    <name>LevelDocument</name>
    <message>
        <source>Open Level</source>
        <translation>Abrir nivel</translation>
    </message>
</context>
<context>
    <name>LevelOverWindow</name>
    <message>
        <source>Level %1 Over!</source>
        <translation>¡Nivel %1 terminado!</translation>
    </message>
    <message>
        <source>Turtles saved this level:</source>
        <translation>Tortugas salvadas:</translation>
    </message>
    <message>
        <source>Turtles lost this level:</source>
        <translation>Tortugas perdidas:</translation>
    </message>
    <message>
        <source>Replay Level - You must save at least half of the turtles to advance.</source>
        <translation>Repite el nivel: salva al menos la mitad de las tortugas para avanzar.</translation>
    </message>
    <message>
        <source>Level Over</source>
        <translation>Nivel terminado</translation>
    </message>
    <message>
        <source>Turtles saved this level</source>
        <translation>Tortugas salvadas en este nivel</translation>
    </message>
    <message>
        <source>Turtles lost this level</source>
        <translation>Tortugas perdidas en este nivel</translation>
    </message>
</context>
<context>
    <name>LevelSet</name>
    <message>
        <source>The folder %1 is not there.</source>
        <translation>La carpeta %1 no existe.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be read.</source>
        <translation>No se puede leer la carpeta %1.</translation>
    </message>
    <message>
        <source>The folder %1 holds no level1.txt, so it is no level set: a set is a folder of level1.txt, level2.txt and so on.</source>
        <translation>La carpeta %1 no contiene level1.txt, así que no es una colección de niveles: una colección es una carpeta con level1.txt, level2.txt, etc.</translation>
    </message>
    <message>
        <source>Pondrake Levels</source>
        <translation>Niveles de Pondrake</translation>
    </message>
    <message>
        <source>My Levels</source>
        <translation>Mis niveles</translation>
    </message>
</context>
<context>
    <name>LevelSetDialog</name>
    <message>
        <source>Level Set</source>
        <translation>Colección de niveles</translation>
    </message>
    <message>
        <source>Other &amp;Folder...</source>
        <translation>Otra car&amp;peta...</translation>
    </message>
    <message>
        <source>Other Folder</source>
        <translation>Otra carpeta</translation>
    </message>
    <message>
        <source>Level Sets</source>
        <translation>Colecciones de niveles</translation>
    </message>
    <message>
        <source>The level sets to play: the shipped one, your own and others</source>
        <translation>Las colecciones de niveles para jugar: la incluida, la tuya y otras</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Exportar...</translation>
    </message>
    <message numerus="yes">
        <source>%Ln levels</source>
        <translation>
            <numerusform>%Ln nivel</numerusform>
            <numerusform>%Ln niveles</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Look</name>
    <message>
        <source>Score</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>Bonus</translation>
    </message>
    <message>
        <source>Turtles Saved</source>
        <translation>Tortugas salvadas</translation>
    </message>
    <message>
        <source>Turtles Lost</source>
        <translation>Tortugas perdidas</translation>
    </message>
    <message>
        <source>GO!</source>
        <translation>¡YA!</translation>
    </message>
    <message>
        <source>Bonus seconds</source>
        <translation>Segundos de bonus</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Abort Game</source>
        <translation>Abandonar</translation>
    </message>
    <message>
        <source>Replay Level</source>
        <translation>Repetir nivel</translation>
    </message>
    <message>
        <source>Countdown</source>
        <translation>Cuenta atrás</translation>
    </message>
    <message>
        <source>Fast Forward</source>
        <translation>Avance rápido</translation>
    </message>
    <message>
        <source>The game runs at twice its speed</source>
        <translation>El juego va al doble de velocidad</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Juego</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nueva partida</translation>
    </message>
    <message>
        <source>&amp;Continue Game</source>
        <translation>&amp;Continuar partida</translation>
    </message>
    <message>
        <source>Level &amp;Set...</source>
        <translation>C&amp;olección de niveles...</translation>
    </message>
    <message>
        <source>&amp;Import Level Set...</source>
        <translation>Impor&amp;tar colección de niveles...</translation>
    </message>
    <message>
        <source>&amp;Language...</source>
        <translation>&amp;Idioma...</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pausa</translation>
    </message>
    <message>
        <source>&amp;Abort Game</source>
        <translation>&amp;Abandonar partida</translation>
    </message>
    <message>
        <source>&amp;Replay Level</source>
        <translation>&amp;Repetir nivel</translation>
    </message>
    <message>
        <source>&amp;High Scores</source>
        <translation>Récor&amp;ds</translation>
    </message>
    <message>
        <source>&amp;Watch Last Game</source>
        <translation>&amp;Ver la última partida</translation>
    </message>
    <message>
        <source>World &amp;Table...</source>
        <translation>Ta&amp;bla mundial...</translation>
    </message>
    <message>
        <source>W&amp;orld Top Ten</source>
        <translation>Los die&amp;z mejores del mundo</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Music Auto-Play</source>
        <translation>Música automática</translation>
    </message>
    <message>
        <source>&amp;Level Editor</source>
        <translation>&amp;Editor de niveles</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Instrucciones</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>&amp;Find Level Sets...</source>
        <translation>B&amp;uscar colecciones de niveles...</translation>
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
        <translation>Publicar colección</translation>
    </message>
    <message>
        <source>No world table is set up: enter its address in the game under Game &gt; World Table...</source>
        <translation>No hay ninguna tabla mundial configurada: introduce su dirección en el juego en Juego &gt; Tabla mundial...</translation>
    </message>
    <message>
        <source>The set cannot be published: %1.</source>
        <translation>La colección no se puede publicar: %1.</translation>
    </message>
    <message>
        <source>Publish the levels of %1 on the world table at %2?</source>
        <translation>¿Publicar los niveles de %1 en la tabla mundial de %2?</translation>
    </message>
    <message>
        <source>Levels: %1</source>
        <translation>Niveles: %1</translation>
    </message>
    <message>
        <source>Name: %1</source>
        <translation>Nombre: %1</translation>
    </message>
    <message>
        <source>Author: %1</source>
        <translation>Autor: %1</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(ninguno)</translation>
    </message>
    <message>
        <source>Everyone who uses the table can then download and play these levels.</source>
        <translation>Cualquiera que use la tabla podrá entonces descargar y jugar estos niveles.</translation>
    </message>
    <message>
        <source>Sending the set...</source>
        <translation>Enviando la colección...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Published: %1</source>
        <translation>Publicada: %1</translation>
    </message>
    <message>
        <source>Warnings:</source>
        <translation>Avisos:</translation>
    </message>
    <message>
        <source>The world table did not publish the set: %1</source>
        <translation>La tabla mundial no ha publicado la colección: %1</translation>
    </message>
    <message>
        <source>Open such a level and use File &gt; Check Level to see how the computer player fares.</source>
        <translation>Abre ese nivel y usa Archivo &gt; Comprobar nivel para ver cómo le va al jugador del ordenador.</translation>
    </message>
    <message>
        <source>The world table has not finished judging the set; it is published if it passes. Look for it later under Game &gt; Find Level Sets... in the game.</source>
        <translation>La tabla mundial no ha terminado de juzgar la colección; se publica si la supera. Búscala más tarde en el juego en Juego &gt; Buscar colecciones de niveles...</translation>
    </message>
    <message numerus="yes">
        <source>The table&apos;s judges play the levels: %Ln of %1 judged.</source>
        <translation>
            <numerusform>Los jueces de la tabla juegan los niveles: %Ln de %1 juzgado.</numerusform>
            <numerusform>Los jueces de la tabla juegan los niveles: %Ln de %1 juzgados.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RecordingPlayer</name>
    <message>
        <source>the countdown timer fired, but it was stopped</source>
        <translation>el temporizador de la cuenta atrás se disparó, pero estaba parado</translation>
    </message>
    <message>
        <source>the bonus timer fired, but it was stopped</source>
        <translation>el temporizador del bonus se disparó, pero estaba parado</translation>
    </message>
    <message>
        <source>the turtle timer fired, but it was stopped</source>
        <translation>el temporizador de las tortugas se disparó, pero estaba parado</translation>
    </message>
    <message>
        <source>the dog timer fired, but it was stopped</source>
        <translation>el temporizador del perro se disparó, pero estaba parado</translation>
    </message>
    <message>
        <source>at %1 ms the countdown timer fires, where the file has no such firing</source>
        <translation>a los %1 ms se dispara el temporizador de la cuenta atrás, donde el archivo no tiene ese disparo</translation>
    </message>
    <message>
        <source>at %1 ms the bonus timer fires, where the file has no such firing</source>
        <translation>a los %1 ms se dispara el temporizador del bonus, donde el archivo no tiene ese disparo</translation>
    </message>
    <message>
        <source>at %1 ms the turtle timer fires, where the file has no such firing</source>
        <translation>a los %1 ms se dispara el temporizador de las tortugas, donde el archivo no tiene ese disparo</translation>
    </message>
    <message>
        <source>at %1 ms the dog timer fires, where the file has no such firing</source>
        <translation>a los %1 ms se dispara el temporizador del perro, donde el archivo no tiene ese disparo</translation>
    </message>
    <message>
        <source>at %1 ms the file has the countdown timer fire, where the clock fires none</source>
        <translation>a los %1 ms el archivo dispara el temporizador de la cuenta atrás, donde el reloj no dispara ninguno</translation>
    </message>
    <message>
        <source>at %1 ms the file has the bonus timer fire, where the clock fires none</source>
        <translation>a los %1 ms el archivo dispara el temporizador del bonus, donde el reloj no dispara ninguno</translation>
    </message>
    <message>
        <source>at %1 ms the file has the turtle timer fire, where the clock fires none</source>
        <translation>a los %1 ms el archivo dispara el temporizador de las tortugas, donde el reloj no dispara ninguno</translation>
    </message>
    <message>
        <source>at %1 ms the file has the dog timer fire, where the clock fires none</source>
        <translation>a los %1 ms el archivo dispara el temporizador del perro, donde el reloj no dispara ninguno</translation>
    </message>
    <message>
        <source>Level %1 is not the level %1 that the replay carries</source>
        <translation>El nivel %1 no es el nivel %1 que contiene la repetición</translation>
    </message>
    <message>
        <source>Level %1 has changed since this game was played</source>
        <translation>El nivel %1 ha cambiado desde que se jugó esta partida</translation>
    </message>
    <message>
        <source>Level %1 needs the file %2 with the SHA-256 %3, which cannot be found</source>
        <translation>El nivel %1 necesita el archivo %2 con el SHA-256 %3, que no se encuentra</translation>
    </message>
    <message>
        <source>an answer to a question the game did not ask</source>
        <translation>una respuesta a una pregunta que el juego no hizo</translation>
    </message>
    <message>
        <source>a window closed that the game did not open</source>
        <translation>se cerró una ventana que el juego no había abierto</translation>
    </message>
    <message>
        <source>an input the game did not take here</source>
        <translation>una entrada que el juego no aceptó aquí</translation>
    </message>
    <message>
        <source>the game went on where level %1 ended</source>
        <translation>la partida siguió donde terminó el nivel %1</translation>
    </message>
    <message numerus="yes">
        <source>the game ends on %n points, not %1</source>
        <translation>
            <numerusform>la partida termina con %n punto, no con %1</numerusform>
            <numerusform>la partida termina con %n puntos, no con %1</numerusform>
        </translation>
    </message>
    <message>
        <source>the game went on while its window was open</source>
        <translation>la partida siguió mientras su ventana estaba abierta</translation>
    </message>
    <message>
        <source>the game went on in a later sitting while one of its windows was open</source>
        <translation>la partida siguió en una sesión posterior mientras una de sus ventanas estaba abierta</translation>
    </message>
    <message>
        <source>the game went on in a later sitting, but the rules kept no level to go on from</source>
        <translation>la partida siguió en una sesión posterior, pero las reglas no guardaron ningún nivel desde el que seguir</translation>
    </message>
    <message>
        <source>the game reached level %1, which the replay never played</source>
        <translation>la partida llegó al nivel %1, que la repetición nunca jugó</translation>
    </message>
    <message>
        <source>the game ended here, where it went on</source>
        <translation>la partida terminó aquí, donde siguió</translation>
    </message>
    <message>
        <source>Level %1 passed. Saved: %2, lost: %3</source>
        <translation>Nivel %1 superado. Salvadas: %2, perdidas: %3</translation>
    </message>
    <message>
        <source>Level %1 failed. Saved: %2, lost: %3</source>
        <translation>Nivel %1 no superado. Salvadas: %2, perdidas: %3</translation>
    </message>
    <message>
        <source>Game over. Score: %1</source>
        <translation>Fin de la partida. Puntos: %1</translation>
    </message>
    <message>
        <source>the game went on in a later sitting from another level than the rules kept: a replay of level %1 (score: %2, saved: %3, lost: %4)</source>
        <translation>la partida siguió en una sesión posterior desde otro nivel que el que guardaron las reglas: el nivel %1 por repetir (puntos: %2, salvadas: %3, perdidas: %4)</translation>
    </message>
    <message>
        <source>the game went on in a later sitting from another level than the rules kept: level %1 (score: %2, saved: %3, lost: %4)</source>
        <translation>la partida siguió en una sesión posterior desde otro nivel que el que guardaron las reglas: el nivel %1 (puntos: %2, salvadas: %3, perdidas: %4)</translation>
    </message>
    <message>
        <source>Level %1 passed here (saved: %2, lost: %3), where the game went on</source>
        <translation>Nivel %1 superado aquí (salvadas: %2, perdidas: %3), donde la partida siguió</translation>
    </message>
    <message>
        <source>Level %1 failed here (saved: %2, lost: %3), where the game went on</source>
        <translation>Nivel %1 no superado aquí (salvadas: %2, perdidas: %3), donde la partida siguió</translation>
    </message>
    <message>
        <source>Level %1 passed (saved: %2, lost: %3, score: %4), where the game showed another end</source>
        <translation>Nivel %1 superado (salvadas: %2, perdidas: %3, puntos: %4), donde la partida mostraba otro final</translation>
    </message>
    <message>
        <source>Level %1 failed (saved: %2, lost: %3, score: %4), where the game showed another end</source>
        <translation>Nivel %1 no superado (salvadas: %2, perdidas: %3, puntos: %4), donde la partida mostraba otro final</translation>
    </message>
</context>
<context>
    <name>RecordingSave</name>
    <message>
        <source>Save Replay</source>
        <translation>Guardar repetición</translation>
    </message>
    <message>
        <source>This game cannot be saved with its levels: %1.</source>
        <translation>No se puede guardar esta partida con sus niveles: %1.</translation>
    </message>
    <message>
        <source>Replays (*.replay)</source>
        <translation>Repeticiones (*.replay)</translation>
    </message>
    <message>
        <source>The replay could not be written to %1.</source>
        <translation>No se pudo escribir la repetición en %1.</translation>
    </message>
</context>
<context>
    <name>RecordingWindow</name>
    <message>
        <source>Replay</source>
        <translation>Repetición</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Paso</translation>
    </message>
    <message>
        <source>One tick (period key)</source>
        <translation>Un paso (tecla del punto)</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>There is no game to watch yet.</source>
        <translation>Todavía no hay ninguna partida que ver.</translation>
    </message>
    <message>
        <source>This game cannot be watched: %1 (line %2).</source>
        <translation>No se puede ver esta partida: %1 (línea %2).</translation>
    </message>
    <message>
        <source>This game cannot be watched: %1.</source>
        <translation>No se puede ver esta partida: %1.</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>The game went another way here: %1</source>
        <translation>Aquí la partida fue por otro camino: %1</translation>
    </message>
    <message>
        <source>Countdown</source>
        <translation>Cuenta atrás</translation>
    </message>
    <message>
        <source>What happened</source>
        <translation>Qué pasó</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>Plays the game or holds it (Space)</source>
        <translation>Reproduce la partida o la detiene (Espacio)</translation>
    </message>
    <message>
        <source>Speed %1x</source>
        <translation>Velocidad %1x</translation>
    </message>
    <message>
        <source>Game time</source>
        <translation>Tiempo de juego</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Guardar como...</translation>
    </message>
    <message>
        <source>An earlier version recorded this game: it plays as recorded, without the check of when its timers fire.</source>
        <translation>Una versión anterior grabó esta partida: se reproduce tal como se grabó, sin comprobar cuándo se disparan sus temporizadores.</translation>
    </message>
    <message>
        <source>%1x</source>
        <translation>×%1</translation>
    </message>
    <message>
        <source>Key %1</source>
        <translation>Tecla %1</translation>
    </message>
    <message>
        <source>Goes back to the start of the game (Home)</source>
        <translation>Vuelve al inicio de la partida (Inicio)</translation>
    </message>
    <message>
        <source>Saves the game with its levels in one file (Ctrl+S)</source>
        <translation>Guarda la partida con sus niveles en un solo archivo (Ctrl+S)</translation>
    </message>
    <message>
        <source>Moves to a moment of the game: the arrows by a second, Page Up and Page Down by ten</source>
        <translation>Salta a un momento de la partida: las flechas un segundo, Re Pág y Av Pág diez</translation>
    </message>
</context>
<context>
    <name>ReplayFile</name>
    <message>
        <source>this event takes nothing after its word</source>
        <translation>este evento no lleva nada tras su palabra</translation>
    </message>
    <message>
        <source>a timer is countdown, bonus, turtle or dog</source>
        <translation>un temporizador es countdown, bonus, turtle o dog</translation>
    </message>
    <message>
        <source>a board position is two hexadecimal floating-point numbers</source>
        <translation>una posición del tablero son dos números en coma flotante hexadecimales</translation>
    </message>
    <message>
        <source>an answer is yes or no</source>
        <translation>una respuesta es yes o no</translation>
    </message>
    <message>
        <source>a level&apos;s end is its number, passed or failed, saved, lost and the score</source>
        <translation>el final de un nivel es su número, passed o failed, salvadas, perdidas y los puntos</translation>
    </message>
    <message>
        <source>the game&apos;s end is its final score</source>
        <translation>el final de la partida son sus puntos finales</translation>
    </message>
    <message>
        <source>unknown arguments</source>
        <translation>argumentos desconocidos</translation>
    </message>
    <message>
        <source>unknown event</source>
        <translation>evento desconocido</translation>
    </message>
    <message>
        <source>the file ends before the game&apos;s final score: it is cut short</source>
        <translation>el archivo termina antes de los puntos finales de la partida: está cortado</translation>
    </message>
    <message>
        <source>this is no replay file</source>
        <translation>esto no es un archivo de repetición</translation>
    </message>
    <message>
        <source>the replay&apos;s version is no number</source>
        <translation>la versión de la repetición no es un número</translation>
    </message>
    <message>
        <source>this replay was made by a newer version of the game</source>
        <translation>esta repetición la hizo una versión más reciente del juego</translation>
    </message>
    <message>
        <source>a line of the replay&apos;s header holds a control character</source>
        <translation>una línea de la cabecera de la repetición contiene un carácter de control</translation>
    </message>
    <message>
        <source>a line of the replay&apos;s header is not UTF-8 text</source>
        <translation>una línea de la cabecera de la repetición no es texto UTF-8</translation>
    </message>
    <message>
        <source>the seed is a whole number</source>
        <translation>la semilla es un número entero</translation>
    </message>
    <message>
        <source>unknown line in the replay&apos;s header</source>
        <translation>línea desconocida en la cabecera de la repetición</translation>
    </message>
    <message>
        <source>the replay has no seed</source>
        <translation>la repetición no tiene semilla</translation>
    </message>
    <message>
        <source>a game&apos;s start is its level, score, saved, lost and fresh or replay</source>
        <translation>el inicio de una partida es su nivel, puntos, salvadas, perdidas y fresh o replay</translation>
    </message>
    <message>
        <source>a level is its number, the SHA-256 of its file and the file&apos;s name</source>
        <translation>un nivel es su número, el SHA-256 de su archivo y el nombre del archivo</translation>
    </message>
    <message>
        <source>level %1 is named twice</source>
        <translation>el nivel %1 aparece dos veces</translation>
    </message>
    <message>
        <source>the line is too long</source>
        <translation>la línea es demasiado larga</translation>
    </message>
    <message>
        <source>the replay holds more events than a game can</source>
        <translation>la repetición contiene más eventos de los que puede tener una partida</translation>
    </message>
    <message>
        <source>events follow the game&apos;s end</source>
        <translation>hay eventos tras el final de la partida</translation>
    </message>
    <message>
        <source>an event is its time in milliseconds and its word</source>
        <translation>un evento es su tiempo en milisegundos y su palabra</translation>
    </message>
    <message>
        <source>the time goes back</source>
        <translation>el tiempo retrocede</translation>
    </message>
    <message>
        <source>a replay holds one game: New Game comes first and only once</source>
        <translation>una repetición contiene una partida: Nueva partida va primero y solo una vez</translation>
    </message>
    <message>
        <source>the game must start with New Game</source>
        <translation>la partida debe empezar con Nueva partida</translation>
    </message>
    <message>
        <source>a game with a start in its header begins with continue</source>
        <translation>una partida con inicio en su cabecera empieza con continue</translation>
    </message>
    <message>
        <source>a game continued needs its start in the header</source>
        <translation>una partida continuada necesita su inicio en la cabecera</translation>
    </message>
    <message>
        <source>the replay cannot be read</source>
        <translation>no se puede leer la repetición</translation>
    </message>
    <message>
        <source>the replay is larger than any game makes</source>
        <translation>la repetición es mayor que cualquier partida</translation>
    </message>
    <message>
        <source>a later sitting is its seed, then the level, score, saved, lost and fresh or replay it went on from</source>
        <translation>una sesión posterior es su semilla, luego el nivel, los puntos, salvadas, perdidas y fresh o replay desde donde siguió</translation>
    </message>
    <message>
        <source>the replay names its set but carries none of its levels</source>
        <translation>la repetición nombra su colección pero no contiene ninguno de sus niveles</translation>
    </message>
    <message>
        <source>the set&apos;s levels follow its name and come before the levels played</source>
        <translation>los niveles de la colección siguen a su nombre y van antes de los niveles jugados</translation>
    </message>
    <message>
        <source>level %1 is not the level %1 that the replay carries</source>
        <translation>el nivel %1 no es el nivel %1 que contiene la repetición</translation>
    </message>
    <message>
        <source>Level %1 is not in the set any more</source>
        <translation>El nivel %1 ya no está en la colección</translation>
    </message>
    <message>
        <source>Level %1 has changed since this game was played</source>
        <translation>El nivel %1 ha cambiado desde que se jugó esta partida</translation>
    </message>
</context>
<context>
    <name>SelfContained</name>
    <message>
        <source>the set has changed since this game was played</source>
        <translation>la colección ha cambiado desde que se jugó esta partida</translation>
    </message>
    <message>
        <source>the game does not play to its end</source>
        <translation>la partida no se juega hasta su final</translation>
    </message>
</context>
<context>
    <name>SetExport</name>
    <message>
        <source>Export Level Set</source>
        <translation>Exportar colección de niveles</translation>
    </message>
    <message>
        <source>The set cannot be exported: %1.</source>
        <translation>No se puede exportar la colección: %1.</translation>
    </message>
    <message>
        <source>Level sets (*.pondrake)</source>
        <translation>Colecciones de niveles (*.pondrake)</translation>
    </message>
    <message>
        <source>The set could not be written to %1.</source>
        <translation>No se pudo escribir la colección en %1.</translation>
    </message>
</context>
<context>
    <name>SetFile</name>
    <message>
        <source>this is no level set file</source>
        <translation>esto no es un archivo de colección de niveles</translation>
    </message>
    <message>
        <source>this set was made by a newer version of the game</source>
        <translation>esta colección la hizo una versión más reciente del juego</translation>
    </message>
    <message>
        <source>only levels follow the first level</source>
        <translation>tras el primer nivel solo siguen niveles</translation>
    </message>
    <message>
        <source>a line of the set&apos;s header is too long, not UTF-8 text or holds a control character</source>
        <translation>una línea de la cabecera de la colección es demasiado larga, no es texto UTF-8 o contiene un carácter de control</translation>
    </message>
    <message>
        <source>unknown line in the set&apos;s header</source>
        <translation>línea desconocida en la cabecera de la colección</translation>
    </message>
    <message>
        <source>the set has no name</source>
        <translation>la colección no tiene nombre</translation>
    </message>
    <message>
        <source>the set holds no level</source>
        <translation>la colección no contiene ningún nivel</translation>
    </message>
    <message>
        <source>the file is larger than a level set can be</source>
        <translation>el archivo es más grande de lo que puede ser una colección de niveles</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>el archivo no se puede leer</translation>
    </message>
    <message>
        <source>a set&apos;s name is not empty</source>
        <translation>el nombre de una colección no está vacío</translation>
    </message>
    <message numerus="yes">
        <source>a set&apos;s name is at most %n characters long</source>
        <translation>
            <numerusform>el nombre de una colección tiene como mucho %n carácter</numerusform>
            <numerusform>el nombre de una colección tiene como mucho %n caracteres</numerusform>
        </translation>
    </message>
    <message>
        <source>a set&apos;s name holds no control character</source>
        <translation>el nombre de una colección no contiene caracteres de control</translation>
    </message>
    <message numerus="yes">
        <source>a set holds at most %n levels</source>
        <translation>
            <numerusform>una colección contiene como mucho %n nivel</numerusform>
            <numerusform>una colección contiene como mucho %n niveles</numerusform>
        </translation>
    </message>
    <message>
        <source>level %1 is larger than a level can be (%2 KiB)</source>
        <translation>el nivel %1 es más grande de lo que puede ser un nivel (%2 KiB)</translation>
    </message>
    <message>
        <source>level %1 is not Base64 text</source>
        <translation>el nivel %1 no es texto Base64</translation>
    </message>
    <message>
        <source>the levels together are larger than a set can be (%1 MiB)</source>
        <translation>los niveles juntos son más grandes de lo que puede ser una colección (%1 MiB)</translation>
    </message>
    <message>
        <source>level %1 cannot be read as a level: it stops at line %2</source>
        <translation>el nivel %1 no se puede leer como nivel: se detiene en la línea %2</translation>
    </message>
</context>
<context>
    <name>SetImport</name>
    <message>
        <source>level %1 cannot be read</source>
        <translation>el nivel %1 no se puede leer</translation>
    </message>
    <message>
        <source>There is no folder to keep level sets in.</source>
        <translation>No hay ninguna carpeta donde guardar las colecciones de niveles.</translation>
    </message>
    <message>
        <source>The set could not be written into %1.</source>
        <translation>No se pudo escribir la colección en %1.</translation>
    </message>
</context>
<context>
    <name>SetsController</name>
    <message>
        <source>No game was left unfinished.</source>
        <translation>No quedó ninguna partida sin terminar.</translation>
    </message>
    <message>
        <source>Go on with the game left unfinished</source>
        <translation>Seguir con la partida sin terminar</translation>
    </message>
    <message>
        <source>Play This Set</source>
        <translation>Jugar esta colección</translation>
    </message>
</context>
<context>
    <name>SetsTable</name>
    <message>
        <source>Level %1: %2</source>
        <translation>Nivel %1: %2</translation>
    </message>
    <message>
        <source>The set from the world table does not read: %1 (line %2).</source>
        <translation>La colección de la tabla mundial no se puede leer: %1 (línea %2).</translation>
    </message>
    <message>
        <source>The world table sent other levels than those of the set listed, so nothing was imported.</source>
        <translation>La tabla mundial ha enviado otros niveles que los de la colección mostrada, así que no se ha importado nada.</translation>
    </message>
</context>
<context>
    <name>SettingsPanel</name>
    <message>
        <source>Test Level</source>
        <translation>Probar nivel</translation>
    </message>
    <message>
        <source>Selected Item</source>
        <translation>Selección</translation>
    </message>
    <message>
        <source>Music File:</source>
        <translation>Música:</translation>
    </message>
    <message>
        <source>Bonus:</source>
        <translation>Bonus:</translation>
    </message>
    <message>
        <source>Turtle/Foot Speed</source>
        <translation>Velocidad tortuga/pie</translation>
    </message>
    <message>
        <source>Dog/Alien Speed</source>
        <translation>Velocidad perro/alienígena</translation>
    </message>
    <message>
        <source>Level Settings</source>
        <translation>Ajustes del nivel</translation>
    </message>
    <message>
        <source>Plays the level on the board; End Test brings back the board as it was</source>
        <translation>Juega el nivel en el tablero; Terminar prueba devuelve el tablero a como estaba</translation>
    </message>
    <message>
        <source>Music File</source>
        <translation>Archivo de música</translation>
    </message>
    <message>
        <source>The music played during the level: a file in the audio folder</source>
        <translation>La música que suena durante el nivel: un archivo de la carpeta audio</translation>
    </message>
    <message>
        <source>Choose Music File</source>
        <translation>Elegir archivo de música</translation>
    </message>
    <message>
        <source>Opens a file dialog to choose the level&apos;s music</source>
        <translation>Abre un diálogo de archivos para elegir la música del nivel</translation>
    </message>
    <message>
        <source>Enter sets the slider to the number typed</source>
        <translation>Intro ajusta el deslizador al número escrito</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>Bonus</translation>
    </message>
    <message>
        <source>Bonus seconds at the level&apos;s start, from 10 to 500</source>
        <translation>Segundos de bonus al empezar el nivel, de 10 a 500</translation>
    </message>
    <message>
        <source>Bonus seconds</source>
        <translation>Segundos de bonus</translation>
    </message>
    <message>
        <source>Turtle and Foot Speed</source>
        <translation>Velocidad de tortugas y pies</translation>
    </message>
    <message>
        <source>Milliseconds between two steps of the turtles and feet, from 50 to 3000</source>
        <translation>Milisegundos entre dos pasos de las tortugas y los pies, de 50 a 3000</translation>
    </message>
    <message>
        <source>Turtle and Foot milliseconds</source>
        <translation>Milisegundos de tortugas y pies</translation>
    </message>
    <message>
        <source>Dog and Alien Speed</source>
        <translation>Velocidad de perros y alienígenas</translation>
    </message>
    <message>
        <source>Milliseconds between two steps of the dogs and aliens, from 50 to 3000</source>
        <translation>Milisegundos entre dos pasos de los perros y los alienígenas, de 50 a 3000</translation>
    </message>
    <message>
        <source>Dog and Alien milliseconds</source>
        <translation>Milisegundos de perros y alienígenas</translation>
    </message>
</context>
<context>
    <name>StatusColumn</name>
    <message>
        <source>Score</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>Bonus</translation>
    </message>
    <message>
        <source>Turtles Saved</source>
        <translation>Salvadas</translation>
    </message>
    <message>
        <source>Turtles Lost</source>
        <translation>Perdidas</translation>
    </message>
    <message>
        <source>Foot Right</source>
        <translation>Pie hacia la derecha</translation>
    </message>
    <message>
        <source>Foot Left</source>
        <translation>Pie hacia la izquierda</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Agua</translation>
    </message>
    <message>
        <source>Alien</source>
        <translation>Alienígena</translation>
    </message>
    <message>
        <source>Blank</source>
        <translation>Vacío</translation>
    </message>
    <message>
        <source>Hole</source>
        <translation>Agujero</translation>
    </message>
    <message>
        <source>Rocks</source>
        <translation>Rocas</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>Perro</translation>
    </message>
    <message>
        <source>Turtle</source>
        <translation>Tortuga</translation>
    </message>
    <message>
        <source>Bonus seconds</source>
        <translation>Segundos de bonus</translation>
    </message>
    <message>
        <source>A click on the board places: %1</source>
        <translation>Un clic en el tablero coloca: %1</translation>
    </message>
    <message>
        <source>%1 (key %2)</source>
        <translation>%1 (tecla %2)</translation>
    </message>
</context>
<context>
    <name>TopTenWindow</name>
    <message>
        <source>Top Ten Scores</source>
        <translation>Los diez mejores</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Place %1</source>
        <translation>Puesto %1</translation>
    </message>
    <message>
        <source>Score in place %1</source>
        <translation>Puntos en el puesto %1</translation>
    </message>
    <message>
        <source>Name in place %1</source>
        <translation>Nombre en el puesto %1</translation>
    </message>
    <message>
        <source>Handwritten name in place %1</source>
        <translation>Nombre manuscrito en el puesto %1</translation>
    </message>
    <message>
        <source>World table</source>
        <translation>Tabla mundial</translation>
    </message>
    <message>
        <source>Anonymous</source>
        <translation>Anónimo</translation>
    </message>
    <message>
        <source>Double-click to watch this game, or choose it with the arrows and press Enter</source>
        <translation>Haz doble clic para ver esta partida, o elígela con las flechas y pulsa Intro</translation>
    </message>
    <message>
        <source>a handwritten name</source>
        <translation>un nombre manuscrito</translation>
    </message>
    <message>
        <source>Place %1: %2, %3. Enter watches this game.</source>
        <translation>Puesto %1: %2, %3. Intro muestra esta partida.</translation>
    </message>
</context>
<context>
    <name>UnsavedWork</name>
    <message>
        <source>Level Editor</source>
        <translation>Editor de niveles</translation>
    </message>
    <message>
        <source>Save changes to this level?</source>
        <translation>¿Guardar los cambios de este nivel?</translation>
    </message>
</context>
<context>
    <name>WebPages</name>
    <message>
        <source>There is no such page.</source>
        <translation>Esta página no existe.</translation>
    </message>
    <message>
        <source>Level sets</source>
        <translation>Colecciones de niveles</translation>
    </message>
    <message>
        <source>No game has been sent yet.</source>
        <translation>Todavía no se ha enviado ninguna partida.</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Colección</translation>
    </message>
    <message>
        <source>Levels</source>
        <translation>Niveles</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Partidas</translation>
    </message>
    <message>
        <source>Best score</source>
        <translation>Más puntos</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Página anterior</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Página siguiente</translation>
    </message>
    <message>
        <source>No game of this set is in the table.</source>
        <translation>Ninguna partida de esta colección está en la tabla.</translation>
    </message>
    <message>
        <source>Watch</source>
        <translation>Ver</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Partida</translation>
    </message>
    <message>
        <source>There is no game at this address.</source>
        <translation>No hay ninguna partida en esta dirección.</translation>
    </message>
    <message>
        <source>Countdown</source>
        <translation>Cuenta atrás</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tablero</translation>
    </message>
    <message>
        <source>Back to the start</source>
        <translation>Volver al principio</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>Game time</source>
        <translation>Tiempo de juego</translation>
    </message>
    <message>
        <source>Download this game</source>
        <translation>Descargar esta partida</translation>
    </message>
    <message>
        <source>Without scripts the game is not played here: download it and open it in Pondrake to watch it.</source>
        <translation>Sin scripts la partida no se reproduce aquí: descárgala y ábrela en Pondrake para verla.</translation>
    </message>
    <message>
        <source>This game could not be loaded.</source>
        <translation>No se ha podido cargar esta partida.</translation>
    </message>
    <message>
        <source>like level %1</source>
        <translation>como el nivel %1</translation>
    </message>
    <message>
        <source>All sets</source>
        <translation>Todas las colecciones</translation>
    </message>
    <message>
        <source>Published sets only</source>
        <translation>Solo colecciones publicadas</translation>
    </message>
    <message>
        <source>No set has been published yet.</source>
        <translation>Todavía no se ha publicado ninguna colección.</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Autor</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Dificultad</translation>
    </message>
    <message>
        <source>Published</source>
        <translation>Publicada</translation>
    </message>
    <message>
        <source>Plays itself</source>
        <translation>Se juega sola</translation>
    </message>
    <message>
        <source>Download this set</source>
        <translation>Descargar esta colección</translation>
    </message>
    <message>
        <source>How the computer player fared</source>
        <translation>Cómo le fue al jugador automático</translation>
    </message>
    <message>
        <source>Runs passed</source>
        <translation>Partidas superadas</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>No game of this set has been sent yet.</source>
        <translation>Todavía no se ha enviado ninguna partida de esta colección.</translation>
    </message>
    <message>
        <source>Anonymous</source>
        <translation>Anónimo</translation>
    </message>
</context>
<context>
    <name>WorldPanel</name>
    <message>
        <source>World Table</source>
        <translation>Tabla mundial</translation>
    </message>
    <message>
        <source>Your game is in the top ten. Send it to the world table at %1? Only its replay and the name you entered are sent; Game &gt; World Table... changes this later.</source>
        <translation>Tu partida está entre las diez mejores. ¿Enviarla a la tabla mundial en %1? Solo se envían su repetición y el nombre que escribiste; Juego &gt; Tabla mundial... lo cambia más tarde.</translation>
    </message>
    <message>
        <source>The game cannot be sent: %1.</source>
        <translation>La partida no se puede enviar: %1.</translation>
    </message>
    <message>
        <source>The levels of this set cannot be read, so the game cannot be sent.</source>
        <translation>Los niveles de esta colección no se pueden leer, así que la partida no se puede enviar.</translation>
    </message>
    <message>
        <source>The game could not be kept for the world table.</source>
        <translation>La partida no se pudo guardar para la tabla mundial.</translation>
    </message>
    <message>
        <source>Sending...</source>
        <translation>Enviando...</translation>
    </message>
</context>
<context>
    <name>WorldTable</name>
    <message>
        <source>The world table answered with status %1.</source>
        <translation>La tabla mundial respondió con el estado %1.</translation>
    </message>
    <message>
        <source>Cannot reach the world table at %1</source>
        <translation>No se puede contactar con la tabla mundial en %1</translation>
    </message>
    <message>
        <source>The world table at %1 sent the game elsewhere; the game does not follow.</source>
        <translation>La tabla mundial en %1 redirige a otro sitio; el juego no la sigue.</translation>
    </message>
    <message>
        <source>The world table&apos;s answer is too large to read.</source>
        <translation>La respuesta de la tabla mundial es demasiado grande para leerla.</translation>
    </message>
    <message>
        <source>Saved; will send when the world table answers</source>
        <translation>Guardada; se enviará cuando la tabla mundial responda</translation>
    </message>
    <message>
        <source>Verified: rank %1 of %2</source>
        <translation>Verificada: puesto %1 de %2</translation>
    </message>
    <message>
        <source>The world table&apos;s answer is not one the game can read.</source>
        <translation>El juego no puede leer la respuesta de la tabla mundial.</translation>
    </message>
    <message>
        <source>The game from the world table does not read: %1 (line %2).</source>
        <translation>La partida de la tabla mundial no se puede leer: %1 (línea %2).</translation>
    </message>
    <message>
        <source>The game from the world table does not carry its levels.</source>
        <translation>La partida de la tabla mundial no incluye sus niveles.</translation>
    </message>
    <message>
        <source>This game is already on the world table under another name.</source>
        <translation>Esta partida ya está en la tabla mundial con otro nombre.</translation>
    </message>
    <message>
        <source>This game was recorded by an earlier version of Pondrake, which the world table can no longer check.</source>
        <translation>Esta partida se grabó con una versión anterior de Pondrake, que la tabla mundial ya no puede comprobar.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Set name</source>
        <translation>Nombre de la colección</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Autor</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>The world table could not read the request.</source>
        <translation>La tabla mundial no pudo leer la petición.</translation>
    </message>
    <message>
        <source>The world table does not answer this request at this address.</source>
        <translation>La tabla mundial no responde a esta petición en esta dirección.</translation>
    </message>
    <message numerus="yes">
        <source>The world table takes at most %n byte(s) in one request.</source>
        <translation>
            <numerusform>La tabla mundial acepta como máximo %n byte por petición.</numerusform>
            <numerusform>La tabla mundial acepta como máximo %n bytes por petición.</numerusform>
        </translation>
    </message>
    <message>
        <source>The world table takes this only as %1.</source>
        <translation>La tabla mundial solo acepta esto como %1.</translation>
    </message>
    <message>
        <source>The world table could not read the game sent.</source>
        <translation>La tabla mundial no pudo leer la partida enviada.</translation>
    </message>
    <message>
        <source>The world table could not read the game sent: %1</source>
        <translation>La tabla mundial no pudo leer la partida enviada: %1</translation>
    </message>
    <message>
        <source>%1: not valid text.</source>
        <translation>%1: no es un texto válido.</translation>
    </message>
    <message>
        <source>%1: holds a control character.</source>
        <translation>%1: contiene un carácter de control.</translation>
    </message>
    <message>
        <source>%1: holds an invisible formatting character, such as a direction mark.</source>
        <translation>%1: contiene un carácter de formato invisible, como una marca de dirección.</translation>
    </message>
    <message numerus="yes">
        <source>A typed name is at most %n character(s) long.</source>
        <translation>
            <numerusform>Un nombre escrito tiene como máximo %n carácter.</numerusform>
            <numerusform>Un nombre escrito tiene como máximo %n caracteres.</numerusform>
        </translation>
    </message>
    <message>
        <source>The handwritten name is not ink the game can draw.</source>
        <translation>El nombre manuscrito no es una tinta que el juego pueda dibujar.</translation>
    </message>
    <message>
        <source>A handwritten name fits on the name pad of %1 by %2 pixels.</source>
        <translation>Un nombre manuscrito cabe en el área de nombre de %1 por %2 píxeles.</translation>
    </message>
    <message>
        <source>The world table cannot read the game at line %1: %2</source>
        <translation>La tabla mundial no puede leer la partida en la línea %1: %2</translation>
    </message>
    <message>
        <source>The game does not carry its levels, so the world table cannot check it.</source>
        <translation>La partida no incluye sus niveles, así que la tabla mundial no puede comprobarla.</translation>
    </message>
    <message>
        <source>The game starts at level %1 with a score of %2; the world table checks only whole games, played from level 1.</source>
        <translation>La partida empieza en el nivel %1 con %2 puntos; la tabla mundial solo comprueba partidas enteras, jugadas desde el nivel 1.</translation>
    </message>
    <message>
        <source>The world table could not play the game through: %1</source>
        <translation>La tabla mundial no pudo jugar la partida hasta el final: %1</translation>
    </message>
    <message>
        <source>The game stops in level %1 before its end; the world table checks only games played to their end.</source>
        <translation>La partida se detiene en el nivel %1 antes de su final; la tabla mundial solo comprueba partidas jugadas hasta el final.</translation>
    </message>
    <message>
        <source>The world table stopped checking the game before its end.</source>
        <translation>La tabla mundial dejó de comprobar la partida antes de su final.</translation>
    </message>
    <message>
        <source>The game takes the world table more than %1 s to check.</source>
        <translation>La tabla mundial tardaría más de %1 s en comprobar la partida.</translation>
    </message>
    <message>
        <source>This game failed when the world table checked its games again.</source>
        <translation>Esta partida falló cuando la tabla mundial volvió a comprobar sus partidas.</translation>
    </message>
    <message>
        <source>This game can no longer be played through: %1</source>
        <translation>Esta partida ya no se puede jugar hasta el final: %1</translation>
    </message>
    <message>
        <source>The world table has no such game.</source>
        <translation>La tabla mundial no tiene esa partida.</translation>
    </message>
    <message>
        <source>No game of this set is on the world table yet.</source>
        <translation>Aún no hay ninguna partida de esta colección en la tabla mundial.</translation>
    </message>
    <message numerus="yes">
        <source>The world table lists at most %n row(s) at once.</source>
        <translation>
            <numerusform>La tabla mundial muestra como máximo %n fila a la vez.</numerusform>
            <numerusform>La tabla mundial muestra como máximo %n filas a la vez.</numerusform>
        </translation>
    </message>
    <message>
        <source>The world table cannot sort the sets that way.</source>
        <translation>La tabla mundial no puede ordenar las colecciones así.</translation>
    </message>
    <message>
        <source>The world table cannot read the set at line %1: %2</source>
        <translation>La tabla mundial no puede leer la colección en la línea %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>A set published has at most %n level(s), not %1.</source>
        <translation>
            <numerusform>Una colección publicada tiene como máximo %n nivel, no %1.</numerusform>
            <numerusform>Una colección publicada tiene como máximo %n niveles, no %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The world table refused %n level(s) of the set.</source>
        <translation>
            <numerusform>La tabla mundial ha rechazado %n nivel de la colección.</numerusform>
            <numerusform>La tabla mundial ha rechazado %n niveles de la colección.</numerusform>
        </translation>
    </message>
    <message>
        <source>Too few turtles can reach the water: %1 of %2.</source>
        <translation>Muy pocas tortugas pueden llegar al agua: %1 de %2.</translation>
    </message>
    <message>
        <source>The computer player passed %1 of %2 runs.</source>
        <translation>El jugador automático superó %1 de %2 partidas.</translation>
    </message>
    <message>
        <source>Its creatures step every %1 ms; in a published level they step every %2 ms at the fastest.</source>
        <translation>Sus criaturas dan un paso cada %1 ms; en un nivel publicado, como mucho cada %2 ms.</translation>
    </message>
    <message>
        <source>The world table has no set with these levels sent within the hour.</source>
        <translation>La tabla mundial no ha recibido ninguna colección con estos niveles en la última hora.</translation>
    </message>
    <message>
        <source>No set with these levels is published on the world table.</source>
        <translation>No hay ninguna colección con estos niveles publicada en la tabla mundial.</translation>
    </message>
    <message numerus="yes">
        <source>Too many games sent from here: wait %n second(s).</source>
        <translation>
            <numerusform>Demasiadas partidas enviadas desde aquí: espera %n segundo.</numerusform>
            <numerusform>Demasiadas partidas enviadas desde aquí: espera %n segundos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Too many sets sent from here: wait %n second(s).</source>
        <translation>
            <numerusform>Demasiadas colecciones enviadas desde aquí: espera %n segundo.</numerusform>
            <numerusform>Demasiadas colecciones enviadas desde aquí: espera %n segundos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Too many requests from here: wait %n second(s).</source>
        <translation>
            <numerusform>Demasiadas peticiones desde aquí: espera %n segundo.</numerusform>
            <numerusform>Demasiadas peticiones desde aquí: espera %n segundos.</numerusform>
        </translation>
    </message>
    <message>
        <source>Too many connections from here at once.</source>
        <translation>Demasiadas conexiones simultáneas desde aquí.</translation>
    </message>
    <message>
        <source>The world table is busy; try again soon.</source>
        <translation>La tabla mundial está ocupada; vuelve a intentarlo pronto.</translation>
    </message>
    <message>
        <source>The world table is judging as many sets as it can; send the set again later.</source>
        <translation>La tabla mundial está juzgando tantas colecciones como puede; vuelve a enviar la colección más tarde.</translation>
    </message>
    <message>
        <source>The world table failed while it judged the set; send it again.</source>
        <translation>La tabla mundial falló al juzgar la colección; vuelve a enviarla.</translation>
    </message>
    <message>
        <source>The world table failed; try again later.</source>
        <translation>La tabla mundial falló; vuelve a intentarlo más tarde.</translation>
    </message>
    <message>
        <source>The world table played the game otherwise in level %1 (checkpoint %2): %3</source>
        <translation>En la tabla mundial la partida fue de otra manera en el nivel %1 (punto de control %2): %3</translation>
    </message>
    <message>
        <source>The level plays itself: nobody at the board passed %1 of %2 runs.</source>
        <translation>El nivel se juega solo: sin nadie al mando se superaron %1 de %2 partidas.</translation>
    </message>
</context>
<context>
    <name>WorldTableDialog</name>
    <message>
        <source>World Table</source>
        <translation>Tabla mundial</translation>
    </message>
    <message>
        <source>for example scores.example.org:8080</source>
        <translation>por ejemplo scores.example.org:8080</translation>
    </message>
    <message>
        <source>Server &amp;address:</source>
        <translation>&amp;Dirección del servidor:</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Dirección del servidor</translation>
    </message>
    <message>
        <source>The world table&apos;s address; empty for none</source>
        <translation>La dirección de la tabla mundial; vacía para ninguna</translation>
    </message>
    <message>
        <source>Send my top-ten games</source>
        <translation>Enviar mis partidas entre las diez mejores</translation>
    </message>
    <message>
        <source>A game that enters your top ten is sent with its replay and the name you entered, nothing else. With no address the game never uses the network.</source>
        <translation>Una partida que entra entre tus diez mejores se envía con su repetición y el nombre que escribiste, nada más. Sin dirección, el juego nunca usa la red.</translation>
    </message>
</context>
<context>
    <name>WorldTopTenWindow</name>
    <message>
        <source>World Top Ten</source>
        <translation>Los diez mejores del mundo</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Puesto</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Enter or a double-click watches the game of a row</source>
        <translation>Intro o un doble clic muestra la partida de una fila</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>No world table is set up: enter its address under Game &gt; World Table..., as the README&apos;s section &quot;The world table&quot; describes.</source>
        <translation>No hay tabla mundial configurada: escribe su dirección en Juego &gt; Tabla mundial..., como describe la sección &quot;The world table&quot; del README.</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Cargando...</translation>
    </message>
    <message>
        <source>Place %1</source>
        <translation>Puesto %1</translation>
    </message>
    <message>
        <source>Score %1</source>
        <translation>Puntos %1</translation>
    </message>
    <message>
        <source>Handwritten name</source>
        <translation>Nombre manuscrito</translation>
    </message>
    <message>
        <source>Name %1</source>
        <translation>Nombre %1</translation>
    </message>
    <message>
        <source>Handwritten name in place %1</source>
        <translation>Nombre manuscrito en el puesto %1</translation>
    </message>
    <message>
        <source>No game of this set is on the world table yet.</source>
        <translation>Aún no hay ninguna partida de esta colección en la tabla mundial.</translation>
    </message>
    <message>
        <source>Games of this set on the world table: %1. Enter or a double-click watches a game.</source>
        <translation>Partidas de esta colección en la tabla mundial: %1. Intro o un doble clic muestra una partida.</translation>
    </message>
    <message>
        <source>The game the world table sent for this row does not play to its score of %1 in this set, so it is not shown.</source>
        <translation>La partida que la tabla mundial envió para esta fila no llega a sus %1 puntos en esta colección, así que no se muestra.</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Sent on %1</source>
        <translation>Enviada el %1</translation>
    </message>
    <message>
        <source>Date not known</source>
        <translation>Fecha desconocida</translation>
    </message>
    <message>
        <source>Anonymous</source>
        <translation>Anónimo</translation>
    </message>
</context>
</TS>
