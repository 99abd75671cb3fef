<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT">
<context>
    <name>quarn</name>
    <message>
        <source>cannot follow the file's links: %1</source>
        <translation>não é possível seguir as ligações do ficheiro: %1</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>o ficheiro é só de leitura</translation>
    </message>
    <message>
        <source>the folder is read-only</source>
        <translation>a pasta é só de leitura</translation>
    </message>
    <message>
        <source>cannot create a new copy in the folder: %1</source>
        <translation>não é possível criar uma cópia nova na pasta: %1</translation>
    </message>
    <message>
        <source>cannot keep the file's permissions: %1</source>
        <translation>não é possível manter as permissões do ficheiro: %1</translation>
    </message>
    <message>
        <source>cannot write: %1</source>
        <translation>não é possível escrever: %1</translation>
    </message>
    <message>
        <source>cannot flush: %1</source>
        <translation>não é possível gravar os dados no disco: %1</translation>
    </message>
    <message>
        <source>cannot close: %1</source>
        <translation>não é possível fechar: %1</translation>
    </message>
    <message>
        <source>cannot replace: %1</source>
        <translation>não é possível substituir: %1</translation>
    </message>
    <message>
        <source>Are you sure you want to Quit</source>
        <translation>Tens a certeza de que queres sair?</translation>
    </message>
    <message>
        <source>The high scores could not be saved to %1 (%2). The file keeps its old table.</source>
        <translation>Não foi possível guardar os recordes em %1 (%2). O ficheiro mantém a tabela anterior.</translation>
    </message>
    <message>
        <source>Well Done %1</source>
        <translation>Parabéns, %1</translation>
    </message>
    <message>
        <source>%1's turn</source>
        <translation>É a vez de %1</translation>
    </message>
    <message>
        <source>Are you ready %1</source>
        <translation>Podemos começar, %1?</translation>
    </message>
    <message>
        <source>GAME OVER</source>
        <translation>FIM DO JOGO</translation>
    </message>
    <message>
        <source>Round %1</source>
        <translation>Ronda %1</translation>
    </message>
    <message>
        <source>Time Up !</source>
        <translation>Sem tempo!</translation>
    </message>
    <message>
        <source>Don't Cheat - You must use all the letters</source>
        <translation>Nada de batota! Tens de usar todas as letras</translation>
    </message>
    <message>
        <source>Out of time</source>
        <translation>Acabou o tempo</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Pontos</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>The used-word record could not be saved to %1 (%2). The file keeps its old marks.</source>
        <translation>Não foi possível guardar o registo das palavras usadas em %1 (%2). O ficheiro mantém as marcas anteriores.</translation>
    </message>
    <message>
        <source>cannot make the folder %1: %2</source>
        <translation>não é possível criar a pasta %1: %2</translation>
    </message>
    <message>
        <source>cannot copy %1 into %2: %3</source>
        <translation>não é possível copiar %1 para %2: %3</translation>
    </message>
    <message>
        <source>The file %1 is missing from the folder %2. Quarn cannot go on without it.</source>
        <translation>Falta o ficheiro %1 na pasta %2. O Quarn não pode continuar sem ele.</translation>
    </message>
    <message>
        <source>The word list %1 holds no entry that can be drawn, so %2 cannot be played.</source>
        <translation>A lista de palavras %1 não tem nenhuma entrada que possa ser sorteada, por isso não é possível jogar %2.</translation>
    </message>
    <message>
        <source>the file dictionary.dic is missing from the folder %1</source>
        <translation>falta o ficheiro dictionary.dic na pasta %1</translation>
    </message>
    <message>
        <source>the file dictionary.dic in the folder %1 holds no words before its end marker 999</source>
        <translation>o ficheiro dictionary.dic na pasta %1 não tem palavras antes da marca de fim 999</translation>
    </message>
    <message>
        <source>The words of %1 cannot be played: %2. Quarn plays in English.</source>
        <translation>Não é possível jogar com as palavras do idioma %1: %2. O Quarn fica em inglês.</translation>
    </message>
    <message>
        <source>The file dictionary.dic in the folder %1 holds no words before its end marker 999, so no word could ever be found.</source>
        <translation>O ficheiro dictionary.dic na pasta %1 não tem palavras antes da marca de fim 999, por isso nunca seria encontrada nenhuma palavra.</translation>
    </message>
    <message>
        <source>The words of %1 cannot be played: %2.</source>
        <translation>Não é possível jogar com as palavras do idioma %1: %2.</translation>
    </message>
    <message>
        <source>The choice of %1 could not be saved to %2 (%3). Quarn will start in the language chosen before.</source>
        <translation>Não foi possível guardar a escolha do idioma %1 em %2 (%3). O Quarn vai começar no idioma escolhido antes.</translation>
    </message>
    <message>
        <source>You haven't selected the game you want to play</source>
        <translation>Ainda não escolheste o jogo que queres jogar</translation>
    </message>
    <message>
        <source>You haven't selected the game time</source>
        <translation>Ainda não escolheste a duração do jogo</translation>
    </message>
    <message>
        <source>You haven't entered any players names</source>
        <translation>Ainda não escreveste nenhum nome de jogador</translation>
    </message>
    <message>
        <source>Round 1</source>
        <translation>Ronda 1</translation>
    </message>
    <message>
        <source>letter board</source>
        <translation>tabuleiro de letras</translation>
    </message>
    <message>
        <source>arrow keys move, Space picks</source>
        <translation>setas para mover, Espaço para selecionar</translation>
    </message>
    <message>
        <source>%1: a new high score of %2</source>
        <extracomment>Read out as the new high score shows: %1 is "Well Done" and the name.</extracomment>
        <translation>%1: novo recorde de %2 pontos</translation>
    </message>
    <message>
        <source>The winner is %1 with a score of %2</source>
        <extracomment>Read out as the winner shows: %1 is the winner's name.</extracomment>
        <translation>A vitória é de %1, com %2 pontos</translation>
    </message>
    <message>
        <source>%1, row %2 column %3</source>
        <extracomment>A cell of the board: %1 is its letter, or the word for an empty cell.</extracomment>
        <translation>%1, linha %2 coluna %3</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vazia</translation>
    </message>
    <message>
        <source>%1, white</source>
        <extracomment>A cell that belongs to the word area of the grid games.</extracomment>
        <translation>%1, branca</translation>
    </message>
    <message>
        <source>%1, picked</source>
        <extracomment>A cell picked, waiting for the second cell of a swap.</extracomment>
        <translation>%1, selecionada</translation>
    </message>
    <message>
        <source>%1, placed</source>
        <extracomment>A cell whose letter is placed for good: the game refused to pick it.</extracomment>
        <translation>%1, colocada</translation>
    </message>
    <message>
        <source>%1, score %2.</source>
        <translation>%1, pontuação %2.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>The status key: the turn's counter under its heading ("Score: 985", "Time: 95").</extracomment>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>The game time has run out.</source>
        <translation>O tempo de jogo acabou.</translation>
    </message>
    <message>
        <source>Game time left: %1:%2:%3.</source>
        <translation>Tempo de jogo restante: %1:%2:%3.</translation>
    </message>
    <message>
        <source>Game time left: %1:%2.</source>
        <translation>Tempo de jogo restante: %1:%2.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>What a screen reader hears of a caption: what it is, and what it says.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>You Scored %1 Pts</source>
        <translation>Marcaste %1 pontos</translation>
    </message>
    <message>
        <source>Words found: %1</source>
        <translation>Palavras encontradas: %1</translation>
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
        <translation>O Quarn encontrou um erro inesperado e tem de fechar.

