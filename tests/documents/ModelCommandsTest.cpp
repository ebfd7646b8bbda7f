#include "documents/ModelCommands.h"

#include "platform/ScriptedHost.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

namespace bv {
namespace {

bool anyLetter(unsigned char b) { return b >= 'A' && b <= 'Z'; }

TEST(ModelCommands, RecogeAsksFirstAndReadsOnYes) {
    std::string path = (std::filesystem::temp_directory_path() / ("bv-mc-" + std::to_string(::getpid()) + ".ktd")).string();
    ScriptedHost host;
    Kpoint source(3, 2);
    source.setLetter(1, 1, 'Q');
    ASSERT_TRUE(source.writeCrosswordFile(path, host));

    Kpoint d;
    host.answers = {false};
    EXPECT_FALSE(ModelCommands::recogeComoModelo(d, host, anyLetter));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].kind, "yesno");
    EXPECT_EQ(host.messages[0].caption, "No pasan crucigramas y rutas");
    EXPECT_EQ(d.width(), 10);

    host.answers = {true};
    host.inputs = {path};
    EXPECT_TRUE(ModelCommands::recogeComoModelo(d, host, anyLetter));
    EXPECT_EQ(d.width(), 3);
    EXPECT_EQ(d.letterOf(1, 1), 'Q');

    Kpoint fresh;
    fresh.setModelFileName("old.ktd");
    host.inputs = {std::nullopt};
    EXPECT_EQ(ModelCommands::guardaComoModelo(fresh, host), std::nullopt);
    EXPECT_EQ(fresh.modelFileName(), "");  // untitled: no name offered
    host.inputs = {path};
    EXPECT_EQ(ModelCommands::guardaComoModelo(fresh, host), path);
    EXPECT_FALSE(fresh.untitled());
    std::filesystem::remove(path);
}

}  // namespace
}  // namespace bv
