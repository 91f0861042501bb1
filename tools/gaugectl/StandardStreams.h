#pragma once

// A standard stream that was closed when the program started must stay closed: otherwise the next
// file or device opened could take its place, and what is meant for the terminal would go into a
// record, or down the cable to the gauge. Called first thing in main().
void keepStandardStreamsClosed();

// Output that cannot be written (a pipe whose reader went away, a file at its size limit) is
// reported like any other failure, after the gauge's line is logged, instead of ending the run
// before it.
void reportOutputFailuresInsteadOfEnding();

// Whether a person at a terminal types the standard input, and so can be asked a question. On
// Windows the console itself is asked: NUL, too, counts as a character device there.
bool inputIsTerminal();

// What gaugectl writes (its texts, file names, the ports' descriptions) is UTF-8, and is shown as
// such for the run, also where the console would read it in another code page.
void useUtf8OnTheConsole();
