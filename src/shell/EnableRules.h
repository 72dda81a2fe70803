#pragma once

#include "shell/CommandState.h"
#include "shell/EnableRule.h"

/// Evaluates the enabling rules of the commands.
class CEnableRules {
public:
    static bool IsEnabled(EnableRule rule, const CommandState& state);

private:
    static bool IsAnalogTyp(int nTyp);
};
