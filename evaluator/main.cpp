#include "evaluator/evaluator_session.h"

#include <iostream>

int main() {
    return RunEvaluator(std::cin, std::cout);
}
