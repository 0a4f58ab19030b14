// A fresh, empty working directory for one test, removed afterwards; the
// module's relative paths resolve against it as against the simulator's root.
#ifndef TEST_SCRATCH_DIRECTORY_H
#define TEST_SCRATCH_DIRECTORY_H

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

class ScratchDirectory : public ::testing::Test {
protected:
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
    }

    void TearDown() override {
        std::filesystem::current_path(previous_);
        std::filesystem::remove_all(root_);
    }

    static void WriteFile(const std::string &path, const std::string &content) {
        std::filesystem::path native(path);
        if (native.has_parent_path()) {
            std::filesystem::create_directories(native.parent_path());
        }
        std::ofstream(path, std::ios::binary) << content;
    }

    static std::string ReadFile(const std::string &path) {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream content;
        content << in.rdbuf();
        return content.str();
    }

private:
    std::filesystem::path previous_;
    std::filesystem::path root_;
};

// A scratch folder laid out as the simulator's: the folder of its plug-ins,
// where the settings file goes, is there.
class SimulatorFolder : public ScratchDirectory {
protected:
    static constexpr const char *kSettingsFile = "Modules/Plugin/TarselMFD.ini";

    void SetUp() override {
        ScratchDirectory::SetUp();
        std::filesystem::create_directories("Modules/Plugin");
    }
};

#endif
