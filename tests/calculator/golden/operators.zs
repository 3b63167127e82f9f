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
# "=" sets what was typed first, as every operator does; with nothing pending
# it changes nothing more, and Div then takes the 5 as its first operand.
press CE
type "5"
press =
show
press Div
show
type "2"
press SE =
show matrix
# Operators work on what the user sees. The shown inverse merely clicked into
# is not read back from its rounded text; text put over a set matrix is set
# first, by Inv and by Store alike; text that does not read stops there.
press CE
type "1 1\n0 3"
press SE Inv
mouse-up 1
press Inv
show matrix
mouse-up 1
paste-file retyped.txt
press Inv
show matrix
mouse-up 1
paste-file typo.txt
answer ok
press Inv
show
mouse-up 1
paste-file retyped.txt
store F
press CE
recall F
show matrix
# A power must be a whole number: a fraction or a word is refused and
# nothing changes; 2.0 is the whole number 2.
press CE
type "1 1\n0 1"
press SE
input "0.5"
answer ok
press Pow
input "abc"
answer ok
press Pow
input " 2.0 "
press Pow
show matrix
