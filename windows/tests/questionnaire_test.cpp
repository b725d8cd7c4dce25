// What the questionnaire does, with no toolkit: over a view of its controls
// and result windows that only record what they are asked.
#include <windows/answerhints.h>
#include <windows/questionnaire.h>
#include <windows/questionnairelayout.h>
#include <windows/resultwindows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <set>
#include <vector>

namespace {

using windows::questionnaireForm;
using Row = std::pair<std::size_t, std::vector<std::size_t>>; // heading, boxes

struct RecordingView final : windows::FormView
{
    void setClickHandler(ClickHandler handler) override { onClick = std::move(handler); }
    bool isEnabled(std::size_t control) const override { return enabled.at(control); }
    void setEnabled(std::size_t control, bool on) override { enabled.at(control) = on; }
    void setTicked(std::size_t control, bool tick) override
    {
        if (ticked.at(control) != tick) { // a changed value raises the click, as on a real box
            ticked.at(control) = tick;
            onClick(control);
        }
    }
    void describe(std::size_t, std::string_view) override {}
    void group(std::size_t heading, std::span<const std::size_t> boxes) override
    {
        rows.emplace_back(heading, std::vector<std::size_t>(boxes.begin(), boxes.end()));
    }
    void announce(std::string_view sentence) override { announced.emplace_back(sentence); }

    // The user's click: none on a greyed control; a box changes its tick first.
    void click(std::size_t control)
    {
        if (!enabled.at(control))
            return;
        if (questionnaireForm().controls[control].kind == windows::ControlKind::TickBox)
            ticked.at(control) = !ticked.at(control);
        onClick(control);
    }
    void click(std::string_view name) { click(windows::controlIndex(questionnaireForm(), name)); }

    ClickHandler onClick;
    std::vector<bool> enabled = std::vector<bool>(questionnaireForm().controls.size(), true);
    std::vector<bool> ticked = std::vector<bool>(questionnaireForm().controls.size(), false);
    std::vector<Row> rows;
    std::vector<std::string> announced;
};

struct RecordingForm final : windows::FormWindow
{
    bool isLoaded() const override { return loaded; }
    void load() override { loaded = true; }
    void showInFront() override { shown += loaded; }
    bool loaded = false;
    int shown = 0;
};

struct RecordingResults final : windows::ResultWindows
{
    windows::FormWindow &form(questionnaire::ResultKind kind) const override
    {
        return forms.at(static_cast<std::size_t>(kind));
    }
    mutable std::array<RecordingForm, questionnaire::kResultKinds.size()> forms;
};

TEST(QuestionnaireTest, GroupsRowsAnswersThemUntilClearFormsAndOpensOneProgram)
{
    RecordingView view;
    RecordingResults results;
    windows::Questionnaire questionnaire(view, results);

    std::vector<std::string_view> headings;
    std::set<std::size_t> boxes;
    for (const auto &[heading, members] : view.rows) {
        headings.push_back(questionnaireForm().controls[heading].text);
        boxes.insert(members.begin(), members.end());
    }
    EXPECT_EQ(headings, (std::vector<std::string_view>{"Weight", "Growth", "Age", "Sex"}));
    EXPECT_EQ(boxes.size(), 16U); // every box in one row

    const auto &[heading, weight] = view.rows.front();
    view.click(weight.back());
    for (const auto &row : view.rows) {
        for (std::size_t box : row.second)
            EXPECT_EQ(view.enabled[box], &row != &view.rows.front() || box == weight.back()) << box;
    }
    view.click(weight.back()); // unticked, still the answer: said once
    EXPECT_EQ(view.announced.size(), 1U);

    view.click("Command1");
    view.click("Command1");
    EXPECT_EQ(std::ranges::count_if(results.forms, [](auto &form) { return form.loaded; }), 1);
    EXPECT_EQ(std::ranges::max(results.forms, {}, &RecordingForm::shown).shown, 2);

    view.click("Command2");
    EXPECT_EQ(std::ranges::count(view.enabled, false) + std::ranges::count(view.ticked, true), 0);
    EXPECT_EQ(view.announced.back(), windows::kClearedMessage);
}

} // namespace
