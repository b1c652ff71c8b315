#include "DocTestSupport.h"
#include "document/FileIo.h"

#include <filesystem>
#include <sys/stat.h>
#include <sys/types.h>
#include <vector>

namespace {

mode_t ModeOf(const std::string& path)
{
    struct stat info = {};
    EXPECT_EQ(::stat(path.c_str(), &info), 0);
    return info.st_mode & 07777;
}

// Sets the umask for one test and puts the old one back.
class cUmask
{
public:
    explicit cUmask(mode_t mask)
        : m_old(::umask(mask))
    {
    }
    ~cUmask() { ::umask(m_old); }
    cUmask(const cUmask&) = delete;
    cUmask& operator=(const cUmask&) = delete;

    // Reading the umask means setting it: put straight back.
    static mode_t Current()
    {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        return mask;
    }

private:
    mode_t m_old;
};

TEST(FileIo, AReplacedFileKeepsItsRightsAndTheUmaskStays)
{
    struct Case
    {
        const char* name;
        mode_t umask;
        mode_t before;
    };
    const std::vector<Case> cases = {
        {"group may read, usual umask", 022, 0640},
        {"owner only, open umask", 000, 0600},
        {"everyone may write, strict umask", 077, 0666},
        {"read-only for the group, umask that would allow more", 002, 0640},
    };
    cTempFolder folder;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const cUmask mask(c.umask);
        const std::string path = folder / "league.tnd";
        WriteBytes(path, "old");
        ASSERT_EQ(::chmod(path.c_str(), c.before), 0);
        ASSERT_TRUE(ReplaceFile(path, "new"));
        EXPECT_EQ(ReadBytes(path), "new");
        EXPECT_EQ(ModeOf(path), c.before);
        EXPECT_EQ(cUmask::Current(), c.umask);
    }
}

TEST(FileIo, ANewFileGetsTheUsualRightsLessTheUmask)
{
    cTempFolder folder;
    for (const mode_t umask : {mode_t{022}, mode_t{027}, mode_t{077}}) {
        SCOPED_TRACE(umask);
        const cUmask mask(umask);
        const std::string path = folder / "new.tnd";
        std::filesystem::remove(path);
        ASSERT_TRUE(ReplaceFile(path, "bytes"));
        EXPECT_EQ(ModeOf(path), 0666 & ~umask);
        EXPECT_EQ(cUmask::Current(), umask);
    }
}

TEST(FileIo, NoTemporaryFileIsLeftBehind)
{
    cTempFolder folder;
    const std::string path = folder / "league.tnd";
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(ReplaceFile(path, std::string(static_cast<std::size_t>(i) * 1000, 'x')));
    }
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder.Path())) {
        names.push_back(entry.path().filename().string());
    }
    EXPECT_EQ(names, std::vector<std::string>{"league.tnd"});
    // A folder that cannot be written to leaves the old file as it was.
    EXPECT_FALSE(ReplaceFile(folder / "missing/league.tnd", "bytes"));
    EXPECT_EQ(ReadBytes(path), std::string(2000, 'x'));
}

} // namespace
