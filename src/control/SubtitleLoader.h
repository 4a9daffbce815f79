// Reads of the chosen file: which one is current, large files read on a thread of their own, the
// busy indicator while they run, and a Start that waits for one.
#pragma once

#include "control/BusyIndicator.h"
#include "control/NullPorts.h"
#include "control/UiQueue.h"
#include "subtitles/Cues.h"
#include "subtitles/SrtFile.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

// Used on the UI thread only; a read's own thread touches nothing but its read.
class SubtitleLoader {
public:
    // A file at least this large is read off the UI thread (when a UI queue is connected): a film
    // reads in a millisecond, a damaged or hostile file of hundreds of megabytes in seconds.
    static constexpr std::int64_t kBackgroundReadBytes = 4 << 20;

    // What a background read that is still current found, back on the UI thread.
    struct Outcome {
        const SrtFile& reader;
        bool ok = false;
        SharedCues cues; // none when the read failed or found nothing
        // A Start waited for this read.
        bool waited = false;
    };

    struct Ports {
        // Without a queue every file is read on the UI thread.
        UiQueue* uiQueue = nullptr;
        BusyIndicator* busy = &nullports::noBusy;
    };

    SubtitleLoader();
    // Waits for the reads still under way.
    ~SubtitleLoader();
    SubtitleLoader(const SubtitleLoader&) = delete;
    SubtitleLoader& operator=(const SubtitleLoader&) = delete;

    void connect(const Ports& ports, std::function<void(const Outcome&)> finished)
    {
        _p = ports;
        _finished = std::move(finished);
    }
    // Lets tests read small files in the background.
    void setBackgroundReadBytes(std::int64_t bytes) { _backgroundBytes = bytes; }

    // A new choice or a new read: the outcome of a read under way will be dropped, and the busy
    // indicator it showed ends now. A Start waiting for it waits for whatever comes next.
    void supersede();
    bool readsInBackground(const SrtFile& reader) const;
    // Reads on a thread of its own, saying "Reading `name`…" meanwhile. `old`, the list being
    // replaced, is let go on that thread too. `sizeLogged`: a Start has logged its size already.
    void readInBackground(std::unique_ptr<SrtFile> reader, const std::string& name,
        SharedCues old = nullptr, bool sizeLogged = false);
    // A read of the current choice is under way.
    bool reading() const { return pending() != nullptr; }

    // A Start waits for the read under way, logging its size as a Start that read would; false
    // when there is none.
    bool waitForRead();
    void wait() { _waiting = true; }
    void cancelWait() { _waiting = false; }
    // Whether a Start was waiting; it waits no more.
    bool takeWaiting() { return std::exchange(_waiting, false); }

private:
    struct Read;
    Read* pending() const;
    void finish(Read* read);

    Ports _p;
    std::function<void(const Outcome&)> _finished;
    std::int64_t _backgroundBytes = kBackgroundReadBytes;
    std::vector<std::unique_ptr<Read>> _reads;
    // Bumped by every new choice or read, so that the outcome of an older read is dropped.
    std::uint64_t _generation = 0;
    bool _waiting = false;
    // The busy indicator shows the current read.
    bool _busy = false;
    // Lets a late outcome, queued for the UI thread, see that the loader has gone.
    std::shared_ptr<char> _alive = std::make_shared<char>();
};
