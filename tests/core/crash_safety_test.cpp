// A save killed at any moment leaves the whole old table or the whole new one.
#include "platform/text_file.h"

#include "harness.h"

#include <gtest/gtest.h>

#include <csignal>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

namespace quarn {
namespace {

std::string table_bytes(const std::string& name, int score) {
    std::string bytes;
    for (int k = 0; k < 10; ++k)
        bytes += quoted_record({name + std::to_string(k)}) + plain_line(std::to_string(score - k)) +
                 quoted_record({"Jan,5,2004"});
    return bytes;
}

TEST(CrashSafety, KilledSavesNeverLeaveAHalfWrittenTable) {
    test::World world;
    const auto path = world.dir / "anagrams.hi";
    const std::string old_table = table_bytes("Old", 900), new_table = table_bytes("New", 800);
    ASSERT_EQ(replace_file(path, old_table), "");
    std::mt19937 gen(99);
    int saw_new = 0;
    for (int round = 0; round < 300; ++round) {
        pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (int i = 0;; ++i) (void)replace_file(path, i % 2 == 0 ? new_table : old_table);
        }
        ::usleep(std::uniform_int_distribution<unsigned>(0, 3000)(gen));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        const std::string bytes = test::read_file(path);
        ASSERT_TRUE(bytes == old_table || bytes == new_table) << "round " << round << ": " << bytes.size() << " bytes";
        saw_new += bytes == new_table;
    }
    EXPECT_GT(saw_new, 0) << "the kills landed after some saves";
}

} // namespace
} // namespace quarn
