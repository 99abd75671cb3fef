<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
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
</TS>
