<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="da_DK">
<context>
    <name>quarn</name>
    <message>
        <source>cannot follow the file&apos;s links: %1</source>
        <translation>kan ikke følge filens links: %1</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>filen er skrivebeskyttet</translation>
    </message>
    <message>
        <source>the folder is read-only</source>
        <translation>mappen er skrivebeskyttet</translation>
    </message>
    <message>
        <source>cannot create a new copy in the folder: %1</source>
        <translation>kan ikke oprette en ny kopi i mappen: %1</translation>
    </message>
    <message>
        <source>cannot keep the file&apos;s permissions: %1</source>
        <translation>kan ikke bevare filens rettigheder: %1</translation>
    </message>
    <message>
        <source>cannot write: %1</source>
        <translation>kan ikke skrive til filen: %1</translation>
    </message>
    <message>
        <source>cannot flush: %1</source>
        <translation>kan ikke tømme skrivebufferen: %1</translation>
    </message>
    <message>
        <source>cannot close: %1</source>
        <translation>kan ikke lukke filen: %1</translation>
    </message>
    <message>
        <source>cannot replace: %1</source>
        <translation>kan ikke erstatte filen: %1</translation>
    </message>
    <message>
        <source>Are you sure you want to Quit</source>
        <translation>Er du sikker på, at du vil afslutte spillet?</translation>
    </message>
    <message>
        <source>The high scores could not be saved to %1 (%2). The file keeps its old table.</source>
        <translation>Highscorelisten kunne ikke gemmes i %1 (%2). Filen beholder sin gamle liste.</translation>
    </message>
    <message>
        <source>Well Done %1</source>
        <translation>Godt gået, %1</translation>
    </message>
    <message>
        <source>%1&apos;s turn</source>
        <translation>Din tur, %1</translation>
    </message>
    <message>
        <source>Are you ready %1</source>
        <translation>Er du klar, %1?</translation>
    </message>
    <message>
        <source>GAME OVER</source>
        <translation>SPILLET ER SLUT</translation>
    </message>
    <message>
        <source>Round %1</source>
        <translation>Runde %1</translation>
    </message>
    <message>
        <source>Time Up !</source>
        <translation>Tiden er ude!</translation>
    </message>
    <message>
        <source>Don&apos;t Cheat - You must use all the letters</source>
        <translation>Snyd ikke! Du skal bruge alle bogstaverne</translation>
    </message>
    <message>
        <source>Out of time</source>
        <translation>Du løb tør for tid</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Point</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tid</translation>
    </message>
    <message>
        <source>The used-word record could not be saved to %1 (%2). The file keeps its old marks.</source>
        <translation>Listen over brugte ord kunne ikke gemmes i %1 (%2). Filen beholder sine gamle markeringer.</translation>
    </message>
    <message>
        <source>cannot make the folder %1: %2</source>
        <translation>kan ikke oprette mappen %1: %2</translation>
    </message>
    <message>
        <source>cannot copy %1 into %2: %3</source>
        <translation>kan ikke kopiere %1 til %2: %3</translation>
    </message>
    <message>
        <source>The file %1 is missing from the folder %2. Quarn cannot go on without it.</source>
        <translation>Filen %1 mangler i mappen %2. Quarn kan ikke fortsætte uden den.</translation>
    </message>
    <message>
        <source>The word list %1 holds no entry that can be drawn, so %2 cannot be played.</source>
        <translation>Ordlisten %1 indeholder ingen ord, der kan trækkes, så %2 kan ikke spilles.</translation>
    </message>
    <message>
        <source>the file dictionary.dic is missing from the folder %1</source>
        <translation>filen dictionary.dic mangler i mappen %1</translation>
    </message>
    <message>
        <source>the file dictionary.dic in the folder %1 holds no words before its end marker 999</source>
        <translation>filen dictionary.dic i mappen %1 indeholder ingen ord før slutmærket 999</translation>
    </message>
    <message>
        <source>The words of %1 cannot be played: %2. Quarn plays in English.</source>
        <translation>Ordene på %1 kan ikke bruges: %2. Quarn bruger engelsk i stedet.</translation>
    </message>
    <message>
        <source>The file dictionary.dic in the folder %1 holds no words before its end marker 999, so no word could ever be found.</source>
        <translation>Filen dictionary.dic i mappen %1 indeholder ingen ord før slutmærket 999, så der vil aldrig kunne findes et eneste ord.</translation>
    </message>
    <message>
        <source>The words of %1 cannot be played: %2.</source>
        <translation>Ordene på %1 kan ikke bruges: %2.</translation>
    </message>
    <message>
        <source>The choice of %1 could not be saved to %2 (%3). Quarn will start in the language chosen before.</source>
        <translation>Valget af %1 kunne ikke gemmes i %2 (%3). Quarn starter på det sprog, der var valgt før.</translation>
    </message>
    <message>
        <source>You haven&apos;t selected the game you want to play</source>
        <translation>Du har ikke valgt, hvilket spil du vil spille</translation>
    </message>
    <message>
        <source>You haven&apos;t selected the game time</source>
        <translation>Du har ikke valgt spilletid</translation>
    </message>
    <message>
        <source>You haven&apos;t entered any players names</source>
        <translation>Du har ikke skrevet nogen spillernavne</translation>
    </message>
    <message>
        <source>Round 1</source>
        <translation>Runde 1</translation>
    </message>
    <message>
        <source>letter board</source>
        <translation>bogstavbræt</translation>
    </message>
    <message>
        <source>arrow keys move, Space picks</source>
        <translation>piletasterne flytter, mellemrum vælger</translation>
    </message>
    <message>
        <source>%1: a new high score of %2</source>
        <extracomment>Read out as the new high score shows: %1 is &quot;Well Done&quot; and the name.</extracomment>
        <translation>%1: en ny highscore på %2</translation>
    </message>
    <message>
        <source>The winner is %1 with a score of %2</source>
        <extracomment>Read out as the winner shows: %1 is the winner&apos;s name.</extracomment>
        <translation>Vinderen er %1 med en score på %2</translation>
    </message>
    <message>
        <source>%1, row %2 column %3</source>
        <extracomment>A cell of the board: %1 is its letter, or the word for an empty cell.</extracomment>
        <translation>%1, række %2, kolonne %3</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>tom</translation>
    </message>
    <message>
        <source>%1, white</source>
        <extracomment>A cell that belongs to the word area of the grid games.</extracomment>
        <translation>%1, hvid</translation>
    </message>
    <message>
        <source>%1, picked</source>
        <extracomment>A cell picked, waiting for the second cell of a swap.</extracomment>
        <translation>%1, valgt</translation>
    </message>
    <message>
        <source>%1, placed</source>
        <extracomment>A cell whose letter is placed for good: the game refused to pick it.</extracomment>
        <translation>%1, placeret</translation>
    </message>
    <message>
        <source>%1, score %2.</source>
        <translation>%1, %2 point.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>The status key: the turn&apos;s counter under its heading (&quot;Score: 985&quot;, &quot;Time: 95&quot;).</extracomment>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>The game time has run out.</source>
        <translation>Spilletiden er gået.</translation>
    </message>
    <message>
        <source>Game time left: %1:%2:%3.</source>
        <translation>Spilletid tilbage: %1:%2:%3.</translation>
    </message>
    <message>
        <source>Game time left: %1:%2.</source>
        <translation>Spilletid tilbage: %1:%2.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>What a screen reader hears of a caption: what it is, and what it says.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>You Scored %1 Pts</source>
        <translation>Du fik %1 point</translation>
    </message>
    <message>
        <source>Words found: %1</source>
        <translation>Fundne ord: %1</translation>
    </message>
