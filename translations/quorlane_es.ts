<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>CellSpeech</name>
    <message>
        <source>Covered</source>
        <extracomment>What a screen reader says of a covered square of the minefield.</extracomment>
        <translation>Cubierta</translation>
    </message>
    <message>
        <source>Covered, tinted</source>
        <extracomment>A covered square that the player tinted (T) as a note to themselves.</extracomment>
        <translation>Cubierta, coloreada</translation>
    </message>
    <message>
        <source>Marked</source>
        <extracomment>A square marked (M) as holding a mine.</extracomment>
        <translation>Marcada</translation>
    </message>
    <message>
        <source>Hole</source>
        <extracomment>A hole in the minefield: a square that is no part of the game.</extracomment>
        <translation>Agujero</translation>
    </message>
    <message>
        <source>Mine</source>
        <extracomment>A mine shown at the end of a game.</extracomment>
        <translation>Mina</translation>
    </message>
    <message>
        <source>Column %1, row %2; single square</source>
        <extracomment>Where a square of the minefield is, for a screen reader: its column and row, counted from 1, and that its area is this square alone.</extracomment>
        <translation>Columna %1, fila %2; casilla suelta</translation>
    </message>
    <message>
        <source>Column %1, row %2; shaped area of %3 squares</source>
        <extracomment>The square&apos;s area is a shape of %3 squares that touch (%3 is 2 or more).</extracomment>
        <translation>Columna %1, fila %2; celda con forma de %3 casillas</translation>
    </message>
    <message>
        <source>Column %1, row %2; linked area of %3 squares</source>
        <extracomment>The square&apos;s area is %3 squares linked across the field, apart from each other (%3 is 2 or more).</extracomment>
        <translation>Columna %1, fila %2; zona de %3 casillas enlazadas</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argumento inesperado &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Usage: quorlane [--help] [--version]

Quorlane is a single-player mine-clearing puzzle. Uncover the areas of a
minefield of single squares, shaped cells, linked squares and holes, and
mark every mine; every finished game goes into a score table.

