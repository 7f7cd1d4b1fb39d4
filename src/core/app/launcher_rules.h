#pragma once

#include <string>
#include <string_view>

// launcher.exe stands in Notepad's place (as notepad.exe, with Notepad moved
// aside as padswap.exe beside it) and reads command lines meant for
// Notepad: everything after the program name is one file name, quoted or
// not, and "/p" or "/pt" ask for printing.

struct LaunchPlan {
    std::string program;     // what to start
    std::string commandLine; // its whole command line, the program first
};

// The part of a command line after its program name (quoted or not),
// without the blanks around it.
std::string_view ArgumentsAfterProgram(std::string_view commandLine);

// Printing stays Notepad's (the shell's Print verb): it gets the arguments
// unchanged. Anything else opens the one file, if any, in the editor, both
// quoted. Notepad's /a and /w (the file's encoding) are dropped.
LaunchPlan PlanLaunch(std::string_view arguments, const std::string& editor, const std::string& notepadAside);

// What starts when the editor cannot: Notepad with the same arguments.
LaunchPlan NotepadLaunch(std::string_view arguments, const std::string& notepadAside);
