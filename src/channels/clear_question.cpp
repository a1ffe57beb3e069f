#include "channels/clear_question.h"

#include "runtime/os.h"

bool UserWantsListCleared() {
    return os::MessageBox("是否清空原来的信息?", "询问", os::box::kYesNo | os::box::kIconQuestion) == os::box::kIdYes;
}
