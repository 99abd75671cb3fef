<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bg_BG">
<context>
    <name>quarn</name>
    <message>
        <source>cannot follow the file&apos;s links: %1</source>
        <translation>символните връзки на файла не могат да се проследят: %1</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>файлът е само за четене</translation>
    </message>
    <message>
        <source>the folder is read-only</source>
        <translation>папката е само за четене</translation>
    </message>
    <message>
        <source>cannot create a new copy in the folder: %1</source>
        <translation>в папката не може да се създаде ново копие: %1</translation>
    </message>
    <message>
        <source>cannot keep the file&apos;s permissions: %1</source>
        <translation>правата за достъп до файла не могат да се запазят: %1</translation>
    </message>
    <message>
        <source>cannot write: %1</source>
        <translation>не може да се пише във файла: %1</translation>
    </message>
    <message>
        <source>cannot flush: %1</source>
        <translation>данните не могат да се запишат докрай: %1</translation>
    </message>
    <message>
        <source>cannot close: %1</source>
        <translation>файлът не може да се затвори: %1</translation>
    </message>
    <message>
        <source>cannot replace: %1</source>
        <translation>старият файл не може да се замени: %1</translation>
    </message>
    <message>
        <source>Are you sure you want to Quit</source>
        <translation>Наистина ли искаш да прекратиш играта?</translation>
    </message>
    <message>
        <source>The high scores could not be saved to %1 (%2). The file keeps its old table.</source>
        <translation>Рекордите не можаха да се запишат в %1 (%2). Във файла остава старата таблица.</translation>
    </message>
    <message>
        <source>Well Done %1</source>
        <translation>Браво, %1!</translation>
    </message>
    <message>
        <source>%1&apos;s turn</source>
        <translation>%1 е на ход</translation>
    </message>
    <message>
        <source>Are you ready %1</source>
        <translation>%1, започваме ли?</translation>
    </message>
    <message>
        <source>GAME OVER</source>
        <translation>КРАЙ НА ИГРАТА</translation>
    </message>
    <message>
        <source>Round %1</source>
        <translation>Кръг %1</translation>
    </message>
    <message>
        <source>Time Up !</source>
        <translation>Време!</translation>
    </message>
    <message>
        <source>Don&apos;t Cheat - You must use all the letters</source>
        <translation>Не хитрувай! Трябва да използваш всички букви.</translation>
    </message>
    <message>
        <source>Out of time</source>
        <translation>Времето ти изтече.</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Точки</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Време</translation>
    </message>
    <message>
        <source>The used-word record could not be saved to %1 (%2). The file keeps its old marks.</source>
        <translation>Списъкът с използваните думи не можа да се запише в %1 (%2). Във файла остават старите отметки.</translation>
    </message>
    <message>
        <source>cannot make the folder %1: %2</source>
        <translation>папката %1 не може да се създаде: %2</translation>
    </message>
    <message>
        <source>cannot copy %1 into %2: %3</source>
        <translation>%1 не може да се копира в %2: %3</translation>
    </message>
    <message>
        <source>The file %1 is missing from the folder %2. Quarn cannot go on without it.</source>
        <translation>Файлът %1 липсва в папката %2. Quarn не може да продължи без него.</translation>
    </message>
    <message>
        <source>The word list %1 holds no entry that can be drawn, so %2 cannot be played.</source>
        <translation>Списъкът с думи %1 не съдържа нито една дума, която играта може да избере, затова %2 не може да се играе.</translation>
    </message>
    <message>
        <source>the file dictionary.dic is missing from the folder %1</source>
        <translation>файлът dictionary.dic липсва в папката %1</translation>
    </message>
    <message>
        <source>the file dictionary.dic in the folder %1 holds no words before its end marker 999</source>
        <translation>файлът dictionary.dic в папката %1 не съдържа думи преди крайния знак 999</translation>
    </message>
    <message>
        <source>The words of %1 cannot be played: %2. Quarn plays in English.</source>
        <translation>Думите на езика %1 не могат да се използват в играта: %2. Quarn остава на английски.</translation>
    </message>
    <message>
        <source>The file dictionary.dic in the folder %1 holds no words before its end marker 999, so no word could ever be found.</source>
        <translation>Файлът dictionary.dic в папката %1 не съдържа думи преди крайния знак 999, така че нито една дума не би могла да бъде намерена.</translation>
    </message>
    <message>
        <source>The words of %1 cannot be played: %2.</source>
        <translation>Думите на езика %1 не могат да се използват в играта: %2.</translation>
    </message>
    <message>
        <source>The choice of %1 could not be saved to %2 (%3). Quarn will start in the language chosen before.</source>
        <translation>Изборът на езика %1 не можа да се запише в %2 (%3). Quarn ще стартира на езика, избран преди това.</translation>
    </message>
    <message>
        <source>You haven&apos;t selected the game you want to play</source>
        <translation>Първо избери играта, която искаш да играеш.</translation>
    </message>
    <message>
        <source>You haven&apos;t selected the game time</source>
        <translation>Първо задай продължителността на играта.</translation>
    </message>
    <message>
        <source>You haven&apos;t entered any players names</source>
        <translation>Първо въведи имената на играчите.</translation>
    </message>
    <message>
        <source>Round 1</source>
        <translation>Кръг 1</translation>
    </message>
    <message>
        <source>letter board</source>
        <translation>дъска с букви</translation>
    </message>
    <message>
        <source>arrow keys move, Space picks</source>
        <translation>стрелките местят, интервалът избира</translation>
    </message>
    <message>
        <source>%1: a new high score of %2</source>
        <extracomment>Read out as the new high score shows: %1 is &quot;Well Done&quot; and the name.</extracomment>
        <translation>%1 Нов рекорд с резултат %2.</translation>
    </message>
    <message>
        <source>The winner is %1 with a score of %2</source>
        <extracomment>Read out as the winner shows: %1 is the winner&apos;s name.</extracomment>
        <translation>Печели %1 с резултат %2.</translation>
    </message>
    <message>
        <source>%1, row %2 column %3</source>
        <extracomment>A cell of the board: %1 is its letter, or the word for an empty cell.</extracomment>
        <translation>%1, ред %2, колона %3</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>празна</translation>
    </message>
    <message>
        <source>%1, white</source>
        <extracomment>A cell that belongs to the word area of the grid games.</extracomment>
        <translation>%1, бяла</translation>
    </message>
    <message>
        <source>%1, picked</source>
        <extracomment>A cell picked, waiting for the second cell of a swap.</extracomment>
        <translation>%1, избрана</translation>
    </message>
    <message>
        <source>%1, placed</source>
        <extracomment>A cell whose letter is placed for good: the game refused to pick it.</extracomment>
        <translation>%1, поставена</translation>
    </message>
    <message>
        <source>%1, score %2.</source>
        <translation>%1, резултат %2.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>The status key: the turn&apos;s counter under its heading (&quot;Score: 985&quot;, &quot;Time: 95&quot;).</extracomment>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>The game time has run out.</source>
        <translation>Времето за игра изтече.</translation>
    </message>
    <message>
        <source>Game time left: %1:%2:%3.</source>
        <translation>Оставащо време за игра: %1:%2:%3.</translation>
    </message>
    <message>
        <source>Game time left: %1:%2.</source>
        <translation>Оставащо време за игра: %1:%2.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>What a screen reader hears of a caption: what it is, and what it says.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>You Scored %1 Pts</source>
        <translation>Спечели %1 точки.</translation>
    </message>
    <message>
        <source>Words found: %1</source>
        <translation>Намерени думи: %1</translation>
    </message>
