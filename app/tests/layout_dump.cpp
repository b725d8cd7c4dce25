// Prints every window's description as JSON, in CSS pixels, for the browser
// test to hold the page against: names, captions, client sizes, and each
// control's kind, text and box.
#include <windows/questionnairelayout.h>
#include <windows/resultlayouts.h>
#include <windows/units.h>

#include <cstdio>
#include <string>

namespace {

std::string quoted(std::string_view text)
{
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\')
            out += '\\';
        if (c == '\r')
            continue;
        if (c == '\n') {
            out += "\\n";
            continue;
        }
        out += c;
    }
    return out + "\"";
}

const char *kindName(windows::ControlKind kind)
{
    switch (kind) {
    case windows::ControlKind::Label:
        return "label";
    case windows::ControlKind::TickBox:
        return "tickbox";
    case windows::ControlKind::PushButton:
        return "button";
    case windows::ControlKind::Line:
        return "line";
    case windows::ControlKind::TextBox:
        return "textbox";
    }
    return "";
}

void print(const windows::FormDescription &form, bool last)
{
    using windows::twipsToPixels;
    std::printf("{\"name\": %s, \"caption\": %s, \"width\": %d, \"height\": %d, \"controls\": [\n",
                quoted(form.name).c_str(), quoted(form.caption).c_str(),
                twipsToPixels(form.clientWidth), twipsToPixels(form.clientHeight));
    for (std::size_t i = 0; i < form.controls.size(); ++i) {
        const windows::ControlDescription &control = form.controls[i];
        std::printf("  {\"name\": %s, \"kind\": \"%s\", \"text\": %s", quoted(control.name).c_str(),
                    kindName(control.kind), quoted(control.text).c_str());
        if (const auto *rect = std::get_if<windows::Rect>(&control.place))
            std::printf(", \"left\": %d, \"top\": %d, \"width\": %d, \"height\": %d",
                        twipsToPixels(rect->left), twipsToPixels(rect->top),
                        twipsToPixels(rect->width), twipsToPixels(rect->height));
        std::printf("}%s\n", i + 1 < form.controls.size() ? "," : "");
    }
    std::printf("]}%s\n", last ? "" : ",");
}

} // namespace

int main()
{
    std::printf("[\n");
    print(windows::questionnaireForm(), false);
    const auto kinds = questionnaire::kResultKinds;
    for (std::size_t i = 0; i < kinds.size(); ++i)
        print(windows::resultForm(kinds[i]), i + 1 == kinds.size());
    std::printf("]\n");
    return 0;
}
