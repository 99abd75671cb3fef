// The main menu: start-up, the reset, picking a game and "Play Game".
#include "shell/main_menu.h"

#include "board/letter_grid.h"
#include "board/play_window.h"
#include "games/games.h"
#include "platform/convert.h"
#include "quarn.h"
#include "shell/title_animation.h"
#include "state/catalogue.h"

namespace quarn {

namespace {

void missing_file(Quarn& q, std::string_view name) {
    q.pump.fatal("The file " + std::string(name) + " is missing from the folder " + q.working_directory.string() +
                 ". Quarn cannot go on without it.");
}

void show_clock_minutes(Quarn& q, int minutes) {
    int hours = minutes / 60;
    q.form_game_screen.clock_hours = to_text(hours);
    q.form_game_screen.clock_minutes = to_text(minutes - 60 * hours);
}

// Reads the game's word list before the play window opens, so that a list
// with nothing to draw is reported while the main menu is still on screen and
// the set-up is left as it was.
bool load_word_list(Quarn& q, const GameEntry& game) {
    WordList* list = nullptr;
    if (game.kind == GameKind::anagrams) list = &q.anagram_words;
    if (game.kind == GameKind::crossword) list = &q.crossword_words;
    if (list == nullptr) return true;
    if (!list->load(q.file(game.word_list_file))) missing_file(q, game.word_list_file);
    if (game.kind == GameKind::crossword) q.state.crossword_count = list->count;
    if (list->has_candidate()) return true;
    q.pump.message("The word list " + std::string(game.word_list_file) + " holds no entry that can be drawn, so " +
                   std::string(game.caption) + " cannot be played.");
    return false;
}

void run_game_procedure(Quarn& q, GameKind kind) {
    switch (kind) {
    case GameKind::anagrams: play_anagrams(q); break;
    case GameKind::crossword: play_crossword(q); break;
    case GameKind::mix_n_match: play_mix_n_match(q); break;
    case GameKind::pick_n_mix: play_pick_n_mix(q); break;
    }
}

} // namespace

void start_up(Quarn& q) {
    // The title animation runs from the moment the main menu is loaded.
    q.form_options.timer.set_enabled(true);
    reset(q);
    q.pump.show_windows_now();
    if (!q.dictionary_words.load(q.file("dictionary.dic"))) missing_file(q, "dictionary.dic");
    if (q.dictionary_words.end_slot() <= 1)
        q.pump.fatal("The file dictionary.dic in the folder " + q.working_directory.string() +
                     " holds no words before its end marker 999, so no word could ever be found.");
    q.pump.beep();
}

void reset(Quarn& q) {
    PlayState& s = q.state;
    GameScreenModel& screen = q.form_game_screen;
    if (!screen.created) play_window_load(q);
    screen.hide();
    screen.check_enabled = true;
    q.form_options.show();
    s.current_player = 0;
    s.round_number = 0;
    s.clock_seconds = 1;
    s.game_time_left = 0;
    s.game_abandoned = false;
    screen.clock_hours = screen.clock_minutes = screen.clock_seconds = "0";
    q.form_options.game_button_colours.fill(colours::light_grey);
    if (const GameEntry* game = find_game(s.game_type))
        q.form_show_score.found_list_visible = game->kind != GameKind::anagrams;
    screen.score_timer.set_enabled(false);
    screen.game_timer.set_enabled(false);
    s.game_type.clear();
    q.random.seed_from_clock();
    scatter_title(q);
    s.title_ticks = 0;
    s.quit_requested = false;
    q.crossword_used.load(q.file("crossword1_used.dat"));
    q.anagram_used.load(q.file("anagrams1_used.dat"));
    screen.scores.fill("0");
    blank_grid(screen);
}

void select_game(Quarn& q, int index) {
    if (index < 0 || index >= static_cast<int>(game_catalogue.size())) return;
    q.state.game_type = std::string(game_catalogue[static_cast<std::size_t>(index)].key);
    q.form_options.game_button_colours.fill(colours::light_grey);
    q.form_options.game_button_colours[static_cast<std::size_t>(index)] = colours::yellow;
}

void open_enter_names(Quarn& q) {
    q.form_options.hide();
    q.form_enter_names.show();
}

void open_game_length(Quarn& q) {
    q.form_options.hide();
    q.form_enter_game_length.show();
}

void play_game(Quarn& q) {
    PlayState& s = q.state;
    if (s.game_running) return;
    const GameEntry* game = find_game(s.game_type);
    if (game == nullptr || s.game_time_left < 2 || s.player_count <= 0) {
        if (s.game_type.empty()) q.pump.message("You haven't selected the game you want to play");
        if (s.game_time_left == 0) q.pump.message("You haven't selected the game time");
        if (s.player_count == 0) q.pump.message("You haven't entered any players names");
        return;
    }
    if (!load_word_list(q, *game)) return;

    GameScreenModel& screen = q.form_game_screen;
    screen.game_timer.set_enabled(true);
    screen.heading = s.game_type;
    if (game->kind == GameKind::mix_n_match || game->kind == GameKind::pick_n_mix) screen.heading = game->caption;
    screen.bar_maximum = s.game_time_left;
    show_clock_minutes(q, s.game_time_left);
    q.form_enter_names.hide();
    q.form_options.hide();
    screen.visible = true;
    screen.names = q.form_enter_names.names;
    q.form_show_score.found_list_visible = game->kind != GameKind::anagrams;

    s.game_running = true;
    run_game_procedure(q, game->kind);
    s.game_running = false;
}

void menu_exit(Quarn& q) { q.pump.end_program(); }

void menu_instructions(Quarn& q) { q.form_help.show(); }

void menu_about(Quarn& q) { q.frmAbout.show(); }

void main_menu_closed(Quarn& q) { q.pump.end_program(); }

} // namespace quarn
