#pragma once

// tournel --check-install: where the program finds the files installed with
// it, for a package test on the installed paths.

#include <iosfwd>

// Writes "template: PATH", "tips: PATH" and "guide: PATH" (or "... missing"
// with the path or folders looked at), opening the guide's contents in the
// help window of a main frame as Help > Contents and Index does. Answers 0
// when all three were found and the guide's index page was shown, 1 otherwise.
int CheckInstall(std::ostream& out);
