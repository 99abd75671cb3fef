<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>quarn</name>
    <message>
        <source>cannot follow the file's links: %1</source>
        <translation>die Verknüpfungen der Datei lassen sich nicht auflösen: %1</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>die Datei ist schreibgeschützt</translation>
    </message>
    <message>
        <source>the folder is read-only</source>
        <translation>der Ordner ist schreibgeschützt</translation>
    </message>
    <message>
        <source>cannot create a new copy in the folder: %1</source>
        <translation>im Ordner lässt sich keine neue Kopie anlegen: %1</translation>
    </message>
    <message>
        <source>cannot keep the file's permissions: %1</source>
        <translation>die Zugriffsrechte der Datei lassen sich nicht beibehalten: %1</translation>
    </message>
    <message>
        <source>cannot write: %1</source>
        <translation>Schreiben der Datei fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>cannot flush: %1</source>
        <translation>Leeren des Schreibpuffers fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>cannot close: %1</source>
        <translation>Schließen der Datei fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>cannot replace: %1</source>
        <translation>Ersetzen der Datei fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Are you sure you want to Quit</source>
        <translation>Willst du das Spiel wirklich beenden?</translation>
    </message>
    <message>
        <source>The high scores could not be saved to %1 (%2). The file keeps its old table.</source>
        <translation>Die Bestenliste konnte nicht in %1 gespeichert werden (%2). In der Datei bleibt die bisherige Liste erhalten.</translation>
    </message>
    <message>
        <source>Well Done %1</source>
        <translation>Gut gemacht, %1</translation>
    </message>
    <message>
        <source>%1's turn</source>
        <translation>%1 ist dran</translation>
    </message>
    <message>
        <source>Are you ready %1</source>
        <translation>Bist du bereit, %1?</translation>
    </message>
    <message>
        <source>GAME OVER</source>
        <translation>SPIEL VORBEI</translation>
    </message>
    <message>
        <source>Round %1</source>
        <translation>Runde %1</translation>
    </message>
    <message>
        <source>Time Up !</source>
        <translation>Zeit ist um!</translation>
    </message>
    <message>
        <source>Don't Cheat - You must use all the letters</source>
        <translation>Nicht schummeln – du musst alle Buchstaben verwenden!</translation>
    </message>
    <message>
        <source>Out of time</source>
        <translation>Die Zeit ist abgelaufen.</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>The used-word record could not be saved to %1 (%2). The file keeps its old marks.</source>
        <translation>Die Liste der schon gespielten Wörter konnte nicht in %1 gespeichert werden (%2). In der Datei bleiben die bisherigen Markierungen erhalten.</translation>
    </message>
    <message>
        <source>cannot make the folder %1: %2</source>
        <translation>der Ordner %1 lässt sich nicht anlegen: %2</translation>
    </message>
    <message>
        <source>cannot copy %1 into %2: %3</source>
        <translation>%1 lässt sich nicht nach %2 kopieren: %3</translation>
    </message>
    <message>
        <source>The file %1 is missing from the folder %2. Quarn cannot go on without it.</source>
        <translation>Im Ordner %2 fehlt die Datei %1. Ohne sie kann Quarn nicht weitermachen.</translation>
    </message>
    <message>
        <source>The word list %1 holds no entry that can be drawn, so %2 cannot be played.</source>
        <translation>Die Wortliste %1 enthält keinen Eintrag, der ausgelost werden kann, deshalb lässt sich %2 nicht spielen.</translation>
    </message>
    <message>
        <source>the file dictionary.dic is missing from the folder %1</source>
        <translation>im Ordner %1 fehlt die Datei dictionary.dic</translation>
    </message>
    <message>
        <source>the file dictionary.dic in the folder %1 holds no words before its end marker 999</source>
        <translation>die Datei dictionary.dic im Ordner %1 enthält vor ihrer Endmarke 999 keine Wörter</translation>
    </message>
    <message>
        <source>The words of %1 cannot be played: %2. Quarn plays in English.</source>
        <translation>Mit den Wörtern der Sprache %1 kann nicht gespielt werden: %2. Stattdessen wird auf Englisch gespielt.</translation>
    </message>
    <message>
        <source>The file dictionary.dic in the folder %1 holds no words before its end marker 999, so no word could ever be found.</source>
        <translation>Die Datei dictionary.dic im Ordner %1 enthält vor ihrer Endmarke 999 keine Wörter, deshalb könnte nie ein Wort gefunden werden.</translation>
    </message>
    <message>
        <source>The words of %1 cannot be played: %2.</source>
        <translation>Mit den Wörtern der Sprache %1 kann nicht gespielt werden: %2.</translation>
    </message>
    <message>
        <source>The choice of %1 could not be saved to %2 (%3). Quarn will start in the language chosen before.</source>
        <translation>Die Wahl der Sprache %1 konnte nicht in %2 gespeichert werden (%3). Quarn startet beim nächsten Mal in der zuvor gewählten Sprache.</translation>
    </message>
    <message>
        <source>You haven't selected the game you want to play</source>
        <translation>Du hast noch kein Spiel ausgewählt.</translation>
    </message>
    <message>
        <source>You haven't selected the game time</source>
        <translation>Du hast noch keine Spieldauer eingestellt.</translation>
    </message>
    <message>
        <source>You haven't entered any players names</source>
        <translation>Du hast noch keine Spielernamen eingegeben.</translation>
    </message>
    <message>
        <source>Round 1</source>
        <translation>Runde 1</translation>
    </message>
    <message>
        <source>letter board</source>
        <translation>Spielfeld</translation>
    </message>
    <message>
        <source>arrow keys move, Space picks</source>
        <translation>Pfeiltasten bewegen, Leertaste wählt aus</translation>
    </message>
    <message>
        <source>%1: a new high score of %2</source>
        <extracomment>Read out as the new high score shows: %1 is "Well Done" and the name.</extracomment>
        <translation>%1: neu in der Bestenliste mit %2 Punkten</translation>
    </message>
    <message>
        <source>The winner is %1 with a score of %2</source>
        <extracomment>Read out as the winner shows: %1 is the winner's name.</extracomment>
        <translation>Gewonnen hat %1 mit %2 Punkten</translation>
    </message>
    <message>
        <source>%1, row %2 column %3</source>
        <extracomment>A cell of the board: %1 is its letter, or the word for an empty cell.</extracomment>
        <translation>%1, Zeile %2 Spalte %3</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>%1, white</source>
        <extracomment>A cell that belongs to the word area of the grid games.</extracomment>
        <translation>%1, weiß</translation>
    </message>
    <message>
        <source>%1, picked</source>
        <extracomment>A cell picked, waiting for the second cell of a swap.</extracomment>
        <translation>%1, ausgewählt</translation>
    </message>
    <message>
        <source>%1, placed</source>
        <extracomment>A cell whose letter is placed for good: the game refused to pick it.</extracomment>
        <translation>%1, gesetzt</translation>
    </message>
    <message>
        <source>%1, score %2.</source>
        <translation>%1, Punktestand %2.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>The status key: the turn's counter under its heading ("Score: 985", "Time: 95").</extracomment>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>The game time has run out.</source>
        <translation>Die Spielzeit ist abgelaufen.</translation>
    </message>
    <message>
        <source>Game time left: %1:%2:%3.</source>
        <translation>Restspielzeit: %1:%2:%3.</translation>
    </message>
    <message>
        <source>Game time left: %1:%2.</source>
        <translation>Restspielzeit: %1:%2.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>What a screen reader hears of a caption: what it is, and what it says.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>You Scored %1 Pts</source>
        <translation>Du erhältst %1 Punkte</translation>
    </message>
    <message>
        <source>Words found: %1</source>
        <translation>Gefundene Wörter: %1</translation>
    </message>
