#ifndef TROVANEL_TESTS_UNIT_EXAMPLE_FILES_H_
#define TROVANEL_TESTS_UNIT_EXAMPLE_FILES_H_

#include <string_view>

namespace trovanel_test {

// The text of exercises/NAME (with its .trovanel), built into the test
// program.
std::string_view ExampleFile(std::string_view name);

}  // namespace trovanel_test

#endif  // TROVANEL_TESTS_UNIT_EXAMPLE_FILES_H_
