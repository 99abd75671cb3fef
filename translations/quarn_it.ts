<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>quarn</name>
    <message>
        <source>cannot follow the file's links: %1</source>
        <translation>impossibile seguire i collegamenti del file: %1</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>il file è di sola lettura</translation>
    </message>
    <message>
        <source>the folder is read-only</source>
        <translation>la cartella è di sola lettura</translation>
    </message>
    <message>
        <source>cannot create a new copy in the folder: %1</source>
        <translation>impossibile creare una nuova copia nella cartella: %1</translation>
    </message>
    <message>
        <source>cannot keep the file's permissions: %1</source>
        <translation>impossibile mantenere i permessi del file: %1</translation>
    </message>
    <message>
        <source>cannot write: %1</source>
        <translation>impossibile scrivere: %1</translation>
    </message>
    <message>
        <source>cannot flush: %1</source>
        <translation>impossibile completare la scrittura: %1</translation>
    </message>
    <message>
        <source>cannot close: %1</source>
        <translation>impossibile chiudere: %1</translation>
    </message>
    <message>
        <source>cannot replace: %1</source>
        <translation>impossibile sostituire: %1</translation>
    </message>
    <message>
        <source>Are you sure you want to Quit</source>
        <translation>Vuoi davvero uscire?</translation>
    </message>
    <message>
        <source>The high scores could not be saved to %1 (%2). The file keeps its old table.</source>
        <translation>Non è stato possibile salvare i record in %1 (%2). Il file conserva la classifica precedente.</translation>
    </message>
    <message>
        <source>Well Done %1</source>
        <translation>Complimenti, %1</translation>
    </message>
    <message>
        <source>%1's turn</source>
        <translation>Turno di %1</translation>
    </message>
    <message>
        <source>Are you ready %1</source>
        <translation>%1, tocca a te! Si parte?</translation>
    </message>
    <message>
        <source>GAME OVER</source>
        <translation>FINE PARTITA</translation>
    </message>
    <message>
        <source>Round %1</source>
        <translation>Giro %1</translation>
    </message>
    <message>
        <source>Time Up !</source>
        <translation>Tempo finito!</translation>
    </message>
    <message>
        <source>Don't Cheat - You must use all the letters</source>
        <translation>Non barare! Devi usare tutte le lettere</translation>
    </message>
    <message>
        <source>Out of time</source>
        <translation>Tempo scaduto</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punti</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>The used-word record could not be saved to %1 (%2). The file keeps its old marks.</source>
        <translation>Non è stato possibile salvare l'elenco delle parole già usate in %1 (%2). Il file conserva i contrassegni precedenti.</translation>
    </message>
    <message>
        <source>cannot make the folder %1: %2</source>
        <translation>impossibile creare la cartella %1: %2</translation>
    </message>
    <message>
        <source>cannot copy %1 into %2: %3</source>
        <translation>impossibile copiare %1 in %2: %3</translation>
    </message>
    <message>
        <source>The file %1 is missing from the folder %2. Quarn cannot go on without it.</source>
        <translation>Nella cartella %2 manca il file %1. Quarn non può continuare senza.</translation>
    </message>
    <message>
        <source>The word list %1 holds no entry that can be drawn, so %2 cannot be played.</source>
        <translation>L'elenco di parole %1 non contiene nessuna voce da estrarre, quindi non si può giocare a %2.</translation>
    </message>
    <message>
        <source>the file dictionary.dic is missing from the folder %1</source>
        <translation>nella cartella %1 manca il file dictionary.dic</translation>
    </message>
    <message>
        <source>the file dictionary.dic in the folder %1 holds no words before its end marker 999</source>
        <translation>il file dictionary.dic nella cartella %1 non contiene parole prima del segno di fine 999</translation>
    </message>
    <message>
        <source>The words of %1 cannot be played: %2. Quarn plays in English.</source>
        <translation>Non si può giocare con le parole della lingua %1: %2. Si gioca in inglese.</translation>
    </message>
    <message>
        <source>The file dictionary.dic in the folder %1 holds no words before its end marker 999, so no word could ever be found.</source>
        <translation>Il file dictionary.dic nella cartella %1 non contiene parole prima del segno di fine 999, quindi nessuna parola potrebbe mai essere trovata.</translation>
    </message>
    <message>
        <source>The words of %1 cannot be played: %2.</source>
        <translation>Non si può giocare con le parole della lingua %1: %2.</translation>
    </message>
    <message>
        <source>The choice of %1 could not be saved to %2 (%3). Quarn will start in the language chosen before.</source>
        <translation>Non è stato possibile salvare la scelta della lingua %1 in %2 (%3). Quarn si avvierà nella lingua scelta in precedenza.</translation>
    </message>
    <message>
        <source>You haven't selected the game you want to play</source>
        <translation>Non hai scelto il gioco a cui vuoi giocare</translation>
    </message>
    <message>
        <source>You haven't selected the game time</source>
        <translation>Non hai scelto la durata della partita</translation>
    </message>
    <message>
        <source>You haven't entered any players names</source>
        <translation>Non hai inserito i nomi dei giocatori</translation>
    </message>
    <message>
        <source>Round 1</source>
        <translation>Giro 1</translation>
    </message>
    <message>
        <source>letter board</source>
        <translation>tabellone delle lettere</translation>
    </message>
    <message>
        <source>arrow keys move, Space picks</source>
        <translation>frecce per spostarsi, Spazio per selezionare</translation>
    </message>
    <message>
        <source>%1: a new high score of %2</source>
        <extracomment>Read out as the new high score shows: %1 is "Well Done" and the name.</extracomment>
        <translation>%1: nuovo record di %2 punti</translation>
    </message>
    <message>
        <source>The winner is %1 with a score of %2</source>
        <extracomment>Read out as the winner shows: %1 is the winner's name.</extracomment>
        <translation>Ha vinto %1 con %2 punti</translation>
    </message>
    <message>
        <source>%1, row %2 column %3</source>
        <extracomment>A cell of the board: %1 is its letter, or the word for an empty cell.</extracomment>
        <translation>%1, riga %2 colonna %3</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vuota</translation>
    </message>
    <message>
        <source>%1, white</source>
        <extracomment>A cell that belongs to the word area of the grid games.</extracomment>
        <translation>%1, bianca</translation>
    </message>
    <message>
        <source>%1, picked</source>
        <extracomment>A cell picked, waiting for the second cell of a swap.</extracomment>
        <translation>%1, selezionata</translation>
    </message>
    <message>
        <source>%1, placed</source>
        <extracomment>A cell whose letter is placed for good: the game refused to pick it.</extracomment>
        <translation>%1, fissata</translation>
    </message>
    <message>
        <source>%1, score %2.</source>
        <translation>%1, punteggio %2.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>The status key: the turn's counter under its heading ("Score: 985", "Time: 95").</extracomment>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>The game time has run out.</source>
        <translation>Il tempo di gioco è finito.</translation>
    </message>
    <message>
        <source>Game time left: %1:%2:%3.</source>
        <translation>Tempo di gioco rimasto: %1:%2:%3.</translation>
    </message>
    <message>
        <source>Game time left: %1:%2.</source>
        <translation>Tempo di gioco rimasto: %1:%2.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>What a screen reader hears of a caption: what it is, and what it says.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>You Scored %1 Pts</source>
        <translation>Hai fatto %1 punti</translation>
    </message>
    <message>
        <source>Words found: %1</source>
        <translation>Parole trovate: %1</translation>
    </message>
