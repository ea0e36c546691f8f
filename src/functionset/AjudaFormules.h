// The short reference of the formula language shown by the data entry dialog's
// help button, as simple HTML, in each language with texts.
#pragma once

#include "text/Missatges.h"

#include <string>
#include <string_view>

namespace tracima {

// In the language's own texts; Catalan for a language without texts.
std::string TextAjudaFormules(Llengua llengua);
// The caption of the reference window.
std::string_view TitolAjudaFormules(Llengua llengua);

} // namespace tracima
