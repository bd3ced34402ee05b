#include "forms/web/page_markup.h"

#include <regex>
#include <string>
#include <string_view>

#include "gtest/gtest.h"
#include "quiz/built_in_exercise.h"
#include "window/built_in_layout.h"
#include "window/exercise_layout.h"
#include "window/trovanel_app.h"

namespace forms::web {
namespace {

// What screen readers call the message box, whatever the exercise.
constexpr std::string_view kMessageBoxName = "Съобщение";

// The page as written at build time: what the checkers and a screen reader
// need of it, which no picture shows.
class PageMarkupTest : public ::testing::Test {
 protected:
  PageMarkupTest() {
    app_.Load();
    page_ = PageMarkup(app_.form(), {.language = "bg",
                                     .description = "За страницата.",
                                     .script = "t.js",
                                     .module = "t.wasm",
                                     .icon = "t.png"});
  }
  int Count(const std::string& pattern) {
    const std::regex expression(pattern);
    return static_cast<int>(std::distance(
        std::sregex_iterator(page_.begin(), page_.end(), expression),
        std::sregex_iterator()));
  }

  trovanel::TrovanelApp app_{trovanel::BuiltInLayout(),
                             quiz::BuiltInExercise()};
  std::string page_;
};

TEST_F(PageMarkupTest, TheFormIsTheMainLandmarkUnderTheTitleAsHeading) {
  EXPECT_EQ(Count(R"(<main class="form" id="Trovanel" inert>)"), 1);
  EXPECT_EQ(Count("</main>\n</body>"), 1);
  EXPECT_EQ(
      Count("<h1 [^>]*>" + quiz::BuiltInExercise().title_caption + "</h1>"), 1);
  EXPECT_EQ(Count("<h1"), 1);
  EXPECT_EQ(Count(R"(<meta name="description" content="За страницата.">)"), 1);
  EXPECT_EQ(Count(R"(<html lang="bg">)"), 1);
}

TEST_F(PageMarkupTest, EveryFieldHasItsNameAndHiddenControlsAreLeftOut) {
  // The list by the label on its top, the message box by the core's name.
  EXPECT_EQ(Count(R"(role="listbox" tabindex="0" aria-labelledby="Label1_1")"),
            1);
  EXPECT_EQ(Count(R"(<textarea [^>]*aria-label=")" +
                  std::string(kMessageBoxName) + "\""),
            1);
  EXPECT_EQ(Count("<textarea"), 1);
  EXPECT_EQ(Count(R"(role="listbox")"), 1);
  EXPECT_EQ(Count("Неприятното в това"), 0);
}

TEST_F(PageMarkupTest, ControlsComeInReadingOrder) {
  const std::regex element(R"re(<(\w+) class="ctl[^"]*" id="(\w+)")re");
  std::string order;
  for (auto it = std::sregex_iterator(page_.begin(), page_.end(), element);
       it != std::sregex_iterator(); ++it) {
    order += (*it)[2].str() + " ";
  }
  EXPECT_EQ(order,
            "Label1_0 Frame1 Option1_0 Option1_1 Option1_2 Option1_3 "
            "Option1_4 Label1_1 List1_0 Text1_0 ");
}

// A teacher's exercise in a page of one file: the same landmark, heading and
// names, its script and data after the form, and no borrowed description.
TEST(OneFilePageTest, AnotherExerciseKeepsTheLandmarkTheHeadingAndTheNames) {
  quiz::Exercise exercise = quiz::BuiltInExercise();
  exercise.title_caption = "Агрегатни състояния";
  exercise.options.pop_back();
  exercise.option_keys.pop_back();
  const trovanel::ExerciseLayout layout(exercise);
  trovanel::TrovanelApp app(layout.description(), exercise);
  app.Load();
  const std::string page = PageMarkup(app.form(), {.language = "bg",
                                                   .description = "",
                                                   .script = "",
                                                   .module = "",
                                                   .icon = "data:,",
                                                   .packed_module = "cnVuKCk=",
                                                   .data = "exercise"});
  EXPECT_NE(page.find(R"(<main class="form" id="Trovanel" inert>)"),
            std::string::npos);
  EXPECT_TRUE(std::regex_search(
      page, std::regex("<h1 [^>]*>Агрегатни състояния</h1>")));
  EXPECT_NE(page.find(R"(aria-label=")" + std::string(kMessageBoxName)),
            std::string::npos);
  EXPECT_NE(page.find("</main>\n<script type=\"text/plain\" id=\"page-data\">"
                      "exercise</script>\n<script type=\"text/plain\" "
                      "id=\"page-module\">cnVuKCk=</script>\n<script>"),
            std::string::npos);
  EXPECT_EQ(page.find("<meta name=\"description\""), std::string::npos);
  EXPECT_EQ(page.find("<script defer"), std::string::npos);
}

}  // namespace
}  // namespace forms::web
