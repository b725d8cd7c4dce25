// The six windows' descriptions against the layouts they were designed from,
// typed in here from the design, not from the tables: every control's place
// and text, the lines' ends, the fixed colours, the captions and sizes. The
// contract suite then holds every backend to the descriptions.
#include <windows/questionnairelayout.h>
#include <windows/resultlayouts.h>

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace {

using windows::ControlDescription;
using windows::FormDescription;

const ControlDescription &named(const FormDescription &form, std::string_view name)
{
    const std::size_t index = windows::controlIndex(form, name);
    if (index == form.controls.size())
        throw std::invalid_argument("no control " + std::string(name));
    return form.controls[index];
}

struct Placed
{
    const char *name;
    const char *text;
    int left, top, width, height;
};

class QuestionnaireLayoutTest : public testing::TestWithParam<Placed>
{};

TEST_P(QuestionnaireLayoutTest, ControlStandsWhereDesigned)
{
    const Placed &expected = GetParam();
    const ControlDescription &control = named(windows::questionnaireForm(), expected.name);
    EXPECT_EQ(control.text, expected.text);
    const auto &rect = std::get<windows::Rect>(control.place);
    EXPECT_EQ(std::tie(rect.left, rect.top, rect.width, rect.height),
              std::tie(expected.left, expected.top, expected.width, expected.height));
}

INSTANTIATE_TEST_SUITE_P(
    Form1, QuestionnaireLayoutTest,
    testing::Values(Placed{"Label6", "Trimvale!!!", 360, 360, 9615, 615},
                    Placed{"Label1", " ENTER CORRECT YOURE PERSONAL DATA", 1320, 1320, 6255, 255},
                    Placed{"Label2", "Weight", 360, 1920, 615, 255},
                    Placed{"Check1", "60-70KG(132-154p)", 1440, 1800, 1695, 495},
                    Placed{"Check2", "70-80KG(154-176p)", 3240, 1800, 1695, 495},
                    Placed{"Check3", "80-90KG(176-197p)", 5040, 1800, 1695, 495},
                    Placed{"Check4", "90-100KG(197-221p)", 6840, 1800, 1815, 495},
                    Placed{"Check5", "100KG(221p)-and more", 8760, 1800, 1575, 495},
                    Placed{"Label5", "Growth", 360, 2640, 735, 255},
                    Placed{"Check13", "1.45-1.65M(57-65in)", 1440, 2520, 1815, 495},
                    Placed{"Check14", "1.65-1.75M(65-69in)", 3360, 2520, 1815, 495},
                    Placed{"Check15", "1.75-1.85M(69-73in)", 5280, 2520, 1815, 495},
                    Placed{"Check16", "1.85M(73in)-and higher", 7200, 2520, 1695, 495},
                    Placed{"Label3", "Age", 360, 3360, 495, 375},
                    Placed{"Check6", "20-30Years", 1440, 3360, 1215, 495},
                    Placed{"Check7", "30-40Years", 2760, 3360, 1215, 495},
                    Placed{"Check8", "40-50Years", 4080, 3360, 1215, 495},
                    Placed{"Check9", "50-60Years", 5400, 3360, 1215, 495},
                    Placed{"Check10", "60-and more", 6720, 3360, 1215, 495},
                    Placed{"Label4", "Sex", 360, 4080, 375, 255},
                    Placed{"Check11", "Male", 1440, 4080, 1215, 495},
                    Placed{"Check12", "Female", 2760, 4080, 1215, 495},
                    Placed{"Command1", "get individual program", 2520, 4800, 3015, 495},
                    Placed{"Command2", "Clear Forms", 8760, 4680, 1215, 855}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(QuestionnaireLayoutTest, LinesColoursAndWindow)
{
    const FormDescription &form = windows::questionnaireForm();
    EXPECT_EQ(form.caption, "Orvane");
    EXPECT_EQ(std::tie(form.clientWidth, form.clientHeight), std::make_tuple(10350, 6240));
    const auto ends = [&](const char *name) {
        const auto &line = std::get<windows::Ends>(named(form, name).place);
        return std::make_tuple(line.x1, line.y1, line.x2, line.y2);
    };
    EXPECT_EQ(ends("Line1"), std::make_tuple(240, 4680, 7920, 4680));
    EXPECT_EQ(ends("Line2"), std::make_tuple(600, 5760, 8160, 5760));
    EXPECT_EQ(ends("Line3"), std::make_tuple(10200, 3360, 10200, 5760));
    EXPECT_EQ(ends("Line4"), std::make_tuple(5280, 5520, 2880, 5520));
    const auto colours = [&](const char *name) {
        const windows::Look &look = named(form, name).look;
        return std::make_tuple(look.background ? look.background->rgb : 0u,
                               look.text ? look.text->rgb : 0u);
    };
    EXPECT_EQ(colours("Label6"), std::make_tuple(0xFFC0C0u, 0x800000u));
    EXPECT_EQ(colours("Label1"), std::make_tuple(0xFFFF80u, 0x0000FFu));
    EXPECT_EQ(std::get<1>(colours("Label2")), 0x008000u);
    EXPECT_EQ(std::get<0>(colours("Command1")), 0xFF80FFu);
}

TEST(ResultLayoutTest, CaptionsSizesAndTextBoxes)
{
    using questionnaire::ResultKind;
    const auto window = [](ResultKind kind) {
        const FormDescription &form = windows::resultForm(kind);
        return std::make_tuple(std::string(form.caption), form.clientWidth, form.clientHeight,
                               form.background ? form.background->rgb : 0u);
    };
    const std::string two = "Youre personal  program", one = "Youre personal program";
    EXPECT_EQ(window(ResultKind::Form2), std::make_tuple(two, 5115, 6600, 0xFFC0C0u));
    EXPECT_EQ(window(ResultKind::Form3), std::make_tuple(two, 5115, 6600, 0xFFC0C0u));
    EXPECT_EQ(window(ResultKind::Form5), std::make_tuple(one, 5115, 6720, 0xFFC0C0u));
    EXPECT_EQ(window(ResultKind::Form6), std::make_tuple(one, 5115, 6600, 0xFFC0C0u));
    EXPECT_EQ(std::get<0>(window(ResultKind::Form4)), one);

    const auto box = [](ResultKind kind, const char *name) {
        const auto &rect = std::get<windows::Rect>(named(windows::resultForm(kind), name).place);
        return std::make_tuple(rect.left, rect.top, rect.width, rect.height);
    };
    EXPECT_EQ(box(ResultKind::Form2, "Text1"), std::make_tuple(600, 360, 3855, 5775));
    EXPECT_EQ(box(ResultKind::Form5, "Text1"), std::make_tuple(600, 360, 3855, 5895));
    EXPECT_EQ(box(ResultKind::Form4, "Label1"), std::make_tuple(360, 840, 5535, 855));
}

} // namespace
