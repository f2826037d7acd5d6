#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

namespace tarnholt {

class Questions;

/// Reads an area file one line at a time, each line without its line end (LF or CR LF).
class LineReader {
public:
    /// `data` must outlive the reader.
    explicit LineReader(std::string_view data) : data_(data) {}

    /// The next line into `line`; false (and `line` emptied) at the end of the data.
    bool readLine(std::string& line);
    /// The same as a view into the data.
    bool readLine(std::string_view& line);
    bool atEnd() const { return pos_ >= data_.size(); }
    /// Where the line read last starts in the data (its end, when the last read found none left).
    std::size_t lastLineStart() const { return last_; }
    /// Goes on reading at `position` (at most the end of the data).
    void seek(std::size_t position) { pos_ = std::min(position, data_.size()); }

private:
    std::string_view data_;
    std::size_t pos_ = 0;
    std::size_t last_ = 0;
};

/// Cuts one trailing CR LF from a text of at least 3 characters, then turns every CR LF into LF.
std::string normalizeText(std::string_view text);
/// The same, appended to `out`.
void appendNormalizedText(std::string& out, std::string_view text);

/// The readers' Yes/No question: `format` with %d replaced by `number` and %s by `line`.
/// True for Yes.
bool askContinue(Questions& questions, std::string_view format, int number, const std::string& line);

/// Reads a tilde-ended text: lines, each without its trailing white space, up to and including the
/// first one that ends with "~", joined with "\n" without that "~" (a "~" alone on the last line adds
/// no line). Files of other tools end texts on the last text line ("...here.~") as well as on a line
/// of their own. False when the data ends first.
bool readTildeText(LineReader& in, std::string& text);
/// Appends the lines up to a line that is "~" alone, each without its trailing white space, joined
/// with "\n" (the "~" line adds nothing). False when the data ends first.
bool readTextToTildeLine(LineReader& in, std::string& text);

/// `text` without its trailing white space (blanks, tabs, CR, LF, VT, FF).
std::string trimRight(std::string_view text);
/// The same as a view into `text`.
std::string_view trimRightView(std::string_view text);
/// The same, cutting `text` itself.
void trimRightInPlace(std::string& text);
/// "#<vnum> <name>": the Identifier of an imported record.
std::string importedIdentifier(int32_t vnum, std::string_view name);

/// `text` with every "~" removed.
std::string removeTildes(std::string_view text);
/// The same, in place.
void eraseTildes(std::string& text);

} // namespace tarnholt
