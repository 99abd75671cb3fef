// The main menu: start-up, the reset, picking a game and "Play Game".
#include "shell/main_menu.h"

#include "board/letter_grid.h"
#include "engine/driver.h"
#include "games/pick_n_mix.h"
#include "platform/convert.h"
#include "shell/title_animation.h"

namespace quarn {

namespace {

void missing_file(Quarn& q, std::string_view name) {
    q.pump.fatal(say("The file %1 is missing from the folder %2. Quarn cannot go on without it.", std::string(name),
                     q.working_directory.string()));
}

void show_clock_minutes(GameScreenModel& screen, int minutes) {
    int hours = minutes / 60;
    screen.clock_hours = to_text(hours);
    screen.clock_minutes = to_text(minutes - 60 * hours);
}

// Reads the game's word list before the play window opens, so that a list
// with nothing to draw is reported while the main menu is still on screen and
// the set-up is left as it was.
bool word_list_ready(Quarn& q, GameRules& game) {
    const GameSettings& settings = game.settings();
    switch (game.read_word_list(q.working_directory)) {
    case ListState::ready: return true;
    case ListState::missing: missing_file(q, settings.word_list_file); return false;
    case ListState::nothing_to_draw: break;
    }
    q.pump.message(say("The word list %1 holds no entry that can be drawn, so %2 cannot be played.",
                       std::string(settings.word_list_file), std::string(settings.heading)));
    return false;
}

// What a word language is played with.
struct Words {
    Dictionary dictionary;
    Alphabet alphabet;
};

// Reads the words of a language, its folder first filled from its pack.
// Nothing when they can be played; otherwise why not.
std::optional<Text> read_words(Quarn& q, const WordLanguage& language, Words& words) {
    const std::filesystem::path folder = language_folder(language, q.home);
    if (WriteError failed = fill_language_folder(language, folder, q.language_files()); !failed.empty())
        return failed;
    if (!words.dictionary.load(folder / "dictionary.dic"))
        return say("the file dictionary.dic is missing from the folder %1", folder.string());
    if (words.dictionary.end_slot() <= 1)
        return say("the file dictionary.dic in the folder %1 holds no words before its end marker 999", folder.string());
    // English deals its letters as it always has; a pack without its letters does the same.
    words.alphabet = language.pack.empty() ? english_alphabet()
                                           : Alphabet::load(folder / pack_letters_file).value_or(english_alphabet());
    return std::nullopt;
}

// From now on the games are played in the language, and its files are the
// ones read and written.
void use_words(Quarn& q, std::size_t index, Words&& words) {
    q.dictionary_words = std::move(words.dictionary);
    q.alphabet = std::move(words.alphabet);
    q.working_directory = language_folder(q.languages[index], q.home);
    q.form_options.word_language = index;
    for (const auto& game : q.games) game->read_used_record(q.working_directory);
}

std::size_t language_index(const Quarn& q, std::string_view code) {
    for (std::size_t i = 0; i < q.languages.size(); ++i)
        if (q.languages[i].code == code) return i;
    return 0;
}

} // namespace

void start_up(Quarn& q) {
    // The title animation runs from the moment the main menu is loaded.
    q.form_options.timer.set_enabled(true);
    const std::size_t chosen = language_index(q, remembered_language(q.home));
    q.working_directory = language_folder(q.languages[chosen], q.home);
    reset(q);
    q.pump.show_windows_now();
    if (chosen != 0) {
        // A pack that cannot be played leaves the player in English, told why.
        Words words;
        const std::optional<Text> why = read_words(q, q.languages[chosen], words);
        if (!why) {
            use_words(q, chosen, std::move(words));
            q.pump.beep();
            return;
        }
        q.pump.message(say("The words of %1 cannot be played: %2. Quarn plays in English.", q.languages[chosen].name, *why));
        q.working_directory = q.home;
        for (const auto& game : q.games) game->read_used_record(q.working_directory);
    }
    if (!q.dictionary_words.load(q.file("dictionary.dic"))) missing_file(q, "dictionary.dic");
    if (q.dictionary_words.end_slot() <= 1)
        q.pump.fatal(say("The file dictionary.dic in the folder %1 holds no words before its end marker 999, so no "
                         "word could ever be found.",
                         q.working_directory.string()));
    q.pump.beep();
}

void choose_language(Quarn& q, std::size_t index) {
    if (!q.form_options.buttons_enabled || index >= q.languages.size() || index == q.form_options.word_language)
        return;
    const WordLanguage& language = q.languages[index];
    Words words;
    if (const std::optional<Text> why = read_words(q, language, words)) {
        q.pump.message(say("The words of %1 cannot be played: %2.", language.name, *why));
        return;
    }
    use_words(q, index, std::move(words));
    if (WriteError failed = remember_language(q.home, language.code); !failed.empty())
        q.pump.message(say("The choice of %1 could not be saved to %2 (%3). Quarn will start in the language chosen "
                           "before.",
                           language.name, std::string(language_choice_file), failed));
}

void reset(Quarn& q) {
    PlayState& s = q.state;
    GameScreenModel& screen = q.form_game_screen;
    if (!screen.created) game_screen_load(s, screen);
    screen.hide();
    screen.check_enabled = true;
    q.form_options.show();
    s.current_player = 0;
    s.round_number = 0;
    s.clock_seconds = 1;
    s.game_time_left = 0;
    screen.clock_hours = screen.clock_minutes = screen.clock_seconds = "0";
    q.form_options.game_button_colours.fill(colours::light_grey);
    // Still the key of the game just played, if any.
    if (const GameRules* game = q.find_game(s.game_type))
        q.form_show_score.found_list_visible = game->settings().found_words_shown;
    screen.score_timer.set_enabled(false);
    screen.game_timer.set_enabled(false);
    s.game_type.clear();
    q.random.seed_from_clock();
    scatter_title(s, q.random);
    s.title_ticks = 0;
    s.quit_requested = false;
    for (const auto& game : q.games) game->read_used_record(q.working_directory);
    screen.scores.fill("0");
    blank_grid(screen);
}

void select_game(Quarn& q, int index) {
    if (!q.form_options.buttons_enabled) return;
    if (index < 0 || index >= static_cast<int>(q.games.size())) return;
    q.state.game_type = std::string(q.games[static_cast<std::size_t>(index)]->settings().key);
    q.form_options.game_button_colours.fill(colours::light_grey);
    q.form_options.game_button_colours[static_cast<std::size_t>(index)] = colours::yellow;
}

void open_enter_names(Quarn& q) {
    if (!q.form_options.buttons_enabled) return;
    q.form_options.hide();
    q.form_enter_names.show();
}

void open_game_length(Quarn& q) {
    if (!q.form_options.buttons_enabled) return;
    q.form_options.hide();
    q.form_enter_game_length.show();
}

void play_game(Quarn& q) {
    PlayState& s = q.state;
    if (!q.form_options.buttons_enabled) return;
    GameRules* game = q.find_game(s.game_type);
    if (game == nullptr || s.game_time_left < 2 || s.player_count <= 0) {
        if (s.game_type.empty()) q.pump.message(say("You haven't selected the game you want to play"));
        if (s.game_time_left == 0) q.pump.message(say("You haven't selected the game time"));
        if (s.player_count == 0) q.pump.message(say("You haven't entered any players names"));
        return;
    }
    if (!word_list_ready(q, *game)) return;

    const GameSettings& settings = game->settings();
    GameScreenModel& screen = q.form_game_screen;
    screen.game_timer.set_enabled(true);
    screen.heading = std::string(settings.heading);
    screen.bar_maximum = s.game_time_left;
    show_clock_minutes(screen, s.game_time_left);
    q.form_enter_names.hide();
    q.form_options.hide();
    screen.show();
    screen.names = q.form_enter_names.names;
    q.form_show_score.found_list_visible = settings.found_words_shown;

    s.game_running = true;
    q.form_options.buttons_enabled = false;
    run_game(q.stage, *game);
    reset(q);
    q.form_options.buttons_enabled = true;
    s.game_running = false;
}

void exit_clicked(Quarn& q) {
    if (confirm_exit(q.pump, q.state, q.form_game_screen)) q.form_options.show();
}

void change_letter_clicked(Quarn& q) { change_letter_clicked(q.random, q.alphabet, q.form_game_screen); }

void menu_exit(Quarn& q) { q.pump.end_program(); }

void exit_shortcut(Quarn& q) {
    if (!q.state.game_running) menu_exit(q);
}

void menu_instructions(Quarn& q) { q.form_help.show(); }

void menu_about(Quarn& q) { q.frmAbout.show(); }

void main_menu_closed(Quarn& q) { q.pump.end_program(); }

} // namespace quarn
