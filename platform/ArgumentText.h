#pragma once

#include <QString>

#include <string>
#include <vector>

// A file name as the programs hold it, from the command line through QCommandLineParser and on to
// the system's file calls, in one form per system:
// - POSIX: a name is bytes, whatever their encoding. Each byte goes into QCommandLineParser as one
//   character and comes back unchanged, so a name that is not UTF-8 still names its file.
// - Windows: a name is UTF-16 to the system and UTF-8 within the programs. The arguments come
//   from the UTF-16 command line, not from argv, which the C runtime gives in the ANSI code page,
//   losing whatever that cannot hold.
QString argumentText(const std::string &argument);
std::string argumentBytes(const QString &text);

// The program's arguments, its own name first, in that form. Needs the application object.
std::vector<std::string> programArguments(int argc, char *argv[]);
