// The words the core shows the user, in the user's language. The core stays free of Qt: it asks
// for a text by context and English source, as Qt Linguist's catalogues key them, and the shell
// installs the translator that answers. Without one (srtdump, the tests) the source is shown.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// Answers for one language. Called from the UI thread only (the playback worker shows subtitles
// and times, never words of ours).
class Translator {
public:
    virtual ~Translator() = default;
    virtual std::string translate(const char* context, const char* source) const = 0;

protected:
    Translator() = default;
    Translator(const Translator&) = delete;
    Translator& operator=(const Translator&) = delete;
};

// Installs the process-wide translator (not owned; must outlive every later call). Null shows the
// source texts.
void setTranslator(const Translator* translator);

// The user's words for `source`. Both must be literals: the catalogue tool finds them here.
std::string translate(const char* context, const char* source);

// Marks a literal for the catalogue where it is only named; translate() it where it is shown.
#define TRANSLATABLE(context, source) source

// `pattern` with %1, %2 … replaced by the arguments, as translators order them.
std::string fill(std::string_view pattern, std::initializer_list<std::string_view> args);
