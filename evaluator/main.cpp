#include "evaluator/evaluator_session.h"
#include "evaluator/line_input.h"
#include "platform/large_blocks.h"

#include <cstdio>
#include <iostream>

#include <unistd.h>

// Typed at a terminal, lines can be edited and recalled; from a pipe or a
// file they are read exactly as they come. Freed matrices stay in the heap,
// which lies on huge pages, so a command on matrices of the size the last
// one used finds its buffers there instead of faulting in fresh pages.
int main() {
    PlaceLargeBlocksOnHugePages();
    if (isatty(STDIN_FILENO) && isatty(STDOUT_FILENO)) {
        TerminalLineInput input(stdin, stdout, std::cout);
        return RunEvaluator(input, std::cout);
    }
    return RunEvaluator(std::cin, std::cout);
}
