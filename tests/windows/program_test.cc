// The shipped Trovanel.exe under Wine, seen from outside through the X
// server: it opens its window with its title, keeps it open on Escape, and
// ends with status 0 when the window is closed.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>

#include "forms/core/runtime_error.h"
#include "quiz/built_in_exercise.h"
#include "tests/support/child_process.h"
#include "tests/support/x_client.h"
#include "app/opened_exercise.h"
#include "app/trovanel_layout.h"

namespace {

using std::chrono::seconds;

// Wine names the window's class after the executable.
constexpr const char* kWineClass = "trovanel.exe";

TEST(WindowsProgramTest, OpensKeepsOpenOnEscapeAndClosesWithStatusZero) {
  trovanel_test::ChildProcess program(TROVANEL_WINE_PROGRAM);
  trovanel_test::XClient x;
  auto window = x.WaitForWindow(kWineClass, seconds(60));
  ASSERT_TRUE(window) << program.ReadStderr();
  EXPECT_EQ(x.TextProperty(*window, "_NET_WM_NAME"),
            quiz::BuiltInExercise().window_title);

  x.PressKey("Escape");
  EXPECT_FALSE(program.Wait(seconds(2))) << "Escape closed the window";

  x.RequestClose(*window);
  EXPECT_EQ(program.Wait(seconds(30)), forms::kExitClosed)
      << program.ReadStderr();
}

// A path as the program gets it from Explorer: on drive Z:, which Wine
// maps to the root of the Linux file system.
std::string OnDriveZ(const std::filesystem::path& path) {
  std::string z = "Z:" + path.string();
  for (char& c : z) {
    if (c == '/') c = '\\';
  }
  return z;
}

// An exercise file in a folder with a Cyrillic name, as a teacher keeps it.
std::filesystem::path InCyrillicFolder(const std::string& name,
                                       const std::string& text) {
  const auto folder =
      std::filesystem::path(::testing::TempDir()) / "Упражнения по биология";
  std::filesystem::create_directories(folder);
  std::ofstream(folder / name, std::ios::binary) << text;
  return folder / name;
}

TEST(WindowsProgramTest, OpensAnExerciseFileFromACyrillicFolder) {
  std::ifstream example(TROVANEL_SOURCE_DIR
                        "/exercises/cell-organelles.trovanel",
                        std::ios::binary);
  const std::string text(std::istreambuf_iterator<char>(example), {});
  const auto file = InCyrillicFolder("клетка.trovanel", text);
  trovanel_test::ChildProcess program(TROVANEL_WINE_PROGRAM, {},
                                      {OnDriveZ(file)});
  trovanel_test::XClient x;
  auto window = x.WaitForWindow(kWineClass, seconds(60));
  ASSERT_TRUE(window) << program.ReadStderr();
  EXPECT_EQ(x.TextProperty(*window, "_NET_WM_NAME"),
            "Биология - органели на растителната и животинската клетка");
  x.RequestClose(*window);
  EXPECT_EQ(program.Wait(seconds(30)), forms::kExitClosed)
      << program.ReadStderr();
}

TEST(WindowsProgramTest, ABadFileIsToldInADialogAndOnStderrWithStatusOne) {
  const auto file =
      InCyrillicFolder("лошо.trovanel", "title = \"Тема\"\nwindow-title = 3\n");
  trovanel_test::ChildProcess program(TROVANEL_WINE_PROGRAM, {},
                                      {OnDriveZ(file)});
  trovanel_test::XClient x;
  auto dialog = x.WaitForWindow(trovanel::kBadExerciseTitle, seconds(60));
  ASSERT_TRUE(dialog) << program.ReadStderr();
  EXPECT_FALSE(program.Wait(seconds(1))) << "waits for the user";
  EXPECT_NE(program.ReadStderr().find(
                OnDriveZ(file) +
                ":2:16: „window-title“ трябва да е текст в кавички"),
            std::string::npos)
      << program.ReadStderr();
  x.PressKey("Return");
  EXPECT_EQ(program.Wait(seconds(30)), forms::kExitCannotStart);
}

}  // namespace
