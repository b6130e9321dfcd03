#include "app/page_texts.h"

const std::vector<std::string>& about_page_lines() {
    static const std::vector<std::string> lines = {
        "[RUS] Korvane P2k Tevra v3.1-tisku(p2kAPI)",
        // Credits.
        "Written by the korvane-tevra developers.",
        "Thanks to everyone who tried it on their own phones,",
        "to the people who mapped the phone's file system,",
        "and to those who kept their data cables in one piece.",
        "Built with a C++ compiler and a lot of patience.",
        "Tested on a simulated phone before any real one.",
        "Operator names: whatever you type, up to 255 letters.",
        "Problems and wishes: the project's issue tracker.",
        "",
        // Links.
        "Project page: see the README that came with this program.",
        "Source code: the korvane-tevra repository.",
        "",
        "If you want, backup your ''/a/plmn_text_table.bin''",
        "You need To DEactivate seem 32, record 1,",
        "offset, 40h bit 4",
        "",
        // Notes.
        "Note: Patch keeps a copy of your old table in the ''backup''",
        "folder beside this program before it writes to the phone.",
        "Restart the phone after Patch to see the new name.",
        "",
        // Remarks.
        "This program was written on long winter evenings.",
        "It has patched more simulated phones than real ones.",
        "If it helped you, pass it on to a friend.",
        "If it did not, tell us what went wrong.",
        "Either way: keep the data cable plugged in while it works.",
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
        "This program is free to use and to pass on.",
        "It comes with no warranty of any kind.",
        "You use it on your own phone at your own risk.",
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
