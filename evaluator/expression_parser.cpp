#include "evaluator/expression_parser.h"

#include "evaluator/function_table.h"
#include "evaluator/leading_number.h"
#include "evaluator/matrix_operations.h"
#include "matrixlib/predicates.h"

#include <algorithm>
#include <deque>
#include <new>
#include <ostream>

using NEWMAT::Matrix;

namespace {

Matrix Scalar(double value) {
    Matrix M(1, 1);
    M(1, 1) = value;
    return M;
}

} // namespace

CExpressionParser::CExpressionParser(CEvaluatorVariables& variables, std::ostream& out)
    : m_variables(variables), m_out(out) {}

CExpressionParser::LineOutcome CExpressionParser::EvaluateLine(const std::string& line,
                                                               Matrix& result) {
    m_scanner.Reset(line);
    m_errors.clear();
    m_assignment.reset();
    m_nesting = 0;
    m_scanner.GetToken();
    if (m_scanner.AtEnd()) {
        ReportError(NoExpression);
        return {m_errors};
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
    if (!m_scanner.AtEnd()) ReportError(SyntaxError);
    if (!m_assignment) return {m_errors};
    // A value that went wrong somewhere is no value: the variable keeps
    // what it held.
    if (!m_errors.empty()) return {m_errors, false};
    const Token& target = m_assignment->target;
    if (target.type == MatrixVariableToken)
        m_variables.StoreMatrixVar(m_assignment->value, target.text);
    else
        m_variables.SetNumber(target.text[0], m_assignment->value(1, 1));
    result = std::move(m_assignment->value);
    m_assignment.reset();
    return {m_errors};
}

void CExpressionParser::ReportError(EvalError code) {
    if (std::find(m_errors.begin(), m_errors.end(), code) == m_errors.end()) {
        m_errors.push_back(code);
    }
}

void CExpressionParser::Report(const std::optional<EvalError>& code) {
    if (code) ReportError(*code);
}

Matrix CExpressionParser::ReadMatrixOperand(const std::string& name) {
    Matrix M = m_variables.GetMatrixVar(name);
    if (!Exist(M)) ReportError(MatrixDoesNotExist);
    return M;
}

// "=" counts only directly after the first token of a line. The value of an
// assignment is kept aside; EvaluateLine decides whether it is assigned.
void CExpressionParser::ParseAssignment(Matrix& M) {
    const Token first = m_scanner.Current();
    if (first.type == MatrixVariableToken) {
        // The old value is the accumulator the right side starts from; a
        // register that does not exist yet is no error when it is assigned.
        Matrix value = m_variables.GetMatrixVar(first.text);
        m_variables.StoreMatrixVar(value, first.text);
        m_scanner.GetToken();
        if (m_scanner.IsDelimiter('=')) {
            m_scanner.GetToken();
            ParseAddSub(value);
            m_assignment = Assignment{first, std::move(value)};
            return;
        }
        m_scanner.PutBack();
        m_scanner.Restore(first);
    } else if (first.type == NumericVariableToken) {
        m_scanner.GetToken();
        if (m_scanner.IsDelimiter('=')) {
            m_scanner.GetToken();
            Matrix value = Scalar(ReadLeadingNumber(m_scanner.Current().text));
            ParseAddSub(value);
            if (!Exist(value)) ReportError(MatrixDoesNotExist);
            m_assignment = Assignment{first, std::move(value)};
            return;
        }
        m_scanner.PutBack();
        m_scanner.Restore(first);
    }
    ParseAddSub(M);
}

void CExpressionParser::ParseAddSub(Matrix& M) {
    ParseBinaryLevel(M, "+-", &CExpressionParser::ParseMulDiv);
}

void CExpressionParser::ParseMulDiv(Matrix& M) {
    ParseBinaryLevel(M, "*/%", &CExpressionParser::ParsePower);
}

void CExpressionParser::ParseBinaryLevel(Matrix& M, const char* operators,
                                         void (CExpressionParser::*next)(Matrix&)) {
    const auto atOperator = [&] {
        for (const char* op = operators; *op; ++op)
            if (m_scanner.IsDelimiter(*op)) return true;
        return false;
    };
    (this->*next)(M);
    while (atOperator()) {
        const char op = m_scanner.Current().text[0];
        m_scanner.GetToken();
        Matrix right;
        (this->*next)(right);
        Report(CombineOperands(M, op, right));
    }
}

// a ^ b ^ c groups as a ^ (b ^ c). The chain is gathered first and raised
// from the right, so a long chain needs no deeper stack.
void CExpressionParser::ParsePower(Matrix& M) {
    ParseUnary(M);
    std::deque<Matrix> exponents;
    while (m_scanner.IsDelimiter('^')) {
        Matrix& base = exponents.empty() ? M : exponents.back();
        m_scanner.GetToken();
        if (m_scanner.Current().type == MatrixVariableToken) {
            ReportError(MeaninglessExpression);
            base = -1.0;
            break;
        }
        exponents.push_back(Scalar(ReadLeadingNumber(m_scanner.Current().text)));
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
void CExpressionParser::ParseUnary(Matrix& M) {
    char sign = 0;
    if (m_scanner.IsDelimiter('+') || m_scanner.IsDelimiter('-')) {
        sign = m_scanner.Current().text[0];
        m_scanner.GetToken();
    }
    ParseFunction(M);
    if (sign == '-') M = M * -1.0;
}

void CExpressionParser::ParseFunction(Matrix& M) {
    if (m_scanner.Current().type != FunctionToken) {
        ParseParen(M);
        return;
    }
    // The scanner makes a function token only of a function's name.
    const FunctionRow& function = *LookupFunction(m_scanner.Current().text);
    m_out << "op = " << static_cast<int>(function.code) << "\n";
    m_scanner.GetToken();
    if (!m_scanner.IsDelimiter('(')) {
        ReportError(SyntaxError);
        return;
    }
    ParseParen(M);
    Report(ApplyFunction(function, M));
}

void CExpressionParser::ParseParen(Matrix& M) {
    if (!m_scanner.IsDelimiter('(')) {
        ParseAtom(M);
        return;
    }
    if (m_nesting >= kMaxNesting) {
        ReportError(UnbalancedParentheses);
        m_scanner.SkipToEnd();
        return;
    }
    ++m_nesting;
    m_scanner.GetToken();
    ParseAddSub(M);
    if (!m_scanner.IsDelimiter(')')) ReportError(UnbalancedParentheses);
    m_scanner.GetToken();
    --m_nesting;
}

void CExpressionParser::ParseAtom(Matrix& M) {
    const Token& token = m_scanner.Current();
    switch (token.type) {
    case NumericVariableToken:
        M = Scalar(m_variables.Number(token.text[0]));
        break;
    case NumberToken:
        M = Scalar(ReadLeadingNumber(token.text));
        break;
    case MatrixVariableToken:
        M = ReadMatrixOperand(token.text);
        break;
    default:
        ReportError(SyntaxError);
        return;
    }
    m_scanner.GetToken();
}
