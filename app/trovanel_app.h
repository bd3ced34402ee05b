#ifndef TROVANEL_APP_TROVANEL_APP_H_
#define TROVANEL_APP_TROVANEL_APP_H_

#include <utility>

#include "forms/core/form.h"
#include "forms/core/form_description.h"
#include "quiz/quiz_controller.h"
#include "app/form_quiz_view.h"
#include "app/trovanel_layout.h"

namespace trovanel {

// The form, the controller and their binding, alive together. Build it,
// give the form a reporter and an observer (a backend), then Load().
class TrovanelApp {
 public:
  // The exercise's layout (ExerciseLayout), or in a test program a changed
  // one that injects a fault; both must outlive the app.
  TrovanelApp(const forms::FormDescription& layout,
              const quiz::Exercise& exercise);

  forms::Form& form() { return form_; }
  const quiz::QuizController& controller() const { return controller_; }
  void OnCheck(quiz::QuizController::CheckObserver observer) {
    controller_.OnCheck(std::move(observer));
  }

  // Raises the load event: Form_Load runs ResetQuiz.
  void Load() { form_.Load(); }

 private:
  forms::Form form_;
  FormQuizView view_;
  quiz::QuizController controller_;
};

}  // namespace trovanel

#endif  // TROVANEL_APP_TROVANEL_APP_H_
