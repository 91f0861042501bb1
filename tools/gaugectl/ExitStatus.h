#pragma once

// Exit statuses of every command.
inline constexpr int ExitSuccess = 0;
inline constexpr int ExitNotConfirmed = 1; // the gauge did not confirm, the port failed, or the
                                           // output could not be written
inline constexpr int ExitUsage = 2;        // bad usage, or a refused record
// Ended by a signal: this and the signal's number, as a shell tells it.
inline constexpr int ExitSignalBase = 128;