</context>
<context>
    <name>quarn::ui</name>
    <message>
        <source>separator</source>
        <translation>skillelinje</translation>
    </message>
    <message>
        <source>Quarn has met an unexpected error and must close.

%1</source>
        <translation>Quarn er stødt på en uventet fejl og er nødt til at lukke.

%1</translation>
    </message>
    <message>
        <source>Quarn has met an unexpected error and must close.</source>
        <translation>Quarn er stødt på en uventet fejl og er nødt til at lukke.</translation>
    </message>
    <message>
        <source>border</source>
        <translation>kant</translation>
    </message>
    <message>
        <source>shadow</source>
        <translation>skygge</translation>
    </message>
</context>
<context>
    <name>quarn::ui::AboutWindow</name>
    <message>
        <source>About Quarn</source>
        <translation>Om Quarn</translation>
    </message>
    <message>
        <source>a picture of letter tiles in the four seat colours</source>
        <translation>et billede af bogstavbrikker i spillernes fire farver</translation>
    </message>
    <message>
        <source>Version 1.1</source>
        <translation>Version 1.1</translation>
    </message>
    <message>
        <source>Quarn is a collection of word games for people aged 10 years and older</source>
        <translation>Quarn er en samling ordspil for alle fra 10 år og opefter</translation>
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
        <translation>Tjekker</translation>
    </message>
    <message>
        <source>Checking words</source>
        <translation>Tjekker ord</translation>
    </message>
</context>
<context>
    <name>quarn::ui::EnterNamesWindow</name>
    <message>
        <source>Enter names</source>
        <translation>Skriv navne</translation>
    </message>
    <message>
        <source>Pick the colour that you want by clicking on the coloured box and entering your name</source>
        <translation>Klik på den farve, du vil have, og skriv dit navn</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rød</translation>
    </message>
    <message>
        <source>green</source>
        <translation>grøn</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>blå</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>gul</translation>
    </message>
    <message>
        <source>name of player %1, %2</source>
        <translation>navn på spiller %1, %2</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Luk</translation>
    </message>
</context>
<context>
    <name>quarn::ui::GameLengthWindow</name>
    <message>
        <source>Enter Length of Game</source>
        <translation>Spilletid</translation>
    </message>
    <message>
        <source>Enter the duration of the game by moving the slider below.  Click on Exit when the desired game length has been selected</source>
        <translation>Vælg spilletiden ved at flytte skyderen herunder. Klik på Luk, når du har valgt den spilletid, du vil have.</translation>
    </message>
    <message>
        <source>game length in minutes</source>
        <translation>spilletid i minutter</translation>
    </message>
    <message>
        <source>Game Length</source>
        <translation>Spilletid</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>timer</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minutter</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Luk</translation>
    </message>
