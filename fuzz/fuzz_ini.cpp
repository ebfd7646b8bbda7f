// INI profiles: rule files (.skb), the settings file and the registry store all
// read through IniProfile. Any bytes must parse; the text a profile writes must
// parse to the same keys and values and write the same bytes; edits keep every
// other key.
#include "FuzzSupport.h"
#include "documents/RuleFile.h"
#include "platform/IniProfile.h"
#include "platform/RegistryStore.h"
#include "shell/Settings.h"

#include <map>

namespace {

using Snapshot = std::map<std::pair<std::string, std::string>, std::string>;

Snapshot snapshot(const bv::IniProfile& p) {
    Snapshot s;
    for (const std::string& section : p.sections())
        for (const std::string& key : p.keys(section)) {
            auto k = std::make_pair(section, key);
            if (!s.count(k)) s[k] = p.getString(section, key, "\x01missing");
        }
    return s;
}

// Names match without regard to ASCII case, as the profile matches them.
bool ieq(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto lower = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c + 32 : c; };
        if (lower(static_cast<unsigned char>(a[i])) != lower(static_cast<unsigned char>(b[i]))) return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 100000) return 0;
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    bv::IniProfile p;
    p.parse(bytes);
    const Snapshot before = snapshot(p);
    const std::string first = p.text();
    bv::IniProfile q;
    q.parse(first);
    if (q.text() != first) bvfuzz::fail("profile text does not reparse to itself", first, q.text());
    if (snapshot(q) != before) bvfuzz::fail("profile text reparsed to other values", first);

    // An edit of one key leaves every other key as it was.
    q.setString("Skabelon", "Model", "m.ktd");
    q.setInt("Opsat", "Gemmested", 12);
    Snapshot after = snapshot(q);
    if (q.getString("Skabelon", "Model", "") != "m.ktd" || q.getInt("Opsat", "Gemmested", 0) != 12)
        bvfuzz::fail("edited value not read back", q.text());
    for (const auto& [k, v] : before) {
        const bool edited = (ieq(k.first, "Skabelon") && ieq(k.second, "Model")) ||
                            (ieq(k.first, "Opsat") && ieq(k.second, "Gemmested"));
        if (edited) continue;
        auto it = after.find(k);
        if (it == after.end() || it->second != v) bvfuzz::fail("edit lost another key", first, q.text());
    }

    // The three readers over the same bytes as a file.
    const std::string path = bvfuzz::writeScratch("in.ini", data, size);
    bv::RuleFile rule(path);
    (void)rule.model();
    (void)rule.trie();
    (void)rule.vej();
    (void)rule.parametre();
    (void)rule.sprog();
    (void)rule.destDir("dflt");
    bv::Settings settings(path);
    (void)settings.get(bv::Settings::kGemmested, "");
    bvfuzz::QuietHost host;
    bv::RegistryStore registry(path);
    (void)bv::readRegistryDefault(registry, bv::kRegDictionary, host);
    (void)registry.hasSubkeys(bv::RegistryRoot::ClassesRoot, "w5.Application");
    return 0;
}
