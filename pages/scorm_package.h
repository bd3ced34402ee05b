#ifndef TROVANEL_PAGES_SCORM_PACKAGE_H_
#define TROVANEL_PAGES_SCORM_PACKAGE_H_

#include <string>
#include <string_view>

#include "forms/core/form_description.h"
#include "quiz/exercise.h"

namespace trovanel {

// The exercise as a package for a learning platform (SCORM 1.2), a zip:
// its manifest, imsmanifest.xml, and index.html, the one-file page of the
// exercise (see OneFilePage) with the layer that reports to the platform.
std::string ScormPackage(const forms::FormDescription& layout,
                         const quiz::Exercise& exercise,
                         std::string_view packed_module);

// The manifest alone: one organization of one item, the page its one
// resource; the exercise's mastery score, if any, on the item.
std::string ScormManifest(const quiz::Exercise& exercise);

}  // namespace trovanel

#endif  // TROVANEL_PAGES_SCORM_PACKAGE_H_
