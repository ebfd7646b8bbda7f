#include "shell/RuleFileLoader.h"

#include "TempDir.h"
#include "engine/Generator.h"
#include "platform/ScriptedHost.h"

#include <gtest/gtest.h>

namespace bv {
namespace {

using test::TempDir;

// One installed world in a temporary directory: data directories, registry,
// settings, and the data files a rule file names.
class RuleFileLoaderTest : public ::testing::Test {
protected:
    void SetUp() override {
        models = t.mkdir("inst/models");
        dics = t.mkdir("inst/dic");
        routes = t.mkdir("inst/routes");
        out = t.mkdir("out");
        start = t.mkdir("start");
        reg = std::make_unique<RegistryStore>(t / "registry.ini");
        setReg("w5.Application\\Skabelon", models);
        setReg("w5.Application\\Dictionary", dics);
        setReg("w5.Application\\ModelOgVej", routes);
        setReg("w5.Application\\Gemmested", out);
        // The defaults a rule file without keys names, where the installer put them.
        writeModel(models + "/PuslFlad.ktd", 7, 5);
        t.write("inst/dic/dksort.dic", "SOL\r\nMAR\r\n");
        writeRoute(routes + "/Puslflad.vej", 3);
        writeParams(routes + "/Default.par", 42);
    }

    void setReg(const std::string& key, const std::string& value) {
        reg->setValue(RegistryRoot::ClassesRoot, key, "", value);
    }
    void writeModel(const std::string& path, int w, int h) {
        Kpoint d(w, h);
        d.setClue(1, 1, "pista");
        ScriptedHost h2;
        ASSERT_TRUE(d.writeCrosswordFile(path, h2));
    }
    void writeRoute(const std::string& path, int stops) {
        Route r;
        for (int i = 0; i < stops; ++i) {
            Vejstop s;
            s.x = 1;
            s.y = i + 1;
            s.len = 3;
            r.append(s);
        }
        Vejstop end;
        end.x = -1;
        r.append(end);
        ASSERT_TRUE(r.writeRoute(path));
    }
    void writeParams(const std::string& path, int procentBrug) {
        FuzzyParametre p;
        p.procentBrug = procentBrug;
        ASSERT_TRUE(p.writeParameters(path));
    }
    std::unique_ptr<AppState> makeApp(const std::string& settingsText = "[Opsat]\r\n") {
        t.write("W5E.ini", settingsText);
        reg.reset();  // the application reads the registry file itself
        auto app = std::make_unique<AppState>(host, AppState::Paths{start, t / "W5E.ini", t / "registry.ini"});
        reg = std::make_unique<RegistryStore>(t / "registry.ini");
        host.clear();
        return app;
    }

