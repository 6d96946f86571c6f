// A fresh folder for one test, removed with everything in it afterwards.
#pragma once

#include "support/Platform.h"

#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

namespace r8test
{

class TempFolder
{
public:
    TempFolder()
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = "r8support_";
        if (info != nullptr)
            name += std::string(info->test_suite_name()) + "_" + info->name();
        for (char& c : name)
        {
            if (c == '/' || c == '\\')
                c = '_';
        }
        m_path = std::filesystem::temp_directory_path() / name;
        std::filesystem::remove_all(m_path);
        std::filesystem::create_directories(m_path);
    }
    ~TempFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }

    // The folder with its final separator, as the folder routines answer it.
    std::string Folder() const { return m_path.string() + r8::PathSeparator(); }
    std::string Path(std::string_view name) const { return (m_path / name).string(); }

    // Writes the bytes exactly as given.
    std::string Write(std::string_view name, std::string_view bytes) const
    {
        std::string path = Path(name);
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return path;
    }

    static std::string Read(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

private:
    std::filesystem::path m_path;
};

// Sets or removes an environment variable for one test and puts back what was
// there before.
class ScopedEnvironment
{
public:
    ScopedEnvironment(const char* name, const char* value) : m_name(name)
    {
        m_hadValue = r8::GetEnvironmentValue(name, m_oldValue);
        r8::SetEnvironmentValue(name, value);
    }
    ~ScopedEnvironment()
    {
        r8::SetEnvironmentValue(m_name.c_str(), m_hadValue ? m_oldValue.c_str() : nullptr);
    }

private:
    std::string m_name;
    std::string m_oldValue;
    bool m_hadValue = false;
};

} // namespace r8test