</context>
<context>
    <name>quarn::ui</name>
    <message>
        <source>separator</source>
        <translation>разделител</translation>
    </message>
    <message>
        <source>Quarn has met an unexpected error and must close.

%1</source>
        <translation>В Quarn възникна неочаквана грешка и програмата трябва да се затвори.

%1</translation>
    </message>
    <message>
        <source>Quarn has met an unexpected error and must close.</source>
        <translation>В Quarn възникна неочаквана грешка и програмата трябва да се затвори.</translation>
    </message>
    <message>
        <source>border</source>
        <translation>рамка</translation>
    </message>
    <message>
        <source>shadow</source>
        <translation>сянка</translation>
    </message>
</context>
<context>
    <name>quarn::ui::AboutWindow</name>
    <message>
        <source>About Quarn</source>
        <translation>За Quarn</translation>
    </message>
    <message>
        <source>a picture of letter tiles in the four seat colours</source>
        <translation>картинка с плочки с букви в четирите цвята на играчите</translation>
    </message>
    <message>
        <source>Version 1.1</source>
        <translation>Версия 1.1</translation>
    </message>
    <message>
        <source>Quarn is a collection of word games for people aged 10 years and older</source>
        <translation>Quarn е сборник от игри с думи за хора на възраст от 10 години нагоре</translation>
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
        <translation>Проверка</translation>
    </message>
    <message>
        <source>Checking words</source>
        <translation>Проверка…</translation>
    </message>
</context>
<context>
    <name>quarn::ui::EnterNamesWindow</name>
    <message>
        <source>Enter names</source>
        <translation>Имена на играчите</translation>
    </message>
    <message>
        <source>Pick the colour that you want by clicking on the coloured box and entering your name</source>
        <translation>Избери цвят, като щракнеш върху цветното поле и въведеш името си</translation>
    </message>
    <message>
        <source>red</source>
        <translation>червен</translation>
    </message>
    <message>
        <source>green</source>
        <translation>зелен</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>син</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>жълт</translation>
    </message>
    <message>
        <source>name of player %1, %2</source>
        <translation>име на играч %1, %2</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Готово</translation>
    </message>