    TempDir t;
    std::string models, dics, routes, out, start;
    std::unique_ptr<RegistryStore> reg;
    ScriptedHost host;
};

TEST_F(RuleFileLoaderTest, LoadsEverythingTheRuleFileNames) {
    writeModel(t / "m.ktd", 4, 6);
    t.write("es.txt", "casa\r\nperro\r\n");
    writeRoute(t / "r.vej", 2);
    writeParams(t / "p.par", 17);
    std::string skb = t.write("a.skb", "[Skabelon]\r\nModel=" + (t / "m.ktd") + "\r\nTrie=" + (t / "es.txt") +
                                           "\r\nVej=" + (t / "r.vej") + "\r\nParametre=" + (t / "p.par") +
                                           "\r\nDestDir=" + out + "\r\nSprog=9\r\n");
    auto app = makeApp();
    ASSERT_TRUE(loadRuleFile(*app, host, skb));
    EXPECT_TRUE(host.reports().empty());
    EXPECT_EQ(app->ruleFileName, skb);
    EXPECT_EQ(app->document.width(), 4);
    EXPECT_EQ(app->document.height(), 6);
    EXPECT_TRUE(app->document.isClue(1, 1));
    EXPECT_EQ(app->document.modelFileName(), t / "m.ktd");
    EXPECT_EQ(app->languageCode(), 9);
    EXPECT_TRUE(app->dictionary->hasWord("PERRO"));
    EXPECT_EQ(app->dictionary->wordCount(), 2);
    EXPECT_EQ(app->dictionaryFileName, t / "es.txt");
    EXPECT_EQ(app->route.stopCount(), 2u);
    EXPECT_EQ(app->routeFileName, t / "r.vej");
    EXPECT_EQ(app->params.procentBrug, 17);
    EXPECT_EQ(app->parameterFileName, t / "p.par");
    EXPECT_EQ(app->dirs.destination, out);
    EXPECT_EQ(app->loadCount, 1);
}

TEST_F(RuleFileLoaderTest, RuleFileWithoutKeysUsesTheDefaultsFromTheInstalledDirectories) {
    std::string skb = t.write("empty.skb", "[Skabelon]\r\n");
    auto app = makeApp("[Opsat]\r\nGemmested=" + (t / "fromsettings") + "\r\n");
    ASSERT_TRUE(loadRuleFile(*app, host, skb));
    EXPECT_TRUE(host.reports().empty());
    EXPECT_EQ(app->document.modelFileName(), models + "/PuslFlad.ktd");
    EXPECT_EQ(app->document.width(), 7);
    EXPECT_EQ(app->languageCode(), 9);
    EXPECT_EQ(app->dictionaryFileName, dics + "/dksort.dic");
    EXPECT_EQ(app->routeFileName, routes + "/Puslflad.vej");
    EXPECT_EQ(app->parameterFileName, routes + "/Default.par");
    EXPECT_EQ(app->params.procentBrug, 42);
    EXPECT_EQ(app->dirs.destination, t / "fromsettings");  // the settings' Gemmested, not made absolute
}

TEST_F(RuleFileLoaderTest, SettingsDirectoryOverridesTheRegistryForFallbacks) {
    std::string other = t.mkdir("other");
    writeRoute(other + "/Puslflad.vej", 5);
    std::string skb = t.write("empty.skb", "[Skabelon]\r\n");
    auto app = makeApp("[Opsat]\r\nModelOgVej=" + other + "\r\n");
    ASSERT_TRUE(loadRuleFile(*app, host, skb));
    EXPECT_EQ(app->routeFileName, other + "/Puslflad.vej");
    EXPECT_EQ(app->route.stopCount(), 5u);
    EXPECT_EQ(app->parameterFileName, routes + "/Default.par");  // Parametre key missing: registry dir
}

TEST_F(RuleFileLoaderTest, DictionaryIsReloadedOnlyWhenItsNameDiffers) {
    t.write("d.txt", "uno\r\ndos\r\n");
    t.write("D.txt", "tres\r\n");
    std::string a = t.write("a.skb", "[Skabelon]\r\nTrie=" + (t / "d.txt") + "\r\n");
    std::string b = t.write("b.skb", "[Skabelon]\r\nTrie=" + (t / "D.txt") + "\r\n");
    auto app = makeApp();
    ASSERT_TRUE(loadRuleFile(*app, host, a));
    EXPECT_EQ(host.statusTexts.front(), "Registra el diccionario  - Espera por favor");
    app->dictionary->addWord("CUATRO");
    host.clear();
    ASSERT_TRUE(loadRuleFile(*app, host, a));
    EXPECT_TRUE(app->dictionary->hasWord("CUATRO"));  // untouched
    EXPECT_TRUE(host.statusTexts.empty());             // no wait notice
    ASSERT_TRUE(loadRuleFile(*app, host, b));          // differs only in letter case
    EXPECT_FALSE(app->dictionary->hasWord("CUATRO"));
    EXPECT_TRUE(app->dictionary->hasWord("TRES"));
    EXPECT_EQ(app->dictionary->wordCount(), 1);
}

TEST_F(RuleFileLoaderTest, MissingInstallationStopsTheLoadAfterModelAndLanguage) {
    reg->removeKey(RegistryRoot::ClassesRoot, "w5.Application\\Dictionary");
    writeModel(t / "m.ktd", 3, 3);
    std::string skb = t.write("a.skb", "[Skabelon]\r\nModel=" + (t / "m.ktd") +
                                           "\r\nTrie=nowhere.dic\r\nSprog=2\r\nDestDir=/x\r\n");
    auto app = makeApp();
    app->routeFileName = "before.vej";
    app->dirs.destination = "/before";
    app->params.procentBrug = 77;
    EXPECT_FALSE(loadRuleFile(*app, host, skb));
    EXPECT_EQ(app->document.width(), 3);
    EXPECT_EQ(app->languageCode(), 2);
    ASSERT_EQ(host.reports().size(), 2u);
    EXPECT_EQ(host.reports()[0].text, "Error to open registry code 2");
    EXPECT_EQ(host.reports()[1].text, kInstallErrorText);
    EXPECT_EQ(host.reports()[1].caption, "Error");
    EXPECT_EQ(host.reports()[1].icon, Icon::Error);
    EXPECT_EQ(app->routeFileName, "before.vej");
    EXPECT_EQ(app->dirs.destination, "/before");
    EXPECT_EQ(app->params.procentBrug, 77);
    EXPECT_EQ(app->loadCount, 0);
}

TEST_F(RuleFileLoaderTest, BackslashNamesAndNamesBesideTheRuleFile) {
    t.mkdir("set/sub");
    writeModel(t / "set/sub/m.ktd", 2, 2);
    writeRoute(t / "set/r.vej", 4);
    std::string skb = t.write("set/a.skb", "[Skabelon]\r\nModel=sub\\m.ktd\r\nVej=" + (t / "set") + "\\r.vej\r\n");
    auto app = makeApp();
    ASSERT_TRUE(loadRuleFile(*app, host, skb));
    EXPECT_EQ(app->document.width(), 2);
    EXPECT_EQ(app->document.modelFileName(), t / "set/sub/m.ktd");
    EXPECT_EQ(app->route.stopCount(), 4u);
}

TEST_F(RuleFileLoaderTest, RuleFileNamedWithoutDirectoryIsFoundInTheStartDirectory) {
    writeModel(t / "start/g.ktd", 6, 2);
    t.write("start/model1.skb", "[Skabelon]\r\nModel=" + (t / "start/g.ktd") + "\r\n");
    auto app = makeApp();
    ASSERT_TRUE(loadRuleFile(*app, host, std::string("model1.skb")));
    EXPECT_EQ(app->document.width(), 6);
    EXPECT_EQ(app->ruleFileName, "model1.skb");
}

TEST_F(RuleFileLoaderTest, FirstLoadStaysOutOfTheRecentFilesTheSecondGoesIn) {
    std::string a = t.write("a.skb", "[Skabelon]\r\n");
    std::string b = t.write("b.skb", "[Skabelon]\r\n");
    auto app = makeApp();
    ASSERT_TRUE(loadRuleFile(*app, host, a));
    EXPECT_TRUE(app->recentFiles.names().empty());
    ASSERT_TRUE(loadRuleFile(*app, host, b));
    EXPECT_EQ(app->recentFiles.names(), std::vector<std::string>{b});
    ASSERT_TRUE(loadRuleFile(*app, host));  // reload the current one
    EXPECT_EQ(app->loadCount, 3);
    EXPECT_EQ(app->ruleFileName, b);
}

TEST_F(RuleFileLoaderTest, SaveWritesTheCurrentNamesAndALaterLoadSeesThem) {
    std::string skb = t.write("a.skb", "[Skabelon]\r\n[Foreign]\r\nk=v\r\n");
    auto app = makeApp();
    ASSERT_TRUE(loadRuleFile(*app, host, skb));
    app->language.setLanguage(3, host);
    app->dirs.destination = "/new/out";
    ASSERT_TRUE(saveRuleFile(*app, host));
    std::string text = t.read("a.skb");
    EXPECT_NE(text.find("Sprog=3\r\n"), std::string::npos);
    EXPECT_NE(text.find("k=v"), std::string::npos);
    EXPECT_NE(text.find("Model=" + models + "/PuslFlad.ktd"), std::string::npos);
    ASSERT_TRUE(loadRuleFile(*app, host, skb));
    EXPECT_EQ(app->languageCode(), 3);
    EXPECT_EQ(app->dirs.destination, "/new/out");
}

TEST_F(RuleFileLoaderTest, OpenThenCancelLeavesNoNameAndSaveAsksForOne) {
    std::string skb = t.write("a.skb", "[Skabelon]\r\n");
    auto app = makeApp();
    host.inputs = {skb};
    EXPECT_EQ(openRuleFile(*app, host), skb);
    EXPECT_EQ(app->ruleFileName, skb);
    EXPECT_EQ(app->loadCount, 1);
    host.inputs = {std::nullopt};
    EXPECT_EQ(openRuleFile(*app, host), std::nullopt);
    EXPECT_EQ(app->ruleFileName, "");
    EXPECT_EQ(app->loadCount, 1);
    host.clear();
    host.inputs = {std::nullopt};
    EXPECT_FALSE(saveRuleFile(*app, host));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].kind, "file");
}

