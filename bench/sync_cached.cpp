// srtdump --sync-to --format report, with what the voice detector heard kept beside the video
// (VIDEO.vad), so that a change to the matcher can be tried on a whole set of films in seconds.
//     sync_cached --sync-to VIDEO --format report FILE
#include "autosync/Soundtrack.h"
#include "autosync/SpeechMatch.h"
#include "media/Media.h"
#include "subtitles/Cues.h"
#include "subtitles/SrtFile.h"

#include <cstdio>
#include <fstream>
#include <string>

namespace {

autosync::SpeechTrack heardOnce(const std::string& video)
{
    const std::string cache = video + ".vad";
    autosync::SpeechTrack track;
    if (std::ifstream in(cache, std::ios::binary); in) {
        in.read(reinterpret_cast<char*>(&track.frameSeconds), sizeof track.frameSeconds);
        std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        track.frames.assign(bytes.begin(), bytes.end());
        return track;
    }
    track = autosync::listen(video).track;
    std::ofstream out(cache, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&track.frameSeconds), sizeof track.frameSeconds);
    out.write(reinterpret_cast<const char*>(track.frames.data()),
        static_cast<std::streamsize>(track.frames.size()));
    return track;
}

} // namespace

int main(int argc, char** argv)
{
    media::install();
    if (argc != 6) {
        std::fputs("usage: sync_cached --sync-to VIDEO --format report FILE\n", stderr);
        return 64;
    }
    const auto reader = SrtFile::file(argv[5], 8, LineEnding::lf);
    reader->setAutomatic(true, true);
    if (!reader->readData())
        return 2;
    const autosync::Match m
        = autosync::matchSpeech(autosync::spansOf(Cues(reader->dataArray())), heardOnce(argv[2]));
    std::printf("delay: %+.3f\nspeed: %.8f\n", m.delay, m.speed);
    if (m.split)
        std::printf("split: %.3f %+.3f\n", m.split->fileTime, m.split->delay);
    else
        std::printf("split: none\n");
    std::printf("score: %.3f\nonsets: %.1f\nresult: %s\n", m.score, m.onsets,
        autosync::describe(m).c_str());
    return m.proposed() ? 0 : 3;
}
