#include "evaluator/expression_parser.h"

#include "evaluator/function_table.h"
#include "evaluator/operation_result.h"
#include "evaluator/leading_number.h"
#include "evaluator/matrix_operations.h"
#include "matrixlib/matrix_move.h"
#include "matrixlib/predicates.h"

#include <algorithm>
#include <deque>
#include <new>
#include <ostream>

using NEWMAT::Matrix;

ExpressionParser::ExpressionParser(EvaluatorVariables& variables, std::ostream& out)
    : variables_(variables), out_(out) {}

ExpressionParser::LineOutcome ExpressionParser::EvaluateLine(const std::string& line,
                                                               Matrix& result) {
    scanner_.Reset(line);
    errors_.clear();
    assignment_.reset();
    nesting_ = 0;
    scanner_.GetToken();
    if (scanner_.AtEnd()) {
        ReportError(NoExpression);
        return {errors_};
    }
    // The operations catch their own failures; what is left (memory running
    // out while copying an operand) must still not end the program.
    try {
        ParseAssignment(result);
    } catch (const std::bad_alloc&) {
        ReportError(NotEnoughMemory);
    } catch (const RBD_COMMON::Bad_alloc&) {
        ReportError(NotEnoughMemory);
    } catch (const RBD_COMMON::BaseException&) {
        ReportError(OperationUndefined);
    }
    if (!scanner_.AtEnd()) ReportError(SyntaxError);
    if (!assignment_) return {errors_};
    // A value that went wrong somewhere is no value: the variable keeps
    // what it held.
    if (!errors_.empty()) return {errors_, false};
    const Token& target = assignment_->target;
    if (target.type == MatrixVariableToken)
        variables_.StoreMatrixVar(assignment_->value, target.text);
    else
        variables_.SetNumber(target.text[0], assignment_->value(1, 1));
    MoveMatrix(result, assignment_->value);
    assignment_.reset();
    return {errors_};
}

void ExpressionParser::ReportError(EvalError code) {
    if (std::find(errors_.begin(), errors_.end(), code) == errors_.end()) {
        errors_.push_back(code);
    }
}

void ExpressionParser::Report(const std::optional<EvalError>& code) {
    if (code) ReportError(*code);
}

Matrix ExpressionParser::ReadMatrixOperand(const std::string& name) {
    Matrix M = variables_.GetMatrixVar(name);
    if (!Exist(M)) ReportError(MatrixDoesNotExist);
    return M;
}

void ExpressionParser::KeepAssignment(const Token& target, Matrix& value) {
    assignment_.emplace();
    assignment_->target = target;
    MoveMatrix(assignment_->value, value);
}

// "=" counts only directly after the first token of a line. The value of an
// assignment is kept aside; EvaluateLine decides whether it is assigned.
void ExpressionParser::ParseAssignment(Matrix& M) {
    const Token first = scanner_.Current();
    if (first.type == MatrixVariableToken) {
        // The old value is the accumulator the right side starts from; a
        // register that does not exist yet is no error when it is assigned.
        Matrix value = variables_.GetMatrixVar(first.text);
        variables_.StoreMatrixVar(value, first.text);
        scanner_.GetToken();
        if (scanner_.IsDelimiter('=')) {
            scanner_.GetToken();
            ParseAddSub(value);
            KeepAssignment(first, value);
            return;
        }
        scanner_.PutBack();
        scanner_.Restore(first);
    } else if (first.type == NumericVariableToken) {
        scanner_.GetToken();
        if (scanner_.IsDelimiter('=')) {
            scanner_.GetToken();
            Matrix value = ScalarMatrix(ReadLeadingNumber(scanner_.Current().text));
            ParseAddSub(value);
            if (!Exist(value)) ReportError(MatrixDoesNotExist);
            KeepAssignment(first, value);
            return;
        }
        scanner_.PutBack();
        scanner_.Restore(first);
    }
    ParseAddSub(M);
}

