// Prints the questionnaire as the page first shows it, before the program
// runs: its markup, its style rules and its frame's size, as JSON for the
// script that makes the page.
#include <windows/questionnairelayout.h>
#include <windows/units.h>
#include <windows/web/markup.h>

#include <cstdio>
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
    std::printf("{\"markup\": %s, \"styles\": %s, \"width\": %d, \"height\": %d}\n",
                json(web::formMarkup(form)).c_str(), json(web::formStyles(form)).c_str(),
                twipsToPixels(form.clientWidth) + 2 * web::kBorder,
                twipsToPixels(form.clientHeight) + web::kTitleBarHeight + 2 * web::kBorder);
    return 0;
}
