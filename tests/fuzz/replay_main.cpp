// Runs a fuzz target over the files of its corpus, so that the ordinary build and test run keep
// the target compiling and its seeds passing without a fuzzing compiler.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv)
{
    int inputs = 0;
    for (int index = 1; index < argc; ++index) {
        std::vector<std::filesystem::path> files;
        if (std::filesystem::is_directory(argv[index])) {
            for (const auto& entry : std::filesystem::directory_iterator(argv[index]))
                files.push_back(entry.path());
        } else {
            files.emplace_back(argv[index]);
        }
        for (const auto& file : files) {
            std::ifstream in(file, std::ios::binary);
            const std::vector<char> bytes {
                std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
            ++inputs;
        }
    }
    std::printf("%d inputs replayed\n", inputs);
    return inputs > 0 ? 0 : 1;
}