</context>
<context>
    <name>quarn::ui</name>
    <message>
        <source>separator</source>
        <translation>Trennlinie</translation>
    </message>
    <message>
        <source>Quarn has met an unexpected error and must close.

%1</source>
        <translation>Quarn ist auf einen unerwarteten Fehler gestoßen und muss beendet werden.

%1</translation>
    </message>
    <message>
        <source>Quarn has met an unexpected error and must close.</source>
        <translation>Quarn ist auf einen unerwarteten Fehler gestoßen und muss beendet werden.</translation>
    </message>
    <message>
        <source>border</source>
        <translation>Rahmen</translation>
    </message>
    <message>
        <source>shadow</source>
        <translation>Schatten</translation>
    </message>
</context>
<context>
    <name>quarn::ui::AboutWindow</name>
    <message>
        <source>About Quarn</source>
        <translation>Über Quarn</translation>
    </message>
    <message>
        <source>a picture of letter tiles in the four seat colours</source>
        <translation>ein Bild aus Buchstabenplättchen in den vier Spielerfarben</translation>
    </message>
    <message>
        <source>Version 1.1</source>
        <translation>Version 1.1</translation>
    </message>
    <message>
        <source>Quarn is a collection of word games for people aged 10 years and older</source>
        <translation>Quarn ist eine Sammlung von Wortspielen für alle ab 10 Jahren</translation>
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
        <translation>Prüfung</translation>
    </message>
    <message>
        <source>Checking words</source>
        <translation>Prüfe Wörter …</translation>
    </message>
</context>
<context>
    <name>quarn::ui::EnterNamesWindow</name>
    <message>
        <source>Enter names</source>
        <translation>Namen eingeben</translation>
    </message>
    <message>
        <source>Pick the colour that you want by clicking on the coloured box and entering your name</source>
        <translation>Wähle deine Farbe: Klicke auf das farbige Feld und gib deinen Namen ein.</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rot</translation>
    </message>
    <message>
        <source>green</source>
        <translation>grün</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>blau</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>gelb</translation>
    </message>
    <message>
        <source>name of player %1, %2</source>
        <translation>Name von Spieler %1, %2</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Fertig</translation>
    </message>
</context>
<context>
    <name>quarn::ui::GameLengthWindow</name>
    <message>
        <source>Enter Length of Game</source>
        <translation>Spieldauer einstellen</translation>
    </message>
    <message>
        <source>Enter the duration of the game by moving the slider below.  Click on Exit when the desired game length has been selected</source>
        <translation>Stelle die Spieldauer mit dem Schieberegler unten ein. Klicke auf Fertig, wenn die gewünschte Dauer eingestellt ist.</translation>
    </message>
    <message>
        <source>game length in minutes</source>
        <translation>Spieldauer in Minuten</translation>
    </message>
    <message>
        <source>Game Length</source>
        <translation>Spieldauer</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>Std.</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>Min.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Fertig</translation>
    </message>
