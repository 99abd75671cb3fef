<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA">
<context>
    <name>quarn</name>
    <message>
        <source>cannot follow the file's links: %1</source>
        <translation>не вдається перейти за посиланнями файлу: %1</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>файл доступний лише для читання</translation>
    </message>
    <message>
        <source>the folder is read-only</source>
        <translation>тека доступна лише для читання</translation>
    </message>
    <message>
        <source>cannot create a new copy in the folder: %1</source>
        <translation>не вдається створити нову копію в теці: %1</translation>
    </message>
    <message>
        <source>cannot keep the file's permissions: %1</source>
        <translation>не вдається зберегти права доступу до файлу: %1</translation>
    </message>
    <message>
        <source>cannot write: %1</source>
        <translation>не вдається записати: %1</translation>
    </message>
    <message>
        <source>cannot flush: %1</source>
        <translation>не вдається скинути дані на диск: %1</translation>
    </message>
    <message>
        <source>cannot close: %1</source>
        <translation>не вдається закрити: %1</translation>
    </message>
    <message>
        <source>cannot replace: %1</source>
        <translation>не вдається замінити: %1</translation>
    </message>
    <message>
        <source>Are you sure you want to Quit</source>
        <translation>Ти справді хочеш вийти з гри?</translation>
    </message>
    <message>
        <source>The high scores could not be saved to %1 (%2). The file keeps its old table.</source>
        <translation>Не вдалося зберегти рекорди у файл %1 (%2). У файлі залишилася попередня таблиця.</translation>
    </message>
    <message>
        <source>Well Done %1</source>
        <translation>Молодець, %1!</translation>
    </message>
    <message>
        <source>%1's turn</source>
        <translation>Ходить %1</translation>
    </message>
    <message>
        <source>Are you ready %1</source>
        <translation>%1, починаємо?</translation>
    </message>
    <message>
        <source>GAME OVER</source>
        <translation>КІНЕЦЬ ГРИ</translation>
    </message>
    <message>
        <source>Round %1</source>
        <translation>Тур %1</translation>
    </message>
    <message>
        <source>Time Up !</source>
        <translation>Час вийшов!</translation>
    </message>
    <message>
        <source>Don't Cheat - You must use all the letters</source>
        <translation>Не хитруй — використай усі літери</translation>
    </message>
    <message>
        <source>Out of time</source>
        <translation>Час минув</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Очки</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Час</translation>
    </message>
    <message>
        <source>The used-word record could not be saved to %1 (%2). The file keeps its old marks.</source>
        <translation>Не вдалося зберегти список використаних слів у файл %1 (%2). У файлі залишилися попередні позначки.</translation>
    </message>
    <message>
        <source>cannot make the folder %1: %2</source>
        <translation>не вдається створити теку %1: %2</translation>
    </message>
    <message>
        <source>cannot copy %1 into %2: %3</source>
        <translation>не вдається скопіювати %1 до %2: %3</translation>
    </message>
    <message>
        <source>The file %1 is missing from the folder %2. Quarn cannot go on without it.</source>
        <translation>У теці %2 немає файлу %1. Без нього Quarn не може працювати далі.</translation>
    </message>
    <message>
        <source>The word list %1 holds no entry that can be drawn, so %2 cannot be played.</source>
        <translation>У списку слів %1 немає жодного запису, який можна вибрати для гри, тож зіграти в %2 неможливо.</translation>
    </message>
    <message>
        <source>the file dictionary.dic is missing from the folder %1</source>
        <translation>у теці %1 немає файлу dictionary.dic</translation>
    </message>
    <message>
        <source>the file dictionary.dic in the folder %1 holds no words before its end marker 999</source>
        <translation>файл dictionary.dic у теці %1 не містить жодного слова перед кінцевою позначкою 999</translation>
    </message>
    <message>
        <source>The words of %1 cannot be played: %2. Quarn plays in English.</source>
        <translation>Слова мови %1 недоступні для гри: %2. Quarn гратиме англійською.</translation>
    </message>
    <message>
        <source>The file dictionary.dic in the folder %1 holds no words before its end marker 999, so no word could ever be found.</source>
        <translation>Файл dictionary.dic у теці %1 не містить жодного слова перед кінцевою позначкою 999, тож жодного слова не вдасться знайти.</translation>
    </message>
    <message>
        <source>The words of %1 cannot be played: %2.</source>
        <translation>Слова мови %1 недоступні для гри: %2.</translation>
    </message>
    <message>
        <source>The choice of %1 could not be saved to %2 (%3). Quarn will start in the language chosen before.</source>
        <translation>Не вдалося зберегти вибір мови %1 у файл %2 (%3). Quarn запуститься мовою, яку було вибрано раніше.</translation>
    </message>
    <message>
        <source>You haven't selected the game you want to play</source>
        <translation>Спершу вибери гру, у яку хочеш грати</translation>
    </message>
    <message>
        <source>You haven't selected the game time</source>
        <translation>Спершу вибери тривалість гри</translation>
    </message>
    <message>
        <source>You haven't entered any players names</source>
        <translation>Спершу введи ім’я хоча б одного гравця</translation>
    </message>
    <message>
        <source>Round 1</source>
        <translation>Тур 1</translation>
    </message>
    <message>
        <source>letter board</source>
        <translation>поле з літерами</translation>
    </message>
    <message>
        <source>arrow keys move, Space picks</source>
        <translation>стрілки переміщують, пробіл вибирає</translation>
    </message>
    <message>
        <source>%1: a new high score of %2</source>
        <extracomment>Read out as the new high score shows: %1 is "Well Done" and the name.</extracomment>
        <translation>%1 Новий рекорд: %2</translation>
    </message>
    <message>
        <source>The winner is %1 with a score of %2</source>
        <extracomment>Read out as the winner shows: %1 is the winner's name.</extracomment>
        <translation>Перемагає %1 з рахунком %2</translation>
    </message>
    <message>
        <source>%1, row %2 column %3</source>
        <extracomment>A cell of the board: %1 is its letter, or the word for an empty cell.</extracomment>
        <translation>%1, рядок %2, стовпець %3</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>порожня</translation>
    </message>
    <message>
        <source>%1, white</source>
        <extracomment>A cell that belongs to the word area of the grid games.</extracomment>
        <translation>%1, біла</translation>
    </message>
    <message>
        <source>%1, picked</source>
        <extracomment>A cell picked, waiting for the second cell of a swap.</extracomment>
        <translation>%1, вибрана</translation>
    </message>
    <message>
        <source>%1, placed</source>
        <extracomment>A cell whose letter is placed for good: the game refused to pick it.</extracomment>
        <translation>%1, закріплена</translation>
    </message>
    <message>
        <source>%1, score %2.</source>
        <translation>%1, рахунок %2.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>The status key: the turn's counter under its heading ("Score: 985", "Time: 95").</extracomment>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>The game time has run out.</source>
        <translation>Час гри вийшов.</translation>
    </message>
    <message>
        <source>Game time left: %1:%2:%3.</source>
        <translation>До кінця гри: %1:%2:%3.</translation>
    </message>
    <message>
        <source>Game time left: %1:%2.</source>
        <translation>До кінця гри: %1:%2.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>What a screen reader hears of a caption: what it is, and what it says.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>You Scored %1 Pts</source>
        <translation>Набрано очок: %1</translation>
    </message>
    <message>
        <source>Words found: %1</source>
        <translation>Знайдені слова: %1</translation>
    </message>
