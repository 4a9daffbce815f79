// Background reads of large files and what is owed when they end or are superseded.
#include "control/SubtitleLoader.h"

#include "platform/Log.h"
#include "platform/Translate.h"

#include <algorithm>
#include <thread>
#include <utility>

struct SubtitleLoader::Read {
    std::unique_ptr<SrtFile> reader;
    std::uint64_t generation = 0;
    bool sizeLogged = false;
    // Written by the read's thread; read on the UI thread after the join.
    bool ok = false;
    SharedCues cues;
    std::thread thread;
};

SubtitleLoader::SubtitleLoader() = default;

SubtitleLoader::~SubtitleLoader()
{
    for (const auto& read : _reads) {
        if (read->thread.joinable())
            read->thread.join();
    }
}

void SubtitleLoader::supersede()
{
    ++_generation;
    // The read that showed it will never end it: its outcome is dropped.
    if (std::exchange(_busy, false))
        _p.busy->end();
}

bool SubtitleLoader::readsInBackground(const SrtFile& reader) const
{
    return _p.uiQueue && (reader.size() < 0 || reader.size() >= _backgroundBytes);
}

SubtitleLoader::Read* SubtitleLoader::pending() const
{
    for (const auto& read : _reads) {
        if (read->generation == _generation)
            return read.get();
    }
    return nullptr;
}

bool SubtitleLoader::waitForRead()
{
    Read* read = pending();
    if (!read)
        return false;
    if (!read->sizeLogged) {
        logLine("size:" + std::to_string(read->reader->size()));
        read->sizeLogged = true;
    }
    _waiting = true;
    return true;
}

void SubtitleLoader::readInBackground(
    std::unique_ptr<SrtFile> reader, const std::string& name, SharedCues old, bool sizeLogged)
{
    auto read = std::make_unique<Read>();
    read->reader = std::move(reader);
    read->generation = _generation;
    read->sizeLogged = sizeLogged;
    Read* r = read.get();
    _reads.push_back(std::move(read));
    _p.busy->begin(fill(translate("SubtitleLoader", "Reading %1\u2026"), { name }));
    _busy = true;
    r->thread = std::thread(
        [this, r, old = std::move(old), alive = std::weak_ptr<char>(_alive)]() mutable {
            // Millions of entries take a noticeable time to free: not on the UI thread.
            old.reset();
            r->ok = r->reader->readData();
            // The index over millions of entries is sorted here too, not on the UI thread.
            if (r->ok && !r->reader->dataArray().empty())
                r->cues = std::make_shared<const Cues>(r->reader->dataArray());
            _p.uiQueue->post([this, r, alive] {
                if (alive.lock())
                    finish(r);
            });
        });
}

void SubtitleLoader::finish(Read* read)
{
    read->thread.join();
    const auto it = std::find_if(
        _reads.begin(), _reads.end(), [read](const auto& r) { return r.get() == read; });
    const std::unique_ptr<Read> done = std::move(*it);
    _reads.erase(it);
    // Another file was chosen, or the file read again, since: this outcome is out of date.
    if (done->generation != _generation)
        return;
    if (std::exchange(_busy, false))
        _p.busy->end();
    _finished(Outcome{ *done->reader, done->ok, done->cues, takeWaiting() });
}
