<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>quarn</name>
    <message>
        <source>cannot follow the file's links: %1</source>
        <translation>kan de koppelingen van het bestand niet volgen: %1</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>het bestand is alleen-lezen</translation>
    </message>
    <message>
        <source>the folder is read-only</source>
        <translation>de map is alleen-lezen</translation>
    </message>
    <message>
        <source>cannot create a new copy in the folder: %1</source>
        <translation>kan geen nieuwe kopie in de map maken: %1</translation>
    </message>
    <message>
        <source>cannot keep the file's permissions: %1</source>
        <translation>kan de rechten van het bestand niet behouden: %1</translation>
    </message>
    <message>
        <source>cannot write: %1</source>
        <translation>kan niet schrijven: %1</translation>
    </message>
    <message>
        <source>cannot flush: %1</source>
        <translation>kan de gegevens niet wegschrijven: %1</translation>
    </message>
    <message>
        <source>cannot close: %1</source>
        <translation>kan niet sluiten: %1</translation>
    </message>
    <message>
        <source>cannot replace: %1</source>
        <translation>kan niet vervangen: %1</translation>
    </message>
    <message>
        <source>Are you sure you want to Quit</source>
        <translation>Weet je zeker dat je wilt stoppen?</translation>
    </message>
    <message>
        <source>The high scores could not be saved to %1 (%2). The file keeps its old table.</source>
        <translation>De topscores konden niet worden opgeslagen in %1 (%2). In het bestand blijft de oude lijst staan.</translation>
    </message>
    <message>
        <source>Well Done %1</source>
        <translation>Goed gedaan, %1</translation>
    </message>
    <message>
        <source>%1's turn</source>
        <translation>%1 is aan de beurt</translation>
    </message>
    <message>
        <source>Are you ready %1</source>
        <translation>Ben je er klaar voor, %1?</translation>
    </message>
    <message>
        <source>GAME OVER</source>
        <translation>SPEL AFGELOPEN</translation>
    </message>
    <message>
        <source>Round %1</source>
        <translation>Ronde %1</translation>
    </message>
    <message>
        <source>Time Up !</source>
        <translation>De tijd is om!</translation>
    </message>
    <message>
        <source>Don't Cheat - You must use all the letters</source>
        <translation>Niet vals spelen! Je moet alle letters gebruiken</translation>
    </message>
    <message>
        <source>Out of time</source>
        <translation>Je tijd is op</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tijd</translation>
    </message>
    <message>
        <source>The used-word record could not be saved to %1 (%2). The file keeps its old marks.</source>
        <translation>De lijst met gebruikte woorden kon niet worden opgeslagen in %1 (%2). In het bestand blijven de oude markeringen staan.</translation>
    </message>
    <message>
        <source>cannot make the folder %1: %2</source>
        <translation>kan de map %1 niet maken: %2</translation>
    </message>
    <message>
        <source>cannot copy %1 into %2: %3</source>
        <translation>kan %1 niet naar %2 kopiëren: %3</translation>
    </message>
    <message>
        <source>The file %1 is missing from the folder %2. Quarn cannot go on without it.</source>
        <translation>Het bestand %1 ontbreekt in de map %2. Zonder dit bestand kan Quarn niet verder.</translation>
    </message>
    <message>
        <source>The word list %1 holds no entry that can be drawn, so %2 cannot be played.</source>
        <translation>De woordenlijst %1 bevat geen enkel woord dat gekozen kan worden, dus %2 kan niet worden gespeeld.</translation>
    </message>
    <message>
        <source>the file dictionary.dic is missing from the folder %1</source>
        <translation>het bestand dictionary.dic ontbreekt in de map %1</translation>
    </message>
    <message>
        <source>the file dictionary.dic in the folder %1 holds no words before its end marker 999</source>
        <translation>het bestand dictionary.dic in de map %1 bevat geen woorden vóór de eindmarkering 999</translation>
    </message>
    <message>
        <source>The words of %1 cannot be played: %2. Quarn plays in English.</source>
        <translation>De woorden voor %1 kunnen niet worden gebruikt: %2. Quarn speelt in het Engels.</translation>
    </message>
    <message>
        <source>The file dictionary.dic in the folder %1 holds no words before its end marker 999, so no word could ever be found.</source>
        <translation>Het bestand dictionary.dic in de map %1 bevat geen woorden vóór de eindmarkering 999, dus er kan nooit een woord worden gevonden.</translation>
    </message>
    <message>
        <source>The words of %1 cannot be played: %2.</source>
        <translation>De woorden voor %1 kunnen niet worden gebruikt: %2.</translation>
    </message>
    <message>
        <source>The choice of %1 could not be saved to %2 (%3). Quarn will start in the language chosen before.</source>
        <translation>De keuze voor %1 kon niet worden opgeslagen in %2 (%3). Quarn start de volgende keer in de taal die je eerder had gekozen.</translation>
    </message>
    <message>
        <source>You haven't selected the game you want to play</source>
        <translation>Je hebt nog niet gekozen welk spel je wilt spelen</translation>
    </message>
    <message>
        <source>You haven't selected the game time</source>
        <translation>Je hebt nog geen speeltijd ingesteld</translation>
    </message>
    <message>
        <source>You haven't entered any players names</source>
        <translation>Je hebt nog geen spelersnamen ingevuld</translation>
    </message>
    <message>
        <source>Round 1</source>
        <translation>Ronde 1</translation>
    </message>
    <message>
        <source>letter board</source>
        <translation>letterbord</translation>
    </message>
    <message>
        <source>arrow keys move, Space picks</source>
        <translation>pijltjestoetsen om te bewegen, spatie om te kiezen</translation>
    </message>
    <message>
        <source>%1: a new high score of %2</source>
        <extracomment>Read out as the new high score shows: %1 is "Well Done" and the name.</extracomment>
        <translation>%1: een nieuwe topscore van %2</translation>
    </message>
    <message>
        <source>The winner is %1 with a score of %2</source>
        <extracomment>Read out as the winner shows: %1 is the winner's name.</extracomment>
        <translation>De winnaar is %1 met een score van %2</translation>
    </message>
    <message>
        <source>%1, row %2 column %3</source>
        <extracomment>A cell of the board: %1 is its letter, or the word for an empty cell.</extracomment>
        <translation>%1, rij %2 kolom %3</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leeg</translation>
    </message>
    <message>
        <source>%1, white</source>
        <extracomment>A cell that belongs to the word area of the grid games.</extracomment>
        <translation>%1, wit</translation>
    </message>
    <message>
        <source>%1, picked</source>
        <extracomment>A cell picked, waiting for the second cell of a swap.</extracomment>
        <translation>%1, gekozen</translation>
    </message>
    <message>
        <source>%1, placed</source>
        <extracomment>A cell whose letter is placed for good: the game refused to pick it.</extracomment>
        <translation>%1, geplaatst</translation>
    </message>
    <message>
        <source>%1, score %2.</source>
        <translation>%1, score %2.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>The status key: the turn's counter under its heading ("Score: 985", "Time: 95").</extracomment>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>The game time has run out.</source>
        <translation>De speeltijd is om.</translation>
    </message>
    <message>
        <source>Game time left: %1:%2:%3.</source>
        <translation>Resterende speeltijd: %1:%2:%3.</translation>
    </message>
    <message>
        <source>Game time left: %1:%2.</source>
        <translation>Resterende speeltijd: %1:%2.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>What a screen reader hears of a caption: what it is, and what it says.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>You Scored %1 Pts</source>
        <translation>Je hebt %1 punten gescoord</translation>
    </message>
    <message>
        <source>Words found: %1</source>
        <translation>Gevonden woorden: %1</translation>
    </message>