</context>
<context>
    <name>quarn::ui</name>
    <message>
        <source>separator</source>
        <translation>роздільник</translation>
    </message>
    <message>
        <source>Quarn has met an unexpected error and must close.

%1</source>
        <translation>У Quarn сталася неочікувана помилка, і програму буде закрито.

%1</translation>
    </message>
    <message>
        <source>Quarn has met an unexpected error and must close.</source>
        <translation>У Quarn сталася неочікувана помилка, і програму буде закрито.</translation>
    </message>
    <message>
        <source>border</source>
        <translation>рамка</translation>
    </message>
    <message>
        <source>shadow</source>
        <translation>тінь</translation>
    </message>
</context>
<context>
    <name>quarn::ui::AboutWindow</name>
    <message>
        <source>About Quarn</source>
        <translation>Про Quarn</translation>
    </message>
    <message>
        <source>a picture of letter tiles in the four seat colours</source>
        <translation>малюнок із плитками літер у чотирьох кольорах гравців</translation>
    </message>
    <message>
        <source>Version 1.1</source>
        <translation>Версія 1.1</translation>
    </message>
    <message>
        <source>Quarn is a collection of word games for people aged 10 years and older</source>
        <translation>Quarn — збірка ігор зі словами для гравців від 10 років</translation>
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
        <translation>Перевірка</translation>
    </message>
    <message>
        <source>Checking words</source>
        <translation>Перевірка слів</translation>
    </message>
</context>
<context>
    <name>quarn::ui::EnterNamesWindow</name>
    <message>
        <source>Enter names</source>
        <translation>Імена гравців</translation>
    </message>
    <message>
        <source>Pick the colour that you want by clicking on the coloured box and entering your name</source>
        <translation>Вибери свій колір: клацни кольорове віконце і введи своє ім’я</translation>
    </message>
    <message>
        <source>red</source>
        <translation>червоний</translation>
    </message>
    <message>
        <source>green</source>
        <translation>зелений</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>синій</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>жовтий</translation>
    </message>
    <message>
        <source>name of player %1, %2</source>
        <translation>ім’я гравця %1, %2</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Вихід</translation>
    </message>
</context>
<context>
    <name>quarn::ui::GameLengthWindow</name>
    <message>
        <source>Enter Length of Game</source>
        <translation>Тривалість гри</translation>
    </message>
    <message>
        <source>Enter the duration of the game by moving the slider below.  Click on Exit when the desired game length has been selected</source>
        <translation>Пересунь повзунок нижче, щоб задати тривалість гри. Коли все готово, натисни «Вихід»</translation>
    </message>
    <message>
        <source>game length in minutes</source>
        <translation>тривалість гри в хвилинах</translation>
    </message>
    <message>
        <source>Game Length</source>
        <translation>Тривалість</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>год</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>хв</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Вихід</translation>
    </message>
