<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>quarn</name>
    <message>
        <source>cannot follow the file's links: %1</source>
        <translation>no se pueden seguir los enlaces del archivo: %1</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>el archivo es de solo lectura</translation>
    </message>
    <message>
        <source>the folder is read-only</source>
        <translation>la carpeta es de solo lectura</translation>
    </message>
    <message>
        <source>cannot create a new copy in the folder: %1</source>
        <translation>no se puede crear una copia nueva en la carpeta: %1</translation>
    </message>
    <message>
        <source>cannot keep the file's permissions: %1</source>
        <translation>no se pueden conservar los permisos del archivo: %1</translation>
    </message>
    <message>
        <source>cannot write: %1</source>
        <translation>no se puede escribir: %1</translation>
    </message>
    <message>
        <source>cannot flush: %1</source>
        <translation>no se pueden volcar los datos al disco: %1</translation>
    </message>
    <message>
        <source>cannot close: %1</source>
        <translation>no se puede cerrar: %1</translation>
    </message>
    <message>
        <source>cannot replace: %1</source>
        <translation>no se puede reemplazar el archivo: %1</translation>
    </message>
    <message>
        <source>Are you sure you want to Quit</source>
        <translation>¿Seguro que quieres salir de la partida?</translation>
    </message>
    <message>
        <source>The high scores could not be saved to %1 (%2). The file keeps its old table.</source>
        <translation>No se han podido guardar los récords en %1 (%2). El archivo conserva la tabla anterior.</translation>
    </message>
    <message>
        <source>Well Done %1</source>
        <translation>¡Muy bien, %1!</translation>
    </message>
    <message>
        <source>%1's turn</source>
        <translation>Turno de %1</translation>
    </message>
    <message>
        <source>Are you ready %1</source>
        <translation>¿Todo listo, %1?</translation>
    </message>
    <message>
        <source>GAME OVER</source>
        <translation>FIN DE LA PARTIDA</translation>
    </message>
    <message>
        <source>Round %1</source>
        <translation>Ronda %1</translation>
    </message>
    <message>
        <source>Time Up !</source>
        <translation>¡Tiempo!</translation>
    </message>
    <message>
        <source>Don't Cheat - You must use all the letters</source>
        <translation>¡No hagas trampas! Tienes que usar todas las letras</translation>
    </message>
    <message>
        <source>Out of time</source>
        <translation>Se te ha acabado el tiempo</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>The used-word record could not be saved to %1 (%2). The file keeps its old marks.</source>
        <translation>No se ha podido guardar el registro de palabras usadas en %1 (%2). El archivo conserva las marcas anteriores.</translation>
    </message>
    <message>
        <source>cannot make the folder %1: %2</source>
        <translation>no se puede crear la carpeta %1: %2</translation>
    </message>
    <message>
        <source>cannot copy %1 into %2: %3</source>
        <translation>no se puede copiar %1 en %2: %3</translation>
    </message>
    <message>
        <source>The file %1 is missing from the folder %2. Quarn cannot go on without it.</source>
        <translation>Falta el archivo %1 en la carpeta %2. Quarn no puede continuar sin él.</translation>
    </message>
    <message>
        <source>The word list %1 holds no entry that can be drawn, so %2 cannot be played.</source>
        <translation>La lista de palabras %1 no contiene ninguna entrada que se pueda sortear, así que no se puede jugar a %2.</translation>
    </message>
    <message>
        <source>the file dictionary.dic is missing from the folder %1</source>
        <translation>falta el archivo dictionary.dic en la carpeta %1</translation>
    </message>
    <message>
        <source>the file dictionary.dic in the folder %1 holds no words before its end marker 999</source>
        <translation>el archivo dictionary.dic de la carpeta %1 no contiene ninguna palabra antes de su marca final 999</translation>
    </message>
    <message>
        <source>The words of %1 cannot be played: %2. Quarn plays in English.</source>
        <translation>No se puede jugar con las palabras del idioma %1: %2. Quarn jugará en inglés.</translation>
    </message>
    <message>
        <source>The file dictionary.dic in the folder %1 holds no words before its end marker 999, so no word could ever be found.</source>
        <translation>El archivo dictionary.dic de la carpeta %1 no contiene ninguna palabra antes de su marca final 999, así que nunca se podría encontrar ninguna palabra.</translation>
    </message>
    <message>
        <source>The words of %1 cannot be played: %2.</source>
        <translation>No se puede jugar con las palabras del idioma %1: %2.</translation>
    </message>
    <message>
        <source>The choice of %1 could not be saved to %2 (%3). Quarn will start in the language chosen before.</source>
        <translation>No se ha podido guardar la elección del idioma %1 en %2 (%3). La próxima vez, Quarn se abrirá en el idioma elegido anteriormente.</translation>
    </message>
    <message>
        <source>You haven't selected the game you want to play</source>
        <translation>No has elegido a qué juego quieres jugar</translation>
    </message>
    <message>
        <source>You haven't selected the game time</source>
        <translation>No has elegido la duración de la partida</translation>
    </message>
    <message>
        <source>You haven't entered any players names</source>
        <translation>No has escrito el nombre de ningún jugador</translation>
    </message>
    <message>
        <source>Round 1</source>
        <translation>Ronda 1</translation>
    </message>
    <message>
        <source>letter board</source>
        <translation>tablero de letras</translation>
    </message>
    <message>
        <source>arrow keys move, Space picks</source>
        <translation>flechas para moverse, Espacio para seleccionar</translation>
    </message>
    <message>
        <source>%1: a new high score of %2</source>
        <extracomment>Read out as the new high score shows: %1 is "Well Done" and the name.</extracomment>
        <translation>%1 Nuevo récord: %2.</translation>
    </message>
    <message>
        <source>The winner is %1 with a score of %2</source>
        <extracomment>Read out as the winner shows: %1 is the winner's name.</extracomment>
        <translation>Ha ganado %1 con una puntuación de %2</translation>
    </message>
    <message>
        <source>%1, row %2 column %3</source>
        <extracomment>A cell of the board: %1 is its letter, or the word for an empty cell.</extracomment>
        <translation>%1, fila %2 columna %3</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vacía</translation>
    </message>
    <message>
        <source>%1, white</source>
        <extracomment>A cell that belongs to the word area of the grid games.</extracomment>
        <translation>%1, blanca</translation>
    </message>
    <message>
        <source>%1, picked</source>
        <extracomment>A cell picked, waiting for the second cell of a swap.</extracomment>
        <translation>%1, seleccionada</translation>
    </message>
    <message>
        <source>%1, placed</source>
        <extracomment>A cell whose letter is placed for good: the game refused to pick it.</extracomment>
        <translation>%1, colocada</translation>
    </message>
    <message>
        <source>%1, score %2.</source>
        <translation>%1, puntuación %2.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>The status key: the turn's counter under its heading ("Score: 985", "Time: 95").</extracomment>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>The game time has run out.</source>
        <translation>Se ha acabado el tiempo de la partida.</translation>
    </message>
    <message>
        <source>Game time left: %1:%2:%3.</source>
        <translation>Tiempo restante de la partida: %1:%2:%3.</translation>
    </message>
    <message>
        <source>Game time left: %1:%2.</source>
        <translation>Tiempo restante de la partida: %1:%2.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>What a screen reader hears of a caption: what it is, and what it says.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>You Scored %1 Pts</source>
        <translation>Has sacado %1 puntos</translation>
    </message>
    <message>
        <source>Words found: %1</source>
        <translation>Palabras encontradas: %1</translation>
    </message>