</context>
<context>
    <name>quarn::ui::GameScreenWindow</name>
    <message>
        <source>Game Screen</source>
        <translation>Spielfenster</translation>
    </message>
    <message>
        <source>Game Time Remaining</source>
        <translation>Restspielzeit</translation>
    </message>
    <message>
        <source>hours left</source>
        <translation>Stunden übrig</translation>
    </message>
    <message>
        <source>h</source>
        <extracomment>The unit after the hours of the game clock.</extracomment>
        <translation>h</translation>
    </message>
    <message>
        <source>minutes left</source>
        <translation>Minuten übrig</translation>
    </message>
    <message>
        <source>m</source>
        <extracomment>The unit after the minutes of the game clock.</extracomment>
        <translation>m</translation>
    </message>
    <message>
        <source>seconds left</source>
        <translation>Sekunden übrig</translation>
    </message>
    <message>
        <source>s</source>
        <extracomment>The unit after the seconds of the game clock.</extracomment>
        <translation>s</translation>
    </message>
    <message>
        <source>round</source>
        <translation>Runde</translation>
    </message>
    <message>
        <source>The number of turns each player has had</source>
        <translation>Wie viele Züge jeder Spieler schon hatte</translation>
    </message>
    <message>
        <source>game time remaining</source>
        <translation>Restspielzeit</translation>
    </message>
    <message>
        <source>The scores shown above are the Highest scores after 4 rounds</source>
        <translation>Oben stehen die höchsten Punktzahlen nach 4 Runden</translation>
    </message>
    <message>
        <source>players and scores</source>
        <translation>Spieler und Punkte</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>player %1</source>
        <translation>Spieler %1</translation>
    </message>
    <message>
        <source>score of player %1</source>
        <translation>Punkte von Spieler %1</translation>
    </message>
    <message>
        <source>Highest Scores</source>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <source>Psn</source>
        <translation>Pl.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>game</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>turn</source>
        <translation>Zug</translation>
    </message>
    <message>
        <source>Finished ! Check  Word(s)</source>
        <translation>Fertig! Wörter prüfen</translation>
    </message>
    <message>
        <source>counter heading</source>
        <translation>Überschrift des Zählers</translation>
    </message>
    <message>
        <source>counter</source>
        <translation>Zähler</translation>
    </message>
    <message>
        <source>Change Letter</source>
        <translation>Neu ziehen</translation>
    </message>
    <message>
        <source>place %1</source>
        <translation>Platz %1</translation>
    </message>
    <message>
        <source>name in place %1</source>
        <translation>Name auf Platz %1</translation>
    </message>
    <message>
        <source>score in place %1</source>
        <translation>Punkte auf Platz %1</translation>
    </message>
    <message>
        <source>date in place %1</source>
        <translation>Datum auf Platz %1</translation>
    </message>
</context>
<context>
    <name>quarn::ui::HelpWindow</name>
    <message>
        <source>Instructions</source>
        <translation>Anleitung</translation>
    </message>
    <message>
        <source>user guide</source>
        <translation>Spielanleitung</translation>
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
        <translation>Wähle ein Spiel aus. Das ausgewählte Spiel ist gelb hervorgehoben.</translation>
    </message>
    <message>
        <source>title box</source>
        <translation>Titelfeld</translation>
    </message>
    <message>
        <source>a picture of letter tiles spelling Word</source>
        <translation>ein Bild aus Buchstabenplättchen, die „Word“ ergeben</translation>
    </message>
    <message>
        <source>Pick game to play</source>
        <translation>Wähle ein Spiel</translation>
    </message>
    <message>
        <source>Enter length of Game</source>
        <translation>Spieldauer einstellen</translation>
    </message>
    <message>
        <source>Click here to enter the duration of the game</source>
        <translation>Klicke hier, um die Spieldauer einzustellen</translation>
    </message>
    <message>
        <source>Enter Player Names</source>
        <translation>Spielernamen eingeben</translation>
    </message>
    <message>
        <source>Click here to enter up to 4 players names</source>
        <translation>Klicke hier, um bis zu 4 Spielernamen einzugeben</translation>
    </message>
    <message>
        <source>Play Game</source>
        <translation>Spielen</translation>
    </message>
    <message>
        <source>Click here to start playing the game</source>
        <translation>Klicke hier, um das Spiel zu starten</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
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
        <translation>Über Quarn</translation>
    </message>
</context>
<context>
    <name>quarn::ui::NewHiscoreWindow</name>
    <message>
        <source>New high score</source>
        <translation>Neu in der Bestenliste</translation>
    </message>
    <message>
        <source>player</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>After 4 rounds you have made it into the High Score Table with a score of:</source>
        <translation>Nach 4 Runden hast du es mit dieser Punktzahl in die Bestenliste geschafft:</translation>
    </message>
    <message>
        <source>score</source>
        <translation>Punktzahl</translation>
    </message>
