<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>quarn</name>
    <message>
        <source>cannot follow the file's links: %1</source>
        <translation>nie można rozwiązać dowiązań do pliku: %1</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>plik jest tylko do odczytu</translation>
    </message>
    <message>
        <source>the folder is read-only</source>
        <translation>folder jest tylko do odczytu</translation>
    </message>
    <message>
        <source>cannot create a new copy in the folder: %1</source>
        <translation>nie można utworzyć nowej kopii w folderze: %1</translation>
    </message>
    <message>
        <source>cannot keep the file's permissions: %1</source>
        <translation>nie można zachować uprawnień pliku: %1</translation>
    </message>
    <message>
        <source>cannot write: %1</source>
        <translation>nie można zapisać pliku: %1</translation>
    </message>
    <message>
        <source>cannot flush: %1</source>
        <translation>nie można opróżnić bufora zapisu: %1</translation>
    </message>
    <message>
        <source>cannot close: %1</source>
        <translation>nie można zamknąć pliku: %1</translation>
    </message>
    <message>
        <source>cannot replace: %1</source>
        <translation>nie można zastąpić pliku: %1</translation>
    </message>
    <message>
        <source>Are you sure you want to Quit</source>
        <translation>Czy na pewno chcesz przerwać grę?</translation>
    </message>
    <message>
        <source>The high scores could not be saved to %1 (%2). The file keeps its old table.</source>
        <translation>Nie udało się zapisać najlepszych wyników w pliku %1 (%2). W pliku zostaje poprzednia tabela.</translation>
    </message>
    <message>
        <source>Well Done %1</source>
        <translation>Brawo, %1!</translation>
    </message>
    <message>
        <source>%1's turn</source>
        <translation>Teraz gra %1</translation>
    </message>
    <message>
        <source>Are you ready %1</source>
        <translation>%1, zaczynamy?</translation>
    </message>
    <message>
        <source>GAME OVER</source>
        <translation>KONIEC GRY</translation>
    </message>
    <message>
        <source>Round %1</source>
        <translation>Runda %1</translation>
    </message>
    <message>
        <source>Time Up !</source>
        <translation>Czas minął!</translation>
    </message>
    <message>
        <source>Don't Cheat - You must use all the letters</source>
        <translation>Nie oszukuj! Musisz użyć wszystkich liter</translation>
    </message>
    <message>
        <source>Out of time</source>
        <translation>Zabrakło czasu</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkty</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Czas</translation>
    </message>
    <message>
        <source>The used-word record could not be saved to %1 (%2). The file keeps its old marks.</source>
        <translation>Nie udało się zapisać listy wykorzystanych słów w pliku %1 (%2). W pliku zostają poprzednie oznaczenia.</translation>
    </message>
    <message>
        <source>cannot make the folder %1: %2</source>
        <translation>nie można utworzyć folderu %1: %2</translation>
    </message>
    <message>
        <source>cannot copy %1 into %2: %3</source>
        <translation>nie można skopiować %1 do %2: %3</translation>
    </message>
    <message>
        <source>The file %1 is missing from the folder %2. Quarn cannot go on without it.</source>
        <translation>W folderze %2 brakuje pliku %1. Quarn nie może bez niego działać.</translation>
    </message>
    <message>
        <source>The word list %1 holds no entry that can be drawn, so %2 cannot be played.</source>
        <translation>Lista słów %1 nie zawiera żadnego hasła do wylosowania, więc nie można zagrać w %2.</translation>
    </message>
    <message>
        <source>the file dictionary.dic is missing from the folder %1</source>
        <translation>w folderze %1 brakuje pliku dictionary.dic</translation>
    </message>
    <message>
        <source>the file dictionary.dic in the folder %1 holds no words before its end marker 999</source>
        <translation>plik dictionary.dic w folderze %1 nie zawiera żadnych słów przed znacznikiem końca 999</translation>
    </message>
    <message>
        <source>The words of %1 cannot be played: %2. Quarn plays in English.</source>
        <translation>Nie można grać w języku %1: %2. Quarn użyje angielskich słów.</translation>
    </message>
    <message>
        <source>The file dictionary.dic in the folder %1 holds no words before its end marker 999, so no word could ever be found.</source>
        <translation>Plik dictionary.dic w folderze %1 nie zawiera żadnych słów przed znacznikiem końca 999, więc nie dałoby się znaleźć żadnego słowa.</translation>
    </message>
    <message>
        <source>The words of %1 cannot be played: %2.</source>
        <translation>Nie można grać w języku %1: %2.</translation>
    </message>
    <message>
        <source>The choice of %1 could not be saved to %2 (%3). Quarn will start in the language chosen before.</source>
        <translation>Nie udało się zapisać wyboru języka %1 w pliku %2 (%3). Quarn uruchomi się w poprzednio wybranym języku.</translation>
    </message>
    <message>
        <source>You haven't selected the game you want to play</source>
        <translation>Najpierw wybierz grę, w którą chcesz zagrać.</translation>
    </message>
    <message>
        <source>You haven't selected the game time</source>
        <translation>Najpierw ustaw czas gry.</translation>
    </message>
    <message>
        <source>You haven't entered any players names</source>
        <translation>Najpierw wpisz imiona graczy.</translation>
    </message>
    <message>
        <source>Round 1</source>
        <translation>Runda 1</translation>
    </message>
    <message>
        <source>letter board</source>
        <translation>plansza z literami</translation>
    </message>
    <message>
        <source>arrow keys move, Space picks</source>
        <translation>strzałki przesuwają, spacja wybiera</translation>
    </message>
    <message>
        <source>%1: a new high score of %2</source>
        <extracomment>Read out as the new high score shows: %1 is "Well Done" and the name.</extracomment>
        <translation>%1 Nowy rekord: %2.</translation>
    </message>
    <message>
        <source>The winner is %1 with a score of %2</source>
        <extracomment>Read out as the winner shows: %1 is the winner's name.</extracomment>
        <translation>Wygrywa %1 z wynikiem %2.</translation>
    </message>
    <message>
        <source>%1, row %2 column %3</source>
        <extracomment>A cell of the board: %1 is its letter, or the word for an empty cell.</extracomment>
        <translation>%1, wiersz %2, kolumna %3</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>puste</translation>
    </message>
    <message>
        <source>%1, white</source>
        <extracomment>A cell that belongs to the word area of the grid games.</extracomment>
        <translation>%1, białe</translation>
    </message>
    <message>
        <source>%1, picked</source>
        <extracomment>A cell picked, waiting for the second cell of a swap.</extracomment>
        <translation>%1, wybrane</translation>
    </message>
    <message>
        <source>%1, placed</source>
        <extracomment>A cell whose letter is placed for good: the game refused to pick it.</extracomment>
        <translation>%1, zablokowane</translation>
    </message>
    <message>
        <source>%1, score %2.</source>
        <translation>%1, wynik %2.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>The status key: the turn's counter under its heading ("Score: 985", "Time: 95").</extracomment>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>The game time has run out.</source>
        <translation>Czas gry się skończył.</translation>
    </message>
    <message>
        <source>Game time left: %1:%2:%3.</source>
        <translation>Pozostały czas gry: %1:%2:%3.</translation>
    </message>
    <message>
        <source>Game time left: %1:%2.</source>
        <translation>Pozostały czas gry: %1:%2.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>What a screen reader hears of a caption: what it is, and what it says.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>You Scored %1 Pts</source>
        <translation>Zdobyte punkty: %1</translation>
    </message>
    <message>
        <source>Words found: %1</source>
        <translation>Znalezione słowa: %1</translation>
    </message>
