#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "platform/WindowsPath.h"

namespace {

struct FullPathCase {
    const char* path;
    const char* fullPath;
};
// Quoted: a trailing backslash would upset ctest's list of test names.
std::ostream& operator<<(std::ostream& out, const FullPathCase& c) {
    return out << '\'' << c.path << '\'';
}

// What GetFullPathNameA answers (checked under Wine) with the working folder
// C:\windows\system32.
class FullPathFromTest : public testing::TestWithParam<FullPathCase> {};

TEST_P(FullPathFromTest, AnswersAsTheSystemsFullPathFunction) {
    EXPECT_EQ(platform::FullPathFrom(GetParam().path, "C:\\windows\\system32"),
              GetParam().fullPath);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FullPathFromTest,
    testing::Values(FullPathCase{"E:\\a\\..\\b\\.\\c", "E:\\b\\c"},
                    FullPathCase{"e:\\x\\y", "e:\\x\\y"}, FullPathCase{"E:\\a\\", "E:\\a\\"},
                    FullPathCase{"E:\\a\\.", "E:\\a"}, FullPathCase{"E:\\a\\..", "E:\\"},
                    FullPathCase{"E:\\a\\..\\", "E:\\"}, FullPathCase{"E:\\a\\.\\", "E:\\a\\"},
                    FullPathCase{"E:\\..\\..\\x", "E:\\x"}, FullPathCase{"E:\\a\\\\b", "E:\\a\\b"},
                    FullPathCase{"E:/a/b/", "E:\\a\\b\\"}, FullPathCase{"E:\\a.\\b ", "E:\\a\\b"},
                    FullPathCase{"E:\\a...", "E:\\a"}, FullPathCase{"E:\\", "E:\\"},
                    FullPathCase{"CD1", "C:\\windows\\system32\\CD1"},
                    FullPathCase{".", "C:\\windows\\system32"}, FullPathCase{"..", "C:\\windows"},
                    FullPathCase{"..\\..\\..\\..\\..", "C:\\"}, FullPathCase{"\\foo", "C:\\foo"},
                    FullPathCase{"E:", "E:\\"}, FullPathCase{"e:", "e:\\"},
                    FullPathCase{"E:foo", "E:\\foo"}, FullPathCase{"C:", "C:\\windows\\system32\\"},
                    FullPathCase{"C:foo", "C:\\windows\\system32\\foo"},
                    FullPathCase{"c:foo\\", "C:\\windows\\system32\\foo\\"},
                    FullPathCase{"\\\\server\\share\\..\\x", "\\\\server\\share\\x"},
                    FullPathCase{"\\\\server\\share\\a\\..\\..\\b", "\\\\server\\share\\b"},
                    FullPathCase{"\\\\server", "\\\\server"}, FullPathCase{"", ""}));

TEST(FullPathFrom, TakesRootedAndRelativePathsAgainstANetworkFolder) {
    EXPECT_EQ(platform::FullPathFrom("\\foo", "\\\\srv\\games\\bg"), "\\\\srv\\games\\foo");
    EXPECT_EQ(platform::FullPathFrom("..\\..\\x", "\\\\srv\\games\\bg"), "\\\\srv\\games\\x");
    EXPECT_EQ(platform::FullPathFrom("E:x", "\\\\srv\\games\\bg"), "E:\\x");
}

TEST(FullPathFrom, HasNothingToGoOnForARelativePathWithoutWorkingFolder) {
    EXPECT_EQ(platform::FullPathFrom("CD1", ""), "");
    EXPECT_EQ(platform::FullPathFrom("\\CD1", ""), "");
    EXPECT_EQ(platform::FullPathFrom("E:\\CD1", ""), "E:\\CD1");
}

TEST(SplitFullPath, GivesRootNamesAndTrailingSeparator) {
    const auto drive = platform::SplitFullPath("E:\\CD1\\Data\\");
    EXPECT_EQ(drive.root, "E:");
    EXPECT_EQ(drive.names, (std::vector<std::string>{"CD1", "Data"}));
    EXPECT_TRUE(drive.trailingSeparator);
    const auto share = platform::SplitFullPath("\\\\srv\\games\\bg");
    EXPECT_EQ(share.root, "\\\\srv\\games");
    EXPECT_EQ(share.names, (std::vector<std::string>{"bg"}));
    EXPECT_FALSE(share.trailingSeparator);
}

}  // namespace
