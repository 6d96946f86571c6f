// Any file given to the scrambled-text reader (and to the INI loader and the
// plain reader that sit on such files): no crash, no read past the text, and
// any bytes written scrambled read back unchanged.
#include "support/Q2File.h"
#include "support/Q2RTLCryptedFile.h"
#include "support/Q2RTLIni.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace
{

// One scratch file per process, removed when the fuzzer exits normally.
struct ScratchFile
{
    std::string path =
        (std::filesystem::temp_directory_path() / ("r8fuzz_crypted_" + std::to_string(getpid())))
            .string();
    ~ScratchFile() { std::remove(path.c_str()); }
};

const std::string& FuzzPath()
{
    static const ScratchFile scratch;
    return scratch.path;
}

void WriteBytes(const std::string& path, const std::uint8_t* data, std::size_t size)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr)
        std::abort();
    if (size > 0 && std::fwrite(data, 1, size, file) != size)
        std::abort();
    std::fclose(file);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string& path = FuzzPath();
    WriteBytes(path, data, size);

    {
        r8::CQ2RTLCryptedFile file;
        if (file.OpenRead(path.c_str()))
        {
            std::uint32_t textSize = file.GetTextSize();
            std::size_t read = 0;
            std::string line;
            while (file.ReadLine(line))
                read += line.size() + 1;
            if (read > textSize + 1)
                std::abort();
        }
    }
    {
        r8::CQ2RTLCryptedFile file;
        if (file.OpenRead(path.c_str()) && file.ReadAll().size() > file.GetTextSize())
            std::abort();
    }
    {
        r8::CQ2RTLIni ini;
        ini.LoadIni(path.c_str());
        r8::CQ2File plain;
        std::string line;
        if (plain.Open(path.c_str(), r8::CQ2File::modeRead))
            while (plain.ReadLine(line))
            {
            }
    }

    // The same bytes written scrambled with a key taken from the data.
    const std::string text(reinterpret_cast<const char*>(data), size);
    {
        r8::CQ2RTLCryptedFile writer;
        writer.SetKey(size > 0 ? data[0] : 0);
        if (!writer.OpenWrite(path.c_str()))
            std::abort();
        for (char c : text)
            if (!writer.WriteChar(c))
                std::abort();
    }
    r8::CQ2RTLCryptedFile reader;
    if (!reader.OpenRead(path.c_str()) || !reader.IsScrambled() || reader.ReadAll() != text)
        std::abort();
    return 0;
}
