<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>quarn</name>
    <message>
        <source>cannot follow the file's links: %1</source>
        <translation>impossible de suivre les liens symboliques du fichier : %1</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>le fichier est en lecture seule</translation>
    </message>
    <message>
        <source>the folder is read-only</source>
        <translation>le dossier est en lecture seule</translation>
    </message>
    <message>
        <source>cannot create a new copy in the folder: %1</source>
        <translation>impossible de créer une nouvelle copie dans le dossier : %1</translation>
    </message>
    <message>
        <source>cannot keep the file's permissions: %1</source>
        <translation>impossible de conserver les droits d’accès du fichier : %1</translation>
    </message>
    <message>
        <source>cannot write: %1</source>
        <translation>impossible d’écrire dans le fichier : %1</translation>
    </message>
    <message>
        <source>cannot flush: %1</source>
        <translation>impossible d’écrire les données sur le disque : %1</translation>
    </message>
    <message>
        <source>cannot close: %1</source>
        <translation>impossible de fermer le fichier : %1</translation>
    </message>
    <message>
        <source>cannot replace: %1</source>
        <translation>impossible de remplacer le fichier : %1</translation>
    </message>
    <message>
        <source>Are you sure you want to Quit</source>
        <translation>Veux-tu vraiment quitter la partie ?</translation>
    </message>
    <message>
        <source>The high scores could not be saved to %1 (%2). The file keeps its old table.</source>
        <translation>Les meilleurs scores n’ont pas pu être enregistrés dans %1 (%2). Le fichier garde son ancien tableau.</translation>
    </message>
    <message>
        <source>Well Done %1</source>
        <translation>Bravo, %1</translation>
    </message>
    <message>
        <source>%1's turn</source>
        <translation>À %1 de jouer</translation>
    </message>
    <message>
        <source>Are you ready %1</source>
        <translation>%1, on y va ?</translation>
    </message>
    <message>
        <source>GAME OVER</source>
        <translation>FIN DE LA PARTIE</translation>
    </message>
    <message>
        <source>Round %1</source>
        <translation>Manche %1</translation>
    </message>
    <message>
        <source>Time Up !</source>
        <translation>Temps écoulé</translation>
    </message>
    <message>
        <source>Don't Cheat - You must use all the letters</source>
        <translation>Pas de triche ! Tu dois utiliser toutes les lettres.</translation>
    </message>
    <message>
        <source>Out of time</source>
        <translation>Le temps est écoulé.</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Temps</translation>
    </message>
    <message>
        <source>The used-word record could not be saved to %1 (%2). The file keeps its old marks.</source>
        <translation>La liste des mots déjà utilisés n’a pas pu être enregistrée dans %1 (%2). Le fichier garde son ancien contenu.</translation>
    </message>
    <message>
        <source>cannot make the folder %1: %2</source>
        <translation>impossible de créer le dossier %1 : %2</translation>
    </message>
    <message>
        <source>cannot copy %1 into %2: %3</source>
        <translation>impossible de copier %1 dans %2 : %3</translation>
    </message>
    <message>
        <source>The file %1 is missing from the folder %2. Quarn cannot go on without it.</source>
        <translation>Le fichier %1 est absent du dossier %2. Quarn ne peut pas continuer sans ce fichier.</translation>
    </message>
    <message>
        <source>The word list %1 holds no entry that can be drawn, so %2 cannot be played.</source>
        <translation>La liste de mots %1 ne contient aucun mot qui puisse être tiré : impossible de jouer à %2.</translation>
    </message>
    <message>
        <source>the file dictionary.dic is missing from the folder %1</source>
        <translation>le fichier dictionary.dic est absent du dossier %1</translation>
    </message>
    <message>
        <source>the file dictionary.dic in the folder %1 holds no words before its end marker 999</source>
        <translation>le fichier dictionary.dic du dossier %1 ne contient aucun mot avant sa marque de fin 999</translation>
    </message>
    <message>
        <source>The words of %1 cannot be played: %2. Quarn plays in English.</source>
        <translation>Impossible d’utiliser les mots de la langue %1 : %2. Quarn joue donc en anglais.</translation>
    </message>
    <message>
        <source>The file dictionary.dic in the folder %1 holds no words before its end marker 999, so no word could ever be found.</source>
        <translation>Le fichier dictionary.dic du dossier %1 ne contient aucun mot avant sa marque de fin 999 : aucun mot ne pourrait jamais être trouvé.</translation>
    </message>
    <message>
        <source>The words of %1 cannot be played: %2.</source>
        <translation>Impossible d’utiliser les mots de la langue %1 : %2.</translation>
    </message>
    <message>
        <source>The choice of %1 could not be saved to %2 (%3). Quarn will start in the language chosen before.</source>
        <translation>Le choix de la langue %1 n’a pas pu être enregistré dans %2 (%3). Quarn démarrera dans la langue choisie auparavant.</translation>
    </message>
    <message>
        <source>You haven't selected the game you want to play</source>
        <translation>Tu n’as pas choisi le jeu auquel tu veux jouer.</translation>
    </message>
    <message>
        <source>You haven't selected the game time</source>
        <translation>Tu n’as pas choisi la durée de la partie.</translation>
    </message>
    <message>
        <source>You haven't entered any players names</source>
        <translation>Tu n’as entré aucun nom de joueur.</translation>
    </message>
    <message>
        <source>Round 1</source>
        <translation>Manche 1</translation>
    </message>
    <message>
        <source>letter board</source>
        <translation>grille de lettres</translation>
    </message>
    <message>
        <source>arrow keys move, Space picks</source>
        <translation>flèches pour se déplacer, Espace pour sélectionner</translation>
    </message>
    <message>
        <source>%1: a new high score of %2</source>
        <extracomment>Read out as the new high score shows: %1 is "Well Done" and the name.</extracomment>
        <translation>%1 : un nouveau meilleur score de %2</translation>
    </message>
    <message>
        <source>The winner is %1 with a score of %2</source>
        <extracomment>Read out as the winner shows: %1 is the winner's name.</extracomment>
        <translation>Victoire pour %1 avec un score de %2</translation>
    </message>
    <message>
        <source>%1, row %2 column %3</source>
        <extracomment>A cell of the board: %1 is its letter, or the word for an empty cell.</extracomment>
        <translation>%1, ligne %2 colonne %3</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>%1, white</source>
        <extracomment>A cell that belongs to the word area of the grid games.</extracomment>
        <translation>%1, blanche</translation>
    </message>
    <message>
        <source>%1, picked</source>
        <extracomment>A cell picked, waiting for the second cell of a swap.</extracomment>
        <translation>%1, sélectionnée</translation>
    </message>
    <message>
        <source>%1, placed</source>
        <extracomment>A cell whose letter is placed for good: the game refused to pick it.</extracomment>
        <translation>%1, posée</translation>
    </message>
    <message>
        <source>%1, score %2.</source>
        <translation>%1, score : %2.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>The status key: the turn's counter under its heading ("Score: 985", "Time: 95").</extracomment>
        <translation>%1 : %2.</translation>
    </message>
    <message>
        <source>The game time has run out.</source>
        <translation>Le temps de jeu est écoulé.</translation>
    </message>
    <message>
        <source>Game time left: %1:%2:%3.</source>
        <translation>Temps de jeu restant : %1:%2:%3.</translation>
    </message>
    <message>
        <source>Game time left: %1:%2.</source>
        <translation>Temps de jeu restant : %1:%2.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>What a screen reader hears of a caption: what it is, and what it says.</extracomment>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>You Scored %1 Pts</source>
        <translation>Tu marques %1 points</translation>
    </message>
    <message>
        <source>Words found: %1</source>
        <translation>Mots trouvés : %1</translation>
    </message>
