<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bg_BG">
<context>
    <name>quarn</name>
    <message>
        <source>cannot follow the file&apos;s links: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder is read-only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot create a new copy in the folder: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot keep the file&apos;s permissions: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot flush: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot close: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot replace: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The high scores could not be saved to %1 (%2). The file keeps its old table.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Well Done %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1&apos;s turn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you ready %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GAME OVER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Round %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time Up !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Don&apos;t Cheat - You must use all the letters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Out of time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The used-word record could not be saved to %1 (%2). The file keeps its old marks.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot make the folder %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot copy %1 into %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 is missing from the folder %2. Quarn cannot go on without it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The word list %1 holds no entry that can be drawn, so %2 cannot be played.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file dictionary.dic is missing from the folder %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file dictionary.dic in the folder %1 holds no words before its end marker 999</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The words of %1 cannot be played: %2. Quarn plays in English.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file dictionary.dic in the folder %1 holds no words before its end marker 999, so no word could ever be found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The words of %1 cannot be played: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The choice of %1 could not be saved to %2 (%3). Quarn will start in the language chosen before.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You haven&apos;t selected the game you want to play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You haven&apos;t selected the game time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You haven&apos;t entered any players names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Round 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>letter board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>arrow keys move, Space picks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: a new high score of %2</source>
        <extracomment>Read out as the new high score shows: %1 is &quot;Well Done&quot; and the name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The winner is %1 with a score of %2</source>
        <extracomment>Read out as the winner shows: %1 is the winner&apos;s name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, row %2 column %3</source>
        <extracomment>A cell of the board: %1 is its letter, or the word for an empty cell.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, white</source>
        <extracomment>A cell that belongs to the word area of the grid games.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, picked</source>
        <extracomment>A cell picked, waiting for the second cell of a swap.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, placed</source>
        <extracomment>A cell whose letter is placed for good: the game refused to pick it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, score %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>The status key: the turn&apos;s counter under its heading (&quot;Score: 985&quot;, &quot;Time: 95&quot;).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game time has run out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game time left: %1:%2:%3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game time left: %1:%2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>What a screen reader hears of a caption: what it is, and what it says.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You Scored %1 Pts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Words found: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quarn::ui</name>
    <message>
        <source>separator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quarn has met an unexpected error and must close.

