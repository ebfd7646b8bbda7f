#include "engine/FuzzyParametre.h"

#include "EngineTestSupport.h"
#include "platform/ScriptedHost.h"
#include "platform/TextFile.h"

#include <gtest/gtest.h>

using bv::FuzzyParametre;
using bv::OpTransport;
using bvtest::TempDir;

namespace {

std::string values(const FuzzyParametre& p) {
    return std::to_string(p.procentBrug) + " " + std::to_string(p.samlMax) + " " + std::to_string(p.blandtMax) +
           " " + std::to_string(p.AGrclille) + " " + std::to_string(p.AGtidlille) + " " +
           std::to_string(p.AGstortit) + " " + std::to_string(p.AGantalrcstor);
}

FuzzyParametre withValues(int a, int b, int c, int d, int e, int f, int g) {
    FuzzyParametre p;
    p.procentBrug = a;
    p.samlMax = b;
    p.blandtMax = c;
    p.AGrclille = d;
    p.AGtidlille = e;
    p.AGstortit = f;
    p.AGantalrcstor = g;
    return p;
}

}  // namespace

TEST(FuzzyParametre, Defaults) {
    EXPECT_EQ(values(FuzzyParametre{}), "5 60 999 0 0 0 0");
}

TEST(FuzzyParametre, WriteIsByteExact) {
    const FuzzyParametre p = withValues(7, 1000, 100000, 3, 1, 2, 20);
    EXPECT_EQ(p.parameterText(),
              "4\t// Versions nummer\r\n7\t// procent brug\r\n1000\t// saml max \r\n100000\t// blandt max\r\n"
              "3\t// AGrclille\r\n1\t// AGtidlille\r\n2\t// AGstortit\r\n20\t// AGantalrcstor\r\n");
    TempDir dir;
    ASSERT_TRUE(p.writeParameters(dir.file("p.par")));
    std::string bytes;
    ASSERT_TRUE(bv::TextFile::read(dir.file("p.par"), bytes));
    EXPECT_EQ(bytes, p.parameterText());
    EXPECT_FALSE(p.writeParameters("/nonexistent/dir/p.par"));
}

TEST(FuzzyParametre, RoundTripKeepsValuesTheDialogCannotEnter) {
    TempDir dir;
    const FuzzyParametre written = withValues(100, 1000, 54321, 1000, 999, 7, -3);
    ASSERT_TRUE(written.writeParameters(dir.file("p.par")));
    bv::ScriptedHost host;
    FuzzyParametre read;
    read.readParameters(dir.file("p.par"), host);
    EXPECT_EQ(values(read), values(written));
    EXPECT_TRUE(host.messages.empty());
}

TEST(FuzzyParametre, ReadAcceptsVersionsOneToFive) {
    struct Case {
        const char* file;
        bool accepted;
        const char* caption;  // of the version message
    };
    const Case cases[] = {
        {"5\t// Versions nummer\n1\n20\n30\n4\n5\n6\n7\n", true, ""},
        {"1\n1\n20\n30\n4\n5\n6\n7\n", true, ""},
        {"6\t// Versions nummer\r\n1\r\n20\r\n30\r\n4\r\n5\r\n6\r\n7\r\n", false, "6\t// Versions nummer\n"},
        {"0\n1\n20\n30\n4\n5\n6\n7\n", false, "0\n"},
        {"version 4\n1\n20\n30\n4\n5\n6\n7\n", false, "version 4\n"},
        {"7", false, "7"},
        {"", false, ""},
    };
    TempDir dir;
    for (const Case& c : cases) {
        ASSERT_TRUE(bv::TextFile::writeAtomic(dir.file("p.par"), c.file));
        bv::ScriptedHost host;
        FuzzyParametre p;
        p.readParameters(dir.file("p.par"), host);
        if (c.accepted) {
            EXPECT_EQ(values(p), "1 20 30 4 5 6 7") << c.file;
            EXPECT_TRUE(host.messages.empty());
        } else {
            EXPECT_EQ(values(p), "5 60 999 0 0 0 0") << c.file;
            ASSERT_EQ(host.messages.size(), 1u);
            EXPECT_EQ(host.messages[0].text, "Número de versión desconocida");
            EXPECT_EQ(host.messages[0].caption, c.caption);
        }
    }
}

TEST(FuzzyParametre, ReadKeepsValuesForLinesWithoutNumbersAndMissingLines) {
    struct Case {
        const char* file;
        const char* expected;
    };
    const Case cases[] = {
        // A line without an integer leaves its parameter as it was; comments are free text.
        {"4\n9 % of words\nnone\n  77 tries\n-\n2\n3\n4\n", "9 60 77 0 2 3 4"},
        // A short file leaves the missing parameters as they were.
        {"4\n9\n20\n", "9 20 999 0 0 0 0"},
        {"4\n", "5 60 999 0 0 0 0"},
    };
    TempDir dir;
    for (const Case& c : cases) {
        ASSERT_TRUE(bv::TextFile::writeAtomic(dir.file("p.par"), c.file));
        bv::ScriptedHost host;
        FuzzyParametre p;
        p.readParameters(dir.file("p.par"), host);
        EXPECT_EQ(values(p), c.expected) << c.file;
        EXPECT_TRUE(host.messages.empty());
    }
}

