<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>CellSpeech</name>
    <message>
        <source>Covered</source>
        <extracomment>What a screen reader says of a covered square of the minefield.</extracomment>
        <translation>Couverte</translation>
    </message>
    <message>
        <source>Covered, tinted</source>
        <extracomment>A covered square that the player tinted (T) as a note to themselves.</extracomment>
        <translation>Couverte, colorée</translation>
    </message>
    <message>
        <source>Marked</source>
        <extracomment>A square marked (M) as holding a mine.</extracomment>
        <translation>Marquée</translation>
    </message>
    <message>
        <source>Hole</source>
        <extracomment>A hole in the minefield: a square that is no part of the game.</extracomment>
        <translation>Trou</translation>
    </message>
    <message>
        <source>Mine</source>
        <extracomment>A mine shown at the end of a game.</extracomment>
        <translation>Mine</translation>
    </message>
    <message>
        <source>Column %1, row %2; single square</source>
        <extracomment>Where a square of the minefield is, for a screen reader: its column and row, counted from 1, and that its area is this square alone.</extracomment>
        <translation>Colonne %1, ligne %2 ; case simple</translation>
    </message>
    <message>
        <source>Column %1, row %2; shaped area of %3 squares</source>
        <extracomment>The square&apos;s area is a shape of %3 squares that touch (%3 is 2 or more).</extracomment>
        <translation>Colonne %1, ligne %2 ; cellule formée de %3 cases</translation>
    </message>
    <message>
        <source>Column %1, row %2; linked area of %3 squares</source>
        <extracomment>The square&apos;s area is %3 squares linked across the field, apart from each other (%3 is 2 or more).</extracomment>
        <translation>Colonne %1, ligne %2 ; zone de %3 cases liées</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argument inattendu &apos;%1&apos;</translation>
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
        <translation>Usage : quorlane [--help] [--version]

Quorlane est un jeu de déminage en solitaire. Découvrez les zones d&apos;un champ
de mines fait de cases simples, de cellules formées, de cases liées et de
trous, et marquez chaque mine ; chaque partie terminée entre dans le tableau
des scores.

