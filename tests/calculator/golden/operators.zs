# Two pending operators finish one at a time.
press CE
type "1"
press SE Add CE
type "10"
press SE Mul CE
type "2"
press SE =
show matrix
press =
show matrix
press CE
type "1 0 0"
press SE Proc
pick "Vector:Cross Product"
press CE
type "0\n1\n0"
press SE =
show matrix
# The last pivot, 4.4e-16, is below 2 eps 4: singular for Inv and Div alike.
press CE
type "1 2\n2 4.000000000000001"
press SE Inv
show matrix
press CE
type "1 0\n0 1"
press SE Div CE
type "1 2\n2 4.000000000000001"
press SE =
# 1e-10 times the identity of order 40: det = 1e-400 underflows, yet the
# matrix is easily inverted (trace 40 * 1e10).
input "40"
input "40"
answer yes
press Create
pick "Create Identity"
press Mul
pick "Scalar"
press CE
type "1e-10"
press SE = Inv Proc
answer no
pick "Trace"
press Proc
pick "Set Multiply:Matrix"
# Complex inverse: the real part may be singular; a transpose conjugates.
press Mode
pick "Complex"
press CE
type "(0, 2)"
press SE Inv
show matrix
press CE
type "(1, 1) (2, 2)\n(2, 2) (4, 4)"
press SE Inv CE
type "(1, 2) (3, 4)"
press SE Trn
show matrix
press Inv Mode
pick "Real"
# An empty exponent is the power 0.
press CE
type "1 1\n0 1"
input ""
press SE Pow
show matrix
# Typing after an operator replaces its cue; so do "<", the box's own
# backspace and a paste. SE on the cue itself sets nothing.
press CE
type "4 6"
press SE Sub <
show
press 1 > 1 SE =
show matrix
press Add
type "\x08"
press 1 > 1 SE =
show matrix
press Add
clipboard "2 2"
menu 32831
show
press SE =
show matrix
press Add SE
show
press =
show matrix
# A cue given back by a text box, its line break as CR LF, is replaced too.
press CE
type "1 2"
press SE Mul
paste-file cue.txt
type "3\n4"
show
press SE =
show matrix
# "=" with nothing pending empties everything without a word; an operator
# pressed then waits for its second operand.
press CE
type "5"
press =
show
press Div
show
type "2"
press SE =
show matrix