TEST_F(RuleFileLoaderTest, SaveWithoutANameAsksForOne) {
    auto app = makeApp();
    host.inputs.push_back(std::nullopt);  // cancelled
    EXPECT_FALSE(saveRuleFile(*app, host));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].kind, "file");
    host.inputs.push_back(t / "nuevo");
    EXPECT_TRUE(saveRuleFile(*app, host));
    EXPECT_EQ(app->ruleFileName, t / "nuevo.skb");
    EXPECT_NE(t.read("nuevo.skb").find("Sprog=0"), std::string::npos);

    app->ruleFileName = t / "no/such/dir.skb";
    EXPECT_FALSE(saveRuleFile(*app, host));
    EXPECT_EQ(host.reports().back().text, "No se puede abrir " + (t / "no/such/dir.skb"));
}

TEST_F(RuleFileLoaderTest, LocateDataFile) {
    struct Case {
        std::string name;
        std::string expected;
    } cases[] = {
        {"x.ktd", models + "/x.ktd"},
        {"sub\\x.ktd", models + "/sub/x.ktd"},
        {"C:\\Old\\x.ktd", models + "/x.ktd"},
        {"/old/place/x.ktd", models + "/x.ktd"},
        {"\\\\server\\share\\x.ktd", models + "/x.ktd"},
    };
    for (const auto& c : cases) {
        std::string n = c.name;
        ScriptedHost h;
        locateDataFile(n, models, *reg, h);
        EXPECT_EQ(n, c.expected) << c.name;
        EXPECT_TRUE(h.messages.empty()) << c.name;
    }
    std::string n = "C:";
    ScriptedHost h;
    locateDataFile(n, models, *reg, h);
    EXPECT_EQ(n, "C:");
    ASSERT_EQ(h.reports().size(), 1u);
    EXPECT_EQ(h.reports()[0].text, "No puede encontrar el archivo en esta biblioteca.");
    EXPECT_EQ(h.reports()[0].caption, "C:");
}