</context>
<context>
    <name>quarn::ui</name>
    <message>
        <source>separator</source>
        <translation>séparateur</translation>
    </message>
    <message>
        <source>Quarn has met an unexpected error and must close.

%1</source>
        <translation>Quarn a rencontré une erreur inattendue et doit se fermer.

%1</translation>
    </message>
    <message>
        <source>Quarn has met an unexpected error and must close.</source>
        <translation>Quarn a rencontré une erreur inattendue et doit se fermer.</translation>
    </message>
    <message>
        <source>border</source>
        <translation>bordure</translation>
    </message>
    <message>
        <source>shadow</source>
        <translation>ombre</translation>
    </message>
</context>
<context>
    <name>quarn::ui::AboutWindow</name>
    <message>
        <source>About Quarn</source>
        <translation>À propos de Quarn</translation>
    </message>
    <message>
        <source>a picture of letter tiles in the four seat colours</source>
        <translation>une image de jetons de lettres aux couleurs des quatre joueurs</translation>
    </message>
    <message>
        <source>Version 1.1</source>
        <translation>Version 1.1</translation>
    </message>
    <message>
        <source>Quarn is a collection of word games for people aged 10 years and older</source>
        <translation>Quarn est une collection de jeux de lettres pour tous, à partir de 10 ans</translation>
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
        <translation>Vérification</translation>
    </message>
    <message>
        <source>Checking words</source>
        <translation>Vérification…</translation>
    </message>
</context>
<context>
    <name>quarn::ui::EnterNamesWindow</name>
    <message>
        <source>Enter names</source>
        <translation>Noms des joueurs</translation>
    </message>
    <message>
        <source>Pick the colour that you want by clicking on the coloured box and entering your name</source>
        <translation>Clique sur la zone de la couleur que tu veux et tape ton nom</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rouge</translation>
    </message>
    <message>
        <source>green</source>
        <translation>vert</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>bleu</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>jaune</translation>
    </message>
    <message>
        <source>name of player %1, %2</source>
        <translation>nom du joueur %1, %2</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Valider</translation>
    </message>
