// Lines, words, quoted texts and numbers of a scenario file.
#include "scenario/scenario_text.h"

#include "world/world.h"

#include <cctype>
#include <cmath>
#include <cstdlib>

namespace scenario {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

std::string Trim(const std::string &s) {
    size_t b = 0, e = s.size();
    while (b < e && IsBlank(s[b]))
        ++b;
    while (e > b && IsBlank(s[e - 1]))
        --e;
    return s.substr(b, e - b);
}

// Cuts the comment off and splits the rest into words.
Line Tokenize(const std::string &raw, int number) {
    Line line;
    line.number = number;
    line.raw = raw;
    if (raw.find('\0') != std::string::npos) {
        line.error = "the line holds a NUL byte";
        return line;
    }
    size_t i = 0;
    while (i < raw.size()) {
        char c = raw[i];
        if (IsBlank(c)) {
            ++i;
            continue;
        }
        if (c == ';')
            break;
        Token token;
        token.begin = i;
        if (c == '"') {
            token.quoted = true;
            ++i;
            bool closed = false;
            while (i < raw.size()) {
                char q = raw[i++];
                if (q == '"') {
                    closed = true;
                    break;
                }
                if (q == '\\' && i < raw.size() && (raw[i] == '"' || raw[i] == '\\'))
                    q = raw[i++];
                token.text += q;
            }
            if (!closed) {
                line.error = "unterminated quoted text";
                return line;
            }
            if (i < raw.size() && !IsBlank(raw[i]) && raw[i] != ';') {
                line.error = "a quoted text must end its word";
                return line;
            }
        } else {
            // A quote inside a word is an ordinary character.
            while (i < raw.size() && !IsBlank(raw[i]) && raw[i] != ';')
                token.text += raw[i++];
        }
        line.tokens.push_back(token);
        line.content = raw.substr(0, i);
    }
    return line;
}

} // namespace

std::vector<Line> SplitLines(const std::string &text) {
    std::vector<Line> lines;
    size_t start = 0;
    int number = 1;
    // A final newline ends the last line; it does not start another.
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string raw = text.substr(start, end - start);
        if (!raw.empty() && raw.back() == '\r')
            raw.pop_back();
        lines.push_back(Tokenize(raw, number));
        start = end + 1;
        ++number;
    }
    return lines;
}

bool ParseNumber(const std::string &word, double *value) {
    if (word.empty() || IsBlank(word[0]))
        return false;
    const char *begin = word.c_str();
    char *end = nullptr;
    double parsed = std::strtod(begin, &end);
    if (end != begin + word.size() || !std::isfinite(parsed))
        return false;
    *value = parsed;
    return true;
}

bool Parallel(const VECTOR3 &a, const VECTOR3 &b) {
    using host::Length;
    return Length(host::Cross(a, b)) <= 1e-9 * Length(a) * Length(b);
}

const std::vector<Token> &WordsOf(const Line &line) {
    if (!line.error.empty())
        throw ScenarioError(line.number, line.error);
    return line.tokens;
}

void LineReader::Fail(const std::string &message) const {
    throw ScenarioError(line_.number, message);
}

std::string LineReader::Word(const std::string &what) {
    if (AtEnd())
        Fail("missing " + what);
    return line_.tokens[next_++].text;
}

std::string LineReader::Name(const std::string &what) {
    if (AtEnd())
        Fail("missing " + what);
    const Token &token = line_.tokens[next_++];
    if (token.quoted || token.text.empty())
        Fail(what + " must be one word without quotes");
    return token.text;
}

double LineReader::Number(const std::string &what) {
    if (AtEnd())
        Fail("missing " + what);
    const Token &token = line_.tokens[next_++];
    double value = 0.0;
    if (token.quoted || !ParseNumber(token.text, &value))
        Fail(what + ": '" + token.text + "' is not a finite number");
    return value;
}

long long LineReader::Whole(const std::string &what, long long min, long long max) {
    double value = Number(what);
    if (value != std::floor(value))
        Fail(what + " must be a whole number");
    if (value < static_cast<double>(min) || value > static_cast<double>(max))
        Fail(what + " must be between " + std::to_string(min) + " and " + std::to_string(max));
    return static_cast<long long>(value);
}

VECTOR3 LineReader::Vector(const std::string &what) {
    VECTOR3 v;
    v.x = Number(what + " x");
    v.y = Number(what + " y");
    v.z = Number(what + " z");
    return v;
}

VECTOR3 LineReader::Axis(const std::string &what) {
    VECTOR3 v = Vector(what);
    if (v.x == 0.0 && v.y == 0.0 && v.z == 0.0)
        Fail(what + " must not be the zero vector");
    return v;
}

std::string LineReader::Rest() {
    if (AtEnd())
        return "";
    const Token &first = line_.tokens[next_];
    bool singleQuoted = first.quoted && next_ + 1 == line_.tokens.size();
    std::string rest = singleQuoted ? first.text : Trim(line_.content.substr(first.begin));
    next_ = line_.tokens.size();
    return rest;
}

void LineReader::End() const {
    if (!AtEnd())
        Fail("unexpected '" + line_.tokens[next_].text + "'");
}

} // namespace scenario
