<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv_SE">
<context>
    <name>quarn</name>
    <message>
        <source>cannot follow the file&apos;s links: %1</source>
        <translation>kan inte följa filens länkar: %1</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>filen är skrivskyddad</translation>
    </message>
    <message>
        <source>the folder is read-only</source>
        <translation>mappen är skrivskyddad</translation>
    </message>
    <message>
        <source>cannot create a new copy in the folder: %1</source>
        <translation>kan inte skapa en ny kopia i mappen: %1</translation>
    </message>
    <message>
        <source>cannot keep the file&apos;s permissions: %1</source>
        <translation>kan inte behålla filens behörigheter: %1</translation>
    </message>
    <message>
        <source>cannot write: %1</source>
        <translation>kan inte skriva: %1</translation>
    </message>
    <message>
        <source>cannot flush: %1</source>
        <translation>kan inte tömma skrivbufferten: %1</translation>
    </message>
    <message>
        <source>cannot close: %1</source>
        <translation>kan inte stänga: %1</translation>
    </message>
    <message>
        <source>cannot replace: %1</source>
        <translation>kan inte ersätta: %1</translation>
    </message>
    <message>
        <source>Are you sure you want to Quit</source>
        <translation>Är du säker på att du vill sluta?</translation>
    </message>
    <message>
        <source>The high scores could not be saved to %1 (%2). The file keeps its old table.</source>
        <translation>Toppresultaten kunde inte sparas i %1 (%2). Filen behåller sin gamla topplista.</translation>
    </message>
    <message>
        <source>Well Done %1</source>
        <translation>Bra jobbat, %1</translation>
    </message>
    <message>
        <source>%1&apos;s turn</source>
        <translation>Din tur, %1</translation>
    </message>
    <message>
        <source>Are you ready %1</source>
        <translation>Är du redo, %1?</translation>
    </message>
    <message>
        <source>GAME OVER</source>
        <translation>SPELET ÄR SLUT</translation>
    </message>
    <message>
        <source>Round %1</source>
        <translation>Runda %1</translation>
    </message>
    <message>
        <source>Time Up !</source>
        <translation>Tiden är ute!</translation>
    </message>
    <message>
        <source>Don&apos;t Cheat - You must use all the letters</source>
        <translation>Fuska inte! Du måste använda alla bokstäverna</translation>
    </message>
    <message>
        <source>Out of time</source>
        <translation>Tiden tog slut</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Poäng</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tid</translation>
    </message>
    <message>
        <source>The used-word record could not be saved to %1 (%2). The file keeps its old marks.</source>
        <translation>Listan över använda ord kunde inte sparas i %1 (%2). Filen behåller sina gamla markeringar.</translation>
    </message>
    <message>
        <source>cannot make the folder %1: %2</source>
        <translation>kan inte skapa mappen %1: %2</translation>
    </message>
    <message>
        <source>cannot copy %1 into %2: %3</source>
        <translation>kan inte kopiera %1 till %2: %3</translation>
    </message>
    <message>
        <source>The file %1 is missing from the folder %2. Quarn cannot go on without it.</source>
        <translation>Filen %1 saknas i mappen %2. Quarn kan inte fortsätta utan den.</translation>
    </message>
    <message>
        <source>The word list %1 holds no entry that can be drawn, so %2 cannot be played.</source>
        <translation>Ordlistan %1 innehåller inget ord som kan lottas fram, så %2 kan inte spelas.</translation>
    </message>
    <message>
        <source>the file dictionary.dic is missing from the folder %1</source>
        <translation>filen dictionary.dic saknas i mappen %1</translation>
    </message>
    <message>
        <source>the file dictionary.dic in the folder %1 holds no words before its end marker 999</source>
        <translation>filen dictionary.dic i mappen %1 innehåller inga ord före slutmarkeringen 999</translation>
    </message>
    <message>
        <source>The words of %1 cannot be played: %2. Quarn plays in English.</source>
        <translation>Orden på %1 kan inte användas: %2. Quarn använder engelska i stället.</translation>
    </message>
    <message>
        <source>The file dictionary.dic in the folder %1 holds no words before its end marker 999, so no word could ever be found.</source>
        <translation>Filen dictionary.dic i mappen %1 innehåller inga ord före slutmarkeringen 999, så inget ord skulle någonsin kunna hittas.</translation>
    </message>
    <message>
        <source>The words of %1 cannot be played: %2.</source>
        <translation>Orden på %1 kan inte användas: %2.</translation>
    </message>
    <message>
        <source>The choice of %1 could not be saved to %2 (%3). Quarn will start in the language chosen before.</source>
        <translation>Valet av %1 kunde inte sparas i %2 (%3). Quarn startar med det språk som var valt tidigare.</translation>
    </message>
    <message>
        <source>You haven&apos;t selected the game you want to play</source>
        <translation>Du har inte valt vilket spel du vill spela</translation>
    </message>
    <message>
        <source>You haven&apos;t selected the game time</source>
        <translation>Du har inte valt speltid</translation>
    </message>
    <message>
        <source>You haven&apos;t entered any players names</source>
        <translation>Du har inte skrivit in några spelarnamn</translation>
    </message>
    <message>
        <source>Round 1</source>
        <translation>Runda 1</translation>
    </message>
    <message>
        <source>letter board</source>
        <translation>spelplan</translation>
    </message>
    <message>
        <source>arrow keys move, Space picks</source>
        <translation>piltangenterna flyttar, mellanslag väljer</translation>
    </message>
    <message>
        <source>%1: a new high score of %2</source>
        <extracomment>Read out as the new high score shows: %1 is &quot;Well Done&quot; and the name.</extracomment>
        <translation>%1: ett nytt toppresultat på %2 poäng</translation>
    </message>
    <message>
        <source>The winner is %1 with a score of %2</source>
        <extracomment>Read out as the winner shows: %1 is the winner&apos;s name.</extracomment>
        <translation>Vinnaren är %1 med %2 poäng</translation>
    </message>
    <message>
        <source>%1, row %2 column %3</source>
        <extracomment>A cell of the board: %1 is its letter, or the word for an empty cell.</extracomment>
        <translation>%1, rad %2 kolumn %3</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>tom</translation>
    </message>
    <message>
        <source>%1, white</source>
        <extracomment>A cell that belongs to the word area of the grid games.</extracomment>
        <translation>%1, vit</translation>
    </message>
    <message>
        <source>%1, picked</source>
        <extracomment>A cell picked, waiting for the second cell of a swap.</extracomment>
        <translation>%1, vald</translation>
    </message>
    <message>
        <source>%1, placed</source>
        <extracomment>A cell whose letter is placed for good: the game refused to pick it.</extracomment>
        <translation>%1, placerad</translation>
    </message>
    <message>
        <source>%1, score %2.</source>
        <translation>%1, %2 poäng.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>The status key: the turn&apos;s counter under its heading (&quot;Score: 985&quot;, &quot;Time: 95&quot;).</extracomment>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>The game time has run out.</source>
        <translation>Speltiden är slut.</translation>
    </message>
    <message>
        <source>Game time left: %1:%2:%3.</source>
        <translation>Speltid kvar: %1:%2:%3.</translation>
    </message>
    <message>
        <source>Game time left: %1:%2.</source>
        <translation>Speltid kvar: %1:%2.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>What a screen reader hears of a caption: what it is, and what it says.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>You Scored %1 Pts</source>
        <translation>Du fick %1 poäng</translation>
    </message>
    <message>
        <source>Words found: %1</source>
        <translation>Hittade ord: %1</translation>
    </message>
