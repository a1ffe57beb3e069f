#include "shell/startup_data.h"

#include "channels/channel_text.h"
#include "channels/gbk_scan.h"
#include "runtime/os.h"

namespace {

constexpr std::uint32_t kIniBufferBytes = 10240;

// A backslash can be the trail byte of a GBK character (such as in "乗"), so only one that
// starts a character separates folders.
std::size_t LastSeparator(std::string_view path) {
    std::size_t last = std::string_view::npos;
    for (std::size_t at = 0; at < path.size(); at += gbk::CharLength(path, at))
        if (path[at] == '\\' || path[at] == '/') last = at;
    return last;
}

std::string SettingsPath() { return RunDirectory() + "\\load.ini"; }

}  // namespace

std::string RunDirectoryOf(std::string_view modulePath) {
    const std::size_t separator = LastSeparator(modulePath);
    if (separator == std::string_view::npos) return {};
    return std::string(modulePath.substr(0, separator));
}

std::string RunDirectory() { return RunDirectoryOf(os::ModulePath()); }

void MakeRunDirectoryCurrent() {
    std::string folder = RunDirectory();
    // "D:" alone names the drive's own current folder, not its root.
    if (folder.ends_with(':')) folder += '\\';
    (void)os::SetCurrentDirectory(folder);
}

void LoadDefaultList() {
    std::string text = os::ReadWholeFile(RunDirectory() + "\\默认频道.txt").value_or(std::string());
    // The text ends at the first zero byte, as a C string read from the file would.
    if (const std::size_t zero = text.find('\0'); zero != std::string::npos) text.resize(zero);
    ParseChannelListText(text);
}

void LoadSettings(ui::TextBox& passwordBox, ui::TextBox& frequencyBox) {
    passwordBox.SetText(os::ReadIniValue(SettingsPath(), "load", "密码", kIniBufferBytes));
    frequencyBox.SetText(os::ReadIniValue(SettingsPath(), "load", "频率", kIniBufferBytes));
}
