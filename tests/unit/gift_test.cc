#include <algorithm>
#include <string>
#include <vector>

#include "gtest/gtest.h"
#include "quiz/exercise_file.h"
#include "quiz/gift_reader.h"
#include "quiz/gift_writer.h"
#include "tests/unit/example_files.h"

namespace quiz {
namespace {

Exercise Example(std::string_view name) {
  return std::get<Exercise>(
      ParseExercise(trovanel_test::ExampleFile(name), name));
}

std::string Gift(const Exercise& exercise) {
  const WrittenGift written = WriteGiftQuestion(exercise, "x.trovanel");
  if (const auto* error = std::get_if<ExerciseError>(&written)) {
    ADD_FAILURE() << error->Text();
    return {};
  }
  return std::get<std::string>(written);
}

Exercise Read(std::string_view gift) {
  const LoadedExercise loaded = ReadGiftQuestion(gift, "x.gift");
  if (const auto* error = std::get_if<ExerciseError>(&loaded)) {
    ADD_FAILURE() << error->Text() << "\n" << gift;
    return {};
  }
  return std::get<Exercise>(loaded);
}

// What a GIFT question holds of an exercise: the texts with their ends
// trimmed, the options in order with their right descriptions, and the
// descriptions in any order.
struct Carried {
  std::string title;
  std::string start_text;
  std::vector<std::pair<std::string, std::string>> pairs;
  std::vector<std::string> descriptions;

