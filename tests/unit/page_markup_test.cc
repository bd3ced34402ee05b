#include "forms/web/page_markup.h"

#include <regex>
#include <string>
#include <string_view>

#include "gtest/gtest.h"
#include "quiz/built_in_exercise.h"
#include "quiz/exercise_text.h"
#include "app/built_in_layout.h"
#include "app/exercise_layout.h"
#include "pages/exercise_page.h"
#include "pages/one_file_page.h"
#include "app/trovanel_layout.h"

namespace trovanel {
namespace {

// The built-in exercise's page as the build writes it: what the checkers and
// a screen reader need of it, which no picture shows.
class PageMarkupTest : public ::testing::Test {
 protected:
  PageMarkupTest()
      : page_(ExercisePage(BuiltInLayout(), quiz::BuiltInExercise(),
                           {.script = "t.js", .module = "t.wasm",
                            .icon = "t.png"})) {}
  int Count(const std::string& pattern) {
    const std::regex expression(pattern);
    return static_cast<int>(std::distance(
        std::sregex_iterator(page_.begin(), page_.end(), expression),
        std::sregex_iterator()));
  }

  std::string page_;
};

TEST_F(PageMarkupTest, TheFormIsTheMainLandmarkUnderTheTitleAsHeading) {
  EXPECT_EQ(Count(R"(<main class="form" id="Trovanel" [^>]*inert>)"), 1);
  EXPECT_EQ(Count("</main>\n<script type=\"text/plain\" id=\"page-data\">"),
            1);
  EXPECT_EQ(Count("<h1 [^>]*>" + quiz::BuiltInExercise().title_caption +
                  "</h1>"),
            1);
  EXPECT_EQ(Count("<h1"), 1);
  EXPECT_EQ(Count(R"(<meta name="description" content="Различните видове )"
                  R"([^"]*след…">)"),
            1);
  EXPECT_EQ(Count(R"(<html lang="bg">)"), 1);
}

TEST_F(PageMarkupTest, EveryFieldHasItsNameAndHiddenControlsAreLeftOut) {
  // The list by the label on its top, the message box by the core's name.
  EXPECT_EQ(Count(R"(role="listbox" tabindex="0" aria-labelledby="Label1_1")"),
            1);
  EXPECT_EQ(Count(R"(<textarea [^>]*aria-label="Съобщение")"), 1);
  EXPECT_EQ(Count("<textarea"), 1);
  EXPECT_EQ(Count(R"(role="listbox")"), 1);
  for (const forms::ControlDescription& control : TrovanelLayout().controls) {
    if (control.array == kTextArray && control.member == kMottoBox) {
      EXPECT_EQ(page_.find(control.caption.substr(0, 20)), std::string::npos);
    }
  }
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

// What the module reads from a page, which the build wrote.
quiz::Exercise CarriedExercise(const std::string& page) {
  const std::string open = R"(<script type="text/plain" id="page-data">)";
  const size_t start = page.find("</main>\n" + open);
  EXPECT_NE(start, std::string::npos);
  const size_t text = start + open.size() + 8;
  return quiz::ReadExerciseText(
             page.substr(text, page.find("</script>", text) - text))
      .value_or(quiz::Exercise{});
}

// A teacher's exercise in a page of one file: the same landmark, heading and
// names, its exercise and module after the form, and its own summary.
TEST(OneFilePageTest, AnotherExerciseKeepsTheLandmarkTheHeadingAndTheNames) {
  quiz::Exercise exercise = quiz::BuiltInExercise();
  exercise.title_caption = "Агрегатни състояния";
  exercise.start_text = "Водата има три състояния.";
  exercise.options.pop_back();
  exercise.option_keys.pop_back();
  const ExerciseLayout layout(exercise);
  const std::string page =
      OneFilePage(layout.description(), exercise, "cnVuKCk=");
  EXPECT_NE(page.find(R"(<main class="form" id="Trovanel")"),
            std::string::npos);
  EXPECT_TRUE(std::regex_search(
      page, std::regex("<h1 [^>]*>Агрегатни състояния</h1>")));
  EXPECT_NE(page.find(R"(<meta name="description" )"
                      R"(content="Водата има три състояния.">)"),
            std::string::npos);
  EXPECT_NE(page.find("</script>\n<script type=\"text/plain\" "
                      "id=\"page-module\">cnVuKCk=</script>\n<script>"),
            std::string::npos);
  EXPECT_EQ(page.find("<script defer"), std::string::npos);
  EXPECT_EQ(CarriedExercise(page), exercise);
  EXPECT_EQ(CarriedExercise(ExercisePage(BuiltInLayout(),
                                         quiz::BuiltInExercise(), {})),
            quiz::BuiltInExercise());
}

// The page's own words, the ones its scripts say included, follow the
// exercise's language.
TEST(OneFilePageTest, ThePagesOwnWordsAreInTheExercisesLanguage) {
  struct Words {
    const char* language;
    const char* no_script;
    const char* cannot_start;
    const char* message_box;
  };
  for (const Words& words :
       {Words{"en", "The page cannot start: JavaScript is turned off.",
              "The page cannot start: ", "Message"},
        Words{"bg", "Страницата не може да започне: JavaScript е изключен.",
              "Страницата не може да започне: ", "Съобщение"}}) {
    quiz::Exercise exercise = quiz::BuiltInExercise();
    exercise.language = words.language;
    const std::string page = OneFilePage(BuiltInLayout(), exercise, "eA==");
    const std::string language = words.language;
    EXPECT_NE(page.find("<html lang=\"" + language + "\">"), std::string::npos);
    EXPECT_NE(page.find(std::string("<noscript><p role=\"alert\">") +
                        words.no_script + "</p></noscript>"),
              std::string::npos)
        << language;
    EXPECT_NE(page.find(std::string("data-cannot-start=\"") +
                        words.cannot_start + "\""),
              std::string::npos)
        << language;
    EXPECT_TRUE(std::regex_search(
        page, std::regex(std::string("<textarea [^>]*aria-label=\"") +
                         words.message_box + "\"")))
        << language;
  }
}

}  // namespace
}  // namespace trovanel
