// Caption data of the interface languages: for every main-menu item and every
// labelled dialog control, its window, its objectName and its caption in each
// language with texts. Captions fixed in Catalan and Spanish carry the same text
// in both columns.
#pragma once

#include "text/Missatges.h"

#include <span>
#include <string_view>

namespace tracima {

struct TitolTraduit {
    std::string_view formulari; // objectName of the window
    std::string_view component; // objectName of the widget (the window's own name for its caption)
    TextTraduit text;           // one column per language with texts
};

// Every caption, the main window's first (menu order), then the dialogs.
// Each (formulari, component) pair occurs once.
std::span<const TitolTraduit> TitolsTraduits();

} // namespace tracima
