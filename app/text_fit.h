#ifndef TROVANEL_APP_TEXT_FIT_H_
#define TROVANEL_APP_TEXT_FIT_H_

#include <string>
#include <string_view>
#include <vector>

namespace trovanel {

// A line's width as drawn in the form's font at `points`, in twips: the
// font's advances, and glyphs hinted to whole pixels run up to 1.4 % wider.
int DrawnWidth(std::string_view text, int points);

// The widest of `texts` as drawn.
int Widest(const std::vector<std::string>& texts, int points);

// How many lines `text` takes when wrapped at blanks to `width` twips; a word
// wider than a line is broken wherever it reaches the edge.
int WrappedLines(std::string_view text, int points, int width);

}  // namespace trovanel

#endif  // TROVANEL_APP_TEXT_FIT_H_