</context>
<context>
    <name>quarn::ui</name>
    <message>
        <source>separator</source>
        <translation>avgränsare</translation>
    </message>
    <message>
        <source>Quarn has met an unexpected error and must close.

%1</source>
        <translation>Quarn har stött på ett oväntat fel och måste avslutas.

%1</translation>
    </message>
    <message>
        <source>Quarn has met an unexpected error and must close.</source>
        <translation>Quarn har stött på ett oväntat fel och måste avslutas.</translation>
    </message>
    <message>
        <source>border</source>
        <translation>ram</translation>
    </message>
    <message>
        <source>shadow</source>
        <translation>skugga</translation>
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
        <translation>en bild av bokstavsbrickor i spelarnas fyra färger</translation>
    </message>
    <message>
        <source>Version 1.1</source>
        <translation>Version 1.1</translation>
    </message>
    <message>
        <source>Quarn is a collection of word games for people aged 10 years and older</source>
        <translation>Quarn är en samling ordspel för alla från 10 år och uppåt</translation>
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
        <translation>Kontroll</translation>
    </message>
    <message>
        <source>Checking words</source>
        <translation>Kollar orden</translation>
    </message>
</context>
<context>
    <name>quarn::ui::EnterNamesWindow</name>
    <message>
        <source>Enter names</source>
        <translation>Skriv in namn</translation>
    </message>
    <message>
        <source>Pick the colour that you want by clicking on the coloured box and entering your name</source>
        <translation>Klicka i ett färgat fält för att välja din färg och skriv ditt namn</translation>
    </message>
    <message>
        <source>red</source>
        <translation>röd</translation>
    </message>
    <message>
        <source>green</source>
        <translation>grön</translation>
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
        <translation>namn på spelare %1, %2</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Klar</translation>
    </message>
</context>
<context>
    <name>quarn::ui::GameLengthWindow</name>
    <message>
        <source>Enter Length of Game</source>
        <translation>Ställ in speltid</translation>
    </message>
    <message>
        <source>Enter the duration of the game by moving the slider below.  Click on Exit when the desired game length has been selected</source>
        <translation>Ställ in hur länge spelet ska pågå genom att flytta reglaget nedan. Klicka på Klar när du har valt speltid.</translation>
    </message>
    <message>
        <source>game length in minutes</source>
        <translation>speltid i minuter</translation>
    </message>
    <message>
        <source>Game Length</source>
        <translation>Speltid</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>tim</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>min</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Klar</translation>
    </message>
