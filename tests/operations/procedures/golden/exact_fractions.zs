# Format > Fraction: the display writes fractions and Inv, the operators
# at "=", Determinant, Adjugate and Gauss Elimination compute exactly; the
# notice place says "exact" or "floating point". The expected fractions
# were worked out apart from the program.
format fraction
type "2 1\n4 3"
press SE Inv
show
show steps
# The inverse's product with the matrix is the identity, exactly.
press Mul
type "2 1\n4 3"
press SE =
show matrix
# An exactly singular matrix is refused with the floating-point path's message.
press CE
type "1 2\n2 4"
answer ok
press SE Inv
show
# Sums, differences and quotients of fractions and short decimals.
press CE
type "0.1 0.2"
press SE Add
type "0.2 0.1"
press SE =
show
press CE
type "1 2\n3 4"
press SE Div
type "2 0\n0 3"
press SE =
show
# An element without an exact reading (0.1 + 0.2 in floating point) sends
# the operator to floating point.
press CE
type "0.30000000000000004 1"
press SE Sub
type "1 1"
press SE =
show
# The determinant of the 5 x 5 Hilbert matrix is 1/266716800000.
press CE Create
input "5"
input "5"
pick "Create Hilbert"
show
press Proc
answer no
pick "Determinant"
answer no
pick "Trace"
show
# Adjugate: det(A) A^-1.
press CE
type "2 1\n4 3"
press SE Proc
pick "Adjugate"
show
# Gauss Elimination of a 6 x 6 integer matrix of rank 4 (rows 5 and 6 are
# r1 + r2 and 2 r3 - r4); its reduced form is
#   1 0 0 0  29/32 -1/8 / 0 1 0 0 27/32 9/8 / 0 0 1 0 11/32 1/8 / 0 0 0 1 -17/32 5/8
# and two zero rows.
press CE
type "1 2 0 3 1 4\n2 1 1 0 3 1\n0 1 2 1 1 2\n3 0 1 2 2 1\n3 3 1 3 4 5\n-3 2 3 0 0 3"
press SE Proc
pick "Gauss Elimination"
show
show matrix
menu 33028
# Another format leaves Fraction and the exact paths.
format default
press Inv
show
