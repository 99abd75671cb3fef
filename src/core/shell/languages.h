// The languages the words can be played in. English keeps its files where
// they have always been, in the player's folder; every installed word pack
// has a folder of its own inside it, named by the language's code, into
// which whatever file of the pack it lacks is copied whenever the language
// is played, never over a file that is there. The choice is remembered in
// the player's folder.
#pragma once
#include "platform/text_file.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace quarn {

struct WordLanguage {
    std::string code; // "en", "de", "uk" ...
    std::string name; // in its own language: "English", "Deutsch", "Українська"
    std::filesystem::path pack; // where the pack is installed; empty for English
};

inline constexpr std::string_view english_code = "en";
// The one setting Quarn keeps: the code of the word language last chosen.
inline constexpr std::string_view language_choice_file = "word_language.dat";
// What a pack holds besides the games' own files.
inline constexpr std::string_view pack_name_file = "language.dat";
inline constexpr std::string_view pack_letters_file = "letters.dat";

// English first, then every pack installed in the folder, by code. A pack
// is a folder holding its name file.
std::vector<WordLanguage> find_languages(const std::filesystem::path& packs);

// The folder a language's files are read from and written to.
std::filesystem::path language_folder(const WordLanguage& language, const std::filesystem::path& home);

// The code remembered in the player's folder; English when there is none.
std::string remembered_language(const std::filesystem::path& home);
WriteError remember_language(const std::filesystem::path& home, std::string_view code);

// Copies into the language's folder every one of the named files that the
// pack holds and the folder does not yet; a file already there is the
// player's own and is never replaced. Empty on success.
WriteError fill_language_folder(const WordLanguage& language, const std::filesystem::path& folder,
                                const std::vector<std::string_view>& files);

} // namespace quarn