%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quarn has met an unexpected error and must close.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>border</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>shadow</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quarn::ui::AboutWindow</name>
    <message>
        <source>About Quarn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a picture of letter tiles in the four seat colours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version 1.1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quarn is a collection of word games for people aged 10 years and older</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quarn::ui::CheckingWordsWindow</name>
    <message>
        <source>Checking</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking words</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quarn::ui::EnterNamesWindow</name>
    <message>
        <source>Enter names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pick the colour that you want by clicking on the coloured box and entering your name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>red</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>green</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>blue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>yellow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>name of player %1, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quarn::ui::GameLengthWindow</name>
    <message>
        <source>Enter Length of Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the duration of the game by moving the slider below.  Click on Exit when the desired game length has been selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>game length in minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game Length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quarn::ui::GameScreenWindow</name>
    <message>
        <source>Game Screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game Time Remaining</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hours left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>h</source>
        <extracomment>The unit after the hours of the game clock.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>minutes left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>m</source>
        <extracomment>The unit after the minutes of the game clock.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>seconds left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>s</source>
        <extracomment>The unit after the seconds of the game clock.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>round</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The number of turns each player has had</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>game time remaining</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The scores shown above are the Highest scores after 4 rounds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>players and scores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>player %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>score of player %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Highest Scores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Psn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>turn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finished ! Check  Word(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>counter heading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>counter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Letter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>place %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>name in place %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>score in place %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>date in place %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quarn::ui::HelpWindow</name>
    <message>
        <source>Instructions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>user guide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quarn::ui::MainMenuWindow</name>
    <message>
        <source>Pick a game to play.  The currently selected game will be highlighted in yellow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>title box</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a picture of letter tiles spelling Word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pick game to play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter length of Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to enter the duration of the game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter Player Names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to enter up to 4 players names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to start playing the game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quarn::ui::NewHiscoreWindow</name>
    <message>
        <source>New high score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>After 4 rounds you have made it into the High Score Table with a score of:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>score</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quarn::ui::ShowScoreWindow</name>
    <message>
        <source>Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You Scored</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>points</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>words found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quarn::ui::UserGuide</name>
    <message>
        <source>Welcome to Quarn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quarn is a collection of four word games for one to four players, who take turns at the same computer: &lt;b&gt;Anagrams&lt;/b&gt;, &lt;b&gt;Crossword&lt;/b&gt;, &lt;b&gt;Mix &apos;N Match&lt;/b&gt; and &lt;b&gt;Pick &apos;N Mix&lt;/b&gt;. Every game is played on the same board of 65 letter cells, 13 across and 5 down. You change the board by clicking one cell and then a second cell: the two cells swap their letters. Words are read along the rows from left to right and down the columns from top to bottom, never backwards.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starting from the main menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The main menu shows the four games. Click the game you want to play; it turns yellow. Then set the length of the game, enter the players&apos; names and press &lt;b&gt;Play Game&lt;/b&gt;. If something is missing, Quarn tells you what it is. After every game you choose the game and its length again; the names stay.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setting the length of the game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press &lt;b&gt;Enter length of Game&lt;/b&gt; and move the slider to any whole number of minutes from 2 to 180 (three hours). The hours and minutes are shown under the slider. Press &lt;b&gt;Exit&lt;/b&gt; to keep that length and go back to the main menu.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game clock counts down the whole game. Each player&apos;s turn has its own counter as well:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Anagrams&lt;/b&gt;: the turn lasts until you solve the word or your 1000 points have run down, one point every 51 thousandths of a second, which takes about 51 seconds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Crossword&lt;/b&gt;: 2 minutes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Mix &apos;N Match&lt;/b&gt;: 3 minutes, or less if you press &lt;b&gt;Finished ! Check Word(s)&lt;/b&gt;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Pick &apos;N Mix&lt;/b&gt;: 3 minutes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entering the players&apos; names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press &lt;b&gt;Enter Player Names&lt;/b&gt;. Each of the four coloured boxes is one player&apos;s seat; the colour is that player&apos;s colour on the game screen. Click a box and type your name. For fewer than four players, leave the other boxes empty: empty seats are simply passed over. Press &lt;b&gt;Exit&lt;/b&gt; to go back to the main menu.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Playing and leaving a game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press &lt;b&gt;Play Game&lt;/b&gt;. The game screen shows the game clock, the round, each player&apos;s name and score, and the best scores of the game. Before each turn Quarn asks whether the player is ready; click OK to start your turn. After a checked turn the points are shown: click &lt;b&gt;OK&lt;/b&gt; and watch them count onto your score.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To leave a game early, press the red &lt;b&gt;Exit&lt;/b&gt; button at the top right and answer Yes. There is no winner for a game that was left.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Playing with the keyboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Everything can be done without a mouse. In every window &lt;b&gt;Tab&lt;/b&gt; and &lt;b&gt;Shift+Tab&lt;/b&gt; go from one control to the next, and &lt;b&gt;Space&lt;/b&gt;, &lt;b&gt;Return&lt;/b&gt; or &lt;b&gt;Enter&lt;/b&gt; presses the button that has the focus. &lt;b&gt;Return&lt;/b&gt; answers every message and every turn result (&lt;b&gt;Esc&lt;/b&gt; answers a result too). A key held down repeats only in the window where you pressed it, and &lt;b&gt;Return&lt;/b&gt;, &lt;b&gt;Enter&lt;/b&gt; and &lt;b&gt;Esc&lt;/b&gt; count once each time you press them. &lt;b&gt;Alt+F&lt;/b&gt; and &lt;b&gt;Alt+H&lt;/b&gt; open the File and Help menus. In the main menu &lt;b&gt;F1&lt;/b&gt; opens these instructions (&lt;b&gt;Esc&lt;/b&gt; closes them again). &lt;b&gt;Ctrl+Q&lt;/b&gt; is File &amp;gt; Exit in the main menu, in the windows for the names and the game length, in About and in these instructions, but never during a game. Type the names straight into the coloured boxes: &lt;b&gt;Return&lt;/b&gt; takes you to the next box, and after the fourth it presses &lt;b&gt;Exit&lt;/b&gt;. Move the game length slider with the arrow keys and press &lt;b&gt;Return&lt;/b&gt; to keep that length.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The focus always goes where you play next: to the board when your turn starts and after each result, to the button that opened the names or game length window when you close it, and to the first game after a game.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On the game screen the board is one stop of the Tab order, between &lt;b&gt;Exit&lt;/b&gt; and the buttons below the board. The &lt;b&gt;arrow keys&lt;/b&gt; always work the board, wherever the focus is: the first arrow key of a turn shows a thick blue cursor round the top-left cell, and each further key moves it one cell. Off one edge of the board it comes back in at the other. &lt;b&gt;Space&lt;/b&gt;, &lt;b&gt;Return&lt;/b&gt; or &lt;b&gt;Enter&lt;/b&gt; then picks the cell under the cursor, exactly like a click on it. Press &lt;b&gt;Tab&lt;/b&gt; to go on to &lt;b&gt;Finished ! Check Word(s)&lt;/b&gt; or &lt;b&gt;Change Letter&lt;/b&gt; and &lt;b&gt;Space&lt;/b&gt; or &lt;b&gt;Return&lt;/b&gt; to press it; an arrow key brings you back to the board. The cursor is hidden again at the end of every turn and whenever you click a cell with the mouse.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The high-score tables</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each game keeps its own table of the ten best scores. The scores are taken after every player has had four turns, that is at the end of round 4: every player whose score beats the lowest score in the table goes into it, with the date. A score that only equals the lowest does not. A game that ends before the end of round 4 enters no score; a longer game enters them once, after round 4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When the game ends</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When the game clock has run out, the round that is being played is finished, so every player has had the same number of turns. Then the winner, the player with the highest score, is announced, followed by GAME OVER.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anagrams</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The letters of a word stand mixed up in the top row. Swap them until the whole word reads correctly along a row or down a column, then press &lt;b&gt;Finished ! Check Word(s)&lt;/b&gt;. Any word that uses all the letters is accepted. You score the points that are still left on the counter when you press the button. If you make a shorter word, Quarn says &quot;Don&apos;t Cheat - You must use all the letters&quot; and the counter keeps running. If the counter runs out you score nothing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Crossword</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You get a set of letters in the top row and two minutes to build as many words as you can, across or down, crossing each other if you like. Every whole run of letters that is a word scores 50 points; words hidden inside a longer run do not count, and a run that is not a word scores nothing. Press &lt;b&gt;Finished ! Check Word(s)&lt;/b&gt; to have your words checked early; when the time runs out the board is checked anyway.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mix &apos;N Match</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The whole board is filled with random letters. Swap them to lay out words and mark the letters of your words white: the second cell of every swap changes between grey and white, so clicking the same cell twice marks or unmarks it. Only white cells count. When the 3 minutes are up, or when you press &lt;b&gt;Finished ! Check Word(s)&lt;/b&gt;, every word found inside a white run across or down scores 50 points for each of its letters, words inside words included: a white run &quot;some&quot; scores &quot;so&quot;, &quot;some&quot; and &quot;me&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pick &apos;N Mix</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The board starts empty with one letter in the top-left cell. Click it, then click the cell where you want it: the letter lands there, turns white and cannot be moved again, and a new letter appears in the top-left cell. If you do not like the letter, press &lt;b&gt;Change Letter&lt;/b&gt; as often as you like. After 3 minutes the white letters are scored like Mix &apos;N Match: 50 points for every letter of every word found across or down, words inside words included.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Playing in another language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When word packs are installed, the main menu has a &lt;b&gt;Language&lt;/b&gt; menu: English first, then every other language by its own name. Choose one, and from then on the dictionary, the words to unscramble and the letters on the board are that language&apos;s, until you choose another; Quarn remembers your choice for the next time. Each language keeps its own high-score tables. While a game is being played the menu is greyed out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Playing with a screen reader</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quarn can be played without seeing the screen, by keys alone, with a screen reader such as Orca, the one that comes with the desktop. Start the screen reader first, then Quarn. The menus, buttons, boxes and messages are read as you reach them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When your turn starts the reader says whose turn it is, and the keyboard is on the board. The first arrow key reads the top-left cell; every further arrow key reads the cell the cursor moves onto: first its letter (or &quot;empty&quot;), then its row and column, then &quot;white&quot; for a cell of the word area of Mix &apos;N Match and Pick &apos;N Mix, and &quot;picked&quot; for a cell you have picked. After each pick and each swap the cell under the cursor is read again as it is now. In Pick &apos;N Mix a letter that is already placed cannot be picked: that cell is read again with &quot;placed&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The counter of the turn is not read as it counts down, but &quot;Time Up !&quot; is. Press &lt;b&gt;F2&lt;/b&gt; at any time during a game to hear where it stands: the counter under its heading (the points still to be won in Anagrams, the seconds left in the other games), the game time left, and the score of every player. Orca leaves &lt;b&gt;F2&lt;/b&gt; to Quarn in both its desktop and its laptop keyboard layout.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The turn result is read as it opens, the points first, then in Crossword the words that were found; &lt;b&gt;Return&lt;/b&gt; answers it. Once the points have counted up, your new score is read, at the latest as the next turn starts. A new high score and the winner are read as they appear; the reading goes on after the window has closed itself.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quarn::ui::WinnerWindow</name>
    <message>
        <source>The Winner is</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>winner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With a score of</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>winning score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Winner</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