</context>
<context>
    <name>quarn::ui</name>
    <message>
        <source>separator</source>
        <translation>scheidingslijn</translation>
    </message>
    <message>
        <source>Quarn has met an unexpected error and must close.

%1</source>
        <translation>Quarn is op een onverwachte fout gestuit en moet worden afgesloten.

%1</translation>
    </message>
    <message>
        <source>Quarn has met an unexpected error and must close.</source>
        <translation>Quarn is op een onverwachte fout gestuit en moet worden afgesloten.</translation>
    </message>
    <message>
        <source>border</source>
        <translation>rand</translation>
    </message>
    <message>
        <source>shadow</source>
        <translation>schaduw</translation>
    </message>
</context>
<context>
    <name>quarn::ui::AboutWindow</name>
    <message>
        <source>About Quarn</source>
        <translation>Over Quarn</translation>
    </message>
    <message>
        <source>a picture of letter tiles in the four seat colours</source>
        <translation>een afbeelding van lettertegels in de vier spelerskleuren</translation>
    </message>
    <message>
        <source>Version 1.1</source>
        <translation>Versie 1.1</translation>
    </message>
    <message>
        <source>Quarn is a collection of word games for people aged 10 years and older</source>
        <translation>Quarn is een verzameling woordspellen voor iedereen van 10 jaar en ouder</translation>
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
        <translation>Nakijken</translation>
    </message>
    <message>
        <source>Checking words</source>
        <translation>Woordcontrole</translation>
    </message>
</context>
<context>
    <name>quarn::ui::EnterNamesWindow</name>
    <message>
        <source>Enter names</source>
        <translation>Namen invullen</translation>
    </message>
    <message>
        <source>Pick the colour that you want by clicking on the coloured box and entering your name</source>
        <translation>Kies de kleur die je wilt door op het gekleurde vak te klikken en je naam in te typen</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rood</translation>
    </message>
    <message>
        <source>green</source>
        <translation>groen</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>blauw</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>geel</translation>
    </message>
    <message>
        <source>name of player %1, %2</source>
        <translation>naam van speler %1, %2</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Klaar</translation>
    </message>
</context>
<context>
    <name>quarn::ui::GameLengthWindow</name>
    <message>
        <source>Enter Length of Game</source>
        <translation>Speeltijd instellen</translation>
    </message>
    <message>
        <source>Enter the duration of the game by moving the slider below.  Click on Exit when the desired game length has been selected</source>
        <translation>Stel de speeltijd in met de schuifregelaar hieronder. Klik op Klaar als je de gewenste speeltijd hebt gekozen.</translation>
    </message>
    <message>
        <source>game length in minutes</source>
        <translation>speeltijd in minuten</translation>
    </message>
    <message>
        <source>Game Length</source>
        <translation>Speeltijd</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>uur</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minuten</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Klaar</translation>
    </message>
