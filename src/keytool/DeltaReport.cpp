#include "DeltaReport.h"

#include <map>
#include <sstream>

#include "Cp1252.h"
#include "DeltaText.h"

namespace sporix::keytool {

namespace {

using authoring::delta::LeftOut;

std::string leftOutLine(const char* kind, const LeftOut& left) {
    return std::string(kind) + " " + std::to_string(left.number) + (left.name.empty() ? "" : " ") +
           cp1252ToUtf8(left.name) + ": " + left.why;
}

// The values of each item that were not imported, by item number.
std::map<int, int> valuesLeftOut(const authoring::delta::Dataset& dataset) {
    std::map<int, int> counts;
    for (const auto& problem : dataset.problems) {
        if (problem.item > 0) ++counts[problem.item];
    }
    return counts;
}

template <class Each>
void jsonList(std::ostream& out, const char* name, std::size_t size, Each each) {
    out << ",\n \"" << name << "\": [";
    for (std::size_t i = 0; i < size; ++i) out << (i == 0 ? "\n  " : ",\n  ") << each(i);
    out << "]";
}

std::string jsonLeftOut(const LeftOut& left) {
    return "{\"number\": " + std::to_string(left.number) + ", \"name\": " + jsonText(cp1252ToUtf8(left.name)) +
           ", \"why\": " + jsonText(left.why) + "}";
}

}  // namespace

void writeImportText(const DeltaImportSummary& s, std::ostream& err) {
    for (const std::string& problem : s.folder.problems) err << "sporix-key import-delta: " << problem << "\n";
    for (const auto& problem : s.dataset.problems) {
        err << s.datasetFolder << '/' << problem.file << ':' << problem.line
            << ": warning: " << cp1252ToUtf8(problem.what) << "\n";
    }
    for (const std::string& name : s.folder.passedOver) {
        err << "passed over " << name
            << ": not a file of the dataset (specs, chars, cnotes, items and the files INPUT FILE names)\n";
    }
    for (const LeftOut& left : s.conversion.skippedCharacters)
        err << "skipped " << leftOutLine("character", left) << "\n";
    for (const LeftOut& left : s.conversion.skippedItems) err << "skipped " << leftOutLine("item", left) << "\n";
    for (const auto& [item, count] : valuesLeftOut(s.dataset)) {
        const auto& name = s.dataset.items[static_cast<std::size_t>(item - 1)].name;
        err << "item " << item << " " << cp1252ToUtf8(authoring::delta::plainText(name)) << ": " << count
            << (count == 1 ? " value" : " values") << " not imported (see the warnings above)\n";
    }
    for (const std::string& remark : s.conversion.remarks) err << "note: " << remark << "\n";
    if (!s.languageFilesCopied.empty()) {
        err << "copied into the key " << s.languageFilesCopied.size() << " language files:";
        for (const std::string& name : s.languageFilesCopied) err << " " << name;
        err << "\n";
    }
}

void writeImportJson(const DeltaImportSummary& s, const authoring::CheckReport* check, const ReportStyle& style,
                     std::ostream& out) {
    const auto& conversion = s.conversion;
    out << "{\"dataset\": " << jsonText(s.datasetFolder)
        << ",\n \"genus\": {\"folder\": " << jsonText(cp1252ToUtf8(conversion.genus.folder))
        << ", \"name\": " << jsonText(cp1252ToUtf8(conversion.genus.displayName))
        << ", \"characters\": " << conversion.rows.size() << ", \"species\": " << conversion.items.size() << "}";
    jsonList(out, "readFiles", s.folder.files.size(), [&](std::size_t i) { return jsonText(s.folder.files[i].name); });
    jsonList(out, "passedOver", s.folder.passedOver.size(),
             [&](std::size_t i) { return jsonText(s.folder.passedOver[i]); });
    jsonList(out, "skippedCharacters", conversion.skippedCharacters.size(),
             [&](std::size_t i) { return jsonLeftOut(conversion.skippedCharacters[i]); });
    jsonList(out, "skippedItems", conversion.skippedItems.size(),
             [&](std::size_t i) { return jsonLeftOut(conversion.skippedItems[i]); });
    jsonList(out, "problems", s.dataset.problems.size(), [&](std::size_t i) {
        const auto& p = s.dataset.problems[i];
        return "{\"file\": " + jsonText(p.file) + ", \"line\": " + std::to_string(p.line) +
               ", \"item\": " + std::to_string(p.item) + ", \"what\": " + jsonText(cp1252ToUtf8(p.what)) + "}";
    });
    std::vector<std::string> notes = s.folder.problems;
    notes.insert(notes.end(), conversion.remarks.begin(), conversion.remarks.end());
    jsonList(out, "remarks", notes.size(), [&](std::size_t i) { return jsonText(notes[i]); });
    jsonList(out, "languageFilesCopied", s.languageFilesCopied.size(),
             [&](std::size_t i) { return jsonText(s.languageFilesCopied[i]); });
    out << ",\n \"check\": ";
    if (check == nullptr) {
        out << "null";
    } else {
        std::ostringstream report;
        writeJsonReport(*check, style, report);
        std::string text = report.str();
        while (!text.empty() && text.back() == '\n') text.pop_back();
        out << text;
    }
    out << "}\n";
}

}  // namespace sporix::keytool
