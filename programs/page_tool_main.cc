// trovanel-page: one exercise file as one self-contained page, which works
// opened from disk, attached to a course or sent by e-mail.
//   trovanel-page FILE.trovanel -o PAGE.html [--module ONE_FILE_MODULE.pack]
// The input may also be a GIFT question (.gift), and the output, by its
// extension, a GIFT question or an exercise file (.trovanel) instead.
// An output ending in .zip is the page in a package for a learning platform.
// The markup is written from the exercise's layout, as the built-in page's
// is; the module (its script and WebAssembly, packed into base64 text by the
// build) is inlined and reads the exercise from the page. Without --module it
// is the module this build was made with, or the one installed beside the
// program.

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>

#include "quiz/exercise_formats.h"
#include "pages/one_file_page.h"
#include "app/opened_exercise.h"
#include "pages/scorm_package.h"

namespace {

// The module is read whole, however long; the exercise as the programs read
// theirs.
std::optional<std::string> ReadModule(const char* path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string bytes(std::istreambuf_iterator<char>(in), {});
  if (in.bad()) return std::nullopt;
  return bytes;
}

// `argv0` stands for the program where /proc is not mounted (a bare root).
std::string DefaultModule(const char* argv0) {
  constexpr std::string_view kBuildsModule = TROVANEL_PAGE_TOOL_MODULE;
  if (!kBuildsModule.empty()) return std::string(kBuildsModule);
  std::error_code error;
  std::filesystem::path program =
      std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) program = argv0;
  return (program.parent_path() / TROVANEL_MODULE_FROM_PROGRAM)
      .lexically_normal()
      .string();
}

// A packed module is base64 text and nothing else, so it is safe inside the
// page's script element.
bool IsPackedModule(const std::string& text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '+' ||
           c == '/' || c == '=';
  });
}

bool WriteFile(const char* path, const std::string& text) {
  std::ofstream out(path, std::ios::binary);
  out << text;
  out.close();
  return static_cast<bool>(out);
}

// A GIFT input becomes an exercise file's text, with nothing else changed;
// false after saying why it cannot.
bool ReadAsExerciseFile(std::optional<std::string>& bytes,
                        const char* file_name) {
  if (!bytes) return true;
  quiz::FileText text = quiz::AsExerciseFile(std::move(*bytes), file_name);
  if (const auto* error = std::get_if<quiz::ExerciseError>(&text)) {
    std::fprintf(stderr, "%s\n", error->Text().c_str());
    return false;
  }
  bytes = std::move(std::get<std::string>(text));
  return true;
}

// An output that is no page, a GIFT question or an exercise file by its
// extension: written, and the exit status; nothing for a page.
std::optional<int> WriteByExtension(const quiz::Exercise& exercise,
                                    const char* exercise_file,
                                    const char* out_file, const char* program) {
  const std::optional<quiz::FileText> text =
      quiz::ExerciseAs(exercise, out_file, exercise_file);
  if (!text) return std::nullopt;
  if (const auto* error = std::get_if<quiz::ExerciseError>(&*text)) {
    std::fprintf(stderr, "%s\n", error->Text().c_str());
    return 1;
  }
  if (WriteFile(out_file, std::get<std::string>(*text))) return 0;
  std::fprintf(stderr, "%s: cannot write %s\n", program, out_file);
  return 1;
}

// What goes into `out_file`: the page, or for a .zip the platform's package.
std::string Output(const trovanel::OpenedExercise& opened,
                   const std::string& module, std::string_view out_file) {
  if (quiz::HasExtension(out_file, ".zip")) {
    return trovanel::ScormPackage(opened.layout(), opened.exercise(), module);
  }
  return trovanel::OneFilePage(opened.layout(), opened.exercise(), module);
}

}  // namespace

int main(int argc, char** argv) {
  const char* exercise_file = nullptr;
  const char* out_file = nullptr;
  const std::string default_module = DefaultModule(argv[0]);
  const char* module_file = default_module.c_str();
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "-o") == 0 && i + 1 < argc) {
      out_file = argv[++i];
    } else if (std::strcmp(argv[i], "--module") == 0 && i + 1 < argc) {
      module_file = argv[++i];
    } else if (exercise_file == nullptr && argv[i][0] != '-') {
      exercise_file = argv[i];
    } else {
      exercise_file = nullptr;
      break;
    }
  }
  if (exercise_file == nullptr || out_file == nullptr) {
    std::fprintf(stderr,
                 "usage: %s FILE.trovanel|FILE.gift -o PAGE.html|PACKAGE.zip|"
                 "FILE.gift|FILE.trovanel [--module MODULE.pack]\n",
                 argv[0]);
    return 2;
  }
  std::optional<std::string> input =
      trovanel::ReadExerciseFile(std::fopen(exercise_file, "rb"));
  if (!ReadAsExerciseFile(input, exercise_file)) return 1;
  const trovanel::OpenedExercise opened(input, exercise_file);
  if (!opened.ok()) {
    std::fprintf(stderr, "%s\n", opened.error().c_str());
    return 1;
  }
  if (const std::optional<int> status = WriteByExtension(
          opened.exercise(), exercise_file, out_file, argv[0])) {
    return *status;
  }
  const std::optional<std::string> module = ReadModule(module_file);
  if (!module || !IsPackedModule(*module)) {
    std::fprintf(stderr, "%s: cannot read the page's module %s\n", argv[0],
                 module_file);
    return 1;
  }
  if (!WriteFile(out_file, Output(opened, *module, out_file))) {
    std::fprintf(stderr, "%s: cannot write %s\n", argv[0], out_file);
    return 1;
  }
  return 0;
}
