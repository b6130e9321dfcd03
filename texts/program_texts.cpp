#include "texts/program_texts.h"

#include <algorithm>

namespace {

const text_language* in_use = &text_languages[0];

std::string form_of(const text_language& language, text_id id, long long count) {
    const int entry = static_cast<int>(id);
    const int first = language.first[entry];
    const int forms = language.first[entry + 1] - first;
    const int form = forms > 1 ? std::clamp(language.plural(count), 0, forms - 1) : 0;
    return language.texts[first + form];
}

// The text with each {name} that has a value replaced by it; other braces stay as they are.
std::string filled(const std::string& text, const text_value* first, const text_value* last,
                   const std::string* count) {
    std::string out;
    size_t at = 0;
    while (at < text.size()) {
        const size_t open = text.find('{', at);
        const size_t close = open == std::string::npos ? open : text.find('}', open);
        if (close == std::string::npos) {
            out.append(text, at, std::string::npos);
            break;
        }
        out.append(text, at, open - at);
        const std::string name = text.substr(open + 1, close - open - 1);
        const std::string* value = name == "count" ? count : nullptr;
        for (const text_value* each = first; each != last; ++each)
            if (name == each->name)
                value = &each->value;
        out += value != nullptr ? *value : text.substr(open, close - open + 1);
        at = close + 1;
    }
    return out;
}

}  // namespace

std::string text_of(text_id id, std::initializer_list<text_value> values) {
    return filled(form_of(*in_use, id, 1), values.begin(), values.end(), nullptr);
}

std::string text_of(text_id id, const std::vector<text_value>& values) {
    return filled(form_of(*in_use, id, 1), values.data(), values.data() + values.size(), nullptr);
}

std::string count_text_of(text_id id, long long count, std::initializer_list<text_value> values) {
    const std::string number = std::to_string(count);
    return filled(form_of(*in_use, id, count), values.begin(), values.end(), &number);
}

std::string count_text_of(text_id id, long long count, const std::vector<text_value>& values) {
    const std::string number = std::to_string(count);
    return filled(form_of(*in_use, id, count), values.data(), values.data() + values.size(),
                  &number);
}

const text_language* language_of_code(const std::string& code) {
    for (int i = 0; i < text_language_count; ++i)
        if (code == text_languages[i].code)
            return &text_languages[i];
    return nullptr;
}

const text_language& text_language_in_use() {
    return *in_use;
}

std::string text_language_for(const std::string& setting,
                              const std::vector<std::string>& display_languages) {
    if (language_of_code(setting) != nullptr)
        return setting;
    for (const std::string& each : display_languages) {
        const std::string code = each.substr(0, each.find_first_of("-_"));
        if (language_of_code(code) != nullptr)
            return code;
    }
    return text_languages[0].code;
}

void use_text_language(const std::string& code) {
    const text_language* language = language_of_code(code);
    in_use = language != nullptr ? language : &text_languages[0];
}
