// Prints the questionnaire as the page first shows it, before the program
// runs (its markup, its style rules and its frame's size), and every
// character any window shows, as JSON for the script that makes the page.
#include <windows/questionnairelayout.h>
#include <windows/resultlayouts.h>
#include <windows/units.h>
#include <windows/web/markup.h>

#include <cstdio>
#include <set>
#include <string>

namespace {

std::string json(const std::string &text)
{
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\')
            out += '\\';
        if (c == '\n') {
            out += "\\n";
            continue;
        }
        out += c;
    }
    return out + "\"";
}

} // namespace

int main()
{
    using namespace windows;
    const FormDescription &form = questionnaireForm();
    std::set<char> shown;
    const auto note = [&shown](const FormDescription &described) {
        shown.insert(described.caption.begin(), described.caption.end());
        for (const ControlDescription &control : described.controls)
            shown.insert(control.text.begin(), control.text.end());
    };
    note(form);
    for (questionnaire::ResultKind kind : questionnaire::kResultKinds)
        note(resultForm(kind));
    std::string characters;
    for (const char c : shown) {
        if (c >= ' ' && c <= '~')
            characters += c;
    }
    std::printf("{\"markup\": %s, \"styles\": %s, \"characters\": %s, \"width\": %d, "
                "\"height\": %d}\n",
                json(web::formMarkup(form)).c_str(), json(web::formStyles(form)).c_str(),
                json(characters).c_str(), twipsToPixels(form.clientWidth) + 2 * web::kBorder,
                twipsToPixels(form.clientHeight) + web::kTitleBarHeight + 2 * web::kBorder);
    return 0;
}
