// Finding the word packs, their folders and the remembered choice.
#include "shell/languages.h"

#include "platform/letters.h"

#include <algorithm>

namespace quarn {

namespace {

// The first item of a small file, or nothing.
std::string first_item(const std::filesystem::path& path) {
    ItemReader reader(decode_file_text(read_whole_file(path).value_or(std::string())));
    return reader.read_text();
}

// A code names a folder, so it is kept to what a code can be: no separators,
// no way up or out.
bool plain_code(std::string_view code) {
    return !code.empty() && code.size() <= 16 && std::all_of(code.begin(), code.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '-';
    });
}

} // namespace

std::vector<WordLanguage> find_languages(const std::filesystem::path& packs) {
    std::vector<WordLanguage> found;
    std::error_code error;
    if (!packs.empty())
        for (const auto& entry : std::filesystem::directory_iterator(packs, error)) {
            const std::string code = entry.path().filename().string();
            if (!plain_code(code) || code == english_code) continue;
            std::string name = first_item(entry.path() / pack_name_file);
            if (name.empty()) continue;
            found.push_back({code, std::move(name), entry.path()});
        }
    std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) { return a.code < b.code; });
    found.insert(found.begin(), WordLanguage{std::string(english_code), "English", {}});
    return found;
}

std::filesystem::path language_folder(const WordLanguage& language, const std::filesystem::path& home) {
    return language.pack.empty() ? home : home / language.code;
}

std::string remembered_language(const std::filesystem::path& home) {
    std::string code = first_item(home / language_choice_file);
    return plain_code(code) ? code : std::string(english_code);
}

WriteError remember_language(const std::filesystem::path& home, std::string_view code) {
    return replace_file(home / language_choice_file, quoted_record({code}));
}

WriteError fill_language_folder(const WordLanguage& language, const std::filesystem::path& folder,
                                const std::vector<std::string_view>& files) {
    if (language.pack.empty()) return {};
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) return say("cannot make the folder %1: %2", folder.string(), error.message());
    for (std::string_view name : files) {
        const std::filesystem::path target = folder / name;
        if (std::filesystem::exists(std::filesystem::symlink_status(target, error))) continue;
        const std::optional<std::string> bytes = read_whole_file(language.pack / name);
        if (!bytes) continue; // a file the pack does not have
        // Written whole under a temporary name first, so a copy cut short is
        // never taken for the player's own file.
        WriteError failed = replace_file(target, *bytes);
        if (!failed.empty()) return say("cannot copy %1 into %2: %3", std::string(name), folder.string(), failed);
    }
    return {};
}

} // namespace quarn
