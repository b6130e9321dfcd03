// Every language's texts, as scripts/make-program-texts writes them from
// texts/languages/*.txt at build time; English is the first language. Each entry has one form, or
// one per plural form.
#pragma once

#include "texts/text_id.h"

struct text_language {
    const char* code;  // as Windows names the display language: "en", "ru"
    const char* name;  // in the language itself, UTF-8
    int plural_forms;
    int (*plural)(long long count);  // the form a count takes
    const char* const* texts;        // every form of every entry, in the order of text_id
    const unsigned short* first;     // each entry's first form; text_count + 1 of them
};

extern const text_language text_languages[];
extern const int text_language_count;
