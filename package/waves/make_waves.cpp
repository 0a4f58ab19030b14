// tarsel-waves FOLDER: writes the drive's six waves into FOLDER.
#include "synth.h"
#include "wav_file.h"

#include <iostream>

int main(int argc, char **argv) {
    if (argc != 2) {
        std::cerr << "usage: tarsel-waves FOLDER\n";
        return 2;
    }
    for (const waves::Wave &wave : waves::AllWaves()) {
        const std::string path = std::string(argv[1]) + "/" + wave.file;
        if (!waves::WriteWav(path, wave.samples, waves::kSampleRate)) {
            std::cerr << "tarsel-waves: cannot write " << path << "\n";
            return 1;
        }
    }
    return 0;
}
