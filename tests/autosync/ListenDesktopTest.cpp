// Listen to sync end to end: a PulseAudio server of the test's own with a null sink, this test
// playing a film's speech into it, and the real recorder and matcher finding the delay. Skipped
// when pulseaudio, pactl, espeak-ng or ffmpeg are missing, unless SUBCLOCK_E2E_REQUIRED is set.
#include "control/AutoSync.h"
#include "media/Media.h"
#include "subtitles/AutoReader.h"

#include "TempDir.h"
#include "fakes/FakeControls.h"
#include "fakes/FakeStore.h"

#include <gtest/gtest.h>

#include <pulse/error.h>
#include <pulse/simple.h>

#include <csignal>
#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <future>
#include <iterator>
#include <sstream>
#include <thread>

extern char** environ;

namespace {

// What ffmpeg makes for the test to play: mono, 16-bit, 16 kHz.
constexpr std::size_t kBytesPerSecond = 16000 * 2;

double steadyNow()
{
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

bool have(const std::string& tool)
{
    return std::system(("command -v " + tool + " >/dev/null").c_str()) == 0;
}

// A child process, ended and reaped when this goes.
class Child {
public:
    explicit Child(std::vector<std::string> args)
    {
        std::vector<char*> argv;
        for (std::string& a : args)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        if (posix_spawnp(&_pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0)
            _pid = 0;
    }
    ~Child()
    {
        if (_pid > 0) {
            kill(_pid, SIGTERM);
            waitpid(_pid, nullptr, 0);
        }
    }
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;
    bool started() const { return _pid > 0; }

private:
    pid_t _pid = 0;
};

TEST(ListenDesktop, FindsTheDelayOfSpeechPlayedOnTheDesktop)
{
    media::install();
    for (const char* tool : { "pulseaudio", "pactl", "espeak-ng", "ffmpeg" }) {
        if (have(tool))
            continue;
        if (std::getenv("SUBCLOCK_E2E_REQUIRED"))
            FAIL() << "missing: " << tool;
        GTEST_SKIP() << "missing: " << tool;
    }
    TempDir dir;
    const std::string d = dir.path().string();
    // Lines of every length, as dialogue has: the same sixteen lines said over and over would
    // fit nearly as well a few lines off.
    ASSERT_EQ(std::system((PYTHON3 " " MAKE_FILM " " + d + "/film.webm " + d
                  + "/film.srt --lines 40 --lines-from " VARIED_LINES
                    " --gaps 0.3 3 --ffmpeg-noise --lead 2 --seed 5")
                              .c_str()),
        0);
    // What the desktop plays: the film from 20 s on.
    ASSERT_EQ(std::system(("ffmpeg -v error -y -ss 20 -t 70 -i " + d
                  + "/film.webm -ac 1 -ar 16000 -f s16le " + d + "/played.raw")
                              .c_str()),
        0);
    std::ifstream rawFile(d + "/played.raw", std::ios::binary);
    const std::string played((std::istreambuf_iterator<char>(rawFile)), {});
    ASSERT_GT(played.size(), kBytesPerSecond * 65);
    std::ifstream in(d + "/film.srt");
    std::stringstream text;
    text << in.rdbuf();
    SrtMessageList entries;
    std::vector<std::size_t> skipped;
    autoread::walk(text.str(), "", entries, skipped);
    ASSERT_GT(entries.size(), 30U);
    SharedCues cues = std::make_shared<const Cues>(entries);

    // The server and this process find each other through the runtime folder.
    const std::string run = d + "/run";
    ASSERT_EQ(std::system(("mkdir -m 700 " + run).c_str()), 0);
    setenv("XDG_RUNTIME_DIR", run.c_str(), 1);
    setenv("HOME", d.c_str(), 1);
    const Child server({ "pulseaudio", "--daemonize=no", "-n", "--load=module-null-sink",
        "--load=module-native-protocol-unix", "--exit-idle-time=-1", "--log-level=error" });
    ASSERT_TRUE(server.started());
    bool up = false;
    for (int i = 0; i < 100 && !up; ++i) {
        up = std::system("pactl info >/dev/null 2>&1") == 0;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    ASSERT_TRUE(up) << "the test's PulseAudio server did not start";

    // The clock shows the film's time plus `late`: the subtitles need that much delay.
    const double late = 1.7;
    // Played from this process, so that the time its first sample sounds is known: starting
    // paplay and its connection take a second or more on a busy machine.
    const pa_sample_spec format{ PA_SAMPLE_S16LE, 16000, 1 };
    int error = 0;
    pa_simple* out = pa_simple_new(nullptr, "listen test", PA_STREAM_PLAYBACK, nullptr, "speech",
        &format, nullptr, nullptr, &error);
    ASSERT_NE(out, nullptr) << pa_strerror(error);
    std::promise<double> started;
    std::jthread writer([&] {
        constexpr std::size_t kChunk = 3200;
        bool told = false;
        for (std::size_t at = 0; at < played.size(); at += kChunk) {
            const std::size_t n = std::min(kChunk, played.size() - at);
            pa_simple_write(out, played.data() + at, n, nullptr);
            // Three seconds in, the stream runs: the last byte written sounds after the
            // latency, the first that much earlier than its place.
            if (!told && at + n >= kBytesPerSecond * 3) {
                told = true;
                const auto latency = static_cast<double>(pa_simple_get_latency(out, nullptr));
                started.set_value(
                    steadyNow() + latency / 1e6 - static_cast<double>(at + n) / kBytesPerSecond);
            }
        }
        pa_simple_drain(out, nullptr);
        pa_simple_free(out);
    });
    const double playedFrom = started.get_future().get();

    TimerThread th;
    FakeStore store;
    FakeUiQueue queue;
    SubtitleTiming timing;
    timing.connect({ &th, &store });
    timing.restoreFor(d + "/film.srt");
    th.setCues(cues);
    AutoSync sync;
    sync.connect({ &queue, &timing, [&] { return cues; },
                     [&] { return 20 + (steadyNow() - playedFrom) + late; } },
        [] {});
    sync.listenToDesktop(60);
    while (sync.state() == AutoSync::State::running)
        ASSERT_TRUE(queue.runPosted());
    ASSERT_EQ(sync.state(), AutoSync::State::proposed) << sync.text();
    sync.apply();
    EXPECT_NEAR(th.timing().delay, late, 0.1) << sync.text();
    EXPECT_EQ(th.timing().speed, 1);
}

} // namespace