%1</translation>
    </message>
    <message>
        <source>Quarn has met an unexpected error and must close.</source>
        <translation>O Quarn encontrou um erro inesperado e tem de fechar.</translation>
    </message>
    <message>
        <source>border</source>
        <translation>moldura</translation>
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
        <translation>Acerca do Quarn</translation>
    </message>
    <message>
        <source>a picture of letter tiles in the four seat colours</source>
        <translation>uma imagem de peças com letras nas cores dos quatro jogadores</translation>
    </message>
    <message>
        <source>Version 1.1</source>
        <translation>Versão 1.1</translation>
    </message>
    <message>
        <source>Quarn is a collection of word games for people aged 10 years and older</source>
        <translation>O Quarn é uma coleção de jogos de palavras para pessoas a partir dos 10 anos</translation>
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
        <translation>A verificar</translation>
    </message>
    <message>
        <source>Checking words</source>
        <translation>A verificar…</translation>
    </message>
</context>
<context>
    <name>quarn::ui::EnterNamesWindow</name>
    <message>
        <source>Enter names</source>
        <translation>Nomes dos jogadores</translation>
    </message>
    <message>
        <source>Pick the colour that you want by clicking on the coloured box and entering your name</source>
        <translation>Escolhe a cor que quiseres: clica na caixa dessa cor e escreve o teu nome</translation>
    </message>
    <message>
        <source>red</source>
        <translation>vermelho</translation>
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
        <translation>amarelo</translation>
    </message>
    <message>
        <source>name of player %1, %2</source>
        <translation>nome do jogador %1, %2</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
</context>
<context>
    <name>quarn::ui::GameLengthWindow</name>
    <message>
        <source>Enter Length of Game</source>
        <translation>Duração do jogo</translation>
    </message>
    <message>
        <source>Enter the duration of the game by moving the slider below.  Click on Exit when the desired game length has been selected</source>
        <translation>Escolhe a duração do jogo movendo a barra deslizante abaixo. Depois de escolheres, clica em Sair.</translation>
    </message>
    <message>
        <source>game length in minutes</source>
        <translation>duração do jogo em minutos</translation>
    </message>
    <message>
        <source>Game Length</source>
        <translation>Duração</translation>
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
        <translation>Sair</translation>
    </message>
