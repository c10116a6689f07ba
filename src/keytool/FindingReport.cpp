#include "FindingReport.h"

#include <cstdio>

namespace sporix::keytool {

using authoring::Finding;
using authoring::Severity;

namespace {

std::string pathOf(const ReportStyle& style, const std::string& file) {
    if (style.folder.empty() || style.folder == ".") return file;
    return style.folder.back() == '/' ? style.folder + file : style.folder + "/" + file;
}

bool shown(const Finding& finding, const ReportStyle& style) {
    return !(style.quiet && finding.severity == Severity::Note);
}

}  // namespace

std::string jsonText(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

void writeTextReport(const authoring::CheckReport& report, const ReportStyle& style, std::ostream& out) {
    for (const Finding& f : report.findings.all()) {
        if (!shown(f, style)) continue;
        out << pathOf(style, f.file) << ':';
        if (f.line > 0) out << f.line << ':';
        out << ' ' << authoring::severityWord(f.severity) << ": " << f.message;
        if (!f.advice.empty()) out << " (" << f.advice << ')';
        out << " [" << f.code << "]\n";
    }
    for (const auto& g : report.genera) {
        out << g.folder << " (" << g.displayName << "): " << g.species << " species, " << g.characters
            << " characters, " << g.languages << " languages, " << g.errors << " errors, " << g.warnings
            << " warnings\n";
    }
    out << report.genera.size() << " genera checked: " << report.findings.count(Severity::Error) << " errors, "
        << report.findings.count(Severity::Warning) << " warnings, " << report.findings.count(Severity::Note)
        << " notes\n";
}

void writeJsonReport(const authoring::CheckReport& report, const ReportStyle& style, std::ostream& out) {
    out << "{\"findings\": [";
    const char* separator = "\n  ";
    for (const Finding& f : report.findings.all()) {
        if (!shown(f, style)) continue;
        out << separator << "{\"severity\": " << jsonText(authoring::severityWord(f.severity))
            << ", \"code\": " << jsonText(f.code) << ", \"file\": " << jsonText(pathOf(style, f.file))
            << ", \"line\": " << f.line << ", \"message\": " << jsonText(f.message)
            << ", \"advice\": " << jsonText(f.advice) << "}";
        separator = ",\n  ";
    }
    out << "],\n \"genera\": [";
    separator = "\n  ";
    for (const auto& g : report.genera) {
        out << separator << "{\"folder\": " << jsonText(g.folder) << ", \"name\": " << jsonText(g.displayName)
            << ", \"species\": " << g.species << ", \"characters\": " << g.characters
            << ", \"languages\": " << g.languages << ", \"errors\": " << g.errors << ", \"warnings\": " << g.warnings
            << "}";
        separator = ",\n  ";
    }
    out << "],\n \"errors\": " << report.findings.count(Severity::Error)
        << ", \"warnings\": " << report.findings.count(Severity::Warning)
        << ", \"notes\": " << report.findings.count(Severity::Note) << "}\n";
}

void treatWarningsAsErrors(authoring::CheckReport& report) {
    authoring::Findings strict;
    for (const Finding& f : report.findings.all()) {
        strict.add(f.severity == Severity::Warning ? Severity::Error : f.severity, f.code, f.file, f.line, f.message,
                   f.advice);
    }
    report.findings = std::move(strict);
    for (auto& g : report.genera) {
        g.errors += g.warnings;
        g.warnings = 0;
    }
}

}  // namespace sporix::keytool