TEST_F(RuleFileLoaderTest, LocateDataFileInAnEmptyDirectory) {
    std::string empty = t.mkdir("media/cdrom/data");
    {
        ScriptedHost h;  // not on the CD: the installation message, whatever the answer
        std::string n = "x.ktd";
        locateDataFile(n, empty, *reg, h);
        EXPECT_EQ(n, "x.ktd");
        ASSERT_EQ(h.messages.size(), 2u);  // the missing CDRom key, then the message
        EXPECT_EQ(h.messages[1].kind, "okcancel");
        EXPECT_EQ(h.messages[1].text, kInstallErrorText);
        EXPECT_EQ(h.messages[1].caption, "Error");
    }
    setReg("w5.Application\\CDRom", t / "media/cdrom");
    {
        ScriptedHost h;  // on the CD: asked to insert it until cancelled
        h.answers = {true, true, false};
        std::string n = "x.ktd";
        locateDataFile(n, empty, *reg, h);
        EXPECT_EQ(n, "x.ktd");
        ASSERT_EQ(h.messages.size(), 3u);
        for (const auto& m : h.messages) {
            EXPECT_EQ(m.text, "Coloca el crucigrama en el CD-ROM en el disco de ordenador");
            EXPECT_EQ(m.caption, "Echa de menos información");
        }
    }
    {
        ScriptedHost h;  // a host that always says OK does not spin for ever
        std::string n = "x.ktd";
        locateDataFile(n, empty, *reg, h);
        EXPECT_EQ(n, "x.ktd");
        EXPECT_GT(h.messages.size(), 1u);
    }
}

