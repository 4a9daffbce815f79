// What the Timing pane drives: cues from mark pairs and holds, kept in a session file that is
// saved on every change, and appended to a record file as they are made.
#pragma once

#include "cueing/CueRecorder.h"
#include "cueing/CueSheet.h"
#include "cueing/HoldToTime.h"
#include "cueing/SessionFile.h"
#include "playback/MarkList.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

// Used on the UI thread only.
class CueSession {
public:
    // The clock's position, which cue times are: never the subtitle timing's.
    using Position = std::function<double()>;
    // Seconds on a monotonic clock, to tell a key's auto-repeat from a new press.
    using Now = std::function<double()>;

    // Sessions are kept in `folder`; none are when it is empty. The last session found there
    // now is the one offered for restoring.
    CueSession(Position position, Now now, const std::string& folder, std::string began);

    // Each completed mark pair becomes a cue too.
    void follow(MarkList& marks);
    // Appends every later cue to `path`. False when it cannot be opened for appending.
    bool recordTo(const std::string& path);

    CueSheet& sheet() { return _sheet; }
    const CueSheet& sheet() const { return _sheet; }

    // The hold, at the clock's position now. After a key's release, call settle() once
    // HoldToTime::kRepeatGap has passed: only then is the cue made.
    void press(HoldToTime::Source source, bool autoRepeat);
    void release(HoldToTime::Source source, bool autoRepeat);
    void settle();
    void interrupt();
    bool holding() const { return _hold.holding(); }
    bool releasePending() const { return _hold.releasePending(); }

    // The previous session, read when the session began, and whether it is still on offer.
    const std::optional<SavedSession>& offered() const { return _offered; }
    // Takes the offered session's cues and script and goes on saving to its file.
    void restoreOffered();
    void dismissOffer() { _offered.reset(); }

    // Where the session is saved, and whether the last save failed.
    const std::string& sessionPath() const { return _keeper.path(); }
    bool saveFailed() const { return _saveFailed; }

private:
    void made(const std::optional<HeldSpan>& span);

    Position _position;
    Now _now;
    CueSheet _sheet;
    HoldToTime _hold;
    SessionKeeper _keeper;
    std::unique_ptr<CueRecorder> _recorder;
    std::optional<SavedSession> _offered;
    std::string _offeredPath;
    bool _saveFailed = false;
};
