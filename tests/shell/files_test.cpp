// The driver file and the options file, byte for byte, and what a damaged,
// short, long or missing file gives; writing through a temporary file.

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <random>

#include "platform/fake_platform.h"
#include "shell/file_io.h"
#include "shell/options.h"
#include "shell/startup_menu.h"
#include "temp_folder.h"

namespace vv {
namespace {

using Bytes = std::vector<std::uint8_t>;

class FilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(dir.empty());
    shell.DataDir = dir;
  }

  void Put(std::string_view name, const Bytes& bytes) { WriteBytes(dir / name, bytes); }
  Bytes Get(std::string_view name) {
    Bytes bytes;
    EXPECT_TRUE(ReadWholeFile(dir / name, bytes));
    return bytes;
  }
  // Only the file written is left: no temporary file stays behind.
  void ExpectOnlyFile(std::string_view name) {
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 1);
    EXPECT_TRUE(std::filesystem::exists(dir / name));
  }

  const TempFolder folder{"vizid-files"};
  const std::filesystem::path& dir = folder.path();
  FakePlatform platform;
  Shell shell{platform};
};

TEST_F(FilesTest, DriverFileBytes) {
  EXPECT_EQ(DriverFileBytes(1), (Bytes{0xE1, 0x10, 0, 0, 1, 0, 0, 0}));
  EXPECT_EQ(DriverFileBytes(2), (Bytes{0xE1, 0x10, 0, 0, 2, 0, 0, 0}));
  WriteDriverFile(shell, 2);
  EXPECT_EQ(Get(DRIVER_FILE), DriverFileBytes(2));
  ReadDriverFile(shell);
  EXPECT_EQ(shell.DriverChoice, 1);
  WriteDriverFile(shell, 1);
  ReadDriverFile(shell);
  EXPECT_EQ(shell.DriverChoice, 0);
}

TEST_F(FilesTest, DamagedOrMissingDriverFilePreselectsOpenGL) {
  const Bytes cases[] = {
      {0xE2, 0x10, 0, 0, 2, 0, 0, 0},     // wrong magic number
      {0xE1, 0x10, 0, 0, 2, 0},           // cut short
      {0xE1, 0x10, 0, 0, 2, 0, 0, 0, 9},  // something after the choice
      {0xE1, 0x10, 0, 0, 3, 0, 0, 0},     // a choice the game never writes
      {0xE1, 0x10, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF},
      {'h', 'e', 'l', 'l', 'o', '!', '!', '!'},
      {},
  };
  for (const Bytes& bytes : cases) {
    Put(DRIVER_FILE, bytes);
    shell.DriverChoice = 1;
    ReadDriverFile(shell);
    EXPECT_EQ(shell.DriverChoice, 0) << bytes.size();
  }
  std::filesystem::remove(dir / DRIVER_FILE);
  shell.DriverChoice = 1;
  ReadDriverFile(shell);
  EXPECT_EQ(shell.DriverChoice, 0);
  // A folder where the file should be is no file.
  std::filesystem::create_directory(dir / DRIVER_FILE);
  shell.DriverChoice = 1;
  ReadDriverFile(shell);
  EXPECT_EQ(shell.DriverChoice, 0);
}

