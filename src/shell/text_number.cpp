// Placeholder until this part is built.
#include "shell/text_number.h"

double LeadingNumber(std::string_view) { return 0; }
std::int32_t TruncateToInt32(double) { return 0; }
