// The file writer against whatever may stand at the path a student types: each case makes it in
// a scratch folder, saves over it, and checks what stands there afterwards and what was said.
#include "io/file_writer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <future>
#include <sstream>
#include <string>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace ovrelan {
namespace {

namespace fs = std::filesystem;

class ScratchFolder {
public:
    ScratchFolder() {
        std::string pattern = (fs::temp_directory_path() / "ovrelan-writer-XXXXXX").string();
        folder_ = ::mkdtemp(pattern.data());
    }
    ~ScratchFolder() {
        std::error_code ec;
        fs::remove_all(folder_, ec);
    }
    std::string path(const std::string& name) const { return (folder_ / name).string(); }
    // The names in the folder, sorted, temporaries included.
    std::string listing() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder_)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        std::string out;
        for (const auto& n : names) {
            out += n + " ";
        }
        return out;
    }

private:
    fs::path folder_;
};

std::string read_whole(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void make_file(const std::string& path, const std::string& text, mode_t mode) {
    std::ofstream(path, std::ios::binary) << text;
    ::chmod(path.c_str(), mode);
}

struct stat status_of(const std::string& path) {
    struct stat st {};
    ::lstat(path.c_str(), &st);
    return st;
}

bool is_root() {
    return ::geteuid() == 0;
}

struct WriterCase {
    const char* name;
    // Makes what stands at "f" before the save (and anything beside it).
    std::function<void(const ScratchFolder&)> before;
    bool saved;
    const char* reason; // a part of the reason, when refused
    // What must hold afterwards.
    std::function<void(const ScratchFolder&)> after;
};

const char* const old_text = "old text\n";
const char* const new_text = "новый текст\n";

void expect_old(const ScratchFolder& d) {
    EXPECT_EQ(read_whole(d.path("f")), old_text);
}
void expect_new(const ScratchFolder& d) {
    EXPECT_EQ(read_whole(d.path("f")), new_text);
}

std::vector<WriterCase> writer_cases() {
    return {
        {"new_file", [](const ScratchFolder&) {}, true, "",
         [](const ScratchFolder& d) {
             expect_new(d);
             EXPECT_TRUE(S_ISREG(status_of(d.path("f")).st_mode));
         }},
        {"regular_keeps_its_mode",
         [](const ScratchFolder& d) { make_file(d.path("f"), old_text, 0640); }, true, "",
         [](const ScratchFolder& d) {
             expect_new(d);
             EXPECT_EQ(status_of(d.path("f")).st_mode & 07777, 0640u);
         }},
        {"private_file_stays_private",
         [](const ScratchFolder& d) { make_file(d.path("f"), old_text, 0600); }, true, "",
         [](const ScratchFolder& d) {
             expect_new(d);
             EXPECT_EQ(status_of(d.path("f")).st_mode & 07777, 0600u);
         }},
        {"read_only_is_refused",
         [](const ScratchFolder& d) { make_file(d.path("f"), old_text, 0444); }, false,
         "только для чтения",
         [](const ScratchFolder& d) {
             expect_old(d);
             EXPECT_EQ(status_of(d.path("f")).st_mode & 07777, 0444u);
         }},
        {"symlink_is_followed",
         [](const ScratchFolder& d) {
             make_file(d.path("target"), old_text, 0644);
             fs::create_symlink("target", d.path("f"));
         },
         true, "",
         [](const ScratchFolder& d) {
             EXPECT_TRUE(S_ISLNK(status_of(d.path("f")).st_mode));
             EXPECT_EQ(read_whole(d.path("target")), new_text);
         }},
        {"chain_of_links_to_a_new_file",
         [](const ScratchFolder& d) {
             fs::create_symlink("middle", d.path("f"));
             fs::create_symlink(d.path("target"), d.path("middle"));
         },
         true, "",
         [](const ScratchFolder& d) {
             EXPECT_TRUE(S_ISLNK(status_of(d.path("f")).st_mode));
             EXPECT_TRUE(S_ISLNK(status_of(d.path("middle")).st_mode));
             EXPECT_EQ(read_whole(d.path("target")), new_text);
         }},
        {"loop_of_links_is_refused",
         [](const ScratchFolder& d) {
             fs::create_symlink("g", d.path("f"));
             fs::create_symlink("f", d.path("g"));
         },
         false, "ссылок",
         [](const ScratchFolder& d) { EXPECT_TRUE(S_ISLNK(status_of(d.path("f")).st_mode)); }},
        {"hard_link_keeps_seeing_it",
         [](const ScratchFolder& d) {
             make_file(d.path("f"), old_text, 0644);
             fs::create_hard_link(d.path("f"), d.path("other"));
         },
         true, "",
         [](const ScratchFolder& d) {
             expect_new(d);
             EXPECT_EQ(read_whole(d.path("other")), new_text);
             EXPECT_EQ(status_of(d.path("f")).st_ino, status_of(d.path("other")).st_ino);
         }},
        {"pipe_nobody_reads_is_refused_at_once",
         [](const ScratchFolder& d) { ::mkfifo(d.path("f").c_str(), 0644); }, false, "канал",
         [](const ScratchFolder& d) { EXPECT_TRUE(S_ISFIFO(status_of(d.path("f")).st_mode)); }},
        {"folder_is_refused", [](const ScratchFolder& d) { fs::create_directory(d.path("f")); },
         false, "папка",
         [](const ScratchFolder& d) { EXPECT_TRUE(fs::is_directory(d.path("f"))); }},
        {"socket_is_refused",
         [](const ScratchFolder& d) {
             const int s = ::socket(AF_UNIX, SOCK_STREAM, 0);
             sockaddr_un address{};
             address.sun_family = AF_UNIX;
             const std::string p = d.path("f");
             p.copy(address.sun_path, sizeof address.sun_path - 1);
             ::bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address);
             ::close(s);
         },
         false, "сокет",
         [](const ScratchFolder& d) { EXPECT_TRUE(S_ISSOCK(status_of(d.path("f")).st_mode)); }},
        {"missing_folder", [](const ScratchFolder&) {}, false, "нет такого файла или папки",
         [](const ScratchFolder& d) { EXPECT_FALSE(fs::exists(d.path("f"))); }},
    };
}