TEST_F(RuleFileLoaderTest, DestinationCommand) {
    auto app = makeApp();
    std::string before = app->dirs.destination;
    EXPECT_FALSE(app->setDestinationDirectory("E"));
    EXPECT_EQ(app->dirs.destination, before);
    host.inputs.push_back(std::string("/srv/crucis"));
    EXPECT_TRUE(app->askDestinationDirectory());
    EXPECT_EQ(host.messages.back().kind, "input");
    EXPECT_EQ(host.messages.back().caption, "Adonde");
    EXPECT_EQ(app->dirs.destination, "/srv/crucis");
    EXPECT_EQ(Settings(t / "W5E.ini").get("Gemmested", "?"), "/srv/crucis");
    host.inputs.push_back(std::nullopt);
    EXPECT_FALSE(app->askDestinationDirectory());
    EXPECT_EQ(app->dirs.destination, "/srv/crucis");
}

// The loaded state is what the generator works with.
TEST_F(RuleFileLoaderTest, LoadedStateFillsTheModel) {
    writeModel(t / "m.ktd", 3, 2);  // a clue cell at (1, 1)
    t.write("w.txt", "ab\r\nac\r\nbd\r\nxcd\r\n");
    std::string skb = t.write("a.skb", "[Skabelon]\r\nModel=" + (t / "m.ktd") + "\r\nTrie=" + (t / "w.txt") +
                                           "\r\nSprog=10\r\n");
    auto app = makeApp();
    ASSERT_TRUE(loadRuleFile(*app, host, skb));
    app->random.seed(5);
    const Kpoint& doc = app->document;
    Simpelarr grid(doc.width(), doc.height(), &host);
    for (int x = 1; x <= doc.width(); ++x)
        for (int y = 1; y <= doc.height(); ++y)
            if (doc.isClue(x, y)) grid.put(BLOCK, x - 1, y - 1);
    Simpelarr routeGrid(grid);
    ASSERT_TRUE(app->route.autoRoute(routeGrid));
    ASSERT_TRUE(app->route.optimiseRoute(grid));
    Generator gen(app->fillWorld());
    ASSERT_EQ(gen.runFill(grid, false), 1);
        // The only fill: AB over XCD, with AC and BD down.
    EXPECT_EQ(grid.row(0), "#AB");
    EXPECT_EQ(grid.row(1), "XCD");
}

TEST_F(RuleFileLoaderTest, StartUpState) {
    auto app = makeApp("[Opsat]\r\nDictionary=dic\r\n");
    t.mkdir("start/dic");
    EXPECT_EQ(app->dirs.start, start);
    EXPECT_EQ(app->dirs.destination, out);
    EXPECT_EQ(app->dirs.route, routes);
    EXPECT_EQ(app->dirs.dictionary, start);  // start/dic did not exist yet at start-up
    EXPECT_EQ(app->dictionary->wordCount(), 0);
    EXPECT_TRUE(app->route.empty());
    EXPECT_TRUE(app->document.untitled());
    EXPECT_EQ(app->document.width(), 10);
    EXPECT_TRUE(app->simpleMenu);
    EXPECT_FALSE(app->editMode);
    EXPECT_EQ(app->counters.targetCount, 1000);
    EXPECT_EQ(app->loadCount, 0);
    auto again = makeApp("[Opsat]\r\nDictionary=dic\r\n");
    EXPECT_EQ(again->dirs.dictionary, start + "/dic");
}

}  // namespace
}  // namespace bv
