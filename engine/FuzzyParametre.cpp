#include "engine/FuzzyParametre.h"

#include "engine/NumberText.h"
#include "platform/Cp1252.h"
#include "platform/TextFile.h"

#include <cstdio>
#include <string_view>

namespace bv {

namespace {

struct Range {
    std::int32_t FuzzyParametre::*field;
    std::string OpTransport::*text;
    const char* description;  // as the range message names it
    std::int32_t low;
    std::int32_t high;
    std::int32_t shownHigh;  // the bound the message shows (blandtMax's message names 1000000)
};

constexpr Range kRanges[] = {
    {&FuzzyParametre::procentBrug, &OpTransport::procentBrug, "El por ciento que se utiliza", 1, 100, 100},
    {&FuzzyParametre::samlMax, &OpTransport::samlMax, "Cantidad que se guarda", 10, 1000, 1000},
    {&FuzzyParametre::blandtMax, &OpTransport::blandtMax, "Cantidad que se buscan nuevamente", 10, 100000,
     1000000},
    {&FuzzyParametre::AGrclille, &OpTransport::AGrclille, "El pequeño retorno", 1, 1000, 1000},
    {&FuzzyParametre::AGtidlille, &OpTransport::AGtidlille, "El tiempo entre el pequeño retorno", 1, 1000, 1000},
    {&FuzzyParametre::AGstortit, &OpTransport::AGstortit,
     "La cantidad de pequeños retornos antes del gran retorno", 1, 1000, 1000},
    {&FuzzyParametre::AGantalrcstor, &OpTransport::AGantalrcstor, "El gran retorno", 1, 1000, 1000},
};

// File names reach messages as they are when they are UTF-8 already.
std::string nameForMessage(const std::string& path) {
    return Cp1252::isValidUtf8(path) ? path : Cp1252::toUtf8(path);
}

}  // namespace

void FuzzyParametre::readParameters(const std::string& path, Host& host) {
    std::string bytes;
    if (!TextFile::read(path, bytes)) {
        host.report("Fracasada el probar abrir el archivo", nameForMessage(path), Icon::Error);
        return;
    }
    const std::vector<std::string> lines = TextFile::splitLines(bytes);
    const std::string firstLine = lines.empty() ? std::string() : lines[0];
    const std::int32_t version = numtext::toInt(firstLine);
    if (version < 1 || version > 5) {
        // The caption is the line as read, with its line end when it had one.
        const bool ended = bytes.find('\n') != std::string::npos;
        host.report("Número de versión desconocida", Cp1252::toUtf8(ended ? firstLine + "\n" : firstLine),
                    Icon::Error);
        return;
    }
    // Every version from 1 to 5 has the same layout: seven value lines.
    for (std::size_t i = 0; i < std::size(kRanges); ++i) {
        if (i + 1 >= lines.size()) break;  // a short file leaves the rest as it was
        std::size_t pos = 0;
        std::int32_t v = 0;
        if (numtext::scanInt(lines[i + 1], pos, v)) this->*kRanges[i].field = v;
    }
}

std::string FuzzyParametre::parameterText() const {
    static constexpr const char* kComments[] = {"// Versions nummer", "// procent brug", "// saml max ",
                                                "// blandt max",      "// AGrclille",    "// AGtidlille",
                                                "// AGstortit",       "// AGantalrcstor"};
    const std::int32_t values[] = {kFileVersion, procentBrug, samlMax,   blandtMax,
                                   AGrclille,    AGtidlille,  AGstortit, AGantalrcstor};
    std::string out;
    char line[64];
    for (std::size_t i = 0; i < std::size(values); ++i) {
        std::snprintf(line, sizeof line, "%d\t%s", values[i], kComments[i]);
        out += line;
        out += kLineEnd;
    }
    return out;
}

bool FuzzyParametre::writeParameters(const std::string& path) const {
    return TextFile::writeAtomic(path, parameterText());
}

bool FuzzyParametre::setFromTexts(const OpTransport& texts, Host& host) {
    for (const Range& r : kRanges) {
        const std::int32_t v = numtext::toInt(texts.*r.text);
        this->*r.field = v;
        if (v < r.low || v > r.high) {
            char msg[200];
            std::snprintf(msg, sizeof msg, "El valor de %s debe ser entre %d y %d", r.description, r.low,
                          r.shownHigh);
            host.report(msg, "Ha sido dado un valor erróneo", Icon::Error);
            return false;
        }
    }
    return true;
}

OpTransport FuzzyParametre::makeTransport() const {
    OpTransport t;
    for (const Range& r : kRanges) t.*r.text = std::to_string(this->*r.field);
    return t;
}

}  // namespace bv