TEST(FileWriter, RespectsWhatStandsAtThePath) {
    for (const WriterCase& c : writer_cases()) {
        SCOPED_TRACE(c.name);
        const ScratchFolder d;
        c.before(d);
        const std::string path =
            std::string(c.name) == "missing_folder" ? d.path("no/such/f") : d.path("f");
        std::string reason;
        auto save = std::async(std::launch::async, [&] {
            return write_file_whole(path, std::string_view(new_text), &reason);
        });
        ASSERT_EQ(save.wait_for(std::chrono::seconds(20)), std::future_status::ready)
            << "the save waits";
        EXPECT_EQ(save.get(), c.saved) << reason;
        if (!c.saved) {
            EXPECT_NE(reason.find(c.reason), std::string::npos) << reason;
        }
        c.after(d);
        // No temporary is left beside it, whatever happened.
        EXPECT_EQ(d.listing().find(".ovrelan-"), std::string::npos) << d.listing();
    }
}

TEST(FileWriter, PipeWithAReaderIsWrittenWhereItStands) {
    const ScratchFolder d;
    ASSERT_EQ(::mkfifo(d.path("f").c_str(), 0644), 0);
    auto reader = std::async(std::launch::async, [&] { return read_whole(d.path("f")); });
    // The reader opens the pipe first; the writer then finds it.
    std::string reason;
    bool saved = false;
    for (int attempt = 0; attempt < 200 && !saved; ++attempt) {
        saved = write_file_whole(d.path("f"), std::string_view(new_text), &reason);
        if (!saved) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    }
    EXPECT_TRUE(saved) << reason;
    ASSERT_EQ(reader.wait_for(std::chrono::seconds(20)), std::future_status::ready);
    EXPECT_EQ(reader.get(), new_text);
    EXPECT_TRUE(S_ISFIFO(status_of(d.path("f")).st_mode));
}

