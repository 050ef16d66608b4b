// Writes the game's cues and its winner clip. The results are committed, so
// run it only to change them: genassets <assets directory>
#include "tools/genassets/GenAssets.h"

#include <cstdio>
#include <string>

using namespace quindle::gen;

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <assets directory>\n", argv[0]);
        return 2;
    }
    const std::string dir = std::string(argv[1]) + "/";
    const bool ok = WriteWav(dir + "left.wav", ShuffleCue(), kSampleRate)
                 && WriteWav(dir + "ok.wav", ClickCue(), kSampleRate)
                 && WriteWav(dir + "uhoh.wav", UhOhCue(), kSampleRate)
                 && WriteWav(dir + "applause.wav", ApplauseCue(), kSampleRate)
                 && WriteAvi(dir + "cool.avi", StarFrames(), kStarFps);
    if (!ok) {
        std::perror("genassets");
        return 1;
    }
    return 0;
}
