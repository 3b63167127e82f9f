# Two-operand operators in every multiply mode, real and complex, with their
# messages; one-operand operators. After an operator the display shows its cue,
# which the first key typed replaces (CE before typing empties it as well).
press CE
type "1 2\n3 4"
press SE Add
show
press CE
type "1 2 3"
press SE =
show
# Sub, Div
press CE
type "1 2\n3 4"
press SE Sub CE
type "1 1\n1 1"
press SE =
show matrix
press Div CE
type "1 2 3"
press SE =
press CE
type "2 0\n0 4"
press SE =
show matrix
press Div CE
type "1 2 3\n4 5 6"
press SE =
press CE
type "1 2\n3 4"
press SE Div CE
type "1 2\n2 4"
press SE =
show
# Matrix multiply (the initial mode); Mul shows the mode in the command list
press CE
type "1 2\n3 4"
press SE Mul
show
press CE
type "5\n6"
press SE =
show
press Mul CE
type "1 2 3\n4 5 6"
press SE =
show
# Kronecker: 2 x 2 by 3 x 1 gives 6 x 2
press CE
type "1 2\n3 4"
press SE Mul
pick "Kronecker"
show
press CE
type "1\n10\n100"
press SE =
show matrix
# Scalar
press CE
type "1 2\n3 4"
press SE Mul
pick "Scalar"
press CE
type "3"
press SE =
show matrix
press Mul CE
type "1 2"
press SE =
show
# Schur, chosen from the procedures
press CE
type "1 2\n3 4"
press SE Proc
pick "Set Multiply:Schurr"
press Mul CE
type "2 2\n0 -1"
press SE =
show matrix
press Mul CE
type "1 2 3"
press SE =
# Complex mode, Matrix multiply
press Mode
pick "Complex"
press CE
type "(1, 1) (0, 0)\n(0, 0) (1, 1)"
press SE Mul
pick "Matrix"
press CE
type "(2, 0)\n(0, 3)"
press SE =
show
show matrix
press Mul CE
type "(1, 0) (2, 0)"
press SE =
show
# Complex scalar: a pair, or a 1 x 1 real number (imaginary part 0)
press CE
type "(1, 2) (3, -1)"
press SE Mul
pick "Scalar"
press CE
type "(0, 1)"
press SE =
show matrix
press Mul Mode
pick "Real"
press CE
type "2"
press SE Mode
pick "Complex"
press =
show matrix
press Mul CE
type "(1, 2) (3, 4)"
press SE =
# Kronecker and Schur have no complex form: "=" leaves the multiplication pending
press CE
type "(1, 1)"
press SE Mul
pick "Kronecker"
press CE
type "(2, 0)"
press SE =
show
# One-operand operators
press Mode
pick "Real"
press CE
type "-1.5 2.7\n3 -4"
press SE Sgn
show
press Abs Trn Int
show
press Inv
show matrix
input "2"
press Pow
show matrix
press CE
type "1 2"
press SE Inv Pow