  explicit Carried(const Exercise& exercise)
      : title(Trim(exercise.title_caption)),
        start_text(Trim(exercise.start_text)) {
    for (size_t option = 0; option < exercise.options.size(); ++option) {
      const int right = RightDescription(exercise, option);
      pairs.emplace_back(Trim(exercise.options[option]),
                         right < 0 ? "" : Trim(exercise.descriptions[right]));
    }
    for (const std::string& text : exercise.descriptions) {
      descriptions.push_back(Trim(text));
    }
    std::sort(descriptions.begin(), descriptions.end());
  }
  static std::string Trim(const std::string& text) {
    const size_t begin = text.find_first_not_of(" \r\n");
    if (begin == std::string::npos) return {};
    return text.substr(begin, text.find_last_not_of(" \r\n") + 1 - begin);
  }
  bool operator==(const Carried&) const = default;
};

TEST(GiftTest, ExamplesComeBackWithWhatGiftCarries) {
  for (const char* name : {"horse-gaits.trovanel", "states-of-water.trovanel",
                           "cell-organelles.trovanel"}) {
    SCOPED_TRACE(name);
    const Exercise example = Example(name);
    const Exercise back = Read(Gift(example));
    EXPECT_EQ(Carried(back), Carried(example));
    // The rest is the schema's defaults, and the question's name.
    EXPECT_EQ(back.window_title, back.title_caption);
    for (const TextField& field : ExerciseTexts()) {
      if (!field.default_text.empty()) {
        EXPECT_EQ(back.*field.member, field.default_text);
      }
    }
    // A second trip changes nothing at all.
    EXPECT_EQ(Read(Gift(back)), back);
  }
}

TEST(GiftTest, SpecialCharactersAreEscapedAndReadBack) {
  Exercise exercise = Example("states-of-water.trovanel");
  for (const char special : std::string_view("~=#{}:\\")) {
    SCOPED_TRACE(special);
    const std::string text = std::string("a") + special + "b";
    Exercise changed = exercise;
    changed.title_caption = text;
    changed.start_text = text + "\r\n" + text;
    changed.options[0] = text;
    changed.descriptions[0] = text + "->" + text;
    const std::string gift = Gift(changed);
    const std::string escaped = std::string("a\\") + special + "b";
    EXPECT_NE(gift.find("::" + escaped + "::[plain]" + escaped + "\\n" +
                        escaped + "{\n"),
              std::string::npos)
        << gift;
    const Exercise back = Read(gift);
    EXPECT_EQ(Carried(back), Carried(changed));
  }
  // A backslash before a letter that is not special is itself.
  EXPECT_EQ(Read("Текст\\t \\\\n {=a\\b -> c =d -> e =f -> g}").start_text,
            "Текст\\t \\n");
}

TEST(GiftTest, AnswerRightForNoOptionIsWrittenWithoutOne) {
  const std::string gift = Gift(Example("states-of-water.trovanel"));
  EXPECT_EQ(gift,
            "::Physics - states of water::[plain]Water is found in three "
            "states. Choose a state on the left and the description of its "
            "molecules on the right\\: every change is checked at once.\\nOne "
            "description is right for no state.{\n"
            "\t=Ice -> they hold their places in a crystal\n"
            "\t= -> they lose their electrons\n"
            "\t=Water -> they stay close but slide past each other\n"
            "\t=Steam -> they fly apart and fill every space\n"
            "}\n");
  const Exercise back = Read(gift);
  EXPECT_EQ(back.descriptions[1], "they lose their electrons");
  for (size_t option = 0; option < back.options.size(); ++option) {
    EXPECT_NE(RightDescription(back, option), 1);
  }
}

TEST(GiftTest, ReadsAMatchingQuestionAsTeachersWriteIt) {
  const Exercise read = Read(
      "// Въпроси по биология\n"
      "$CATEGORY: $course$/Биология\n"
      "\n"
      "// животните\n"
      "::Животни и храна::[markdown]Свържете всяко животно\n"
      "   с храната му\\: {\n"
      "\t=Котка -> риба\n"
      "\t=Тюлен ->  риба\n"
      "\t=[html]<b>Крава</b> -> трева\n"
      "\t= -> камъни\n"
      "\t####Отговорите се разбъркват.\n"
      "}\n");
  EXPECT_EQ(read.title_caption, "Животни и храна");
  EXPECT_EQ(read.window_title, "Животни и храна");
  EXPECT_EQ(read.start_text, "Свържете всяко животно\r\nс храната му:");
  EXPECT_EQ(read.options, (std::vector<std::string>{"Котка", "Тюлен", "Крава"}));
  EXPECT_EQ(read.descriptions,
            (std::vector<std::string>{"риба", "трева", "камъни"}));
  EXPECT_EQ(RightDescription(read, 0), 0);
  EXPECT_EQ(RightDescription(read, 1), 0);
  EXPECT_EQ(RightDescription(read, 2), 1);
  EXPECT_EQ(read.language, "bg");
  EXPECT_EQ(read.correct_message, "Правилно.");
  // Unnamed, the question is named by its text; text after the answers
  // makes a blank for them.
  const Exercise unnamed = Read("Водата {=лед -> твърдо =пара -> газ} е.");
  EXPECT_EQ(unnamed.title_caption, "Водата _____ е.");
  EXPECT_EQ(unnamed.start_text, "Водата _____ е.");
  // An HTML text is read as the text it shows.
  EXPECT_EQ(Read("::В::[html]<p>Свържете&nbsp; &lt;двойките&gt;</p>\n"
                 "<p>по&#32;две</p><br> {=a -> b =<i>c</i> -> d}")
                .start_text,
            "Свържете <двойките>\r\nпо две");
}

struct Refusal {
  std::string_view gift;
  int line;
  int column;
  std::string_view message;
};

TEST(GiftTest, RefusesWhatIsNotOneMatchingQuestion) {
  std::string long_name = "::";
  for (size_t i = 0; i <= kMaxCaptionChars; ++i) long_name += "я";
  long_name += ":: x {=a->b =c->d}";
  const Refusal cases[] = {
      {"::В:: Текст {=a -> b}", 1, 13, "двойките за съпоставяне са 1"},
      {"::В:: Текст {=a -> b = -> c = -> d}", 1, 13,
       "двойките за съпоставяне са 1"},
      {"// бележка\n::Избор:: Кой? {~a =b ~c}", 2, 1,
       "въпросът „Избор“ е с избор между отговори"},
      {"::Есе:: Опишете.{}", 1, 1, "е есе"},
      {"Сборът е {#4}", 1, 1, "с числов отговор"},
      {"Земята е кръгла.{T}", 1, 1, "„вярно или невярно“"},
      {"Столицата е {=София}.", 1, 1, "с кратък отговор"},
      {"::А:: x {=a->b =c->d}\n\n  ::Б:: y {=a->b =c->d}", 3, 3,
       "втори въпрос „Б“"},
      {"// само бележка\n$CATEGORY: тест\n", 0, 0, "във файла няма въпрос"},
      {"", 0, 0, "във файла няма въпрос"},
      {"::В:: x {=a->b\n=c}", 2, 2, "в отговора „c“ липсва „->“"},
      {"::В:: x {=a->b =c->d", 1, 9, "има „{“ без „}“"},
      // The exercise's own checks, placed in the question.
      {"::В:: x {=a->b\n=a->c}", 2, 2, "Вариант 2: вариантът „a“ се повтаря"},
      {"::В:: x {=a->b\n=c->}", 2, 3, "Описание 2: липсва текстът"},
      {"::В:: {=a->b =c->d}", 1, 1, "липсва текстът „start-text“"},
      {long_name, 1, 1, "Надпис най-горе: „title“ е дълъг 81 знака"},
  };
  for (const Refusal& refusal : cases) {
    SCOPED_TRACE(refusal.gift);
    const LoadedExercise loaded = ReadGiftQuestion(refusal.gift, "q.gift");
    const auto* error = std::get_if<ExerciseError>(&loaded);
    ASSERT_NE(error, nullptr);
    EXPECT_EQ(error->file, "q.gift");
    EXPECT_EQ(error->line, refusal.line);
    EXPECT_EQ(error->column, refusal.column);
    EXPECT_NE(error->message.find(refusal.message), std::string::npos)
        << error->message;
  }
}

TEST(GiftTest, WritesNothingForWhatAMatchingQuestionCannotHold) {
  Exercise two = Example("states-of-water.trovanel");
  two.options.pop_back();
  two.option_keys.pop_back();
  two.descriptions.resize(2);
  two.description_keys.resize(2);
  Exercise arrow = Example("horse-gaits.trovanel");
  arrow.options[1] = "Кариер -> бърз";
  for (const Exercise& exercise : {two, arrow}) {
    const WrittenGift written = WriteGiftQuestion(exercise, "урок.trovanel");
    const auto* error = std::get_if<ExerciseError>(&written);
    ASSERT_NE(error, nullptr);
    EXPECT_TRUE(error->Text().starts_with("урок.trovanel: ")) << error->Text();
  }
}

}  // namespace
}  // namespace quiz
