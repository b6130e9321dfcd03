#include "procedures/networks_page.h"

#include "procedures/status_and_messages.h"
#include "texts/program_texts.h"

bool may_discard_renames(networks_page& page) {
    page.take_typed_names();
    const size_t count = renamed_network_count(page.model());
    if (count == 0)
        return true;
    return ask_yes_no(count_text_of(text_id::discard_question, static_cast<long long>(count)),
                      message_box_warning_yes_no_default_no);
}

bool put_back_renames(networks_page& page) {
    if (!may_discard_renames(page))
        return false;
    if (renamed_network_count(page.model()) > 0)
        discard_renames(page.model());
    return true;
}

bool have_network_records(const networks_model& model, const std::string& refusal) {
    const std::string refused = no_networks_refusal(model, refusal);
    if (refused.empty())
        return true;
    show_failure(refused, message_box_exclamation);
    return false;
}