TEST_F(FilesTest, OptionsFileBytesAndRoundTripOfTheStoredEntries) {
  int flags[9] = {0, 1, 0, 1, 1, 0, 1, 0, 0};
  EXPECT_EQ(OptionsFileBytes(flags), (Bytes{199, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 1, 0,
                                            0,   0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
  // Entries 7 and 8 come back exactly as they were read.
  Bytes bytes = OptionsFileBytes(flags);
  bytes[28] = 0x2A;
  bytes[32] = 0xFE, bytes[33] = 0xFF, bytes[34] = 0xFF, bytes[35] = 0xFF;
  Put(OPTIONS_FILE, bytes);
  ResetOptions(shell);
  ReadOptionsFile(shell);
  EXPECT_EQ(shell.OptionFlags[2], 0);
  EXPECT_EQ(shell.OptionFlags[5], 0);
  EXPECT_EQ(shell.OptionFlags[7], 42);
  EXPECT_EQ(shell.OptionFlags[8], -2);
  ASSERT_TRUE(WriteOptionsFile(shell));
  EXPECT_EQ(Get(OPTIONS_FILE), bytes);
}

TEST_F(FilesTest, DamagedOrMissingOptionsFileKeepsTheDefaults) {
  int off[9] = {0, 0, 0, 0, 0, 0, 0, 0, 0};
  Bytes wrongMagic = OptionsFileBytes(off);
  wrongMagic[0] = 198;
  Bytes truncated = OptionsFileBytes(off);
  truncated.pop_back();
  Bytes longer = OptionsFileBytes(off);
  longer.push_back(0);
  Bytes notASwitch = OptionsFileBytes(off);
  notASwitch[8] = 2;
  Bytes garbage(36);
  for (std::size_t i = 0; i < garbage.size(); ++i) garbage[i] = static_cast<std::uint8_t>(i * 37 + 11);
  for (const Bytes& bytes : {wrongMagic, truncated, longer, notASwitch, garbage, Bytes{}}) {
    Put(OPTIONS_FILE, bytes);
    ResetOptions(shell);
    ReadOptionsFile(shell);
    for (int i = 1; i <= 6; ++i) EXPECT_EQ(shell.OptionFlags[i], 1) << bytes.size() << " entry " << i;
    EXPECT_EQ(shell.OptionFlags[7], 0);
  }
  std::filesystem::remove(dir / OPTIONS_FILE);
  ResetOptions(shell);
  ReadOptionsFile(shell);
  for (int i = 1; i <= 6; ++i) EXPECT_EQ(shell.OptionFlags[i], 1);
}

TEST_F(FilesTest, AtomicWriteReplacesTheFileAndLeavesNothingBehind) {
  const Bytes first{1, 2, 3}, second{4, 5};
  ASSERT_TRUE(WriteFileAtomically(dir / "x.bin", first));
  ASSERT_TRUE(WriteFileAtomically(dir / "x.bin", second));
  EXPECT_EQ(Get("x.bin"), second);
  ExpectOnlyFile("x.bin");
  EXPECT_FALSE(WriteFileAtomically(dir / "missing" / "x.bin", first));
  EXPECT_FALSE(std::filesystem::exists(dir / "missing"));
}

TEST_F(FilesTest, AWriteThatFailsPartWayKeepsTheOldFileWhole) {
  const Bytes old{7, 7, 7, 7, 7, 7, 7, 7};
  ASSERT_TRUE(WriteFileAtomically(dir / "x.bin", old));
  // Files may grow to 16 bytes only: the write of 4000 stops part-way, as
  // on a full disk.
  rlimit saved{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = 16;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  const bool written = WriteFileAtomically(dir / "x.bin", Bytes(4000, 1));
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previousHandler);
  EXPECT_FALSE(written);
  EXPECT_EQ(Get("x.bin"), old);
  ExpectOnlyFile("x.bin");
}

TEST(FileFuzz, RandomBytesNeverGiveAnythingButAValidFilesValues) {
  std::mt19937 random(99);
  for (int round = 0; round < 20000; ++round) {
    Bytes bytes(random() % 40);
    for (auto& b : bytes) b = static_cast<std::uint8_t>(random() % 4 == 0 ? 0 : random());
    if (bytes.size() >= 4 && random() % 2) bytes[0] = 199, bytes[1] = bytes[2] = bytes[3] = 0;
    int flags[9] = {0, 1, 1, 1, 1, 1, 1, 0, 0};
    if (ParseOptionsFile(bytes, flags)) {
      EXPECT_EQ(bytes.size(), 36u);
      EXPECT_EQ(OptionsFileBytes(flags), bytes);
    }
    const int choice = DriverChoiceFromFile(bytes);
    EXPECT_TRUE(choice == 0 || choice == 1);
  }
}

TEST(ByteReaderTest, IntegersAndStringsAreCheckedAgainstTheEnd) {
  ByteWriter out;
  out.Int(-5);
  out.String("\xC5SA");
  out.Int(7);
  const Bytes bytes = out.Bytes();
  EXPECT_EQ(bytes, (Bytes{0xFB, 0xFF, 0xFF, 0xFF, 3, 0, 0, 0, 0xC5, 'S', 'A', 7, 0, 0, 0}));
  ByteReader in(bytes);
  std::int32_t a = 0, b = 0;
  std::string s;
  EXPECT_TRUE(in.Int(a));
  EXPECT_FALSE(in.String(s, 2));  // longer than allowed: nothing is taken
  EXPECT_TRUE(in.String(s, 15));
  EXPECT_TRUE(in.Int(b));
  EXPECT_TRUE(in.AtEnd());
  EXPECT_FALSE(in.Int(b));
  EXPECT_EQ(a, -5);
  EXPECT_EQ(s, "\xC5SA");
  EXPECT_EQ(b, 7);

  const Bytes lying{200, 0, 0, 0, 'A'};  // a length past the end
  ByteReader bad(lying);
  EXPECT_FALSE(bad.String(s, 1000));
  const Bytes negative{0xFF, 0xFF, 0xFF, 0xFF};
  ByteReader neg(negative);
  EXPECT_FALSE(neg.String(s, 1000));
}

}  // namespace
}  // namespace vv