</context>
<context>
    <name>quarn::ui::GameScreenWindow</name>
    <message>
        <source>Game Screen</source>
        <translation>Гра</translation>
    </message>
    <message>
        <source>Game Time Remaining</source>
        <translation>До кінця гри</translation>
    </message>
    <message>
        <source>hours left</source>
        <translation>залишилося годин</translation>
    </message>
    <message>
        <source>h</source>
        <extracomment>The unit after the hours of the game clock.</extracomment>
        <translation>г</translation>
    </message>
    <message>
        <source>minutes left</source>
        <translation>залишилося хвилин</translation>
    </message>
    <message>
        <source>m</source>
        <extracomment>The unit after the minutes of the game clock.</extracomment>
        <translation>хв</translation>
    </message>
    <message>
        <source>seconds left</source>
        <translation>залишилося секунд</translation>
    </message>
    <message>
        <source>s</source>
        <extracomment>The unit after the seconds of the game clock.</extracomment>
        <translation>с</translation>
    </message>
    <message>
        <source>round</source>
        <translation>тур</translation>
    </message>
    <message>
        <source>The number of turns each player has had</source>
        <translation>Скільки ходів уже зробив кожен гравець</translation>
    </message>
    <message>
        <source>game time remaining</source>
        <translation>час до кінця гри</translation>
    </message>
    <message>
        <source>The scores shown above are the Highest scores after 4 rounds</source>
        <translation>Вище — найкращі результати після 4 турів</translation>
    </message>
    <message>
        <source>players and scores</source>
        <translation>гравці та їхні очки</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Гравець</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Очки</translation>
    </message>
    <message>
        <source>player %1</source>
        <translation>гравець %1</translation>
    </message>
    <message>
        <source>score of player %1</source>
        <translation>рахунок гравця %1</translation>
    </message>
    <message>
        <source>Highest Scores</source>
        <translation>Рекорди</translation>
    </message>
    <message>
        <source>Psn</source>
        <translation>№</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ім’я</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>game</source>
        <translation>гра</translation>
    </message>
    <message>
        <source>turn</source>
        <translation>хід</translation>
    </message>
    <message>
        <source>Finished ! Check  Word(s)</source>
        <translation>Готово! Перевір слова</translation>
    </message>
    <message>
        <source>counter heading</source>
        <translation>заголовок лічильника</translation>
    </message>
    <message>
        <source>counter</source>
        <translation>лічильник</translation>
    </message>
    <message>
        <source>Change Letter</source>
        <translation>Інша літера</translation>
    </message>
    <message>
        <source>place %1</source>
        <translation>місце %1</translation>
    </message>
    <message>
        <source>name in place %1</source>
        <translation>ім’я на місці %1</translation>
    </message>
    <message>
        <source>score in place %1</source>
        <translation>рахунок на місці %1</translation>
    </message>
    <message>
        <source>date in place %1</source>
        <translation>дата на місці %1</translation>
    </message>
</context>
<context>
    <name>quarn::ui::HelpWindow</name>
    <message>
        <source>Instructions</source>
        <translation>Інструкція</translation>
    </message>
    <message>
        <source>user guide</source>
        <translation>інструкція з гри</translation>
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
        <translation>Вибери гру. Вибрана гра підсвічується жовтим</translation>
    </message>
    <message>
        <source>title box</source>
        <translation>рамка заголовка</translation>
    </message>
    <message>
        <source>a picture of letter tiles spelling Word</source>
        <translation>малюнок із плитками літер, що складають слово Word</translation>
    </message>
    <message>
        <source>Pick game to play</source>
        <translation>Вибери гру</translation>
    </message>
    <message>
        <source>Enter length of Game</source>
        <translation>Тривалість гри</translation>
    </message>
    <message>
        <source>Click here to enter the duration of the game</source>
        <translation>Клацни тут, щоб задати тривалість гри</translation>
    </message>
    <message>
        <source>Enter Player Names</source>
        <translation>Імена гравців</translation>
    </message>
    <message>
        <source>Click here to enter up to 4 players names</source>
        <translation>Клацни тут, щоб увести імена до 4 гравців</translation>
    </message>
    <message>
        <source>Play Game</source>
        <translation>Грати</translation>
    </message>
    <message>
        <source>Click here to start playing the game</source>
        <translation>Клацни тут, щоб почати гру</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Вийти</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Мова</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Довідка</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Інструкція</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Про Quarn</translation>
    </message>
</context>
<context>
    <name>quarn::ui::NewHiscoreWindow</name>
    <message>
        <source>New high score</source>
        <translation>Новий рекорд</translation>
    </message>
    <message>
        <source>player</source>
        <translation>гравець</translation>
    </message>
    <message>
        <source>After 4 rounds you have made it into the High Score Table with a score of:</source>
        <translation>Після 4 турів ти потрапляєш до таблиці рекордів із результатом:</translation>
    </message>
    <message>
        <source>score</source>
        <translation>рахунок</translation>
    </message>
