#include "common/startup/command_line.h"

#include "common/startup/program_info.h"

#include <algorithm>

namespace tervok::startup {
namespace {

using Action = CommandLine::Action;

constexpr OptionRow kHelp{kHelpOption, 'h', "help", "", "show this help and exit"};
constexpr OptionRow kVersion{kVersionOption, 0, "version", "", "show the version and exit"};

// --help's lines fit a terminal of 80 columns.
constexpr std::size_t kHelpWidth = 79;
// Options written wider than this start their text on the next line.
constexpr std::size_t kWidestOptionColumn = 24;

void fail(CommandLine& line, std::string problem)
{
    line.action = Action::UsageError;
    line.problem = std::move(problem);
}

// An option as written: its name ("--output", "-o"), and a value joined to
// it ("--output=x", "-ox").
struct Written {
    std::string name;
    std::optional<std::string> joined;
};

Written splitWritten(const std::string& argument)
{
    if (argument.rfind("--", 0) == 0) {
        const std::size_t equals = argument.find('=');
        if (equals == std::string::npos)
            return {argument, std::nullopt};
        return {argument.substr(0, equals), argument.substr(equals + 1)};
    }
    if (argument.size() > 2)
        return {argument.substr(0, 2), argument.substr(2)};
    return {argument, std::nullopt};
}

bool isNamed(const OptionRow& option, const std::string& name)
{
    if (name.rfind("--", 0) == 0)
        return !option.longName.empty() && std::string_view(name).substr(2) == option.longName;
    return option.shortName != 0 && name.size() == 2 && name[1] == option.shortName;
}

const OptionRow* findOption(const CommandSyntax& syntax, const std::string& name)
{
    for (const OptionRow* builtIn : {&kHelp, &kVersion})
        if (isNamed(*builtIn, name))
            return builtIn;
    for (const OptionRow& option : syntax.options)
        if (isNamed(option, name))
            return &option;
    return nullptr;
}

void addOperand(const OperandRule& rule, CommandLine& line, const std::string& operand, ValueCheck check)
{
    if (check) {
        if (std::optional<std::string> problem = check(operand))
            return fail(line, std::move(*problem));
    }
    line.operands.push_back(operand);
    if (line.operands.size() > rule.max)
        fail(line, *operandCountProblem(rule, line.operands));
}

void take(const CommandSyntax& syntax, CommandLine& line, const OptionRow& option, std::string value)
{
    if (option.check) {
        if (std::optional<std::string> problem = option.check(value))
            return fail(line, std::move(*problem));
    }
    line.options.push_back({option.id, value});
    if (option.id == kHelpOption)
        line.action = Action::Help;
    else if (option.id == kVersionOption)
        line.action = Action::Version;
    else if (option.namesOperand)
        addOperand(syntax.operands, line, value, nullptr);
}

// Reads the option at arguments[i], and its value from the next argument
// when it takes one and none is joined to it.
void readOption(const CommandSyntax& syntax, CommandLine& line, const std::vector<std::string>& arguments,
                std::size_t& i)
{
    const Written written = splitWritten(arguments[i]);
    const OptionRow* option = findOption(syntax, written.name);
    if (!option)
        return fail(line, "unknown option '" + arguments[i] + "'");
    const bool takesValue = !option->valueName.empty();
    if (!takesValue && written.joined)
        return fail(line, "option '" + written.name + "' takes no value");
    if (takesValue && !written.joined) {
        if (i + 1 == arguments.size())
            return fail(line, "option '" + written.name + "' needs a value");
        return take(syntax, line, *option, arguments[++i]);
    }
    take(syntax, line, *option, written.joined.value_or(std::string()));
}

// "  -o, --output=FILE", "      --scale=S", "  -C FOLDER".
std::string writtenForm(const OptionRow& option)
{
    std::string text = "  ";
    text += option.shortName != 0 ? std::string{'-', option.shortName} : std::string("  ");
    if (!option.longName.empty())
        text += std::string(option.shortName != 0 ? ", --" : "  --") + std::string(option.longName);
    if (!option.valueName.empty())
        text += (option.longName.empty() ? " " : "=") + std::string(option.valueName);
    return text;
}

// The text from column on, its words wrapped to lines of kHelpWidth and a
// new line begun at each "\n"; the first line goes on after lead.
std::string wrapped(std::string lead, std::string_view text, std::size_t column)
{
    std::string result;
    std::string current = std::move(lead);
    bool empty = true;  // no word on the current line yet
    const auto endLine = [&] {
        result += current + '\n';
        current.assign(column, ' ');
        empty = true;
    };
    if (current.size() < column)
        current.resize(column, ' ');
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = std::min(text.find_first_of(" \n", at), text.size());
        const std::string_view word = text.substr(at, end - at);
        if (!word.empty()) {
            if (!empty && current.size() + 1 + word.size() > kHelpWidth)
                endLine();
            current += empty ? std::string(word) : " " + std::string(word);
            empty = false;
        }
        if (end < text.size() && text[end] == '\n')
            endLine();
        at = end + 1;
    }
    return result + current + '\n';
}

std::string optionLines(const CommandSyntax& syntax)
{
    std::vector<const OptionRow*> listed;
    for (const OptionRow& option : syntax.options)
        if (!option.help.empty())
            listed.push_back(&option);
    listed.push_back(&kHelp);
    listed.push_back(&kVersion);
    std::size_t widest = 4;  // "  --"
    for (const OptionRow* option : listed)
        if (writtenForm(*option).size() <= kWidestOptionColumn)
            widest = std::max(widest, writtenForm(*option).size());
    const std::size_t column = widest + 2;
    std::string text;
    for (const OptionRow* option : listed) {
        const std::string form = writtenForm(*option);
        if (form.size() + 2 > column)
            text += form + '\n' + wrapped(std::string(), option->help, column);
        else
            text += wrapped(form, option->help, column);
    }
    const std::string dashes = "end the options" + (syntax.afterDashes.empty()
                                                        ? std::string()
                                                        : "; what follows is " + syntax.afterDashes +
                                                              ", even when it begins with '-'");
    return text + wrapped("  --", dashes, column);
}

}  // namespace

