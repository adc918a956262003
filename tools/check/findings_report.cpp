#include "findings_report.h"

#include <cstdio>

namespace check {
namespace {

const char* severityName(Severity severity)
{
    return severity == Severity::Error ? "error" : "warning";
}

std::string counted(std::size_t count, const char* one, const char* many)
{
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

// The length of the well-formed UTF-8 sequence at text[at], or 0.
std::size_t utf8Length(const std::string& text, std::size_t at)
{
    const auto lead = static_cast<unsigned char>(text[at]);
    const std::size_t length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
    if (length == 0 || at + length > text.size())
        return 0;
    for (std::size_t i = 1; i < length; ++i)
        if ((static_cast<unsigned char>(text[at + i]) & 0xC0) != 0x80)
            return 0;
    return length;
}

// A JSON string: quotes, backslashes and control characters escaped, and a
// byte that is no UTF-8 (a file name on disk may hold any) replaced.
std::string jsonString(const std::string& text)
{
    std::string out = "\"";
    for (std::size_t at = 0; at < text.size();) {
        const char c = text[at];
        const std::size_t length = utf8Length(text, at);
        if (length == 0) {
            out += "\\ufffd";
            ++at;
            continue;
        }
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
            out += escaped;
        } else {
            out.append(text, at, length);
        }
        at += length;
    }
    return out + "\"";
}

std::string jsonLine(const Finding& f)
{
    return f.line ? std::to_string(*f.line) : "null";
}

std::string jsonCell(const Finding& f)
{
    if (!f.cell)
        return "\"x\": null, \"y\": null";
    return "\"x\": " + std::to_string(f.cell->x) + ", \"y\": " + std::to_string(f.cell->y);
}

}  // namespace

void printText(std::ostream& out, const CheckResult& result)
{
    for (const Finding& f : result.findings.all()) {
        out << f.file;
        if (f.line)
            out << ':' << *f.line;
        out << ": " << severityName(f.severity) << ": ";
        if (f.cell)
            out << "cell (" << f.cell->x << ", " << f.cell->y << "): ";
        out << f.message << '\n';
    }
    out << counted(result.findings.errors(), "error", "errors") << ", "
        << counted(result.findings.warnings(), "warning", "warnings") << " in "
        << counted(result.filesChecked, "file", "files") << '\n';
}

void printJson(std::ostream& out, const CheckResult& result)
{
    out << '[';
    const char* separator = "\n";
    for (const Finding& f : result.findings.all()) {
        out << separator << "  {\"file\": " << jsonString(f.file) << ", \"line\": " << jsonLine(f) << ", "
            << jsonCell(f) << ", \"severity\": \""
            << severityName(f.severity) << "\", \"code\": " << jsonString(f.code)
            << ", \"message\": " << jsonString(f.message) << '}';
        separator = ",\n";
    }
    out << (result.findings.all().empty() ? "]\n" : "\n]\n");
}

}  // namespace check
