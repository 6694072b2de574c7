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
TEST(AutostartLoginItemTest, EntryRunsThisProgramWhileOn)
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
    qunsetenv("XDG_CONFIG_HOME");
}

} // namespace
} // namespace nimbrel