</context>
<context>
    <name>quarn::ui</name>
    <message>
        <source>separator</source>
        <translation>separator</translation>
    </message>
    <message>
        <source>Quarn has met an unexpected error and must close.

%1</source>
        <translation>W programie Quarn wystąpił nieoczekiwany błąd i program musi zostać zamknięty.

%1</translation>
    </message>
    <message>
        <source>Quarn has met an unexpected error and must close.</source>
        <translation>W programie Quarn wystąpił nieoczekiwany błąd i program musi zostać zamknięty.</translation>
    </message>
    <message>
        <source>border</source>
        <translation>ramka</translation>
    </message>
    <message>
        <source>shadow</source>
        <translation>cień</translation>
    </message>
</context>
<context>
    <name>quarn::ui::AboutWindow</name>
    <message>
        <source>About Quarn</source>
        <translation>O programie Quarn</translation>
    </message>
    <message>
        <source>a picture of letter tiles in the four seat colours</source>
        <translation>obrazek: płytki z literami w czterech kolorach graczy</translation>
    </message>
    <message>
        <source>Version 1.1</source>
        <translation>Wersja 1.1</translation>
    </message>
    <message>
        <source>Quarn is a collection of word games for people aged 10 years and older</source>
        <translation>Quarn to zbiór gier słownych dla osób w wieku od 10 lat</translation>
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
        <translation>Sprawdzanie</translation>
    </message>
    <message>
        <source>Checking words</source>
        <translation>Sprawdzanie słów</translation>
    </message>
</context>
<context>
    <name>quarn::ui::EnterNamesWindow</name>
    <message>
        <source>Enter names</source>
        <translation>Imiona graczy</translation>
    </message>
    <message>
        <source>Pick the colour that you want by clicking on the coloured box and entering your name</source>
        <translation>Wybierz swój kolor: kliknij kolorowe pole i wpisz swoje imię</translation>
    </message>
    <message>
        <source>red</source>
        <translation>czerwony</translation>
    </message>
    <message>
        <source>green</source>
        <translation>zielony</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>niebieski</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>żółty</translation>
    </message>
    <message>
        <source>name of player %1, %2</source>
        <translation>imię gracza %1, %2</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zamknij</translation>
    </message>
</context>
<context>
    <name>quarn::ui::GameLengthWindow</name>
    <message>
        <source>Enter Length of Game</source>
        <translation>Czas gry</translation>
    </message>
    <message>
        <source>Enter the duration of the game by moving the slider below.  Click on Exit when the desired game length has been selected</source>
        <translation>Ustaw czas gry, przesuwając suwak poniżej. Gdy wybierzesz odpowiedni czas, kliknij Zamknij.</translation>
    </message>
    <message>
        <source>game length in minutes</source>
        <translation>czas gry w minutach</translation>
    </message>
    <message>
        <source>Game Length</source>
        <translation>Czas gry</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>godz.</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>min</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zamknij</translation>
    </message>
