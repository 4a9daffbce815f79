// Arbitrary stored settings through the controller's start-up: for each key the fuzzer decides
// whether it is absent, an int, a string, unreadable, or failing in some other way, and whether
// writing it back fails. The controller must end with menus and label matching its own state.
#include "control/MainCtrl.h"
#include "control/Settings.h"
#include "fakes/FakeControls.h"
#include "fakes/FakeDisplay.h"
#include "fakes/FakeStore.h"
#include "platform/Encodings.h"
#include "subtitles/File.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <set>

namespace {

const char* const kKeys[] = { "enc_type", "return_code", "last_filename" };

[[noreturn]] void fail(const char* what)
{
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

// Names are resolved in a scratch directory holding one of each kind of thing a stored name can
// point at; arbitrary names lose their slashes so they cannot leave it. No chdir: libFuzzer reads
// its corpus by relative paths.
const std::string& sandbox()
{
    static const std::string dir = [] {
        char name[] = "/tmp/subclock-fuzz-prefs-XXXXXX";
        if (!::mkdtemp(name))
            std::abort();
        const std::string d = name;
        std::ofstream(d + "/film.srt") << "1\r\n00:00:01,000 --> 00:00:02,000\r\nA\r\n";
        ::mkdir((d + "/dir").c_str(), 0700);
        ::mkfifo((d + "/fifo").c_str(), 0600);
        return d;
    }();
    return dir;
}

std::string pathValue(FuzzedDataProvider& in)
{
    static const char* const fixed[] = { "film.srt", "dir", "fifo", "missing.srt", "", "." };
    if (in.ConsumeIntegralInRange(0, 3) == 0)
        return "/dev/null";
    if (in.ConsumeBool())
        return sandbox() + "/"
            + fixed[in.ConsumeIntegralInRange<std::size_t>(0, std::size(fixed) - 1)];
    std::string name = in.ConsumeRandomLengthString(64);
    std::replace(name.begin(), name.end(), '/', '_');
    return sandbox() + "/" + name;
}

std::string lastComponent(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

template <typename Menu> void expectSelected(const Menu& menu, int value)
{
    const bool offered = std::any_of(
        menu.items.begin(), menu.items.end(), [&](const auto& item) { return item.tag == value; });
    if (offered ? menu.selectedTag() != value : menu.selectedTag().has_value())
        fail("menu does not show the value in force");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider in(data, size);

    FakeStore store;
    std::optional<std::int32_t> storedInt[3];
    for (int k = 0; k < 3; ++k) {
        const std::string key = kKeys[k];
        switch (in.ConsumeIntegralInRange(0, 4)) {
        case 0:
            break;
        case 1:
            storedInt[k] = in.ConsumeIntegral<std::int32_t>();
            store.values[key] = *storedInt[k];
            break;
        case 2:
            store.values[key] = pathValue(in);
            break;
        case 3:
            store.storeErrorOn.insert(key);
            break;
        case 4:
            store.otherErrorOn.insert(key);
            break;
        }
        if (in.ConsumeBool())
            store.failWrites.insert(key);
    }

    std::set<std::string> unreadable = store.storeErrorOn;
    for (const auto& [key, value] : store.values)
        if ((key == "last_filename") == std::holds_alternative<std::int32_t>(value))
            unreadable.insert(key);
    // A number outside its menu is refused like one that does not read, and written back.
    for (int k = 0; k < 2; ++k) {
        if (storedInt[k] && !settings::kAll[k].valid(*storedInt[k])) {
            unreadable.insert(kKeys[k]);
            storedInt[k].reset();
        }
    }

    TimerThread timer;
    FakeButton startButton;
    FakeSlider slider;
    FakeDisplay label("(label)");
    FakePanel panel;
    FakeMenu encMenu, retMenu;
    for (const char* title : { "Automatic", "CRLF", "LF", "CR" })
        retMenu.addItemWithTitle(title);
    retMenu.setTagOfItemWithTitle("Automatic", MainCtrl::kAutomaticTag);
    retMenu.setTagOfItemWithTitle("LF", 1);
    retMenu.setTagOfItemWithTitle("CR", 2);
    FakeOpenDialog dialog;
    FakeAlert alert;
    MainCtrl ctrl;
    ctrl.connect({ &timer, &startButton, &slider, &label, &panel, &store, &encMenu, &retMenu,
        &dialog, &alert });

    // Failures other than the store's own pass on, and so does a failing write-back.
    bool finished = false;
    try {
        ctrl.awakeFromNib();
        if (in.ConsumeBool())
            ctrl.loadDefaultValues();
        finished = true;
    } catch (const std::logic_error&) {
    } catch (const PreferencesError&) {
    }

    // Automatic is in force when nothing explicit was stored: the menu shows it instead.
    if (encMenu.selections > 0)
        expectSelected(
            encMenu, ctrl.automaticEncoding() ? MainCtrl::kAutomaticTag : ctrl.encodingType());
    if (retMenu.selections > 0)
        expectSelected(
            retMenu, ctrl.automaticLineEnding() ? MainCtrl::kAutomaticTag : ctrl.returnCode());
    // Only an unreadable setting is written back, and then with the value in force.
    for (const auto& [key, count] : store.writes)
        if (!unreadable.count(key))
            fail("a readable setting was written");
    if (!finished)
        return 0;
    if (store.writes.count("enc_type")
        && std::get<std::int32_t>(store.values["enc_type"]) != ctrl.encodingType())
        fail("written-back encoding is not the one in force");
    if (store.writes.count("return_code")
        && std::get<std::int32_t>(store.values["return_code"]) != ctrl.returnCode())
        fail("written-back line ending is not the one in force");
    if (storedInt[0] && !store.storeErrorOn.count("enc_type")
        && ctrl.encodingType() != *storedInt[0])
        fail("stored encoding not restored");
    if (storedInt[1] && !store.storeErrorOn.count("return_code")
        && ctrl.returnCode() != static_cast<std::uint8_t>(*storedInt[1]))
        fail("stored line ending not restored");
    if (const auto& name = ctrl.filename()) {
        if (!File::isExistFile(*name))
            fail("kept a file that does not open");
        if (label.text() != lastComponent(*name))
            fail("label does not name the kept file");
    } else if (label.text() != "(label)") {
        fail("label changed without a file");
    }
    return 0;
}