TEST(FuzzyParametre, UnreadableFileIsReportedWithItsName) {
    bv::ScriptedHost host;
    FuzzyParametre p = withValues(1, 20, 30, 4, 5, 6, 7);
    p.readParameters("/nonexistent/dir/Default.par", host);
    EXPECT_EQ(values(p), "1 20 30 4 5 6 7");
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "Fracasada el probar abrir el archivo");
    EXPECT_EQ(host.messages[0].caption, "/nonexistent/dir/Default.par");
}

TEST(FuzzyParametre, SetFromTextsChecksRangesInOrder) {
    struct Case {
        OpTransport texts;
        const char* message;  // "" when all values are valid
        const char* after;    // values after the check, starting from 1 20 30 4 5 6 7
    };
    const Case cases[] = {
        {{"100", "1000", "100000", "1000", "1", "1", "1"}, "", "100 1000 100000 1000 1 1 1"},
        {{"1", "10", "10", "1", "1", "1", "1"}, "", "1 10 10 1 1 1 1"},
        // The conversion skips blanks, stops at the first non-digit, and gives 0 without digits.
        {{" 12abc", "+50", "999", "3", "2", "2", "20"}, "", "12 50 999 3 2 2 20"},
        {{"0", "99", "99", "9", "9", "9", "9"}, "El valor de El por ciento que se utiliza debe ser entre 1 y 100",
         "0 20 30 4 5 6 7"},
        {{"", "99", "99", "9", "9", "9", "9"}, "El valor de El por ciento que se utiliza debe ser entre 1 y 100",
         "0 20 30 4 5 6 7"},
        {{"50", "1001", "99", "9", "9", "9", "9"}, "El valor de Cantidad que se guarda debe ser entre 10 y 1000",
         "50 1001 30 4 5 6 7"},
        // blandtMax accepts up to 100000 but the message names 1000000.
        {{"50", "99", "5", "9", "9", "9", "9"},
         "El valor de Cantidad que se buscan nuevamente debe ser entre 10 y 1000000", "50 99 5 4 5 6 7"},
        {{"50", "99", "100001", "9", "9", "9", "9"},
         "El valor de Cantidad que se buscan nuevamente debe ser entre 10 y 1000000", "50 99 100001 4 5 6 7"},
        {{"50", "99", "99", "0", "9", "9", "9"}, "El valor de El pequeño retorno debe ser entre 1 y 1000",
         "50 99 99 0 5 6 7"},
        {{"50", "99", "99", "9", "-1", "9", "9"},
         "El valor de El tiempo entre el pequeño retorno debe ser entre 1 y 1000", "50 99 99 9 -1 6 7"},
        {{"50", "99", "99", "9", "9", "abc", "9"},
         "El valor de La cantidad de pequeños retornos antes del gran retorno debe ser entre 1 y 1000",
         "50 99 99 9 9 0 7"},
        {{"50", "99", "99", "9", "9", "9", "1001"}, "El valor de El gran retorno debe ser entre 1 y 1000",
         "50 99 99 9 9 9 1001"},
    };
    for (const Case& c : cases) {
        bv::ScriptedHost host;
        FuzzyParametre p = withValues(1, 20, 30, 4, 5, 6, 7);
        const bool ok = p.setFromTexts(c.texts, host);
        EXPECT_EQ(ok, std::string(c.message).empty()) << c.message;
        EXPECT_EQ(values(p), c.after) << c.message;
        if (ok) {
            EXPECT_TRUE(host.messages.empty());
        } else {
            ASSERT_EQ(host.messages.size(), 1u);
            EXPECT_EQ(host.messages[0].text, c.message);
            EXPECT_EQ(host.messages[0].caption, "Ha sido dado un valor erróneo");
            EXPECT_EQ(host.messages[0].icon, bv::Icon::Error);
        }
    }
}

TEST(FuzzyParametre, TransferRecordOfDefaultsFailsAtTheSmallReturn) {
    // Before any parameter file is read the return parameters are 0, so checking
    // a record made from the current values (cancel, or "Guarde los Parámetros")
    // stops at the small return.
    bv::ScriptedHost host;
    FuzzyParametre p;
    const OpTransport t = p.makeTransport();
    EXPECT_EQ(t.procentBrug, "5");
    EXPECT_EQ(t.blandtMax, "999");
    EXPECT_EQ(t.AGantalrcstor, "0");
    EXPECT_FALSE(p.setFromTexts(t, host));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "El valor de El pequeño retorno debe ser entre 1 y 1000");
    EXPECT_EQ(values(p), "5 60 999 0 0 0 0");
}

TEST(FuzzyParametre, TransferRecordHoldsValuesAboveTheDialogLimit) {
    const OpTransport t = withValues(100, 1000, 100000, 1000, 1000, 1000, 1000).makeTransport();
    EXPECT_EQ(t.samlMax, "1000");
    EXPECT_EQ(t.blandtMax, "100000");
    bv::ScriptedHost host;
    FuzzyParametre back;
    EXPECT_TRUE(back.setFromTexts(t, host));
    EXPECT_EQ(values(back), "100 1000 100000 1000 1000 1000 1000");
}
