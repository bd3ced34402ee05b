#ifndef TROVANEL_FORMS_WEB_DOM_H_
#define TROVANEL_FORMS_WEB_DOM_H_

// The page's side of the backend, in dom_library.js. Controls are known by
// their handle: their index in the form. Texts are UTF-8.
extern "C" {
// 0 when the page has no element with that id.
int FormsWebBind(const char* form_id);
int FormsWebFind(int handle, const char* element_id);
void FormsWebSetIcon(const char* url);
// Starts passing the pupil's input to `page` and lifts the form's inertness.
void FormsWebShow(void* page);
void FormsWebSetChecked(int handle, int checked);
void FormsWebSetRow(int handle, int row);
void FormsWebSetText(int handle, const char* text);
void FormsWebFocus(int handle);
// Shows the report and makes the form inert for good.
void FormsWebReportError(const char* text);
}

#endif  // TROVANEL_FORMS_WEB_DOM_H_