Le jeu garde ses fichiers dans le dossier où il est lancé :
  Scores.dat       le tableau des scores (lu et écrit)
  LastGame.dat     les réglages de la dernière partie (lu et écrit)
  SavedNames.txt   les noms des joueurs retenus (lu et écrit)
  SavedGame.dat    la partie inachevée, jusqu&apos;à sa fin (lue et écrite)
  Patterns/*.tes   les motifs de pavage (lus)

Le menu du bureau le lance via quorlane-launcher, qui le fait tourner dans
$XDG_DATA_HOME/quorlane (par défaut ~/.local/share/quorlane) avec une copie
de la bibliothèque de motifs installée, et lui transmet ses options.

Options :
  -h, --help       afficher ce texte et quitter
  -v, --version    afficher la version et quitter
</translation>
    </message>
</context>
<context>
    <name>ScoreText</name>
    <message>
        <source>Player</source>
        <extracomment>A column of the score table, as a screen reader names it: the player.</extracomment>
        <translation>Joueur</translation>
    </message>
    <message>
        <source>Timed</source>
        <extracomment>A column of the score table: the difficulty of a timed game (0 to 20), empty for an untimed one.</extracomment>
        <translation>Chronométrée</translation>
    </message>
    <message>
        <source>Linking</source>
        <extracomment>A column of the score table: the new game&apos;s setting of linked cells.</extracomment>
        <translation>Liens</translation>
    </message>
    <message>
        <source>Shaped cells</source>
        <extracomment>A column of the score table: the new game&apos;s setting of shaped cells.</extracomment>
        <translation>Cellules formées</translation>
    </message>
    <message>
        <source>Mines</source>
        <extracomment>A column of the score table: the share of mines, in percent.</extracomment>
        <translation>Mines</translation>
    </message>
    <message>
        <source>Holes</source>
        <extracomment>A column of the score table: the share of holes, in percent.</extracomment>
        <translation>Trous</translation>
    </message>
    <message>
        <source>Size</source>
        <extracomment>A column of the score table: the minefield&apos;s size, as &quot;30 x 20&quot;.</extracomment>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Score</source>
        <extracomment>A column of the score table: the game&apos;s score.</extracomment>
        <translation>Score</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Version %1 (release)</source>
        <translation>Version %1 (stable)</translation>
    </message>
    <message>
        <source>By the Quorlane developers</source>
        <translation>Par l&apos;équipe de Quorlane</translation>
    </message>
    <message>
        <source>New patterns, news and help at %1</source>
        <translation>Nouveautés, motifs et aide sur %1</translation>
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
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source> &amp;Game </source>
        <translation> &amp;Partie </translation>
    </message>
    <message>
        <source>Enter your name here|Enter your name here. Names from previous games will appear here.</source>
        <translation>Entrez votre nom ici|Entrez votre nom ici. Les noms des parties précédentes apparaîtront ici.</translation>
    </message>
    <message>
        <source>Player &amp;Name</source>
        <translation>&amp;Joueur</translation>
    </message>
    <message>
        <source>Timed Game?|Activate for a timed game. Timed Game: The game ends when time runs out.</source>
        <translation>Partie chronométrée ?|Cochez pour jouer contre la montre : la partie s&apos;arrête à la fin du temps.</translation>
    </message>
    <message>
        <source>Timed game</source>
        <translation>Partie chronométrée</translation>
    </message>
    <message>
        <source>&lt;-- Allows more time / Allows less time --&gt;|Set the difficulty of a timed game</source>
        <translation>&lt;-- Plus de temps / Moins de temps --&gt;|Réglez la difficulté d&apos;une partie chronométrée</translation>
    </message>
    <message>
        <source> Quick Settings </source>
        <translation> Réglages rapides </translation>
    </message>
    <message>
        <source>Select a level here. High numbers are more difficult.</source>
        <translation>Choisissez un niveau. Plus le nombre est élevé, plus c&apos;est difficile.</translation>
    </message>
    <message>
        <source>Beginner|Discover how the Standard Game works.</source>
        <translation>Débutant|Découvrez le fonctionnement de la partie standard.</translation>
    </message>
    <message>
        <source> Custom Game </source>
        <translation> Partie personnalisée </translation>
    </message>
    <message>
        <source>|Change the game options</source>
        <translation>|Modifiez les options de la partie</translation>
    </message>
    <message>
        <source>&lt;-- Smaller minefield / Larger minefield --&gt;|Change the size of the minefield</source>
        <translation>&lt;-- Champ plus petit / Champ plus grand --&gt;|Modifiez la taille du champ de mines</translation>
    </message>
    <message>
        <source>&lt;-- Less mines / More mines --&gt;|Change the number of mines in the minefield</source>
        <translation>&lt;-- Moins de mines / Plus de mines --&gt;|Modifiez le nombre de mines du champ</translation>
    </message>
    <message>
        <source>Click the image for  &apos;No holes&apos;</source>
        <translation>Cliquez sur l&apos;image pour « Aucun trou »</translation>
    </message>
    <message>
        <source>&lt;-- Less holes / More holes --&gt;|Change the number of holes in the minefield</source>
        <translation>&lt;-- Moins de trous / Plus de trous --&gt;|Modifiez le nombre de trous du champ</translation>
    </message>
    <message>
        <source>Random shapes</source>
        <translation>Formes aléatoires</translation>
    </message>
    <message>
        <source>Regular shapes|Click the &apos;...&apos; button to select a pattern.</source>
        <translation>Formes régulières|Cliquez sur le bouton « ... » pour choisir un motif.</translation>
    </message>
    <message>
        <source>Regular shapes</source>
        <translation>Formes régulières</translation>
    </message>
    <message>
        <source>Select Pattern...</source>
        <translation>Choisir un motif...</translation>
    </message>
    <message>
        <source>Click the image for  &apos;No shaped cells&apos;</source>
        <translation>Cliquez sur l&apos;image pour « Aucune cellule formée »</translation>
    </message>
    <message>
        <source>&lt;-- Less shaped cells / More shaped cells --&gt;|Change the number of shaped cells</source>
        <translation>&lt;-- Moins de cellules formées / Plus de cellules formées --&gt;|Modifiez le nombre de cellules formées</translation>
    </message>
    <message>
        <source>Click the image for  &apos;No linked mines&apos;</source>
        <translation>Cliquez sur l&apos;image pour « Aucune mine liée »</translation>
    </message>
    <message>
        <source>&lt;-- Less linked cells / More linked cells --&gt;|Change the number of cells that are linked</source>
        <translation>&lt;-- Moins de cellules liées / Plus de cellules liées --&gt;|Modifiez le nombre de cellules liées</translation>
    </message>
    <message>
        <source>Random linking</source>
        <translation>Liens aléatoires</translation>
    </message>
    <message>
        <source>Linked Halves</source>
        <translation>Moitiés liées</translation>
    </message>
    <message>
        <source>Linked Thirds</source>
        <translation>Tiers liés</translation>
    </message>
    <message>
        <source>Linked Quarters</source>
        <translation>Quarts liés</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Remember me</source>
        <extracomment>The name box&apos;s first text. Confirmed as it stands, it becomes the player&apos;s name, which is kept in Windows-1252: Western European letters only.</extracomment>
        <translation>Votre nom</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Impossible d&apos;ouvrir le fichier %1</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>Impossible de créer le fichier %1</translation>
    </message>
    <message>
        <source>More options|Click to show more game options</source>
        <translation>Plus d&apos;options|Cliquez pour afficher plus d&apos;options de jeu</translation>
    </message>
    <message>
        <source>Hide options|Click to hide advanced game options</source>
        <translation>Moins d&apos;options|Cliquez pour masquer les options avancées</translation>
    </message>
    <message>
        <source>Player name</source>
        <extracomment>The name box&apos;s field, for a screen reader.</extracomment>
        <translation>Nom du joueur</translation>
    </message>
    <message>
        <source>Saved names</source>
        <extracomment>The name box&apos;s list of the names of earlier games, for a screen reader.</extracomment>
        <translation>Noms retenus</translation>
    </message>
    <message>
        <source>Quick setting %1</source>
        <extracomment>The quick settings&apos; buttons, for a screen reader: level %1 of 1 to 10.</extracomment>
        <translation>Réglage rapide %1</translation>
    </message>
    <message>
        <source>Select pattern</source>
        <extracomment>The &quot;...&quot; button beside the pattern&apos;s name, for a screen reader.</extracomment>
        <translation>Choisir un motif</translation>
    </message>
    <message>
        <source>Linking pattern</source>
        <extracomment>The box of how linked cells are laid out, for a screen reader.</extracomment>
        <translation>Motif de liens</translation>
    </message>
    <message>
        <source>Linking patterns</source>
        <extracomment>The same box&apos;s list.</extracomment>
        <translation>Motifs de liens</translation>
    </message>
    <message>
        <source>Mines, %1</source>
        <extracomment>The sliders&apos; names for a screen reader carry their values: here the mines&apos; share of the minefield, as &quot;16.0%&quot;.</extracomment>
        <translation>Mines, %1</translation>
    </message>
    <message>
        <source>Holes, %1</source>
        <extracomment>The holes&apos; share of the minefield, as &quot;5.0%&quot;.</extracomment>
        <translation>Trous, %1</translation>
    </message>
    <message>
        <source>Shaped cells, %1</source>
        <extracomment>The setting of shaped cells, as &quot;3.5&quot;.</extracomment>
        <translation>Cellules formées, %1</translation>
    </message>
    <message>
        <source>Linked cells, %1</source>
        <extracomment>The setting of linked cells, as &quot;9.0&quot;.</extracomment>
        <translation>Cellules liées, %1</translation>
    </message>
    <message>
        <source>Minefield size, %1 by %2</source>
        <extracomment>The minefield&apos;s size in squares: %1 columns by %2 rows.</extracomment>
        <translation>Taille du champ de mines, %1 sur %2</translation>
    </message>
    <message>
        <source>Difficulty of a timed game, %1 of %2</source>
        <extracomment>The difficulty of a timed game: %1 of at most %2 (20).</extracomment>
        <translation>Difficulté d&apos;une partie chronométrée, %1 sur %2</translation>
    </message>
</context>
<context>
    <name>TGameSaver</name>
    <message>
        <source>Your unfinished game is waiting: F3 resumes it</source>
        <translation>Votre partie inachevée vous attend : F3 pour la reprendre</translation>
    </message>
    <message>
        <source>Another copy of Quorlane has the unfinished game of this folder</source>
        <translation>Une autre instance de Quorlane détient la partie inachevée de ce dossier</translation>
    </message>
    <message>
        <source>This game will not be kept: another copy of Quorlane keeps its own here</source>
        <translation>Cette partie ne sera pas gardée : une autre instance du jeu occupe ce dossier</translation>
    </message>
    <message>
        <source>This game will not be kept: an unfinished game waits here for the next start</source>
        <translation>Cette partie ne sera pas gardée : une partie attend ici le prochain lancement</translation>
    </message>
</context>
<context>
    <name>TGameScreen</name>
    <message>
        <source>Minefield</source>
        <translation>Champ de mines</translation>
    </message>
    <message>
        <source>Arrow keys, Home, End, Page Up and Page Down move the cursor; Space uncovers, M marks, T tints; H gives a hint; L arms or disarms a lifeline</source>
        <extracomment>The keys stay as they are in every language: M, T, H and L are the letters pressed.</extracomment>
        <translation>Les flèches, Début, Fin, Page préc. et Page suiv. déplacent le curseur ; Espace découvre, M marque, T colore ; H donne un indice ; L arme ou désarme un joker</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>%1 by the Quorlane developers</source>
        <translation>%1 par l&apos;équipe de Quorlane</translation>
    </message>
    <message>
        <source>%1 by the Quorlane developers : Play</source>
        <translation>%1 par l&apos;équipe de Quorlane : Partie</translation>
    </message>
    <message>
        <source>%1 by the Quorlane developers : Scores</source>
        <translation>%1 par l&apos;équipe de Quorlane : Scores</translation>
    </message>
    <message>
        <source>View Game</source>
        <translation>Voir la partie</translation>
    </message>
    <message>
        <source>View Scores</source>
        <translation>Voir les scores</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reprendre</translation>
    </message>
    <message>
        <source>Success!! You cleared the minefield!</source>
        <translation>Bravo !! Vous avez déminé le champ !</translation>
    </message>
    <message>
        <source>Bonus for leaving %1 unexplored cells: %2.</source>
        <translation>Bonus pour %1 cellules laissées inexplorées : %2.</translation>
    </message>
    <message>
        <source>Bonus for time left (%1 seconds): %2.</source>
        <translation>Bonus pour le temps restant (%1 secondes) : %2.</translation>
    </message>
    <message>
        <source>Game Over! You ran out of time!</source>
        <translation>Partie terminée ! Le temps est écoulé !</translation>
    </message>
    <message>
        <source>Game Over! You tripped the minefield!</source>
        <translation>Partie terminée ! Vous avez sauté sur une mine !</translation>
    </message>
    <message>
        <source>This field may need a guess</source>
        <translation>Ce champ peut obliger à deviner</translation>
    </message>
    <message>
        <source>A game is in progress. Are you sure you want to start another now?</source>
        <translation>Une partie est en cours. Voulez-vous vraiment en commencer une autre maintenant ?</translation>
    </message>
    <message>
        <source>Choose a new game (F5)</source>
        <translation>Choisir une nouvelle partie (F5)</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Lifeline|Click this before activating a mine, and the game continues.</source>
        <translation>Joker|Cliquez ici avant de déclencher une mine, et la partie continue.</translation>
    </message>
    <message>
        <source>Number of lifelines remaining</source>
        <translation>Jokers restants</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Game Time</source>
        <translation>Temps de jeu</translation>
    </message>
    <message>
        <source>Pause / Resume (F3)</source>
        <translation>Pause / Reprendre (F3)</translation>
    </message>
    <message>
        <source>Boss! (hide)</source>
        <translation>Patron ! (cacher)</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>&amp;One Mark in Areas</source>
        <translation>&amp;Une marque par zone</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Hint: the framed mark is wrong</source>
        <extracomment>What a hint (H) found, in the status bar. A frame on the field shows the area it speaks of; here a marked area that holds no mine.</extracomment>
        <translation>Indice : la marque encadrée est fausse</translation>
    </message>
    <message>
        <source>Hint: the framed area is safe</source>
        <extracomment>The framed area holds no mine: it can be uncovered.</extracomment>
        <translation>Indice : la zone encadrée est sûre</translation>
    </message>
    <message>
        <source>Hint: the framed area holds a mine</source>
        <extracomment>The framed area holds a mine: it can be marked.</extracomment>
        <translation>Indice : la zone encadrée contient une mine</translation>
    </message>
    <message>
        <source>Hint: nothing can be proven now; a guess is needed</source>
        <extracomment>No area of the field can be proven safe or mined from the numbers shown.</extracomment>
        <translation>Indice : rien ne peut être prouvé pour l&apos;instant ; il faut deviner</translation>
    </message>
    <message>
        <source>Hint: nothing found in time</source>
        <extracomment>The search for a hint took too long and gave up.</extracomment>
        <translation>Indice : rien trouvé dans le temps imparti</translation>
    </message>
    <message>
        <source>Lifelines left</source>
        <extracomment>The count&apos;s name for a screen reader, which reads the number after it.</extracomment>
        <translation>Jokers restants</translation>
    </message>
    <message>
        <source>Time</source>
        <extracomment>The clock&apos;s name for a screen reader; its value is the time shown.</extracomment>
        <translation>Temps</translation>
    </message>
    <message>
        <source>Hint</source>
        <extracomment>The menu item that shows a hint on the field; its key, shown beside it, is H in every language.</extracomment>
        <translation>Indice</translation>
    </message>
</context>
<context>
    <name>TOptionsMenu</name>
    <message>
        <source>No Guessing</source>
        <translation>Sans hasard</translation>
    </message>
    <message>
        <source>Open Around Numbers</source>
        <extracomment>A play option: a click on an uncovered number whose mines are all marked uncovers the covered areas around it.</extracomment>
        <translation>Découvrir autour des chiffres</translation>
    </message>
</context>
<context>
    <name>TPatternDlg</name>
    <message>
        <source>Choose Pattern</source>
        <translation>Choisir un motif</translation>
    </message>
    <message>
        <source>Reg No</source>
        <translation>N° reg.</translation>
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
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>« %1 » n&apos;est pas un nombre entier valide</translation>
    </message>
    <message>
        <source>Patterns</source>
        <translation>Motifs</translation>
    </message>
</context>
<context>
    <name>TScoreScreen</name>
    <message>
        <source>Challenge this score|Click to play a game with the same settings.</source>
        <translation>Défier ce score|Cliquez pour jouer une partie avec les mêmes réglages.</translation>
    </message>
    <message>
        <source>|Click a score to challenge it.</source>
        <translation>|Cliquez sur un score pour le défier.</translation>
    </message>
    <message>
        <source>Show everyone&apos;s scores|Click to show everyone&apos;s scores</source>
        <translation>Scores de tous|Cliquez pour afficher les scores de tous les joueurs</translation>
    </message>
    <message>
        <source>Show just your scores|Click to show just your scores</source>
        <translation>Vos scores seulement|Cliquez pour n&apos;afficher que vos scores</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Votre nom</translation>
    </message>
    <message>
        <source>Show Matching|Click to show scores just for games matching the current settings.</source>
        <translation>Parties semblables|Cliquez pour n&apos;afficher que les scores des parties aux réglages actuels.</translation>
    </message>
    <message>
        <source>&lt;-- Match current / Show more --&gt;|Shows games matching the current New Game settings</source>
        <translation>&lt;-- Réglages actuels / Plus de parties --&gt;|Affiche les parties proches des réglages de la nouvelle partie</translation>
    </message>
    <message>
        <source>Show All|Click to show scores for all game settings.</source>
        <translation>Tout afficher|Cliquez pour afficher les scores de tous les réglages.</translation>
    </message>
    <message>
        <source>Nobody</source>
        <extracomment>The name shown in the score table&apos;s rows of no game; Western European letters only (Windows-1252), as a player&apos;s name.</extracomment>
        <translation>Personne</translation>
    </message>
    <message>
        <source>Games listed: matching the current settings</source>
        <extracomment>The score screen&apos;s slider, for a screen reader: at its left end it lists only the games played with the new game&apos;s current settings.</extracomment>
        <translation>Parties affichées : aux réglages actuels</translation>
    </message>
    <message>
        <source>Games listed: all settings</source>
        <extracomment>At its right end the slider lists the games of every setting.</extracomment>
        <translation>Parties affichées : tous les réglages</translation>
    </message>
    <message>
        <source>Games listed: match level %1 of %2</source>
        <extracomment>Between its ends: how loosely listed games must match, %1 of %2 steps.</extracomment>
        <translation>Parties affichées : niveau %1 sur %2</translation>
    </message>
</context>
<context>
    <name>TScoreTable</name>
    <message>
        <source>Scores</source>
        <extracomment>The score table&apos;s name for a screen reader.</extracomment>
        <translation>Scores</translation>
    </message>
    <message>
        <source>Up and Down choose a game; Space challenges it</source>
        <extracomment>The keys stay as they are in every language; Space plays a game with the chosen game&apos;s settings, to beat its score.</extracomment>
        <translation>Haut et Bas choisissent une partie ; Espace défie son score</translation>
    </message>
</context>
</TS>
