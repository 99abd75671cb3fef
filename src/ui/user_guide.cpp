// The user guide the instructions window shows, a heading, paragraph or list
// item at a time, each in the player's language. Each is translated whole,
// with its markup, so that a translation can order its words its own way.
#include "user_guide.h"

#include <QCoreApplication>

namespace quarn::ui {

namespace {

enum class Look { title, section, game, paragraph, item };

struct Block {
    Look look;
    const char* text;
};

// clang-format off
constexpr Block guide[] = {
    {Look::title, QT_TRANSLATE_NOOP("quarn::ui::UserGuide",
                             "Welcome to Quarn")},
    {Look::paragraph, QT_TRANSLATE_NOOP("quarn::ui::UserGuide",
                             "Quarn is a collection of four word games for one to four players, who take turns at the same "
                             "computer: <b>Anagrams</b>, <b>Crossword</b>, <b>Mix 'N Match</b> and <b>Pick 'N Mix</b>. Every "
                             "game is played on the same board of 65 letter cells, 13 across and 5 down. You change the board "
                             "by clicking one cell and then a second cell: the two cells swap their letters. Words are read "
                             "along the rows from left to right and down the columns from top to bottom, never backwards.")},
    {Look::section, QT_TRANSLATE_NOOP("quarn::ui::UserGuide",
                             "Starting from the main menu")},
    {Look::paragraph, QT_TRANSLATE_NOOP("quarn::ui::UserGuide",
                             "The main menu shows the four games. Click the game you want to play; it turns yellow. Then set "
                             "the length of the game, enter the players' names and press <b>Play Game</b>. If something is "
                             "missing, Quarn tells you what it is. After every game you choose the game and its length again; "
                             "the names stay.")},
    {Look::section, QT_TRANSLATE_NOOP("quarn::ui::UserGuide",
                             "Playing in another language")},
    {Look::paragraph, QT_TRANSLATE_NOOP("quarn::ui::UserGuide",
                             "When word packs are installed, the main menu has a <b>Language</b> menu: English first, then "
                             "every other language by its own name. Choose one, and from then on the dictionary, the words "
                             "to unscramble and the letters on the board are that language's, until you choose another; Quarn "
                             "remembers your choice for the next time. Each language keeps its own high-score tables. While "
                             "a game is being played the menu is greyed out.")},
    {Look::section, QT_TRANSLATE_NOOP("quarn::ui::UserGuide",
                             "Setting the length of the game")},
    {Look::paragraph, QT_TRANSLATE_NOOP("quarn::ui::UserGuide",
                             "Press <b>Enter length of Game</b> and move the slider to any whole number of minutes from 2 to "
                             "180 (three hours). The hours and minutes are shown under the slider. Press <b>Exit</b> to keep "
                             "that length and go back to the main menu.")},
    {Look::paragraph, QT_TRANSLATE_NOOP("quarn::ui::UserGuide",
                             "The game clock counts down the whole game. Each player's turn has its own counter as well:")},
    {Look::item, QT_TRANSLATE_NOOP("quarn::ui::UserGuide",
                             "<b>Anagrams</b>: the turn lasts until you solve the word or your 1000 points have run down, one "
                             "point every 51 thousandths of a second, which takes about 51 seconds.")},
    {Look::item, QT_TRANSLATE_NOOP("quarn::ui::UserGuide",
                             "<b>Crossword</b>: 2 minutes.")},
    {Look::item, QT_TRANSLATE_NOOP("quarn::ui::UserGuide",
                             "<b>Mix 'N Match</b>: 3 minutes, or less if you press <b>Finished ! Check Word(s)</b>.")},
    {Look::item, QT_TRANSLATE_NOOP("quarn::ui::UserGuide",
                             "<b>Pick 'N Mix</b>: 3 minutes.")},
    {Look::section, QT_TRANSLATE_NOOP("quarn::ui::UserGuide",
                             "Entering the players' names")},
    {Look::paragraph, QT_TRANSLATE_NOOP("quarn::ui::UserGuide",
                             "Press <b>Enter Player Names</b>. Each of the four coloured boxes is one player's seat; the "
                             "colour is that player's colour on the game screen. Click a box and type your name. For fewer "
                             "than four players, leave the other boxes empty: empty seats are simply passed over. Press "
                             "<b>Exit</b> to go back to the main menu.")},
    {Look::section, QT_TRANSLATE_NOOP("quarn::ui::UserGuide",
                             "Playing and leaving a game")},
    {Look::paragraph, QT_TRANSLATE_NOOP("quarn::ui::UserGuide",
                             "Press <b>Play Game</b>. The game screen shows the game clock, the round, each player's name and "
                             "score, and the best scores of the game. Before each turn Quarn asks whether the player is ready; "
                             "click OK to start your turn. After a checked turn the points are shown: click <b>OK</b> and "
                             "watch them count onto your score.")},
    {Look::paragraph, QT_TRANSLATE_NOOP("quarn::ui::UserGuide",
                             "To leave a game early, press the red <b>Exit</b> button at the top right and answer Yes. There "
                             "is no winner for a game that was left.")},
    {Look::section, QT_TRANSLATE_NOOP("quarn::ui::UserGuide",
                             "Playing with the keyboard")},
    {Look::paragraph, QT_TRANSLATE_NOOP("quarn::ui::UserGuide",
                             "Everything can be done without a mouse. In every window <b>Tab</b> and <b>Shift+Tab</b> go from "
                             "one control to the next, and <b>Space</b>, <b>Return</b> or <b>Enter</b> presses the button that "
                             "has the focus. <b>Return</b> answers every message and every turn result (<b>Esc</b> answers a "
                             "result too). A key held down repeats only in the window where you pressed it, and <b>Return</b>, "
                             "<b>Enter</b> and <b>Esc</b> count once each time you press them. <b>Alt+F</b> and <b>Alt+H</b> "
                             "open the File and Help menus. In the main menu <b>F1</b> opens these instructions (<b>Esc</b> "
                             "closes them again). <b>Ctrl+Q</b> is File &gt; Exit in the main menu, in the windows for the "
                             "names and the game length, in About and in these instructions, but never during a game. Type the "
                             "names straight into the coloured boxes: <b>Return</b> takes you to the next box, and after the "
                             "fourth it presses <b>Exit</b>. Move the game length slider with the arrow keys and press "
                             "<b>Return</b> to keep that length.")},
    {Look::paragraph, QT_TRANSLATE_NOOP("quarn::ui::UserGuide",
                             "The focus always goes where you play next: to the board when your turn starts and after each "
                             "result, to the button that opened the names or game length window when you close it, and to the "
                             "first game after a game.")},
    {Look::paragraph, QT_TRANSLATE_NOOP("quarn::ui::UserGuide",
                             "On the game screen the board is one stop of the Tab order, between <b>Exit</b> and the buttons "
                             "below the board. The <b>arrow keys</b> always work the board, wherever the focus is: the first "
                             "arrow key of a turn shows a thick blue cursor round the top-left cell, and each further key "
                             "moves it one cell. Off one edge of the board it comes back in at the other. <b>Space</b>, "
                             "<b>Return</b> or <b>Enter</b> then picks the cell under the cursor, exactly like a click on it. "
                             "Press <b>Tab</b> to go on to <b>Finished ! Check Word(s)</b> or <b>Change Letter</b> and "
                             "<b>Space</b> or <b>Return</b> to press it; an arrow key brings you back to the board. The cursor "
                             "is hidden again at the end of every turn and whenever you click a cell with the mouse.")},
    {Look::section, QT_TRANSLATE_NOOP("quarn::ui::UserGuide",
                             "Playing with a screen reader")},
    {Look::paragraph, QT_TRANSLATE_NOOP("quarn::ui::UserGuide",
                             "Quarn can be played without seeing the screen, by keys alone, with a screen reader such as Orca, "
                             "the one that comes with the desktop. Start the screen reader first, then Quarn. The menus, "
                             "buttons, boxes and messages are read as you reach them.")},
    {Look::paragraph, QT_TRANSLATE_NOOP("quarn::ui::UserGuide",
                             "When your turn starts the reader says whose turn it is, and the keyboard is on the board. The "
                             "first arrow key reads the top-left cell; every further arrow key reads the cell the cursor moves "
                             "onto: first its letter (or \"empty\"), then its row and column, then \"white\" for a cell of the "
                             "word area of Mix 'N Match and Pick 'N Mix, and \"picked\" for a cell you have picked. After each "
                             "pick and each swap the cell under the cursor is read again as it is now. In Pick 'N Mix a letter "
                             "that is already placed cannot be picked: that cell is read again with \"placed\".")},
    {Look::paragraph, QT_TRANSLATE_NOOP("quarn::ui::UserGuide",
                             "The counter of the turn is not read as it counts down, but \"Time Up !\" is. Press <b>F2</b> at "
                             "any time during a game to hear where it stands: the counter under its heading (the points still "
                             "to be won in Anagrams, the seconds left in the other games), the game time left, and the score "
                             "of every player. Orca leaves <b>F2</b> to Quarn in both its desktop and its laptop keyboard "
                             "layout.")},
    {Look::paragraph, QT_TRANSLATE_NOOP("quarn::ui::UserGuide",
                             "The turn result is read as it opens, the points first, then in Crossword the words that were "
                             "found; <b>Return</b> answers it. Once the points have counted up, your new score is read, at the "
                             "latest as the next turn starts. A new high score and the winner are read as they appear; the "
                             "reading goes on after the window has closed itself.")},
    {Look::section, QT_TRANSLATE_NOOP("quarn::ui::UserGuide",
                             "The high-score tables")},
    {Look::paragraph, QT_TRANSLATE_NOOP("quarn::ui::UserGuide",
                             "Each game keeps its own table of the ten best scores. The scores are taken after every player "
                             "has had four turns, that is at the end of round 4: every player whose score beats the lowest "
                             "score in the table goes into it, with the date. A score that only equals the lowest does not. A "
                             "game that ends before the end of round 4 enters no score; a longer game enters them once, after "
                             "round 4.")},
    {Look::section, QT_TRANSLATE_NOOP("quarn::ui::UserGuide",
                             "When the game ends")},
    {Look::paragraph, QT_TRANSLATE_NOOP("quarn::ui::UserGuide",
                             "When the game clock has run out, the round that is being played is finished, so every player has "
                             "had the same number of turns. Then the winner, the player with the highest score, is announced, "
                             "followed by GAME OVER.")},
    {Look::game, QT_TRANSLATE_NOOP("quarn::ui::UserGuide",
                             "Anagrams")},
    {Look::paragraph, QT_TRANSLATE_NOOP("quarn::ui::UserGuide",
                             "The letters of a word stand mixed up in the top row. Swap them until the whole word reads "
                             "correctly along a row or down a column, then press <b>Finished ! Check Word(s)</b>. Any word "
                             "that uses all the letters is accepted. You score the points that are still left on the counter "
                             "when you press the button. If you make a shorter word, Quarn says \"Don't Cheat - You must use "
                             "all the letters\" and the counter keeps running. If the counter runs out you score nothing.")},
    {Look::game, QT_TRANSLATE_NOOP("quarn::ui::UserGuide",
                             "Crossword")},
    {Look::paragraph, QT_TRANSLATE_NOOP("quarn::ui::UserGuide",
                             "You get a set of letters in the top row and two minutes to build as many words as you can, "
                             "across or down, crossing each other if you like. Every whole run of letters that is a word "
                             "scores 50 points; words hidden inside a longer run do not count, and a run that is not a word "
                             "scores nothing. Press <b>Finished ! Check Word(s)</b> to have your words checked early; when the "
                             "time runs out the board is checked anyway.")},
    {Look::game, QT_TRANSLATE_NOOP("quarn::ui::UserGuide",
                             "Mix 'N Match")},
    {Look::paragraph, QT_TRANSLATE_NOOP("quarn::ui::UserGuide",
                             "The whole board is filled with random letters. Swap them to lay out words and mark the letters "
                             "of your words white: the second cell of every swap changes between grey and white, so clicking "
                             "the same cell twice marks or unmarks it. Only white cells count. When the 3 minutes are up, or "
                             "when you press <b>Finished ! Check Word(s)</b>, every word found inside a white run across or "
                             "down scores 50 points for each of its letters, words inside words included: a white run \"some\" "
                             "scores \"so\", \"some\" and \"me\".")},
    {Look::game, QT_TRANSLATE_NOOP("quarn::ui::UserGuide",
                             "Pick 'N Mix")},
    {Look::paragraph, QT_TRANSLATE_NOOP("quarn::ui::UserGuide",
                             "The board starts empty with one letter in the top-left cell. Click it, then click the cell where "
                             "you want it: the letter lands there, turns white and cannot be moved again, and a new letter "
                             "appears in the top-left cell. If you do not like the letter, press <b>Change Letter</b> as often "
                             "as you like. After 3 minutes the white letters are scored like Mix 'N Match: 50 points for every "
                             "letter of every word found across or down, words inside words included.")},
};
// clang-format on

QString opening(Look look) {
    switch (look) {
    case Look::title: return QStringLiteral("<h1 style=\"color:#c00000;\">");
    case Look::section: return QStringLiteral("<h2 style=\"color:#0000c0;\">");
    case Look::game: return QStringLiteral("<h2 style=\"color:#c00000;\">");
    case Look::paragraph: return QStringLiteral("<p>");
    case Look::item: return QStringLiteral("<li>");
    }
    return {};
}

QString closing(Look look) {
    switch (look) {
    case Look::title: return QStringLiteral("</h1>");
    case Look::section:
    case Look::game: return QStringLiteral("</h2>");
    case Look::paragraph: return QStringLiteral("</p>");
    case Look::item: return QStringLiteral("</li>");
    }
    return {};
}

} // namespace

QString user_guide() {
    QString html = QStringLiteral("<html><body style=\"font-family: 'Comic Sans MS'; font-size: 12pt;\">");
    bool in_list = false;
    for (const Block& block : guide) {
        const bool item = block.look == Look::item;
        if (item != in_list) html += item ? QStringLiteral("<ul>") : QStringLiteral("</ul>");
        in_list = item;
        html += opening(block.look) + QCoreApplication::translate("quarn::ui::UserGuide", block.text) +
                closing(block.look);
    }
    if (in_list) html += QStringLiteral("</ul>");
    return html + QStringLiteral("</body></html>");
}

} // namespace quarn::ui
