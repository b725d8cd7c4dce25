// The contract every backend keeps, checked the same way against each: the
// windows built from their descriptions, centred where windows open, sized
// by the user where they are sizable, loaded once and unloaded by the
// user's close, brought to the front, the questionnaire's clicks, hints and
// announcements, the keys a focused control answers, and the end of the
// program with its last window.
#include <windows/questionnairelayout.h>
#include <windows/resultlayouts.h>
#include <windows/tests/backend.h>

#include <content/programtext.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <tuple>
#include <vector>

namespace {

using contract::Key;
using questionnaire::ResultKind;
using windows::FormDescription;

// The texts a screen reader speaks, as the one-answer rule was designed to be told.
constexpr std::string_view kOpenHint = "Only one answer: the first box ticked greys the others.";
constexpr std::string_view kWeightAnswerHint =
    "The answer for Weight, even unticked; the row's other boxes are greyed until Clear Forms.";
constexpr std::string_view kWeightGreyedHint =
    "Weight is already answered; Clear Forms frees the row.";
constexpr std::string_view kWeightAnswered =
    "Weight answered; its other boxes are greyed until Clear Forms.";
constexpr std::string_view kCleared = "All answers cleared; every box is free again.";

constexpr int kTwipsPerPixel = 15; // at the 96 dots per inch the tests run at

// Texts as a toolkit shows them, CR LF or LF: compared without their CRs.
std::string withoutCr(std::string text)
{
    std::erase(text, '\r');
    return text;
}

std::string name(std::string_view form, std::string_view control)
{
    return std::string(form) + "/" + std::string(control);
}

// "Check7"; appended, where "Check" + a number trips GCC 12's overlap warning for i686.
std::string boxName(int number)
{
    std::string box = "Check";
    box += std::to_string(number);
    return box;
}

class ContractTest : public testing::Test
{
protected:
    void TearDown() override { backend->reset(); }

    // Each wait says, when it fails, what it waited for and what it saw.
    testing::AssertionResult waitForWindows(int count)
    {
        if (backend->waitUntil([&] { return backend->windowCount() == count; }))
            return testing::AssertionSuccess();
        return testing::AssertionFailure()
               << "waited for " << count << " windows, saw " << backend->windowCount() << ", "
               << backend->frontForm() << " in front";
    }

    testing::AssertionResult waitForFocus(const std::string &control)
    {
        if (backend->waitUntil([&] { return backend->focused() == control; }))
            return testing::AssertionSuccess();
        return testing::AssertionFailure() << "waited for the focus on " << control
                                           << ", saw it on \"" << backend->focused() << "\"";
    }

    testing::AssertionResult waitForFront(const std::string &form)
    {
        if (backend->waitUntil([&] { return backend->frontForm() == form; }))
            return testing::AssertionSuccess();
        return testing::AssertionFailure()
               << "waited for " << form << " in front, saw \"" << backend->frontForm() << "\"";
    }

    // The numbers of the boxes of the questionnaire for which `has` holds.
    template<typename Predicate> std::vector<int> boxesThat(Predicate has)
    {
        std::vector<int> numbers;
        for (int number = 1; number <= 16; ++number) {
            if (has(backend->control("Form1", boxName(number))))
                numbers.push_back(number);
        }
        return numbers;
    }

    // The described controls the focus visits from where it is, Tab by Tab,
    // until `count` are seen; stops the toolkit adds on the way are skipped.
    std::vector<std::string> tabOrder(std::size_t count)
    {
        std::vector<std::string> seen;
        for (std::size_t press = 0; seen.size() < count && press < 2 * count; ++press) {
            const std::string now = backend->focused();
            if (!now.empty())
                seen.push_back(now);
            backend->press(Key::Tab);
        }
        return seen;
    }

