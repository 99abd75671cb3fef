// Building a run: the games of the catalogue, and the timers wired to their handlers.
#include "shell/quarn.h"

#include "engine/driver.h"
#include "games/catalogue.h"
#include "shell/setup_windows.h"
#include "shell/title_animation.h"

namespace quarn {

Quarn::Quarn(Services services)
    : pump(services.pump), random(services.random), dates(services.dates), home(services.working_directory),
      languages(find_languages(services.packs)), working_directory(std::move(services.working_directory)),
      form_options([this] { title_tick(state, form_options); }),
      form_enter_game_length([this] { read_slider(state, form_enter_game_length); }),
      form_game_screen([this] { game_clock_tick(state, form_game_screen); },
                       [this] { score_timer_tick(state, form_game_screen); }),
      stage{pump,         random,           dates,         working_directory, state, form_game_screen,
            form_show_score, form_checking_words, form_new_hiscore, form_winner, dictionary_words, alphabet} {
    for (auto make : game_catalogue) games.push_back(make());
    for (Timer* timer : {&form_options.timer, &form_enter_game_length.timer, &form_game_screen.game_timer,
                         &form_game_screen.score_timer, &form_new_hiscore.timer, &form_winner.timer})
        pump.add_timer(*timer);
}

std::vector<std::string_view> Quarn::language_files() const {
    std::vector<std::string_view> files{"dictionary.dic", pack_letters_file};
    for (const auto& game : games)
        for (std::string_view name : {game->settings().word_list_file, game->settings().used_record_file,
                                      game->settings().high_score_file})
            if (!name.empty()) files.push_back(name);
    return files;
}

GameRules* Quarn::find_game(std::string_view key) const {
    for (const auto& game : games)
        if (game->settings().key == key) return game.get();
    return nullptr;
}

} // namespace quarn