</context>
<context>
    <name>quarn::ui</name>
    <message>
        <source>separator</source>
        <translation>separador</translation>
    </message>
    <message>
        <source>Quarn has met an unexpected error and must close.

%1</source>
        <translation>Quarn ha sufrido un error inesperado y tiene que cerrarse.

%1</translation>
    </message>
    <message>
        <source>Quarn has met an unexpected error and must close.</source>
        <translation>Quarn ha sufrido un error inesperado y tiene que cerrarse.</translation>
    </message>
    <message>
        <source>border</source>
        <translation>borde</translation>
    </message>
    <message>
        <source>shadow</source>
        <translation>sombra</translation>
    </message>
</context>
<context>
    <name>quarn::ui::AboutWindow</name>
    <message>
        <source>About Quarn</source>
        <translation>Acerca de Quarn</translation>
    </message>
    <message>
        <source>a picture of letter tiles in the four seat colours</source>
        <translation>una imagen de fichas de letras con los cuatro colores de los jugadores</translation>
    </message>
    <message>
        <source>Version 1.1</source>
        <translation>Versión 1.1</translation>
    </message>
    <message>
        <source>Quarn is a collection of word games for people aged 10 years and older</source>
        <translation>Quarn es una colección de juegos de palabras para personas a partir de 10 años</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>quarn::ui::CheckingWordsWindow</name>
    <message>
        <source>Checking</source>
        <translation>Comprobando</translation>
    </message>
    <message>
        <source>Checking words</source>
        <translation>Comprobando…</translation>
    </message>
</context>
<context>
    <name>quarn::ui::EnterNamesWindow</name>
    <message>
        <source>Enter names</source>
        <translation>Nombres de los jugadores</translation>
    </message>
    <message>
        <source>Pick the colour that you want by clicking on the coloured box and entering your name</source>
        <translation>Elige el color que quieras haciendo clic en su recuadro y escribe tu nombre</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rojo</translation>
    </message>
    <message>
        <source>green</source>
        <translation>verde</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>azul</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>amarillo</translation>
    </message>
    <message>
        <source>name of player %1, %2</source>
        <translation>nombre del jugador %1, %2</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
</context>
<context>
    <name>quarn::ui::GameLengthWindow</name>
    <message>
        <source>Enter Length of Game</source>
        <translation>Duración de la partida</translation>
    </message>
    <message>
        <source>Enter the duration of the game by moving the slider below.  Click on Exit when the desired game length has been selected</source>
        <translation>Elige la duración de la partida moviendo el control deslizante de abajo. Cuando esté a tu gusto, haz clic en Salir.</translation>
    </message>
    <message>
        <source>game length in minutes</source>
        <translation>duración de la partida en minutos</translation>
    </message>
    <message>
        <source>Game Length</source>
        <translation>Duración</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>horas</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minutos</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
