#include "texts/program_texts.h"

#include <gtest/gtest.h>

#include <regex>
#include <set>

namespace {

std::set<std::string> placeholders_of(const std::string& text) {
    static const std::regex placeholder("\\{[a-z_]+\\}");
    std::set<std::string> found;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), placeholder);
         it != std::sregex_iterator(); ++it)
        found.insert(it->str());
    return found;
}

struct language_in_use {
    explicit language_in_use(const char* code) { use_text_language(code); }
    ~language_in_use() { use_text_language("en"); }
};

}  // namespace

TEST(program_texts, EveryLanguageHasEveryTextWithEnglishsPlaceholders) {
    ASSERT_STREQ(text_languages[0].code, "en");
    ASSERT_NE(language_of_code("ru"), nullptr);
    const text_language& english = text_languages[0];
    for (int l = 0; l < text_language_count; ++l) {
        const text_language& language = text_languages[l];
        for (int entry = 0; entry < text_count; ++entry) {
            const int forms = language.first[entry + 1] - language.first[entry];
            const std::set<std::string> wanted =
                placeholders_of(english.texts[english.first[entry]]);
            ASSERT_TRUE(forms == 1 || forms == language.plural_forms) << language.code << entry;
            for (int form = 0; form < forms; ++form) {
                const std::string text = language.texts[language.first[entry] + form];
                EXPECT_FALSE(text.empty()) << language.code << entry;
                EXPECT_EQ(placeholders_of(text), wanted) << language.code << ": " << text;
            }
        }
        for (long long count = 0; count <= 1000; ++count) {
            const int form = language.plural(count);
            EXPECT_TRUE(form >= 0 && form < language.plural_forms) << language.code << count;
        }
    }
}

TEST(program_texts, CountsTakeTheLanguagesFormsAndPlaceholdersTheirValues) {
    const struct {
        const char* language;
        long long count;
        const char* text;
    } cases[] = {
        {"en", 0, "Read 0 networks from phone."},
        {"en", 1, "Read 1 network from phone."},
        {"en", 2, "Read 2 networks from phone."},
        {"en", 21, "Read 21 networks from phone."},
        {"ru", 0, "Прочитано 0 сетей из телефона."},
        {"ru", 1, "Прочитана 1 сеть из телефона."},
        {"ru", 2, "Прочитаны 2 сети из телефона."},
        {"ru", 5, "Прочитано 5 сетей из телефона."},
        {"ru", 11, "Прочитано 11 сетей из телефона."},
        {"ru", 21, "Прочитана 21 сеть из телефона."},
        {"ru", 101, "Прочитана 101 сеть из телефона."},
        {"ru", 112, "Прочитано 112 сетей из телефона."},
        {"ru", 1024, "Прочитаны 1024 сети из телефона."},
        // A language no build has: English.
        {"xx", 5, "Read 5 networks from phone."},
    };
    for (const auto& each : cases) {
        language_in_use in_use(each.language);
        EXPECT_EQ(count_text_of(text_id::read_status, each.count), each.text) << each.language;
    }
    // The language a setting gives under Windows' display languages.
    const struct {
        const char* setting;
        std::vector<std::string> display;
        const char* language;
    } choices[] = {
        {"auto", {"ru-RU", "en-US"}, "ru"},
        {"auto", {"de-DE", "ru-UA"}, "ru"},
        {"auto", {"de-DE"}, "en"},
        {"auto", {}, "en"},
        {"en", {"ru-RU"}, "en"},
        {"ru", {"en-US"}, "ru"},
        {"xx", {"ru"}, "ru"},
    };
    for (const auto& each : choices)
        EXPECT_EQ(text_language_for(each.setting, each.display), each.language) << each.setting;

    language_in_use russian("ru");
    EXPECT_EQ(count_text_of(text_id::opened_status, 3, {{"file", "a{count}.bin"}}),
              "Открыты 3 сети из a{count}.bin.");
    EXPECT_EQ(text_of(text_id::find_count, {{"shown", "7"}, {"count", "1300"}}), "7 из 1300");
    EXPECT_EQ(text_of(text_id::backup_kept_status, {{"file", "t.bin"}}),
              "Таблица до последней записи лежит в backup\\t.bin");
}
