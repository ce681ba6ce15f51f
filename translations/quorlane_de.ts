<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>CellSpeech</name>
    <message>
        <source>Covered</source>
        <extracomment>What a screen reader says of a covered square of the minefield.</extracomment>
        <translation>Verdeckt</translation>
    </message>
    <message>
        <source>Covered, tinted</source>
        <extracomment>A covered square that the player tinted (T) as a note to themselves.</extracomment>
        <translation>Verdeckt, eingefärbt</translation>
    </message>
    <message>
        <source>Marked</source>
        <extracomment>A square marked (M) as holding a mine.</extracomment>
        <translation>Markiert</translation>
    </message>
    <message>
        <source>Hole</source>
        <extracomment>A hole in the minefield: a square that is no part of the game.</extracomment>
        <translation>Loch</translation>
    </message>
    <message>
        <source>Mine</source>
        <extracomment>A mine shown at the end of a game.</extracomment>
        <translation>Mine</translation>
    </message>
    <message>
        <source>Column %1, row %2; single square</source>
        <extracomment>Where a square of the minefield is, for a screen reader: its column and row, counted from 1, and that its area is this square alone.</extracomment>
        <translation>Spalte %1, Zeile %2; einzelnes Feld</translation>
    </message>
    <message>
        <source>Column %1, row %2; shaped area of %3 squares</source>
        <extracomment>The square&apos;s area is a shape of %3 squares that touch (%3 is 2 or more).</extracomment>
        <translation>Spalte %1, Zeile %2; geformter Bereich aus %3 Feldern</translation>
    </message>
    <message>
        <source>Column %1, row %2; linked area of %3 squares</source>
        <extracomment>The square&apos;s area is %3 squares linked across the field, apart from each other (%3 is 2 or more).</extracomment>
        <translation>Spalte %1, Zeile %2; verknüpfter Bereich aus %3 Feldern</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>unerwartetes Argument &apos;%1&apos;</translation>
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
        <translation>Aufruf: quorlane [--help] [--version]

Quorlane ist ein Minensuch-Denkspiel für eine Person. Decke die Bereiche eines
Minenfelds aus einzelnen Feldern, geformten Zellen, verknüpften Feldern und
Löchern auf und markiere jede Mine; jedes beendete Spiel kommt in die
Bestenliste.

