// A fresh, empty working directory for one test, removed afterwards, laid
// out as the simulator's folder (its plug-in folder, where the settings file
// goes, is there): the module's relative paths resolve against it as
// against the simulator's root.
#ifndef TEST_SCRATCH_DIRECTORY_H
#define TEST_SCRATCH_DIRECTORY_H

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

class ScratchDirectory : public ::testing::Test {
protected:
    static constexpr const char *kSettingsFile = "Modules/Plugin/TarselMFD.ini";

    void SetUp() override {
        previous_ = std::filesystem::current_path();
        // A name no other test, here or in another process, has taken.
        std::mt19937_64 random(std::random_device{}());
        for (int attempt = 0; attempt < 100 && root_.empty(); ++attempt) {
            std::filesystem::path folder =
                std::filesystem::temp_directory_path() / ("tarsel-" + std::to_string(random()));
            if (std::filesystem::create_directory(folder))
                root_ = folder;
        }
        ASSERT_FALSE(root_.empty());
        std::filesystem::current_path(root_);
        std::filesystem::create_directories("Modules/Plugin");
    }

    void TearDown() override {
        std::filesystem::current_path(previous_);
        std::filesystem::remove_all(root_);
    }

    static void WriteFile(const std::string &path, const std::string &content) {
        if (std::filesystem::path(path).has_parent_path())
            std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        std::ofstream(path, std::ios::binary) << content;
    }

    static std::string ReadFile(const std::string &path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

private:
    std::filesystem::path previous_;
    std::filesystem::path root_;
};

using SimulatorFolder = ScratchDirectory;

#endif
