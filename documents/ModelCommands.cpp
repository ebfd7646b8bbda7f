#include "documents/ModelCommands.h"

namespace bv {

bool ModelCommands::recogeComoModelo(Kpoint& document, Host& host, const Kpoint::LetterTest& isLetter) {
    if (!host.askYesNo("Desea leer un crucigrama por fuera de la regla de juego, y recoger o construir Ud. mismo un "
                       "orden de la ruta.",
                       "No pasan crucigramas y rutas", Icon::Error))
        return false;
    auto name = host.chooseFile("Recoge como modelo", Kpoint::kFilter, false);
    if (!name || name->empty()) return false;
    return document.readCrosswordFile(*name, host, isLetter);
}

std::optional<std::string> ModelCommands::guardaComoModelo(Kpoint& document, Host& host) {
    if (document.untitled()) document.setModelFileName("");
    auto name = host.chooseFile("Guarda como modelo", Kpoint::kFilter, true);
    if (!name || name->empty()) return std::nullopt;
    if (!document.writeCrosswordFile(*name, host)) return std::nullopt;
    return *name;
}

}  // namespace bv
