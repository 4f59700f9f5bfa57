#pragma once

#include <cstdint>
#include <string_view>

// The rules of a web view that behaves as a browser pane, whatever engine
// draws it.

// Whether an address goes on to the desktop's browser (a new window, a
// download): http and https addresses only, whatever their letters' case.
bool handedToBrowser(std::u16string_view address);

// The document-mode value that makes a hosted system browser control of the
// given major version draw every page in the newest mode it has, whatever
// the page's doctype says (a control hosted by a program draws in its
// oldest mode unless told); 0 for a version that has no such value.
std::uint32_t browserEmulation(int majorVersion);