</context>
<context>
    <name>quarn::ui::ShowScoreWindow</name>
    <message>
        <source>Score</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>You Scored</source>
        <translation>Du erhältst</translation>
    </message>
    <message>
        <source>points</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Pts</source>
        <translation>Pkt.</translation>
    </message>
    <message>
        <source>words found</source>
        <translation>gefundene Wörter</translation>
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
        <translation>Willkommen bei Quarn</translation>
    </message>
    <message>
        <source>Quarn is a collection of four word games for one to four players, who take turns at the same computer: &lt;b&gt;Anagrams&lt;/b&gt;, &lt;b&gt;Crossword&lt;/b&gt;, &lt;b&gt;Mix 'N Match&lt;/b&gt; and &lt;b&gt;Pick 'N Mix&lt;/b&gt;. Every game is played on the same board of 65 letter cells, 13 across and 5 down. You change the board by clicking one cell and then a second cell: the two cells swap their letters. Words are read along the rows from left to right and down the columns from top to bottom, never backwards.</source>
        <translation>Quarn ist eine Sammlung von vier Wortspielen für ein bis vier Spieler, die abwechselnd am selben Computer spielen: &lt;b&gt;Anagrams&lt;/b&gt;, &lt;b&gt;Crossword&lt;/b&gt;, &lt;b&gt;Mix 'N Match&lt;/b&gt; und &lt;b&gt;Pick 'N Mix&lt;/b&gt;. Alle Spiele werden auf demselben Spielfeld aus 65 Buchstabenfeldern gespielt, 13 nebeneinander und 5 untereinander. Du veränderst das Spielfeld, indem du erst auf ein Feld und dann auf ein zweites klickst: Die beiden Felder tauschen ihre Buchstaben. Wörter werden in den Zeilen von links nach rechts und in den Spalten von oben nach unten gelesen, niemals rückwärts.</translation>
    </message>
    <message>
        <source>Starting from the main menu</source>
        <translation>Los geht's im Hauptmenü</translation>
    </message>
    <message>
        <source>The main menu shows the four games. Click the game you want to play; it turns yellow. Then set the length of the game, enter the players' names and press &lt;b&gt;Play Game&lt;/b&gt;. If something is missing, Quarn tells you what it is. After every game you choose the game and its length again; the names stay.</source>
        <translation>Das Hauptmenü zeigt die vier Spiele. Klicke auf das Spiel, das du spielen möchtest; es wird gelb. Stelle dann die Spieldauer ein, gib die Namen der Spieler ein und drücke &lt;b&gt;Spielen&lt;/b&gt;. Wenn noch etwas fehlt, sagt dir Quarn, was es ist. Nach jedem Spiel wählst du das Spiel und seine Dauer neu; die Namen bleiben erhalten.</translation>
    </message>
    <message>
        <source>Setting the length of the game</source>
        <translation>Die Spieldauer einstellen</translation>
    </message>
    <message>
        <source>Press &lt;b&gt;Enter length of Game&lt;/b&gt; and move the slider to any whole number of minutes from 2 to 180 (three hours). The hours and minutes are shown under the slider. Press &lt;b&gt;Exit&lt;/b&gt; to keep that length and go back to the main menu.</source>
        <translation>Drücke &lt;b&gt;Spieldauer einstellen&lt;/b&gt; und stelle den Schieberegler auf eine beliebige ganze Minutenzahl von 2 bis 180 (drei Stunden). Unter dem Regler werden die Stunden und Minuten angezeigt. Drücke &lt;b&gt;Fertig&lt;/b&gt;, um diese Dauer zu übernehmen und zum Hauptmenü zurückzukehren.</translation>
    </message>
    <message>
        <source>The game clock counts down the whole game. Each player's turn has its own counter as well:</source>
        <translation>Die Spieluhr zählt während des ganzen Spiels rückwärts. Außerdem hat jeder Zug eines Spielers seinen eigenen Zähler:</translation>
    </message>
    <message>
        <source>&lt;b&gt;Anagrams&lt;/b&gt;: the turn lasts until you solve the word or your 1000 points have run down, one point every 51 thousandths of a second, which takes about 51 seconds.</source>
        <translation>&lt;b&gt;Anagrams&lt;/b&gt;: Der Zug dauert, bis du das Wort gelöst hast oder deine 1000 Punkte heruntergezählt sind: Alle 51 Tausendstelsekunden geht ein Punkt ab, insgesamt also etwa 51 Sekunden.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Crossword&lt;/b&gt;: 2 minutes.</source>
        <translation>&lt;b&gt;Crossword&lt;/b&gt;: 2 Minuten.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Mix 'N Match&lt;/b&gt;: 3 minutes, or less if you press &lt;b&gt;Finished ! Check Word(s)&lt;/b&gt;.</source>
        <translation>&lt;b&gt;Mix 'N Match&lt;/b&gt;: 3 Minuten oder weniger, wenn du &lt;b&gt;Fertig! Wörter prüfen&lt;/b&gt; drückst.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Pick 'N Mix&lt;/b&gt;: 3 minutes.</source>
        <translation>&lt;b&gt;Pick 'N Mix&lt;/b&gt;: 3 Minuten.</translation>
    </message>
    <message>
        <source>Entering the players' names</source>
        <translation>Die Spielernamen eingeben</translation>
    </message>
    <message>
        <source>Press &lt;b&gt;Enter Player Names&lt;/b&gt;. Each of the four coloured boxes is one player's seat; the colour is that player's colour on the game screen. Click a box and type your name. For fewer than four players, leave the other boxes empty: empty seats are simply passed over. Press &lt;b&gt;Exit&lt;/b&gt; to go back to the main menu.</source>
        <translation>Drücke &lt;b&gt;Spielernamen eingeben&lt;/b&gt;. Jedes der vier farbigen Namensfelder ist der Platz eines Spielers; seine Farbe ist die Farbe dieses Spielers im Spielfenster. Klicke auf ein Feld und tippe deinen Namen ein. Spielen weniger als vier mit, lass die übrigen Felder leer: Leere Plätze werden einfach übersprungen. Drücke &lt;b&gt;Fertig&lt;/b&gt;, um zum Hauptmenü zurückzukehren.</translation>
    </message>
    <message>
        <source>Playing and leaving a game</source>
        <translation>Ein Spiel spielen und verlassen</translation>
    </message>
    <message>
        <source>Press &lt;b&gt;Play Game&lt;/b&gt;. The game screen shows the game clock, the round, each player's name and score, and the best scores of the game. Before each turn Quarn asks whether the player is ready; click OK to start your turn. After a checked turn the points are shown: click &lt;b&gt;OK&lt;/b&gt; and watch them count onto your score.</source>
        <translation>Drücke &lt;b&gt;Spielen&lt;/b&gt;. Das Spielfenster zeigt die Spieluhr, die Runde, Namen und Punktestand jedes Spielers und die Bestenliste dieses Spiels. Vor jedem Zug fragt Quarn, ob der Spieler bereit ist; klicke auf OK, um deinen Zug zu beginnen. Nach einem geprüften Zug werden die Punkte angezeigt: Klicke auf &lt;b&gt;OK&lt;/b&gt; und sieh zu, wie sie zu deinem Punktestand dazugezählt werden.</translation>
    </message>
    <message>
        <source>To leave a game early, press the red &lt;b&gt;Exit&lt;/b&gt; button at the top right and answer Yes. There is no winner for a game that was left.</source>
        <translation>Um ein Spiel vorzeitig zu verlassen, drücke oben rechts den roten Knopf &lt;b&gt;Ende&lt;/b&gt; und antworte mit Ja. Ein verlassenes Spiel hat keinen Gewinner.</translation>
    </message>
    <message>
        <source>Playing with the keyboard</source>
        <translation>Mit der Tastatur spielen</translation>
    </message>
    <message>
        <source>Everything can be done without a mouse. In every window &lt;b&gt;Tab&lt;/b&gt; and &lt;b&gt;Shift+Tab&lt;/b&gt; go from one control to the next, and &lt;b&gt;Space&lt;/b&gt;, &lt;b&gt;Return&lt;/b&gt; or &lt;b&gt;Enter&lt;/b&gt; presses the button that has the focus. &lt;b&gt;Return&lt;/b&gt; answers every message and every turn result (&lt;b&gt;Esc&lt;/b&gt; answers a result too). A key held down repeats only in the window where you pressed it, and &lt;b&gt;Return&lt;/b&gt;, &lt;b&gt;Enter&lt;/b&gt; and &lt;b&gt;Esc&lt;/b&gt; count once each time you press them. &lt;b&gt;Alt+F&lt;/b&gt; and &lt;b&gt;Alt+H&lt;/b&gt; open the File and Help menus. In the main menu &lt;b&gt;F1&lt;/b&gt; opens these instructions (&lt;b&gt;Esc&lt;/b&gt; closes them again). &lt;b&gt;Ctrl+Q&lt;/b&gt; is File &amp;gt; Exit in the main menu, in the windows for the names and the game length, in About and in these instructions, but never during a game. Type the names straight into the coloured boxes: &lt;b&gt;Return&lt;/b&gt; takes you to the next box, and after the fourth it presses &lt;b&gt;Exit&lt;/b&gt;. Move the game length slider with the arrow keys and press &lt;b&gt;Return&lt;/b&gt; to keep that length.</source>
        <translation>Alles geht auch ohne Maus. In jedem Fenster springst du mit &lt;b&gt;Tab&lt;/b&gt; und &lt;b&gt;Umschalt+Tab&lt;/b&gt; von einem Bedienelement zum nächsten, und &lt;b&gt;Leertaste&lt;/b&gt;, &lt;b&gt;Eingabetaste&lt;/b&gt; oder &lt;b&gt;Enter&lt;/b&gt; (im Ziffernblock) drücken den Knopf, der den Fokus hat. Mit der &lt;b&gt;Eingabetaste&lt;/b&gt; bestätigst du jede Meldung und jedes Zugergebnis (ein Ergebnis auch mit &lt;b&gt;Esc&lt;/b&gt;). Eine gedrückt gehaltene Taste wiederholt sich nur in dem Fenster, in dem du sie gedrückt hast, und &lt;b&gt;Eingabetaste&lt;/b&gt;, &lt;b&gt;Enter&lt;/b&gt; und &lt;b&gt;Esc&lt;/b&gt; zählen bei jedem Drücken genau einmal. &lt;b&gt;Alt+D&lt;/b&gt; und &lt;b&gt;Alt+H&lt;/b&gt; öffnen die Menüs Datei und Hilfe. Im Hauptmenü öffnet &lt;b&gt;F1&lt;/b&gt; diese Anleitung (&lt;b&gt;Esc&lt;/b&gt; schließt sie wieder). &lt;b&gt;Strg+Q&lt;/b&gt; entspricht Datei &amp;gt; Beenden, und zwar im Hauptmenü, in den Fenstern für die Namen und die Spieldauer, in „Über Quarn“ und in dieser Anleitung, aber nie während eines Spiels. Tippe die Namen direkt in die farbigen Felder: Die &lt;b&gt;Eingabetaste&lt;/b&gt; bringt dich zum nächsten Feld; nach dem vierten Feld drückt sie &lt;b&gt;Fertig&lt;/b&gt;. Bewege den Regler für die Spieldauer mit den Pfeiltasten und drücke die &lt;b&gt;Eingabetaste&lt;/b&gt;, um diese Dauer zu übernehmen.</translation>
    </message>
    <message>
        <source>The focus always goes where you play next: to the board when your turn starts and after each result, to the button that opened the names or game length window when you close it, and to the first game after a game.</source>
        <translation>Der Fokus springt immer dorthin, wo du als Nächstes spielst: aufs Spielfeld, wenn dein Zug beginnt, und nach jedem Ergebnis; auf den Knopf, der das Fenster für die Namen oder die Spieldauer geöffnet hat, wenn du dieses Fenster schließt; und nach einem Spiel auf das erste Spiel im Hauptmenü.</translation>
    </message>
    <message>
        <source>On the game screen the board is one stop of the Tab order, between &lt;b&gt;Exit&lt;/b&gt; and the buttons below the board. The &lt;b&gt;arrow keys&lt;/b&gt; always work the board, wherever the focus is: the first arrow key of a turn shows a thick blue cursor round the top-left cell, and each further key moves it one cell. Off one edge of the board it comes back in at the other. &lt;b&gt;Space&lt;/b&gt;, &lt;b&gt;Return&lt;/b&gt; or &lt;b&gt;Enter&lt;/b&gt; then picks the cell under the cursor, exactly like a click on it. Press &lt;b&gt;Tab&lt;/b&gt; to go on to &lt;b&gt;Finished ! Check Word(s)&lt;/b&gt; or &lt;b&gt;Change Letter&lt;/b&gt; and &lt;b&gt;Space&lt;/b&gt; or &lt;b&gt;Return&lt;/b&gt; to press it; an arrow key brings you back to the board. The cursor is hidden again at the end of every turn and whenever you click a cell with the mouse.</source>
        <translation>Im Spielfenster ist das ganze Spielfeld ein einziger Tab-Stopp, zwischen &lt;b&gt;Ende&lt;/b&gt; und den Knöpfen unter dem Spielfeld. Die &lt;b&gt;Pfeiltasten&lt;/b&gt; steuern immer das Spielfeld, ganz gleich, wo der Fokus gerade ist: Die erste Pfeiltaste eines Zuges zeigt einen dicken blauen Cursor um das Feld oben links, und jede weitere Taste bewegt ihn um ein Feld weiter. Läuft er über einen Rand des Spielfelds hinaus, kommt er am gegenüberliegenden Rand wieder herein. &lt;b&gt;Leertaste&lt;/b&gt;, &lt;b&gt;Eingabetaste&lt;/b&gt; oder &lt;b&gt;Enter&lt;/b&gt; wählen dann das Feld unter dem Cursor aus, genau wie ein Klick darauf. Drücke &lt;b&gt;Tab&lt;/b&gt;, um zu &lt;b&gt;Fertig! Wörter prüfen&lt;/b&gt; oder &lt;b&gt;Neu ziehen&lt;/b&gt; zu gelangen, und &lt;b&gt;Leertaste&lt;/b&gt; oder &lt;b&gt;Eingabetaste&lt;/b&gt;, um den Knopf zu drücken; eine Pfeiltaste bringt dich zurück aufs Spielfeld. Der Cursor verschwindet am Ende jedes Zuges wieder und immer dann, wenn du mit der Maus auf ein Feld klickst.</translation>
    </message>
    <message>
        <source>The high-score tables</source>
        <translation>Die Bestenlisten</translation>
    </message>
    <message>
        <source>Each game keeps its own table of the ten best scores. The scores are taken after every player has had four turns, that is at the end of round 4: every player whose score beats the lowest score in the table goes into it, with the date. A score that only equals the lowest does not. A game that ends before the end of round 4 enters no score; a longer game enters them once, after round 4.</source>
        <translation>Jedes Spiel hat seine eigene Bestenliste mit den zehn besten Ergebnissen. Gewertet wird, wenn jeder Spieler vier Züge hatte, also am Ende von Runde 4: Jeder Spieler, dessen Punktestand das niedrigste Ergebnis der Liste übertrifft, kommt mit dem Datum hinein. Wer nur genauso viele Punkte hat wie das niedrigste Ergebnis, kommt nicht hinein. Endet ein Spiel vor Abschluss von Runde 4, wird nichts eingetragen; bei einem längeren Spiel wird nur einmal eingetragen, nämlich nach Runde 4.</translation>
    </message>
    <message>
        <source>When the game ends</source>
        <translation>Wenn das Spiel endet</translation>
    </message>
    <message>
        <source>When the game clock has run out, the round that is being played is finished, so every player has had the same number of turns. Then the winner, the player with the highest score, is announced, followed by GAME OVER.</source>
        <translation>Wenn die Spieluhr abgelaufen ist, wird die laufende Runde noch zu Ende gespielt, sodass jeder Spieler gleich viele Züge hatte. Dann wird der Gewinner verkündet, also der Spieler mit dem höchsten Punktestand, und danach erscheint SPIEL VORBEI.</translation>
    </message>
    <message>
        <source>Anagrams</source>
        <translation>Anagrams</translation>
    </message>
    <message>
        <source>The letters of a word stand mixed up in the top row. Swap them until the whole word reads correctly along a row or down a column, then press &lt;b&gt;Finished ! Check Word(s)&lt;/b&gt;. Any word that uses all the letters is accepted. You score the points that are still left on the counter when you press the button. If you make a shorter word, Quarn says "Don't Cheat - You must use all the letters" and the counter keeps running. If the counter runs out you score nothing.</source>
        <translation>Die Buchstaben eines Wortes stehen durcheinander in der obersten Zeile. Tausche sie, bis das ganze Wort in einer Zeile oder Spalte richtig zu lesen ist, und drücke dann &lt;b&gt;Fertig! Wörter prüfen&lt;/b&gt;. Jedes Wort, das alle Buchstaben verwendet, wird angenommen. Du bekommst die Punkte, die noch auf dem Zähler stehen, wenn du den Knopf drückst. Legst du ein kürzeres Wort, sagt Quarn „Nicht schummeln – du musst alle Buchstaben verwenden!“, und der Zähler läuft weiter. Läuft der Zähler ab, bekommst du keine Punkte.</translation>
    </message>
    <message>
        <source>Crossword</source>
        <translation>Crossword</translation>
    </message>
    <message>
        <source>You get a set of letters in the top row and two minutes to build as many words as you can, across or down, crossing each other if you like. Every whole run of letters that is a word scores 50 points; words hidden inside a longer run do not count, and a run that is not a word scores nothing. Press &lt;b&gt;Finished ! Check Word(s)&lt;/b&gt; to have your words checked early; when the time runs out the board is checked anyway.</source>
        <translation>Du bekommst einen Satz Buchstaben in der obersten Zeile und zwei Minuten Zeit, um daraus so viele Wörter wie möglich zu legen, waagerecht oder senkrecht, und wenn du magst, auch über Kreuz. Jede ganze zusammenhängende Buchstabenreihe, die ein Wort ergibt, bringt 50 Punkte; Wörter, die in einer längeren Reihe versteckt sind, zählen nicht, und eine Reihe, die kein Wort ergibt, bringt nichts. Drücke &lt;b&gt;Fertig! Wörter prüfen&lt;/b&gt;, um deine Wörter schon vorher prüfen zu lassen; wenn die Zeit abläuft, wird das Spielfeld sowieso geprüft.</translation>
    </message>
    <message>
        <source>Mix 'N Match</source>
        <translation>Mix 'N Match</translation>
    </message>
    <message>
        <source>The whole board is filled with random letters. Swap them to lay out words and mark the letters of your words white: the second cell of every swap changes between grey and white, so clicking the same cell twice marks or unmarks it. Only white cells count. When the 3 minutes are up, or when you press &lt;b&gt;Finished ! Check Word(s)&lt;/b&gt;, every word found inside a white run across or down scores 50 points for each of its letters, words inside words included: a white run "some" scores "so", "some" and "me".</source>
        <translation>Das ganze Spielfeld ist mit zufälligen Buchstaben gefüllt. Tausche sie, um Wörter zu legen, und markiere die Buchstaben deiner Wörter weiß: Das zweite Feld jedes Tausches wechselt zwischen Grau und Weiß; klickst du also zweimal auf dasselbe Feld, markierst du es oder hebst die Markierung wieder auf. Nur weiße Felder zählen. Wenn die 3 Minuten um sind oder wenn du &lt;b&gt;Fertig! Wörter prüfen&lt;/b&gt; drückst, bringt jedes Wort, das in einer weißen Reihe waagerecht oder senkrecht steckt, 50 Punkte für jeden seiner Buchstaben, Wörter in Wörtern eingeschlossen: Eine weiße Reihe „Meise“ bringt Punkte für „Ei“, „Eis“ und „Meise“.</translation>
    </message>
    <message>
        <source>Pick 'N Mix</source>
        <translation>Pick 'N Mix</translation>
    </message>
    <message>
        <source>The board starts empty with one letter in the top-left cell. Click it, then click the cell where you want it: the letter lands there, turns white and cannot be moved again, and a new letter appears in the top-left cell. If you do not like the letter, press &lt;b&gt;Change Letter&lt;/b&gt; as often as you like. After 3 minutes the white letters are scored like Mix 'N Match: 50 points for every letter of every word found across or down, words inside words included.</source>
        <translation>Das Spielfeld ist am Anfang leer, nur im Feld oben links steht ein Buchstabe. Klicke ihn an und dann das Feld, in das er kommen soll: Der Buchstabe landet dort, wird weiß und kann nicht mehr bewegt werden, und oben links erscheint ein neuer Buchstabe. Wenn dir der Buchstabe nicht gefällt, drücke &lt;b&gt;Neu ziehen&lt;/b&gt;, so oft du willst. Nach 3 Minuten werden die weißen Buchstaben wie bei Mix 'N Match gewertet: 50 Punkte für jeden Buchstaben jedes Wortes, das waagerecht oder senkrecht gefunden wird, Wörter in Wörtern eingeschlossen.</translation>
    </message>
    <message>
        <source>Playing in another language</source>
        <translation>In einer anderen Sprache spielen</translation>
    </message>
    <message>
        <source>When word packs are installed, the main menu has a &lt;b&gt;Language&lt;/b&gt; menu: English first, then every other language by its own name. Choose one, and from then on the dictionary, the words to unscramble and the letters on the board are that language's, until you choose another; Quarn remembers your choice for the next time. Each language keeps its own high-score tables. While a game is being played the menu is greyed out.</source>
        <translation>Wenn Wortpakete installiert sind, hat das Hauptmenü ein Menü &lt;b&gt;Sprache&lt;/b&gt;: zuerst Englisch, dann jede weitere Sprache unter ihrem eigenen Namen. Wähle eine aus, und von da an stammen das Wörterbuch, die Wörter zum Entwirren und die Buchstaben auf dem Spielfeld aus dieser Sprache, bis du eine andere wählst; Quarn merkt sich deine Wahl für das nächste Mal. Jede Sprache hat ihre eigenen Bestenlisten. Während ein Spiel läuft, ist das Menü ausgegraut.</translation>
    </message>
    <message>
        <source>Playing with a screen reader</source>
        <translation>Mit einem Screenreader spielen</translation>
    </message>
    <message>
        <source>Quarn can be played without seeing the screen, by keys alone, with a screen reader such as Orca, the one that comes with the desktop. Start the screen reader first, then Quarn. The menus, buttons, boxes and messages are read as you reach them.</source>
        <translation>Quarn lässt sich auch spielen, ohne den Bildschirm zu sehen, allein mit der Tastatur und einem Screenreader wie Orca, der beim Desktop mitgeliefert wird. Starte zuerst den Screenreader, dann Quarn. Menüs, Knöpfe, Felder und Meldungen werden vorgelesen, sobald du sie erreichst.</translation>
    </message>
    <message>
        <source>When your turn starts the reader says whose turn it is, and the keyboard is on the board. The first arrow key reads the top-left cell; every further arrow key reads the cell the cursor moves onto: first its letter (or "empty"), then its row and column, then "white" for a cell of the word area of Mix 'N Match and Pick 'N Mix, and "picked" for a cell you have picked. After each pick and each swap the cell under the cursor is read again as it is now. In Pick 'N Mix a letter that is already placed cannot be picked: that cell is read again with "placed".</source>
        <translation>Wenn dein Zug beginnt, sagt der Screenreader, wer dran ist, und die Tastatur steuert das Spielfeld. Die erste Pfeiltaste liest das Feld oben links vor, jede weitere Pfeiltaste das Feld, auf das der Cursor rückt: zuerst seinen Buchstaben (oder „leer“), dann Zeile und Spalte, dann „weiß“ für ein Feld im Wortbereich von Mix 'N Match und Pick 'N Mix und „ausgewählt“ für ein Feld, das du ausgewählt hast. Nach jeder Auswahl und jedem Tausch wird das Feld unter dem Cursor noch einmal vorgelesen, so wie es jetzt ist. In Pick 'N Mix lässt sich ein bereits gesetzter Buchstabe nicht auswählen: Dann wird das Feld noch einmal mit „gesetzt“ vorgelesen.</translation>
    </message>
    <message>
        <source>The counter of the turn is not read as it counts down, but "Time Up !" is. Press &lt;b&gt;F2&lt;/b&gt; at any time during a game to hear where it stands: the counter under its heading (the points still to be won in Anagrams, the seconds left in the other games), the game time left, and the score of every player. Orca leaves &lt;b&gt;F2&lt;/b&gt; to Quarn in both its desktop and its laptop keyboard layout.</source>
        <translation>Der Zähler des Zuges wird beim Herunterzählen nicht vorgelesen, „Zeit ist um!“ aber schon. Drücke während eines Spiels jederzeit &lt;b&gt;F2&lt;/b&gt;, um den aktuellen Stand zu hören: den Zähler mit seiner Überschrift (in Anagrams die Punkte, die noch zu holen sind, in den anderen Spielen die verbleibenden Sekunden), die Restspielzeit und den Punktestand jedes Spielers. Orca überlässt Quarn die Taste &lt;b&gt;F2&lt;/b&gt;, sowohl in der Desktop- als auch in der Laptop-Tastaturbelegung.</translation>
    </message>
    <message>
        <source>The turn result is read as it opens, the points first, then in Crossword the words that were found; &lt;b&gt;Return&lt;/b&gt; answers it. Once the points have counted up, your new score is read, at the latest as the next turn starts. A new high score and the winner are read as they appear; the reading goes on after the window has closed itself.</source>
        <translation>Das Zugergebnis wird vorgelesen, sobald es erscheint: zuerst die Punkte, dann bei Crossword die gefundenen Wörter; mit der &lt;b&gt;Eingabetaste&lt;/b&gt; bestätigst du es. Sobald die Punkte hochgezählt sind, wird dein neuer Punktestand vorgelesen, spätestens wenn der nächste Zug beginnt. Ein neuer Eintrag in der Bestenliste und der Gewinner werden vorgelesen, sobald sie erscheinen; das Vorlesen geht weiter, auch nachdem sich das Fenster von selbst geschlossen hat.</translation>
    </message>
</context>
<context>
    <name>quarn::ui::WinnerWindow</name>
    <message>
        <source>The Winner is</source>
        <translation>Gewonnen hat</translation>
    </message>
    <message>
        <source>winner</source>
        <translation>Gewinner</translation>
    </message>
    <message>
        <source>With a score of</source>
        <translation>mit der Punktzahl</translation>
    </message>
    <message>
        <source>winning score</source>
        <translation>Punktzahl des Gewinners</translation>
    </message>
    <message>
        <source>Winner</source>
        <translation>Gewinner</translation>
    </message>
</context>
</TS>
