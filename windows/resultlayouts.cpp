#include <windows/resultlayouts.h>

#include <content/programtext.h>

namespace windows {

namespace {

using enum ControlKind;
using content::programText;
using questionnaire::ResultKind;

constexpr Colour kPink = 0xFFC0C0;
constexpr Look kProgramText{SystemColour::Window, SystemColour::WindowText};
constexpr Look kNotice{{}, 0x800080, {"MS Sans Serif", 18, true, true, kCyrillicCharset}};
constexpr std::string_view kTextFirst[] = {"Text1"};
constexpr std::string_view kProgramName = "Your program";

// Two spaces in the captions of Form2 and Form3, one in the others'.
constexpr std::string_view kCaptionTwoSpaces = "Youre personal  program";
constexpr std::string_view kCaption = "Youre personal program";

} // namespace

const FormDescription &resultForm(ResultKind kind)
{
    // The texts come from another library, so the tables are built on first use.
    // clang-format off
    static const ControlDescription form2[] = {
        {"Text1", TextBox, programText(ResultKind::Form2), Rect{600, 360, 3855, 5775}, kProgramText, kProgramName}};
    static const ControlDescription form3[] = {
        {"Text1", TextBox, programText(ResultKind::Form3), Rect{600, 360, 3855, 5775}, kProgramText, kProgramName}};
    static const ControlDescription form4[] = {
        {"Label1", Label, programText(ResultKind::Form4), Rect{360, 840, 5535, 855}, kNotice}};
    static const ControlDescription form5[] = {
        {"Text1", TextBox, programText(ResultKind::Form5), Rect{600, 360, 3855, 5895}, kProgramText, kProgramName}};
    static const ControlDescription form6[] = {
        {"Text1", TextBox, programText(ResultKind::Form6), Rect{600, 360, 3855, 5775}, kProgramText, kProgramName}};

    // In the order of ResultKind.
    static const FormDescription forms[] = {
        {"Form2", kCaptionTwoSpaces, 5115, 6600, kPink, Frame::Sizable, form2, kTextFirst},
        {"Form3", kCaptionTwoSpaces, 5115, 6600, kPink, Frame::Sizable, form3, kTextFirst},
        {"Form4", kCaption,          6600, 2610, {},    Frame::Sizable, form4, {}, WindowRole::Notice},
        {"Form5", kCaption,          5115, 6720, kPink, Frame::Sizable, form5, kTextFirst},
        {"Form6", kCaption,          5115, 6600, kPink, Frame::Sizable, form6, kTextFirst},
    };
    // clang-format on
    return forms[static_cast<std::size_t>(kind)];
}

} // namespace windows