</context>
<context>
    <name>quarn::ui::GameScreenWindow</name>
    <message>
        <source>Game Screen</source>
        <translation>Spilleskærm</translation>
    </message>
    <message>
        <source>Game Time Remaining</source>
        <translation>Spilletid tilbage</translation>
    </message>
    <message>
        <source>hours left</source>
        <translation>timer tilbage</translation>
    </message>
    <message>
        <source>h</source>
        <extracomment>The unit after the hours of the game clock.</extracomment>
        <translation>t</translation>
    </message>
    <message>
        <source>minutes left</source>
        <translation>minutter tilbage</translation>
    </message>
    <message>
        <source>m</source>
        <extracomment>The unit after the minutes of the game clock.</extracomment>
        <translation>m</translation>
    </message>
    <message>
        <source>seconds left</source>
        <translation>sekunder tilbage</translation>
    </message>
    <message>
        <source>s</source>
        <extracomment>The unit after the seconds of the game clock.</extracomment>
        <translation>s</translation>
    </message>
    <message>
        <source>round</source>
        <translation>runde</translation>
    </message>
    <message>
        <source>The number of turns each player has had</source>
        <translation>Antallet af ture, hver spiller har haft</translation>
    </message>
    <message>
        <source>game time remaining</source>
        <translation>spilletid tilbage</translation>
    </message>
    <message>
        <source>The scores shown above are the Highest scores after 4 rounds</source>
        <translation>Ovenfor ses de bedste resultater efter 4 runder</translation>
    </message>
    <message>
        <source>players and scores</source>
        <translation>spillere og point</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Spiller</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Point</translation>
    </message>
    <message>
        <source>player %1</source>
        <translation>spiller %1</translation>
    </message>
    <message>
        <source>score of player %1</source>
        <translation>point for spiller %1</translation>
    </message>
    <message>
        <source>Highest Scores</source>
        <translation>Bedste resultater</translation>
    </message>
    <message>
        <source>Psn</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Navn</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Dato</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Luk</translation>
    </message>
    <message>
        <source>game</source>
        <translation>spil</translation>
    </message>
    <message>
        <source>turn</source>
        <translation>tur</translation>
    </message>
    <message>
        <source>Finished ! Check  Word(s)</source>
        <translation>Færdig! Tjek ord</translation>
    </message>
    <message>
        <source>counter heading</source>
        <translation>tællerens overskrift</translation>
    </message>
    <message>
        <source>counter</source>
        <translation>tæller</translation>
    </message>
    <message>
        <source>Change Letter</source>
        <translation>Skift bogstav</translation>
    </message>
    <message>
        <source>place %1</source>
        <translation>plads %1</translation>
    </message>
    <message>
        <source>name in place %1</source>
        <translation>navn på plads %1</translation>
    </message>
    <message>
        <source>score in place %1</source>
        <translation>point på plads %1</translation>
    </message>
    <message>
        <source>date in place %1</source>
        <translation>dato på plads %1</translation>
    </message>
</context>
<context>
    <name>quarn::ui::HelpWindow</name>
    <message>
        <source>Instructions</source>
        <translation>Vejledning</translation>
    </message>
    <message>
        <source>user guide</source>
        <translation>vejledning</translation>
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
        <translation>Vælg et spil. Det valgte spil bliver fremhævet med gult.</translation>
    </message>
    <message>
        <source>title box</source>
        <translation>titelboks</translation>
    </message>
    <message>
        <source>a picture of letter tiles spelling Word</source>
        <translation>et billede af bogstavbrikker, der staver ordet Word</translation>
    </message>
    <message>
        <source>Pick game to play</source>
        <translation>Vælg et spil</translation>
    </message>
    <message>
        <source>Enter length of Game</source>
        <translation>Vælg spilletid</translation>
    </message>
    <message>
        <source>Click here to enter the duration of the game</source>
        <translation>Klik her for at vælge, hvor længe spillet skal vare</translation>
    </message>
    <message>
        <source>Enter Player Names</source>
        <translation>Skriv spillernavne</translation>
    </message>
    <message>
        <source>Click here to enter up to 4 players names</source>
        <translation>Klik her for at skrive navne på op til 4 spillere</translation>
    </message>
    <message>
        <source>Play Game</source>
        <translation>Start spil</translation>
    </message>
    <message>
        <source>Click here to start playing the game</source>
        <translation>Klik her for at starte spillet</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Filer</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Afslut</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprog</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hjælp</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Vejledning</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Om Quarn</translation>
    </message>
</context>
<context>
    <name>quarn::ui::NewHiscoreWindow</name>
    <message>
        <source>New high score</source>
        <translation>Ny highscore</translation>
    </message>
    <message>
        <source>player</source>
        <translation>spiller</translation>
    </message>
    <message>
        <source>After 4 rounds you have made it into the High Score Table with a score of:</source>
        <translation>Efter 4 runder er du kommet på highscorelisten med en score på:</translation>
    </message>
    <message>
        <source>score</source>
        <translation>score</translation>
    </message>
