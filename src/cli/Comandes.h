// The commands of tracima-cli. Each takes the arguments after its name and
// writes to the given streams; it returns the process exit status.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace tracima::cli {

using Arguments = std::vector<std::string>;

int ComandaAvaluar(const Arguments& args, std::ostream& out, std::ostream& err);
int ComandaDocument(const Arguments& args, std::ostream& out, std::ostream& err);
int ComandaAnalitzar(const Arguments& args, std::ostream& out, std::ostream& err);
int ComandaImatge(const Arguments& args, std::ostream& out, std::ostream& err);
int ComandaRegressio(const Arguments& args, std::ostream& out, std::ostream& err);
int ComandaInterpolacio(const Arguments& args, std::ostream& out, std::ostream& err);

} // namespace tracima::cli
