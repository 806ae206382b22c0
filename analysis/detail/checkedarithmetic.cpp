#include "analysis/detail/checkedarithmetic.h"

#include "analysis/numericvalue.h"

namespace analysis::detail {

double CheckedArithmetic::read(std::string_view text)
{
    const auto value = numericValue(text);
    if (!value) {
        faulted = true;
        return 0;
    }
    return *value;
}

} // namespace analysis::detail
