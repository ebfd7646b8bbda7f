#pragma once
// TvangDialogRecord: the transfer record of the dialog "Generar con palabras
// obligatorias" and the effects of its buttons.
//
// The dialog window (desktop program) only shows and edits this plain record;
// what its buttons do lives here, so that it is the same for every front end:
// openTvangDialog fills the record when the dialog opens, acceptTvangDialog is
// OK, browseTvangDialog is "Explorar", helpTvangDialog is "Ayuda"; "Cancelar"
// simply drops the record. Words are Windows-1252 bytes (the window converts);
// the path is a file-system path as typed or chosen. Messages go through the
// Host; nothing throws.
#include "engine/TvangSettings.h"
#include "platform/Host.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace bv {

struct TvangDialogRecord {
    // Room of the dialog's fields, as the window limits them.
    static constexpr std::size_t kWordsMax = 1999;
    static constexpr std::size_t kCountMax = 19;
    static constexpr std::size_t kPathMax = 511;

    static constexpr std::string_view kTitle = "Generar con palabras obligatorias";
    static constexpr std::string_view kWordsLabel = "Palabras obligatorias en el crucigrama:";
    static constexpr std::string_view kUseWordFileLabel = "Usar minima";
    static constexpr std::string_view kCountLabel = "palabras en el archivo:";
    static constexpr std::string_view kWriteFailedText =
        "Kunne ikke finde/åbne filen Tvang.txt\nDin opsætning er IKKE ændret";
    static constexpr std::string_view kWriteFailedCaption = "FEJL";
    static constexpr std::string_view kHelpText = "Denne hjælpefunktion er endnu ikke implementeret";
    static constexpr std::string_view kHelpCaption = "Endnu ikke implementeret";
    static constexpr std::string_view kBrowseCaption = "Explorar";

    // The multi-line field "Palabras obligatorias en el crucigrama:"; lines are
    // separated by CR LF as the field holds them (a bare LF is accepted too).
    std::string words;
    // The check box "Usar minima".
    bool useWordFile = true;
    // The number field "palabras en el archivo:", as text.
    std::string wordFileCount;
    // The path field below it.
    std::string wordFilePath;
};

// The record as the dialog opens: the words of `tvangPath` (one per line, as
// reading "tvang.txt" prepares them; none when the file cannot be read) and the
// three settings.
TvangDialogRecord openTvangDialog(const TvangSettings& settings, const std::string& tvangPath);

// OK: writes `tvangPath` from the words field (its lines joined by CR LF, then
// one line end; the field cut to its room), then stores the check box, the number
// (decimal, as the C library's conversion reads it: leading digits, 0 when there
// are none) and the path into `settings`. When the file cannot be written, reports
// "Kunne ikke finde/åbne filen Tvang.txt\nDin opsætning er IKKE ændret" / "FEJL"
// and leaves the settings as they were. The dialog closes with OK either way;
// the answer says whether the settings were taken.
bool acceptTvangDialog(const TvangDialogRecord& record, TvangSettings& settings, const std::string& tvangPath,
                       Host& host);

// "Explorar": an open-file dialog without a filter; a chosen path goes into the
// path field (cut to its room). False when the user cancels.
bool browseTvangDialog(TvangDialogRecord& record, Host& host);

// "Ayuda": there is no help text yet.
void helpTvangDialog(Host& host);

// The number field's conversion: optional blanks, an optional sign, then the
// leading digits; 0 without digits; held to the range of int.
int tvangCountValue(std::string_view text);

}  // namespace bv