void ExpressionParser::ParseAddSub(Matrix& M) {
    ParseBinaryLevel(M, "+-", &ExpressionParser::ParseMulDiv);
}

void ExpressionParser::ParseMulDiv(Matrix& M) {
    ParseBinaryLevel(M, "*/%", &ExpressionParser::ParsePower);
}

void ExpressionParser::ParseBinaryLevel(Matrix& M, const char* operators,
                                         void (ExpressionParser::*next)(Matrix&)) {
    const auto atOperator = [&] {
        for (const char* op = operators; *op; ++op)
            if (scanner_.IsDelimiter(*op)) return true;
        return false;
    };
    (this->*next)(M);
    while (atOperator()) {
        const char op = scanner_.Current().text[0];
        scanner_.GetToken();
        Matrix right;
        (this->*next)(right);
        Report(CombineOperands(M, op, right));
    }
}

// a ^ b ^ c groups as a ^ (b ^ c). The chain is gathered first and raised
// from the right, so a long chain needs no deeper stack.
void ExpressionParser::ParsePower(Matrix& M) {
    ParseUnary(M);
    std::deque<Matrix> exponents;
    while (scanner_.IsDelimiter('^')) {
        Matrix& base = exponents.empty() ? M : exponents.back();
        scanner_.GetToken();
        if (scanner_.Current().type == MatrixVariableToken) {
            ReportError(MeaninglessExpression);
            base = -1.0;
            break;
        }
        exponents.push_back(ScalarMatrix(ReadLeadingNumber(scanner_.Current().text)));
        ParseUnary(exponents.back());
    }
    while (!exponents.empty()) {
        const Matrix exponent = std::move(exponents.back());
        exponents.pop_back();
        Matrix& base = exponents.empty() ? M : exponents.back();
        Report(RaiseToPower(base, exponent));
    }
}

// The sign sits below the power, so -2 ^ 2 is 4.
void ExpressionParser::ParseUnary(Matrix& M) {
    char sign = 0;
    if (scanner_.IsDelimiter('+') || scanner_.IsDelimiter('-')) {
        sign = scanner_.Current().text[0];
        scanner_.GetToken();
    }
    ParseFunction(M);
    if (sign == '-') M = M * -1.0;
}

void ExpressionParser::ParseFunction(Matrix& M) {
    if (scanner_.Current().type != FunctionToken) {
        ParseParen(M);
        return;
    }
    // The scanner makes a function token only of a function's name.
    const FunctionRow& function = *LookupFunction(scanner_.Current().text);
    out_ << "op = " << static_cast<int>(function.code) << "\n";
    scanner_.GetToken();
    if (!scanner_.IsDelimiter('(')) {
        ReportError(SyntaxError);
        return;
    }
    ParseParen(M);
    Report(ApplyFunction(function, M));
}

void ExpressionParser::ParseParen(Matrix& M) {
    if (!scanner_.IsDelimiter('(')) {
        ParseAtom(M);
        return;
    }
    if (nesting_ >= kMaxNesting) {
        ReportError(UnbalancedParentheses);
        scanner_.SkipToEnd();
        return;
    }
    ++nesting_;
    scanner_.GetToken();
    ParseAddSub(M);
    if (!scanner_.IsDelimiter(')')) ReportError(UnbalancedParentheses);
    scanner_.GetToken();
    --nesting_;
}

void ExpressionParser::ParseAtom(Matrix& M) {
    const Token& token = scanner_.Current();
    switch (token.type) {
    case NumericVariableToken:
        M = ScalarMatrix(variables_.Number(token.text[0]));
        break;
    case NumberToken:
        M = ScalarMatrix(ReadLeadingNumber(token.text));
        break;
    case MatrixVariableToken: {
        Matrix operand = ReadMatrixOperand(token.text);
        MoveMatrix(M, operand);
        break;
    }
    default:
        ReportError(SyntaxError);
        return;
    }
    scanner_.GetToken();
}
