#include "cli/Comandes.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <sstream>

using tracima::cli::ComandaAvaluar;

// Status, standard output and standard error; a refusal writes nothing to standard output.
TEST(CliAvaluar, OutputsAndRefusals) {
    const struct {
        tracima::cli::Arguments args;
        int estat;
        const char *out, *err;
    } casos[] = {
        {{"x^2-4", "3", "-2"}, 0, "3\t5\n-2\t0\n", ""},
        {{"x^2-4"}, 0, "0\t-4\n", ""},
        {{"1/x", "0", "2"}, 0, "0\terror 1\n2\t0.5\n", ""},
        {{"-x^2", "-0.5"}, 0, "-0.5\t-0.25\n", ""},
        {{"x", "-p", "A=2", "A*PI"}, 0, "6.283186\t6.283186\n", ""},
        {{"-p", "a=-2", "X^A", "2"}, 0, "2\t0.25\n", ""},
        {{"--exacte", "1/3"}, 0, "0\t0.33333333333333331\n", ""},
        {{"1/3", "--exacte", "1"}, 0, "1\t0.33333333333333331\n", ""},
        {{"--exacte", "-x", "0"}, 0, "0\t0\n", ""},
        {{"-p", "B=A+1", "B", "-p", "A=5"}, 0, "0\t2\n", ""},
        {{"(x"}, 2, "", "error de compilació 4\n"},
        {{"x+", "1"}, 2, "", "error de compilació 5\n"},
        {{"x", "1/0"}, 2, "", "avaluar: la X no es pot llegir: 1/0\n"},
        {{"x", "2+"}, 2, "", "avaluar: la X no es pot llegir: 2+\n"},
        {{"-p", "A=1/0", "x"}, 2, "", "avaluar: el valor del paràmetre A no es pot llegir: 1/0\n"},
        {{"-p", "G=1", "x"}, 2, "",
         "avaluar: paràmetre mal escrit (cal LLETRA=VALOR, amb LLETRA de A a F): G=1\n"},
        {{"x", "-p", "A"}, 2, "",
         "avaluar: paràmetre mal escrit (cal LLETRA=VALOR, amb LLETRA de A a F): A\n"},
        {{"-p"}, 2, "", "avaluar: falta LLETRA=VALOR després de -p\n"},
    };
    for (const auto& c : casos) {
        std::ostringstream out, err;
        EXPECT_EQ(ComandaAvaluar(c.args, out, err), c.estat) << c.err;
        EXPECT_EQ(out.str(), c.out) << c.args[0];
        EXPECT_EQ(err.str(), c.err) << c.args[0];
    }
}

TEST(CliAvaluar, HelpAndRealBinary) {
    std::ostringstream out, err, err2;
    EXPECT_EQ(ComandaAvaluar({"--help"}, out, err), 0);
    EXPECT_EQ(out.str().rfind("Ús: tracima-cli avaluar [-p LLETRA=VALOR]", 0), 0u);
    // No formula: the refusal and the help, on standard error.
    EXPECT_EQ(ComandaAvaluar({}, out, err2), 2);
    EXPECT_EQ(err2.str(), "avaluar: falta la fórmula\n" + out.str());
    FILE* p = popen(TRACIMA_CLI " avaluar 'x^2-4' 3 -2; echo \"rc=$?\"", "r");
    ASSERT_NE(p, nullptr);
    std::string text;
    std::array<char, 256> buf{};
    while (fgets(buf.data(), buf.size(), p)) text += buf.data();
    pclose(p);
    EXPECT_EQ(text, "3\t5\n-2\t0\nrc=0\n");
}
