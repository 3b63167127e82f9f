#pragma once
// A script that is wrong, or a question the script did not answer. It is
// deliberately not a std::exception: the calculator's command frame reports
// those in a message box, while this one must end the run.

#include <string>

struct ScriptError {
    std::string message;
};