</context>
<context>
    <name>quarn::ui::GameLengthWindow</name>
    <message>
        <source>Enter Length of Game</source>
        <translation>Продължителност на играта</translation>
    </message>
    <message>
        <source>Enter the duration of the game by moving the slider below.  Click on Exit when the desired game length has been selected</source>
        <translation>Задай продължителността на играта с плъзгача отдолу. Когато избереш желаното време, щракни „Готово“.</translation>
    </message>
    <message>
        <source>game length in minutes</source>
        <translation>продължителност на играта в минути</translation>
    </message>
    <message>
        <source>Game Length</source>
        <translation>Време</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>часа</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>минути</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Готово</translation>
    </message>
</context>
<context>
    <name>quarn::ui::GameScreenWindow</name>
    <message>
        <source>Game Screen</source>
        <translation>Игрален екран</translation>
    </message>
    <message>
        <source>Game Time Remaining</source>
        <translation>Оставащо време</translation>
    </message>
    <message>
        <source>hours left</source>
        <translation>оставащи часове</translation>
    </message>
    <message>
        <source>h</source>
        <extracomment>The unit after the hours of the game clock.</extracomment>
        <translation>ч</translation>
    </message>
    <message>
        <source>minutes left</source>
        <translation>оставащи минути</translation>
    </message>
    <message>
        <source>m</source>
        <extracomment>The unit after the minutes of the game clock.</extracomment>
        <translation>м</translation>
    </message>
    <message>
        <source>seconds left</source>
        <translation>оставащи секунди</translation>
    </message>
    <message>
        <source>s</source>
        <extracomment>The unit after the seconds of the game clock.</extracomment>
        <translation>с</translation>
    </message>
    <message>
        <source>round</source>
        <translation>кръг</translation>
    </message>
    <message>
        <source>The number of turns each player has had</source>
        <translation>Колко хода е изиграл досега всеки играч</translation>
    </message>
    <message>
        <source>game time remaining</source>
        <translation>оставащо време за игра</translation>
    </message>
    <message>
        <source>The scores shown above are the Highest scores after 4 rounds</source>
        <translation>По-горе са най-добрите резултати след 4 кръга</translation>
    </message>
    <message>
        <source>players and scores</source>
        <translation>играчи и резултати</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Играч</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Точки</translation>
    </message>
    <message>
        <source>player %1</source>
        <translation>играч %1</translation>
    </message>
    <message>
        <source>score of player %1</source>
        <translation>резултат на играч %1</translation>
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
        <translation>Име</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Край</translation>
    </message>
    <message>
        <source>game</source>
        <translation>игра</translation>
    </message>
    <message>
        <source>turn</source>
        <translation>ход</translation>
    </message>
    <message>
        <source>Finished ! Check  Word(s)</source>
        <translation>Готово! Провери думите</translation>
    </message>
    <message>
        <source>counter heading</source>
        <translation>заглавие на брояча</translation>
    </message>
    <message>
        <source>counter</source>
        <translation>брояч</translation>
    </message>
    <message>
        <source>Change Letter</source>
        <translation>Смени буква</translation>
    </message>
    <message>
        <source>place %1</source>
        <translation>място %1</translation>
    </message>
    <message>
        <source>name in place %1</source>
        <translation>място %1, име</translation>
    </message>
    <message>
        <source>score in place %1</source>
        <translation>място %1, резултат</translation>
    </message>
    <message>
        <source>date in place %1</source>
        <translation>място %1, дата</translation>
    </message>
</context>
<context>
    <name>quarn::ui::HelpWindow</name>
    <message>
        <source>Instructions</source>
        <translation>Инструкции</translation>
    </message>
    <message>
        <source>user guide</source>
        <translation>ръководство за играта</translation>
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
        <translation>Избери игра. Избраната в момента игра е оцветена в жълто.</translation>
    </message>
    <message>
        <source>title box</source>
        <translation>заглавно поле</translation>
    </message>
    <message>
        <source>a picture of letter tiles spelling Word</source>
        <translation>картинка с плочки, на които пише Word</translation>
    </message>
    <message>
        <source>Pick game to play</source>
        <translation>Избери игра</translation>
    </message>
    <message>
        <source>Enter length of Game</source>
        <translation>Продължителност на играта</translation>
    </message>
    <message>
        <source>Click here to enter the duration of the game</source>
        <translation>Щракни тук, за да зададеш продължителността на играта</translation>
    </message>
    <message>
        <source>Enter Player Names</source>
        <translation>Имена на играчите</translation>
    </message>
    <message>
        <source>Click here to enter up to 4 players names</source>
        <translation>Щракни тук, за да въведеш имената на най-много 4 играчи</translation>
    </message>
    <message>
        <source>Play Game</source>
        <translation>Играй</translation>
    </message>
    <message>
        <source>Click here to start playing the game</source>
        <translation>Щракни тук, за да започне играта</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Изход</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Език</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Помощ</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Инструкции</translation>
    </message>
    <message>
        <source>About</source>
        <translation>За Quarn</translation>
    </message>
