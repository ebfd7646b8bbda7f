#pragma once
// Settings: the program's settings file W5E.ini, section "Opsat", and the
// installer's registry values that stand in for keys the file lacks.
//
// The file holds the directories the installer chose (Gemmested, Dictionary,
// ModelOgVej, Parametre, Skabelon) and the recent-files list. The program only
// writes Gemmested (from "&Lugar donde se guarda") and the recent files. Where
// the file lives: $BRISVANE_SETTINGS when set, else W5E.ini in the directory
// the program started in (the program's ".\W5E.ini", anchored to the start so
// that later changes of the current directory do not move it).
//
// readRegistryDefault reports a missing key or value through the Host with the
// program's diagnostic texts and answers the empty text; nothing throws.
#include "platform/Host.h"
#include "platform/IniProfile.h"
#include "platform/RegistryStore.h"

#include <string>
#include <string_view>

namespace bv {

// Classes-root keys the installer writes.
inline constexpr std::string_view kRegGemmested = "w5.Application\\Gemmested";
inline constexpr std::string_view kRegDictionary = "w5.Application\\Dictionary";
inline constexpr std::string_view kRegModelOgVej = "w5.Application\\ModelOgVej";
inline constexpr std::string_view kRegSkabelon = "w5.Application\\Skabelon";
inline constexpr std::string_view kRegCDRom = "w5.Application\\CDRom";

// The first value of HKEY_CLASSES_ROOT\subkey as text; empty when there is
// none (reported: "Error to open registry code 2" / "DisplayKeyData()" for a
// missing key, "Error from EnumVal code 259 data  in line 126" for a key
// without a value).
std::string readRegistryDefault(const RegistryStore& registry, std::string_view subkey, Host& host);

class Settings {
public:
    static constexpr std::string_view kSection = "Opsat";
    static constexpr std::string_view kFileName = "W5E.ini";
    static constexpr const char* kEnvVar = "BRISVANE_SETTINGS";

    static constexpr std::string_view kGemmested = "Gemmested";
    static constexpr std::string_view kDictionary = "Dictionary";
    static constexpr std::string_view kModelOgVej = "ModelOgVej";
    static constexpr std::string_view kParametre = "Parametre";
    static constexpr std::string_view kSkabelon = "Skabelon";

    // $BRISVANE_SETTINGS, else startDir/W5E.ini.
    static std::string defaultPath(const std::string& startDir);

    Settings() = default;
    // Opens (reads) the settings file; a missing file has no keys.
    explicit Settings(std::string path);

    const std::string& path() const { return profile_.path(); }
    bool has(std::string_view key) const { return profile_.hasKey(kSection, key); }
    std::string get(std::string_view key, std::string_view dflt) const {
        return profile_.getString(kSection, key, dflt);
    }
    // The settings value of `key`; when the file lacks the key, the installer's
    // registry value at `subkey` (read, with its reports, only then).
    std::string getOr(std::string_view key, std::string_view subkey, const RegistryStore& registry,
                      Host& host) const;
    // Writes `key` and flushes the file; false with the reason on failure.
    bool set(std::string_view key, std::string_view value, std::string* error = nullptr);

    // The whole profile (the recent-files list lives in it too).
    IniProfile& profile() { return profile_; }
    const IniProfile& profile() const { return profile_; }

private:
    IniProfile profile_;
};

}  // namespace bv