TEST(FileWriter, DeviceNodeStaysADevice) {
    if (!is_root()) {
        GTEST_SKIP() << "mknod needs root";
    }
    const ScratchFolder d;
    ASSERT_EQ(::mknod(d.path("null").c_str(), S_IFCHR | 0666, ::makedev(1, 3)), 0);
    std::string reason;
    EXPECT_TRUE(write_file_whole(d.path("null"), std::string_view(new_text), &reason)) << reason;
    EXPECT_TRUE(S_ISCHR(status_of(d.path("null")).st_mode));
    // A disk is never written over.
    ASSERT_EQ(::mknod(d.path("disk").c_str(), S_IFBLK | 0600, ::makedev(7, 200)), 0);
    EXPECT_FALSE(write_file_whole(d.path("disk"), std::string_view(new_text), &reason));
    EXPECT_NE(reason.find("дисковое устройство"), std::string::npos) << reason;
    EXPECT_TRUE(S_ISBLK(status_of(d.path("disk")).st_mode));
}

TEST(FileWriter, WriteThatFailsHalfWayLeavesTheOldFileAndNoTemporary) {
    const ScratchFolder d;
    make_file(d.path("f.csv"), old_text, 0644);
    std::string reason;
    const bool saved = write_file_whole(
        d.path("f.csv"), [](const FilePut& put) { return put(std::string(100000, 'x')) && false; },
        &reason);
    EXPECT_FALSE(saved);
    EXPECT_FALSE(reason.empty());
    EXPECT_EQ(read_whole(d.path("f.csv")), old_text);
    EXPECT_EQ(d.listing(), "f.csv ");
}

TEST(FileWriter, AnyNameTheFileSystemAllowsCanBeSaved) {
    const ScratchFolder d;
    for (const std::size_t length : {200u, 238u, 255u}) {
        const std::string name(length, 'a');
        std::string reason;
        EXPECT_TRUE(write_file_whole(d.path(name), std::string_view(new_text), &reason))
            << length << ": " << reason;
        EXPECT_EQ(read_whole(d.path(name)), new_text);
    }
    std::string reason;
    EXPECT_FALSE(write_file_whole(d.path(std::string(256, 'b')), std::string_view("x"), &reason));
    EXPECT_NE(reason.find("длинное имя"), std::string::npos) << reason;
}

TEST(FileWriter, TemporariesOfFinishedSavesAreRemovedByTheNext) {
    const ScratchFolder d;
    // A process that has ended: a child that exits at once.
    const pid_t gone = ::fork();
    if (gone == 0) {
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(gone, &status, 0);
    const std::string stale = ".ovrelan-" + std::to_string(gone) + "-0badf00d.part";
    const std::string alive = ".ovrelan-1-0badf00d.part"; // init never ends
    const std::string foreign = ".ovrelan-notes.part";
    for (const auto& name : {stale, alive, foreign}) {
        make_file(d.path(name), "half", 0644);
    }
    std::string reason;
    ASSERT_TRUE(write_file_whole(d.path("f"), std::string_view(new_text), &reason)) << reason;
    EXPECT_EQ(d.listing(), alive + " " + foreign + " f ");
}

TEST(FileWriter, SameFileSeesThroughSpellingsAndLinks) {
    const ScratchFolder d;
    make_file(d.path("a.csv"), old_text, 0644);
    fs::create_symlink("a.csv", d.path("link.csv"));
    fs::create_hard_link(d.path("a.csv"), d.path("hard.csv"));
    const struct {
        std::string a, b;
        bool same;
    } cases[] = {
        {d.path("a.csv"), d.path("a.csv"), true},
        {d.path("a.csv"), d.path("./a.csv"), true},
        {d.path("a.csv"), d.path("link.csv"), true},
        {d.path("a.csv"), d.path("hard.csv"), true},
        {d.path("new.csv"), d.path("./new.csv"), true},
        {d.path("a.csv"), d.path("b.csv"), false},
        {d.path("new.csv"), d.path("other.csv"), false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(same_file(c.a, c.b), c.same) << c.a << " / " << c.b;
    }
}

} // namespace
} // namespace ovrelan
