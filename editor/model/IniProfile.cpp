#include "editor/model/IniProfile.h"

#include "common/FileIo.h"
#include "common/Paths.h"
#include "common/IniFile.h"

#include <system_error>

namespace qv {
namespace {

// A profile holds two short values; anything larger is not ours.
constexpr std::size_t maxProfileBytes = std::size_t{1} << 20;

} // namespace

std::filesystem::path IniProfile::defaultLocation() {
    return productConfigFolder() / "Setwright.INI";
}

std::string IniProfile::read(const std::string& section, const std::string& key) {
    std::string bytes;
    if (!readWholeFile(file_, bytes, maxProfileBytes)) {
        return {};
    }
    IniFile ini;
    ini.parse(bytes);
    return ini.value(section, key);
}

bool IniProfile::write(const std::string& section, const std::string& key,
                       const std::string& value) {
    IniFile ini;
    std::string bytes;
    if (readWholeFile(file_, bytes, maxProfileBytes)) {
        ini.parse(bytes);
    }
    ini.setValue(section, key, value);
    std::error_code error;
    std::filesystem::create_directories(file_.parent_path(), error);
    return writeFileAtomically(file_, ini.text());
}

} // namespace qv
