#include "setup/Refusal.h"

#include "core/ErrorCause.h"

std::string Cause(int errorNumber)
{
    return FileErrorCause(errorNumber).toStdString();
}
