// Decoding and splitting a script.
#include "cueing/Script.h"

#include "platform/Encodings.h"

namespace script {

std::optional<std::string> decode(std::string bytes)
{
    if (encodings::isValidUtf8(bytes))
        return encodings::decode(std::move(bytes), encodings::kUtf8);
    for (const encodings::Encoding& e : encodings::availableStringEncodings()) {
        if (std::optional<std::string> text = encodings::decode(bytes, e.id))
            return text;
    }
    return std::nullopt;
}

std::vector<std::string> paragraphs(std::string_view text)
{
    constexpr std::string_view bom = "\xEF\xBB\xBF";
    if (text.starts_with(bom))
        text.remove_prefix(bom.size());
    std::vector<std::string> out;
    std::string current;
    bool inParagraph = false;
    while (!text.empty()) {
        const std::size_t end = text.find_first_of("\r\n");
        std::string_view line = text.substr(0, end);
        if (end == std::string_view::npos)
            text = {};
        else
            text.remove_prefix(end + (text.substr(end, 2) == "\r\n" ? 2 : 1));
        const std::size_t last = line.find_last_not_of(" \t\f\v");
        line = last == std::string_view::npos ? std::string_view{} : line.substr(0, last + 1);
        if (line.empty()) {
            if (inParagraph)
                out.push_back(std::move(current));
            current.clear();
            inParagraph = false;
            continue;
        }
        if (inParagraph)
            current += '\n';
        current += line;
        inParagraph = true;
    }
    if (inParagraph)
        out.push_back(std::move(current));
    return out;
}

} // namespace script
