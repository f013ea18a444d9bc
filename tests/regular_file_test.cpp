// Files a user names: only a regular file is read or written, and checking never waits on what
// stands at the path.
#include "platform/regular_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

namespace sw4 {
namespace {

namespace fs = std::filesystem;

struct Folder {
  fs::path dir = fs::path(::testing::TempDir()) / "sw4_regular_file";
  Folder() {
    fs::remove_all(dir);
    fs::create_directories(dir);
  }
  ~Folder() { fs::remove_all(dir); }
  std::string operator/(const char* name) const { return (dir / name).string(); }
};

TEST(RegularFile, WhatIsNotARegularFileIsRefusedWithoutWaiting) {
  const Folder f;
  ASSERT_EQ(::mkfifo((f / "fifo").c_str(), 0600), 0);
  std::ofstream(f / "setup.sw4") << "text TXn 5\n";
  EXPECT_EQ(fileKind(f / "fifo"), FileKind::Fifo);
  EXPECT_EQ(fileKind("/proc/self/status"), FileKind::Made);
  for (const std::string& path :
       {f / "fifo", f.dir.string(), std::string("/dev/null"), std::string("/proc/self/status")}) {
    // A FIFO with no writer: a blocking open would never return.
    EXPECT_NE(readRegularFile(path, 100).error, "") << path;
    EXPECT_NE(whyNotReadable(path), "") << path;
    EXPECT_NE(whyNotWritable(path), "") << path;
  }
  EXPECT_NE(readRegularFile(f / "fifo", 100).error.find("FIFO"), std::string::npos);
  EXPECT_NE(whyNotWritable("/proc/sw4-new-file"), "");
  EXPECT_NE(whyNotWritable(f / "missing/new.sw4"), "");
  EXPECT_EQ(whyNotWritable(f / "new.sw4"), "");
  EXPECT_EQ(whyNotWritable(f / "setup.sw4"), "");
  EXPECT_EQ(readRegularFile(f / "setup.sw4", 100).content, "text TXn 5\n");
  EXPECT_NE(readRegularFile(f / "setup.sw4", 10).error, "");  // one byte too many
}

}  // namespace
}  // namespace sw4