</context>
<context>
    <name>quarn::ui::GameScreenWindow</name>
    <message>
        <source>Game Screen</source>
        <translation>Ekran gry</translation>
    </message>
    <message>
        <source>Game Time Remaining</source>
        <translation>Pozostały czas gry</translation>
    </message>
    <message>
        <source>hours left</source>
        <translation>pozostałe godziny</translation>
    </message>
    <message>
        <source>h</source>
        <extracomment>The unit after the hours of the game clock.</extracomment>
        <translation>h</translation>
    </message>
    <message>
        <source>minutes left</source>
        <translation>pozostałe minuty</translation>
    </message>
    <message>
        <source>m</source>
        <extracomment>The unit after the minutes of the game clock.</extracomment>
        <translation>m</translation>
    </message>
    <message>
        <source>seconds left</source>
        <translation>pozostałe sekundy</translation>
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
        <translation>Liczba tur rozegranych przez każdego gracza</translation>
    </message>
    <message>
        <source>game time remaining</source>
        <translation>pozostały czas gry</translation>
    </message>
    <message>
        <source>The scores shown above are the Highest scores after 4 rounds</source>
        <translation>Powyżej widać najlepsze wyniki po 4 rundach</translation>
    </message>
    <message>
        <source>players and scores</source>
        <translation>gracze i wyniki</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Gracz</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Wynik</translation>
    </message>
    <message>
        <source>player %1</source>
        <translation>gracz %1</translation>
    </message>
    <message>
        <source>score of player %1</source>
        <translation>wynik gracza %1</translation>
    </message>
    <message>
        <source>Highest Scores</source>
        <translation>Najlepsze wyniki</translation>
    </message>
    <message>
        <source>Psn</source>
        <translation>Lp.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Imię</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Wyjdź</translation>
    </message>
    <message>
        <source>game</source>
        <translation>gra</translation>
    </message>
    <message>
        <source>turn</source>
        <translation>tura</translation>
    </message>
    <message>
        <source>Finished ! Check  Word(s)</source>
        <translation>Gotowe! Sprawdź słowa</translation>
    </message>
    <message>
        <source>counter heading</source>
        <translation>nagłówek licznika</translation>
    </message>
    <message>
        <source>counter</source>
        <translation>licznik</translation>
    </message>
    <message>
        <source>Change Letter</source>
        <translation>Zmień literę</translation>
    </message>
    <message>
        <source>place %1</source>
        <translation>miejsce %1</translation>
    </message>
    <message>
        <source>name in place %1</source>
        <translation>imię na miejscu %1</translation>
    </message>
    <message>
        <source>score in place %1</source>
        <translation>wynik na miejscu %1</translation>
    </message>
    <message>
        <source>date in place %1</source>
        <translation>data na miejscu %1</translation>
    </message>
</context>
<context>
    <name>quarn::ui::HelpWindow</name>
    <message>
        <source>Instructions</source>
        <translation>Instrukcja</translation>
    </message>
    <message>
        <source>user guide</source>
        <translation>instrukcja gry</translation>
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
        <translation>Wybierz grę. Wybrana gra jest podświetlona na żółto.</translation>
    </message>
    <message>
        <source>title box</source>
        <translation>pole tytułowe</translation>
    </message>
    <message>
        <source>a picture of letter tiles spelling Word</source>
        <translation>obrazek: płytki z literami układające się w słowo Word</translation>
    </message>
    <message>
        <source>Pick game to play</source>
        <translation>Wybierz grę</translation>
    </message>
    <message>
        <source>Enter length of Game</source>
        <translation>Ustaw czas gry</translation>
    </message>
    <message>
        <source>Click here to enter the duration of the game</source>
        <translation>Kliknij, aby ustawić czas gry</translation>
    </message>
    <message>
        <source>Enter Player Names</source>
        <translation>Wpisz imiona graczy</translation>
    </message>
    <message>
        <source>Click here to enter up to 4 players names</source>
        <translation>Kliknij, aby wpisać imiona graczy (najwyżej 4)</translation>
    </message>
    <message>
        <source>Play Game</source>
        <translation>Graj</translation>
    </message>
    <message>
        <source>Click here to start playing the game</source>
        <translation>Kliknij, aby rozpocząć grę</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Język</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Instrukcja</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
</context>
<context>
    <name>quarn::ui::NewHiscoreWindow</name>
    <message>
        <source>New high score</source>
        <translation>Nowy rekord</translation>
    </message>
    <message>
        <source>player</source>
        <translation>gracz</translation>
    </message>
    <message>
        <source>After 4 rounds you have made it into the High Score Table with a score of:</source>
        <translation>Po 4 rundach trafiasz do tabeli najlepszych wyników. Twój wynik:</translation>
    </message>
    <message>
        <source>score</source>
        <translation>wynik</translation>
    </message>