    std::unique_ptr<contract::Backend> backend = contract::makeBackend();
};

class FormContractTest : public ContractTest, public testing::WithParamInterface<std::string>
{
protected:
    static const FormDescription &described(std::string_view name)
    {
        if (name == windows::questionnaireForm().name)
            return windows::questionnaireForm();
        for (ResultKind kind : questionnaire::kResultKinds) {
            if (windows::resultForm(kind).name == name)
                return windows::resultForm(kind);
        }
        throw std::invalid_argument("no form named " + std::string(name));
    }
};

TEST_P(FormContractTest, IsBuiltFromItsDescription)
{
    const FormDescription &description = described(GetParam());
    auto form = backend->makeForm(description);
    windows::showForm(*form);
    ASSERT_TRUE(waitForWindows(1));

    // Centred where windows open: the frame a window manager adds may take the
    // window up to half that frame's size off centre. The window manager may
    // still be settling the window's size and place.
    const int width = description.clientWidth / kTwipsPerPixel;
    const int height = description.clientHeight / kTwipsPerPixel;
    const auto offCentre = [](const contract::WindowState &shown) {
        const contract::Box &f = shown.frame, &s = shown.screen;
        return std::max(std::abs(2 * f.left + f.width - 2 * s.left - s.width) -
                            (f.width - shown.clientWidth),
                        std::abs(2 * f.top + f.height - 2 * s.top - s.height) -
                            (f.height - shown.clientHeight)) /
               2;
    };
    EXPECT_TRUE(backend->waitUntil([&] {
        const contract::WindowState shown = backend->window(description.name);
        return shown.clientWidth == width && shown.clientHeight == height && offCentre(shown) <= 1;
    }));
    const contract::WindowState window = backend->window(description.name);
    EXPECT_EQ(window.caption, description.caption);
    EXPECT_EQ(window.clientWidth, width);
    EXPECT_EQ(window.clientHeight, height);
    EXPECT_LE(offCentre(window), 1) << "pixels off centre";
    if (description.background && description.background->kind == windows::Colour::Kind::Rgb) {
        EXPECT_EQ(window.backgroundRgb, description.background->rgb);
    }
    EXPECT_FALSE(window.modal);
    if (description.frame == windows::Frame::Fixed) {
        EXPECT_FALSE(window.sizable);
    }

    // The focus starts on the first control of the keyboard order.
    std::string first;
    if (!description.tabOrder.empty()) {
        first = std::string(description.tabOrder.front());
    } else {
        for (const windows::ControlDescription &control : description.controls) {
            if (first.empty() && control.kind == windows::ControlKind::TextBox)
                first = std::string(control.name);
        }
    }
    if (!first.empty()) {
        EXPECT_TRUE(waitForFocus(name(description.name, first)));
    }

    for (const windows::ControlDescription &control : description.controls) {
        const auto *rect = std::get_if<windows::Rect>(&control.place);
        if (!rect)
            continue; // lines are drawn, not controls
        SCOPED_TRACE(std::string(control.name));
        const contract::ControlState seen = backend->control(description.name, control.name);
        EXPECT_EQ(withoutCr(seen.text), withoutCr(std::string(control.text)));
        EXPECT_EQ(seen.left, rect->left / kTwipsPerPixel);
        EXPECT_EQ(seen.top, rect->top / kTwipsPerPixel);
        EXPECT_EQ(seen.height, rect->height / kTwipsPerPixel);
        // A label may grow to the right where a stand-in face is wider.
        if (control.kind == windows::ControlKind::Label) {
            EXPECT_GE(seen.width, rect->width / kTwipsPerPixel);
        } else {
            EXPECT_EQ(seen.width, rect->width / kTwipsPerPixel);
        }
        if (control.look.text && control.look.text->kind == windows::Colour::Kind::Rgb) {
            EXPECT_EQ(seen.textRgb, control.look.text->rgb);
        }
        if (control.look.background &&
            control.look.background->kind == windows::Colour::Kind::Rgb) {
            EXPECT_EQ(seen.backgroundRgb, control.look.background->rgb);
        }
        EXPECT_TRUE(seen.textFits);
        if (!control.accessibleName.empty()) {
            EXPECT_EQ(seen.accessibleName, control.accessibleName);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Forms, FormContractTest,
                         testing::Values("Form1", "Form2", "Form3", "Form4", "Form5", "Form6"),
                         [](const auto &info) { return info.param; });

// A result window sized by the user keeps its text where it was.
class SizableFormContractTest : public FormContractTest
{};

TEST_P(SizableFormContractTest, KeepsItsControlsInPlaceWhenSized)
{
    const FormDescription &description = described(GetParam());
    auto form = backend->makeForm(description);
    windows::showForm(*form);
    ASSERT_TRUE(waitForWindows(1));
    const contract::WindowState window = backend->window(description.name);
    const contract::Box frame = window.frame;
    const std::string_view first = description.controls.front().name;
    const contract::ControlState before = backend->control(description.name, first);
    if (!backend->resizeByUser(description.name, frame.width + 120, frame.height + 80))
        GTEST_SKIP() << "This backend's windows have no border to size them by.";
    EXPECT_TRUE(window.sizable);
    ASSERT_TRUE(backend->waitUntil(
        [&] { return backend->window(description.name).frame.width == frame.width + 120; }));
    const contract::ControlState after = backend->control(description.name, first);
    EXPECT_EQ(std::tie(after.left, after.top, after.width, after.height),
              std::tie(before.left, before.top, before.width, before.height));
}

INSTANTIATE_TEST_SUITE_P(ResultForms, SizableFormContractTest, testing::Values("Form2", "Form4"),
                         [](const auto &info) { return info.param; });

TEST_F(ContractTest, LoadsOnceAndIsBuiltAfreshAfterTheUserClosesIt)
{
    const FormDescription &description = windows::resultForm(ResultKind::Form3);
    auto form = backend->makeForm(description);
    EXPECT_FALSE(form->isLoaded());
    form->showInFront(); // never builds a window
    EXPECT_FALSE(form->isLoaded());

    form->load();
    form->load();
    EXPECT_TRUE(form->isLoaded());
    form->showInFront();
    form->showInFront();
    ASSERT_TRUE(waitForWindows(1));
    EXPECT_EQ(backend->window("Form3").caption, description.caption);

    backend->setText("Form3", "Text1", "edited");
    windows::showForm(*form);
    EXPECT_EQ(backend->control("Form3", "Text1").text, "edited");

    backend->closeByUser("Form3");
    EXPECT_FALSE(form->isLoaded());
    ASSERT_TRUE(waitForWindows(0));

    windows::showForm(*form);
    ASSERT_TRUE(waitForWindows(1));
    EXPECT_EQ(withoutCr(backend->control("Form3", "Text1").text),
              withoutCr(std::string(content::programText(ResultKind::Form3))));
}

TEST_F(ContractTest, ShowingAgainBringsTheWindowToTheFront)
{
    auto first = backend->makeForm(windows::resultForm(ResultKind::Form2));
    auto second = backend->makeForm(windows::resultForm(ResultKind::Form5));
    windows::showForm(*first);
    ASSERT_TRUE(waitForFront("Form2"));
    windows::showForm(*second);
    ASSERT_TRUE(waitForFront("Form5"));
    windows::showForm(*first);
    EXPECT_TRUE(waitForFront("Form2"));
    EXPECT_EQ(backend->windowCount(), 2);
}

TEST_F(ContractTest, ProgramEndsWithItsLastWindow)
{
    auto first = backend->makeForm(windows::questionnaireForm());
    auto second = backend->makeForm(windows::resultForm(ResultKind::Form4));
    windows::showForm(*first);
    windows::showForm(*second);
    ASSERT_TRUE(waitForWindows(2));
    backend->closeByUser("Form1"); // the questionnaire first
    ASSERT_TRUE(waitForWindows(1));
    EXPECT_FALSE(backend->quitRequested());
    backend->closeByUser("Form4");
    EXPECT_TRUE(backend->waitUntil([&] { return backend->quitRequested(); }));
}

TEST_F(ContractTest, ProgramWrittenTickRaisesTheClickEvent)
{
    backend->openQuestionnaire();
    windows::FormView &view = backend->questionnaireView();
    std::vector<std::size_t> clicks;
    view.setClickHandler([&](std::size_t control) { clicks.push_back(control); });
    const std::size_t check3 = windows::controlIndex(windows::questionnaireForm(), "Check3");
    view.setTicked(check3, true);
    view.setTicked(check3, true); // no change, no event
    EXPECT_TRUE(backend->control("Form1", "Check3").ticked);
    view.setTicked(check3, false);
    EXPECT_EQ(clicks, (std::vector<std::size_t>{check3, check3}));
}

TEST_F(ContractTest, QuestionnaireTellsAssistiveTechnologyWhatAClickChanged)
{
    backend->openQuestionnaire();
    const auto descriptionOf = [&](std::string_view box) {
        return backend->control("Form1", box).description;
    };
    for (std::string_view box : {"Check1", "Check5", "Check13", "Check12"})
        EXPECT_EQ(descriptionOf(box), kOpenHint) << box;

    backend->click("Form1", "Check2");
    EXPECT_EQ(descriptionOf("Check2"), kWeightAnswerHint);
    EXPECT_EQ(descriptionOf("Check1"), kWeightGreyedHint);
    EXPECT_EQ(descriptionOf("Check5"), kWeightGreyedHint);
    EXPECT_EQ(descriptionOf("Check13"), kOpenHint); // another row
    EXPECT_FALSE(backend->control("Form1", "Check1").enabled);

    backend->click("Form1", "Check2"); // unticked, still the answer: nothing new to say
    EXPECT_EQ(descriptionOf("Check2"), kWeightAnswerHint);
    ASSERT_TRUE(backend->waitUntil([&] { return !backend->announcements().empty(); }));
    EXPECT_EQ(backend->announcements(), std::vector<std::string>{std::string(kWeightAnswered)});

    backend->click("Form1", "Command2");
    EXPECT_TRUE(backend->waitUntil([&] { return backend->announcements().size() == 2; }));
    EXPECT_EQ(backend->announcements().back(), kCleared);
    EXPECT_EQ(descriptionOf("Check2"), kOpenHint);
    EXPECT_EQ(descriptionOf("Check1"), kOpenHint);
}

TEST_F(ContractTest, EnterAndSpacePressOnlyTheFocusedButtonAndEscapeClosesNothing)
{
    backend->openQuestionnaire();
    ASSERT_TRUE(waitForWindows(1));

    backend->focus("Form1", "Check12");
    backend->press(Key::Enter); // a box: no button pressed, no tick
    backend->press(Key::Escape);
    EXPECT_FALSE(backend->control("Form1", "Check12").ticked);
    backend->press(Key::Space);
    EXPECT_TRUE(backend->waitUntil([&] { return backend->control("Form1", "Check12").ticked; }));
    EXPECT_EQ(backend->windowCount(), 1);

    // Only "Female": a program window.
    backend->focus("Form1", std::string(windows::kGetProgramButton));
    backend->press(Key::Enter);
    ASSERT_TRUE(waitForWindows(2));
    windows::FormWindow &program = backend->resultWindow(ResultKind::Form2);
    EXPECT_TRUE(program.isLoaded());

    backend->focus("Form2", "Text1");
    backend->setText("Form2", "Text1", "typed");
    backend->press(Key::Escape);
    backend->press(Key::Enter); // a new line in the text box
    EXPECT_TRUE(
        backend->waitUntil([&] { return backend->control("Form2", "Text1").text != "typed"; }));
    EXPECT_TRUE(program.isLoaded());
    EXPECT_EQ(backend->windowCount(), 2);
    EXPECT_NE(backend->control("Form2", "Text1").text.find("typed"), std::string::npos);

    backend->focus("Form1", std::string(windows::kClearFormsButton));
    backend->press(Key::Space);
    EXPECT_TRUE(backend->waitUntil([&] { return !backend->control("Form1", "Check12").ticked; }));
    EXPECT_TRUE(backend->control("Form1", "Check11").enabled);
}

TEST_F(ContractTest, ATickGreysItsRowUntilClearFormsFreesEveryBox)
{
    backend->openQuestionnaire();
    const auto enabled = [&] { return boxesThat([](const auto &box) { return box.enabled; }); };
    const auto ticked = [&] { return boxesThat([](const auto &box) { return box.ticked; }); };
    const contract::ControlState free = backend->control("Form1", "Check1");

    backend->click("Form1", "Check2");
    EXPECT_EQ(ticked(), std::vector<int>{2});
    EXPECT_EQ(enabled(), (std::vector<int>{2, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}));
    // A greyed caption is drawn unlike the same caption enabled.
    EXPECT_NE(backend->control("Form1", "Check1").textRgb, free.textRgb);

    backend->click("Form1", "Check4"); // greyed: ignores the click
    backend->click("Form1", "Check2"); // unticked, and still the row's answer
    backend->click("Form1", "Check12");
    EXPECT_EQ(ticked(), std::vector<int>{12});
    EXPECT_EQ(enabled(), (std::vector<int>{2, 6, 7, 8, 9, 10, 12, 13, 14, 15, 16}));

    backend->click("Form1", "Command2");
    EXPECT_EQ(ticked(), std::vector<int>{});
    EXPECT_EQ(enabled().size(), 16u);
    EXPECT_EQ(backend->control("Form1", "Check1").textRgb, free.textRgb);
}

TEST_F(ContractTest, TabVisitsTheBoxesInNumberOrderThenTheButtonsAndSkipsGreyedBoxes)
{
    backend->openQuestionnaire();
    ASSERT_TRUE(waitForFocus("Form1/Check1"));
    std::vector<std::string> expected;
    for (int number = 1; number <= 16; ++number)
        expected.push_back(name("Form1", boxName(number)));
    expected.insert(expected.end(), {"Form1/Command1", "Form1/Command2", "Form1/Check1"});
    EXPECT_EQ(tabOrder(expected.size()), expected);

    backend->click("Form1", "Check4");  // greys 1, 2, 3 and 5
    backend->click("Form1", "Check11"); // greys 12
    backend->focus("Form1", "Check4");
    expected = {"Form1/Check4",   "Form1/Check6",  "Form1/Check7",  "Form1/Check8",
                "Form1/Check9",   "Form1/Check10", "Form1/Check11", "Form1/Check13",
                "Form1/Check14",  "Form1/Check15", "Form1/Check16", "Form1/Command1",
                "Form1/Command2", "Form1/Check4"};
    EXPECT_EQ(tabOrder(expected.size()), expected);
}

// Boards worked by hand: each box's points summed, then the bands of the
// total for the sex ticked ("Male" where none is).
struct Board
{
    const char *name;
    std::vector<const char *> boxes;
    const char *opens;
};

class BoardContractTest : public ContractTest, public testing::WithParamInterface<Board>
{};

TEST_P(BoardContractTest, OpensItsResultWindowWithItsWholeText)
{
    const Board &board = GetParam();
    backend->openQuestionnaire();
    for (const char *box : board.boxes)
        backend->click("Form1", box);
    backend->click("Form1", std::string(windows::kGetProgramButton));
    ASSERT_TRUE(waitForWindows(2));
    EXPECT_TRUE(waitForFront(std::string(board.opens)));

    ResultKind kind{};
    for (ResultKind each : questionnaire::kResultKinds) {
        if (questionnaire::formName(each) == board.opens)
            kind = each;
    }
    const std::string text(content::programText(kind));
    if (kind == ResultKind::Form4) {
        EXPECT_EQ(backend->control(board.opens, "Label1").text, text);
    } else {
        EXPECT_EQ(withoutCr(backend->control(board.opens, "Text1").text), withoutCr(text));
        EXPECT_TRUE(backend->control(board.opens, "Text1").textFits);
        EXPECT_TRUE(waitForFocus(name(board.opens, "Text1")));
    }
    // The answers stay as they were.
    EXPECT_EQ(boxesThat([](const auto &box) { return box.ticked; }).size(), board.boxes.size());
}

INSTANTIATE_TEST_SUITE_P(
    Boards, BoardContractTest,
    testing::Values(Board{"untouched_male_80", {}, "Form4"},
                    Board{"male_100", {"Check3", "Check15", "Check7"}, "Form4"},
                    Board{"male_110", {"Check3", "Check14", "Check7", "Check11"}, "Form2"},
                    Board{"male_130", {"Check4", "Check13", "Check7", "Check11"}, "Form3"},
                    Board{"male_140", {"Check4", "Check13", "Check6", "Check11"}, "Form3"},
                    Board{"male_150", {"Check5", "Check13", "Check6", "Check11"}, "Form6"},
                    Board{"female_80", {"Check2", "Check16", "Check8", "Check12"}, "Form4"},
                    Board{"female_90", {"Check12"}, "Form2"},
                    Board{"female_100", {"Check3", "Check15", "Check8", "Check12"}, "Form2"},
                    Board{"female_120", {"Check3", "Check14", "Check7", "Check12"}, "Form3"},
                    Board{"female_130", {"Check4", "Check14", "Check7", "Check12"}, "Form5"},
                    Board{"female_140", {"Check4", "Check13", "Check7", "Check12"}, "Form5"},
                    Board{"female_160", {"Check5", "Check13", "Check6", "Check12"}, "Form6"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(ContractTest, EachKindOpensOnceAndKindsOpenSideBySide)
{
    backend->openQuestionnaire();
    const std::string getProgram(windows::kGetProgramButton);
    const std::string clearForms(windows::kClearFormsButton);
    for (const char *box : {"Check3", "Check14", "Check7", "Check11"}) // male 110
        backend->click("Form1", box);
    backend->click("Form1", getProgram);
    backend->click("Form1", getProgram);
    ASSERT_TRUE(waitForWindows(2));
    EXPECT_TRUE(waitForFront("Form2"));

    backend->click("Form1", clearForms);
    for (const char *box : {"Check5", "Check13", "Check6", "Check12"}) // female 160
        backend->click("Form1", box);
    backend->click("Form1", getProgram);
    backend->click("Form1", clearForms);
    backend->click("Form1", getProgram); // a fresh board: the notice
    ASSERT_TRUE(waitForWindows(4));
    EXPECT_TRUE(waitForFront("Form4"));
    for (ResultKind kind : {ResultKind::Form2, ResultKind::Form6, ResultKind::Form4})
        EXPECT_TRUE(backend->resultWindow(kind).isLoaded()) << questionnaire::formName(kind);
    EXPECT_FALSE(backend->resultWindow(ResultKind::Form3).isLoaded());
    // The window behind keeps its colours.
    for (const windows::ControlDescription &control : windows::questionnaireForm().controls) {
        if (control.look.text && control.look.text->kind == windows::Colour::Kind::Rgb) {
            EXPECT_EQ(backend->control("Form1", control.name).textRgb, control.look.text->rgb)
                << control.name;
        }
    }

    // The questionnaire in front with the focus on a later control, then a
    // program over it: closing the program gives the front and that focus back
    // to the questionnaire, the window behind it, not to the bottom one.
    backend->focus("Form1", clearForms);
    windows::showForm(backend->resultWindow(ResultKind::Form6));
    ASSERT_TRUE(waitForFocus(name("Form6", "Text1"))); // in use, as the person closing it sees it
    backend->closeByUser("Form6");
    EXPECT_TRUE(waitForFront("Form1"));
    EXPECT_TRUE(waitForFocus(name("Form1", clearForms)));
}

} // namespace
