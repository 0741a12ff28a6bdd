#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <ostream>
#include <string>

#include "platform/posix/DriveProbe.h"
#include "platform/posix/MountTable.h"

namespace fs = std::filesystem;
using platform::DriveKind;
using platform::MountEntry;

namespace {

constexpr const char* kMountInfo =
    "27 1 254:0 / / rw,relatime shared:1 - ext4 /dev/vda rw\n"
    "25 23 0:23 / /dev/shm rw,relatime - tmpfs tmpfs rw\n"
    "30 25 0:27 / /dev/shm rw,relatime - tmpfs shm rw\n"
    "40 27 8:17 / /media/ann/MY\\040DISK rw shared:7 master:3 - vfat /dev/sdb1 rw\n"
    "41 27 0:52 / /mnt/share rw - cifs //Server/Games rw\n"
    "this line is not a mount\n"
    "42 27 0:53 / /mnt/devx rw - nfs4 fileserver:/export rw\n";

TEST(MountTable, ParsesFieldsPastOptionalTagsAndUndoesEscapes) {
    const auto mounts = platform::ParseMountInfo(kMountInfo);
    ASSERT_EQ(mounts.size(), 6u);
    EXPECT_EQ(mounts[3].device, "8:17");
    EXPECT_EQ(mounts[3].mountPoint, "/media/ann/MY DISK");
    EXPECT_EQ(mounts[3].fsType, "vfat");
    EXPECT_EQ(mounts[3].source, "/dev/sdb1");
    EXPECT_EQ(mounts[4].source, "//Server/Games");
}

struct Holding {
    const char* path;
    const char* source;  // of the mount expected to hold it
};
std::ostream& operator<<(std::ostream& out, const Holding& c) {
    return out << '\'' << c.path << '\'';
}

class MountHoldingTest : public testing::TestWithParam<Holding> {};

TEST_P(MountHoldingTest, IsTheDeepestMountPointTheTopmostOfEqualOnes) {
    const auto mount =
        platform::MountHolding(platform::ParseMountInfo(kMountInfo), GetParam().path);
    ASSERT_TRUE(mount.has_value());
    EXPECT_EQ(mount->source, GetParam().source);
}

INSTANTIATE_TEST_SUITE_P(Cases, MountHoldingTest,
                         testing::Values(Holding{"/", "/dev/vda"}, Holding{"/home/ann", "/dev/vda"},
                                         Holding{"/dev/shm", "shm"}, Holding{"/dev/shm/x/y", "shm"},
                                         Holding{"/dev/shmx", "/dev/vda"},
                                         Holding{"/media/ann/MY DISK/CD1", "/dev/sdb1"},
                                         Holding{"/mnt/devx", "fileserver:/export"}));

// A stand-in for /sys: whole disks 8:0 (removable) and 8:32 (fixed), and the
// first's partition 8:17, laid out as the kernel links them.
class FakeSysfs : public testing::Test {
protected:
    void SetUp() override {
        root_ = fs::temp_directory_path() / ("platform-sys-" + std::to_string(getpid()));
        const fs::path devices = root_ / "devices";
        fs::create_directories(devices / "sdb/sdb1");
        fs::create_directories(devices / "sdc");
        fs::create_directories(root_ / "dev/block");
        std::ofstream(devices / "sdb/removable") << "1\n";
        std::ofstream(devices / "sdb/sdb1/partition") << "1\n";
        std::ofstream(devices / "sdc/removable") << "0\n";
        fs::create_symlink("../../devices/sdb", root_ / "dev/block/8:16");
        fs::create_symlink("../../devices/sdb/sdb1", root_ / "dev/block/8:17");
        fs::create_symlink("../../devices/sdc", root_ / "dev/block/8:32");
    }
    void TearDown() override { fs::remove_all(root_); }
    std::string Root() const { return root_.string(); }

private:
    fs::path root_;
};

struct KindCase {
    const char* fsType;
    const char* device;
    DriveKind kind;
};
std::ostream& operator<<(std::ostream& out, const KindCase& c) {
    return out << c.fsType << " on " << c.device;
}

class KindOfMountTest : public FakeSysfs, public testing::WithParamInterface<KindCase> {};

TEST_P(KindOfMountTest, FollowsTheFileSystemAndTheDevice) {
    const MountEntry mount{GetParam().device, "/mnt", GetParam().fsType, "src"};
    EXPECT_EQ(platform::KindOfMount(mount, Root()), GetParam().kind);
}

INSTANTIATE_TEST_SUITE_P(Cases, KindOfMountTest,
                         testing::Values(KindCase{"iso9660", "11:0", DriveKind::Cd},
                                         KindCase{"udf", "11:0", DriveKind::Cd},
                                         KindCase{"nfs", "0:50", DriveKind::Network},
                                         KindCase{"nfs4", "0:50", DriveKind::Network},
                                         KindCase{"cifs", "0:50", DriveKind::Network},
                                         KindCase{"smb3", "0:50", DriveKind::Network},
                                         KindCase{"fuse.sshfs", "0:50", DriveKind::Network},
                                         KindCase{"tmpfs", "0:23", DriveKind::RamDisk},
                                         KindCase{"ramfs", "0:24", DriveKind::RamDisk},
                                         KindCase{"vfat", "8:17", DriveKind::Removable},
                                         KindCase{"vfat", "8:16", DriveKind::Removable},
                                         KindCase{"ext4", "8:32", DriveKind::Fixed},
                                         KindCase{"ext4", "254:0", DriveKind::Fixed},
                                         KindCase{"fuse.other", "0:51", DriveKind::Fixed}));

TEST(NetworkName, ShowsSharesAsWindowsDoes) {
    EXPECT_EQ(platform::NetworkName({"0:1", "/mnt", "cifs", "//Server/Games"}),
              "\\\\Server\\Games");
    EXPECT_EQ(platform::NetworkName({"0:1", "/mnt", "nfs4", "fileserver:/export"}),
              "fileserver:/export");
}

// A drive folder and a stand-in for /dev/disk/by-label naming its device.
class VolumeLabelTest : public testing::Test {
protected:
    void SetUp() override {
        root_ = fs::temp_directory_path() / ("platform-label-" + std::to_string(getpid()));
        fs::create_directories(root_ / "drive");
        fs::create_directories(root_ / "by-label");
        std::ofstream(root_ / "sdb1");
        std::ofstream(root_ / "sdc1");
        fs::create_symlink("../sdb1", root_ / "by-label/MY\\x20GAMES");
        mount_ = {"8:17", "/mnt", "vfat", (root_ / "sdb1").string()};
    }
    void TearDown() override { fs::remove_all(root_); }
    std::optional<std::string> Label() const {
        return platform::VolumeLabel((root_ / "drive").string(), mount_,
                                     (root_ / "by-label").string());
    }

    fs::path root_;
    MountEntry mount_;
};

TEST_F(VolumeLabelTest, ComesFromTheDevicesLabelLink) {
    EXPECT_EQ(Label(), "MY GAMES");
}

TEST_F(VolumeLabelTest, WinesLabelFileComesFirst) {
    std::ofstream(root_ / "drive/.windows-label") << "BGCD  \r\n";
    EXPECT_EQ(Label(), "BGCD");
}

TEST_F(VolumeLabelTest, AnEmptyLabelFileIsAnEmptyLabel) {
    std::ofstream(root_ / "drive/.windows-label").flush();
    EXPECT_EQ(Label(), "");
}

TEST_F(VolumeLabelTest, IsNothingForADeviceWithoutLabel) {
    mount_.source = (root_ / "sdc1").string();
    EXPECT_EQ(Label(), std::nullopt);
    mount_.source = "tmpfs";
    EXPECT_EQ(Label(), std::nullopt);
}

}  // namespace
