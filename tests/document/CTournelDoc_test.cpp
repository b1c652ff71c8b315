#include "DocTestSupport.h"
#include "document/CTournelDoc.h"
#include "document/cDocumentInfoValues.h"
#include "support/cScriptedPrompt.h"

#include <filesystem>

namespace {

struct CTournelDocTest : ::testing::Test
{
    CTournelDocTest()
    {
        doc.m_fnClock = [this] { return now; };
        doc.SetPrompt(&prompt);
        doc.OnNewDocument();
    }

    // A saved document league.tnd with backups every five minutes, opened at `now`.
    void OpenLeague()
    {
        doc.m_nBackupMinutes = 5;
        ASSERT_TRUE(doc.OnSaveDocument(folder / "league.tnd"));
        ASSERT_TRUE(doc.OnOpenDocument(folder / "league.tnd"));
    }

    TimePoint now = kT0;
    cScriptedPrompt prompt;
    CTournelDoc doc;
    cTempFolder folder;
};

TEST_F(CTournelDocTest, BackupIsWrittenOnlyAfterTheInterval)
{
    OpenLeague();
    now += 4 * 60;
    EXPECT_FALSE(doc.BackupIfDue());
    EXPECT_FALSE(std::filesystem::exists(folder / "league_backup.tnd"));
    now += 2 * 60;
    for (const bool modified : {true, false}) {
        SCOPED_TRACE(modified);
        doc.SetModifiedFlag(modified);
        std::filesystem::remove(folder / "league_backup.tnd");
        now += 6 * 60;
        EXPECT_TRUE(doc.BackupIfDue());
        EXPECT_TRUE(std::filesystem::exists(folder / "league_backup.tnd"));
        EXPECT_EQ(doc.IsModified(), modified);
        EXPECT_EQ(doc.GetPathName(), folder / "league.tnd");
        // The interval starts again.
        EXPECT_FALSE(doc.BackupIfDue());
    }
    EXPECT_EQ(prompt.m_waits,
              (std::vector<std::string>{"Just a moment!\nSaving a backup of your document!",
                                        "Just a moment!\nSaving a backup of your document!"}));
}

TEST_F(CTournelDocTest, BackupOffOrExactlyAtTheIntervalWritesNothing)
{
    OpenLeague();
    now += 5 * 60;
    EXPECT_FALSE(doc.BackupIfDue());
    doc.m_bAutoBackup = 0;
    now += 60 * 60;
    EXPECT_FALSE(doc.BackupIfDue());
}

TEST_F(CTournelDocTest, BackupNames)
{
    EXPECT_EQ(doc.BackupPathName(), "backup.tnd");
    doc.SetPathName("/data/league.tnd");
    EXPECT_EQ(doc.BackupPathName(), "/data/league_backup.tnd");
    doc.SetPathName("a.tn");
    EXPECT_EQ(doc.BackupPathName(), "backup.tnd");
}

TEST_F(CTournelDocTest, NeverSavedDocumentBacksUpInTheCurrentFolder)
{
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(folder.Path());
    now += 16 * 60;
    const bool written = doc.BackupIfDue();
    std::filesystem::current_path(previous);
    EXPECT_TRUE(written);
    EXPECT_TRUE(std::filesystem::exists(folder / "backup.tnd"));
    EXPECT_EQ(doc.GetPathName(), "");
}

TEST_F(CTournelDocTest, AFailedSaveKeepsTheOldFile)
{
    // No temporary name fits beside a name this long, so the save fails.
    const std::string path = folder / (std::string(250, 's') + ".tnd");
    WriteBytes(path, "old contents");
    doc.SetModifiedFlag(true);
    const TimePoint modified = doc.m_tModified;
    now += 3600;
    EXPECT_FALSE(doc.OnSaveDocument(path));
    EXPECT_EQ(ReadBytes(path), "old contents");
    EXPECT_EQ(prompt.Ids(), std::vector<int>{IDS_WRITE_ERROR});
    EXPECT_EQ(prompt.m_shown[0].text, "An unexpected error occurred while writing " + path + ".");
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.m_tModified, modified);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);
}

TEST_F(CTournelDocTest, ASaveIntoAMissingFolderFails)
{
    EXPECT_FALSE(doc.OnSaveDocument(folder / "missing/league.tnd"));
    EXPECT_EQ(prompt.Ids(), std::vector<int>{IDS_WRITE_ERROR});
}