</context>
<context>
    <name>quarn::ui::GameScreenWindow</name>
    <message>
        <source>Game Screen</source>
        <translation>Spelfönster</translation>
    </message>
    <message>
        <source>Game Time Remaining</source>
        <translation>Speltid kvar</translation>
    </message>
    <message>
        <source>hours left</source>
        <translation>timmar kvar</translation>
    </message>
    <message>
        <source>h</source>
        <extracomment>The unit after the hours of the game clock.</extracomment>
        <translation>h</translation>
    </message>
    <message>
        <source>minutes left</source>
        <translation>minuter kvar</translation>
    </message>
    <message>
        <source>m</source>
        <extracomment>The unit after the minutes of the game clock.</extracomment>
        <translation>m</translation>
    </message>
    <message>
        <source>seconds left</source>
        <translation>sekunder kvar</translation>
    </message>
    <message>
        <source>s</source>
        <extracomment>The unit after the seconds of the game clock.</extracomment>
        <translation>s</translation>
    </message>
    <message>
        <source>round</source>
        <translation>runda</translation>
    </message>
    <message>
        <source>The number of turns each player has had</source>
        <translation>Hur många turer varje spelare har haft</translation>
    </message>
    <message>
        <source>game time remaining</source>
        <translation>speltid kvar</translation>
    </message>
    <message>
        <source>The scores shown above are the Highest scores after 4 rounds</source>
        <translation>Ovan visas de bästa resultaten efter 4 rundor</translation>
    </message>
    <message>
        <source>players and scores</source>
        <translation>spelare och poäng</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Spelare</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Poäng</translation>
    </message>
    <message>
        <source>player %1</source>
        <translation>spelare %1</translation>
    </message>
    <message>
        <source>score of player %1</source>
        <translation>poäng för spelare %1</translation>
    </message>
    <message>
        <source>Highest Scores</source>
        <translation>Topplista</translation>
    </message>
    <message>
        <source>Psn</source>
        <translation>Nr</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Namn</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sluta</translation>
    </message>
    <message>
        <source>game</source>
        <translation>spel</translation>
    </message>
    <message>
        <source>turn</source>
        <translation>tur</translation>
    </message>
    <message>
        <source>Finished ! Check  Word(s)</source>
        <translation>Klar! Kolla orden</translation>
    </message>
    <message>
        <source>counter heading</source>
        <translation>räknarens rubrik</translation>
    </message>
    <message>
        <source>counter</source>
        <translation>räknare</translation>
    </message>
    <message>
        <source>Change Letter</source>
        <translation>Byt bokstav</translation>
    </message>
    <message>
        <source>place %1</source>
        <translation>plats %1</translation>
    </message>
    <message>
        <source>name in place %1</source>
        <translation>namn på plats %1</translation>
    </message>
    <message>
        <source>score in place %1</source>
        <translation>poäng på plats %1</translation>
    </message>
    <message>
        <source>date in place %1</source>
        <translation>datum på plats %1</translation>
    </message>
</context>
<context>
    <name>quarn::ui::HelpWindow</name>
    <message>
        <source>Instructions</source>
        <translation>Instruktioner</translation>
    </message>
    <message>
        <source>user guide</source>
        <translation>instruktioner</translation>
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
        <translation>Välj ett spel att spela. Det valda spelet markeras med gult.</translation>
    </message>
    <message>
        <source>title box</source>
        <translation>titelruta</translation>
    </message>
    <message>
        <source>a picture of letter tiles spelling Word</source>
        <translation>en bild av bokstavsbrickor som bildar ordet Word</translation>
    </message>
    <message>
        <source>Pick game to play</source>
        <translation>Välj spel</translation>
    </message>
    <message>
        <source>Enter length of Game</source>
        <translation>Ställ in speltid</translation>
    </message>
    <message>
        <source>Click here to enter the duration of the game</source>
        <translation>Klicka här för att ställa in hur länge spelet ska pågå</translation>
    </message>
    <message>
        <source>Enter Player Names</source>
        <translation>Skriv in namn</translation>
    </message>
    <message>
        <source>Click here to enter up to 4 players names</source>
        <translation>Klicka här för att skriva in namnen på upp till 4 spelare</translation>
    </message>
    <message>
        <source>Play Game</source>
        <translation>Spela</translation>
    </message>
    <message>
        <source>Click here to start playing the game</source>
        <translation>Klicka här för att börja spela</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arkiv</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Avsluta</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Språk</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hjälp</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Instruktioner</translation>
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
        <translation>Nytt toppresultat</translation>
    </message>
    <message>
        <source>player</source>
        <translation>spelare</translation>
    </message>
    <message>
        <source>After 4 rounds you have made it into the High Score Table with a score of:</source>
        <translation>Efter 4 rundor har du tagit dig in på topplistan med poängen:</translation>
    </message>
    <message>
        <source>score</source>
        <translation>poäng</translation>
    </message>
