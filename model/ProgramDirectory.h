#pragma once

#include <string>

// The folder of the running executable, without a trailing separator.
std::string ProgramDirectory();
