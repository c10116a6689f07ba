#pragma once

#include <string>
#include <vector>

namespace sporix::authoring {

enum class Severity { Note, Warning, Error };

const char* severityWord(Severity severity);

// One finding of the key check: what is wrong where, and what to do about it. Texts are
// UTF-8; `file` is the name inside the key folder ("RUSSULA.SPE", "RUSSULA/RUEMETIC.TXT").
struct Finding {
    Severity severity = Severity::Error;
    std::string code;  // stable and short, for tools: "unknown-code"
    std::string file;
    int line = 0;  // 0: the file as a whole
    std::string message;
    std::string advice;
};

// The findings of one check, in the order they were made.
class Findings {
public:
    void add(Severity severity, std::string code, std::string file, int line, std::string message,
             std::string advice = {});
    void error(std::string code, std::string file, int line, std::string message, std::string advice = {}) {
        add(Severity::Error, std::move(code), std::move(file), line, std::move(message), std::move(advice));
    }
    void warning(std::string code, std::string file, int line, std::string message, std::string advice = {}) {
        add(Severity::Warning, std::move(code), std::move(file), line, std::move(message), std::move(advice));
    }
    void note(std::string code, std::string file, int line, std::string message, std::string advice = {}) {
        add(Severity::Note, std::move(code), std::move(file), line, std::move(message), std::move(advice));
    }

    const std::vector<Finding>& all() const { return all_; }
    int count(Severity severity) const;
    // Findings made since `mark` (a size of all() taken before).
    int countSince(std::size_t mark, Severity severity) const;

private:
    std::vector<Finding> all_;
};

// A key text quoted in a finding: Windows-1252 bytes shown as UTF-8 between quotes.
std::string quoted(const std::string& keyText);

}  // namespace sporix::authoring
