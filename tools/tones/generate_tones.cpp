// Writes the tuner's nine looping reference tones into the directory given as argument.
#include <filesystem>
#include <fstream>
#include <iostream>

#include "reference_tone.hpp"

int main(int argc, char** argv) {
    using namespace fretwise::tones;
    if (argc != 2) {
        std::cerr << "usage: fretwise-tonegen OUTPUT_DIR\n";
        return 2;
    }
    const std::filesystem::path dir = argv[1];
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    for (const ToneSpec& tone : ReferenceTones()) {
        const LoopPlan plan = PlanLoop(tone.frequency, 2.0, 4.0);
        std::ofstream out(dir / tone.fileName, std::ios::binary | std::ios::trunc);
        out << WavFile(RenderLoop(plan));
        out.close();
        if (!out) {
            std::cerr << "fretwise-tonegen: cannot write " << (dir / tone.fileName) << '\n';
            return 1;
        }
    }
    return 0;
}
