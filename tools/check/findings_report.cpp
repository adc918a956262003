#include "tools/check/findings_report.h"

#include "common/encoding/utf8.h"

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

void appendUnicodeEscape(std::string& out, unsigned codePoint)
{
    static constexpr char kHex[] = "0123456789abcdef";
    out += "\\u";
    for (int shift = 12; shift >= 0; shift -= 4)
        out += kHex[(codePoint >> shift) & 0xF];
}

// How many bytes from text[at] on a JSON string takes unchanged: printable
// ASCII but the quote and the backslash.
std::size_t plainJsonRun(std::string_view text, std::size_t at)
{
    std::size_t end = at;
    while (end < text.size() && static_cast<unsigned char>(text[end] - 0x20) < 0x5F && text[end] != '"' &&
           text[end] != '\\')
        ++end;
    return end - at;
}

// A JSON string: quotes and backslashes escaped, and so are the control
// characters, DEL and the C1 controls, so that the report cannot drive a
// terminal it is shown on either. A byte that is no part of well-formed
// UTF-8 (a file name on disk may hold any) becomes U+FFFD, each one.
std::string jsonString(std::string_view text)
{
    std::string out = "\"";
    out.reserve(text.size() + 2);
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t kept = plainJsonRun(text, at);
        out.append(text, at, kept);
        if ((at += kept) == text.size())
            break;
        const std::size_t length = tervok::utf8SequenceLength(text, at);
        if (length == 0) {
            out += "\\ufffd";
            ++at;
            continue;
        }
        const char32_t cp = tervok::utf8CodePointAt(text, at, length);
        if (cp == '"' || cp == '\\') {
            out += '\\';
            out += static_cast<char>(cp);
        } else if (cp < 0x20 || (cp >= 0x7F && cp <= 0x9F)) {
            appendUnicodeEscape(out, static_cast<unsigned>(cp));
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
        out << tervok::escapedForTerminal(f.file);
        if (f.line)
            out << ':' << *f.line;
        out << ": " << severityName(f.severity) << ": ";
        if (f.cell)
            out << "cell (" << f.cell->x << ", " << f.cell->y << "): ";
        out << tervok::escapedForTerminal(f.message) << '\n';
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