TEST_F(CTournelDocTest, SaveReplacesTheFileAndStampsTheTimes)
{
    WriteBytes(folder / "league.tnd", "old contents");
    doc.SetModifiedFlag(true);
    now = kT0 + 500;
    ASSERT_TRUE(doc.OnSaveDocument(folder / "league.tnd"));
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.m_tModified, kT0 + 500);
    EXPECT_EQ(doc.m_tLastBackup, kT0 + 500);
    ASSERT_TRUE(doc.OnOpenDocument(folder / "league.tnd"));
    EXPECT_EQ(doc.m_tModified, kT0 + 500);
    EXPECT_EQ(doc.m_tCreated, kT0);
    EXPECT_EQ(doc.GetTitle(), "league.tnd");
}

TEST_F(CTournelDocTest, AMissingFileIsNamedAndLeavesTheDocumentAsItWas)
{
    doc.m_strAuthor = "entered";
    doc.SetModifiedFlag();
    const std::string before = doc.Snapshot();
    const std::string missing = folder / "missing.tnd";
    EXPECT_FALSE(doc.OnOpenDocument(missing));
    EXPECT_EQ(prompt.Ids(), std::vector<int>{IDS_FILE_NOT_FOUND});
    EXPECT_EQ(prompt.m_shown[0].text, "File not found: \"" + missing + "\"");
    EXPECT_EQ(doc.Snapshot(), before);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.GetPathName(), "");
    // A file that exists but cannot be read is another matter, and is told so.
    prompt.m_shown.clear();
    EXPECT_FALSE(doc.OnOpenDocument(folder.Path()));
    EXPECT_EQ(prompt.Ids(), std::vector<int>{IDS_READ_ERROR});
    EXPECT_EQ(doc.Snapshot(), before);
}

TEST(cDocumentInfoValues, Validate)
{
    struct cCase
    {
        const char* name;
        int language;
        int dateFormat;
        int minutes;
        int field; // -1: valid
        const char* text;
    };
    const cCase cases[] = {
        {"defaults", 2, 0, 15, -1, ""},
        {"five minutes", 0, 6, 5, -1, ""},
        {"sixty minutes", 10, 0, 60, -1, ""},
        {"four minutes", 2, 0, 4, cDocumentInfoValues::kFieldBackupMinutes,
         "Please enter an integer between 5 and 60."},
        {"61 minutes", 2, 0, 61, cDocumentInfoValues::kFieldBackupMinutes,
         "Please enter an integer between 5 and 60."},
        {"language 11", 11, 0, 15, cDocumentInfoValues::kFieldLanguage,
         "Please enter an integer between 0 and 10."},
        {"date format 7", 2, 7, 15, cDocumentInfoValues::kFieldDateFormat,
         "Please enter an integer between 0 and 6."},
    };
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.name);
        cDocumentInfoValues values;
        values.language = c.language;
        values.dateFormat = c.dateFormat;
        values.backupMinutes = c.minutes;
        const auto error = Validate(values);
        if (c.field < 0) {
            EXPECT_FALSE(error.has_value());
        } else {
            ASSERT_TRUE(error.has_value());
            EXPECT_EQ(error->field, c.field);
            EXPECT_EQ(error->messageId, IDS_ENTER_INTEGER_BETWEEN);
            EXPECT_EQ(error->text, c.text);
        }
    }
}

TEST_F(CTournelDocTest, DocumentInfoShowsAndStoresTheValues)
{
    doc.m_tCreated = kT0;
    doc.m_tModified = kT0 + 3661;
    doc.m_nDateFormat = 0;
    cDocumentInfoValues values = cDocumentInfoValues::FromDatabase(doc);
    EXPECT_EQ(values.version, " 2.60");
    EXPECT_EQ(values.created, doc.FormatDate(kT0) + " at 10:00:00");
    EXPECT_EQ(values.modified, doc.FormatDate(kT0) + " at 11:01:01");
    values.author = "Åsa";
    values.language = 5;
    values.autoBackup = false;
    values.backupMinutes = 30;
    doc.SetModifiedFlag(false);
    values.ApplyTo(doc);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.m_strAuthor, "Åsa");
    EXPECT_EQ(doc.m_nLanguage, 5);
    EXPECT_EQ(doc.m_bAutoBackup, 0);
    EXPECT_EQ(doc.m_nBackupMinutes, 30);
}

} // namespace
