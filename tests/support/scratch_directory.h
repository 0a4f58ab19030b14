// A fresh, empty working directory for one test, removed afterwards; the
// module's relative paths resolve against it as against the simulator's root.
#ifndef TEST_SCRATCH_DIRECTORY_H
#define TEST_SCRATCH_DIRECTORY_H

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

class ScratchDirectory : public ::testing::Test {
protected:
    void SetUp() override {
        previous_ = std::filesystem::current_path();
        std::string pattern = (std::filesystem::temp_directory_path() / "tarsel-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        root_ = pattern;
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

#endif