</context>
<context>
    <name>quarn::ui::GameScreenWindow</name>
    <message>
        <source>Game Screen</source>
        <translation>Pantalla de juego</translation>
    </message>
    <message>
        <source>Game Time Remaining</source>
        <translation>Tiempo restante</translation>
    </message>
    <message>
        <source>hours left</source>
        <translation>horas restantes</translation>
    </message>
    <message>
        <source>h</source>
        <extracomment>The unit after the hours of the game clock.</extracomment>
        <translation>h</translation>
    </message>
    <message>
        <source>minutes left</source>
        <translation>minutos restantes</translation>
    </message>
    <message>
        <source>m</source>
        <extracomment>The unit after the minutes of the game clock.</extracomment>
        <translation>m</translation>
    </message>
    <message>
        <source>seconds left</source>
        <translation>segundos restantes</translation>
    </message>
    <message>
        <source>s</source>
        <extracomment>The unit after the seconds of the game clock.</extracomment>
        <translation>s</translation>
    </message>
    <message>
        <source>round</source>
        <translation>ronda</translation>
    </message>
    <message>
        <source>The number of turns each player has had</source>
        <translation>Número de turnos que ha tenido cada jugador</translation>
    </message>
    <message>
        <source>game time remaining</source>
        <translation>tiempo restante de la partida</translation>
    </message>
    <message>
        <source>The scores shown above are the Highest scores after 4 rounds</source>
        <translation>Arriba se muestran las mejores puntuaciones tras 4 rondas</translation>
    </message>
    <message>
        <source>players and scores</source>
        <translation>jugadores y puntuaciones</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Jugador</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>player %1</source>
        <translation>jugador %1</translation>
    </message>
    <message>
        <source>score of player %1</source>
        <translation>puntuación del jugador %1</translation>
    </message>
    <message>
        <source>Highest Scores</source>
        <translation>Mejores puntuaciones</translation>
    </message>
    <message>
        <source>Psn</source>
        <translation>Pos</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>game</source>
        <translation>juego</translation>
    </message>
    <message>
        <source>turn</source>
        <translation>turno</translation>
    </message>
    <message>
        <source>Finished ! Check  Word(s)</source>
        <translation>¡Listo! Comprobar palabras</translation>
    </message>
    <message>
        <source>counter heading</source>
        <translation>título del contador</translation>
    </message>
    <message>
        <source>counter</source>
        <translation>contador</translation>
    </message>
    <message>
        <source>Change Letter</source>
        <translation>Cambiar letra</translation>
    </message>
    <message>
        <source>place %1</source>
        <translation>puesto %1</translation>
    </message>
    <message>
        <source>name in place %1</source>
        <translation>nombre en el puesto %1</translation>
    </message>
    <message>
        <source>score in place %1</source>
        <translation>puntuación en el puesto %1</translation>
    </message>
    <message>
        <source>date in place %1</source>
        <translation>fecha en el puesto %1</translation>
    </message>
</context>
<context>
    <name>quarn::ui::HelpWindow</name>
    <message>
        <source>Instructions</source>
        <translation>Instrucciones</translation>
    </message>
    <message>
        <source>user guide</source>
        <translation>guía de usuario</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>quarn::ui::MainMenuWindow</name>
    <message>
        <source>Pick a game to play.  The currently selected game will be highlighted in yellow</source>
        <translation>Elige un juego. El juego seleccionado aparece resaltado en amarillo.</translation>
    </message>
    <message>
        <source>title box</source>
        <translation>recuadro del título</translation>
    </message>
    <message>
        <source>a picture of letter tiles spelling Word</source>
        <translation>una imagen de fichas de letras que forman la palabra inglesa Word</translation>
    </message>
    <message>
        <source>Pick game to play</source>
        <translation>Elige un juego</translation>
    </message>
    <message>
        <source>Enter length of Game</source>
        <translation>Duración de la partida</translation>
    </message>
    <message>
        <source>Click here to enter the duration of the game</source>
        <translation>Haz clic aquí para elegir la duración de la partida</translation>
    </message>
    <message>
        <source>Enter Player Names</source>
        <translation>Nombres de los jugadores</translation>
    </message>
    <message>
        <source>Click here to enter up to 4 players names</source>
        <translation>Haz clic aquí para escribir los nombres de hasta 4 jugadores</translation>
    </message>
    <message>
        <source>Play Game</source>
        <translation>Jugar</translation>
    </message>
    <message>
        <source>Click here to start playing the game</source>
        <translation>Haz clic aquí para empezar a jugar</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Instrucciones</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de Quarn</translation>
    </message>
</context>
<context>
    <name>quarn::ui::NewHiscoreWindow</name>
    <message>
        <source>New high score</source>
        <translation>Nuevo récord</translation>
    </message>
    <message>
        <source>player</source>
        <translation>jugador</translation>
    </message>
    <message>
        <source>After 4 rounds you have made it into the High Score Table with a score of:</source>
        <translation>Tras 4 rondas has entrado en la tabla de récords con una puntuación de:</translation>
    </message>
    <message>
        <source>score</source>
        <translation>puntuación</translation>
    </message>