</context>
<context>
    <name>quarn::ui::ShowScoreWindow</name>
    <message>
        <source>Score</source>
        <translation>Wynik</translation>
    </message>
    <message>
        <source>You Scored</source>
        <translation>Zdobywasz</translation>
    </message>
    <message>
        <source>points</source>
        <translation>punkty</translation>
    </message>
    <message>
        <source>Pts</source>
        <translation>pkt</translation>
    </message>
    <message>
        <source>words found</source>
        <translation>znalezione słowa</translation>
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
        <translation>Witaj w grze Quarn</translation>
    </message>
    <message>
        <source>Quarn is a collection of four word games for one to four players, who take turns at the same computer: &lt;b&gt;Anagrams&lt;/b&gt;, &lt;b&gt;Crossword&lt;/b&gt;, &lt;b&gt;Mix 'N Match&lt;/b&gt; and &lt;b&gt;Pick 'N Mix&lt;/b&gt;. Every game is played on the same board of 65 letter cells, 13 across and 5 down. You change the board by clicking one cell and then a second cell: the two cells swap their letters. Words are read along the rows from left to right and down the columns from top to bottom, never backwards.</source>
        <translation>Quarn to zbiór czterech gier słownych dla jednego do czterech graczy, którzy grają po kolei przy tym samym komputerze: &lt;b&gt;Anagrams&lt;/b&gt;, &lt;b&gt;Crossword&lt;/b&gt;, &lt;b&gt;Mix 'N Match&lt;/b&gt; i &lt;b&gt;Pick 'N Mix&lt;/b&gt;. W każdą z nich gra się na tej samej planszy z 65 polami na litery, po 13 w poziomie i 5 w pionie. Planszę zmieniasz, klikając jedno pole, a potem drugie: te dwa pola zamieniają się literami. Słowa czyta się w wierszach od lewej do prawej i w kolumnach od góry do dołu, nigdy wspak.</translation>
    </message>
    <message>
        <source>Starting from the main menu</source>
        <translation>Pierwsze kroki w menu głównym</translation>
    </message>
    <message>
        <source>The main menu shows the four games. Click the game you want to play; it turns yellow. Then set the length of the game, enter the players' names and press &lt;b&gt;Play Game&lt;/b&gt;. If something is missing, Quarn tells you what it is. After every game you choose the game and its length again; the names stay.</source>
        <translation>W menu głównym widać cztery gry. Kliknij grę, w którą chcesz zagrać; podświetli się na żółto. Potem ustaw czas gry, wpisz imiona graczy i naciśnij &lt;b&gt;Graj&lt;/b&gt;. Jeśli czegoś brakuje, Quarn powie ci, czego. Po każdej grze wybierasz grę i jej czas od nowa; imiona zostają.</translation>
    </message>
    <message>
        <source>Setting the length of the game</source>
        <translation>Ustawianie czasu gry</translation>
    </message>
    <message>
        <source>Press &lt;b&gt;Enter length of Game&lt;/b&gt; and move the slider to any whole number of minutes from 2 to 180 (three hours). The hours and minutes are shown under the slider. Press &lt;b&gt;Exit&lt;/b&gt; to keep that length and go back to the main menu.</source>
        <translation>Naciśnij &lt;b&gt;Ustaw czas gry&lt;/b&gt; i przesuń suwak na dowolną pełną liczbę minut od 2 do 180 (trzy godziny). Godziny i minuty widać pod suwakiem. Naciśnij &lt;b&gt;Zamknij&lt;/b&gt;, aby zachować ten czas i wrócić do menu głównego.</translation>
    </message>
    <message>
        <source>The game clock counts down the whole game. Each player's turn has its own counter as well:</source>
        <translation>Zegar gry odlicza czas całej gry. Do tego każda tura gracza ma własny licznik:</translation>
    </message>
    <message>
        <source>&lt;b&gt;Anagrams&lt;/b&gt;: the turn lasts until you solve the word or your 1000 points have run down, one point every 51 thousandths of a second, which takes about 51 seconds.</source>
        <translation>&lt;b&gt;Anagrams&lt;/b&gt;: tura trwa, dopóki nie rozwiążesz słowa albo nie stracisz wszystkich swoich 1000 punktów – ubywa ich po jednym co 51 tysięcznych sekundy, co zajmuje około 51 sekund.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Crossword&lt;/b&gt;: 2 minutes.</source>
        <translation>&lt;b&gt;Crossword&lt;/b&gt;: 2 minuty.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Mix 'N Match&lt;/b&gt;: 3 minutes, or less if you press &lt;b&gt;Finished ! Check Word(s)&lt;/b&gt;.</source>
        <translation>&lt;b&gt;Mix 'N Match&lt;/b&gt;: 3 minuty albo mniej, jeśli naciśniesz &lt;b&gt;Gotowe! Sprawdź słowa&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Pick 'N Mix&lt;/b&gt;: 3 minutes.</source>
        <translation>&lt;b&gt;Pick 'N Mix&lt;/b&gt;: 3 minuty.</translation>
    </message>
    <message>
        <source>Entering the players' names</source>
        <translation>Wpisywanie imion graczy</translation>
    </message>
    <message>
        <source>Press &lt;b&gt;Enter Player Names&lt;/b&gt;. Each of the four coloured boxes is one player's seat; the colour is that player's colour on the game screen. Click a box and type your name. For fewer than four players, leave the other boxes empty: empty seats are simply passed over. Press &lt;b&gt;Exit&lt;/b&gt; to go back to the main menu.</source>
        <translation>Naciśnij &lt;b&gt;Wpisz imiona graczy&lt;/b&gt;. Każde z czterech kolorowych pól to miejsce jednego gracza; kolor pola to kolor tego gracza na ekranie gry. Kliknij pole i wpisz swoje imię. Jeśli gra mniej niż czterech graczy, zostaw pozostałe pola puste: puste miejsca są po prostu pomijane. Naciśnij &lt;b&gt;Zamknij&lt;/b&gt;, aby wrócić do menu głównego.</translation>
    </message>
    <message>
        <source>Playing and leaving a game</source>
        <translation>Rozgrywka i wyjście z gry</translation>
    </message>
    <message>
        <source>Press &lt;b&gt;Play Game&lt;/b&gt;. The game screen shows the game clock, the round, each player's name and score, and the best scores of the game. Before each turn Quarn asks whether the player is ready; click OK to start your turn. After a checked turn the points are shown: click &lt;b&gt;OK&lt;/b&gt; and watch them count onto your score.</source>
        <translation>Naciśnij &lt;b&gt;Graj&lt;/b&gt;. Na ekranie gry widać zegar gry, rundę, imię i wynik każdego gracza oraz najlepsze wyniki w tej grze. Przed każdą turą Quarn pyta, czy gracz jest gotowy; kliknij OK, aby zacząć swoją turę. Po sprawdzeniu tury pojawiają się zdobyte punkty: kliknij &lt;b&gt;OK&lt;/b&gt; i patrz, jak doliczają się do twojego wyniku.</translation>
    </message>
    <message>
        <source>To leave a game early, press the red &lt;b&gt;Exit&lt;/b&gt; button at the top right and answer Yes. There is no winner for a game that was left.</source>
        <translation>Aby wyjść z gry przed czasem, naciśnij czerwony przycisk &lt;b&gt;Wyjdź&lt;/b&gt; w prawym górnym rogu i odpowiedz Tak. Przerwana gra nie ma zwycięzcy.</translation>
    </message>
    <message>
        <source>Playing with the keyboard</source>
        <translation>Gra przy użyciu klawiatury</translation>
    </message>
    <message>
        <source>Everything can be done without a mouse. In every window &lt;b&gt;Tab&lt;/b&gt; and &lt;b&gt;Shift+Tab&lt;/b&gt; go from one control to the next, and &lt;b&gt;Space&lt;/b&gt;, &lt;b&gt;Return&lt;/b&gt; or &lt;b&gt;Enter&lt;/b&gt; presses the button that has the focus. &lt;b&gt;Return&lt;/b&gt; answers every message and every turn result (&lt;b&gt;Esc&lt;/b&gt; answers a result too). A key held down repeats only in the window where you pressed it, and &lt;b&gt;Return&lt;/b&gt;, &lt;b&gt;Enter&lt;/b&gt; and &lt;b&gt;Esc&lt;/b&gt; count once each time you press them. &lt;b&gt;Alt+F&lt;/b&gt; and &lt;b&gt;Alt+H&lt;/b&gt; open the File and Help menus. In the main menu &lt;b&gt;F1&lt;/b&gt; opens these instructions (&lt;b&gt;Esc&lt;/b&gt; closes them again). &lt;b&gt;Ctrl+Q&lt;/b&gt; is File &amp;gt; Exit in the main menu, in the windows for the names and the game length, in About and in these instructions, but never during a game. Type the names straight into the coloured boxes: &lt;b&gt;Return&lt;/b&gt; takes you to the next box, and after the fourth it presses &lt;b&gt;Exit&lt;/b&gt;. Move the game length slider with the arrow keys and press &lt;b&gt;Return&lt;/b&gt; to keep that length.</source>
        <translation>Wszystko można zrobić bez myszy. W każdym oknie &lt;b&gt;Tab&lt;/b&gt; i &lt;b&gt;Shift+Tab&lt;/b&gt; przenoszą cię między elementami okna, a &lt;b&gt;Spacja&lt;/b&gt; lub &lt;b&gt;Enter&lt;/b&gt; (także ten na klawiaturze numerycznej) naciska aktywny przycisk. &lt;b&gt;Enter&lt;/b&gt; zatwierdza każdy komunikat i każdy wynik tury (wynik zatwierdza też &lt;b&gt;Esc&lt;/b&gt;). Przytrzymany klawisz powtarza się tylko w tym oknie, w którym został naciśnięty, a oba klawisze &lt;b&gt;Enter&lt;/b&gt; i &lt;b&gt;Esc&lt;/b&gt; liczą się jeden raz przy każdym naciśnięciu. &lt;b&gt;Alt+P&lt;/b&gt; i &lt;b&gt;Alt+C&lt;/b&gt; otwierają menu Plik i Pomoc. W menu głównym &lt;b&gt;F1&lt;/b&gt; otwiera tę instrukcję (a &lt;b&gt;Esc&lt;/b&gt; ją zamyka). &lt;b&gt;Ctrl+Q&lt;/b&gt; działa jak Plik &amp;gt; Zakończ w menu głównym, w oknach imion i czasu gry, w oknie O programie i w tej instrukcji, ale nigdy w trakcie gry. Imiona wpisuj prosto w kolorowe pola: &lt;b&gt;Enter&lt;/b&gt; przenosi cię do następnego pola, a po czwartym naciska &lt;b&gt;Zamknij&lt;/b&gt;. Suwak czasu gry przesuwaj strzałkami i naciśnij &lt;b&gt;Enter&lt;/b&gt;, aby zachować ten czas.</translation>
    </message>
    <message>
        <source>The focus always goes where you play next: to the board when your turn starts and after each result, to the button that opened the names or game length window when you close it, and to the first game after a game.</source>
        <translation>Aktywne staje się zawsze to miejsce, w którym grasz dalej: plansza, gdy zaczyna się twoja tura, i po każdym wyniku; przycisk, który otworzył okno imion lub czasu gry, gdy to okno zamkniesz; a po zakończonej grze – pierwsza gra w menu.</translation>
    </message>
    <message>
        <source>On the game screen the board is one stop of the Tab order, between &lt;b&gt;Exit&lt;/b&gt; and the buttons below the board. The &lt;b&gt;arrow keys&lt;/b&gt; always work the board, wherever the focus is: the first arrow key of a turn shows a thick blue cursor round the top-left cell, and each further key moves it one cell. Off one edge of the board it comes back in at the other. &lt;b&gt;Space&lt;/b&gt;, &lt;b&gt;Return&lt;/b&gt; or &lt;b&gt;Enter&lt;/b&gt; then picks the cell under the cursor, exactly like a click on it. Press &lt;b&gt;Tab&lt;/b&gt; to go on to &lt;b&gt;Finished ! Check Word(s)&lt;/b&gt; or &lt;b&gt;Change Letter&lt;/b&gt; and &lt;b&gt;Space&lt;/b&gt; or &lt;b&gt;Return&lt;/b&gt; to press it; an arrow key brings you back to the board. The cursor is hidden again at the end of every turn and whenever you click a cell with the mouse.</source>
        <translation>Na ekranie gry klawisz Tab zatrzymuje się także na planszy, między &lt;b&gt;Wyjdź&lt;/b&gt; a przyciskami pod planszą. &lt;b&gt;Strzałki&lt;/b&gt; zawsze sterują planszą, niezależnie od tego, który element jest aktywny: pierwsza strzałka w turze pokazuje gruby niebieski kursor wokół lewego górnego pola, a każda kolejna przesuwa go o jedno pole. Gdy kursor wyjdzie poza krawędź planszy, wraca z przeciwnej strony. &lt;b&gt;Spacja&lt;/b&gt; lub &lt;b&gt;Enter&lt;/b&gt; (także ten na klawiaturze numerycznej) wybiera wtedy pole pod kursorem, dokładnie tak jak kliknięcie. Naciśnij &lt;b&gt;Tab&lt;/b&gt;, aby przejść do przycisku &lt;b&gt;Gotowe! Sprawdź słowa&lt;/b&gt; lub &lt;b&gt;Zmień literę&lt;/b&gt;, a potem &lt;b&gt;Spację&lt;/b&gt; lub &lt;b&gt;Enter&lt;/b&gt;, aby go nacisnąć; strzałka przenosi cię z powrotem na planszę. Kursor znika na końcu każdej tury i za każdym razem, gdy klikniesz pole myszą.</translation>
    </message>
    <message>
        <source>The high-score tables</source>
        <translation>Tabele najlepszych wyników</translation>
    </message>
    <message>
        <source>Each game keeps its own table of the ten best scores. The scores are taken after every player has had four turns, that is at the end of round 4: every player whose score beats the lowest score in the table goes into it, with the date. A score that only equals the lowest does not. A game that ends before the end of round 4 enters no score; a longer game enters them once, after round 4.</source>
        <translation>Każda gra ma własną tabelę dziesięciu najlepszych wyników. Wyniki są brane pod uwagę, gdy każdy gracz rozegra cztery tury, czyli na koniec rundy 4: każdy gracz, którego wynik jest wyższy od najniższego wyniku w tabeli, trafia do niej razem z datą. Wynik równy najniższemu nie wystarczy. Gra, która skończy się przed końcem rundy 4, nie wpisuje żadnego wyniku; dłuższa gra wpisuje wyniki raz, po rundzie 4.</translation>
    </message>
    <message>
        <source>When the game ends</source>
        <translation>Koniec gry</translation>
    </message>
    <message>
        <source>When the game clock has run out, the round that is being played is finished, so every player has had the same number of turns. Then the winner, the player with the highest score, is announced, followed by GAME OVER.</source>
        <translation>Gdy skończy się czas na zegarze gry, trwająca runda zostaje dokończona, tak aby każdy gracz rozegrał tyle samo tur. Potem zostaje ogłoszony zwycięzca, czyli gracz z najwyższym wynikiem, a po nim pojawia się napis KONIEC GRY.</translation>
    </message>
    <message>
        <source>Anagrams</source>
        <translation>Anagrams</translation>
    </message>
    <message>
        <source>The letters of a word stand mixed up in the top row. Swap them until the whole word reads correctly along a row or down a column, then press &lt;b&gt;Finished ! Check Word(s)&lt;/b&gt;. Any word that uses all the letters is accepted. You score the points that are still left on the counter when you press the button. If you make a shorter word, Quarn says "Don't Cheat - You must use all the letters" and the counter keeps running. If the counter runs out you score nothing.</source>
        <translation>W górnym wierszu stoją pomieszane litery jednego słowa. Zamieniaj je, aż całe słowo da się poprawnie przeczytać w wierszu albo w kolumnie, a potem naciśnij &lt;b&gt;Gotowe! Sprawdź słowa&lt;/b&gt;. Uznawane jest każde słowo, które wykorzystuje wszystkie litery. Zdobywasz tyle punktów, ile zostało na liczniku w chwili naciśnięcia przycisku. Jeśli ułożysz krótsze słowo, Quarn powie „Nie oszukuj! Musisz użyć wszystkich liter”, a licznik będzie odliczał dalej. Jeśli licznik dojdzie do zera, nic nie zdobywasz.</translation>
    </message>
    <message>
        <source>Crossword</source>
        <translation>Crossword</translation>
    </message>
    <message>
        <source>You get a set of letters in the top row and two minutes to build as many words as you can, across or down, crossing each other if you like. Every whole run of letters that is a word scores 50 points; words hidden inside a longer run do not count, and a run that is not a word scores nothing. Press &lt;b&gt;Finished ! Check Word(s)&lt;/b&gt; to have your words checked early; when the time runs out the board is checked anyway.</source>
        <translation>Dostajesz zestaw liter w górnym wierszu i dwie minuty, aby ułożyć z nich jak najwięcej słów, poziomo lub pionowo; słowa mogą się krzyżować. Każdy cały ciąg liter, który jest słowem, daje 50 punktów; słowa ukryte w dłuższym ciągu się nie liczą, a ciąg, który nie jest słowem, nie daje nic. Naciśnij &lt;b&gt;Gotowe! Sprawdź słowa&lt;/b&gt;, aby słowa zostały sprawdzone wcześniej; gdy skończy się czas, plansza i tak zostanie sprawdzona.</translation>
    </message>
    <message>
        <source>Mix 'N Match</source>
        <translation>Mix 'N Match</translation>
    </message>
    <message>
        <source>The whole board is filled with random letters. Swap them to lay out words and mark the letters of your words white: the second cell of every swap changes between grey and white, so clicking the same cell twice marks or unmarks it. Only white cells count. When the 3 minutes are up, or when you press &lt;b&gt;Finished ! Check Word(s)&lt;/b&gt;, every word found inside a white run across or down scores 50 points for each of its letters, words inside words included: a white run "some" scores "so", "some" and "me".</source>
        <translation>Cała plansza jest wypełniona losowymi literami. Zamieniaj je, aby układać słowa, i zaznaczaj litery swoich słów na biało: drugie pole każdej zamiany zmienia kolor z szarego na biały albo z białego na szary, więc dwa kliknięcia w to samo pole zaznaczają je albo usuwają zaznaczenie. Liczą się tylko białe pola. Gdy miną 3 minuty albo gdy naciśniesz &lt;b&gt;Gotowe! Sprawdź słowa&lt;/b&gt;, każde słowo znalezione w białym ciągu, poziomo lub pionowo, daje 50 punktów za każdą swoją literę, także słowa ukryte w słowach: biały ciąg „kosa” daje punkty za „kos”, „kosa” i „osa”.</translation>
    </message>
    <message>
        <source>Pick 'N Mix</source>
        <translation>Pick 'N Mix</translation>
    </message>
    <message>
        <source>The board starts empty with one letter in the top-left cell. Click it, then click the cell where you want it: the letter lands there, turns white and cannot be moved again, and a new letter appears in the top-left cell. If you do not like the letter, press &lt;b&gt;Change Letter&lt;/b&gt; as often as you like. After 3 minutes the white letters are scored like Mix 'N Match: 50 points for every letter of every word found across or down, words inside words included.</source>
        <translation>Na początku plansza jest pusta, tylko w lewym górnym polu stoi jedna litera. Kliknij ją, a potem pole, w którym chcesz ją postawić: litera trafia tam, robi się biała i nie można jej już przesunąć, a w lewym górnym polu pojawia się nowa litera. Jeśli litera ci się nie podoba, naciskaj &lt;b&gt;Zmień literę&lt;/b&gt;, ile razy chcesz. Po 3 minutach białe litery są liczone tak jak w Mix 'N Match: 50 punktów za każdą literę każdego słowa znalezionego poziomo lub pionowo, także słów ukrytych w słowach.</translation>
    </message>
    <message>
        <source>Playing in another language</source>
        <translation>Gra w innym języku</translation>
    </message>
    <message>
        <source>When word packs are installed, the main menu has a &lt;b&gt;Language&lt;/b&gt; menu: English first, then every other language by its own name. Choose one, and from then on the dictionary, the words to unscramble and the letters on the board are that language's, until you choose another; Quarn remembers your choice for the next time. Each language keeps its own high-score tables. While a game is being played the menu is greyed out.</source>
        <translation>Gdy są zainstalowane pakiety słów, w menu głównym jest menu &lt;b&gt;Język&lt;/b&gt;: najpierw angielski (English), potem każdy inny język pod swoją własną nazwą. Wybierz jeden z nich, a od tej chwili słownik, słowa do rozszyfrowania i litery na planszy będą z tego języka, dopóki nie wybierzesz innego; Quarn zapamięta twój wybór na następny raz. Każdy język ma własne tabele najlepszych wyników. W trakcie gry to menu jest wyszarzone.</translation>
    </message>
    <message>
        <source>Playing with a screen reader</source>
        <translation>Gra z czytnikiem ekranu</translation>
    </message>
    <message>
        <source>Quarn can be played without seeing the screen, by keys alone, with a screen reader such as Orca, the one that comes with the desktop. Start the screen reader first, then Quarn. The menus, buttons, boxes and messages are read as you reach them.</source>
        <translation>W Quarn można grać bez patrzenia na ekran, samą klawiaturą, z czytnikiem ekranu, takim jak Orca, który jest dostarczany razem z pulpitem. Najpierw uruchom czytnik ekranu, potem Quarn. Menu, przyciski, pola i komunikaty są odczytywane, gdy do nich dotrzesz.</translation>
    </message>
    <message>
        <source>When your turn starts the reader says whose turn it is, and the keyboard is on the board. The first arrow key reads the top-left cell; every further arrow key reads the cell the cursor moves onto: first its letter (or "empty"), then its row and column, then "white" for a cell of the word area of Mix 'N Match and Pick 'N Mix, and "picked" for a cell you have picked. After each pick and each swap the cell under the cursor is read again as it is now. In Pick 'N Mix a letter that is already placed cannot be picked: that cell is read again with "placed".</source>
        <translation>Gdy zaczyna się twoja tura, czytnik mówi, kto teraz gra, a klawiatura steruje planszą. Pierwsza strzałka odczytuje lewe górne pole; każda kolejna odczytuje pole, na które przesuwa się kursor: najpierw jego literę (albo „puste”), potem wiersz i kolumnę, potem „białe” przy polu z obszaru słów w Mix 'N Match i Pick 'N Mix oraz „wybrane” przy polu, które zostało wybrane. Po każdym wybraniu i każdej zamianie pole pod kursorem jest odczytywane jeszcze raz, w nowym stanie. W Pick 'N Mix nie można wybrać litery, która została już położona na stałe: wtedy to pole jest odczytywane jeszcze raz ze słowem „zablokowane”.</translation>
    </message>
    <message>
        <source>The counter of the turn is not read as it counts down, but "Time Up !" is. Press &lt;b&gt;F2&lt;/b&gt; at any time during a game to hear where it stands: the counter under its heading (the points still to be won in Anagrams, the seconds left in the other games), the game time left, and the score of every player. Orca leaves &lt;b&gt;F2&lt;/b&gt; to Quarn in both its desktop and its laptop keyboard layout.</source>
        <translation>Licznik tury nie jest odczytywany podczas odliczania, ale komunikat „Czas minął!” już tak. Naciśnij &lt;b&gt;F2&lt;/b&gt; w dowolnej chwili gry, aby usłyszeć, jak wygląda sytuacja: licznik razem z nagłówkiem (punkty, które można jeszcze zdobyć w Anagrams, albo sekundy pozostałe w innych grach), pozostały czas gry i wynik każdego gracza. Orca zostawia klawisz &lt;b&gt;F2&lt;/b&gt; dla Quarn zarówno w układzie klawiatury komputera stacjonarnego, jak i laptopa.</translation>
    </message>
    <message>
        <source>The turn result is read as it opens, the points first, then in Crossword the words that were found; &lt;b&gt;Return&lt;/b&gt; answers it. Once the points have counted up, your new score is read, at the latest as the next turn starts. A new high score and the winner are read as they appear; the reading goes on after the window has closed itself.</source>
        <translation>Wynik tury jest odczytywany, gdy tylko się pojawi: najpierw punkty, a w Crossword potem znalezione słowa; &lt;b&gt;Enter&lt;/b&gt; go zatwierdza. Gdy punkty się doliczą, odczytywany jest twój nowy wynik, najpóźniej na początku następnej tury. Gdy pojawi się nowy rekord albo zwycięzca, czytnik od razu go ogłasza; odczyt trwa dalej także wtedy, gdy okno samo się już zamknęło.</translation>
    </message>
</context>
<context>
    <name>quarn::ui::WinnerWindow</name>
    <message>
        <source>The Winner is</source>
        <translation>Wygrywa</translation>
    </message>
    <message>
        <source>winner</source>
        <translation>zwycięzca</translation>
    </message>
    <message>
        <source>With a score of</source>
        <translation>Z wynikiem</translation>
    </message>
    <message>
        <source>winning score</source>
        <translation>wynik zwycięzcy</translation>
    </message>
    <message>
        <source>Winner</source>
        <translation>Zwycięzca</translation>
    </message>
</context>
</TS>
