#ifndef TROVANEL_FORMS_WEB_DOM_H_
#define TROVANEL_FORMS_WEB_DOM_H_

// The page's side of the backend, in dom_library.js. Controls are known by
// their handle: their index in the form. Texts are UTF-8.
extern "C" {
// 0 when the page has no element with that id.
int forms_web_bind(const char* form_id);
int forms_web_find(int handle, const char* element_id);
// Starts passing the pupil's input to `page` and lifts the form's inertness.
void forms_web_show(void* page);
void forms_web_set_checked(int handle, int checked);
void forms_web_set_row(int handle, int row);
void forms_web_set_text(int handle, const char* text);
void forms_web_focus(int handle);
// Shows the report and makes the form inert for good.
void forms_web_report_error(const char* text);
}

#endif  // TROVANEL_FORMS_WEB_DOM_H_
