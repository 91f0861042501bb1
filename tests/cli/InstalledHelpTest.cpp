// The manual pages and the bash completion against the programs' own --help: an option, command
// or simulator mode added to one and not the others fails here.
#include "GaugeReply.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace gauge::test {
namespace {

using Words = std::set<std::string>;

const std::string GaugectlPage = std::string(PACKAGING_DIR) + "/gaugectl.1.in";
const std::string GaugeProgrammerPage = std::string(PACKAGING_DIR) + "/gauge-programmer.1.in";
const std::string Completion = std::string(PACKAGING_DIR) + "/gaugectl.bash-completion";

std::string quoted(const std::string &word)
{
    return "'" + std::regex_replace(word, std::regex("'"), R"('\'')") + "'";
}

// What a shell command line prints; a failing command fails the test.
std::string outputOf(const std::string &commandLine)
{
    std::string text;
    FILE *pipe = ::popen(commandLine.c_str(), "r");
    if (!pipe) {
        ADD_FAILURE() << "cannot run " << commandLine;
        return text;
    }
    char buffer[4096];
    while (const std::size_t count = std::fread(buffer, 1, sizeof buffer, pipe))
        text.append(buffer, count);
    EXPECT_EQ(::pclose(pipe), 0) << commandLine;
    return text;
}

std::vector<std::string> linesOf(const std::string &text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// Options named in a text: words that begin with a dash after a blank, a comma or a bracket.
Words optionsIn(const std::string &text)
{
    static const std::regex Option(R"((?:^|[\s,\[(])(--?[a-z][a-z-]*))");
    Words options;
    for (auto match = std::sregex_iterator(text.begin(), text.end(), Option);
         match != std::sregex_iterator(); ++match)
        options.insert((*match)[1]);
    return options;
}

// A manual page's source as it reads: comments left out, dashes and font changes resolved.
std::vector<std::string> manPage(const std::string &path)
{
    std::ifstream in(path);
    std::stringstream source;
    source << in.rdbuf();
    EXPECT_TRUE(in) << "cannot read " << path;
    std::vector<std::string> lines;
    for (std::string line : linesOf(source.str())) {
        if (line.starts_with(".\\\""))
            continue;
        line = std::regex_replace(line, std::regex(R"(\\-)"), "-");
        lines.push_back(std::regex_replace(line, std::regex(R"(\\f[BIRP])"), ""));
    }
    return lines;
}

// The text under a heading (".SH OPTIONS", ".SS send") up to the next heading of its level or
// above.
std::string manSection(const std::vector<std::string> &page, const std::string &heading)
{
    const bool subsection = heading.starts_with(".SS");
    std::string text;
    bool inside = false;
    for (const std::string &line : page) {
        if (line == heading) {
            inside = true;
        } else if (inside) {
            if (line.starts_with(".SH") || (subsection && line.starts_with(".SS")))
                break;
            text += line + "\n";
        }
    }
    EXPECT_TRUE(inside) << "no " << heading;
    return text;
}

// The first word of each line of a man text that begins with the macro, such as ".SS".
Words headed(const std::string &text, const std::string &macro)
{
    Words words;
    const std::size_t start = macro.size() + 1;
    for (const std::string &line : linesOf(text)) {
        if (line.starts_with(macro + " "))
            words.insert(line.substr(start, line.find(' ', start) - start));
    }
    return words;
}

// "gaugectl --help": the commands of its table, and the text around the table.
struct TopLevelHelp
{
    Words commands;
    std::string rest;
};

TopLevelHelp topLevelHelp()
{
    TopLevelHelp help;
    bool inTable = false;
    for (const std::string &line : linesOf(outputOf(quoted(GAUGECTL) + " --help"))) {
        if (line == "Commands:") {
            inTable = true;
        } else if (inTable && line.empty()) {
            inTable = false;
        } else if (inTable) {
            static const std::regex Command("  ([a-z-]+)( .*)?");
            std::smatch match;
            if (std::regex_match(line, match, Command))
                help.commands.insert(match[1]);
            continue;
        }
        help.rest += line + "\n";
    }
    return help;
}

Words commandOptions(const std::string &command)
{
    return optionsIn(outputOf(quoted(GAUGECTL) + " " + command + " --help"));
}

Words simulatorModes()
{
    Words modes;
    for (int mode = 0; mode <= static_cast<int>(sim::ReplyMode::HangUp); ++mode)
        modes.insert(std::string(sim::modeName(static_cast<sim::ReplyMode>(mode))));
    return modes;
}

// What the completion offers when the last of the words is being typed, in the folder given,
// through the function it registers for gaugectl.
Words completions(const std::vector<std::string> &words, const std::string &folder = ".")
{
    static const std::string Driver = R"(source "$1" || exit
shift
COMP_WORDS=("$@")
COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
COMP_LINE="$*"
COMP_POINT=${#COMP_LINE}
registration=$(complete -p gaugectl) || exit
function=${registration##*-F }
"${function%% *}" gaugectl "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
printf '%s\n' "${COMPREPLY[@]}")";
    std::string commandLine
        = "cd " + quoted(folder) + " && bash -c " + quoted(Driver) + " bash " + quoted(Completion);
    for (const std::string &word : words)
        commandLine += " " + quoted(word);
    Words offered;
    for (const std::string &line : linesOf(outputOf(commandLine))) {
        if (!line.empty())
            offered.insert(line);
    }
    return offered;
}

TEST(InstalledHelp, GaugectlPageHasTheCommandsOptionsAndModesOfTheHelp)
{
    const auto page = manPage(GaugectlPage);
    const TopLevelHelp help = topLevelHelp();
    EXPECT_EQ(headed(manSection(page, ".SH COMMANDS"), ".SS"), help.commands);
    EXPECT_EQ(optionsIn(manSection(page, ".SH OPTIONS")), optionsIn(help.rest));
    for (const std::string &command : help.commands)
        EXPECT_EQ(optionsIn(manSection(page, ".SS " + command)), commandOptions(command))
            << command;

    const std::string simulate = manSection(page, ".SS simulate");
    const std::size_t modes = simulate.find(".RS\n");
    const std::size_t modesEnd = simulate.find(".RE\n");
    ASSERT_LT(modes, modesEnd) << "no list of modes under simulate";
    EXPECT_EQ(headed(simulate.substr(modes, modesEnd - modes), ".B"), simulatorModes());
}

TEST(InstalledHelp, GaugeProgrammerPageHasTheOptionsOfTheHelp)
{
    EXPECT_EQ(optionsIn(manSection(manPage(GaugeProgrammerPage), ".SH OPTIONS")),
              optionsIn(outputOf(quoted(GAUGE_PROGRAMMER) + " --help")));
}

TEST(InstalledHelp, CompletionOffersWhatTheHelpLists)
{
    const TopLevelHelp help = topLevelHelp();
    Words topLevel = help.commands;
    topLevel.merge(optionsIn(help.rest));
    EXPECT_EQ(completions({"gaugectl", ""}), topLevel);
    for (const std::string &command : help.commands) {
        Words options = commandOptions(command);
        options.insert("--help"); // every command takes it, though only "gaugectl --help" says so
        EXPECT_EQ(completions({"gaugectl", command, "-"}), options) << command;
    }
    EXPECT_EQ(completions({"gaugectl", "simulate", "--mode", ""}), simulatorModes());

    // The record argument: records, whatever the case of their extension, and folders.
    const TempDir dir;
    for (const char *name : {"oil.gag", "OLD.GAG", "notes.txt"})
        std::ofstream(dir.path(name)) << "";
    std::filesystem::create_directory(dir.path("records"));
    EXPECT_EQ(completions({"gaugectl", "send", "--port", "COM1", ""}, dir.root().string()),
              (Words {"OLD.GAG", "oil.gag", "records"}));
}

} // namespace
} // namespace gauge::test
