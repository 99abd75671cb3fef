// Item reader, line writers, conversions, dates and random numbers.
#include "platform/convert.h"
#include "platform/date.h"
#include "platform/random.h"
#include "platform/text_file.h"

#include "harness.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace quarn {
namespace {

std::vector<std::string> items(const std::string& bytes) {
    ItemReader reader(bytes);
    std::vector<std::string> out;
    while (!reader.at_end()) out.push_back(reader.read_text());
    return out;
}

using Items = std::vector<std::string>;

TEST(ItemReader, SeparatesByCommasAndLineEnds) {
    EXPECT_EQ(items("cat\r\ndog\r\n999\r\n"), (Items{"cat", "dog", "999"}));
    EXPECT_EQ(items("a,b\r\nc"), (Items{"a", "b", "c"})) << "a missing final line end still ends the item";
    EXPECT_EQ(items("a\nb\rc"), (Items{"a", "b", "c"}));
    EXPECT_EQ(items("a,\r\nb"), (Items{"a", "", "b"}));
}

TEST(ItemReader, QuotesBlanksAndEmptyLines) {
    EXPECT_EQ(items("\"Smith, Al\"\r\n120\r\n\"Jan,5,2004\"\r\n"), (Items{"Smith, Al", "120", "Jan,5,2004"}));
    EXPECT_EQ(items("   lead,  \"q\" ,tail  \r\n"), (Items{"lead", "q", "tail"}));
    EXPECT_EQ(items("a\r\n\r\nb\r\n"), (Items{"a", "", "b"})) << "an empty line is an empty item";
    EXPECT_EQ(items("\"\"\r\n0\r\n\"\"\r\n"), (Items{"", "0", ""}));
    EXPECT_TRUE(items("").empty());

    ItemReader unclosed("\"never closed, at all\r\n");
    EXPECT_EQ(unclosed.read_text(), "never closed, at all\r\n");
    EXPECT_TRUE(unclosed.at_end());
}

TEST(ItemReader, NumbersGoThroughTheTextRule) {
    ItemReader reader(" 12abc, -3.5 ,x1,\r\n");
    EXPECT_EQ(text_to_number(reader.read_text()), 12);
    EXPECT_EQ(text_to_number(reader.read_text()), -3.5);
    EXPECT_EQ(text_to_number(reader.read_text()), 0);
    EXPECT_EQ(text_to_number(reader.read_text()), 0);
    EXPECT_TRUE(reader.at_end());
}

TEST(Writers, QuotedRecordsAndPlainLines) {
    EXPECT_EQ(quoted_record({"Al"}), "\"Al\"\r\n");
    EXPECT_EQ(quoted_record({"a", "b,c"}), "\"a\",\"b,c\"\r\n");
    EXPECT_EQ(plain_line("True"), "True\r\n");
    EXPECT_EQ(plain_line(plain_number(12) + "cat"), " 12 cat\r\n");
    EXPECT_EQ(plain_number(-4), "-4 ");
}

TEST(Convert, TextAndNumbers) {
    EXPECT_EQ(to_text(-5), "-5");
    EXPECT_EQ(to_signed_text(1), " 1");
    EXPECT_EQ(to_signed_text(-1), "-1");
    EXPECT_EQ(text_to_number("  0120"), 120);
    EXPECT_EQ(text_to_number("1e2x"), 100);
    EXPECT_EQ(text_to_number("abc"), 0);
    EXPECT_EQ(text_to_number(".5"), 0.5);
    EXPECT_EQ(text_to_number("-"), 0);
    EXPECT_EQ(round_half_even(2.5), 2);
    EXPECT_EQ(round_half_even(3.5), 4);
    EXPECT_EQ(round_half_even(-2.5), -2);
    EXPECT_EQ(text_to_int16("99999"), 32767);
    EXPECT_EQ(text_to_int16("-99999"), -32768);
    EXPECT_EQ(text_to_int16("1e400"), 32767);
}

TEST(DateText, MonthCommaDayCommaYear) {
    test::FixedDate dates;
    EXPECT_EQ(date_text(dates), "Jan,5,2004");
    dates.date = {2026, 12, 25};
    EXPECT_EQ(date_text(dates), "Dec,25,2026");
}

TEST(Random, ReseedingInOneClockTickDoesNotReplay) {
    ClockSeededRandom random([] { return std::uint64_t{42}; });
    random.seed_from_clock();
    double first = random.next();
    random.seed_from_clock();
    EXPECT_NE(random.next(), first);
    for (int i = 0; i < 10000; ++i) {
        double r = random.next();
        ASSERT_GE(r, 0.0);
        ASSERT_LT(r, 1.0);
    }
}

TEST(ReplaceFile, WritesExactBytesAndReportsFailure) {
    test::World world;
    auto path = world.dir / "t.dat";
    EXPECT_EQ(replace_file(path, "a\r\nb\r\n"), "");
    EXPECT_EQ(test::read_file(path), "a\r\nb\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(world.dir), {}), 1) << "no temporary file is left";
    EXPECT_NE(replace_file(world.dir / "no-such-dir" / "x", "y"), "");
}

TEST(ReplaceFile, KeepsWhatThePlayerSetUp) {
    test::World world;
    const auto path = world.dir / "t.dat";
    ASSERT_EQ(replace_file(path, "old"), "");
    ::chmod(path.c_str(), 0640);
    ASSERT_EQ(replace_file(path, "new"), "");
    struct stat info {};
    ::stat(path.c_str(), &info);
    EXPECT_EQ(info.st_mode & 07777, 0640u) << "the permission bits survive a save";

    std::filesystem::create_symlink("t.dat", world.dir / "link.dat");
    ASSERT_EQ(replace_file(world.dir / "link.dat", "through"), "");
    EXPECT_TRUE(std::filesystem::is_symlink(world.dir / "link.dat")) << "the link stays a link";
    EXPECT_EQ(test::read_file(path), "through");

    // A link planted where the new copy used to be made leads nowhere.
    world.write("victim", "keep");
    std::filesystem::create_symlink("victim", world.dir / "t.dat.tmp");
    ASSERT_EQ(replace_file(path, "again"), "");
    EXPECT_EQ(world.read("victim"), "keep");
    EXPECT_EQ(world.read("t.dat"), "again");
}

// Another player's file: the rename would replace it, since only the folder
// is checked by the system, so the save must refuse it itself.
TEST(ReplaceFile, RefusesAFileTheUserMayNotWrite) {
    if (::geteuid() != 0) GTEST_SKIP() << "needs root to act as another user";
    test::World world;
    const auto path = world.dir / "t.dat";
    world.write("t.dat", "root's");
    ::chmod(path.c_str(), 0644);
    ::chmod(world.dir.c_str(), 0777);
    pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const bool as_nobody = ::setgid(65534) == 0 && ::setuid(65534) == 0;
        std::_Exit(as_nobody && replace_file(path, "nobody's") == "the file is read-only" ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(world.read("t.dat"), "root's");
}

} // namespace
} // namespace quarn