</context>
<context>
    <name>quarn::ui::ShowScoreWindow</name>
    <message>
        <source>Score</source>
        <translation>Poäng</translation>
    </message>
    <message>
        <source>You Scored</source>
        <translation>Du fick</translation>
    </message>
    <message>
        <source>points</source>
        <translation>poäng</translation>
    </message>
    <message>
        <source>Pts</source>
        <translation>p</translation>
    </message>
    <message>
        <source>words found</source>
        <translation>hittade ord</translation>
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
        <translation>Välkommen till Quarn</translation>
    </message>
    <message>
        <source>Quarn is a collection of four word games for one to four players, who take turns at the same computer: &lt;b&gt;Anagrams&lt;/b&gt;, &lt;b&gt;Crossword&lt;/b&gt;, &lt;b&gt;Mix &apos;N Match&lt;/b&gt; and &lt;b&gt;Pick &apos;N Mix&lt;/b&gt;. Every game is played on the same board of 65 letter cells, 13 across and 5 down. You change the board by clicking one cell and then a second cell: the two cells swap their letters. Words are read along the rows from left to right and down the columns from top to bottom, never backwards.</source>
        <translation>Quarn är en samling med fyra ordspel för en till fyra spelare, som turas om vid samma dator: &lt;b&gt;Anagrams&lt;/b&gt;, &lt;b&gt;Crossword&lt;/b&gt;, &lt;b&gt;Mix &apos;N Match&lt;/b&gt; och &lt;b&gt;Pick &apos;N Mix&lt;/b&gt;. Alla spelen spelas på samma spelplan med 65 bokstavsrutor, 13 på bredden och 5 på höjden. Du ändrar spelplanen genom att klicka på en ruta och sedan på en ruta till: de två rutorna byter bokstäver med varandra. Orden läses längs raderna från vänster till höger och i kolumnerna uppifrån och ned, aldrig baklänges.</translation>
    </message>
    <message>
        <source>Starting from the main menu</source>
        <translation>Att börja i huvudmenyn</translation>
    </message>
    <message>
        <source>The main menu shows the four games. Click the game you want to play; it turns yellow. Then set the length of the game, enter the players&apos; names and press &lt;b&gt;Play Game&lt;/b&gt;. If something is missing, Quarn tells you what it is. After every game you choose the game and its length again; the names stay.</source>
        <translation>Huvudmenyn visar de fyra spelen. Klicka på det spel du vill spela; det blir gult. Ställ sedan in speltiden, skriv in spelarnas namn och tryck på &lt;b&gt;Spela&lt;/b&gt;. Om något saknas talar Quarn om vad det är. Efter varje spel väljer du spel och speltid på nytt; namnen finns kvar.</translation>
    </message>
    <message>
        <source>Setting the length of the game</source>
        <translation>Att ställa in speltiden</translation>
    </message>
    <message>
        <source>Press &lt;b&gt;Enter length of Game&lt;/b&gt; and move the slider to any whole number of minutes from 2 to 180 (three hours). The hours and minutes are shown under the slider. Press &lt;b&gt;Exit&lt;/b&gt; to keep that length and go back to the main menu.</source>
        <translation>Tryck på &lt;b&gt;Ställ in speltid&lt;/b&gt; och flytta reglaget till valfritt helt antal minuter från 2 till 180 (tre timmar). Timmarna och minuterna visas under reglaget. Tryck på &lt;b&gt;Klar&lt;/b&gt; för att behålla den speltiden och gå tillbaka till huvudmenyn.</translation>
    </message>
    <message>
        <source>The game clock counts down the whole game. Each player&apos;s turn has its own counter as well:</source>
        <translation>Spelklockan räknar ned under hela spelet. Varje spelares tur har dessutom en egen räknare:</translation>
    </message>
    <message>
        <source>&lt;b&gt;Anagrams&lt;/b&gt;: the turn lasts until you solve the word or your 1000 points have run down, one point every 51 thousandths of a second, which takes about 51 seconds.</source>
        <translation>&lt;b&gt;Anagrams&lt;/b&gt;: turen varar tills du har löst ordet eller tills dina 1000 poäng har räknats ned, en poäng var 51:a tusendels sekund, vilket tar ungefär 51 sekunder.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Crossword&lt;/b&gt;: 2 minutes.</source>
        <translation>&lt;b&gt;Crossword&lt;/b&gt;: 2 minuter.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Mix &apos;N Match&lt;/b&gt;: 3 minutes, or less if you press &lt;b&gt;Finished ! Check Word(s)&lt;/b&gt;.</source>
        <translation>&lt;b&gt;Mix &apos;N Match&lt;/b&gt;: 3 minuter, eller kortare om du trycker på &lt;b&gt;Klar! Kolla orden&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Pick &apos;N Mix&lt;/b&gt;: 3 minutes.</source>
        <translation>&lt;b&gt;Pick &apos;N Mix&lt;/b&gt;: 3 minuter.</translation>
    </message>
    <message>
        <source>Entering the players&apos; names</source>
        <translation>Att skriva in spelarnas namn</translation>
    </message>
    <message>
        <source>Press &lt;b&gt;Enter Player Names&lt;/b&gt;. Each of the four coloured boxes is one player&apos;s seat; the colour is that player&apos;s colour on the game screen. Click a box and type your name. For fewer than four players, leave the other boxes empty: empty seats are simply passed over. Press &lt;b&gt;Exit&lt;/b&gt; to go back to the main menu.</source>
        <translation>Tryck på &lt;b&gt;Skriv in namn&lt;/b&gt;. Vart och ett av de fyra färgade fälten är en spelares plats; färgen är den spelarens färg i spelfönstret. Klicka i ett fält och skriv ditt namn. Om ni är färre än fyra spelare lämnar ni de andra fälten tomma: tomma platser hoppas helt enkelt över. Tryck på &lt;b&gt;Klar&lt;/b&gt; för att gå tillbaka till huvudmenyn.</translation>
    </message>
    <message>
        <source>Playing and leaving a game</source>
        <translation>Att spela och lämna ett spel</translation>
    </message>
    <message>
        <source>Press &lt;b&gt;Play Game&lt;/b&gt;. The game screen shows the game clock, the round, each player&apos;s name and score, and the best scores of the game. Before each turn Quarn asks whether the player is ready; click OK to start your turn. After a checked turn the points are shown: click &lt;b&gt;OK&lt;/b&gt; and watch them count onto your score.</source>
        <translation>Tryck på &lt;b&gt;Spela&lt;/b&gt;. Spelfönstret visar spelklockan, vilken runda det är, varje spelares namn och poäng samt spelets bästa resultat. Före varje tur frågar Quarn om spelaren är redo; klicka på OK för att börja din tur. När en tur har kontrollerats visas poängen: klicka på &lt;b&gt;OK&lt;/b&gt; och se hur de räknas upp och läggs till dina poäng.</translation>
    </message>
    <message>
        <source>To leave a game early, press the red &lt;b&gt;Exit&lt;/b&gt; button at the top right and answer Yes. There is no winner for a game that was left.</source>
        <translation>Om du vill lämna ett spel i förtid trycker du på den röda knappen &lt;b&gt;Sluta&lt;/b&gt; uppe till höger och svarar Ja. Ett spel som avbryts får ingen vinnare.</translation>
    </message>
    <message>
        <source>Playing with the keyboard</source>
        <translation>Att spela med tangentbordet</translation>
    </message>
    <message>
        <source>Everything can be done without a mouse. In every window &lt;b&gt;Tab&lt;/b&gt; and &lt;b&gt;Shift+Tab&lt;/b&gt; go from one control to the next, and &lt;b&gt;Space&lt;/b&gt;, &lt;b&gt;Return&lt;/b&gt; or &lt;b&gt;Enter&lt;/b&gt; presses the button that has the focus. &lt;b&gt;Return&lt;/b&gt; answers every message and every turn result (&lt;b&gt;Esc&lt;/b&gt; answers a result too). A key held down repeats only in the window where you pressed it, and &lt;b&gt;Return&lt;/b&gt;, &lt;b&gt;Enter&lt;/b&gt; and &lt;b&gt;Esc&lt;/b&gt; count once each time you press them. &lt;b&gt;Alt+F&lt;/b&gt; and &lt;b&gt;Alt+H&lt;/b&gt; open the File and Help menus. In the main menu &lt;b&gt;F1&lt;/b&gt; opens these instructions (&lt;b&gt;Esc&lt;/b&gt; closes them again). &lt;b&gt;Ctrl+Q&lt;/b&gt; is File &amp;gt; Exit in the main menu, in the windows for the names and the game length, in About and in these instructions, but never during a game. Type the names straight into the coloured boxes: &lt;b&gt;Return&lt;/b&gt; takes you to the next box, and after the fourth it presses &lt;b&gt;Exit&lt;/b&gt;. Move the game length slider with the arrow keys and press &lt;b&gt;Return&lt;/b&gt; to keep that length.</source>
        <translation>Allt kan göras utan mus. I alla fönster går du med &lt;b&gt;Tab&lt;/b&gt; och &lt;b&gt;Shift+Tab&lt;/b&gt; från en kontroll till nästa, och &lt;b&gt;Mellanslag&lt;/b&gt;, &lt;b&gt;Retur&lt;/b&gt; eller &lt;b&gt;Enter&lt;/b&gt; trycker på den knapp som har fokus. &lt;b&gt;Retur&lt;/b&gt; besvarar alla meddelanden och alla turresultat (&lt;b&gt;Esc&lt;/b&gt; besvarar också ett resultat). En tangent som hålls nedtryckt upprepas bara i det fönster där du tryckte på den, och &lt;b&gt;Retur&lt;/b&gt;, &lt;b&gt;Enter&lt;/b&gt; och &lt;b&gt;Esc&lt;/b&gt; räknas en gång för varje gång du trycker på dem. &lt;b&gt;Alt+A&lt;/b&gt; och &lt;b&gt;Alt+H&lt;/b&gt; öppnar menyerna Arkiv och Hjälp. I huvudmenyn öppnar &lt;b&gt;F1&lt;/b&gt; de här instruktionerna (&lt;b&gt;Esc&lt;/b&gt; stänger dem igen). &lt;b&gt;Ctrl+Q&lt;/b&gt; gör samma sak som Arkiv &amp;gt; Avsluta i huvudmenyn, i fönstren för namnen och speltiden, i Om Quarn och i de här instruktionerna, men aldrig under ett spel. Skriv namnen direkt i de färgade fälten: &lt;b&gt;Retur&lt;/b&gt; tar dig till nästa fält, och efter det fjärde trycker den på &lt;b&gt;Klar&lt;/b&gt;. Flytta reglaget för speltiden med piltangenterna och tryck på &lt;b&gt;Retur&lt;/b&gt; för att behålla den speltiden.</translation>
    </message>
    <message>
        <source>The focus always goes where you play next: to the board when your turn starts and after each result, to the button that opened the names or game length window when you close it, and to the first game after a game.</source>
        <translation>Fokus hamnar alltid där du ska spela härnäst: på spelplanen när din tur börjar och efter varje resultat, på knappen som öppnade fönstret för namn eller speltid när du stänger det, och på det första spelet när ett spel är slut.</translation>
    </message>
    <message>
        <source>On the game screen the board is one stop of the Tab order, between &lt;b&gt;Exit&lt;/b&gt; and the buttons below the board. The &lt;b&gt;arrow keys&lt;/b&gt; always work the board, wherever the focus is: the first arrow key of a turn shows a thick blue cursor round the top-left cell, and each further key moves it one cell. Off one edge of the board it comes back in at the other. &lt;b&gt;Space&lt;/b&gt;, &lt;b&gt;Return&lt;/b&gt; or &lt;b&gt;Enter&lt;/b&gt; then picks the cell under the cursor, exactly like a click on it. Press &lt;b&gt;Tab&lt;/b&gt; to go on to &lt;b&gt;Finished ! Check Word(s)&lt;/b&gt; or &lt;b&gt;Change Letter&lt;/b&gt; and &lt;b&gt;Space&lt;/b&gt; or &lt;b&gt;Return&lt;/b&gt; to press it; an arrow key brings you back to the board. The cursor is hidden again at the end of every turn and whenever you click a cell with the mouse.</source>
        <translation>I spelfönstret är spelplanen ett stopp i tabbordningen, mellan &lt;b&gt;Sluta&lt;/b&gt; och knapparna under spelplanen. &lt;b&gt;Piltangenterna&lt;/b&gt; styr alltid spelplanen, var fokus än är: det första trycket på en piltangent under en tur visar en tjock blå markör runt rutan längst upp till vänster, och varje nytt tryck flyttar markören en ruta. Går den ut över en kant av spelplanen kommer den in igen vid motsatta kanten. &lt;b&gt;Mellanslag&lt;/b&gt;, &lt;b&gt;Retur&lt;/b&gt; eller &lt;b&gt;Enter&lt;/b&gt; väljer sedan rutan under markören, precis som ett klick på den. Tryck på &lt;b&gt;Tab&lt;/b&gt; för att gå vidare till &lt;b&gt;Klar! Kolla orden&lt;/b&gt; eller &lt;b&gt;Byt bokstav&lt;/b&gt; och på &lt;b&gt;Mellanslag&lt;/b&gt; eller &lt;b&gt;Retur&lt;/b&gt; för att trycka på knappen; en piltangent tar dig tillbaka till spelplanen. Markören döljs igen i slutet av varje tur och så fort du klickar på en ruta med musen.</translation>
    </message>
    <message>
        <source>The high-score tables</source>
        <translation>Topplistorna</translation>
    </message>
    <message>
        <source>Each game keeps its own table of the ten best scores. The scores are taken after every player has had four turns, that is at the end of round 4: every player whose score beats the lowest score in the table goes into it, with the date. A score that only equals the lowest does not. A game that ends before the end of round 4 enters no score; a longer game enters them once, after round 4.</source>
        <translation>Varje spel har sin egen topplista med de tio bästa resultaten. Resultaten noteras när alla spelare har haft fyra turer, alltså i slutet av runda 4: varje spelare vars poäng slår det lägsta resultatet på listan kommer in på den, med datum. Ett resultat som bara är lika med det lägsta kommer inte in. Ett spel som avslutas innan runda 4 är slut för inte in några resultat; ett längre spel för in dem en gång, efter runda 4.</translation>
    </message>
    <message>
        <source>When the game ends</source>
        <translation>När spelet tar slut</translation>
    </message>
    <message>
        <source>When the game clock has run out, the round that is being played is finished, so every player has had the same number of turns. Then the winner, the player with the highest score, is announced, followed by GAME OVER.</source>
        <translation>När speltiden har gått ut spelas den pågående rundan klart, så att alla spelare har haft lika många turer. Sedan utropas vinnaren, den spelare som har flest poäng, följt av SPELET ÄR SLUT.</translation>
    </message>
    <message>
        <source>Anagrams</source>
        <translation>Anagrams</translation>
    </message>
    <message>
        <source>The letters of a word stand mixed up in the top row. Swap them until the whole word reads correctly along a row or down a column, then press &lt;b&gt;Finished ! Check Word(s)&lt;/b&gt;. Any word that uses all the letters is accepted. You score the points that are still left on the counter when you press the button. If you make a shorter word, Quarn says &quot;Don&apos;t Cheat - You must use all the letters&quot; and the counter keeps running. If the counter runs out you score nothing.</source>
        <translation>Bokstäverna i ett ord står i oordning på den översta raden. Byt plats på dem tills hela ordet står rätt längs en rad eller nedåt i en kolumn, och tryck sedan på &lt;b&gt;Klar! Kolla orden&lt;/b&gt;. Alla ord som använder samtliga bokstäver godkänns. Du får de poäng som finns kvar på räknaren när du trycker på knappen. Om du bildar ett kortare ord säger Quarn ”Fuska inte! Du måste använda alla bokstäverna” och räknaren fortsätter att gå. Om räknaren hinner ta slut får du inga poäng.</translation>
    </message>
    <message>
        <source>Crossword</source>
        <translation>Crossword</translation>
    </message>
    <message>
        <source>You get a set of letters in the top row and two minutes to build as many words as you can, across or down, crossing each other if you like. Every whole run of letters that is a word scores 50 points; words hidden inside a longer run do not count, and a run that is not a word scores nothing. Press &lt;b&gt;Finished ! Check Word(s)&lt;/b&gt; to have your words checked early; when the time runs out the board is checked anyway.</source>
        <translation>Du får ett antal bokstäver på den översta raden och två minuter på dig att lägga så många ord som du kan, vågrätt eller lodrätt, och de får gärna korsa varandra. Varje hel följd av bokstäver som är ett ord ger 50 poäng; ord som gömmer sig i en längre följd räknas inte, och en följd som inte är ett ord ger inga poäng. Tryck på &lt;b&gt;Klar! Kolla orden&lt;/b&gt; om du vill att dina ord ska kontrolleras innan tiden är ute; när tiden är ute kontrolleras spelplanen ändå.</translation>
    </message>
    <message>
        <source>Mix &apos;N Match</source>
        <translation>Mix &apos;N Match</translation>
    </message>
    <message>
        <source>The whole board is filled with random letters. Swap them to lay out words and mark the letters of your words white: the second cell of every swap changes between grey and white, so clicking the same cell twice marks or unmarks it. Only white cells count. When the 3 minutes are up, or when you press &lt;b&gt;Finished ! Check Word(s)&lt;/b&gt;, every word found inside a white run across or down scores 50 points for each of its letters, words inside words included: a white run &quot;some&quot; scores &quot;so&quot;, &quot;some&quot; and &quot;me&quot;.</source>
        <translation>Hela spelplanen är fylld med slumpvisa bokstäver. Byt plats på dem för att lägga ord, och markera bokstäverna i dina ord som vita: den andra rutan i varje byte växlar mellan grå och vit, så om du klickar två gånger på samma ruta blir den markerad eller avmarkerad. Bara vita rutor räknas. När de 3 minuterna är slut, eller när du trycker på &lt;b&gt;Klar! Kolla orden&lt;/b&gt;, ger varje ord som finns i en vit följd vågrätt eller lodrätt 50 poäng för var och en av sina bokstäver, även ord inuti ord: en vit följd ”ben” ger poäng för ”be”, ”ben” och ”en”.</translation>
    </message>
    <message>
        <source>Pick &apos;N Mix</source>
        <translation>Pick &apos;N Mix</translation>
    </message>
    <message>
        <source>The board starts empty with one letter in the top-left cell. Click it, then click the cell where you want it: the letter lands there, turns white and cannot be moved again, and a new letter appears in the top-left cell. If you do not like the letter, press &lt;b&gt;Change Letter&lt;/b&gt; as often as you like. After 3 minutes the white letters are scored like Mix &apos;N Match: 50 points for every letter of every word found across or down, words inside words included.</source>
        <translation>Spelplanen är tom från början, med en bokstav i rutan längst upp till vänster. Klicka på den och sedan på rutan där du vill ha den: bokstaven hamnar där, blir vit och kan inte flyttas igen, och en ny bokstav dyker upp i rutan längst upp till vänster. Om du inte gillar bokstaven kan du trycka på &lt;b&gt;Byt bokstav&lt;/b&gt; så ofta du vill. Efter 3 minuter får de vita bokstäverna poäng som i Mix &apos;N Match: 50 poäng för varje bokstav i varje ord som hittas vågrätt eller lodrätt, även ord inuti ord.</translation>
    </message>
    <message>
        <source>Playing in another language</source>
        <translation>Att spela på ett annat språk</translation>
    </message>
    <message>
        <source>When word packs are installed, the main menu has a &lt;b&gt;Language&lt;/b&gt; menu: English first, then every other language by its own name. Choose one, and from then on the dictionary, the words to unscramble and the letters on the board are that language&apos;s, until you choose another; Quarn remembers your choice for the next time. Each language keeps its own high-score tables. While a game is being played the menu is greyed out.</source>
        <translation>När ordpaket är installerade har huvudmenyn en meny som heter &lt;b&gt;Språk&lt;/b&gt;: först English, sedan alla andra språk med sina egna namn. Välj ett, så kommer ordlistan, de omkastade orden och bokstäverna på spelplanen från det språket, tills du väljer ett annat; Quarn kommer ihåg ditt val till nästa gång. Varje språk har sina egna topplistor. Medan ett spel pågår är menyn nedtonad.</translation>
    </message>
    <message>
        <source>Playing with a screen reader</source>
        <translation>Att spela med skärmläsare</translation>
    </message>
    <message>
        <source>Quarn can be played without seeing the screen, by keys alone, with a screen reader such as Orca, the one that comes with the desktop. Start the screen reader first, then Quarn. The menus, buttons, boxes and messages are read as you reach them.</source>
        <translation>Du kan spela Quarn utan att se skärmen, enbart med tangentbordet, med hjälp av en skärmläsare som Orca, den som följer med skrivbordsmiljön. Starta skärmläsaren först och sedan Quarn. Menyer, knappar, fält och meddelanden läses upp när du kommer till dem.</translation>
    </message>
    <message>
        <source>When your turn starts the reader says whose turn it is, and the keyboard is on the board. The first arrow key reads the top-left cell; every further arrow key reads the cell the cursor moves onto: first its letter (or &quot;empty&quot;), then its row and column, then &quot;white&quot; for a cell of the word area of Mix &apos;N Match and Pick &apos;N Mix, and &quot;picked&quot; for a cell you have picked. After each pick and each swap the cell under the cursor is read again as it is now. In Pick &apos;N Mix a letter that is already placed cannot be picked: that cell is read again with &quot;placed&quot;.</source>
        <translation>När din tur börjar säger skärmläsaren vems tur det är, och tangentbordet styr spelplanen. Det första trycket på en piltangent läser upp rutan längst upp till vänster; varje nytt tryck läser upp rutan som markören flyttas till: först dess bokstav (eller ”tom”), sedan dess rad och kolumn, sedan ”vit” för en ruta i ordområdet i Mix &apos;N Match och Pick &apos;N Mix, och ”vald” för en ruta som du har valt. Efter varje val och varje byte läses rutan under markören upp igen som den är nu. I Pick &apos;N Mix kan en bokstav som redan är placerad inte väljas: då läses rutan upp igen med ”placerad”.</translation>
    </message>
    <message>
        <source>The counter of the turn is not read as it counts down, but &quot;Time Up !&quot; is. Press &lt;b&gt;F2&lt;/b&gt; at any time during a game to hear where it stands: the counter under its heading (the points still to be won in Anagrams, the seconds left in the other games), the game time left, and the score of every player. Orca leaves &lt;b&gt;F2&lt;/b&gt; to Quarn in both its desktop and its laptop keyboard layout.</source>
        <translation>Turens räknare läses inte upp medan den räknar ned, men ”Tiden är ute!” gör det. Tryck på &lt;b&gt;F2&lt;/b&gt; när som helst under ett spel för att höra ställningen: räknaren med sin rubrik (poängen som fortfarande går att vinna i Anagrams, sekunderna som är kvar i de andra spelen), speltiden som är kvar och varje spelares poäng. Orca lämnar &lt;b&gt;F2&lt;/b&gt; åt Quarn i både sin tangentbordslayout för stationära datorer och den för bärbara datorer.</translation>
    </message>
    <message>
        <source>The turn result is read as it opens, the points first, then in Crossword the words that were found; &lt;b&gt;Return&lt;/b&gt; answers it. Once the points have counted up, your new score is read, at the latest as the next turn starts. A new high score and the winner are read as they appear; the reading goes on after the window has closed itself.</source>
        <translation>Turens resultat läses upp när det visas, först poängen och sedan, i Crossword, de ord som hittades; &lt;b&gt;Retur&lt;/b&gt; besvarar det. När poängen har räknats upp läses din nya poängsumma upp, senast när nästa tur börjar. Ett nytt toppresultat och vinnaren läses upp när de visas; uppläsningen fortsätter även efter att fönstret har stängt sig självt.</translation>
    </message>
</context>
<context>
    <name>quarn::ui::WinnerWindow</name>
    <message>
        <source>The Winner is</source>
        <translation>Vinnaren är</translation>
    </message>
    <message>
        <source>winner</source>
        <translation>vinnare</translation>
    </message>
    <message>
        <source>With a score of</source>
        <translation>Med poängen</translation>
    </message>
    <message>
        <source>winning score</source>
        <translation>vinnarens poäng</translation>
    </message>
    <message>
        <source>Winner</source>
        <translation>Vinnare</translation>
    </message>
</context>
</TS>