</context>
<context>
    <name>quarn::ui</name>
    <message>
        <source>separator</source>
        <translation>separatore</translation>
    </message>
    <message>
        <source>Quarn has met an unexpected error and must close.

%1</source>
        <translation>Si è verificato un errore imprevisto e Quarn deve chiudersi.

%1</translation>
    </message>
    <message>
        <source>Quarn has met an unexpected error and must close.</source>
        <translation>Si è verificato un errore imprevisto e Quarn deve chiudersi.</translation>
    </message>
    <message>
        <source>border</source>
        <translation>bordo</translation>
    </message>
    <message>
        <source>shadow</source>
        <translation>ombra</translation>
    </message>
</context>
<context>
    <name>quarn::ui::AboutWindow</name>
    <message>
        <source>About Quarn</source>
        <translation>Informazioni su Quarn</translation>
    </message>
    <message>
        <source>a picture of letter tiles in the four seat colours</source>
        <translation>un'immagine di tessere con le lettere nei quattro colori dei giocatori</translation>
    </message>
    <message>
        <source>Version 1.1</source>
        <translation>Versione 1.1</translation>
    </message>
    <message>
        <source>Quarn is a collection of word games for people aged 10 years and older</source>
        <translation>Quarn è una raccolta di giochi di parole per tutti dai 10 anni in su</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>quarn::ui::CheckingWordsWindow</name>
    <message>
        <source>Checking</source>
        <translation>Controllo</translation>
    </message>
    <message>
        <source>Checking words</source>
        <translation>Controllo parole</translation>
    </message>
</context>
<context>
    <name>quarn::ui::EnterNamesWindow</name>
    <message>
        <source>Enter names</source>
        <translation>Nomi dei giocatori</translation>
    </message>
    <message>
        <source>Pick the colour that you want by clicking on the coloured box and entering your name</source>
        <translation>Scegli il tuo colore: clicca sul riquadro colorato e scrivi il tuo nome</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rosso</translation>
    </message>
    <message>
        <source>green</source>
        <translation>verde</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>blu</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>giallo</translation>
    </message>
    <message>
        <source>name of player %1, %2</source>
        <translation>nome del giocatore %1, %2</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
</context>
<context>
    <name>quarn::ui::GameLengthWindow</name>
    <message>
        <source>Enter Length of Game</source>
        <translation>Durata della partita</translation>
    </message>
    <message>
        <source>Enter the duration of the game by moving the slider below.  Click on Exit when the desired game length has been selected</source>
        <translation>Scegli la durata della partita spostando il cursore qui sotto. Quando hai finito, clicca su Esci.</translation>
    </message>
    <message>
        <source>game length in minutes</source>
        <translation>durata della partita in minuti</translation>
    </message>
    <message>
        <source>Game Length</source>
        <translation>Durata</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>ore</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minuti</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
