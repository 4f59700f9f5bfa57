#pragma once

#include <optional>
#include <string>

// What `korinview --help` or `korinview --version` prints; nothing for any
// other command line, which the launcher ignores. The first of the two
// options given decides.
std::optional<std::string> commandLineReply(int argc, const char *const argv[]);
