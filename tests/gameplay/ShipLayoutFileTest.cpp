#include "gameplay/ship/ShipLayoutFile.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
const std::string Canonical = "ship\n3\n2\n1W0 10I F00 \n100 100 100 \n";
}

TEST(ShipLayoutFileTest, AnySpacingReadsTheSameGridAndWritesTheCanonicalText)
{
  const std::string spellings[] = {
      Canonical,
      "ship\r\n3\r\n2\r\n1W0 10I F00 \r\n100 100 100 \r\n",
      "  ship 3\t2 1W0 10I F00 100 100 100",
      "ship\n3\n2\n1W0xyz 10I F00\n100 100 100\n",  // characters past the third do not count
  };
  for (const std::string& text : spellings)
  {
    ShipLayout layout;
    ASSERT_EQ(ShipLayoutFile::Parse(text, layout), "") << text;
    ASSERT_EQ(layout.width, 3);
    ASSERT_EQ(layout.height, 2);
    EXPECT_EQ(layout.At(0, 1).floor, '1');
    EXPECT_EQ(layout.At(0, 1).side, 'W');
    EXPECT_EQ(layout.At(1, 1).bottom, 'I');
    EXPECT_EQ(layout.At(2, 1).floor, 'F');
    EXPECT_EQ(layout.At(2, 0).floor, '1') << "the last row of the file is y = 0";
    EXPECT_EQ(ShipLayoutFile::Format(layout), Canonical);
  }

  ShipLayout shortWords;
  ASSERT_EQ(ShipLayoutFile::Parse("ship 2 1 1 FW", shortWords), "");
  EXPECT_EQ(shortWords.At(0, 0), (ShipTile{'1', '0', '0', 0})) << "missing codes count as none";
  EXPECT_EQ(shortWords.At(1, 0), (ShipTile{'F', 'W', '0', 0}));
}

TEST(ShipLayoutFileTest, MalformedTextIsRefusedAndLeavesTheLayoutAlone)
{
  const std::string malformed[] = {
      "",
      "Ship 3 2 1W0 10I F00 100 100 100",
      "ship 3",
      "ship 3 2 1W0 10I F00 100 100",            // one tile short
      "ship 3 2 1W0 10I F00 100 100 100 100",    // one tile too many
      "ship -3 2 1W0 10I F00 100 100 100",
      "ship 0 0",
      "ship 99999999999 2",
      "ship 2000 2000",
      "ship 3x 2 1W0 10I F00 100 100 100",
      std::string("ship 1 1 \x01\x02\x03", 12),
      std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16),
  };
  for (const std::string& text : malformed)
  {
    ShipLayout layout;
    ASSERT_EQ(ShipLayoutFile::Parse(Canonical, layout), "");
    EXPECT_NE(ShipLayoutFile::Parse(text, layout), "") << text;
    EXPECT_EQ(ShipLayoutFile::Format(layout), Canonical) << "a refused text changes nothing";
  }
}
