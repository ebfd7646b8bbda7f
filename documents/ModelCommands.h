#pragma once
// The grid view's two model commands, without the window: "&Recoge como
// modelo" (read a crossword file as the model) and "&Guarda como modelo"
// (write the document as a crossword file). The view calls these and repaints;
// the file choice goes through the Host.
#include "documents/Kpoint.h"
#include "platform/Host.h"

#include <optional>
#include <string>

namespace bv {

struct ModelCommands {
    static constexpr int kRecogeId = 51682;
    static constexpr int kGuardaId = 51687;

    // Warns that a model read outside a rule file brings no route, and on Yes
    // lets the user choose the file and reads it. True when a file was read.
    static bool recogeComoModelo(Kpoint& document, Host& host, const Kpoint::LetterTest& isLetter);
    // Lets the user choose a name (none offered while the document is
    // untitled) and writes the document there. The name written, for the
    // frame's caption; nullopt when cancelled or not written.
    static std::optional<std::string> guardaComoModelo(Kpoint& document, Host& host);
};

}  // namespace bv
