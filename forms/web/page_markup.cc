#include "forms/web/page_markup.h"

#include <algorithm>
#include <vector>

#include "forms/core/accessible_name.h"
#include "forms/web/element_ids.h"
#include "forms/web/embedded_texts.h"
#include "forms/web/html_text.h"
#include "forms/web/page_style.h"

namespace forms::web {
namespace {

std::string Attribute(std::string_view name, std::string_view value) {
  return Cat({" ", name, "=\"", HtmlText(value), "\""});
}

// The start tag of a control's element, without its closing ">".
std::string Open(std::string_view tag, std::string_view classes,
                 const ControlDescription& d) {
  return Cat(
      {"<", tag, Attribute("class", classes), Attribute("id", ElementId(d))});
}

std::string ElementOf(const Form& form, const Control& control);

std::string Children(const Form& form, const Control* container) {
  std::string html;
  for (const Control* child : ReadingOrder(form, container)) {
    html += ElementOf(form, *child);
  }
  return html;
}

// A field's name: its label's, else the one the core gives it.
std::string NameAttribute(const Form& form, const Control& control) {
  if (const Label* label = LabelOf(form, control)) {
    return Attribute("aria-labelledby", ElementId(label->description()));
  }
  std::string_view name = AccessibleName(form, control);
  return name.empty() ? "" : Attribute("aria-label", name);
}

std::string ListElement(const Form& form, const ListBox& list) {
  const ControlDescription& d = list.description();
  std::string html =
      Cat({Open("div", "ctl list", d), R"( role="listbox" tabindex="0")",
           NameAttribute(form, list)});
  if (list.current_row() >= 0) {
    html += Attribute("aria-activedescendant", RowId(d, list.current_row()));
  }
  html += ">";
  for (int16_t row = 0; row < list.row_count(); ++row) {
    std::string text;
    (void)list.ItemText(row, &text);
    html += Cat({"<div", Attribute("id", RowId(d, row)), " role=\"option\"",
                 Attribute("aria-selected",
                           row == list.current_row() ? "true" : "false"),
                 ">", HtmlText(text), "</div>"});
  }
  return html + "</div>";
}

std::string FrameElement(const Form& form, const Control& frame) {
  const ControlDescription& d = frame.description();
  std::vector<const Control*> children = ReadingOrder(form, &frame);
  bool only_options =
      std::all_of(children.begin(), children.end(), [](const Control* child) {
        return child->kind() == ControlKind::kOptionButton;
      });
  return Cat({Open("fieldset", "ctl frame", d),
              only_options && !children.empty() ? " role=\"radiogroup\">" : ">",
              "<legend>", HtmlText(d.caption), "</legend>",
              Children(form, &frame), "</fieldset>"});
}

std::string OptionElement(const Form& form, const OptionButton& option) {
  const ControlDescription& d = option.description();
  // Options of one container are one group, as the model has them.
  std::string_view group = option.container()
                               ? option.container()->description().array
                               : form.description().name;
  return Cat({Open("label", "ctl option", d), "><input type=\"radio\"",
              Attribute("name", group), option.chosen() ? " checked" : "", ">",
              HtmlText(d.caption), "</label>"});
}

std::string TextElement(const Form& form, const TextBox& text) {
  const ControlDescription& d = text.description();
  // Written by the program alone: a polite live region announces each text.
  std::string output = Cat({d.locked ? " readonly aria-live=\"polite\"" : "",
                            NameAttribute(form, text)});
  if (!d.multi_line) {
    return Cat({Open("input", "ctl text", d), " type=\"text\"", output,
                Attribute("value", text.text()), ">"});
  }
  // The parser drops one line feed right after the tag, never the text's own.
  return Cat({Open("textarea", "ctl text", d), output, ">\n",
              HtmlText(text.text()), "</textarea>"});
}

std::string ElementOf(const Form& form, const Control& control) {
  const ControlDescription& d = control.description();
  switch (d.kind) {
    case ControlKind::kListBox:
      return ListElement(form, static_cast<const ListBox&>(control));
    case ControlKind::kFrame:
      return FrameElement(form, control);
    case ControlKind::kOptionButton:
      return OptionElement(form, static_cast<const OptionButton&>(control));
    case ControlKind::kTextBox:
      return TextElement(form, static_cast<const TextBox&>(control));
    case ControlKind::kLabel: {
      // The window's title is the page's heading, with a label's look.
      std::string_view tag = d.heading ? "h1" : "div";
      return Cat({Open(tag,
                       d.alignment == Alignment::kCentre ? "ctl label centre"
                                                         : "ctl label",
                       d),
                  ">", HtmlText(d.caption), "</", tag, ">"});
    }
  }
  return "";
}

// A one-file page's module is kept packed, as text, and started once the
// form's first frame is out: the fewer bytes before the first paint, the
// sooner it comes, and a script run at once would hold it back.
constexpr std::string_view kPackedModule =
    R"(<script type="text/plain" id="page-module">)";
constexpr std::string_view kStartAfterFirstFrame =
    "requestAnimationFrame(()=>setTimeout(()=>startPackedModule(window,"
    "document.getElementById('page-module').textContent,{})))</script>\n";

// A module that does not load or cannot start, or a browser that runs no
// script, is told in the form's place (page_alert.js), never left silent.
constexpr std::string_view kTellFailures = "tellFailuresBeforeStart();";

}  // namespace

std::string PageMarkup(const Form& form, const PageFiles& files) {
  const FormDescription& layout = form.description();
  std::string html = Cat({"<!DOCTYPE html>\n<html",
                          Attribute("lang", files.language), ">\n<head>\n"});
  html += R"(<meta charset="utf-8">)"
          "\n";
  html +=
      R"(<meta name="viewport" content="width=device-width, initial-scale=1">)"
      "\n";
  html += Cat({"<title>", HtmlText(layout.title), "</title>\n"});
  if (!files.description.empty()) {
    html += Cat({R"(<meta name="description")",
                 Attribute("content", files.description), ">\n"});
  }
  html += Cat({R"(<link rel="icon" type="image/png")",
               Attribute("href", files.icon), ">\n"});
  // The module is fetched at once and runs once the markup is parsed; until
  // it has bound to the form, the form is inert: shown, never half-working.
  if (files.packed_module.empty()) {
    html += Cat({R"(<link rel="preload" as="fetch" crossorigin)",
                 Attribute("href", files.module), ">\n"});
  }
  html += Cat({"<style>", PageStyle(form), "</style>\n"});
  if (files.packed_module.empty()) {
    html += Cat({"<script>", kPageAlert, kTellFailures, "</script>\n",
                 "<script defer", Attribute("src", files.script), "></script>"});
  }
  const PageWords& words = files.words;
  html += Cat({"\n</head>\n<body>\n<noscript><p role=\"alert\">",
               HtmlText(words.cannot_start), HtmlText(words.script_off),
               "</p></noscript>\n"});
  html += Cat({R"(<main class="form")", Attribute("id", layout.name),
               Attribute("data-cannot-start", words.cannot_start),
               Attribute("data-not-loaded", words.not_loaded), " inert>",
               Children(form, nullptr), "</main>\n"});
  if (!files.data.empty()) {
    html += Cat({R"(<script type="text/plain")", Attribute("id", kPageDataId),
                 ">", files.data, "</script>\n"});
  }
  if (!files.extra_script.empty()) {
    html += Cat({"<script>", files.extra_script, "</script>\n"});
  }
  if (!files.packed_module.empty()) {
    html += Cat({kPackedModule, files.packed_module, "</script>\n<script>",
                 kPageAlert, kTellFailures, kPackedModuleStarter,
                 kStartAfterFirstFrame});
  }
  return html + "</body>\n</html>\n";
}

}  // namespace forms::web
