#include "core/tensor_error.h"

#include <cmath>

namespace tensorium {

void RequireFinite(double value)
{
    if (std::isnan(value)) throw TensorError(kInvalidOperationMessage);
    if (std::isinf(value)) throw TensorError(kOverflowMessage);
}

}  // namespace tensorium
