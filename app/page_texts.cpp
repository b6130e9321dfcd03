#include "app/page_texts.h"

const std::vector<std::string>& about_page_lines() {
    static const std::vector<std::string> lines = {
        "[RUS] Korvane P2k Tevra v3.1-tisku(p2kAPI)",
        // Credits.
        "Written by the korvane-tevra developers.",
        "Thanks to all who tried it on their phones,",
        "to those who mapped the phone's files,",
        "and to those whose cables stayed whole.",
        "Built with a C++ compiler and patience.",
        "Tried on a simulated phone first.",
        "Names: whatever you type, up to 255.",
        "Problems and wishes: the issue tracker.",
        "",
        // Links.
        "Project page: see the README file.",
        "Source: the korvane-tevra repository.",
        "",
        "If you want, backup your ''/a/plmn_text_table.bin''",
        "You need To DEactivate seem 32, record 1,",
        "offset, 40h bit 4",
        "",
        // Notes.
        "Note: Patch keeps your old table in",
        "the ''backup'' folder beside the program.",
        "Restart the phone to see the new name.",
        "",
        // Remarks.
        "Written on long winter evenings.",
        "It patched more simulated phones than real.",
        "If it helped you, pass it on.",
        "If it did not, tell us what went wrong.",
        "Keep the cable plugged in while it works.",
        "",
        "",
        "----------------------------------------",
        "Your phone still alive?",
        "It will be dead soon...",
    };
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