</context>
<context>
    <name>quarn::ui::NewHiscoreWindow</name>
    <message>
        <source>New high score</source>
        <translation>Нов рекорд</translation>
    </message>
    <message>
        <source>player</source>
        <translation>играч</translation>
    </message>
    <message>
        <source>After 4 rounds you have made it into the High Score Table with a score of:</source>
        <translation>След 4 кръга влизаш в таблицата с рекорди с резултат:</translation>
    </message>
    <message>
        <source>score</source>
        <translation>резултат</translation>
    </message>
</context>
<context>
    <name>quarn::ui::ShowScoreWindow</name>
    <message>
        <source>Score</source>
        <translation>Резултат</translation>
    </message>
    <message>
        <source>You Scored</source>
        <translation>Спечели</translation>
    </message>
    <message>
        <source>points</source>
        <translation>точки</translation>
    </message>
    <message>
        <source>Pts</source>
        <translation>т.</translation>
    </message>
    <message>
        <source>words found</source>
        <translation>намерени думи</translation>
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
        <translation>Добре дошли в Quarn</translation>
    </message>
    <message>
        <source>Quarn is a collection of four word games for one to four players, who take turns at the same computer: &lt;b&gt;Anagrams&lt;/b&gt;, &lt;b&gt;Crossword&lt;/b&gt;, &lt;b&gt;Mix &apos;N Match&lt;/b&gt; and &lt;b&gt;Pick &apos;N Mix&lt;/b&gt;. Every game is played on the same board of 65 letter cells, 13 across and 5 down. You change the board by clicking one cell and then a second cell: the two cells swap their letters. Words are read along the rows from left to right and down the columns from top to bottom, never backwards.</source>
        <translation>Quarn е сборник от четири игри с думи за един до четирима играчи, които играят един след друг на един и същ компютър: &lt;b&gt;Anagrams&lt;/b&gt;, &lt;b&gt;Crossword&lt;/b&gt;, &lt;b&gt;Mix &apos;N Match&lt;/b&gt; и &lt;b&gt;Pick &apos;N Mix&lt;/b&gt;. Всички игри се играят на една и съща дъска от 65 клетки за букви – 13 на ширина и 5 на височина. Променяш дъската, като щракнеш върху една клетка и после върху втора: двете клетки си разменят буквите. Думите се четат по редовете отляво надясно и по колоните отгоре надолу, никога в обратна посока.</translation>
    </message>
    <message>
        <source>Starting from the main menu</source>
        <translation>Първи стъпки в главното меню</translation>
    </message>
    <message>
        <source>The main menu shows the four games. Click the game you want to play; it turns yellow. Then set the length of the game, enter the players&apos; names and press &lt;b&gt;Play Game&lt;/b&gt;. If something is missing, Quarn tells you what it is. After every game you choose the game and its length again; the names stay.</source>
        <translation>В главното меню са четирите игри. Щракни върху играта, която искаш да играеш – тя става жълта. После задай продължителността на играта, въведи имената на играчите и натисни &lt;b&gt;Играй&lt;/b&gt;. Ако нещо липсва, Quarn ще ти каже какво е. След всяка игра избираш играта и продължителността ѝ отново, а имената остават.</translation>
    </message>
    <message>
        <source>Setting the length of the game</source>
        <translation>Задаване на продължителността на играта</translation>
    </message>
    <message>
        <source>Press &lt;b&gt;Enter length of Game&lt;/b&gt; and move the slider to any whole number of minutes from 2 to 180 (three hours). The hours and minutes are shown under the slider. Press &lt;b&gt;Exit&lt;/b&gt; to keep that length and go back to the main menu.</source>
        <translation>Натисни &lt;b&gt;Продължителност на играта&lt;/b&gt; и премести плъзгача на произволен цял брой минути от 2 до 180 (три часа). Часовете и минутите се показват под плъзгача. Натисни &lt;b&gt;Готово&lt;/b&gt;, за да запазиш тази продължителност и да се върнеш в главното меню.</translation>
    </message>
    <message>
        <source>The game clock counts down the whole game. Each player&apos;s turn has its own counter as well:</source>
        <translation>Часовникът на играта отброява времето на цялата игра. Освен това всеки ход на всеки играч има свой брояч:</translation>
    </message>
    <message>
        <source>&lt;b&gt;Anagrams&lt;/b&gt;: the turn lasts until you solve the word or your 1000 points have run down, one point every 51 thousandths of a second, which takes about 51 seconds.</source>
        <translation>&lt;b&gt;Anagrams&lt;/b&gt;: ходът продължава, докато решиш думата или докато твоите 1000 точки се стопят – по една точка на всеки 51 хилядни от секундата, което отнема около 51 секунди.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Crossword&lt;/b&gt;: 2 minutes.</source>
        <translation>&lt;b&gt;Crossword&lt;/b&gt;: 2 минути.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Mix &apos;N Match&lt;/b&gt;: 3 minutes, or less if you press &lt;b&gt;Finished ! Check Word(s)&lt;/b&gt;.</source>
        <translation>&lt;b&gt;Mix &apos;N Match&lt;/b&gt;: 3 минути или по-малко, ако натиснеш &lt;b&gt;Готово! Провери думите&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Pick &apos;N Mix&lt;/b&gt;: 3 minutes.</source>
        <translation>&lt;b&gt;Pick &apos;N Mix&lt;/b&gt;: 3 минути.</translation>
    </message>
    <message>
        <source>Entering the players&apos; names</source>
        <translation>Въвеждане на имената на играчите</translation>
    </message>
    <message>
        <source>Press &lt;b&gt;Enter Player Names&lt;/b&gt;. Each of the four coloured boxes is one player&apos;s seat; the colour is that player&apos;s colour on the game screen. Click a box and type your name. For fewer than four players, leave the other boxes empty: empty seats are simply passed over. Press &lt;b&gt;Exit&lt;/b&gt; to go back to the main menu.</source>
        <translation>Натисни &lt;b&gt;Имена на играчите&lt;/b&gt;. Всяко от четирите цветни полета е мястото на един играч, а цветът на полето е цветът на този играч на игралния екран. Щракни върху поле и напиши името си. Ако играчите са по-малко от четирима, остави другите полета празни: празните места просто се пропускат. Натисни &lt;b&gt;Готово&lt;/b&gt;, за да се върнеш в главното меню.</translation>
    </message>
    <message>
        <source>Playing and leaving a game</source>
        <translation>Игра и напускане на играта</translation>
    </message>
    <message>
        <source>Press &lt;b&gt;Play Game&lt;/b&gt;. The game screen shows the game clock, the round, each player&apos;s name and score, and the best scores of the game. Before each turn Quarn asks whether the player is ready; click OK to start your turn. After a checked turn the points are shown: click &lt;b&gt;OK&lt;/b&gt; and watch them count onto your score.</source>
        <translation>Натисни &lt;b&gt;Играй&lt;/b&gt;. На игралния екран се виждат часовникът на играта, кръгът, името и резултатът на всеки играч и най-добрите резултати в тази игра. Преди всеки ход Quarn пита дали играчът е готов; щракни OK, за да започнеш своя ход. След проверен ход се показват спечелените точки: щракни &lt;b&gt;OK&lt;/b&gt; и гледай как се прибавят към резултата ти.</translation>
    </message>
    <message>
        <source>To leave a game early, press the red &lt;b&gt;Exit&lt;/b&gt; button at the top right and answer Yes. There is no winner for a game that was left.</source>
        <translation>За да напуснеш играта преди края ѝ, натисни червения бутон &lt;b&gt;Край&lt;/b&gt; горе вдясно и отговори с „Да“. Напусната игра няма победител.</translation>
    </message>
    <message>
        <source>Playing with the keyboard</source>
        <translation>Игра с клавиатурата</translation>
    </message>
    <message>
        <source>Everything can be done without a mouse. In every window &lt;b&gt;Tab&lt;/b&gt; and &lt;b&gt;Shift+Tab&lt;/b&gt; go from one control to the next, and &lt;b&gt;Space&lt;/b&gt;, &lt;b&gt;Return&lt;/b&gt; or &lt;b&gt;Enter&lt;/b&gt; presses the button that has the focus. &lt;b&gt;Return&lt;/b&gt; answers every message and every turn result (&lt;b&gt;Esc&lt;/b&gt; answers a result too). A key held down repeats only in the window where you pressed it, and &lt;b&gt;Return&lt;/b&gt;, &lt;b&gt;Enter&lt;/b&gt; and &lt;b&gt;Esc&lt;/b&gt; count once each time you press them. &lt;b&gt;Alt+F&lt;/b&gt; and &lt;b&gt;Alt+H&lt;/b&gt; open the File and Help menus. In the main menu &lt;b&gt;F1&lt;/b&gt; opens these instructions (&lt;b&gt;Esc&lt;/b&gt; closes them again). &lt;b&gt;Ctrl+Q&lt;/b&gt; is File &amp;gt; Exit in the main menu, in the windows for the names and the game length, in About and in these instructions, but never during a game. Type the names straight into the coloured boxes: &lt;b&gt;Return&lt;/b&gt; takes you to the next box, and after the fourth it presses &lt;b&gt;Exit&lt;/b&gt;. Move the game length slider with the arrow keys and press &lt;b&gt;Return&lt;/b&gt; to keep that length.</source>
        <translation>Всичко може да се прави и без мишка. Във всеки прозорец &lt;b&gt;Tab&lt;/b&gt; и &lt;b&gt;Shift+Tab&lt;/b&gt; местят фокуса от един елемент на друг, а &lt;b&gt;Интервал&lt;/b&gt;, &lt;b&gt;Return&lt;/b&gt; или &lt;b&gt;Enter&lt;/b&gt; натиска бутона, който е на фокус. &lt;b&gt;Return&lt;/b&gt; потвърждава всяко съобщение и всеки резултат от ход (резултатът се потвърждава и с &lt;b&gt;Esc&lt;/b&gt;). Задържан клавиш се повтаря само в прозореца, в който е бил натиснат, а &lt;b&gt;Return&lt;/b&gt;, &lt;b&gt;Enter&lt;/b&gt; и &lt;b&gt;Esc&lt;/b&gt; се отчитат по веднъж при всяко натискане. &lt;b&gt;Alt+Ф&lt;/b&gt; и &lt;b&gt;Alt+П&lt;/b&gt; отварят менютата „Файл“ и „Помощ“. В главното меню &lt;b&gt;F1&lt;/b&gt; отваря тези инструкции (&lt;b&gt;Esc&lt;/b&gt; ги затваря). &lt;b&gt;Ctrl+Q&lt;/b&gt; е „Файл &amp;gt; Изход“ в главното меню, в прозорците за имената и за продължителността на играта, в „За Quarn“ и в тези инструкции, но никога по време на игра. Пиши имената направо в цветните полета: &lt;b&gt;Return&lt;/b&gt; те премества в следващото поле, а след четвъртото натиска &lt;b&gt;Готово&lt;/b&gt;. Мести плъзгача за продължителността на играта със стрелките и натисни &lt;b&gt;Return&lt;/b&gt;, за да запазиш тази продължителност.</translation>
    </message>
    <message>
        <source>The focus always goes where you play next: to the board when your turn starts and after each result, to the button that opened the names or game length window when you close it, and to the first game after a game.</source>
        <translation>Фокусът винаги отива там, където ще играеш след това: на дъската, когато започне твоят ход, и след всеки резултат; на бутона, който е отворил прозореца за имената или за продължителността на играта, когато го затвориш; а след края на игра – на първата игра в главното меню.</translation>
    </message>
    <message>
        <source>On the game screen the board is one stop of the Tab order, between &lt;b&gt;Exit&lt;/b&gt; and the buttons below the board. The &lt;b&gt;arrow keys&lt;/b&gt; always work the board, wherever the focus is: the first arrow key of a turn shows a thick blue cursor round the top-left cell, and each further key moves it one cell. Off one edge of the board it comes back in at the other. &lt;b&gt;Space&lt;/b&gt;, &lt;b&gt;Return&lt;/b&gt; or &lt;b&gt;Enter&lt;/b&gt; then picks the cell under the cursor, exactly like a click on it. Press &lt;b&gt;Tab&lt;/b&gt; to go on to &lt;b&gt;Finished ! Check Word(s)&lt;/b&gt; or &lt;b&gt;Change Letter&lt;/b&gt; and &lt;b&gt;Space&lt;/b&gt; or &lt;b&gt;Return&lt;/b&gt; to press it; an arrow key brings you back to the board. The cursor is hidden again at the end of every turn and whenever you click a cell with the mouse.</source>
        <translation>На игралния екран дъската е една от спирките при обхождане с Tab – между &lt;b&gt;Край&lt;/b&gt; и бутоните под дъската. &lt;b&gt;Стрелките&lt;/b&gt; винаги управляват дъската, където и да е фокусът: първата стрелка в даден ход показва дебел син курсор около горната лява клетка, а всяка следваща го премества с една клетка. Когато излезе от единия край на дъската, курсорът влиза отново от другия. След това &lt;b&gt;Интервал&lt;/b&gt;, &lt;b&gt;Return&lt;/b&gt; или &lt;b&gt;Enter&lt;/b&gt; избира клетката под курсора – точно както ако щракнеш върху нея. Натисни &lt;b&gt;Tab&lt;/b&gt;, за да стигнеш до &lt;b&gt;Готово! Провери думите&lt;/b&gt; или &lt;b&gt;Смени буква&lt;/b&gt;, и &lt;b&gt;Интервал&lt;/b&gt; или &lt;b&gt;Return&lt;/b&gt;, за да го натиснеш; стрелка те връща на дъската. Курсорът се скрива отново в края на всеки ход и всеки път, когато щракнеш върху клетка с мишката.</translation>
    </message>
    <message>
        <source>The high-score tables</source>
        <translation>Таблиците с рекорди</translation>
    </message>
    <message>
        <source>Each game keeps its own table of the ten best scores. The scores are taken after every player has had four turns, that is at the end of round 4: every player whose score beats the lowest score in the table goes into it, with the date. A score that only equals the lowest does not. A game that ends before the end of round 4 enters no score; a longer game enters them once, after round 4.</source>
        <translation>Всяка игра има своя таблица с десетте най-добри резултата. Резултатите се отчитат, след като всеки играч е изиграл четири хода, тоест в края на кръг 4: всеки играч, чийто резултат е по-висок от най-ниския в таблицата, влиза в нея заедно с датата. Резултат, който е само равен на най-ниския, не влиза. Игра, която свърши преди края на кръг 4, не вписва резултати; по-дълга игра ги вписва веднъж, след кръг 4.</translation>
    </message>
    <message>
        <source>When the game ends</source>
        <translation>Когато играта свърши</translation>
    </message>
    <message>
        <source>When the game clock has run out, the round that is being played is finished, so every player has had the same number of turns. Then the winner, the player with the highest score, is announced, followed by GAME OVER.</source>
        <translation>Когато времето на часовника на играта изтече, кръгът, който се играе в момента, се доиграва, така че всички играчи да са изиграли еднакъв брой ходове. След това се обявява победителят – играчът с най-висок резултат, а след него идва „КРАЙ НА ИГРАТА“.</translation>
    </message>
    <message>
        <source>Anagrams</source>
        <translation>Anagrams</translation>
    </message>
    <message>
        <source>The letters of a word stand mixed up in the top row. Swap them until the whole word reads correctly along a row or down a column, then press &lt;b&gt;Finished ! Check Word(s)&lt;/b&gt;. Any word that uses all the letters is accepted. You score the points that are still left on the counter when you press the button. If you make a shorter word, Quarn says &quot;Don&apos;t Cheat - You must use all the letters&quot; and the counter keeps running. If the counter runs out you score nothing.</source>
        <translation>Буквите на една дума стоят разбъркани в горния ред. Разменяй ги, докато цялата дума се прочете правилно в ред или в колона, и натисни &lt;b&gt;Готово! Провери думите&lt;/b&gt;. Приема се всяка дума, в която са използвани всички букви. Печелиш точките, които са останали на брояча в момента, в който натиснеш бутона. Ако наредиш по-къса дума, Quarn казва „Не хитрувай! Трябва да използваш всички букви.“ и броячът продължава да тече. Ако броячът стигне до нула, не печелиш нищо.</translation>
    </message>
    <message>
        <source>Crossword</source>
        <translation>Crossword</translation>
    </message>
    <message>
        <source>You get a set of letters in the top row and two minutes to build as many words as you can, across or down, crossing each other if you like. Every whole run of letters that is a word scores 50 points; words hidden inside a longer run do not count, and a run that is not a word scores nothing. Press &lt;b&gt;Finished ! Check Word(s)&lt;/b&gt; to have your words checked early; when the time runs out the board is checked anyway.</source>
        <translation>Получаваш набор от букви в горния ред и две минути, за да наредиш колкото можеш повече думи хоризонтално или вертикално; ако искаш, думите може и да се пресичат. Всяка цяла поредица от букви, която е дума, носи 50 точки; думите, скрити в по-дълга поредица, не се броят, а поредица, която не е дума, не носи нищо. Натисни &lt;b&gt;Готово! Провери думите&lt;/b&gt;, ако искаш думите ти да се проверят по-рано; когато времето изтече, дъската се проверява така или иначе.</translation>
    </message>
    <message>
        <source>Mix &apos;N Match</source>
        <translation>Mix &apos;N Match</translation>
    </message>
    <message>
        <source>The whole board is filled with random letters. Swap them to lay out words and mark the letters of your words white: the second cell of every swap changes between grey and white, so clicking the same cell twice marks or unmarks it. Only white cells count. When the 3 minutes are up, or when you press &lt;b&gt;Finished ! Check Word(s)&lt;/b&gt;, every word found inside a white run across or down scores 50 points for each of its letters, words inside words included: a white run &quot;some&quot; scores &quot;so&quot;, &quot;some&quot; and &quot;me&quot;.</source>
        <translation>Цялата дъска е запълнена със случайни букви. Разменяй ги, за да нареждаш думи, и отбелязвай буквите на думите си в бяло: втората клетка на всяка размяна сменя цвета си от сив на бял или от бял на сив, така че с две щраквания върху една и съща клетка я отбелязваш или махаш отбелязването. Броят се само белите клетки. Когато изтекат трите минути или когато натиснеш &lt;b&gt;Готово! Провери думите&lt;/b&gt;, всяка дума, намерена в бяла поредица хоризонтално или вертикално, носи по 50 точки за всяка своя буква, като се броят и думите в думите: бялата поредица „зъбче“ носи точки за „зъб“, „зъбче“ и „че“.</translation>
    </message>
    <message>
        <source>Pick &apos;N Mix</source>
        <translation>Pick &apos;N Mix</translation>
    </message>
    <message>
        <source>The board starts empty with one letter in the top-left cell. Click it, then click the cell where you want it: the letter lands there, turns white and cannot be moved again, and a new letter appears in the top-left cell. If you do not like the letter, press &lt;b&gt;Change Letter&lt;/b&gt; as often as you like. After 3 minutes the white letters are scored like Mix &apos;N Match: 50 points for every letter of every word found across or down, words inside words included.</source>
        <translation>В началото дъската е празна и има само една буква в горната лява клетка. Щракни върху нея, а после върху клетката, в която я искаш: буквата отива там, става бяла и вече не може да се мести, а в горната лява клетка се появява нова буква. Ако буквата не ти харесва, натискай &lt;b&gt;Смени буква&lt;/b&gt; колкото пъти искаш. След 3 минути белите букви се оценяват както в Mix &apos;N Match: по 50 точки за всяка буква на всяка дума, намерена хоризонтално или вертикално, като се броят и думите в думите.</translation>
    </message>
    <message>
        <source>Playing in another language</source>
        <translation>Игра на друг език</translation>
    </message>
    <message>
        <source>When word packs are installed, the main menu has a &lt;b&gt;Language&lt;/b&gt; menu: English first, then every other language by its own name. Choose one, and from then on the dictionary, the words to unscramble and the letters on the board are that language&apos;s, until you choose another; Quarn remembers your choice for the next time. Each language keeps its own high-score tables. While a game is being played the menu is greyed out.</source>
        <translation>Когато са инсталирани пакети с думи, в главното меню има меню &lt;b&gt;Език&lt;/b&gt;: първо е English, а след него всеки друг език със собственото си име. Избери език и оттам нататък речникът, думите за подреждане и буквите на дъската ще са на този език, докато не избереш друг; Quarn запомня избора ти за следващия път. Всеки език има свои таблици с рекорди. Докато тече игра, менюто е сиво и не може да се използва.</translation>
    </message>
    <message>
        <source>Playing with a screen reader</source>
        <translation>Игра с екранен четец</translation>
    </message>
    <message>
        <source>Quarn can be played without seeing the screen, by keys alone, with a screen reader such as Orca, the one that comes with the desktop. Start the screen reader first, then Quarn. The menus, buttons, boxes and messages are read as you reach them.</source>
        <translation>Quarn може да се играе, без да се гледа екранът – само с клавиши и с екранен четец, например Orca, който идва с работния плот. Първо пусни екранния четец, а след това Quarn. Менютата, бутоните, полетата и съобщенията се прочитат, когато стигнеш до тях.</translation>
    </message>
    <message>
        <source>When your turn starts the reader says whose turn it is, and the keyboard is on the board. The first arrow key reads the top-left cell; every further arrow key reads the cell the cursor moves onto: first its letter (or &quot;empty&quot;), then its row and column, then &quot;white&quot; for a cell of the word area of Mix &apos;N Match and Pick &apos;N Mix, and &quot;picked&quot; for a cell you have picked. After each pick and each swap the cell under the cursor is read again as it is now. In Pick &apos;N Mix a letter that is already placed cannot be picked: that cell is read again with &quot;placed&quot;.</source>
        <translation>Когато започне твоят ход, четецът казва кой е на ход, а клавиатурата е на дъската. Първата стрелка прочита горната лява клетка; всяка следваща стрелка прочита клетката, на която отива курсорът: първо буквата ѝ (или „празна“), после реда и колоната ѝ, след това „бяла“ за клетка от полето за думи в Mix &apos;N Match и Pick &apos;N Mix и „избрана“ за клетка, която вече е избрана. След всяко избиране и всяка размяна клетката под курсора се прочита отново такава, каквато е сега. В Pick &apos;N Mix буква, която вече е поставена, не може да се избере: тази клетка се прочита отново с „поставена“.</translation>
    </message>
    <message>
        <source>The counter of the turn is not read as it counts down, but &quot;Time Up !&quot; is. Press &lt;b&gt;F2&lt;/b&gt; at any time during a game to hear where it stands: the counter under its heading (the points still to be won in Anagrams, the seconds left in the other games), the game time left, and the score of every player. Orca leaves &lt;b&gt;F2&lt;/b&gt; to Quarn in both its desktop and its laptop keyboard layout.</source>
        <translation>Броячът на хода не се чете, докато отброява, но „Време!“ се прочита. Натисни &lt;b&gt;F2&lt;/b&gt; по всяко време на играта, за да чуеш какво е положението: брояча със заглавието му (в Anagrams – точките, които още можеш да спечелиш, а в другите игри – оставащите секунди), оставащото време на играта и резултата на всеки играч. Orca оставя &lt;b&gt;F2&lt;/b&gt; на Quarn и в настолната, и в лаптопната си клавиатурна подредба.</translation>
    </message>
    <message>
        <source>The turn result is read as it opens, the points first, then in Crossword the words that were found; &lt;b&gt;Return&lt;/b&gt; answers it. Once the points have counted up, your new score is read, at the latest as the next turn starts. A new high score and the winner are read as they appear; the reading goes on after the window has closed itself.</source>
        <translation>Резултатът от хода се прочита, щом прозорецът му се отвори: първо точките, а в Crossword след тях и намерените думи; &lt;b&gt;Return&lt;/b&gt; го потвърждава. След като точките се прибавят, се прочита новият ти резултат – най-късно когато започне следващият ход. Новият рекорд и победителят се прочитат, когато се появят; четенето продължава и след като прозорецът се затвори сам.</translation>
    </message>
</context>
<context>
    <name>quarn::ui::WinnerWindow</name>
    <message>
        <source>The Winner is</source>
        <translation>Печели</translation>
    </message>
    <message>
        <source>winner</source>
        <translation>победител</translation>
    </message>
    <message>
        <source>With a score of</source>
        <translation>С резултат</translation>
    </message>
    <message>
        <source>winning score</source>
        <translation>резултат на победителя</translation>
    </message>
    <message>
        <source>Winner</source>
        <translation>Победител</translation>
    </message>
</context>
</TS>
