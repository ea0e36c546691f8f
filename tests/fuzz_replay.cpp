// Runs a fuzz target's entry point over every file of the folders given (its
// seed corpus and the inputs the fuzzer ever found), without libFuzzer. A target
// reports a failed check by trapping, so any failure ends the program abnormally.
// A folder that does not exist is skipped.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv) {
    int entrades = 0;
    for (int i = 1; i < argc; ++i) {
        std::error_code error;
        if (!std::filesystem::is_directory(argv[i], error)) continue;
        for (const auto& fitxer : std::filesystem::directory_iterator(argv[i])) {
            if (!fitxer.is_regular_file()) continue;
            std::ifstream in(fitxer.path(), std::ios::binary);
            std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
            ++entrades;
        }
    }
    std::printf("%d inputs replayed\n", entrades);
    return 0;
}
