#include "app/trovanel_app.h"

#include "app/trovanel_layout.h"

namespace trovanel {

TrovanelApp::TrovanelApp(const forms::FormDescription& layout,
                         const quiz::Exercise& exercise)
    : form_(layout), view_(form_), controller_(view_, exercise) {
  form_.OnLoad([this] { controller_.Form_Load(); });
  form_.OnClick(kListArray,
                [this](int16_t member) { controller_.List1_Click(member); });
  form_.OnClick(kOptionArray,
                [this](int16_t member) { controller_.Option1_Click(member); });
}

}  // namespace trovanel