</context>
<context>
    <name>quarn::ui::ShowScoreWindow</name>
    <message>
        <source>Score</source>
        <translation>Puntuación</translation>
    </message>
    <message>
        <source>You Scored</source>
        <translation>Has sacado</translation>
    </message>
    <message>
        <source>points</source>
        <translation>puntos</translation>
    </message>
    <message>
        <source>Pts</source>
        <translation>pts.</translation>
    </message>
    <message>
        <source>words found</source>
        <translation>palabras encontradas</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Vale</translation>
    </message>
</context>
<context>
    <name>quarn::ui::UserGuide</name>
    <message>
        <source>Welcome to Quarn</source>
        <translation>Te damos la bienvenida a Quarn</translation>
    </message>
    <message>
        <source>Quarn is a collection of four word games for one to four players, who take turns at the same computer: &lt;b&gt;Anagrams&lt;/b&gt;, &lt;b&gt;Crossword&lt;/b&gt;, &lt;b&gt;Mix 'N Match&lt;/b&gt; and &lt;b&gt;Pick 'N Mix&lt;/b&gt;. Every game is played on the same board of 65 letter cells, 13 across and 5 down. You change the board by clicking one cell and then a second cell: the two cells swap their letters. Words are read along the rows from left to right and down the columns from top to bottom, never backwards.</source>
        <translation>Quarn es una colección de cuatro juegos de palabras para entre uno y cuatro jugadores, que se turnan en el mismo ordenador: &lt;b&gt;Anagrams&lt;/b&gt;, &lt;b&gt;Crossword&lt;/b&gt;, &lt;b&gt;Mix 'N Match&lt;/b&gt; y &lt;b&gt;Pick 'N Mix&lt;/b&gt;. Todos los juegos usan el mismo tablero de 65 casillas con letras, 13 de ancho y 5 de alto. Para cambiar el tablero, haz clic en una casilla y luego en otra: las dos casillas intercambian sus letras. Las palabras se leen por las filas, de izquierda a derecha, y por las columnas, de arriba abajo; nunca al revés.</translation>
    </message>
    <message>
        <source>Starting from the main menu</source>
        <translation>Empezar desde el menú principal</translation>
    </message>
    <message>
        <source>The main menu shows the four games. Click the game you want to play; it turns yellow. Then set the length of the game, enter the players' names and press &lt;b&gt;Play Game&lt;/b&gt;. If something is missing, Quarn tells you what it is. After every game you choose the game and its length again; the names stay.</source>
        <translation>El menú principal muestra los cuatro juegos. Haz clic en el juego al que quieres jugar; se pone amarillo. Luego elige la duración de la partida, escribe los nombres de los jugadores y pulsa &lt;b&gt;Jugar&lt;/b&gt;. Si falta algo, Quarn te dice qué es. Después de cada partida vuelves a elegir el juego y la duración; los nombres se mantienen.</translation>
    </message>
    <message>
        <source>Setting the length of the game</source>
        <translation>Elegir la duración de la partida</translation>
    </message>
    <message>
        <source>Press &lt;b&gt;Enter length of Game&lt;/b&gt; and move the slider to any whole number of minutes from 2 to 180 (three hours). The hours and minutes are shown under the slider. Press &lt;b&gt;Exit&lt;/b&gt; to keep that length and go back to the main menu.</source>
        <translation>Pulsa &lt;b&gt;Duración de la partida&lt;/b&gt; y mueve el control deslizante hasta cualquier número entero de minutos entre 2 y 180 (tres horas). Las horas y los minutos aparecen debajo del control. Pulsa &lt;b&gt;Salir&lt;/b&gt; para quedarte con esa duración y volver al menú principal.</translation>
    </message>
    <message>
        <source>The game clock counts down the whole game. Each player's turn has its own counter as well:</source>
        <translation>El reloj de la partida cuenta hacia atrás durante toda la partida. Además, el turno de cada jugador tiene su propio contador:</translation>
    </message>
    <message>
        <source>&lt;b&gt;Anagrams&lt;/b&gt;: the turn lasts until you solve the word or your 1000 points have run down, one point every 51 thousandths of a second, which takes about 51 seconds.</source>
        <translation>&lt;b&gt;Anagrams&lt;/b&gt;: el turno dura hasta que resuelvas la palabra o se agoten tus 1000 puntos, que bajan de uno en uno cada 51 milésimas de segundo, lo que lleva unos 51 segundos.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Crossword&lt;/b&gt;: 2 minutes.</source>
        <translation>&lt;b&gt;Crossword&lt;/b&gt;: 2 minutos.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Mix 'N Match&lt;/b&gt;: 3 minutes, or less if you press &lt;b&gt;Finished ! Check Word(s)&lt;/b&gt;.</source>
        <translation>&lt;b&gt;Mix 'N Match&lt;/b&gt;: 3 minutos, o menos si pulsas &lt;b&gt;¡Listo! Comprobar palabras&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Pick 'N Mix&lt;/b&gt;: 3 minutes.</source>
        <translation>&lt;b&gt;Pick 'N Mix&lt;/b&gt;: 3 minutos.</translation>
    </message>
    <message>
        <source>Entering the players' names</source>
        <translation>Escribir los nombres de los jugadores</translation>
    </message>
    <message>
        <source>Press &lt;b&gt;Enter Player Names&lt;/b&gt;. Each of the four coloured boxes is one player's seat; the colour is that player's colour on the game screen. Click a box and type your name. For fewer than four players, leave the other boxes empty: empty seats are simply passed over. Press &lt;b&gt;Exit&lt;/b&gt; to go back to the main menu.</source>
        <translation>Pulsa &lt;b&gt;Nombres de los jugadores&lt;/b&gt;. Cada uno de los cuatro recuadros de colores es el puesto de un jugador, y ese color será el suyo en la pantalla de juego. Haz clic en un recuadro y escribe tu nombre. Si hay menos de cuatro jugadores, deja vacíos los demás recuadros: los puestos vacíos simplemente se saltan. Pulsa &lt;b&gt;Salir&lt;/b&gt; para volver al menú principal.</translation>
    </message>
    <message>
        <source>Playing and leaving a game</source>
        <translation>Jugar y abandonar una partida</translation>
    </message>
    <message>
        <source>Press &lt;b&gt;Play Game&lt;/b&gt;. The game screen shows the game clock, the round, each player's name and score, and the best scores of the game. Before each turn Quarn asks whether the player is ready; click OK to start your turn. After a checked turn the points are shown: click &lt;b&gt;OK&lt;/b&gt; and watch them count onto your score.</source>
        <translation>Pulsa &lt;b&gt;Jugar&lt;/b&gt;. La pantalla de juego muestra el reloj de la partida, la ronda, el nombre y la puntuación de cada jugador, y las mejores puntuaciones de ese juego. Antes de cada turno, Quarn pregunta si el jugador está listo; haz clic en Aceptar para empezar tu turno. Después de comprobar un turno aparecen los puntos: haz clic en &lt;b&gt;Vale&lt;/b&gt; y mira cómo se suman a tu puntuación.</translation>
    </message>
    <message>
        <source>To leave a game early, press the red &lt;b&gt;Exit&lt;/b&gt; button at the top right and answer Yes. There is no winner for a game that was left.</source>
        <translation>Para abandonar una partida antes de tiempo, pulsa el botón rojo &lt;b&gt;Salir&lt;/b&gt; de arriba a la derecha y responde «Sí». Una partida abandonada no tiene ganador.</translation>
    </message>
    <message>
        <source>Playing with the keyboard</source>
        <translation>Jugar con el teclado</translation>
    </message>
    <message>
        <source>Everything can be done without a mouse. In every window &lt;b&gt;Tab&lt;/b&gt; and &lt;b&gt;Shift+Tab&lt;/b&gt; go from one control to the next, and &lt;b&gt;Space&lt;/b&gt;, &lt;b&gt;Return&lt;/b&gt; or &lt;b&gt;Enter&lt;/b&gt; presses the button that has the focus. &lt;b&gt;Return&lt;/b&gt; answers every message and every turn result (&lt;b&gt;Esc&lt;/b&gt; answers a result too). A key held down repeats only in the window where you pressed it, and &lt;b&gt;Return&lt;/b&gt;, &lt;b&gt;Enter&lt;/b&gt; and &lt;b&gt;Esc&lt;/b&gt; count once each time you press them. &lt;b&gt;Alt+F&lt;/b&gt; and &lt;b&gt;Alt+H&lt;/b&gt; open the File and Help menus. In the main menu &lt;b&gt;F1&lt;/b&gt; opens these instructions (&lt;b&gt;Esc&lt;/b&gt; closes them again). &lt;b&gt;Ctrl+Q&lt;/b&gt; is File &amp;gt; Exit in the main menu, in the windows for the names and the game length, in About and in these instructions, but never during a game. Type the names straight into the coloured boxes: &lt;b&gt;Return&lt;/b&gt; takes you to the next box, and after the fourth it presses &lt;b&gt;Exit&lt;/b&gt;. Move the game length slider with the arrow keys and press &lt;b&gt;Return&lt;/b&gt; to keep that length.</source>
        <translation>Todo se puede hacer sin ratón. En todas las ventanas, &lt;b&gt;Tab&lt;/b&gt; y &lt;b&gt;Mayús+Tab&lt;/b&gt; pasan de un control al siguiente, y &lt;b&gt;Espacio&lt;/b&gt;, &lt;b&gt;Intro&lt;/b&gt; o el &lt;b&gt;Intro&lt;/b&gt; del teclado numérico pulsan el botón que tiene el foco. Con &lt;b&gt;Intro&lt;/b&gt; respondes a cualquier mensaje y a cualquier resultado de turno (a un resultado también puedes responder con &lt;b&gt;Esc&lt;/b&gt;). Una tecla que mantienes pulsada solo se repite en la ventana en la que la pulsaste, y cada pulsación de &lt;b&gt;Intro&lt;/b&gt; (de cualquiera de las dos) o de &lt;b&gt;Esc&lt;/b&gt; cuenta una sola vez. &lt;b&gt;Alt+A&lt;/b&gt; y &lt;b&gt;Alt+U&lt;/b&gt; abren los menús Archivo y Ayuda. En el menú principal, &lt;b&gt;F1&lt;/b&gt; abre estas instrucciones (&lt;b&gt;Esc&lt;/b&gt; las vuelve a cerrar). &lt;b&gt;Ctrl+Q&lt;/b&gt; equivale a Archivo &amp;gt; Salir en el menú principal, en las ventanas de los nombres y de la duración de la partida, en Acerca de Quarn y en estas instrucciones, pero nunca durante una partida. Escribe los nombres directamente en los recuadros de colores: &lt;b&gt;Intro&lt;/b&gt; te lleva al recuadro siguiente y, después del cuarto, pulsa &lt;b&gt;Salir&lt;/b&gt;. Mueve el control deslizante de la duración con las teclas de flecha y pulsa &lt;b&gt;Intro&lt;/b&gt; para quedarte con esa duración.</translation>
    </message>
    <message>
        <source>The focus always goes where you play next: to the board when your turn starts and after each result, to the button that opened the names or game length window when you close it, and to the first game after a game.</source>
        <translation>El foco siempre va a donde vas a jugar a continuación: al tablero cuando empieza tu turno y después de cada resultado, al botón que abrió la ventana de los nombres o de la duración cuando la cierras, y al primer juego cuando termina una partida.</translation>
    </message>
    <message>
        <source>On the game screen the board is one stop of the Tab order, between &lt;b&gt;Exit&lt;/b&gt; and the buttons below the board. The &lt;b&gt;arrow keys&lt;/b&gt; always work the board, wherever the focus is: the first arrow key of a turn shows a thick blue cursor round the top-left cell, and each further key moves it one cell. Off one edge of the board it comes back in at the other. &lt;b&gt;Space&lt;/b&gt;, &lt;b&gt;Return&lt;/b&gt; or &lt;b&gt;Enter&lt;/b&gt; then picks the cell under the cursor, exactly like a click on it. Press &lt;b&gt;Tab&lt;/b&gt; to go on to &lt;b&gt;Finished ! Check Word(s)&lt;/b&gt; or &lt;b&gt;Change Letter&lt;/b&gt; and &lt;b&gt;Space&lt;/b&gt; or &lt;b&gt;Return&lt;/b&gt; to press it; an arrow key brings you back to the board. The cursor is hidden again at the end of every turn and whenever you click a cell with the mouse.</source>
        <translation>En la pantalla de juego, el tablero es una parada más al moverte con &lt;b&gt;Tab&lt;/b&gt;, entre &lt;b&gt;Salir&lt;/b&gt; y los botones de debajo del tablero. Las &lt;b&gt;teclas de flecha&lt;/b&gt; siempre manejan el tablero, esté donde esté el foco: la primera flecha de un turno muestra un cursor azul grueso alrededor de la casilla de arriba a la izquierda, y cada flecha que pulses después lo mueve una casilla. Si sale por un borde del tablero, vuelve a entrar por el borde opuesto. Después, &lt;b&gt;Espacio&lt;/b&gt;, &lt;b&gt;Intro&lt;/b&gt; o el &lt;b&gt;Intro&lt;/b&gt; del teclado numérico seleccionan la casilla que está bajo el cursor, exactamente igual que si hicieras clic en ella. Pulsa &lt;b&gt;Tab&lt;/b&gt; para pasar a &lt;b&gt;¡Listo! Comprobar palabras&lt;/b&gt; o a &lt;b&gt;Cambiar letra&lt;/b&gt;, y &lt;b&gt;Espacio&lt;/b&gt; o &lt;b&gt;Intro&lt;/b&gt; para pulsar ese botón; una tecla de flecha te devuelve al tablero. El cursor se vuelve a ocultar al final de cada turno y siempre que haces clic en una casilla con el ratón.</translation>
    </message>
    <message>
        <source>The high-score tables</source>
        <translation>Las tablas de récords</translation>
    </message>
    <message>
        <source>Each game keeps its own table of the ten best scores. The scores are taken after every player has had four turns, that is at the end of round 4: every player whose score beats the lowest score in the table goes into it, with the date. A score that only equals the lowest does not. A game that ends before the end of round 4 enters no score; a longer game enters them once, after round 4.</source>
        <translation>Cada juego tiene su propia tabla con las diez mejores puntuaciones. Las puntuaciones se anotan cuando todos los jugadores han tenido cuatro turnos, es decir, al final de la ronda 4: todo jugador cuya puntuación supere la más baja de la tabla entra en ella, con la fecha. Una puntuación que solo iguala la más baja no entra. Una partida que termina antes del final de la ronda 4 no anota ninguna puntuación; una partida más larga las anota una sola vez, después de la ronda 4.</translation>
    </message>
    <message>
        <source>When the game ends</source>
        <translation>Cuando termina la partida</translation>
    </message>
    <message>
        <source>When the game clock has run out, the round that is being played is finished, so every player has had the same number of turns. Then the winner, the player with the highest score, is announced, followed by GAME OVER.</source>
        <translation>Cuando se acaba el tiempo del reloj de la partida, se termina la ronda que se está jugando, para que todos los jugadores hayan tenido el mismo número de turnos. Después se anuncia el ganador, el jugador con la puntuación más alta, y a continuación aparece FIN DE LA PARTIDA.</translation>
    </message>
    <message>
        <source>Anagrams</source>
        <translation>Anagrams</translation>
    </message>
    <message>
        <source>The letters of a word stand mixed up in the top row. Swap them until the whole word reads correctly along a row or down a column, then press &lt;b&gt;Finished ! Check Word(s)&lt;/b&gt;. Any word that uses all the letters is accepted. You score the points that are still left on the counter when you press the button. If you make a shorter word, Quarn says "Don't Cheat - You must use all the letters" and the counter keeps running. If the counter runs out you score nothing.</source>
        <translation>Las letras de una palabra aparecen desordenadas en la fila de arriba. Intercámbialas hasta que la palabra entera se lea bien a lo largo de una fila o de una columna, y luego pulsa &lt;b&gt;¡Listo! Comprobar palabras&lt;/b&gt;. Vale cualquier palabra que use todas las letras. Ganas los puntos que todavía queden en el contador cuando pulses el botón. Si formas una palabra más corta, Quarn dice «¡No hagas trampas! Tienes que usar todas las letras» y el contador sigue corriendo. Si el contador se agota, no ganas nada.</translation>
    </message>
    <message>
        <source>Crossword</source>
        <translation>Crossword</translation>
    </message>
    <message>
        <source>You get a set of letters in the top row and two minutes to build as many words as you can, across or down, crossing each other if you like. Every whole run of letters that is a word scores 50 points; words hidden inside a longer run do not count, and a run that is not a word scores nothing. Press &lt;b&gt;Finished ! Check Word(s)&lt;/b&gt; to have your words checked early; when the time runs out the board is checked anyway.</source>
        <translation>Recibes un grupo de letras en la fila de arriba y dos minutos para formar todas las palabras que puedas, en horizontal o en vertical, y cruzadas entre sí si quieres. Cada serie completa de letras seguidas que sea una palabra vale 50 puntos; las palabras escondidas dentro de una serie más larga no cuentan, y una serie que no sea una palabra no vale nada. Pulsa &lt;b&gt;¡Listo! Comprobar palabras&lt;/b&gt; para que se comprueben tus palabras antes de tiempo; cuando se acaba el tiempo, el tablero se comprueba de todos modos.</translation>
    </message>
    <message>
        <source>Mix 'N Match</source>
        <translation>Mix 'N Match</translation>
    </message>
    <message>
        <source>The whole board is filled with random letters. Swap them to lay out words and mark the letters of your words white: the second cell of every swap changes between grey and white, so clicking the same cell twice marks or unmarks it. Only white cells count. When the 3 minutes are up, or when you press &lt;b&gt;Finished ! Check Word(s)&lt;/b&gt;, every word found inside a white run across or down scores 50 points for each of its letters, words inside words included: a white run "some" scores "so", "some" and "me".</source>
        <translation>Todo el tablero se llena de letras al azar. Intercámbialas para formar palabras y marca en blanco las letras de tus palabras: la segunda casilla de cada intercambio pasa de gris a blanco o de blanco a gris, así que si haces clic dos veces en la misma casilla, la marcas o la desmarcas. Solo cuentan las casillas blancas. Cuando se acaban los 3 minutos, o cuando pulsas &lt;b&gt;¡Listo! Comprobar palabras&lt;/b&gt;, cada palabra que se encuentre dentro de una serie de casillas blancas, en horizontal o en vertical, vale 50 puntos por cada una de sus letras, incluidas las palabras que hay dentro de otras palabras: una serie blanca «misil» puntúa «mi», «mis», «si» y «misil».</translation>
    </message>
    <message>
        <source>Pick 'N Mix</source>
        <translation>Pick 'N Mix</translation>
    </message>
    <message>
        <source>The board starts empty with one letter in the top-left cell. Click it, then click the cell where you want it: the letter lands there, turns white and cannot be moved again, and a new letter appears in the top-left cell. If you do not like the letter, press &lt;b&gt;Change Letter&lt;/b&gt; as often as you like. After 3 minutes the white letters are scored like Mix 'N Match: 50 points for every letter of every word found across or down, words inside words included.</source>
        <translation>El tablero empieza vacío, con una letra en la casilla de arriba a la izquierda. Haz clic en ella y luego en la casilla donde la quieras poner: la letra se queda allí, se vuelve blanca y ya no se puede mover, y en la casilla de arriba a la izquierda aparece una letra nueva. Si no te gusta la letra, pulsa &lt;b&gt;Cambiar letra&lt;/b&gt; todas las veces que quieras. Al cabo de 3 minutos, las letras blancas puntúan como en Mix 'N Match: 50 puntos por cada letra de cada palabra que se encuentre en horizontal o en vertical, incluidas las palabras que hay dentro de otras palabras.</translation>
    </message>
    <message>
        <source>Playing in another language</source>
        <translation>Jugar en otro idioma</translation>
    </message>
    <message>
        <source>When word packs are installed, the main menu has a &lt;b&gt;Language&lt;/b&gt; menu: English first, then every other language by its own name. Choose one, and from then on the dictionary, the words to unscramble and the letters on the board are that language's, until you choose another; Quarn remembers your choice for the next time. Each language keeps its own high-score tables. While a game is being played the menu is greyed out.</source>
        <translation>Si hay paquetes de palabras instalados, el menú principal tiene un menú &lt;b&gt;Idioma&lt;/b&gt;: primero English (el inglés) y después cada uno de los demás idiomas con su propio nombre. Elige uno y, a partir de ese momento, el diccionario, las palabras que hay que ordenar y las letras del tablero serán de ese idioma, hasta que elijas otro; Quarn recuerda tu elección para la próxima vez. Cada idioma tiene sus propias tablas de récords. Mientras se juega una partida, el menú aparece en gris y no se puede usar.</translation>
    </message>
    <message>
        <source>Playing with a screen reader</source>
        <translation>Jugar con un lector de pantalla</translation>
    </message>
    <message>
        <source>Quarn can be played without seeing the screen, by keys alone, with a screen reader such as Orca, the one that comes with the desktop. Start the screen reader first, then Quarn. The menus, buttons, boxes and messages are read as you reach them.</source>
        <translation>A Quarn se puede jugar sin ver la pantalla, solo con el teclado, con un lector de pantalla como Orca, el que viene con el escritorio. Abre primero el lector de pantalla y después Quarn. Los menús, botones, recuadros y mensajes se leen a medida que llegas a ellos.</translation>
    </message>
    <message>
        <source>When your turn starts the reader says whose turn it is, and the keyboard is on the board. The first arrow key reads the top-left cell; every further arrow key reads the cell the cursor moves onto: first its letter (or "empty"), then its row and column, then "white" for a cell of the word area of Mix 'N Match and Pick 'N Mix, and "picked" for a cell you have picked. After each pick and each swap the cell under the cursor is read again as it is now. In Pick 'N Mix a letter that is already placed cannot be picked: that cell is read again with "placed".</source>
        <translation>Cuando empieza tu turno, el lector dice a quién le toca, y el teclado ya está en el tablero. La primera tecla de flecha lee la casilla de arriba a la izquierda; cada flecha que pulses después lee la casilla a la que se mueve el cursor: primero su letra (o «vacía»), luego su fila y su columna, después «blanca» si es una casilla de la zona de palabras de Mix 'N Match y Pick 'N Mix, y «seleccionada» si es una casilla que has seleccionado. Después de cada selección y de cada intercambio, la casilla que está bajo el cursor se vuelve a leer tal como ha quedado. En Pick 'N Mix, una letra que ya está colocada no se puede seleccionar: esa casilla se vuelve a leer con «colocada».</translation>
    </message>
    <message>
        <source>The counter of the turn is not read as it counts down, but "Time Up !" is. Press &lt;b&gt;F2&lt;/b&gt; at any time during a game to hear where it stands: the counter under its heading (the points still to be won in Anagrams, the seconds left in the other games), the game time left, and the score of every player. Orca leaves &lt;b&gt;F2&lt;/b&gt; to Quarn in both its desktop and its laptop keyboard layout.</source>
        <translation>El contador del turno no se lee mientras baja, pero «¡Tiempo!» sí. Pulsa &lt;b&gt;F2&lt;/b&gt; en cualquier momento de la partida para oír cómo va: el contador con su título (los puntos que todavía se pueden ganar en Anagrams, los segundos que quedan en los demás juegos), el tiempo que le queda a la partida y la puntuación de cada jugador. Orca deja &lt;b&gt;F2&lt;/b&gt; para Quarn tanto en su distribución de teclado de escritorio como en la de portátil.</translation>
    </message>
    <message>
        <source>The turn result is read as it opens, the points first, then in Crossword the words that were found; &lt;b&gt;Return&lt;/b&gt; answers it. Once the points have counted up, your new score is read, at the latest as the next turn starts. A new high score and the winner are read as they appear; the reading goes on after the window has closed itself.</source>
        <translation>El resultado del turno se lee en cuanto se abre: primero los puntos y después, en Crossword, las palabras encontradas; se responde con &lt;b&gt;Intro&lt;/b&gt;. Cuando los puntos terminan de sumarse, se lee tu nueva puntuación, como muy tarde al empezar el turno siguiente. Un nuevo récord y el ganador se leen cuando aparecen; la lectura continúa aunque la ventana ya se haya cerrado sola.</translation>
    </message>
</context>
<context>
    <name>quarn::ui::WinnerWindow</name>
    <message>
        <source>The Winner is</source>
        <translation>Ha ganado</translation>
    </message>
    <message>
        <source>winner</source>
        <translation>ganador</translation>
    </message>
    <message>
        <source>With a score of</source>
        <translation>con un total de</translation>
    </message>
    <message>
        <source>winning score</source>
        <translation>puntuación ganadora</translation>
    </message>
    <message>
        <source>Winner</source>
        <translation>Ganador</translation>
    </message>
</context>
</TS>
