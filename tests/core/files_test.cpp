// The data files: reading items, saving safely, numbers and dates; the
// dictionary, the word lists and their records; every kind of damage a file
// can come with; and the data as shipped.
#include "platform/convert.h"
#include "platform/date.h"
#include "platform/random.h"
#include "platform/text_file.h"
#include "scores/high_scores.h"
#include "shell/main_menu.h"
#include "words/dictionary.h"
#include "words/word_list.h"

#include "world.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fstream>
#include <optional>
#include <random>
#include <set>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace quarn {
namespace {

// Items, lines, numbers, dates and random numbers, and saving a file.

using Items = std::vector<std::string>;

TEST(ItemReader, ReadsItemsAsTheFilesHoldThem) {
    const std::pair<std::string, Items> cases[] = {
        {"cat\r\ndog\r\n999\r\n", {"cat", "dog", "999"}},
        {"a,b\r\nc", {"a", "b", "c"}}, // the last line needs no line end
        {"a\nb\rc", {"a", "b", "c"}},
        {"a,\r\nb", {"a", "", "b"}},
        {"a\r\n\r\nb\r\n", {"a", "", "b"}}, // an empty line is an empty item
        {"\"Smith, Al\"\r\n120\r\n\"Jan,5,2004\"\r\n", {"Smith, Al", "120", "Jan,5,2004"}},
        {"   lead,  \"q\" ,tail  \r\n", {"lead", "q", "tail"}},
        {"\"a\"junk,b", {"a", "b"}}, // what follows a closing quote is dropped
        {"\"\"\r\n0\r\n\"\"\r\n", {"", "0", ""}},
        {"\"never closed, at all\r\nx", {"never closed, at all\r\nx"}},
        {"", {}},
    };
    for (const auto& [bytes, expected] : cases) {
        ItemReader reader(bytes);
        Items items;
        while (!reader.at_end()) items.push_back(reader.read_text());
        EXPECT_EQ(items, expected) << bytes;
    }
}

TEST(Convert, LinesAndNumbersAsTheFilesAndCaptionsHoldThem) {
    EXPECT_EQ(quoted_record({"a", "b,c"}), "\"a\",\"b,c\"\r\n");
    EXPECT_EQ(plain_line(plain_number(12) + "cat"), " 12 cat\r\n");
    EXPECT_EQ(plain_number(-4), "-4 ");
    const std::pair<const char*, double> leading[] = {
        {"  0120", 120}, {" 12abc", 12}, {" -3.5 ", -3.5}, {"1e2x", 100}, {".5", 0.5}, {"+7", 7},
        {"abc", 0},      {"-", 0},       {"x1", 0},        {"", 0},
    };
    for (auto [text, number] : leading) EXPECT_EQ(text_to_number(text), number) << text;
    const std::pair<double, long long> halves[] = {{2.5, 2}, {3.5, 4}, {-2.5, -2}, {2.4, 2}, {2.6, 3}};
    for (auto [value, rounded] : halves) EXPECT_EQ(round_half_even(value), rounded) << value;
    const std::pair<const char*, int> scores[] = {
        {"32767", 32767}, {"32768", 32767}, {"99999", 32767}, {"-32768", -32768}, {"-32769", -32768}, {"1e400", 32767}};
    for (auto [text, score] : scores) EXPECT_EQ(text_to_int16(text), score) << text;
    EXPECT_EQ(to_signed_text(1), " 1");
    EXPECT_EQ(to_signed_text(-1), "-1");

    // The program's words filled in at once: a name holding "%2" stays as it
    // is, and a % that names no value stays too.
    EXPECT_EQ(say("%1 and %2, 100%, %3", "A%2", say("Round %1", to_signed_text(2))).english(), "A%2 and Round  2, 100%, %3");
}

TEST(Random, DatesAndNumbers) {
    test::FixedDate dates;
    EXPECT_EQ(date_text(dates), "Jan,5,2004");
    dates.date = {987, 12, 25};
    EXPECT_EQ(date_text(dates), "Dec,25,0987");
    // Reseeding within one clock tick does not replay the numbers.
    ClockSeededRandom random([] { return std::uint64_t{42}; });
    random.seed_from_clock();
    double first = random.next();
    random.seed_from_clock();
    EXPECT_NE(random.next(), first);
    for (int i = 0; i < 10000; ++i) {
        double r = random.next();
        ASSERT_TRUE(r >= 0.0 && r < 1.0) << r;
    }
}

TEST(ReplaceFile, WritesTheExactBytesAndKeepsWhatThePlayerSetUp) {
    test::TempFolder folder;
    const auto path = folder.path / "t.dat";
    ASSERT_EQ(replace_file(path, "a\r\nb\r\n").english(), "");
    EXPECT_EQ(test::read_file(path), "a\r\nb\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path), {}), 1) << "no temporary file is left";
    EXPECT_NE(replace_file(folder.path / "no-such-dir" / "x", "y").english(), "");
    ::chmod(path.c_str(), 0640);
    ASSERT_EQ(replace_file(path, "new").english(), "");
    struct stat info {};
    ::stat(path.c_str(), &info);
    EXPECT_EQ(info.st_mode & 07777, 0640u) << "the permission bits survive a save";

    std::filesystem::create_symlink("t.dat", folder.path / "link.dat");
    ASSERT_EQ(replace_file(folder.path / "link.dat", "through").english(), "");
    EXPECT_TRUE(std::filesystem::is_symlink(folder.path / "link.dat")) << "the link stays a link";
    EXPECT_EQ(test::read_file(path), "through");
    std::filesystem::create_symlink("loop2", folder.path / "loop1");
    std::filesystem::create_symlink("loop1", folder.path / "loop2");
    EXPECT_NE(replace_file(folder.path / "loop1", "x").english(), "") << "a loop of links is refused";
    EXPECT_TRUE(std::filesystem::is_symlink(folder.path / "loop1") && std::filesystem::is_symlink(folder.path / "loop2"));

    // A link planted where the new copy used to be made leads nowhere.
    std::ofstream(folder.path / "victim") << "keep";
    std::filesystem::create_symlink("victim", folder.path / "t.dat.tmp");
    ASSERT_EQ(replace_file(path, "again").english(), "");
    EXPECT_EQ(test::read_file(folder.path / "victim"), "keep");
    EXPECT_EQ(test::read_file(path), "again");
}

// Another player's file: the rename would replace it, since the system
// checks only the folder, so the save must refuse it itself.
TEST(ReplaceFile, RefusesAFileTheUserMayNotWrite) {
    if (::geteuid() != 0) GTEST_SKIP() << "needs root to act as another user";
    test::TempFolder folder;
    const auto path = folder.path / "t.dat";
    std::ofstream(path) << "root's";
    ::chmod(path.c_str(), 0644);
    ::chmod(folder.path.c_str(), 0777);
    pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const bool as_nobody = ::setgid(65534) == 0 && ::setuid(65534) == 0;
        std::_Exit(as_nobody && replace_file(path, "nobody's").english() == "the file is read-only" ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(test::read_file(path), "root's");
}

// A save killed at any moment leaves the whole old table or the whole new one.
TEST(ReplaceFile, KilledSavesNeverLeaveAHalfWrittenFile) {
    test::TempFolder folder;
    const auto path = folder.path / "anagrams.hi";
    auto table = [](const std::string& name, int score) {
        std::string bytes;
        for (int k = 0; k < 10; ++k)
            bytes += quoted_record({name + std::to_string(k)}) + plain_line(std::to_string(score - k)) +
                     quoted_record({"Jan,5,2004"});
        return bytes;
    };
    const std::string old_table = table("Old", 900), new_table = table("New", 800);
    ASSERT_EQ(replace_file(path, old_table).english(), "");
    std::mt19937 gen(99);
    int saw_new = 0;
    for (int round = 0; round < 300; ++round) {
        pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0)
            for (int i = 0;; ++i) (void)replace_file(path, i % 2 == 0 ? new_table : old_table);
        ::usleep(std::uniform_int_distribution<unsigned>(0, 3000)(gen));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        const std::string bytes = test::read_file(path);
        ASSERT_TRUE(bytes == old_table || bytes == new_table) << "round " << round << ": " << bytes.size() << " bytes";
        saw_new += bytes == new_table;
    }
    EXPECT_GT(saw_new, 0) << "the kills landed after some saves";
}

// Dictionary scans, word lists, used-word records and the draw.

using Slots = std::vector<std::size_t>;

Dictionary dictionary_of(const std::vector<std::string>& items) {
    Dictionary d;
    d.read(test::crlf_lines(items));
    return d;
}

TEST(Dictionary, ScansReportInFileOrderUpToTheEndMarker) {
    const Dictionary d = dictionary_of({"some", "so", "x", "me", "", "om", "o", "so", "999", "s", "emu"});
    EXPECT_EQ(d.exact("so"), (Slots{2, 8})) << "a word listed twice is reported twice";
    EXPECT_TRUE(d.exact("emu").empty()) << "nothing after the end marker";
    EXPECT_TRUE(d.exact("So").empty()) << "no case folding";
    EXPECT_EQ(d.contained_in(LetterText("some")), (Slots{1, 2, 4, 5, 6, 7, 8}));
    EXPECT_EQ(d.contained_in(LetterText("soso")), (Slots{2, 5, 7, 8})) << "each entry once per text";
    EXPECT_EQ(d.contained_in(LetterText("q")), Slots{5}) << "the empty entry is inside every text";
    EXPECT_TRUE(d.contained_in(LetterText("")).empty()) << "an empty run contains nothing";
    EXPECT_EQ(d.end_slot(), 9u);
    EXPECT_EQ(d.word(11), "emu") << "items after the end marker are loaded all the same";

    const Dictionary unmarked = dictionary_of({"at", "cat"});
    EXPECT_EQ(unmarked.contained_in(LetterText("cat")), (Slots{1, 2}))
        << "without an end marker the scans stop after the last item";
    const Dictionary never_loaded;
    EXPECT_TRUE(never_loaded.exact("cat").empty());
    EXPECT_TRUE(never_loaded.contained_in(LetterText("cat")).empty());

    // Words are found as whole letters, in one normal form: "o" is no word
    // inside "õ" however it was typed, and "rõ" typed decomposed is the
    // composed entry.
    const Dictionary letters = dictionary_of({"o", "r", "ro\u0303", "g"});
    EXPECT_EQ(letters.contained_in(LetterText("r\u00f5g\u0303")), (Slots{2, 3}));
    EXPECT_EQ(letters.exact("r\u00f5"), Slots{3});
}

// The index must answer exactly what the walk answers, whatever the data.
TEST(Dictionary, IndexAgreesWithTheLinearWalk) {
    std::mt19937 gen(1234);
    // Letters of one, two and three bytes, and one of two characters, whose
    // first is a letter of its own too.
    const char* const alphabet[] = {"a", "\u00e4", "\u0457", "g\u0303", "g"};
    auto random_text = [&](int max_length, int letters) {
        LetterText text;
        int length = std::uniform_int_distribution<int>(0, max_length)(gen);
        for (int i = 0; i < length; ++i) text.append(alphabet[gen() % static_cast<unsigned>(letters)]);
        return text;
    };
    Dictionary d; // read again and again, as choosing a language does
    for (int round = 0; round < 300; ++round) {
        std::vector<std::string> items;
        std::string bytes; // one item a line, or between commas
        int size = std::uniform_int_distribution<int>(0, 60)(gen);
        for (int i = 0; i < size; ++i) {
            int kind = static_cast<int>(gen() % 20);
            if (kind == 0)
                items.push_back("999");
            else if (kind == 1 && !items.empty())
                items.push_back(items[gen() % items.size()]);
            else
                items.push_back(random_text(kind == 2 ? 20 : 4, round % 2 == 0 ? 3 : 5).text);
            bytes += items.back() + (gen() % 2 ? "\r\n" : gen() % 2 ? "\n" : ",");
        }
        d.read(bytes);
        for (int t = 0; t < 30; ++t) {
            const LetterText text = random_text(t == 0 ? 20 : 8, 5);
            ASSERT_EQ(d.contained_in(text), d.contained_in_linear(text)) << "text " << text.text;
            if (!text.text.empty()) {
                ASSERT_EQ(d.exact(text.text), d.exact_linear(text.text)) << "word " << text.text;
            }
        }
        for (const std::string& item : items) {
            if (!item.empty()) {
                ASSERT_EQ(d.exact(item), d.exact_linear(item)) << "item " << item;
            }
        }
    }
}

TEST(WordList, TheLastEntryIsNeverACandidateAndOnlyPlainEntriesAreDrawn) {
    WordList list;
    // Thirty letters fit the scramble, however many bytes they take.
    const std::string thirty_letters = "\u00e4\u00f6\u00fc\u043a\u0456\u03b1\u00df" + std::string(23, 'x');
    list.read(test::crlf_lines({"one", "", "this-entry-is-far-too-long-for-the-board-x", "with blank", thirty_letters,
                                thirty_letters + "y", "M\xfcller", "d\x81g", "six"}));
    EXPECT_EQ(list.count, 8);
    const bool drawable[] = {false, true, false, false, false, true, false, true, false, false};
    for (int p = 0; p <= 9; ++p) EXPECT_EQ(list.drawable(p), drawable[p]) << p;
    EXPECT_EQ(list.entries[7], "M\u00fcller") << "a Windows-1252 line";

    std::vector<std::string> many;
    for (int i = 0; i < 1200; ++i) many.push_back("w" + std::to_string(i));
    list.read(test::crlf_lines(many));
    EXPECT_EQ(list.count, 1000) << "only the first 1000 entries are read";
    EXPECT_EQ(list.entries[1000], "w999");
}

TEST(PickWord, EveryCandidateOnceBeforeAnyAgain) {
    WordList list;
    list.read(test::crlf_lines({"a1", "a2", "", "a4", "a5", "spare"}));
    UsedRecord record;
    record.used[1000] = true; // beyond the candidates: kept as it is
    test::TestRandom random;
    std::set<int> cycle;
    for (int i = 0; i < 4; ++i) cycle.insert(pick_word(list, record, random).value());
    EXPECT_EQ(cycle, (std::set<int>{1, 2, 4, 5}));
    const int next = pick_word(list, record, random).value();
    EXPECT_TRUE(cycle.count(next));
    EXPECT_EQ(std::count(record.used.begin() + 1, record.used.begin() + 6, true), 1)
        << "a new cycle began with only the new draw marked";
    EXPECT_TRUE(record.used[1000]);
    EXPECT_EQ(random.reseeds, 5);

    list.read(test::crlf_lines({"", "far-too-long-to-lay-out-on-the-board", "spare"}));
    EXPECT_FALSE(pick_word(list, record, random).has_value()) << "nothing to draw, and no endless draw";
}

// Damaged, missing and unwritable data files: every kind of damage either
// stops the program with a message naming the file, or is recovered from
// gently, and never loses a table or record that was there.

using Texts = std::vector<std::string>;

const std::string long_line(4 << 20, 'q');
const std::string binary("\x00\x01\xff\xfe\"\x1b,\r\x7f", 9);

// A fresh installation with one file damaged.
struct Install {
    Install(const std::string& name, const std::string& bytes) {
        world.write_standard_files();
        world.write(name, bytes);
    }
    std::string fatal_text() {
        try {
            world.start();
        } catch (const test::SimFatal& e) {
            return e.what();
        }
        return "";
    }
    // Starts a game with Ann, leaves it at her first turn; the boxes shown.
    Texts try_to_play(int game) {
        world.start();
        world.set_up(game, 10, {"Ann"});
        world.play_turns([this] { exit_clicked(*world.q); });
        play_game(*world.q);
        return world.pump.box_texts();
    }
    test::World world;
};

TEST(Damage, ADictionaryWithoutWordsStopsTheProgramNamingTheFile) {
    const std::pair<std::optional<std::string>, std::string> cases[] = {
        {std::nullopt, "The file dictionary.dic is missing from the folder"},
        {"", "holds no words before its end marker 999"},
        {"999\r\ncat\r\n", "holds no words before its end marker 999"},
    };
    for (const auto& [bytes, message] : cases) {
        Install install("dictionary.dic", bytes.value_or(""));
        if (!bytes) std::filesystem::remove(install.world.dir / "dictionary.dic");
        const std::string text = install.fatal_text();
        EXPECT_NE(text.find(message), std::string::npos) << text;
        EXPECT_NE(text.find("dictionary.dic"), std::string::npos);
    }
}

TEST(Damage, ADamagedDictionaryIsReadAsItStands) {
    const std::pair<std::string, std::optional<Texts>> cases[] = {
        {"cat\r\ndo", Texts{"cat", "do"}}, // cut mid-line, no end marker: the scans stop at the last word
        {"cat\ndog\n999\n", Texts{"cat", "dog"}},
        {"cat\rdog\r999\r", Texts{"cat", "dog"}},
        {"cat,dog,emu\r\n999\r\n", Texts{"cat", "dog", "emu"}},
        {"cat\r\n\"dog\r\n999\r\n", Texts{"cat", "dog\r\n999\r\n"}},
        {long_line + "\r\ncat\r\n999\r\n", Texts{long_line, "cat"}},
        {"caf\xc3\xa9\r\n\xf0\x90\x80\x80\r\ncat\r\n999\r\n", Texts{"caf\xc3\xa9", "\U00010000", "cat"}},
        {"\xEF\xBB\xBF" "cat\r\n999\r\n", Texts{"cat"}}, // a byte-order mark is dropped
        // A lone Windows-1252 line in a UTF-8 file, and a decomposed letter.
        {"gr\xc3\xb6\xc3\x9f" "e\r\nM\xfcller\r\ncafe\xcc\x81\r\ncat\r\n999\r\n",
         Texts{"gr\u00f6\u00dfe", "M\u00fcller", "caf\u00e9", "cat"}},
        {"\x81\x8d\r\ncat\r\n999\r\n", Texts{"\ufffd\ufffd", "cat"}}, // bytes Windows-1252 leaves undefined
        {binary + "\r\ncat\r\n999\r\n", std::nullopt}, // whatever the bytes make, cat is still a word
    };
    for (const auto& [bytes, words] : cases) {
        Install install("dictionary.dic", bytes);
        const Dictionary& dictionary = install.world.start().dictionary_words;
        if (words) {
            Texts seen;
            for (std::size_t slot = 1; slot < dictionary.end_slot(); ++slot) seen.emplace_back(dictionary.word(slot));
            EXPECT_EQ(seen, *words);
        }
        EXPECT_FALSE(dictionary.contained_in(LetterText("cat")).empty());
    }
}

TEST(Damage, AWordListWithNothingToDrawIsToldAndTheSetUpKept) {
    Install missing("anagrams1.dic", "");
    std::filesystem::remove(missing.world.dir / "anagrams1.dic");
    EXPECT_THROW(missing.try_to_play(0), test::SimFatal);
    for (const std::string& bytes : {std::string(), std::string("only\r\n"), std::string("\"cat\r\ndog\r\n"),
                                     binary + "\r\n" + binary + "\r\n", long_line + "\r\n" + long_line + "\r\n",
                                     std::string("caf\x81\r\n\x9d\r\nspare\r\n")}) {
        Install install("crossword1.dic", bytes);
        EXPECT_EQ(install.try_to_play(1),
                  Texts{"The word list crossword1.dic holds no entry that can be drawn, so Crossword cannot be played."});
        const Quarn& q = *install.world.q;
        EXPECT_TRUE(q.form_options.visible && !q.form_game_screen.visible);
        EXPECT_EQ(q.state.game_type, "Crossword");
        EXPECT_EQ(q.state.game_time_left, 10);
    }
}

TEST(Damage, AWordListWithSomeGoodEntriesPlaysThem) {
    Install install("anagrams1.dic", std::string("cat\n") + binary + "\n" + long_line + "\ndog,spare");
    EXPECT_EQ(install.try_to_play(0).front(), "Are you ready Ann");
    // Entries: 1 cat, 2 to 4 pieces of the binary line, 5 the long line, 6 dog,
    // 7 the spare. Only cat and dog can be laid out.
    const auto& used = install.world.drawn("Anagrams").used_record().used;
    EXPECT_EQ(std::count(used.begin(), used.end(), true), 1);
    EXPECT_TRUE(used[1] || used[6]);
}

TEST(Damage, UsedRecordsAreReadGentlyAndWrittenWhole) {
    for (const std::string& bytes :
         {std::string(), std::string("True\r\nTru"), std::string("True\nTrue\n"), std::string("\"True\r\n"), binary,
          long_line, std::string("Tr\xc3\xbc\x65\r\n"), std::string("99999\r\n"),
          "True,True,True\r\n" + test::crlf_lines(Texts(1100, "True"))}) {
        Install install("anagrams1_used.dat", bytes);
        install.try_to_play(0);
        const Texts written = test::lines_of(install.world.dir / "anagrams1_used.dat");
        ASSERT_EQ(written.size(), 1001u);
        EXPECT_EQ(std::count(written.begin(), written.end(), "True") + std::count(written.begin(), written.end(), "False"),
                  1001);
    }
    UsedRecord record;
    record.read("\xEF\xBB\xBFTrue\r\nFalse\r\nTrue\r\nmaybe\r\n");
    EXPECT_EQ(record.bytes(), test::crlf_lines({"True", "False", "True"}) + test::crlf_lines(Texts(998, "False")));
    Install missing("crossword1_used.dat", "");
    std::filesystem::remove(missing.world.dir / "crossword1_used.dat");
    missing.world.start();
    EXPECT_FALSE(missing.world.drawn("Crossword").used_record().used[1]) << "a missing record reads as nothing used";
}

TEST(Damage, HighScoreFilesRecoverToEmptyPlacesAndKeepWhatReads) {
    auto table_of = [](const std::string& bytes) { return read_high_score_table(bytes); };
    EXPECT_EQ(table_of("")[0].name, "");
    const HighScoreTable cut = table_of("\"Al\"\n70000\n\"Jan,1,2000\"\n\"Bo\"\n-70000\n\"Ja\n");
    EXPECT_EQ(cut[0].score, "32767");
    EXPECT_EQ(cut[1].score, "-32768");
    EXPECT_EQ(cut[1].date, "Ja\n") << "a place cut inside its date keeps what is there";
    EXPECT_EQ(table_of("\"Al\"\n5\n\"Jan,1,2000\"\n\"Bo\"\n9")[1].name, "") << "a place cut before its date is empty";
    EXPECT_EQ(table_of("\"Al\",10,\"d\",\"Bo\",20,\"e\"," + test::crlf_lines(Texts(200, "\"z\"")))[1].name, "Bo");
    EXPECT_EQ(table_of("\"" + long_line + "\"\r\n5\r\n\"" + binary)[0].name.size(), 255u);
    EXPECT_EQ(table_of("\"Jos\xc3\xa9\"\r\n5\r\n\"Jan,1,2000\r\n")[0].name, "Jos\xc3\xa9");
    EXPECT_EQ(table_of("\xEF\xBB\xBF\"Al\"\r\n5\r\n\"d\"\r\n")[0].name, "Al");
    EXPECT_EQ(table_of("\"" + std::string(300, 'x') + "\u00e9\"\r\n5\r\n\"d\"\r\n")[0].name, std::string(255, 'x'));
    EXPECT_EQ(table_of("\"" + std::string(254, 'x') + "e\u0301\u0301\"\r\n5\r\n\"d\"\r\n")[0].name,
              std::string(254, 'x') + "e\u0301\u0301")
        << "the cut counts letters, and never falls inside one";

    // A table written on an older Western desktop is read in Windows-1252
    // and saved back in UTF-8, with nothing else changed.
    const std::string western = "\"M\xfcller\"\r\n500\r\n\"Jan,5,2004\"\r\n" + test::crlf_lines(Texts(9, "\"\"\r\n0\r\n\"\""));
    const HighScoreTable read_back = table_of(western);
    EXPECT_EQ(read_back[0].name, "M\u00fcller");
    std::string utf8 = western;
    utf8.replace(2, 1, "\u00fc");
    EXPECT_EQ(high_score_bytes(read_back), utf8);

    // A name that would break the file is stored so that it reads back.
    HighScoreTable table{};
    table[0].name = "A \"B\", C\r\nD\nE";
    EXPECT_EQ(table_of(high_score_bytes(table))[0].name, "A 'B', C D E");
}

// A save that cannot happen leaves the old file whole and says so, naming it.
TEST(Damage, FailedSavesKeepTheOldFileAndTellThePlayer) {
    Install install("test.txt", "");
    test::World& world = install.world;
    Quarn& q = world.start();
    const std::string old_table = world.read("mixnmatch.hi");
    q.form_game_screen.high_scores[0] = {"New", "500", "d"};
    rlimit no_limit{}, tiny{};
    ::getrlimit(RLIMIT_FSIZE, &no_limit);
    tiny = {16, no_limit.rlim_max}; // a disk that fills up halfway through the new copy
    std::signal(SIGXFSZ, SIG_IGN);
    const std::pair<std::function<void()>, std::function<void()>> failures[] = {
        {[&] { for (const char* f : {"mixnmatch.hi", "anagrams1_used.dat"}) ::chmod((world.dir / f).c_str(), 0444); },
         [&] { for (const char* f : {"mixnmatch.hi", "anagrams1_used.dat"}) ::chmod((world.dir / f).c_str(), 0644); }},
        {[&] { ::chmod(world.dir.c_str(), 0555); }, [&] { ::chmod(world.dir.c_str(), 0755); }},
        {[&] { ::setrlimit(RLIMIT_FSIZE, &tiny); }, [&] { ::setrlimit(RLIMIT_FSIZE, &no_limit); }},
    };
    for (const auto& [fail, mend] : failures) {
        world.pump.boxes.clear();
        fail();
        save_high_scores(world.pump, q.form_game_screen.high_scores, world.dir / "mixnmatch.hi");
        q.find_game("Anagrams")->finish(q.stage);
        mend();
        EXPECT_EQ(world.pump.box_texts().size(), 2u);
        for (const std::string& text : world.pump.box_texts())
            EXPECT_TRUE(text.find("The high scores could not be saved to mixnmatch.hi") == 0 ||
                        text.find("The used-word record could not be saved to anagrams1_used.dat") == 0) << text;
        EXPECT_EQ(world.read("mixnmatch.hi"), old_table);
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(world.dir), {}), 10) << "no partial copy is left";
    }
    std::signal(SIGXFSZ, SIG_DFL);
}

