// Items, lines, numbers, dates and random numbers, and saving a file.
#include "platform/convert.h"
#include "platform/date.h"
#include "platform/random.h"
#include "platform/text_file.h"

#include "world.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fstream>
#include <random>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace quarn {
namespace {

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
    ASSERT_EQ(replace_file(path, "a\r\nb\r\n"), "");
    EXPECT_EQ(test::read_file(path), "a\r\nb\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path), {}), 1) << "no temporary file is left";
    EXPECT_NE(replace_file(folder.path / "no-such-dir" / "x", "y"), "");
    ::chmod(path.c_str(), 0640);
    ASSERT_EQ(replace_file(path, "new"), "");
    struct stat info {};
    ::stat(path.c_str(), &info);
    EXPECT_EQ(info.st_mode & 07777, 0640u) << "the permission bits survive a save";

    std::filesystem::create_symlink("t.dat", folder.path / "link.dat");
    ASSERT_EQ(replace_file(folder.path / "link.dat", "through"), "");
    EXPECT_TRUE(std::filesystem::is_symlink(folder.path / "link.dat")) << "the link stays a link";
    EXPECT_EQ(test::read_file(path), "through");

    // A link planted where the new copy used to be made leads nowhere.
    std::ofstream(folder.path / "victim") << "keep";
    std::filesystem::create_symlink("victim", folder.path / "t.dat.tmp");
    ASSERT_EQ(replace_file(path, "again"), "");
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
        std::_Exit(as_nobody && replace_file(path, "nobody's") == "the file is read-only" ? 0 : 1);
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
    ASSERT_EQ(replace_file(path, old_table), "");
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

} // namespace
} // namespace quarn
