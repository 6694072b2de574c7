#include "platform/qt/autostart_login_item.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace nimbrel {
namespace {

namespace fs = std::filesystem;

// On, the entry in $XDG_CONFIG_HOME/autostart runs this very program, its path quoted and escaped
// where it must be, and satisfies desktop-file-validate, also over a file that hid itself (which
// was off, and which turning off left alone); off, it is gone. A write that fails says so once.
TEST(AutostartLoginItemTest, EntryRunsThisProgramWhileOnAndASystemWideOneCountsUntilTheUsersOwnHidesIt)
{
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    const fs::path entry = config.path().toStdString() + "/autostart/nimbrel.desktop";
    for (const auto &[program, exec, hidden] : {std::tuple{"/usr/bin/nimbrel", "/usr/bin/nimbrel", false},
             {"/opt/my apps/nimbrel", R"("/opt/my apps/nimbrel")", false},
             {R"(/opt/50%$\nimbrel)", R"("/opt/50%%\\$\\\\nimbrel")", true}}) {
        AutostartLoginItem item(QString::fromUtf8(program));
        if (hidden)
            std::ofstream(entry) << "[Desktop Entry]\nType=Application\nName=Mine\nExec=mine\nHidden = true\n";
        EXPECT_TRUE(item.setEnabled(false) && fs::exists(entry) == hidden && !item.isEnabled());
        ASSERT_TRUE(item.setEnabled(true) && item.isEnabled());
        EXPECT_EQ((std::stringstream() << std::ifstream(entry).rdbuf()).str(),
                  "[Desktop Entry]\nType=Application\nName=Nimbrel\nExec=" + std::string(exec)
                      + "\nIcon=nimbrel\nX-GNOME-Autostart-enabled=true\n");
        EXPECT_EQ(std::system(("! desktop-file-validate '" + entry.string() + "' 2>&1 | grep ^").c_str()), 0);
        EXPECT_TRUE(item.setEnabled(false) && !fs::exists(entry) && !item.isEnabled());
    }
    fs::remove(entry.parent_path());
    std::ofstream(entry.parent_path()) << "a file where the folder goes";
    testing::internal::CaptureStderr();
    EXPECT_FALSE(AutostartLoginItem(QStringLiteral("/usr/bin/nimbrel")).setEnabled(true));
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_TRUE(said.starts_with("nimbrel: ") && said.find('\n') == said.size() - 1) << said;

    // A package may install an entry for every user: without a file of the user's own it is what
    // counts, and turning it off writes an entry that hides it, as desktops do.
    qputenv("XDG_CONFIG_HOME", (config.path() + "/home").toUtf8());
    qputenv("XDG_CONFIG_DIRS", (config.path() + "/none:" + config.path() + "/system").toUtf8());
    const fs::path system = config.path().toStdString() + "/system/autostart/nimbrel.desktop";
    const fs::path usersEntry = config.path().toStdString() + "/home/autostart/nimbrel.desktop";
    fs::create_directories(system.parent_path());
    for (const bool systemHidden : {false, true}) {
        std::ofstream(system) << "[Desktop Entry]\nType=Application\nName=Nimbrel\nExec=nimbrel\n"
                              << (systemHidden ? "Hidden=true\n" : "");
        fs::remove(usersEntry);
        AutostartLoginItem item(QStringLiteral("/usr/bin/nimbrel"));
        EXPECT_EQ(item.isEnabled(), !systemHidden);
        EXPECT_TRUE(item.setEnabled(false) && !item.isEnabled());
        EXPECT_EQ(fs::exists(usersEntry), !systemHidden) << "a user's entry is written only to hide the system's";
        EXPECT_TRUE(item.setEnabled(true) && item.isEnabled());
    }
    qunsetenv("XDG_CONFIG_DIRS");
    qunsetenv("XDG_CONFIG_HOME");
}

} // namespace
} // namespace nimbrel
