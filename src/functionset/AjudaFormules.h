// The short reference of the formula language shown by the data entry dialog's
// help button, as simple HTML, in Catalan or Spanish.
#pragma once

#include "text/Missatges.h"

#include <string>
#include <string_view>

namespace tracima {

// Spanish for Castella, Catalan for every other language.
std::string TextAjudaFormules(Llengua llengua);
// The caption of the reference window.
std::string_view TitolAjudaFormules(Llengua llengua);

} // namespace tracima
