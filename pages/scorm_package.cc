#include "pages/scorm_package.h"

#include <array>
#include <cstdio>

#include "forms/web/embedded_texts.h"
#include "forms/web/html_text.h"
#include "quiz/exercise_text.h"
#include "pages/one_file_page.h"
#include "pages/stored_zip.h"

namespace trovanel {
namespace {

using forms::web::Cat;
using forms::web::HtmlText;

constexpr std::string_view kPage = "index.html";

// The same exercise always gets the same identifier, another one another.
std::string Identifier(const quiz::Exercise& exercise) {
  char hex[9];
  std::snprintf(
      hex, sizeof hex, "%08x",
      static_cast<unsigned>(Crc32(quiz::WriteExerciseText(exercise))));
  return Cat({"trovanel-", hex});
}

// The exercise's mastery score when it is a sound one, else empty.
std::string_view MasteryScore(const quiz::Exercise& exercise) {
  if (!quiz::IsMasteryScore(exercise.mastery_score)) return {};
  return exercise.mastery_score;
}

}  // namespace

std::string ScormManifest(const quiz::Exercise& exercise) {
  const std::string title = HtmlText(exercise.window_title);
  const std::string mastery =
      MasteryScore(exercise).empty()
          ? ""
          : Cat({"        <adlcp:masteryscore>", MasteryScore(exercise),
                 "</adlcp:masteryscore>\n"});
  return Cat({R"(<?xml version="1.0" encoding="UTF-8"?>
<manifest identifier=")",
              Identifier(exercise), R"(" version="1.0"
    xmlns="http://www.imsproject.org/xsd/imscp_rootv1p1p2"
    xmlns:adlcp="http://www.adlnet.org/xsd/adlcp_rootv1p2">
  <metadata>
    <schema>ADL SCORM</schema>
    <schemaversion>1.2</schemaversion>
  </metadata>
  <organizations default="exercise">
    <organization identifier="exercise">
      <title>)",
              title, R"(</title>
      <item identifier="item" identifierref="page">
        <title>)",
              title, "</title>\n", mastery, R"(      </item>
    </organization>
  </organizations>
  <resources>
    <resource identifier="page" type="webcontent" adlcp:scormtype="sco" href=")",
              kPage, R"(">
      <file href=")",
              kPage, R"("/>
    </resource>
  </resources>
</manifest>
)"});
}

std::string ScormPackage(const forms::FormDescription& layout,
                         const quiz::Exercise& exercise,
                         std::string_view packed_module) {
  const std::string layer = Cat(
      {forms::web::kPlatformLayer, "startPlatformLayer(window,{masteryScore:",
       MasteryScore(exercise).empty() ? "null" : MasteryScore(exercise),
       "});"});
  const std::string manifest = ScormManifest(exercise);
  const std::string page = OneFilePage(layout, exercise, packed_module, layer);
  const std::array<ZipEntry, 2> entries = {
      ZipEntry{"imsmanifest.xml", manifest}, ZipEntry{kPage, page}};
  return StoredZip(entries);
}

}  // namespace trovanel
