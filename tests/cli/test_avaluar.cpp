#include "cli/Comandes.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <sstream>

using tracima::cli::ComandaAvaluar;

namespace {

struct Sortida {
    int estat;
    std::string out, err;
};

Sortida Executar(const tracima::cli::Arguments& args) {
    std::ostringstream out, err;
    const int estat = ComandaAvaluar(args, out, err);
    return {estat, out.str(), err.str()};
}

} // namespace

TEST(CliAvaluar, OutputLines) {
    struct Cas {
        tracima::cli::Arguments args;
        const char* out;
    } casos[] = {
        {{"x^2-4", "3", "-2"}, "3\t5\n-2\t0\n"},
        {{"x^2-4"}, "0\t-4\n"},
        {{"1/x", "0", "2"}, "0\terror 1\n2\t0.5\n"},
        {{"-x^2", "-0.5"}, "-0.5\t-0.25\n"},
        {{"x", "-p", "A=2", "A*PI"}, "6.283186\t6.283186\n"},
        {{"-p", "a=-2", "X^A", "2"}, "2\t0.25\n"},
        {{"--exacte", "1/3"}, "0\t0.33333333333333331\n"},
        {{"1/3", "--exacte", "1"}, "1\t0.33333333333333331\n"},
        {{"--exacte", "-x", "0"}, "0\t0\n"},
        {{"-p", "B=A+1", "B", "-p", "A=5"}, "0\t2\n"},
    };
    for (const auto& c : casos) {
        const Sortida s = Executar(c.args);
        EXPECT_EQ(s.estat, 0) << s.err;
        EXPECT_EQ(s.out, c.out) << c.args[0];
    }
}

TEST(CliAvaluar, RefusalsWriteNothingToStandardOutput) {
    const tracima::cli::Arguments casos[] = {
        {"x+", "1"}, {"x", "1/0"}, {"x", "2+"}, {"-p", "A=1/0", "x"}, {"-p", "G=1", "x"},
        {"-p"}, {}, {"x", "-p", "A"},
    };
    for (const auto& args : casos) {
        const Sortida s = Executar(args);
        EXPECT_EQ(s.estat, 2);
        EXPECT_TRUE(s.out.empty());
        EXPECT_FALSE(s.err.empty());
    }
    EXPECT_EQ(Executar({"(x"}).err, "error de compilació 4\n");
}

TEST(CliAvaluar, RealBinary) {
    EXPECT_FALSE(Executar({"--help"}).out.empty());
    FILE* p = popen(TRACIMA_CLI " avaluar 'x^2-4' 3 -2; echo \"rc=$?\"", "r");
    ASSERT_NE(p, nullptr);
    std::string text;
    std::array<char, 256> buf{};
    while (fgets(buf.data(), buf.size(), p)) text += buf.data();
    pclose(p);
    EXPECT_EQ(text, "3\t5\n-2\t0\nrc=0\n");
}