Das Spiel legt seine Dateien in dem Ordner ab, in dem es gestartet wird:
  Scores.dat       die Bestenliste (gelesen, geschrieben)
  LastGame.dat     die Einstellungen des letzten Spiels (gelesen, geschrieben)
  SavedNames.txt   die gemerkten Spielernamen (gelesen, geschrieben)
  SavedGame.dat    ein unfertiges Spiel, bis es endet (gelesen, geschrieben)
  Patterns/*.tes   die Parkettierungsmuster (gelesen)

Das Menü des Desktops startet es über quorlane-launcher; so spielt es in
$XDG_DATA_HOME/quorlane (sonst ~/.local/share/quorlane) mit einer Kopie der
installierten Mustersammlung. Der Launcher gibt seine Optionen an das Spiel
weiter.

Optionen:
  -h, --help       diesen Text zeigen und beenden
  -v, --version    die Version zeigen und beenden
</translation>
    </message>
</context>
<context>
    <name>ScoreText</name>
    <message>
        <source>Player</source>
        <extracomment>A column of the score table, as a screen reader names it: the player.</extracomment>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Timed</source>
        <extracomment>A column of the score table: the difficulty of a timed game (0 to 20), empty for an untimed one.</extracomment>
        <translation>Auf Zeit</translation>
    </message>
    <message>
        <source>Linking</source>
        <extracomment>A column of the score table: the new game&apos;s setting of linked cells.</extracomment>
        <translation>Verknüpfung</translation>
    </message>
    <message>
        <source>Shaped cells</source>
        <extracomment>A column of the score table: the new game&apos;s setting of shaped cells.</extracomment>
        <translation>Geformte Zellen</translation>
    </message>
    <message>
        <source>Mines</source>
        <extracomment>A column of the score table: the share of mines, in percent.</extracomment>
        <translation>Minen</translation>
    </message>
    <message>
        <source>Holes</source>
        <extracomment>A column of the score table: the share of holes, in percent.</extracomment>
        <translation>Löcher</translation>
    </message>
    <message>
        <source>Size</source>
        <extracomment>A column of the score table: the minefield&apos;s size, as &quot;30 x 20&quot;.</extracomment>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Score</source>
        <extracomment>A column of the score table: the game&apos;s score.</extracomment>
        <translation>Punkte</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>About</source>
        <translation>Über Quorlane</translation>
    </message>
    <message>
        <source>Version %1 (release)</source>
        <translation>Version %1 (stabil)</translation>
    </message>
    <message>
        <source>By the Quorlane developers</source>
        <translation>Von den Quorlane-Entwicklern</translation>
    </message>
    <message>
        <source>New patterns, news and help at %1</source>
        <translation>Neue Muster, News und Hilfe: %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TDlgNewGame</name>
    <message>
        <source>New Game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source> &amp;Game </source>
        <translation> &amp;Spiel </translation>
    </message>
    <message>
        <source>Enter your name here|Enter your name here. Names from previous games will appear here.</source>
        <translation>Gib hier deinen Namen ein|Gib hier deinen Namen ein. Namen aus früheren Spielen erscheinen hier.</translation>
    </message>
    <message>
        <source>Player &amp;Name</source>
        <translation>Spieler&amp;name</translation>
    </message>
    <message>
        <source>Timed Game?|Activate for a timed game. Timed Game: The game ends when time runs out.</source>
        <translation>Auf Zeit?|Einschalten für ein Spiel auf Zeit: Es endet, wenn die Zeit abläuft.</translation>
    </message>
    <message>
        <source>Timed game</source>
        <translation>Spiel auf Zeit</translation>
    </message>
    <message>
        <source>&lt;-- Allows more time / Allows less time --&gt;|Set the difficulty of a timed game</source>
        <translation>&lt;-- Mehr Zeit / Weniger Zeit --&gt;|Schwierigkeit eines Spiels auf Zeit einstellen</translation>
    </message>
    <message>
        <source> Quick Settings </source>
        <translation> Schnellwahl </translation>
    </message>
    <message>
        <source>Select a level here. High numbers are more difficult.</source>
        <translation>Wähle hier eine Stufe. Höhere Zahlen sind schwieriger.</translation>
    </message>
    <message>
        <source>Beginner|Discover how the Standard Game works.</source>
        <translation>Anfänger|Lerne das Standardspiel kennen.</translation>
    </message>
    <message>
        <source> Custom Game </source>
        <translation> Eigenes Spiel </translation>
    </message>
    <message>
        <source>|Change the game options</source>
        <translation>|Spieloptionen ändern</translation>
    </message>
    <message>
        <source>&lt;-- Smaller minefield / Larger minefield --&gt;|Change the size of the minefield</source>
        <translation>&lt;-- Kleineres Minenfeld / Größeres Minenfeld --&gt;|Größe des Minenfelds ändern</translation>
    </message>
    <message>
        <source>&lt;-- Less mines / More mines --&gt;|Change the number of mines in the minefield</source>
        <translation>&lt;-- Weniger Minen / Mehr Minen --&gt;|Anzahl der Minen im Minenfeld ändern</translation>
    </message>
    <message>
        <source>Click the image for  &apos;No holes&apos;</source>
        <translation>Klicke auf das Bild für „Keine Löcher“</translation>
    </message>
    <message>
        <source>&lt;-- Less holes / More holes --&gt;|Change the number of holes in the minefield</source>
        <translation>&lt;-- Weniger Löcher / Mehr Löcher --&gt;|Anzahl der Löcher im Minenfeld ändern</translation>
    </message>
    <message>
        <source>Random shapes</source>
        <translation>Zufällige Formen</translation>
    </message>
    <message>
        <source>Regular shapes|Click the &apos;...&apos; button to select a pattern.</source>
        <translation>Regelmäßige Formen|Klicke auf „...“, um ein Muster zu wählen.</translation>
    </message>
    <message>
        <source>Regular shapes</source>
        <translation>Regelmäßige Formen</translation>
    </message>
    <message>
        <source>Select Pattern...</source>
        <translation>Muster wählen...</translation>
    </message>
    <message>
        <source>Click the image for  &apos;No shaped cells&apos;</source>
        <translation>Klicke auf das Bild für „Keine geformten Zellen“</translation>
    </message>
    <message>
        <source>&lt;-- Less shaped cells / More shaped cells --&gt;|Change the number of shaped cells</source>
        <translation>&lt;-- Weniger geformte Zellen / Mehr geformte Zellen --&gt;|Anzahl der geformten Zellen ändern</translation>
    </message>
    <message>
        <source>Click the image for  &apos;No linked mines&apos;</source>
        <translation>Klicke auf das Bild für „Keine verknüpften Minen“</translation>
    </message>
    <message>
        <source>&lt;-- Less linked cells / More linked cells --&gt;|Change the number of cells that are linked</source>
        <translation>&lt;-- Weniger verknüpfte Zellen / Mehr verknüpfte Zellen --&gt;|Anzahl der verknüpften Zellen ändern</translation>
    </message>
    <message>
        <source>Random linking</source>
        <translation>Zufällig verknüpft</translation>
    </message>
    <message>
        <source>Linked Halves</source>
        <translation>Verknüpfte Hälften</translation>
    </message>
    <message>
        <source>Linked Thirds</source>
        <translation>Verknüpfte Drittel</translation>
    </message>
    <message>
        <source>Linked Quarters</source>
        <translation>Verknüpfte Viertel</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Remember me</source>
        <extracomment>The name box&apos;s first text. Confirmed as it stands, it becomes the player&apos;s name, which is kept in Windows-1252: Western European letters only.</extracomment>
        <translation>Dein Name</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Die Datei %1 lässt sich nicht öffnen</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>Die Datei %1 lässt sich nicht anlegen</translation>
    </message>
    <message>
        <source>More options|Click to show more game options</source>
        <translation>Mehr Optionen|Klicke, um mehr Spieloptionen zu zeigen</translation>
    </message>
    <message>
        <source>Hide options|Click to hide advanced game options</source>
        <translation>Weniger Optionen|Klicke, um die erweiterten Spieloptionen auszublenden</translation>
    </message>
    <message>
        <source>Player name</source>
        <extracomment>The name box&apos;s field, for a screen reader.</extracomment>
        <translation>Spielername</translation>
    </message>
    <message>
        <source>Saved names</source>
        <extracomment>The name box&apos;s list of the names of earlier games, for a screen reader.</extracomment>
        <translation>Gemerkte Namen</translation>
    </message>
    <message>
        <source>Quick setting %1</source>
        <extracomment>The quick settings&apos; buttons, for a screen reader: level %1 of 1 to 10.</extracomment>
        <translation>Schnellwahl %1</translation>
    </message>
    <message>
        <source>Select pattern</source>
        <extracomment>The &quot;...&quot; button beside the pattern&apos;s name, for a screen reader.</extracomment>
        <translation>Muster wählen</translation>
    </message>
    <message>
        <source>Linking pattern</source>
        <extracomment>The box of how linked cells are laid out, for a screen reader.</extracomment>
        <translation>Verknüpfungsmuster</translation>
    </message>
    <message>
        <source>Linking patterns</source>
        <extracomment>The same box&apos;s list.</extracomment>
        <translation>Liste der Verknüpfungsmuster</translation>
    </message>
    <message>
        <source>Mines, %1</source>
        <extracomment>The sliders&apos; names for a screen reader carry their values: here the mines&apos; share of the minefield, as &quot;16.0%&quot;.</extracomment>
        <translation>Minen, %1</translation>
    </message>
    <message>
        <source>Holes, %1</source>
        <extracomment>The holes&apos; share of the minefield, as &quot;5.0%&quot;.</extracomment>
        <translation>Löcher, %1</translation>
    </message>
    <message>
        <source>Shaped cells, %1</source>
        <extracomment>The setting of shaped cells, as &quot;3.5&quot;.</extracomment>
        <translation>Geformte Zellen, %1</translation>
    </message>
    <message>
        <source>Linked cells, %1</source>
        <extracomment>The setting of linked cells, as &quot;9.0&quot;.</extracomment>
        <translation>Verknüpfte Zellen, %1</translation>
    </message>
    <message>
        <source>Minefield size, %1 by %2</source>
        <extracomment>The minefield&apos;s size in squares: %1 columns by %2 rows.</extracomment>
        <translation>Größe des Minenfelds, %1 mal %2</translation>
    </message>
    <message>
        <source>Difficulty of a timed game, %1 of %2</source>
        <extracomment>The difficulty of a timed game: %1 of at most %2 (20).</extracomment>
        <translation>Schwierigkeit eines Spiels auf Zeit, %1 von %2</translation>
    </message>
</context>
<context>
    <name>TGameSaver</name>
    <message>
        <source>Your unfinished game is waiting: F3 resumes it</source>
        <translation>Dein unfertiges Spiel wartet: F3 setzt es fort</translation>
    </message>
    <message>
        <source>Another copy of Quorlane has the unfinished game of this folder</source>
        <translation>Ein anderes laufendes Quorlane hat das unfertige Spiel dieses Ordners</translation>
    </message>
    <message>
        <source>This game will not be kept: another copy of Quorlane keeps its own here</source>
        <translation>Dieses Spiel wird nicht gesichert: Ein anderes Quorlane sichert hier sein Spiel</translation>
    </message>
    <message>
        <source>This game will not be kept: an unfinished game waits here for the next start</source>
        <translation>Dieses Spiel wird nicht gesichert: Hier wartet ein Spiel auf den nächsten Start</translation>
    </message>
</context>
<context>
    <name>TGameScreen</name>
    <message>
        <source>Minefield</source>
        <translation>Minenfeld</translation>
    </message>
    <message>
        <source>Arrow keys, Home, End, Page Up and Page Down move the cursor; Space uncovers, M marks, T tints; H gives a hint; L arms or disarms a lifeline</source>
        <extracomment>The keys stay as they are in every language: M, T, H and L are the letters pressed.</extracomment>
        <translation>Pfeiltasten, Pos1, Ende, Bild auf und Bild ab bewegen den Cursor; Leertaste deckt auf, M markiert, T färbt ein; H gibt einen Tipp; L setzt einen Joker ein oder nimmt ihn zurück</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>%1 by the Quorlane developers</source>
        <translation>%1 vom Quorlane-Team</translation>
    </message>
    <message>
        <source>%1 by the Quorlane developers : Play</source>
        <translation>%1 vom Quorlane-Team : Spiel</translation>
    </message>
    <message>
        <source>%1 by the Quorlane developers : Scores</source>
        <translation>%1 vom Quorlane-Team : Bestenliste</translation>
    </message>
    <message>
        <source>View Game</source>
        <translation>Spiel zeigen</translation>
    </message>
    <message>
        <source>View Scores</source>
        <translation>Bestenliste zeigen</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Success!! You cleared the minefield!</source>
        <translation>Geschafft!! Du hast das Minenfeld geräumt!</translation>
    </message>
    <message>
        <source>Bonus for leaving %1 unexplored cells: %2.</source>
        <translation>Bonus für %1 nicht aufgedeckte Zellen: %2.</translation>
    </message>
    <message>
        <source>Bonus for time left (%1 seconds): %2.</source>
        <translation>Bonus für die Restzeit (%1 Sekunden): %2.</translation>
    </message>
    <message>
        <source>Game Over! You ran out of time!</source>
        <translation>Spiel vorbei! Deine Zeit ist abgelaufen!</translation>
    </message>
    <message>
        <source>Game Over! You tripped the minefield!</source>
        <translation>Spiel vorbei! Du bist auf eine Mine getreten!</translation>
    </message>
    <message>
        <source>This field may need a guess</source>
        <translation>Auf diesem Minenfeld musst du vielleicht raten</translation>
    </message>
    <message>
        <source>A game is in progress. Are you sure you want to start another now?</source>
        <translation>Ein Spiel läuft noch. Willst du wirklich jetzt ein neues beginnen?</translation>
    </message>
    <message>
        <source>Choose a new game (F5)</source>
        <translation>Neues Spiel wählen (F5)</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>Lifeline|Click this before activating a mine, and the game continues.</source>
        <translation>Joker|Klicke hierauf, bevor du eine Mine auslöst, und das Spiel geht weiter.</translation>
    </message>
    <message>
        <source>Number of lifelines remaining</source>
        <translation>Verbleibende Joker</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Game Time</source>
        <translation>Spielzeit</translation>
    </message>
    <message>
        <source>Pause / Resume (F3)</source>
        <translation>Pause / Weiter (F3)</translation>
    </message>
    <message>
        <source>Boss! (hide)</source>
        <translation>Chef! (verstecken)</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>&amp;One Mark in Areas</source>
        <translation>&amp;Eine Markierung pro Bereich</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über Quorlane</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Hint: the framed mark is wrong</source>
        <extracomment>What a hint (H) found, in the status bar. A frame on the field shows the area it speaks of; here a marked area that holds no mine.</extracomment>
        <translation>Tipp: Die umrahmte Markierung ist falsch</translation>
    </message>
    <message>
        <source>Hint: the framed area is safe</source>
        <extracomment>The framed area holds no mine: it can be uncovered.</extracomment>
        <translation>Tipp: Der umrahmte Bereich ist sicher</translation>
    </message>
    <message>
        <source>Hint: the framed area holds a mine</source>
        <extracomment>The framed area holds a mine: it can be marked.</extracomment>
        <translation>Tipp: Im umrahmten Bereich liegt eine Mine</translation>
    </message>
    <message>
        <source>Hint: nothing can be proven now; a guess is needed</source>
        <extracomment>No area of the field can be proven safe or mined from the numbers shown.</extracomment>
        <translation>Tipp: Gerade lässt sich nichts beweisen; du musst raten</translation>
    </message>
    <message>
        <source>Hint: nothing found in time</source>
        <extracomment>The search for a hint took too long and gave up.</extracomment>
        <translation>Tipp: In der verfügbaren Zeit nichts gefunden</translation>
    </message>
    <message>
        <source>Lifelines left</source>
        <extracomment>The count&apos;s name for a screen reader, which reads the number after it.</extracomment>
        <translation>Verbleibende Joker</translation>
    </message>
    <message>
        <source>Time</source>
        <extracomment>The clock&apos;s name for a screen reader; its value is the time shown.</extracomment>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Hint</source>
        <extracomment>The menu item that shows a hint on the field; its key, shown beside it, is H in every language.</extracomment>
        <translation>Tipp</translation>
    </message>
</context>
<context>
    <name>TOptionsMenu</name>
    <message>
        <source>No Guessing</source>
        <translation>Ohne Raten</translation>
    </message>
    <message>
        <source>Open Around Numbers</source>
        <extracomment>A play option: a click on an uncovered number whose mines are all marked uncovers the covered areas around it.</extracomment>
        <translation>Um Zahlen herum aufdecken</translation>
    </message>
</context>
<context>
    <name>TPatternDlg</name>
    <message>
        <source>Choose Pattern</source>
        <translation>Muster wählen</translation>
    </message>
    <message>
        <source>Reg No</source>
        <translation>Reg.-Nr.</translation>
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
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>„%1“ ist keine gültige ganze Zahl</translation>
    </message>
    <message>
        <source>Patterns</source>
        <translation>Muster</translation>
    </message>
</context>
<context>
    <name>TScoreScreen</name>
    <message>
        <source>Challenge this score|Click to play a game with the same settings.</source>
        <translation>Gegen dieses Ergebnis antreten|Klicke, um ein Spiel mit denselben Einstellungen zu spielen.</translation>
    </message>
    <message>
        <source>|Click a score to challenge it.</source>
        <translation>|Klicke auf ein Ergebnis, um dagegen anzutreten.</translation>
    </message>
    <message>
        <source>Show everyone&apos;s scores|Click to show everyone&apos;s scores</source>
        <translation>Ergebnisse aller zeigen|Klicke, um die Ergebnisse aller Spieler zu zeigen</translation>
    </message>
    <message>
        <source>Show just your scores|Click to show just your scores</source>
        <translation>Nur deine Ergebnisse|Klicke, um nur deine Ergebnisse zu zeigen</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Dein Name</translation>
    </message>
    <message>
        <source>Show Matching|Click to show scores just for games matching the current settings.</source>
        <translation>Passende zeigen|Klicke, um nur Ergebnisse von Spielen mit den aktuellen Einstellungen zu zeigen.</translation>
    </message>
    <message>
        <source>&lt;-- Match current / Show more --&gt;|Shows games matching the current New Game settings</source>
        <translation>&lt;-- Wie eingestellt / Mehr zeigen --&gt;|Zeigt Spiele, die zu den Einstellungen für ein neues Spiel passen</translation>
    </message>
    <message>
        <source>Show All|Click to show scores for all game settings.</source>
        <translation>Alle zeigen|Klicke, um die Ergebnisse zu allen Spieleinstellungen zu zeigen.</translation>
    </message>
    <message>
        <source>Nobody</source>
        <extracomment>The name shown in the score table&apos;s rows of no game; Western European letters only (Windows-1252), as a player&apos;s name.</extracomment>
        <translation>Niemand</translation>
    </message>
    <message>
        <source>Games listed: matching the current settings</source>
        <extracomment>The score screen&apos;s slider, for a screen reader: at its left end it lists only the games played with the new game&apos;s current settings.</extracomment>
        <translation>Angezeigte Spiele: passend zu den aktuellen Einstellungen</translation>
    </message>
    <message>
        <source>Games listed: all settings</source>
        <extracomment>At its right end the slider lists the games of every setting.</extracomment>
        <translation>Angezeigte Spiele: alle Einstellungen</translation>
    </message>
    <message>
        <source>Games listed: match level %1 of %2</source>
        <extracomment>Between its ends: how loosely listed games must match, %1 of %2 steps.</extracomment>
        <translation>Angezeigte Spiele: Stufe %1 von %2</translation>
    </message>
</context>
<context>
    <name>TScoreTable</name>
    <message>
        <source>Scores</source>
        <extracomment>The score table&apos;s name for a screen reader.</extracomment>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <source>Up and Down choose a game; Space challenges it</source>
        <extracomment>The keys stay as they are in every language; Space plays a game with the chosen game&apos;s settings, to beat its score.</extracomment>
        <translation>Pfeil hoch und Pfeil runter wählen ein Spiel; Leertaste tritt gegen sein Ergebnis an</translation>
    </message>
</context>
</TS>
