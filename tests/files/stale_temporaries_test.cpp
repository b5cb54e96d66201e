#include "files/stale_temporaries.h"

#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "favorites/temp_folder.h"
#include "files/temporary_name.h"

namespace orvanta {
namespace {

using orvanta::testing::TempFolder;

// The id of a process that has ended and been reaped.
pid_t EndedProcess() {
  const pid_t child = fork();
  if (child == 0) _exit(0);
  waitpid(child, nullptr, 0);
  return child;
}

TEST(TemporaryOwner, ReadsOnlyTheNamesTheWriterMakes) {
  const std::string ours = std::filesystem::path(TemporaryNameFor("temp/~astq22265291")).filename();
  EXPECT_EQ(TemporaryOwner(ours), getpid());
  struct Case {
    const char* name;
    std::optional<pid_t> owner;
    const char* what;
  };
  const Case cases[] = {
      {"~astq22265291.tmp4242-7", 4242, "a page's temporary"},
      {"a.tmp.tmp12-3", 12, "the last mark counts"},
      {"~astq22265291", std::nullopt, "a page itself"},
      {"jzxml.tmp12", std::nullopt, "no counter"},
      {"jzxml.tmp-3", std::nullopt, "empty process"},
      {"jzxml.tmp12-3x", std::nullopt, "a letter after the counter"},
      {"jzxml.tmp0-3", std::nullopt, "process 0 is a process group"},
      {"jzxml.tmp99999999999999999999-3", std::nullopt, "beyond any process id"},
      {".tmp12-3", std::nullopt, "no target name"},
  };
  for (const Case& c : cases) EXPECT_EQ(TemporaryOwner(c.name), c.owner) << c.what;
}

TEST(RemoveStaleTemporaries, RemovesOnlyTemporariesOfEndedProcesses) {
  TempFolder folder;
  const std::string ended = std::to_string(EndedProcess());
  const std::string mine = std::to_string(getpid());
  folder.Write("page1", "page");
  folder.Write("page1.tmp" + ended + "-0", "torn");
  folder.Write("jzxml.tmp" + ended + "-12", "torn");
  folder.Write("page2.tmp" + mine + "-3", "a job of this process is writing");
  folder.Write("page3.tmp1-3", "process 1 always runs");
  folder.Write("notes.tmp" + ended, "not the writer's form");
  std::filesystem::create_directory(folder.At("dir.tmp" + ended + "-1"));

  EXPECT_EQ(RemoveStaleTemporaries(folder.Path()), 2);
  EXPECT_FALSE(folder.Has("page1.tmp" + ended + "-0"));
  EXPECT_FALSE(folder.Has("jzxml.tmp" + ended + "-12"));
  for (const std::string& kept : {std::string("page1"), "page2.tmp" + mine + "-3",
                                  std::string("page3.tmp1-3"), "notes.tmp" + ended,
                                  "dir.tmp" + ended + "-1"})
    EXPECT_TRUE(folder.Has(kept)) << kept;
}

TEST(RemoveStaleTemporaries, LooksInTheFolderOfAFileAndSurvivesAMissingOne) {
  TempFolder folder;
  const std::string stale = "~astq22265291.tmp" + std::to_string(EndedProcess()) + "-0";
  folder.Write("temp/" + stale, "torn");
  folder.Write("temp/deeper/" + stale, "not beside the file");
  EXPECT_EQ(RemoveStaleTemporariesBeside(folder.At("temp/~astq2226529")), 1);
  EXPECT_TRUE(folder.Has("temp/deeper/" + stale));
  EXPECT_EQ(RemoveStaleTemporaries(folder.At("missing")), 0);
}

}  // namespace
}  // namespace orvanta
