// The commands of tracima-cli. Each takes the arguments after its name and
// writes to the given streams; it returns the process exit status.
#pragma once

#include "text/Missatges.h"

#include <iosfwd>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tracima::cli {

using Arguments = std::vector<std::string>;

// The language a value of --idioma names: "ca", "es" or "en"; false for any other.
inline bool LlenguaDeCodi(std::string_view codi, Llengua& llengua) {
    constexpr std::pair<std::string_view, Llengua> codis[] = {
        {"ca", Llengua::Catala}, {"es", Llengua::Castella}, {"en", Llengua::Angles}};
    for (const auto& [c, l] : codis)
        if (codi == c) {
            llengua = l;
            return true;
        }
    return false;
}
inline constexpr const char* IdiomesAcceptats = "ca, es o en";

int ComandaAvaluar(const Arguments& args, std::ostream& out, std::ostream& err);
int ComandaDocument(const Arguments& args, std::ostream& out, std::ostream& err);
int ComandaAnalitzar(const Arguments& args, std::ostream& out, std::ostream& err);
int ComandaEstudi(const Arguments& args, std::ostream& out, std::ostream& err);
int ComandaImatge(const Arguments& args, std::ostream& out, std::ostream& err);
int ComandaRegressio(const Arguments& args, std::ostream& out, std::ostream& err);
int ComandaInterpolacio(const Arguments& args, std::ostream& out, std::ostream& err);

} // namespace tracima::cli
