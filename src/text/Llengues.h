// Caption data of the interface languages: for every main-menu item and every
// labelled dialog control, its window, its objectName and its Catalan and
// Spanish captions. Fixed captions carry the same text in both languages.
#pragma once

#include <span>
#include <string_view>

namespace tracima {

struct TitolBilingue {
    std::string_view formulari; // objectName of the window
    std::string_view component; // objectName of the widget (the window's own name for its caption)
    std::string_view catala;
    std::string_view castella;
};

// Every caption, the main window's first (menu order), then the dialogs.
// Each (formulari, component) pair occurs once.
std::span<const TitolBilingue> TitolsBilingues();

} // namespace tracima