</context>
<context>
    <name>quarn::ui::GameScreenWindow</name>
    <message>
        <source>Game Screen</source>
        <translation>Schermata di gioco</translation>
    </message>
    <message>
        <source>Game Time Remaining</source>
        <translation>Tempo di gioco rimasto</translation>
    </message>
    <message>
        <source>hours left</source>
        <translation>ore rimaste</translation>
    </message>
    <message>
        <source>h</source>
        <extracomment>The unit after the hours of the game clock.</extracomment>
        <translation>h</translation>
    </message>
    <message>
        <source>minutes left</source>
        <translation>minuti rimasti</translation>
    </message>
    <message>
        <source>m</source>
        <extracomment>The unit after the minutes of the game clock.</extracomment>
        <translation>m</translation>
    </message>
    <message>
        <source>seconds left</source>
        <translation>secondi rimasti</translation>
    </message>
    <message>
        <source>s</source>
        <extracomment>The unit after the seconds of the game clock.</extracomment>
        <translation>s</translation>
    </message>
    <message>
        <source>round</source>
        <translation>giro</translation>
    </message>
    <message>
        <source>The number of turns each player has had</source>
        <translation>Il numero di turni giocati da ciascun giocatore</translation>
    </message>
    <message>
        <source>game time remaining</source>
        <translation>tempo di gioco rimasto</translation>
    </message>
    <message>
        <source>The scores shown above are the Highest scores after 4 rounds</source>
        <translation>I punteggi qui sopra sono i migliori dopo 4 giri</translation>
    </message>
    <message>
        <source>players and scores</source>
        <translation>giocatori e punteggi</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Giocatore</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punti</translation>
    </message>
    <message>
        <source>player %1</source>
        <translation>giocatore %1</translation>
    </message>
    <message>
        <source>score of player %1</source>
        <translation>punteggio del giocatore %1</translation>
    </message>
    <message>
        <source>Highest Scores</source>
        <translation>Migliori punteggi</translation>
    </message>
    <message>
        <source>Psn</source>
        <translation>Pos</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>game</source>
        <translation>gioco</translation>
    </message>
    <message>
        <source>turn</source>
        <translation>turno</translation>
    </message>
    <message>
        <source>Finished ! Check  Word(s)</source>
        <translation>Fatto! Controlla le parole</translation>
    </message>
    <message>
        <source>counter heading</source>
        <translation>intestazione del contatore</translation>
    </message>
    <message>
        <source>counter</source>
        <translation>contatore</translation>
    </message>
    <message>
        <source>Change Letter</source>
        <translation>Cambia lettera</translation>
    </message>
    <message>
        <source>place %1</source>
        <translation>posizione %1</translation>
    </message>
    <message>
        <source>name in place %1</source>
        <translation>nome in posizione %1</translation>
    </message>
    <message>
        <source>score in place %1</source>
        <translation>punteggio in posizione %1</translation>
    </message>
    <message>
        <source>date in place %1</source>
        <translation>data in posizione %1</translation>
    </message>
</context>
<context>
    <name>quarn::ui::HelpWindow</name>
    <message>
        <source>Instructions</source>
        <translation>Istruzioni</translation>
    </message>
    <message>
        <source>user guide</source>
        <translation>guida</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>quarn::ui::MainMenuWindow</name>
    <message>
        <source>Pick a game to play.  The currently selected game will be highlighted in yellow</source>
        <translation>Scegli un gioco. Il gioco scelto è evidenziato in giallo.</translation>
    </message>
    <message>
        <source>title box</source>
        <translation>riquadro del titolo</translation>
    </message>
    <message>
        <source>a picture of letter tiles spelling Word</source>
        <translation>un'immagine di tessere con le lettere della parola Word</translation>
    </message>
    <message>
        <source>Pick game to play</source>
        <translation>Scegli un gioco</translation>
    </message>
    <message>
        <source>Enter length of Game</source>
        <translation>Durata della partita</translation>
    </message>
    <message>
        <source>Click here to enter the duration of the game</source>
        <translation>Clicca qui per scegliere la durata della partita</translation>
    </message>
    <message>
        <source>Enter Player Names</source>
        <translation>Nomi dei giocatori</translation>
    </message>
    <message>
        <source>Click here to enter up to 4 players names</source>
        <translation>Clicca qui per inserire i nomi dei giocatori (fino a 4)</translation>
    </message>
    <message>
        <source>Play Game</source>
        <translation>Gioca</translation>
    </message>
    <message>
        <source>Click here to start playing the game</source>
        <translation>Clicca qui per iniziare la partita</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Lingua</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Istruzioni</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
</context>
<context>
    <name>quarn::ui::NewHiscoreWindow</name>
    <message>
        <source>New high score</source>
        <translation>Nuovo record</translation>
    </message>
    <message>
        <source>player</source>
        <translation>giocatore</translation>
    </message>
    <message>
        <source>After 4 rounds you have made it into the High Score Table with a score of:</source>
        <translation>Dopo 4 giri sei nella classifica dei record con un punteggio di:</translation>
    </message>
    <message>
        <source>score</source>
        <translation>punteggio</translation>
    </message>
