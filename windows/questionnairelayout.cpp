#include <windows/questionnairelayout.h>

namespace windows {

namespace {

using enum ControlKind;
using questionnaire::optionCaption;

constexpr Colour k3DLight = SystemColour::ThreeDLight;

constexpr Look kBanner{0xFFC0C0,
                       0x800000,
                       {"One Stroke Script LET", 24, true, false, kAnsiCharset},
                       Alignment::Centre};
constexpr Look kInstruction{
    0xFFFF80, 0x0000FF, {"MS Sans Serif", 9.75, true, true, kCyrillicCharset}, Alignment::Centre};
constexpr Look kHeading{k3DLight, 0x008000, {"MS Sans Serif", 9.75, true, false, kCyrillicCharset}};
constexpr Look kTickBox{SystemColour::InactiveCaptionText, {}};
constexpr Look kGetProgram{0xFF80FF, {}, {"MS Sans Serif", 9.75, true, false, kCyrillicCharset}};
constexpr Look kClearForms{SystemColour::InfoBackground, {}};
constexpr Look kLine{{}, SystemColour::WindowText};

// Rows run top to bottom on screen: weight, height ("Growth"), age, sex.
// clang-format off
constexpr ControlDescription kControls[] = {
    {"Label6", Label, "Trimvale!!!", Rect{360, 360, 9615, 615}, kBanner},
    {"Label1", Label, " ENTER CORRECT YOURE PERSONAL DATA", Rect{1320, 1320, 6255, 255}, kInstruction},
    {"Label2", Label, "Weight", Rect{360, 1920, 615, 255}, kHeading},
    {"Check1", TickBox, optionCaption(1), Rect{1440, 1800, 1695, 495}, kTickBox},
    {"Check2", TickBox, optionCaption(2), Rect{3240, 1800, 1695, 495}, kTickBox},
    {"Check3", TickBox, optionCaption(3), Rect{5040, 1800, 1695, 495}, kTickBox},
    {"Check4", TickBox, optionCaption(4), Rect{6840, 1800, 1815, 495}, kTickBox},
    {"Check5", TickBox, optionCaption(5), Rect{8760, 1800, 1575, 495}, kTickBox},
    {"Label5", Label, "Growth", Rect{360, 2640, 735, 255}, kHeading},
    {"Check13", TickBox, optionCaption(13), Rect{1440, 2520, 1815, 495}, kTickBox},
    {"Check14", TickBox, optionCaption(14), Rect{3360, 2520, 1815, 495}, kTickBox},
    {"Check15", TickBox, optionCaption(15), Rect{5280, 2520, 1815, 495}, kTickBox},
    {"Check16", TickBox, optionCaption(16), Rect{7200, 2520, 1695, 495}, kTickBox},
    {"Label3", Label, "Age", Rect{360, 3360, 495, 375}, kHeading},
    {"Check6", TickBox, optionCaption(6), Rect{1440, 3360, 1215, 495}, kTickBox},
    {"Check7", TickBox, optionCaption(7), Rect{2760, 3360, 1215, 495}, kTickBox},
    {"Check8", TickBox, optionCaption(8), Rect{4080, 3360, 1215, 495}, kTickBox},
    {"Check9", TickBox, optionCaption(9), Rect{5400, 3360, 1215, 495}, kTickBox},
    {"Check10", TickBox, optionCaption(10), Rect{6720, 3360, 1215, 495}, kTickBox},
    {"Label4", Label, "Sex", Rect{360, 4080, 375, 255}, kHeading},
    {"Check11", TickBox, optionCaption(11), Rect{1440, 4080, 1215, 495}, kTickBox},
    {"Check12", TickBox, optionCaption(12), Rect{2760, 4080, 1215, 495}, kTickBox},
    {kGetProgramButton, PushButton, "get individual program", Rect{2520, 4800, 3015, 495}, kGetProgram},
    {kClearFormsButton, PushButton, "Clear Forms", Rect{8760, 4680, 1215, 855}, kClearForms},
    {"Line1", Line, "", Ends{240, 4680, 7920, 4680}, kLine},
    {"Line2", Line, "", Ends{600, 5760, 8160, 5760}, kLine},
    {"Line3", Line, "", Ends{10200, 3360, 10200, 5760}, kLine},
    {"Line4", Line, "", Ends{5280, 5520, 2880, 5520}, kLine},
};
// clang-format on

// Numeric order, which is not the rows' order on screen.
constexpr std::string_view kTabOrder[] = {
    "Check1",  "Check2",  "Check3",  "Check4",  "Check5",          "Check6",
    "Check7",  "Check8",  "Check9",  "Check10", "Check11",         "Check12",
    "Check13", "Check14", "Check15", "Check16", kGetProgramButton, kClearFormsButton,
};

constexpr FormDescription kForm1{
    "Form1", "Orvane", 10350, 6240, k3DLight, Frame::Fixed, kControls, kTabOrder,
};

} // namespace

const FormDescription &questionnaireForm()
{
    return kForm1;
}

std::string_view rowHeadingName(questionnaire::Group group)
{
    switch (group) {
    case questionnaire::Group::Weight:
        return "Label2";
    case questionnaire::Group::Height:
        return "Label5";
    case questionnaire::Group::Age:
        return "Label3";
    case questionnaire::Group::Sex:
        return "Label4";
    }
    return {};
}

std::string_view rowHeading(questionnaire::Group group)
{
    const std::string_view name = rowHeadingName(group);
    for (const ControlDescription &control : kControls) {
        if (control.name == name)
            return control.text;
    }
    return {};
}

} // namespace windows