bool CommandLine::has(int id) const
{
    return last(id).has_value();
}

std::optional<std::string> CommandLine::last(int id) const
{
    for (auto given = options.rbegin(); given != options.rend(); ++given)
        if (given->id == id)
            return given->value;
    return std::nullopt;
}

CommandLine parseCommandLine(const CommandSyntax& syntax, const std::vector<std::string>& arguments)
{
    CommandLine line;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < arguments.size() && line.action == Action::Run; ++i) {
        const std::string& argument = arguments[i];
        if (optionsEnded || argument.size() < 2 || argument[0] != '-')
            addOperand(syntax.operands, line, argument, syntax.operands.check);
        else if (argument == "--")
            optionsEnded = true;
        else
            readOption(syntax, line, arguments, i);
    }
    if (line.action == Action::Run) {
        if (std::optional<std::string> problem = operandCountProblem(syntax.operands, line.operands))
            fail(line, std::move(*problem));
    }
    return line;
}

std::optional<std::string> operandCountProblem(const OperandRule& rule, const std::vector<std::string>& operands)
{
    const std::string noun(rule.noun);
    if (operands.size() < rule.min)
        return "no " + noun + " named";
    if (operands.size() <= rule.max)
        return std::nullopt;
    const std::string& extra = operands[rule.max];
    if (rule.max == 0)
        return "unexpected argument '" + extra + "'";
    if (rule.max == 1)
        return "one " + noun + " only ('" + extra + "' is a second one)";
    return "'" + extra + "' is one " + noun + " too many";
}

std::string usageText(const CommandSyntax& syntax)
{
    std::string text;
    for (const std::string& form : syntax.forms)
        text += (text.empty() ? "Usage: " : "  or:  ") + syntax.program + " " + form + "\n";
    return text;
}

std::string helpText(const CommandSyntax& syntax)
{
    return usageText(syntax) + syntax.intro + "\nOptions:\n" + optionLines(syntax) + syntax.outro;
}

std::string versionText(const CommandSyntax& syntax)
{
    return syntax.program + " (Tervok editors) " + suiteVersion() + "\n";
}

int reportUsageError(const CommandSyntax& syntax, const std::string& problem, std::ostream& err)
{
    err << syntax.program << ": " << problem << '\n'
        << usageText(syntax) << "Try '" << syntax.program << " --help' for more information.\n"
        << std::flush;
    return kExitUsage;
}

Reading readCommandLine(const CommandSyntax& syntax, const std::vector<std::string>& arguments, std::ostream& out,
                        std::ostream& err)
{
    Reading reading{std::nullopt, parseCommandLine(syntax, arguments)};
    switch (reading.line.action) {
    case Action::Help:
        out << helpText(syntax) << std::flush;
        reading.exitStatus = kExitOk;
        break;
    case Action::Version:
        out << versionText(syntax) << std::flush;
        reading.exitStatus = kExitOk;
        break;
    case Action::UsageError:
        reading.exitStatus = reportUsageError(syntax, reading.line.problem, err);
        break;
    case Action::Run:
        break;
    }
    return reading;
}

std::vector<std::string> argumentsOf(int argc, const char* const* argv)
{
    return argc > 1 ? std::vector<std::string>(argv + 1, argv + argc) : std::vector<std::string>();
}

}  // namespace tervok::startup