</context>
<context>
    <name>quarn::ui::GameScreenWindow</name>
    <message>
        <source>Game Screen</source>
        <translation>Speelscherm</translation>
    </message>
    <message>
        <source>Game Time Remaining</source>
        <translation>Resterende speeltijd</translation>
    </message>
    <message>
        <source>hours left</source>
        <translation>resterende uren</translation>
    </message>
    <message>
        <source>h</source>
        <extracomment>The unit after the hours of the game clock.</extracomment>
        <translation>u</translation>
    </message>
    <message>
        <source>minutes left</source>
        <translation>resterende minuten</translation>
    </message>
    <message>
        <source>m</source>
        <extracomment>The unit after the minutes of the game clock.</extracomment>
        <translation>m</translation>
    </message>
    <message>
        <source>seconds left</source>
        <translation>resterende seconden</translation>
    </message>
    <message>
        <source>s</source>
        <extracomment>The unit after the seconds of the game clock.</extracomment>
        <translation>s</translation>
    </message>
    <message>
        <source>round</source>
        <translation>ronde</translation>
    </message>
    <message>
        <source>The number of turns each player has had</source>
        <translation>Het aantal beurten dat elke speler al heeft gehad</translation>
    </message>
    <message>
        <source>game time remaining</source>
        <translation>resterende speeltijd</translation>
    </message>
    <message>
        <source>The scores shown above are the Highest scores after 4 rounds</source>
        <translation>Hierboven staan de topscores na 4 rondes</translation>
    </message>
    <message>
        <source>players and scores</source>
        <translation>spelers en scores</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Speler</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>player %1</source>
        <translation>speler %1</translation>
    </message>
    <message>
        <source>score of player %1</source>
        <translation>score van speler %1</translation>
    </message>
    <message>
        <source>Highest Scores</source>
        <translation>Topscores</translation>
    </message>
    <message>
        <source>Psn</source>
        <translation>Nr</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>game</source>
        <translation>spel</translation>
    </message>
    <message>
        <source>turn</source>
        <translation>beurt</translation>
    </message>
    <message>
        <source>Finished ! Check  Word(s)</source>
        <translation>Klaar! Woorden nakijken</translation>
    </message>
    <message>
        <source>counter heading</source>
        <translation>titel van de teller</translation>
    </message>
    <message>
        <source>counter</source>
        <translation>teller</translation>
    </message>
    <message>
        <source>Change Letter</source>
        <translation>Nieuwe letter</translation>
    </message>
    <message>
        <source>place %1</source>
        <translation>plaats %1</translation>
    </message>
    <message>
        <source>name in place %1</source>
        <translation>naam op plaats %1</translation>
    </message>
    <message>
        <source>score in place %1</source>
        <translation>score op plaats %1</translation>
    </message>
    <message>
        <source>date in place %1</source>
        <translation>datum op plaats %1</translation>
    </message>
</context>
<context>
    <name>quarn::ui::HelpWindow</name>
    <message>
        <source>Instructions</source>
        <translation>Uitleg</translation>
    </message>
    <message>
        <source>user guide</source>
        <translation>handleiding</translation>
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
        <translation>Kies een spel om te spelen. Het gekozen spel wordt geel gemarkeerd.</translation>
    </message>
    <message>
        <source>title box</source>
        <translation>titelvak</translation>
    </message>
    <message>
        <source>a picture of letter tiles spelling Word</source>
        <translation>een afbeelding van lettertegels die het woord Word vormen</translation>
    </message>
    <message>
        <source>Pick game to play</source>
        <translation>Kies een spel</translation>
    </message>
    <message>
        <source>Enter length of Game</source>
        <translation>Speeltijd instellen</translation>
    </message>
    <message>
        <source>Click here to enter the duration of the game</source>
        <translation>Klik hier om de speeltijd in te stellen</translation>
    </message>
    <message>
        <source>Enter Player Names</source>
        <translation>Spelersnamen invullen</translation>
    </message>
    <message>
        <source>Click here to enter up to 4 players names</source>
        <translation>Klik hier om de namen van maximaal 4 spelers in te vullen</translation>
    </message>
    <message>
        <source>Play Game</source>
        <translation>Spelen</translation>
    </message>
    <message>
        <source>Click here to start playing the game</source>
        <translation>Klik hier om het spel te beginnen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Taal</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Uitleg</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Over Quarn</translation>
    </message>
