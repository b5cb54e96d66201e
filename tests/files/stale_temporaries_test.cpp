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

TEST(TemporaryOwner, ReadsOnlyTheNamesTheWriterMakes) {
  const std::string ours = std::filesystem::path(TemporaryNameFor("temp/~astq22265291")).filename();
  EXPECT_EQ(TemporaryOwner(ours), getpid());
  const struct {
    const char* name;
    std::optional<pid_t> owner;
    const char* what;
  } cases[] = {
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
  for (const auto& c : cases) EXPECT_EQ(TemporaryOwner(c.name), c.owner) << c.what;
}

TEST(RemoveStaleTemporaries, RemovesBesideAFileOnlyTheTemporariesOfEndedProcesses) {
  const pid_t child = fork();  // a process that has ended and been reaped
  if (child == 0) _exit(0);
  waitpid(child, nullptr, 0);
  const std::string ended = std::to_string(child), mine = std::to_string(getpid());
  const struct {
    std::string name;
    bool kept;
  } files[] = {
      {"temp/page1", true},
      {"temp/page1.tmp" + ended + "-0", false},
      {"temp/jzxml.tmp" + ended + "-12", false},
      {"temp/page2.tmp" + mine + "-3", true},          // a job of this process is writing
      {"temp/page3.tmp1-3", true},                     // process 1 always runs
      {"temp/notes.tmp" + ended, true},                // not the writer's form
      {"temp/deeper/page1.tmp" + ended + "-0", true},  // not beside the file
  };
  TempFolder folder;
  for (const auto& file : files) folder.Write(file.name, "torn");
  std::filesystem::create_directory(folder.At("temp/dir.tmp" + ended + "-1"));

  EXPECT_EQ(RemoveStaleTemporariesBeside(folder.At("temp/~astq2226529")), 2);
  for (const auto& file : files) EXPECT_EQ(folder.Has(file.name), file.kept) << file.name;
  EXPECT_TRUE(folder.Has("temp/dir.tmp" + ended + "-1")) << "a folder is no temporary";
  EXPECT_EQ(RemoveStaleTemporaries(folder.At("missing")), 0);
}

}  // namespace
}  // namespace orvanta
