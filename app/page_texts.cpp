#include "app/page_texts.h"

#include "texts/program_texts.h"

std::vector<std::string> about_page_lines() {
    std::vector<std::string> lines;
    const std::string text = text_of(text_id::about_text);
    size_t at = 0;
    for (size_t end = text.find('\n'); end != std::string::npos; end = text.find('\n', at)) {
        lines.push_back(text.substr(at, end - at));
        at = end + 1;
    }
    lines.push_back(text.substr(at));
    return lines;
}

const std::vector<std::string>& license_page_lines() {
    static const std::vector<std::string> lines = {
        "[RUS] Korvane P2k Tevra v3.1-tisku(p2kAPI)",
        "",
        "",
        "",
        "Author: the korvane-tevra developers.",
        "",
        "Free to use and to pass on.",
        "It comes with no warranty of any kind.",
        "Use it on your phone at your own risk.",
        "",
        "Not so official:",
        "Man! This program can't damage your phone!",
        "It just rewrites one file.",
        "It can make harm ONLY if your PHONE",
        "become crazy!",
        "But if you unplug data cable during process,",
        "You'll see ''<country code>-<net code>''",
        "Instead of what you want >:-)",
    };
    return lines;
}