</context>
<context>
    <name>quarn::ui::NewHiscoreWindow</name>
    <message>
        <source>New high score</source>
        <translation>Nieuwe topscore</translation>
    </message>
    <message>
        <source>player</source>
        <translation>speler</translation>
    </message>
    <message>
        <source>After 4 rounds you have made it into the High Score Table with a score of:</source>
        <translation>Na 4 rondes sta je in de topscorelijst met een score van:</translation>
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
        <translation>Score</translation>
    </message>
    <message>
        <source>You Scored</source>
        <translation>Je scoorde</translation>
    </message>
    <message>
        <source>points</source>
        <translation>punten</translation>
    </message>
    <message>
        <source>Pts</source>
        <translation>ptn</translation>
    </message>
    <message>
        <source>words found</source>
        <translation>gevonden woorden</translation>
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
        <translation>Welkom bij Quarn</translation>
    </message>
    <message>
        <source>Quarn is a collection of four word games for one to four players, who take turns at the same computer: &lt;b&gt;Anagrams&lt;/b&gt;, &lt;b&gt;Crossword&lt;/b&gt;, &lt;b&gt;Mix 'N Match&lt;/b&gt; and &lt;b&gt;Pick 'N Mix&lt;/b&gt;. Every game is played on the same board of 65 letter cells, 13 across and 5 down. You change the board by clicking one cell and then a second cell: the two cells swap their letters. Words are read along the rows from left to right and down the columns from top to bottom, never backwards.</source>
        <translation>Quarn is een verzameling van vier woordspellen voor één tot vier spelers, die om de beurt aan dezelfde computer spelen: &lt;b&gt;Anagrams&lt;/b&gt;, &lt;b&gt;Crossword&lt;/b&gt;, &lt;b&gt;Mix 'N Match&lt;/b&gt; en &lt;b&gt;Pick 'N Mix&lt;/b&gt;. Elk spel wordt gespeeld op hetzelfde bord van 65 lettervakjes, 13 naast elkaar en 5 onder elkaar. Je verandert het bord door op een vakje te klikken en daarna op een tweede vakje: de letters van die twee vakjes worden dan verwisseld. Woorden lees je in de rijen van links naar rechts en in de kolommen van boven naar beneden, nooit achterstevoren.</translation>
    </message>
    <message>
        <source>Starting from the main menu</source>
        <translation>Beginnen in het hoofdmenu</translation>
    </message>
    <message>
        <source>The main menu shows the four games. Click the game you want to play; it turns yellow. Then set the length of the game, enter the players' names and press &lt;b&gt;Play Game&lt;/b&gt;. If something is missing, Quarn tells you what it is. After every game you choose the game and its length again; the names stay.</source>
        <translation>In het hoofdmenu staan de vier spellen. Klik op het spel dat je wilt spelen; het wordt geel. Stel daarna de speeltijd in, vul de namen van de spelers in en druk op &lt;b&gt;Spelen&lt;/b&gt;. Als er iets ontbreekt, vertelt Quarn je wat. Na elk spel kies je opnieuw het spel en de speeltijd; de namen blijven staan.</translation>
    </message>
    <message>
        <source>Setting the length of the game</source>
        <translation>De speeltijd instellen</translation>
    </message>
    <message>
        <source>Press &lt;b&gt;Enter length of Game&lt;/b&gt; and move the slider to any whole number of minutes from 2 to 180 (three hours). The hours and minutes are shown under the slider. Press &lt;b&gt;Exit&lt;/b&gt; to keep that length and go back to the main menu.</source>
        <translation>Druk op &lt;b&gt;Speeltijd instellen&lt;/b&gt; en zet de schuifregelaar op een aantal hele minuten, van 2 tot en met 180 (drie uur). Onder de schuifregelaar zie je hoeveel uur en minuten dat is. Druk op &lt;b&gt;Klaar&lt;/b&gt; om die speeltijd te bewaren en terug te gaan naar het hoofdmenu.</translation>
    </message>
    <message>
        <source>The game clock counts down the whole game. Each player's turn has its own counter as well:</source>
        <translation>De speelklok telt de hele speeltijd af. Daarnaast heeft elke beurt van een speler een eigen teller:</translation>
    </message>
    <message>
        <source>&lt;b&gt;Anagrams&lt;/b&gt;: the turn lasts until you solve the word or your 1000 points have run down, one point every 51 thousandths of a second, which takes about 51 seconds.</source>
        <translation>&lt;b&gt;Anagrams&lt;/b&gt;: de beurt duurt tot je het woord hebt opgelost of tot je 1000 punten helemaal zijn afgeteld. Er gaat elke 51 duizendsten van een seconde één punt af, dus dat duurt ongeveer 51 seconden.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Crossword&lt;/b&gt;: 2 minutes.</source>
        <translation>&lt;b&gt;Crossword&lt;/b&gt;: 2 minuten.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Mix 'N Match&lt;/b&gt;: 3 minutes, or less if you press &lt;b&gt;Finished ! Check Word(s)&lt;/b&gt;.</source>
        <translation>&lt;b&gt;Mix 'N Match&lt;/b&gt;: 3 minuten, of korter als je op &lt;b&gt;Klaar! Woorden nakijken&lt;/b&gt; drukt.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Pick 'N Mix&lt;/b&gt;: 3 minutes.</source>
        <translation>&lt;b&gt;Pick 'N Mix&lt;/b&gt;: 3 minuten.</translation>
    </message>
    <message>
        <source>Entering the players' names</source>
        <translation>De namen van de spelers invullen</translation>
    </message>
    <message>
        <source>Press &lt;b&gt;Enter Player Names&lt;/b&gt;. Each of the four coloured boxes is one player's seat; the colour is that player's colour on the game screen. Click a box and type your name. For fewer than four players, leave the other boxes empty: empty seats are simply passed over. Press &lt;b&gt;Exit&lt;/b&gt; to go back to the main menu.</source>
        <translation>Druk op &lt;b&gt;Spelersnamen invullen&lt;/b&gt;. Elk van de vier gekleurde vakken is de plek van één speler; die kleur is ook de kleur van die speler op het speelscherm. Klik op een vak en typ je naam. Speel je met minder dan vier spelers, laat de andere vakken dan leeg: lege plekken worden gewoon overgeslagen. Druk op &lt;b&gt;Klaar&lt;/b&gt; om terug te gaan naar het hoofdmenu.</translation>
    </message>
    <message>
        <source>Playing and leaving a game</source>
        <translation>Een spel spelen en verlaten</translation>
    </message>
    <message>
        <source>Press &lt;b&gt;Play Game&lt;/b&gt;. The game screen shows the game clock, the round, each player's name and score, and the best scores of the game. Before each turn Quarn asks whether the player is ready; click OK to start your turn. After a checked turn the points are shown: click &lt;b&gt;OK&lt;/b&gt; and watch them count onto your score.</source>
        <translation>Druk op &lt;b&gt;Spelen&lt;/b&gt;. Op het speelscherm zie je de speelklok, de ronde, de naam en de score van elke speler en de topscores van het spel. Voor elke beurt vraagt Quarn of de speler klaar is; klik op OK om je beurt te beginnen. Na een nagekeken beurt zie je de punten: klik op &lt;b&gt;OK&lt;/b&gt; en kijk hoe ze bij je score worden opgeteld.</translation>
    </message>
    <message>
        <source>To leave a game early, press the red &lt;b&gt;Exit&lt;/b&gt; button at the top right and answer Yes. There is no winner for a game that was left.</source>
        <translation>Wil je een spel verlaten voordat het is afgelopen, druk dan op de rode knop &lt;b&gt;Stop&lt;/b&gt; rechtsboven en antwoord met Ja. Een spel dat zo wordt verlaten, heeft geen winnaar.</translation>
    </message>
    <message>
        <source>Playing with the keyboard</source>
        <translation>Spelen met het toetsenbord</translation>
    </message>
    <message>
        <source>Everything can be done without a mouse. In every window &lt;b&gt;Tab&lt;/b&gt; and &lt;b&gt;Shift+Tab&lt;/b&gt; go from one control to the next, and &lt;b&gt;Space&lt;/b&gt;, &lt;b&gt;Return&lt;/b&gt; or &lt;b&gt;Enter&lt;/b&gt; presses the button that has the focus. &lt;b&gt;Return&lt;/b&gt; answers every message and every turn result (&lt;b&gt;Esc&lt;/b&gt; answers a result too). A key held down repeats only in the window where you pressed it, and &lt;b&gt;Return&lt;/b&gt;, &lt;b&gt;Enter&lt;/b&gt; and &lt;b&gt;Esc&lt;/b&gt; count once each time you press them. &lt;b&gt;Alt+F&lt;/b&gt; and &lt;b&gt;Alt+H&lt;/b&gt; open the File and Help menus. In the main menu &lt;b&gt;F1&lt;/b&gt; opens these instructions (&lt;b&gt;Esc&lt;/b&gt; closes them again). &lt;b&gt;Ctrl+Q&lt;/b&gt; is File &amp;gt; Exit in the main menu, in the windows for the names and the game length, in About and in these instructions, but never during a game. Type the names straight into the coloured boxes: &lt;b&gt;Return&lt;/b&gt; takes you to the next box, and after the fourth it presses &lt;b&gt;Exit&lt;/b&gt;. Move the game length slider with the arrow keys and press &lt;b&gt;Return&lt;/b&gt; to keep that length.</source>
        <translation>Alles kan ook zonder muis. In elk venster ga je met &lt;b&gt;Tab&lt;/b&gt; en &lt;b&gt;Shift+Tab&lt;/b&gt; van het ene onderdeel naar het volgende, en met &lt;b&gt;Spatie&lt;/b&gt;, &lt;b&gt;Return&lt;/b&gt; of &lt;b&gt;Enter&lt;/b&gt; druk je op de knop die de focus heeft. Met &lt;b&gt;Return&lt;/b&gt; beantwoord je elk bericht en sluit je elke uitslag van een beurt (een uitslag kun je ook met &lt;b&gt;Esc&lt;/b&gt; sluiten). Een toets die je ingedrukt houdt, wordt alleen herhaald in het venster waarin je hem hebt ingedrukt, en &lt;b&gt;Return&lt;/b&gt;, &lt;b&gt;Enter&lt;/b&gt; en &lt;b&gt;Esc&lt;/b&gt; tellen elke keer dat je erop drukt maar één keer. Met &lt;b&gt;Alt+B&lt;/b&gt; en &lt;b&gt;Alt+H&lt;/b&gt; open je de menu's Bestand en Help. In het hoofdmenu opent &lt;b&gt;F1&lt;/b&gt; deze uitleg (met &lt;b&gt;Esc&lt;/b&gt; sluit je hem weer). &lt;b&gt;Ctrl+Q&lt;/b&gt; werkt als Bestand &amp;gt; Afsluiten in het hoofdmenu, in de vensters voor de namen en de speeltijd, in Over Quarn en in deze uitleg, maar nooit tijdens een spel. Typ de namen meteen in de gekleurde vakken: met &lt;b&gt;Return&lt;/b&gt; ga je naar het volgende vak, en na het vierde vak drukt die toets op &lt;b&gt;Klaar&lt;/b&gt;. Verschuif de schuifregelaar voor de speeltijd met de pijltjestoetsen en druk op &lt;b&gt;Return&lt;/b&gt; om die speeltijd te bewaren.</translation>
    </message>
    <message>
        <source>The focus always goes where you play next: to the board when your turn starts and after each result, to the button that opened the names or game length window when you close it, and to the first game after a game.</source>
        <translation>De focus gaat altijd naar de plek waar je daarna verder speelt: naar het bord als je beurt begint en na elke uitslag, naar de knop waarmee je het venster voor de namen of de speeltijd hebt geopend als je dat venster sluit, en na afloop van een spel naar het eerste spel in het hoofdmenu.</translation>
    </message>
    <message>
        <source>On the game screen the board is one stop of the Tab order, between &lt;b&gt;Exit&lt;/b&gt; and the buttons below the board. The &lt;b&gt;arrow keys&lt;/b&gt; always work the board, wherever the focus is: the first arrow key of a turn shows a thick blue cursor round the top-left cell, and each further key moves it one cell. Off one edge of the board it comes back in at the other. &lt;b&gt;Space&lt;/b&gt;, &lt;b&gt;Return&lt;/b&gt; or &lt;b&gt;Enter&lt;/b&gt; then picks the cell under the cursor, exactly like a click on it. Press &lt;b&gt;Tab&lt;/b&gt; to go on to &lt;b&gt;Finished ! Check Word(s)&lt;/b&gt; or &lt;b&gt;Change Letter&lt;/b&gt; and &lt;b&gt;Space&lt;/b&gt; or &lt;b&gt;Return&lt;/b&gt; to press it; an arrow key brings you back to the board. The cursor is hidden again at the end of every turn and whenever you click a cell with the mouse.</source>
        <translation>Op het speelscherm is het bord één stap in de Tab-volgorde, tussen &lt;b&gt;Stop&lt;/b&gt; en de knoppen onder het bord. De &lt;b&gt;pijltjestoetsen&lt;/b&gt; werken altijd op het bord, waar de focus ook is: bij de eerste pijltjestoets van een beurt verschijnt een dikke blauwe cursor rond het vakje linksboven, en elke volgende pijltjestoets verplaatst hem één vakje. Ga je over de rand van het bord, dan komt hij aan de andere kant weer tevoorschijn. Met &lt;b&gt;Spatie&lt;/b&gt;, &lt;b&gt;Return&lt;/b&gt; of &lt;b&gt;Enter&lt;/b&gt; kies je daarna het vakje onder de cursor, precies alsof je erop klikt. Druk op &lt;b&gt;Tab&lt;/b&gt; om naar &lt;b&gt;Klaar! Woorden nakijken&lt;/b&gt; of &lt;b&gt;Nieuwe letter&lt;/b&gt; te gaan en op &lt;b&gt;Spatie&lt;/b&gt; of &lt;b&gt;Return&lt;/b&gt; om die knop in te drukken; met een pijltjestoets ben je weer terug op het bord. De cursor verdwijnt weer aan het eind van elke beurt en zodra je met de muis op een vakje klikt.</translation>
    </message>
    <message>
        <source>The high-score tables</source>
        <translation>De topscorelijsten</translation>
    </message>
    <message>
        <source>Each game keeps its own table of the ten best scores. The scores are taken after every player has had four turns, that is at the end of round 4: every player whose score beats the lowest score in the table goes into it, with the date. A score that only equals the lowest does not. A game that ends before the end of round 4 enters no score; a longer game enters them once, after round 4.</source>
        <translation>Elk spel heeft een eigen lijst met de tien beste scores. De scores worden genoteerd als elke speler vier beurten heeft gehad, dus aan het eind van ronde 4: elke speler met een score die hoger is dan de laagste score in de lijst, komt erin, met de datum erbij. Een score die alleen gelijk is aan de laagste, komt er niet in. Een spel dat vóór het eind van ronde 4 afloopt, zet geen score in de lijst; een langer spel zet de scores er één keer in, na ronde 4.</translation>
    </message>
    <message>
        <source>When the game ends</source>
        <translation>Als het spel afloopt</translation>
    </message>
    <message>
        <source>When the game clock has run out, the round that is being played is finished, so every player has had the same number of turns. Then the winner, the player with the highest score, is announced, followed by GAME OVER.</source>
        <translation>Als de speeltijd om is, wordt de ronde die bezig is nog uitgespeeld, zodat elke speler even vaak aan de beurt is geweest. Daarna wordt de winnaar bekendgemaakt, de speler met de hoogste score, en volgt SPEL AFGELOPEN.</translation>
    </message>
    <message>
        <source>Anagrams</source>
        <translation>Anagrams</translation>
    </message>
    <message>
        <source>The letters of a word stand mixed up in the top row. Swap them until the whole word reads correctly along a row or down a column, then press &lt;b&gt;Finished ! Check Word(s)&lt;/b&gt;. Any word that uses all the letters is accepted. You score the points that are still left on the counter when you press the button. If you make a shorter word, Quarn says "Don't Cheat - You must use all the letters" and the counter keeps running. If the counter runs out you score nothing.</source>
        <translation>De letters van een woord staan door elkaar in de bovenste rij. Verwissel ze tot het hele woord in de goede volgorde in een rij of in een kolom staat, en druk dan op &lt;b&gt;Klaar! Woorden nakijken&lt;/b&gt;. Elk woord dat alle letters gebruikt, wordt goedgekeurd. Je krijgt de punten die nog op de teller staan op het moment dat je op de knop drukt. Maak je een korter woord, dan zegt Quarn "Niet vals spelen! Je moet alle letters gebruiken" en loopt de teller gewoon door. Loopt de teller helemaal af, dan krijg je niets.</translation>
    </message>
    <message>
        <source>Crossword</source>
        <translation>Crossword</translation>
    </message>
    <message>
        <source>You get a set of letters in the top row and two minutes to build as many words as you can, across or down, crossing each other if you like. Every whole run of letters that is a word scores 50 points; words hidden inside a longer run do not count, and a run that is not a word scores nothing. Press &lt;b&gt;Finished ! Check Word(s)&lt;/b&gt; to have your words checked early; when the time runs out the board is checked anyway.</source>
        <translation>Je krijgt een aantal letters in de bovenste rij en twee minuten om er zoveel mogelijk woorden mee te maken, horizontaal of verticaal, en als je wilt, mogen ze elkaar kruisen. Elke volledige reeks aaneengesloten letters die een woord vormt, levert 50 punten op; woorden die in een langere reeks verstopt zitten, tellen niet mee, en een reeks die geen woord is, levert niets op. Druk op &lt;b&gt;Klaar! Woorden nakijken&lt;/b&gt; om je woorden eerder te laten nakijken; als de tijd om is, wordt het bord hoe dan ook nagekeken.</translation>
    </message>
    <message>
        <source>Mix 'N Match</source>
        <translation>Mix 'N Match</translation>
    </message>
    <message>
        <source>The whole board is filled with random letters. Swap them to lay out words and mark the letters of your words white: the second cell of every swap changes between grey and white, so clicking the same cell twice marks or unmarks it. Only white cells count. When the 3 minutes are up, or when you press &lt;b&gt;Finished ! Check Word(s)&lt;/b&gt;, every word found inside a white run across or down scores 50 points for each of its letters, words inside words included: a white run "some" scores "so", "some" and "me".</source>
        <translation>Het hele bord staat vol willekeurige letters. Verwissel ze om woorden te leggen, en maak de letters van je woorden wit: het tweede vakje van elke wissel springt van grijs naar wit of van wit naar grijs, dus door twee keer op hetzelfde vakje te klikken maak je het wit of weer grijs. Alleen witte vakjes tellen mee. Als de 3 minuten om zijn, of als je op &lt;b&gt;Klaar! Woorden nakijken&lt;/b&gt; drukt, levert elk woord dat horizontaal of verticaal in een witte reeks staat 50 punten per letter op, ook woorden in woorden: een witte reeks "wind" levert "win", "wind" en "in" op.</translation>
    </message>
    <message>
        <source>Pick 'N Mix</source>
        <translation>Pick 'N Mix</translation>
    </message>
    <message>
        <source>The board starts empty with one letter in the top-left cell. Click it, then click the cell where you want it: the letter lands there, turns white and cannot be moved again, and a new letter appears in the top-left cell. If you do not like the letter, press &lt;b&gt;Change Letter&lt;/b&gt; as often as you like. After 3 minutes the white letters are scored like Mix 'N Match: 50 points for every letter of every word found across or down, words inside words included.</source>
        <translation>Het bord is aan het begin leeg, op één letter in het vakje linksboven na. Klik op die letter en daarna op het vakje waar je hem wilt hebben: de letter komt daar te staan, wordt wit en kan niet meer worden verplaatst, en in het vakje linksboven verschijnt een nieuwe letter. Bevalt de letter je niet, druk dan zo vaak je wilt op &lt;b&gt;Nieuwe letter&lt;/b&gt;. Na 3 minuten worden de witte letters geteld zoals bij Mix 'N Match: 50 punten voor elke letter van elk woord dat horizontaal of verticaal wordt gevonden, ook woorden in woorden.</translation>
    </message>
    <message>
        <source>Playing in another language</source>
        <translation>Spelen in een andere taal</translation>
    </message>
    <message>
        <source>When word packs are installed, the main menu has a &lt;b&gt;Language&lt;/b&gt; menu: English first, then every other language by its own name. Choose one, and from then on the dictionary, the words to unscramble and the letters on the board are that language's, until you choose another; Quarn remembers your choice for the next time. Each language keeps its own high-score tables. While a game is being played the menu is greyed out.</source>
        <translation>Als er woordpakketten zijn geïnstalleerd, heeft het hoofdmenu een menu &lt;b&gt;Taal&lt;/b&gt;: eerst English (Engels), daarna elke andere taal met haar eigen naam. Kies er een, en vanaf dan zijn het woordenboek, de woorden om te ontwarren en de letters op het bord van die taal, tot je een andere taal kiest; Quarn onthoudt je keuze voor de volgende keer. Elke taal heeft haar eigen topscorelijsten. Zolang er een spel bezig is, is het menu grijs en kun je het niet gebruiken.</translation>
    </message>
    <message>
        <source>Playing with a screen reader</source>
        <translation>Spelen met een schermlezer</translation>
    </message>
    <message>
        <source>Quarn can be played without seeing the screen, by keys alone, with a screen reader such as Orca, the one that comes with the desktop. Start the screen reader first, then Quarn. The menus, buttons, boxes and messages are read as you reach them.</source>
        <translation>Je kunt Quarn spelen zonder het scherm te zien, alleen met toetsen, met een schermlezer zoals Orca, de schermlezer die bij het bureaublad wordt meegeleverd. Start eerst de schermlezer en daarna Quarn. De menu's, knoppen, vakken en berichten worden voorgelezen zodra je erbij komt.</translation>
    </message>
    <message>
        <source>When your turn starts the reader says whose turn it is, and the keyboard is on the board. The first arrow key reads the top-left cell; every further arrow key reads the cell the cursor moves onto: first its letter (or "empty"), then its row and column, then "white" for a cell of the word area of Mix 'N Match and Pick 'N Mix, and "picked" for a cell you have picked. After each pick and each swap the cell under the cursor is read again as it is now. In Pick 'N Mix a letter that is already placed cannot be picked: that cell is read again with "placed".</source>
        <translation>Als je beurt begint, zegt de schermlezer wie er aan de beurt is, en werkt het toetsenbord op het bord. Bij de eerste pijltjestoets hoor je het vakje linksboven; bij elke volgende pijltjestoets hoor je het vakje waar de cursor naartoe gaat: eerst de letter (of "leeg"), dan de rij en de kolom, dan "wit" voor een vakje van het woordgebied bij Mix 'N Match en Pick 'N Mix, en "gekozen" voor een vakje dat je hebt gekozen. Na elke keuze en elke wissel wordt het vakje onder de cursor opnieuw voorgelezen zoals het nu is. Bij Pick 'N Mix kan een letter die al geplaatst is niet worden gekozen: dat vakje wordt dan opnieuw voorgelezen met "geplaatst".</translation>
    </message>
    <message>
        <source>The counter of the turn is not read as it counts down, but "Time Up !" is. Press &lt;b&gt;F2&lt;/b&gt; at any time during a game to hear where it stands: the counter under its heading (the points still to be won in Anagrams, the seconds left in the other games), the game time left, and the score of every player. Orca leaves &lt;b&gt;F2&lt;/b&gt; to Quarn in both its desktop and its laptop keyboard layout.</source>
        <translation>De teller van de beurt wordt niet voorgelezen terwijl hij aftelt, maar "De tijd is om!" wel. Druk tijdens een spel op elk moment op &lt;b&gt;F2&lt;/b&gt; om te horen hoe het ervoor staat: de teller met de titel erboven (bij Anagrams de punten die je nog kunt winnen, bij de andere spellen de seconden die nog over zijn), de resterende speeltijd en de score van elke speler. Orca laat &lt;b&gt;F2&lt;/b&gt; aan Quarn over, zowel in de toetsenbordindeling voor desktops als in die voor laptops.</translation>
    </message>
    <message>
        <source>The turn result is read as it opens, the points first, then in Crossword the words that were found; &lt;b&gt;Return&lt;/b&gt; answers it. Once the points have counted up, your new score is read, at the latest as the next turn starts. A new high score and the winner are read as they appear; the reading goes on after the window has closed itself.</source>
        <translation>De uitslag van de beurt wordt voorgelezen zodra het venster opengaat: eerst de punten, en bij Crossword daarna de gevonden woorden; met &lt;b&gt;Return&lt;/b&gt; sluit je de uitslag. Als de punten zijn opgeteld, wordt je nieuwe score voorgelezen, uiterlijk als de volgende beurt begint. Een nieuwe topscore en de winnaar worden voorgelezen zodra ze verschijnen; het voorlezen gaat door, ook als het venster zichzelf al heeft gesloten.</translation>
    </message>
</context>
<context>
    <name>quarn::ui::WinnerWindow</name>
    <message>
        <source>The Winner is</source>
        <translation>De winnaar is</translation>
    </message>
    <message>
        <source>winner</source>
        <translation>winnaar</translation>
    </message>
    <message>
        <source>With a score of</source>
        <translation>Met een score van</translation>
    </message>
    <message>
        <source>winning score</source>
        <translation>winnende score</translation>
    </message>
    <message>
        <source>Winner</source>
        <translation>Winnaar</translation>
    </message>
</context>
</TS>
