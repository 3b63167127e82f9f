#pragma once

#include "evaluator/eval_errors.h"
#include "evaluator/evaluator_variables.h"
#include "evaluator/expression_scanner.h"

#include <newmat.h>

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

// Evaluates one typed line by recursive descent, one routine per level of
// precedence, each working on the accumulator matrix it is given. Problems
// never stop the parse: the level that meets one raises a code, leaves its
// accumulator as it was and the levels above carry on.
class ExpressionParser {
  public:
    // Parentheses (and function calls) nested deeper than this raise
    // "Unbalanced Parentheses" rather than exhaust the stack.
    static constexpr int kMaxNesting = 256;

    // `out` receives the "op = " line of every function call.
    ExpressionParser(EvaluatorVariables& variables, std::ostream& out);

    struct LineOutcome {
        std::vector<EvalError> errors; // each code once, in the order raised
        // False for an assignment that met an error: it assigned nothing and
        // left the result as it was, so there is no result to show.
        bool showResult = true;
    };

    // Evaluates `line` into `result`; a line without an expression leaves it
    // as it was. An assignment ("V = ...", "v = ...") takes effect only when
    // the whole line evaluated without an error.
    LineOutcome EvaluateLine(const std::string& line, NEWMAT::Matrix& result);

  private:
    // The variable a line assigns to and the value it would receive.
    struct Assignment {
        Token target;
        NEWMAT::Matrix value;
    };

    void ParseAssignment(NEWMAT::Matrix& M);
    void ParseAddSub(NEWMAT::Matrix& M);
    void ParseMulDiv(NEWMAT::Matrix& M);
    // One left-associative level: operands parsed by `next`, joined by any of
    // the operator characters in `operators`.
    void ParseBinaryLevel(NEWMAT::Matrix& M, const char* operators,
                          void (ExpressionParser::*next)(NEWMAT::Matrix&));
    void ParsePower(NEWMAT::Matrix& M);
    void ParseUnary(NEWMAT::Matrix& M);
    void ParseFunction(NEWMAT::Matrix& M);
    void ParseParen(NEWMAT::Matrix& M);
    void ParseAtom(NEWMAT::Matrix& M);

    NEWMAT::Matrix ReadMatrixOperand(const std::string& name);
    // Keeps `value` aside as what `target` would receive; `value`'s storage
    // moves there and `value` is left empty.
    void KeepAssignment(const Token& target, NEWMAT::Matrix& value);
    void ReportError(EvalError code);
    void Report(const std::optional<EvalError>& code);

    EvaluatorVariables& variables_;
    std::ostream& out_;
    ExpressionScanner scanner_;
    std::vector<EvalError> errors_;
    std::optional<Assignment> assignment_;
    int nesting_ = 0;
};
