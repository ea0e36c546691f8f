// The layout of the main window's menu bar: which item sits in which menu, in
// order, with its kind and shortcut. Captions come from the caption table of the
// current language (TaulaMissatges::TitolMenu), looked up by the same objectName.
#pragma once

#include <span>
#include <string_view>

namespace tracima {

enum class TipusElementMenu {
    Menu,       // a top-level menu: its items follow until the next Menu
    Submenu,    // a submenu of the current menu: its items follow until FiSubmenu
    FiSubmenu,  // closes the submenu
    Comanda,    // a plain command
    Marca,      // a check item (its state lives in the window's state)
    Llengua,    // one of the six language check items
    Separador,  // a separator line (no objectName)
};

struct ElementMenu {
    TipusElementMenu tipus;
    std::string_view component; // objectName (empty for a separator)
    std::string_view drecera;   // shortcuts in portable text ("Ctrl+F", "Ctrl++; Ctrl+="), or empty
};

// Every element of the menu bar, menus in bar order, items in menu order.
std::span<const ElementMenu> EstructuraMenus();

} // namespace tracima