</context>
<context>
    <name>quarn::ui::GameLengthWindow</name>
    <message>
        <source>Enter Length of Game</source>
        <translation>Durée de la partie</translation>
    </message>
    <message>
        <source>Enter the duration of the game by moving the slider below.  Click on Exit when the desired game length has been selected</source>
        <translation>Règle la durée de la partie avec le curseur ci-dessous. Clique sur Valider quand la durée te convient.</translation>
    </message>
    <message>
        <source>game length in minutes</source>
        <translation>durée de la partie en minutes</translation>
    </message>
    <message>
        <source>Game Length</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>heures</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minutes</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Valider</translation>
    </message>
</context>
<context>
    <name>quarn::ui::GameScreenWindow</name>
    <message>
        <source>Game Screen</source>
        <translation>Écran de jeu</translation>
    </message>
    <message>
        <source>Game Time Remaining</source>
        <translation>Temps de jeu restant</translation>
    </message>
    <message>
        <source>hours left</source>
        <translation>heures restantes</translation>
    </message>
    <message>
        <source>h</source>
        <extracomment>The unit after the hours of the game clock.</extracomment>
        <translation>h</translation>
    </message>
    <message>
        <source>minutes left</source>
        <translation>minutes restantes</translation>
    </message>
    <message>
        <source>m</source>
        <extracomment>The unit after the minutes of the game clock.</extracomment>
        <translation>m</translation>
    </message>
    <message>
        <source>seconds left</source>
        <translation>secondes restantes</translation>
    </message>
    <message>
        <source>s</source>
        <extracomment>The unit after the seconds of the game clock.</extracomment>
        <translation>s</translation>
    </message>
    <message>
        <source>round</source>
        <translation>manche</translation>
    </message>
    <message>
        <source>The number of turns each player has had</source>
        <translation>Le nombre de tours joués par chaque joueur</translation>
    </message>
    <message>
        <source>game time remaining</source>
        <translation>temps de jeu restant</translation>
    </message>
    <message>
        <source>The scores shown above are the Highest scores after 4 rounds</source>
        <translation>Ci-dessus, les meilleurs scores après 4 manches</translation>
    </message>
    <message>
        <source>players and scores</source>
        <translation>joueurs et scores</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Joueur</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>player %1</source>
        <translation>joueur %1</translation>
    </message>
    <message>
        <source>score of player %1</source>
        <translation>score du joueur %1</translation>
    </message>
    <message>
        <source>Highest Scores</source>
        <translation>Meilleurs scores</translation>
    </message>
    <message>
        <source>Psn</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>game</source>
        <translation>jeu</translation>
    </message>
    <message>
        <source>turn</source>
        <translation>tour</translation>
    </message>
    <message>
        <source>Finished ! Check  Word(s)</source>
        <translation>Fini ! Vérifier les mots</translation>
    </message>
    <message>
        <source>counter heading</source>
        <translation>titre du compteur</translation>
    </message>
    <message>
        <source>counter</source>
        <translation>compteur</translation>
    </message>
    <message>
        <source>Change Letter</source>
        <translation>Autre lettre</translation>
    </message>
    <message>
        <source>place %1</source>
        <translation>rang %1</translation>
    </message>
    <message>
        <source>name in place %1</source>
        <translation>nom au rang %1</translation>
    </message>
    <message>
        <source>score in place %1</source>
        <translation>score au rang %1</translation>
    </message>
    <message>
        <source>date in place %1</source>
        <translation>date au rang %1</translation>
    </message>
</context>
<context>
    <name>quarn::ui::HelpWindow</name>
    <message>
        <source>Instructions</source>
        <translation>Instructions</translation>
    </message>
    <message>
        <source>user guide</source>
        <translation>mode d’emploi</translation>
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
        <translation>Choisis un jeu. Le jeu sélectionné apparaît en jaune.</translation>
    </message>
    <message>
        <source>title box</source>
        <translation>cadre du titre</translation>
    </message>
    <message>
        <source>a picture of letter tiles spelling Word</source>
        <translation>une image de jetons de lettres formant le mot anglais « Word »</translation>
    </message>
    <message>
        <source>Pick game to play</source>
        <translation>Choisis un jeu</translation>
    </message>
    <message>
        <source>Enter length of Game</source>
        <translation>Durée de la partie</translation>
    </message>
    <message>
        <source>Click here to enter the duration of the game</source>
        <translation>Clique ici pour choisir la durée de la partie</translation>
    </message>
    <message>
        <source>Enter Player Names</source>
        <translation>Noms des joueurs</translation>
    </message>
    <message>
        <source>Click here to enter up to 4 players names</source>
        <translation>Clique ici pour entrer les noms des joueurs (4 au maximum)</translation>
    </message>
    <message>
        <source>Play Game</source>
        <translation>Jouer</translation>
    </message>
    <message>
        <source>Click here to start playing the game</source>
        <translation>Clique ici pour commencer la partie</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Instructions</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