</context>
<context>
    <name>quarn::ui::ShowScoreWindow</name>
    <message>
        <source>Score</source>
        <translation>Результат ходу</translation>
    </message>
    <message>
        <source>You Scored</source>
        <translation>Набрано</translation>
    </message>
    <message>
        <source>points</source>
        <translation>очки</translation>
    </message>
    <message>
        <source>Pts</source>
        <translation>оч.</translation>
    </message>
    <message>
        <source>words found</source>
        <translation>знайдені слова</translation>
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
        <translation>Вітаємо в Quarn</translation>
    </message>
    <message>
        <source>Quarn is a collection of four word games for one to four players, who take turns at the same computer: &lt;b&gt;Anagrams&lt;/b&gt;, &lt;b&gt;Crossword&lt;/b&gt;, &lt;b&gt;Mix 'N Match&lt;/b&gt; and &lt;b&gt;Pick 'N Mix&lt;/b&gt;. Every game is played on the same board of 65 letter cells, 13 across and 5 down. You change the board by clicking one cell and then a second cell: the two cells swap their letters. Words are read along the rows from left to right and down the columns from top to bottom, never backwards.</source>
        <translation>Quarn — це збірка з чотирьох ігор зі словами: &lt;b&gt;Anagrams&lt;/b&gt;, &lt;b&gt;Crossword&lt;/b&gt;, &lt;b&gt;Mix 'N Match&lt;/b&gt; і &lt;b&gt;Pick 'N Mix&lt;/b&gt;. Грати можуть від одного до чотирьох гравців, по черзі за одним комп’ютером. Усі ігри відбуваються на однаковому полі з 65 клітинок для літер: 13 по горизонталі та 5 по вертикалі. Щоб змінити поле, клацни одну клітинку, а потім другу: ці дві клітинки обміняються літерами. Слова читаються в рядках зліва направо і в стовпцях згори донизу, але ніколи навпаки.</translation>
    </message>
    <message>
        <source>Starting from the main menu</source>
        <translation>Починаємо з головного меню</translation>
    </message>
    <message>
        <source>The main menu shows the four games. Click the game you want to play; it turns yellow. Then set the length of the game, enter the players' names and press &lt;b&gt;Play Game&lt;/b&gt;. If something is missing, Quarn tells you what it is. After every game you choose the game and its length again; the names stay.</source>
        <translation>У головному меню є чотири гри. Клацни гру, у яку хочеш грати, — вона стане жовтою. Потім задай тривалість гри, введи імена гравців і натисни &lt;b&gt;Грати&lt;/b&gt;. Якщо чогось бракує, Quarn підкаже, чого саме. Після кожної гри треба знову вибрати гру та її тривалість, а імена залишаються.</translation>
    </message>
    <message>
        <source>Setting the length of the game</source>
        <translation>Як задати тривалість гри</translation>
    </message>
    <message>
        <source>Press &lt;b&gt;Enter length of Game&lt;/b&gt; and move the slider to any whole number of minutes from 2 to 180 (three hours). The hours and minutes are shown under the slider. Press &lt;b&gt;Exit&lt;/b&gt; to keep that length and go back to the main menu.</source>
        <translation>Натисни &lt;b&gt;Тривалість гри&lt;/b&gt; і пересунь повзунок на будь-яке ціле число хвилин від 2 до 180 (три години). Години й хвилини видно під повзунком. Натисни &lt;b&gt;Вихід&lt;/b&gt;, щоб зберегти цю тривалість і повернутися до головного меню.</translation>
    </message>
    <message>
        <source>The game clock counts down the whole game. Each player's turn has its own counter as well:</source>
        <translation>Годинник гри відлічує час усієї гри. Крім того, кожен хід гравця має власний лічильник:</translation>
    </message>
    <message>
        <source>&lt;b&gt;Anagrams&lt;/b&gt;: the turn lasts until you solve the word or your 1000 points have run down, one point every 51 thousandths of a second, which takes about 51 seconds.</source>
        <translation>&lt;b&gt;Anagrams&lt;/b&gt;: хід триває, доки ти не розгадаєш слово або доки не скінчаться твої 1000 очок. Щоразу через 51 тисячну частку секунди зникає одне очко, тож на все йде приблизно 51 секунда.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Crossword&lt;/b&gt;: 2 minutes.</source>
        <translation>&lt;b&gt;Crossword&lt;/b&gt;: 2 хвилини.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Mix 'N Match&lt;/b&gt;: 3 minutes, or less if you press &lt;b&gt;Finished ! Check Word(s)&lt;/b&gt;.</source>
        <translation>&lt;b&gt;Mix 'N Match&lt;/b&gt;: 3 хвилини або менше, якщо натиснеш &lt;b&gt;Готово! Перевір слова&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Pick 'N Mix&lt;/b&gt;: 3 minutes.</source>
        <translation>&lt;b&gt;Pick 'N Mix&lt;/b&gt;: 3 хвилини.</translation>
    </message>
    <message>
        <source>Entering the players' names</source>
        <translation>Як увести імена гравців</translation>
    </message>
    <message>
        <source>Press &lt;b&gt;Enter Player Names&lt;/b&gt;. Each of the four coloured boxes is one player's seat; the colour is that player's colour on the game screen. Click a box and type your name. For fewer than four players, leave the other boxes empty: empty seats are simply passed over. Press &lt;b&gt;Exit&lt;/b&gt; to go back to the main menu.</source>
        <translation>Натисни &lt;b&gt;Імена гравців&lt;/b&gt;. Кожне з чотирьох кольорових віконець — це місце одного гравця, а його колір буде кольором цього гравця на ігровому екрані. Клацни віконце і введи своє ім’я. Якщо гравців менше чотирьох, залиш решту віконець порожніми: порожні місця гра просто пропускає. Натисни &lt;b&gt;Вихід&lt;/b&gt;, щоб повернутися до головного меню.</translation>
    </message>
    <message>
        <source>Playing and leaving a game</source>
        <translation>Гра та вихід із гри</translation>
    </message>
    <message>
        <source>Press &lt;b&gt;Play Game&lt;/b&gt;. The game screen shows the game clock, the round, each player's name and score, and the best scores of the game. Before each turn Quarn asks whether the player is ready; click OK to start your turn. After a checked turn the points are shown: click &lt;b&gt;OK&lt;/b&gt; and watch them count onto your score.</source>
        <translation>Натисни &lt;b&gt;Грати&lt;/b&gt;. На ігровому екрані видно годинник гри, тур, ім’я та рахунок кожного гравця, а також рекорди цієї гри. Перед кожним ходом Quarn питає гравця, чи можна починати; натисни OK, щоб почати свій хід. Після перевірки ходу з’являються набрані очки: натисни &lt;b&gt;OK&lt;/b&gt; і дивись, як вони додаються до твого рахунку.</translation>
    </message>
    <message>
        <source>To leave a game early, press the red &lt;b&gt;Exit&lt;/b&gt; button at the top right and answer Yes. There is no winner for a game that was left.</source>
        <translation>Щоб вийти з гри достроково, натисни червону кнопку &lt;b&gt;Стоп&lt;/b&gt; праворуч угорі й відповідай «Так». У покинутій грі переможця немає.</translation>
    </message>
    <message>
        <source>Playing with the keyboard</source>
        <translation>Гра з клавіатури</translation>
    </message>
    <message>
        <source>Everything can be done without a mouse. In every window &lt;b&gt;Tab&lt;/b&gt; and &lt;b&gt;Shift+Tab&lt;/b&gt; go from one control to the next, and &lt;b&gt;Space&lt;/b&gt;, &lt;b&gt;Return&lt;/b&gt; or &lt;b&gt;Enter&lt;/b&gt; presses the button that has the focus. &lt;b&gt;Return&lt;/b&gt; answers every message and every turn result (&lt;b&gt;Esc&lt;/b&gt; answers a result too). A key held down repeats only in the window where you pressed it, and &lt;b&gt;Return&lt;/b&gt;, &lt;b&gt;Enter&lt;/b&gt; and &lt;b&gt;Esc&lt;/b&gt; count once each time you press them. &lt;b&gt;Alt+F&lt;/b&gt; and &lt;b&gt;Alt+H&lt;/b&gt; open the File and Help menus. In the main menu &lt;b&gt;F1&lt;/b&gt; opens these instructions (&lt;b&gt;Esc&lt;/b&gt; closes them again). &lt;b&gt;Ctrl+Q&lt;/b&gt; is File &amp;gt; Exit in the main menu, in the windows for the names and the game length, in About and in these instructions, but never during a game. Type the names straight into the coloured boxes: &lt;b&gt;Return&lt;/b&gt; takes you to the next box, and after the fourth it presses &lt;b&gt;Exit&lt;/b&gt;. Move the game length slider with the arrow keys and press &lt;b&gt;Return&lt;/b&gt; to keep that length.</source>
        <translation>Усе можна робити без миші. У кожному вікні &lt;b&gt;Tab&lt;/b&gt; і &lt;b&gt;Shift+Tab&lt;/b&gt; переводять фокус з одного елемента керування на інший, а &lt;b&gt;Пробіл&lt;/b&gt;, &lt;b&gt;Return&lt;/b&gt; або &lt;b&gt;Enter&lt;/b&gt; натискає кнопку, на якій фокус. &lt;b&gt;Return&lt;/b&gt; відповідає на будь-яке повідомлення й закриває вікно результату ходу (його закриває також &lt;b&gt;Esc&lt;/b&gt;). Затиснута клавіша повторюється лише в тому вікні, де її натиснуто, а &lt;b&gt;Return&lt;/b&gt;, &lt;b&gt;Enter&lt;/b&gt; і &lt;b&gt;Esc&lt;/b&gt; спрацьовують лише раз на кожне натискання. &lt;b&gt;Alt+Ф&lt;/b&gt; і &lt;b&gt;Alt+Д&lt;/b&gt; відкривають меню «Файл» і «Довідка». У головному меню &lt;b&gt;F1&lt;/b&gt; відкриває цю інструкцію (&lt;b&gt;Esc&lt;/b&gt; знову її закриває). &lt;b&gt;Ctrl+Q&lt;/b&gt; — це «Файл &amp;gt; Вийти» в головному меню, у вікнах імен і тривалості гри, у вікні «Про Quarn» і в цій інструкції, але ніколи під час гри. Імена вводь просто в кольорові віконця: &lt;b&gt;Return&lt;/b&gt; переводить до наступного віконця, а після четвертого натискає &lt;b&gt;Вихід&lt;/b&gt;. Повзунок тривалості гри пересувай клавішами зі стрілками, а щоб зберегти цю тривалість, натисни &lt;b&gt;Return&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>The focus always goes where you play next: to the board when your turn starts and after each result, to the button that opened the names or game length window when you close it, and to the first game after a game.</source>
        <translation>Фокус завжди переходить туди, де ти гратимеш далі: на поле — на початку твого ходу та після кожного результату; на кнопку, яка відкрила вікно імен або тривалості гри, — коли ти це вікно закриваєш; на першу гру — після завершення гри.</translation>
    </message>
    <message>
        <source>On the game screen the board is one stop of the Tab order, between &lt;b&gt;Exit&lt;/b&gt; and the buttons below the board. The &lt;b&gt;arrow keys&lt;/b&gt; always work the board, wherever the focus is: the first arrow key of a turn shows a thick blue cursor round the top-left cell, and each further key moves it one cell. Off one edge of the board it comes back in at the other. &lt;b&gt;Space&lt;/b&gt;, &lt;b&gt;Return&lt;/b&gt; or &lt;b&gt;Enter&lt;/b&gt; then picks the cell under the cursor, exactly like a click on it. Press &lt;b&gt;Tab&lt;/b&gt; to go on to &lt;b&gt;Finished ! Check Word(s)&lt;/b&gt; or &lt;b&gt;Change Letter&lt;/b&gt; and &lt;b&gt;Space&lt;/b&gt; or &lt;b&gt;Return&lt;/b&gt; to press it; an arrow key brings you back to the board. The cursor is hidden again at the end of every turn and whenever you click a cell with the mouse.</source>
        <translation>На ігровому екрані поле — одна із зупинок під час переходу клавішею Tab, між кнопкою &lt;b&gt;Стоп&lt;/b&gt; і кнопками під полем. &lt;b&gt;Клавіші зі стрілками&lt;/b&gt; завжди керують полем, хоч би де був фокус: перша стрілка за хід показує товстий синій курсор навколо лівої верхньої клітинки, а кожна наступна пересуває його на одну клітинку. Якщо курсор виходить за край поля, він з’являється з протилежного краю. Потім &lt;b&gt;Пробіл&lt;/b&gt;, &lt;b&gt;Return&lt;/b&gt; або &lt;b&gt;Enter&lt;/b&gt; вибирає клітинку під курсором — так само, як клацання по ній. Натисни &lt;b&gt;Tab&lt;/b&gt;, щоб перейти до кнопки &lt;b&gt;Готово! Перевір слова&lt;/b&gt; або &lt;b&gt;Інша літера&lt;/b&gt;, і &lt;b&gt;Пробіл&lt;/b&gt; чи &lt;b&gt;Return&lt;/b&gt;, щоб її натиснути; клавіша зі стрілкою повертає тебе на поле. Курсор знову ховається наприкінці кожного ходу і щоразу, коли ти клацаєш клітинку мишею.</translation>
    </message>
    <message>
        <source>The high-score tables</source>
        <translation>Таблиці рекордів</translation>
    </message>
    <message>
        <source>Each game keeps its own table of the ten best scores. The scores are taken after every player has had four turns, that is at the end of round 4: every player whose score beats the lowest score in the table goes into it, with the date. A score that only equals the lowest does not. A game that ends before the end of round 4 enters no score; a longer game enters them once, after round 4.</source>
        <translation>Кожна гра має власну таблицю десяти найкращих результатів. Результати записуються, коли кожен гравець зробив чотири ходи, тобто наприкінці 4-го туру: кожен гравець, чий рахунок більший за найнижчий результат у таблиці, потрапляє до неї разом із датою. Рахунок, що лише дорівнює найнижчому, не потрапляє. Якщо гра закінчилася до завершення 4-го туру, результати не записуються; у довшій грі їх записують один раз, після 4-го туру.</translation>
    </message>
    <message>
        <source>When the game ends</source>
        <translation>Коли гра закінчується</translation>
    </message>
    <message>
        <source>When the game clock has run out, the round that is being played is finished, so every player has had the same number of turns. Then the winner, the player with the highest score, is announced, followed by GAME OVER.</source>
        <translation>Коли час на годиннику гри вийде, поточний тур догравається до кінця, щоб усі гравці зробили однакову кількість ходів. Потім оголошується переможець — гравець із найбільшим рахунком, — а після нього з’являється напис КІНЕЦЬ ГРИ.</translation>
    </message>
    <message>
        <source>Anagrams</source>
        <translation>Anagrams</translation>
    </message>
    <message>
        <source>The letters of a word stand mixed up in the top row. Swap them until the whole word reads correctly along a row or down a column, then press &lt;b&gt;Finished ! Check Word(s)&lt;/b&gt;. Any word that uses all the letters is accepted. You score the points that are still left on the counter when you press the button. If you make a shorter word, Quarn says "Don't Cheat - You must use all the letters" and the counter keeps running. If the counter runs out you score nothing.</source>
        <translation>У верхньому рядку стоять перемішані літери одного слова. Міняй їх місцями, доки все слово не читатиметься правильно в рядку або в стовпці, а тоді натисни &lt;b&gt;Готово! Перевір слова&lt;/b&gt;. Зараховується будь-яке слово з усіх цих літер. Ти отримуєш стільки очок, скільки їх залишилося на лічильнику в ту мить, коли ти натискаєш кнопку. Якщо складеш коротше слово, Quarn скаже «Не хитруй — використай усі літери», а лічильник працюватиме далі. Якщо лічильник дійде до нуля, ти не отримаєш нічого.</translation>
    </message>
    <message>
        <source>Crossword</source>
        <translation>Crossword</translation>
    </message>
    <message>
        <source>You get a set of letters in the top row and two minutes to build as many words as you can, across or down, crossing each other if you like. Every whole run of letters that is a word scores 50 points; words hidden inside a longer run do not count, and a run that is not a word scores nothing. Press &lt;b&gt;Finished ! Check Word(s)&lt;/b&gt; to have your words checked early; when the time runs out the board is checked anyway.</source>
        <translation>Ти отримуєш набір літер у верхньому рядку і дві хвилини, щоб скласти якомога більше слів по горизонталі або по вертикалі; за бажання слова можуть перетинатися. Кожен цілий ланцюжок літер, що утворює слово, приносить 50 очок; слова, сховані всередині довшого ланцюжка, не зараховуються, а ланцюжок, який не є словом, не приносить нічого. Натисни &lt;b&gt;Готово! Перевір слова&lt;/b&gt;, щоб перевірити слова раніше; коли час вийде, поле перевірять у будь-якому разі.</translation>
    </message>
    <message>
        <source>Mix 'N Match</source>
        <translation>Mix 'N Match</translation>
    </message>
    <message>
        <source>The whole board is filled with random letters. Swap them to lay out words and mark the letters of your words white: the second cell of every swap changes between grey and white, so clicking the same cell twice marks or unmarks it. Only white cells count. When the 3 minutes are up, or when you press &lt;b&gt;Finished ! Check Word(s)&lt;/b&gt;, every word found inside a white run across or down scores 50 points for each of its letters, words inside words included: a white run "some" scores "so", "some" and "me".</source>
        <translation>Усе поле заповнене випадковими літерами. Міняй їх місцями, щоб викласти слова, і позначай літери своїх слів білим: друга клітинка кожного обміну змінює колір із сірого на білий або навпаки, тож якщо двічі клацнути ту саму клітинку, позначка на ній з’явиться або зникне. Зараховуються лише білі клітинки. Коли минуть 3 хвилини або коли ти натиснеш &lt;b&gt;Готово! Перевір слова&lt;/b&gt;, кожне слово, знайдене в білому ланцюжку по горизонталі чи вертикалі, приносить по 50 очок за кожну свою літеру, включно зі словами всередині слів: білий ланцюжок «небо» дає «не», «небо» і «бо».</translation>
    </message>
    <message>
        <source>Pick 'N Mix</source>
        <translation>Pick 'N Mix</translation>
    </message>
    <message>
        <source>The board starts empty with one letter in the top-left cell. Click it, then click the cell where you want it: the letter lands there, turns white and cannot be moved again, and a new letter appears in the top-left cell. If you do not like the letter, press &lt;b&gt;Change Letter&lt;/b&gt; as often as you like. After 3 minutes the white letters are scored like Mix 'N Match: 50 points for every letter of every word found across or down, words inside words included.</source>
        <translation>На початку поле порожнє, лише в лівій верхній клітинці є одна літера. Клацни її, а потім клітинку, куди хочеш її поставити: літера опиниться там, стане білою і більше не рухатиметься, а в лівій верхній клітинці з’явиться нова літера. Якщо літера тобі не подобається, натискай &lt;b&gt;Інша літера&lt;/b&gt; скільки завгодно. Через 3 хвилини білі літери оцінюються так само, як у Mix 'N Match: 50 очок за кожну літеру кожного слова, знайденого по горизонталі чи вертикалі, включно зі словами всередині слів.</translation>
    </message>
    <message>
        <source>Playing in another language</source>
        <translation>Гра іншою мовою</translation>
    </message>
    <message>
        <source>When word packs are installed, the main menu has a &lt;b&gt;Language&lt;/b&gt; menu: English first, then every other language by its own name. Choose one, and from then on the dictionary, the words to unscramble and the letters on the board are that language's, until you choose another; Quarn remembers your choice for the next time. Each language keeps its own high-score tables. While a game is being played the menu is greyed out.</source>
        <translation>Якщо встановлено пакети слів інших мов, у головному меню є меню &lt;b&gt;Мова&lt;/b&gt;: спершу English, а далі решта мов, кожна під власною назвою. Вибери мову, і відтоді словник, слова для розгадування та літери на полі будуть цією мовою, доки не вибереш іншу; Quarn запам’ятає твій вибір до наступного разу. Кожна мова має власні таблиці рекордів. Поки триває гра, це меню неактивне (сіре).</translation>
    </message>
    <message>
        <source>Playing with a screen reader</source>
        <translation>Гра з програмою читання з екрана</translation>
    </message>
    <message>
        <source>Quarn can be played without seeing the screen, by keys alone, with a screen reader such as Orca, the one that comes with the desktop. Start the screen reader first, then Quarn. The menus, buttons, boxes and messages are read as you reach them.</source>
        <translation>У Quarn можна грати, не бачачи екрана, лише клавішами, з програмою читання з екрана, наприклад Orca, яка входить до складу робочого середовища. Спершу запусти програму читання з екрана, а потім Quarn. Меню, кнопки, віконця й повідомлення зачитуються, щойно ти до них доходиш.</translation>
    </message>
    <message>
        <source>When your turn starts the reader says whose turn it is, and the keyboard is on the board. The first arrow key reads the top-left cell; every further arrow key reads the cell the cursor moves onto: first its letter (or "empty"), then its row and column, then "white" for a cell of the word area of Mix 'N Match and Pick 'N Mix, and "picked" for a cell you have picked. After each pick and each swap the cell under the cursor is read again as it is now. In Pick 'N Mix a letter that is already placed cannot be picked: that cell is read again with "placed".</source>
        <translation>Коли починається твій хід, програма читання каже, чий зараз хід, а клавіатура вже керує полем. Перша стрілка зачитує ліву верхню клітинку, а кожна наступна — клітинку, на яку переходить курсор: спершу її літеру (або «порожня»), потім рядок і стовпець, далі «біла» для клітинки ігрової зони слів у Mix 'N Match і Pick 'N Mix та «вибрана» для вибраної тобою клітинки. Після кожного вибору та кожного обміну клітинка під курсором зачитується знову — така, якою вона є тепер. У Pick 'N Mix літеру, яку вже поставлено, вибрати не можна: така клітинка зачитується знову зі словом «закріплена».</translation>
    </message>
    <message>
        <source>The counter of the turn is not read as it counts down, but "Time Up !" is. Press &lt;b&gt;F2&lt;/b&gt; at any time during a game to hear where it stands: the counter under its heading (the points still to be won in Anagrams, the seconds left in the other games), the game time left, and the score of every player. Orca leaves &lt;b&gt;F2&lt;/b&gt; to Quarn in both its desktop and its laptop keyboard layout.</source>
        <translation>Лічильник ходу під час відліку не зачитується, а от «Час вийшов!» — так. Будь-коли під час гри натисни &lt;b&gt;F2&lt;/b&gt;, щоб почути стан гри: лічильник ходу разом із заголовком (в Anagrams — очки, які ще можна здобути, в інших іграх — секунди, що залишилися), час до кінця гри і рахунок кожного гравця. Orca залишає &lt;b&gt;F2&lt;/b&gt; для Quarn в обох своїх розкладках клавіатури — і для настільного комп’ютера, і для ноутбука.</translation>
    </message>
    <message>
        <source>The turn result is read as it opens, the points first, then in Crossword the words that were found; &lt;b&gt;Return&lt;/b&gt; answers it. Once the points have counted up, your new score is read, at the latest as the next turn starts. A new high score and the winner are read as they appear; the reading goes on after the window has closed itself.</source>
        <translation>Результат ходу зачитується, щойно з’являється: спершу очки, а в Crossword потім ще й знайдені слова; &lt;b&gt;Return&lt;/b&gt; закриває це вікно. Коли очки додадуться, зачитується твій новий рахунок — щонайпізніше на початку наступного ходу. Новий рекорд і переможець зачитуються, щойно з’являються; читання триває й після того, як вікно закриється саме.</translation>
    </message>
</context>
<context>
    <name>quarn::ui::WinnerWindow</name>
    <message>
        <source>The Winner is</source>
        <translation>Перемагає</translation>
    </message>
    <message>
        <source>winner</source>
        <translation>переможець</translation>
    </message>
    <message>
        <source>With a score of</source>
        <translation>З рахунком</translation>
    </message>
    <message>
        <source>winning score</source>
        <translation>рахунок переможця</translation>
    </message>
    <message>
        <source>Winner</source>
        <translation>Перемога</translation>
    </message>
</context>
</TS>
