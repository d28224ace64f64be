#include "value/FloatErrors.h"

void RaiseOverflow() { throw EOverflow(); }
void RaiseInvalidOp() { throw EInvalidOp(); }
void RaiseZeroDivide() { throw EZeroDivide(); }