</context>
<context>
    <name>quarn::ui::ShowScoreWindow</name>
    <message>
        <source>Score</source>
        <translation>Punteggio</translation>
    </message>
    <message>
        <source>You Scored</source>
        <translation>Hai fatto</translation>
    </message>
    <message>
        <source>points</source>
        <translation>punti</translation>
    </message>
    <message>
        <source>Pts</source>
        <translation>pt.</translation>
    </message>
    <message>
        <source>words found</source>
        <translation>parole trovate</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>quarn::ui::UserGuide</name>
    <message>
        <source>Welcome to Quarn</source>
        <translation>Benvenuti in Quarn</translation>
    </message>
    <message>
        <source>Quarn is a collection of four word games for one to four players, who take turns at the same computer: &lt;b&gt;Anagrams&lt;/b&gt;, &lt;b&gt;Crossword&lt;/b&gt;, &lt;b&gt;Mix 'N Match&lt;/b&gt; and &lt;b&gt;Pick 'N Mix&lt;/b&gt;. Every game is played on the same board of 65 letter cells, 13 across and 5 down. You change the board by clicking one cell and then a second cell: the two cells swap their letters. Words are read along the rows from left to right and down the columns from top to bottom, never backwards.</source>
        <translation>Quarn è una raccolta di quattro giochi di parole da uno a quattro giocatori, che si alternano allo stesso computer: &lt;b&gt;Anagrams&lt;/b&gt;, &lt;b&gt;Crossword&lt;/b&gt;, &lt;b&gt;Mix 'N Match&lt;/b&gt; e &lt;b&gt;Pick 'N Mix&lt;/b&gt;. Ogni gioco usa lo stesso tabellone di 65 caselle con le lettere, 13 in orizzontale e 5 in verticale. Per cambiare il tabellone clicchi su una casella e poi su un'altra: le due caselle si scambiano le lettere. Le parole si leggono lungo le righe da sinistra a destra e lungo le colonne dall'alto in basso, mai al contrario.</translation>
    </message>
    <message>
        <source>Starting from the main menu</source>
        <translation>Si comincia dal menu principale</translation>
    </message>
    <message>
        <source>The main menu shows the four games. Click the game you want to play; it turns yellow. Then set the length of the game, enter the players' names and press &lt;b&gt;Play Game&lt;/b&gt;. If something is missing, Quarn tells you what it is. After every game you choose the game and its length again; the names stay.</source>
        <translation>Il menu principale mostra i quattro giochi. Clicca sul gioco a cui vuoi giocare: diventa giallo. Poi scegli la durata della partita, inserisci i nomi dei giocatori e premi &lt;b&gt;Gioca&lt;/b&gt;. Se manca qualcosa, Quarn ti dice che cosa. Dopo ogni partita scegli di nuovo il gioco e la sua durata; i nomi restano.</translation>
    </message>
    <message>
        <source>Setting the length of the game</source>
        <translation>Scegliere la durata della partita</translation>
    </message>
    <message>
        <source>Press &lt;b&gt;Enter length of Game&lt;/b&gt; and move the slider to any whole number of minutes from 2 to 180 (three hours). The hours and minutes are shown under the slider. Press &lt;b&gt;Exit&lt;/b&gt; to keep that length and go back to the main menu.</source>
        <translation>Premi &lt;b&gt;Durata della partita&lt;/b&gt; e sposta il cursore su un qualsiasi numero intero di minuti da 2 a 180 (tre ore). Sotto il cursore vedi le ore e i minuti. Premi &lt;b&gt;Esci&lt;/b&gt; per tenere quella durata e tornare al menu principale.</translation>
    </message>
    <message>
        <source>The game clock counts down the whole game. Each player's turn has its own counter as well:</source>
        <translation>L'orologio di gioco fa il conto alla rovescia di tutta la partita. In più, il turno di ogni giocatore ha un suo contatore:</translation>
    </message>
    <message>
        <source>&lt;b&gt;Anagrams&lt;/b&gt;: the turn lasts until you solve the word or your 1000 points have run down, one point every 51 thousandths of a second, which takes about 51 seconds.</source>
        <translation>&lt;b&gt;Anagrams&lt;/b&gt;: il turno dura finché non risolvi la parola o finché i tuoi 1000 punti non si esauriscono, al ritmo di un punto ogni 51 millesimi di secondo, cioè in circa 51 secondi.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Crossword&lt;/b&gt;: 2 minutes.</source>
        <translation>&lt;b&gt;Crossword&lt;/b&gt;: 2 minuti.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Mix 'N Match&lt;/b&gt;: 3 minutes, or less if you press &lt;b&gt;Finished ! Check Word(s)&lt;/b&gt;.</source>
        <translation>&lt;b&gt;Mix 'N Match&lt;/b&gt;: 3 minuti, o meno se premi &lt;b&gt;Fatto! Controlla le parole&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Pick 'N Mix&lt;/b&gt;: 3 minutes.</source>
        <translation>&lt;b&gt;Pick 'N Mix&lt;/b&gt;: 3 minuti.</translation>
    </message>
    <message>
        <source>Entering the players' names</source>
        <translation>Inserire i nomi dei giocatori</translation>
    </message>
    <message>
        <source>Press &lt;b&gt;Enter Player Names&lt;/b&gt;. Each of the four coloured boxes is one player's seat; the colour is that player's colour on the game screen. Click a box and type your name. For fewer than four players, leave the other boxes empty: empty seats are simply passed over. Press &lt;b&gt;Exit&lt;/b&gt; to go back to the main menu.</source>
        <translation>Premi &lt;b&gt;Nomi dei giocatori&lt;/b&gt;. Ognuno dei quattro riquadri colorati è il posto di un giocatore; il colore è quello del giocatore nella schermata di gioco. Clicca su un riquadro e scrivi il tuo nome. Se i giocatori sono meno di quattro, lascia vuoti gli altri riquadri: i posti vuoti vengono semplicemente saltati. Premi &lt;b&gt;Esci&lt;/b&gt; per tornare al menu principale.</translation>
    </message>
    <message>
        <source>Playing and leaving a game</source>
        <translation>Giocare e abbandonare una partita</translation>
    </message>
    <message>
        <source>Press &lt;b&gt;Play Game&lt;/b&gt;. The game screen shows the game clock, the round, each player's name and score, and the best scores of the game. Before each turn Quarn asks whether the player is ready; click OK to start your turn. After a checked turn the points are shown: click &lt;b&gt;OK&lt;/b&gt; and watch them count onto your score.</source>
        <translation>Premi &lt;b&gt;Gioca&lt;/b&gt;. La schermata di gioco mostra l'orologio di gioco, il giro, il nome e il punteggio di ogni giocatore e i migliori punteggi di quel gioco. Prima di ogni turno Quarn chiede al giocatore se è pronto; clicca su OK per iniziare il tuo turno. Dopo il controllo di un turno compaiono i punti: clicca su &lt;b&gt;OK&lt;/b&gt; e guardali sommarsi al tuo punteggio.</translation>
    </message>
    <message>
        <source>To leave a game early, press the red &lt;b&gt;Exit&lt;/b&gt; button at the top right and answer Yes. There is no winner for a game that was left.</source>
        <translation>Per lasciare una partita prima della fine, premi il pulsante rosso &lt;b&gt;Esci&lt;/b&gt; in alto a destra e rispondi Sì. Una partita abbandonata non ha vincitori.</translation>
    </message>
    <message>
        <source>Playing with the keyboard</source>
        <translation>Giocare con la tastiera</translation>
    </message>
    <message>
        <source>Everything can be done without a mouse. In every window &lt;b&gt;Tab&lt;/b&gt; and &lt;b&gt;Shift+Tab&lt;/b&gt; go from one control to the next, and &lt;b&gt;Space&lt;/b&gt;, &lt;b&gt;Return&lt;/b&gt; or &lt;b&gt;Enter&lt;/b&gt; presses the button that has the focus. &lt;b&gt;Return&lt;/b&gt; answers every message and every turn result (&lt;b&gt;Esc&lt;/b&gt; answers a result too). A key held down repeats only in the window where you pressed it, and &lt;b&gt;Return&lt;/b&gt;, &lt;b&gt;Enter&lt;/b&gt; and &lt;b&gt;Esc&lt;/b&gt; count once each time you press them. &lt;b&gt;Alt+F&lt;/b&gt; and &lt;b&gt;Alt+H&lt;/b&gt; open the File and Help menus. In the main menu &lt;b&gt;F1&lt;/b&gt; opens these instructions (&lt;b&gt;Esc&lt;/b&gt; closes them again). &lt;b&gt;Ctrl+Q&lt;/b&gt; is File &amp;gt; Exit in the main menu, in the windows for the names and the game length, in About and in these instructions, but never during a game. Type the names straight into the coloured boxes: &lt;b&gt;Return&lt;/b&gt; takes you to the next box, and after the fourth it presses &lt;b&gt;Exit&lt;/b&gt;. Move the game length slider with the arrow keys and press &lt;b&gt;Return&lt;/b&gt; to keep that length.</source>
        <translation>Si può fare tutto anche senza mouse. In ogni finestra &lt;b&gt;Tab&lt;/b&gt; e &lt;b&gt;Maiusc+Tab&lt;/b&gt; passano da un elemento all'altro, e &lt;b&gt;Spazio&lt;/b&gt;, &lt;b&gt;Invio&lt;/b&gt; o l'&lt;b&gt;Invio&lt;/b&gt; del tastierino numerico premono il pulsante attivo. &lt;b&gt;Invio&lt;/b&gt; conferma ogni messaggio e ogni risultato del turno (un risultato si conferma anche con &lt;b&gt;Esc&lt;/b&gt;). Un tasto tenuto premuto si ripete solo nella finestra in cui l'hai premuto, e &lt;b&gt;Invio&lt;/b&gt;, l'&lt;b&gt;Invio&lt;/b&gt; del tastierino numerico ed &lt;b&gt;Esc&lt;/b&gt; contano una volta sola ogni volta che li premi. &lt;b&gt;Alt+F&lt;/b&gt; e &lt;b&gt;Alt+A&lt;/b&gt; aprono i menu File e Aiuto. Nel menu principale &lt;b&gt;F1&lt;/b&gt; apre queste istruzioni (&lt;b&gt;Esc&lt;/b&gt; le richiude). &lt;b&gt;Ctrl+Q&lt;/b&gt; equivale a File &amp;gt; Esci nel menu principale, nelle finestre dei nomi e della durata della partita, nella finestra Informazioni e in queste istruzioni, ma mai durante una partita. Scrivi i nomi direttamente nei riquadri colorati: &lt;b&gt;Invio&lt;/b&gt; ti porta al riquadro successivo e, dopo il quarto, preme &lt;b&gt;Esci&lt;/b&gt;. Sposta il cursore della durata con i tasti freccia e premi &lt;b&gt;Invio&lt;/b&gt; per tenere quella durata.</translation>
    </message>
    <message>
        <source>The focus always goes where you play next: to the board when your turn starts and after each result, to the button that opened the names or game length window when you close it, and to the first game after a game.</source>
        <translation>La tastiera passa sempre a ciò che userai subito dopo: al tabellone quando inizia il tuo turno e dopo ogni risultato, al pulsante che ha aperto la finestra dei nomi o della durata quando la chiudi, e al primo gioco alla fine di una partita.</translation>
    </message>
    <message>
        <source>On the game screen the board is one stop of the Tab order, between &lt;b&gt;Exit&lt;/b&gt; and the buttons below the board. The &lt;b&gt;arrow keys&lt;/b&gt; always work the board, wherever the focus is: the first arrow key of a turn shows a thick blue cursor round the top-left cell, and each further key moves it one cell. Off one edge of the board it comes back in at the other. &lt;b&gt;Space&lt;/b&gt;, &lt;b&gt;Return&lt;/b&gt; or &lt;b&gt;Enter&lt;/b&gt; then picks the cell under the cursor, exactly like a click on it. Press &lt;b&gt;Tab&lt;/b&gt; to go on to &lt;b&gt;Finished ! Check Word(s)&lt;/b&gt; or &lt;b&gt;Change Letter&lt;/b&gt; and &lt;b&gt;Space&lt;/b&gt; or &lt;b&gt;Return&lt;/b&gt; to press it; an arrow key brings you back to the board. The cursor is hidden again at the end of every turn and whenever you click a cell with the mouse.</source>
        <translation>Nella schermata di gioco il tabellone è una delle tappe del tasto Tab, tra &lt;b&gt;Esci&lt;/b&gt; e i pulsanti sotto il tabellone. I &lt;b&gt;tasti freccia&lt;/b&gt; agiscono sempre sul tabellone, qualunque elemento sia attivo: il primo tasto freccia di un turno mostra il cursore, una spessa cornice blu, intorno alla casella in alto a sinistra, e ogni tasto successivo lo sposta di una casella. Se esce da un lato del tabellone, rientra da quello opposto. Poi &lt;b&gt;Spazio&lt;/b&gt;, &lt;b&gt;Invio&lt;/b&gt; o l'&lt;b&gt;Invio&lt;/b&gt; del tastierino numerico selezionano la casella sotto il cursore, esattamente come se ci cliccassi sopra. Premi &lt;b&gt;Tab&lt;/b&gt; per passare a &lt;b&gt;Fatto! Controlla le parole&lt;/b&gt; o a &lt;b&gt;Cambia lettera&lt;/b&gt; e &lt;b&gt;Spazio&lt;/b&gt; o &lt;b&gt;Invio&lt;/b&gt; per premere il pulsante; un tasto freccia ti riporta al tabellone. Il cursore sparisce di nuovo alla fine di ogni turno e ogni volta che clicchi su una casella con il mouse.</translation>
    </message>
    <message>
        <source>The high-score tables</source>
        <translation>Le classifiche dei record</translation>
    </message>
    <message>
        <source>Each game keeps its own table of the ten best scores. The scores are taken after every player has had four turns, that is at the end of round 4: every player whose score beats the lowest score in the table goes into it, with the date. A score that only equals the lowest does not. A game that ends before the end of round 4 enters no score; a longer game enters them once, after round 4.</source>
        <translation>Ogni gioco ha la sua classifica dei dieci migliori punteggi. I punteggi vengono registrati quando ogni giocatore ha fatto quattro turni, cioè alla fine del giro 4: ogni giocatore che supera il punteggio più basso della classifica ci entra, con la data. Un punteggio soltanto uguale al più basso non basta. Una partita che finisce prima della fine del giro 4 non registra nessun punteggio; una partita più lunga li registra una volta sola, dopo il giro 4.</translation>
    </message>
    <message>
        <source>When the game ends</source>
        <translation>Quando la partita finisce</translation>
    </message>
    <message>
        <source>When the game clock has run out, the round that is being played is finished, so every player has had the same number of turns. Then the winner, the player with the highest score, is announced, followed by GAME OVER.</source>
        <translation>Quando l'orologio di gioco arriva a zero, il giro in corso viene completato, così tutti i giocatori hanno fatto lo stesso numero di turni. Poi viene annunciato il vincitore, cioè il giocatore con il punteggio più alto, e infine compare FINE PARTITA.</translation>
    </message>
    <message>
        <source>Anagrams</source>
        <translation>Anagrams</translation>
    </message>
    <message>
        <source>The letters of a word stand mixed up in the top row. Swap them until the whole word reads correctly along a row or down a column, then press &lt;b&gt;Finished ! Check Word(s)&lt;/b&gt;. Any word that uses all the letters is accepted. You score the points that are still left on the counter when you press the button. If you make a shorter word, Quarn says "Don't Cheat - You must use all the letters" and the counter keeps running. If the counter runs out you score nothing.</source>
        <translation>Nella riga in alto ci sono le lettere di una parola, tutte mescolate. Scambiale finché la parola intera non si legge correttamente lungo una riga o lungo una colonna, poi premi &lt;b&gt;Fatto! Controlla le parole&lt;/b&gt;. Va bene qualsiasi parola che usi tutte le lettere. Ottieni i punti che restano sul contatore nel momento in cui premi il pulsante. Se formi una parola più corta, Quarn dice «Non barare! Devi usare tutte le lettere» e il contatore continua a scendere. Se il contatore arriva a zero, non ottieni nessun punto.</translation>
    </message>
    <message>
        <source>Crossword</source>
        <translation>Crossword</translation>
    </message>
    <message>
        <source>You get a set of letters in the top row and two minutes to build as many words as you can, across or down, crossing each other if you like. Every whole run of letters that is a word scores 50 points; words hidden inside a longer run do not count, and a run that is not a word scores nothing. Press &lt;b&gt;Finished ! Check Word(s)&lt;/b&gt; to have your words checked early; when the time runs out the board is checked anyway.</source>
        <translation>Ricevi una serie di lettere nella riga in alto e hai due minuti per formare quante più parole puoi, in orizzontale o in verticale, anche incrociandole se vuoi. Ogni sequenza completa di lettere che forma una parola vale 50 punti; le parole nascoste dentro una sequenza più lunga non contano, e una sequenza che non è una parola non vale niente. Premi &lt;b&gt;Fatto! Controlla le parole&lt;/b&gt; per far controllare le tue parole in anticipo; quando il tempo scade, il tabellone viene controllato comunque.</translation>
    </message>
    <message>
        <source>Mix 'N Match</source>
        <translation>Mix 'N Match</translation>
    </message>
    <message>
        <source>The whole board is filled with random letters. Swap them to lay out words and mark the letters of your words white: the second cell of every swap changes between grey and white, so clicking the same cell twice marks or unmarks it. Only white cells count. When the 3 minutes are up, or when you press &lt;b&gt;Finished ! Check Word(s)&lt;/b&gt;, every word found inside a white run across or down scores 50 points for each of its letters, words inside words included: a white run "some" scores "so", "some" and "me".</source>
        <translation>Tutto il tabellone è pieno di lettere a caso. Scambiale per formare parole e segna in bianco le lettere delle tue parole: la seconda casella di ogni scambio passa da grigia a bianca o da bianca a grigia, quindi se clicchi due volte sulla stessa casella la segni o le togli il segno. Contano solo le caselle bianche. Quando i 3 minuti sono finiti, o quando premi &lt;b&gt;Fatto! Controlla le parole&lt;/b&gt;, ogni parola trovata dentro una sequenza bianca, in orizzontale o in verticale, vale 50 punti per ognuna delle sue lettere, comprese le parole dentro le parole: una sequenza bianca «mare» fa punti con «ma», «mare» e «re».</translation>
    </message>
    <message>
        <source>Pick 'N Mix</source>
        <translation>Pick 'N Mix</translation>
    </message>
    <message>
        <source>The board starts empty with one letter in the top-left cell. Click it, then click the cell where you want it: the letter lands there, turns white and cannot be moved again, and a new letter appears in the top-left cell. If you do not like the letter, press &lt;b&gt;Change Letter&lt;/b&gt; as often as you like. After 3 minutes the white letters are scored like Mix 'N Match: 50 points for every letter of every word found across or down, words inside words included.</source>
        <translation>All'inizio il tabellone è vuoto, con una sola lettera nella casella in alto a sinistra. Clicca sulla lettera, poi sulla casella dove la vuoi mettere: la lettera si posa lì, diventa bianca e non si può più spostare, e nella casella in alto a sinistra compare una nuova lettera. Se la lettera non ti piace, premi &lt;b&gt;Cambia lettera&lt;/b&gt; tutte le volte che vuoi. Dopo 3 minuti le lettere bianche vengono contate come in Mix 'N Match: 50 punti per ogni lettera di ogni parola trovata in orizzontale o in verticale, comprese le parole dentro le parole.</translation>
    </message>
    <message>
        <source>Playing in another language</source>
        <translation>Giocare in un'altra lingua</translation>
    </message>
    <message>
        <source>When word packs are installed, the main menu has a &lt;b&gt;Language&lt;/b&gt; menu: English first, then every other language by its own name. Choose one, and from then on the dictionary, the words to unscramble and the letters on the board are that language's, until you choose another; Quarn remembers your choice for the next time. Each language keeps its own high-score tables. While a game is being played the menu is greyed out.</source>
        <translation>Quando sono installati i pacchetti di parole, il menu principale ha un menu &lt;b&gt;Lingua&lt;/b&gt;: prima English, poi ogni altra lingua con il suo nome nella lingua stessa. Scegline una e da quel momento il dizionario, le parole da riordinare e le lettere sul tabellone saranno di quella lingua, finché non ne scegli un'altra; Quarn si ricorda la tua scelta per la volta successiva. Ogni lingua ha le sue classifiche dei record. Durante una partita il menu è disattivato e appare in grigio.</translation>
    </message>
    <message>
        <source>Playing with a screen reader</source>
        <translation>Giocare con un lettore di schermo</translation>
    </message>
    <message>
        <source>Quarn can be played without seeing the screen, by keys alone, with a screen reader such as Orca, the one that comes with the desktop. Start the screen reader first, then Quarn. The menus, buttons, boxes and messages are read as you reach them.</source>
        <translation>Si può giocare a Quarn senza vedere lo schermo, solo con i tasti, usando un lettore di schermo come Orca, quello che viene fornito con il desktop. Avvia prima il lettore di schermo, poi Quarn. Menu, pulsanti, riquadri e messaggi vengono letti man mano che li raggiungi.</translation>
    </message>
    <message>
        <source>When your turn starts the reader says whose turn it is, and the keyboard is on the board. The first arrow key reads the top-left cell; every further arrow key reads the cell the cursor moves onto: first its letter (or "empty"), then its row and column, then "white" for a cell of the word area of Mix 'N Match and Pick 'N Mix, and "picked" for a cell you have picked. After each pick and each swap the cell under the cursor is read again as it is now. In Pick 'N Mix a letter that is already placed cannot be picked: that cell is read again with "placed".</source>
        <translation>Quando inizia il tuo turno, il lettore dice di chi è il turno, e la tastiera è sul tabellone. Il primo tasto freccia legge la casella in alto a sinistra; ogni tasto freccia successivo legge la casella su cui si sposta il cursore: prima la sua lettera (o «vuota»), poi la riga e la colonna, poi «bianca» per una casella dell'area delle parole di Mix 'N Match e Pick 'N Mix, e «selezionata» per una casella che hai selezionato. Dopo ogni selezione e ogni scambio la casella sotto il cursore viene letta di nuovo, com'è adesso. In Pick 'N Mix una lettera già fissata non si può selezionare: quella casella viene letta di nuovo con «fissata».</translation>
    </message>
    <message>
        <source>The counter of the turn is not read as it counts down, but "Time Up !" is. Press &lt;b&gt;F2&lt;/b&gt; at any time during a game to hear where it stands: the counter under its heading (the points still to be won in Anagrams, the seconds left in the other games), the game time left, and the score of every player. Orca leaves &lt;b&gt;F2&lt;/b&gt; to Quarn in both its desktop and its laptop keyboard layout.</source>
        <translation>Il contatore del turno non viene letto mentre scende, ma «Tempo finito!» sì. Premi &lt;b&gt;F2&lt;/b&gt; in qualsiasi momento della partita per sentire a che punto è: il contatore con la sua intestazione (i punti ancora da vincere in Anagrams, i secondi rimasti negli altri giochi), il tempo di gioco rimasto e il punteggio di ogni giocatore. Orca lascia &lt;b&gt;F2&lt;/b&gt; a Quarn sia con la disposizione di tastiera per computer fisso sia con quella per portatile.</translation>
    </message>
    <message>
        <source>The turn result is read as it opens, the points first, then in Crossword the words that were found; &lt;b&gt;Return&lt;/b&gt; answers it. Once the points have counted up, your new score is read, at the latest as the next turn starts. A new high score and the winner are read as they appear; the reading goes on after the window has closed itself.</source>
        <translation>Il risultato del turno viene letto appena si apre: prima i punti, poi, in Crossword, le parole trovate; lo confermi con &lt;b&gt;Invio&lt;/b&gt;. Quando i punti hanno finito di sommarsi, viene letto il tuo nuovo punteggio, al più tardi all'inizio del turno successivo. Un nuovo record e il vincitore vengono letti appena compaiono; la lettura continua anche dopo che la finestra si è chiusa da sola.</translation>
    </message>
</context>
<context>
    <name>quarn::ui::WinnerWindow</name>
    <message>
        <source>The Winner is</source>
        <translation>Ha vinto</translation>
    </message>
    <message>
        <source>winner</source>
        <translation>vincitore</translation>
    </message>
    <message>
        <source>With a score of</source>
        <translation>con un totale di</translation>
    </message>
    <message>
        <source>winning score</source>
        <translation>punteggio vincente</translation>
    </message>
    <message>
        <source>Winner</source>
        <translation>Vittoria</translation>
    </message>
</context>
</TS>