// The data files shipped in data/ hold what the games rely on.

const std::filesystem::path data(QUARN_DATA_DIR);

TEST(ShippedData, EveryEntryCanBePlayedAndTheRecordsAndTablesAreEmpty) {
    Dictionary d;
    ASSERT_TRUE(d.load(data / "dictionary.dic"));
    EXPECT_EQ(d.end_slot() + 1, d.size()) << "999 is the last line";
    for (std::size_t slot = 2; slot < d.end_slot(); ++slot)
        ASSERT_TRUE(d.word(slot - 1) < d.word(slot) && d.word(slot).find_first_not_of("abcdefghijklmnopqrstuvwxyz") == std::string::npos)
            << d.word(slot) << ": sorted lower-case words";
    WordList list;
    for (const char* name : {"anagrams1.dic", "crossword1.dic"}) {
        ASSERT_TRUE(list.load(data / name));
        EXPECT_GE(list.count, 500) << name;
        for (int p = 1; p <= list.count; ++p) EXPECT_TRUE(list.drawable(p)) << name << " " << p;
        // An Anagrams word that is no word of the dictionary could never be solved.
        for (int p = 1; p <= list.count && name[0] == 'a'; ++p) EXPECT_FALSE(d.exact(list.entries[p]).empty()) << list.entries[p];
    }
    for (const char* name : {"anagrams1_used.dat", "crossword1_used.dat"})
        EXPECT_EQ(test::lines_of(data / name), std::vector<std::string>(1001, "False")) << name;
    std::vector<std::string> empty_table;
    for (int place = 0; place < 10; ++place) empty_table.insert(empty_table.end(), {"\"\"", "0", "\"\""});
    for (const char* name : {"anagrams.hi", "crosswords.hi", "mixnmatch.hi", "worddrop.hi"})
        EXPECT_EQ(test::lines_of(data / name), empty_table) << name;
}

} // namespace
} // namespace quarn