</context>
<context>
    <name>quarn::ui::ShowScoreWindow</name>
    <message>
        <source>Score</source>
        <translation>Resultat</translation>
    </message>
    <message>
        <source>You Scored</source>
        <translation>Du fik</translation>
    </message>
    <message>
        <source>points</source>
        <translation>point</translation>
    </message>
    <message>
        <source>Pts</source>
        <translation>point</translation>
    </message>
    <message>
        <source>words found</source>
        <translation>fundne ord</translation>
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
        <translation>Velkommen til Quarn</translation>
    </message>
    <message>
        <source>Quarn is a collection of four word games for one to four players, who take turns at the same computer: &lt;b&gt;Anagrams&lt;/b&gt;, &lt;b&gt;Crossword&lt;/b&gt;, &lt;b&gt;Mix &apos;N Match&lt;/b&gt; and &lt;b&gt;Pick &apos;N Mix&lt;/b&gt;. Every game is played on the same board of 65 letter cells, 13 across and 5 down. You change the board by clicking one cell and then a second cell: the two cells swap their letters. Words are read along the rows from left to right and down the columns from top to bottom, never backwards.</source>
        <translation>Quarn er en samling af fire ordspil for en til fire spillere, der skiftes til at spille ved den samme computer: &lt;b&gt;Anagrams&lt;/b&gt;, &lt;b&gt;Crossword&lt;/b&gt;, &lt;b&gt;Mix &apos;N Match&lt;/b&gt; og &lt;b&gt;Pick &apos;N Mix&lt;/b&gt;. Alle spillene foregår på det samme bræt med 65 bogstavfelter, 13 i bredden og 5 i højden. Du ændrer brættet ved at klikke på ét felt og derefter på et andet: de to felter bytter bogstaver. Ord læses hen ad rækkerne fra venstre mod højre og ned ad kolonnerne fra top til bund, aldrig baglæns.</translation>
    </message>
    <message>
        <source>Starting from the main menu</source>
        <translation>Start fra hovedmenuen</translation>
    </message>
    <message>
        <source>The main menu shows the four games. Click the game you want to play; it turns yellow. Then set the length of the game, enter the players&apos; names and press &lt;b&gt;Play Game&lt;/b&gt;. If something is missing, Quarn tells you what it is. After every game you choose the game and its length again; the names stay.</source>
        <translation>Hovedmenuen viser de fire spil. Klik på det spil, du vil spille; det bliver gult. Vælg derefter spilletid, skriv spillernes navne, og tryk på &lt;b&gt;Start spil&lt;/b&gt;. Hvis der mangler noget, fortæller Quarn dig, hvad det er. Efter hvert spil vælger du spil og spilletid igen; navnene bliver stående.</translation>
    </message>
    <message>
        <source>Setting the length of the game</source>
        <translation>Vælg spilletid</translation>
    </message>
    <message>
        <source>Press &lt;b&gt;Enter length of Game&lt;/b&gt; and move the slider to any whole number of minutes from 2 to 180 (three hours). The hours and minutes are shown under the slider. Press &lt;b&gt;Exit&lt;/b&gt; to keep that length and go back to the main menu.</source>
        <translation>Tryk på &lt;b&gt;Vælg spilletid&lt;/b&gt;, og flyt skyderen til et helt antal minutter fra 2 til 180 (tre timer). Timer og minutter vises under skyderen. Tryk på &lt;b&gt;Luk&lt;/b&gt; for at beholde den spilletid og gå tilbage til hovedmenuen.</translation>
    </message>
    <message>
        <source>The game clock counts down the whole game. Each player&apos;s turn has its own counter as well:</source>
        <translation>Spilleuret tæller ned gennem hele spillet. Hver spillers tur har desuden sin egen tæller:</translation>
    </message>
    <message>
        <source>&lt;b&gt;Anagrams&lt;/b&gt;: the turn lasts until you solve the word or your 1000 points have run down, one point every 51 thousandths of a second, which takes about 51 seconds.</source>
        <translation>&lt;b&gt;Anagrams&lt;/b&gt;: turen varer, indtil du løser ordet, eller indtil dine 1000 point er talt ned – ét point hver 51. tusindedel sekund, så det tager omkring 51 sekunder.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Crossword&lt;/b&gt;: 2 minutes.</source>
        <translation>&lt;b&gt;Crossword&lt;/b&gt;: 2 minutter.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Mix &apos;N Match&lt;/b&gt;: 3 minutes, or less if you press &lt;b&gt;Finished ! Check Word(s)&lt;/b&gt;.</source>
        <translation>&lt;b&gt;Mix &apos;N Match&lt;/b&gt;: 3 minutter eller mindre, hvis du trykker på &lt;b&gt;Færdig! Tjek ord&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Pick &apos;N Mix&lt;/b&gt;: 3 minutes.</source>
        <translation>&lt;b&gt;Pick &apos;N Mix&lt;/b&gt;: 3 minutter.</translation>
    </message>
    <message>
        <source>Entering the players&apos; names</source>
        <translation>Skriv spillernes navne</translation>
    </message>
    <message>
        <source>Press &lt;b&gt;Enter Player Names&lt;/b&gt;. Each of the four coloured boxes is one player&apos;s seat; the colour is that player&apos;s colour on the game screen. Click a box and type your name. For fewer than four players, leave the other boxes empty: empty seats are simply passed over. Press &lt;b&gt;Exit&lt;/b&gt; to go back to the main menu.</source>
        <translation>Tryk på &lt;b&gt;Skriv spillernavne&lt;/b&gt;. Hver af de fire farvede bokse er en spillers plads; farven er den spillers farve på spilleskærmen. Klik på en boks, og skriv dit navn. Er I færre end fire spillere, så lad de andre bokse stå tomme: tomme pladser bliver bare sprunget over. Tryk på &lt;b&gt;Luk&lt;/b&gt; for at gå tilbage til hovedmenuen.</translation>
    </message>
    <message>
        <source>Playing and leaving a game</source>
        <translation>Sådan spiller du og forlader et spil</translation>
    </message>
    <message>
        <source>Press &lt;b&gt;Play Game&lt;/b&gt;. The game screen shows the game clock, the round, each player&apos;s name and score, and the best scores of the game. Before each turn Quarn asks whether the player is ready; click OK to start your turn. After a checked turn the points are shown: click &lt;b&gt;OK&lt;/b&gt; and watch them count onto your score.</source>
        <translation>Tryk på &lt;b&gt;Start spil&lt;/b&gt;. Spilleskærmen viser spilleuret, runden, hver spillers navn og score og spillets bedste resultater. Før hver tur spørger Quarn, om spilleren er klar; klik på OK for at starte din tur. Når en tur er tjekket, vises pointene: klik på &lt;b&gt;OK&lt;/b&gt;, og se din score tælle op.</translation>
    </message>
    <message>
        <source>To leave a game early, press the red &lt;b&gt;Exit&lt;/b&gt; button at the top right and answer Yes. There is no winner for a game that was left.</source>
        <translation>Vil du stoppe et spil før tid, så tryk på den røde knap &lt;b&gt;Luk&lt;/b&gt; øverst til højre, og svar Ja. Et spil, der er blevet afbrudt, har ingen vinder.</translation>
    </message>
    <message>
        <source>Playing with the keyboard</source>
        <translation>Spil med tastaturet</translation>
    </message>
    <message>
        <source>Everything can be done without a mouse. In every window &lt;b&gt;Tab&lt;/b&gt; and &lt;b&gt;Shift+Tab&lt;/b&gt; go from one control to the next, and &lt;b&gt;Space&lt;/b&gt;, &lt;b&gt;Return&lt;/b&gt; or &lt;b&gt;Enter&lt;/b&gt; presses the button that has the focus. &lt;b&gt;Return&lt;/b&gt; answers every message and every turn result (&lt;b&gt;Esc&lt;/b&gt; answers a result too). A key held down repeats only in the window where you pressed it, and &lt;b&gt;Return&lt;/b&gt;, &lt;b&gt;Enter&lt;/b&gt; and &lt;b&gt;Esc&lt;/b&gt; count once each time you press them. &lt;b&gt;Alt+F&lt;/b&gt; and &lt;b&gt;Alt+H&lt;/b&gt; open the File and Help menus. In the main menu &lt;b&gt;F1&lt;/b&gt; opens these instructions (&lt;b&gt;Esc&lt;/b&gt; closes them again). &lt;b&gt;Ctrl+Q&lt;/b&gt; is File &amp;gt; Exit in the main menu, in the windows for the names and the game length, in About and in these instructions, but never during a game. Type the names straight into the coloured boxes: &lt;b&gt;Return&lt;/b&gt; takes you to the next box, and after the fourth it presses &lt;b&gt;Exit&lt;/b&gt;. Move the game length slider with the arrow keys and press &lt;b&gt;Return&lt;/b&gt; to keep that length.</source>
        <translation>Alt kan gøres uden mus. I alle vinduer flytter &lt;b&gt;Tab&lt;/b&gt; og &lt;b&gt;Skift+Tab&lt;/b&gt; fokus fra ét element til det næste, og &lt;b&gt;Mellemrum&lt;/b&gt;, &lt;b&gt;Retur&lt;/b&gt; eller &lt;b&gt;Enter&lt;/b&gt; trykker på den knap, der har fokus. &lt;b&gt;Retur&lt;/b&gt; besvarer alle beskeder og alle turresultater (&lt;b&gt;Esc&lt;/b&gt; besvarer også et resultat). En tast, der holdes nede, gentages kun i det vindue, hvor du trykkede på den, og &lt;b&gt;Retur&lt;/b&gt;, &lt;b&gt;Enter&lt;/b&gt; og &lt;b&gt;Esc&lt;/b&gt; tæller én gang, hver gang du trykker på dem. &lt;b&gt;Alt+F&lt;/b&gt; og &lt;b&gt;Alt+H&lt;/b&gt; åbner menuerne Filer og Hjælp. I hovedmenuen åbner &lt;b&gt;F1&lt;/b&gt; denne vejledning (&lt;b&gt;Esc&lt;/b&gt; lukker den igen). &lt;b&gt;Ctrl+Q&lt;/b&gt; svarer til Filer &amp;gt; Afslut i hovedmenuen, i vinduerne til navne og spilletid, i Om Quarn og i denne vejledning, men aldrig under et spil. Skriv navnene direkte i de farvede bokse: &lt;b&gt;Retur&lt;/b&gt; flytter dig til den næste boks, og efter den fjerde trykker den på &lt;b&gt;Luk&lt;/b&gt;. Flyt skyderen for spilletid med piletasterne, og tryk på &lt;b&gt;Retur&lt;/b&gt; for at beholde den spilletid.</translation>
    </message>
    <message>
        <source>The focus always goes where you play next: to the board when your turn starts and after each result, to the button that opened the names or game length window when you close it, and to the first game after a game.</source>
        <translation>Fokus flytter altid derhen, hvor du skal spille videre: til brættet, når din tur begynder og efter hvert resultat; til den knap, der åbnede vinduet til navne eller spilletid, når du lukker det; og til det første spil, når et spil er slut.</translation>
    </message>
    <message>
        <source>On the game screen the board is one stop of the Tab order, between &lt;b&gt;Exit&lt;/b&gt; and the buttons below the board. The &lt;b&gt;arrow keys&lt;/b&gt; always work the board, wherever the focus is: the first arrow key of a turn shows a thick blue cursor round the top-left cell, and each further key moves it one cell. Off one edge of the board it comes back in at the other. &lt;b&gt;Space&lt;/b&gt;, &lt;b&gt;Return&lt;/b&gt; or &lt;b&gt;Enter&lt;/b&gt; then picks the cell under the cursor, exactly like a click on it. Press &lt;b&gt;Tab&lt;/b&gt; to go on to &lt;b&gt;Finished ! Check Word(s)&lt;/b&gt; or &lt;b&gt;Change Letter&lt;/b&gt; and &lt;b&gt;Space&lt;/b&gt; or &lt;b&gt;Return&lt;/b&gt; to press it; an arrow key brings you back to the board. The cursor is hidden again at the end of every turn and whenever you click a cell with the mouse.</source>
        <translation>På spilleskærmen er brættet ét stop i Tab-rækkefølgen, mellem &lt;b&gt;Luk&lt;/b&gt; og knapperne under brættet. &lt;b&gt;Piletasterne&lt;/b&gt; styrer altid brættet, uanset hvor fokus er: den første piletast i en tur viser en tyk blå markør rundt om feltet øverst til venstre, og hver følgende piletast flytter den ét felt. Når den kører ud over den ene kant af brættet, kommer den ind igen ved den modsatte kant. &lt;b&gt;Mellemrum&lt;/b&gt;, &lt;b&gt;Retur&lt;/b&gt; eller &lt;b&gt;Enter&lt;/b&gt; vælger så feltet under markøren, præcis som et klik på det. Tryk på &lt;b&gt;Tab&lt;/b&gt; for at gå videre til &lt;b&gt;Færdig! Tjek ord&lt;/b&gt; eller &lt;b&gt;Skift bogstav&lt;/b&gt;, og på &lt;b&gt;Mellemrum&lt;/b&gt; eller &lt;b&gt;Retur&lt;/b&gt; for at trykke på knappen; en piletast bringer dig tilbage til brættet. Markøren skjules igen, når en tur slutter, og hver gang du klikker på et felt med musen.</translation>
    </message>
    <message>
        <source>The high-score tables</source>
        <translation>Highscorelisterne</translation>
    </message>
    <message>
        <source>Each game keeps its own table of the ten best scores. The scores are taken after every player has had four turns, that is at the end of round 4: every player whose score beats the lowest score in the table goes into it, with the date. A score that only equals the lowest does not. A game that ends before the end of round 4 enters no score; a longer game enters them once, after round 4.</source>
        <translation>Hvert spil har sin egen highscoreliste med de ti bedste resultater. Resultaterne bliver skrevet op, når alle spillere har haft fire ture, altså ved slutningen af runde 4: alle spillere, hvis score er højere end den laveste score på listen, kommer på listen sammen med datoen. En score, der kun er lige så høj som den laveste, kommer ikke med. Slutter et spil, før runde 4 er færdig, kommer der ingen score på listen; i et længere spil sker det én gang, efter runde 4.</translation>
    </message>
    <message>
        <source>When the game ends</source>
        <translation>Når spillet slutter</translation>
    </message>
    <message>
        <source>When the game clock has run out, the round that is being played is finished, so every player has had the same number of turns. Then the winner, the player with the highest score, is announced, followed by GAME OVER.</source>
        <translation>Når spilletiden er gået, bliver den runde, der er i gang, spillet færdig, så alle spillere har haft lige mange ture. Derefter bliver vinderen – spilleren med den højeste score – udråbt, og til sidst kommer SPILLET ER SLUT.</translation>
    </message>
    <message>
        <source>Anagrams</source>
        <translation>Anagrams</translation>
    </message>
    <message>
        <source>The letters of a word stand mixed up in the top row. Swap them until the whole word reads correctly along a row or down a column, then press &lt;b&gt;Finished ! Check Word(s)&lt;/b&gt;. Any word that uses all the letters is accepted. You score the points that are still left on the counter when you press the button. If you make a shorter word, Quarn says &quot;Don&apos;t Cheat - You must use all the letters&quot; and the counter keeps running. If the counter runs out you score nothing.</source>
        <translation>Bogstaverne i et ord står blandet sammen i den øverste række. Byt om på dem, indtil hele ordet står rigtigt hen ad en række eller ned ad en kolonne, og tryk så på &lt;b&gt;Færdig! Tjek ord&lt;/b&gt;. Ethvert ord, der bruger alle bogstaverne, bliver godkendt. Du får de point, der stadig står på tælleren, når du trykker på knappen. Hvis du laver et kortere ord, siger Quarn &quot;Snyd ikke! Du skal bruge alle bogstaverne&quot;, og tælleren kører videre. Hvis tælleren når nul, får du ingen point.</translation>
    </message>
    <message>
        <source>Crossword</source>
        <translation>Crossword</translation>
    </message>
    <message>
        <source>You get a set of letters in the top row and two minutes to build as many words as you can, across or down, crossing each other if you like. Every whole run of letters that is a word scores 50 points; words hidden inside a longer run do not count, and a run that is not a word scores nothing. Press &lt;b&gt;Finished ! Check Word(s)&lt;/b&gt; to have your words checked early; when the time runs out the board is checked anyway.</source>
        <translation>Du får et sæt bogstaver i den øverste række og to minutter til at bygge så mange ord som muligt, vandret eller lodret, og de må gerne krydse hinanden. Hver hel stribe af bogstaver, der er et ord, giver 50 point; ord, der gemmer sig inde i en længere stribe, tæller ikke, og en stribe, der ikke er et ord, giver ingen point. Tryk på &lt;b&gt;Færdig! Tjek ord&lt;/b&gt; for at få dine ord tjekket før tid; når tiden løber ud, bliver brættet tjekket alligevel.</translation>
    </message>
    <message>
        <source>Mix &apos;N Match</source>
        <translation>Mix &apos;N Match</translation>
    </message>
    <message>
        <source>The whole board is filled with random letters. Swap them to lay out words and mark the letters of your words white: the second cell of every swap changes between grey and white, so clicking the same cell twice marks or unmarks it. Only white cells count. When the 3 minutes are up, or when you press &lt;b&gt;Finished ! Check Word(s)&lt;/b&gt;, every word found inside a white run across or down scores 50 points for each of its letters, words inside words included: a white run &quot;some&quot; scores &quot;so&quot;, &quot;some&quot; and &quot;me&quot;.</source>
        <translation>Hele brættet er fyldt med tilfældige bogstaver. Byt om på dem for at lægge ord, og gør bogstaverne i dine ord hvide: det andet felt i hvert bytte skifter mellem gråt og hvidt, så når du klikker to gange på det samme felt, bliver det markeret eller mister sin markering. Kun hvide felter tæller. Når de 3 minutter er gået, eller når du trykker på &lt;b&gt;Færdig! Tjek ord&lt;/b&gt;, giver hvert ord, der findes i en hvid stribe vandret eller lodret, 50 point for hvert af sine bogstaver, også ord inde i ord: en hvid stribe &quot;isbjørn&quot; giver point for &quot;is&quot;, &quot;isbjørn&quot;, &quot;bjørn&quot; og &quot;ørn&quot;.</translation>
    </message>
    <message>
        <source>Pick &apos;N Mix</source>
        <translation>Pick &apos;N Mix</translation>
    </message>
    <message>
        <source>The board starts empty with one letter in the top-left cell. Click it, then click the cell where you want it: the letter lands there, turns white and cannot be moved again, and a new letter appears in the top-left cell. If you do not like the letter, press &lt;b&gt;Change Letter&lt;/b&gt; as often as you like. After 3 minutes the white letters are scored like Mix &apos;N Match: 50 points for every letter of every word found across or down, words inside words included.</source>
        <translation>Brættet starter tomt med ét bogstav i feltet øverst til venstre. Klik på det, og klik derefter på det felt, hvor du vil have det: bogstavet lander der, bliver hvidt og kan ikke flyttes igen, og et nyt bogstav dukker op i feltet øverst til venstre. Hvis du ikke kan lide bogstavet, kan du trykke på &lt;b&gt;Skift bogstav&lt;/b&gt; så tit, du vil. Efter 3 minutter giver de hvide bogstaver point ligesom i Mix &apos;N Match: 50 point for hvert bogstav i hvert ord, der findes vandret eller lodret, også ord inde i ord.</translation>
    </message>
    <message>
        <source>Playing in another language</source>
        <translation>Spil på et andet sprog</translation>
    </message>
    <message>
        <source>When word packs are installed, the main menu has a &lt;b&gt;Language&lt;/b&gt; menu: English first, then every other language by its own name. Choose one, and from then on the dictionary, the words to unscramble and the letters on the board are that language&apos;s, until you choose another; Quarn remembers your choice for the next time. Each language keeps its own high-score tables. While a game is being played the menu is greyed out.</source>
        <translation>Når der er installeret ordpakker, har hovedmenuen en &lt;b&gt;Sprog&lt;/b&gt;-menu: først English (engelsk), derefter alle de andre sprog under deres eget navn. Vælg et af dem, så kommer ordbogen, ordene, hvis bogstaver du skal sætte i orden, og bogstaverne på brættet fra det sprog, indtil du vælger et andet; Quarn husker dit valg til næste gang. Hvert sprog har sine egne highscorelister. Mens et spil er i gang, er menuen grå og kan ikke bruges.</translation>
    </message>
    <message>
        <source>Playing with a screen reader</source>
        <translation>Spil med skærmlæser</translation>
    </message>
    <message>
        <source>Quarn can be played without seeing the screen, by keys alone, with a screen reader such as Orca, the one that comes with the desktop. Start the screen reader first, then Quarn. The menus, buttons, boxes and messages are read as you reach them.</source>
        <translation>Quarn kan spilles uden at se skærmen, kun med tastaturet og en skærmlæser som Orca, der følger med skrivebordet. Start skærmlæseren først og derefter Quarn. Menuer, knapper, bokse og beskeder bliver læst op, når du kommer til dem.</translation>
    </message>
    <message>
        <source>When your turn starts the reader says whose turn it is, and the keyboard is on the board. The first arrow key reads the top-left cell; every further arrow key reads the cell the cursor moves onto: first its letter (or &quot;empty&quot;), then its row and column, then &quot;white&quot; for a cell of the word area of Mix &apos;N Match and Pick &apos;N Mix, and &quot;picked&quot; for a cell you have picked. After each pick and each swap the cell under the cursor is read again as it is now. In Pick &apos;N Mix a letter that is already placed cannot be picked: that cell is read again with &quot;placed&quot;.</source>
        <translation>Når din tur begynder, siger skærmlæseren, hvis tur det er, og tastaturet styrer brættet. Den første piletast læser feltet øverst til venstre op; hver følgende piletast læser det felt op, som markøren flytter til: først dets bogstav (eller &quot;tom&quot;), så dets række og kolonne, så &quot;hvid&quot; for et felt i ordområdet i Mix &apos;N Match og Pick &apos;N Mix og &quot;valgt&quot; for et felt, du har valgt. Efter hvert valg og hvert bytte bliver feltet under markøren læst op igen, som det ser ud nu. I Pick &apos;N Mix kan et bogstav, der allerede er placeret, ikke vælges: det felt bliver læst op igen med &quot;placeret&quot;.</translation>
    </message>
    <message>
        <source>The counter of the turn is not read as it counts down, but &quot;Time Up !&quot; is. Press &lt;b&gt;F2&lt;/b&gt; at any time during a game to hear where it stands: the counter under its heading (the points still to be won in Anagrams, the seconds left in the other games), the game time left, and the score of every player. Orca leaves &lt;b&gt;F2&lt;/b&gt; to Quarn in both its desktop and its laptop keyboard layout.</source>
        <translation>Turens tæller bliver ikke læst op, mens den tæller ned, men det gør &quot;Tiden er ude!&quot;. Tryk på &lt;b&gt;F2&lt;/b&gt; når som helst under et spil for at høre, hvordan det står: tælleren under sin overskrift (de point, der stadig kan vindes i Anagrams, og de sekunder, der er tilbage, i de andre spil), den resterende spilletid og hver spillers score. Orca overlader &lt;b&gt;F2&lt;/b&gt; til Quarn, både i sit tastaturlayout til stationære og til bærbare computere.</translation>
    </message>
    <message>
        <source>The turn result is read as it opens, the points first, then in Crossword the words that were found; &lt;b&gt;Return&lt;/b&gt; answers it. Once the points have counted up, your new score is read, at the latest as the next turn starts. A new high score and the winner are read as they appear; the reading goes on after the window has closed itself.</source>
        <translation>Turens resultat bliver læst op, når det vises: først pointene og i Crossword derefter de ord, der blev fundet; &lt;b&gt;Retur&lt;/b&gt; besvarer det. Når pointene er talt op, bliver din nye score læst op, senest når den næste tur begynder. En ny highscore og vinderen bliver læst op, når de vises; oplæsningen fortsætter, også efter at vinduet er lukket af sig selv.</translation>
    </message>
</context>
<context>
    <name>quarn::ui::WinnerWindow</name>
    <message>
        <source>The Winner is</source>
        <translation>Vinderen er</translation>
    </message>
    <message>
        <source>winner</source>
        <translation>vinder</translation>
    </message>
    <message>
        <source>With a score of</source>
        <translation>Med en score på</translation>
    </message>
    <message>
        <source>winning score</source>
        <translation>vinderens score</translation>
    </message>
    <message>
        <source>Winner</source>
        <translation>Vinder</translation>
    </message>
</context>
</TS>