</context>
<context>
    <name>quarn::ui::GameScreenWindow</name>
    <message>
        <source>Game Screen</source>
        <translation>Ecrã de jogo</translation>
    </message>
    <message>
        <source>Game Time Remaining</source>
        <translation>Tempo de jogo restante</translation>
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
        <translation>O número de turnos que cada jogador já jogou</translation>
    </message>
    <message>
        <source>game time remaining</source>
        <translation>tempo de jogo restante</translation>
    </message>
    <message>
        <source>The scores shown above are the Highest scores after 4 rounds</source>
        <translation>Acima estão as melhores pontuações ao fim de 4 rondas</translation>
    </message>
    <message>
        <source>players and scores</source>
        <translation>jogadores e pontuações</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Jogador</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Pontos</translation>
    </message>
    <message>
        <source>player %1</source>
        <translation>jogador %1</translation>
    </message>
    <message>
        <source>score of player %1</source>
        <translation>pontuação do jogador %1</translation>
    </message>
    <message>
        <source>Highest Scores</source>
        <translation>Melhores pontuações</translation>
    </message>
    <message>
        <source>Psn</source>
        <translation>Pos</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>game</source>
        <translation>jogo</translation>
    </message>
    <message>
        <source>turn</source>
        <translation>turno</translation>
    </message>
    <message>
        <source>Finished ! Check  Word(s)</source>
        <translation>Acabei! Verificar palavras</translation>
    </message>
    <message>
        <source>counter heading</source>
        <translation>título do contador</translation>
    </message>
    <message>
        <source>counter</source>
        <translation>contador</translation>
    </message>
    <message>
        <source>Change Letter</source>
        <translation>Trocar letra</translation>
    </message>
    <message>
        <source>place %1</source>
        <translation>posição %1</translation>
    </message>
    <message>
        <source>name in place %1</source>
        <translation>nome na posição %1</translation>
    </message>
    <message>
        <source>score in place %1</source>
        <translation>pontos na posição %1</translation>
    </message>
    <message>
        <source>date in place %1</source>
        <translation>data na posição %1</translation>
    </message>
</context>
<context>
    <name>quarn::ui::HelpWindow</name>
    <message>
        <source>Instructions</source>
        <translation>Instruções</translation>
    </message>
    <message>
        <source>user guide</source>
        <translation>guia do utilizador</translation>
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
        <translation>Escolhe um jogo. O jogo escolhido fica destacado a amarelo.</translation>
    </message>
    <message>
        <source>title box</source>
        <translation>caixa do título</translation>
    </message>
    <message>
        <source>a picture of letter tiles spelling Word</source>
        <translation>uma imagem de peças com as letras da palavra inglesa Word</translation>
    </message>
    <message>
        <source>Pick game to play</source>
        <translation>Escolhe um jogo</translation>
    </message>
    <message>
        <source>Enter length of Game</source>
        <translation>Duração do jogo</translation>
    </message>
    <message>
        <source>Click here to enter the duration of the game</source>
        <translation>Clica aqui para escolher a duração do jogo</translation>
    </message>
    <message>
        <source>Enter Player Names</source>
        <translation>Nomes dos jogadores</translation>
    </message>
    <message>
        <source>Click here to enter up to 4 players names</source>
        <translation>Clica aqui para escrever os nomes de até 4 jogadores</translation>
    </message>
    <message>
        <source>Play Game</source>
        <translation>Jogar</translation>
    </message>
    <message>
        <source>Click here to start playing the game</source>
        <translation>Clica aqui para começar a jogar</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Ficheiro</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ajuda</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Instruções</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca do Quarn</translation>
    </message>
</context>
<context>
    <name>quarn::ui::NewHiscoreWindow</name>
    <message>
        <source>New high score</source>
        <translation>Novo recorde</translation>
    </message>
    <message>
        <source>player</source>
        <translation>jogador</translation>
    </message>
    <message>
        <source>After 4 rounds you have made it into the High Score Table with a score of:</source>
        <translation>Ao fim de 4 rondas, entraste na tabela de recordes com a pontuação de:</translation>
    </message>
    <message>
        <source>score</source>
        <translation>pontuação</translation>
    </message>
