#pragma once
// BasicBatch: turns the crossword document into basic crossword files.
//
// One step (makeBasic, makeBasicKeeping) makes a work grid from the document,
// fills it with the generator and, when it is full, writes it as a basic
// crossword file "x%d_%3.3d.%3.3d" (width, running number, height) into the
// current directory. The two generation commands repeat the step in the save
// directory until the user stops them ("Generar sin respeto a la señal" with
// makeBasic, "Generar con respeto a la señal" with makeBasicKeeping).
//
// A BasicBatch borrows everything: the fill world (dictionary, route, parameters,
// random source, clock, run state), the counters it updates, the batch state
// (target, name counter, last path) and the Host that shows its messages. The
// document is borrowed per call through ModelGrid. Every work grid lives only
// for one step.
//
// Results of a step: those of the generator (1 saved, 0 or -1..-200 a failed
// attempt, below -200 the user interrupted), plus kNotSaved when the grid was
// filled but its file could not be written: that crossword is not counted and
// the document is left as it was, and the loops treat it like an interruption
// (they ask whether to go on) instead of retrying into a directory that does not
// take files. A basic crossword file is written under a temporary name and
// renamed into place, so it never exists half-written, and an existing file is
// never overwritten. Nothing throws.
#include "engine/BatchState.h"
#include "engine/FillWorld.h"
#include "engine/ModelGrid.h"
#include "engine/RunCounters.h"
#include "engine/Simpelarr.h"
#include "platform/Host.h"

#include <functional>
#include <string>
#include <string_view>

namespace bv {

class BasicBatch {
public:
    // The grid was filled but its file could not be written (below -200).
    static constexpr int kNotSaved = -30000;
    // More files than this in the save directory bring the warning.
    static constexpr int kFileWarningLimit = 600;

    static constexpr std::string_view kNoRouteText =
        "Busca o haz una ruta pasaje a través del crucigrama antes de que autogeneres";
    static constexpr std::string_view kNoRouteCaption = "De nuevo";
    static constexpr std::string_view kRunStatusText =
        "Construye crucigramas - Interrumpe con la tecla esc - Se destruye con teclas 1-9";
    static constexpr std::string_view kContinueText =
        "Interrumpida la generación del crucigrama. Quiere Ud. continuar?.";
    static constexpr std::string_view kContinueCaption = "Quiere Ud. hacer más?.";
    static constexpr std::string_view kWriteFailedCaption = "Nombre del archivo vencido";
    static constexpr std::string_view kTooManyFilesText =
        "Ud. ha colocado más de 600 crucigramas básicos en el directorio donde se colocan los "
        "crucigramas básicos\nCambie el directorio o borre alguno de los crucigramas básicos ";
    static constexpr std::string_view kTooManyFilesCaption = "Advertencia";

    BasicBatch(const FillWorld& world, RunCounters& counters, BatchState& state, Host& host);
    BasicBatch(const BasicBatch&) = delete;
    BasicBatch& operator=(const BasicBatch&) = delete;

    // One attempt with seed letters; document letters are ignored. On success the
    // file is saved and the letters are copied into the document.
    int makeBasic(ModelGrid& doc);
    // One attempt that keeps the document's letters, without seed letters. On
    // success the file is saved; the document is not changed.
    int makeBasicKeeping(const ModelGrid& doc);

    // The next name "x%d_%3.3d.%3.3d" that no file or directory in the current
    // directory has; the name counter moves past every name it tries.
    std::string nextBasicName(const ModelGrid& doc);
    // "x%d_%3.3d.%3.3d" with width, number and height.
    static std::string basicName(int width, int number, int height);
    // The bytes of a basic crossword file: "width\theight" and one line per row,
    // each line ended by CRLF.
    static std::string gridText(const Simpelarr& grid);
    // Writes the basic crossword file `name` (in the current directory). When it
    // cannot be created, reports the name with caption "Nombre del archivo
    // vencido" and answers false; nothing is left behind.
    bool writeGrid(const Simpelarr& grid, const std::string& name);
    // Number of entries of the current directory that are not directories, plus one.
    static int countFiles();

    // The two generation commands: "Generar sin respeto a la señal"
    // (keepLetters false) and "Generar con respeto a la señal" (true). Each
    // crossword is saved in `saveDir`, which is the current directory during the
    // run; the previous current directory is restored afterwards. The run ends
    // when the user answers No to the interruption question, or, with the simple
    // menu on, once savedCount reaches targetCount.
    void runGeneration(ModelGrid& doc, const std::string& saveDir, bool keepLetters);

    // Lowers the process's scheduling priority to the idle level (the run loops do
    // it first; tests and tools may switch that off).
    void lowerPriority();
    void setPriorityLowering(bool on) { lowerPriority_ = on; }
    // Called after every saved crossword with its full path (progress display,
    // printing, the hand-off to the designer).
    std::function<void(const std::string&)> onSaved;
    // Asked after every attempt; false ends the run there (tools that stop after
    // a number of attempts). Unset: the run goes on.
    std::function<bool()> keepGoing;

    // Saves a filled grid as the next basic crossword file of the current
    // directory (lastBasicPath, savedCount, the warning at more than 600 files).
    // False, after the "Nombre del archivo vencido" report, when no file could be
    // written. The forced-word steps save through it as well.
    bool save(const ModelGrid& doc, const Simpelarr& grid);

private:
    int attempt(const ModelGrid& doc, bool keepLetters, Simpelarr& grid);
    // False (after the message) when the model is larger than a work grid can be.
    bool acceptsSize(const ModelGrid& doc);
    bool askContinue();

    FillWorld world_;
    RunCounters& counters_;
    BatchState& state_;
    Host& host_;
    bool lowerPriority_ = true;
};

}  // namespace bv
