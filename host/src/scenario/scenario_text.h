// The lexical layer of scenario files: lines, words, quoted texts, numbers.
// Errors are thrown as ScenarioError and turned into "FILE:LINE: message"
// by the parser's entry point.
#ifndef HOST_SCENARIO_SCENARIO_TEXT_H
#define HOST_SCENARIO_SCENARIO_TEXT_H

#include "Orbitersdk.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace scenario {

struct ScenarioError : std::runtime_error {
    ScenarioError(int line, const std::string &message) : std::runtime_error(message), line(line) {}
    int line;
};

struct Token {
    std::string text; // without quotes and escapes when quoted
    bool quoted = false;
    size_t begin = 0; // offset in the line's content
};

// One line: as written, and its words with the comment removed (a ';'
// inside a quoted text is text). A line that cannot be split into words keeps
// the reason in error; it counts only where words are read.
struct Line {
    int number = 0;
    std::string raw;
    std::string content;
    std::vector<Token> tokens;
    std::string error;
};

// Splits the file into lines (LF or CRLF) and words. A quoted text may hold
// \" and \\ escapes.
std::vector<Line> SplitLines(const std::string &text);

// The line's words; throws the line's error, if any.
const std::vector<Token> &WordsOf(const Line &line);

// A finite C floating-point literal making up the whole word.
bool ParseNumber(const std::string &word, double *value);

// True when the two axes are parallel (or either is zero).
bool Parallel(const VECTOR3 &a, const VECTOR3 &b);

// Reads the words of one line in order; each read names what it expects, so
// that a missing or malformed value makes a clear message.
class LineReader {
public:
    explicit LineReader(const Line &line, size_t first = 0) : line_(line), next_(first) {
        WordsOf(line);
    }

    int LineNumber() const { return line_.number; }
    bool AtEnd() const { return next_ >= line_.tokens.size(); }
    const Token *Peek() const { return AtEnd() ? nullptr : &line_.tokens[next_]; }

    std::string Word(const std::string &what);
    // A name: one unquoted word.
    std::string Name(const std::string &what);
    // A finite C floating-point literal, the whole word.
    double Number(const std::string &what);
    // A number with a whole value in [min, max].
    long long Whole(const std::string &what, long long min, long long max);
    VECTOR3 Vector(const std::string &what);
    // A vector that is not zero, for an axis.
    VECTOR3 Axis(const std::string &what);
    // The rest of the line as written; a single quoted text stands for its
    // content, so "" is an empty text.
    std::string Rest();
    // Fails when words are left over.
    void End() const;

    [[noreturn]] void Fail(const std::string &message) const;

private:
    const Line &line_;
    size_t next_;
};

} // namespace scenario

#endif
