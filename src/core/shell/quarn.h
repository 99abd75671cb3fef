// The one object that owns a run of the program: the services it runs on, the
// play state, every window model, the dictionary and the games. The Qt layer
// builds one and mirrors its models; a test builds a fresh one per case.
#pragma once
#include "board/game_screen.h"
#include "engine/game_rules.h"
#include "platform/date.h"
#include "platform/event_pump.h"
#include "platform/random.h"
#include "scores/score_windows.h"
#include "shell/languages.h"
#include "shell/shell_windows.h"
#include "state/play_state.h"
#include "words/dictionary.h"

#include <filesystem>
#include <memory>
#include <string_view>
#include <vector>

namespace quarn {

struct Services {
    EventPump& pump;
    RandomSource& random;
    DateSource& dates;
    std::filesystem::path working_directory; // the player's folder
    std::filesystem::path packs = {};        // where word packs are installed, if anywhere
};

struct Quarn {
    explicit Quarn(Services services);
    Quarn(const Quarn&) = delete;
    Quarn& operator=(const Quarn&) = delete;

    // A data file of the working directory, by its bare name.
    std::filesystem::path file(std::string_view name) const { return working_directory / name; }
    // The files a language's folder holds: the dictionary, the letters and
    // each game's lists, records and table.
    std::vector<std::string_view> language_files() const;
    // The game of a key, or nullptr for any other text (in practice the empty key).
    GameRules* find_game(std::string_view key) const;

    EventPump& pump;
    RandomSource& random;
    DateSource& dates;
    const std::filesystem::path home; // the player's folder, where the English files are
    // English first, then every word pack installed.
    const std::vector<WordLanguage> languages;
    // The folder of the word language being played: the home folder for
    // English, a folder inside it for a pack.
    std::filesystem::path working_directory;

    PlayState state;

    MainMenuModel form_options;
    EnterNamesModel form_enter_names;
    GameLengthModel form_enter_game_length;
    GameScreenModel form_game_screen;
    ShowScoreModel form_show_score;
    CheckingWordsModel form_checking_words;
    NewHiscoreModel form_new_hiscore;
    WinnerModel form_winner;
    InfoWindowModel frmAbout;
    InfoWindowModel form_help;

    Dictionary dictionary_words;
    Alphabet alphabet = english_alphabet();
    // One per button of the main menu, in its order.
    std::vector<std::unique_ptr<GameRules>> games;

    // What every game is played on.
    Stage stage;
};

} // namespace quarn
