// Reading throughput: SrtFile::readData on generated films (the two-hour film, 10 MB, 100 MB;
// UTF-8 and Shift JIS; CRLF), and the three steps it is made of, to see where the time goes.
#include "SrtGen.h"
#include "platform/Encodings.h"
#include "subtitles/SrtFile.h"

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>

namespace {

struct Sample {
    std::string name;
    srtgen::Charset charset;
    std::size_t bytes;
    long long entries;
    std::uint32_t encoding() const
    {
        return charset == srtgen::Charset::Utf8 ? encodings::kUtf8 : encodings::kShiftJis;
    }
};

const std::filesystem::path& scratch()
{
    static const std::filesystem::path dir = [] {
        auto d = std::filesystem::temp_directory_path()
            / ("subclock-bench-" + std::to_string(::getpid()));
        std::filesystem::create_directories(d);
        return d;
    }();
    return dir;
}

struct Prepared {
    std::string path;
    std::string bytes;
};

const Prepared& prepare(const Sample& s)
{
    static std::map<std::string, Prepared> cache;
    auto [it, fresh] = cache.try_emplace(s.name);
    if (fresh) {
        it->second.bytes = srtgen::film(s.charset, s.bytes, s.entries);
        it->second.path = (scratch() / (s.name + ".srt")).string();
        std::ofstream(it->second.path, std::ios::binary) << it->second.bytes;
    }
    return it->second;
}

void setRate(benchmark::State& state, std::size_t bytes)
{
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
    state.counters["MB/s"] = benchmark::Counter(
        static_cast<double>(bytes) / 1e6, benchmark::Counter::kIsIterationInvariantRate);
    state.counters["file_MB"] = static_cast<double>(bytes) / 1e6;
}

// The whole read as the player does it at Start: open, one read, one decode, one pass.
void readData(benchmark::State& state, const Sample& s)
{
    const Prepared& p = prepare(s);
    std::size_t entries = 0;
    for (auto _ : state) {
        const auto reader = SrtFile::file(p.path, s.encoding(), LineEnding::crlf);
        if (!reader->readData())
            state.SkipWithError("read failed");
        entries = reader->dataArray().size();
    }
    setRate(state, p.bytes.size());
    state.counters["entries"] = static_cast<double>(entries);
}

// The read alone: an unknown encoding stops readData right after the read.
void readOnly(benchmark::State& state, const Sample& s)
{
    const Prepared& p = prepare(s);
    for (auto _ : state) {
        const auto reader = SrtFile::file(p.path, 0, LineEnding::crlf);
        benchmark::DoNotOptimize(reader->readData());
    }
    setRate(state, p.bytes.size());
}

void decodeOnly(benchmark::State& state, const Sample& s)
{
    const Prepared& p = prepare(s);
    for (auto _ : state) {
        state.PauseTiming();
        std::string bytes = p.bytes;
        state.ResumeTiming();
        auto text = encodings::decode(std::move(bytes), s.encoding());
        benchmark::DoNotOptimize(text);
    }
    setRate(state, p.bytes.size());
}

void parseOnly(benchmark::State& state, const Sample& s)
{
    const Prepared& p = prepare(s);
    const std::string text = *encodings::decode(p.bytes, s.encoding());
    for (auto _ : state) {
        SrtFile reader("/nonexistent/bench", s.encoding(), LineEnding::crlf);
        reader.parseText(text);
        benchmark::DoNotOptimize(reader.dataArray().data());
    }
    setRate(state, p.bytes.size());
}

} // namespace

int main(int argc, char** argv)
{
    using srtgen::Charset;
    const Sample samples[] = {
        { "utf8-film", Charset::Utf8, 0, 1500 },
        { "sjis-film", Charset::ShiftJis, 0, 1500 },
        { "utf8-10MB", Charset::Utf8, 10'000'000, -1 },
        { "sjis-10MB", Charset::ShiftJis, 10'000'000, -1 },
        { "utf8-100MB", Charset::Utf8, 100'000'000, -1 },
        { "sjis-100MB", Charset::ShiftJis, 100'000'000, -1 },
    };
    for (const Sample& s : samples) {
        benchmark::RegisterBenchmark(("readData/" + s.name).c_str(), readData, s)
            ->Unit(benchmark::kMillisecond);
    }
    for (const Sample& s : samples) {
        if (s.bytes != 10'000'000)
            continue;
        benchmark::RegisterBenchmark(("step/read/" + s.name).c_str(), readOnly, s)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("step/decode/" + s.name).c_str(), decodeOnly, s)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("step/parse/" + s.name).c_str(), parseOnly, s)
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::filesystem::remove_all(scratch());
    return 0;
}
