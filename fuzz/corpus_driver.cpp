// Runs a fuzz target once over every file of the given corpus folders, as a regression test in
// the ordinary native build, where libFuzzer is not linked.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t cb);

int main(int argc, char** argv)
{
    int nInputs = 0;
    for (int i = 1; i < argc; ++i)
    {
        for (const auto& entry : std::filesystem::directory_iterator(argv[i]))
        {
            std::ifstream file(entry.path(), std::ios::binary);
            std::vector<uint8_t> data((std::istreambuf_iterator<char>(file)),
                                      std::istreambuf_iterator<char>());
            LLVMFuzzerTestOneInput(data.data(), data.size());
            ++nInputs;
        }
    }
    std::printf("%d inputs passed\n", nInputs);
    // An empty or misplaced corpus must not pass unnoticed.
    return nInputs > 0 ? 0 : 1;
}
