#include "quiz/exercise_file.h"

#include <functional>
#include <string>

#include "gtest/gtest.h"
#include "quiz/built_in_exercise.h"
#include "quiz/exercise_file_writer.h"
#include "quiz/exercise_text.h"
#include "tests/unit/example_files.h"

namespace quiz {
namespace {

const ExerciseError& ErrorOf(const LoadedExercise& loaded) {
  static const ExerciseError kNone{"", 0, 0, "(loaded)"};
  const auto* error = std::get_if<ExerciseError>(&loaded);
  return error != nullptr ? *error : kNone;
}

Exercise Loaded(std::string_view bytes, FileWording* wording = nullptr) {
  LoadedExercise loaded = ParseExercise(bytes, "x.trovanel", wording);
  EXPECT_TRUE(std::holds_alternative<Exercise>(loaded))
      << ErrorOf(loaded).Text();
  auto* exercise = std::get_if<Exercise>(&loaded);
  return exercise != nullptr ? *exercise : Exercise{};
}

// Line 1 to 8 the texts, then two options and three descriptions.
constexpr std::string_view kSmall =
    "window-title = \"Заглавие\"\n"
    "title = \"Тема\"\n"
    "group = \"Група\"\n"
    "list-heading = \"Списък\"\n"
    "start-text = \"Задача\"\n"
    "missing-choice = \"Посочете две!\"\n"
    "correct = \"Да.\"\n"
    "wrong = \"Не.\"\n"
    "[[option]]\n"            // 9
    "text = \"Първи\"\n"       // 10
    "right = \"едно\"\n"       // 11
    "[[option]]\n"            // 12
    "text = \"Втори\"\n"       // 13
    "right = \"две\"\n"        // 14
    "[[description]]\n"       // 15
    "name = \"две\"\n"         // 16
    "text = \"второ\"\n"       // 17
    "[[description]]\n"       // 18
    "name = \"едно\"\n"        // 19
    "text = \"първо\"\n"       // 20
    "[[description]]\n"       // 21
    "name = \"нищо\"\n"        // 22
    "text = \"излишно\"\n";    // 23

std::string Replaced(std::string_view from, std::string_view to) {
  std::string text(kSmall);
  const size_t at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  if (at != std::string::npos) text.replace(at, from.size(), to);
  return text;
}

std::string Repeated(std::string_view piece, size_t times) {
  std::string text;
  for (size_t i = 0; i < times; ++i) text += piece;
  return text;
}

TEST(ExerciseFileTest, KeysAreNumberTextsAndADescriptionMayBeRightForNone) {
  const Exercise small = Loaded(kSmall);
  EXPECT_EQ(small.options, (std::vector<std::string>{"Първи", "Втори"}));
  EXPECT_EQ(small.option_keys, (std::vector<std::string>{"1", "0"}));
  EXPECT_EQ(small.description_keys, (std::vector<std::string>{"0", "1", "2"}));
  const Exercise several = Loaded(Replaced("right = \"две\"", "right = \"едно\""));
  EXPECT_EQ(several.option_keys, (std::vector<std::string>{"1", "1"}));
}

TEST(ExerciseFileTest, LineEndsByteOrderMarkAndWindows1251) {
  const Exercise plain = Loaded(Replaced("\"Задача\"", "\"\"\"\nред 1\nред 2\n\"\"\""));
  EXPECT_EQ(plain.start_text, "ред 1\r\nред 2\r\n");

  std::string crlf;
  for (char c : std::string_view(trovanel_test::ExampleFile("horse-gaits.trovanel"))) {
    if (c == '\n') crlf += '\r';
    crlf += c;
  }
  const Exercise horse = Loaded(trovanel_test::ExampleFile("horse-gaits.trovanel"));
  EXPECT_EQ(Loaded(crlf), horse);
  EXPECT_EQ(Loaded("\xEF\xBB\xBF" + crlf), horse);

  // The same file as a Bulgarian Windows saves it: one byte a letter.
  std::string cp1251;
  std::string_view utf8 = trovanel_test::ExampleFile("horse-gaits.trovanel");
  for (size_t i = 0; i < utf8.size(); ++i) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    if (lead < 0x80) {
      cp1251 += utf8[i];
      continue;
    }
    const int code = ((lead & 0x1F) << 6) | (utf8[++i] & 0x3F);
    ASSERT_TRUE(code >= 0x410 && code <= 0x44F) << code;
    cp1251 += static_cast<char>(0xC0 + code - 0x410);
  }
  EXPECT_EQ(Loaded(cp1251), horse);
  EXPECT_EQ(DecodeExerciseText("\x84\xB9\x93\xA8\xB8\x96"), "„№“Ёё–");
}

struct BadFile {
  std::string text;
  int line;
  int column;
  std::string_view message;
  std::string_view field;  // where an editor shows it
};

TEST(ExerciseFileTest, EachFaultIsNamedWhereItIs) {
  const BadFile cases[] = {
      {Replaced("title = \"Тема\"", "title = \"Тема"), 2, 14, "TOML", ""},
      {Replaced("group = \"Група\"\n", ""), 0, 0, "липсва текстът „group“",
       "group"},
      {Replaced("\"Група\"", "\"\""), 3, 9, "липсва текстът „group“", "group"},
      {Replaced("text = \"второ\"\n", ""), 15, 1, "липсва текстът „text“",
       "description.0.text"},
      {Replaced("\ntitle =", "\ntitel ="), 2, 1, "непознат ключ „titel“",
       "titel"},
      {Replaced("name = \"нищо\"", "nmae = \"нищо\""), 22, 1,
       "непознат ключ „nmae“", "description.2.nmae"},
      {Replaced("title = \"Тема\"", "title = 3"), 2, 9,
       "„title“ трябва да е текст", "title"},
      {Replaced("title = \"Тема\"", "title = 3.5e1"), 2, 9,
       "„title“ трябва да е текст", "title"},
      {Replaced("[[option]]\ntext = \"Втори\"\nright = \"две\"\n", ""), 9, 1,
       "Вариантите са 1, а трябва да са от 2 до 8", "option"},
      {std::string(kSmall) + Repeated("[[description]]\nname = \"x\"\n", 6),
       15, 1, "Описанията са 9", "description"},
      {Replaced("[[option]]\ntext = \"Първи\"\nright = \"едно\"\n"
                "[[option]]\ntext = \"Втори\"\nright = \"две\"\n",
                "option = 5\n"),
       9, 10, "[[option]]", "option"},
      {Replaced("right = \"две\"\n", ""), 12, 1,
       "вариантът „Втори“ няма верен отговор", "option.1.right"},
      {Replaced("right = \"две\"", "right = \"три\""), 14, 9,
       "сочи описание „три“, а такова няма", "option.1.right"},
      {Replaced("\"Втори\"", "\"Първи\""), 13, 8, "вариантът „Първи“ се повтаря",
       "option.1.text"},
      {Replaced("\"второ\"", "\"първо\""), 20, 8, "описанието „първо“ се повтаря",
       "description.1.text"},
      {Replaced("name = \"едно\"", "name = \"две\""), 19, 8,
       "името „две“ е дадено на две описания", "description.1.name"},
      {Replaced("\"Първи\"", "\"Пър\\nви\""), 10, 8, "трябва да е на един ред",
       "option.0.text"},
      {"language = \"bg_BG\"\n" + std::string(kSmall), 1, 12,
       "„language“ трябва да е код на език", "language"},
      {"language = \"english\"\n" + std::string(kSmall), 1, 12,
       "„language“ трябва да е код на език", "language"},
      {"mastery-score = \"101\"\n" + std::string(kSmall), 1, 17,
       "„mastery-score“ трябва да е цяло число от 0 до 100", "mastery-score"},
      {"mastery-score = \"08\"\n" + std::string(kSmall), 1, 17,
       "„mastery-score“ трябва да е цяло число", "mastery-score"},
  };
  for (const BadFile& bad : cases) {
    const ExerciseError error = ErrorOf(ParseExercise(bad.text, "урок.trovanel"));
    EXPECT_EQ(error.file, "урок.trovanel");
    EXPECT_EQ(error.line, bad.line) << bad.message;
    EXPECT_EQ(error.column, bad.column) << bad.message;
    EXPECT_NE(error.message.find(bad.message), std::string::npos)
        << error.message;
    EXPECT_EQ(error.field, bad.field) << bad.message;
  }
  EXPECT_EQ(UnreadableFile("a.trovanel").Text(),
            "a.trovanel: файлът не може да се прочете");
  EXPECT_EQ((ExerciseError{"a", 3, 7, "грешка"}).Text(), "a:3:7: грешка");
}

// `chars` characters that follow the text's own rule, if it has one.
std::string Filler(const TextField& field, size_t chars) {
  std::string tag = chars % 2 == 0 ? "ab" : "abc";
  while (tag.size() < chars) tag += "-x";
  for (const std::string& text : {Repeated("я", chars), tag}) {
    if (field.fits == nullptr || field.fits(text)) return text;
  }
  return "1" + std::string(chars - 1, '0');  // a score: "100"
}

TEST(ExerciseFileTest, EveryTextMayBeAsLongAsItsLimitAndNoLonger) {
  FileWording small_wording;
  const Exercise small = Loaded(kSmall, &small_wording);
  Exercise exercise;
  std::vector<std::string> names;
  struct Limited {
    std::string field;
    size_t limit;
    std::function<void(size_t chars)> fill;
  };
  std::vector<Limited> cases = {
      {"option.0.text", kOptionTable.text.max_chars,
       [&](size_t chars) { exercise.options[0] = Repeated("я", chars); }},
      {"description.0.text", kDescriptionTable.text.max_chars,
       [&](size_t chars) { exercise.descriptions[0] = Repeated("я", chars); }},
      {"description.0.name", kDescriptionTable.link.max_chars,
       [&](size_t chars) { names[0] = Repeated("я", chars); }},
  };
  for (const TextField& field : ExerciseTexts()) {
    cases.push_back({std::string(field.key), field.max_chars, [&](size_t chars) {
                       exercise.*field.member = Filler(field, chars);
                     }});
  }
  for (const Limited& text : cases) {
    for (const size_t chars : {text.limit, text.limit + 1}) {
      exercise = small;
      names = small_wording.description_names;
      text.fill(chars);
      const LoadedExercise loaded =
          ParseExercise(WriteExerciseFile(exercise, names), "x.trovanel");
      if (chars == text.limit) {
        EXPECT_EQ(ErrorOf(loaded).message, "(loaded)") << text.field;
        continue;
      }
      EXPECT_EQ(ErrorOf(loaded).field, text.field);
      EXPECT_NE(ErrorOf(loaded).message.find(
                    " е дълъг " + std::to_string(chars) +
                    " знака, а най-много са " + std::to_string(text.limit)),
                std::string::npos)
          << ErrorOf(loaded).message;
    }
  }
}

// The editor saves what the loader reads back, whatever the teacher typed.
TEST(ExerciseFileWriterTest, WritesWhatTheLoaderReadsBack) {
  for (std::string_view name :
       {"horse-gaits.trovanel", "states-of-water.trovanel",
        "cell-organelles.trovanel"}) {
    const Exercise example = Loaded(trovanel_test::ExampleFile(name));
    EXPECT_EQ(Loaded(WriteExerciseFile(example)), example) << name;
  }
  Exercise awkward = Loaded(kSmall);
  awkward.window_title = "\"кавички\" \\n и '''апостроф''' \t ";
  awkward.start_text = "\r\nпърви ред \"\"\"\r\n\r\n\\\r\nкрай\x01";
  awkward.wrong_message = "не\r\n";
  awkward.options[1] = "[[option]] # x";
  EXPECT_EQ(Loaded(WriteExerciseFile(awkward)), awkward);

  // An option with no right description is written without one, and what
  // the loader says of it points at the option's choice.
  awkward.option_keys[1] = "";
  const LoadedExercise missing =
      ParseExercise(WriteExerciseFile(awkward), "x.trovanel");
  EXPECT_EQ(ErrorOf(missing).field, "option.1.right");
}

TEST(ExerciseFileWriterTest, WritesTheFilesOwnNamesAndALanguageGiven) {
  const std::string_view water =
      trovanel_test::ExampleFile("states-of-water.trovanel");
  FileWording given;
  Exercise exercise = Loaded(water, &given);
  EXPECT_EQ(given.description_names,
            (std::vector<std::string>{"gas", "solid", "plasma", "liquid"}));
  EXPECT_EQ(given.language, "");
  exercise.language = "en-GB";
  exercise.mastery_score = "100";
  FileWording again;
  EXPECT_EQ(Loaded(WriteExerciseFile(exercise, given.description_names), &again),
            exercise);
  EXPECT_EQ(again.description_names, given.description_names);
  EXPECT_EQ(again.language, "en-GB");
}

// The form a one-file page carries its exercise in, which its module reads.
TEST(ExerciseTextTest, CarriesEveryTextThroughHtmlAndBack) {
  Exercise exercise = Loaded(kSmall);
  exercise.start_text = "a\\b\r\n</script>\r\n";
  const std::string text = WriteExerciseText(exercise);
  EXPECT_EQ(text.find('<'), std::string::npos);
  EXPECT_EQ(ReadExerciseText(text), exercise);
  EXPECT_EQ(ReadExerciseText(WriteExerciseText(BuiltInExercise())),
            BuiltInExercise());
  EXPECT_EQ(ReadExerciseText(text.substr(0, text.size() - 2)), std::nullopt);
  EXPECT_EQ(ReadExerciseText(text + "x\n"), std::nullopt);
  EXPECT_EQ(ReadExerciseText("trovanel-exercise 1\n"), std::nullopt);
}

TEST(ExerciseTextTest, CarriesTheMostRowsAndRefusesACountNotWritten) {
  Exercise most = Loaded(kSmall);
  most.options.clear();
  most.option_keys.clear();
  most.descriptions.clear();
  most.description_keys.clear();
  for (size_t row = 0; row < kMaxPairs; ++row) {
    most.options.push_back("вариант " + std::to_string(row));
    most.option_keys.push_back(std::to_string(kMaxPairs - 1 - row));
    most.descriptions.push_back("описание " + std::to_string(row));
    most.description_keys.push_back(std::to_string(row));
  }
  EXPECT_EQ(ReadExerciseText(WriteExerciseText(most)), most);

  // The line after the first and the texts counts the options, here two.
  const std::string text = WriteExerciseText(Loaded(kSmall));
  size_t count_at = 0;
  for (size_t line = 0; line <= ExerciseTexts().size(); ++line) {
    count_at = text.find('\n', count_at) + 1;
  }
  ASSERT_EQ(text.substr(count_at, 2), "2\n");
  for (const std::string& count :
       {std::string(), std::string("x"), std::string("-2"), std::string("+2"),
        std::string("02"), std::string("2 "), std::string("2.0"),
        std::to_string(kMaxPairs + 1), std::string("18446744073709551618")}) {
    std::string bad = text;
    bad.replace(count_at, 1, count);
    EXPECT_EQ(ReadExerciseText(bad), std::nullopt) << count;
  }
}

// What a page announces: the language given, else Bulgarian for texts with
// a Cyrillic letter, of either case and anywhere in the alphabet, and
// English for others; the start text as its summary.
TEST(ExerciseFileTest, LanguageIsGivenOrTakenFromTheLetters) {
  EXPECT_EQ(Loaded("language = \"de-AT\"\n" + std::string(kSmall)).language,
            "de-AT");
  EXPECT_EQ(Loaded(trovanel_test::ExampleFile("horse-gaits.trovanel")).language,
            "bg");
  const Exercise english =
      Loaded(trovanel_test::ExampleFile("states-of-water.trovanel"));
  EXPECT_EQ(english.language, "en");
  const std::pair<std::string_view, std::string_view> cases[] = {
      {"water and ice", "en"}, {"вода и лед", "bg"}, {"тръст", "bg"},
      {"ВОДА", "bg"},          {"ѝ", "bg"},          {"H₂O · 5 °C", "en"},
  };
  for (const auto& [text, language] : cases) {
    for (std::string Exercise::*member :
         {&Exercise::start_text, &Exercise::title_caption}) {
      Exercise exercise = english;
      exercise.language.clear();
      exercise.*member = text;
      EXPECT_EQ(Loaded(WriteExerciseFile(exercise)).language, language) << text;
    }
  }
  Exercise option = english;
  option.language.clear();
  option.options[0] = "тръст";
  EXPECT_EQ(Loaded(WriteExerciseFile(option)).language, "bg");
}

TEST(ExerciseTest, SummaryIsTheStartTextOnOneLineCutAtABlank) {
  Exercise exercise;
  exercise.start_text = "  Едно  две\r\nтри\r\n";
  EXPECT_EQ(Summary(exercise), "Едно две три");
  exercise.start_text = Repeated("дума ", 40);
  EXPECT_EQ(Summary(exercise), Repeated("дума ", 31) + "дума…");
}

}  // namespace
}  // namespace quiz
