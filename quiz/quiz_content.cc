#include "quiz/quiz_content.h"

namespace quiz {

const std::array<std::string_view, kGaitCount> kGaitCaptions = {
    "Галоп", "Кариер ", "Раван", "Тръс ", "Ходом",
};

const std::array<std::string_view, kGaitCount> kGaitKeys = {
    "2", "3", "4", "1", "0",
};

const std::array<std::string_view, kDescriptionCount> kDescriptions = {
    "едновременно повдига двата си леви или десни крайника",
    "едновременното стъпва на двата диагонални крайника",
    "коня последователно мести крайниците си в четири такта",
    "коня препуска - движи се на скокове",
    "поне два от крайниците на коня са във въздуха",
};

const std::array<std::string_view, kDescriptionCount> kDescriptionKeys = {
    "4", "1", "0", "3", "2",
};

const std::string_view kMissingChoiceMessage = "Посочете две стойности!";
const std::string_view kCorrectMessage = "Правилно.";
const std::string_view kWrongMessage = "Грешка!";

const std::string_view kWindowTitle =
    TROVANEL_TITLE_ADDRESS "  Биология - видове ход на коня";
const std::string_view kFrameCaption = "Вид алюр";
const std::string_view kTitleCaption = "Биология - ход на коня, алюр ";
const std::string_view kListHeading = "Как коня движи крайниците си";
const std::string_view kMessageBoxName = "Съобщение";
const std::string_view kPageDescription =
    "Упражнение по биология и информатика: видовете ход на коня и как "
    "конят движи крайниците си при всеки от тях.";

const std::string_view kStartText =
    "Различните видове движения на коня се наричат алюри. Естественият алюр "
    "може да бъде: ходом, тръс, галоп, кариер и раван. Последният алюр се "
    "изгражда след тренировки. \r\n"
    "Да се реализира проект, представящ междупредметни връзки Биология и "
    "Информатика.\r\n"
    "Тема на проекта: Биология - ход на коня, алюр.\r\n"
    "Да се използва група от радиобутони съдържащи отделните алюри, както и "
    "списъчно поле с описанието им. При едновременно правилно посочване ред "
    "от списъчното поле и радиобутон да се извежда допълнителна информация "
    "за посочения алюр.\r\n"
    "Съберете допълнително материал за изкуствени алюри като: Испански тръс "
    "(параден ход), пасаж, пирует, травер, травер, пиафе.\r\n";

const std::string_view kMotto =
    "Неприятното в това да си първият, направил нещо по \r\n"
    "правилния начин, е, че никой не оценява колко трудно е \r\n"
    "било. \r\n";

}  // namespace quiz