The game keeps its files in the folder it is started in:
  Scores.dat       the score table (read and written)
  LastGame.dat     the settings of the last game (read and written)
  SavedNames.txt   the remembered player names (read and written)
  SavedGame.dat    an unfinished game, kept until it ends (read and written)
  Patterns/*.tes   the tessellation patterns (read)

The desktop&apos;s menu starts it through quorlane-launcher, which plays in
$XDG_DATA_HOME/quorlane (by default ~/.local/share/quorlane) with a copy
of the installed pattern library, and passes its options on to the game.

Options:
  -h, --help       show this text and end
  -v, --version    show the version and end
</source>
        <extracomment>Keep the options, the file names and the folders as they are, and the lines within 80 columns.</extracomment>
        <translation>Uso: quorlane [--help] [--version]

Quorlane es un juego de buscaminas para un jugador. Descubre las zonas de un
campo de minas hecho de casillas sueltas, celdas con forma, casillas enlazadas
y agujeros, y marca cada mina; cada partida terminada entra en la tabla de
puntuaciones.

El juego guarda sus archivos en la carpeta desde la que se inicia:
  Scores.dat       la tabla de puntuaciones (lectura y escritura)
  LastGame.dat     los ajustes de la última partida (lectura y escritura)
  SavedNames.txt   los nombres de jugador recordados (lectura y escritura)
  SavedGame.dat    la partida sin terminar, hasta su fin (lectura y escritura)
  Patterns/*.tes   los patrones de teselado (lectura)

El menú del escritorio lo inicia mediante quorlane-launcher, que lo ejecuta en
$XDG_DATA_HOME/quorlane (por defecto ~/.local/share/quorlane) con una copia
de la biblioteca de patrones instalada y le pasa sus opciones.

Opciones:
  -h, --help       muestra este texto y termina
  -v, --version    muestra la versión y termina
</translation>
    </message>
</context>
<context>
    <name>ScoreText</name>
    <message>
        <source>Player</source>
        <extracomment>A column of the score table, as a screen reader names it: the player.</extracomment>
        <translation>Jugador</translation>
    </message>
    <message>
        <source>Timed</source>
        <extracomment>A column of the score table: the difficulty of a timed game (0 to 20), empty for an untimed one.</extracomment>
        <translation>Cronometrada</translation>
    </message>
    <message>
        <source>Linking</source>
        <extracomment>A column of the score table: the new game&apos;s setting of linked cells.</extracomment>
        <translation>Enlaces</translation>
    </message>
    <message>
        <source>Shaped cells</source>
        <extracomment>A column of the score table: the new game&apos;s setting of shaped cells.</extracomment>
        <translation>Celdas con forma</translation>
    </message>
    <message>
        <source>Mines</source>
        <extracomment>A column of the score table: the share of mines, in percent.</extracomment>
        <translation>Minas</translation>
    </message>
    <message>
        <source>Holes</source>
        <extracomment>A column of the score table: the share of holes, in percent.</extracomment>
        <translation>Agujeros</translation>
    </message>
    <message>
        <source>Size</source>
        <extracomment>A column of the score table: the minefield&apos;s size, as &quot;30 x 20&quot;.</extracomment>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Score</source>
        <extracomment>A column of the score table: the game&apos;s score.</extracomment>
        <translation>Puntuación</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Version %1 (release)</source>
        <translation>Versión %1 (estable)</translation>
    </message>
    <message>
        <source>By the Quorlane developers</source>
        <translation>Por el equipo de Quorlane</translation>
    </message>
    <message>
        <source>New patterns, news and help at %1</source>
        <translation>Novedades, patrones y ayuda en %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>TDlgNewGame</name>
    <message>
        <source>New Game</source>
        <translation>Nueva partida</translation>
    </message>
    <message>
        <source> &amp;Game </source>
        <translation> &amp;Partida </translation>
    </message>
    <message>
        <source>Enter your name here|Enter your name here. Names from previous games will appear here.</source>
        <translation>Escribe aquí tu nombre|Escribe aquí tu nombre. Aquí aparecerán los nombres de partidas anteriores.</translation>
    </message>
    <message>
        <source>Player &amp;Name</source>
        <translation>&amp;Jugador</translation>
    </message>
    <message>
        <source>Timed Game?|Activate for a timed game. Timed Game: The game ends when time runs out.</source>
        <translation>¿Partida cronometrada?|Actívalo para jugar contra reloj: la partida acaba cuando se agota el tiempo.</translation>
    </message>
    <message>
        <source>Timed game</source>
        <translation>Partida cronometrada</translation>
    </message>
    <message>
        <source>&lt;-- Allows more time / Allows less time --&gt;|Set the difficulty of a timed game</source>
        <translation>&lt;-- Más tiempo / Menos tiempo --&gt;|Ajusta la dificultad de una partida cronometrada</translation>
    </message>
    <message>
        <source> Quick Settings </source>
        <translation> Ajustes rápidos </translation>
    </message>
    <message>
        <source>Select a level here. High numbers are more difficult.</source>
        <translation>Elige aquí un nivel. Cuanto más alto el número, más difícil.</translation>
    </message>
    <message>
        <source>Beginner|Discover how the Standard Game works.</source>
        <translation>Principiante|Descubre cómo funciona la partida estándar.</translation>
    </message>
    <message>
        <source> Custom Game </source>
        <translation> Partida personalizada </translation>
    </message>
    <message>
        <source>|Change the game options</source>
        <translation>|Cambia las opciones de la partida</translation>
    </message>
    <message>
        <source>&lt;-- Smaller minefield / Larger minefield --&gt;|Change the size of the minefield</source>
        <translation>&lt;-- Campo más pequeño / Campo más grande --&gt;|Cambia el tamaño del campo de minas</translation>
    </message>
    <message>
        <source>&lt;-- Less mines / More mines --&gt;|Change the number of mines in the minefield</source>
        <translation>&lt;-- Menos minas / Más minas --&gt;|Cambia el número de minas del campo</translation>
    </message>
    <message>
        <source>Click the image for  &apos;No holes&apos;</source>
        <translation>Haz clic en la imagen para «Sin agujeros»</translation>
    </message>
    <message>
        <source>&lt;-- Less holes / More holes --&gt;|Change the number of holes in the minefield</source>
        <translation>&lt;-- Menos agujeros / Más agujeros --&gt;|Cambia el número de agujeros del campo</translation>
    </message>
    <message>
        <source>Random shapes</source>
        <translation>Formas aleatorias</translation>
    </message>
    <message>
        <source>Regular shapes|Click the &apos;...&apos; button to select a pattern.</source>
        <translation>Formas regulares|Haz clic en el botón «...» para elegir un patrón.</translation>
    </message>
    <message>
        <source>Regular shapes</source>
        <translation>Formas regulares</translation>
    </message>
    <message>
        <source>Select Pattern...</source>
        <translation>Elegir patrón...</translation>
    </message>
    <message>
        <source>Click the image for  &apos;No shaped cells&apos;</source>
        <translation>Haz clic en la imagen para «Sin celdas con forma»</translation>
    </message>
    <message>
        <source>&lt;-- Less shaped cells / More shaped cells --&gt;|Change the number of shaped cells</source>
        <translation>&lt;-- Menos celdas con forma / Más celdas con forma --&gt;|Cambia el número de celdas con forma</translation>
    </message>
    <message>
        <source>Click the image for  &apos;No linked mines&apos;</source>
        <translation>Haz clic en la imagen para «Sin minas enlazadas»</translation>
    </message>
    <message>
        <source>&lt;-- Less linked cells / More linked cells --&gt;|Change the number of cells that are linked</source>
        <translation>&lt;-- Menos celdas enlazadas / Más celdas enlazadas --&gt;|Cambia el número de celdas enlazadas</translation>
    </message>
    <message>
        <source>Random linking</source>
        <translation>Enlaces aleatorios</translation>
    </message>
    <message>
        <source>Linked Halves</source>
        <translation>Mitades enlazadas</translation>
    </message>
    <message>
        <source>Linked Thirds</source>
        <translation>Tercios enlazados</translation>
    </message>
    <message>
        <source>Linked Quarters</source>
        <translation>Cuartos enlazados</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Remember me</source>
        <extracomment>The name box&apos;s first text. Confirmed as it stands, it becomes the player&apos;s name, which is kept in Windows-1252: Western European letters only.</extracomment>
        <translation>Tu nombre</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>No se puede abrir el archivo %1</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>No se puede crear el archivo %1</translation>
    </message>
    <message>
        <source>More options|Click to show more game options</source>
        <translation>Más opciones|Haz clic para ver más opciones de juego</translation>
    </message>
    <message>
        <source>Hide options|Click to hide advanced game options</source>
        <translation>Menos opciones|Haz clic para ocultar las opciones avanzadas</translation>
    </message>
    <message>
        <source>Player name</source>
        <extracomment>The name box&apos;s field, for a screen reader.</extracomment>
        <translation>Nombre del jugador</translation>
    </message>
    <message>
        <source>Saved names</source>
        <extracomment>The name box&apos;s list of the names of earlier games, for a screen reader.</extracomment>
        <translation>Nombres recordados</translation>
    </message>
    <message>
        <source>Quick setting %1</source>
        <extracomment>The quick settings&apos; buttons, for a screen reader: level %1 of 1 to 10.</extracomment>
        <translation>Ajuste rápido %1</translation>
    </message>
    <message>
        <source>Select pattern</source>
        <extracomment>The &quot;...&quot; button beside the pattern&apos;s name, for a screen reader.</extracomment>
        <translation>Elegir patrón</translation>
    </message>
    <message>
        <source>Linking pattern</source>
        <extracomment>The box of how linked cells are laid out, for a screen reader.</extracomment>
        <translation>Patrón de enlace</translation>
    </message>
    <message>
        <source>Linking patterns</source>
        <extracomment>The same box&apos;s list.</extracomment>
        <translation>Patrones de enlace</translation>
    </message>
    <message>
        <source>Mines, %1</source>
        <extracomment>The sliders&apos; names for a screen reader carry their values: here the mines&apos; share of the minefield, as &quot;16.0%&quot;.</extracomment>
        <translation>Minas, %1</translation>
    </message>
    <message>
        <source>Holes, %1</source>
        <extracomment>The holes&apos; share of the minefield, as &quot;5.0%&quot;.</extracomment>
        <translation>Agujeros, %1</translation>
    </message>
    <message>
        <source>Shaped cells, %1</source>
        <extracomment>The setting of shaped cells, as &quot;3.5&quot;.</extracomment>
        <translation>Celdas con forma, %1</translation>
    </message>
    <message>
        <source>Linked cells, %1</source>
        <extracomment>The setting of linked cells, as &quot;9.0&quot;.</extracomment>
        <translation>Celdas enlazadas, %1</translation>
    </message>
    <message>
        <source>Minefield size, %1 by %2</source>
        <extracomment>The minefield&apos;s size in squares: %1 columns by %2 rows.</extracomment>
        <translation>Tamaño del campo de minas, %1 por %2</translation>
    </message>
    <message>
        <source>Difficulty of a timed game, %1 of %2</source>
        <extracomment>The difficulty of a timed game: %1 of at most %2 (20).</extracomment>
        <translation>Dificultad de una partida cronometrada, %1 de %2</translation>
    </message>
</context>
<context>
    <name>TGameSaver</name>
    <message>
        <source>Your unfinished game is waiting: F3 resumes it</source>
        <translation>Tu partida sin terminar te espera: F3 la reanuda</translation>
    </message>
    <message>
        <source>Another copy of Quorlane has the unfinished game of this folder</source>
        <translation>Otra copia de Quorlane tiene la partida sin terminar de esta carpeta</translation>
    </message>
    <message>
        <source>This game will not be kept: another copy of Quorlane keeps its own here</source>
        <translation>Esta partida no se guardará: otra copia de Quorlane guarda aquí la suya</translation>
    </message>
    <message>
        <source>This game will not be kept: an unfinished game waits here for the next start</source>
        <translation>Esta partida no se guardará: aquí espera una partida para el próximo inicio</translation>
    </message>
</context>
<context>
    <name>TGameScreen</name>
    <message>
        <source>Minefield</source>
        <translation>Campo de minas</translation>
    </message>
    <message>
        <source>Arrow keys, Home, End, Page Up and Page Down move the cursor; Space uncovers, M marks, T tints; H gives a hint; L arms or disarms a lifeline</source>
        <extracomment>The keys stay as they are in every language: M, T, H and L are the letters pressed.</extracomment>
        <translation>Las flechas, Inicio, Fin, Re Pág y Av Pág mueven el cursor; Espacio descubre, M marca, T colorea; H da una pista; L activa o desactiva un comodín</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>%1 by the Quorlane developers</source>
        <translation>%1 por el equipo de Quorlane</translation>
    </message>
    <message>
        <source>%1 by the Quorlane developers : Play</source>
        <translation>%1 por el equipo de Quorlane : Partida</translation>
    </message>
    <message>
        <source>%1 by the Quorlane developers : Scores</source>
        <translation>%1 por el equipo de Quorlane : Récords</translation>
    </message>
    <message>
        <source>View Game</source>
        <translation>Ver la partida</translation>
    </message>
    <message>
        <source>View Scores</source>
        <translation>Ver récords</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reanudar</translation>
    </message>
    <message>
        <source>Success!! You cleared the minefield!</source>
        <translation>¡¡Lo has logrado!! ¡Has despejado el campo de minas!</translation>
    </message>
    <message>
        <source>Bonus for leaving %1 unexplored cells: %2.</source>
        <translation>Bonificación por dejar %1 celdas sin explorar: %2.</translation>
    </message>
    <message>
        <source>Bonus for time left (%1 seconds): %2.</source>
        <translation>Bonificación por el tiempo restante (%1 segundos): %2.</translation>
    </message>
    <message>
        <source>Game Over! You ran out of time!</source>
        <translation>¡Fin de la partida! ¡Se te acabó el tiempo!</translation>
    </message>
    <message>
        <source>Game Over! You tripped the minefield!</source>
        <translation>¡Fin de la partida! ¡Has pisado una mina!</translation>
    </message>
    <message>
        <source>This field may need a guess</source>
        <translation>Este campo puede obligarte a adivinar</translation>
    </message>
    <message>
        <source>A game is in progress. Are you sure you want to start another now?</source>
        <translation>Hay una partida en curso. ¿Seguro que quieres empezar otra ahora?</translation>
    </message>
    <message>
        <source>Choose a new game (F5)</source>
        <translation>Elegir una nueva partida (F5)</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menú</translation>
    </message>
    <message>
        <source>Lifeline|Click this before activating a mine, and the game continues.</source>
        <translation>Comodín|Haz clic aquí antes de activar una mina y la partida continuará.</translation>
    </message>
    <message>
        <source>Number of lifelines remaining</source>
        <translation>Comodines restantes</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntuación</translation>
    </message>
    <message>
        <source>Game Time</source>
        <translation>Tiempo de juego</translation>
    </message>
    <message>
        <source>Pause / Resume (F3)</source>
        <translation>Pausa / Reanudar (F3)</translation>
    </message>
    <message>
        <source>Boss! (hide)</source>
        <translation>¡Jefe! (ocultar)</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nueva partida</translation>
    </message>
    <message>
        <source>&amp;One Mark in Areas</source>
        <translation>&amp;Una marca por zona</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Hint: the framed mark is wrong</source>
        <extracomment>What a hint (H) found, in the status bar. A frame on the field shows the area it speaks of; here a marked area that holds no mine.</extracomment>
        <translation>Pista: la marca recuadrada es incorrecta</translation>
    </message>
    <message>
        <source>Hint: the framed area is safe</source>
        <extracomment>The framed area holds no mine: it can be uncovered.</extracomment>
        <translation>Pista: la zona recuadrada es segura</translation>
    </message>
    <message>
        <source>Hint: the framed area holds a mine</source>
        <extracomment>The framed area holds a mine: it can be marked.</extracomment>
        <translation>Pista: la zona recuadrada tiene una mina</translation>
    </message>
    <message>
        <source>Hint: nothing can be proven now; a guess is needed</source>
        <extracomment>No area of the field can be proven safe or mined from the numbers shown.</extracomment>
        <translation>Pista: ahora no se puede demostrar nada; hay que adivinar</translation>
    </message>
    <message>
        <source>Hint: nothing found in time</source>
        <extracomment>The search for a hint took too long and gave up.</extracomment>
        <translation>Pista: no se encontró nada a tiempo</translation>
    </message>
    <message>
        <source>Lifelines left</source>
        <extracomment>The count&apos;s name for a screen reader, which reads the number after it.</extracomment>
        <translation>Comodines restantes</translation>
    </message>
    <message>
        <source>Time</source>
        <extracomment>The clock&apos;s name for a screen reader; its value is the time shown.</extracomment>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>Hint</source>
        <extracomment>The menu item that shows a hint on the field; its key, shown beside it, is H in every language.</extracomment>
        <translation>Pista</translation>
    </message>
</context>
<context>
    <name>TOptionsMenu</name>
    <message>
        <source>No Guessing</source>
        <translation>Sin adivinar</translation>
    </message>
    <message>
        <source>Open Around Numbers</source>
        <extracomment>A play option: a click on an uncovered number whose mines are all marked uncovers the covered areas around it.</extracomment>
        <translation>Descubrir alrededor de los números</translation>
    </message>
</context>
<context>
    <name>TPatternDlg</name>
    <message>
        <source>Choose Pattern</source>
        <translation>Elegir patrón</translation>
    </message>
    <message>
        <source>Reg No</source>
        <translation>N.º reg.</translation>
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
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>«%1» no es un número entero válido</translation>
    </message>
    <message>
        <source>Patterns</source>
        <translation>Patrones</translation>
    </message>
</context>
<context>
    <name>TScoreScreen</name>
    <message>
        <source>Challenge this score|Click to play a game with the same settings.</source>
        <translation>Desafiar esta puntuación|Haz clic para jugar una partida con los mismos ajustes.</translation>
    </message>
    <message>
        <source>|Click a score to challenge it.</source>
        <translation>|Haz clic en una puntuación para desafiarla.</translation>
    </message>
    <message>
        <source>Show everyone&apos;s scores|Click to show everyone&apos;s scores</source>
        <translation>Puntuaciones de todos|Haz clic para ver las puntuaciones de todos</translation>
    </message>
    <message>
        <source>Show just your scores|Click to show just your scores</source>
        <translation>Solo tus puntuaciones|Haz clic para ver solo tus puntuaciones</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Tu nombre</translation>
    </message>
    <message>
        <source>Show Matching|Click to show scores just for games matching the current settings.</source>
        <translation>Mostrar parecidas|Haz clic para ver solo las puntuaciones de partidas con los ajustes actuales.</translation>
    </message>
    <message>
        <source>&lt;-- Match current / Show more --&gt;|Shows games matching the current New Game settings</source>
        <translation>&lt;-- Como los actuales / Mostrar más --&gt;|Muestra las partidas parecidas a los ajustes de Nueva partida</translation>
    </message>
    <message>
        <source>Show All|Click to show scores for all game settings.</source>
        <translation>Mostrar todas|Haz clic para ver las puntuaciones de todos los ajustes.</translation>
    </message>
    <message>
        <source>Nobody</source>
        <extracomment>The name shown in the score table&apos;s rows of no game; Western European letters only (Windows-1252), as a player&apos;s name.</extracomment>
        <translation>Nadie</translation>
    </message>
    <message>
        <source>Games listed: matching the current settings</source>
        <extracomment>The score screen&apos;s slider, for a screen reader: at its left end it lists only the games played with the new game&apos;s current settings.</extracomment>
        <translation>Partidas mostradas: con los ajustes actuales</translation>
    </message>
    <message>
        <source>Games listed: all settings</source>
        <extracomment>At its right end the slider lists the games of every setting.</extracomment>
        <translation>Partidas mostradas: todos los ajustes</translation>
    </message>
    <message>
        <source>Games listed: match level %1 of %2</source>
        <extracomment>Between its ends: how loosely listed games must match, %1 of %2 steps.</extracomment>
        <translation>Partidas mostradas: nivel %1 de %2</translation>
    </message>
</context>
<context>
    <name>TScoreTable</name>
    <message>
        <source>Scores</source>
        <extracomment>The score table&apos;s name for a screen reader.</extracomment>
        <translation>Récords</translation>
    </message>
    <message>
        <source>Up and Down choose a game; Space challenges it</source>
        <extracomment>The keys stay as they are in every language; Space plays a game with the chosen game&apos;s settings, to beat its score.</extracomment>
        <translation>Arriba y Abajo eligen una partida; Espacio desafía su puntuación</translation>
    </message>
</context>
</TS>
