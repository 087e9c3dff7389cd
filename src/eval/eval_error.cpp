#include "eval/eval_error.h"

int32_t evalError = EVAL_OK;
