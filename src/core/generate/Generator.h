#pragma once

#include <string>
#include <vector>

#include "universe/FlagEncoder.h"

namespace tarnholt {

class Questions;
class Universe;
class World;

/// One problem found while writing the area files.
struct Warning {
    std::string type;
    std::string identifier;
    std::string text;

    bool operator==(const Warning&) const = default;
};

/// What one run of Generate Code did.
struct GenerateResult {
    /// Every area file was written.
    bool written = false;
    /// Some vnum was assigned or changed (even when the run stopped later): the document holds
    /// numbers that are not saved yet and must be marked modified.
    bool vnumsChanged = false;
    /// The message that stopped the run (also shown through Questions), "" when none.
    std::string message;
    /// The paths written, in the order written.
    std::vector<std::string> files;
    /// The warnings, in the order raised (also when the run stopped midway).
    std::vector<Warning> warnings;

    /// Written without a warning: the run's result 1.
    bool succeeded() const { return written && warnings.empty(); }
};

/// The state of one run of Generate Code: the World and Universe it writes, the warning list
/// and the flag encoder's words. Registers itself in the Universe for its lifetime, so that
/// record writers reach the warnings and the encoder through the Universe they are given.
///
/// Use: `Generator(universe, world).generate(folder, questions)`. The run checks the zone number
/// and that the document was saved once, gives vnums to the items, mobs and rooms that have none,
/// then writes "<zone>.obj", the component lists "<vnum>.txt", "<zone>.mob", "<zone>.wld" and
/// "<zone>.zon" into `outDir` (CR LF line ends, each file written aside and renamed into place).
/// The records are made in parts on one thread per processor; files and warnings still come out in
/// the order above, and a run that stops leaves what a run made in that order would.
/// Refusals and a file that cannot be written stop the run with a message through `questions`,
/// which is only ever called on the thread that called `generate`.
class Generator {
public:
    Generator(Universe& universe, World& world);
    ~Generator();
    Generator(const Generator&) = delete;
    Generator& operator=(const Generator&) = delete;

    /// Runs Generate Code once; `outDir` "" means the current directory.
    GenerateResult generate(const std::string& outDir, Questions& questions);

    void addWarning(const std::string& type, const std::string& identifier, const std::string& text);
    const std::vector<Warning>& warnings() const { return warnings_; }
    /// The flag encoder of the thread that asks (each thread of a run has its own).
    FlagEncoder& encoder();

private:
    bool assignAllVnums(Questions& questions, GenerateResult& result);
    bool writeAreaFiles(const std::string& outDir, Questions& questions, GenerateResult& result);

    Universe& universe_;
    World& world_;
    Generator* previous_; // the generator registered before this one, put back at the end
    std::vector<Warning> warnings_;
    FlagEncoder encoder_;
};

} // namespace tarnholt
