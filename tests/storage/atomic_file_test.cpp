// The whole-file writer under every save, PDF and CSV: what it may write over, with what
// permissions, what a failing disk leaves, and two programs saving one name at once.

#include "storage/atomic_file.h"

#include "quote_test_folder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <string_view>

namespace carloan {
namespace {

namespace fs = std::filesystem;

bool write(const fs::path& path, std::string_view bytes) {
    return write_file_atomically(path, bytes);
}

fs::file_type type_of(const fs::path& path) {
    std::error_code ignored;
    return fs::symlink_status(path, ignored).type();
}

TEST(write_file_atomically, writes_over_files_and_links_only_and_keeps_only_a_files_mode) {
    testing::scratch_folder folder;
    testing::scratch_folder elsewhere;
    const fs::path shared = elsewhere.write("shared", "theirs");
    ::chmod(shared.c_str(), 0666);
    const fs::path fifo = folder.path() / "fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0666), 0);
    const fs::path device = folder.path() / "null";
    const bool device_made = ::mknod(device.c_str(), S_IFCHR | 0666, ::makedev(1, 3)) == 0;
    ::chmod(fifo.c_str(), 0666);
    ::chmod(device.c_str(), 0666);
    fs::create_directory(folder.path() / "folder");
    const auto file = [&](const char* name, mode_t mode) {
        const fs::path path = folder.write(name, "old");
        ::chmod(path.c_str(), mode);
        return path;
    };
    const auto link = [&](const char* name, const fs::path& to) {
        fs::create_symlink(to, folder.path() / name);
        return folder.path() / name;
    };
    struct row {
        fs::path target;
        bool written;
        mode_t mode;  // of what then stands under the name
    } rows[] = {
        {folder.path() / "new", true, 0600},
        {file("private", 0600), true, 0600},
        {file("readable", 0644), true, 0644},
        {file("group", 0640), true, 0640},
        // A link is replaced by the file, which takes nothing from what it named.
        {link("to-shared", shared), true, 0600},
        {link("to-device", "/dev/null"), true, 0600},
        {link("dangling", folder.path() / "none"), true, 0600},
        {fifo, false, 0666},
        {folder.path() / "folder", false, 0},
        {device_made ? device : fs::path(), false, 0666},
    };
    for (const mode_t mask : {0000, 0277}) {  // the mode must not come from the umask
        const mode_t old_mask = ::umask(mask);
        for (const row& r : rows) {
            if (r.target.empty()) {
                continue;  // no device node without the right to make one
            }
            SCOPED_TRACE(r.target.filename().string());
            const fs::file_type before = type_of(r.target);
            EXPECT_EQ(write(r.target, "new"), r.written);
            EXPECT_EQ(may_write_over(r.target), r.written);
            if (r.written) {
                EXPECT_EQ(type_of(r.target), fs::file_type::regular);
                EXPECT_EQ(testing::file_bytes(r.target), "new");
                EXPECT_EQ(testing::mode_of(r.target), r.mode);
            } else {
                EXPECT_EQ(type_of(r.target), before);
                if (r.mode != 0) {
                    EXPECT_EQ(testing::mode_of(r.target), r.mode);
                }
            }
        }
        ::umask(old_mask);
    }
    EXPECT_EQ(testing::file_bytes(shared), "theirs");
    EXPECT_EQ(testing::mode_of(shared), 0666u);
    EXPECT_EQ(type_of("/dev/null"), fs::file_type::character);
    EXPECT_FALSE(may_write_over(folder.path() / "missing" / "new"));
}

TEST(write_file_atomically, a_failing_disk_at_any_step_keeps_the_old_file_and_leaves_nothing) {
    for (const write_step step : {write_step::open, write_step::write, write_step::sync,
                                  write_step::close, write_step::rename}) {
        SCOPED_TRACE(static_cast<int>(step));
        testing::scratch_folder folder;
        const fs::path old = folder.write("old.pdf", "old");
        ::chmod(old.c_str(), 0640);
        fail_writes_at(step);
        EXPECT_FALSE(write(old, std::string(10000, 'n')));
        EXPECT_FALSE(write(folder.path() / "new.csv", "new"));
        fail_writes_at(std::nullopt);
        EXPECT_EQ(testing::file_bytes(old), "old");
        EXPECT_EQ(testing::mode_of(old), 0640u);
        EXPECT_EQ(folder.entry_count(), 1u);
    }
}

// Two clerks' programs saving the same name: each save succeeds, and every read in between finds
// one of the two files whole.
TEST(write_file_atomically, two_programs_saving_one_name_both_succeed) {
    testing::scratch_folder folder;
    const fs::path target = folder.path() / "same.car";
    const std::string contents[2] = {std::string(464, 'a'), std::string(464, 'b')};
    ASSERT_TRUE(write(target, contents[0]));
    pid_t savers[2];
    for (int k = 0; k < 2; ++k) {
        savers[k] = ::fork();
        ASSERT_GE(savers[k], 0);
        if (savers[k] == 0) {
            int failures = 0;
            for (int i = 0; i < 1000; ++i) {
                failures += !write(target, contents[k]);
            }
            ::_exit(failures == 0 ? 0 : 1);
        }
    }
    int torn = 0;
    for (int done = 0; done < 2;) {
        const std::string read = testing::file_bytes(target);
        torn += read != contents[0] && read != contents[1];
        done = 0;
        for (pid_t& saver : savers) {
            int status = 0;
            if (saver > 0 && ::waitpid(saver, &status, WNOHANG) == saver) {
                EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "a save failed";
                saver = -1;
            }
            done += saver < 0;
        }
    }
    EXPECT_EQ(torn, 0);
    EXPECT_EQ(folder.entry_count(), 1u) << "a temporary was left behind";
}

}  // namespace
}  // namespace carloan