</context>
<context>
    <name>quarn::ui::NewHiscoreWindow</name>
    <message>
        <source>New high score</source>
        <translation>Nouveau meilleur score</translation>
    </message>
    <message>
        <source>player</source>
        <translation>joueur</translation>
    </message>
    <message>
        <source>After 4 rounds you have made it into the High Score Table with a score of:</source>
        <translation>Après 4 manches, tu entres dans le tableau des meilleurs scores avec un score de :</translation>
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
        <translation>Tu marques</translation>
    </message>
    <message>
        <source>points</source>
        <translation>points</translation>
    </message>
    <message>
        <source>Pts</source>
        <translation>pts</translation>
    </message>
    <message>
        <source>words found</source>
        <translation>mots trouvés</translation>
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
        <translation>Bienvenue dans Quarn</translation>
    </message>
    <message>
        <source>Quarn is a collection of four word games for one to four players, who take turns at the same computer: &lt;b&gt;Anagrams&lt;/b&gt;, &lt;b&gt;Crossword&lt;/b&gt;, &lt;b&gt;Mix 'N Match&lt;/b&gt; and &lt;b&gt;Pick 'N Mix&lt;/b&gt;. Every game is played on the same board of 65 letter cells, 13 across and 5 down. You change the board by clicking one cell and then a second cell: the two cells swap their letters. Words are read along the rows from left to right and down the columns from top to bottom, never backwards.</source>
        <translation>Quarn réunit quatre jeux de lettres pour un à quatre joueurs, qui jouent chacun à leur tour sur le même ordinateur : &lt;b&gt;Anagrams&lt;/b&gt;, &lt;b&gt;Crossword&lt;/b&gt;, &lt;b&gt;Mix 'N Match&lt;/b&gt; et &lt;b&gt;Pick 'N Mix&lt;/b&gt;. Tous les jeux se jouent sur la même grille de 65 cases, 13 en largeur et 5 en hauteur. Pour modifier la grille, tu cliques sur une case, puis sur une deuxième : les deux cases échangent leurs lettres. Les mots se lisent de gauche à droite sur les lignes et de haut en bas dans les colonnes, jamais à l’envers.</translation>
    </message>
    <message>
        <source>Starting from the main menu</source>
        <translation>Pour commencer : le menu principal</translation>
    </message>
    <message>
        <source>The main menu shows the four games. Click the game you want to play; it turns yellow. Then set the length of the game, enter the players' names and press &lt;b&gt;Play Game&lt;/b&gt;. If something is missing, Quarn tells you what it is. After every game you choose the game and its length again; the names stay.</source>
        <translation>Le menu principal présente les quatre jeux. Clique sur le jeu auquel tu veux jouer : il devient jaune. Règle ensuite la durée de la partie, entre les noms des joueurs et appuie sur &lt;b&gt;Jouer&lt;/b&gt;. S’il manque quelque chose, Quarn te l’indique. Après chaque partie, tu choisis de nouveau le jeu et sa durée ; les noms, eux, restent.</translation>
    </message>
    <message>
        <source>Setting the length of the game</source>
        <translation>Régler la durée de la partie</translation>
    </message>
    <message>
        <source>Press &lt;b&gt;Enter length of Game&lt;/b&gt; and move the slider to any whole number of minutes from 2 to 180 (three hours). The hours and minutes are shown under the slider. Press &lt;b&gt;Exit&lt;/b&gt; to keep that length and go back to the main menu.</source>
        <translation>Appuie sur &lt;b&gt;Durée de la partie&lt;/b&gt; et place le curseur sur un nombre entier de minutes, de 2 à 180 (trois heures). Les heures et les minutes s’affichent sous le curseur. Appuie sur &lt;b&gt;Valider&lt;/b&gt; pour garder cette durée et revenir au menu principal.</translation>
    </message>
    <message>
        <source>The game clock counts down the whole game. Each player's turn has its own counter as well:</source>
        <translation>L’horloge de la partie fait le compte à rebours sur toute sa durée. Le tour de chaque joueur a en plus son propre compteur :</translation>
    </message>
    <message>
        <source>&lt;b&gt;Anagrams&lt;/b&gt;: the turn lasts until you solve the word or your 1000 points have run down, one point every 51 thousandths of a second, which takes about 51 seconds.</source>
        <translation>&lt;b&gt;Anagrams&lt;/b&gt; : le tour dure jusqu’à ce que tu trouves le mot ou que tes 1 000 points soient épuisés, à raison d’un point tous les 51 millièmes de seconde, soit environ 51 secondes.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Crossword&lt;/b&gt;: 2 minutes.</source>
        <translation>&lt;b&gt;Crossword&lt;/b&gt; : 2 minutes.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Mix 'N Match&lt;/b&gt;: 3 minutes, or less if you press &lt;b&gt;Finished ! Check Word(s)&lt;/b&gt;.</source>
        <translation>&lt;b&gt;Mix 'N Match&lt;/b&gt; : 3 minutes, ou moins si tu appuies sur &lt;b&gt;Fini ! Vérifier les mots&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Pick 'N Mix&lt;/b&gt;: 3 minutes.</source>
        <translation>&lt;b&gt;Pick 'N Mix&lt;/b&gt; : 3 minutes.</translation>
    </message>
    <message>
        <source>Entering the players' names</source>
        <translation>Entrer les noms des joueurs</translation>
    </message>
    <message>
        <source>Press &lt;b&gt;Enter Player Names&lt;/b&gt;. Each of the four coloured boxes is one player's seat; the colour is that player's colour on the game screen. Click a box and type your name. For fewer than four players, leave the other boxes empty: empty seats are simply passed over. Press &lt;b&gt;Exit&lt;/b&gt; to go back to the main menu.</source>
        <translation>Appuie sur &lt;b&gt;Noms des joueurs&lt;/b&gt;. Chacune des quatre zones de couleur est la place d’un joueur ; cette couleur est la sienne dans l’écran de jeu. Clique sur une zone et tape ton nom. S’il y a moins de quatre joueurs, laisse les autres zones vides : les places vides sont tout simplement sautées. Appuie sur &lt;b&gt;Valider&lt;/b&gt; pour revenir au menu principal.</translation>
    </message>
    <message>
        <source>Playing and leaving a game</source>
        <translation>Jouer une partie et la quitter</translation>
    </message>
    <message>
        <source>Press &lt;b&gt;Play Game&lt;/b&gt;. The game screen shows the game clock, the round, each player's name and score, and the best scores of the game. Before each turn Quarn asks whether the player is ready; click OK to start your turn. After a checked turn the points are shown: click &lt;b&gt;OK&lt;/b&gt; and watch them count onto your score.</source>
        <translation>Appuie sur &lt;b&gt;Jouer&lt;/b&gt;. L’écran de jeu affiche l’horloge de la partie, la manche en cours, le nom et le score de chaque joueur, ainsi que les meilleurs scores du jeu. Avant chaque tour, Quarn demande au joueur s’il est prêt : clique sur OK pour commencer ton tour. Quand ton tour a été vérifié, les points gagnés s’affichent : clique sur &lt;b&gt;OK&lt;/b&gt; et regarde-les s’ajouter à ton score.</translation>
    </message>
    <message>
        <source>To leave a game early, press the red &lt;b&gt;Exit&lt;/b&gt; button at the top right and answer Yes. There is no winner for a game that was left.</source>
        <translation>Pour quitter une partie avant la fin, appuie sur le bouton rouge &lt;b&gt;Stop&lt;/b&gt; en haut à droite et réponds Oui. Une partie abandonnée n’a pas de vainqueur.</translation>
    </message>
    <message>
        <source>Playing with the keyboard</source>
        <translation>Jouer au clavier</translation>
    </message>
    <message>
        <source>Everything can be done without a mouse. In every window &lt;b&gt;Tab&lt;/b&gt; and &lt;b&gt;Shift+Tab&lt;/b&gt; go from one control to the next, and &lt;b&gt;Space&lt;/b&gt;, &lt;b&gt;Return&lt;/b&gt; or &lt;b&gt;Enter&lt;/b&gt; presses the button that has the focus. &lt;b&gt;Return&lt;/b&gt; answers every message and every turn result (&lt;b&gt;Esc&lt;/b&gt; answers a result too). A key held down repeats only in the window where you pressed it, and &lt;b&gt;Return&lt;/b&gt;, &lt;b&gt;Enter&lt;/b&gt; and &lt;b&gt;Esc&lt;/b&gt; count once each time you press them. &lt;b&gt;Alt+F&lt;/b&gt; and &lt;b&gt;Alt+H&lt;/b&gt; open the File and Help menus. In the main menu &lt;b&gt;F1&lt;/b&gt; opens these instructions (&lt;b&gt;Esc&lt;/b&gt; closes them again). &lt;b&gt;Ctrl+Q&lt;/b&gt; is File &amp;gt; Exit in the main menu, in the windows for the names and the game length, in About and in these instructions, but never during a game. Type the names straight into the coloured boxes: &lt;b&gt;Return&lt;/b&gt; takes you to the next box, and after the fourth it presses &lt;b&gt;Exit&lt;/b&gt;. Move the game length slider with the arrow keys and press &lt;b&gt;Return&lt;/b&gt; to keep that length.</source>
        <translation>Tout peut se faire sans souris. Dans chaque fenêtre, &lt;b&gt;Tab&lt;/b&gt; et &lt;b&gt;Maj+Tab&lt;/b&gt; permettent de passer d’un élément à l’autre, et &lt;b&gt;Espace&lt;/b&gt;, &lt;b&gt;Entrée&lt;/b&gt; ou la touche &lt;b&gt;Entrée&lt;/b&gt; du pavé numérique actionne le bouton qui a le focus. &lt;b&gt;Entrée&lt;/b&gt; valide chaque message et chaque résultat de tour (&lt;b&gt;Échap&lt;/b&gt; ferme aussi un résultat). Une touche maintenue enfoncée ne se répète que dans la fenêtre où tu as appuyé dessus, et les touches &lt;b&gt;Entrée&lt;/b&gt; (du clavier principal comme du pavé numérique) et &lt;b&gt;Échap&lt;/b&gt; ne comptent qu’une fois à chaque appui. &lt;b&gt;Alt+F&lt;/b&gt; et &lt;b&gt;Alt+A&lt;/b&gt; ouvrent les menus Fichier et Aide. Dans le menu principal, &lt;b&gt;F1&lt;/b&gt; ouvre ces instructions (&lt;b&gt;Échap&lt;/b&gt; les referme). &lt;b&gt;Ctrl+Q&lt;/b&gt; équivaut à Fichier &amp;gt; Quitter dans le menu principal, dans les fenêtres des noms et de la durée de la partie, dans À propos et dans ces instructions, mais jamais pendant une partie. Tape les noms directement dans les zones de couleur : &lt;b&gt;Entrée&lt;/b&gt; te fait passer à la zone suivante et, dans la quatrième, actionne le bouton &lt;b&gt;Valider&lt;/b&gt;. Déplace le curseur de la durée avec les touches fléchées et appuie sur &lt;b&gt;Entrée&lt;/b&gt; pour garder cette durée.</translation>
    </message>
    <message>
        <source>The focus always goes where you play next: to the board when your turn starts and after each result, to the button that opened the names or game length window when you close it, and to the first game after a game.</source>
        <translation>Le focus va toujours là où tu joues ensuite : sur la grille quand ton tour commence et après chaque résultat, sur le bouton qui a ouvert la fenêtre des noms ou de la durée quand tu la refermes, et sur le premier jeu à la fin d’une partie.</translation>
    </message>
    <message>
        <source>On the game screen the board is one stop of the Tab order, between &lt;b&gt;Exit&lt;/b&gt; and the buttons below the board. The &lt;b&gt;arrow keys&lt;/b&gt; always work the board, wherever the focus is: the first arrow key of a turn shows a thick blue cursor round the top-left cell, and each further key moves it one cell. Off one edge of the board it comes back in at the other. &lt;b&gt;Space&lt;/b&gt;, &lt;b&gt;Return&lt;/b&gt; or &lt;b&gt;Enter&lt;/b&gt; then picks the cell under the cursor, exactly like a click on it. Press &lt;b&gt;Tab&lt;/b&gt; to go on to &lt;b&gt;Finished ! Check Word(s)&lt;/b&gt; or &lt;b&gt;Change Letter&lt;/b&gt; and &lt;b&gt;Space&lt;/b&gt; or &lt;b&gt;Return&lt;/b&gt; to press it; an arrow key brings you back to the board. The cursor is hidden again at the end of every turn and whenever you click a cell with the mouse.</source>
        <translation>Dans l’écran de jeu, la grille est une étape de l’ordre de tabulation, entre &lt;b&gt;Stop&lt;/b&gt; et les boutons sous la grille. Les &lt;b&gt;touches fléchées&lt;/b&gt; agissent toujours sur la grille, où que soit le focus : la première flèche d’un tour affiche un épais curseur bleu autour de la case en haut à gauche, et chaque flèche suivante le déplace d’une case. S’il sort par un bord de la grille, il revient par le bord opposé. &lt;b&gt;Espace&lt;/b&gt;, &lt;b&gt;Entrée&lt;/b&gt; ou la touche &lt;b&gt;Entrée&lt;/b&gt; du pavé numérique sélectionne alors la case sous le curseur, exactement comme un clic dessus. Appuie sur &lt;b&gt;Tab&lt;/b&gt; pour passer à &lt;b&gt;Fini ! Vérifier les mots&lt;/b&gt; ou à &lt;b&gt;Autre lettre&lt;/b&gt;, puis sur &lt;b&gt;Espace&lt;/b&gt; ou &lt;b&gt;Entrée&lt;/b&gt; pour l’actionner ; une flèche te ramène sur la grille. Le curseur disparaît à la fin de chaque tour et chaque fois que tu cliques sur une case avec la souris.</translation>
    </message>
    <message>
        <source>The high-score tables</source>
        <translation>Les tableaux des meilleurs scores</translation>
    </message>
    <message>
        <source>Each game keeps its own table of the ten best scores. The scores are taken after every player has had four turns, that is at the end of round 4: every player whose score beats the lowest score in the table goes into it, with the date. A score that only equals the lowest does not. A game that ends before the end of round 4 enters no score; a longer game enters them once, after round 4.</source>
        <translation>Chaque jeu a son propre tableau des dix meilleurs scores. Les scores sont relevés quand chaque joueur a joué quatre tours, c’est-à-dire à la fin de la manche 4 : chaque joueur dont le score dépasse le score le plus bas du tableau y entre, avec la date. Un score qui ne fait qu’égaler le plus bas n’y entre pas. Une partie qui se termine avant la fin de la manche 4 n’inscrit aucun score ; une partie plus longue les inscrit une seule fois, après la manche 4.</translation>
    </message>
    <message>
        <source>When the game ends</source>
        <translation>La fin de la partie</translation>
    </message>
    <message>
        <source>When the game clock has run out, the round that is being played is finished, so every player has had the same number of turns. Then the winner, the player with the highest score, is announced, followed by GAME OVER.</source>
        <translation>Quand l’horloge de la partie arrive à zéro, la manche en cours est jouée jusqu’au bout, pour que chaque joueur ait joué le même nombre de tours. Le vainqueur, c’est-à-dire le joueur qui a le score le plus élevé, est alors annoncé, puis s’affiche FIN DE LA PARTIE.</translation>
    </message>
    <message>
        <source>Anagrams</source>
        <translation>Anagrams</translation>
    </message>
    <message>
        <source>The letters of a word stand mixed up in the top row. Swap them until the whole word reads correctly along a row or down a column, then press &lt;b&gt;Finished ! Check Word(s)&lt;/b&gt;. Any word that uses all the letters is accepted. You score the points that are still left on the counter when you press the button. If you make a shorter word, Quarn says "Don't Cheat - You must use all the letters" and the counter keeps running. If the counter runs out you score nothing.</source>
        <translation>Les lettres d’un mot sont mélangées sur la ligne du haut. Échange-les jusqu’à ce que le mot entier se lise correctement sur une ligne ou dans une colonne, puis appuie sur &lt;b&gt;Fini ! Vérifier les mots&lt;/b&gt;. Tout mot qui utilise toutes les lettres est accepté. Tu marques les points qui restent au compteur au moment où tu appuies sur le bouton. Si tu formes un mot plus court, Quarn affiche « Pas de triche ! Tu dois utiliser toutes les lettres. » et le compteur continue de tourner. Si le compteur arrive à zéro, tu ne marques rien.</translation>
    </message>
    <message>
        <source>Crossword</source>
        <translation>Crossword</translation>
    </message>
    <message>
        <source>You get a set of letters in the top row and two minutes to build as many words as you can, across or down, crossing each other if you like. Every whole run of letters that is a word scores 50 points; words hidden inside a longer run do not count, and a run that is not a word scores nothing. Press &lt;b&gt;Finished ! Check Word(s)&lt;/b&gt; to have your words checked early; when the time runs out the board is checked anyway.</source>
        <translation>Tu reçois une série de lettres sur la ligne du haut et deux minutes pour former le plus de mots possible, horizontalement ou verticalement, en les croisant si tu veux. Chaque suite complète de lettres qui forme un mot rapporte 50 points ; les mots cachés dans une suite plus longue ne comptent pas, et une suite qui n’est pas un mot ne rapporte rien. Appuie sur &lt;b&gt;Fini ! Vérifier les mots&lt;/b&gt; pour faire vérifier tes mots plus tôt ; quand le temps est écoulé, la grille est vérifiée de toute façon.</translation>
    </message>
    <message>
        <source>Mix 'N Match</source>
        <translation>Mix 'N Match</translation>
    </message>
    <message>
        <source>The whole board is filled with random letters. Swap them to lay out words and mark the letters of your words white: the second cell of every swap changes between grey and white, so clicking the same cell twice marks or unmarks it. Only white cells count. When the 3 minutes are up, or when you press &lt;b&gt;Finished ! Check Word(s)&lt;/b&gt;, every word found inside a white run across or down scores 50 points for each of its letters, words inside words included: a white run "some" scores "so", "some" and "me".</source>
        <translation>Toute la grille est remplie de lettres tirées au hasard. Échange-les pour former des mots et marque en blanc les lettres de tes mots : à chaque échange, la deuxième case passe du gris au blanc ou du blanc au gris, si bien que cliquer deux fois de suite sur la même case la marque ou la démarque. Seules les cases blanches comptent. Quand les 3 minutes sont écoulées, ou quand tu appuies sur &lt;b&gt;Fini ! Vérifier les mots&lt;/b&gt;, chaque mot trouvé dans une suite blanche, horizontale ou verticale, rapporte 50 points par lettre, y compris les mots contenus dans d’autres mots : une suite blanche « soupe » rapporte « sou », « soupe » et « ou ».</translation>
    </message>
    <message>
        <source>Pick 'N Mix</source>
        <translation>Pick 'N Mix</translation>
    </message>
    <message>
        <source>The board starts empty with one letter in the top-left cell. Click it, then click the cell where you want it: the letter lands there, turns white and cannot be moved again, and a new letter appears in the top-left cell. If you do not like the letter, press &lt;b&gt;Change Letter&lt;/b&gt; as often as you like. After 3 minutes the white letters are scored like Mix 'N Match: 50 points for every letter of every word found across or down, words inside words included.</source>
        <translation>Au début, la grille est vide, sauf une lettre dans la case en haut à gauche. Clique dessus, puis clique sur la case où tu la veux : la lettre s’y pose, devient blanche et ne peut plus être déplacée, et une nouvelle lettre apparaît dans la case en haut à gauche. Si la lettre ne te plaît pas, appuie sur &lt;b&gt;Autre lettre&lt;/b&gt; autant de fois que tu veux. Au bout de 3 minutes, les lettres blanches sont comptées comme dans Mix 'N Match : 50 points pour chaque lettre de chaque mot trouvé horizontalement ou verticalement, y compris les mots contenus dans d’autres mots.</translation>
    </message>
    <message>
        <source>Playing in another language</source>
        <translation>Jouer dans une autre langue</translation>
    </message>
    <message>
        <source>When word packs are installed, the main menu has a &lt;b&gt;Language&lt;/b&gt; menu: English first, then every other language by its own name. Choose one, and from then on the dictionary, the words to unscramble and the letters on the board are that language's, until you choose another; Quarn remembers your choice for the next time. Each language keeps its own high-score tables. While a game is being played the menu is greyed out.</source>
        <translation>Quand des packs de mots sont installés, le menu principal comporte un menu &lt;b&gt;Langue&lt;/b&gt; : English (l’anglais) d’abord, puis chaque autre langue sous son propre nom. Choisis-en une : à partir de là, le dictionnaire, les mots à remettre dans l’ordre et les lettres de la grille sont ceux de cette langue, jusqu’à ce que tu en choisisses une autre ; Quarn retient ton choix pour la prochaine fois. Chaque langue a ses propres tableaux des meilleurs scores. Pendant une partie, ce menu est grisé.</translation>
    </message>
    <message>
        <source>Playing with a screen reader</source>
        <translation>Jouer avec un lecteur d’écran</translation>
    </message>
    <message>
        <source>Quarn can be played without seeing the screen, by keys alone, with a screen reader such as Orca, the one that comes with the desktop. Start the screen reader first, then Quarn. The menus, buttons, boxes and messages are read as you reach them.</source>
        <translation>Quarn peut se jouer sans voir l’écran, uniquement au clavier, avec un lecteur d’écran comme Orca, celui qui est fourni avec le bureau. Lance d’abord le lecteur d’écran, puis Quarn. Les menus, les boutons, les zones de texte et les messages sont lus à mesure que tu les atteins.</translation>
    </message>
    <message>
        <source>When your turn starts the reader says whose turn it is, and the keyboard is on the board. The first arrow key reads the top-left cell; every further arrow key reads the cell the cursor moves onto: first its letter (or "empty"), then its row and column, then "white" for a cell of the word area of Mix 'N Match and Pick 'N Mix, and "picked" for a cell you have picked. After each pick and each swap the cell under the cursor is read again as it is now. In Pick 'N Mix a letter that is already placed cannot be picked: that cell is read again with "placed".</source>
        <translation>Quand ton tour commence, le lecteur d’écran annonce qui doit jouer, et le clavier agit sur la grille. La première flèche lit la case en haut à gauche ; chaque flèche suivante lit la case sur laquelle le curseur arrive : d’abord sa lettre (ou « vide »), puis sa ligne et sa colonne, puis « blanche » pour une case de la zone des mots de Mix 'N Match et de Pick 'N Mix, et « sélectionnée » pour une case que tu as sélectionnée. Après chaque sélection et chaque échange, la case sous le curseur est relue telle qu’elle est devenue. Dans Pick 'N Mix, une lettre déjà posée ne peut pas être sélectionnée : la case est alors relue avec « posée ».</translation>
    </message>
    <message>
        <source>The counter of the turn is not read as it counts down, but "Time Up !" is. Press &lt;b&gt;F2&lt;/b&gt; at any time during a game to hear where it stands: the counter under its heading (the points still to be won in Anagrams, the seconds left in the other games), the game time left, and the score of every player. Orca leaves &lt;b&gt;F2&lt;/b&gt; to Quarn in both its desktop and its laptop keyboard layout.</source>
        <translation>Le compteur du tour n’est pas lu pendant qu’il décompte, mais « Temps écoulé » l’est. Appuie sur &lt;b&gt;F2&lt;/b&gt; à tout moment pendant une partie pour savoir où tu en es : le compteur avec son titre (les points encore à gagner dans Anagrams, les secondes restantes dans les autres jeux), le temps de jeu restant et le score de chaque joueur. Orca laisse &lt;b&gt;F2&lt;/b&gt; à Quarn, que sa disposition de clavier soit celle d’un ordinateur de bureau ou celle d’un ordinateur portable.</translation>
    </message>
    <message>
        <source>The turn result is read as it opens, the points first, then in Crossword the words that were found; &lt;b&gt;Return&lt;/b&gt; answers it. Once the points have counted up, your new score is read, at the latest as the next turn starts. A new high score and the winner are read as they appear; the reading goes on after the window has closed itself.</source>
        <translation>Le résultat du tour est lu dès que sa fenêtre s’ouvre : d’abord les points, puis, dans Crossword, les mots trouvés ; &lt;b&gt;Entrée&lt;/b&gt; la referme. Une fois les points ajoutés, ton nouveau score est lu, au plus tard au début du tour suivant. Un nouveau meilleur score et le vainqueur sont lus dès qu’ils s’affichent ; la lecture continue après la fermeture automatique de la fenêtre.</translation>
    </message>
</context>
<context>
    <name>quarn::ui::WinnerWindow</name>
    <message>
        <source>The Winner is</source>
        <translation>Victoire pour</translation>
    </message>
    <message>
        <source>winner</source>
        <translation>vainqueur</translation>
    </message>
    <message>
        <source>With a score of</source>
        <translation>Avec un score de</translation>
    </message>
    <message>
        <source>winning score</source>
        <translation>score du vainqueur</translation>
    </message>
    <message>
        <source>Winner</source>
        <translation>Victoire</translation>
    </message>
</context>
</TS>
