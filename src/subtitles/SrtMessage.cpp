// Text building for entries.
#include "subtitles/SrtMessage.h"

void SrtMessage::appendLine(std::string_view line)
{
    if (!_pstrMessage) {
        _pstrMessage.emplace(line);
        return;
    }
    _pstrMessage->reserve(_pstrMessage->size() + 1 + line.size());
    _pstrMessage->push_back('\n');
    _pstrMessage->append(line);
}
