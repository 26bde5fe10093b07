// Texts kept in window properties as global memory blocks.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "crystal/text_blocks_win32.h"
#include "tests/crystal/bar_fixture_win32.h"

namespace {

using crystal::readTextProperty;
using crystal::storeTextProperty;

class TextBlocks : public crystal_test::BarTest {};

constexpr char key[] = "Crystal_Test_Text";

// The bytes of the block under `key`, all of them.
std::string blockBytes(HWND window) {
  HGLOBAL block = GetPropA(window, key);
  const auto* bytes = static_cast<const char*>(GlobalLock(block));
  std::string copy(bytes, GlobalSize(block));
  GlobalUnlock(block);
  return copy;
}

TEST_F(TextBlocks, EachStoreLeavesABlockOfExactlyTheTextAndAZero) {
  const std::string thirty(30, 'x');
  const struct {
    std::string text;
    std::string block;
  } steps[] = {
      {"", std::string(1, '\0')},
      {thirty, thirty + '\0'},
      {"程序升级", std::string("程序升级") + '\0'},  // 8 bytes in GBK
      {"0123456789", std::string("0123456789") + '\0'},
      {"", std::string(1, '\0')},
  };
  HGLOBAL first = nullptr;
  for (const auto& step : steps) {
    storeTextProperty(parent(), key, step.text);
    EXPECT_EQ(blockBytes(parent()), step.block) << step.text;
    EXPECT_EQ(readTextProperty(parent(), key), step.text);
    HGLOBAL block = GetPropA(parent(), key);
    if (!first) first = block;
    EXPECT_EQ(block, first) << "a movable block keeps its handle";
    void* bytes = GlobalLock(block);
    EXPECT_NE(bytes, static_cast<void*>(block)) << "movable, not fixed";
    GlobalUnlock(block);
  }
  crystal::freeTextProperty(parent(), key);
}

TEST_F(TextBlocks, NothingStoredReadsEmptyAndFreesNothing) {
  EXPECT_EQ(readTextProperty(parent(), key), "");
  SetPropA(parent(), "Crystal_Test_Other", reinterpret_cast<HANDLE>(7));
  crystal::freeTextProperty(parent(), key);
  EXPECT_EQ(GetPropA(parent(), key), nullptr);
  EXPECT_EQ(GetPropA(parent(), "Crystal_Test_Other"), reinterpret_cast<HANDLE>(7));
  RemovePropA(parent(), "Crystal_Test_Other");
}

TEST_F(TextBlocks, FreeRemovesTheProperty) {
  storeTextProperty(parent(), key, "abc");
  HGLOBAL block = GetPropA(parent(), key);
  crystal::freeTextProperty(parent(), key);
  EXPECT_EQ(GetPropA(parent(), key), nullptr);
  EXPECT_EQ(GlobalFlags(block), GMEM_INVALID_HANDLE);
  EXPECT_EQ(readTextProperty(parent(), key), "");
}

// A block that lost its 0 byte (resized, then never written) is read only as far as it reaches.
TEST_F(TextBlocks, ReadingStopsAtTheEndOfTheBlock) {
  storeTextProperty(parent(), key, "abcdef");
  HGLOBAL block = GlobalReAlloc(GetPropA(parent(), key), 3, GMEM_MOVEABLE);
  ASSERT_TRUE(block);
  SetPropA(parent(), key, block);
  EXPECT_EQ(readTextProperty(parent(), key), "abc");
  crystal::freeTextProperty(parent(), key);
}

}  // namespace