</context>
<context>
    <name>quarn::ui::ShowScoreWindow</name>
    <message>
        <source>Score</source>
        <translation>Pontuação</translation>
    </message>
    <message>
        <source>You Scored</source>
        <translation>Marcaste</translation>
    </message>
    <message>
        <source>points</source>
        <translation>pontos</translation>
    </message>
    <message>
        <source>Pts</source>
        <translation>pts</translation>
    </message>
    <message>
        <source>words found</source>
        <translation>palavras encontradas</translation>
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
        <translation>Bem-vindo ao Quarn</translation>
    </message>
    <message>
        <source>Quarn is a collection of four word games for one to four players, who take turns at the same computer: &lt;b&gt;Anagrams&lt;/b&gt;, &lt;b&gt;Crossword&lt;/b&gt;, &lt;b&gt;Mix 'N Match&lt;/b&gt; and &lt;b&gt;Pick 'N Mix&lt;/b&gt;. Every game is played on the same board of 65 letter cells, 13 across and 5 down. You change the board by clicking one cell and then a second cell: the two cells swap their letters. Words are read along the rows from left to right and down the columns from top to bottom, never backwards.</source>
        <translation>O Quarn é uma coleção de quatro jogos de palavras para um a quatro jogadores, que jogam à vez no mesmo computador: &lt;b&gt;Anagrams&lt;/b&gt;, &lt;b&gt;Crossword&lt;/b&gt;, &lt;b&gt;Mix 'N Match&lt;/b&gt; e &lt;b&gt;Pick 'N Mix&lt;/b&gt;. Todos os jogos se jogam no mesmo tabuleiro de 65 casas com letras, 13 na horizontal e 5 na vertical. Para mudar o tabuleiro, clica numa casa e depois numa segunda casa: as duas casas trocam as letras entre si. As palavras leem-se ao longo das linhas, da esquerda para a direita, e ao longo das colunas, de cima para baixo, nunca ao contrário.</translation>
    </message>
    <message>
        <source>Starting from the main menu</source>
        <translation>Começar no menu principal</translation>
    </message>
    <message>
        <source>The main menu shows the four games. Click the game you want to play; it turns yellow. Then set the length of the game, enter the players' names and press &lt;b&gt;Play Game&lt;/b&gt;. If something is missing, Quarn tells you what it is. After every game you choose the game and its length again; the names stay.</source>
        <translation>O menu principal mostra os quatro jogos. Clica no jogo que queres jogar: fica destacado a amarelo. Depois escolhe a duração do jogo, escreve os nomes dos jogadores e carrega em &lt;b&gt;Jogar&lt;/b&gt;. Se faltar alguma coisa, o Quarn diz-te o que é. No fim de cada jogo, voltas a escolher o jogo e a duração; os nomes mantêm-se.</translation>
    </message>
    <message>
        <source>Setting the length of the game</source>
        <translation>Escolher a duração do jogo</translation>
    </message>
    <message>
        <source>Press &lt;b&gt;Enter length of Game&lt;/b&gt; and move the slider to any whole number of minutes from 2 to 180 (three hours). The hours and minutes are shown under the slider. Press &lt;b&gt;Exit&lt;/b&gt; to keep that length and go back to the main menu.</source>
        <translation>Carrega em &lt;b&gt;Duração do jogo&lt;/b&gt; e move a barra deslizante para qualquer número inteiro de minutos, de 2 a 180 (três horas). As horas e os minutos aparecem por baixo da barra. Carrega em &lt;b&gt;Sair&lt;/b&gt; para ficar com essa duração e voltar ao menu principal.</translation>
    </message>
    <message>
        <source>The game clock counts down the whole game. Each player's turn has its own counter as well:</source>
        <translation>O relógio do jogo faz a contagem decrescente do jogo inteiro. Além disso, o turno de cada jogador tem o seu próprio contador:</translation>
    </message>
    <message>
        <source>&lt;b&gt;Anagrams&lt;/b&gt;: the turn lasts until you solve the word or your 1000 points have run down, one point every 51 thousandths of a second, which takes about 51 seconds.</source>
        <translation>&lt;b&gt;Anagrams&lt;/b&gt;: o turno dura até resolveres a palavra ou até os teus 1000 pontos se esgotarem, à razão de um ponto a cada 51 milésimos de segundo, o que leva cerca de 51 segundos.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Crossword&lt;/b&gt;: 2 minutes.</source>
        <translation>&lt;b&gt;Crossword&lt;/b&gt;: 2 minutos.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Mix 'N Match&lt;/b&gt;: 3 minutes, or less if you press &lt;b&gt;Finished ! Check Word(s)&lt;/b&gt;.</source>
        <translation>&lt;b&gt;Mix 'N Match&lt;/b&gt;: 3 minutos, ou menos se carregares em &lt;b&gt;Acabei! Verificar palavras&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Pick 'N Mix&lt;/b&gt;: 3 minutes.</source>
        <translation>&lt;b&gt;Pick 'N Mix&lt;/b&gt;: 3 minutos.</translation>
    </message>
    <message>
        <source>Entering the players' names</source>
        <translation>Escrever os nomes dos jogadores</translation>
    </message>
    <message>
        <source>Press &lt;b&gt;Enter Player Names&lt;/b&gt;. Each of the four coloured boxes is one player's seat; the colour is that player's colour on the game screen. Click a box and type your name. For fewer than four players, leave the other boxes empty: empty seats are simply passed over. Press &lt;b&gt;Exit&lt;/b&gt; to go back to the main menu.</source>
        <translation>Carrega em &lt;b&gt;Nomes dos jogadores&lt;/b&gt;. Cada uma das quatro caixas coloridas é o lugar de um jogador; a cor é a cor desse jogador no ecrã de jogo. Clica numa caixa e escreve o teu nome. Se forem menos de quatro jogadores, deixa as outras caixas vazias: os lugares vazios são simplesmente saltados. Carrega em &lt;b&gt;Sair&lt;/b&gt; para voltar ao menu principal.</translation>
    </message>
    <message>
        <source>Playing and leaving a game</source>
        <translation>Jogar e sair de um jogo</translation>
    </message>
    <message>
        <source>Press &lt;b&gt;Play Game&lt;/b&gt;. The game screen shows the game clock, the round, each player's name and score, and the best scores of the game. Before each turn Quarn asks whether the player is ready; click OK to start your turn. After a checked turn the points are shown: click &lt;b&gt;OK&lt;/b&gt; and watch them count onto your score.</source>
        <translation>Carrega em &lt;b&gt;Jogar&lt;/b&gt;. O ecrã de jogo mostra o relógio do jogo, a ronda, o nome e a pontuação de cada jogador e as melhores pontuações desse jogo. Antes de cada turno, o Quarn pergunta se o jogador está pronto; clica em OK para começares o teu turno. Depois de o turno ser verificado, aparecem os pontos: clica em &lt;b&gt;OK&lt;/b&gt; e vê-os a somarem-se à tua pontuação.</translation>
    </message>
    <message>
        <source>To leave a game early, press the red &lt;b&gt;Exit&lt;/b&gt; button at the top right and answer Yes. There is no winner for a game that was left.</source>
        <translation>Para sair de um jogo antes do fim, carrega no botão vermelho &lt;b&gt;Sair&lt;/b&gt;, no canto superior direito, e responde Sim. Um jogo abandonado não tem vencedor.</translation>
    </message>
    <message>
        <source>Playing with the keyboard</source>
        <translation>Jogar com o teclado</translation>
    </message>
    <message>
        <source>Everything can be done without a mouse. In every window &lt;b&gt;Tab&lt;/b&gt; and &lt;b&gt;Shift+Tab&lt;/b&gt; go from one control to the next, and &lt;b&gt;Space&lt;/b&gt;, &lt;b&gt;Return&lt;/b&gt; or &lt;b&gt;Enter&lt;/b&gt; presses the button that has the focus. &lt;b&gt;Return&lt;/b&gt; answers every message and every turn result (&lt;b&gt;Esc&lt;/b&gt; answers a result too). A key held down repeats only in the window where you pressed it, and &lt;b&gt;Return&lt;/b&gt;, &lt;b&gt;Enter&lt;/b&gt; and &lt;b&gt;Esc&lt;/b&gt; count once each time you press them. &lt;b&gt;Alt+F&lt;/b&gt; and &lt;b&gt;Alt+H&lt;/b&gt; open the File and Help menus. In the main menu &lt;b&gt;F1&lt;/b&gt; opens these instructions (&lt;b&gt;Esc&lt;/b&gt; closes them again). &lt;b&gt;Ctrl+Q&lt;/b&gt; is File &amp;gt; Exit in the main menu, in the windows for the names and the game length, in About and in these instructions, but never during a game. Type the names straight into the coloured boxes: &lt;b&gt;Return&lt;/b&gt; takes you to the next box, and after the fourth it presses &lt;b&gt;Exit&lt;/b&gt;. Move the game length slider with the arrow keys and press &lt;b&gt;Return&lt;/b&gt; to keep that length.</source>
        <translation>Tudo se pode fazer sem rato. Em todas as janelas, &lt;b&gt;Tab&lt;/b&gt; e &lt;b&gt;Shift+Tab&lt;/b&gt; passam de um controlo para outro, e &lt;b&gt;Espaço&lt;/b&gt;, &lt;b&gt;Enter&lt;/b&gt; ou o &lt;b&gt;Enter&lt;/b&gt; do teclado numérico carregam no botão que tem o foco. &lt;b&gt;Enter&lt;/b&gt; responde a todas as mensagens e a todos os resultados dos turnos (&lt;b&gt;Esc&lt;/b&gt; também responde a um resultado). Uma tecla que fiques a premir só se repete na janela onde a premiste, e &lt;b&gt;Enter&lt;/b&gt;, o &lt;b&gt;Enter&lt;/b&gt; do teclado numérico e &lt;b&gt;Esc&lt;/b&gt; contam só uma vez de cada vez que os premes. &lt;b&gt;Alt+F&lt;/b&gt; e &lt;b&gt;Alt+A&lt;/b&gt; abrem os menus Ficheiro e Ajuda. No menu principal, &lt;b&gt;F1&lt;/b&gt; abre estas instruções (e &lt;b&gt;Esc&lt;/b&gt; fecha-as outra vez). &lt;b&gt;Ctrl+Q&lt;/b&gt; faz o mesmo que Ficheiro &amp;gt; Sair no menu principal, nas janelas dos nomes e da duração do jogo, em Acerca do Quarn e nestas instruções, mas nunca durante um jogo. Escreve os nomes diretamente nas caixas coloridas: &lt;b&gt;Enter&lt;/b&gt; leva-te para a caixa seguinte e, depois da quarta, faz o mesmo que carregar em &lt;b&gt;Sair&lt;/b&gt;. Move a barra deslizante da duração do jogo com as teclas de seta e carrega em &lt;b&gt;Enter&lt;/b&gt; para ficar com essa duração.</translation>
    </message>
    <message>
        <source>The focus always goes where you play next: to the board when your turn starts and after each result, to the button that opened the names or game length window when you close it, and to the first game after a game.</source>
        <translation>O foco vai sempre para onde vais jogar a seguir: para o tabuleiro quando começa o teu turno e depois de cada resultado, para o botão que abriu a janela dos nomes ou da duração do jogo quando a fechas, e para o primeiro jogo do menu quando um jogo acaba.</translation>
    </message>
    <message>
        <source>On the game screen the board is one stop of the Tab order, between &lt;b&gt;Exit&lt;/b&gt; and the buttons below the board. The &lt;b&gt;arrow keys&lt;/b&gt; always work the board, wherever the focus is: the first arrow key of a turn shows a thick blue cursor round the top-left cell, and each further key moves it one cell. Off one edge of the board it comes back in at the other. &lt;b&gt;Space&lt;/b&gt;, &lt;b&gt;Return&lt;/b&gt; or &lt;b&gt;Enter&lt;/b&gt; then picks the cell under the cursor, exactly like a click on it. Press &lt;b&gt;Tab&lt;/b&gt; to go on to &lt;b&gt;Finished ! Check Word(s)&lt;/b&gt; or &lt;b&gt;Change Letter&lt;/b&gt; and &lt;b&gt;Space&lt;/b&gt; or &lt;b&gt;Return&lt;/b&gt; to press it; an arrow key brings you back to the board. The cursor is hidden again at the end of every turn and whenever you click a cell with the mouse.</source>
        <translation>No ecrã de jogo, o tabuleiro é um dos pontos por onde passa a tecla Tab, entre &lt;b&gt;Sair&lt;/b&gt; e os botões por baixo do tabuleiro. As &lt;b&gt;teclas de seta&lt;/b&gt; comandam sempre o tabuleiro, esteja o foco onde estiver: a primeira seta de cada turno mostra um cursor azul grosso à volta da casa do canto superior esquerdo, e cada seta seguinte move-o uma casa. Quando sai por um lado do tabuleiro, volta a entrar pelo lado oposto. Depois, &lt;b&gt;Espaço&lt;/b&gt;, &lt;b&gt;Enter&lt;/b&gt; ou o &lt;b&gt;Enter&lt;/b&gt; do teclado numérico selecionam a casa debaixo do cursor, tal e qual como um clique nela. Carrega em &lt;b&gt;Tab&lt;/b&gt; para passar para &lt;b&gt;Acabei! Verificar palavras&lt;/b&gt; ou &lt;b&gt;Trocar letra&lt;/b&gt; e em &lt;b&gt;Espaço&lt;/b&gt; ou &lt;b&gt;Enter&lt;/b&gt; para carregar nesse botão; uma seta leva-te de volta ao tabuleiro. O cursor volta a ficar escondido no fim de cada turno e sempre que clicas numa casa com o rato.</translation>
    </message>
    <message>
        <source>The high-score tables</source>
        <translation>As tabelas de recordes</translation>
    </message>
    <message>
        <source>Each game keeps its own table of the ten best scores. The scores are taken after every player has had four turns, that is at the end of round 4: every player whose score beats the lowest score in the table goes into it, with the date. A score that only equals the lowest does not. A game that ends before the end of round 4 enters no score; a longer game enters them once, after round 4.</source>
        <translation>Cada jogo tem a sua própria tabela com as dez melhores pontuações. As pontuações são registadas depois de cada jogador ter jogado quatro turnos, ou seja, no fim da ronda 4: cada jogador cuja pontuação seja maior do que a mais baixa da tabela entra nela, com a data. Uma pontuação que seja apenas igual à mais baixa não entra. Um jogo que acabe antes do fim da ronda 4 não regista nenhuma pontuação; um jogo mais longo regista-as uma única vez, depois da ronda 4.</translation>
    </message>
    <message>
        <source>When the game ends</source>
        <translation>Quando o jogo acaba</translation>
    </message>
    <message>
        <source>When the game clock has run out, the round that is being played is finished, so every player has had the same number of turns. Then the winner, the player with the highest score, is announced, followed by GAME OVER.</source>
        <translation>Quando o relógio do jogo chega a zero, a ronda em curso é jogada até ao fim, para que todos os jogadores tenham jogado o mesmo número de turnos. Depois é anunciado o vencedor, o jogador com a pontuação mais alta, seguido de FIM DO JOGO.</translation>
    </message>
    <message>
        <source>Anagrams</source>
        <translation>Anagrams</translation>
    </message>
    <message>
        <source>The letters of a word stand mixed up in the top row. Swap them until the whole word reads correctly along a row or down a column, then press &lt;b&gt;Finished ! Check Word(s)&lt;/b&gt;. Any word that uses all the letters is accepted. You score the points that are still left on the counter when you press the button. If you make a shorter word, Quarn says "Don't Cheat - You must use all the letters" and the counter keeps running. If the counter runs out you score nothing.</source>
        <translation>As letras de uma palavra aparecem baralhadas na linha de cima. Troca-as até a palavra inteira se ler corretamente numa linha ou numa coluna e carrega em &lt;b&gt;Acabei! Verificar palavras&lt;/b&gt;. É aceite qualquer palavra que use todas as letras. Ganhas os pontos que ainda restam no contador no momento em que carregas no botão. Se formares uma palavra mais curta, o Quarn diz «Nada de batota! Tens de usar todas as letras» e o contador continua a descer. Se o contador chegar ao fim, não ganhas nada.</translation>
    </message>
    <message>
        <source>Crossword</source>
        <translation>Crossword</translation>
    </message>
    <message>
        <source>You get a set of letters in the top row and two minutes to build as many words as you can, across or down, crossing each other if you like. Every whole run of letters that is a word scores 50 points; words hidden inside a longer run do not count, and a run that is not a word scores nothing. Press &lt;b&gt;Finished ! Check Word(s)&lt;/b&gt; to have your words checked early; when the time runs out the board is checked anyway.</source>
        <translation>Recebes um conjunto de letras na linha de cima e dois minutos para formar o maior número de palavras que conseguires, na horizontal ou na vertical, cruzadas umas com as outras se quiseres. Cada sequência inteira de letras que seja uma palavra vale 50 pontos; as palavras escondidas dentro de uma sequência mais longa não contam, e uma sequência que não seja uma palavra não vale nada. Carrega em &lt;b&gt;Acabei! Verificar palavras&lt;/b&gt; para que as tuas palavras sejam verificadas mais cedo; quando o tempo acaba, o tabuleiro é verificado na mesma.</translation>
    </message>
    <message>
        <source>Mix 'N Match</source>
        <translation>Mix 'N Match</translation>
    </message>
    <message>
        <source>The whole board is filled with random letters. Swap them to lay out words and mark the letters of your words white: the second cell of every swap changes between grey and white, so clicking the same cell twice marks or unmarks it. Only white cells count. When the 3 minutes are up, or when you press &lt;b&gt;Finished ! Check Word(s)&lt;/b&gt;, every word found inside a white run across or down scores 50 points for each of its letters, words inside words included: a white run "some" scores "so", "some" and "me".</source>
        <translation>O tabuleiro inteiro está cheio de letras ao acaso. Troca-as para formar palavras e marca a branco as letras das tuas palavras: a segunda casa de cada troca passa de cinzento a branco ou de branco a cinzento, por isso clicar duas vezes na mesma casa marca-a ou desmarca-a. Só contam as casas brancas. Quando acabarem os 3 minutos, ou quando carregares em &lt;b&gt;Acabei! Verificar palavras&lt;/b&gt;, cada palavra encontrada dentro de uma sequência branca, na horizontal ou na vertical, vale 50 pontos por cada uma das suas letras, incluindo palavras dentro de palavras: uma sequência branca «luar» pontua «lua», «luar» e «ar».</translation>
    </message>
    <message>
        <source>Pick 'N Mix</source>
        <translation>Pick 'N Mix</translation>
    </message>
    <message>
        <source>The board starts empty with one letter in the top-left cell. Click it, then click the cell where you want it: the letter lands there, turns white and cannot be moved again, and a new letter appears in the top-left cell. If you do not like the letter, press &lt;b&gt;Change Letter&lt;/b&gt; as often as you like. After 3 minutes the white letters are scored like Mix 'N Match: 50 points for every letter of every word found across or down, words inside words included.</source>
        <translation>O tabuleiro começa vazio, com uma letra na casa do canto superior esquerdo. Clica nela e depois clica na casa onde a queres pôr: a letra fica lá, torna-se branca e já não pode ser mudada de sítio, e aparece uma letra nova na casa do canto superior esquerdo. Se não gostares da letra, carrega em &lt;b&gt;Trocar letra&lt;/b&gt; as vezes que quiseres. Ao fim de 3 minutos, as letras brancas são pontuadas como no Mix 'N Match: 50 pontos por cada letra de cada palavra encontrada na horizontal ou na vertical, incluindo palavras dentro de palavras.</translation>
    </message>
    <message>
        <source>Playing in another language</source>
        <translation>Jogar noutro idioma</translation>
    </message>
    <message>
        <source>When word packs are installed, the main menu has a &lt;b&gt;Language&lt;/b&gt; menu: English first, then every other language by its own name. Choose one, and from then on the dictionary, the words to unscramble and the letters on the board are that language's, until you choose another; Quarn remembers your choice for the next time. Each language keeps its own high-score tables. While a game is being played the menu is greyed out.</source>
        <translation>Quando há pacotes de palavras instalados, o menu principal tem um menu &lt;b&gt;Idioma&lt;/b&gt;: primeiro English (o inglês), depois cada um dos outros idiomas pelo seu próprio nome. Escolhe um e, a partir daí, o dicionário, as palavras para desbaralhar e as letras do tabuleiro passam a ser desse idioma, até escolheres outro; o Quarn lembra-se da tua escolha para a próxima vez. Cada idioma tem as suas próprias tabelas de recordes. Enquanto se está a jogar, o menu fica a cinzento.</translation>
    </message>
    <message>
        <source>Playing with a screen reader</source>
        <translation>Jogar com um leitor de ecrã</translation>
    </message>
    <message>
        <source>Quarn can be played without seeing the screen, by keys alone, with a screen reader such as Orca, the one that comes with the desktop. Start the screen reader first, then Quarn. The menus, buttons, boxes and messages are read as you reach them.</source>
        <translation>O Quarn pode ser jogado sem ver o ecrã, só com o teclado, com um leitor de ecrã como o Orca, o que vem com o ambiente de trabalho. Inicia primeiro o leitor de ecrã e depois o Quarn. Os menus, botões, caixas e mensagens são lidos à medida que lá chegas.</translation>
    </message>
    <message>
        <source>When your turn starts the reader says whose turn it is, and the keyboard is on the board. The first arrow key reads the top-left cell; every further arrow key reads the cell the cursor moves onto: first its letter (or "empty"), then its row and column, then "white" for a cell of the word area of Mix 'N Match and Pick 'N Mix, and "picked" for a cell you have picked. After each pick and each swap the cell under the cursor is read again as it is now. In Pick 'N Mix a letter that is already placed cannot be picked: that cell is read again with "placed".</source>
        <translation>Quando começa o teu turno, o leitor diz de quem é a vez, e o teclado fica no tabuleiro. A primeira seta lê a casa do canto superior esquerdo; cada seta seguinte lê a casa para onde o cursor se move: primeiro a letra (ou «vazia»), depois a linha e a coluna, depois «branca» para uma casa da área de palavras do Mix 'N Match e do Pick 'N Mix, e «selecionada» para uma casa que selecionaste. Depois de cada seleção e de cada troca, a casa debaixo do cursor é lida outra vez, tal como está agora. No Pick 'N Mix, uma letra que já foi colocada não pode ser selecionada: essa casa é lida outra vez com «colocada».</translation>
    </message>
    <message>
        <source>The counter of the turn is not read as it counts down, but "Time Up !" is. Press &lt;b&gt;F2&lt;/b&gt; at any time during a game to hear where it stands: the counter under its heading (the points still to be won in Anagrams, the seconds left in the other games), the game time left, and the score of every player. Orca leaves &lt;b&gt;F2&lt;/b&gt; to Quarn in both its desktop and its laptop keyboard layout.</source>
        <translation>O contador do turno não é lido enquanto desce, mas «Sem tempo!» sim. Carrega em &lt;b&gt;F2&lt;/b&gt; a qualquer momento durante um jogo para ouvires o ponto da situação: o contador com o seu título (os pontos que ainda podes ganhar no Anagrams, os segundos que faltam nos outros jogos), o tempo de jogo que resta e a pontuação de cada jogador. O Orca deixa a tecla &lt;b&gt;F2&lt;/b&gt; para o Quarn, tanto na disposição de teclado de computador de secretária como na de portátil.</translation>
    </message>
    <message>
        <source>The turn result is read as it opens, the points first, then in Crossword the words that were found; &lt;b&gt;Return&lt;/b&gt; answers it. Once the points have counted up, your new score is read, at the latest as the next turn starts. A new high score and the winner are read as they appear; the reading goes on after the window has closed itself.</source>
        <translation>O resultado do turno é lido quando a janela abre: primeiro os pontos e depois, no Crossword, as palavras encontradas; para responder, carrega em &lt;b&gt;Enter&lt;/b&gt;. Quando os pontos acabam de ser somados, é lida a tua nova pontuação, o mais tardar quando começa o turno seguinte. Um novo recorde e o vencedor são lidos quando aparecem; a leitura continua depois de a janela se fechar sozinha.</translation>
    </message>
</context>
<context>
    <name>quarn::ui::WinnerWindow</name>
    <message>
        <source>The Winner is</source>
        <translation>A vitória é de</translation>
    </message>
    <message>
        <source>winner</source>
        <translation>vencedor</translation>
    </message>
    <message>
        <source>With a score of</source>
        <translation>Com um total de</translation>
    </message>
    <message>
        <source>winning score</source>
        <translation>pontuação vencedora</translation>
    </message>
    <message>
        <source>Winner</source>
        <translation>Vitória</translation>
    </message>
</context>
</TS>
