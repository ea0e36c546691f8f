// A fresh folder per test for the document tests that touch the disk.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace tracima {

class DirProva : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() /
               ("tracima-prova-" + std::to_string(std::random_device{}()));
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }
    std::string Cami(const char* nom) const { return (dir_ / nom).string(); }
    std::string Escriure(const char* nom, const std::string& bytes) const {
        std::ofstream(Cami(nom), std::ios::binary) << bytes;
        return Cami(nom);
    }
    static std::string Contingut(const std::string& cami) {
        std::ifstream f(cami, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(f), {});
    }
    std::size_t NombreFitxers() const {
        return static_cast<std::size_t>(
            std::distance(std::filesystem::directory_iterator(dir_), {}));
    }
    std::filesystem::path dir_;
};

} // namespace tracima
