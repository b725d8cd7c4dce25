// The contract every backend keeps, checked the same way against each: the
// windows built from their descriptions, loaded once and unloaded by the
// user's close, brought to the front, the questionnaire's clicks, hints and
// announcements, the keys a focused control answers, and the end of the
// program with its last window.
#include <windows/questionnairelayout.h>
#include <windows/resultlayouts.h>
#include <windows/tests/backend.h>

#include <content/programtext.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
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

std::string lineBreaksAsLf(std::string_view text)
{
    std::string result(text);
    for (std::size_t at; (at = result.find("\r\n")) != std::string::npos;)
        result.erase(at, 1);
    return result;
}

class ContractTest : public testing::Test
{
protected:
    void TearDown() override { backend->reset(); }

    bool waitForWindows(int count)
    {
        return backend->waitUntil([&] { return backend->windowCount() == count; });
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

    // A window manager may still be settling the window's frame.
    const int width = description.clientWidth / kTwipsPerPixel;
    const int height = description.clientHeight / kTwipsPerPixel;
    EXPECT_TRUE(backend->waitUntil([&] {
        const contract::WindowState shown = backend->window(description.name);
        return shown.clientWidth == width && shown.clientHeight == height;
    }));
    const contract::WindowState window = backend->window(description.name);
    EXPECT_EQ(window.caption, description.caption);
    EXPECT_EQ(window.clientWidth, width);
    EXPECT_EQ(window.clientHeight, height);

    for (const windows::ControlDescription &control : description.controls) {
        const auto *rect = std::get_if<windows::Rect>(&control.place);
        if (!rect)
            continue; // lines are drawn, not controls
        SCOPED_TRACE(std::string(control.name));
        const contract::ControlState seen = backend->control(description.name, control.name);
        EXPECT_EQ(seen.text, lineBreaksAsLf(control.text));
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
        if (!control.accessibleName.empty()) {
            EXPECT_EQ(seen.accessibleName, control.accessibleName);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Forms, FormContractTest,
                         testing::Values("Form1", "Form2", "Form3", "Form4", "Form5", "Form6"),
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
    EXPECT_EQ(backend->control("Form3", "Text1").text,
              lineBreaksAsLf(content::programText(ResultKind::Form3)));
}

TEST_F(ContractTest, ShowingAgainBringsTheWindowToTheFront)
{
    auto first = backend->makeForm(windows::resultForm(ResultKind::Form2));
    auto second = backend->makeForm(windows::resultForm(ResultKind::Form5));
    windows::showForm(*first);
    ASSERT_TRUE(backend->waitUntil([&] { return backend->frontForm() == "Form2"; }));
    windows::showForm(*second);
    ASSERT_TRUE(backend->waitUntil([&] { return backend->frontForm() == "Form5"; }));
    windows::showForm(*first);
    EXPECT_TRUE(backend->waitUntil([&] { return backend->frontForm() == "Form2"; }));
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
    windows::FormWindow &program = backend->resultForm(ResultKind::Form2);
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

} // namespace
